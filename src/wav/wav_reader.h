#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/regular_file.h"

namespace zef::wav {

// Contents of the "fmt " chunk (at most 40 bytes), extensible layout.
struct FormatRecord {
  std::uint16_t formatTag;
  std::uint16_t channels;
  std::uint32_t samplesPerSecond;
  std::uint32_t averageBytesPerSecond;
  std::uint16_t blockAlign;
  std::uint16_t bitsPerSample;
  std::uint16_t extensionSize;
  std::uint16_t validBitsPerSample;
  std::uint32_t channelMask;
  std::uint8_t subFormat[16];
};
static_assert(sizeof(FormatRecord) == 40);

// What the header reader reports beside the format record.
struct HeaderInfo {
  bool isFloat = false;
  bool extensible = false;
  std::uint32_t channels = 0;
  std::uint32_t bitsPerSample = 0;  // valid bits for extensible files
  std::uint32_t sampleCount = 0;    // all channels together
  std::uint32_t sampleRate = 0;
  std::uint32_t bytesPerSample = 0;
};

// Checks a WAV file and reports its layout: 0, or an error code 1 to 8, 11 or 12.
int ReadHeader(const std::filesystem::path& file, FormatRecord& format, HeaderInfo& info);

// The message of an error code: 1..12 from the checks, or the negative codes of
// the sample readers (-1..-5 file level, -6 - code for the check codes).
std::string ErrorMessage(int code);

enum class SampleKind { Int16, Int24, Int32, Float32 };

// The sample reader that fits a header: by bits per sample and the float flag.
SampleKind KindOf(const HeaderInfo& info);

// Delivers the samples of a WAV file one at a time as reals, unscaled.
class SampleReader {
 public:
  SampleReader() = default;
  SampleReader(const SampleReader&) = delete;
  SampleReader& operator=(const SampleReader&) = delete;
  ~SampleReader();

  // 1 on success, else a negative code (ErrorMessage explains it).
  int Open(SampleKind kind, const std::filesystem::path& file);
  // The next sample; false past the end of the data (or on a read failure).
  bool Read(float& value);
  void Close();

  std::uint32_t Channels() const { return channels_; }
  std::uint32_t SampleCount() const { return sampleCount_; }
  std::uint32_t SampleRate() const { return sampleRate_; }

 private:
  bool Refill();

  model::FilePtr file_;
  SampleKind kind_ = SampleKind::Int16;
  std::uint32_t channels_ = 0;
  std::uint32_t sampleCount_ = 0;
  std::uint32_t sampleRate_ = 0;
  std::uint32_t containerBytes_ = 2;  // per sample in the data, at least the sample width
  std::uint32_t bytesLeft_ = 0;       // of the data chunk, not yet in the buffer
  std::vector<std::uint8_t> buffer_;
  std::size_t position_ = 0;
  std::size_t fill_ = 0;
};

}  // namespace zef::wav
