#include "cabinet/load_dxf_cabinet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cabinet_listing.h"
#include "case_file.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

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
