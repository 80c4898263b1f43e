#include "cabinet/lazy_dxf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cabinet/cabinet_drawing.h"
#include "dxf_text.h"
#include "scene_lines.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

using testing::DxfText;
using ::testing::ElementsAre;
using testing::Entities;

const std::string kFaceAndLine = Entities([](DxfText& d) {
  d(0, "3DFACE")(62, "0")
      .Point(10, 0, 0, 0)
      .Point(11, 1, 0, 0)
      .Point(12, 1, 0, 2)
      .Point(13, 1, 0, 2);
  d(0, "LINE")(62, "1").Point(10, 0, 0, 0).Point(11, 0, 0, -1);
});

class LazyDxfTest : public ::testing::Test {
 protected:
  LazyDxfTest() {
    set.info->cabinetFlags = model::cabinet_flag::kDxf;
    set.info->dxfUnit = 3;
    set.info->onAxisCode = model::kPlusX;
    set.info->upCode = model::kPlusZ;
    set.cabinet.dxfPath = folder.Path("cab.dxf").string();
  }
  std::vector<std::string> Draw(bool filled = false) {
    graphs::OptionSet options(0);
    options.Set(graphs::Option::kDrawDxfFaces, filled);
    DrawCabinet(scene, 0, {set, CabinetKind::kDxf, options, dxf, debug});
    return testing::ObjectLines(scene.Object(0));
  }

  wav::testing::TempDir folder;
  model::DataSet set{model::FormatKind::Zef1};
  LazyDxf dxf;
  model::LineSink debug;
  view3d::Scene scene{400, 400, debug};
};

TEST_F(LazyDxfTest, ParsedOnFirstDrawingOnlyOutlinesOrFilledFaces) {
  folder.Write("cab.dxf", kFaceAndLine);
  const std::vector<std::string> outlined = Draw();
  EXPECT_THAT(outlined, ElementsAre("line 000000 closed 0,0,0 1,0,0 1,0,2",
                                    "line 01FEFE open 0,0,0 0,0,-1", "text 000000 0,0,2.57  1 dm"));
  EXPECT_TRUE(dxf.Parsed());
  EXPECT_FALSE(dxf.DialogOpen());
  std::filesystem::remove(set.cabinet.dxfPath);
  EXPECT_EQ(Draw(), outlined);
  EXPECT_THAT(Draw(true),
              ElementsAre("line 01FEFE open 0,0,0 0,0,-1", "triangle 000000 0,0,0 1,0,0 1,0,2",
                          "text 000000 0,0,0.17  1 dm"));
}

TEST_F(LazyDxfTest, TheWindowIsToldEachEntityAsItIsRead) {
  folder.Write("cab.dxf", kFaceAndLine);
  std::vector<std::string> lines;
  dxf = LazyDxf([&lines](const std::string& line) { lines.push_back(line); });
  Draw();
  EXPECT_THAT(lines, ElementsAre("3DFACE - 6", "LINE - 34"));
}

TEST_F(LazyDxfTest, FailureShowsInTheDialogLineAndTheViewAndIsNotReadAgain) {
  struct Case {
    std::string dxf;
    const char* dialog;
  };
  const Case cases[] = {
      {"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\nX\r\n",
       "Bad LINE coordinate value - line no 8"},
      {Entities([](DxfText& d) { d(0, "TEXT"); }), "No 3D entities found"},
  };
  for (const Case& c : cases) {
    folder.Write("cab.dxf", c.dxf);
    dxf = LazyDxf();
    EXPECT_THAT(Draw(),
                ElementsAre("text 0000FF 0,0,0.5 DXF-parse failed", "text 000000 0,0,0.17  1 dm"));
    EXPECT_EQ(dxf.DialogText(), c.dialog);
    EXPECT_TRUE(dxf.DialogOpen());
    folder.Write("cab.dxf", kFaceAndLine);
    EXPECT_EQ(Draw().front(), "text 0000FF 0,0,0.5 DXF-parse failed");
    EXPECT_TRUE(set.cabinet.dxfEdges.empty() && set.cabinet.dxfFaces.empty());
  }
}

TEST_F(LazyDxfTest, AnEmbeddedDrawingThatCannotBeWrittenAsksForAMessageBox) {
  set.cabinet.dxfPath.clear();
  set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, {'0'}};
  setenv("TMPDIR", folder.Path("absent/folder").c_str(), 1);
  const CabinetDrawing drawing = DrawCabinet(scene, 0, {set, CabinetKind::kDxf, {}, dxf, debug});
  unsetenv("TMPDIR");
  EXPECT_EQ(drawing.messageBox, "Failed to save temporary file from embeded DXF");
  EXPECT_TRUE(scene.Object(0).texts3d.empty());
  EXPECT_FALSE(dxf.DialogOpen());
}

}  // namespace
}  // namespace zef::cabinet
