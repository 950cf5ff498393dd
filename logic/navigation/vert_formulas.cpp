#include "logic/navigation/vert_formulas.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/loop_conditions.h"
#include "logic/navigation/msg_actions.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/sql/cursors.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }

// The parent of a level (struct_i/4), if any.
std::optional<Term> parent_level(Run& run, const Term& level) {
  const auto link = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
  if (!link || link->arg(2) == level) return std::nullopt;
  return link->arg(2);
}

// A level above Level lists the formula: it computes it already.
bool computed_above(Run& run, const Term& level, const Term& number) {
  std::vector<Term> seen{level};
  for (auto up = parent_level(run, level);
       up && std::find(seen.begin(), seen.end(), *up) == seen.end(); up = parent_level(run, *up)) {
    seen.push_back(*up);
    for (const Term& f : clauses_by_arg(run, "for_ver_no_red_i", 3, 1, *up)) {
      if (f.arg(2).is_cons() && f.arg(2).head() == number) return true;
    }
  }
  return false;
}

struct Accumulation {
  std::string function;
  Term result, value;
};

// The accumulation's first-row flag: Qn_first for the first, numbered for
// the others, so that one accumulation does not end another's first row.
Term first_flag(size_t k) { return atom(k == 0 ? "Qn_first" : "Qn_first" + std::to_string(k + 1)); }

// The row's value of an attribute of the table (t_a(Table, Att)).
Term row_value(const Term& table, const Term& att) {
  return Term::list({tok(atom("t_a("), kTokFunction), tok(table, kTokConstant), tok(atom(","), kTokComma),
                     tok(att, kTokAttribute), tok(atom(")"), kTokClose)});
}

bool one_routine(Run& run, const Term& level, const Term& number, const std::vector<Term>& data,
                 const Term& context) {
  auto& facts = run.facts();
  const std::string routine = vert_routine_name(run, number);
  std::vector<Accumulation> accs;
  for (const Term& a : (data.size() > 1 ? data[1] : Term::nil()).list_items()) {
    const auto items = a.list_items();
    if (items.size() < 3) continue;
    accs.push_back({text_of(items[0]), items[1], items[2]});
  }
  const Term table = data.size() > 2 ? data[2] : Term::nil();
  std::vector<std::pair<Term, Term>> nav;
  for (const Term& n : (data.size() > 3 ? data[3] : Term::nil()).list_items()) {
    const auto items = n.list_items();
    if (items.size() >= 2) nav.emplace_back(items[0], items[1]);
  }
  // A formula without a table to walk or a value to add cannot be written.
  if (accs.empty() || nav.empty()) {
    trace_msg(run, {"Vertical formula", text_of(number), "has no navigation"});
    return false;
  }
  const Term inputs = Term::list(vert_formula_inputs(run, level, number));
  facts.assertz(fact("no_thisform_var_i", {inputs}));
  bool ok = begin_local_routine(run, atom(routine), Term::nil(), inputs.list_items()) &&
            emit_comment(run, {Piece("Navigation")});
  facts.assertz(fact("in_formula_i", {Term::list({atom(routine), table, Term::list({})})}));
  // The results' auxiliaries start at zero, each with its first-row flag.
  const Term boolean = Term::list({atom("boolean"), num(1), num(0), num(0)});
  for (size_t k = 0; ok && k < accs.size(); ++k) {
    const auto type = attri_type_len_dec(run, context, accs[k].result);
    ok = type && make_aux_names(run, accs[k].result, context, kAuxA, atom("n"));
    const auto aux = ok ? first_auxname(run, Term::list({accs[k].result})) : std::nullopt;
    ok = aux && declare_var_as(run, atom(aux->second), accs[k].result,
                               Term::list({type->type, num(type->length), num(type->decimals), num(0)}),
                               "s", Term::list({tok(atom("0"), kTokConstant)})) &&
         declare_var(run, first_flag(k), boolean, "s", Term::list({tok(atom("true"), kTokFunction)}));
  }
  // Each table's rows, the inner ones inside the outer's loop.
  for (size_t k = 0; ok && k < nav.size(); ++k) {
    const auto& [t, nl] = nav[k];
    const Term kind = atom(level_start_one(run, nl) ? "fst" : "many");
    ok = gen_level_select(run, atom("fvbt"), t, nl, Term::nil(), Term::nil(), Term::nil(), atom("noaux")) &&
         gen_nav_loop_cond(run, kind, t, nl, Term::nil());
  }
  // The row's values, each through its auxiliary.
  std::vector<Term> values;
  for (const Accumulation& a : accs) {
    if (a.function != "count(" && std::find(values.begin(), values.end(), a.value) == values.end())
      values.push_back(a.value);
  }
  // Those made here go at the routine's end: the program's own references
  // to the attributes keep their names.
  std::vector<Term> made;
  for (const Term& v : values) {
    if (!facts.exists(fact("p_auxname", {v, var()}))) made.push_back(v);
  }
  ok = ok && make_aux_names(run, Term::list(values), context, kAuxA, atom("n")) &&
       (values.empty() || gen_select_lock(run, nav.back().second, nav.back().first, values));
  for (size_t k = 0; ok && k < accs.size(); ++k) {
    const auto aux = first_auxname(run, Term::list({accs[k].result}));
    ok = aux && gen_accumulation(run, accs[k].function, atom(aux->second),
                                 row_value(nav.back().first, accs[k].value), std::nullopt,
                                 text_of(first_flag(k)));
  }
  for (size_t k = nav.size(); ok && k-- > 0;) {
    ok = gen_skip(run, nav[k].first, nav[k].second) && emit_close_brace(run) &&
         level_sql_end(run, nav[k].second, nav[k].first);
  }
  drop_aux_names(run, Term::list(made));
  facts.abolish("no_thisform_var_i", 1);
  facts.abolish("in_formula_i", 1);
  return end_routine(run, "0") && ok;
}

}  // namespace

std::string vert_routine_name(Run& run, const Term& number) {
  const bool report = spec_kind_in(run, {"rpt", "proc"});
  return pgm_unique_name(run, report ? "VR" : "VE", text_of(number));
}

std::vector<Term> vert_formula_inputs(Run& run, const Term& level, const Term& number) {
  std::vector<Term> out;
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (!(a.arg(3) == "v") || !(a.arg(6) == number)) continue;
    for (const Term& v : run.facts().findall(fact("v_i", {atom("v"), atom("i"), a.arg(1), var()}))) {
      for (const Term& x : v.arg(4).list_items()) {
        if (std::find(out.begin(), out.end(), x) == out.end()) out.push_back(x);
      }
    }
  }
  return out;
}

bool gen_formula_routines(Run& run, const Term& level, const Term& context) {
  bool ok = true;
  for (const Term& f : clauses_by_arg(run, "for_ver_no_red_i", 3, 1, level)) {
    if (!f.arg(2).is_cons()) continue;
    const Term number = f.arg(2).head();
    if (computed_above(run, level, number)) continue;
    // One routine of a name per program, however many levels list it.
    const Term done = fact("vert_routine_i", {str(vert_routine_name(run, number))});
    if (run.facts().exists(done)) continue;
    run.facts().assertz(done);
    ok = one_routine(run, level, number, f.arg(3).list_items(), context) && ok;
  }
  return ok;
}

bool for_on_grp(Run& run, const Term& level, const std::vector<Term>& held) {
  if (!assign_h_auxs(run, 's', held)) return false;
  const auto formulas = clauses_by_arg(run, "for_ver_no_red_i", 3, 1, level);
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (!(a.arg(3) == "v")) continue;
    for (const Term& f : formulas) {
      if (!f.arg(2).is_cons() || !(f.arg(2).head() == a.arg(6))) continue;
      const auto data = f.arg(3).list_items();
      for (const Term& acc : (data.size() > 1 ? data[1] : Term::nil()).list_items()) {
        const auto items = acc.list_items();
        if (items.size() < 3 || !(items[0] == "sum(" || items[0] == "count(")) continue;
        const auto aux = auxname(run, items[1]);
        if (!aux) continue;
        const Term added = items[0] == "sum(" ? tok(items[2], kTokAttribute) : tok(atom("1"), kTokConstant);
        if (!assign_var(run, atom(*aux),
                        Term::list({tok(atom(*aux), kTokVariable), tok(atom("+"), kTokAddOp), added})))
          return false;
      }
    }
  }
  return true;
}

bool level_vert_formulas(Run& run, const Term& context) {
  auto& facts = run.facts();
  facts.abolish("vert_routine_i", 1);
  struct Hash {
    size_t operator()(const Term& t) const { return t.hash(); }
  };
  std::vector<Term> levels;
  std::unordered_set<Term, Hash> seen;
  for (const Term& f : facts.clauses("for_ver_no_red_i", 3)) {
    if (seen.insert(f.arg(1)).second) levels.push_back(f.arg(1));
  }
  bool ok = true;
  for (const Term& level : levels) {
    const Term own = level_base_table(run, level);
    const auto parent = parent_level(run, level);
    if (parent && !(own == num(0)) && own == level_base_table(run, *parent)) continue;
    ok = gen_formula_routines(run, level, context) && ok;
  }
  facts.abolish("vert_routine_i", 1);
  return ok;
}

}  // namespace qn::logic
