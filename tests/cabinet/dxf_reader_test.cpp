#include <gtest/gtest.h>

#include "dxf_text.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

using model::Edge;
using testing::DxfText;
using testing::Entities;
using testing::MakeFace;
using testing::Parse;

constexpr const char* kSectionStart = "0\nSECTION\n2\nENTITIES\n";  // four lines

TEST(DxfReader, EachMessageWithItsLineNumber) {
  const struct {
    std::string body;  // after the four lines that open ENTITIES
    std::string text;
  } kCases[] = {
      {"", "missing data - line no 4"},
      {"0\nCIRCLE\n10\n", "Bad skipped entity - line no 7"},
      {"0\n3DFACE\n10\n1\n20\n", "Bad 3DFACE section - line no 9"},
      {"0\n3DFACE\n10\n1\n20\n1..\n", "Bad 3DFACE coordinate value - line no 10"},
      {"0\nLINE\n8\n0\n", "Bad LINE section - line no 8"},
      {"0\nLINE\n11\n\n", "Bad LINE coordinate value - line no 8"},
      {"0\nPOLYLINE\n70\n8\n0\nSEQEND\n",
       "Bad POLYLINE section - first VERTEX missing - line no 10"},
      {"0\nPOLYLINE\n220\nY\n", "Bad POLYLINE extrude vector - line no 8"},
      {"0\nPOLYLINE\n30\n-\n", "Bad elevation - line no 8"},
      {"0\nPOLYLINE\n70\n8\n0\nVERTEX\n10\n", "Bad VERTEX section - line no 11"},
      {"0\nPOLYLINE\n70\n8\n0\nVERTEX\n30\n1E\n", "Bad VERTEX coordinate value - line no 12"},
      {"0\nPOLYLINE\n70\n8\n0\nVERTEX\n0\nSEQEND\n8\n", "Bad POLYLINE section - line no 13"},
      {"0\nPOLYLINE\n70\n64\n0\nVERTEX\n70\n128.0\n", "Bad VERTEX 70 flag - line no 12"},
      {"0\nLWPOLYLINE\n10\n", "Bad LWPOLYLINE - line no 7"},
      {"0\nLWPOLYLINE\n38\nHIGH\n", "Bad LWPOLYLINE elevation value - line no 8"},
      {"0\nLWPOLYLINE\n230\n\n", "Bad LWPOLYLINE extrude vector - line no 8"},
      {"0\nLWPOLYLINE\n10\n1\n20\nX\n", "Bad LWPOLYLINE vertex value - line no 10"},
  };
  for (const auto& c : kCases) {
    const auto parsed = Parse(kSectionStart + c.body);
    EXPECT_FALSE(parsed.result.ok) << c.body;
    EXPECT_EQ(parsed.result.FailureText(), c.text) << c.body;
  }
  EXPECT_EQ(Parse("0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n0\nEOF\n").result.FailureText(),
            "Neither BLOCKS nor ENTITIES section found - line no 8");
}

TEST(DxfReader, ReadsOnlyTheFirstEntitiesSection) {
  DxfText d;
  d(0, "SECTION")(2, "BLOCKS")(0, "BLOCK")(2, "SPEAKER")(70, "0").Point(10, 0, 0, 0);
  d(0, "LINE").Point(10, 9, 9, 9).Point(11, 8, 8, 8)(0, "ENDBLK")(0, "ENDSEC");
  d(0, "SECTION")(2, "ENTITIES")(0, "LINE").Point(10, 1, 2, 3).Point(11, 4, 5, 6)(0, "ENDSEC");
  d(0, "SECTION")(2, "ENTITIES")(0, "LINE").Point(10, 7, 7, 7).Point(11, 6, 6, 6)(0, "ENDSEC");
  d(0, "EOF");
  const auto parsed = Parse(d.Text());
  ASSERT_TRUE(parsed.result.ok);
  EXPECT_EQ(parsed.Edges(), (std::vector<Edge>{{{1, 2, 3}, {4, 5, 6}, 0x808080}}));
  // Reading stops at the ENDSEC.
  EXPECT_EQ(parsed.result.lineNumber, 54u);
}

// An AutoCAD R12 style drawing: header, layer table, a block, then a box of
// 3DFACEs, a polyline rim and a line, all with the usual extra groups.
std::string R12Drawing(std::string_view lineEnd) {
  DxfText d(lineEnd);
  d(0, "SECTION")(2, "HEADER")(9, "$ACADVER")(1, "AC1009")(9, "$INSUNITS")(70, "4");
  d(9, "$EXTMIN").Point(10, 0, 0, 0)(0, "ENDSEC");
  d(0, "SECTION")(2, "TABLES")(0, "TABLE")(2, "LAYER")(70, "1");
  d(0, "LAYER")(2, "BOX")(70, "0")(62, "7")(6, "CONTINUOUS")(0, "ENDTAB")(0, "ENDSEC");
  d(0, "SECTION")(2, "BLOCKS")(0, "BLOCK")(8, "0")(2, "LOGO")(70, "0").Point(10, 0, 0, 0);
  d(3, "LOGO")(0, "3DFACE")(8, "0").Point(10, 0, 0, 0).Point(11, 1, 0, 0);
  d.Point(12, 1, 1, 0).Point(13, 1, 1, 0)(0, "ENDBLK")(8, "0")(0, "ENDSEC");
  d(0, "SECTION")(2, "ENTITIES");
  for (int side = 0; side < 2; ++side) {
    d(0, "3DFACE")(8, "BOX")(62, "1").Point(10, 0, 0, side).Point(11, 200, 0, side);
    d.Point(12, 200, 150, side).Point(13, 0, 150, side);
  }
  d(0, "POLYLINE")(8, "BOX")(66, "1").Point(10, 0, 0, 0)(70, "9");
  for (const auto& v : {std::array{0, 0, 300}, {200, 0, 300}, {200, 150, 300}}) {
    d(0, "VERTEX")(8, "BOX").Point(10, v[0], v[1], v[2])(70, "32");
  }
  d(0, "SEQEND")(8, "BOX")(0, "INSERT")(8, "0")(2, "LOGO").Point(10, 5, 5, 5);
  d(0, "LINE")(8, "BOX").Point(10, 0, 0, 0).Point(11, 0, 0, 300);
  d(0, "ENDSEC")(0, "EOF");
  return d.Text();
}

TEST(DxfReader, CadDrawingInBothLineEndFormsFromMemoryOrFile) {
  const wav::testing::TempDir folder;
  for (const char* lineEnd : {"\r\n", "\n"}) {
    const auto parsed = Parse(R12Drawing(lineEnd));
    ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
    EXPECT_EQ(parsed.Faces().size(), 2u);
    EXPECT_EQ(parsed.Edges().size(), 4u);
    EXPECT_EQ(parsed.lists.edges[0], (Edge{{0, 0, 0}, {0, 0, 300}, 0x808080}));
    EXPECT_EQ(parsed.progress,
              (std::vector<std::string>{"3DFACE - 106", "3DFACE - 136", "POLYLINE 3D - 166",
                                        "INSERT - 220", "LINE - 232"}));
    DxfLists lists;
    const DxfResult fromFile =
        ParseDxfFile(folder.Write("box.dxf", R12Drawing(lineEnd)), {}, nullptr, lists);
    EXPECT_TRUE(fromFile.ok);
    EXPECT_EQ(fromFile.lineNumber, parsed.result.lineNumber);
    EXPECT_EQ(lists.edges, parsed.lists.edges);
    EXPECT_EQ(lists.faces, parsed.lists.faces);
  }
}

// A drawing as newer programs write it: handles, subclass markers, an
// LWPOLYLINE whose extrusion follows its vertices, reals in exponent form.
TEST(DxfReader, NewerDrawingWithHandlesAndExponents) {
  DxfText d;
  d(0, "SECTION")(2, "HEADER")(9, "$ACADVER")(1, "AC1015")(0, "ENDSEC");
  d(0, "SECTION")(2, "ENTITIES");
  d(0, "LWPOLYLINE")(5, "1A")(330, "1F")(100, "AcDbEntity")(8, "0")(100, "AcDbPolyline");
  d(90, "2")(70, "0")(43, "0.0")(10, "100.0")(20, "6.123233995736766e-17")(10, "-1.5e2");
  d(20, "0.0")(210, "0.0")(220, "0.0")(230, "-1.0");
  d(0, "3DFACE")(5, "1B")(100, "AcDbEntity")(8, "0")(100, "AcDbFace");
  d(10, "0.0")(20, "0.0")(30, "0.0")(11, "1,5")(21, ".5")(31, "-.5");
  d(12, "1.0")(22, "1.0")(32, "0.0")(13, "1.0")(23, "1.0")(33, "0.0");
  d(0, "ENDSEC")(0, "SECTION")(2, "OBJECTS")(0, "DICTIONARY")(5, "C")(0, "ENDSEC")(0, "EOF");
  const auto parsed = Parse(d.Text());
  ASSERT_TRUE(parsed.result.ok) << parsed.result.FailureText();
  EXPECT_EQ(parsed.Edges(),
            (std::vector<Edge>{{{-100, 6.123233995736766e-17f, 0}, {150, 0, 0}, 0x808080}}));
  EXPECT_EQ(parsed.Faces(),
            (std::vector{MakeFace(0x808080, {{0, 0, 0}, {1.5, 0.5, -0.5}, {1, 1, 0}})}));
}

}  // namespace
}  // namespace zef::cabinet
