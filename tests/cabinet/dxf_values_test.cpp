#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_numbers.h"

namespace zef::cabinet {
namespace {

TEST(DxfReal, ReadsEveryFormDrawingsUse) {
  const struct {
    std::string text;
    double value;
  } kCases[] = {
      {"-.5", -0.5},
      {"1,25", 1.25},
      {"-,5", -0.5},
      {"6.123E-17", 6.123e-17},
      {"+2.5", 2.5},
      {"1.", 1.0},
      {".", 0.0},
      {"1E-400", 0.0},
      // Cut to 41 characters: the exponent beyond them is lost.
      {"1." + std::string(39, '0') + "E5", 1.0},
  };
  for (const auto& c : kCases) {
    double value = -99;
    EXPECT_TRUE(ParseDxfReal(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(DxfReal, RefusesWhatIsNoFiniteNumber) {
  for (const char* text : {"", "-", "1.5X", "1,2,3", "NAN", "INF", "1E400", "0X10", " 1", "+-1"}) {
    double value = 7;
    EXPECT_FALSE(ParseDxfReal(text, value)) << text;
  }
}

TEST(DxfWhole, ReadsSignedWholeNumbers) {
  std::int32_t value = 0;
  EXPECT_TRUE(ParseDxfWhole("-3", value));
  EXPECT_EQ(value, -3);
  EXPECT_TRUE(ParseDxfWhole("+8", value));
  EXPECT_EQ(value, 8);
  for (const char* text : {"", "1.0", "1E2", "2147483648", "X", "-"}) {
    EXPECT_FALSE(ParseDxfWhole(text, value)) << text;
  }
}

TEST(DxfColour, MapsColourNumbers) {
  const struct {
    const char* text;
    std::uint32_t colour;
  } kCases[] = {
      {"0", 0},          {"1", 0x01FEFE},  {"255", 0xFF0000}, {"256", 0xC8C8C8},
      {"257", 0x9696FF}, {"-7", 0x9696FF}, {"RED", 0xC8C8C8}, {"1.5", 0xC8C8C8},
  };
  for (const auto& c : kCases) EXPECT_EQ(DxfColour(c.text), c.colour) << c.text;
}

}  // namespace
}  // namespace zef::cabinet
