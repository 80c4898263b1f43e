#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "graphs/number_format.h"

namespace zef::graphs {
namespace {

TEST(NumberFormatTest, FixedRoundsHalvesAwayFromZero) {
  const std::tuple<double, int, bool, const char*> cases[] = {
      {12.25, 1, false, "12.3"}, {-2.5, 0, false, "-3"}, {-0.004, 2, false, "0.00"},
      {87.5, 1, true, "87,5"},   {1e15, 0, false, "??"}, {std::nan(""), 1, false, "??"},
  };
  for (const auto& [value, decimals, comma, text] : cases) {
    EXPECT_EQ(FormatFixed(value, decimals, comma), text) << value;
  }
  EXPECT_EQ(FormatExponent(1500, false), "1.50e+03");
  EXPECT_EQ(FormatExponent(0.004, true), "4,00e-03");
  EXPECT_EQ(FormatExponent(std::numeric_limits<double>::infinity(), false), "??");
}

TEST(NumberFormatTest, YTicLabelsFollowRangeAndStep) {
  // y, the range and its step: the label.
  const std::tuple<double, double, double, double, const char*> cases[] = {
      // steps below 1: decimals by the range's size
      {0.001, 0, 2, 0.5, "0"},
      {0.4, 0, 0.8, 0.2, "0.40"},
      {0.04, 0, 0.08, 0.02, "0.040"},
      {0.004, 0, 0.008, 0.002, "4.00e-03"},
      {250.5, 0, 500, 0.5, "251"},
      {2500, 0, 5000, 0.5, "2.50e+03"},
      // the range of a non-positive maximum is its minimum
      {-0.5, -2, 0, 0.5, "-0.5"},
      // whole steps
      {-2.5, 0, 10, 1, "-3"},
      {1000, 0, 2000, 1000, "1.00e+03"},
      {0.0005, 0, 0.0008, 1, "5.00e-04"},
      // no usable step: one decimal
      {12.25, 0, 50, 0, "12.3"},
  };
  for (const auto& [y, yMin, yMax, yStep, label] : cases) {
    EXPECT_EQ(YTicLabel(y, yMin, yMax, yStep, false), label) << y << " step " << yStep;
  }
  EXPECT_EQ(YTicLabel(1.5, 0, 2, 0.5, true), "1,5");
}

TEST(NumberFormatTest, XTicLabelsFollowTheStep) {
  EXPECT_EQ(XTicLabel(0.00001, 0.25, false), "0");
  EXPECT_EQ(XTicLabel(-0.25, 0.25, true), "-0,25");
  EXPECT_EQ(XTicLabel(2.5, 2.5, false), "3");
  EXPECT_EQ(XTicLabel(std::nan(""), 1, false), "??");
}

// The labels themselves show on the frames; an index off the tables has none.
TEST(NumberFormatTest, BandLabelsOffTheTablesAreEmpty) {
  EXPECT_EQ(std::string(OctaveLabel(10)) + std::string(OctaveLabel(-1)) +
                std::string(ThirdOctaveLabel(30)),
            "");
}

}  // namespace
}  // namespace zef::graphs
