// Callees of the toolbox whose generators are not written yet. Each body
// fails (writes nothing) until its own generator fills it.
#pragma once

#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// auto_remote_proc/0: the object runs as an automatic remote procedure: a
// procedure, a remote-call protocol, a level with a base table, no use of
// the function ask, and the option AUTO_REMOTE not empty.
bool auto_remote_proc(Run& run);
// The program uses the function ask: a function_i/9 entry whose kind
// (fourth) or function (fifth) is ask.
bool uses_ask(const Run& run);
// gen_refresh_cmd/2 (Level, Mode): the Refresh command of a level.
bool gen_refresh_cmd(Run& run, const engine::Term& level, const engine::Term& mode);
// gen_event_cmd_call/2 (Event, Level): "do" Event through the statement
// translator, when the event has a header in the object's event source.
bool gen_event_cmd_call(Run& run, const engine::Term& event, const engine::Term& level);

// gen_block_cmds/10 (Level, Group, Kind, SelAtts, C2, C3, C4): the commands
// of a line group of a transaction, work panel, web panel or menu bar: its
// command lines in order (cmd_to_code/5; in work panels and transactions
// through the subfile statements' writer, the stand-in
// gen_subfile_event_access/5, once it exists). Fails, writing nothing, for
// a group with print lines, which is a print block.
bool gen_block_cmds(Run& run, const engine::Term& level, const engine::Term& group,
                    const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                    const engine::Term& c3, const engine::Term& c4);
// gen_print_block/10 (Level, Group, Kind, SelAtts, C2, C3, C4): a line group
// of a procedure or report. Until the print layout is written it writes the
// group's command lines (cmd_to_code/5) and a comment for each print line.
bool gen_print_block(Run& run, const engine::Term& level, const engine::Term& group,
                     const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                     const engine::Term& c3, const engine::Term& c4);
// call_pgm_by_generator/7 (Program, Generator, Parms, Level, C2, C3, C5).
bool call_pgm_by_generator(Run& run, const engine::Term& a1, const engine::Term& a2,
                           const engine::Term& a3, const engine::Term& level,
                           const engine::Term& c2, const engine::Term& c3, const engine::Term& c5);

// gen_rpt_vars/3 (Level, Ctx2, Ctx3): the report variables of a program
// with print lines.
bool gen_rpt_vars(Run& run, const engine::Term& level, const engine::Term& ctx2,
                  const engine::Term& ctx3);
// rpt_break_groups/3 (Level, Which, Ctx3): the page or foot break groups of
// a report, Which page or foot.
bool rpt_break_groups(Run& run, const engine::Term& level, const engine::Term& which,
                      const engine::Term& ctx3);
// gen_initpars_call/0: the web parameter initialisation of an HTTP main
// program: gen_web_parm_reads/2 without the static guard.
bool gen_initpars_call(Run& run);
// The call of initpars, then each parameter of the program read from the
// request: numbers val(GetNextPar()), dates QNWebStr2Date(GetNextPar()),
// date-times QNWebStr2Time(GetNextPar()), others GetNextPar(); with
// static_guard (a web panel writing static pages) inside
// "if staticgeneration() = 0".
bool gen_web_parm_reads(Run& run, bool static_guard);

}  // namespace qn::logic
