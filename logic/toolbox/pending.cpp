#include "logic/toolbox/pending.h"

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

bool auto_remote_proc(Run&) { return false; }
bool gen_refresh_cmd(Run&, const engine::Term&, const engine::Term&) { return false; }
bool gen_event_cmd_call(Run&, const engine::Term&, const engine::Term&) { return false; }

namespace {

// The stand-in of name/arity (tests), the arguments padded with [].
bool ask(Run& run, const char* name, uint32_t arity, std::vector<engine::Term> args) {
  const Run::HostStandIn* s = run.host_stand_in(name, arity);
  if (!s) return false;
  while (args.size() < arity) args.push_back(engine::Term::nil());
  return (*s)(run, args);
}

}  // namespace

bool gen_block_cmds(Run& run, const engine::Term& level, const engine::Term& group,
                    const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                    const engine::Term& c3, const engine::Term& c4) {
  return ask(run, "gen_block_cmds", 10, {level, group, kind, sel, c2, c3, c4});
}

bool gen_print_block(Run& run, const engine::Term& level, const engine::Term& group,
                     const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                     const engine::Term& c3, const engine::Term& c4) {
  if (ask(run, "gen_print_block", 10, {level, group, kind, sel, c2, c3, c4})) return true;
  bool ok = true;
  for (const engine::Term& l : clauses_by_arg(run, "b_line_i", 6, 2, level)) {
    if (l.arg(3) != group) continue;
    if (l.arg(4) == "cmd") {
      ok = cmd_to_code(run, l.arg(6), c2, c3, level, c4) && ok;
    } else if (l.arg(4) == "line") {
      ok = emit_comment(run, {"Print line " + text_of(l.arg(1)) + " not generated"}) && ok;
    }
  }
  return ok;
}

bool call_pgm_by_generator(Run& run, const engine::Term& a1, const engine::Term& a2,
                           const engine::Term& a3, const engine::Term& level,
                           const engine::Term& c2, const engine::Term& c3,
                           const engine::Term& c5) {
  return ask(run, "call_pgm_by_generator", 7, {a1, a2, a3, level, c2, c3, c5});
}

bool gen_rpt_vars(Run& run, const engine::Term& level, const engine::Term& ctx2,
                  const engine::Term& ctx3) {
  return ask(run, "gen_rpt_vars", 3, {level, ctx2, ctx3});
}
bool rpt_break_groups(Run& run, const engine::Term& level, const engine::Term& which,
                      const engine::Term& ctx3) {
  return ask(run, "rpt_break_groups", 3, {level, which, ctx3});
}
bool gen_initpars_call(Run& run) { return ask(run, "gen_initpars_call", 0, {}); }

}  // namespace qn::logic
