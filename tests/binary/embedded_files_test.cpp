#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::EmbeddedKind;
using model::FormatKind;

const std::string kMissingEmbed = "file has insufficient data (missing file embed info).";

Image Zef1Records(std::uint32_t cabinetFlags = 0) {
  auto set = FilledSet(FormatKind::Zef1);
  set->info->cabinetFlags = cabinetFlags;
  return RecordsOnly(*set);
}

void AppendText(Image& image, std::string_view text) {
  for (const char c : text) image.push_back(static_cast<std::byte>(c));
}

TEST(EmbeddedFiles, SectionMustEndWithAnEntryHead) {
  Image image = Zef1Records();
  EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines, FileError(kMissingEmbed));
  AppendU32s(image, {0});  // half an entry head
  EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines, FileError(kMissingEmbed));
  AppendU32s(image, {0});
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set);
  // With cabinet flags 0 nothing follows the end entry.
  EXPECT_EQ(read.set->cabinet.infoFile.kind, EmbeddedKind::None);
}

TEST(EmbeddedFiles, FirstFileOfEachSlotIsKeptAndASecondSkipped) {
  Image image = Zef1Records();
  AppendU32s(image, {2, 4});
  AppendText(image, "%PDF");
  AppendU32s(image, {1, 5});
  AppendText(image, "later");
  AppendU32s(image, {3, 3});
  AppendText(image, "DXF");
  AppendU32s(image, {3, 2});
  AppendText(image, "no");
  AppendU32s(image, {0, 0});
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  const model::CabinetGeometry& c = read.set->cabinet;
  EXPECT_EQ(c.infoFile.kind, EmbeddedKind::Pdf);
  EXPECT_EQ(std::string(c.infoFile.bytes.begin(), c.infoFile.bytes.end()), "%PDF");
  EXPECT_EQ(c.dxfFile.kind, EmbeddedKind::Dxf);
  EXPECT_EQ(std::string(c.dxfFile.bytes.begin(), c.dxfFile.bytes.end()), "DXF");
}

TEST(EmbeddedFiles, KindAboveThreeEndsTheSectionWithoutSkippingItsSize) {
  Image image = Zef1Records(model::cabinet_flag::kEdges);
  AppendU32s(image, {4, 1000});
  AppendU32s(image, {0});  // the edge count follows the entry head directly
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_TRUE(read.set->cabinet.edges.empty());
}

TEST(EmbeddedFiles, PayloadLargerThanTheRestOfTheFileFailsBeforeAllocating) {
  for (const std::uint32_t kind : {1u, 2u, 3u}) {
    for (const std::uint32_t size : {0xFFFFFFFFu, 9u}) {
      Image image = Zef1Records();
      AppendU32s(image, {kind, size});
      AppendText(image, "12345678");  // eight bytes: one short of nine
      EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines, FileError(kMissingEmbed));
    }
  }
  // The same holds for a file skipped because its slot is taken.
  Image image = Zef1Records();
  AppendU32s(image, {1, 1});
  AppendText(image, "x");
  AppendU32s(image, {1, 0xFFFFFFF0u, 0, 0});
  EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines, FileError(kMissingEmbed));
}

}  // namespace
}  // namespace zef::binary
