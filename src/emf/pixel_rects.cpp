#include "emf/pixel_rects.h"

#include <cstddef>

namespace zef::emf {
namespace {

struct Run {
  int left = 0;
  int right = 0;
  Colour colour = kBlack;
};

void RowRuns(std::span<const Colour> row, int left, std::vector<Run>& runs) {
  runs.clear();
  std::size_t i = 0;
  while (i < row.size()) {
    const Colour colour = row[i];
    std::size_t end = i + 1;
    while (end < row.size() && row[end] == colour) ++end;
    if (colour != kNoColour) {
      runs.push_back({left + static_cast<int>(i), left + static_cast<int>(end) - 1, colour});
    }
    i = end;
  }
}

}  // namespace

std::vector<ColourRect> ColourRects(PixelPoint topLeft, int width,
                                    std::span<const Colour> colours) {
  std::vector<ColourRect> rects;
  if (width <= 0) return rects;
  const auto rowLength = static_cast<std::size_t>(width);
  std::vector<Run> runs;
  // Rectangles still open at the row above, in the order of their runs.
  std::vector<std::size_t> open;
  std::vector<std::size_t> nextOpen;
  for (std::size_t start = 0, row = 0; start + rowLength <= colours.size();
       start += rowLength, ++row) {
    const int y = topLeft.y + static_cast<int>(row);
    RowRuns(colours.subspan(start, rowLength), topLeft.x, runs);
    nextOpen.clear();
    std::size_t above = 0;
    for (const Run& run : runs) {
      while (above < open.size() && rects[open[above]].left < run.left) ++above;
      if (above < open.size()) {
        ColourRect& rect = rects[open[above]];
        if (rect.left == run.left && rect.right == run.right && rect.colour == run.colour) {
          rect.bottom = y;
          nextOpen.push_back(open[above]);
          continue;
        }
      }
      rects.push_back({run.left, y, run.right, y, run.colour});
      nextOpen.push_back(rects.size() - 1);
    }
    open.swap(nextOpen);
  }
  return rects;
}

}  // namespace zef::emf
