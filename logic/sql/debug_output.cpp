#include "logic/sql/debug_output.h"

#include <string>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/program/debug_checks.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string dim_text(const Term& d) { return d.is_int() ? std::to_string(d.as_int()) : text_of(d); }

}  // namespace

bool dbg_vars_dump(Run& run, const Term& label, const Term& vars) {
  if (!gen_debug_info(run) || !vars.is_list()) return true;
  const std::string lab = text_of(label);
  Out out(run);
  for (const Term& entry : vars.list_items()) {
    // An entry is [Name, Kind, Subscripts], or a name alone.
    auto e = entry.is_list() ? entry.list_items() : std::vector<Term>{entry};
    if (e.empty()) continue;
    const Term& name = e[0];
    const std::string shown = lab + " " + strip_ampersand(text_of(name));
    const std::string ref = var_target_ref(run, name, Term(), "dec");
    std::vector<Term> subs = e.size() > 2 && e[2].is_list() ? e[2].list_items() : std::vector<Term>{};
    auto dims = var_dim(run, name);
    if (!subs.empty() || !dims) {
      std::string text = shown, value = ref;
      if (!subs.empty()) {
        text += "(";
        for (size_t i = 0; i < subs.size(); ++i) {
          const std::string s = subs[i].is_compound() && subs[i].arity() >= 1 ? text_of(subs[i].arg(1))
                                                                             : text_of(subs[i]);
          text += (i ? "," : "") + s;
          value += "[" + s + "-1]";
        }
        text += ")";
      }
      out.pieces({"QN_dbg(", 0, ",", java_quoted(text), ",", value, ");"});
      continue;
    }
    std::vector<Term> d = dims->is_list() ? dims->list_items() : std::vector<Term>{*dims};
    const std::string d1 = d.empty() ? "0" : dim_text(d[0]);
    const std::string d2 = d.size() > 1 ? dim_text(d[1]) : "0";
    const Term counter_type = Term::list({atom("int"), num(4), num(0), num(1)});
    declare_var(run, str("QN_I"), counter_type, "s", Term());
    out.pieces({"QN_I", "=", "1;"});
    out.open("while (QN_I <= " + d1 + ") {");
    if (d2 != "0") {
      declare_var(run, str("QN_J"), counter_type, "s", Term());
      out.pieces({"QN_J", "=", "1;"});
      out.open("while (QN_J <= " + d2 + ") {");
      out.pieces({"QN_dbg(", 0, ",", java_quoted(shown + "(") + " + QN_I + \",\" + QN_J + \")\"", ",",
                  ref + "[QN_I-1][QN_J-1]", ");"});
      out.pieces({"QN_J", "=", "QN_J", "+", "1;"});
      out.close("}");
    } else {
      out.pieces({"QN_dbg(", 0, ",", java_quoted(shown + "(") + " + QN_I + \")\"", ",", ref + "[QN_I-1]",
                  ");"});
    }
    out.pieces({"QN_I", "=", "QN_I", "+", "1;"});
    out.close("}");
  }
  return out.ok();
}

}  // namespace qn::logic
