#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <vector>

#include "case_file.h"
#include "wav/wav_image.h"
#include "wav/wav_reader.h"

namespace zef::wav {
namespace {

using namespace testing;  // the image builders
using zef::testing::ReadCases;

constexpr const char* kKinds[] = {"Int16", "Int24", "Int32", "Float32"};

SampleKind KindNamed(const std::string& name) {
  return static_cast<SampleKind>(std::find(std::begin(kKinds), std::end(kKinds), name) -
                                 std::begin(kKinds));
}

// The file a case names: "!missing" and "!folder" stand for those, else an image.
std::filesystem::path Place(const TempDir& dir, const std::string& image) {
  if (image == "!missing") return dir.Path("missing.wav");
  return image == "!folder" ? dir.Path("") : dir.Write("t.wav", ImageOf(image));
}

TEST(WavHeader, ReadsOrRefusesEachCaseFile) {
  for (const auto& c : ReadCases("wav/cases/headers.txt")) {
    TempDir dir;
    FormatRecord format{};
    HeaderInfo i;
    i.sampleCount = 99;  // shows what a failed read leaves
    const int code = ReadHeader(Place(dir, c[0]), format, i);
    std::ostringstream got;
    got << code << " | ";
    if (code != 0) got << ErrorMessage(code) << " n=" << i.sampleCount;
    if (code == 0) {
      got << kKinds[static_cast<int>(KindOf(i))] << " tag=" << format.formatTag
          << " ch=" << i.channels << " bits=" << i.bitsPerSample << "/" << i.bytesPerSample
          << " n=" << i.sampleCount << " rate=" << i.sampleRate << (i.isFloat ? " float" : "")
          << (i.extensible ? " extensible" : "") << " cb=" << format.extensionSize;
    }
    EXPECT_EQ(got.str(), c[1] + " | " + c[2]) << c.where;
  }
}

TEST(WavErrorMessage, GivesTheTextOfEveryCode) {
  for (const auto& c : ReadCases("wav/cases/messages.txt"))
    EXPECT_EQ(ErrorMessage(std::stoi(c[0])), c[1]) << c.where;
}

// Reads until the reader says no more; the limit only guards against a runaway reader.
std::vector<float> ReadAll(SampleReader& reader) {
  std::vector<float> values;
  float value = 0;
  while (values.size() < 100000 && reader.Read(value)) values.push_back(value);
  return values;
}

TEST(SampleReader, DeliversTheSamplesOrRefusesEachCaseFile) {
  for (const auto& c : ReadCases("wav/cases/samples.txt")) {
    TempDir dir;
    SampleReader reader;
    EXPECT_EQ(reader.Open(KindNamed(c[1]), Place(dir, c[0])), std::stoi(c[2])) << c.where;
    std::vector<float> expected;
    std::istringstream values(c[3]);
    for (std::string v; values >> v && v != "-";) {
      if (!v.starts_with("ramp:")) expected.push_back(std::stof(v));
      // "ramp:count,scale": RampSample(0...) times scale
      for (std::uint32_t i = 0; v.starts_with("ramp:") && i < std::stoul(v.substr(5)); ++i)
        expected.push_back(
            static_cast<float>(RampSample(i) * std::stoi(v.substr(v.find(',') + 1))));
    }
    EXPECT_EQ(ReadAll(reader), expected) << c.where;
    if (c[2] == "1") {
      EXPECT_EQ(reader.SampleCount(), expected.size()) << c.where;
    }
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
  EXPECT_EQ(ReadAll(reader), (std::vector<float>{10, 20}));
  EXPECT_EQ(reader.Open(SampleKind::Int24, path), -14);  // a failed open leaves nothing to read
  EXPECT_FALSE(reader.Read(value));
}

}  // namespace
}  // namespace zef::wav
