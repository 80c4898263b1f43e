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

constexpr std::string_view kFlatImpedance =
    "question: Values given for Impedance has no, or\nalmost no, variation over frequency.\n"
    "Are you sure?\n";
constexpr std::string_view kContainsErrors =
    "message: This file contains errors, please correct the data.\n\n"
    "Data and balloon is shown but a binary\ndistribution file can not be saved.\n";
constexpr std::string_view kModelNameError = "Error on line:    3\n <MODELNAME> value expected\n";

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zef-check-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    Write("flat.txt", MinimalZef1());  // one impedance value: the check asks
    std::string withErrors = MinimalZef1();
    Write("errors.txt",
          withErrors.replace(withErrors.find("<MODELNAME>\tTest box"), 20, "<MODELNAME>\t"));
    Write("broken.txt", "<ZEF9>\r\n");
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  int Check(std::vector<std::string> args) {
    for (auto& arg : args) {
      if (!arg.starts_with("--")) arg = (folder_ / arg).string();
    }
    out_.str("");
    err_.str("");
    return RunCheck(args, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CheckCommand, ExitStatusFollowsTheFlow) {
  const std::string summary = "ZEF1 version 1, Test box, bands 1000 to 2000 Hz\n";
  EXPECT_EQ(Check({"flat.txt"}), 0);
  EXPECT_EQ(out_.str(), std::string(kFlatImpedance) + "answer: yes\n");
  EXPECT_EQ(err_.str(), summary);

  EXPECT_EQ(Check({"--no", "flat.txt"}), 1);
  EXPECT_EQ(out_.str(),
            std::string(kFlatImpedance) + "answer: no\n" + std::string(kContainsErrors));
  EXPECT_EQ(err_.str(), summary);

  // Read with errors: the reader's lines, then the flow's box; not checked.
  EXPECT_EQ(Check({"errors.txt"}), 1);
  EXPECT_EQ(out_.str(), std::string(kModelNameError) + std::string(kContainsErrors));

  EXPECT_EQ(Check({"absent.txt"}), 2);
  EXPECT_EQ(out_.str(), "message: ** File does not exist **\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(CheckCommand, SeveralFilesAreHeadedAndTheWorstResultWins) {
  EXPECT_EQ(Check({"errors.txt", "broken.txt"}), 2);
  const std::string f = folder_.string();
  EXPECT_EQ(out_.str(), "==> " + f + "/errors.txt <==\n" + std::string(kModelNameError) +
                            std::string(kContainsErrors) + "==> " + f + "/broken.txt <==\n" +
                            "file type <ZEF1> or <ZEF2> missing on line 1\n");
  EXPECT_EQ(Check({"flat.txt", "errors.txt"}), 1);
  EXPECT_EQ(Check({}), kUsageError);
  EXPECT_EQ(Check({"--yes", "flat.txt"}), kUsageError);
  EXPECT_EQ(
      err_.str(),
      "zef check: unknown option '--yes'\nzef check: usage: zef check [--no | --ask] FILE...\n");
}

}  // namespace
}  // namespace zef::cli
