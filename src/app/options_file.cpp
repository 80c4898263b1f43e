#include "app/options_file.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "model/atomic_file.h"
#include "model/regular_file.h"

namespace zef::app {
namespace {

constexpr std::size_t kHeaderSize = 12;  // magic, version, option set
constexpr std::size_t kFaceSize = 64;
constexpr std::size_t kFaceOffset = 24;
constexpr std::size_t kFontSizeOffset = kFaceOffset + kFaceSize;
constexpr std::size_t kGraphicsOffset = kFontSizeOffset + 2;
// A stored size outside this range is damage, not a choice anyone made.
constexpr std::uint16_t kSmallestFont = 4;
constexpr std::uint16_t kLargestFont = 72;
constexpr std::uint8_t kLargestGraphicsChoice = 2;
// Bytes a file of version 1, 2 or 3 holds.
constexpr std::array<std::size_t, 4> kSizeOfVersion = {0, 20, 24, kOptionsFileSize};

std::uint32_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
         std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void DecodeFonts(std::span<const std::uint8_t> bytes, StoredOptions& out) {
  const auto face = bytes.subspan(kFaceOffset, kFaceSize - 1);  // the last byte ends the name
  const auto end = std::find(face.begin(), face.end(), std::uint8_t{0});
  out.fontFace.assign(face.begin(), end);
  const std::uint16_t size =
      static_cast<std::uint16_t>(bytes[kFontSizeOffset] | bytes[kFontSizeOffset + 1] << 8);
  if (size >= kSmallestFont && size <= kLargestFont) out.fontSize = size;
  if (bytes[kGraphicsOffset] <= kLargestGraphicsChoice) out.graphicsFont = bytes[kGraphicsOffset];
}

}  // namespace

bool DecodeOptions(std::span<const std::uint8_t> bytes, StoredOptions& out) {
  if (bytes.size() < kHeaderSize || Word(bytes, 0) != kOptionsMagic) return false;
  const std::uint32_t version = Word(bytes, 4);
  if (version == 0 || version > kOptionsVersion || bytes.size() < kSizeOfVersion[version]) {
    return false;
  }
  StoredOptions read;  // fields a version lacks keep their defaults
  read.options = graphs::OptionSet(Word(bytes, 8));
  read.words[0] = Word(bytes, 12);
  read.words[1] = Word(bytes, 16);
  read.words[2] = version >= 2 ? Word(bytes, 20) : 0;
  if (version == kOptionsVersion) DecodeFonts(bytes, read);
  out = read;
  return true;
}

std::vector<std::uint8_t> EncodeOptions(const StoredOptions& options) {
  std::vector<std::uint8_t> out;
  out.reserve(kOptionsFileSize);
  PutWord(out, kOptionsMagic);
  PutWord(out, kOptionsVersion);
  PutWord(out, options.options.Bits());
  for (const std::uint32_t word : options.words) PutWord(out, word);
  const std::size_t faceLength = std::min(options.fontFace.size(), kFaceSize - 1);
  out.insert(out.end(), options.fontFace.begin(), options.fontFace.begin() + faceLength);
  out.resize(kFontSizeOffset, 0);
  out.push_back(static_cast<std::uint8_t>(options.fontSize));
  out.push_back(static_cast<std::uint8_t>(options.fontSize >> 8));
  out.push_back(options.graphicsFont);
  return out;
}

bool LoadOptionsFile(const std::filesystem::path& path, StoredOptions& out) {
  // A pipe or device under the name is refused without waiting on it; bytes
  // after the settings are ignored, as later versions may add some.
  const model::RegularFile file = model::OpenRegularFile(path, kOptionsFileLimit);
  if (file.status != model::OpenStatus::Ok) return false;
  std::vector<std::uint8_t> bytes;
  if (model::ReadUpTo(file.file.get(), kOptionsFileSize, bytes) != model::OpenStatus::Ok) {
    return false;
  }
  return DecodeOptions(bytes, out);
}

bool SaveOptionsFile(const std::filesystem::path& path, const StoredOptions& options) {
  const std::vector<std::uint8_t> bytes = EncodeOptions(options);
  std::string error;
  return model::WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

}  // namespace zef::app
