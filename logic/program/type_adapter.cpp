#include "logic/program/type_adapter.h"

#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/toolbox/formats.h"
#include "logic/toolbox/rule_utilities.h"

namespace qn::logic::typed {

using engine::Term;

// A reference inside an expression: no levels, the variable recorded.
std::optional<std::string> var_target_ref(Run& run, const Term& name) {
  std::string ref = logic::var_target_ref(run, name, Term::nil(), "dec");
  if (ref.empty()) return std::nullopt;
  return ref;
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

std::optional<std::string> dbms_name(Run& run) { return dstore_dbms(run, num(1)); }
std::optional<int64_t> date_format_code(Run& run, int64_t length) {
  const auto answers = logic::date_format_code(run, length);
  if (answers.empty()) return std::nullopt;
  const std::string& code = answers.front().first;
  if (code.empty() || code.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoll(code);
}

// The ctod order as its code: ANSI 0, MDY 1, DMY 2, MDY4 3, DMY4 4, YMD 5, Y4MD 6.
std::optional<int64_t> ctod_date_fmt(Run& run) {
  static const char* codes[] = {"ANSI", "MDY", "DMY", "MDY4", "DMY4", "YMD", "Y4MD"};
  const std::string fmt = logic::ctod_date_fmt(run);
  for (int64_t k = 0; k < 7; ++k) {
    if (fmt == codes[k]) return k;
  }
  return std::nullopt;
}

bool gen_user_event(Run& run, std::string_view name) {
  return logic::gen_user_event(run, atom(name), Term::nil());
}

}  // namespace qn::logic::typed
