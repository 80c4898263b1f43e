#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/derived_figures.h"
#include "cli/commands.h"
#include "cli/output_open.h"
#include "textformat/minimal_file.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;
using textformat::testing::MinimalZef1;

// The minimal file with an impedance that varies, so the check asks nothing.
std::string QuietZef1() {
  std::string text = MinimalZef1();
  return text.replace(text.find("<IMPEDANCE>\t8\t<NODATA>"), 22, "<IMPEDANCE>\t8\t12");
}

class CompileCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zef-compile-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
    return folder_ / name;
  }
  int Compile(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return RunCompile(args, out_, err_);
  }
  static app::DataSetHolder Opened(const fs::path& path) {
    app::DataSetHolder holder;
    std::ostringstream sink;
    EXPECT_TRUE(OpenForOutput(path.string(), Answering::Yes, false, holder, sink).loaded);
    return holder;
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CompileCommand, CompiledBinariesReadBackWithTheSameFigures) {
  for (const char* name : {"two-way-zef1.txt", "column-zef2-v1.txt", "coax-zef2-v2.txt"}) {
    SCOPED_TRACE(name);
    const fs::path text = fs::path(ZEF_SAMPLES_DIR) / name;
    const fs::path binary = folder_ / (std::string(name) + (name[0] == 't' ? ".ZF1" : ".ZF2"));
    ASSERT_EQ(Compile({text.string(), "-o", binary.string()}), 0) << out_.str() << err_.str();
    EXPECT_EQ(err_.str(), "zef compile: wrote " + binary.string() + "\n");
    const app::DataSetHolder a = Opened(text);
    const app::DataSetHolder b = Opened(binary);
    EXPECT_TRUE(b.DataValid());
    EXPECT_FALSE(app::WrittenByOlderWriter(*b.LoadedHeader()));
    EXPECT_TRUE(a.Loaded()->data == b.Loaded()->data);
    EXPECT_EQ(a.Figures().horizontalWidth, b.Figures().horizontalWidth);
    EXPECT_EQ(a.Figures().verticalMaxAngle, b.Figures().verticalMaxAngle);
    EXPECT_EQ(a.Figures().offAxisClass, b.Figures().offAxisClass);
    EXPECT_EQ(a.Loaded()->impedance, b.Loaded()->impedance);
  }
}

TEST_F(CompileCommand, AuthorCategoryAndCompileDate) {
  const fs::path text = Write("box.txt", QuietZef1());
  ASSERT_EQ(Compile({text.string()}), 0) << out_.str() << err_.str();
  EXPECT_EQ(out_.str(), "");
  app::DataSetHolder holder = Opened(folder_ / "box.ZF1");
  EXPECT_EQ(holder.StatusLine(), "File created by: Acme (Manufacturer)");
  EXPECT_EQ(std::strlen(holder.Loaded()->info->writerText), 11u);  // the date, yyyy-mmm-dd

  const fs::path named = folder_ / "named.zf1";
  ASSERT_EQ(Compile({text.string(), "-o", named.string(), "--author", "Lab X", "--category", "2"}),
            0);
  EXPECT_EQ(Opened(named).StatusLine(), "File created by: Lab X (3rd Party)");
}

TEST_F(CompileCommand, RefusedFilesWriteNothing) {
  std::string withErrors = QuietZef1();
  const fs::path errors =
      Write("errors.txt",
            withErrors.replace(withErrors.find("<MODELNAME>\tTest box"), 20, "<MODELNAME>\t"));
  const fs::path old = Write("errors.ZF1", "the binary of yesterday");
  EXPECT_EQ(Compile({errors.string()}), 1);
  EXPECT_EQ(out_.str(),
            "Error on line:    3\n <MODELNAME> value expected\n"
            "message: This file contains errors, please correct the data.\n\n"
            "Data and balloon is shown but a binary\ndistribution file can not be saved.\n");
  EXPECT_EQ(err_.str(), "zef compile: " + errors.string() +
                            " not compiled: it has errors or fails the check\n");
  std::ostringstream kept;
  kept << std::ifstream(old).rdbuf();
  EXPECT_EQ(kept.str(), "the binary of yesterday");

  EXPECT_EQ(Compile({"--no", Write("flat.txt", MinimalZef1()).string()}), 1);
  EXPECT_NE(out_.str().find("answer: no\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "flat.ZF1"));
  EXPECT_EQ(Compile({Write("broken.txt", "<ZEF9>\r\n").string()}), 2);
  EXPECT_FALSE(fs::exists(folder_ / "broken.ZF1"));
}

TEST_F(CompileCommand, ArgumentsAndOutputNamesAreChecked) {
  const std::string text = Write("box.txt", QuietZef1()).string();
  const std::string usage =
      "zef compile: usage: zef compile [--no | --ask] FILE.txt [-o OUT] [--author TEXT] "
      "[--category N]\n";
  const std::string category =
      "zef compile: --category takes 0 to 5 (0 Demo data, 1 Manufacturer, 2 3rd Party, "
      "3 Research, 4 Res.&Dev., 5 ZEF Dev)\n";
  const std::string zf2 = (folder_ / "box.ZF2").string();
  // A text whose name asks for a binary must not be written over.
  const std::string odd = Write("odd.zf1.txt", QuietZef1()).string();
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, usage},
      {{text, "--category", "6"}, category + usage},
      {{text, "--category", "1x"}, category + usage},
      {{text, "--author", std::string(256, 'a')},
       "zef compile: --author takes at most 255 characters\n" + usage},
      {{text, "-o"}, "zef compile: -o needs a value\n" + usage},
      {{text, "-o", zf2},
       "zef compile: " + zf2 + ": the name of a ZEF1 binary must contain .ZF1\n"},
      {{odd, "-o", odd}, "zef compile: " + odd + " is the text file itself\n"},
  };
  for (const auto& [args, err] : cases) {
    EXPECT_EQ(Compile(args), kUsageError);
    EXPECT_EQ(err_.str(), err);
  }
  EXPECT_FALSE(fs::exists(zf2));
}

}  // namespace
}  // namespace zef::cli
