// The viewer's secondary windows under load: a full error window taking new
// lines (a damaged file or a chatty 3D library can write thousands; the
// window must keep up with the reader), and the Copy command turning the
// largest polar diagram into its three clipboard pictures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "analysis/band_curves.h"
#include "app/derived_figures.h"
#include "graphs/polar_diagram.h"
#include "gui/graph_clipboard.h"
#include "gui/list_window.h"
#include "model/message_sink.h"
#include "qt_bench_main.h"
#include "sample_sets.h"

namespace {

// Answers nothing: the benchmark never double-clicks.
class NoDesktop : public zef::app::Platform {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
};

void BM_ErrorWindowLines(benchmark::State& state) {
  QWidget owner;
  NoDesktop desktop;
  auto errors = zef::gui::ListWindow::Errors(&owner, desktop);
  // Fill it first, so every measured line also pushes out the oldest.
  for (int i = 0; i < 2000; ++i) errors.WriteLine("Error on line: " + std::to_string(i));
  std::int64_t line = 0;
  for (auto _ : state) {
    errors.WriteString("Error on line: ");
    errors.WriteNumber(++line);
    errors.WriteString(" <SENSITIVITY> value out of range");
    errors.EndLine();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ErrorWindowLines)->Unit(benchmark::kMicrosecond);

void BM_CopyPolarToClipboard(benchmark::State& state) {
  zef::model::DataSet set = zef::samplegen::LargestSet();
  zef::analysis::DirectivityFigures figures;
  zef::app::ComputeDirectivityFigures(set, figures);
  const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  zef::model::NullSink errors;
  zef::graphs::GraphWindow window(1000, 800, fonts, errors);
  zef::graphs::PolarInput input(set, figures);
  input.reference = zef::analysis::ComputeSensitivityReference(set);
  input.band = static_cast<int>(set.data.MinBand()) + 13;
  zef::graphs::BuildPolarDiagram(window, input);
  const zef::gui::QtGraphRenderer renderer(fonts);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto payload =
        zef::app::MetaPayload(renderer, window, zef::graphs::FooterPlacement::kBottomRight);
    bytes = 0;
    for (const auto& format : payload->formats) bytes += format.bytes.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["payload_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CopyPolarToClipboard)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunQtBenchmarks<QApplication>(argc, argv);
}
