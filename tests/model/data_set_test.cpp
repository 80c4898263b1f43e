#include <gtest/gtest.h>

#include "model/data_set.h"
#include "model/date_text.h"

namespace zef::model {
namespace {

TEST(DataSet, RecordsStartZeroedAndCopyDeeply) {
  DataSet a(FormatKind::Zef2);
  EXPECT_EQ(a.data.Bytes().size(), 329408u);
  EXPECT_EQ(a.data.Arc(29, 71).size(), 37u);
  a.data.Arc(3, 5)[7] = -6.5f;
  a.data.Array(PerBand::Impedance)[4] = 8.0f;
  const auto* base = reinterpret_cast<const char*>(a.data.Bytes().data());
  EXPECT_EQ(reinterpret_cast<const char*>(&a.data.Arc(3, 5)[7]) - base,
            9608 + 10656 * 3 + 148 * 5 + 4 * 7);
  EXPECT_EQ(reinterpret_cast<const char*>(&a.data.Array(PerBand::Impedance)[4]) - base,
            8 + 120 * 2 + 4 * 4);
  DataSet b = a;
  b.data.Arc(3, 5)[7] = 0;
  EXPECT_FALSE(a == b);
  EXPECT_EQ(a.data.Arc(3, 5)[7], -6.5f);
  // A move hands the same record over; a copy would cost 329 KB and could throw.
  const std::byte* held = b.data.Bytes().data();
  const DataSet moved = std::move(b);
  EXPECT_EQ(moved.data.Bytes().data(), held);
  b = std::move(a);
  EXPECT_EQ(reinterpret_cast<const char*>(b.data.Bytes().data()), base);
  EXPECT_EQ(b.data.Arc(3, 5)[7], -6.5f);
}

TEST(DateText, FormatsAndCompares) {
  EXPECT_EQ(FormatDateText(2005, 4, 7), "2005-APR-07");
  // Months by the calendar, not alphabetically.
  EXPECT_LT(CompareDateTexts("2005-JAN-31", "2005-FEB-01"), 0);
  EXPECT_GT(CompareDateTexts("2006-JAN-01", "2005-DEC-31"), 0);
}

}  // namespace
}  // namespace zef::model
