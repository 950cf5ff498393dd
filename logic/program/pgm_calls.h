// Calls of other programs: generated programs and user-defined procedures
// (a new instance's execute with value holders), and the system programs
// of the runtime library (their Java method). The values the callee gives
// back are moved into the caller's variables after the call.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// The arguments of one call (gen_call_args/11): their Java texts, the call
// expression, and the moves back (target reference, holder) written after
// the call.
struct CallArgs {
  std::vector<std::string> args;
  std::string call_expr;
  std::vector<std::pair<std::string, std::string>> move_back;
};
// call_type ext: "new P(remoteHandle, context).execute( args)"; int:
// "P( args)". An argument of mode o or u passes a value holder filled
// before the call (the assignment is written then); one that is an
// attribute or a variable is moved back. Without parameter specifications
// (pgm_parm_i/4, the system tables) every argument is input-output of its
// own type. Fails when an argument cannot be translated.
std::optional<CallArgs> gen_call_args(Run& run, std::string_view program,
                                      const engine::Term& arg_tokens, std::string_view call_type,
                                      const ExprCtx& ctx);
// gen_pgm_call/6 for kind udp (token kinds 3, 23 and 28, and system
// programs) and kind rpc (token kinds 3 and 28: the arguments, attributes
// and variables, packed from the caller's fields, the program executed
// remotely where its main-program entry places it, the values read back);
// fails for a call it cannot write.
bool gen_pgm_call(Run& run, std::string_view kind, const engine::Term& target,
                  int64_t token_kind, const engine::Term& arg_tokens, const ExprCtx& ctx);
// The program a call's target names: lower-cased, without quotes, up to a
// quote inside it, without a trailing "(".
std::string call_program_name(std::string_view target);

}  // namespace qn::logic
