#pragma once

#include <array>

#include "graphs/canvas.h"

namespace zef::graphs {

// The colour scale shared by the shaded balloon and the colour maps:
// index 0 dark blue (the lowest level) through cyan and yellow to red.
class ShadePalette {
 public:
  static constexpr int kSize = 236;

  ShadePalette();

  // Indices outside the palette are clamped.
  Colour At(int index) const;

  // Index of a level in dB (relative to the reference) for a range below
  // 0 dB (-40, -30, -20): the range and below give 0, 0 dB and above 235.
  static int IndexOfLevel(double level, double range);
  Colour ColourOfLevel(double level, double range) const { return At(IndexOfLevel(level, range)); }

 private:
  std::array<Colour, kSize> colours_{};
};

}  // namespace zef::graphs
