#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "wav/wav_layout.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

constexpr int kReaderOpened = 1;
constexpr int kReaderOpenFailed = -2;

// A multiple of every container width, so no sample straddles two fills.
constexpr std::size_t kBufferSize = 12000;
static_assert(kBufferSize % 2 == 0 && kBufferSize % 3 == 0 && kBufferSize % 4 == 0);

constexpr std::uint32_t WidthOf(SampleKind kind) {
  switch (kind) {
    case SampleKind::Int16:
      return 2;
    case SampleKind::Int24:
      return 3;
    default:
      return 4;
  }
}

int CheckKind(SampleKind kind, const HeaderInfo& info) {
  if (info.bitsPerSample != 8 * WidthOf(kind)) return kUnsupportedBits;
  const bool wantsFloat = kind == SampleKind::Float32;
  if (info.isFloat != wantsFloat) return wantsFloat ? kNotFloat : kNotPcm;
  return kOk;
}

float Decode(SampleKind kind, const std::uint8_t* bytes) {
  if (kind == SampleKind::Float32) {
    float value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }
  const std::uint32_t width = WidthOf(kind);
  std::uint32_t raw = 0;
  for (std::uint32_t i = 0; i < width; ++i) raw |= std::uint32_t{bytes[i]} << (8 * i);
  // Sign-extend from the top byte of the sample.
  const std::uint32_t shift = 32 - 8 * width;
  return static_cast<float>(static_cast<std::int32_t>(raw << shift) >> shift);
}

}  // namespace

SampleReader::~SampleReader() {
  Close();
}

int SampleReader::Open(SampleKind kind, const std::filesystem::path& file) {
  Close();
  WavLayout layout;
  int code = OpenLayout(file, layout);
  if (code == kOpenFailed) return kReaderOpenFailed;
  if (code == kOk) code = CheckKind(kind, layout.info);
  std::uint32_t dataSize = 0;
  if (code == kOk) code = LocateSamples(layout, dataSize);
  if (code != kOk) return kReaderCodeShift - code;

  kind_ = kind;
  channels_ = layout.info.channels;
  sampleCount_ = layout.info.sampleCount;
  sampleRate_ = layout.info.sampleRate;
  containerBytes_ = layout.containerBytes;
  bytesLeft_ = dataSize;
  buffer_.assign(kBufferSize, 0);
  position_ = 0;
  fill_ = 0;
  file_ = std::move(layout.file);
  return kReaderOpened;
}

bool SampleReader::Read(float& value) {
  if (!file_) return false;
  if (fill_ - position_ < containerBytes_ && !Refill()) return false;
  // A sample narrower than its container sits in the container's top bytes.
  value = Decode(kind_, buffer_.data() + position_ + containerBytes_ - WidthOf(kind_));
  position_ += containerBytes_;
  return true;
}

void SampleReader::Close() {
  file_.reset();
  bytesLeft_ = 0;
  position_ = 0;
  fill_ = 0;
}

bool SampleReader::Refill() {
  const std::size_t wanted = std::min<std::size_t>(buffer_.size(), bytesLeft_);
  const std::size_t got = wanted == 0 ? 0 : std::fread(buffer_.data(), 1, wanted, file_.get());
  // After a short read the rest of the data cannot be trusted to line up.
  bytesLeft_ = got == wanted ? bytesLeft_ - static_cast<std::uint32_t>(wanted) : 0;
  position_ = 0;
  fill_ = got;
  return fill_ >= containerBytes_;
}

}  // namespace zef::wav
