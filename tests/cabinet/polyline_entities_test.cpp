#include <gtest/gtest.h>

#include "dxf_text.h"

namespace zef::cabinet {
namespace {

using model::Edge;
using testing::DxfText;
using testing::Entities;
using testing::MakeFace;
using testing::Parse;

void Vertex(DxfText& d, double x, double y, double z, const char* flags) {
  d(0, "VERTEX")(8, "0").Point(10, x, y, z)(70, flags);
}

TEST(DxfPolyline, ThreeDimensionalClosedWithKeptCoordinates) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "POLYLINE")(8, "0")(66, "1").Point(10, 0, 0, 0)(70, "9")(62, "3");
    d(0, "VERTEX")(8, "0").Point(10, 0, 0, 0)(70, "32");
    d(0, "VERTEX")(10, 1.0)(70, "32");           // y and z kept
    d(0, "VERTEX")(20, 1.0)(30, 2.0)(70, "32");  // x kept
    d(0, "SEQEND")(8, "0");
    d(0, "LINE").Point(10, 5, 5, 5).Point(11, 6, 6, 6);
  }));
  ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
  EXPECT_EQ(parsed.Edges(), (std::vector<Edge>{{{0, 0, 0}, {1, 0, 0}, 0x03FCFC},
                                               {{1, 0, 0}, {1, 1, 2}, 0x03FCFC},
                                               {{1, 1, 2}, {0, 0, 0}, 0x03FCFC},
                                               {{5, 5, 5}, {6, 6, 6}, 0x808080}}));
  EXPECT_EQ(parsed.progress, (std::vector<std::string>{"POLYLINE 3D - 6", "LINE - 52"}));
}

// A wedge of six vertices as a CAD program writes a polyface mesh.
void Wedge(DxfText& d, const char* lastFaceRecord) {
  d(0, "POLYLINE")(8, "0")(66, "1").Point(10, 0, 0, 0)(70, "64")(71, "6")(72, "3");
  for (const auto& v :
       {std::array{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}, {0, 0, 1}, {2, 0, 1}}) {
    Vertex(d, v[0], v[1], v[2], "192");
  }
  d(0, "VERTEX").Point(10, 0, 0, 0)(70, "128")(62, "5")(71, "1")(72, "2")(73, "3")(74, "-4");
  d(0, "VERTEX").Point(10, 0, 0, 0)(70, "128")(71, "1")(72, "-2")(73, "6")(74, "0");
  d(0, "VERTEX").Point(10, 0, 0, 0)(70, "0")(72, "5");  // still a face record; 71, 73 kept
  d(0, "VERTEX").Point(10, 0, 0, 0)(70, "128").Raw(lastFaceRecord);
  d(0, "SEQEND");
}

TEST(DxfPolyline, PolyfaceMeshFaces) {
  const auto parsed = Parse(Entities([](DxfText& d) { Wedge(d, "71\n0\n"); }));
  ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
  const std::uint32_t blue5 = 0x05FAFA;
  EXPECT_EQ(parsed.Faces(),
            (std::vector{MakeFace(blue5, {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}}),
                         MakeFace(blue5, {{0, 0, 0}, {2, 0, 0}, {2, 0, 1}}),
                         MakeFace(blue5, {{0, 0, 0}, {0, 0, 1}, {2, 0, 1}}), MakeFace(blue5, {})}));
  EXPECT_TRUE(parsed.Edges().empty());
  EXPECT_EQ(parsed.progress.front(), "POLYLINE polyface mesh - 6");
}

TEST(DxfPolyline, PolyfaceIndexFaults) {
  const auto notFound = Parse(Entities([](DxfText& d) { Wedge(d, "73\n7\n"); }));
  EXPECT_EQ(notFound.result.FailureText(), "VERTEX polyface index not found - line no 158");
  EXPECT_EQ(notFound.Faces().size(), 3u);  // what came before stays
  const auto badIndex = Parse(Entities([](DxfText& d) { Wedge(d, "73\nA\n"); }));
  EXPECT_EQ(badIndex.result.FailureText(), "Bad VERTEX polyface index value - line no 156");
}

TEST(DxfPolyline, TwoDimensionalInItsObjectSystemOnlyWhenClosed) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "POLYLINE")(62, "2").Point(10, 0, 0, 2)(70, "1").Point(210, 0, 0, -1);
    Vertex(d, 1, 1, 9, "0");  // z gives way to the elevation
    Vertex(d, 2, 1, 9, "0");
    Vertex(d, 2, 3, 9, "0");
    d(0, "SEQEND")(0, "POLYLINE")(66, "1").Point(10, 0, 0, 0)(70, "0");  // open: adds nothing
    Vertex(d, 1, 1, 0, "0");
    Vertex(d, 2, 1, 0, "0");
    d(0, "SEQEND");
  }));
  ASSERT_TRUE(parsed.result.ok);
  const std::uint32_t c = 0x02FDFD;
  EXPECT_EQ(parsed.Edges(), (std::vector<Edge>{{{-1, 1, -2}, {-2, 1, -2}, c},
                                               {{-2, 1, -2}, {-2, 3, -2}, c},
                                               {{-2, 3, -2}, {-1, 1, -2}, c}}));
  EXPECT_EQ(parsed.progress, (std::vector<std::string>{"POLYLINE 2D - 6", "POLYLINE - 62"}));
}

TEST(DxfLwPolyline, ExtrusionAfterTheVerticesAppliesToAll) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "LWPOLYLINE")(5, "2F")(100, "AcDbEntity")(8, "0")(62, "4")(100, "AcDbPolyline");
    d(90, "3")(70, "1")(43, "0.0")(38, "0.5");
    d(10, 1.0)(20, 2.0)(10, 3.0)(20, 2.0)(42, "0.0")(10, 3.0)(20, 5.0);
    d.Point(210, 1, 0, 0);
    d(0, "LWPOLYLINE")(10, 1.0)(20, 1.0)(10, 2.0)(20, 2.0);  // open, in plan
  }));
  ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
  // Object x lies along world y, object y along world z.
  const std::uint32_t c = 0x04FBFB;
  EXPECT_EQ(parsed.Edges(), (std::vector<Edge>{{{0.5, 1, 2}, {0.5, 3, 2}, c},
                                               {{0.5, 3, 2}, {0.5, 3, 5}, c},
                                               {{0.5, 3, 5}, {0.5, 1, 2}, c},
                                               {{1, 1, 0}, {2, 2, 0}, 0x808080}}));
}

TEST(DxfLwPolyline, ExtrusionWithoutLengthIsAnUnexpectedError) {
  const auto parsed = Parse(Entities([](DxfText& d) {
    d(0, "LWPOLYLINE")(10, 1.0)(20, 1.0).Point(210, 0, 0, 0);
    d(0, "LINE").Point(10, 5, 5, 5).Point(11, 6, 6, 6);
  }));
  EXPECT_EQ(parsed.result.FailureText(), "Unexpected error - line no 18");
  EXPECT_EQ(parsed.debug, (std::vector<std::string>{"0", "LINE"}));
  EXPECT_TRUE(parsed.Edges().empty());
}

}  // namespace
}  // namespace zef::cabinet
