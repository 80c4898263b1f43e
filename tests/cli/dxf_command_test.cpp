#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cabinet/dxf_text.h"
#include "cli/commands.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;
using cabinet::testing::DxfText;
using cabinet::testing::Entities;

struct DxfRun {
  int status;
  std::string out, err;
};

DxfRun RunWith(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunDxf(args, out, err);
  return {status, out.str(), err.str()};
}

class DxfCommand : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  fs::path folder_ = fs::temp_directory_path() / ("zef_dxf_cli_" + std::to_string(getpid()));
};

TEST_F(DxfCommand, CountsAndExtentInTheUnitGiven) {
  const std::string file = Write(
      "box.dxf", Entities([](DxfText& d) {
        d(0, "3DFACE").Point(10, 0, 0, 0).Point(11, 200, 0, 0).Point(12, 200, 150, 0)(70, "0");
        d(0, "LINE").Point(10, 0, 0, 0).Point(11, 0, 0, 300);
      }));
  const DxfRun mm = RunWith({file, "--unit", "mm"});
  EXPECT_EQ(mm.status, 0);
  EXPECT_EQ(mm.out, "faces: 1\nedges: 4\nextent (m): x 0 to 0.2, y 0 to 0.15, z 0 to 0.3\n");
  EXPECT_EQ(mm.err, "");
  EXPECT_EQ(RunWith({file}).out,
            "faces: 1\nedges: 4\nextent (m): x 0 to 200, y 0 to 150, z 0 to 300\n");
}

TEST_F(DxfCommand, FailuresAndUsage) {
  const DxfRun bad = RunWith({Write("bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nX\n")});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err, "Bad LINE coordinate value - line no 8\n");
  const DxfRun empty = RunWith({Write("empty.dxf", Entities([](DxfText& d) { d(0, "TEXT"); }))});
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.out, "faces: 0\nedges: 0\n");
  EXPECT_EQ(empty.err, "No 3D entities found\n");
  EXPECT_EQ(RunWith({(folder_ / "none.dxf").string()}).err,
            "Failed to open " + (folder_ / "none.dxf").string() + "\n");
  EXPECT_EQ(RunWith({}).status, kUsageError);
  EXPECT_EQ(RunWith({"a.dxf", "--unit", "yards"}).err,
            "zef dxf: unknown unit 'yards'\n"
            "zef dxf: usage: zef dxf FILE.DXF [--unit mm|cm|dm|m|inches|feet]\n");
  EXPECT_EQ(RunWith({"a.dxf", "b.dxf"}).status, kUsageError);
}

}  // namespace
}  // namespace zef::cli
