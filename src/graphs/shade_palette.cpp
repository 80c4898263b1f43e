#include "graphs/shade_palette.h"

#include <algorithm>
#include <cmath>

namespace zef::graphs {
namespace {

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}

}  // namespace

// Four runs of 64 (the last 44), each filled from its top index downwards.
ShadePalette::ShadePalette() {
  int index = kSize - 1;
  for (int run = 0; run < 4; ++run) {
    for (int k = 0; k <= 252 && index >= 0; k += 4, --index) {
      switch (run) {
        case 0:
          colours_[index] = Rgb(255, k, 0);
          break;
        case 1:
          colours_[index] = Rgb(255 - k, 255, k);
          break;
        case 2:
          colours_[index] = Rgb(0, 255 - k, 255);
          break;
        default:
          colours_[index] = Rgb(0, 0, 255 - k);
          break;
      }
    }
  }
}

Colour ShadePalette::At(int index) const {
  return colours_[static_cast<std::size_t>(std::clamp(index, 0, kSize - 1))];
}

int ShadePalette::IndexOfLevel(double level, double range) {
  if (std::isnan(level)) return 0;  // a damaged level must not reach the int conversion
  if (level >= 0.0) return kSize - 1;
  if (level <= range || !(range < 0.0)) return 0;
  const double index = std::trunc((level - range) * (kSize - 1) / std::fabs(range));
  return std::clamp(static_cast<int>(index), 0, kSize - 1);
}

}  // namespace zef::graphs
