#include "logic/program/pending_calls.h"

#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"

namespace qn::logic::pending {

using engine::Term;

// Until var_target_ref/4 is built: its auxiliary-name rule, else its last
// rule, the attribute's name (without the "&" of a variable).
std::optional<std::string> var_target_ref(Run& run, const Term& name) {
  if (auto aux = auxname(run, name)) return aux;
  std::string n = text_of(name);
  if (!n.empty() && n.front() == '&') n.erase(0, 1);
  if (n.empty()) return std::nullopt;
  return n;
}

std::optional<std::string> temp_var(Run& run, const TypeDesc& type) {
  return logic::temp_var(run, "u", type_term(type));
}

std::optional<std::string> cast_expr(const TypeDesc& type, std::string_view expr) {
  std::string s;
  for (const std::string& p : logic::cast_expr(type_term(type), expr)) s += p;
  return s;
}

std::optional<StdConst> std_null_var(std::string_view name) {
  auto v = logic::std_null_var(name);
  if (!v) return std::nullopt;
  auto t = type_from_term(v->type);
  if (!t) return std::nullopt;
  return StdConst{v->java, *t};
}

std::optional<std::string> java_var_type(const TypeDesc& type) {
  const Term t = type.type == "obj" ? fact("obj", {atom(type.cls)}) : atom(type.type);
  std::string j = get_c_type(t, type.length, type.decimals);
  if (j == "Undefined") return std::nullopt;
  return j;
}

bool declare_var(Run& run, std::string_view name, const TypeDesc& type, std::string_view kind) {
  return logic::declare_var(run, str(name), type_term(type), kind, Term::nil());
}

std::optional<std::string> pgm_prop_value(Run& run, std::string_view name) {
  return logic::pgm_prop_value(run, name);
}
std::optional<std::string> dbms_name(Run& run) { return dstore_dbms(run, num(1)); }
std::optional<int64_t> date_format_code(Run&, int64_t) { return std::nullopt; }
std::optional<int64_t> ctod_date_fmt(Run&) { return std::nullopt; }
bool gen_user_event(Run&, std::string_view) { return false; }

}  // namespace qn::logic::pending
