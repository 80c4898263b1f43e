#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "wav/wav_image.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

using testing::Bytes;
using testing::ChunkImage;
using testing::FormatBody;
using testing::FormatFields;
using testing::kTagExtensible;
using testing::kTagFloat;
using testing::kTagPcm;
using testing::SimpleWave;
using testing::TempDir;
using testing::WaveImage;

struct HeaderResult {
  int code = -100;
  FormatRecord format{};
  HeaderInfo info;
};

HeaderResult ReadImage(const Bytes& image) {
  TempDir dir;
  HeaderResult result;
  result.code = ReadHeader(dir.Write("t.wav", image), result.format, result.info);
  return result;
}

const Bytes kTenBytes(10, 0);

auto Fields(const HeaderInfo& info) {
  return std::tuple(info.isFloat, info.extensible, info.channels, info.bitsPerSample,
                    info.sampleCount, info.sampleRate, info.bytesPerSample);
}

TEST(WavHeader, ReportsTheLayoutOfEachSampleFormat) {
  struct Case {
    const char* name;
    FormatFields fields;
    Bytes data;
    HeaderInfo expected;
  };
  const std::vector<Case> cases = {
      {"pcm16 mono", {.rate = 44100}, kTenBytes, {false, false, 1, 16, 5, 44100, 2}},
      {"pcm24 stereo",
       {.channels = 2, .bits = 24},
       Bytes(12, 0),
       {false, false, 2, 24, 4, 48000, 3}},
      {"pcm32", {.bits = 32}, Bytes(12, 0), {false, false, 1, 32, 3, 48000, 4}},
      {"float32", {.tag = kTagFloat, .bits = 32}, Bytes(8, 0), {true, false, 1, 32, 2, 48000, 4}},
      {"extensible 24 in 32",
       {.tag = kTagExtensible, .bits = 32, .validBits = 24},
       Bytes(12, 0),
       {false, true, 1, 24, 3, 48000, 4}},
      {"extensible float",
       {.tag = kTagExtensible, .bits = 32, .validBits = 32, .subFormat = kTagFloat},
       Bytes(8, 0),
       {true, true, 1, 32, 2, 48000, 4}},
      {"empty data", {}, {}, {false, false, 1, 16, 0, 48000, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HeaderResult result = ReadImage(SimpleWave(c.fields, c.data));
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(Fields(result.info), Fields(c.expected));
    EXPECT_EQ(result.format.formatTag, c.fields.tag);
    EXPECT_EQ(result.format.bitsPerSample, c.fields.bits);
  }
}

TEST(WavHeader, RefusesMalformedFilesWithTheirCode) {
  const Bytes pcm16 = FormatBody({});
  const Bytes shortFormat(pcm16.begin(), pcm16.begin() + 14);
  Bytes notWave = SimpleWave({}, kTenBytes);
  notWave[8] = 'A';
  Bytes notRiff = SimpleWave({}, kTenBytes);
  notRiff[0] = 'X';
  Bytes extensibleWithoutExtension =
      FormatBody({.tag = kTagExtensible, .bits = 32, .validBits = 24});
  extensibleWithoutExtension.resize(18);

  struct Case {
    const char* name;
    Bytes image;
    int code;
  };
  const std::vector<Case> cases = {
      {"empty file", {}, 2},
      {"header cut", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'}, 2},
      {"not RIFF", notRiff, 2},
      {"not WAVE", notWave, 2},
      {"no fmt", WaveImage({{"data", kTenBytes, {}}}), 3},
      {"no chunks at all", WaveImage({}), 3},
      {"fmt shorter than 16", WaveImage({{"fmt ", shortFormat, {}}, {"data", kTenBytes, {}}}), 4},
      {"fmt beyond the file", WaveImage({{"fmt ", pcm16, 200}}), 4},
      {"fmt size hostile", WaveImage({{"fmt ", pcm16, 0xFFFFFFFF}}), 4},
      {"extensible fmt without extension",
       WaveImage({{"fmt ", extensibleWithoutExtension, {}}, {"data", kTenBytes, {}}}), 4},
      {"adpcm", SimpleWave({.tag = 2}, kTenBytes), 5},
      {"extensible of another kind",
       SimpleWave({.tag = kTagExtensible, .bits = 16, .validBits = 16, .subFormat = 2}, kTenBytes),
       5},
      {"float of 16 bits", SimpleWave({.tag = kTagFloat, .bits = 16}, kTenBytes), 5},
      {"no data", WaveImage({{"fmt ", pcm16, {}}}), 6},
      {"data before fmt", WaveImage({{"data", kTenBytes, {}}, {"fmt ", pcm16, {}}}), 6},
      {"data behind a hostile chunk",
       WaveImage({{"fmt ", pcm16, {}}, {"LIST", {}, 0xFFFFFFF0}, {"data", kTenBytes, {}}}), 6},
      {"data outside the RIFF form",
       WaveImage({{"fmt ", pcm16, {}}, {"data", kTenBytes, {}}}, 4 + 8 + 16), 6},
      {"no channels", SimpleWave({.channels = 0}, kTenBytes), 7},
      {"8 bits", SimpleWave({.bits = 8}, kTenBytes), 8},
      {"20 bits", SimpleWave({.bits = 20}, kTenBytes), 8},
      {"extensible without valid bits",
       SimpleWave({.tag = kTagExtensible, .bits = 32, .validBits = 0}, kTenBytes), 8},
      {"extensible container narrower than its samples",
       SimpleWave({.tag = kTagExtensible, .bits = 16, .validBits = 24}, kTenBytes), 8},
      {"extensible container of odd bits",
       SimpleWave({.tag = kTagExtensible, .bits = 28, .validBits = 24}, kTenBytes), 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadImage(c.image).code, c.code);
  }
}

TEST(WavHeader, FailureLeavesTheResultsAsTheyWere) {
  TempDir dir;
  FormatRecord format{};
  format.channels = 77;
  HeaderInfo info;
  info.sampleCount = 99;
  EXPECT_EQ(ReadHeader(dir.Path("missing.wav"), format, info), 1);
  EXPECT_EQ(ReadHeader(dir.Write("8bit.wav", SimpleWave({.bits = 8}, kTenBytes)), format, info), 8);
  EXPECT_EQ(ReadHeader(dir.Path(""), format, info), 1);  // the folder itself
  EXPECT_EQ(format.channels, 77);
  EXPECT_EQ(info.sampleCount, 99u);
}

TEST(WavHeader, WalksPastOtherChunks) {
  Bytes longFormat = FormatBody({.channels = 2});
  longFormat.resize(51, 0x55);  // a vendor extension past the record, odd sized
  const Bytes image = WaveImage({{"JUNK", Bytes(3, 1), {}},
                                 {"fmt ", longFormat, {}},
                                 {"fact", {}, {}},
                                 {"LIST", Bytes(5, 'x'), {}},
                                 {"data", kTenBytes, {}},
                                 {"data", Bytes(40, 0), {}}});
  const HeaderResult result = ReadImage(image);
  ASSERT_EQ(result.code, 0);
  EXPECT_EQ(result.info.channels, 2u);
  EXPECT_EQ(result.info.sampleCount, 5u);  // the first data chunk counts
  EXPECT_EQ(result.format.extensionSize, 0x5555);
}

TEST(WavHeader, NeverCountsMoreSamplesThanTheFileHolds) {
  const Bytes fmt16 = FormatBody({});
  Bytes cut = SimpleWave({}, Bytes(100, 0));
  cut.resize(cut.size() - 90);
  struct Case {
    const char* name;
    Bytes image;
    std::uint32_t count;
  };
  const std::vector<Case> cases = {
      {"data cut short", cut, 5},
      {"data size hostile", WaveImage({{"fmt ", fmt16, {}}, {"data", Bytes(6, 0), 0xFFFFFFFF}}), 3},
      {"riff size hostile", WaveImage({{"fmt ", fmt16, {}}, {"data", kTenBytes, {}}}, 0xFFFFFFFF),
       5},
      {"odd trailing byte", SimpleWave({}, Bytes(5, 0)), 2},
      {"extensible without block alignment",
       SimpleWave({.tag = kTagExtensible, .bits = 32, .blockAlign = 0, .validBits = 24},
                  Bytes(12, 0)),
       3},
      {"extensible block alignment too small",
       SimpleWave({.tag = kTagExtensible, .bits = 32, .blockAlign = 1, .validBits = 24},
                  Bytes(12, 0)),
       3},
      {"extensible stereo by block alignment",
       SimpleWave(
           {.tag = kTagExtensible, .channels = 2, .bits = 24, .blockAlign = 12, .validBits = 24},
           Bytes(24, 0)),
       4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HeaderResult result = ReadImage(c.image);
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.info.sampleCount, c.count);
  }
}

TEST(WavErrorMessage, GivesTheTextOfEveryCode) {
  const std::vector<std::string> checks = {
      "Error opening WAV",
      "Not a RIFF WAVE WAV",
      "No 'fmt ' chunk in WAV",
      "WAVFORMATEX size error in WAV",
      "Not PCM or IEEE 32-bit float data WAV",
      "No 'data' chunk in WAV",
      "Not a mono or stereo WAV",
      "Not a 16,24 or 32-bit WAV",
      "Not a PCM data WAV",
      "Not an IEEE 32-bit float data WAV",
  };
  for (int code = 1; code <= 10; ++code) {
    EXPECT_EQ(ErrorMessage(code), checks[code - 1]) << code;
    EXPECT_EQ(ErrorMessage(-6 - code), checks[code - 1]) << code;  // as a sample reader gives it
  }
  const std::vector<std::pair<int, std::string>> others = {
      {-1, "Invalid file handle"},
      {-2, "Open file for read failed"},
      {-3, "Open file for read-write failed"},
      {-4, "Create file for read failed"},
      {-5, "error not defined"},
      {-6, "error not defined"},
      {-17, "error not defined"},
      {0, "error not defined"},
      {11, "error not defined"},
  };
  for (const auto& [code, text] : others) EXPECT_EQ(ErrorMessage(code), text) << code;
}

TEST(WavKind, ChosenByBitsAndTheFloatFlag) {
  HeaderInfo info;
  const std::vector<std::tuple<std::uint32_t, bool, SampleKind>> cases = {
      {16, false, SampleKind::Int16},
      {24, false, SampleKind::Int24},
      {32, false, SampleKind::Int32},
      {32, true, SampleKind::Float32},
  };
  for (const auto& [bits, isFloat, kind] : cases) {
    info.bitsPerSample = bits;
    info.isFloat = isFloat;
    EXPECT_EQ(KindOf(info), kind) << bits << isFloat;
  }
}

}  // namespace
}  // namespace zef::wav
