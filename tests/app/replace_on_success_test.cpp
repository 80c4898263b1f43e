#include <gtest/gtest.h>

#include "fake_platform.h"
#include "textformat/minimal_file.h"

namespace zef::app::testing {
namespace {

using textformat::testing::MinimalZef1;

TEST_F(OpenFlowTest, FailedReadLeavesTheLoadedSetUntouched) {
  Write("Info.TXT", "About this box");
  std::string good = MinimalZef1("12.5",
                                 "<CABINET>\t<RECTANGULAR>\t-0.2\t0\t-0.1\t0.1\t-0.3\t0.3\n"
                                 "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n"
                                 "0\t0\t0\t1\t1\t1\t<RGB>\t255\t0\t0\n");
  good.replace(good.find("<INFOFILE>\t"), 11, "<INFOFILE>\tinfo.txt");
  std::string bad = good;
  Write("bad.txt", bad.replace(bad.find("<BAND>\t2k"), 9, "<BAND>\t4k"));

  ASSERT_TRUE(Open(Write("good.txt", good)).loaded) << ::testing::PrintToString(Lines());
  const model::DataSet before = *holder_.Loaded();
  EXPECT_EQ(before.cabinet.infoFile.Size(), 14u);
  EXPECT_EQ(before.cabinet.edges.size(), 1u);

  EXPECT_EQ(Open(dir_.Path("bad.txt")).readResult, textformat::kReadFailed);
  EXPECT_TRUE(*holder_.Loaded() == before);
  EXPECT_EQ(holder_.Loaded()->cabinet.infoFile.bytes, before.cabinet.infoFile.bytes);
}

}  // namespace
}  // namespace zef::app::testing
