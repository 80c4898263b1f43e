#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "binary/binary_writer.h"
#include "binary_fixture.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::EmbeddedKind;
using model::FilterKind;
using model::FormatKind;

struct RoundTripCase {
  const char* name;
  FormatKind kind;
  std::uint32_t version;
  bool phase;
  FilterKind filter;
  EmbeddedKind info;  // None: no embedded files
  bool cabinet;
};

class BinaryRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(BinaryRoundTrip, ReadsBackTheSetThatWasWritten) {
  const RoundTripCase& c = GetParam();
  auto set = FilledSet(c.kind, c.version);
  if (c.phase) AddPhase(*set, c.filter);
  if (c.info != EmbeddedKind::None) AddEmbeddedFiles(*set, c.info);
  if (c.cabinet) AddCabinetLists(*set);

  ReadBack read = ReadImage(c.kind, WrittenImage(*set));
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_TRUE(read.lines.empty());
  EXPECT_TRUE(SameContent(*read.set, *set));
  EXPECT_EQ(read.header.version, HeaderVersionFor(*set));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, BinaryRoundTrip,
    ::testing::Values(RoundTripCase{"Zef1", FormatKind::Zef1, 1, false, FilterKind::None,
                                    EmbeddedKind::None, false},
                      RoundTripCase{"Zef1Everything", FormatKind::Zef1, 1, false, FilterKind::None,
                                    EmbeddedKind::Text, true},
                      RoundTripCase{"Zef2V1", FormatKind::Zef2, 1, false, FilterKind::None,
                                    EmbeddedKind::Pdf, true},
                      RoundTripCase{"Zef2V2NoPhase", FormatKind::Zef2, 2, false, FilterKind::None,
                                    EmbeddedKind::Text, true},
                      RoundTripCase{"Zef2V2FilterNone", FormatKind::Zef2, 2, true, FilterKind::None,
                                    EmbeddedKind::None, false},
                      RoundTripCase{"Zef2V2FilterComplex", FormatKind::Zef2, 2, true,
                                    FilterKind::ThirdOctaveComplex, EmbeddedKind::Text, true},
                      RoundTripCase{"Zef2V2FilterFir", FormatKind::Zef2, 2, true,
                                    FilterKind::FirWav, EmbeddedKind::Pdf, true},
                      RoundTripCase{"Zef2V2FilterPending", FormatKind::Zef2, 2, true,
                                    FilterKind::Pending, EmbeddedKind::None, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BinaryWriter, ListsKeepTheirOrderAndPointsAreStoredAsGiven) {
  auto set = FilledSet(FormatKind::Zef1);
  AddCabinetLists(*set);
  ReadBack read = ReadImage(FormatKind::Zef1, WrittenImage(*set));
  ASSERT_TRUE(read.set);
  const model::CabinetGeometry& c = read.set->cabinet;
  ASSERT_EQ(c.edges.size(), 2u);
  EXPECT_EQ(c.edges[0].colour, 0x00FF00u);  // newest first
  EXPECT_EQ(c.edges[0].first, (model::Point3{0.5f, 0.25f, 0.125f}));
  EXPECT_EQ(c.edges[1].second, (model::Point3{1, 2, 3}));
  ASSERT_EQ(c.faces.size(), 2u);
  EXPECT_EQ(c.faces[0].vertices.size(), 4u);
  EXPECT_EQ(c.faces[0].vertices[3], (model::Point3{3, 4, 0.5f}));
  EXPECT_EQ(c.faceEdges.size(), 1u);
  EXPECT_FALSE(c.transform.IsOn());
}

TEST(BinaryWriter, HeaderCarriesWriterFieldsAndOptionsFillTheOpenInfoFields) {
  auto set = FilledSet(FormatKind::Zef2, 2);
  set->draft = 1;  // a draft is written as a finished file: readers refuse draft flags
  WriteOptions options;
  options.author = "Acoustics Lab";
  options.creatorCategory = 1;
  options.writerText = "compiled";
  options.writerMark = 3;
  options.writerVersion = "v2.10abc";  // fills all 8 bytes
  ReadBack read = ReadImage(FormatKind::Zef2, BuildBinaryImage(*set, options));
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_EQ(read.header.magic, kZef2Magic);
  EXPECT_EQ(read.header.draft, 0u);
  EXPECT_EQ(read.header.writerMark, 3u);
  EXPECT_EQ(std::string(read.header.writerVersion, 8), "v2.10abc");
  EXPECT_EQ(model::TextOf(read.set->info->author), "Acoustics Lab");
  EXPECT_EQ(read.set->info->creatorCategory, 1u);
  EXPECT_EQ(model::TextOf(read.set->info->writerText), "compiled");
  EXPECT_EQ(model::TextOf(read.set->info->modelName), "Box 12 \xE9lan");

  // Without options the set's own fields and the default writer version are kept.
  read = ReadImage(FormatKind::Zef2, BuildBinaryImage(*set));
  ASSERT_TRUE(read.set);
  EXPECT_EQ(model::TextOf(read.set->info->author), "Measured at the lab");
  EXPECT_EQ(read.set->info->creatorCategory, 2u);
  EXPECT_EQ(read.header.writerMark, 0u);
  EXPECT_STREQ(read.header.writerVersion, "v1.0f");
}

TEST(BinaryWriter, HeaderVersionFollowsKindAndFormatVersion) {
  EXPECT_EQ(HeaderVersionFor(*FilledSet(FormatKind::Zef1, 2)), 1u);
  EXPECT_EQ(HeaderVersionFor(*FilledSet(FormatKind::Zef2, 1)), 1u);
  EXPECT_EQ(HeaderVersionFor(*FilledSet(FormatKind::Zef2, 2)), 2u);
  // A ZEF1 set never carries the extension, whatever its version says.
  EXPECT_EQ(WrittenImage(*FilledSet(FormatKind::Zef1, 2)).size(), kZef1SectionsOffset + 8);
  EXPECT_EQ(WrittenImage(*FilledSet(FormatKind::Zef2, 2)).size(), kPhaseOffset + 8);
}

TEST(BinaryWriter, WritesAFileThatTheReaderChosenByNameOpens) {
  const auto folder = std::filesystem::temp_directory_path() / "zef-binary-writer-test";
  std::filesystem::create_directories(folder);
  auto set = FilledSet(FormatKind::Zef2, 2);
  AddPhase(*set, FilterKind::FirWav);
  std::string error;
  ASSERT_TRUE(WriteBinaryFile(folder / "box.zf2", *set, {}, error)) << error;
  model::LineSink sink;
  BinaryReadResult read = ReadBinaryFile(folder / "box.zf2", sink);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(sink.Lines());
  EXPECT_TRUE(SameContent(*read.set, *set));
  EXPECT_EQ(read.set->sourcePath, (folder / "box.zf2").string());

  EXPECT_FALSE(WriteBinaryFile(folder / "missing" / "box.ZF2", *set, {}, error));
  EXPECT_EQ(error, "Cannot write " + (folder / "missing" / "box.ZF2").string() + ": No such file or directory");
}

}  // namespace
}  // namespace zef::binary
