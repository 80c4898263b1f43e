#include "analysis/real_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zef::analysis {
namespace {

TEST(RealToText, TwoDecimalsRightAlignedInSixCharacters) {
  const std::pair<float, std::string_view> cases[] = {
      {1.5f, "  1.50"},          {2.0f, "  2.00"},
      {0.0f, "  0.00"},          {-1.5f, " -1.50"},
      {123.456f, "123.46"},      {1234.5f, "1234.50"},
      {-999.999f, "-1000.00"},   {0.004f, "  0.00"},
      {std::nanf(""), "???.??"}, {std::numeric_limits<float>::infinity(), "???.??"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(RealToText(value, false), text) << value;
  EXPECT_EQ(RealToText(1.5f, true), "  1,50");
  EXPECT_EQ(RealToText(-1234.5f, true), "-1234,50");
  EXPECT_EQ(RealToText(std::numeric_limits<float>::max(), false).size(), 42u);
}

}  // namespace
}  // namespace zef::analysis
