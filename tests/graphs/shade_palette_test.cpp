#include <gtest/gtest.h>

#include <vector>

#include "graphs/shade_palette.h"

namespace zef::graphs {
namespace {

TEST(ShadePaletteTest, RunsFromDarkBlueToRed) {
  const ShadePalette palette;
  const std::pair<int, Colour> cases[] = {
      // colours 0x00BBGGRR
      {235, 0x0000FF}, {172, 0x00FCFF}, {171, 0x00FFFF}, {108, 0xFCFF03}, {44, 0xFF0300},
      {43, 0xFF0000},  {0, 0x530000},   {-1, 0x530000},  {236, 0x0000FF},  // held at the ends
  };
  for (const auto& [index, colour] : cases) EXPECT_EQ(palette.At(index), colour) << index;
}

TEST(ShadePaletteTest, MapsLevelsWithinTheRange) {
  const std::tuple<double, double, int> cases[] = {
      {-20, -40, 117},  // 117.5 truncated
      {-40.5, -40, 0}, {0.5, -40, 235}, {-0.001, -40, 234},
      {-10, -20, 117}, {-5, 0, 0},  // a range that is no range
  };
  for (const auto& [level, range, index] : cases) {
    EXPECT_EQ(ShadePalette::IndexOfLevel(level, range), index) << level << " " << range;
  }
  const ShadePalette palette;
  EXPECT_EQ(palette.ColourOfLevel(-20, -40), palette.At(117));
}

}  // namespace
}  // namespace zef::graphs
