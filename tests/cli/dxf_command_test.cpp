#include <gtest/gtest.h>

#include "cabinet/dxf_text.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

using cabinet::testing::DxfText;
using DxfCommand = CommandTest;

TEST_F(DxfCommand, CountsAndExtentInTheUnitGiven) {
  Write("box.dxf", cabinet::testing::Entities([](DxfText& d) {
          d(0, "3DFACE").Point(10, 0, 0, 0).Point(11, 200, 0, 0).Point(12, 200, 150, 0)(70, "0");
          d(0, "LINE").Point(10, 0, 0, 0).Point(11, 0, 0, 300);
        }));
  EXPECT_EQ(Run(RunDxf, {"@box.dxf", "--unit", "mm"}), 0);
  EXPECT_EQ(out_.str(), "faces: 1\nedges: 4\nextent (m): x 0 to 0.2, y 0 to 0.15, z 0 to 0.3\n");
  EXPECT_EQ(err_.str(), "");
  Run(RunDxf, {"@box.dxf"});
  EXPECT_EQ(out_.str(), "faces: 1\nedges: 4\nextent (m): x 0 to 200, y 0 to 150, z 0 to 300\n");
}

TEST_F(DxfCommand, FailuresAndUsage) {
  Write("bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nX\n");
  EXPECT_EQ(Run(RunDxf, {"@bad.dxf"}), 2);
  EXPECT_EQ(err_.str(), "Bad LINE coordinate value - line no 8\n");
  Write("empty.dxf", cabinet::testing::Entities([](DxfText& d) { d(0, "TEXT"); }));
  EXPECT_EQ(Run(RunDxf, {"@empty.dxf"}), 1);
  EXPECT_EQ(out_.str(), "faces: 0\nedges: 0\n");
  EXPECT_EQ(err_.str(), "No 3D entities found\n");
  Run(RunDxf, {"@none.dxf"});
  EXPECT_EQ(err_.str(), "Failed to open " + Path("none.dxf") + "\n");
  EXPECT_EQ(Run(RunDxf, {"a.dxf", "--unit", "yards"}), kUsageError);
  EXPECT_EQ(err_.str(),
            "zef dxf: unknown unit 'yards'\n"
            "zef dxf: usage: zef dxf FILE.DXF [--unit mm|cm|dm|m|inches|feet]\n");
  EXPECT_EQ(Run(RunDxf, {"a.dxf", "b.dxf"}), kUsageError);
}

}  // namespace
}  // namespace zef::cli::testing
