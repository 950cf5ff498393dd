#include "logic/sql/stand_ins_sqlopt.h"

#include <array>

namespace qn::logic::sqlopt {

using engine::Term;

namespace {

// Asks the stand-in with the arguments; outputs are copied back.
template <size_t N>
bool ask(Run& run, const char* name, std::array<Term, N>& a) {
  const Run::HostStandIn* s = run.host_stand_in(name, N);
  return s != nullptr && (*s)(run, a);
}

}  // namespace

bool u_proc_name(Run& run, const Term& key, const Term& suffix, Term& name) {
  std::array<Term, 3> a{key, suffix, name};
  if (!ask(run, "u_proc_name", a)) return false;
  name = a[2];
  return true;
}
bool call_target_name(Run& run, const Term& call, Term& name) {
  std::array<Term, 2> a{call, name};
  if (!ask(run, "call_target_name", a)) return false;
  name = a[1];
  return true;
}
bool top_nvg_level(Run& run, const Term& level, const Term& table, Term& top) {
  std::array<Term, 3> a{level, table, top};
  if (!ask(run, "top_nvg_level", a)) return false;
  top = a[2];
  return true;
}
bool drop_aux_names(Run& run, const Term& names) {
  std::array<Term, 1> a{names};
  return ask(run, "drop_aux_names", a);
}
bool make_aux_names(Run& run, const Term& names, const Term& type, const Term& mode,
                    Term& auxiliaries) {
  std::array<Term, 4> a{names, type, mode, auxiliaries};
  if (!ask(run, "make_aux_names", a)) return false;
  auxiliaries = a[3];
  return true;
}
bool gen_exec_immediate(Run& run, const Term& statement, const Term& name, const Term& commit) {
  std::array<Term, 3> a{statement, name, commit};
  return ask(run, "gen_exec_immediate", a);
}
bool conds_to_sql_strict(Run& run, const Term& conditions, const Term& tables,
                         const Term& cardinality) {
  std::array<Term, 3> a{conditions, tables, cardinality};
  return ask(run, "conds_to_sql_strict", a);
}
bool cond_tables(Run& run, const Term& tables, Term& pairs) {
  std::array<Term, 2> a{tables, pairs};
  if (!ask(run, "cond_tables", a)) return false;
  pairs = a[1];
  return true;
}
bool gen_nav_delete(Run& run, const Term& conditions, const Term& model, const Term& tables,
                    const Term& level) {
  std::array<Term, 4> a{conditions, model, tables, level};
  return ask(run, "gen_nav_delete", a);
}
bool gen_select_one_into(Run& run, const Term& select_list, const Term& into,
                         const Term& conditions, const Term& model, const Term& tables,
                         const Term& level) {
  std::array<Term, 6> a{select_list, into, conditions, model, tables, level};
  return ask(run, "gen_select_one_into", a);
}
bool gen_insert_select(Run& run, const Term& target, const Term& columns, const Term& sources,
                       const Term& conditions, const Term& model, const Term& tables) {
  std::array<Term, 6> a{target, columns, sources, conditions, model, tables};
  return ask(run, "gen_insert_select", a);
}
bool conds_to_sql(Run& run, const Term& tokens, const Term& tables, Term& sql, Term& parameters) {
  std::array<Term, 4> a{tokens, tables, sql, parameters};
  if (!ask(run, "conds_to_sql", a)) return false;
  sql = a[2];
  parameters = a[3];
  return true;
}
bool gen_call_cursor(Run& run, const Term& target, const Term& text, const Term& parameters) {
  std::array<Term, 3> a{target, text, parameters};
  return ask(run, "gen_call_cursor", a);
}
bool gen_db_command(Run& run, const Term& command, const Term& arguments, const Term& store) {
  std::array<Term, 3> a{command, arguments, store};
  return ask(run, "gen_db_command", a);
}

}  // namespace qn::logic::sqlopt
