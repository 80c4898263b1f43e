#include "graphs/graph_window.h"

#include <algorithm>
#include <cmath>

#include "graphs/number_format.h"

namespace zef::graphs {
namespace {

constexpr std::size_t kAxisLabelLength = 7;
constexpr std::size_t kTitleLength = 79;
// Guards against steps so small that a walk would never end.
constexpr int kMostTics = 1000;

// Calls f for from, from + step, ... while below limit; a step that does not
// advance gives from alone.
template <typename F>
void ForEachTic(double from, double step, double limit, F f) {
  if (!(step > 0)) {
    if (from < limit) f(from);
    return;
  }
  for (int i = 0; i < kMostTics; ++i) {
    const double value = from + i * step;
    if (!(value < limit)) return;
    f(value);
  }
}

}  // namespace

PixelPoint GraphFrame::ToDevice(double x, double y) const {
  return {x0 + RoundToPixel((x - xMin) * xScale), y0 - RoundToPixel((y - yMin) * yScale)};
}

std::optional<WorldPoint> GraphFrame::ToWorld(int x, int y) const {
  if (xScale == 0 || yScale == 0) return std::nullopt;
  if (x < x0 || x > x0 + plotWidth || y > y0 || y < y0 - plotHeight) return std::nullopt;
  return WorldPoint{xMin + (x - x0) / xScale, yMin + (y0 - y) / yScale};
}

void GraphWindow::DrawGraph(const GraphDescriptor& descriptor, int layer) {
  DrawFrame(descriptor, layer, std::nullopt);
}

void GraphWindow::DrawGraphTitled(std::string_view text, const GraphDescriptor& descriptor,
                                  int layer) {
  DrawFrame(descriptor, layer, text);
}

void GraphWindow::DrawFrame(const GraphDescriptor& descriptor, int layer,
                            std::optional<std::string_view> marginText) {
  if (layer < 0 || layer >= kLayerCount) return;
  ClearLayer(layer);
  descriptor_ = descriptor;
  descriptor_.xLabel = Clipped(descriptor.xLabel, kAxisLabelLength);
  descriptor_.yLabel = Clipped(descriptor.yLabel, kAxisLabelLength);
  descriptor_.title = Clipped(descriptor.title, kTitleLength);
  SetWidth(1);
  SetColour(kBlack);
  SetDash(0);

  GraphDescriptor& d = descriptor_;
  // Band k of the range sits at x = k, with half a band of room either side.
  if (d.octaveAxis || d.thirdOctaveAxis) {
    const int first = d.octaveAxis ? d.firstOctave : d.firstThird;
    const int last = d.octaveAxis ? d.lastOctave : d.lastThird;
    d.xMin = 0;
    d.xStep = 1.0F;
    d.xMax = static_cast<float>(last - first + 2);
  }

  GraphFrame& f = frame_;
  f = GraphFrame{};
  f.lineHeight = metrics_.CharHeight(state_.font) + 8;
  f.margin = FrameMargin(marginText);
  f.x0 = d.left + f.margin;
  f.y0 = d.bottom - f.lineHeight;
  f.xMin = d.xMin;
  f.yMin = d.yMin;
  const double xSpan = static_cast<double>(d.xMax) - d.xMin;
  const double ySpan = static_cast<double>(d.yMax) - d.yMin;
  if (xSpan != 0) f.xScale = (d.right - d.left - 2 * f.margin) / xSpan;
  if (ySpan != 0) f.yScale = (d.bottom - d.top - 2 * f.lineHeight) / ySpan;
  f.plotWidth = f.ToDevice(d.xMax, d.yMin).x - f.x0;
  f.plotHeight = f.y0 - f.ToDevice(d.xMin, d.yMax).y;

  DrawFrameBox();
  DrawTicsAndGrid();
  DrawXLabels();
  DrawYLabels();
  DrawAxisTexts();
  Append(FrameCommand{std::make_shared<const FramedGraph>(FramedGraph{frame_, descriptor_})});
}

int GraphWindow::FrameMargin(std::optional<std::string_view> marginText) const {
  const int font = state_.font;
  if (marginText) return metrics_.Measure(font, *marginText).width + 2;
  const GraphDescriptor& d = descriptor_;
  int widest = 0;
  ForEachTic(d.yMin, std::fabs(d.yStep), 0.99 * d.yMax, [&](double y) {
    const std::string label = YTicLabel(y, d.yMin, d.yMax, d.yStep, decimalComma_);
    widest = std::max(widest, metrics_.Measure(font, label).width);
  });
  return std::max(widest + 2, metrics_.Measure(font, d.yLabel).width);
}

void GraphWindow::DrawFrameBox() {
  const GraphFrame& f = frame_;
  const int top = f.y0 - f.plotHeight;
  const int right = f.x0 + f.plotWidth;
  if (!descriptor_.openFrame) {
    Append(RectangleCommand{f.x0, top, right, f.y0, Pen{kFrameFillColour, 1, 0}, true});
    Rectangle(f.x0, top, right, f.y0, false);
    return;
  }
  MoveTo(f.x0, top);
  LineTo(right, top);
  LineTo(right, f.y0);
  LineTo(f.x0, f.y0);
  LineTo(f.x0, top);
  SetDash(2);
  MoveTo(f.x0, f.y0);
  LineTo(f.x0, top);
  SetDash(0);
}

void GraphWindow::DrawTicsAndGrid() {
  const GraphDescriptor& d = descriptor_;
  const GraphFrame& f = frame_;
  const double xStep = std::fabs(d.xStep);
  const double yStep = std::fabs(d.yStep);
  const auto xAt = [&](double x) { return f.ToDevice(x, d.yMin).x; };
  const auto yAt = [&](double y) { return f.ToDevice(d.xMin, y).y; };

  ForEachTic(d.xMin + xStep, xStep, d.xMax, [&](double x) {
    MoveTo(xAt(x), f.y0 + 1);
    LineTo(xAt(x), f.y0);
  });
  ForEachTic(d.yMin + yStep, yStep, d.yMax, [&](double y) {
    MoveTo(f.x0 - 1, yAt(y));
    LineTo(f.x0, yAt(y));
  });
  // The 0.99 factor leaves the top and right edges to the frame.
  if (d.xGrid) {
    SetColour(kGridColour);
    ForEachTic(d.xMin + xStep, xStep, 0.99 * d.xMax, [&](double x) {
      MoveTo(xAt(x), f.y0 - 1);
      LineTo(xAt(x), f.y0 - f.plotHeight);
    });
  }
  if (d.yGrid) {
    ForEachTic(d.yMin + yStep, yStep, 0.99 * d.yMax, [&](double y) {
      SetColour(std::fabs(y) < 0.001 * yStep ? kBlack : kGridColour);
      MoveTo(f.x0 + 1, yAt(y));
      LineTo(f.x0 + f.plotWidth, yAt(y));
    });
  }
  SetColour(kBlack);
}

void GraphWindow::DrawCentredLabel(std::string_view label, int x, int y) {
  Text(state_.font, label, x - TextExtent(state_.font, label).width / 2, y);
}

void GraphWindow::DrawXLabels() {
  const GraphDescriptor& d = descriptor_;
  const GraphFrame& f = frame_;
  const int y = f.y0 + 1;
  const auto xAt = [&](double x) { return f.ToDevice(x, d.yMin).x; };
  if (d.octaveAxis || d.thirdOctaveAxis) {
    const int first = d.octaveAxis ? d.firstOctave : d.firstThird;
    const int last = d.octaveAxis ? d.lastOctave : d.lastThird;
    const bool sparse = !d.octaveAxis && last - first + 1 >= 7;
    for (int band = first; band <= last; ++band) {
      const int x = xAt(band - first + 1);
      if (d.octaveAxis) {
        DrawCentredLabel(OctaveLabel(band), x, y);
      } else if (!sparse) {
        DrawCentredLabel(ThirdOctaveLabel(band), x, y);
      } else if (band % 3 == 1) {
        // Too many bands for their own labels: the octave centres only.
        DrawCentredLabel(OctaveLabel(band / 3), x, y);
      }
    }
    return;
  }
  if (!(d.xStep > 0)) return;
  ForEachTic(d.xMin, d.xStep, d.xMax, [&](double x) {
    const std::string label = XTicLabel(x, d.xStep, decimalComma_);
    const int width = TextExtent(state_.font, label).width;
    const int left = xAt(x) - width / 2;
    if (left + width > f.x0 + f.plotWidth) return;
    Text(state_.font, label, left, y);
  });
}

void GraphWindow::DrawYLabels() {
  const GraphDescriptor& d = descriptor_;
  const GraphFrame& f = frame_;
  // The 1.01 factor admits the label at the top edge.
  ForEachTic(d.yMin, d.yStep, 1.01 * d.yMax, [&](double y) {
    const std::string label = YTicLabel(y, d.yMin, d.yMax, d.yStep, decimalComma_);
    const TextSize size = TextExtent(state_.font, label);
    Text(state_.font, label, f.x0 - size.width - 2, f.ToDevice(d.xMin, y).y - size.height / 2);
  });
}

void GraphWindow::DrawAxisTexts() {
  const GraphDescriptor& d = descriptor_;
  const GraphFrame& f = frame_;
  const int font = state_.font;
  const int right = f.x0 + f.plotWidth + 8;
  const int top = f.y0 - f.plotHeight - f.lineHeight;
  Text(font, d.xLabel, right - TextExtent(font, d.xLabel).width, f.y0 + 1);
  Text(font, d.yLabel, f.x0 - f.margin, top);
  Text(font, d.title, right - TextExtent(font, d.title).width, top);
}

}  // namespace zef::graphs
