#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <tuple>
#include <vector>

#include "textformat/keyword_groups.h"
#include "textformat/reader_fixture.h"
#include "wav/wav_image.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using model::Point3;
using testing::ErrorAt;
using testing::ErrorsAt;
using Lines = std::vector<std::string>;

// Codes of the set the reader starts from: not the defaults of an empty line.
constexpr std::uint32_t kHolderOnAxis = model::kPlusY;
constexpr std::uint32_t kHolderUp = model::kPlusX;
const std::string kSystem = "<CABINET-SYSTEM>\t\n";
const std::string kBox = "<CABINET>\t<RECTANGULAR>\t0\t1\t0\t1\t0\t1\n";
const std::string kEdgesOne = "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n";
const std::string kFacesOne = "<CABINET>\t<FACES>\t1\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n";
const std::string kEdge = "0\t0\t0\t1\t1\t1";

testing::GroupRun RunCabinet(const std::string& lines, FormatKind kind = FormatKind::Zef1,
                             std::uint32_t version = 1,
                             const std::string& source = "/nonexistent/test.txt") {
  return testing::RunGroup(
      kind, lines, ReadCabinet,
      [version](model::DataSet& set) {
        set.version = version;
        set.info->onAxisCode = kHolderOnAxis;
        set.info->upCode = kHolderUp;
        model::SetText(set.systemPart.referenceText, "old");
      },
      {}, source);
}

// A list as its users see it, newest first.
template <typename T>
std::vector<T> Shown(const model::NodeList<T>& list) {
  return {list.begin(), list.end()};
}

struct Case {
  std::string lines;
  Lines messages;
  int result = kReadFailed;
  FormatKind kind = FormatKind::Zef1;
  std::uint32_t version = 1;
};

void ExpectRun(const Case& c, const std::string& source = "/nonexistent/test.txt") {
  const auto run = RunCabinet(c.lines, c.kind, c.version, source);
  EXPECT_EQ(run.messages, c.messages) << c.lines;
  EXPECT_EQ(run.result, c.result) << c.lines;
  EXPECT_EQ(run.ok, c.result != kReadFailed) << c.lines;
}

TEST(CabinetSystem, AxisCodesAndTheirDefaults) {
  const std::tuple<std::string, std::uint32_t, std::uint32_t, bool> cases[] = {
      {"\t<on-axis>\t<-y>\t<UP>\t<-X>\t# note", model::kMinusY, model::kMinusX, true},
      {"\t", model::kPlusX, model::kPlusZ, false},
  };
  for (const auto& [values, onAxis, up, present] : cases) {
    const auto run = RunCabinet("<CABINET-SYSTEM>" + values + "\n<ZEF1END>\n");
    EXPECT_EQ(run.result, kReadClean) << values;
    EXPECT_EQ(run.set->info->onAxisCode, onAxis) << values;
    EXPECT_EQ(run.set->info->upCode, up) << values;
    EXPECT_EQ((run.set->info->presenceFlags & model::presence::kCabinetSystem) != 0, present);
  }
  const std::pair<std::string, std::string> refused[] = {
      {"\t<UP>\t<+Z>", " <ON-AXIS> expected"},
      {"\t<ON-AXIS>\t<+W>\t<UP>\t<+Z>", " <ON-AXIS> illegal axiscode"},
      {"\t<ON-AXIS>\t<+X>\t<DOWN>\t<+Z>", " <UP> expected"},
      {"\t<ON-AXIS>\t<+X>\t<UP>\tZ", " <UP> illegal axiscode"},
      {"\t<ON-AXIS>\t<-Y>\t<UP>\t<+Y>", " impossible axiscodes"},
      {"\t<ON-AXIS>\t<+X>\t<UP>\t<-X>", " impossible axiscodes"},
  };
  for (const auto& [values, message] : refused) {
    ExpectRun({"<CABINET-SYSTEM>" + values + "\n<ZEF1END>\n",
               ErrorsAt(2, {"<CABINET-SYSTEM>" + message})});
  }
}

// Without a readable <CABINET-SYSTEM> line the read goes on with result 1 and the holder's codes.
TEST(CabinetSystem, UnreadableLineIsNonFatalAndKeepsTheCodes) {
  const std::tuple<std::string, Lines, std::uint32_t> cases[] = {
      {kBox + "<ZEF1END>\n", ErrorAt(2, "<CABINET-SYSTEM> expected"), 1},
      {"<CABINET-SYSTEM>\n" + kBox + "<ZEF1END>\n",
       ErrorAt(2, "No data found after <CABINET-SYSTEM>"), 1},
      {"", ErrorAt(2, "end of file"), 0},
  };
  for (const auto& [lines, messages, cabinetFlags] : cases) {
    const auto run = RunCabinet(lines);
    EXPECT_EQ(run.result, kReadWithErrors) << lines;
    EXPECT_EQ(run.messages, messages) << lines;
    EXPECT_EQ(run.set->info->onAxisCode, kHolderOnAxis);
    EXPECT_EQ(run.set->info->upCode, kHolderUp);
    EXPECT_EQ(run.set->info->cabinetFlags, cabinetFlags) << lines;
  }
}

TEST(CabinetBoxes, ValuesStoredAndChecked) {
  const auto run =
      RunCabinet(kSystem + "<CABINET>\t<RECTANGULAR>\t-0,1\t.2\t<NODATA>\t0.3\t0\t0.5\n" +
                 "<CABINET>\t<TRAPEZOIDAL>\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n<ZEF1END>\n");
  ASSERT_EQ(run.result, kReadClean) << ::testing::PrintToString(run.messages);
  const auto& info = *run.set->info;
  EXPECT_EQ(std::vector<float>(info.rectangular, info.rectangular + 6),
            (std::vector<float>{-0.1f, -12000.0f, 0.0f, 0.2f, 0.3f, 0.5f}));
  EXPECT_EQ(std::vector<float>(info.trapezoidal, info.trapezoidal + 10),
            (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(info.cabinetFlags,
            model::cabinet_flag::kRectangular | model::cabinet_flag::kTrapezoidal);

  std::vector<Case> cases = {
      {"<RECTANGULAR>\t0\t1\t0\t1\t0", ErrorAt(3, "Rectangular cabinet data field missing")},
      {"<RECTANGULAR>\t0\t1\tnone\t1\t0\t1", ErrorAt(3, "Valid float expected: none")},
      {"<TRAPEZOIDAL>\t0\t1\t0\t1\t0\t1\t0\t1\t0",
       ErrorAt(3, "Trapezoidal cabinet data field missing")},
  };
  // Every pair must rise: x1 < x2, y1 < y2, z1 < z2, and the five trapezoidal pairs.
  for (const auto& [kind, pairs] : {std::pair{"<RECTANGULAR>", 3}, std::pair{"<TRAPEZOIDAL>", 5}}) {
    for (int pair = 0; pair < pairs; ++pair) {
      std::string values = kind;
      for (int i = 0; i < pairs; ++i) values += i == pair ? "\t1\t1" : "\t0\t1";
      cases.push_back(
          {values, ErrorAt(3, "<CABINET>" + std::string(kind) + "impossible dimensions")});
    }
  }
  for (Case& c : cases) {
    c.lines = kSystem + "<CABINET>\t" + c.lines + "\n<ZEF1END>\n";
    ExpectRun(c);
  }
}

TEST(CabinetLines, EachKindOnceAndOnlyKnownKinds) {
  const Case cases[] = {
      {kSystem + kBox + kBox + "<ZEF1END>\n", ErrorAt(4, "<CABINET> type already given")},
      {kSystem + "<CABINET>\n<ZEF1END>\n", ErrorAt(3, "No data found after <CABINET>")},
      {kSystem + "<CABINET>\t<BOX>\t1\n<ZEF1END>\n",
       ErrorAt(3, "<CABINET> <EDGES>, <FACES> or <DXF> expected")},
      // Lines without a value give nothing, and may repeat; faces may have no edges.
      {kSystem + "<CABINET>\t\n<CABINET>\t# none yet\n" + kFacesOne + "0\t0\t0\t<RGB>\t0\t0\t0\n" +
           "<ZEF1END>\n",
       {},
       kReadClean},
  };
  for (const Case& c : cases) ExpectRun(c);
}

TEST(CabinetEdges, TransformedColouredAndNewestFirst) {
  const auto run = RunCabinet("<CABINET-SYSTEM>\t<ON-AXIS>\t<-X>\t<UP>\t<+Z>\n" + kBox +
                              "<CABINET>\t<EDGES>\t4\t<ORIGIN>\t1\t0\t0\n"
                              "0\t0\t0\t1\t2\t3\t<RGB>\t1\t2\t3\n"
                              "\n"  // counts as one of the four
                              "1\t0\t0\t1\t0\t1\t<rgb>\t255\t255\t255\n"
                              "0\t0\t2\t0,5\t-1\t0\t<RGB>\t0\t0\t255\n<ZEF1END>\n");
  ASSERT_EQ(run.result, kReadClean) << ::testing::PrintToString(run.messages);
  // Seen from the -X side: x and y turn over, z stays.
  EXPECT_EQ(Shown(run.set->cabinet.edges),
            (std::vector<model::Edge>{{{1, 0, 2}, {0.5f, 1, 0}, 0xFF0000},
                                      {{0, 0, 0}, {0, 0, 1}, 0xFFFFFF},
                                      {{1, 0, 0}, {0, -2, 3}, 0x030201}}));
  EXPECT_EQ(run.set->info->cabinetFlags,
            model::cabinet_flag::kRectangular | model::cabinet_flag::kEdges);
}

TEST(CabinetFaces, VerticesInOrderAndFaceEdges) {
  const auto run = RunCabinet(kSystem +
                              "<CABINET>\t<FACES>\t3\t<EDGES>\t1\t<ORIGIN>\t1\t1\t1\n"
                              "1\t1\t1\t2\t1\t1\t2\t2\t1\t<RGB>\t10\t20\t30\n"
                              "# counts as one of the three\n"
                              "1\t1\t1\t1\t2\t1\t<rgb>\t0\t0\t0\n"  // two vertices are kept
                              "1\t1\t1\t2\t2\t2\t<RGB>\t1\t1\t1\n<ZEF1END>\n");
  ASSERT_EQ(run.result, kReadClean) << ::testing::PrintToString(run.messages);
  const auto& cabinet = run.set->cabinet;
  EXPECT_EQ(Shown(cabinet.faces),
            (std::vector<model::Face>{{{{0, 0, 0}, {0, 1, 0}}, 0},
                                      {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 0x1E140A}}));
  EXPECT_EQ(Shown(cabinet.faceEdges), (std::vector<model::Edge>{{{0, 0, 0}, {1, 1, 1}, 0x010101}}));
  EXPECT_TRUE(cabinet.edges.empty());
  EXPECT_EQ(run.set->info->cabinetFlags, model::cabinet_flag::kFaces);
}

TEST(CabinetShapes, HeaderAndLineErrors) {
  const Case cases[] = {
      {"<CABINET>\t<EDGES>\tmany\n",
       ErrorsAt(3, {"Unsigned integer expected:many", "<CABINET> illegal edge count "})},
      {"<CABINET>\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n", ErrorAt(3, "<CABINET> edge count = 0")},
      {"<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\n", ErrorAt(3, "Cabinet origin data field missing")},
      {kEdgesOne + kEdge + "\n", ErrorAt(4, "<CABINET> edge <RGB> expected")},
      {kEdgesOne + kEdge + "\t<RGBA>\t0\t0\t0\n", ErrorAt(4, "<CABINET> edge <RGB> expected")},
      {kEdgesOne + "0\t0\t0\t1\t1\n", ErrorAt(4, "Cabinet edge data field missing")},
      {kEdgesOne + "0\tx\t0\t1\t1\t1\n", ErrorAt(4, "Valid float expected: x")},
      {kEdgesOne + kEdge + "\t<RGB>\t256\t0\t0\n", ErrorAt(4, "<CABINET><RGB> red out of range")},
      {kEdgesOne + kEdge + "\t<RGB>\t0\t0\t256\n", ErrorAt(4, "<CABINET><RGB> blue out of range")},
      {kEdgesOne + kEdge + "\t<RGB>\t0\t-1\t0\n",
       ErrorsAt(4, {"Unsigned integer expected:-1", "<CABINET><RGB> green expected"})},
      {"<CABINET>\t<FACES>\t0\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n",
       ErrorAt(3, "<CABINET> face count = 0")},
      {"<CABINET>\t<FACES>\tx\n",
       ErrorsAt(3, {"Unsigned integer expected:x", "<CABINET> illegal face count"})},
      {"<CABINET>\t<FACES>\t1\t<EDGE>\t0\n", ErrorAt(3, "<CABINET> <EDGES> expected")},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\t-1\n",
       ErrorsAt(3, {"Unsigned integer expected:-1", "<CABINET> illegal edge count "})},
      {kFacesOne + kEdge + "\n", ErrorAt(4, "<CABINET> face <RGB> expected")},
      {kFacesOne + kEdge + "\t<COLOR>\t0\t0\t0\n", ErrorAt(4, "<CABINET> face <RGB> expected")},
      {kFacesOne + "0\t0\t0\t1\t1\n", ErrorAt(4, "Cabinet face data field missing")},
      {kFacesOne + "<RGB>\t0\t0\t0\n", ErrorAt(4, "Valid float expected: <RGB>")},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n0\t0\t0\t<RGB>\t0\t0\t0\n" + kEdge +
           "\n",
       ErrorAt(5, "<CABINET> edge <RGB> expected")},
      // Counts are never trusted: the lines run out first.
      {"<CABINET>\t<EDGES>\t4294967295\t<ORIGIN>\t0\t0\t0\n" + kEdge + "\t<RGB>\t0\t0\t0\n",
       ErrorAt(5, "end of file")},
      {"<CABINET>\t<FACES>\t99\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n", ErrorAt(4, "end of file")},
  };
  for (const Case& c : cases) ExpectRun({kSystem + c.lines, c.messages});
}

TEST(CabinetDxf, FileLoadedUnitAndOriginStored) {
  const wav::testing::TempDir folder;
  folder.Write("cab.dxf", std::string(512000, 'x'));
  folder.Write("big.dxf", std::string(512001, 'x'));
  ASSERT_EQ(::mkfifo(folder.Path("pipe.dxf").c_str(), 0600), 0);
  const std::string source = folder.Path("data.txt");
  const auto run = RunCabinet(
      kSystem + "<CABINET>\t<DXF>\tCAB.DXF\t<UNIT>\t<CM>\t<ORIGIN>\t10\t20\t<NODATA>\n<ZEF1END>\n",
      FormatKind::Zef1, 1, source);
  ASSERT_EQ(run.result, kReadClean) << ::testing::PrintToString(run.messages);
  const auto& cabinet = run.set->cabinet;
  EXPECT_EQ(cabinet.dxfFile.kind, model::EmbeddedKind::Dxf);
  EXPECT_EQ(cabinet.dxfFile.Size(), 512000u);
  EXPECT_EQ(cabinet.dxfPath, folder.Path("cab.dxf").string());
  EXPECT_TRUE(cabinet.edges.empty() && cabinet.dxfEdges.empty());  // parsed when drawn
  EXPECT_EQ(run.set->info->cabinetFlags, model::cabinet_flag::kDxf);
  EXPECT_EQ(std::vector<float>(run.set->info->dxfOrigin, run.set->info->dxfOrigin + 3),
            (std::vector<float>{10, 20, -12000}));
  const Point3 p = cabinet.transform.Apply({110, 20, -11999});
  EXPECT_FLOAT_EQ(p.x, 1.0f);
  EXPECT_FLOAT_EQ(p.z, 0.01f);

  const char* units[] = {"<MM>", "<CM>", "<dm>", "<M>", "<Inches>", "<FEET>"};
  for (std::uint32_t code = 0; code < 6; ++code) {
    const auto unitRun = RunCabinet(kSystem + "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t" + units[code] +
                                        "\t<ORIGIN>\t0\t0\t0\n<ZEF1END>\n",
                                    FormatKind::Zef1, 1, source);
    EXPECT_EQ(unitRun.set->info->dxfUnit, code);
    EXPECT_EQ(unitRun.set->cabinet.transform.Apply({0, 0, 2}),
              (Point3{0, 0, 2 * model::kUnitLength[code]}));
  }

  const std::pair<std::string, std::string> refused[] = {
      {"big.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", "<CABINET> <DXF> size is > 500kB"},
      {"none.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", "<CABINET> <DXF> failed to read file."},
      {"pipe.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", "<CABINET> <DXF> is not a regular file"},
      {"cab.dwg\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", "<CABINET> <DXF> file type not supported."},
      {"cab.dxf\t<UNITS>\t<MM>", "<CABINET> <DXF> <UNIT> missing"},
      {"cab.dxf\t<UNIT>\t<YARD>", "<CABINET> illegal <DXF> <UNIT>"},
      {"cab.dxf\t<UNIT>\t<MM>", "<CABINET> <DXF> <ORIGIN> expected"},
  };
  for (const auto& [values, message] : refused) {
    ExpectRun({kSystem + "<CABINET>\t<DXF>\t" + values + "\n<ZEF1END>\n", ErrorsAt(3, {message})},
              source);
  }
}

TEST(CabinetEnd, EndTagOfTheKind) {
  const Case cases[] = {
      {kSystem + "<ZEF1END>\n<ZEF2END>\nnot read\n", {}, kReadClean},
      {kSystem + "<ZEF2END>\n", ErrorAt(3, "<ZEF1END> expected")},
      // A ZEF2 file of version 1 has no reference point.
      {kSystem + "<CABINET-MR>\t0\t0\t0\n<ZEF2END>\n", ErrorAt(3, "<ZEF2END> expected"),
       kReadFailed, FormatKind::Zef2},
      // Ending where a cabinet line or the end tag could stand keeps the result so far.
      {kSystem + kBox, ErrorAt(4, "end of file"), kReadClean},
      {kSystem + kBox + "<CABINET-MR>\t0\t0\t0\n", ErrorAt(5, "end of file"), kReadClean,
       FormatKind::Zef2, 2},
      {kSystem + kBox + "junk\t1\n<ZEF1END>\n", ErrorAt(4, "<CABINET> expected"), kReadWithErrors},
  };
  for (const Case& c : cases) ExpectRun(c);
  EXPECT_EQ(RunCabinet(kSystem + kBox).set->info->cabinetFlags, model::cabinet_flag::kRectangular);
}

TEST(CabinetEnd, ReferencePointOfZef2Version2) {
  const auto withInfo = RunCabinet(
      kSystem + kBox + "<CABINET-MR>\t0,1\t<NODATA>\t0.3\t<INFO>\t'Tweeter axis'\n<ZEF2END>\n",
      FormatKind::Zef2, 2);
  ASSERT_EQ(withInfo.result, kReadClean) << ::testing::PrintToString(withInfo.messages);
  const auto& part = withInfo.set->systemPart;
  EXPECT_EQ(std::vector<float>(part.referencePoint, part.referencePoint + 3),
            (std::vector<float>{0.1f, -12000.0f, 0.3f}));
  EXPECT_EQ(model::TextOf(part.referenceText), "Tweeter axis");
  const std::string mr = kSystem + kBox + "<CABINET-MR>";
  const auto plain = RunCabinet(mr + "\t1\t2\t3\n<ZEF2END>\n", FormatKind::Zef2, 2);
  EXPECT_EQ(model::TextOf(plain.set->systemPart.referenceText), "");

  Case cases[] = {
      {kSystem + "<CABINET-MR>\t1\t2\t3\n<ZEF2END>\n",
       ErrorAt(3, "<CABINET> required for ZEF2 v2")},
      {kSystem + kBox + "<ZEF2END>\n", ErrorAt(4, "<CABINET-MR> required for ZEF2 v2")},
      {kSystem + "<CABINET>\t\n<ZEF2END>\n", ErrorAt(4, "<CABINET> required for ZEF2 v2")},
      {mr + "\t1\t2\n<ZEF2END>\n", ErrorAt(4, "<CABINET-MR> x y z values not found")},
      {mr + "\t1\t2\t3\t<NOTE>\tx\n<ZEF2END>\n", ErrorAt(4, "<INFO> expected")},
      {mr + "\t1\t2\t3\t<INFO>\n<ZEF2END>\n", ErrorAt(4, "<INFO> value expected")},
      {mr + "\t1\t2\t3\n<ZEF1END>\n", ErrorAt(5, "<ZEF2END> expected")},
  };
  for (Case& c : cases) {
    c.kind = FormatKind::Zef2;
    c.version = 2;
    ExpectRun(c);
  }
}

}  // namespace
}  // namespace zef::textformat
