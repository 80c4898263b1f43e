// One step of a drag in the main balloon view while the phase window is
// open: the phase balloon picture and the curves are built and painted anew
// (each 700 x 400). With "Track mag" every mouse move does this, so it must
// stay well within one 60 Hz frame (16 ms) beside the main view's own work.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "graphs/graph_fonts.h"
#include "graphs/graph_window.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "phase/phase_balloon.h"
#include "phase/phase_graph.h"
#include "qt_bench_main.h"
#include "sample_sets.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 400;

// The largest set: full sphere without symmetry, phase data, a complex filter.
const zef::model::DataSet& Set() {
  static const zef::model::DataSet set = zef::samplegen::LargestSet();
  return set;
}

const zef::painter::QtFontMetrics& Fonts() {
  static const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  return fonts;
}

void Paint(const zef::graphs::GraphWindow& window, QImage& image) {
  QPainter painter(&image);
  zef::painter::QPainterCanvas canvas(painter, Fonts());
  window.Replay(canvas);
}

void BM_PhaseUpdate(benchmark::State& state) {
  zef::model::NullSink debug;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const bool unwrap = state.range(0) != 0;
  zef::view3d::ViewCamera camera = zef::phase::PhaseCamera();
  benchmark::DoNotOptimize(Set().kind);  // made once, before the timing
  benchmark::DoNotOptimize(&Fonts());
  for (auto _ : state) {
    camera.azimuth += 2;  // a turn as the mouse gives it
    zef::graphs::GraphWindow balloon(kWidth, kHeight, Fonts(), debug);
    zef::phase::DrawPhaseBalloonPicture(balloon, Set(), 20, unwrap, {}, camera, debug);
    Paint(balloon, image);
    zef::graphs::GraphWindow curves(kWidth, kHeight, Fonts(), debug);
    zef::phase::BuildPhaseGraph(curves, Set(), zef::phase::CurveMode::kCombined, {});
    Paint(curves, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_PhaseUpdate)->Arg(0)->Arg(1)->ArgName("unwrap")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
