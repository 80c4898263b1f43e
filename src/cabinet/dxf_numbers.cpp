#include "cabinet/dxf_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zef::cabinet {
namespace {

constexpr std::size_t kRealLength = 41;

std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

// A value too small for a double reads as zero; only an exponent makes one.
bool IsUnderflow(std::string_view text) {
  const std::size_t e = text.find_first_of("Ee");
  return e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
}

}  // namespace

bool ParseDxfReal(std::string_view value, double& out) {
  // The cut value behind one spare character for the zero it may gain; no
  // allocation per value.
  char buffer[kRealLength + 1];
  const std::string_view cut = value.substr(0, kRealLength);
  char* text = buffer + 1;
  std::size_t size = cut.copy(text, cut.size());
  if (char* comma = std::find(text, text + size, ','); comma != text + size) *comma = '.';
  if (size > 0 && text[0] == '.') {
    *--text = '0';
    ++size;
  } else if (size > 1 && text[0] == '-' && text[1] == '.') {
    *--text = '-';
    text[1] = '0';
    ++size;
  }
  const std::string_view number = WithoutPlus({text, size});
  if (number.empty()) return false;
  double parsed = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (end != number.data() + number.size()) return false;
  if (ec == std::errc::result_out_of_range && IsUnderflow(number)) {
    out = number.front() == '-' ? -0.0 : 0.0;
    return true;
  }
  if (ec != std::errc() || !std::isfinite(parsed)) return false;
  out = parsed;
  return true;
}

bool ParseDxfWhole(std::string_view value, std::int32_t& out) {
  const std::string_view number = WithoutPlus(value);
  if (number.empty()) return false;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), out);
  return ec == std::errc() && end == number.data() + number.size();
}

}  // namespace zef::cabinet
