#pragma once

#include <string>
#include <string_view>

namespace zef::model {

// Date texts "yyyy-mmm-dd" with the upper-case English month abbreviation.
inline constexpr std::string_view kMonthTable = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

// month 1..12, day 1..31
std::string FormatDateText(int year, int month, int day);

// Orders two date texts by year, then month (by its place in the table), then day.
int CompareDateTexts(std::string_view a, std::string_view b);

}  // namespace zef::model
