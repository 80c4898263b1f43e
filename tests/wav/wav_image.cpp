#include "wav/wav_image.h"

#include <cstring>
#include <fstream>
#include <random>
#include <stdexcept>

namespace zef::wav::testing {

void AppendLe(Bytes& bytes, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes FormatBody(const FormatFields& fields) {
  Bytes body;
  const auto blockAlign = fields.blockAlign.value_or(fields.channels * fields.bits / 8);
  AppendLe(body, fields.tag, 2);
  AppendLe(body, fields.channels, 2);
  AppendLe(body, fields.rate, 4);
  AppendLe(body, fields.rate * blockAlign, 4);
  AppendLe(body, blockAlign, 2);
  AppendLe(body, fields.bits, 2);
  if (fields.tag == kTagExtensible) {
    AppendLe(body, 22, 2);
    AppendLe(body, fields.validBits, 2);
    AppendLe(body, 4, 4);  // front centre
    AppendLe(body, fields.subFormat, 4);
    body.resize(40, 0xAA);  // the rest of the identifier is never looked at
  }
  return body;
}

Bytes WaveImage(const std::vector<ChunkImage>& chunks, std::optional<std::uint32_t> riffSize) {
  Bytes image = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  for (const ChunkImage& chunk : chunks) {
    image.insert(image.end(), chunk.id.begin(), chunk.id.end());
    AppendLe(image, chunk.declaredSize.value_or(static_cast<std::uint32_t>(chunk.body.size())), 4);
    image.insert(image.end(), chunk.body.begin(), chunk.body.end());
    if (chunk.body.size() % 2 != 0) image.push_back(0);
  }
  const auto size = riffSize.value_or(static_cast<std::uint32_t>(image.size() - 8));
  for (int i = 0; i < 4; ++i) image[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return image;
}

Bytes SimpleWave(const FormatFields& fields, const Bytes& samples) {
  return WaveImage({{"fmt ", FormatBody(fields), {}}, {"data", samples, {}}});
}

Bytes Le16(std::initializer_list<int> samples) {
  Bytes bytes;
  for (int sample : samples) AppendLe(bytes, static_cast<std::uint32_t>(sample), 2);
  return bytes;
}

Bytes Le32(std::initializer_list<std::int32_t> samples) {
  Bytes bytes;
  for (std::int32_t sample : samples) AppendLe(bytes, static_cast<std::uint32_t>(sample), 4);
  return bytes;
}

Bytes LeFloat(std::initializer_list<float> samples) {
  Bytes bytes;
  for (float sample : samples) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, &sample, sizeof raw);
    AppendLe(bytes, raw, 4);
  }
  return bytes;
}

TempDir::TempDir() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    root_ = base / ("zef_wav_tests_" + std::to_string(seed()));
    if (std::filesystem::create_directory(root_)) return;
  }
  throw std::runtime_error("no unique temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempDir::Write(const std::string& name, const Bytes& bytes) const {
  const auto path = root_ / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace zef::wav::testing
