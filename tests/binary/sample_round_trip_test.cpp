#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "binary/binary_writer.h"
#include "binary_fixture.h"
#include "model/fixed_text.h"
#include "textformat/text_reader.h"

namespace zef::binary {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// What a binary cannot carry or reads differently: the draft number (binaries
// are never drafts), the DXF file's name and parsed lists (the file itself is
// embedded), the lowest bands a binary reader raises, figures derived after a
// read, and phase blocks of sets without phase data.
void ExpectedAfterBinary(model::DataSet& set) {
  set.draft = 0;
  set.cabinet.dxfPath.clear();
  set.cabinet.dxfEdges.clear();
  set.cabinet.dxfFaces.clear();
  set.impedance = {};
  const std::uint32_t lowest = set.kind == model::FormatKind::Zef1 ? 1 : 3;
  set.data.MinBand() = std::max(set.data.MinBand(), lowest);
  if (!(set.kind == model::FormatKind::Zef2 && set.version == 2 && set.HasPhaseData())) {
    set.phase.reset();
    set.filter.reset();
  }
}

TEST(SampleRoundTrip, EverySampleTextReadsBackFromItsBinary) {
  int samples = 0;
  for (const auto& entry : fs::directory_iterator(ZEF_SAMPLES_DIR)) {
    model::LineSink sink;
    textformat::TextReadResult text = textformat::ReadTextFile(entry.path(), sink);
    if (entry.path().extension() != ".txt" || !text.set) continue;  // companion files
    SCOPED_TRACE(entry.path().filename().string());
    ++samples;
    EXPECT_EQ(text.result, textformat::kReadClean) << ::testing::PrintToString(sink.Lines());

    ReadBack read = ReadImage(text.set->kind, WrittenImage(*text.set));
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    ExpectedAfterBinary(*text.set);
    EXPECT_TRUE(SameContent(*read.set, *text.set));
  }
  EXPECT_GE(samples, 3);
}

}  // namespace
}  // namespace zef::binary
