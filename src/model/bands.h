#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zef::model {

// The two kinds of data set; the values are the ones stored in files.
enum class FormatKind : std::uint8_t { Zef1 = 0, Zef2 = 1 };

// Band count and balloon grid of one kind.
struct Grid {
  int bands;    // entries of every per-band array
  int arcs;     // arcs around the on-axis direction
  int points;   // points per arc, 0 = on axis, last = rear
  int stepDeg;  // angle between neighbouring arcs and points
  int Quarter() const { return arcs / 4; }
};

inline constexpr Grid kZef1Grid{10, 36, 19, 10};
inline constexpr Grid kZef2Grid{30, 72, 37, 5};
inline constexpr int kMaxBands = 30;

const Grid& GridOf(FormatKind kind);

// Band labels: ZEF1 octave labels (index 0 empty), ZEF2 long and short labels.
std::string_view Zef1Label(int band);
std::string_view Zef2LongLabel(int band);
std::string_view Zef2ShortLabel(int band);

// The label a message uses for a band of a kind (ZEF2: the long label).
std::string_view BandLabel(FormatKind kind, int band);

// Finds the band a file names, ignoring case: ZEF1 accepts "63".."16000" and
// "1K".."16K"; ZEF2 any long or short label.
std::optional<int> FindBand(FormatKind kind, std::string_view token);

// Centre frequency of a band in Hz, for the sample generator and graphs.
double BandFrequency(FormatKind kind, int band);

}  // namespace zef::model
