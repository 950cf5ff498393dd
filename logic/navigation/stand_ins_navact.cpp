#include "logic/navigation/stand_ins_navact.h"

#include <string_view>
#include <vector>

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term> args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

bool gen_error_cmd(Run& run, const Term& message, const Term& atts, const Term& options) {
  return ask(run, "gen_error_cmd", {message, atts, options});
}
bool gen_msg_call(Run& run, const Term& message) { return ask(run, "gen_msg_call", {message}); }
bool gen_status_cmd(Run& run, const Term& message) {
  return ask(run, "gen_status_cmd", {message});
}
bool http_prefix(Run& run, Term& prefix) {
  std::vector<Term> a{prefix};
  const auto* fn = run.host_stand_in("http_prefix", 1);
  if (!fn || !(*fn)(run, a)) return false;
  prefix = a[0];
  return true;
}
bool focus_first_of(Run& run, const Term& atts) { return ask(run, "focus_first_of", {atts}); }
bool gen_call(Run& run, const Term& routine, const Term& args, const Term& kind,
              const Term& level, const Term& context, Term& returns) {
  std::vector<Term> a{routine, args, kind, level, context, returns};
  const auto* fn = run.host_stand_in("gen_call", 6);
  if (!fn || !(*fn)(run, a)) return false;
  returns = a[5];
  return true;
}
bool gen_call_stmt1(Run& run, const Term& routine, const Term& inputs, const Term& outputs,
                    const Term& level, const Term& context, const Term& mode) {
  return ask(run, "gen_call_stmt1", {routine, inputs, outputs, level, context, mode});
}
bool gen_control_refresh(Run& run, const Term& atts) {
  return ask(run, "gen_control_refresh", {atts});
}
bool gen_formula_code(Run& run, const Term& action, const Term& att, const Term& info,
                      const Term& context) {
  return ask(run, "gen_formula_code", {action, att, info, context});
}
}  // namespace qn::logic
