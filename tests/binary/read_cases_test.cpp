#include <gtest/gtest.h>

#include "binary_fixture.h"
#include "case_file.h"
#include "model/random_set.h"

namespace zef::binary {
namespace {

using namespace testing;

TEST(BinaryRead, EachCaseFileImageReadsAsListed) {
  for (const auto& c : zef::testing::ReadCases("binary/cases/reads.txt")) {
    const Described d = Describe(c[1]);
    const auto reader = c[0] == "ZF1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2;
    const ReadBack read = ReadImage(reader, d.image);
    if (c[2] != "as written") {
      EXPECT_EQ(Summary(read), c[2]) << c.where;
    } else {
      ASSERT_TRUE(read.set) << c.where << ": " << Summary(read);
      EXPECT_TRUE(model::testing::SameDataSet(*read.set, *d.set)) << c.where;
    }
  }
}

}  // namespace
}  // namespace zef::binary
