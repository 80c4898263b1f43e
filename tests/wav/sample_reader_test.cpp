#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "wav/wav_image.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

using testing::AppendLe;
using testing::Bytes;
using testing::FormatFields;
using testing::kTagExtensible;
using testing::kTagFloat;
using testing::Le16;
using testing::Le32;
using testing::LeFloat;
using testing::SimpleWave;
using testing::TempDir;
using testing::WaveImage;

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
  struct Case {
    const char* name;
    SampleKind kind;
    FormatFields fields;
    Bytes data;
    std::vector<float> values;
  };
  const std::vector<Case> cases = {
      {"16-bit", SampleKind::Int16, {}, Le16({0, 1, -1, 32767, -32768}), {0, 1, -1, 32767, -32768}},
      {"24-bit",
       SampleKind::Int24,
       kPcm24,
       {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x56, 0x34, 0x12},
       {-8388608, 8388607, 1, -1, 0x123456}},
      {"32-bit",
       SampleKind::Int32,
       kPcm32,
       Le32({0, -1, 123456, kMin32}),
       {0, -1, 123456, -2147483648.0f}},
      {"float",
       SampleKind::Float32,
       kFloat32,
       LeFloat({0.5f, -1.25f, 1e-7f, 3.0e38f}),
       {0.5f, -1.25f, 1e-7f, 3.0e38f}},
      // The low byte of each container is below the valid bits and is ignored.
      {"24 bits in 32-bit containers",
       SampleKind::Int24,
       kExtensible24In32,
       {0xAB, 0x00, 0x00, 0x80, 0x7F, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF},
       {-8388608, 1, -1}},
      {"16 bits in 24-bit containers",
       SampleKind::Int16,
       {.tag = kTagExtensible, .bits = 24, .validBits = 16},
       {0x11, 0x00, 0x80, 0x22, 0xFF, 0x7F},
       {-32768, 32767}},
      {"stereo frames in order",
       SampleKind::Int16,
       {.channels = 2},
       Le16({1, 2, 3, 4}),
       {1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Reading reading = ReadAll(c.kind, SimpleWave(c.fields, c.data));
    ASSERT_EQ(reading.code, 1);
    EXPECT_EQ(reading.sampleCount, c.values.size());
    EXPECT_EQ(reading.values, c.values);
  }
}

TEST(SampleReader, RefusesAFileItDoesNotFit) {
  struct Case {
    const char* name;
    SampleKind kind;
    Bytes image;
    int code;
    const char* message;
  };
  const Bytes samples(8, 0);
  const std::vector<Case> cases = {
      {"float to integer", SampleKind::Int32, SimpleWave(kFloat32, samples), -15,
       "Not a PCM data WAV"},
      {"integer to float", SampleKind::Float32, SimpleWave(kPcm32, samples), -16,
       "Not an IEEE 32-bit float data WAV"},
      {"16 bits to 24", SampleKind::Int24, SimpleWave({}, samples), -14,
       "Not a 16,24 or 32-bit WAV"},
      {"24 in 32 to 32", SampleKind::Int32, SimpleWave(kExtensible24In32, samples), -14,
       "Not a 16,24 or 32-bit WAV"},
      {"8 bits", SampleKind::Int16, SimpleWave({.bits = 8}, samples), -14,
       "Not a 16,24 or 32-bit WAV"},
      {"not RIFF", SampleKind::Int16, Bytes(20, 'x'), -8, "Not a RIFF WAVE WAV"},
      {"no data", SampleKind::Int16, WaveImage({{"fmt ", testing::FormatBody({}), {}}}), -12,
       "No 'data' chunk in WAV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Reading reading = ReadAll(c.kind, c.image);
    EXPECT_EQ(reading.code, c.code);
    EXPECT_EQ(ErrorMessage(reading.code), c.message);
    EXPECT_TRUE(reading.values.empty());
  }

  TempDir dir;
  SampleReader reader;
  const int code = reader.Open(SampleKind::Int16, dir.Path("missing.wav"));
  EXPECT_EQ(code, -2);
  EXPECT_EQ(ErrorMessage(code), "Open file for read failed");
}

TEST(SampleReader, StopsAtTheEndOfTheData) {
  const Bytes fmt16 = testing::FormatBody({});
  Bytes cut = SimpleWave({}, Le16({1, 2, 3, 4, 5, 6}));
  cut.resize(cut.size() - 7);  // three and a half samples go missing
  struct Case {
    const char* name;
    Bytes image;
    std::vector<float> values;
  };
  const std::vector<Case> cases = {
      {"a chunk follows the data",
       WaveImage({{"fmt ", fmt16, {}}, {"data", Le16({7, 8}), {}}, {"LIST", Le16({9, 9}), {}}}),
       {7, 8}},
      {"data cut short", cut, {1, 2}},
      {"odd trailing byte", SimpleWave({}, {0x05, 0x00, 0x06}), {5}},
      {"data size hostile",
       WaveImage({{"fmt ", fmt16, {}}, {"data", Le16({-3, 4}), 0xFFFFFFFF}}),
       {-3, 4}},
      {"empty data", SimpleWave({}, {}), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Reading reading = ReadAll(SampleKind::Int16, c.image);
    ASSERT_EQ(reading.code, 1);
    EXPECT_EQ(reading.sampleCount, c.values.size());
    EXPECT_EQ(reading.values, c.values);
  }
}

// Sample i of a long file; varied enough that a misplaced byte changes it.
std::int32_t Pattern(int i) {
  return i * 2311 % 65536 - 32768;
}

TEST(SampleReader, RefillsAcrossBufferBoundaries) {
  struct Case {
    const char* name;
    SampleKind kind;
    FormatFields fields;
    int count;
    int bytesPerSample;
    std::int32_t storedScale;  // reaches the top bytes of the container
    std::int32_t valueScale;
  };
  const std::vector<Case> cases = {
      {"16-bit", SampleKind::Int16, {}, 7001, 2, 1, 1},
      {"24-bit", SampleKind::Int24, kPcm24, 4001, 3, 1, 1},
      {"32-bit", SampleKind::Int32, kPcm32, 3001, 4, 65536, 65536},
      {"24 in 32", SampleKind::Int24, kExtensible24In32, 3001, 4, 256, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes data;
    std::vector<float> expected;
    for (int i = 0; i < c.count; ++i) {
      AppendLe(data, static_cast<std::uint32_t>(Pattern(i) * c.storedScale), c.bytesPerSample);
      expected.push_back(static_cast<float>(Pattern(i) * c.valueScale));
    }
    const Reading reading = ReadAll(c.kind, SimpleWave(c.fields, data));
    ASSERT_EQ(reading.code, 1);
    EXPECT_EQ(reading.sampleCount, static_cast<std::uint32_t>(c.count));
    EXPECT_EQ(reading.values, expected);
  }
}

TEST(SampleReader, CloseEndsReadingAndReopeningStartsOver) {
  TempDir dir;
  const auto path = dir.Write("t.wav", SimpleWave({.rate = 22050}, Le16({10, 20})));
  SampleReader reader;
  float value = 0;
  EXPECT_FALSE(reader.Read(value));  // never opened
  ASSERT_EQ(reader.Open(SampleKind::Int16, path), 1);
  EXPECT_EQ(reader.Channels(), 1u);
  EXPECT_EQ(reader.SampleRate(), 22050u);
  ASSERT_TRUE(reader.Read(value));
  EXPECT_EQ(value, 10);
  reader.Close();
  EXPECT_FALSE(reader.Read(value));
  ASSERT_EQ(reader.Open(SampleKind::Int16, path), 1);
  ASSERT_TRUE(reader.Read(value));
  EXPECT_EQ(value, 10);
  ASSERT_TRUE(reader.Read(value));
  EXPECT_EQ(value, 20);
  EXPECT_FALSE(reader.Read(value));
  EXPECT_FALSE(reader.Read(value));
  // A failed open leaves nothing to read.
  EXPECT_EQ(reader.Open(SampleKind::Int24, path), -14);
  EXPECT_FALSE(reader.Read(value));
}

}  // namespace
}  // namespace zef::wav
