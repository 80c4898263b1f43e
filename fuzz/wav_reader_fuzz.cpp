// The WAV header reader and the four sample readers on any bytes. They read
// files, so every input is written to one scratch file first.
#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "wav/wav_reader.h"

namespace {

using namespace zef;

constexpr std::array<wav::SampleKind, 4> kKinds = {wav::SampleKind::Int16, wav::SampleKind::Int24,
                                                   wav::SampleKind::Int32,
                                                   wav::SampleKind::Float32};
constexpr std::uint32_t kNarrowestSample = 2;

void CheckMessage(int code) {
  fuzz::Require(wav::ErrorMessage(code) != "error not defined", "every code has its message");
}

// The header passed: its layout is one the text reader can use as it stands.
void CheckHeader(const wav::HeaderInfo& info, std::size_t fileSize) {
  fuzz::Require(info.channels >= 1, "at least one channel");
  fuzz::Require(info.bitsPerSample == 16 || info.bitsPerSample == 24 || info.bitsPerSample == 32,
                "16, 24 or 32 bits");
  fuzz::Require(!info.isFloat || info.bitsPerSample == 32, "floats are 32 bits");
  fuzz::Require(info.sampleCount <= fileSize / kNarrowestSample,
                "the sample count promises no more than the file holds");
}

// What the header reader's verdict says about a sample reader of some kind.
enum class Expect { Refused, Opens, Either };

// Opens a reader of the kind; the fitting one must deliver at least the count
// the header promised, and none more than the file holds.
void ReadSamples(wav::SampleKind kind, const std::filesystem::path& file, Expect expect,
                 const wav::HeaderInfo& info, std::size_t fileSize) {
  wav::SampleReader reader;
  const int opened = reader.Open(kind, file);
  if (opened != 1) {
    fuzz::Require(opened < 0, "a failed open gives a negative code");
    fuzz::Require(expect != Expect::Opens, "the reader that fits the header opens");
    CheckMessage(opened);
    return;
  }
  fuzz::Require(expect != Expect::Refused, "no reader opens a file the header reader refuses");
  const bool fits = expect == Expect::Opens;
  fuzz::Require(!fits || reader.Channels() == info.channels,
                "the reader sees the header's channels");
  std::uint64_t delivered = 0;
  float sample = 0;
  while (delivered <= fileSize && reader.Read(sample)) ++delivered;
  fuzz::Require(delivered <= fileSize / kNarrowestSample, "no more samples than the file holds");
  if (fits) fuzz::Require(delivered >= info.sampleCount, "every promised sample is delivered");
  reader.Close();
  fuzz::Require(!reader.Read(sample), "a closed reader delivers nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFile scratch(".wav");
  const std::filesystem::path& file = scratch.Write({data, size});
  wav::FormatRecord format{};
  wav::HeaderInfo info;
  const int code = wav::ReadHeader(file, format, info);
  fuzz::Require(code >= 0 && code <= 8, "the header reader gives 0 or a code 1 to 8");
  if (code != 0) {
    CheckMessage(code);
    for (const wav::SampleKind kind : kKinds) ReadSamples(kind, file, Expect::Refused, info, size);
    return 0;
  }
  CheckHeader(info, size);
  const wav::SampleKind fitting = wav::KindOf(info);
  for (const wav::SampleKind kind : kKinds) {
    ReadSamples(kind, file, kind == fitting ? Expect::Opens : Expect::Either, info, size);
  }
  return 0;
}
