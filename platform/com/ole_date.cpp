#include "platform/com/ole_date.h"

#include <cmath>
#include <cstdint>

namespace qn::com {
namespace {

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar, and
// back (the usual era-based count: 400 years are 146097 days).
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civil_from_days(std::int64_t z, DateFields* f) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  f->year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  f->month = static_cast<int>(m);
  f->day = static_cast<int>(d);
}

const std::int64_t kEpoch = days_from_civil(1899, 12, 30);
constexpr double kFirst = -657434.0;  // 0100-01-01
constexpr double kEnd = 2958466.0;    // 10000-01-01

}  // namespace

DATE ole_date_of(const DateFields& f) {
  const std::int64_t days =
      days_from_civil(f.year, static_cast<unsigned>(f.month), static_cast<unsigned>(f.day)) -
      kEpoch;
  const double time = (f.hour * 3600.0 + f.minute * 60.0 + f.second) / 86400.0;
  return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

bool fields_of_ole_date(DATE d, DateFields* out) {
  if (!std::isfinite(d) || d < kFirst || d >= kEnd) return false;
  double whole;
  const double fraction = std::fabs(std::modf(d, &whole));
  std::int64_t days = static_cast<std::int64_t>(whole);
  // Milliseconds first: a double holds a day's fraction only to about a
  // microsecond, so half a second may come out a hair short of it.
  std::int64_t seconds = (std::llround(fraction * 86400000.0) + 500) / 1000;
  if (seconds >= 86400) {  // rounded up to the next midnight
    ++days;
    seconds -= 86400;
  }
  civil_from_days(days + kEpoch, out);
  out->hour = static_cast<int>(seconds / 3600);
  out->minute = static_cast<int>(seconds / 60 % 60);
  out->second = static_cast<int>(seconds % 60);
  return true;
}

}  // namespace qn::com
