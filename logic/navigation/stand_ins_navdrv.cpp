#include "logic/navigation/stand_ins_navdrv.h"

#include <vector>

namespace qn::logic {

namespace {

// The stand-in of name/arity with these arguments (padded with [] up to the
// arity); false when there is none. Outputs are read back from args.
bool ask(Run& run, const char* name, std::vector<Term>& args, uint32_t arity) {
  const Run::HostStandIn* s = run.host_stand_in(name, arity);
  if (!s) return false;
  while (args.size() < arity) args.push_back(Term::nil());
  return (*s)(run, args);
}
bool ask(Run& run, const char* name, std::vector<Term> args) {
  const auto n = static_cast<uint32_t>(args.size());
  return ask(run, name, args, n);
}

}  // namespace

bool gen_level_actions(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                       const Term& a5, const Term& a6, const Term& a7, const Term& a8,
                       const Term& a9) {
  std::vector<Term> a{a1, a2, a3, a4, a5, a6, a7, a8, a9};
  return ask(run, "gen_level_actions", a, 21);
}
bool old_value_moves(Run& run, const Term& a1, const Term& a2, const Term& a3) {
  return ask(run, "old_value_moves", {a1, a2, a3});
}
bool assign_h_auxs(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "assign_h_auxs", {a1, a2});
}
bool level_sel_atts(Run& run, const Term& level, Term& atts) {
  std::vector<Term> a{level, Term::nil()};
  if (!ask(run, "level_sel_atts", a, 2)) return false;
  atts = a[1];
  return true;
}
bool att_default_expr(Run& run, const Term& att, Term& expr) {
  std::vector<Term> a{att, Term::fresh_var()};
  if (!ask(run, "att_default_expr", a, 2)) return false;
  expr = a[1];
  return true;
}
bool att_hold_entry(Run& run, const Term& att, const Term& table, Term& holder, Term& info) {
  std::vector<Term> a{att, table, Term::fresh_var(), Term::nil()};
  if (!ask(run, "att_hold_entry", a, 4)) return false;
  holder = a[2];
  info = a[3];
  return true;
}
bool target_os(Run& run, Term& os) {
  std::vector<Term> a{Term::fresh_var()};
  if (!ask(run, "target_os", a, 1)) return false;
  os = a[0];
  return true;
}
bool gen_commit_cmd(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_commit_cmd", {a1, a2});
}
bool gen_level_commit(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_level_commit", {a1, a2});
}
bool gen_array_loop(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                    const Term& a5, const Term& a6) {
  return ask(run, "gen_array_loop", {a1, a2, a3, a4, a5, a6});
}
bool gen_msg_action(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                    const Term& a5, const Term& a6, const Term& a7) {
  return ask(run, "gen_msg_action", {a1, a2, a3, a4, a5, a6, a7});
}
bool gen_h_auxs(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4) {
  return ask(run, "gen_h_auxs", {a1, a2, a3, a4});
}
bool gen_routine_start(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4) {
  return ask(run, "gen_routine_start", {a1, a2, a3, a4});
}
bool init_obj_var(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "init_obj_var", {a1, a2});
}
bool begin_local_routine(Run& run, const Term& a1, const Term& a2, const Term& a3) {
  return ask(run, "begin_local_routine", {a1, a2, a3});
}
bool gen_pgm_call(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                  const Term& a5, const Term& a6) {
  return ask(run, "gen_pgm_call", {a1, a2, a3, a4, a5, a6});
}
bool gen_dynamic_call(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_dynamic_call", {a1, a2});
}
bool gen_return_cmd(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_return_cmd", {a1, a2});
}
bool gen_msg_stmt(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_msg_stmt", {a1, a2});
}
bool gen_status_msg(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_status_msg", {a1, a2});
}
bool gen_confirm_stmt(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_confirm_stmt", {a1, a2});
}
bool gen_sub_header(Run& run, const Term& a1, const Term& a2, const Term& a3) {
  return ask(run, "gen_sub_header", {a1, a2, a3});
}
bool gen_sub_end(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_sub_end", {a1, a2});
}
bool gen_do_sub(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_do_sub", {a1, a2});
}

}  // namespace qn::logic
