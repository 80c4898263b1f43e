#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <numbers>
#include <sstream>

#include "case_file.h"
#include "model/fixed_text.h"
#include "model/info_record.h"
#include "sofa/sofa_content.h"
#include "sofa/sofa_file.h"
#include "wav/wav_image.h"

namespace zef::sofa {
namespace {

namespace fs = std::filesystem;
using model::FormatKind;

TEST(SofaContent, GridDirectionsInSphericalDegrees) {
  for (const auto& c : zef::testing::ReadCases("sofa/cases/directions.txt")) {
    int grid = 0, arc = 0, point = 0;
    std::istringstream(c[0]) >> grid >> arc >> point;
    const auto [azimuth, elevation] =
        DirectionOf(model::GridOf(grid == 1 ? FormatKind::Zef1 : FormatKind::Zef2), arc, point);
    std::ostringstream text;
    text << azimuth << " " << elevation;
    EXPECT_EQ(text.str(), c[1]) << c.where;
  }
}

model::DataSet SmallSet() {
  model::DataSet set(FormatKind::Zef1);
  set.data.MinBand() = 1;
  set.data.MaxBand() = 2;
  set.data.Array(model::PerBand::Sensitivity)[1] = 90.0f;
  set.data.Array(model::PerBand::Sensitivity)[2] = model::kNoData;
  set.data.Arc(1, 9)[3] = -6.0f;
  set.info->measurementDistance = 2.0f;
  model::SetText(set.info->modelName, "Box");
  set.sourcePath = "/somewhere/box.ZF1";
  return set;
}

TEST(SofaContent, OneReceiverPerDistinctDirection) {
  const SofaBalloon b = BuildSofaBalloon(SmallSet(), "2026-01-02 03:04:05");
  EXPECT_EQ(b.frequencies, (std::vector<double>{63, 125}));
  ASSERT_EQ(b.ReceiverCount(), 2u + 36 * 17);
  ASSERT_EQ(b.real.size(), b.ReceiverCount() * 2);
  // Receiver 1 + 9 * 17 + 2 is arc 9, point 3: 30 degrees to the left.
  const std::size_t r = 1 + 9 * 17 + 2;
  EXPECT_EQ((std::array{b.receivers[3 * r], b.receivers[3 * r + 1], b.receivers[3 * r + 2]}),
            (std::array{30.0, 0.0, 2.0}));
  // Band 2 has no sensitivity: relative to on-axis.
  EXPECT_EQ(std::tuple(b.real[2 * r], b.real[2 * r + 1], b.real[0]),
            std::tuple(std::pow(10.0, 84.0 / 20), 1.0, std::pow(10.0, 90.0 / 20)));
  EXPECT_EQ(b.imag, std::vector<double>(b.real.size(), 0.0));
}

TEST(SofaContent, PhaseTurnsThePressure) {
  model::DataSet set(FormatKind::Zef2);
  set.data.MinBand() = 0;
  set.data.MaxBand() = 0;
  set.phase = std::make_unique<model::PhaseBlock>();
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase->balloon[0][0][1] = static_cast<float>(std::numbers::pi / 2);
  const SofaBalloon b = BuildSofaBalloon(set, "");
  EXPECT_NEAR(b.real[1], 0.0, 1e-7);
  EXPECT_NEAR(b.imag[1], 1.0, 1e-7);
}

std::string Output(const std::string& command) {
  std::string out;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) out += buffer;
  return out;
}

TEST(SofaFile, NcdumpShowsTheConventionsVariablesAndAttributes) {
  wav::testing::TempDir dir;
  const fs::path path = dir.Path("box.sofa");
  std::string error;
  ASSERT_TRUE(WriteSofaFile(path, BuildSofaBalloon(SmallSet(), "2026-01-02 03:04:05"), error))
      << error;
  // The conventions, variables and attributes as ncdump shows them, and the frequencies.
  const std::string header = Output("ncdump -h " + path.string());
  zef::testing::ExpectGolden("sofa/golden/box_header.txt", header);
  EXPECT_NE(Output("ncdump -v N " + path.string()).find(" N = 63, 125 ;"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 1);
}

TEST(SofaFile, FailedWriteLeavesNothing) {
  wav::testing::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteSofaFile(dir.Path("no/box.sofa"), BuildSofaBalloon(SmallSet(), ""), error));
  EXPECT_EQ(error,
            "Cannot write " + dir.Path("no/box.sofa").string() + ": No such file or directory");
  model::DataSet empty(FormatKind::Zef1);
  empty.data.MinBand() = 2;
  empty.data.MaxBand() = 1;
  EXPECT_FALSE(WriteSofaFile(dir.Path("box.sofa"), BuildSofaBalloon(empty, ""), error));
  EXPECT_EQ(error, "Cannot write " + dir.Path("box.sofa").string() + ": the set has no bands");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 0);
}

}  // namespace
}  // namespace zef::sofa
