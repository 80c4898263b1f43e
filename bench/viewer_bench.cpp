// What the viewer does per user action on the largest ZEF2 set, from the
// shell's command to a painted picture of both graph areas at 640 x 400:
// a band change, a lower view switch, an option change, and one frame of a
// balloon drag (shaded). Each must fit one 60 Hz frame (16 ms).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "app/dialog_ids.h"
#include "app/lower_graph.h"
#include "app/option_commands.h"
#include "app/shell.h"
#include "app/shell_views.h"
#include "app/upper_graph.h"
#include "model/message_sink.h"
#include "painter/qpainter_canvas.h"
#include "painter/qt_font_metrics.h"
#include "qt_bench_main.h"
#include "sample_sets.h"
#include "textformat/text_writer.h"

namespace {

using namespace zef;
namespace control = app::control;
constexpr int kWidth = 640;
constexpr int kHeight = 400;

// Answers every question yes and shows nothing.
class SilentPlatform final : public app::ShellPlatform {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return true; }
  std::optional<std::string> ChooseFile(app::FileDialogKind, std::string_view) override {
    return std::nullopt;
  }
  void StartTimer(int, int) override {}
  void KillTimer(int) override {}
  bool ControlHeld() const override { return false; }
  void Quit() override {}
};

// The viewer without windows: the shell with the largest set loaded and the
// two graph areas as command lists painted into images.
struct Viewer {
  Viewer()
      : dir(std::filesystem::temp_directory_path() / "zef_viewer_bench"),
        fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall)),
        shell(platform, errors, {dir, dir, "zefview", ""}, false),
        upper(debug) {
    std::filesystem::create_directories(dir);
    const auto file = dir / "largest.txt";
    std::string error;
    textformat::WriteTextFile(file, samplegen::LargestSet(), {}, error);
    shell.Start(file.string());
    Update(app::kEverything);
  }
  ~Viewer() { std::filesystem::remove_all(dir); }

  void Update(app::Changes changes) {
    const model::DataSet& set = *shell.Holder().Loaded();
    if ((changes & app::kUpperChanged) != 0) {
      upper.SetSize(kWidth, kHeight);
      upper.Rebuild(*shell.SetForDrawing(), shell.State(), shell.Options());
      PaintUpper();
    }
    if ((changes & app::kLowerChanged) != 0) {
      graphs::GraphWindow window(kWidth, kHeight, fonts, errors);
      std::string error;
      app::BuildLowerGraph(
          app::LowerGraphRequest(shell.State(), shell.Options(), set, kWidth, kHeight),
          shell.Holder(), false, window, error);
      Paint(window);
    }
  }
  void PaintUpper() {
    graphs::GraphWindow window(kWidth, kHeight, fonts, errors);
    upper.Draw(window, *shell.Holder().Loaded(), shell.State(), shell.Options());
    Paint(window);
  }
  void Paint(const graphs::GraphWindow& window) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter::QPainterCanvas canvas(painter, fonts);
    window.Replay(canvas);
  }

  std::filesystem::path dir;
  painter::QtFontMetrics fonts;
  SilentPlatform platform;
  app::ListWindowLines errors{app::ListWindowLines::kErrorRules};
  model::LineSink debug;
  app::Shell shell;
  app::UpperGraph upper;
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
};

Viewer& TheViewer() {
  static Viewer viewer;
  return viewer;
}

void BM_BandChange(benchmark::State& state) {
  Viewer& v = TheViewer();
  int index = 0;
  for (auto _ : state) {
    index = (index + 1) % 20;
    v.Update(v.shell.ControlCommand(control::kBandCombo, index));
  }
}

void BM_LowerViewSwitch(benchmark::State& state) {
  Viewer& v = TheViewer();
  int view = 0;
  for (auto _ : state) {
    view = (view + 1) % 4;
    v.Update(v.shell.ControlCommand(control::kPolarsRadio + view));
  }
}

void BM_OptionChange(benchmark::State& state) {
  Viewer& v = TheViewer();
  for (auto _ : state) v.Update(v.shell.MenuCommand(app::option_id::kSymmetry));
}

void BM_BalloonDragFrame(benchmark::State& state) {
  Viewer& v = TheViewer();
  v.upper.Mouse({view3d::MouseAction::kLeftDown, 100, 100, false}, v.shell.MutableState());
  int x = 100;
  for (auto _ : state) {
    x += 3;
    v.upper.Mouse({view3d::MouseAction::kMove, x, 100, false}, v.shell.MutableState());
    v.PaintUpper();
  }
  v.upper.Mouse({view3d::MouseAction::kLeftUp, x, 100, false}, v.shell.MutableState());
  state.counters["polygons"] = static_cast<double>(v.upper.PolygonCount());
}

}  // namespace

BENCHMARK(BM_BandChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LowerViewSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptionChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalloonDragFrame)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
