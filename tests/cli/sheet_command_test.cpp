#include <gtest/gtest.h>

#include "command_fixture.h"
#include "textformat/minimal_file.h"

namespace zef::cli::testing {
namespace {

using textformat::testing::MinimalZef1;

class SheetAndTable : public CommandTest {
 protected:
  void SetUp() override {
    Write("box.txt", MinimalZef1());
    std::string spectrum = MinimalZef1();
    std::string values = "<AXIAL-SPECTRUM>\t<NODATA>";
    for (int i = 1; i < 30; ++i) values += "\t81.5";
    Write("spectrum.txt", spectrum.replace(spectrum.find("<AXIAL-SPECTRUM>\t"), 17, values));
  }
};

TEST_F(SheetAndTable, SheetPrintsTheFieldsThenTheBandRows) {
  EXPECT_EQ(Run(RunSheet, {"@box.txt"}), 0);
  const std::string text = out_.str();
  EXPECT_TRUE(text.starts_with("Title: box.txt - ZEF reader/viewer\nModel name: Test box\n"));
  EXPECT_NE(text.find("\nPart info: \nSelected band: 1k\nBand:\t1k\t2k\tHz\nInp. voltage:\t"),
            std::string::npos);
  EXPECT_NE(text.find("\nSensitivity:\t90.0\t91.5\tdB\nImpedance:\t8.0\t -\tOhm\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("\nAx. Spect.:\t -\t -\tdB\n")) << text;

  EXPECT_EQ(Run(RunSheet, {"--decimal-comma", "--option", "di", "@box.txt"}), 0);
  EXPECT_NE(out_.str().find("\nSensitivity:\t90,0\t91,5\tdB\n"), std::string::npos);
  EXPECT_NE(out_.str().find("\nAxial DI:\t"), std::string::npos);
}

TEST_F(SheetAndTable, TablesPrintExactlyWhatTheClipboardGets) {
  EXPECT_EQ(Run(RunTable, {"sensitivity", "@box.txt"}), 0);
  EXPECT_EQ(out_.str(), "\"Acme\"\t\"Test box\"" + std::string(14, '\t') + "90.0\t\t\t91.5" +
                            std::string(12, '\t') + "\"box.txt\"");
  EXPECT_EQ(Run(RunTable, {"axial", "--decimal-comma", "@spectrum.txt"}), 0);
  EXPECT_TRUE(out_.str().starts_with("\t\t\"25\"\t\"31.5\"\t"));
  std::string values;
  for (int i = 1; i < 30; ++i) values += "\t81,5";
  EXPECT_TRUE(out_.str().ends_with("\t\"20k\"\r\n\"Acme\"\t\"Test box\"\t-" + values +
                                   "\t\t\"spectrum.txt\""))
      << out_.str();
}

TEST_F(SheetAndTable, RefusalsAndUsage) {
  EXPECT_EQ(Run(RunTable, {"axial", "@box.txt"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("zef table: " + Path("box.txt") + ": the file gives no axial spectrum\n"),
            std::string::npos);
  EXPECT_EQ(Run(RunSheet, {"@missing.txt"}), 2);
  EXPECT_EQ(err_.str(), "message: ** File does not exist **\n");
  EXPECT_EQ(Run(RunTable, {"impedance", "@box.txt"}), kUsageError);
  EXPECT_EQ(err_.str(),
            "zef table: usage: zef table sensitivity|axial [--no | --ask] [--decimal-comma] FILE\n");
  EXPECT_EQ(Run(RunSheet, {"--option", "bold", "@box.txt"}), kUsageError);
  EXPECT_EQ(err_.str(),
            "zef sheet: --option needs an option name\n"
            "zef sheet: usage: zef sheet [--no | --ask] [--decimal-comma] [--option NAME] "
            "[--no-option NAME] FILE\n");
}

}  // namespace
}  // namespace zef::cli::testing
