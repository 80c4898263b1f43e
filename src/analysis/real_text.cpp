#include "analysis/real_text.h"

#include <cmath>
#include <cstdio>

namespace zef::analysis {

std::string RealToText(float value, bool decimalComma) {
  if (!std::isfinite(value)) return "???.??";
  char text[64];  // the largest float needs 43 characters at two decimals
  const int n = std::snprintf(text, sizeof text, "%6.2f", static_cast<double>(value));
  if (n < 0 || n >= static_cast<int>(sizeof text)) return "???.??";
  std::string out(text, static_cast<std::size_t>(n));
  if (decimalComma) {
    for (char& c : out) {
      if (c == '.') c = ',';
    }
  }
  return out;
}

}  // namespace zef::analysis
