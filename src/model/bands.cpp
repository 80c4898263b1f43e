#include "model/bands.h"

#include <cstdlib>

#include "model/fixed_text.h"

namespace zef::model {
namespace {

constexpr std::array<std::string_view, 10> kZef1Labels{
    "", "63", "125", "250", "500", "1000", "2000", "4000", "8000", "16000"};
constexpr std::array<std::string_view, 10> kZef1ShortLabels{
    "", "", "", "", "", "1K", "2K", "4K", "8K", "16K"};
constexpr std::array<std::string_view, 30> kZef2Long{
    "25",   "31.5", "40",   "50",   "63",   "80",    "100",   "125",   "160",   "200",
    "250",  "315",  "400",  "500",  "630",  "800",   "1000",  "1250",  "1600",  "2000",
    "2500", "3150", "4000", "5000", "6300", "8000",  "10000", "12500", "16000", "20000"};
constexpr std::array<std::string_view, 30> kZef2Short{
    "25",  "31.5",  "40",   "50",    "63", "80", "100", "125", "160",  "200",
    "250", "315",   "400",  "500",   "630", "800", "1k", "1.25k", "1.6k", "2k",
    "2.5k", "3.15k", "4k",  "5k",    "6.3k", "8k", "10k", "12.5k", "16k", "20k"};

}  // namespace

const Grid& GridOf(FormatKind kind) { return kind == FormatKind::Zef1 ? kZef1Grid : kZef2Grid; }

std::string_view Zef1Label(int band) {
  return band >= 0 && band < 10 ? kZef1Labels[band] : std::string_view{};
}
std::string_view Zef2LongLabel(int band) {
  return band >= 0 && band < 30 ? kZef2Long[band] : std::string_view{};
}
std::string_view Zef2ShortLabel(int band) {
  return band >= 0 && band < 30 ? kZef2Short[band] : std::string_view{};
}

std::string_view BandLabel(FormatKind kind, int band) {
  return kind == FormatKind::Zef1 ? Zef1Label(band) : Zef2LongLabel(band);
}

std::optional<int> FindBand(FormatKind kind, std::string_view token) {
  if (kind == FormatKind::Zef1) {
    for (int b = 1; b < 10; ++b) {
      if (EqualsIgnoringCase(token, kZef1Labels[b]) ||
          (!kZef1ShortLabels[b].empty() && EqualsIgnoringCase(token, kZef1ShortLabels[b]))) {
        return b;
      }
    }
    return std::nullopt;
  }
  for (int b = 0; b < 30; ++b) {
    if (EqualsIgnoringCase(token, kZef2Long[b]) || EqualsIgnoringCase(token, kZef2Short[b])) {
      return b;
    }
  }
  return std::nullopt;
}

double BandFrequency(FormatKind kind, int band) {
  const std::string_view label = BandLabel(kind, band);
  return label.empty() ? 0.0 : std::strtod(std::string(label).c_str(), nullptr);
}

}  // namespace zef::model
