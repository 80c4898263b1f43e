#include "wav/riff_chunks.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zef::wav {
namespace {

constexpr std::uint64_t kFormHeaderSize = 12;
constexpr std::uint64_t kChunkHeaderSize = 8;

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

bool SeekTo(std::FILE* file, std::uint64_t offset) {
  return offset <= static_cast<std::uint64_t>(std::numeric_limits<long>::max()) &&
         std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

bool ReadAt(std::FILE* file, std::uint64_t offset, void* target, std::size_t size) {
  return SeekTo(file, offset) && std::fread(target, 1, size, file) == size;
}

std::optional<std::uint64_t> ReadWaveForm(std::FILE* file, std::uint64_t fileSize) {
  unsigned char header[kFormHeaderSize];
  if (fileSize < kFormHeaderSize || !ReadAt(file, 0, header, sizeof header)) return std::nullopt;
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  return std::min<std::uint64_t>(kChunkHeaderSize + LittleEndian32(header + 4), fileSize);
}

std::optional<Chunk> FindChunk(std::FILE* file, const char (&id)[5], std::uint64_t from,
                               std::uint64_t formEnd) {
  // Every step advances by at least the header, so a zero size cannot stall the walk;
  // 64-bit offsets cannot wrap on a 32-bit size.
  for (std::uint64_t at = from; at + kChunkHeaderSize <= formEnd;) {
    unsigned char header[kChunkHeaderSize];
    if (!ReadAt(file, at, header, sizeof header)) return std::nullopt;
    const std::uint32_t size = LittleEndian32(header + 4);
    const std::uint64_t body = at + kChunkHeaderSize;
    const std::uint64_t next = body + size + (size & 1u);
    if (std::memcmp(header, id, 4) == 0) {
      return Chunk{body, size, std::min<std::uint64_t>(size, formEnd - body), next};
    }
    at = next;
  }
  return std::nullopt;
}

}  // namespace zef::wav
