#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "textformat/keyword_groups.h"
#include "textformat/reader_fixture.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;
using model::FormatKind;
using model::Point3;
using Lines = std::vector<std::string>;

// Codes of the set the reader starts from: not the defaults of an empty line.
constexpr std::uint32_t kHolderOnAxis = model::kPlusY;
constexpr std::uint32_t kHolderUp = model::kPlusX;
const std::string kSystem = "<CABINET-SYSTEM>\t\n";
const std::string kBox = "<CABINET>\t<RECTANGULAR>\t0\t1\t0\t1\t0\t1\n";
const std::string kEdgesOne = "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n";
const std::string kFacesOne = "<CABINET>\t<FACES>\t1\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n";

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

// The error list of messages all reported on one line.
Lines At(int line, std::initializer_list<std::string> messages) {
  Lines out;
  for (const std::string& m : messages) {
    const Lines one = testing::ErrorAt(line, m);
    out.insert(out.end(), one.begin(), one.end());
  }
  return out;
}

struct Case {
  std::string lines;
  Lines messages;
  int result = 2;
  FormatKind kind = FormatKind::Zef1;
  std::uint32_t version = 1;
};

void ExpectRun(const Case& c, const std::string& source = "/nonexistent/test.txt") {
  const auto run = RunCabinet(c.lines, c.kind, c.version, source);
  EXPECT_EQ(run.messages, c.messages) << c.lines;
  EXPECT_EQ(run.result, c.result) << c.lines;
  EXPECT_EQ(run.ok, c.result != 2) << c.lines;
}

TEST(CabinetSystem, AxisCodesAndTheirDefaults) {
  struct AxisCase {
    std::string values;
    std::uint32_t onAxis, up;
    bool present;
  };
  const AxisCase cases[] = {
      {"\t<ON-AXIS>\t<-y>\t<UP>\t<+X>", model::kMinusY, model::kPlusX, true},
      {"\t<on-axis>\t<+Z>\t<up>\t<-X>\t# note", model::kPlusZ, model::kMinusX, true},
      {"\t", model::kPlusX, model::kPlusZ, false},
  };
  for (const AxisCase& c : cases) {
    const auto run = RunCabinet("<CABINET-SYSTEM>" + c.values + "\n<ZEF1END>\n");
    EXPECT_EQ(run.result, 0) << c.values;
    EXPECT_TRUE(run.messages.empty()) << c.values;
    EXPECT_EQ(run.set->info->onAxisCode, c.onAxis) << c.values;
    EXPECT_EQ(run.set->info->upCode, c.up) << c.values;
    EXPECT_EQ((run.set->info->presenceFlags & model::presence::kCabinetSystem) != 0, c.present);
    EXPECT_EQ(run.set->info->cabinetFlags, 0u);
  }
}

TEST(CabinetSystem, BadValuesAreFatal) {
  const std::pair<std::string, std::string> cases[] = {
      {"\t<UP>\t<+Z>", " <ON-AXIS> expected"},
      {"\t<ON-AXIS>", "<ON-AXIS> axiscode expected"},
      {"\t<ON-AXIS>\t<+W>\t<UP>\t<+Z>", " <ON-AXIS> illegal axiscode"},
      {"\t<ON-AXIS>\t<+X>", " <UP> expected"},
      {"\t<ON-AXIS>\t<+X>\t<DOWN>\t<+Z>", " <UP> expected"},
      {"\t<ON-AXIS>\t<+X>\t<UP>", " <UP> expected"},
      {"\t<ON-AXIS>\t<+X>\t<UP>\tZ", " <UP> illegal axiscode"},
      {"\t<ON-AXIS>\t<+X>\t<UP>\t<-X>", " impossible axiscodes"},
      {"\t<ON-AXIS>\t<-Y>\t<UP>\t<+Y>", " impossible axiscodes"},
  };
  for (const auto& [values, message] : cases) {
    ExpectRun(
        {"<CABINET-SYSTEM>" + values + "\n<ZEF1END>\n", At(2, {"<CABINET-SYSTEM>" + message})});
  }
}

TEST(CabinetSystem, UnreadableLineIsNonFatalAndKeepsTheCodes) {
  struct SystemCase {
    std::string lines;
    Lines messages;
    std::uint32_t cabinetFlags;
  };
  const SystemCase cases[] = {
      // The keyword read in its place is the first cabinet line.
      {kBox + "<ZEF1END>\n", At(2, {"<CABINET-SYSTEM> expected"}), 1},
      {"<ZEF1END>\n", At(2, {"<CABINET-SYSTEM> expected"}), 0},
      {"<CABINET-SYSTEM>\n" + kBox + "<ZEF1END>\n", At(2, {"No data found after <CABINET-SYSTEM>"}),
       1},
      {"", At(2, {"end of file"}), 0},
      {"<CABINET-SYSTEM>", At(2, {"end of file"}), 0},
      // No keyword at all: the read ends there, what follows is not looked at.
      {"1\t2\n<ZEF2END>\n", At(2, {"<CABINET-SYSTEM> expected"}), 0},
  };
  for (const SystemCase& c : cases) {
    const auto run = RunCabinet(c.lines);
    EXPECT_TRUE(run.ok) << c.lines;
    EXPECT_EQ(run.result, 1) << c.lines;
    EXPECT_EQ(run.messages, c.messages) << c.lines;
    EXPECT_EQ(run.set->info->onAxisCode, kHolderOnAxis);
    EXPECT_EQ(run.set->info->upCode, kHolderUp);
    EXPECT_EQ(run.set->info->presenceFlags, 0u);
    EXPECT_EQ(run.set->info->cabinetFlags, c.cabinetFlags) << c.lines;
  }
}

TEST(CabinetBoxes, ValuesStoredInTheirFields) {
  const auto run =
      RunCabinet(kSystem + "<CABINET>\t<RECTANGULAR>\t-0,1\t.2\t<NODATA>\t0.3\t0\t0.5\n" +
                 "<CABINET>\t<TRAPEZOIDAL>\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n<ZEF1END>\n");
  ASSERT_EQ(run.result, 0) << ::testing::PrintToString(run.messages);
  const auto& info = *run.set->info;
  const std::vector<float> corners(info.rectangular, info.rectangular + 6);
  EXPECT_EQ(corners, (std::vector<float>{-0.1f, -12000.0f, 0.0f, 0.2f, 0.3f, 0.5f}));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(info.trapezoidal[i], static_cast<float>(i + 1));
  EXPECT_EQ(info.cabinetFlags,
            model::cabinet_flag::kRectangular | model::cabinet_flag::kTrapezoidal);
}

TEST(CabinetBoxes, ImpossibleOrMissingDimensions) {
  std::vector<Case> cases = {
      {"<RECTANGULAR>\t1\t1\t0\t1\t0\t1", At(3, {"<CABINET><RECTANGULAR>impossible dimensions"})},
      {"<RECTANGULAR>\t0\t1\t1\t0\t0\t1", At(3, {"<CABINET><RECTANGULAR>impossible dimensions"})},
      {"<RECTANGULAR>\t0\t1\t0\t1\t1\t1", At(3, {"<CABINET><RECTANGULAR>impossible dimensions"})},
      {"<RECTANGULAR>\t0\t1\t0\t1\t0", At(3, {"Rectangular cabinet data field missing"})},
      {"<RECTANGULAR>\t0\t1\tnone\t1\t0\t1", At(3, {"Valid float expected: none"})},
      {"<TRAPEZOIDAL>\t0\t1\t0\t1\t0\t1\t0\t1\t0",
       At(3, {"Trapezoidal cabinet data field missing"})},
  };
  for (int pair = 0; pair < 5; ++pair) {
    std::string values;
    for (int i = 0; i < 5; ++i) values += i == pair ? "\t2\t1" : "\t0\t1";
    cases.push_back(
        {"<TRAPEZOIDAL>" + values, At(3, {"<CABINET><TRAPEZOIDAL>impossible dimensions"})});
  }
  for (Case& c : cases) {
    c.lines = kSystem + "<CABINET>\t" + c.lines + "\n<ZEF1END>\n";
    ExpectRun(c);
  }
}

TEST(CabinetLines, EachKindOnceAndOnlyKnownKinds) {
  const Case cases[] = {
      {kSystem + kBox + kBox + "<ZEF1END>\n", At(4, {"<CABINET> type already given"})},
      {kSystem + kFacesOne + "\n" + kFacesOne, At(5, {"<CABINET> type already given"})},
      {kSystem + "<CABINET>\t<BOX>\t1\n<ZEF1END>\n",
       At(3, {"<CABINET> <EDGES>, <FACES> or <DXF> expected"})},
      {kSystem + "<CABINET>\n<ZEF1END>\n", At(3, {"No data found after <CABINET>"})},
      // Lines without a value give nothing, and may repeat.
      {kSystem + "<CABINET>\t\n<CABINET>\t# none yet\n<ZEF1END>\n", {}, 0},
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
  ASSERT_EQ(run.result, 0) << ::testing::PrintToString(run.messages);
  const auto& edges = run.set->cabinet.edges;
  ASSERT_EQ(edges.size(), 3u);
  // Seen from the -X side: x and y turn over, z stays.
  EXPECT_EQ(edges[0], (model::Edge{{1, 0, 2}, {0.5f, 1, 0}, 0xFF0000}));
  EXPECT_EQ(edges[1], (model::Edge{{0, 0, 0}, {0, 0, 1}, 0xFFFFFF}));
  EXPECT_EQ(edges[2], (model::Edge{{1, 0, 0}, {0, -2, 3}, 3 * 65536 + 2 * 256 + 1}));
  EXPECT_EQ(run.set->info->cabinetFlags,
            model::cabinet_flag::kRectangular | model::cabinet_flag::kEdges);
  EXPECT_TRUE(run.set->cabinet.faces.empty());
}

TEST(CabinetEdges, HeaderAndLineErrors) {
  const std::string line = "0\t0\t0\t1\t1\t1";
  const Case cases[] = {
      {"<CABINET>\t<EDGES>\n", At(3, {"<CABINET> edge count expected"})},
      {"<CABINET>\t<EDGES>\tmany\n",
       At(3, {"Unsigned integer expected:many", "<CABINET> illegal edge count "})},
      {"<CABINET>\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n", At(3, {"<CABINET> edge count = 0"})},
      {"<CABINET>\t<EDGES>\t1\n", At(3, {"<CABINET> <ORIGIN> expected"})},
      {"<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\n", At(3, {"Cabinet origin data field missing"})},
      {kEdgesOne + line + "\n", At(4, {"<CABINET> edge <RGB> expected"})},
      {kEdgesOne + line + "\t<RGBA>\t0\t0\t0\n", At(4, {"<CABINET> edge <RGB> expected"})},
      {kEdgesOne + "0\t0\t0\t1\t1\n", At(4, {"Cabinet edge data field missing"})},
      {kEdgesOne + "0\tx\t0\t1\t1\t1\n", At(4, {"Valid float expected: x"})},
      {kEdgesOne + line + "\t<RGB>\n", At(4, {"<CABINET><RGB> red expected"})},
      {kEdgesOne + line + "\t<RGB>\t256\t0\t0\n", At(4, {"<CABINET><RGB> red out of range"})},
      {kEdgesOne + line + "\t<RGB>\t0\t256\t0\n", At(4, {"<CABINET><RGB> green out of range"})},
      {kEdgesOne + line + "\t<RGB>\t0\t0\t256\n", At(4, {"<CABINET><RGB> blue out of range"})},
      {kEdgesOne + line + "\t<RGB>\t0\t-1\t0\n",
       At(4, {"Unsigned integer expected:-1", "<CABINET><RGB> green expected"})},
      {kEdgesOne + line + "\t<RGB>\t0\t0\n", At(4, {"<CABINET><RGB> blue expected"})},
      // A count is never trusted: the lines run out first.
      {"<CABINET>\t<EDGES>\t4294967295\t<ORIGIN>\t0\t0\t0\n" + line + "\t<RGB>\t0\t0\t0\n",
       At(5, {"end of file"})},
  };
  for (const Case& c : cases) ExpectRun({kSystem + c.lines, c.messages});
}

TEST(CabinetFaces, VerticesInOrderAndFaceEdges) {
  const auto run = RunCabinet(kSystem +
                              "<CABINET>\t<FACES>\t3\t<EDGES>\t1\t<ORIGIN>\t1\t1\t1\n"
                              "1\t1\t1\t2\t1\t1\t2\t2\t1\t<RGB>\t10\t20\t30\n"
                              "# counts as one of the three\n"
                              "1\t1\t1\t1\t2\t1\t<rgb>\t0\t0\t0\n"  // two vertices are kept
                              "1\t1\t1\t2\t2\t2\t<RGB>\t1\t1\t1\n<ZEF1END>\n");
  ASSERT_EQ(run.result, 0) << ::testing::PrintToString(run.messages);
  const auto& cabinet = run.set->cabinet;
  ASSERT_EQ(cabinet.faces.size(), 2u);
  EXPECT_EQ(cabinet.faces[0], (model::Face{{{0, 0, 0}, {0, 1, 0}}, 0}));
  EXPECT_EQ(cabinet.faces[1],
            (model::Face{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 30 * 65536 + 20 * 256 + 10}));
  ASSERT_EQ(cabinet.faceEdges.size(), 1u);
  EXPECT_EQ(cabinet.faceEdges[0], (model::Edge{{0, 0, 0}, {1, 1, 1}, 0x010101}));
  EXPECT_TRUE(cabinet.edges.empty());
  EXPECT_EQ(run.set->info->cabinetFlags, model::cabinet_flag::kFaces);
}

TEST(CabinetFaces, HeaderAndLineErrors) {
  const std::string face = kFacesOne;
  const Case cases[] = {
      {"<CABINET>\t<FACES>\n", At(3, {"<CABINET> face count expected"})},
      {"<CABINET>\t<FACES>\tx\n",
       At(3, {"Unsigned integer expected:x", "<CABINET> illegal face count"})},
      {"<CABINET>\t<FACES>\t0\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n",
       At(3, {"<CABINET> face count = 0"})},
      {"<CABINET>\t<FACES>\t1\n", At(3, {"<CABINET> <EDGES> expected"})},
      {"<CABINET>\t<FACES>\t1\t<EDGE>\t0\n", At(3, {"<CABINET> <EDGES> expected"})},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\n", At(3, {"<CABINET> edge count expected"})},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\t-1\n",
       At(3, {"Unsigned integer expected:-1", "<CABINET> illegal edge count "})},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\t0\n", At(3, {"<CABINET> <ORIGIN> expected"})},
      {face + "0\t0\t0\t1\t1\t1\n", At(4, {"<CABINET> face <RGB> expected"})},
      {face + "0\t0\t0\t1\t1\t1\t<COLOR>\t0\t0\t0\n", At(4, {"<CABINET> face <RGB> expected"})},
      {face + "0\t0\t0\t1\t1\n", At(4, {"Cabinet face data field missing"})},
      {face + "<RGB>\t0\t0\t0\n", At(4, {"Valid float expected: <RGB>"})},
      {face + "0\t0\t0\t<RGB>\t0\t0\t300\n", At(4, {"<CABINET><RGB> blue out of range"})},
      {"<CABINET>\t<FACES>\t1\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n0\t0\t0\t<RGB>"
       "\t0\t0\t0\n0\t0\t0\t1\t1\t1\n",
       At(5, {"<CABINET> edge <RGB> expected"})},
      {"<CABINET>\t<FACES>\t99\t<EDGES>\t0\t<ORIGIN>\t0\t0\t0\n", At(4, {"end of file"})},
  };
  for (const Case& c : cases) ExpectRun({kSystem + c.lines, c.messages});
}

// A folder of test files, removed again at the end of the test.
struct TempFolder {
  fs::path path =
      fs::temp_directory_path() / ("zef_cabinet_" + std::to_string(::getpid()) + "_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempFolder() { fs::create_directories(path); }
  ~TempFolder() { fs::remove_all(path); }
  void Write(const std::string& name, std::size_t size) const {
    std::ofstream(path / name, std::ios::binary) << std::string(size, 'x');
  }
  std::string Source() const { return (path / "data.txt").string(); }
};

TEST(CabinetDxf, FileLoadedUnitAndOriginStored) {
  const TempFolder folder;
  folder.Write("cab.dxf", 512000);
  const auto run = RunCabinet(
      kSystem + "<CABINET>\t<DXF>\tCAB.DXF\t<UNIT>\t<CM>\t<ORIGIN>\t10\t20\t<NODATA>\n<ZEF1END>\n",
      FormatKind::Zef1, 1, folder.Source());
  ASSERT_EQ(run.result, 0) << ::testing::PrintToString(run.messages);
  const auto& cabinet = run.set->cabinet;
  EXPECT_EQ(cabinet.dxfFile.kind, model::EmbeddedKind::Dxf);
  EXPECT_EQ(cabinet.dxfFile.Size(), 512000u);
  EXPECT_EQ(cabinet.dxfPath, (folder.path / "cab.dxf").string());
  EXPECT_TRUE(cabinet.edges.empty() && cabinet.dxfEdges.empty());  // parsed when drawn
  const auto& info = *run.set->info;
  EXPECT_EQ(info.cabinetFlags, model::cabinet_flag::kDxf);
  EXPECT_EQ(info.dxfUnit, 1u);
  EXPECT_EQ(std::vector<float>(info.dxfOrigin, info.dxfOrigin + 3),
            (std::vector<float>{10, 20, -12000}));
  const Point3 p = cabinet.transform.Apply({110, 20, -11999});
  EXPECT_FLOAT_EQ(p.x, 1.0f);
  EXPECT_FLOAT_EQ(p.z, 0.01f);

  const char* units[] = {"<MM>", "<CM>", "<dm>", "<M>", "<Inches>", "<FEET>"};
  for (std::uint32_t code = 0; code < 6; ++code) {
    const auto unitRun = RunCabinet(kSystem + "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t" + units[code] +
                                        "\t<ORIGIN>\t0\t0\t0\n<ZEF1END>\n",
                                    FormatKind::Zef1, 1, folder.Source());
    EXPECT_EQ(unitRun.set->info->dxfUnit, code);
    EXPECT_EQ(unitRun.set->cabinet.transform.Apply({0, 0, 2}),
              (Point3{0, 0, 2 * model::kUnitLength[code]}));
  }
}

TEST(CabinetDxf, Errors) {
  const TempFolder folder;
  folder.Write("cab.dxf", 10);
  folder.Write("big.dxf", 512001);
  const std::string dxf = "<CABINET>\t<DXF>\t";
  const std::pair<std::string, std::string> cases[] = {
      {"big.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", {"<CABINET> <DXF> size is > 500kB"}},
      {"none.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", {"<CABINET> <DXF> failed to read file."}},
      {"cab.dwg\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0", {"<CABINET> <DXF> file type not supported."}},
      {"", {"<CABINET> <DXF> file expected"}},
      {"cab.dxf", {"<CABINET> <DXF> <UNIT> missing"}},
      {"cab.dxf\t<UNITS>\t<MM>", {"<CABINET> <DXF> <UNIT> missing"}},
      {"cab.dxf\t<UNIT>", {"<CABINET> <DXF> <UNIT> value missing"}},
      {"cab.dxf\t<UNIT>\t<YARD>", {"<CABINET> illegal <DXF> <UNIT>"}},
      {"cab.dxf\t<UNIT>\t<MM>", {"<CABINET> <DXF> <ORIGIN> expected"}},
      {"cab.dxf\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0", {"Cabinet origin data field missing"}},
  };
  for (const auto& [values, message] : cases) {
    ExpectRun({kSystem + dxf + values + "\n<ZEF1END>\n", At(3, {message})}, folder.Source());
  }
}

TEST(CabinetEnd, EndTagOfTheKind) {
  const Case cases[] = {
      {kSystem + "<ZEF1END>\n<ZEF2END>\nnot read\n", {}, 0},
      {kSystem + "<zef2end>\n", {}, 0, FormatKind::Zef2},
      {kSystem + "<ZEF2END>\n", At(3, {"<ZEF1END> expected"})},
      {kSystem + "<CABINET-MR>\t0\t0\t0\n<ZEF2END>\n", At(3, {"<ZEF2END> expected"}), 2,
       FormatKind::Zef2},
      // Cut short where a cabinet line or the end tag could stand: kept, with errors.
      {kSystem + kBox, At(4, {"end of file"}), 1},
      {kSystem + kBox + "junk\t1\n<ZEF1END>\n", At(4, {"<CABINET> expected"}), 1},
  };
  for (const Case& c : cases) ExpectRun(c);

  const auto cut = RunCabinet(kSystem + kBox);
  EXPECT_EQ(cut.set->info->cabinetFlags, model::cabinet_flag::kRectangular);
  EXPECT_EQ(cut.set->info->rectangular[3], 1.0f);
}

TEST(CabinetEnd, ReferencePointOfZef2Version2) {
  const auto withInfo = RunCabinet(
      kSystem + kBox + "<CABINET-MR>\t0,1\t<NODATA>\t0.3\t<INFO>\t'Tweeter axis'\n<ZEF2END>\n",
      FormatKind::Zef2, 2);
  ASSERT_EQ(withInfo.result, 0) << ::testing::PrintToString(withInfo.messages);
  const auto& part = withInfo.set->systemPart;
  EXPECT_EQ(std::vector<float>(part.referencePoint, part.referencePoint + 3),
            (std::vector<float>{0.1f, -12000.0f, 0.3f}));
  EXPECT_EQ(model::TextOf(part.referenceText), "Tweeter axis");
  const auto plain =
      RunCabinet(kSystem + kBox + "<CABINET-MR>\t1\t2\t3\n<ZEF2END>\n", FormatKind::Zef2, 2);
  EXPECT_EQ(plain.result, 0);
  EXPECT_EQ(model::TextOf(plain.set->systemPart.referenceText), "");

  const std::string mr = kSystem + kBox + "<CABINET-MR>";
  Case cases[] = {
      {kSystem + "<CABINET-MR>\t1\t2\t3\n<ZEF2END>\n", At(3, {"<CABINET> required for ZEF2 v2"})},
      {kSystem + "<CABINET>\t\n<ZEF2END>\n", At(4, {"<CABINET> required for ZEF2 v2"})},
      {kSystem + kBox + "<ZEF2END>\n", At(4, {"<CABINET-MR> required for ZEF2 v2"})},
      {mr + "\t\n<ZEF2END>\n", At(4, {"<CABINET-MR> expecting values"})},
      {mr + "\n<ZEF2END>\n", At(4, {"No data found after <CABINET-MR>"})},
      {mr + "\t1\t2\n<ZEF2END>\n", At(4, {"<CABINET-MR> x y z values not found"})},
      {mr + "\t1\t2\t3\t<NOTE>\tx\n<ZEF2END>\n", At(4, {"<INFO> expected"})},
      {mr + "\t1\t2\t3\t<INFO>\n<ZEF2END>\n", At(4, {"<INFO> value expected"})},
      {mr + "\t1\t2\t3\n<ZEF1END>\n", At(5, {"<ZEF2END> expected"})},
      {mr + "\t1\t2\t3\n", At(5, {"end of file"}), 1},
      {kSystem + kBox, At(4, {"end of file"}), 1},
  };
  for (Case& c : cases) {
    c.kind = FormatKind::Zef2;
    c.version = 2;
    ExpectRun(c);
  }
}

}  // namespace
}  // namespace zef::textformat
