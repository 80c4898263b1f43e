#include <gtest/gtest.h>

#include "binary/binary_writer.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

using model::PerBand;

TEST_F(CommandTest, DumpedFiguresFollowTheSetAfterTheFlow) {
  // Omnidirectional, from an older writer so that the flow fills its
  // half-widths and Q; a 20 V rating.
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
  binary::WriteOptions older;
  older.writerVersion = "v1.0e";
  std::string error;
  ASSERT_TRUE(binary::WriteBinaryFile(Path("omni.ZF1"), set, older, error)) << error;
  ASSERT_EQ(Run(RunDump, {"--json", "@omni.ZF1"}), 0);
  const std::string json = out_.str();

  EXPECT_NE(json.find(R"("halfWidthH1":[0,180,180,180,180,180,180,180,180,180],)"),
            std::string::npos);
  EXPECT_NE(json.find(R"("axialQ":[0,1,1,1,1,1,1,1,1,1]})"), std::string::npos);
  const std::string zeros = "[0,0,0,0,0,0,0,0,0,0]";
  const std::string widths = "[0,360,360,360,360,360,360,360,360,360]";
  const std::size_t figures = json.find(R"(,"figures":{)");
  ASSERT_NE(figures, std::string::npos);
  const std::size_t curves = json.find(R"(,"curves":{)");
  ASSERT_NE(curves, std::string::npos);
  EXPECT_EQ(json.substr(figures, curves - figures),
            R"(,"figures":{"horizontalWidth":)" + widths + R"(,"verticalWidth":)" + widths +
                R"(,"horizontalMaxAngle":)" + zeros + R"(,"verticalMaxAngle":)" + zeros +
                R"(,"horizontalOffClass":)" + zeros + R"(,"verticalOffClass":)" + zeros +
                R"(,"offAxisClass":)" + zeros +
                R"(,"horizontalOffAxis":false,"verticalOffAxis":false,)"
                R"("axialDI":[-12000,0,0,0,0,0,0,0,0,0],"lowestImpedance":4,"nominalImpedance":10,)"
                R"("maxSensitivity":90,"avgSensitivity":90,)"
                R"("testSpectrum":[-12,-8,-4,0,0,0,0,0,0,0,0,0,0,0,-4,-8,-12,-16,-20,-24,-28,-32,)"
                R"(-36,-40,-44,-48,-52,-56,-60,-64],"equivalentPower":99.763115})");
}

}  // namespace
}  // namespace zef::cli::testing
