#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "view3d/painter_order.h"

namespace zef::view3d {

// A grid of screen cells over the boxes of the triangles to order, so that
// only triangles sharing a cell are compared. The cells are about the size
// of the typical (median) triangle: a fixed size put the whole small
// drawing of a fine mesh into a few cells, where the pairs compared grew
// with the square of its triangles.
class ScreenGrid {
 public:
  // `budget` bounds the cell memberships and the pairs sharing a cell: the
  // work of a Fill and of comparing its pairs.
  ScreenGrid(std::span<const SortEntry> entries, std::size_t budget);

  bool WithinBudget() const { return withinBudget_; }
  // The cell holding a screen point (clamped to the grid).
  std::size_t Cell(float x, float y) const;

  // Cell c holds members[start[c] .. start[c + 1]): positions in `order`,
  // which lists the entries' indices.
  struct Cells {
    std::vector<std::size_t> start;
    std::vector<std::size_t> members;
  };
  Cells Fill(std::span<const std::size_t> order) const;

 private:
  // The cells a box spans, first to last, inclusive.
  struct Block {
    int column0 = 0, column1 = 0, row0 = 0, row1 = 0;
  };
  int Column(float x) const;
  int Row(float y) const;

  double left_ = 0;
  double top_ = 0;
  double cell_ = 1;
  int columns_ = 1;
  int rows_ = 1;
  std::vector<Block> blocks_;       // one per entry
  std::vector<std::size_t> sizes_;  // members per cell
  std::size_t memberships_ = 0;
  bool withinBudget_ = true;
};

}  // namespace zef::view3d
