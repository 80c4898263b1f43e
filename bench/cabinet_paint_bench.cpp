// A DXF cabinet of 100000 faces (a closed sphere of quads, 0.5 m across) as
// the cabinet view shows it at 1000 x 800: the first drawing parses the
// drawing and builds the scene; every camera change re-projects and sorts
// the facing triangles and paints them. Goal: re-project, sort and paint
// within 50 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "cabinet/cabinet_drawing.h"
#include "graphs/graph_fonts.h"
#include "graphs/graph_window.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "view3d/scene_picture.h"

namespace {

namespace fs = std::filesystem;
using zef::cabinet::CabinetKind;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;
constexpr int kLongitudes = 400;
constexpr int kLatitudes = 250;  // 400 x 250 = 100000 faces

std::string Group(int code, double value) {
  return std::to_string(code) + "\r\n" + std::to_string(value) + "\r\n";
}

// The sphere's quads in millimetres, anticlockwise seen from outside.
std::string SphereDxf() {
  std::string text = "0\r\nSECTION\r\n2\r\nENTITIES\r\n";
  const auto point = [](int lat, int lon) {
    const double theta = std::numbers::pi * lat / kLatitudes;
    const double phi = 2 * std::numbers::pi * lon / kLongitudes;
    return std::array<double, 3>{250 * std::sin(theta) * std::cos(phi),
                                 250 * std::sin(theta) * std::sin(phi), 250 * std::cos(theta)};
  };
  for (int lat = 0; lat < kLatitudes; ++lat) {
    for (int lon = 0; lon < kLongitudes; ++lon) {
      text += "0\r\n3DFACE\r\n62\r\n" + std::to_string(1 + (lat + lon) % 254) + "\r\n";
      const std::array<std::array<double, 3>, 4> corners = {
          point(lat, lon), point(lat + 1, lon), point(lat + 1, lon + 1), point(lat, lon + 1)};
      for (int c = 0; c < 4; ++c) {
        for (int axis = 0; axis < 3; ++axis) text += Group(10 + c + 10 * axis, corners[c][axis]);
      }
    }
  }
  return text + "0\r\nENDSEC\r\n0\r\nEOF\r\n";
}

// The set, its parsed drawing and the scene of the first drawing, faces
// filled or as outlines.
struct Cabinet {
  explicit Cabinet(bool filled) : scene(kWidth, kHeight, debug) {
    const fs::path path = fs::temp_directory_path() / "zef_bench_sphere.dxf";
    std::ofstream(path, std::ios::binary) << SphereDxf();
    set.info->cabinetFlags = zef::model::cabinet_flag::kDxf;
    set.info->dxfUnit = 0;
    set.info->onAxisCode = zef::model::kPlusX;
    set.info->upCode = zef::model::kPlusZ;
    set.cabinet.dxfPath = path.string();
    options.Set(zef::graphs::Option::kDrawDxfFaces, filled);
    zef::cabinet::DrawCabinetAxes(scene, 0);
    zef::cabinet::DrawCabinet(scene, 1, {set, CabinetKind::kDxf, options, dxf, debug});
    scene.SetVisibleObjects(0x3);
    fs::remove(path);
  }
  zef::model::DataSet set{zef::model::FormatKind::Zef2};
  zef::graphs::OptionSet options{0};
  zef::cabinet::LazyDxf dxf;
  zef::model::NullSink debug;
  zef::view3d::Scene scene;
};

Cabinet& Loaded(bool filled = true) {
  static Cabinet faces(true);
  static Cabinet outlines(false);
  return filled ? faces : outlines;
}

zef::view3d::Camera CameraAt(float azimuth) {
  zef::view3d::ViewCamera view;
  view.azimuth = azimuth;
  view.elevation = 30;
  view.distance = 5;
  return {view, zef::view3d::Projection::kParallel};
}

const zef::painter::QtFontMetrics& Fonts() {
  static const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  return fonts;
}

void BM_Reproject(benchmark::State& state) {
  Cabinet& cabinet = Loaded();
  float azimuth = 30;
  for (auto _ : state) {
    cabinet.scene.SetCamera(CameraAt(azimuth += 2));
    benchmark::DoNotOptimize(cabinet.scene.Projected().triangles.size());
  }
  state.counters["triangles"] = static_cast<double>(cabinet.scene.PolygonCount());
  state.counters["facing"] = static_cast<double>(cabinet.scene.Projected().triangles.size());
}

void BM_ReprojectAndPaint(benchmark::State& state) {
  Cabinet& cabinet = Loaded(state.range(0) != 0);
  zef::model::NullSink errors;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  float azimuth = 30;
  for (auto _ : state) {
    cabinet.scene.SetCamera(CameraAt(azimuth += 2));
    zef::graphs::GraphWindow window(kWidth, kHeight, Fonts(), errors);
    zef::view3d::DrawScene(cabinet.scene.Projected(), window, 0);
    window.SetVisibleLayers(1);
    QPainter painter(&image);
    zef::painter::QPainterCanvas canvas(painter, Fonts());
    window.Replay(canvas);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

// The first drawing: the parse of the 25 MB drawing and the scene built
// from it (the file is written once, outside the timing).
void BM_FirstDrawing(benchmark::State& state) {
  const fs::path path = fs::temp_directory_path() / "zef_bench_first.dxf";
  std::ofstream(path, std::ios::binary) << SphereDxf();
  zef::model::DataSet set = Loaded().set;
  set.cabinet.dxfPath = path.string();
  zef::model::NullSink debug;
  for (auto _ : state) {
    zef::cabinet::LazyDxf dxf;
    zef::view3d::Scene scene(kWidth, kHeight, debug);
    zef::cabinet::DrawCabinet(scene, 1, {set, CabinetKind::kDxf, Loaded().options, dxf, debug});
    benchmark::DoNotOptimize(scene.Object(1).triangles.size());
  }
  fs::remove(path);
}

BENCHMARK(BM_FirstDrawing)
    ->Name("DxfCabinet100k/first-drawing")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_Reproject)->Name("DxfCabinet100k/reproject+sort")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReprojectAndPaint)
    ->Name("DxfCabinet100k/reproject+sort+paint")
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
// The same drawing with the faces as outlines: nothing to sort.
BENCHMARK(BM_ReprojectAndPaint)
    ->Name("DxfCabinet100k/outlines/reproject+paint")
    ->Arg(0)
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
