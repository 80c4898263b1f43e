#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zef::graphs {

// The display switches; the value is the bit number in the set (and in the
// options file).
enum class Option : int {
  kHeavyLines = 0,    // polar diagrams and the balloon's main arcs
  kHeavyCurves = 1,   // EA graphs and balloon spectra
  kShowSymmetry = 2,  // balloon symmetry
  kShowDi = 3,        // DI in dB instead of linear Q
  kFixedScales = 4,   // EA graphs
  kShadeBalloon = 5,
  kPolarReferenceMax = 6,    // polar reference max sensitivity, else on-axis
  kBalloonReferenceMax = 7,  // balloon and colour map reference, likewise
  kPolarTics6Db = 8,         // polar circles every 6 dB, else every 10 dB
  kDrawDxfFaces = 9,
  kGridWhenShaded = 10,
  kSteppedCurves = 11,  // EA graphs and balloon spectra
  kMarkMinus6Db = 12,   // -6 dB and centre-of-gravity marks in polars
  kAverageSpectrum = 13,
  kEqualisation = 14,  // balloon spectra
  kColouredSphere = 15,
};

inline constexpr int kOptionCount = 16;

// 16 display switches in a 32-bit set.
class OptionSet {
 public:
  static constexpr std::uint32_t kDefaultBits = 0x231;

  constexpr OptionSet() = default;
  constexpr explicit OptionSet(std::uint32_t bits) : bits_(bits) {}

  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool Get(Option option) const { return (bits_ & Mask(option)) != 0; }
  constexpr void Set(Option option, bool on) {
    bits_ = on ? (bits_ | Mask(option)) : (bits_ & ~Mask(option));
  }
  constexpr void Toggle(Option option) { bits_ ^= Mask(option); }

  constexpr bool operator==(const OptionSet&) const = default;

 private:
  static constexpr std::uint32_t Mask(Option option) {
    return std::uint32_t{1} << static_cast<int>(option);
  }

  std::uint32_t bits_ = kDefaultBits;
};

// Command-line names of the switches ("heavy-lines", "6db-tics", ...).
std::string_view OptionName(Option option);
std::optional<Option> FindOption(std::string_view name);

}  // namespace zef::graphs
