#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "graphs/option_set.h"

namespace zef::app {

// Everything the options file keeps: the display switches, three words that
// only round-trip, and the font choices.
struct StoredOptions {
  graphs::OptionSet options;
  std::array<std::uint32_t, 3> words{20, 0, 0};
  std::string fontFace = "Arial";  // at most 63 characters are stored
  std::uint16_t fontSize = 10;     // points
  std::uint8_t graphicsFont = 0;   // 0 small, 1 medium, 2 large

  bool operator==(const StoredOptions&) const = default;
};

inline constexpr char kOptionsFileName[] = "ZEFOptions.DAT";
inline constexpr std::uint32_t kOptionsMagic = 0x00ABD496;
inline constexpr std::uint32_t kOptionsVersion = 3;
inline constexpr std::size_t kOptionsFileSize = 91;
// Far more than any version holds: a larger file is something else.
inline constexpr std::uint64_t kOptionsFileLimit = 65536;

inline constexpr char kOptionsLoadFailed[] = "Failed to load options, defaults set";
inline constexpr char kOptionsSaveFailed[] = "Failed to save options";

// The options the bytes of an options file of version 1, 2 or 3 hold; false
// (and `out` untouched) for a wrong magic, a later version or too few bytes.
bool DecodeOptions(std::span<const std::uint8_t> bytes, StoredOptions& out);
// The 91 bytes of a version-3 file.
std::vector<std::uint8_t> EncodeOptions(const StoredOptions& options);

// Reads the file; false when it is missing or unreadable (`out` untouched).
bool LoadOptionsFile(const std::filesystem::path& path, StoredOptions& out);
// Writes the file whole or not at all.
bool SaveOptionsFile(const std::filesystem::path& path, const StoredOptions& options);

}  // namespace zef::app
