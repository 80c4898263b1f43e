#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "wav/wav_image.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

using namespace testing;  // the image builders

struct HeaderResult {
  int code = -100;
  FormatRecord format{};
  HeaderInfo info;
};

HeaderResult ReadImage(const Bytes& image) {
  TempDir dir;
  HeaderResult result;
  result.info.sampleCount = 99;  // shows what a failed read leaves
  result.code = ReadHeader(dir.Write("t.wav", image), result.format, result.info);
  return result;
}

const Bytes kTenBytes(10, 0);
const FormatFields kExtensible24In32{.tag = kTagExtensible, .bits = 32, .validBits = 24};
const FormatFields kExtensibleFloat{
    .tag = kTagExtensible, .bits = 32, .validBits = 32, .subFormat = kTagFloat};

auto Fields(const HeaderInfo& i) {
  return std::tuple(i.isFloat, i.extensible, i.channels, i.bitsPerSample, i.sampleCount,
                    i.sampleRate, i.bytesPerSample);
}

// The layout, and the sample reader it asks for.
TEST(WavHeader, ReportsTheLayoutOfEachSampleFormat) {
  const std::vector<std::tuple<FormatFields, int, HeaderInfo, SampleKind>> cases = {
      {{.rate = 44100}, 10, {false, false, 1, 16, 5, 44100, 2}, SampleKind::Int16},
      {{.channels = 2, .bits = 24}, 12, {false, false, 2, 24, 4, 48000, 3}, SampleKind::Int24},
      {{.bits = 32}, 12, {false, false, 1, 32, 3, 48000, 4}, SampleKind::Int32},
      {{.tag = kTagFloat, .bits = 32}, 8, {true, false, 1, 32, 2, 48000, 4}, SampleKind::Float32},
      {kExtensible24In32, 12, {false, true, 1, 24, 3, 48000, 4}, SampleKind::Int24},
      {kExtensibleFloat, 8, {true, true, 1, 32, 2, 48000, 4}, SampleKind::Float32},
  };
  for (const auto& [fields, size, expected, kind] : cases) {
    const HeaderResult result = ReadImage(SimpleWave(fields, Bytes(size, 0)));
    ASSERT_EQ(result.code, 0) << fields.tag << " " << fields.bits;
    EXPECT_EQ(Fields(result.info), Fields(expected)) << fields.tag << " " << fields.bits;
    EXPECT_EQ(result.format.formatTag, fields.tag);
    EXPECT_EQ(KindOf(result.info), kind) << fields.tag << " " << fields.bits;
  }
}

TEST(WavHeader, RefusesMalformedFilesWithTheirCode) {
  const Bytes pcm16 = FormatBody({});
  Bytes notWave = SimpleWave({}, kTenBytes);
  notWave[8] = 'A';
  Bytes extensionCut = FormatBody(kExtensible24In32);
  extensionCut.resize(18);
  const std::vector<std::tuple<const char*, Bytes, int>> cases = {
      {"empty file", {}, 2},
      {"not WAVE", notWave, 2},
      {"no fmt", WaveImage({{"data", kTenBytes}}), 3},
      {"fmt ends early", WaveImage({{"fmt ", Bytes(pcm16.begin(), pcm16.begin() + 14)}}), 4},
      {"fmt size hostile", WaveImage({{"fmt ", pcm16, 0xFFFFFFFF}}), 4},
      {"extensible fmt without extension", WaveImage({{"fmt ", extensionCut}}), 4},
      {"adpcm", SimpleWave({.tag = 2}, kTenBytes), 5},
      {"float of 16 bits", SimpleWave({.tag = kTagFloat, .bits = 16}, kTenBytes), 5},
      {"extensible of another kind",
       SimpleWave({.tag = kTagExtensible, .bits = 16, .validBits = 16, .subFormat = 2}, kTenBytes),
       5},
      {"no data", WaveImage({{"fmt ", pcm16}}), 6},
      {"data before fmt", WaveImage({{"data", kTenBytes}, {"fmt ", pcm16}}), 6},
      {"data behind a hostile chunk",
       WaveImage({{"fmt ", pcm16}, {"LIST", {}, 0xFFFFFFF0}, {"data", kTenBytes}}), 6},
      {"data outside the RIFF form", WaveImage({{"fmt ", pcm16}, {"data", kTenBytes}}, 28), 6},
      {"no channels", SimpleWave({.channels = 0}, kTenBytes), 7},
      {"8 bits", SimpleWave({.bits = 8}, kTenBytes), 8},
      {"container narrower than its samples",
       SimpleWave({.tag = kTagExtensible, .bits = 16, .validBits = 24}, kTenBytes), 8},
      {"container of odd bits",
       SimpleWave({.tag = kTagExtensible, .bits = 28, .validBits = 24}, kTenBytes), 8},
  };
  for (const auto& [name, image, code] : cases) {
    const HeaderResult result = ReadImage(image);
    EXPECT_EQ(result.code, code) << name;
    EXPECT_EQ(result.info.sampleCount, 99u) << name;
  }
  TempDir dir;
  HeaderResult result;
  EXPECT_EQ(ReadHeader(dir.Path("missing.wav"), result.format, result.info), 1);
  EXPECT_EQ(ReadHeader(dir.Path(""), result.format, result.info), 11);  // the folder itself
}

TEST(WavHeader, WalksPastOtherChunksToTheFirstData) {
  Bytes longFormat = FormatBody({.channels = 2});
  longFormat.resize(51, 0x55);  // a vendor extension past the record, odd sized
  const std::vector<ChunkImage> chunks = {{"JUNK", Bytes(3, 1)},
                                          {"fmt ", longFormat},
                                          {"LIST", Bytes(5, 'x')},
                                          {"data", kTenBytes},
                                          {"data", Bytes(40, 0)}};
  const HeaderResult result = ReadImage(WaveImage(chunks));
  ASSERT_EQ(result.code, 0);
  EXPECT_EQ(result.info.channels, 2u);
  EXPECT_EQ(result.info.sampleCount, 5u);
  EXPECT_EQ(result.format.extensionSize, 0x5555);
}

// A cut or overstated data chunk and a trailing byte: the sample reader's tests.
TEST(WavHeader, NeverCountsMoreSamplesThanTheFileHolds) {
  const auto extensible = [](std::uint16_t channels, std::uint16_t blockAlign) {
    return FormatFields{.tag = kTagExtensible,
                        .channels = channels,
                        .bits = 32,
                        .blockAlign = blockAlign,
                        .validBits = 24};
  };
  const std::vector<std::tuple<const char*, Bytes, std::uint32_t>> cases = {
      {"riff size hostile", WaveImage({{"fmt ", FormatBody({})}, {"data", kTenBytes}}, ~0u), 5},
      {"extensible without block alignment", SimpleWave(extensible(1, 0), Bytes(12, 0)), 3},
      {"block alignment too small", SimpleWave(extensible(1, 1), Bytes(12, 0)), 3},
      {"extensible stereo by block alignment", SimpleWave(extensible(2, 12), Bytes(24, 0)), 4},
  };
  for (const auto& [name, image, count] : cases) {
    const HeaderResult result = ReadImage(image);
    ASSERT_EQ(result.code, 0) << name;
    EXPECT_EQ(result.info.sampleCount, count) << name;
  }
}

TEST(WavErrorMessage, GivesTheTextOfEveryCode) {
  const std::string checks[] = {"Error opening WAV",
                                "Not a RIFF WAVE WAV",
                                "No 'fmt ' chunk in WAV",
                                "WAVFORMATEX size error in WAV",
                                "Not PCM or IEEE 32-bit float data WAV",
                                "No 'data' chunk in WAV",
                                "Not a mono or stereo WAV",
                                "Not a 16,24 or 32-bit WAV",
                                "Not a PCM data WAV",
                                "Not an IEEE 32-bit float data WAV",
                                "WAV is not a regular file",
                                "WAV is larger than 67108864 bytes"};
  for (int code = 1; code <= 12; ++code) {
    EXPECT_EQ(ErrorMessage(code), checks[code - 1]) << code;
    EXPECT_EQ(ErrorMessage(-6 - code), checks[code - 1]) << code;  // as a sample reader gives it
  }
  const std::string files[] = {"Invalid file handle", "Open file for read failed",
                               "Open file for read-write failed", "Create file for read failed"};
  for (int code = -1; code >= -4; --code) EXPECT_EQ(ErrorMessage(code), files[-code - 1]);
  for (const int code : {-5, -6, -19, 0, 13}) EXPECT_EQ(ErrorMessage(code), "error not defined");
}

}  // namespace
}  // namespace zef::wav
