#include "logic/java/stand_ins_dbclass.h"

#include <array>
#include <span>

namespace qn::logic {

using engine::Term;

namespace {

// Calls the stand-in of name/N with args; the outputs are read back from args.
template <size_t N>
bool ask(Run& run, const char* name, std::array<Term, N>& args) {
  const Run::HostStandIn* s = run.host_stand_in(name, N);
  return s != nullptr && (*s)(run, std::span<Term>(args));
}

}  // namespace

bool get_serialization_type(Run& run, const Term& type, const Term& length, const Term& decimals,
                            Term& name) {
  std::array<Term, 4> a{type, length, decimals, Term::fresh_var()};
  if (!ask(run, "get_serialization_type", a)) return false;
  name = a[3];
  return true;
}

bool applet_page(Run& run, const Term& model, const Term& cls, const Term& file) {
  std::array<Term, 3> a{model, cls, file};
  return ask(run, "applet_page", a);
}

bool fk_member_name(Run& run, const Term& model, const Term& table, const Term& related,
                    const Term& reached, const Term& key_list, const Term& related_class,
                    Term& name) {
  std::array<Term, 7> a{model, table, related, reached, key_list, related_class, Term::fresh_var()};
  if (!ask(run, "fk_member_name", a)) return false;
  name = a[6];
  return true;
}

bool nav_accessor_name(Run& run, const Term& model, const Term& table, const Term& related,
                       const Term& member, const Term& attribute, const Term& kind,
                       const Term& key_list, const Term& extended, Term& name) {
  std::array<Term, 9> a{model,    table,    related,  member,           attribute,
                        kind,     key_list, extended, Term::fresh_var()};
  if (!ask(run, "nav_accessor_name", a)) return false;
  name = a[8];
  return true;
}

bool table_sql_name(Run& run, const Term& mode, const Term& model, const Term& table, Term& name) {
  std::array<Term, 4> a{mode, model, table, Term::fresh_var()};
  if (!ask(run, "table_sql_name", a)) return false;
  name = a[3];
  return true;
}

bool sql_delete_stmt(Run& run, const Term& model, const Term& table, const Term& mode_d,
                     const Term& mode_w, const Term& key, const Term& attributes,
                     Term& statement) {
  std::array<Term, 7> a{model, table, mode_d, mode_w, key, attributes, Term::fresh_var()};
  if (!ask(run, "sql_delete_stmt", a)) return false;
  statement = a[6];
  return true;
}

bool remote_calls_protocol(Run& run, Term& protocol) {
  std::array<Term, 1> a{Term::fresh_var()};
  if (!ask(run, "remote_calls_protocol", a)) return false;
  protocol = a[0];
  return true;
}

}  // namespace qn::logic
