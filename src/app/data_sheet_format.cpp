#include "app/data_sheet_format.h"

#include <cmath>

#include "graphs/number_format.h"

namespace zef::app {

using graphs::FormatFixed;

std::string AdaptiveText(double value, int decimals, bool decimalComma) {
  if (value >= 10.0 && decimals > 1) --decimals;
  return FormatFixed(value, decimals, decimalComma);
}

std::string WholeText(double value) {
  return FormatFixed(std::trunc(value), 0, false);
}

std::string KiloText(double value, int decimals, int kiloDecimals, bool decimalComma) {
  if (value >= 1000.0) return FormatFixed(value / 1000.0, kiloDecimals, decimalComma) + "k";
  return FormatFixed(value, decimals, decimalComma);
}

std::string OffAxisMarked(std::string text, std::uint8_t offAxisClass) {
  if (offAxisClass == 1) return "(" + text + ")";
  if (offAxisClass == 2) return "[" + text + "]";
  return text;
}

}  // namespace zef::app
