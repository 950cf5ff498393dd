// Callees of the navigation actions whose owners write them elsewhere (the
// navigation driver, the SQL statements, the procedure classes). Each body
// asks the run's stand-in of its name and arity with the arguments as terms,
// and fails writing nothing when there is none; the owners' functions take
// their place.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_error_cmd/3 (Message, Attributes, Options).
bool gen_error_cmd(Run& run, const engine::Term& message, const engine::Term& atts,
                   const engine::Term& options);
// gen_msg_call/1 (Message).
bool gen_msg_call(Run& run, const engine::Term& message);
// gen_status_cmd/1 (Message).
bool gen_status_cmd(Run& run, const engine::Term& message);
// http_prefix/1 (Prefix): the start of the URLs of called web objects.
bool http_prefix(Run& run, engine::Term& prefix);
// focus_first_of/1 (Attributes).
bool focus_first_of(Run& run, const engine::Term& atts);
// gen_call/6 (Routine, Arguments, Kind, Level, Context, Returns): a message
// routine called as a user-defined procedure; Returns comes back.
bool gen_call(Run& run, const engine::Term& routine, const engine::Term& args,
              const engine::Term& kind, const engine::Term& level, const engine::Term& context,
              engine::Term& returns);
// gen_call_stmt1/6 (Routine, Inputs, Outputs, Level, Context, Mode).
bool gen_call_stmt1(Run& run, const engine::Term& routine, const engine::Term& inputs,
                    const engine::Term& outputs, const engine::Term& level,
                    const engine::Term& context, const engine::Term& mode);
// gen_control_refresh/1 (Attributes).
bool gen_control_refresh(Run& run, const engine::Term& atts);
// gen_formula_code/4 (Action, Attribute, Info, Context): a formula's code.
bool gen_formula_code(Run& run, const engine::Term& action, const engine::Term& att,
                      const engine::Term& info, const engine::Term& context);

}  // namespace qn::logic
