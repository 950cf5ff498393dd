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

// gen_rpt_vars/3 (Level, Ctx2, Ctx3): the report variables of a program
// with print lines.
bool gen_rpt_vars(Run& run, const engine::Term& level, const engine::Term& ctx2,
                  const engine::Term& ctx3);
// rpt_break_groups/3 (Level, Which, Ctx3): the page or foot break groups of
// a report, Which page or foot.
bool rpt_break_groups(Run& run, const engine::Term& level, const engine::Term& which,
                      const engine::Term& ctx3);
// gen_initpars_call/0: the web parameter initialisation of an HTTP main
// program.
bool gen_initpars_call(Run& run);

}  // namespace qn::logic
