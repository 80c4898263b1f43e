#pragma once

#include <string>

namespace zef::analysis {

// Numbers in check messages: two decimals, right-aligned in six characters
// (longer numbers are not cut), "???.??" when the value cannot be written.
std::string RealToText(float value, bool decimalComma);

}  // namespace zef::analysis
