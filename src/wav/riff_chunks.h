#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

namespace zef::wav {

// Far beyond any FIR filter; a RIFF form could claim 4 GB.
inline constexpr std::uint64_t kMaxWavFileSize = 64 * 1024 * 1024;

// A chunk found inside the WAVE form. Offsets are from the start of the file.
struct Chunk {
  std::uint64_t bodyOffset = 0;
  std::uint32_t declaredSize = 0;
  std::uint64_t available = 0;  // body bytes the form really holds, at most declaredSize
  std::uint64_t next = 0;       // where the following chunk header starts
};

// Checks the "RIFF" size "WAVE" header; gives the end of the form, never past the file.
std::optional<std::uint64_t> ReadWaveForm(std::FILE* file, std::uint64_t fileSize);

// Walks the chunks from `from` in order, skipping others, up to `formEnd`.
std::optional<Chunk> FindChunk(std::FILE* file, const char (&id)[5], std::uint64_t from,
                               std::uint64_t formEnd);

// Moves the read position to `offset`.
bool SeekTo(std::FILE* file, std::uint64_t offset);

// Reads exactly `size` bytes at `offset`.
bool ReadAt(std::FILE* file, std::uint64_t offset, void* target, std::size_t size);

}  // namespace zef::wav
