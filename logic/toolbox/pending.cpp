#include "logic/toolbox/pending.h"

namespace qn::logic {

bool auto_remote_proc(Run&) { return false; }
bool gen_refresh_cmd(Run&, const engine::Term&, const engine::Term&) { return false; }
bool gen_event_cmd_call(Run&, const engine::Term&, const engine::Term&) { return false; }
bool dbg_vars_dump(Run&, const engine::Term&, const engine::Term&) { return false; }

}  // namespace qn::logic
