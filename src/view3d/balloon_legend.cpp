#include <cmath>
#include <string>

#include "view3d/balloon_scene.h"

namespace zef::view3d {
namespace {

constexpr int kLegendLeft = 7;
constexpr int kLegendTop = 4;
constexpr int kTickLength = 4;
constexpr int kBarHeight = 12;
constexpr int kMargin = 5;

struct LegendScale {
  int pixelsPerDb = 2;
  int labelStep = 10;
};

LegendScale ScaleOfRange(int range) {
  if (range == -20) return {4, 5};
  if (range == -30) return {3, 10};
  return {2, 10};
}

void DrawColourBar(graphs::GraphWindow& window, const BalloonViewState& state,
                   const graphs::ShadePalette& palette) {
  const LegendScale scale = ScaleOfRange(state.range);
  const int textHeight = window.TextExtent(0, "0").height;
  const int tickTop = kLegendTop + textHeight;
  window.SetColour(graphs::kBlack);
  for (int v = 0; v >= state.range; v -= scale.labelStep) {
    const int x = kLegendLeft - scale.pixelsPerDb * v;
    const std::string label = std::to_string(v);
    window.Text(0, label, x - window.TextExtent(0, label).width / 2, kLegendTop);
    window.MoveTo(x, tickTop);
    window.LineTo(x, tickTop + kTickLength);
  }
  const int width = -state.range * scale.pixelsPerDb + 1;
  std::vector<graphs::Colour> bar(static_cast<std::size_t>(width * kBarHeight));
  for (int column = 0; column < width; ++column) {
    const double level = -static_cast<double>(column) / scale.pixelsPerDb;
    const graphs::Colour colour = palette.ColourOfLevel(level, state.range);
    for (int row = 0; row < kBarHeight; ++row) {
      bar[static_cast<std::size_t>(row * width + column)] = colour;
    }
  }
  window.Pixels(kLegendLeft, tickTop + kTickLength, width, std::move(bar));
}

}  // namespace

void DrawBalloonLegend(graphs::GraphWindow& window, const model::DataSet& set,
                       const BalloonViewState& state, const graphs::ShadePalette& palette,
                       int layer) {
  window.ClearLayer(layer);
  window.PushState();
  window.SetDash(0);
  window.SetWidth(1);
  if (state.options.Get(graphs::Option::kShadeBalloon)) {
    DrawColourBar(window, state, palette);
  } else if (const auto viewSize = ViewSizeOfRange(state.range)) {
    const std::string text = std::to_string(std::lround(*viewSize)) + " dB axis";
    window.SetColour(graphs::kBlack);
    window.Text(0, text, (window.Width() - window.TextExtent(0, text).width) / 2, kMargin);
  }
  if (set.info->symmetry == model::Symmetry::Polar) {
    const std::string_view caption = "Polar interpolated";
    window.SetColour(graphs::kRed);
    window.Text(0, caption, kMargin,
                window.Height() - window.TextExtent(0, caption).height - kMargin);
  }
  window.PopState();
}

}  // namespace zef::view3d
