#include "textformat/measurement_date.h"

#include <charconv>
#include <cstdint>

#include "model/date_text.h"
#include "model/fixed_text.h"

namespace zef::textformat {
namespace {

constexpr int kEarliestYear = 1960;
// February always allows the 29th: the year is not looked at.
constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

DateCheck Refuse(std::string_view reason) {
  return {false, std::string(reason)};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Month 1..12 of an abbreviation in any case, 0 when it is none.
int MonthNumber(std::string_view month) {
  if (month.size() != 3) return 0;
  const std::string upper = model::ToUpperAscii(month);
  for (int m = 0; m < 12; ++m) {
    if (model::kMonthTable.substr(static_cast<std::size_t>(m) * 3, 3) == upper) return m + 1;
  }
  return 0;
}

}  // namespace

DateCheck CheckMeasurementDate(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return Refuse("missing data");
  if (!IsDigit(text.front())) return Refuse("missing year");

  const std::size_t firstDash = text.find('-');
  if (firstDash == std::string_view::npos) return Refuse("missing data");
  const std::size_t secondDash = text.find('-', firstDash + 1);
  if (secondDash == std::string_view::npos) return Refuse("missing data");
  const std::string_view yearText = text.substr(0, firstDash);
  const std::string_view month = text.substr(firstDash + 1, secondDash - firstDash - 1);
  std::string_view day = text.substr(secondDash + 1);
  day = day.substr(0, day.find(' '));

  std::uint32_t year = 0;
  const auto [end, ec] = std::from_chars(yearText.data(), yearText.data() + yearText.size(), year);
  if (ec != std::errc() || end != yearText.data() + yearText.size()) return Refuse("year format");
  if (year < kEarliestYear) return Refuse("year range");

  if (day.empty() || day.size() > 2 || !IsDigit(day[0]) || (day.size() == 2 && !IsDigit(day[1]))) {
    return Refuse("day format");
  }
  const std::string twoDigitDay = day.size() == 1 ? "0" + std::string(day) : std::string(day);

  const int monthNumber = MonthNumber(month);
  if (monthNumber == 0) return Refuse("month error");
  const int dayNumber = (twoDigitDay[0] - '0') * 10 + (twoDigitDay[1] - '0');
  if (dayNumber < 1 || dayNumber > kDaysInMonth[monthNumber - 1]) return Refuse("day range");

  return {true, std::to_string(year) + "-" + model::ToUpperAscii(month) + "-" + twoDigitDay};
}

}  // namespace zef::textformat
