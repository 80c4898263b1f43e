#include <gtest/gtest.h>

#include <vector>

#include "model/byte_mutations.h"
#include "wav/wav_image.h"
#include "wav/wav_reader.h"
#include "wav/wav_writer.h"

namespace zef::wav {
namespace {

using namespace testing;  // the image builders
using model::testing::ByteMutations;

std::vector<Bytes> Originals() {
  const float taps[] = {0.5f, -0.25f, 1e-7f, 3.0e38f};
  std::vector<Bytes> images = {FloatWavImage(taps, 48000)};
  for (const char* format : {"1,1,48000,16 data i2", "1,1,48000,24 data i3", "1,2,48000,32 data i4",
                             "65534,1,48000,32,,24 data i4"})
    images.push_back(ImageOf("LIST 5*78 fmt_ F:" + std::string(format) + ":1,-2,3,-4,5,-6"));
  return images;
}

// Whatever the damage: the header reader gives 0 or a code with its message;
// a header that passes promises no more samples than the file holds and the
// fitting reader delivers them all; every other reader opens or says why.
TEST(WavProperty, DamagedFilesNeverCrashAndNeverPromiseTooMuch) {
  const std::vector<Bytes> originals = Originals();
  ByteMutations mutations(3);
  TempDir dir;
  const auto file = dir.Path("t.wav");
  int passed = 0;
  for (int i = 0; i < 160; ++i) {
    const Bytes image = mutations.Mutated(originals[i % originals.size()]);
    dir.Write("t.wav", image);
    FormatRecord format{};
    HeaderInfo info;
    const int code = ReadHeader(file, format, info);
    ASSERT_TRUE(code >= 0 && code <= 8) << code;
    if (code != 0) {
      ASSERT_NE(ErrorMessage(code), "error not defined");
    }
    passed += code == 0;
    for (const SampleKind kind :
         {SampleKind::Int16, SampleKind::Int24, SampleKind::Int32, SampleKind::Float32}) {
      SampleReader reader;
      const int opened = reader.Open(kind, file);
      if (opened != 1) {
        ASSERT_NE(ErrorMessage(opened), "error not defined") << opened;
        ASSERT_TRUE(code != 0 || kind != KindOf(info));
        continue;
      }
      ASSERT_EQ(code, 0);
      std::uint32_t delivered = 0;
      float sample = 0;
      while (delivered <= image.size() && reader.Read(sample)) ++delivered;
      ASSERT_LE(delivered * 2, image.size());
      if (kind == KindOf(info)) {
        ASSERT_GE(delivered, info.sampleCount);
      }
    }
  }
  EXPECT_GT(passed, 0);  // some damage left a readable file, so the readers were reached
}

}  // namespace
}  // namespace zef::wav
