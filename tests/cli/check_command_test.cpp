#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "textformat/minimal_file.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;
using textformat::testing::MinimalZef1;

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zef-check-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    Write("clean.txt", MinimalZef1());
    std::string withErrors = MinimalZef1();
    withErrors.replace(withErrors.find("<MODELNAME>\tTest box"), 20, "<MODELNAME>\t");
    Write("errors.txt", withErrors);
    Write("broken.txt", "<ZEF9>\r\n");
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  int Check(std::vector<std::string> names) {
    for (auto& name : names) name = (folder_ / name).string();
    out_.str("");
    err_.str("");
    return RunCheck(names, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CheckCommand, ExitStatusFollowsTheReaderResult) {
  EXPECT_EQ(Check({"clean.txt"}), 0);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "ZEF1 version 1, Test box, bands 1000 to 2000 Hz\n");

  EXPECT_EQ(Check({"errors.txt"}), 1);
  EXPECT_EQ(out_.str(), "Error on line:    3\n <MODELNAME> value expected\n");
  EXPECT_EQ(err_.str(), "ZEF1 version 1, dummy, bands 1000 to 2000 Hz\n");

  EXPECT_EQ(Check({"broken.txt"}), 2);
  EXPECT_EQ(out_.str(), "file type <ZEF1> or <ZEF2> missing on line 1\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(CheckCommand, SeveralFilesAreHeadedAndTheWorstResultWins) {
  EXPECT_EQ(Check({"clean.txt", "broken.txt", "errors.txt"}), 2);
  const std::string f = folder_.string();
  EXPECT_EQ(out_.str(), "==> " + f + "/clean.txt <==\n==> " + f + "/broken.txt <==\n" +
                            "file type <ZEF1> or <ZEF2> missing on line 1\n==> " + f +
                            "/errors.txt <==\nError on line:    3\n <MODELNAME> value expected\n");
  EXPECT_EQ(Check({}), kUsageError);
}

}  // namespace
}  // namespace zef::cli
