#include "graphs/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zef::graphs {
namespace {

constexpr double kLargestWritable = 1e15;

constexpr std::array<std::string_view, 10> kOctaveLabels = {"31", "63", "125", "250", "500",
                                                            "1k", "2k", "4k",  "8k",  "16k"};

constexpr std::array<std::string_view, 30> kThirdOctaveLabels = {
    "25",   "31.5",  "40",  "50",  "63",   "80",  "100", "125",   "160",  "200",
    "250",  "315",   "400", "500", "630",  "800", "1k",  "1.25k", "1.6k", "2k",
    "2.5k", "3.15k", "4k",  "5k",  "6.3k", "8k",  "10k", "12.5k", "16k",  "20k"};

bool Writable(double value) {
  return std::isfinite(value) && std::fabs(value) < kLargestWritable;
}

std::string WithSeparator(std::string text, bool decimalComma) {
  if (decimalComma) {
    for (char& c : text) {
      if (c == '.') c = ',';
    }
  }
  return text;
}

std::string ToChars(double value, std::chars_format format, int precision) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  if (result.ec != std::errc{}) return "??";
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string FormatFixed(double value, int decimals, bool decimalComma) {
  if (!Writable(value)) return "??";
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  const double power = std::pow(10.0, decimals);
  // Rounding first makes halves go away from zero whatever their binary form.
  double rounded = std::round(value * power);
  if (rounded == 0.0) rounded = 0.0;  // no "-0"
  return WithSeparator(ToChars(rounded / power, std::chars_format::fixed, decimals), decimalComma);
}

std::string FormatExponent(double value, bool decimalComma) {
  if (!std::isfinite(value)) return "??";
  return WithSeparator(ToChars(value, std::chars_format::scientific, 2), decimalComma);
}

std::string YTicLabel(double y, double yMin, double yMax, double yStep, bool decimalComma) {
  const double range = yMax > 0 ? std::fabs(yMax) : std::fabs(yMin);
  if (yStep > 0 && yStep < 1.0) {
    if (std::fabs(y) < 0.01 * yStep) return "0";
    if (range < 0.01 || range >= 1000) return FormatExponent(y, decimalComma);
    if (range < 0.1) return FormatFixed(y, 3, decimalComma);
    if (range < 1.0) return FormatFixed(y, 2, decimalComma);
    if (range < 100) return FormatFixed(y, 1, decimalComma);
    return FormatFixed(y, 0, decimalComma);
  }
  if (range > 1000 || range < 0.001) return FormatExponent(y, decimalComma);
  return FormatFixed(y, yStep >= 1.0 ? 0 : 1, decimalComma);
}

std::string XTicLabel(double x, double xStep, bool decimalComma) {
  if (xStep > 0 && xStep < 1.0) {
    if (std::fabs(x) < 0.0001) return "0";
    return FormatFixed(x, 2, decimalComma);
  }
  return FormatFixed(x, 0, decimalComma);
}

std::string_view OctaveLabel(int index) {
  if (index < 0 || index >= static_cast<int>(kOctaveLabels.size())) return {};
  return kOctaveLabels[static_cast<std::size_t>(index)];
}

std::string_view ThirdOctaveLabel(int index) {
  if (index < 0 || index >= static_cast<int>(kThirdOctaveLabels.size())) return {};
  return kThirdOctaveLabels[static_cast<std::size_t>(index)];
}

}  // namespace zef::graphs
