#include "logic/navigation/aux_vars.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/loop_conditions.h"
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/navigation/table_access.h"
#include "logic/sql/cursors.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/program/type_adapter.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

// A single attribute stands for the list of it.
std::vector<Term> as_list(const Term& atts) {
  if (atts.is_cons() || atts.is_nil()) return atts.list_items();
  return {atts};
}

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }
Term tok(std::string_view text, int64_t kind) { return tok(atom(text), kind); }

// Tokens followed by more tokens.
Term append(const Term& a, const std::vector<Term>& more) {
  std::vector<Term> items = a.list_items();
  items.insert(items.end(), more.begin(), more.end());
  return Term::list(items);
}

}  // namespace

std::optional<std::string> gen_aux_name(Run& run, const Term& att, const Term&, int64_t type) {
  const std::string name = att.is_int() ? std::to_string(att.as_int()) : text_of(att);
  std::array<Term, 5> a{num(0), str(name), num(0), num(type), var()};
  if (!call_host(run, "i_vaux", a)) return std::nullopt;
  return text_of(a[4]);
}

bool make_aux_names(Run& run, const Term& atts, const Term& context, int64_t type,
                    const Term& mode) {
  auto& facts = run.facts();
  for (const Term& att : as_list(atts)) {
    // A variable ("&" name) is no attribute: it is its own Java name.
    if (text_of(att).starts_with("&")) continue;
    if (mode == "n" && facts.exists(fact("p_auxname", {att, var()}))) continue;
    auto name = gen_aux_name(run, att, context, type);
    if (!name) return false;
    facts.asserta(fact("p_auxname", {att, str(*name)}));
  }
  return true;
}

std::optional<std::pair<Term, std::string>> first_auxname(Run& run, const Term& atts) {
  for (const Term& att : as_list(atts)) {
    if (auto f = run.facts().first(fact("p_auxname", {att, var()})))
      return std::pair{att, text_of(f->arg(2))};
  }
  return std::nullopt;
}

void drop_aux_names(Run& run, const Term& atts) {
  for (const Term& att : as_list(atts)) run.facts().retract_all(fact("p_auxname", {att, var()}));
}

std::vector<std::pair<Term, std::string>> list_aux(Run& run, const Term& atts) {
  std::vector<std::pair<Term, std::string>> out;
  for (const Term& att : as_list(atts)) {
    if (auto name = auxname(run, att)) out.emplace_back(att, *name);
  }
  return out;
}

std::pair<Term, Term> count_aux_name(const Term& function, const Term& att, const Term& name) {
  if (function == "count(") return {atom("Qncount"), atom("Qncount")};
  return {att, name};
}

std::string aux_unique_name(Run& run, int64_t number, const Term& name) {
  const bool report = spec_kind_in(run, {"rpt", "proc"});
  std::array<Term, 4> a{num(number), num(36), num(2), var()};
  std::string digits = call_host(run, "i_itoa", a) ? text_of(a[3]) : std::to_string(number);
  return pgm_unique_name(run, report ? "ER" : "EV", digits + text_of(name));
}

Term combine_conds(const std::vector<Term>& conds, const Term& connector) {
  if (conds.empty()) return Term::nil();
  std::vector<Term> round = conds;
  while (round.size() > 1) {
    std::vector<Term> next;
    for (size_t k = 0; k + 1 < round.size(); k += 2) {
      std::vector<Term> joined{tok("(", kTokOpen)};
      for (const Term& t : round[k].list_items()) joined.push_back(t);
      joined.push_back(tok(")", kTokClose));
      joined.push_back(connector);
      joined.push_back(tok("(", kTokOpen));
      for (const Term& t : round[k + 1].list_items()) joined.push_back(t);
      joined.push_back(tok(")", kTokClose));
      next.push_back(Term::list(joined));
    }
    if (round.size() % 2) next.push_back(round.back());
    round = std::move(next);
  }
  return round.front();
}

bool gen_accumulation(Run& run, std::string_view function, const Term& running, const Term& value,
                      const std::optional<Term>& result, std::string_view first_flag) {
  const Term first = tok(first_flag, kTokVariable);
  const Term a = tok(running, kTokVariable);
  const Term falsity = Term::list({tok("false", kTokFunction)});
  const auto set_result = [&] {
    if (!result || *result == running) return true;
    return emit_comment(run, {Piece("Set return value")}) &&
           assign_var(run, *result, Term::list({a}));
  };
  const ExprCtx ctx{};
  if (function == "max(" || function == "min(") {
    const Term cmp = tok(function == "max(" ? "<" : ">", kTokCompare);
    const Term cond = append(Term::list({first, tok(".OR.", kTokLogical), a, cmp}), value.list_items());
    return emit_if(run, cond, ctx) && assign_var(run, running, value) &&
           assign_var(run, atom(first_flag), falsity) && set_result() && emit_close_brace(run);
  }
  if (function == "sum(" || function == "count(") {
    const Term v = function == "sum(" ? value : Term::list({tok(str("1"), kTokConstant)});
    return emit_if(run, Term::list({first}), ctx) && assign_var(run, running, v) &&
           assign_var(run, atom(first_flag), falsity) && emit_else(run) &&
           assign_var(run, running, append(Term::list({a, tok("+", kTokAddOp)}), v.list_items())) &&
           emit_close_brace(run);
  }
  return assign_var(run, running, value) && set_result() &&
         Out(run).pieces({"if (true) break;"}).ok();
}

namespace {

// The aggregate of a single-row SELECT is a computed column, which the
// cursor keeps as the first formula of the table's data object: the
// running value is assigned from it, cast to its type.
bool read_aggregate(Run& run, const Term& table, const Term& running) {
  const Term model = get_model_num(run).value_or(num(0));
  const auto obj = table_obj(run, model.is_int() ? model.as_int() : 0, table);
  const OptType type = var_type(run, running);
  if (!obj || !type) return false;
  auto value = typed::cast_expr(*type, *obj + ".getNumericFormula(1)");
  return value && Out(run).pieces({text_of(running), "=", *value, ";"}).ok();
}

bool one_formula(Run& run, const Term& f, const Term& context) {
  auto& facts = run.facts();
  const std::string function = text_of(f.arg(5));
  const Term& args = f.arg(6);
  const auto info = f.arg(9).list_items();
  const Term table = info.size() > 1 ? info[1] : Term::nil();
  // The formula's conditions, each a token list or c(Tokens, Kind): SQL
  // takes them as c(Tokens, Kind), the program as their tokens.
  std::vector<Term> sql_conds;
  for (const Term& c : (info.size() > 2 ? info[2] : Term::nil()).list_items()) {
    sql_conds.push_back(c.is_list() ? fact("c", {c, Term::nil()}) : c);
  }
  const Term conds = Term::list(sql_conds);
  const auto [counted, name] = count_aux_name(f.arg(5), f.arg(8), f.arg(7));
  const std::string routine = aux_unique_name(run, f.arg(2).as_int(), name);
  facts.assertz(fact("no_thisform_var_i", {args}));
  // The routine's auxiliaries are its own: named anew (the newest answers
  // first) and removed one by one at its end, so that the object's
  // auxiliaries of the same attributes are neither used nor lost.
  std::vector<Term> made;
  const auto own_aux = [&](const Term& atts, int64_t type) {
    if (!make_aux_names(run, atts, context, type, atom("r"))) return false;
    for (const Term& a : as_list(atts)) {
      if (text_of(a).starts_with("&")) continue;
      if (auto p = facts.first(fact("p_auxname", {a, var()}))) made.push_back(*p);
    }
    return true;
  };
  const auto done = [&](bool ok) {
    for (const Term& p : made) facts.retract(p);
    facts.abolish("no_thisform_var_i", 1);
    return ok;
  };
  if (!own_aux(args, kAuxPrevious) || !own_aux(counted, kAuxResult)) return done(false);
  auto result = first_auxname(run, Term::list({counted}));
  if (!result) return done(false);
  const Term running = atom(result->second);
  // A maximum or minimum may return another attribute of the row that holds
  // it (the fourth item of the formula's data): the routine returns that.
  const Term returned = info.size() > 3 && !info[3].is_nil() && !(info[3] == counted) &&
                                (function == "max(" || function == "min(")
                            ? info[3]
                            : Term::nil();
  std::string ret = result->second;
  if (!returned.is_nil()) {
    if (!own_aux(returned, kAuxResult)) return done(false);
    ret = first_auxname(run, Term::list({returned}))->second;
  }
  // The running value and the returned one are declared like their
  // attributes, so that the routine returns their type.
  std::vector<std::pair<Term, Term>> held{{running, counted}};
  if (!returned.is_nil()) held.emplace_back(atom(ret), returned);
  for (const auto& [aux, att] : held) {
    const OptType type = var_type(run, att);
    if (type && !declare_var_as(run, aux, att, type_term(type), "s", Term::nil())) return done(false);
  }
  bool ok = begin_local_routine(run, atom(routine), atom(ret), args.list_items());
  // Each call starts from null values: a call that finds no row returns no
  // value of an earlier call (a count over no rows is 0).
  for (size_t k = 0; ok && k < held.size(); ++k) ok = gen_nullvalue(run, held[k].first).has_value();
  facts.assertz(fact("in_formula_i", {Term::list({atom(routine)})}));
  const bool aggregate = function == "max(" || function == "min(" || function == "sum(" ||
                         function == "count(";
  const TableList tables = make_table_list(run, {Term::list({table})});
  std::vector<Term> row_atts;
  const Term found = Term::list({tok(atom("noteof("), kTokFunction), tok(table, kTokConstant),
                                 tok(atom(")"), kTokClose)});
  if (ok && !returned.is_nil() && conds_to_sql_strict(run, tables, conds.list_items())) {
    // The aggregate, then the row that holds it: its other attribute is the
    // result. Without an aggregate row there is no such row to read.
    ok = gen_sql_select_one(run, "as", num(0), table, {}, {Term::list({f.arg(5), table, counted})},
                            conds.list_items()) &&
         emit_if(run, found, {}) && read_aggregate(run, table, running);
    const std::string first = cursor_info(run, table, num(0));
    ok = ok && end_cursor(run, num(0), first);
    const Term seek = fact("w", {table, counted, str("="), tok(running, kTokVariable)});
    ok = ok && gen_sql_select_one(run, "fv", num(0), table, {seek}, {Term::list({table, returned})},
                                  conds.list_items()) &&
         emit_if(run, found, {}) && gen_select_lock(run, num(0), table, {returned}) &&
         emit_close_brace(run);
    const std::string second = cursor_info(run, table, num(0));
    ok = ok && (second == "NoCurVarErr" || end_cursor(run, num(0), second)) && emit_else(run) && gen_db_command(run, "qnclosecur", {first}) && emit_close_brace(run);
  } else if (ok && aggregate && conds_to_sql_strict(run, tables, conds.list_items())) {
    // One SELECT of the aggregate; the result read back when a row is found.
    ok = gen_sql_select_one(run, "as", num(0), table, {}, {Term::list({f.arg(5), table, counted})},
                            conds.list_items()) &&
         emit_if(run, found, {}) && read_aggregate(run, table, running) && emit_close_brace(run);
    // The one-row cursor of the aggregate is not reused by a later read.
    const std::string cursor = cursor_info(run, table, num(0));
    if (ok && cursor != "NoCurVarErr") end_cursor(run, num(0), cursor);
  } else if (ok) {
    // A navigation of the table: the conditions SQL cannot take filter the
    // rows, each row accumulates.
    std::vector<Term> residual;
    for (const Term& c : sql_conds) {
      if (!conds_to_sql_strict(run, tables, {c})) residual.push_back(c.arity() >= 1 ? c.arg(1) : c);
    }
    // The row's values the loop needs (the counted attribute's, and those
    // of the table the remaining conditions name; the arguments are the
    // routine's parameters) come through auxiliaries of their own, read
    // from the row as a vertical formula reads its values; the running
    // value keeps its auxiliary. A row value is t_a(Table, Attribute).
    const auto add_row_att = [&, params = args.list_items()](const Term& a) {
      const auto has = [&](const std::vector<Term>& l) { return std::find(l.begin(), l.end(), a) != l.end(); };
      if (!has(params) && !has(row_atts)) row_atts.push_back(a);
    };
    if (function != "count(") add_row_att(counted);
    for (const Term& c : residual) {
      for (const Term& t : c.list_items()) {
        if (t.is_compound() && t.functor() == "t" && t.arity() >= 2 && t.arg(2) == num(kTokAttribute))
          add_row_att(t.arg(1));
      }
    }
    const Term value = Term::list({tok(atom("t_a("), kTokFunction), tok(table, kTokConstant),
                                   tok(atom(","), kTokComma), tok(counted, kTokAttribute),
                                   tok(atom(")"), kTokClose)});
    ok = declare_var(run, atom("Qn_first"), Term::list({atom("boolean"), num(1), num(0), num(0)}),
                     "s", Term::list({tok(atom("true"), kTokFunction)})) &&
         gen_level_select(run, atom("as"), table, num(0), Term::nil(), conds, Term::nil(),
                          atom("opt")) &&
         gen_nav_loop_cond(run, atom("many"), table, num(0), Term::nil()) &&
         own_aux(Term::list(row_atts), kAuxA) &&
         (row_atts.empty() || gen_select_lock(run, num(0), table, row_atts)) &&
         (residual.empty() || emit_if(run, combine_conds(residual, tok(atom(".AND."), kTokLogical)), {})) &&
         gen_accumulation(run, function, running, value, std::nullopt) &&
         (residual.empty() || emit_close_brace(run)) && gen_skip(run, table, num(0)) &&
         emit_close_brace(run) && level_sql_end(run, num(0), table);
  }
  facts.abolish("in_formula_i", 1);
  ok = ok && end_routine(run, ret);
  return done(ok);
}

}  // namespace

bool select_formula_auxs(Run& run, const Term& context) {
  const auto formulas = run.facts().findall(fact(
      "function_i", {var(), var(), atom("yes"), atom("select"), var(), var(), var(), var(), var()}));
  // One routine for formulas that differ only in their number: the one of
  // the smallest number of each function, arguments, name and attribute.
  struct TermHash {
    size_t operator()(const Term& t) const { return t.hash(); }
  };
  std::unordered_map<Term, const Term*, TermHash> first;
  const auto key = [](const Term& f) { return Term::list({f.arg(5), f.arg(6), f.arg(7), f.arg(8)}); };
  for (const Term& f : formulas) {
    if (!f.arg(2).is_int()) continue;
    auto [it, fresh] = first.try_emplace(key(f), &f);
    if (!fresh && f.arg(2).as_int() < it->second->arg(2).as_int()) it->second = &f;
  }
  bool ok = true;
  for (const Term& f : formulas) {
    if (f.arg(2).is_int() && first.at(key(f)) == &f) ok = one_formula(run, f, context) && ok;
  }
  return ok;
}

}  // namespace qn::logic
