#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::EmbeddedKind;
using model::FormatKind;

const std::string kMissingEmbed = "file has insufficient data (missing file embed info).";

Image Records(std::uint32_t cabinetFlags = 0) {
  auto set = FilledSet(FormatKind::Zef1);
  set->info->cabinetFlags = cabinetFlags;
  return RecordsOnly(*set);
}

void AppendText(Image& image, std::string_view text) {
  for (const char c : text) image.push_back(static_cast<std::byte>(c));
}

TEST(EmbeddedFiles, FirstFileOfEachSlotIsKeptAndASecondSkipped) {
  Image image = Records();
  const std::pair<std::uint32_t, std::string_view> files[] = {
      {2, "%PDF"}, {1, "later"}, {3, "DXF"}, {3, "no"}};
  for (const auto& [kind, text] : files) {
    AppendU32s(image, {kind, static_cast<std::uint32_t>(text.size())});
    AppendText(image, text);
  }
  AppendU32s(image, {0, 0});
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  const model::CabinetGeometry& c = read.set->cabinet;
  EXPECT_EQ(c.infoFile, (model::EmbeddedFile{EmbeddedKind::Pdf, {'%', 'P', 'D', 'F'}}));
  EXPECT_EQ(c.dxfFile, (model::EmbeddedFile{EmbeddedKind::Dxf, {'D', 'X', 'F'}}));
}

TEST(EmbeddedFiles, KindAboveThreeEndsTheSectionWithoutSkippingItsSize) {
  Image image = Records(model::cabinet_flag::kEdges);
  AppendU32s(image, {4, 1000, 0});  // the edge count follows the entry head directly
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_TRUE(read.set->cabinet.edges.empty());
}

TEST(EmbeddedFiles, SectionTheFileCannotHoldFailsBeforeAllocating) {
  const std::vector<std::vector<std::uint32_t>> sections = {
      {},                                 // no end entry
      {0},                                // half an end entry
      {1, 0xFFFFFFFF},                    // hostile size
      {3, 9, 0x34333231, 0x38373635},     // eight bytes of nine
      {1, 4, 'x', 1, 0xFFFFFFF0u, 0, 0},  // a skipped second file is checked the same
  };
  for (const auto& words : sections) {
    Image image = Records();
    for (const std::uint32_t w : words) AppendU32s(image, {w});
    EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines, FileError(kMissingEmbed))
        << ::testing::PrintToString(words);
  }
}

}  // namespace
}  // namespace zef::binary
