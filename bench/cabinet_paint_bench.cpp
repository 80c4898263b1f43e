// A cabinet of 100000 faces (a closed sphere of quads, 0.5 m across) as
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
#include <numbers>
#include <string>

#include "cabinet/cabinet_drawing.h"
#include "cabinet/dxf_reader.h"
#include "graphs/graph_fonts.h"
#include "graphs/graph_window.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "qt_bench_main.h"
#include "view3d/scene_picture.h"

namespace {

using zef::cabinet::CabinetKind;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;
constexpr int kLongitudes = 400;
constexpr int kLatitudes = 250;  // 400 x 250 = 100000 faces

std::string Group(int code, double value) {
  return std::to_string(code) + "\r\n" + std::to_string(value) + "\r\n";
}

// The sphere's quads in metres, anticlockwise seen from outside.
std::string SphereDxf() {
  std::string text = "0\r\nSECTION\r\n2\r\nENTITIES\r\n";
  const auto point = [](int lat, int lon) {
    const double theta = std::numbers::pi * lat / kLatitudes;
    const double phi = 2 * std::numbers::pi * lon / kLongitudes;
    return std::array<double, 3>{0.25 * std::sin(theta) * std::cos(phi),
                                 0.25 * std::sin(theta) * std::sin(phi), 0.25 * std::cos(theta)};
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

// The sphere parsed from its drawing text. A DXF file may hold at most
// 512000 bytes (about 2000 faces), so a drawing this size is parsed in memory
// and drawn as the file's own faces, which go through the same triangulation,
// ordering and painting as a DXF's filled faces.
zef::cabinet::DxfLists SphereLists() {
  zef::cabinet::DxfLists lists;
  zef::cabinet::ParseDxf(SphereDxf(), {}, nullptr, lists);
  return lists;
}

// The set and the scene of the first drawing, faces filled or as edges.
struct Cabinet {
  explicit Cabinet(bool filled) : scene(kWidth, kHeight, debug) {
    set.info->cabinetFlags = zef::model::cabinet_flag::kFaces | zef::model::cabinet_flag::kEdges;
    for (const zef::model::Face& face : Sphere().faces.InAddedOrder()) {
      if (filled) {
        set.cabinet.faces.Add(face);
        continue;
      }
      for (std::size_t i = 0; i < face.vertices.size(); ++i) {
        set.cabinet.edges.Add(
            {face.vertices[i], face.vertices[(i + 1) % face.vertices.size()], face.colour});
      }
    }
    const CabinetKind kind = filled ? CabinetKind::kFacesAndEdges : CabinetKind::kEdges;
    zef::cabinet::DrawCabinetAxes(scene, 0);
    zef::cabinet::DrawCabinet(scene, 1, {set, kind, options, dxf, debug});
    scene.SetVisibleObjects(0x3);
  }
  static const zef::cabinet::DxfLists& Sphere() {
    static const zef::cabinet::DxfLists lists = SphereLists();
    return lists;
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

// The first drawing: the parse of the 25 MB drawing text and the scene built
// from its faces.
void BM_FirstDrawing(benchmark::State& state) {
  for (auto _ : state) {
    const zef::cabinet::DxfLists lists = SphereLists();
    zef::model::DataSet set{zef::model::FormatKind::Zef2};
    for (const zef::model::Face& face : lists.faces.InAddedOrder()) set.cabinet.faces.Add(face);
    zef::model::NullSink debug;
    zef::cabinet::LazyDxf dxf;
    zef::view3d::Scene scene(kWidth, kHeight, debug);
    zef::cabinet::DrawCabinet(scene, 1,
                              {set, CabinetKind::kFacesAndEdges, Loaded().options, dxf, debug});
    benchmark::DoNotOptimize(scene.Object(1).triangles.size());
  }
}

BENCHMARK(BM_FirstDrawing)
    ->Name("Cabinet100kFaces/first-drawing")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_Reproject)->Name("Cabinet100kFaces/reproject+sort")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReprojectAndPaint)
    ->Name("Cabinet100kFaces/reproject+sort+paint")
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
// The same sphere as edges: nothing to sort.
BENCHMARK(BM_ReprojectAndPaint)
    ->Name("Cabinet100kFaces/outlines/reproject+paint")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
