#include "wav/wav_layout.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <utility>

namespace zef::wav {
namespace {

static_assert(std::endian::native == std::endian::little);
static_assert(offsetof(FormatRecord, channels) == 2);
static_assert(offsetof(FormatRecord, samplesPerSecond) == 4);
static_assert(offsetof(FormatRecord, averageBytesPerSecond) == 8);
static_assert(offsetof(FormatRecord, blockAlign) == 12);
static_assert(offsetof(FormatRecord, bitsPerSample) == 14);
static_assert(offsetof(FormatRecord, extensionSize) == 16);
static_assert(offsetof(FormatRecord, validBitsPerSample) == 18);
static_assert(offsetof(FormatRecord, channelMask) == 20);
static_assert(offsetof(FormatRecord, subFormat) == 24);

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::uint32_t kMinFormatSize = 16;  // the fields before the extension

int ReadFormat(const WavLayout& layout, const Chunk& chunk, FormatRecord& format) {
  if (chunk.declaredSize < kMinFormatSize || chunk.available < chunk.declaredSize) {
    return kFormatSizeError;
  }
  // Anything past the record (vendor extensions) is skipped.
  const std::size_t size = std::min<std::size_t>(chunk.declaredSize, sizeof(FormatRecord));
  unsigned char bytes[sizeof(FormatRecord)] = {};
  if (!ReadAt(layout.file.get(), chunk.bodyOffset, bytes, size)) return kFormatSizeError;
  std::memcpy(&format, bytes, sizeof format);
  // The extensible tag is meaningless without the extension that carries the sub-format.
  if (format.formatTag == kTagExtensible && size < sizeof(FormatRecord)) return kFormatSizeError;
  return kOk;
}

int CheckFormat(const FormatRecord& format, HeaderInfo& info, std::uint32_t& containerBytes) {
  HeaderInfo checked;
  checked.extensible = format.formatTag == kTagExtensible;
  std::uint32_t kind = format.formatTag;
  if (checked.extensible) std::memcpy(&kind, format.subFormat, sizeof kind);
  if (kind != kTagPcm && kind != kTagFloat) return kNotPcmOrFloat;
  checked.isFloat = kind == kTagFloat;

  if (format.channels == 0) return kNoChannels;
  checked.channels = format.channels;

  checked.bitsPerSample = checked.extensible ? format.validBitsPerSample : format.bitsPerSample;
  if (checked.bitsPerSample != 16 && checked.bitsPerSample != 24 && checked.bitsPerSample != 32) {
    return kUnsupportedBits;
  }
  // Extensible samples sit at the top of containers of whole bytes, at most 32 bits wide.
  const std::uint32_t containerBits = format.bitsPerSample;
  if (checked.extensible &&
      (containerBits % 8 != 0 || containerBits < checked.bitsPerSample || containerBits > 32)) {
    return kUnsupportedBits;
  }
  if (checked.isFloat && checked.bitsPerSample != 32) return kNotPcmOrFloat;

  checked.sampleRate = format.samplesPerSecond;
  checked.bytesPerSample = format.blockAlign / checked.channels;
  containerBytes = (checked.extensible ? containerBits : checked.bitsPerSample) / 8;
  info = checked;
  return kOk;
}

// The declared block alignment is only trusted as far as the data really reaches.
std::uint32_t SampleCount(const WavLayout& layout, std::uint32_t dataSize) {
  const std::uint64_t held = dataSize / layout.containerBytes;
  if (!layout.info.extensible || layout.format.blockAlign == 0) {
    return static_cast<std::uint32_t>(held);
  }
  const std::uint64_t declared =
      std::uint64_t{layout.info.channels} * dataSize / layout.format.blockAlign;
  return static_cast<std::uint32_t>(std::min(held, declared));
}

}  // namespace

int OpenLayout(const std::filesystem::path& path, WavLayout& layout) {
  model::RegularFile opened = model::OpenRegularFile(path, kMaxWavFileSize);
  if (opened.status == model::OpenStatus::NotRegular) return kNotRegular;
  if (opened.status == model::OpenStatus::TooLarge) return kTooLarge;
  if (opened.status != model::OpenStatus::Ok) return kOpenFailed;
  layout.file = std::move(opened.file);
  const std::uint64_t fileSize = opened.size;

  const auto formEnd = ReadWaveForm(layout.file.get(), fileSize);
  if (!formEnd) return kNotRiffWave;
  layout.formEnd = *formEnd;

  constexpr std::uint64_t kFirstChunk = 12;
  const auto chunk = FindChunk(layout.file.get(), "fmt ", kFirstChunk, layout.formEnd);
  if (!chunk) return kNoFormatChunk;
  if (const int code = ReadFormat(layout, *chunk, layout.format); code != kOk) return code;
  layout.afterFormat = chunk->next;
  return CheckFormat(layout.format, layout.info, layout.containerBytes);
}

int LocateSamples(WavLayout& layout, std::uint32_t& dataSize) {
  const auto chunk = FindChunk(layout.file.get(), "data", layout.afterFormat, layout.formEnd);
  if (!chunk) return kNoDataChunk;
  // A declared size beyond the end of the file is cut to what is there, so the sample
  // count never promises more than can be read.
  dataSize = static_cast<std::uint32_t>(chunk->available);
  layout.info.sampleCount = SampleCount(layout, dataSize);
  if (!SeekTo(layout.file.get(), chunk->bodyOffset)) return kNoDataChunk;
  return kOk;
}

}  // namespace zef::wav
