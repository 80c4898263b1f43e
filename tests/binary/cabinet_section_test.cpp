#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FormatKind;
namespace flag = model::cabinet_flag;

// The records and an empty embedded-file section, ready for a cabinet section.
Image Section(std::uint32_t flags, const std::vector<std::uint32_t>& words = {}) {
  auto set = FilledSet(FormatKind::Zef1);
  set->info->cabinetFlags = flags;
  Image image = RecordsOnly(*set);
  AppendU32s(image, {0, 0});
  for (const std::uint32_t w : words) AppendU32s(image, {w});
  return image;
}

TEST(CabinetSection, ListsAreReadAsTheFlagsAnnounce) {
  // Edge flag alone: a count of 0 reads nothing and no faces are looked for.
  ReadBack read = ReadImage(FormatKind::Zef1, Section(flag::kEdges | flag::kRectangular, {0}));
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_TRUE(read.set->cabinet.edges.empty());
  // No list flags: what follows the embedded files is ignored.
  EXPECT_TRUE(ReadImage(FormatKind::Zef1, Section(flag::kDxf, {7})).set);

  // Face flag alone: faces (one of two vertices is read past and dropped), then face-edges.
  Image image = Section(flag::kFaces, {2, 0x11, 2});
  AppendFloats(image, {1, 1, 1, 2, 2, 2});
  AppendU32s(image, {0x22, 3});
  AppendFloats(image, {0, 0, 0, 1, 0, 0, 0, 1, 0});
  AppendU32s(image, {1});
  AppendFloats(image, {10, 11, 12, 13, 14, 15});
  AppendU32s(image, {0xABCDEF});
  read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  const model::CabinetGeometry& c = read.set->cabinet;
  ASSERT_EQ(c.faces.size(), 1u);
  EXPECT_EQ(c.faces[0].colour, 0x22u);
  EXPECT_EQ(c.faces[0].vertices[2], (model::Point3{0, 1, 0}));
  ASSERT_EQ(c.faceEdges.size(), 1u);
  EXPECT_EQ(c.faceEdges[0].second, (model::Point3{13, 14, 15}));
  EXPECT_EQ(c.faceEdges[0].colour, 0xABCDEFu);
}

TEST(CabinetSection, EachShortListFailsWithItsOwnMessage) {
  const std::string edge = "file has insufficient cabinet edge data";
  const std::string face = "file has insufficient cabinet face data";
  const std::string faceEdge = "file has insufficient cabinet face-edge data";
  const struct {
    std::uint32_t flags;
    std::vector<std::uint32_t> words;
    std::string message;
  } cases[] = {
      {flag::kEdges, {}, edge},                  // no count
      {flag::kEdges, {0xFFFFFFFF}, edge},        // hostile count
      {flag::kEdges | flag::kFaces, {0}, face},  // edges fine, no face count
      {flag::kFaces, {1, 0}, face},              // half a face head
      {flag::kFaces, {1, 0, 0xFFFFFFFF}, face},  // hostile vertex count
      {flag::kFaces, {0}, faceEdge},             // no face-edge count
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    const ReadBack read = ReadImage(FormatKind::Zef1, Section(c.flags, c.words));
    EXPECT_FALSE(read.set);
    EXPECT_EQ(read.lines, FileError(c.message));
  }
}

}  // namespace
}  // namespace zef::binary
