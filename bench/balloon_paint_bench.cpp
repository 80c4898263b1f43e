// The shaded ZEF2 balloon with its grid at 1000 x 800: what one mouse-drag
// step costs (re-project, order the facing triangles, emit the commands,
// paint them), and what a band change costs (rebuilding the scene). A drag
// step should stay under 8 ms so that the polygons are ordered every frame.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "graphs/graph_fonts.h"
#include "graphs/graph_window.h"
#include "graphs/shade_palette.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "qt_bench_main.h"
#include "sample_sets.h"
#include "view3d/balloon_scene.h"
#include "view3d/scene_picture.h"

namespace {

using zef::view3d::BalloonViewState;
using zef::view3d::Scene;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

const zef::model::DataSet& LargestSet() {
  static const zef::model::DataSet set = zef::samplegen::LargestSet();
  return set;
}

BalloonViewState ShadedWithGrid() {
  BalloonViewState state;
  state.band = static_cast<int>(LargestSet().data.MinBand()) + 13;
  state.options.Set(zef::graphs::Option::kShadeBalloon, true);
  state.options.Set(zef::graphs::Option::kGridWhenShaded, true);
  state.camera.view = zef::view3d::BalloonCamera(state.range);
  return state;
}

const zef::painter::QtFontMetrics& Fonts() {
  static const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  return fonts;
}

// Each step turns the camera by 3 degrees, as a drag does.
void Turn(Scene& scene, BalloonViewState& state) {
  state.camera.view.azimuth = std::fmod(state.camera.view.azimuth + 3, 360.0f);
  scene.SetCamera(state.camera);
}

void BM_Rebuild(benchmark::State& bench) {
  const zef::graphs::ShadePalette palette;
  zef::model::NullSink debug;
  Scene scene(kWidth, kHeight, debug);
  const BalloonViewState state = ShadedWithGrid();
  for (auto _ : bench) {
    zef::view3d::BuildBalloonScene(scene, LargestSet(), state, palette);
    benchmark::DoNotOptimize(scene.PolygonCount());
  }
  bench.counters["triangles"] = static_cast<double>(scene.PolygonCount());
}

void BM_ReprojectAndOrder(benchmark::State& bench) {
  const zef::graphs::ShadePalette palette;
  zef::model::NullSink debug;
  Scene scene(kWidth, kHeight, debug);
  BalloonViewState state = ShadedWithGrid();
  zef::view3d::BuildBalloonScene(scene, LargestSet(), state, palette);
  for (auto _ : bench) {
    Turn(scene, state);
    benchmark::DoNotOptimize(scene.Projected().triangles.size());
  }
  bench.counters["drawn"] = static_cast<double>(scene.Projected().triangles.size());
}

// Looking straight at a pole of the grid, where the small triangles round
// the axis crowd into a few screen cells.
void BM_PoleView(benchmark::State& bench) {
  const zef::graphs::ShadePalette palette;
  zef::model::NullSink debug;
  Scene scene(kWidth, kHeight, debug);
  BalloonViewState state = ShadedWithGrid();
  zef::view3d::BuildBalloonScene(scene, LargestSet(), state, palette);
  state.camera.view.azimuth = static_cast<float>(bench.range(0));
  state.camera.view.elevation = static_cast<float>(bench.range(1));
  for (auto _ : bench) {
    scene.SetCamera(state.camera);
    benchmark::DoNotOptimize(scene.Projected().triangles.size());
  }
}

void BM_DragFrame(benchmark::State& bench) {
  const zef::graphs::ShadePalette palette;
  zef::model::NullSink debug;
  Scene scene(kWidth, kHeight, debug);
  BalloonViewState state = ShadedWithGrid();
  zef::view3d::BuildBalloonScene(scene, LargestSet(), state, palette);
  zef::graphs::GraphWindow window(kWidth, kHeight, Fonts(), debug);
  zef::view3d::DrawBalloonLegend(window, LargestSet(), state, palette, 1);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : bench) {
    Turn(scene, state);
    zef::view3d::DrawScene(scene.Projected(), window, 0);
    QPainter painter(&image);
    zef::painter::QPainterCanvas canvas(painter, Fonts());
    window.Replay(canvas);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_Rebuild)->Name("Balloon/rebuild")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReprojectAndOrder)->Name("Balloon/reproject+order")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoleView)
    ->Name("Balloon/reproject+order/azimuth,elevation")
    ->Args({90, 0})
    ->Args({270, 0})
    ->Args({0, 90})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragFrame)->Name("Balloon/reproject+order+paint")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
