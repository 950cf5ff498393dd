#include "platform/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace qn::platform {
namespace {

std::mutex g_clock_mutex;
std::function<LocalTime()> g_test_clock;

}  // namespace

LocalTime local_now() {
  {
    std::lock_guard lock(g_clock_mutex);
    if (g_test_clock) return g_test_clock();
  }
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return LocalTime{
      tm.tm_year + 1900,         tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
      static_cast<int>(ms / 10), tm.tm_wday};
}

std::string ctime_text(const LocalTime& t) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* day = t.weekday >= 0 && t.weekday < 7 ? kDays[t.weekday] : "???";
  const char* month = t.month >= 1 && t.month <= 12 ? kMonths[t.month - 1] : "???";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s %s %2d %02d:%02d:%02d %d\n", day, month, t.day, t.hour,
                t.minute, t.second, t.year);
  return buf;
}

void set_clock_for_tests(std::function<LocalTime()> clock) {
  std::lock_guard lock(g_clock_mutex);
  g_test_clock = std::move(clock);
}

}  // namespace qn::platform
