#pragma once

#include <string>
#include <string_view>

namespace zef::textformat {

// Outcome of checking a measurement date: the date in its stored form
// "yyyy-MMM-dd", or the reason it was refused ("year range", "day format"...).
struct DateCheck {
  bool valid = false;
  std::string text;
};

// Checks a date written YYYY-MMM-DD (month in any case, day with one or two
// digits) and rewrites it with the month upper-cased and a two-digit day.
DateCheck CheckMeasurementDate(std::string_view text);

}  // namespace zef::textformat
