#include "platform/clock.h"

#include <gtest/gtest.h>

namespace qn::platform {
namespace {

TEST(PlatformClock, CtimeTextAndTheTestClock) {
  struct Case {
    LocalTime t;
    const char* text;
  } cases[] = {
      {{2026, 12, 10, 12, 0, 0, 0, 4}, "Thu Dec 10 12:00:00 2026\n"},
      {{2027, 1, 3, 7, 8, 9, 50, 0}, "Sun Jan  3 07:08:09 2027\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(ctime_text(c.t), c.text);
  set_clock_for_tests([] { return LocalTime{2027, 1, 3, 7, 8, 9, 50, 0}; });
  EXPECT_EQ(local_now().hundredth, 50);
  set_clock_for_tests(nullptr);
  EXPECT_GE(local_now().year, 2024);
}

}  // namespace
}  // namespace qn::platform
