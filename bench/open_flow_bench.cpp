// The whole open flow (read, off-axis analysis, reference values, check,
// directivity figures, hand-over) on the largest text file and the largest
// binary, against the bare reads of the same files.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "analysis/directivity.h"
#include "app/data_set_holder.h"
#include "app/list_window_lines.h"
#include "app/open_flow.h"
#include "binary/binary_reader.h"
#include "binary/binary_writer.h"
#include "model/message_sink.h"
#include "sample_sets.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace {

namespace fs = std::filesystem;

// Says yes to every question and shows nothing.
class SilentPlatform : public zef::app::Platform {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return true; }
};

// The largest set as a text file and as a binary in a private folder.
class BenchFiles {
 public:
  BenchFiles() {
    std::string pattern = (fs::temp_directory_path() / "zef_bench_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    const zef::model::DataSet set = zef::samplegen::LargestSet();
    std::string error;
    if (!zef::textformat::WriteTextFile(Text(), set, {}, error) ||
        !zef::binary::WriteBinaryFile(Binary(), set, {}, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
    }
  }
  ~BenchFiles() {
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
  }
  fs::path Text() const { return folder_ / "largest.txt"; }
  fs::path Binary() const { return folder_ / "largest.ZF2"; }

 private:
  fs::path folder_;
};

const BenchFiles& Files() {
  static const BenchFiles files;
  return files;
}

void BM_BareTextRead(benchmark::State& state) {
  const fs::path path = Files().Text();
  for (auto _ : state) {
    zef::model::NullSink sink;
    auto read = zef::textformat::ReadTextFile(path, sink);
    if (read.result != 0) state.SkipWithError("the largest text does not read cleanly");
    benchmark::DoNotOptimize(read.set);
  }
}

void BM_OpenTextFlow(benchmark::State& state) {
  const fs::path path = Files().Text();
  SilentPlatform platform;
  zef::app::ListWindowLines errors(zef::app::ListWindowLines::kErrorRules);
  zef::app::DataSetHolder holder;
  for (auto _ : state) {
    const auto outcome = zef::app::OpenTextFile(path, holder, {platform, errors});
    if (!outcome.loaded || !holder.DataValid())
      state.SkipWithError("the largest text is not valid");
    benchmark::DoNotOptimize(holder.Loaded());
  }
}

void BM_BareBinaryRead(benchmark::State& state) {
  const fs::path path = Files().Binary();
  for (auto _ : state) {
    zef::model::NullSink sink;
    auto read = zef::binary::ReadZf2File(path, sink);
    if (!read.set) state.SkipWithError("the largest binary does not read");
    benchmark::DoNotOptimize(read.set);
  }
}

// The bare read while the previous set is still held, as the open flow holds
// the loaded set until the new one has been read.
void BM_BareBinaryReadHolding(benchmark::State& state) {
  const fs::path path = Files().Binary();
  std::unique_ptr<zef::model::DataSet> held;
  for (auto _ : state) {
    zef::model::NullSink sink;
    auto read = zef::binary::ReadZf2File(path, sink);
    if (!read.set) state.SkipWithError("the largest binary does not read");
    held = std::move(read.set);
  }
}

void BM_OpenBinaryFlow(benchmark::State& state) {
  const fs::path path = Files().Binary();
  SilentPlatform platform;
  zef::app::ListWindowLines errors(zef::app::ListWindowLines::kErrorRules);
  zef::app::DataSetHolder holder;
  for (auto _ : state) {
    if (!zef::app::OpenBinaryFile(path, holder, {platform, errors}).loaded) {
      state.SkipWithError("the largest binary does not read");
    }
    benchmark::DoNotOptimize(holder.Loaded());
  }
}

// The off-axis analysis alone, which both flows run on every open.
void BM_MaxDirections(benchmark::State& state) {
  const zef::model::DataSet set = zef::samplegen::LargestSet();
  zef::analysis::DirectivityFigures figures;
  for (auto _ : state) {
    zef::analysis::ComputeMaxDirections(set.kind, set.data, figures);
    benchmark::DoNotOptimize(figures);
  }
}

BENCHMARK(BM_BareTextRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTextFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareBinaryRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareBinaryReadHolding)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenBinaryFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaxDirections)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
