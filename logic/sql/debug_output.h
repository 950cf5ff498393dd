// The debug dump of variables in generated programs (GEN_DEBUG_INFO).
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// dbg_vars_dump/2 (Label, Variables): with GEN_DEBUG_INFO on, one QN_dbg
// line per entry [Name, Kind, Subscripts]; an array given without
// subscripts is dumped element by element in loops over QN_I (and QN_J
// for a second dimension), each counter set to 1 before its loop so every
// row's inner loop runs. Nothing while the option is off; always succeeds
// unless a write fails.
bool dbg_vars_dump(Run& run, const engine::Term& label, const engine::Term& vars);

}  // namespace qn::logic
