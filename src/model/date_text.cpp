#include "model/date_text.h"

#include <cstdio>

namespace zef::model {

std::string FormatDateText(int year, int month, int day) {
  char out[16];
  const std::string_view mon = month >= 1 && month <= 12 ? kMonthTable.substr((month - 1) * 3, 3)
                                                          : std::string_view("???");
  std::snprintf(out, sizeof out, "%04d-%.3s-%02d", year, mon.data(), day);
  return out;
}

int CompareDateTexts(std::string_view a, std::string_view b) {
  auto part = [](std::string_view d, std::size_t from, std::size_t n) {
    return d.size() >= from + n ? d.substr(from, n) : std::string_view{};
  };
  if (int c = part(a, 0, 4).compare(part(b, 0, 4)); c != 0) return c < 0 ? -1 : 1;
  const auto ma = kMonthTable.find(part(a, 5, 3));
  const auto mb = kMonthTable.find(part(b, 5, 3));
  if (ma != mb) return ma < mb ? -1 : 1;
  const int c = part(a, 9, 2).compare(part(b, 9, 2));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace zef::model
