#include "graphs/cta2034_graph.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/cta2034.h"
#include "graphs/number_format.h"
#include "graphs/plane_views.h"

namespace zef::graphs {
namespace {

using analysis::CtaCurve;

constexpr double kSpan = 70;
constexpr double kStep = 5;
// World height of DI 0 above the bottom of the frame.
constexpr double kDiFloor = 5;
constexpr double kLeastDiTop = 15;

constexpr Colour kGreen = 0x008000;
constexpr Colour kOrange = 0x0080FF;
constexpr Colour kPurple = 0x800080;
constexpr Colour kGrey = 0x808080;
constexpr Colour kBrown = 0x2A2AA5;
constexpr Colour kTeal = 0x808000;
constexpr Colour kOlive = 0x008080;
constexpr Colour kPink = 0xB469FF;
constexpr Colour kSkyBlue = 0xEBCE87;
constexpr int kPartDash = 6;

struct Style {
  CtaCurve curve;
  std::string_view legend;
  Colour colour;
  int dash;
  bool part = false;  // of the early reflections: thin, under the others
};
constexpr Style kStyles[] = {
    {CtaCurve::OnAxis, "On Axis", kBlack, 0},
    {CtaCurve::ListeningWindow, "Listening Window", kBlue, 0},
    {CtaCurve::EarlyReflections, "Early Reflections", kGreen, 0},
    {CtaCurve::SoundPower, "Sound Power", kRed, 0},
    {CtaCurve::EstimatedInRoom, "PIR", kGrey, 2},
    {CtaCurve::Erdi, "ERDI", kOrange, 2},
    {CtaCurve::Spdi, "SPDI", kPurple, 2},
    {CtaCurve::FloorBounce, "Floor", kBrown, kPartDash, true},
    {CtaCurve::CeilingBounce, "Ceiling", kTeal, kPartDash, true},
    {CtaCurve::FrontWall, "Front wall", kOlive, kPartDash, true},
    {CtaCurve::SideWall, "Side wall", kPink, kPartDash, true},
    {CtaCurve::RearWall, "Rear wall", kSkyBlue, kPartDash, true},
};

double RoundUp(double value, double step) {
  return std::ceil(value / step - 0.001) * step;
}

void DrawCurve(GraphWindow& window, const std::vector<CurvePoint>& points, const Style& style,
               OptionSet options) {
  std::vector<CurvePoint> path;
  for (const CurvePoint& p : points) {
    if (options.Get(Option::kSteppedCurves)) {
      path.push_back({p.x - 0.5, p.y});
      path.push_back({p.x + 0.5, p.y});
    } else {
      path.push_back(p);
    }
  }
  window.PushState();
  window.SetColour(style.colour);
  window.SetDash(style.dash);
  window.SetWidth(options.Get(Option::kHeavyCurves) && !style.part ? 2 : 1);
  window.StartCurve(false);
  for (const CurvePoint& p : path) window.AddPoint(p.x, p.y);
  window.EndCurve();
  window.PopState();
}

// The DI axis right of the frame: labels from 0 up to the largest DI, at
// least to 15 dB, and no higher than the frame.
void DrawDiAxis(GraphWindow& window, const YRange& range, double largestDi, bool decimalComma) {
  const double diTop = std::min(std::max(RoundUp(largestDi, kStep), kLeastDiTop),
                                range.max - range.min - kDiFloor - kStep);
  const GraphFrame& f = window.Frame();
  const int font = window.State().font;
  const int x = f.x0 + f.plotWidth;
  for (double di = 0; di <= diTop; di += kStep) {
    const int y = window.WorldToDevice(0, range.min + kDiFloor + di).y;
    window.MoveTo(x, y);
    window.LineTo(x + 2, y);
    const std::string label = FormatFixed(di, 0, decimalComma);
    window.Text(font, label, x + 4, y - window.TextExtent(font, label).height / 2);
  }
  const int top = window.WorldToDevice(0, range.min + kDiFloor + diTop + kStep).y;
  window.Text(font, "DI", x + 4, top - window.TextExtent(font, "DI").height / 2);
}

// The curves' names in their colours: on the title's line when they fit
// between the unit and the title, else along the top inside the plot,
// wrapped at its right edge.
void DrawLegend(GraphWindow& window) {
  const GraphFrame& f = window.Frame();
  const GraphDescriptor& d = window.Descriptor();
  const int font = window.State().font;
  constexpr int kGap = 8;
  int width = 0;
  for (const Style& style : kStyles) width += window.TextExtent(font, style.legend).width + kGap;
  const int titleLeft = f.x0 + f.plotWidth + kGap - window.TextExtent(font, d.title).width;
  int x = f.x0 + kGap;
  int y = f.y0 - f.plotHeight + 2;
  if (x + width < titleLeft) y = f.y0 - f.plotHeight - f.lineHeight;
  window.PushState();
  for (const Style& style : kStyles) {
    const TextSize size = window.TextExtent(font, style.legend);
    if (x > f.x0 + kGap && x + size.width > f.x0 + f.plotWidth) {
      x = f.x0 + kGap;
      y += size.height;
    }
    window.SetColour(style.colour);
    window.Text(font, style.legend, x, y);
    x += size.width + kGap;
  }
  window.PopState();
}

}  // namespace

YRange CtaLevelRange(OptionSet options, bool absolute, float loudest) {
  if (options.Get(Option::kFixedScales) || !IsDrawable(loudest)) {
    return absolute ? YRange{60, 130, kStep} : YRange{-50, 20, kStep};
  }
  const double top = RoundUp(loudest + 1.0, kStep);
  return {top - kSpan, top, kStep};
}

void BuildCtaGraph(GraphWindow& window, const CtaGraphInput& input, EaGraphLayers layers) {
  window.ClearLayer(layers.frame);
  window.ClearLayer(layers.curves);
  ShowLayers(window, {layers.frame, layers.curves});
  const analysis::CtaCurves curves = analysis::ComputeCta2034(input.set);
  const analysis::BandRange bands = curves.range;
  bool absolute = false;
  float loudest = model::kNoData;
  float largestDi = 0;
  for (int band = bands.first; band <= bands.last; ++band) {
    const analysis::CtaBand& b = curves.bands[band];
    absolute = absolute || b.absolute;
    for (const CtaCurve di : {CtaCurve::Erdi, CtaCurve::Spdi}) {
      if (IsDrawable(b[di])) largestDi = std::max(largestDi, b[di]);
    }
  }
  for (int band = bands.first; band <= bands.last; ++band) {
    const analysis::CtaBand& b = curves.bands[band];
    if (b.absolute == absolute && IsDrawable(b[CtaCurve::OnAxis])) {
      loudest = std::max(loudest, b[CtaCurve::OnAxis]);
    }
  }
  const YRange range = CtaLevelRange(input.options, absolute, loudest);
  GraphDescriptor d = BandAxisDescriptor(window, input.set.kind);
  d.title = "CTA-2034";
  d.yLabel = "dB";
  d.yMin = static_cast<float>(range.min);
  d.yMax = static_cast<float>(range.max);
  d.yStep = static_cast<float>(range.step);
  window.DrawGraph(d, layers.frame);
  DrawDiAxis(window, range, largestDi, input.decimalComma);  // on the frame's layer
  window.ClearLayer(layers.curves);

  std::vector<double> missing;
  // The parts first, so the main curves lie on top.
  for (const bool parts : {true, false}) {
    for (const Style& style : kStyles) {
      if (style.part != parts) continue;
      const bool di = analysis::IsDirectivityIndex(style.curve);
      std::vector<CurvePoint> points;
      for (int band = bands.first; band <= bands.last; ++band) {
        const analysis::CtaBand& b = curves.bands[band];
        const double x = BandX(input.set.kind, band);
        const float value = b[style.curve];
        const bool given = IsDrawable(value) && (di || b.absolute == absolute);
        if (!given && style.curve == CtaCurve::OnAxis) missing.push_back(x);
        const double y = di ? range.min + kDiFloor + value : value;
        points.push_back({x, given ? std::clamp(y, range.min, range.max) : range.min});
      }
      DrawCurve(window, points, style, input.options);
    }
  }
  for (const double x : missing) DrawMissingMark(window, x, range.min);
  DrawLegend(window);
}

}  // namespace zef::graphs
