#include "graphs/ea_graphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/band_range.h"
#include "analysis/power_average.h"
#include "graphs/number_format.h"
#include "graphs/plane_views.h"
#include "graphs/plot_texts.h"

namespace zef::graphs {
namespace {

using model::FormatKind;
using model::PerBand;

constexpr Colour kAverageColour = kRed;
constexpr Colour kNominalColour = kBlue;
constexpr Colour kOffAxisColour = kRed;
constexpr int kOffAxisRadius = 4;
constexpr int kMissingRadius = 5;
constexpr double kKilo = 0.001;
constexpr int kLastThird = 29;

// Draws the frame and opens the curve layer clipped to the plot; a graph
// without a single value gets "No data" instead and no curve.
bool StartCurves(GraphWindow& window, const GraphDescriptor& d, EaGraphLayers layers,
                 bool anyValue) {
  window.DrawGraph(d, layers.frame);
  window.ClearLayer(layers.curves);
  if (!anyValue) {
    DrawNoData(window, PlotCentre(window.Frame()));
    return false;
  }
  window.SetClip(window.Frame().PlotBox());
  return true;
}

void SetRange(GraphDescriptor& d, const YRange& range) {
  d.yMin = static_cast<float>(range.min);
  d.yMax = static_cast<float>(range.max);
  d.yStep = static_cast<float>(range.step);
}

std::span<const float> BandArray(const EaGraphInput& input, EaGraph graph) {
  switch (graph) {
    case EaGraph::kInputVoltage:
      return input.set.data.Array(PerBand::InputVoltage);
    case EaGraph::kSensitivity:
      return input.set.data.Array(PerBand::Sensitivity);
    case EaGraph::kImpedance:
      return input.set.data.Array(PerBand::Impedance);
    case EaGraph::kHorizontalWidth:
      return input.figures.horizontalWidth;
    case EaGraph::kVerticalWidth:
      return input.figures.verticalWidth;
    default:
      return input.set.data.Array(PerBand::AxialQ);
  }
}

// The off-axis classes of a width or Q graph, empty for the others.
std::span<const std::uint8_t> ClassArray(const EaGraphInput& input, EaGraph graph) {
  switch (graph) {
    case EaGraph::kHorizontalWidth:
      return input.figures.horizontalOffClass;
    case EaGraph::kVerticalWidth:
      return input.figures.verticalOffClass;
    case EaGraph::kAxialQ:
      return input.figures.offAxisClass;
    default:
      return {};
  }
}

// The graph's values over the record's band range, DI in dB when asked for.
std::vector<float> BandValues(const EaGraphInput& input, EaGraph graph,
                              const analysis::BandRange& bands, bool di) {
  const std::span<const float> array = BandArray(input, graph);
  std::vector<float> values;
  for (int band = bands.first; band <= bands.last; ++band) {
    const float v = array[static_cast<std::size_t>(band)];
    values.push_back(di ? analysis::AxialDI(v) : v);
  }
  return values;
}

struct Labels {
  std::string title;
  std::string unit;
};

Labels BandGraphLabels(EaGraph graph, bool di) {
  switch (graph) {
    case EaGraph::kInputVoltage:
      return {"Input voltage", "V"};
    case EaGraph::kSensitivity:
      return {"Sensitivity", "dB"};
    case EaGraph::kImpedance:
      return {"Impedance", "Ohm"};
    case EaGraph::kHorizontalWidth:
      return {"-6dB-width horizontal", "Deg"};
    case EaGraph::kVerticalWidth:
      return {"-6dB-width vertical", "Deg"};
    default:
      return di ? Labels{"DI", "dB"} : Labels{"Q", ""};
  }
}

std::string TestSpectrumTitle(const model::DataSet& set) {
  const bool voltage = set.info->maxInputKind == model::MaxInputKind::Voltage;
  return std::string(voltage ? "Max input voltage uses " : "Max input power uses ") +
         analysis::TestSpectrumName(set.info->maxInputMethod);
}

// Missing values sit at the bottom already.
void DrawOffAxisMarks(GraphWindow& window, std::span<const CurvePoint> points,
                      const std::vector<float>& values, std::span<const std::uint8_t> classes,
                      int firstBand) {
  window.PushState();
  window.SetWidth(1);
  window.SetDash(0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PixelPoint at = window.WorldToDevice(points[i].x, points[i].y);
    if (!IsDrawable(values[i])) {
      window.SetColour(kBlack);
      window.Circle(at.x, at.y, kOffAxisRadius, true);
      continue;
    }
    const std::uint8_t offClass = classes[static_cast<std::size_t>(firstBand) + i];
    if (offClass == 0) continue;
    window.SetColour(kOffAxisColour);
    window.Circle(at.x, at.y, kOffAxisRadius, offClass >= 2);
  }
  window.PopState();
}

// A dashed line across the bands with its label right of its end and, when
// given, a value below the label.
void DrawReferenceLine(GraphWindow& window, double fromX, double toX, double y, Colour colour,
                       std::string_view label, std::string_view value) {
  window.PushState();
  window.SetWidth(1);
  window.SetDash(2);
  window.SetColour(colour);
  const PixelPoint from = window.WorldToDevice(fromX, y);
  const PixelPoint to = window.WorldToDevice(toX, y);
  window.MoveTo(from.x, from.y);
  window.LineTo(to.x, to.y);
  // A line beyond the range is clipped away; its label would float outside.
  if (window.Clip() && !window.Clip()->Contains(to)) {
    window.PopState();
    return;
  }
  const int font = window.State().font;
  const int height = window.TextExtent(font, label).height;
  const int top = to.y - height / 2;
  OpaqueText(window, label, to.x + 2, top);
  if (!value.empty()) OpaqueText(window, value, to.x + 2, top + height);
  window.PopState();
}

void DrawReferenceLines(GraphWindow& window, const EaGraphInput& input, EaGraph graph, double fromX,
                        double toX, double scale) {
  if (graph == EaGraph::kSensitivity) {
    const float average = input.reference.average;
    DrawReferenceLine(window, fromX, toX, average, kAverageColour, "Avg.",
                      FormatFixed(average, 1, input.decimalComma));
    return;
  }
  if (graph != EaGraph::kImpedance) return;
  const float mean = input.set.info->meanImpedance;
  const float nominal = input.set.impedance.reducedLowest;
  if (IsDrawable(mean)) {
    DrawReferenceLine(window, fromX, toX, mean * scale, kAverageColour, "Avg.", {});
  }
  if (IsDrawable(nominal)) {
    DrawReferenceLine(window, fromX, toX, nominal * scale, kNominalColour, "Nom.", {});
  }
}

void DrawBandGraph(GraphWindow& window, const EaGraphInput& input, EaGraph graph,
                   EaGraphLayers layers) {
  const FormatKind kind = input.set.kind;
  const analysis::BandRange bands = analysis::BandsOf(input.set.data);
  const bool di = graph == EaGraph::kAxialQ && input.options.Get(Option::kShowDi);
  const std::vector<float> values = BandValues(input, graph, bands, di);
  // A file without input voltages leaves their array as it was.
  const bool given = graph != EaGraph::kInputVoltage ||
                     (input.set.info->presenceFlags & model::presence::kInputVoltage) != 0;
  const bool anyValue = given && std::any_of(values.begin(), values.end(), IsDrawable);
  const double nominal = input.set.impedance.reducedLowest;
  YRange range = EaGraphRange(graph, input.options, values, nominal);

  GraphDescriptor d = BandAxisDescriptor(window, kind);
  const Labels labels = BandGraphLabels(graph, di);
  d.title = labels.title;
  d.yLabel = labels.unit;
  double scale = 1.0;
  if (graph == EaGraph::kImpedance && !input.options.Get(Option::kFixedScales) &&
      range.max >= 1000) {
    scale = kKilo;
    range = {range.min * kKilo, range.max * kKilo, range.step * kKilo};
    d.yLabel = "kOhm";
  }
  SetRange(d, range);
  if (!StartCurves(window, d, layers, anyValue)) return;

  std::vector<CurvePoint> points;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double x = BandX(kind, bands.first + static_cast<int>(i));
    points.push_back({x, IsDrawable(values[i]) ? values[i] * scale : range.min});
  }
  const std::span<const std::uint8_t> classes = ClassArray(input, graph);
  if (!classes.empty()) {
    DrawOffAxisMarks(window, points, values, classes, bands.first);
  }
  DrawBandCurve(window, points, input.options);
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!IsDrawable(values[i])) DrawMissingMark(window, points[i].x, range.min);
  }
  DrawReferenceLines(window, input, graph, BandX(kind, bands.first) - 0.5,
                     BandX(kind, bands.last) + 0.5, scale);
}

analysis::Spectrum AxialSpectrum(const model::InfoRecord& info) {
  analysis::Spectrum spectrum;
  std::copy(std::begin(info.axialSpectrum), std::end(info.axialSpectrum), spectrum.begin());
  return spectrum;
}

// Both spectrum graphs show all 30 one-third-octave bands and plot the first
// run of given values only.
void DrawSpectrumGraph(GraphWindow& window, const EaGraphInput& input, EaGraph graph,
                       EaGraphLayers layers) {
  const bool axial = graph == EaGraph::kAxialSpectrum;
  const bool fixed = input.options.Get(Option::kFixedScales);
  const analysis::Spectrum spectrum =
      axial ? AxialSpectrum(*input.set.info) : analysis::TestSpectrum(input.set);
  const auto first = std::find_if(spectrum.begin(), spectrum.end(), IsDrawable);
  const auto end = std::find_if_not(first, spectrum.end(), IsDrawable);
  const std::vector<float> run(first, end);

  double offset = 0;
  if (axial && fixed && !run.empty()) offset = analysis::PowerAverage(run);
  if (!axial) offset = analysis::TestSpectrumMaximum(input.set);
  const YRange range = EaGraphRange(graph, input.options, run, 0);

  GraphDescriptor d = BandAxisDescriptor(window, input.set.kind);
  d.octaveAxis = false;
  d.thirdOctaveAxis = true;
  d.firstThird = 0;
  d.lastThird = kLastThird;
  d.title = axial ? (fixed ? "Axial spectrum re average" : "Axial spectrum")
                  : TestSpectrumTitle(input.set);
  d.yLabel = "dB";
  SetRange(d, range);
  const bool given =
      !axial || (input.set.info->presenceFlags & model::presence::kAxialSpectrum) != 0;
  if (!StartCurves(window, d, layers, given && !run.empty())) return;

  std::vector<CurvePoint> points;
  for (auto it = first; it != end; ++it) {
    const double x = static_cast<double>(it - spectrum.begin()) + 1;
    points.push_back({x, std::max(*it - offset, range.min)});
  }
  DrawBandCurve(window, points, input.options);
}

}  // namespace

GraphDescriptor BandAxisDescriptor(const GraphWindow& window, FormatKind kind) {
  GraphDescriptor d;
  d.left = 5;
  d.top = 5;
  d.right = window.Width() - 10;
  d.bottom = window.Height() - 11;
  if (kind == FormatKind::Zef1) {
    d.octaveAxis = true;
    d.firstOctave = 1;
    d.lastOctave = 9;
  } else {
    d.thirdOctaveAxis = true;
    d.firstThird = 3;
    d.lastThird = kLastThird;
  }
  d.xGrid = true;
  d.yGrid = true;
  d.xLabel = "Hz";
  return d;
}

double BandX(FormatKind kind, int band) {
  return kind == FormatKind::Zef1 ? band : band - 2;
}

void DrawBandCurve(GraphWindow& window, std::span<const CurvePoint> points, OptionSet options) {
  const bool stepped = options.Get(Option::kSteppedCurves);
  window.PushState();
  window.SetColour(kBlack);
  window.SetDash(0);
  window.SetWidth(options.Get(Option::kHeavyCurves) ? 2 : 1);
  window.StartCurve(false);
  for (const CurvePoint& p : points) {
    if (std::isnan(p.y)) {
      window.EndCurve();
      window.StartCurve(false);
      continue;
    }
    if (stepped) {
      window.AddPoint(p.x - 0.5, p.y);
      window.AddPoint(p.x + 0.5, p.y);
    } else {
      window.AddPoint(p.x, p.y);
    }
  }
  window.EndCurve();
  window.PopState();
}

void DrawMissingMark(GraphWindow& window, double x, double yMin) {
  window.PushState();
  window.SetColour(kBlack);
  window.SetWidth(1);
  window.SetDash(0);
  const PixelPoint at = window.WorldToDevice(x, yMin);
  window.Circle(at.x, at.y, kMissingRadius, false);
  window.PopState();
}

void BuildEaGraph(GraphWindow& window, const EaGraphInput& input, EaGraphLayers layers) {
  window.ClearLayer(layers.frame);
  window.ClearLayer(layers.curves);
  ShowLayers(window, {layers.frame, layers.curves});
  if (input.selection < 0 || input.selection >= kEaGraphCount) return;
  const auto graph = static_cast<EaGraph>(input.selection);
  if (graph == EaGraph::kAxialSpectrum || graph == EaGraph::kTestSpectrum) {
    DrawSpectrumGraph(window, input, graph, layers);
  } else {
    DrawBandGraph(window, input, graph, layers);
  }
}

}  // namespace zef::graphs
