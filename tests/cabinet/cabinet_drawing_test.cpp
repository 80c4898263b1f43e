#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cabinet/cabinet_drawing.h"
#include "cabinet/filled_face.h"
#include "cabinet/lazy_dxf.h"
#include "cabinet/load_dxf_cabinet.h"
#include "cabinet_listing.h"
#include "case_file.h"
#include "model/fixed_text.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

using model::Point3;

namespace flag = model::cabinet_flag;

const std::string kFaceAndLine = testing::Drawing(
    "0\n3DFACE\n62\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n12\n1\n22\n0\n32\n2\n13\n1\n23\n0"
    "\n33\n2\n0\nLINE\n62\n1\n10\n0\n20\n0\n30\n0\n11\n0\n21\n0\n31\n-1\n0\nENDSEC\n0\nEOF\n");

class CabinetDrawingTest : public ::testing::Test {
 protected:
  CabinetDrawingTest() {
    set.info->dxfUnit = 3;
    set.info->onAxisCode = model::kPlusX;
    set.info->upCode = model::kPlusZ;
    set.cabinet.dxfPath = folder.Path("cab.dxf").string();
  }
  // The object drawn, also added to `listing` under `name` when one is given.
  std::string Draw(CabinetKind kind, const char* name = nullptr, bool filled = false) {
    graphs::OptionSet options(0);
    options.Set(graphs::Option::kDrawDxfFaces, filled);
    DrawCabinet(scene, 0, {set, kind, options, dxf, debug});
    const std::string drawn = testing::ObjectListing(scene.Object(0));
    if (name) listing += "== " + std::string(name) + "\n" + drawn;
    return drawn;
  }

  wav::testing::TempDir folder;
  model::DataSet set{model::FormatKind::Zef2};
  LazyDxf dxf;
  model::LineSink debug;
  view3d::Scene scene{400, 400, debug};
  std::string listing;
};

// Boxes back grey then front black, edges newest first, faces as triangles
// (only their top raising the label), the reference point of version 2, the
// axes, and a drawing parsed once, outlined or filled.
TEST_F(CabinetDrawingTest, EveryKindInOneListing) {
  Draw(CabinetKind::kRectangular, "no cabinet info");
  set.info->cabinetFlags = flag::kRectangular;
  const float box[6] = {-0.3f, -0.1f, 0, 0, 0.1f, 0.5f};
  std::copy(box, box + 6, set.info->rectangular);
  Draw(CabinetKind::kRectangular, "rectangular");
  set.info->cabinetFlags = flag::kTrapezoidal;
  const float t[10] = {-0.4f, 0, -0.1f, 0.1f, -0.2f, 0.2f, 0, 0.3f, -0.1f, 0.9f};
  std::copy(t, t + 10, set.info->trapezoidal);
  Draw(CabinetKind::kTrapezoidal, "trapezoidal");
  set.info->cabinetFlags = flag::kEdges | flag::kFaces;
  set.cabinet.edges.Add({{0, 0, -1}, {0, 1, -2}, 0x112233});
  set.cabinet.edges.Add({{1, 0, -1}, {1, 1, -0.5f}, 0x445566});
  Draw(CabinetKind::kEdges, "edges");
  set.cabinet.faceEdges.Add({{0, 0, 0}, {0, 0, 0.5f}, 0});
  set.cabinet.faces.Add({{{0, 0, 0}, {0, 1, 0}, {0, 0, 3}}, 0xAA});
  // The second vertex lies on the line through its neighbours.
  set.cabinet.faces.Add({{{0, 0, 0}, {0, 0.5f, 0}, {0, 1, 0}, {0, 1, 1}}, 0xBB});
  Draw(CabinetKind::kFacesAndEdges, "faces and edges");
  set.version = 2;
  set.systemPart.referencePoint[2] = 0.25f;
  Draw(CabinetKind::kEdges, "version 2 reference point");
  model::SetText(set.systemPart.referenceText, std::string(60, 'x'));
  Draw(CabinetKind::kEdges, "reference text cut to 45");
  DrawCabinetAxes(scene, 3);
  listing += "== axes\n" + testing::ObjectListing(scene.Object(3));

  set.info->cabinetFlags = flag::kDxf;
  folder.Write("cab.dxf", kFaceAndLine);
  const std::string outlined = Draw(CabinetKind::kDxf, "dxf outlined");
  EXPECT_TRUE(dxf.Parsed() && !dxf.DialogOpen());
  std::filesystem::remove(set.cabinet.dxfPath);
  EXPECT_EQ(Draw(CabinetKind::kDxf), outlined);
  Draw(CabinetKind::kDxf, "dxf filled", true);
  zef::testing::ExpectGolden("cabinet/golden/drawings.txt", listing);
}

TEST_F(CabinetDrawingTest, DxfWindowToldEachEntityAndFailuresNotReadAgain) {
  set.info->cabinetFlags = flag::kDxf;
  folder.Write("cab.dxf", kFaceAndLine);
  std::string told;
  dxf = LazyDxf([&told](const std::string& line) { told += line + ";"; });
  Draw(CabinetKind::kDxf);
  EXPECT_EQ(told, "3DFACE - 6;LINE - 34;");
  const std::string failed = "text 0000FF 0,0,0.5 DXF-parse failed\ntext 000000 0,0,0.17  1 dm\n";
  for (const auto& [text, dialog] :
       {std::pair{testing::WithCrLf(testing::Drawing("0\nLINE\n10\nX\n")),
                  "Bad LINE coordinate value - line no 8"},
        {testing::Drawing("0\nTEXT\n0\nENDSEC\n0\nEOF\n"), "No 3D entities found"}}) {
    folder.Write("cab.dxf", text);
    dxf = LazyDxf();
    EXPECT_EQ(Draw(CabinetKind::kDxf), failed);
    EXPECT_TRUE(dxf.DialogText() == dialog && dxf.DialogOpen()) << dialog;
    folder.Write("cab.dxf", kFaceAndLine);
    EXPECT_EQ(Draw(CabinetKind::kDxf), failed);
    EXPECT_TRUE(set.cabinet.dxfEdges.empty() && set.cabinet.dxfFaces.empty());
  }
  // An embedded drawing that cannot be written asks for a message box.
  dxf = LazyDxf();
  set.cabinet.dxfPath.clear();
  set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, {'0'}};
  setenv("TMPDIR", folder.Path("absent/folder").c_str(), 1);
  const CabinetDrawing drawing = DrawCabinet(scene, 0, {set, CabinetKind::kDxf, {}, dxf, debug});
  unsetenv("TMPDIR");
  EXPECT_EQ(drawing.messageBox, "Failed to save temporary file from embeded DXF");
  EXPECT_TRUE(scene.Object(0).texts3d.empty() && !dxf.DialogOpen());
}

TEST(CabinetScaleLabel, StandsAboveTheNextTenthOverTheTop) {
  const float cases[][2] = {{0.5f, 0.77f}, {0, 0.17f}, {0.25f, 0.47f}, {1, 1.37f}, {0.04f, 0.17f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(ScaleLabelHeight(c[0]), c[1]) << c[0];
}

TEST(FilledFace, KeepsOnlyVerticesThatTurn) {
  using Face = std::vector<Point3>;
  const std::pair<Face, Face> cases[] = {
      {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{1, 0, 0}, {1, 1, 0}, {0, 0, 0}}},
      {{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}}, {{2, 0, 0}, {2, 2, 0}, {0, 0, 0}}},
      // a repeated vertex takes the one before it along
      {{{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{1, 0, 0}, {1, 1, 0}}},
      {{{0, 0, 0}, {1, 0, 0}, {2, 0.0005f, 0}}, {}},
  };
  for (const auto& [face, kept] : cases) EXPECT_EQ(ReducedFace(face), kept) << face.size();
}

namespace fs = std::filesystem;

const std::string kOneLine = testing::Drawing(
    "0\nLINE\n62\n0\n10\n1\n20\n1\n30\n1\n11\n1\n21\n2\n31\n3\n0\nENDSEC\n0\nEOF\n");

// A set with a drawing in its embedded slot, in millimetres as drawn.
model::DataSet SetWithDrawing(std::string_view text) {
  model::DataSet set(model::FormatKind::Zef1);
  set.info->cabinetFlags = model::cabinet_flag::kDxf;
  set.info->dxfUnit = 3;
  set.info->onAxisCode = model::kPlusX;
  set.info->upCode = model::kPlusZ;
  set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, {text.begin(), text.end()}};
  return set;
}

// Points the temporary folder at a scratch folder of its own while alive.
struct ScratchTemp : wav::testing::TempDir {
  ScratchTemp() { setenv("TMPDIR", Path("").c_str(), 1); }
  ~ScratchTemp() { unsetenv("TMPDIR"); }
};

TEST(LoadDxfCabinet, UnitsAxesOriginAndFailures) {
  ScratchTemp temp;
  for (const auto& c : zef::testing::ReadCases("cabinet/cases/load_dxf.txt")) {
    model::DataSet set = SetWithDrawing(testing::Drawing(c[0]));
    set.info->dxfUnit = static_cast<std::uint32_t>(std::stoul(c[1]));
    set.info->onAxisCode = static_cast<std::uint32_t>(std::stoul(c[2]));
    set.info->upCode = static_cast<std::uint32_t>(std::stoul(c[3]));
    std::fill_n(set.info->dxfOrigin, 3, std::stof(c[4]));
    set.cabinet.AddEdge(set.cabinet.dxfEdges, 1, {}, {});
    model::LineSink errors;
    const bool loaded = LoadDxfCabinet(set, errors);
    std::string result;
    for (const std::string& line : errors.Lines()) result += line;
    for (const model::Edge& e : set.cabinet.dxfEdges.InAddedOrder())
      result +=
          "e " + testing::At(e.first) + " " + testing::At(e.second) + " " + testing::Hex(e.colour);
    EXPECT_EQ(result, c[5]) << c.where;
    EXPECT_EQ(loaded, errors.Lines().empty()) << c.where;
    EXPECT_TRUE(loaded || set.cabinet.dxfFaces.empty()) << c.where;
    EXPECT_TRUE(fs::is_empty(temp.Path(""))) << c.where;  // the temporary copy is removed
  }
  EXPECT_EQ(UnitTransform(4).Apply({12, 0, 0}), (model::Point3{12 * (0.3048f / 12.0f), 0, 0}));
  model::DataSet withoutDrawing = SetWithDrawing("");
  withoutDrawing.info->cabinetFlags = model::cabinet_flag::kRectangular;
  model::LineSink errors;
  EXPECT_TRUE(LoadDxfCabinet(withoutDrawing, errors) && errors.Lines().empty());
}

TEST(LoadDxfCabinet, TemporaryFileThatCannotBeWrittenAndNamedFiles) {
  ScratchTemp temp;
  model::DataSet set = SetWithDrawing(kOneLine);
  model::LineSink errors;
  setenv("TMPDIR", temp.Path("gone").c_str(), 1);
  ASSERT_FALSE(LoadDxfCabinet(set, errors));
  EXPECT_EQ(errors.Lines(),
            (std::vector<std::string>{"Failed to save temporary file from embeded DXF"}));
  EXPECT_TRUE(set.cabinet.dxfEdges.empty());
  // A named drawing is read from its file, not from the embedded slot.
  set = SetWithDrawing("not read");
  set.cabinet.dxfPath = temp.Write("cab.dxf", kOneLine).string();
  model::LineSink named;
  ASSERT_TRUE(LoadDxfCabinet(set, named));
  EXPECT_EQ(set.cabinet.dxfEdges.size(), 1u);
  fs::remove(set.cabinet.dxfPath);
  ASSERT_FALSE(LoadDxfCabinet(set, named));
  EXPECT_EQ(named.Lines(), (std::vector<std::string>{"Failed to open " + set.cabinet.dxfPath}));
}

}  // namespace
}  // namespace zef::cabinet
