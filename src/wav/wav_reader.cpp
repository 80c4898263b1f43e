#include "wav/wav_reader.h"

#include <array>

#include "wav/wav_layout.h"

namespace zef::wav {
namespace {

constexpr std::array<const char*, 13> kCheckMessages = {
    nullptr,
    "Error opening WAV",
    "Not a RIFF WAVE WAV",
    "No 'fmt ' chunk in WAV",
    "WAVFORMATEX size error in WAV",
    "Not PCM or IEEE 32-bit float data WAV",
    "No 'data' chunk in WAV",
    "Not a mono or stereo WAV",
    "Not a 16,24 or 32-bit WAV",
    "Not a PCM data WAV",
    "Not an IEEE 32-bit float data WAV",
    "WAV is not a regular file",
    "WAV is larger than 67108864 bytes",
};

constexpr std::array<const char*, 5> kFileMessages = {
    nullptr,
    "Invalid file handle",
    "Open file for read failed",
    "Open file for read-write failed",
    "Create file for read failed",
};

constexpr const char* kUndefined = "error not defined";

}  // namespace

int ReadHeader(const std::filesystem::path& file, FormatRecord& format, HeaderInfo& info) {
  WavLayout layout;
  int code = OpenLayout(file, layout);
  std::uint32_t dataSize = 0;
  if (code == kOk) code = LocateSamples(layout, dataSize);
  if (code != kOk) return code;
  format = layout.format;
  info = layout.info;
  return kOk;
}

std::string ErrorMessage(int code) {
  if (code < kReaderCodeShift) code = kReaderCodeShift - code;
  if (code > 0 && code < static_cast<int>(kCheckMessages.size())) return kCheckMessages[code];
  if (code < 0 && -code < static_cast<int>(kFileMessages.size())) return kFileMessages[-code];
  return kUndefined;
}

SampleKind KindOf(const HeaderInfo& info) {
  switch (info.bitsPerSample) {
    case 24:
      return SampleKind::Int24;
    case 32:
      return info.isFloat ? SampleKind::Float32 : SampleKind::Int32;
    default:
      // Other widths never pass the header check; the 16-bit reader refuses them too.
      return SampleKind::Int16;
  }
}

}  // namespace zef::wav
