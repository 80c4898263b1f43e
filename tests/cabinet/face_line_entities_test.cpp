#include <gtest/gtest.h>

#include "dxf_text.h"

namespace zef::cabinet {
namespace {

using model::Edge;
using testing::DxfText;
using testing::Entities;
using testing::MakeFace;
using testing::Parse;

TEST(Dxf3dFace, FourCornersColourAndInvisibleEdges) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "3DFACE")(8, "0")(62, "7").Point(10, 0, 0, 0).Point(11, 1, 0, 0);
    d.Point(12, 1, 1, 0).Point(13, 0, 1, 0.5)(70, "5");
  }));
  ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
  EXPECT_EQ(parsed.Faces(),
            (std::vector{MakeFace(0x07F8F8, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0.5}})}));
  // Bits 1 and 4 hide the first and third sides.
  EXPECT_EQ(parsed.Edges(),
            (std::vector<Edge>{{{1, 0, 0}, {1, 1, 0}, 0}, {{0, 1, 0.5}, {0, 0, 0}, 0}}));
}

TEST(Dxf3dFace, TrianglesAndTheirEdges) {
  // A fourth corner equal to the third, and one left out, give triangles;
  // without group 70 there are no edges.
  const auto noFlags = Parse(Entities([](DxfText& d) {
    d(0, "3DFACE").Point(10, 0, 0, 0).Point(11, 2, 0, 0).Point(12, 0, 2, 0).Point(13, 0, 2, 0);
    d(0, "3DFACE").Point(10, 0, 0, 1).Point(11, 2, 0, 1).Point(12, 0, 2, 1);
  }));
  ASSERT_TRUE(noFlags.result.ok);
  EXPECT_EQ(noFlags.Faces(), (std::vector{MakeFace(0x808080, {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}}),
                                          MakeFace(0x808080, {{0, 0, 1}, {2, 0, 1}, {0, 2, 1}})}));
  EXPECT_TRUE(noFlags.Edges().empty());

  // Bit 4 hides the third side, which closes a triangle.
  const auto withFlags = Parse(Entities([](DxfText& d) {
    d(0, "3DFACE").Point(10, 0, 0, 0).Point(11, 2, 0, 0).Point(12, 0, 2, 0)(70, "4");
  }));
  EXPECT_EQ(withFlags.Edges(),
            (std::vector<Edge>{{{0, 0, 0}, {2, 0, 0}, 0}, {{2, 0, 0}, {0, 2, 0}, 0}}));
}

TEST(Dxf3dFace, MissingCoordinatesAreZeroNotLeftOvers) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "3DFACE").Point(10, 5, 5, 5).Point(11, 6, 6, 6).Point(12, 7, 7, 7).Point(13, 8, 8, 8);
    d(0, "3DFACE")(10, 1.0)(21, 2.0)(32, 3.0)(13, 4.0);
  }));
  ASSERT_TRUE(parsed.result.ok);
  // Corner 4 takes what it leaves out from corner 3.
  EXPECT_EQ(parsed.lists.faces[0],
            MakeFace(0x808080, {{1, 0, 0}, {0, 2, 0}, {0, 0, 3}, {4, 0, 3}}));
}

TEST(DxfLine, EdgeInItsColour) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "LINE")(62, "1").Point(10, 1, 2, 3).Point(11, 4, 5, 6);
    d(0, "LINE")(62, "256")(11, 7.0);   // the start takes 0 for what it leaves out
    d(0, "LINE")(62, "0")(8, "WALLS");  // no end point at all: nothing
  }));
  ASSERT_TRUE(parsed.result.ok);
  EXPECT_EQ(parsed.Edges(), (std::vector<Edge>{{{1, 2, 3}, {4, 5, 6}, 0x01FEFE},
                                               {{0, 0, 0}, {7, 0, 0}, 0xC8C8C8}}));
  EXPECT_TRUE(parsed.Faces().empty());
}

}  // namespace
}  // namespace zef::cabinet
