#include "wav/wav_writer.h"

#include <string_view>

namespace zef::wav {

std::vector<std::uint8_t> FloatWavImage(std::span<const float> samples, std::uint32_t sampleRate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * sizeof(float));
  std::vector<std::uint8_t> image;
  image.reserve(44 + dataSize);
  auto tag = [&image](std::string_view fourCc) {
    image.insert(image.end(), fourCc.begin(), fourCc.end());
  };
  auto put = [&image](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) image.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  tag("RIFF");
  put(36 + dataSize, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(3, 2);  // IEEE float
  put(1, 2);  // mono
  put(sampleRate, 4);
  put(sampleRate * 4, 4);
  put(4, 2);
  put(32, 2);
  tag("data");
  put(dataSize, 4);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.data());
  image.insert(image.end(), bytes, bytes + dataSize);
  return image;
}

}  // namespace zef::wav
