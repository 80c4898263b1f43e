#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace zef::wav::testing {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;

struct FormatFields {
  std::uint16_t tag = kTagPcm;
  std::uint16_t channels = 1;
  std::uint32_t rate = 48000;
  std::uint16_t bits = 16;  // the container width for extensible files
  std::optional<std::uint16_t> blockAlign = std::nullopt;  // channels * bits / 8 when not given
  std::uint16_t validBits = 0;                             // extensible only
  std::uint32_t subFormat = kTagPcm;                       // extensible only
};

// The body of a "fmt " chunk: 16 bytes, or 40 for the extensible tag.
Bytes FormatBody(const FormatFields& fields);

struct ChunkImage {
  std::string id;
  Bytes body;
  std::optional<std::uint32_t> declaredSize = std::nullopt;  // the body size when not given
};

// A RIFF WAVE image of the chunks in order, each padded to an even size.
Bytes WaveImage(const std::vector<ChunkImage>& chunks,
                std::optional<std::uint32_t> riffSize = std::nullopt);

// "fmt " then "data".
Bytes SimpleWave(const FormatFields& fields, const Bytes& samples);

Bytes Le16(std::initializer_list<int> samples);
Bytes Le32(std::initializer_list<std::int32_t> samples);
Bytes LeFloat(std::initializer_list<float> samples);
void AppendLe(Bytes& bytes, std::uint32_t value, int width);

// A fresh folder under the system's temporary folder, removed with its files.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::filesystem::path Write(const std::string& name, const Bytes& bytes) const;
  std::filesystem::path Path(const std::string& name) const { return root_ / name; }

 private:
  std::filesystem::path root_;
};

}  // namespace zef::wav::testing
