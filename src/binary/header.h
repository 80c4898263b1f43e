#pragma once

#include <cstddef>
#include <cstdint>

namespace zef::binary {

inline constexpr std::uint32_t kZef1Magic = 0x000ABD40;
inline constexpr std::uint32_t kZef2Magic = 0x000ABD41;

// The 52-byte header in front of every distribution binary.
struct BinaryHeader {
  std::uint32_t magic;
  std::uint32_t version;  // 1, or 2 for a ZEF2 file with the version-2 extension
  std::uint32_t draft;    // must be 0
  std::uint32_t reserved1;
  std::uint32_t writerMark;  // 0: writerVersion tells how new the writer was
  char writerVersion[8];     // such as "v1.0f"
  std::uint32_t dataChecksum;
  std::uint32_t textChecksum;
  std::uint8_t reserved2[16];
};

static_assert(sizeof(BinaryHeader) == 52);
static_assert(offsetof(BinaryHeader, version) == 4);
static_assert(offsetof(BinaryHeader, draft) == 8);
static_assert(offsetof(BinaryHeader, writerMark) == 16);
static_assert(offsetof(BinaryHeader, writerVersion) == 20);
static_assert(offsetof(BinaryHeader, dataChecksum) == 28);
static_assert(offsetof(BinaryHeader, textChecksum) == 32);
static_assert(offsetof(BinaryHeader, reserved2) == 36);

}  // namespace zef::binary
