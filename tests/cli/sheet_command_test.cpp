#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "textformat/minimal_file.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;
using textformat::testing::MinimalZef1;

class SheetAndTable : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zef-sheet-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    std::ofstream(folder_ / "box.txt", std::ios::binary) << MinimalZef1();
    std::string spectrum = MinimalZef1();
    std::string values = "<AXIAL-SPECTRUM>\t<NODATA>";
    for (int i = 1; i < 30; ++i) values += "\t8" + std::to_string(i % 10) + ".5";
    spectrum.replace(spectrum.find("<AXIAL-SPECTRUM>\t"), 17, values);
    std::ofstream(folder_ / "spectrum.txt", std::ios::binary) << spectrum;
  }
  void TearDown() override { fs::remove_all(folder_); }

  int Run(int (*command)(std::span<const std::string>, std::ostream&, std::ostream&),
          std::vector<std::string> args) {
    for (auto& arg : args) {
      if (arg.ends_with(".txt")) arg = (folder_ / arg).string();
    }
    out_.str("");
    err_.str("");
    return command(args, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SheetAndTable, SheetPrintsTheFieldsThenTheBandRows) {
  EXPECT_EQ(Run(RunSheet, {"box.txt"}), 0);
  const std::string text = out_.str();
  EXPECT_TRUE(text.starts_with("Title: box.txt - ZEF reader/viewer\nModel name: Test box\n"))
      << text;
  EXPECT_NE(text.find("\nPart info: \nSelected band: 1k\nBand:\t1k\t2k\tHz\nInp. voltage:\t"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nSensitivity:\t90.0\t91.5\tdB\nImpedance:\t8.0\t -\tOhm\n"),
            std::string::npos)
      << text;
  EXPECT_TRUE(text.ends_with("\nAx. Spect.:\t -\t -\tdB\n")) << text;

  EXPECT_EQ(Run(RunSheet, {"--decimal-comma", "--option", "di", "box.txt"}), 0);
  EXPECT_NE(out_.str().find("\nSensitivity:\t90,0\t91,5\tdB\n"), std::string::npos);
  EXPECT_NE(out_.str().find("\nAxial DI:\t"), std::string::npos);
}

TEST_F(SheetAndTable, TablesPrintExactlyWhatTheClipboardGets) {
  EXPECT_EQ(Run(RunTable, {"sensitivity", "box.txt"}), 0);
  EXPECT_EQ(out_.str(), "\"Acme\"\t\"Test box\"" + std::string(14, '\t') + "90.0\t\t\t91.5" +
                            std::string(12, '\t') + "\"box.txt\"");

  EXPECT_EQ(Run(RunTable, {"axial", "--decimal-comma", "spectrum.txt"}), 0);
  const std::string text = out_.str();
  EXPECT_TRUE(text.starts_with("\t\t\"25\"\t\"31.5\"\t")) << text;
  EXPECT_TRUE(
      text.ends_with("\t\"20k\"\r\n\"Acme\"\t\"Test box\"\t-\t81,5\t82,5\t83,5\t84,5\t85,5"
                     "\t86,5\t87,5\t88,5\t89,5\t80,5\t81,5\t82,5\t83,5\t84,5\t85,5\t86,5"
                     "\t87,5\t88,5\t89,5\t80,5\t81,5\t82,5\t83,5\t84,5\t85,5\t86,5\t87,5"
                     "\t88,5\t89,5\t\t\"spectrum.txt\""))
      << text;
}

TEST_F(SheetAndTable, RefusalsAndUsage) {
  EXPECT_EQ(Run(RunTable, {"axial", "box.txt"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("zef table: " + (folder_ / "box.txt").string() +
                            ": the file gives no axial spectrum\n"),
            std::string::npos)
      << err_.str();

  EXPECT_EQ(Run(RunSheet, {"missing.txt"}), 2);
  EXPECT_EQ(err_.str(), "message: ** File does not exist **\n");

  const std::string tableUsage =
      "zef table: usage: zef table sensitivity|axial [--no | --ask] [--decimal-comma] FILE\n";
  EXPECT_EQ(Run(RunTable, {"impedance", "box.txt"}), kUsageError);
  EXPECT_EQ(err_.str(), tableUsage);
  EXPECT_EQ(Run(RunSheet, {"--option", "bold", "box.txt"}), kUsageError);
  EXPECT_EQ(err_.str(),
            "zef sheet: --option needs an option name\n"
            "zef sheet: usage: zef sheet [--no | --ask] [--decimal-comma] [--option NAME] "
            "[--no-option NAME] FILE\n");
}

}  // namespace
}  // namespace zef::cli
