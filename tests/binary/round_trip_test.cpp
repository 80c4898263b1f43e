#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "binary/binary_writer.h"
#include "binary_fixture.h"
#include "model/fixed_text.h"
#include "model/random_set.h"
#include "textformat/text_reader.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::EmbeddedKind;
using model::FilterKind;
using model::FormatKind;

// What a binary does not carry or reads differently: the draft number, the
// DXF file's name and parsed lists (the file itself is embedded), figures
// derived after a read, the lowest bands, phase blocks without phase data.
void ExpectedAfterBinary(model::DataSet& set) {
  set.draft = 0;
  set.cabinet.dxfPath.clear();
  set.cabinet.dxfEdges.clear();
  set.cabinet.dxfFaces.clear();
  set.impedance = {};
  const std::uint32_t lowest = set.kind == FormatKind::Zef1 ? 1 : 3;
  set.data.MinBand() = std::max(set.data.MinBand(), lowest);
  if (!(set.kind == FormatKind::Zef2 && set.version == 2 && set.HasPhaseData())) {
    set.phase.reset();
    set.filter.reset();
  }
}

TEST(BinaryRoundTrip, EverySampleTextReadsBackFromItsBinary) {
  int samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZEF_SAMPLES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    model::LineSink sink;
    textformat::TextReadResult text = textformat::ReadTextFile(entry.path(), sink);
    if (!text.set) continue;  // a companion file
    SCOPED_TRACE(entry.path().filename().string());
    ++samples;
    EXPECT_EQ(text.result, textformat::kReadClean) << ::testing::PrintToString(sink.Lines());
    const ReadBack read = ReadImage(text.set->kind, BuildBinaryImage(*text.set));
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    ExpectedAfterBinary(*text.set);
    EXPECT_TRUE(model::testing::SameDataSet(*read.set, *text.set));
  }
  EXPECT_GE(samples, 3);
}

TEST(BinaryWriter, OnlyAVersionTwoZef2SetCarriesTheExtension) {
  const struct {
    FormatKind kind;
    std::uint32_t version, headerVersion;
    std::size_t size;
  } cases[] = {{FormatKind::Zef1, 2, 1, kZef1SectionsOffset + 8},
               {FormatKind::Zef2, 1, 1, kZef2ExtensionOffset + 8},
               {FormatKind::Zef2, 2, 2, kPhaseOffset + 8}};
  for (const auto& c : cases) {
    const Image image = BuildBinaryImage(*FilledSet(c.kind, c.version));
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(ReadImage(c.kind, image).header.version, c.headerVersion);
  }
}

TEST(BinaryWriter, HeaderCarriesWriterFieldsAndOptionsFillTheOpenInfoFields) {
  auto set = FilledSet(FormatKind::Zef2, 2);
  set->draft = 1;  // written as a finished file: readers refuse draft flags
  WriteOptions options;
  options.author = "Acoustics Lab";
  options.creatorCategory = 1;
  options.writerText = "compiled";
  options.writerMark = 3;
  options.writerVersion = "v2.10abc";  // fills all 8 bytes
  const ReadBack read = ReadImage(FormatKind::Zef2, BuildBinaryImage(*set, options));
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_EQ(read.header.writerMark, 3u);
  EXPECT_EQ(std::string(read.header.writerVersion, 8), "v2.10abc");
  EXPECT_EQ(model::TextOf(read.set->info->author), "Acoustics Lab");
  EXPECT_EQ(read.set->info->creatorCategory, 1u);
  EXPECT_EQ(model::TextOf(read.set->info->writerText), "compiled");
  EXPECT_EQ(model::TextOf(read.set->info->modelName), "Box 12 \xE9lan");
}

}  // namespace
}  // namespace zef::binary
