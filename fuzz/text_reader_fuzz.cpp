// The ZEF text reader on any bytes. Beside the text lie the companion files the
// generated seeds name (information files, a drawing, FIR taps), so the reads
// of named files are reached as well.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "model/message_sink.h"
#include "textformat/text_reader.h"
#include "wav/wav_writer.h"

namespace {

using namespace zef;

std::span<const std::byte> AsBytes(std::string_view text) {
  return std::as_bytes(std::span(text.data(), text.size()));
}

bool PutCompanions(const fuzz::ScratchFolder& folder) {
  folder.Put("info.txt", AsBytes("About this loudspeaker\r\n"));
  folder.Put("info.pdf", AsBytes("%PDF-1.4\n%%EOF\n"));
  folder.Put("cabinet.dxf",
             AsBytes("0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n"));
  const std::array<float, 8> taps = {0.5f, 0.25f, -0.125f, 0.0625f, 0, 0, 0, 1e-7f};
  const std::vector<std::uint8_t> wav = wav::FloatWavImage(taps, 48000);
  folder.Put("fir.wav", std::as_bytes(std::span(wav)));
  return true;
}

const fuzz::ScratchFolder& Companions() {
  static const fuzz::ScratchFolder folder;
  [[maybe_unused]] static const bool filled = PutCompanions(folder);
  return folder;
}

void CheckResult(const textformat::TextReadResult& read, const model::LineSink& messages) {
  using textformat::kReadFailed;
  fuzz::Require(read.result == textformat::kReadClean ||
                    read.result == textformat::kReadWithErrors || read.result == kReadFailed,
                "the result is one of the three codes");
  fuzz::Require((read.set == nullptr) == (read.result == kReadFailed),
                "a set exactly when the read did not fail");
  fuzz::Require(read.result == textformat::kReadClean || !messages.Lines().empty(),
                "a read with errors says why");
  if (!read.set) return;
  fuzz::CheckSetShape(*read.set);
  fuzz::Require(read.set->kind == read.kind, "the set is of the kind line 1 names");
  fuzz::Require(read.set->data.MinBand() < read.set->data.MaxBand(),
                "a text gives at least two bands");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  textformat::ReadOptions options;
  options.decimalComma = size % 2 == 1;  // both number forms in messages, deterministically
  model::LineSink messages;
  const textformat::TextReadResult read = textformat::ReadText(
      text, Companions().Path() / "fuzz.txt", "2024-JAN-01", messages, options);
  CheckResult(read, messages);
  // A file that reads cleanly is one a maker compiles to a distribution binary.
  if (read.result == textformat::kReadClean) fuzz::CheckBinaryRoundTrip(*read.set);
  return 0;
}
