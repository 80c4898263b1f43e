#include "textformat/measurement_date.h"

#include <gtest/gtest.h>

namespace zef::textformat {
namespace {

TEST(MeasurementDate, AcceptsAndRewritesToStoredForm) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"2005-apr-7", "2005-APR-07"},
      {"2005-APR-12", "2005-APR-12"},
      {"   1960-Jan-01", "1960-JAN-01"},
      {"2004-feb-29", "2004-FEB-29"},
      {"2005-FEB-29", "2005-FEB-29"},  // the year is not looked at
      {"2010-DEC-31 measured twice", "2010-DEC-31"},
      {"2010-nov-9 ", "2010-NOV-09"},
  };
  for (const auto& [text, stored] : cases) {
    const DateCheck check = CheckMeasurementDate(text);
    EXPECT_TRUE(check.valid) << text;
    EXPECT_EQ(check.text, stored) << text;
  }
}

TEST(MeasurementDate, RefusesWithTheReason) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", "missing data"},
      {"    ", "missing data"},
      {"APR-12-2005", "missing year"},
      {"2005", "missing data"},
      {"2005-APR", "missing data"},
      {"2005/04/12", "missing data"},
      {"20o5-APR-12", "year format"},
      {"99999999999-APR-12", "year format"},
      {"2005-APR-", "day format"},
      {"2005-APR-123", "day format"},
      {"2005-APR-1x", "day format"},
      {"2005-APR-x", "day format"},
      {"2005-APRIL-12", "month error"},
      {"2005-04-12", "month error"},
      {"2005--12", "month error"},
      {"2005-APR-31", "day range"},
      {"2005-JAN-00", "day range"},
      {"2005-JAN-32", "day range"},
  };
  for (const auto& [text, reason] : cases) {
    const DateCheck check = CheckMeasurementDate(text);
    EXPECT_FALSE(check.valid) << text;
    EXPECT_EQ(check.text, reason) << text;
  }
}

TEST(MeasurementDate, YearIsCheckedBeforeDayAndDayFormBeforeMonth) {
  EXPECT_EQ(CheckMeasurementDate("1959-XXX-99").text, "year range");
  EXPECT_EQ(CheckMeasurementDate("2005-XXX-123").text, "day format");
  EXPECT_EQ(CheckMeasurementDate("2005-XXX-99").text, "month error");
}

}  // namespace
}  // namespace zef::textformat
