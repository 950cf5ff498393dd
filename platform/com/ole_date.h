// Dates of the object model (DATE): days counted from 30 December 1899 as a
// double, whose fraction is the time of day, forward from that day's
// midnight also before 1899-12-30 (-1.25 is 29 December 1899, 06:00). A
// DATE carries no time zone: it is a local date and time.
#pragma once

#include "platform/com/variant.h"

namespace qn::com {

struct DateFields {
  int year = 1899;
  int month = 12;  // 1 to 12
  int day = 30;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The DATE of a calendar date and time (fields within their ranges).
DATE ole_date_of(const DateFields& f);

// The calendar date and time of a DATE, rounded to the nearest second (half
// a second before midnight is the next day). False for a value that is no
// date: not finite, or outside the years 100 to 9999.
bool fields_of_ole_date(DATE d, DateFields* out);

}  // namespace qn::com
