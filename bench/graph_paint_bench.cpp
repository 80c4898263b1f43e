// Building and painting the two heaviest lower-graph views at 1000 x 800:
// the colour map (a pixel block per map) and the polar diagram (grid, rays,
// curves), into an image and into a metafile. A band change must rebuild
// and repaint within one 60 Hz frame (16 ms).
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "analysis/band_curves.h"
#include "app/derived_figures.h"
#include "emf/emf_canvas.h"
#include "graphs/color_map.h"
#include "graphs/graph_window.h"
#include "graphs/polar_diagram.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "sample_sets.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

// The largest set (ZEF2, full sphere, 27 bands) with its figures.
struct LoadedSet {
  LoadedSet() : set(zef::samplegen::LargestSet()) {
    zef::app::ComputeDirectivityFigures(set, figures);
    reference = zef::analysis::ComputeSensitivityReference(set);
  }
  zef::model::DataSet set;
  zef::analysis::DirectivityFigures figures;
  zef::analysis::SensitivityReference reference;
};

const LoadedSet& Loaded() {
  static const LoadedSet loaded;
  return loaded;
}

const zef::painter::QtFontMetrics& Fonts() {
  static const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  return fonts;
}

void BuildColourMap(zef::graphs::GraphWindow& window) {
  zef::graphs::ColorMapInput input(Loaded().set, Loaded().figures);
  input.reference = Loaded().reference;
  zef::graphs::BuildColorMap(window, input);
}

void BuildPolar(zef::graphs::GraphWindow& window) {
  zef::graphs::PolarInput input(Loaded().set, Loaded().figures);
  input.reference = Loaded().reference;
  input.band = static_cast<int>(Loaded().set.data.MinBand()) + 13;
  zef::graphs::BuildPolarDiagram(window, input);
}

template <void (*Build)(zef::graphs::GraphWindow&)>
void BM_BuildOnly(benchmark::State& state) {
  zef::model::NullSink errors;
  for (auto _ : state) {
    zef::graphs::GraphWindow window(kWidth, kHeight, Fonts(), errors);
    Build(window);
    benchmark::DoNotOptimize(window.LayersInUse());
  }
}

template <void (*Build)(zef::graphs::GraphWindow&)>
void BM_BuildAndPaint(benchmark::State& state) {
  zef::model::NullSink errors;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    zef::graphs::GraphWindow window(kWidth, kHeight, Fonts(), errors);
    Build(window);
    QPainter painter(&image);
    zef::painter::QPainterCanvas canvas(painter, Fonts());
    window.Replay(canvas);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

template <void (*Build)(zef::graphs::GraphWindow&)>
void BM_BuildAndWriteMetafile(benchmark::State& state) {
  zef::model::NullSink errors;
  std::size_t bytes = 0;
  for (auto _ : state) {
    zef::graphs::GraphWindow window(kWidth, kHeight, Fonts(), errors);
    Build(window);
    zef::emf::EmfCanvas canvas(Fonts(), {.font = Fonts().Description()});
    window.Replay(canvas);
    bytes = canvas.Bytes().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_BuildOnly<BuildColourMap>)->Name("ColourMap/build")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndPaint<BuildColourMap>)
    ->Name("ColourMap/build+paint")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndWriteMetafile<BuildColourMap>)
    ->Name("ColourMap/build+emf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildOnly<BuildPolar>)->Name("Polar/build")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndPaint<BuildPolar>)->Name("Polar/build+paint")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndWriteMetafile<BuildPolar>)
    ->Name("Polar/build+emf")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
