// The local clock. Everything that shows or writes the time asks here, so a
// test can fix the time once for the whole program.
#pragma once

#include <functional>
#include <string>

namespace qn::platform {

struct LocalTime {
  int year = 0, month = 0, day = 0;      // month 1-12, day 1-31
  int hour = 0, minute = 0, second = 0;  // 24-hour clock
  int hundredth = 0;                     // hundredths of a second
  int weekday = 0;                       // 0 = Sunday
};

LocalTime local_now();

// The C library's ctime form: "Thu Dec 10 12:00:00 2026\n".
std::string ctime_text(const LocalTime& t);

// Test seam: the clock answers what the function gives; nullptr restores
// the system clock.
void set_clock_for_tests(std::function<LocalTime()> clock);

}  // namespace qn::platform
