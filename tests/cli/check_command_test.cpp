#include <gtest/gtest.h>

#include "app/minimal_variants.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

constexpr std::string_view kFlatImpedance =
    "question: Values given for Impedance has no, or\nalmost no, variation over frequency.\n"
    "Are you sure?\n";
const std::string kContainsErrors =
    "message: This file contains errors, please correct the data.\n\n"
    "Data and balloon is shown but a binary\ndistribution file can not be saved.\n";
const std::string kModelNameErrors =
    "Error on line:    3\n <MODELNAME> value expected\n" + kContainsErrors;

class CheckCommand : public CommandTest {
 protected:
  void SetUp() override {
    Write("flat.txt", textformat::testing::MinimalZef1());  // one impedance value: the check asks
    Write("errors.txt", app::testing::WithoutModelName(textformat::testing::MinimalZef1()));
    Write("broken.txt", "<ZEF9>\r\n");
  }
};

TEST_F(CheckCommand, ExitStatusFollowsTheFlow) {
  EXPECT_EQ(Run(RunCheck, {"@flat.txt"}), 0);
  EXPECT_EQ(out_.str(), std::string(kFlatImpedance) + "answer: yes\n");
  EXPECT_EQ(err_.str(), "ZEF1 version 1, Test box, bands 1000 to 2000 Hz\n");
  EXPECT_EQ(Run(RunCheck, {"--no", "@flat.txt"}), 1);
  EXPECT_EQ(out_.str(), std::string(kFlatImpedance) + "answer: no\n" + kContainsErrors);
  EXPECT_EQ(Run(RunCheck, {"@absent.txt"}), 2);
  EXPECT_EQ(out_.str(), "message: ** File does not exist **\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(CheckCommand, SeveralFilesAreHeadedAndTheWorstResultWins) {
  EXPECT_EQ(Run(RunCheck, {"@errors.txt", "@broken.txt"}), 2);
  EXPECT_EQ(out_.str(), "==> " + Path("errors.txt") + " <==\n" + kModelNameErrors + "==> " +
                            Path("broken.txt") +
                            " <==\nfile type <ZEF1> or <ZEF2> missing on line 1\n");
  EXPECT_EQ(Run(RunCheck, {"@flat.txt", "@errors.txt"}), 1);
  EXPECT_EQ(Run(RunCheck, {}), kUsageError);
  EXPECT_EQ(Run(RunCheck, {"--yes", "@flat.txt"}), kUsageError);
  EXPECT_EQ(
      err_.str(),
      "zef check: unknown option '--yes'\nzef check: usage: zef check [--no | --ask] FILE...\n");
}

TEST_F(CheckCommand, DrawingIsCheckedOnALineOfItsOwnWithoutChangingTheStatus) {
  const std::string cabinet = "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t<M>\t<ORIGIN>\t0\t0\t0\n";
  Write("cab.txt", textformat::testing::MinimalZef1("12.5", cabinet));
  const std::pair<std::string, std::string> cases[] = {
      {"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\n1\r\n0\r\nENDSEC\r\n",
       "dxf: 0 faces, 1 edges\n"},
      {"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\nX\r\n",
       "dxf: Bad LINE coordinate value - line no 8\n"},
      {"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n", "dxf: No 3D entities found\n"},
  };
  for (const auto& [dxf, line] : cases) {
    Write("cab.dxf", dxf);
    EXPECT_EQ(Run(RunCheck, {"@cab.txt"}), 0);
    EXPECT_EQ(out_.str(), std::string(kFlatImpedance) + "answer: yes\n" + line);
  }
}

}  // namespace
}  // namespace zef::cli::testing
