#pragma once

#include <cstdint>
#include <filesystem>

#include "model/regular_file.h"
#include "wav/riff_chunks.h"
#include "wav/wav_reader.h"

namespace zef::wav {

// The check codes, the numbering ErrorMessage uses for 1 to 10.
enum CheckCode : int {
  kOk = 0,
  kOpenFailed = 1,
  kNotRiffWave = 2,
  kNoFormatChunk = 3,
  kFormatSizeError = 4,
  kNotPcmOrFloat = 5,
  kNoDataChunk = 6,
  kNoChannels = 7,
  kUnsupportedBits = 8,
  kNotPcm = 9,
  kNotFloat = 10,
  kNotRegular = 11,
  kTooLarge = 12,
};

// The sample readers give a check code c as kReaderCodeShift - c.
constexpr int kReaderCodeShift = -6;

// A WAVE file opened and checked as far as its format record.
struct WavLayout {
  model::FilePtr file;
  std::uint64_t formEnd = 0;
  std::uint64_t afterFormat = 0;  // where the search for the samples starts
  FormatRecord format{};
  HeaderInfo info;
  std::uint32_t containerBytes = 0;  // bytes each sample occupies in the data
};

// Opens the file, finds and checks the format record; a check code.
int OpenLayout(const std::filesystem::path& path, WavLayout& layout);

// Finds the samples, completes the counts in layout.info and leaves the file at the
// first sample; gives the usable data size through `dataSize`. A check code.
int LocateSamples(WavLayout& layout, std::uint32_t& dataSize);

}  // namespace zef::wav
