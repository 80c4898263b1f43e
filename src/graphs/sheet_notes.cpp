#include "graphs/sheet_notes.h"

#include <algorithm>
#include <vector>

#include "graphs/number_format.h"
#include "graphs/shade_palette.h"

namespace zef::graphs {
namespace {

constexpr int kGap = 3;
constexpr int kSide = 10;  // the key's ends from the sheet's sides
constexpr int kBarHeight = 10;
constexpr int kKeyStep = 10;  // dB between labels of the key
constexpr std::string_view kEllipsis = "...";

int LineHeight(const FontMetrics& metrics) {
  return metrics.CharHeight(0) + 2 * kGap;
}

int KeyHeight(const FontMetrics& metrics) {
  return kBarHeight + metrics.CharHeight(0) + 3 * kGap;
}

// The text cut at a character boundary, with an ellipsis, to fit `width`.
std::string Fitted(const GraphWindow& window, const std::string& text, int width) {
  if (window.TextExtent(0, text).width <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    std::size_t end = cut.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(cut[end]) & 0xC0) == 0x80) --end;
    cut.resize(end);
    const std::string shown = cut + std::string(kEllipsis);
    if (window.TextExtent(0, shown).width <= width) return shown;
  }
  return std::string(kEllipsis);
}

void DrawKey(GraphWindow& window, const SheetLayout& layout, int range) {
  const int left = kSide;
  const int right = layout.width - kSide;
  const int width = right - left;
  if (width <= 0 || range >= 0) return;
  const int barTop = layout.keyTop + kGap;
  const ShadePalette palette;
  std::vector<Colour> row(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) {
    const double level = range * (1.0 - (x + 0.5) / width);
    row[static_cast<std::size_t>(x)] = palette.ColourOfLevel(level, range);
  }
  std::vector<Colour> bar;
  for (int y = 0; y < kBarHeight; ++y) bar.insert(bar.end(), row.begin(), row.end());
  window.Pixels(left, barTop, width, std::move(bar));
  window.SetColour(kBlack);
  window.Rectangle(left - 1, barTop - 1, right, barTop + kBarHeight, false);
  const int labelTop = barTop + kBarHeight + kGap;
  for (int level = range; level <= 0; level += kKeyStep) {
    const std::string label = FormatFixed(level, 0, false) + (level == 0 ? " dB" : "");
    const int x = left + (level - range) * width / -range;
    const int textWidth = window.TextExtent(0, label).width;
    const int shown = std::clamp(x - textWidth / 2, 0, std::max(layout.width - textWidth, 0));
    window.Text(0, label, shown, labelTop);
  }
}

}  // namespace

SheetLayout LayOutSheet(int width, int height, const SheetNotes& notes,
                        const FontMetrics& metrics) {
  SheetLayout layout{width, height, 0, height, height};
  if (!notes.caption.empty()) layout.graphTop = LineHeight(metrics);
  if (notes.keyRange) layout.keyTop = height - KeyHeight(metrics);
  layout.graphHeight = std::max(layout.keyTop - layout.graphTop, 1);
  return layout;
}

void DrawSheetNotes(GraphWindow& window, const SheetLayout& layout, const SheetNotes& notes) {
  window.ClearLayer(0);
  window.SetVisibleLayers(1);
  window.PushState();
  window.SetColour(kBlack);
  window.SetWidth(1);
  window.SetDash(0);
  if (!notes.caption.empty()) {
    window.Text(0, Fitted(window, notes.caption, layout.width - 2 * kGap), kGap, kGap);
  }
  if (notes.keyRange) DrawKey(window, layout, *notes.keyRange);
  window.PopState();
}

}  // namespace zef::graphs
