// Reading the largest text file the format allows (ZEF2 version 2, full sphere,
// no symmetry, every band, phase data) against a bare tokenizer that only
// splits the same text at TABs and line ends and converts every number.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <string_view>

#include "model/message_sink.h"
#include "sample_sets.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace {

const std::string& LargestText() {
  static const std::string text = zef::textformat::WriteText(zef::samplegen::LargestSet());
  return text;
}

void BM_ReadLargestText(benchmark::State& state) {
  const std::string& text = LargestText();
  for (auto _ : state) {
    zef::model::NullSink sink;
    auto read = zef::textformat::ReadText(text, "/bench/largest.txt", "Unknown", sink);
    if (read.result != 0) state.SkipWithError("the largest text does not read cleanly");
    benchmark::DoNotOptimize(read.set);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Splits at TAB, CR and LF and converts every field that is a number.
void BM_BareTokenizer(benchmark::State& state) {
  const std::string& text = LargestText();
  for (auto _ : state) {
    double sum = 0;
    std::size_t fields = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
      const char* q = p;
      while (q < end && *q != '\t' && *q != '\r' && *q != '\n') ++q;
      float value = 0;
      if (std::from_chars(p, q, value).ec == std::errc()) sum += value;
      ++fields;
      p = q + 1;
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_ReadLargestText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTokenizer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
