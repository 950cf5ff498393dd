#include "logic/toolbox/pending.h"

#include <span>
#include <string_view>
#include <vector>

namespace qn::logic {

bool auto_remote_proc(Run&) { return false; }
bool gen_refresh_cmd(Run&, const engine::Term&, const engine::Term&) { return false; }
bool gen_event_cmd_call(Run&, const engine::Term&, const engine::Term&) { return false; }
bool dbg_vars_dump(Run&, const engine::Term&, const engine::Term&) { return false; }

namespace {

// The stand-in a test gives for a callee, else a failure.
bool ask(Run& run, std::string_view name, std::vector<engine::Term> args) {
  if (const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()))) {
    return (*s)(run, std::span<engine::Term>(args));
  }
  return false;
}

}  // namespace

bool gen_rpt_vars(Run& run, const engine::Term& level, const engine::Term& ctx2,
                  const engine::Term& ctx3) {
  return ask(run, "gen_rpt_vars", {level, ctx2, ctx3});
}
bool rpt_break_groups(Run& run, const engine::Term& level, const engine::Term& which,
                      const engine::Term& ctx3) {
  return ask(run, "rpt_break_groups", {level, which, ctx3});
}
bool gen_initpars_call(Run& run) { return ask(run, "gen_initpars_call", {}); }

}  // namespace qn::logic
