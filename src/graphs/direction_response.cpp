#include "graphs/direction_response.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/band_range.h"
#include "graphs/ea_graphs.h"
#include "graphs/plane_views.h"
#include "graphs/plot_texts.h"

namespace zef::graphs {
namespace {

constexpr Colour kInsetGrey = 0x969696;
constexpr Colour kArcColour = kRed;
constexpr Colour kPointColour = kBlue;
constexpr int kInsetRadius = 15;
constexpr int kInsetOffset = 16;   // first centre from the plot's top-left corner
constexpr int kInsetSpacing = 35;  // second centre right of the first
constexpr int kSegmentDegrees = 5;
constexpr std::string_view kDegreeSign = "\xC2\xB0";

bool UsesMaxReference(const SpectraInput& input) {
  return input.options.Get(Option::kBalloonReferenceMax) &&
         input.set.info->type != model::SpeakerType::Powered;
}

std::string Title(const SpectraInput& input) {
  const bool equalised = input.options.Get(Option::kEqualisation);
  std::string title = "Balloon spectra re on-axis";
  if (UsesMaxReference(input)) {
    title = equalised ? "Balloon spectra re max Sens." : "Balloon spectra re max Sensitivity";
  }
  if (equalised) title += ", w. eq";
  return title;
}

YRange Range(OptionSet options) {
  if (options.Get(Option::kAverageSpectrum) || options.Get(Option::kEqualisation)) {
    return {-12, 6, 3};
  }
  return {-40, 10, 10};
}

PixelPoint OnCircle(PixelPoint centre, double radius, double degrees) {
  const double angle = degrees * std::numbers::pi / 180.0;
  return {centre.x + RoundToPixel(radius * std::cos(angle)),
          centre.y - RoundToPixel(radius * std::sin(angle))};
}

// A grey arc of the inset from fromDegrees to toDegrees, in 5-degree segments.
void DrawInsetArc(GraphWindow& window, PixelPoint centre, int fromDegrees, int toDegrees) {
  std::vector<PixelPoint> points;
  for (int degrees = fromDegrees; degrees <= toDegrees; degrees += kSegmentDegrees) {
    points.push_back(OnCircle(centre, kInsetRadius, degrees));
  }
  window.SetColour(kInsetGrey);
  window.Polyline(std::move(points), false);
}

// A needle from the centre, labelled with an angle centred below at labelY.
void DrawNeedle(GraphWindow& window, PixelPoint centre, double length, double degrees,
                Colour colour, int angle, int labelY) {
  window.SetColour(colour);
  const PixelPoint end = OnCircle(centre, length, degrees);
  window.MoveTo(centre.x, centre.y);
  window.LineTo(end.x, end.y);
  const std::string label = std::to_string(angle) + std::string(kDegreeSign);
  const int font = window.State().font;
  window.Text(font, label, centre.x - window.TextExtent(font, label).width / 2, labelY);
}

// The chosen direction seen from the front (arc) and from the side (point).
void DrawDirectionInset(GraphWindow& window, const model::Grid& grid, int arc, int point) {
  const GraphFrame& f = window.Frame();
  const PixelPoint front{f.x0 + kInsetOffset, f.y0 - f.plotHeight + kInsetOffset};
  const PixelPoint side{front.x + kInsetSpacing, front.y};
  const int arcAngle = arc * grid.stepDeg;
  const int pointAngle = point * grid.stepDeg;
  window.PushState();
  window.SetWidth(1);
  window.SetDash(0);
  DrawInsetArc(window, front, 0, 360);
  DrawInsetArc(window, side, 0, 180);
  const double reach = kInsetRadius * std::sin(pointAngle * std::numbers::pi / 180.0);
  DrawNeedle(window, front, reach, arcAngle + 90.0, kArcColour, arcAngle,
             front.y + kInsetRadius + 2);
  DrawNeedle(window, side, kInsetRadius, pointAngle, kPointColour, pointAngle, side.y + 2);
  window.PopState();
}

void DrawSpectrum(GraphWindow& window, const SpectraInput& input, double yMin) {
  const model::DataRecord& data = input.set.data;
  const model::FormatKind kind = input.set.kind;
  const analysis::BandRange bands = analysis::BandsOf(data);
  const std::span<const float> sensitivity = data.Array(model::PerBand::Sensitivity);
  const bool relative = UsesMaxReference(input);
  std::vector<CurvePoint> points;
  std::vector<double> missing;
  for (int band = bands.first; band <= bands.last; ++band) {
    const double x = BandX(kind, band);
    const double level = data.Arc(band, input.arc)[static_cast<std::size_t>(input.point)];
    const float s = sensitivity[static_cast<std::size_t>(band)];
    double y = level;
    if (relative && model::IsMissing(s)) {
      // Without its sensitivity the band has no level re the maximum.
      missing.push_back(x);
      y = std::numeric_limits<double>::quiet_NaN();
    } else {
      if (relative) y = s + level - input.reference.maximum;
      if (!std::isfinite(y) || y < yMin) y = yMin;
    }
    points.push_back({x, y});
  }
  if (missing.size() == points.size()) {
    DrawNoData(window, PlotCentre(window.Frame()));
    return;
  }
  window.SetClip(window.Frame().PlotBox());
  DrawBandCurve(window, points, input.options);
  if (!input.options.Get(Option::kSteppedCurves)) return;
  for (const double x : missing) DrawMissingMark(window, x, yMin);
}

}  // namespace

bool DirectionOnGrid(const model::Grid& grid, int arc, int point) {
  return arc >= 0 && arc < grid.arcs && point >= 0 && point < grid.points;
}

void BuildBalloonSpectra(GraphWindow& window, const SpectraInput& input, SpectraLayers layers) {
  const YRange range = Range(input.options);
  GraphDescriptor d = BandAxisDescriptor(window, input.set.kind);
  d.yLabel = "dB";
  d.title = Title(input);
  d.yMin = static_cast<float>(range.min);
  d.yMax = static_cast<float>(range.max);
  d.yStep = static_cast<float>(range.step);
  window.DrawGraph(d, layers.frame);
  window.ClearLayer(layers.curves);
  ShowLayers(window, {layers.frame, layers.curves});
  const model::Grid& grid = input.set.GetGrid();
  if (!DirectionOnGrid(grid, input.arc, input.point)) return;
  DrawSpectrum(window, input, range.min);
  window.SetClip(std::nullopt);
  DrawDirectionInset(window, grid, input.arc, input.point);
}

}  // namespace zef::graphs
