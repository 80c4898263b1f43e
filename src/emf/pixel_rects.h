#pragma once

#include <span>
#include <vector>
#include "emf/drawing_types.h"

namespace zef::emf {

// A rectangle of pixels of one colour, edges included.
struct ColourRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  Colour colour = kBlack;
  bool operator==(const ColourRect&) const = default;
};

// A pixel block (row by row, `width` pixels a row, kNoColour skipped) as
// rectangles of one colour: runs of a row, merged with the identical run of
// the row above. A colour map becomes one rectangle per cell, which is what
// vector outputs need to stay small.
std::vector<ColourRect> ColourRects(PixelPoint topLeft, int width, std::span<const Colour> colours);

}  // namespace zef::emf
