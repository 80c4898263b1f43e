#include "view3d/painter_grid.h"

#include <algorithm>
#include <cmath>

namespace zef::view3d {
namespace {

// Cells are this many median triangle extents across and at least this many
// pixels, with no more than this many cells per triangle.
constexpr double kCellPerExtent = 1;
constexpr double kSmallestCell = 0.25;
constexpr double kCellsPerTriangle = 2;

}  // namespace

ScreenGrid::ScreenGrid(std::span<const SortEntry> entries, std::size_t budget) {
  if (entries.empty()) return;
  float left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
  std::vector<float> extents;
  extents.reserve(entries.size());
  for (const SortEntry& e : entries) {
    left = std::min(left, e.minX), top = std::min(top, e.minY);
    right = std::max(right, e.maxX), bottom = std::max(bottom, e.maxY);
    extents.push_back(std::max(e.maxX - e.minX, e.maxY - e.minY));
  }
  const auto middle = extents.begin() + static_cast<std::ptrdiff_t>(extents.size() / 2);
  std::nth_element(extents.begin(), middle, extents.end());
  // In double: the span of two far-flung floats may overflow a float.
  left_ = left, top_ = top;
  const double width = double{right} - left_;
  const double height = double{bottom} - top_;
  const double maxCells = kCellsPerTriangle * static_cast<double>(entries.size());
  const double fewest =
      std::max(std::sqrt(width * height / maxCells), std::max(width, height) / maxCells);
  cell_ = std::max({kCellPerExtent * double{*middle}, fewest, kSmallestCell});
  columns_ = static_cast<int>(width / cell_) + 1;
  rows_ = static_cast<int>(height / cell_) + 1;
  blocks_.reserve(entries.size());
  for (const SortEntry& e : entries) {
    const Block& b =
        blocks_.emplace_back(Block{Column(e.minX), Column(e.maxX), Row(e.minY), Row(e.maxY)});
    memberships_ += static_cast<std::size_t>(b.column1 - b.column0 + 1) *
                    static_cast<std::size_t>(b.row1 - b.row0 + 1);
  }
  // A few large triangles over many cells are counted before they are
  // filled in.
  withinBudget_ = memberships_ <= budget;
  if (!withinBudget_) return;
  sizes_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
  for (const Block& b : blocks_) {
    for (int r = b.row0; r <= b.row1; ++r) {
      const std::size_t row = static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_);
      for (int c = b.column0; c <= b.column1; ++c) ++sizes_[row + static_cast<std::size_t>(c)];
    }
  }
  std::size_t pairs = 0;
  for (const std::size_t size : sizes_) pairs += size > 1 ? size * (size - 1) / 2 : 0;
  withinBudget_ = pairs <= budget;
}

int ScreenGrid::Column(float x) const {
  return static_cast<int>(std::clamp((x - left_) / cell_, 0.0, columns_ - 1.0));
}

int ScreenGrid::Row(float y) const {
  return static_cast<int>(std::clamp((y - top_) / cell_, 0.0, rows_ - 1.0));
}

std::size_t ScreenGrid::Cell(float x, float y) const {
  return static_cast<std::size_t>(Row(y)) * static_cast<std::size_t>(columns_) +
         static_cast<std::size_t>(Column(x));
}

ScreenGrid::Cells ScreenGrid::Fill(std::span<const std::size_t> order) const {
  Cells cells{std::vector<std::size_t>(sizes_.size() + 1, 0),
              std::vector<std::size_t>(memberships_)};
  for (std::size_t c = 0; c < sizes_.size(); ++c) cells.start[c + 1] = cells.start[c] + sizes_[c];
  std::vector<std::size_t> next(cells.start.begin(), cells.start.end() - 1);
  for (std::size_t position = 0; position < order.size(); ++position) {
    const Block& b = blocks_[order[position]];
    for (int r = b.row0; r <= b.row1; ++r) {
      const std::size_t row = static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_);
      for (int c = b.column0; c <= b.column1; ++c) {
        cells.members[next[row + static_cast<std::size_t>(c)]++] = position;
      }
    }
  }
  return cells;
}

}  // namespace zef::view3d
