#include "host/run_state.h"

namespace qn::host {

RunState& run_state() {
  static RunState state;
  return state;
}

}  // namespace qn::host
