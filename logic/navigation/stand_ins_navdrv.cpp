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

bool gen_sql_select(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                    const Term& a5, const Term& a6, const Term& a7, const Term& a8, const Term& a9,
                    const Term& a10, const Term& a11, const Term& a12, const Term& a13) {
  return ask(run, "gen_sql_select", {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13});
}
bool gen_sql_select_one(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                        const Term& a5, const Term& a6, const Term& a7, const Term& a8) {
  return ask(run, "gen_sql_select_one", {a1, a2, a3, a4, a5, a6, a7, a8});
}
bool gen_sql_insert(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4) {
  return ask(run, "gen_sql_insert", {a1, a2, a3, a4});
}
bool gen_sql_update(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4) {
  return ask(run, "gen_sql_update", {a1, a2, a3, a4});
}
bool gen_sql_delete(Run& run, const Term& a1) { return ask(run, "gen_sql_delete", {a1}); }
bool gen_read_next(Run& run, const Term& a1, const Term& a2, const Term& a3) {
  return ask(run, "gen_read_next", {a1, a2, a3});
}
bool gen_select_lock(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                     const Term& a5, const Term& a6) {
  return ask(run, "gen_select_lock", {a1, a2, a3, a4, a5, a6});
}
bool gen_level_end(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "gen_level_end", {a1, a2});
}
bool push_sql_level(Run& run, const Term& a1, const Term& a2) {
  return ask(run, "push_sql_level", {a1, a2});
}
bool sql_aname(Run& run, const Term& table, const Term& att, const Term& sep, Term& name) {
  std::vector<Term> a{table, att, sep, Term::fresh_var()};
  if (!ask(run, "sql_aname", a, 4)) return false;
  name = a[3];
  return true;
}
bool cursor_info(Run& run, const Term& table, const Term& level, Term& cursor) {
  std::vector<Term> a{table, level, Term::fresh_var()};
  if (!ask(run, "cursor_info", a, 3)) return false;
  cursor = a[2];
  return true;
}
bool gen_exec_immediate(Run& run, const Term& a1, const Term& a2, const Term& a3) {
  return ask(run, "gen_exec_immediate", {a1, a2, a3});
}
bool level_join(Run& run, const Term& level, const Term& kind, const Term& table, Term& tables,
                Term& joins, Term& conds, Term& card, Term& where) {
  std::vector<Term> a{level, kind, table, Term::nil(), Term::nil(), Term::nil(), Term::atom("many"),
                      Term::nil()};
  if (!ask(run, "level_join", a, 8)) return false;
  tables = a[3];
  joins = a[4];
  conds = a[5];
  card = a[6];
  where = a[7];
  return true;
}
bool break_join(Run& run, const Term& level, const Term& table, const Term& top, Term& atts) {
  std::vector<Term> a{level, table, top, Term::nil()};
  if (!ask(run, "break_join", a, 4)) return false;
  atts = a[3];
  return true;
}
bool gen_table_object_new(Run& run, const Term& a1, const Term& a2, const Term& a3,
                          const Term& a4, const Term& a5) {
  return ask(run, "gen_table_object_new", {a1, a2, a3, a4, a5});
}

bool optimized_cmd(Run& run, const Term& a1, const Term& a2, const Term& a3, const Term& a4,
                   const Term& a5, const Term& a6) {
  return ask(run, "optimized_cmd", {a1, a2, a3, a4, a5, a6});
}
bool gen_error_handler_cmd(Run& run, const Term& a1) {
  return ask(run, "gen_error_handler_cmd", {a1});
}
}  // namespace qn::logic
