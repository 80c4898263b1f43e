#include <gtest/gtest.h>

#include "graphs/option_set.h"

namespace zef::graphs {
namespace {

TEST(OptionSetTest, DefaultsAndSwitches) {
  OptionSet options;
  EXPECT_EQ(options.Bits(), 0x231U);
  for (int bit = 0; bit < kOptionCount; ++bit) {
    const bool on = bit == 0 || bit == 4 || bit == 5 || bit == 9;
    EXPECT_EQ(options.Get(static_cast<Option>(bit)), on) << bit;
  }
  options.Toggle(Option::kShowDi);
  options.Set(Option::kHeavyLines, false);
  options.Set(Option::kColouredSphere, true);
  EXPECT_EQ(options.Bits(), 0x8238U);
  EXPECT_EQ(OptionSet(0x100).Get(Option::kPolarTics6Db), true);
}

TEST(OptionSetTest, NamesFindTheirOptions) {
  for (int bit = 0; bit < kOptionCount; ++bit) {
    const auto option = static_cast<Option>(bit);
    EXPECT_EQ(FindOption(OptionName(option)), option) << bit;
  }
  EXPECT_EQ(FindOption("6db-tics"), Option::kPolarTics6Db);
  EXPECT_EQ(FindOption("Heavy-Lines"), std::nullopt);
  EXPECT_EQ(FindOption(""), std::nullopt);
}

}  // namespace
}  // namespace zef::graphs
