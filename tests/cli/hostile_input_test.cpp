#include <sys/stat.h>

#include <filesystem>

#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

namespace fs = std::filesystem;

// Devices, pipes, folders and huge files: every command refuses them at once,
// with the reader's own message, status 2 and nothing written.
class HostileInput : public CommandTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(::mkfifo(Path("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.ZF2").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.dxf").c_str(), 0600), 0);
    fs::create_directory(Path("folder.txt"));
    for (const auto& [name, size] :
         {std::pair{"huge.txt", 16u << 20}, {"huge.ZF1", 64u << 20}, {"huge.dxf", 512001u}}) {
      Write(name, "");
      fs::resize_file(Path(name), size + 1u);  // sparse: nothing is really written
    }
  }
};

TEST_F(HostileInput, EveryCommandRefusesWithItsMessage) {
  constexpr std::string_view kNotRegular = "Failed to open file: not a regular file\n";
  const struct {
    Command command;
    std::vector<std::string> args;
    std::string printed;  // standard output, then standard error
  } cases[] = {
      {RunCheck, {"/dev/zero"}, std::string(kNotRegular)},
      {RunCheck, {"@pipe.txt"}, std::string(kNotRegular)},
      {RunCheck, {"@folder.txt"}, std::string(kNotRegular)},
      {RunCheck, {"@huge.txt"}, "Failed to open file: larger than 16777216 bytes\n"},
      {RunCheck,
       {"@pipe.ZF2"},
       "Failed to open file:\n(" + Path("pipe.ZF2") + ")\nnot a regular file\n"},
      {RunCheck,
       {"@huge.ZF1"},
       "Failed to open file:\n(" + Path("huge.ZF1") + ")\nlarger than 67108864 bytes\n"},
      {RunDump, {"--json", "@pipe.txt"}, std::string(kNotRegular)},
      {RunSheet, {"/dev/zero"}, std::string(kNotRegular)},
      {RunTable, {"sensitivity", "@pipe.txt"}, std::string(kNotRegular)},
      {RunCompile,
       {"@pipe.txt", "-o", "@out.ZF2"},
       std::string(kNotRegular) + "zef compile: " + Path("pipe.txt") +
           " not compiled: it cannot be read\n"},
      {RunDxf, {"@pipe.dxf"}, "Failed to open " + Path("pipe.dxf") + ": not a regular file\n"},
      {RunDxf,
       {"@huge.dxf"},
       "Failed to open " + Path("huge.dxf") + ": larger than 512000 bytes\n"},
      {RunDxf, {"/dev/zero"}, "Failed to open /dev/zero: not a regular file\n"},
  };
  for (const auto& [command, args, printed] : cases) {
    EXPECT_EQ(Run(command, args), 2) << args.back();
    EXPECT_EQ(out_.str() + err_.str(), printed) << args.back();
  }
  EXPECT_FALSE(fs::exists(Path("out.ZF2")));
}

}  // namespace
}  // namespace zef::cli::testing
