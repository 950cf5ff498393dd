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

bool gen_trn_stmt(Run& run, const Term& kind) { return ask(run, "gen_trn_stmt", {kind}); }
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
bool gen_lock_read(Run& run, const Term& level, const Term& table, const Term& loads,
                   const Term& auxs, const Term& action, const Term& context, const Term& mode) {
  return ask(run, "gen_lock_read", {level, table, loads, auxs, action, context, mode});
}
bool gen_aux_reads(Run& run, const Term& level, const Term& table, const Term& loads,
                   const Term& auxs, const Term& action, const Term& context, const Term& mode) {
  return ask(run, "gen_aux_reads", {level, table, loads, auxs, action, context, mode});
}
bool gen_formula_code(Run& run, const Term& action, const Term& att, const Term& info,
                      const Term& context) {
  return ask(run, "gen_formula_code", {action, att, info, context});
}

bool conds_to_sql_strict(Run& run, const Term& conds, const Term& table, Term& sql) {
  std::vector<Term> a{conds, table, sql};
  const auto* fn = run.host_stand_in("conds_to_sql_strict", 3);
  if (!fn || !(*fn)(run, a)) return false;
  sql = a[2];
  return true;
}
bool gen_level_select(Run& run, const Term& level, const Term& table, const Term& kind,
                      const Term& mode, const Term& conds, const Term& atts, const Term& auxs,
                      const Term& context) {
  return ask(run, "gen_level_select",
             {level, table, kind, mode, conds, atts, auxs, context, Term::nil(), Term::nil(),
              Term::nil()});
}
}  // namespace qn::logic
