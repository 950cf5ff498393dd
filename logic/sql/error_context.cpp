#include "logic/sql/error_context.h"

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/old_values.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool has_errh(Run& run) { return default_errh(run).has_value() || has_errh_cmd(run); }

std::string unquoted(std::string text) {
  if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') &&
      text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

// The handler's routine name: the U-numbered subroutine of Name. Both the
// named handler and the default one take suffix 2, so a handler named in a
// command and as the default gets one routine.
std::string routine_of(Run& run, const std::string& name) {
  return u_proc_name(run, atom(name), "2");
}

bool declare_handler_var(Run& run) {
  return declare_var(run, atom("QNCSERH"), Term::list({atom("char"), num(30), num(0), num(0)}), "s",
                     Term::list({}));
}

}  // namespace

std::optional<std::string> default_errh(Run& run) {
  // rule_i(_, rule([a(30, [Name])], _, _, _))
  for (const Term& f : run.facts().clauses("rule_i", 2)) {
    const Term& r = f.arg(2);
    if (!r.is_compound() || r.functor().name() != "rule" || r.args().size() != 4) continue;
    const auto acts = r.arg(1).list_items();
    if (acts.size() != 1) continue;
    const Term& a = acts[0];
    if (!a.is_compound() || a.functor().name() != "a" || a.args().size() != 2 ||
        !(a.arg(1).is_int()) || a.arg(1).as_int() != 30) {
      continue;
    }
    const auto names = a.arg(2).list_items();
    if (names.size() != 1) continue;
    const std::string name = text_of(names[0]);
    if (name.empty()) continue;
    return platform::upper_1252(name);
  }
  return std::nullopt;
}

bool has_errh_cmd(Run& run) {
  for (const Term& f : run.facts().clauses("b_line_i", 6)) {
    if (!(f.arg(4) == "cmd") || !f.arg(6).is_cons()) continue;
    const Term& first = f.arg(6).head();
    if (first.is_compound() && first.args().size() >= 2 && first.arg(2).is_int() &&
        first.arg(2).as_int() == kErrhCmd) {
      return true;
    }
  }
  return false;
}

bool set_oper_ctx(Run& run, const Term& operation) {
  if (!has_errh(run)) return true;
  record_var_decl(run, atom("Qnoper"), atom("Qn_ope"), "s");
  return gen_set_oper(run, operation);
}

bool set_errtbl_ctx(Run& run, const Term& tables) {
  if (!has_errh(run)) return true;
  const auto list = tables.list_items();
  if (list.empty()) return true;
  // A table entry may carry its cardinality: [Table, many].
  const Term table = list[0].is_cons() ? list[0].head() : list[0];
  const auto model = run.facts().first(fact("model_num_i", {var()}));
  const auto name =
      tbl_short_name(run, table, model && model->arg(1).is_int() ? model->arg(1).as_int() : 0);
  if (!name) return true;
  record_var_decl(run, atom("Qnerrtbl"), atom("Qn_etb"), "s");
  return gen_set_errtbl(run, str(*name));
}

std::string errh_cmd_name(const Term& tokens) {
  const auto t = tokens.list_items();
  if (t.size() < 2 || !t[1].is_compound() || t[1].args().size() < 2) return "";
  if (!t[1].arg(2).is_int() || t[1].arg(2).as_int() != kTokConstant) return "";
  return unquoted(text_of(t[1].arg(1)));
}

bool errh_routine(Run& run, const Term&, const Term& name_term) {
  const std::string name = text_of(name_term);
  if (!declare_handler_var(run)) return false;
  Out out(run);
  if (!name.empty()) {
    out.pieces({"// Set error handler to", name});
    out.pieces({"QNCSERH = " + java_quoted(routine_of(run, name)) + ";"});
  } else {
    const auto def = default_errh(run);
    const std::string routine = def ? routine_of(run, *def) : "";
    out.pieces({"QNCSERH = " + java_quoted(routine) + ";", "// Reset error handler"});
  }
  return out.ok();
}

}  // namespace qn::logic
