#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FormatKind;
namespace flag = model::cabinet_flag;

const std::string kEdgeShort = "file has insufficient cabinet edge data";
const std::string kFaceShort = "file has insufficient cabinet face data";
const std::string kFaceEdgeShort = "file has insufficient cabinet face-edge data";

// The records and an empty embedded-file section, ready for a cabinet section.
Image CabinetStart(std::uint32_t flags) {
  auto set = FilledSet(FormatKind::Zef1);
  set->info->cabinetFlags = flags;
  Image image = RecordsOnly(*set);
  AppendU32s(image, {0, 0});
  return image;
}

void AppendEdge(Image& image, float base, std::uint32_t colour) {
  AppendFloats(image, {base, base + 1, base + 2, base + 3, base + 4, base + 5});
  AppendU32s(image, {colour});
}

TEST(CabinetSection, ListsAreReadOnlyAsTheFlagsAnnounce) {
  // Edge flag only: a count of 0 reads nothing; the faces are not looked for.
  Image image = CabinetStart(flag::kEdges | flag::kRectangular);
  AppendU32s(image, {0});
  ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_TRUE(read.set->cabinet.edges.empty());

  // No list flags: bytes after the embedded files are ignored.
  image = CabinetStart(flag::kDxf);
  AppendU32s(image, {7});
  EXPECT_TRUE(ReadImage(FormatKind::Zef1, image).set);

  // Face flag: faces and face-edges, the edge list left out.
  image = CabinetStart(flag::kFaces);
  AppendU32s(image, {0, 1});
  AppendEdge(image, 10, 0xABCDEF);
  read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  ASSERT_EQ(read.set->cabinet.faceEdges.size(), 1u);
  EXPECT_EQ(read.set->cabinet.faceEdges[0].second, (model::Point3{13, 14, 15}));
  EXPECT_EQ(read.set->cabinet.faceEdges[0].colour, 0xABCDEFu);
}

TEST(CabinetSection, FaceOfTwoVerticesIsReadPastAndDropped) {
  Image image = CabinetStart(flag::kFaces);
  AppendU32s(image, {2, 0x11, 2});
  AppendFloats(image, {1, 1, 1, 2, 2, 2});
  AppendU32s(image, {0x22, 3});
  AppendFloats(image, {0, 0, 0, 1, 0, 0, 0, 1, 0});
  AppendU32s(image, {0});
  const ReadBack read = ReadImage(FormatKind::Zef1, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  ASSERT_EQ(read.set->cabinet.faces.size(), 1u);
  EXPECT_EQ(read.set->cabinet.faces[0].colour, 0x22u);
  EXPECT_EQ(read.set->cabinet.faces[0].vertices[2], (model::Point3{0, 1, 0}));
}

TEST(CabinetSection, EachShortListFailsWithItsOwnMessage) {
  struct Case {
    std::uint32_t flags;
    std::vector<std::uint32_t> words;  // the section as whole words
    std::string message;
  };
  const std::vector<Case> cases = {
      {flag::kEdges, {}, kEdgeShort},                           // no count
      {flag::kEdges, {1, 0, 0, 0, 0, 0, 0}, kEdgeShort},        // 24 of 28 bytes
      {flag::kEdges, {0xFFFFFFFF}, kEdgeShort},                 // hostile count
      {flag::kEdges | flag::kFaces, {0}, kFaceShort},           // edges fine, no face count
      {flag::kFaces, {1}, kFaceShort},                          // no face head
      {flag::kFaces, {1, 0}, kFaceShort},                       // half a face head
      {flag::kFaces, {1, 0, 3, 0, 0, 0, 0, 0, 0}, kFaceShort},  // two of three vertices
      {flag::kFaces, {1, 0, 0xFFFFFFFF}, kFaceShort},           // hostile vertex count
      {flag::kFaces, {0xFFFFFFFF, 0, 0}, kFaceShort},           // hostile face count
      {flag::kFaces, {0}, kFaceEdgeShort},                      // no face-edge count
      {flag::kFaces, {0, 2, 0, 0, 0, 0, 0, 0, 0}, kFaceEdgeShort},
      {flag::kFaces, {0, 0x40000000}, kFaceEdgeShort},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    Image image = CabinetStart(c.flags);
    for (const std::uint32_t w : c.words) AppendU32s(image, {w});
    const ReadBack read = ReadImage(FormatKind::Zef1, image);
    EXPECT_FALSE(read.set);
    EXPECT_EQ(read.lines, FileError(c.message));
  }
}

}  // namespace
}  // namespace zef::binary
