#pragma once

#include <cstdint>
#include <string>

namespace zef::app {

// Number texts of the data sheet beyond the plain fixed form
// (graphs::FormatFixed). Each writes a decimal comma in place of the point
// when `decimalComma` is set.

// The text of a value that is not there.
inline constexpr const char* kMissingText = " -";

// `decimals` decimals, one fewer for values of 10 and more, so that a column
// keeps its width.
std::string AdaptiveText(double value, int decimals, bool decimalComma);
// Truncated toward zero.
std::string WholeText(double value);
// Values from 1000 up in thousands with `kiloDecimals` decimals and a "k";
// smaller ones with `decimals`.
std::string KiloText(double value, int decimals, int kiloDecimals, bool decimalComma);

// A per-band value's text wrapped in the off-axis mark of its band's class:
// "(...)" for class 1, "[...]" for class 2, bare for class 0.
std::string OffAxisMarked(std::string text, std::uint8_t offAxisClass);

}  // namespace zef::app
