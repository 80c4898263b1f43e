// The CTA-2034-A curves, the CSV tables and the SOFA file of the largest set
// (ZEF2, full sphere, 27 bands): what `zef curves` and `zef export` spend
// beyond the read.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "analysis/cta2034.h"
#include "app/derived_figures.h"
#include "cli/csv_tables.h"
#include "sample_sets.h"
#include "sofa/sofa_file.h"

namespace {

const zef::model::DataSet& Largest() {
  static const zef::model::DataSet set = zef::samplegen::LargestSet();
  return set;
}

void Cta2034Curves(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zef::analysis::ComputeCta2034(Largest()));
}
BENCHMARK(Cta2034Curves)->Unit(benchmark::kMicrosecond);

void CsvTables(benchmark::State& state) {
  zef::analysis::DirectivityFigures figures;
  zef::model::DataSet set = Largest();
  zef::app::ComputeDirectivityFigures(set, figures);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const auto& file : zef::cli::ExportTables(set, figures)) bytes += file.text.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(CsvTables)->Unit(benchmark::kMillisecond);

void SofaFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zef_export_bench.sofa";
  std::string error;
  for (auto _ : state) {
    if (!zef::sofa::WriteSofaFile(path, zef::sofa::BuildSofaBalloon(Largest(), ""), error)) {
      state.SkipWithError(error.c_str());
    }
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(SofaFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
