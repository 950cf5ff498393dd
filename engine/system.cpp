#include "engine/system.h"

#include "platform/clock.h"

namespace qn::engine {

Term date_now() {
  const platform::LocalTime t = platform::local_now();
  return Term::compound("date",
                        {Term::integer(t.year), Term::integer(t.month), Term::integer(t.day)});
}

Term time_now() {
  const platform::LocalTime t = platform::local_now();
  return Term::compound("time", {Term::integer(t.hour), Term::integer(t.minute),
                                 Term::integer(t.second), Term::integer(t.hundredth)});
}

}  // namespace qn::engine
