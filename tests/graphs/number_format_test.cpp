#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "graphs/number_format.h"

namespace zef::graphs {
namespace {

TEST(NumberFormatTest, FixedRoundsHalvesAwayFromZero) {
  struct Case {
    double value;
    int decimals;
    bool comma;
    const char* text;
  };
  const std::vector<Case> cases = {
      {12.25, 1, false, "12.3"}, {-2.5, 0, false, "-3"}, {-0.004, 2, false, "0.00"},
      {87.5, 1, true, "87,5"},   {1e15, 0, false, "??"}, {std::nan(""), 1, false, "??"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals, c.comma), c.text) << c.value;
  }
  EXPECT_EQ(FormatExponent(1500, false), "1.50e+03");
  EXPECT_EQ(FormatExponent(0.004, true), "4,00e-03");
  EXPECT_EQ(FormatExponent(std::numeric_limits<double>::infinity(), false), "??");
}

TEST(NumberFormatTest, YTicLabelsFollowRangeAndStep) {
  struct Case {
    double y, yMin, yMax, yStep;
    const char* label;
  };
  const std::vector<Case> cases = {
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
  for (const Case& c : cases) {
    EXPECT_EQ(YTicLabel(c.y, c.yMin, c.yMax, c.yStep, false), c.label)
        << c.y << " in " << c.yMin << ".." << c.yMax << " step " << c.yStep;
  }
  EXPECT_EQ(YTicLabel(1.5, 0, 2, 0.5, true), "1,5");
}

TEST(NumberFormatTest, XTicLabelsFollowTheStep) {
  EXPECT_EQ(XTicLabel(0.00001, 0.25, false), "0");
  EXPECT_EQ(XTicLabel(-0.25, 0.25, true), "-0,25");
  EXPECT_EQ(XTicLabel(2.5, 2.5, false), "3");
  EXPECT_EQ(XTicLabel(std::nan(""), 1, false), "??");
}

TEST(NumberFormatTest, BandLabelTables) {
  EXPECT_EQ(OctaveLabel(0), "31");
  EXPECT_EQ(OctaveLabel(9), "16k");
  EXPECT_EQ(OctaveLabel(10), "");
  EXPECT_EQ(OctaveLabel(-1), "");
  EXPECT_EQ(ThirdOctaveLabel(1), "31.5");
  EXPECT_EQ(ThirdOctaveLabel(17), "1.25k");
  EXPECT_EQ(ThirdOctaveLabel(29), "20k");
  EXPECT_EQ(ThirdOctaveLabel(30), "");
}

}  // namespace
}  // namespace zef::graphs
