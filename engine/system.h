// The system built-ins of the rule language that read the clock.
#pragma once

#include "engine/term.h"

namespace qn::engine {

// date/1: date(Year, Month, Day) of the local clock.
Term date_now();
// time/1: time(Hour, Minute, Second, Hundredth) of the local clock.
Term time_now();

}  // namespace qn::engine
