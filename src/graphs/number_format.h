#pragma once

#include <string>
#include <string_view>

namespace zef::graphs {

// All numbers below are rounded half away from zero; with decimalComma the
// "." of the result becomes ",". Values that cannot be written (not finite,
// beyond 1e15) give "??".

// The value with the given number of decimals ("-0" is written "0").
std::string FormatFixed(double value, int decimals, bool decimalComma);
// Exponent form with two mantissa decimals, "1.50e+03".
std::string FormatExponent(double value, bool decimalComma);

// Label of a y tic at value y of a range (yMin, yMax) with step yStep.
std::string YTicLabel(double y, double yMin, double yMax, double yStep, bool decimalComma);
// Label of a tic at value x of a numeric x axis with step xStep (> 0).
std::string XTicLabel(double x, double xStep, bool decimalComma);

// Axis labels: octave index 0..9 ("31" .. "16k"), one-third-octave index
// 0..29 ("25" .. "20k"); empty outside.
std::string_view OctaveLabel(int index);
std::string_view ThirdOctaveLabel(int index);

}  // namespace zef::graphs
