#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/minimal_variants.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

namespace fs = std::filesystem;
using app::testing::QuietZef1;

using CompileCommand = CommandTest;

TEST_F(CompileCommand, AuthorCategoryAndCompileDate) {
  ASSERT_EQ(Run(RunCompile, {Write("box.txt", QuietZef1())}), 0) << out_.str() << err_.str();
  EXPECT_EQ(out_.str(), "");
  const app::DataSetHolder holder = Opened(Path("box.ZF1"));
  EXPECT_EQ(holder.StatusLine(), "File created by: Acme (Manufacturer)");
  EXPECT_EQ(std::strlen(holder.Loaded()->info->writerText), 11u);  // the date, yyyy-mmm-dd
  ASSERT_EQ(
      Run(RunCompile, {"@box.txt", "-o", "@named.zf1", "--author", "Lab X", "--category", "2"}), 0);
  EXPECT_EQ(Opened(Path("named.zf1")).StatusLine(), "File created by: Lab X (3rd Party)");
}

TEST_F(CompileCommand, RefusedFilesWriteNothing) {
  const std::string errors = Write("errors.txt", app::testing::WithoutModelName(QuietZef1()));
  Write("errors.ZF1", "the binary of yesterday");
  EXPECT_EQ(Run(RunCompile, {errors}), 1);
  EXPECT_TRUE(out_.str().starts_with("Error on line:    3\n <MODELNAME> value expected\n"));
  EXPECT_EQ(err_.str(),
            "zef compile: " + errors + " not compiled: it has errors or fails the check\n");
  std::ostringstream kept;
  kept << std::ifstream(Path("errors.ZF1")).rdbuf();
  EXPECT_EQ(kept.str(), "the binary of yesterday");

  Write("flat.txt", textformat::testing::MinimalZef1());
  EXPECT_EQ(Run(RunCompile, {"--no", "@flat.txt"}), 1);
  EXPECT_FALSE(fs::exists(Path("flat.ZF1")));
  Write("broken.txt", "<ZEF9>\r\n");
  EXPECT_EQ(Run(RunCompile, {"@broken.txt"}), 2);
  EXPECT_FALSE(fs::exists(Path("broken.ZF1")));
}

TEST_F(CompileCommand, ArgumentsAndOutputNamesAreChecked) {
  const std::string text = Write("box.txt", QuietZef1());
  const std::string usage =
      "zef compile: usage: zef compile [--no | --ask] FILE.txt [-o OUT] [--author TEXT] "
      "[--category N]\n";
  const std::string category =
      "zef compile: --category takes 0 to 5 (0 Demo data, 1 Manufacturer, 2 3rd Party, "
      "3 Research, 4 Res.&Dev., 5 ZEF Dev)\n";
  const std::string zf2 = Path("box.ZF2");
  // A text whose name asks for a binary must not be written over.
  const std::string odd = Write("odd.zf1.txt", QuietZef1());
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
    EXPECT_EQ(Run(RunCompile, args), kUsageError);
    EXPECT_EQ(err_.str(), err);
  }
  EXPECT_FALSE(fs::exists(zf2));
}

}  // namespace
}  // namespace zef::cli::testing
