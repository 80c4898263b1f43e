#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "binary/binary_writer.h"
#include "cli/commands.h"

namespace zef::cli {
namespace {

using model::PerBand;

// An omnidirectional ZEF1 set from an older writer, so the flow fills its
// half-widths and Q; a 20 V rating.
model::DataSet OmniZef1() {
  model::DataSet set(model::FormatKind::Zef1);
  set.data.MinBand() = 1;
  set.data.MaxBand() = 9;
  for (int band = 1; band <= 9; ++band) {
    set.data.Array(PerBand::Sensitivity)[band] = 90.0f;
    set.data.Array(PerBand::Impedance)[band] = band == 8 ? 4.0f : 8.0f;
  }
  set.info->maxInputKind = model::MaxInputKind::Voltage;
  set.info->maxInputValue = 20.0f;
  set.info->maxInputMethod = model::TestMethod::Aes2_1984;
  return set;
}

TEST(DumpCommand, FiguresFollowTheSetAfterTheFlow) {
  const auto folder = std::filesystem::temp_directory_path() / "zef-dump-figures-test";
  std::filesystem::create_directories(folder);
  binary::WriteOptions older;
  older.writerVersion = "v1.0e";
  std::string error;
  ASSERT_TRUE(binary::WriteBinaryFile(folder / "omni.ZF1", OmniZef1(), older, error)) << error;
  std::ostringstream out, err;
  ASSERT_EQ(RunDump(std::vector<std::string>{"--json", (folder / "omni.ZF1").string()}, out, err),
            0);
  const std::string json = out.str();
  EXPECT_EQ(err.str(), "");

  // Half-widths and Q filled by the flow, in the per-band arrays.
  EXPECT_NE(json.find(R"("halfWidthH1":[0,180,180,180,180,180,180,180,180,180],)"),
            std::string::npos);
  EXPECT_NE(json.find(R"("axialQ":[0,1,1,1,1,1,1,1,1,1]})"), std::string::npos);
  const std::string zeros = "[0,0,0,0,0,0,0,0,0,0]";
  const std::string widths = "[0,360,360,360,360,360,360,360,360,360]";
  const std::size_t figures = json.find(R"(,"figures":{)");
  ASSERT_NE(figures, std::string::npos);
  EXPECT_EQ(json.substr(figures),
            R"(,"figures":{"horizontalWidth":)" + widths + R"(,"verticalWidth":)" + widths +
                R"(,"horizontalMaxAngle":)" + zeros + R"(,"verticalMaxAngle":)" + zeros +
                R"(,"horizontalOffClass":)" + zeros + R"(,"verticalOffClass":)" + zeros +
                R"(,"offAxisClass":)" + zeros +
                R"(,"horizontalOffAxis":false,"verticalOffAxis":false,)"
                R"("axialDI":[-12000,0,0,0,0,0,0,0,0,0],"lowestImpedance":4,"nominalImpedance":10,)"
                R"("maxSensitivity":90,"avgSensitivity":90,)"
                R"("testSpectrum":[-12,-8,-4,0,0,0,0,0,0,0,0,0,0,0,-4,-8,-12,-16,-20,-24,-28,-32,)"
                R"(-36,-40,-44,-48,-52,-56,-60,-64],"equivalentPower":99.763115}})"
                "\n");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zef::cli
