#include "phase/phase_graph.h"

#include <array>
#include <string>
#include <vector>

#include "graphs/ea_graphs.h"
#include "graphs/plane_views.h"

namespace zef::phase {
namespace {

using graphs::GraphDescriptor;
using graphs::GraphWindow;
using graphs::Option;

constexpr double kPhaseBottom = -180;
constexpr double kPhaseTop = 180;
constexpr double kPhaseStep = 90;

const std::array<const char*, 3> kMagnitudeTitles = {"Sensitivity magnitude", "Filter magnitude",
                                                     "Combined magnitude"};
const std::array<const char*, 3> kPhaseTitles = {"Sensitivity phase", "Filter phase",
                                                 "Combined phase"};

struct Axis {
  double bottom;
  double top;
  double step;
};

GraphDescriptor HalfDescriptor(const GraphWindow& window, bool leftHalf, const Axis& axis) {
  GraphDescriptor d = graphs::BandAxisDescriptor(window, model::FormatKind::Zef2);
  const int half = window.Width() / 2;
  if (leftHalf) {
    d.right = half - 3;
  } else {
    d.left = half + 1;
    d.right = window.Width() - 11;
  }
  d.yMin = static_cast<float>(axis.bottom);
  d.yMax = static_cast<float>(axis.top);
  d.yStep = static_cast<float>(axis.step);
  return d;
}

// One band curve in its colour: a missing value sits at the axis bottom and
// is marked there.
void DrawCurve(GraphWindow& window, const PhaseCurves& curves, const std::array<float, 30>& values,
               double bottom, graphs::Colour colour, graphs::OptionSet options) {
  const bool stepped = options.Get(Option::kSteppedCurves);
  window.PushState();
  window.SetColour(colour);
  window.SetDash(0);
  window.SetWidth(options.Get(Option::kHeavyCurves) ? 2 : 1);
  window.StartCurve(false);
  for (int b = curves.firstBand; b <= curves.lastBand; ++b) {
    const float v = values[static_cast<std::size_t>(b)];
    const double x = graphs::BandX(model::FormatKind::Zef2, b);
    const double y = model::IsMissing(v) ? bottom : v;
    if (stepped) {
      window.AddPoint(x - 0.5, y);
      window.AddPoint(x + 0.5, y);
    } else {
      window.AddPoint(x, y);
    }
  }
  window.EndCurve();
  window.PopState();
  for (int b = curves.firstBand; b <= curves.lastBand; ++b) {
    if (model::IsMissing(values[static_cast<std::size_t>(b)])) {
      graphs::DrawMissingMark(window, graphs::BandX(model::FormatKind::Zef2, b), bottom);
    }
  }
}

void DrawHalf(GraphWindow& window, GraphDescriptor d, int frameLayer, int curveLayer,
              const PhaseCurves& curves, const std::array<float, 30>& values, graphs::Colour colour,
              graphs::OptionSet options) {
  window.DrawGraph(d, frameLayer);
  window.ClearLayer(curveLayer);
  DrawCurve(window, curves, values, d.yMin, colour, options);
}

}  // namespace

void BuildPhaseGraph(GraphWindow& window, const model::DataSet& set, CurveMode mode,
                     graphs::OptionSet options, PhaseGraphLayers layers) {
  const PhaseCurves curves = ComputeCurves(set, mode);
  const MagnitudeAxis m = MagnitudeAxisOf(curves, mode, options.Get(Option::kFixedScales));
  const auto index = static_cast<std::size_t>(mode);

  GraphDescriptor magnitude = HalfDescriptor(window, true, {m.bottom, m.top, m.step});
  magnitude.title = kMagnitudeTitles[index];
  magnitude.yLabel = "dB";
  GraphDescriptor phase = HalfDescriptor(window, false, {kPhaseBottom, kPhaseTop, kPhaseStep});
  phase.title = kPhaseTitles[index];
  phase.yLabel = "deg";

  DrawHalf(window, magnitude, layers.magnitudeFrame, layers.magnitudeCurve, curves,
           curves.magnitude, kMagnitudeColour, options);
  DrawHalf(window, phase, layers.phaseFrame, layers.phaseCurve, curves, curves.phase, kPhaseColour,
           options);
  graphs::ShowLayers(
      window, {layers.magnitudeFrame, layers.magnitudeCurve, layers.phaseFrame, layers.phaseCurve});
}

}  // namespace zef::phase
