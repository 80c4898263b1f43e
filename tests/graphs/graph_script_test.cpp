// Graph tests written as scripts in case files. A script is a "; "-separated
// list of steps on a fresh window and data set: steps that set data, draw,
// build a graph, and steps that print what they read (`show`, `desc`, `at`,
// ...). values.txt holds "script | printed lines joined by '; '"; every other
// case file holds "name | WIDTHxHEIGHT | script" and its printout is compared
// with the golden listing of the same name.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "case_file.h"
#include "graphs/clip_lines.h"
#include "graphs/color_map.h"
#include "graphs/cta2034_graph.h"
#include "graphs/direction_response.h"
#include "graphs/ea_graphs.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "graphs/number_format.h"
#include "graphs/picture.h"
#include "graphs/polar_diagram.h"
#include "graphs/shade_palette.h"
#include "graphs/sheet_notes.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

std::vector<std::string> Split(std::string_view text, std::string_view by) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(by, start);
    if (end != start) parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + by.size();
  }
}

std::string Format(const char* format, double a, double b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

std::string Hex(Colour c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", c);
  return c == kNoColour ? "none" : text;
}

std::string Points(std::span<const PixelPoint> points) {
  std::string text;
  for (const PixelPoint& p : points) text += (text.empty() ? "" : " ") + Format("%g,%g", p.x, p.y);
  return text;
}

class Script {
 public:
  Script(int width, int height) : window_(width, height, metrics_, errors_) {}

  std::vector<std::string> Run(std::string_view script) {
    for (const std::string& step : Split(script, "; ")) {
      w_ = Split(step, " ");
      Step();
    }
    return out_;
  }

 private:
  int I(std::size_t i) const { return std::stoi(w_.at(i), nullptr, 0); }
  double D(std::size_t i) const { return std::stod(w_.at(i)); }
  bool B(std::size_t i) const { return w_.size() > i && w_[i] == "1"; }
  float Value(std::size_t i) const {
    return w_.at(i) == "none" ? model::kNoData : std::stof(w_[i]);
  }
  std::string Rest(std::size_t i) const {
    std::string text;
    for (; i < w_.size(); ++i) text += (text.empty() ? "" : " ") + w_[i];
    return text;
  }
  std::vector<PixelPoint> PointsFrom(std::size_t i) const {
    std::vector<PixelPoint> points;
    for (; i < w_.size(); ++i)
      points.push_back({std::stoi(w_[i]), std::stoi(Split(w_[i], ",").at(1))});
    return points;
  }
  // "band value value ..." from band on, or "first..last value" for a run.
  template <typename Span>
  void Fill(Span to) {
    using T = typename Span::value_type;
    const std::vector<std::string> bands = Split(w_.at(1), "..");
    const std::size_t first = std::stoul(bands[0]);
    const std::size_t last = bands.size() > 1 ? std::stoul(bands[1]) : first + w_.size() - 3;
    for (std::size_t b = first; b <= last && b < to.size(); ++b) {
      to[b] = static_cast<T>(Value(bands.size() > 1 ? 2 : 2 + b - first));
    }
  }
  void Show(int layer, const std::string& kind) {
    for (const Command& c : window_.Layer(layer)) {
      if (const std::string line = CommandText(c); line.starts_with(kind)) out_.push_back(line);
    }
  }
  void Step();
  void DataStep(const std::string& op);
  void BuildStep(const std::string& op);
  void ValueStep(const std::string& op);

  FixedFontMetrics metrics_;  // 7 x 13 pixels a character
  model::LineSink errors_;
  GraphWindow window_;
  model::DataSet set_ = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::DirectivityFigures figures_;
  analysis::SensitivityReference reference_;
  OptionSet options_{0};
  GraphDescriptor graph_;
  PolarDisplay display_;
  bool comma_ = false;
  int band_ = 5;
  ShadePalette palette_;
  std::vector<std::string> w_;
  std::vector<std::string> out_;
};

void Script::Step() {
  GraphWindow& g = window_;
  const std::string& op = w_.at(0);
  if (op == "new") {
    for (int i = w_.size() > 1 ? I(1) : 1; i > 0; --i) out_.push_back(std::to_string(g.NewLayer()));
    return;
  }
  if (op == "clear") return g.ClearLayer(I(1));
  if (op == "release") return g.ReleaseLayer(I(1));
  if (op == "visible") return g.SetVisibleLayers(static_cast<std::uint32_t>(I(1)));
  if (op == "colour") return g.SetColour(static_cast<Colour>(std::stoul(w_.at(1), nullptr, 16)));
  if (op == "width") return g.SetWidth(I(1));
  if (op == "dash") return g.SetDash(I(1));
  if (op == "font") return g.SetFont(I(1));
  if (op == "opaque") return g.SetTextTransparent(false);
  if (op == "push") return g.PushState();
  if (op == "pop") return g.PopState();
  if (op == "move") return g.MoveTo(I(1), I(2));
  if (op == "line") return g.LineTo(I(1), I(2));
  if (op == "rect") return g.Rectangle(I(1), I(2), I(3), I(4), B(5));
  if (op == "circle") return g.Circle(I(1), I(2), I(3), B(4));
  if (op == "point") return g.Point(I(1), I(2), w_.size() > 3 ? I(3) : 1);
  if (op == "text") return g.Text(I(1), Rest(4), I(2), I(3));
  if (op == "long") return g.Text(0, std::string(I(1), 'a') + Rest(2), 0, 0);
  if (op == "poly") return g.Polyline(PointsFrom(2), B(1));
  if (op == "pixels") {
    std::vector<Colour> colours;
    for (std::size_t i = 4; i < w_.size(); ++i) {
      colours.push_back(w_[i] == "none" ? kNoColour : std::stoul(w_[i], nullptr, 16));
    }
    return g.Pixels(I(1), I(2), I(3), colours);
  }
  if (op == "scale") return g.SetScale(D(1));
  if (op == "res") return g.SetResolution(D(1));
  if (op == "origin") return g.SetOrigin(I(1), I(2), I(3), I(4));
  if (op == "smove") return g.ScaledMoveTo(D(1), D(2));
  if (op == "sline") return g.ScaledLineTo(D(1), D(2));
  if (op == "scircle") return g.ScaledCircle(D(1), D(2), D(3), B(4));
  if (op == "srect") return g.ScaledRectangle(D(1), D(2), D(3), D(4), B(5));
  if (op == "stext") return g.ScaledText(I(1), Rest(4), D(2), D(3));
  if (op == "start") return g.StartCurve(B(1));
  if (op == "pt") return g.AddPoint(D(1), D(2));
  if (op == "spt") return g.AddScaledPoint(D(1), D(2));
  if (op == "end") return g.EndCurve();
  if (op == "clip") return g.SetClip(PixelBox{I(1), I(2), I(3), I(4)});
  // What the window holds.
  if (op == "show" && w_.size() == 1) {
    for (int layer = 0; layer < GraphWindow::kLayerCount; ++layer) {
      if ((g.LayersInUse() >> layer & 1) == 0) continue;
      out_.push_back("layer " + std::to_string(layer));
      Show(layer, "");
    }
    return;
  }
  if (op == "show") return Show(I(1), w_.size() > 2 ? w_[2] + " " : "");
  if (op == "layers") {
    return out_.push_back(Format("used %g visible %g", g.LayersInUse(), g.VisibleLayers()) +
                          " current " + std::to_string(g.CurrentLayer()));
  }
  if (op == "state") {
    const PenState& s = g.State();
    return out_.push_back("pen " + Hex(s.pen.colour) + Format(" w%g d%g", s.pen.width, s.pen.dash) +
                          " f" + std::to_string(s.font));
  }
  if (op == "clip?") return out_.push_back(g.Clip() ? "clipped" : "not clipped");
  if (op == "errors")
    return void(out_.insert(out_.end(), errors_.Lines().begin(), errors_.Lines().end()));
  if (op == "replay") {
    RecordingCanvas canvas;
    g.Replay(canvas);
    return void(out_.insert(out_.end(), canvas.calls.begin(), canvas.calls.end()));
  }
  if (op == "sxy") return out_.push_back(Points(std::vector{g.ScaledToDevice(D(1), D(2))}));
  if (op == "len") return out_.push_back(std::to_string(g.ScaledLength(D(1))));
  if (op == "at") return out_.push_back(Points(std::vector{g.WorldToDevice(D(1), D(2))}));
  if (op == "pick") {
    const auto p = g.GraphPointAt(I(1), I(2));
    return out_.push_back(p ? Format("%g,%g", p->x, p->y) : "outside");
  }
  if (op == "extent") {
    const TextSize size = g.TextExtent(I(1), Rest(2));
    return out_.push_back(Format("%gx%g", size.width, size.height));
  }
  DataStep(op);
}

void Script::DataStep(const std::string& op) {
  static constexpr std::string_view kPerBand[] = {"InputVoltage", "Sensitivity", "Impedance",
                                                  "HalfWidthH1",  "HalfWidthH2", "HalfWidthV1",
                                                  "HalfWidthV2",  "AxialQ"};
  model::InfoRecord& info = *set_.info;
  for (int i = 0; i < 8; ++i) {
    if (op == kPerBand[i]) return Fill(set_.data.Array(static_cast<model::PerBand>(i)));
  }
  if (op == "set") {
    const auto kind = w_.at(1) == "zef1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2;
    set_ = FlatBalloonSet(kind, I(2), I(3));
    return;
  }
  if (op == "hwidth") return Fill(std::span(figures_.horizontalWidth));
  if (op == "vwidth") return Fill(std::span(figures_.verticalWidth));
  if (op == "hmax") return Fill(std::span(figures_.horizontalMaxAngle));
  if (op == "vmax") return Fill(std::span(figures_.verticalMaxAngle));
  if (op == "hoff") return Fill(std::span(figures_.horizontalOffClass));
  if (op == "axial") return Fill(std::span(info.axialSpectrum));
  if (op == "custom") return Fill(std::span(info.customSpectrum));
  if (op == "arc") return SetArcLevel(set_, I(1), I(2), static_cast<float>(D(3)));
  if (op == "bands") return void((set_.data.MinBand() = I(1), set_.data.MaxBand() = I(2)));
  if (op == "presence") return void(info.presenceFlags = static_cast<std::uint32_t>(I(1)));
  if (op == "type") return void(info.type = static_cast<model::SpeakerType>(I(1)));
  if (op == "half") return void(info.radiation = model::Radiation::HalfSphere);
  if (op == "maxinput") {
    info.maxInputKind = static_cast<model::MaxInputKind>(I(1));
    info.maxInputMethod = static_cast<model::TestMethod>(I(2));
    return;
  }
  if (op == "meanimp") return void(info.meanImpedance = Value(1));
  if (op == "reduced") return void(set_.impedance.reducedLowest = Value(1));
  if (op == "ref") return void(reference_ = {Value(1), Value(2)});
  if (op == "opt") {
    for (std::size_t i = 1; i < w_.size(); ++i) options_.Set(FindOption(w_[i]).value(), true);
    return;
  }
  if (op == "comma") return void((comma_ = true, window_.SetDecimalComma(true)));
  if (op == "band") return void(band_ = I(1));
  if (op == "view") return void(display_ = {B(1), B(2), B(3), B(4)});
  BuildStep(op);
}

void Script::BuildStep(const std::string& op) {
  if (op == "ea") {
    BuildEaGraph(window_, {set_, figures_, reference_, options_, I(1), comma_});
    return;
  }
  if (op == "spectra") {
    BuildBalloonSpectra(window_, {set_, reference_, options_, I(1), I(2)});
    return;
  }
  if (op == "cta") {
    BuildCtaGraph(window_, {set_, options_, comma_});
    return;
  }
  if (op == "polar") {
    PolarInput input(set_, figures_);
    input.reference = reference_, input.options = options_, input.display = display_;
    input.polarRange = I(1), input.band = band_;
    BuildPolarDiagram(window_, input);
    return;
  }
  if (op == "colormap") {
    ColorMapInput input(set_, figures_);
    input.reference = reference_, input.options = options_, input.balloonRange = I(1);
    BuildColorMap(window_, input);
    return;
  }
  if (op == "notes") {
    const SheetNotes notes{Rest(2), w_.at(1) == "-" ? std::nullopt : std::optional(I(1))};
    DrawSheetNotes(window_, LayOutSheet(window_.Width(), window_.Height(), notes, metrics_), notes);
    return;
  }
  // A frame: the sensitivity graph or a numeric one, changed, then drawn.
  if (op == "graph") return void(graph_ = SensitivityGraphIn(I(1), I(2)));
  if (op == "numeric") {
    graph_ = {};
    graph_.right = I(4), graph_.bottom = 100, graph_.yMax = graph_.yStep = 1;
    graph_.xMin = static_cast<float>(D(1)), graph_.xMax = static_cast<float>(D(2));
    graph_.xStep = static_cast<float>(D(3));
    return;
  }
  if (op == "ymin") return void(graph_.yMin = static_cast<float>(D(1)));
  if (op == "ymax") return void(graph_.yMax = static_cast<float>(D(1)));
  if (op == "ystep") return void(graph_.yStep = static_cast<float>(D(1)));
  if (op == "third") {
    graph_.xLabel.clear();
    graph_.octaveAxis = false, graph_.thirdOctaveAxis = true;
    graph_.firstThird = static_cast<std::uint8_t>(I(1));
    graph_.lastThird = static_cast<std::uint8_t>(I(2));
    return;
  }
  if (op == "ylabel") return void(graph_.yLabel = Rest(1));
  if (op == "open") return void(graph_.openFrame = true);
  if (op == "draw") return window_.DrawGraph(graph_, I(1));
  if (op == "titled") return window_.DrawGraphTitled(Rest(2), graph_, I(1));
  if (op == "frame") {
    const GraphFrame& f = window_.Frame();
    const auto* last =
        window_.Layer(window_.CurrentLayer()).empty()
            ? nullptr
            : std::get_if<FrameCommand>(&window_.Layer(window_.CurrentLayer()).back());
    out_.push_back(
        Format("plot %g,%g", f.x0, f.y0) + Format(" %gx%g", f.plotWidth, f.plotHeight) +
        Format(" margin %g line %g", f.margin, f.lineHeight) +
        Format(" x %g+%.3f/px", f.xMin, f.xScale) + Format(" y %g+%.3f/px", f.yMin, f.yScale) +
        (last && last->graph->frame == f && last->graph->descriptor == window_.Descriptor()
             ? " kept"
             : ""));
    return;
  }
  if (op == "desc") {
    const GraphDescriptor& d = window_.Descriptor();
    out_.push_back(Format("x %g..%g", d.xMin, d.xMax) + Format(" y %g..%g", d.yMin, d.yMax) +
                   Format(" step %g", d.yStep) + " '" + d.yLabel + "' '" + d.title + "'");
    return;
  }
  if (op == "cell") {
    const auto& cells = std::get<PixelsCommand>(
        *std::find_if(window_.Layer(I(1)).begin(), window_.Layer(I(1)).end(),
                      [](const Command& c) { return std::holds_alternative<PixelsCommand>(c); }));
    const Colour c = cells.colours.at(
        static_cast<std::size_t>((I(3) - cells.top) * cells.width + (I(2) - cells.left)));
    int index = 0;
    while (index < ShadePalette::kSize && palette_.At(index) != c) ++index;
    out_.push_back(index < ShadePalette::kSize ? "shade " + std::to_string(index) : Hex(c));
    return;
  }
  ValueStep(op);
}

void Script::ValueStep(const std::string& op) {
  if (op == "fixed") return out_.push_back(FormatFixed(D(1), I(2), B(3)));
  if (op == "exp") return out_.push_back(FormatExponent(D(1), B(2)));
  if (op == "ytic") return out_.push_back(YTicLabel(D(1), D(2), D(3), D(4), B(5)));
  if (op == "xtic") return out_.push_back(XTicLabel(D(1), D(2), B(3)));
  if (op == "labels") {
    out_.push_back(std::string(OctaveLabel(I(1))) + "|" + std::string(ThirdOctaveLabel(I(2))));
    return;
  }
  if (op == "palette") return out_.push_back(Hex(palette_.At(I(1))));
  if (op == "level") return out_.push_back(std::to_string(ShadePalette::IndexOfLevel(D(1), D(2))));
  if (op == "clipseg") {
    const std::vector<PixelPoint> p = PointsFrom(1);
    const auto kept = ClipSegment({p.at(0), p.at(1)}, {10, 10, 50, 30});
    out_.push_back(kept ? Points(std::vector{kept->from, kept->to}) : "none");
    return;
  }
  if (op == "clippoly") {
    for (const auto& piece : ClipPolyline(PointsFrom(1), {10, 10, 50, 30})) {
      out_.push_back(Points(piece));
    }
    return;
  }
  if (op == "oneline") return out_.push_back(OnOneLine(PointsFrom(1)) ? "yes" : "no");
  if (op == "layout") {
    const SheetNotes notes{Rest(4), w_.at(3) == "-" ? std::nullopt : std::optional(I(3))};
    const SheetLayout l = LayOutSheet(I(1), I(2), notes, metrics_);
    out_.push_back(Format("%gx%g", l.width, l.height) +
                   Format(" graph %g+%g", l.graphTop, l.graphHeight) + " key " +
                   std::to_string(l.keyTop));
    return;
  }
  if (op == "ctarange") {
    const YRange r =
        CtaLevelRange(B(1) ? OptionsWith({Option::kFixedScales}) : OptionSet(0), B(2), Value(3));
    out_.push_back(Format("%g..%g", r.min, r.max) + Format(" step %g", r.step));
    return;
  }
  ADD_FAILURE() << "unknown step " << op;
}

// The graph below the notes on one sheet, or bare.
TEST(GraphScript, PictureDrawsTheGraphBelowTheNotes) {
  FixedFontMetrics metrics;
  model::NullSink errors;
  GraphWindow graph(100, 80, metrics, errors);
  graph.NewLayer();
  graph.Text(0, "graph", 5, 6);
  GraphWindow notes(100, 99, metrics, errors);
  DrawSheetNotes(notes, LayOutSheet(100, 99, {"cap", {}}, metrics), {"cap", {}});
  RecordingCanvas canvas;
  Picture{&graph, &notes, 19, 100, 99, 400, 396}.Replay(canvas);
  Picture::Bare(graph).Replay(canvas);
  EXPECT_EQ(canvas.calls,
            (std::vector<std::string>{"begin 100x99", "text 3,3 'cap' f0 0", "clip 0,19 100,99",
                                      "text 5,25 'graph' f0 0", "end", "begin 100x80",
                                      "text 5,6 'graph' f0 0", "end"}));
}

TEST(GraphScript, ValuesReadAsExpected) {
  for (const testing::Case& c : testing::ReadCases("graphs/cases/values.txt")) {
    std::string printed;
    for (const std::string& line : Script(561, 408).Run(c[0])) {
      printed += (printed.empty() ? "" : "; ") + line;
    }
    EXPECT_EQ(printed, c[1]) << c.where;
  }
}

TEST(GraphScript, ScenesDrawTheirGoldenListings) {
  for (const char* name :
       {"window", "frame", "ea", "polar", "colormap", "direction_responses", "cta"}) {
    std::string listing;
    for (const testing::Case& c :
         testing::ReadCases(std::string("graphs/cases/") + name + ".txt")) {
      const std::vector<std::string> size = Split(c[1], "x");
      Script script(std::stoi(size.at(0)), std::stoi(size.at(1)));
      listing += "## " + c[0] + "\n";
      for (const std::string& line : script.Run(c[2])) listing += line + "\n";
    }
    testing::ExpectGolden(std::string("graphs/golden/") + name + ".txt", listing);
  }
}

}  // namespace
}  // namespace zef::graphs
