// The cabinet drawing reader on a large generated drawing (100000 3DFACEs
// with handles and layer groups, CR LF line ends) against a plain
// line-by-line read of the same text.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cabinet/dxf_reader.h"

namespace {

namespace fs = std::filesystem;
constexpr int kFaces = 100000;

void Group(std::string& out, int code, const std::string& value) {
  out += std::to_string(code);
  out += "\r\n";
  out += value;
  out += "\r\n";
}

const std::string& Drawing() {
  static const std::string text = [] {
    std::string out;
    Group(out, 0, "SECTION");
    Group(out, 2, "ENTITIES");
    for (int i = 0; i < kFaces; ++i) {
      Group(out, 0, "3DFACE");
      Group(out, 5, std::to_string(0x100 + i));
      Group(out, 8, "CABINET");
      Group(out, 62, std::to_string(i % 255 + 1));
      const double x = i % 1000 * 0.125;
      const double y = i / 1000 * 0.25;
      const double corners[4][2] = {{x, y}, {x + 0.125, y}, {x + 0.125, y + 0.25}, {x, y + 0.25}};
      for (int c = 0; c < 4; ++c) {
        Group(out, 10 + c, std::to_string(corners[c][0]));
        Group(out, 20 + c, std::to_string(corners[c][1]));
        Group(out, 30 + c, "6.123233995736766e-17");
      }
    }
    Group(out, 0, "ENDSEC");
    Group(out, 0, "EOF");
    return out;
  }();
  return text;
}

const fs::path& DrawingFile() {
  static const fs::path path = [] {
    const fs::path p =
        fs::temp_directory_path() / ("zef_bench_" + std::to_string(getpid()) + ".dxf");
    std::ofstream(p, std::ios::binary) << Drawing();
    return p;
  }();
  return path;
}

void BM_ParseDxfFromMemory(benchmark::State& state) {
  const std::string& text = Drawing();
  for (auto _ : state) {
    zef::cabinet::DxfLists lists;
    const auto result = zef::cabinet::ParseDxf(text, {}, nullptr, lists);
    if (!result.ok || lists.faces.size() != kFaces) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(lists);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseDxfFromMemory)->Unit(benchmark::kMillisecond);

void BM_ParseDxfFromFile(benchmark::State& state) {
  const fs::path& path = DrawingFile();
  for (auto _ : state) {
    zef::cabinet::DxfLists lists;
    const auto result = zef::cabinet::ParseDxfFile(path, {}, nullptr, lists);
    if (!result.ok || lists.faces.size() != kFaces) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(lists);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Drawing().size()));
}
BENCHMARK(BM_ParseDxfFromFile)->Unit(benchmark::kMillisecond);

// What any reader pays at least: every line, nothing done with it.
template <typename MakeStream>
void PlainLineRead(benchmark::State& state, MakeStream makeStream) {
  for (auto _ : state) {
    auto in = makeStream();
    std::string line;
    std::size_t lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Drawing().size()));
}

void BM_PlainLineReadOfFile(benchmark::State& state) {
  PlainLineRead(state, [] { return std::ifstream(DrawingFile(), std::ios::binary); });
}
BENCHMARK(BM_PlainLineReadOfFile)->Unit(benchmark::kMillisecond);

void BM_PlainLineReadOfMemory(benchmark::State& state) {
  PlainLineRead(state, [] { return std::istringstream(Drawing()); });
}
BENCHMARK(BM_PlainLineReadOfMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove(DrawingFile(), ec);
  return 0;
}
