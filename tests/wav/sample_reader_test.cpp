#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

#include "wav/wav_image.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

using namespace testing;  // the image builders

struct Reading {
  int code = 0;
  std::uint32_t sampleCount = 0;
  std::vector<float> values;
};

// Reads until the reader says no more; the limit only guards against a runaway reader.
Reading ReadAll(SampleKind kind, const Bytes& image) {
  TempDir dir;
  SampleReader reader;
  Reading reading;
  reading.code = reader.Open(kind, dir.Write("t.wav", image));
  reading.sampleCount = reader.SampleCount();
  float value = 0;
  while (reading.values.size() < 100000 && reader.Read(value)) reading.values.push_back(value);
  return reading;
}

const FormatFields kPcm24{.bits = 24};
const FormatFields kPcm32{.bits = 32};
const FormatFields kFloat32{.tag = kTagFloat, .bits = 32};
const FormatFields kExtensible24In32{.tag = kTagExtensible, .bits = 32, .validBits = 24};

TEST(SampleReader, DeliversTheExactValueOfEachWidth) {
  constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
  const std::vector<std::tuple<SampleKind, FormatFields, Bytes, std::vector<float>>> cases = {
      {SampleKind::Int16, {.channels = 2}, Le(2, {1, -1, 32767, -32768}), {1, -1, 32767, -32768}},
      {SampleKind::Int24,
       kPcm24,
       {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x56, 0x34, 0x12},
       {-8388608, 8388607, -1, 0x123456}},
      {SampleKind::Int32, kPcm32, Le(4, {-1, 123456, kMin32}), {-1, 123456, -2147483648.0f}},
      {SampleKind::Float32, kFloat32, LeFloat({0.5f, -1.25f, 3.0e38f}), {0.5f, -1.25f, 3.0e38f}},
      // The low byte of each container is below the valid bits and is ignored.
      {SampleKind::Int24,
       kExtensible24In32,
       {0xAB, 0x00, 0x00, 0x80, 0x7F, 0x01, 0x00, 0x00},
       {-8388608, 1}},
  };
  for (const auto& [kind, fields, data, values] : cases) {
    const Reading reading = ReadAll(kind, SimpleWave(fields, data));
    ASSERT_EQ(reading.code, 1) << fields.bits;
    EXPECT_EQ(reading.sampleCount, values.size()) << fields.bits;
    EXPECT_EQ(reading.values, values) << fields.bits;
  }
}

TEST(SampleReader, RefusesAFileItDoesNotFit) {
  const Bytes samples(8, 0);
  const std::vector<std::tuple<SampleKind, Bytes, int, const char*>> cases = {
      {SampleKind::Int32, SimpleWave(kFloat32, samples), -15, "Not a PCM data WAV"},
      {SampleKind::Float32, SimpleWave(kPcm32, samples), -16, "Not an IEEE 32-bit float data WAV"},
      {SampleKind::Int24, SimpleWave({}, samples), -14, "Not a 16,24 or 32-bit WAV"},
      {SampleKind::Int32, SimpleWave(kExtensible24In32, samples), -14, "Not a 16,24 or 32-bit WAV"},
      {SampleKind::Int16, Bytes(20, 'x'), -8, "Not a RIFF WAVE WAV"},
  };
  for (const auto& [kind, image, code, message] : cases) {
    const Reading reading = ReadAll(kind, image);
    EXPECT_EQ(reading.code, code) << message;
    EXPECT_EQ(ErrorMessage(reading.code), message);
    EXPECT_TRUE(reading.values.empty()) << message;
  }
  TempDir dir;
  SampleReader reader;
  EXPECT_EQ(reader.Open(SampleKind::Int16, dir.Path("missing.wav")), -2);
}

TEST(SampleReader, StopsAtTheEndOfTheData) {
  Bytes cut = SimpleWave({}, Le(2, {1, 2, 3, 4, 5, 6}));
  cut.resize(cut.size() - 7);  // three and a half samples go missing
  const std::vector<std::pair<Bytes, std::vector<float>>> cases = {
      {WaveImage({{"fmt ", FormatBody({})}, {"data", Le(2, {7, 8})}, {"LIST", Le(2, {9, 9})}}),
       {7, 8}},
      {cut, {1, 2}},
      {SimpleWave({}, {0x05, 0x00, 0x06}), {5}},  // an odd trailing byte
      {WaveImage({{"fmt ", FormatBody({})}, {"data", Le(2, {-3, 4}), ~0u}}), {-3, 4}},
  };
  for (const auto& [image, values] : cases) {
    const Reading reading = ReadAll(SampleKind::Int16, image);
    ASSERT_EQ(reading.code, 1);
    EXPECT_EQ(reading.sampleCount, values.size());
    EXPECT_EQ(reading.values, values);
  }
}

// Long files of every integer width come through the buffer refills unchanged.
TEST(SampleReader, RefillsAcrossBufferBoundaries) {
  const std::tuple<SampleKind, FormatFields, int, int, std::int32_t> cases[] = {
      // kind, format, samples, bytes each, stored scale (reaching the top bytes)
      {SampleKind::Int16, {}, 7001, 2, 1},
      {SampleKind::Int24, kPcm24, 4001, 3, 1},
      {SampleKind::Int32, kPcm32, 3001, 4, 65536},
      {SampleKind::Int24, kExtensible24In32, 3001, 4, 256},
  };
  for (const auto& [kind, fields, count, width, storedScale] : cases) {
    Bytes data;
    std::vector<float> expected;
    for (int i = 0; i < count; ++i) {
      const std::int32_t sample = i * 2311 % 65536 - 32768;  // a misplaced byte changes it
      AppendLe(data, static_cast<std::uint32_t>(sample * storedScale), width);
      expected.push_back(
          static_cast<float>(kind == SampleKind::Int24 ? sample : sample * storedScale));
    }
    const Reading reading = ReadAll(kind, SimpleWave(fields, data));
    ASSERT_EQ(reading.code, 1) << count;
    EXPECT_EQ(reading.values, expected) << count;
  }
}

TEST(SampleReader, CloseEndsReadingAndReopeningStartsOver) {
  TempDir dir;
  const auto path = dir.Write("t.wav", SimpleWave({.rate = 22050}, Le(2, {10, 20})));
  SampleReader reader;
  float value = 0;
  EXPECT_FALSE(reader.Read(value));  // never opened
  ASSERT_EQ(reader.Open(SampleKind::Int16, path), 1);
  EXPECT_EQ(reader.SampleRate(), 22050u);
  ASSERT_TRUE(reader.Read(value));
  reader.Close();
  EXPECT_FALSE(reader.Read(value));
  ASSERT_EQ(reader.Open(SampleKind::Int16, path), 1);
  std::vector<float> values;
  while (values.size() < 3 && reader.Read(value)) values.push_back(value);
  EXPECT_EQ(values, (std::vector<float>{10, 20}));
  EXPECT_EQ(reader.Open(SampleKind::Int24, path), -14);  // a failed open leaves nothing to read
  EXPECT_FALSE(reader.Read(value));
}

}  // namespace
}  // namespace zef::wav
