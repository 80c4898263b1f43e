#include "graphs/polar_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <string_view>

#include "analysis/band_range.h"
#include "graphs/number_format.h"
#include "graphs/plane_views.h"
#include "graphs/plot_texts.h"

namespace zef::graphs {
namespace {

constexpr double kInnerRadius = 8;
constexpr double kUnitsAcross = 140;
// Far beyond any range offered; keeps the number of circles small.
constexpr int kLargestRange = 120;
constexpr double kMarkRadius = 2;
// Levels below the centre are drawn just off it so the curve stays closed.
constexpr double kCentreRadius = 0.1;
constexpr Colour kDarkGrey = 0x646464;
constexpr Colour kMinus6DbCircle = 0xC8C8FF;
constexpr int kGridDash = 2;
constexpr int kEdgeGap = 2;  // pixels between the edge texts and the edge

// Where levels lie: 0 dB on the outer ring, -range on the inner one.
class Rings {
 public:
  Rings(int range, bool sixDb) : range_(range), sixDb_(sixDb) {}

  int Step() const { return sixDb_ ? 6 : 10; }
  double Radius(double level) const {
    const double outer = sixDb_ ? 48 : 50;
    return (range_ + level) * (outer / range_) + kInnerRadius;
  }
  double DrawnRadius(double level) const {
    const double radius = Radius(level);
    return radius >= 0 ? radius : kCentreRadius;
  }

 private:
  int range_;
  bool sixDb_;
};

Rings RingsOf(const PolarInput& input) {
  return Rings(input.polarRange, input.options.Get(Option::kPolarTics6Db));
}

// A point in drawing units, y upwards.
struct UnitPoint {
  double x = 0;
  double y = 0;
};

UnitPoint AtAngle(double degrees, double radius) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {radius * std::cos(radians), radius * std::sin(radians)};
}

// False for a layer the window does not have: nothing may be drawn then.
bool StartLayer(GraphWindow& window, int layer) {
  window.ClearLayer(layer);
  if (window.CurrentLayer() != layer) return false;
  window.SetScale(PolarScale(window.Width(), window.Height()));
  window.SetOrigin(window.Width() / 2, window.Height() / 2, 1, -1);
  return true;
}

void Ring(GraphWindow& window, double radius, Colour colour, int dash) {
  window.SetColour(colour);
  window.SetDash(dash);
  window.ScaledCircle(0, 0, radius, false);
}

void DrawRaysAndRings(GraphWindow& window, const PolarInput& input, const Rings& rings) {
  window.SetWidth(1);
  window.SetDash(0);
  for (int degrees = 0; degrees < 360; degrees += 10) {
    window.SetColour(degrees % 30 == 0 ? kDarkGrey : kLightGrey);
    const UnitPoint from = AtAngle(degrees, kInnerRadius);
    const UnitPoint to = AtAngle(degrees, rings.Radius(0));
    window.ScaledMoveTo(from.x, from.y);
    window.ScaledLineTo(to.x, to.y);
  }
  Ring(window, rings.Radius(10), kLightGrey, kGridDash);
  Ring(window, rings.Radius(0), kDarkGrey, 0);
  const int step = rings.Step();
  const int last = input.polarRange / step;
  for (int k = 1; k <= last; ++k) {
    Ring(window, rings.Radius(-k * step), k == last ? kDarkGrey : kLightGrey, 0);
  }
  if (step == 10) Ring(window, rings.Radius(-6), kMinus6DbCircle, kGridDash);
}

void LevelLabels(GraphWindow& window, const PolarInput& input, const Rings& rings) {
  const int font = window.State().font;
  const int shift = window.TextExtent(font, "-6").width / 2;
  // With 6-dB circles every other circle is labelled.
  const int step = rings.Step() == 6 ? 12 : 10;
  for (int level = -step; level >= -input.polarRange; level -= step) {
    const PixelPoint at = window.ScaledToDevice(rings.Radius(level), -5);
    window.Text(font, FormatFixed(level, 0, false), at.x + shift, at.y);
  }
}

// Text placed by the centre of its top edge.
void CentredText(GraphWindow& window, std::string_view text, int centreX, int y) {
  const int font = window.State().font;
  window.Text(font, text, centreX - window.TextExtent(font, text).width / 2, y);
}

void EdgeTexts(GraphWindow& window, const PolarInput& input) {
  const int font = window.State().font;
  const auto widthOf = [&](std::string_view text) { return window.TextExtent(font, text).width; };
  const int height = window.TextExtent(font, "Up").height;
  const int centreX = window.Width() / 2;
  const int bottom = window.Height() - height - kEdgeGap;
  const int gap = widthOf(" ");

  // The horizontal plane's names sit left of the vertical plane's.
  window.SetColour(input.colours.vertical);
  CentredText(window, "Up", centreX, kEdgeGap);
  CentredText(window, "Down", centreX, bottom);
  window.SetColour(input.colours.horizontal);
  window.Text(font, "Left", centreX - widthOf("Up") / 2 - gap - widthOf("Left"), kEdgeGap);
  window.Text(font, "Right", centreX - widthOf("Down") / 2 - gap - widthOf("Right"), bottom);

  window.SetColour(kBlack);
  const int middle = window.Height() / 2 - height / 2;
  window.Text(font, "Front", window.Width() - widthOf("Front") - kEdgeGap, middle);
  window.Text(font, "Back", kEdgeGap, middle);
  const bool maxReference = input.options.Get(Option::kPolarReferenceMax);
  window.Text(font, maxReference ? "Re max Sensitivity" : "Re on-axis", kEdgeGap, kEdgeGap);
}

// One measurement plane as the curve layer draws it.
struct Plane {
  bool shown = false;
  Colour colour = kBlack;
  PlaneArcs arcs;
  model::PerBand firstHalfWidth = model::PerBand::HalfWidthH1;
  model::PerBand secondHalfWidth = model::PerBand::HalfWidthH2;
  float maxAngle = 0;
};

std::array<Plane, 2> PlanesOf(const PolarInput& input) {
  const model::Grid& grid = input.set.GetGrid();
  const auto band = static_cast<std::size_t>(input.band);
  return {{
      {input.display.horizontal, input.colours.horizontal, HorizontalArcs(grid),
       model::PerBand::HalfWidthH1, model::PerBand::HalfWidthH2,
       input.figures.horizontalMaxAngle[band]},
      {input.display.vertical, input.colours.vertical, VerticalArcs(grid),
       model::PerBand::HalfWidthV1, model::PerBand::HalfWidthV2,
       input.figures.verticalMaxAngle[band]},
  }};
}

void AddPolarPoint(GraphWindow& window, double degrees, double radius) {
  const UnitPoint p = AtAngle(degrees, radius);
  window.AddScaledPoint(p.x, p.y);
}

// The first arc above the axis out to the rear, the second arc back below
// it, closed on the axis: arc 0 points up and the horizontal plane's first
// arc to the loudspeaker's left, where "Up" and "Left" stand.
void PlaneCurve(GraphWindow& window, const PolarInput& input, const Plane& plane,
                const Rings& rings, double offset) {
  const model::DataRecord& data = input.set.data;
  const int step = data.GetGrid().stepDeg;
  const std::span<const float> first = data.Arc(input.band, plane.arcs.first);
  const std::span<const float> second = data.Arc(input.band, plane.arcs.second);
  const int rear = static_cast<int>(first.size()) - 1;
  window.SetColour(plane.colour);
  window.StartCurve(false);
  for (int p = 0; p <= rear; ++p) {
    AddPolarPoint(window, p * step, rings.DrawnRadius(first[p] - offset));
  }
  for (int p = rear - 1; p >= 1; --p) {
    AddPolarPoint(window, -p * step, rings.DrawnRadius(second[p] - offset));
  }
  AddPolarPoint(window, 0, rings.DrawnRadius(first[0] - offset));
  window.EndCurve();
}

void Mark(GraphWindow& window, double degrees, double radius, bool fill) {
  if (!std::isfinite(degrees)) return;
  const UnitPoint p = AtAngle(degrees, radius);
  window.ScaledCircle(p.x, p.y, kMarkRadius, fill);
}

// The -6 dB half-widths of both arcs and the direction of the maximum, whose
// angle is negative towards the first arc.
void PlaneMarks(GraphWindow& window, const PolarInput& input, const Plane& plane,
                const Rings& rings, double offset) {
  const model::DataRecord& data = input.set.data;
  const double minus6Db = rings.DrawnRadius(-6 - offset);
  window.SetColour(plane.colour);
  Mark(window, data.Array(plane.firstHalfWidth)[input.band], minus6Db, false);
  Mark(window, -data.Array(plane.secondHalfWidth)[input.band], minus6Db, false);
  Mark(window, -plane.maxAngle, rings.DrawnRadius(0), true);
}

bool RangeDrawn(const PolarInput& input) {
  return input.polarRange > 0 && input.polarRange <= kLargestRange;
}

bool BandDrawn(const PolarInput& input) {
  const analysis::BandRange bands = analysis::BandsOf(input.set.data);
  return input.band >= bands.first && input.band <= bands.last;
}

}  // namespace

double PolarScale(int width, int height) {
  return std::min(width, height) / kUnitsAcross;
}

void DrawPolarGrid(GraphWindow& window, const PolarInput& input, PolarLayers layers) {
  const bool drawn = RangeDrawn(input);
  const Rings rings = RingsOf(input);
  window.PushState();
  if (StartLayer(window, layers.grid) && drawn && input.display.grid) {
    DrawRaysAndRings(window, input, rings);
  }
  if (StartLayer(window, layers.labels) && drawn && input.display.labels) {
    window.SetColour(kBlack);
    // Above the curves and on the background, so the lobes never strike
    // them through.
    window.SetTextTransparent(false);
    LevelLabels(window, input, rings);
    EdgeTexts(window, input);
    window.SetTextTransparent(true);
  }
  window.PopState();
}

void DrawPolarCurves(GraphWindow& window, const PolarInput& input, int layer) {
  if (!StartLayer(window, layer) || !RangeDrawn(input) || !BandDrawn(input)) return;
  const bool maxReference = input.options.Get(Option::kPolarReferenceMax);
  const std::optional<double> offset = ReferenceOffset(input, maxReference, input.band);
  if (!offset) {
    DrawNoData(window, window.ScaledToDevice(0, 0));
    return;
  }
  const Rings rings = RingsOf(input);
  const std::array<Plane, 2> planes = PlanesOf(input);
  window.PushState();
  window.SetWidth(input.options.Get(Option::kHeavyLines) ? 2 : 1);
  window.SetDash(0);
  for (const Plane& plane : planes) {
    if (plane.shown) PlaneCurve(window, input, plane, rings, *offset);
  }
  if (input.options.Get(Option::kMarkMinus6Db)) {
    for (const Plane& plane : planes) {
      if (plane.shown) PlaneMarks(window, input, plane, rings, *offset);
    }
  }
  window.PopState();
}

void BuildPolarDiagram(GraphWindow& window, const PolarInput& input, PolarLayers layers) {
  DrawPolarGrid(window, input, layers);
  DrawPolarCurves(window, input, layers.curves);
  ShowLayers(window, {layers.grid, layers.curves, layers.labels});
}

}  // namespace zef::graphs
