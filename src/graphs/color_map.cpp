#include "graphs/color_map.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/band_range.h"
#include "graphs/plane_views.h"
#include "graphs/shade_palette.h"

namespace zef::graphs {
namespace {

constexpr int kOuterGap = 5;
constexpr int kRightGap = 10;
constexpr int kLabelGap = 2;  // pixels between the plot and the side labels
constexpr float kMaxAngle = 180;

struct Map {
  bool horizontal = true;
  int layer = 0;
  PlaneArcs arcs;
};

// Where the bands sit on the fixed band axis of the kind: the axis' first
// band at x = 1.
struct BandAxis {
  int first = 1;
  int last = 9;
  double X(int band) const { return band - first + 1; }
};

BandAxis AxisOf(model::FormatKind kind) {
  return kind == model::FormatKind::Zef1 ? BandAxis{1, 9} : BandAxis{3, 29};
}

GraphDescriptor MapDescriptor(const ColorMapInput& input, const GraphWindow& window, bool upper) {
  GraphDescriptor d;
  d.left = kOuterGap;
  d.right = window.Width() - kRightGap;
  d.top = upper ? kOuterGap : window.Height() / 2 + kOuterGap;
  d.bottom = upper ? window.Height() / 2 - kOuterGap : window.Height() - kOuterGap;
  const BandAxis axis = AxisOf(input.set.kind);
  if (input.set.kind == model::FormatKind::Zef1) {
    d.octaveAxis = true;
    d.firstOctave = static_cast<std::uint8_t>(axis.first);
    d.lastOctave = static_cast<std::uint8_t>(axis.last);
  } else {
    d.thirdOctaveAxis = true;
    d.firstThird = static_cast<std::uint8_t>(axis.first);
    d.lastThird = static_cast<std::uint8_t>(axis.last);
  }
  d.yMin = -kMaxAngle;
  d.yMax = kMaxAngle;
  d.yStep = 45;
  d.xGrid = true;
  d.yGrid = true;
  d.xLabel = "Hz";
  d.yLabel = "Deg";
  const bool maxReference = input.options.Get(Option::kBalloonReferenceMax);
  d.title = std::string(maxReference ? "Re max Sens.       " : "Re on-axis       ") +
            (upper ? "Horizontal" : "Vertical");
  return d;
}

void SideLabels(GraphWindow& window, bool horizontal) {
  const GraphFrame& f = window.Frame();
  const int font = window.State().font;
  const int x = f.x0 + f.plotWidth + kLabelGap;
  const int height = window.TextExtent(font, "Front").height;
  window.Text(font, horizontal ? "Left" : "Up", x, window.WorldToDevice(0, kMaxAngle).y);
  window.Text(font, horizontal ? "Right" : "Down", x,
              window.WorldToDevice(0, -kMaxAngle).y - height);
  window.Text(font, "Front", x, window.WorldToDevice(0, 0).y - height / 2);
}

// The bands both on the axis and in the record.
analysis::BandRange MapBands(const model::DataSet& set) {
  const analysis::BandRange record = analysis::BandsOf(set.data);
  const BandAxis axis = AxisOf(set.kind);
  return {std::max(record.first, axis.first), std::min(record.last, axis.last)};
}

// A balloon point of the plane, or none where the data set radiates nothing.
struct RowPoint {
  bool painted = false;
  int arc = 0;
  int point = 0;
};

RowPoint RowPointAt(const model::DataSet& set, const PlaneArcs& arcs, double angle) {
  const model::Grid& grid = set.GetGrid();
  const int rear = grid.points - 1;
  const bool fullSphere = set.info->radiation == model::Radiation::FullSphere;
  const int lastPoint = fullSphere ? rear : rear / 2;
  const int point = std::min(static_cast<int>(std::fabs(angle) / grid.stepDeg), rear);
  if (point > lastPoint) return {};
  return {true, angle > 0 ? arcs.first : arcs.second, point};
}

Colour CellColour(const ShadePalette& palette, double level, int range) {
  // A level that is not a number has no place on the scale.
  if (std::isnan(level)) return kNoColour;
  return palette.ColourOfLevel(level, range);
}

// The band of each pixel column from left on.
std::vector<int> ColumnBands(const GraphWindow& window, const BandAxis& axis,
                             const analysis::BandRange& bands, int left, int width) {
  std::vector<int> columnBand(static_cast<std::size_t>(width), bands.first);
  for (int c = 0; c < width; ++c) {
    const std::optional<WorldPoint> p = window.GraphPointAt(left + c, window.Frame().y0);
    if (!p) continue;
    const int band = static_cast<int>(std::trunc(p->x - 0.5)) + axis.first;
    columnBand[static_cast<std::size_t>(c)] = std::clamp(band, bands.first, bands.last);
  }
  return columnBand;
}

// Not a number for a band that cannot be referred to the maximum: its
// cells stay unpainted rather than show levels re on-axis.
std::vector<double> ReferenceOffsets(const ColorMapInput& input, const analysis::BandRange& bands) {
  const bool maxReference = input.options.Get(Option::kBalloonReferenceMax);
  std::vector<double> offset(static_cast<std::size_t>(bands.last + 1), 0.0);
  for (int band = bands.first; band <= bands.last; ++band) {
    offset[static_cast<std::size_t>(band)] =
        ReferenceOffset(input, maxReference, band)
            .value_or(std::numeric_limits<double>::quiet_NaN());
  }
  return offset;
}

// Every pixel of the plot between the bands' edges, strictly inside the
// frame's top and bottom lines, as one block. A row holds one balloon point
// per band, so each row's colours are found per band and spread over the
// columns.
void Cells(GraphWindow& window, const ColorMapInput& input, const Map& map,
           const analysis::BandRange& bands) {
  const BandAxis axis = AxisOf(input.set.kind);
  const int left = window.WorldToDevice(axis.X(bands.first) - 0.5, 0).x;
  const int right = window.WorldToDevice(axis.X(bands.last) + 0.5, 0).x;
  const int top = window.WorldToDevice(0, kMaxAngle).y + 1;
  const int bottom = window.WorldToDevice(0, -kMaxAngle).y;
  const int width = right - left;
  if (width <= 0 || bottom <= top) return;

  const std::vector<int> columnBand = ColumnBands(window, axis, bands, left, width);
  const std::vector<double> offset = ReferenceOffsets(input, bands);
  const ShadePalette palette;
  std::vector<Colour> bandColour(offset.size(), kNoColour);
  std::vector<Colour> colours;
  colours.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) {
    const std::optional<WorldPoint> p = window.GraphPointAt(window.Frame().x0, y);
    const RowPoint row = p ? RowPointAt(input.set, map.arcs, p->y) : RowPoint{};
    for (int band = bands.first; band <= bands.last; ++band) {
      const auto b = static_cast<std::size_t>(band);
      if (!row.painted) {
        bandColour[b] = kNoColour;
        continue;
      }
      const double level = input.set.data.Arc(band, row.arc)[row.point] - offset[b];
      bandColour[b] = CellColour(palette, level, input.balloonRange);
    }
    for (const int band : columnBand) colours.push_back(bandColour[static_cast<std::size_t>(band)]);
  }
  window.Pixels(left, top, width, std::move(colours));
}

// The -6 dB angles either side of the front, through the band centres or
// as one step per band.
void WidthLines(GraphWindow& window, const ColorMapInput& input, const Map& map,
                const analysis::BandRange& bands) {
  const BandAxis axis = AxisOf(input.set.kind);
  const auto& widths = map.horizontal ? input.figures.horizontalWidth : input.figures.verticalWidth;
  const bool stepped = input.options.Get(Option::kSteppedCurves);
  window.PushState();
  window.SetColour(kWhite);
  window.SetWidth(input.options.Get(Option::kHeavyCurves) ? 2 : 1);
  window.SetDash(0);
  for (const double side : {0.5, -0.5}) {
    if (!stepped) window.StartCurve(false);
    for (int band = bands.first; band <= bands.last; ++band) {
      const double angle = side * widths[static_cast<std::size_t>(band)];
      const double x = axis.X(band);
      if (!stepped) {
        window.AddPoint(x, angle);
        continue;
      }
      window.StartCurve(false);
      window.AddPoint(x - 0.5, angle);
      window.AddPoint(x + 0.5, angle);
      window.EndCurve();
    }
    if (!stepped) window.EndCurve();
  }
  window.PopState();
}

void DrawMap(GraphWindow& window, const ColorMapInput& input, const Map& map) {
  window.DrawGraph(MapDescriptor(input, window, map.horizontal), map.layer);
  if (window.CurrentLayer() != map.layer) return;
  SideLabels(window, map.horizontal);
  const analysis::BandRange bands = MapBands(input.set);
  if (bands.last < bands.first) return;
  Cells(window, input, map, bands);
  WidthLines(window, input, map, bands);
}

}  // namespace

void BuildColorMap(GraphWindow& window, const ColorMapInput& input, ColorMapLayers layers) {
  const model::Grid& grid = input.set.GetGrid();
  const Map maps[] = {{true, layers.horizontal, HorizontalArcs(grid)},
                      {false, layers.vertical, VerticalArcs(grid)}};
  for (const Map& map : maps) DrawMap(window, input, map);
  ShowLayers(window, {layers.horizontal, layers.vertical});
}

}  // namespace zef::graphs
