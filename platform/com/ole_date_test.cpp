#include "platform/com/ole_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qn::com {
namespace {

// The fields d converts to are want's, one by one.
void expect_fields_of(DATE d, const DateFields& want) {
  DateFields f;
  ASSERT_TRUE(fields_of_ole_date(d, &f));
  EXPECT_EQ(f.year, want.year);
  EXPECT_EQ(f.month, want.month);
  EXPECT_EQ(f.day, want.day);
  EXPECT_EQ(f.hour, want.hour);
  EXPECT_EQ(f.minute, want.minute);
  EXPECT_EQ(f.second, want.second);
}

TEST(ComOleDate, Table) {
  struct Case {
    DATE date;
    DateFields fields;
  };
  const Case cases[] = {
      {0.0, {1899, 12, 30, 0, 0, 0}},    {2.5, {1900, 1, 1, 12, 0, 0}},
      {-1.25, {1899, 12, 29, 6, 0, 0}},  // the fraction runs forward from midnight
      {-1.0, {1899, 12, 29, 0, 0, 0}},   {-2.75, {1899, 12, 28, 18, 0, 0}},
      {45000.0, {2023, 3, 15, 0, 0, 0}}, {36526.0 + 1.0 / 86400, {2000, 1, 1, 0, 0, 1}},
      {60.0, {1900, 2, 28, 0, 0, 0}},    {61.0, {1900, 3, 1, 0, 0, 0}},
      {-657434.0, {100, 1, 1, 0, 0, 0}}, {2958465.0 + 86399.0 / 86400, {9999, 12, 31, 23, 59, 59}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    expect_fields_of(c.date, c.fields);
    EXPECT_NEAR(ole_date_of(c.fields), c.date, 1e-9);
  }
}

TEST(ComOleDate, RoundsToTheSecond) {
  struct Case {
    DATE date;
    DateFields fields;
  };
  const Case cases[] = {
      // Half a second before midnight is the next day, on both sides of day 0.
      {1.0 + 86399.5 / 86400, {1900, 1, 1, 0, 0, 0}},
      {-(1.0 + 86399.5 / 86400), {1899, 12, 30, 0, 0, 0}},
      {2.0 + 10.4 / 86400, {1900, 1, 1, 0, 0, 10}},
      {2.0 + 10.6 / 86400, {1900, 1, 1, 0, 0, 11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    expect_fields_of(c.date, c.fields);
  }
}

TEST(ComOleDate, NotADate) {
  DateFields f;
  for (DATE d : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                 -657435.0, 2958466.0, 1e300}) {
    EXPECT_FALSE(fields_of_ole_date(d, &f)) << d;
  }
}

}  // namespace
}  // namespace qn::com
