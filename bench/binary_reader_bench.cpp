// Reading the largest distribution binary (ZEF2 version 2 with phase data, a
// complex filter and a small cabinet) against a plain read of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "binary/binary_reader.h"
#include "binary/binary_writer.h"
#include "model/message_sink.h"

namespace {

namespace fs = std::filesystem;
using zef::model::FormatKind;

zef::model::DataSet PhaseSet() {
  zef::model::DataSet set(FormatKind::Zef2);
  set.version = 2;
  set.info->presenceFlags |= zef::model::presence::kPhaseData;
  std::uint32_t state = 12345;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(state >> 12) / 4096.0f - 100.0f;
  };
  auto bytes = set.data.Bytes();
  for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
    const float v = next();
    std::memcpy(bytes.data() + i, &v, 4);
  }
  set.data.MinBand() = 3;
  set.data.MaxBand() = 29;
  set.phase = std::make_unique<zef::model::PhaseBlock>();
  for (auto& band : set.phase->balloon)
    for (auto& arc : band)
      for (float& v : arc) v = next();
  set.filter = std::make_unique<zef::model::FilterDescriptor>();
  set.filter->kind = zef::model::FilterKind::ThirdOctaveComplex;
  set.filter->real.assign(30, 0.5f);
  set.filter->imag.assign(30, -0.5f);
  set.info->cabinetFlags = zef::model::cabinet_flag::kEdges;
  for (int i = 0; i < 12; ++i) set.cabinet.AddEdge(set.cabinet.edges, 0, {1, 1, 1}, {0, 0, 0});
  return set;
}

const fs::path& BenchFile() {
  static const fs::path path = [] {
    const fs::path p = fs::temp_directory_path() / "zef-bench-phase.ZF2";
    std::string error;
    if (!zef::binary::WriteBinaryFile(p, PhaseSet(), {}, error))
      std::fprintf(stderr, "%s\n", error.c_str());
    return p;
  }();
  return path;
}

void BM_ReadZf2File(benchmark::State& state) {
  const fs::path& path = BenchFile();
  for (auto _ : state) {
    zef::model::NullSink sink;
    auto read = zef::binary::ReadZf2File(path, sink);
    if (!read.set) state.SkipWithError("the benchmark file does not read");
    benchmark::DoNotOptimize(read.set);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}

// The same bytes into memory with one read, nothing interpreted.
void BM_PlainRead(benchmark::State& state) {
  const fs::path& path = BenchFile();
  const std::size_t size = fs::file_size(path);
  for (auto _ : state) {
    std::vector<std::byte> bytes(size);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr || std::fread(bytes.data(), 1, size, f) != size) {
      state.SkipWithError("the benchmark file does not read");
    }
    if (f != nullptr) std::fclose(f);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(BM_ReadZf2File)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
