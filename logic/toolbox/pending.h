// Callees of the toolbox whose generators are not written yet. Each body
// fails (writes nothing) until its own generator fills it.
#pragma once

#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// auto_remote_proc/0: the object runs as an automatic remote procedure.
bool auto_remote_proc(Run& run);
// gen_refresh_cmd/2 (Level, Mode): the Refresh command of a level.
bool gen_refresh_cmd(Run& run, const engine::Term& level, const engine::Term& mode);
// gen_event_cmd_call/2 (Event, Level): "do" Event through the statement
// translator, when the event has a header in the object's event source.
bool gen_event_cmd_call(Run& run, const engine::Term& event, const engine::Term& level);
// dbg_vars_dump/2 (Label, Variables): the debug dump of variables; nothing
// while GEN_DEBUG_INFO is off.
bool dbg_vars_dump(Run& run, const engine::Term& label, const engine::Term& vars);

}  // namespace qn::logic
