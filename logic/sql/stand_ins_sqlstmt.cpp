#include "logic/sql/stand_ins_sqlstmt.h"

#include <array>
#include <vector>

namespace qn::logic {

using engine::Term;

namespace {
template <size_t N>
bool ask(Run& run, const char* name, std::array<Term, N>& args) {
  const Run::HostStandIn* fn = run.host_stand_in(name, N);
  return fn && (*fn)(run, std::span<Term>(args));
}
}  // namespace

bool unique_index_atts(Run& run, const Term& table, Term& atts) {
  std::array<Term, 2> a{table, Term::fresh_var()};
  if (!ask(run, "unique_index_atts", a)) return false;
  atts = a[1];
  return true;
}

bool gen_db_command(Run& run, const Term& command, const Term& args, const Term& context) {
  std::array<Term, 3> a{command, args, context};
  return ask(run, "gen_db_command", a);
}

bool emit_stmt_lines(Run& run, const Term& stmt, const Term& indent, const Term& context) {
  std::array<Term, 3> a{stmt, indent, context};
  return ask(run, "emit_stmt_lines", a);
}

bool brk_flag_var(Run& run, const Term& level, const Term& table, Term& var) {
  std::array<Term, 3> a{level, table, Term::fresh_var()};
  if (!ask(run, "brk_flag_var", a)) return false;
  var = a[2];
  return true;
}

}  // namespace qn::logic
