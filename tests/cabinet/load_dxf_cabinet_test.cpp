#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cabinet/load_dxf_cabinet.h"
#include "dxf_text.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

namespace fs = std::filesystem;
using model::Edge;
using model::Point3;
using testing::DxfText;
using testing::Entities;

const std::string kOneLine =
    Entities([](DxfText& d) { d(0, "LINE")(62, "0").Point(10, 1, 1, 1).Point(11, 1, 2, 3); });

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// A set with a drawing in its embedded slot; the transform is the identity.
model::DataSet SetWithDrawing(std::string_view text) {
  model::DataSet set(model::FormatKind::Zef1);
  set.info->cabinetFlags = model::cabinet_flag::kDxf;
  set.info->dxfUnit = 3;
  set.info->onAxisCode = model::kPlusX;
  set.info->upCode = model::kPlusZ;
  set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, Bytes(text)};
  return set;
}

// Points the temporary folder at a scratch folder of its own while alive.
struct ScratchTemp : wav::testing::TempDir {
  ScratchTemp() { setenv("TMPDIR", Path("").c_str(), 1); }
  ~ScratchTemp() { unsetenv("TMPDIR"); }
};

TEST(LoadDxfCabinet, EmbeddedDrawingGoesThroughATemporaryFileRemovedAfterwards) {
  ScratchTemp temp;
  model::DataSet set = SetWithDrawing(kOneLine);
  model::LineSink errors;
  ASSERT_TRUE(LoadDxfCabinet(set, errors));
  EXPECT_TRUE(errors.Lines().empty());
  EXPECT_EQ(set.cabinet.dxfEdges.InAddedOrder(), (std::vector<Edge>{{{1, 1, 1}, {1, 2, 3}, 0}}));
  EXPECT_TRUE(fs::is_empty(temp.Path("")));

  setenv("TMPDIR", temp.Path("gone").c_str(), 1);
  ASSERT_FALSE(LoadDxfCabinet(set, errors));
  EXPECT_EQ(errors.Lines(),
            (std::vector<std::string>{"Failed to save temporary file from embeded DXF"}));
  EXPECT_TRUE(set.cabinet.dxfEdges.empty());
}

TEST(LoadDxfCabinet, NamedDrawingIsReadFromItsFile) {
  ScratchTemp temp;
  model::DataSet set = SetWithDrawing("not read");
  set.cabinet.dxfPath = temp.Write("cab.dxf", kOneLine).string();
  model::LineSink errors;
  ASSERT_TRUE(LoadDxfCabinet(set, errors));
  EXPECT_EQ(set.cabinet.dxfEdges.size(), 1u);
  fs::remove(set.cabinet.dxfPath);
  ASSERT_FALSE(LoadDxfCabinet(set, errors));
  EXPECT_EQ(errors.Lines(), (std::vector<std::string>{"Failed to open " + set.cabinet.dxfPath}));
}

TEST(LoadDxfCabinet, UnitOriginAndAxesPlaceThePoints) {
  ScratchTemp temp;
  model::DataSet set = SetWithDrawing(kOneLine);
  set.info->dxfUnit = 1;
  set.info->dxfOrigin[0] = set.info->dxfOrigin[1] = set.info->dxfOrigin[2] = 1;
  set.info->onAxisCode = model::kPlusY;
  model::LineSink errors;
  ASSERT_TRUE(LoadDxfCabinet(set, errors));
  // (0, 1, 2) from the origin: front is +Y, up +Z, so left is -X.
  EXPECT_EQ(set.cabinet.dxfEdges[0], (Edge{{0, 0, 0}, {0.01f, 0, 0.02f}, 0}));
  EXPECT_EQ(UnitTransform(4).Apply({12, 0, 0}), (Point3{12 * (0.3048f / 12.0f), 0, 0}));
}

TEST(LoadDxfCabinet, FailuresLeaveTheListsEmpty) {
  ScratchTemp temp;
  const struct {
    std::string drawing;
    std::uint32_t unit, up;
    std::string line;
  } kCases[] = {
      {Entities([](DxfText& d) { d(0, "LINE").Point(10, 0, 0, 0)(11, "A"); }), 3, 5,
       "Bad LINE coordinate value - line no 14"},
      {Entities([](DxfText& d) { d(0, "CIRCLE")(40, 1.0); }), 3, 5, "No 3D entities found"},
      {kOneLine, 6, 5, "Unexpected error"},
      {kOneLine, 3, 0, "Unexpected error"},  // up on the on-axis axis
  };
  for (const auto& c : kCases) {
    model::DataSet set = SetWithDrawing(c.drawing);
    set.info->dxfUnit = c.unit;
    set.info->upCode = c.up;
    set.cabinet.AddEdge(set.cabinet.dxfEdges, 1, {}, {});
    model::LineSink errors;
    EXPECT_FALSE(LoadDxfCabinet(set, errors));
    EXPECT_EQ(errors.Lines(), std::vector<std::string>{c.line});
    EXPECT_TRUE(set.cabinet.dxfEdges.empty() && set.cabinet.dxfFaces.empty());
  }
  model::DataSet withoutDrawing = SetWithDrawing("");
  withoutDrawing.info->cabinetFlags = model::cabinet_flag::kRectangular;
  model::LineSink errors;
  EXPECT_TRUE(LoadDxfCabinet(withoutDrawing, errors) && errors.Lines().empty());
}

}  // namespace
}  // namespace zef::cabinet
