#include "logic/sql/optimised_commands.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/sql/optimised_statements.h"
#include "logic/sql/select_text.h"
#include "logic/sql/table_locks.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

// t(Text, Code | _): the code, or none.
std::optional<int64_t> tok_code(const Term& t) {
  if (!t.is_compound() || t.args().size() < 2 || !t.arg(2).is_int()) return std::nullopt;
  return t.arg(2).as_int();
}

bool has_code(const std::vector<int64_t>& codes, std::optional<int64_t> c) {
  return c && std::find(codes.begin(), codes.end(), *c) != codes.end();
}

bool member(const std::vector<Term>& list, const Term& x) {
  return std::find(list.begin(), list.end(), x) != list.end();
}

bool matches(const LinePattern& p, const std::vector<Term>& tokens) {
  if (p.size() != tokens.size()) return false;
  std::map<int, std::string> slots;
  for (size_t i = 0; i < p.size(); ++i) {
    if (tok_code(tokens[i]) != p[i].code) return false;
    const std::string text = text_of(tokens[i].arg(1));
    if (p[i].text && *p[i].text != text) return false;
    if (p[i].slot >= 0) {
      auto [it, fresh] = slots.emplace(p[i].slot, text);
      if (!fresh && it->second != text) return false;
    }
  }
  return true;
}

// The level's line groups of kind lit: b_group_i(Level, Group, lit, ...).
std::vector<Term> lit_groups(Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& g : run.facts().clauses("b_group_i", 6)) {
    if (g.arg(1) == level && g.arg(3) == "lit") out.push_back(g.arg(2));
  }
  return out;
}

bool no_conditions(const Term& conditions) { return conditions.list_items().empty(); }

// The navigation reads one table, is the top of its same-table chain, and
// every condition translates to SQL.
std::optional<Term> single_table(Run& run, const Term& conditions, const Term& tables,
                                 const Term& level) {
  const auto t = tables.list_items();
  if (t.size() != 1) return std::nullopt;
  const Term table = t[0].is_cons() ? t[0].head() : t[0];
  if (!(top_nvg_level(run, level, table) == level)) return std::nullopt;
  if (!conds_to_sql_strict(run, make_table_list(run, {t[0]}), conditions.list_items())) {
    return std::nullopt;
  }
  return table;
}

bool opt_flag(Run& run, const Term& key) {
  run.facts().asserta(fact("optimized_delete", {key}));
  return true;
}
void drop_flag(Run& run, const Term& key) { run.facts().retract(fact("optimized_delete", {key})); }

bool comment(Run& run, std::string_view text) { return emit_comment(run, {Piece(text)}); }

// --- the optimised DELETE ----------------------------------------------------------

bool optimized_delete(Run& run, const Term& conditions, const Term& model, const Term& tables,
                      int64_t line, const Term& level) {
  if (pgm_prop_is(run, "optimize_delete", "n")) return false;
  auto table = single_table(run, conditions, tables, level);
  if (!table) return false;
  std::vector<Term> matched;
  const BlockScan scan{
      line + 1,         level, {}, lit_groups(run, level), {kCodeIgnored}, {kCodeNavEnd},
      {{{kCodeDelete}}}};
  if (!group_stmts_nav(run, scan, matched) || matched.empty()) return false;

  const bool whole = no_conditions(conditions);
  // The lock names the table as the DELETE does: by its SQL name, not by
  // the number or atom the navigation holds it by.
  const Term name = str(tbl_short_name(run, *table, 0).value_or(text_of(*table)));
  bool ok = comment(run, "Optimized DELETE.") && opt_flag(run, level);
  if (ok && whole && table_dbms(run, *table) != "as400") {
    ok = gen_lock_table(run, *table, atom("y"), name);
  }
  ok = ok && gen_nav_delete(run, conditions, tables, level);
  if (ok && whole) ok = gen_unlock_table(run, *table, name);
  drop_flag(run, level);
  return ok && comment(run, "End optimized DELETE.");
}

// --- the optimised group ---------------------------------------------------------------

bool optimized_group(Run& run, const Term& conditions, const Term& model, const Term& tables,
                     int64_t line, const Term& level, const Term& selected) {
  if (pgm_prop_is(run, "optimize_aggregate", "n")) return false;
  auto table = single_table(run, conditions, tables, level);
  if (!table) return false;
  const LinePattern sum_form{{kCodeAssign},     {kTokVariable, 0}, {kTokCompare, -1, "="},
                             {kTokVariable, 0}, {kTokAddOp},       {kTokAttribute}};
  const LinePattern count_form{{kCodeAssign},     {kTokVariable, 0}, {kTokCompare, -1, "="},
                               {kTokVariable, 0}, {kTokAddOp},       {kTokConstant}};
  std::vector<Term> matched;
  const BlockScan scan{line + 1,
                       level,
                       {},
                       lit_groups(run, level),
                       {kCodeIgnored},
                       {kCodeNavEnd},
                       {sum_form, count_form}};
  if (!group_stmts_nav(run, scan, matched) || matched.empty()) return false;
  std::vector<Aggregate> aggs;
  for (const Term& m : matched) {
    auto a = optimized_agg(run, m, model, *table, selected);
    if (!a) return false;
    aggs.push_back(*a);
  }

  std::vector<Term> select_list, names;
  for (const Aggregate& a : aggs) {
    select_list.push_back(Term::list({*table, sql_agg_exp(a)}));
    names.push_back(a.sum ? a.operand : a.var);
  }
  bool ok = opt_flag(run, atom("nvg")) && comment(run, "Optimized group.");
  // Each aggregated name gets an auxiliary of type 99 for its fetched
  // value. They are named directly rather than recorded as p_auxname/2:
  // recording and dropping them would also drop the attribute's own
  // auxiliary that the rest of the program uses, and a count's variable
  // is not an attribute make_aux_names/4 would name.
  std::vector<std::string> aux;
  for (const Term& n : names) {
    if (!ok) break;
    // A count's variable is named by its Java name, without the "&".
    const std::string text = text_of(n);
    auto name = gen_aux_name(run, text.starts_with("&") ? atom(text.substr(1)) : n, level, kAuxCursor);
    ok = name.has_value();
    if (ok) aux.push_back(*name);
  }
  ok = ok && gen_select_one_into(run, select_list, aux, conditions, tables, level);
  for (size_t i = 0; ok && i < aggs.size(); ++i) {
    const Aggregate& a = aggs[i];
    std::vector<Term> value{fact("t", {a.var, num(kTokVariable)}),
                            fact("t", {a.op, num(kTokAddOp)}),
                            fact("t", {str(aux[i]), num(kTokVariable)})};
    if (!a.sum) {
      value.push_back(fact("t", {atom("*"), num(kTokMulOp)}));
      value.push_back(fact("t", {a.operand, num(kTokConstant)}));
    }
    ok = assign_var(run, a.var, Term::list(value));
  }
  drop_flag(run, atom("nvg"));
  return ok && comment(run, "End optimized group.");
}

// --- the optimised copy -------------------------------------------------------------------

struct CopyBlock {
  Term sublevel, target;
  int64_t first_line = 0;
  int64_t start_code = 0, end_code = 0;
};

std::optional<CopyBlock> copy_block(Run& run, const Term& level) {
  auto& facts = run.facts();
  const auto subs = facts.clauses("struct_i", 4);
  std::vector<Term> children;
  for (const Term& s : subs) {
    if (s.arg(2) == level) children.push_back(s.arg(1));
  }
  if (children.size() != 1) return std::nullopt;
  CopyBlock b;
  b.sublevel = children[0];
  if (facts.exists(fact("break_i", {b.sublevel, atom("ins"), var(), var(), var()}))) {
    b.start_code = kCodeInsStart;
    b.end_code = kCodeInsEnd;
  } else if (facts.exists(fact("break_i", {b.sublevel, atom("xins"), var(), var(), var()}))) {
    b.start_code = kCodeXinsStart;
    b.end_code = kCodeXinsEnd;
  } else {
    return std::nullopt;
  }
  auto l = facts.first(fact("level_i", {b.sublevel, Term::cons(var(), var())}));
  if (!l) return std::nullopt;
  b.target = l->arg(2).head();
  std::optional<int64_t> first;
  for (const Term& f : facts.clauses("b_line_i", 6)) {
    if (f.arg(2) == b.sublevel && f.arg(4) == "cmd" && f.arg(1).is_int() &&
        (!first || f.arg(1).as_int() < *first)) {
      first = f.arg(1).as_int();
    }
  }
  if (!first) return std::nullopt;
  b.first_line = *first;
  return b;
}

// cond_tables/2 of one table, as [Table, Attribute] lists.
Term table_pairs(Run& run, const Term& table) {
  std::vector<Term> out;
  for (const auto& [t, a] : cond_tables(run, {table})) out.push_back(Term::list({t, a}));
  return Term::list(out);
}

bool optimized_copy(Run& run, const Term& conditions, const Term& model, const Term& tables,
                    int64_t line, const Term& level) {
  auto block = copy_block(run, level);
  if (!block || !copy_table_ok(run, block->target)) return false;
  auto table = single_table(run, conditions, tables, level);
  if (!table) return false;
  std::vector<Term> none;
  const BlockScan outer{
      line + 1,      level, {block->sublevel}, lit_groups(run, level), {kCodeIgnored},
      {kCodeNavEnd}, {}};
  if (!group_stmts_nav(run, outer, none)) return false;
  const LinePattern var_form{
      {kCodeAssign}, {kTokVariable}, {kTokCompare, -1, "="}, {kTokAttribute}};
  const LinePattern att_form{
      {kCodeAssign}, {kTokAttribute}, {kTokCompare, -1, "="}, {kTokAttribute}};
  std::vector<Term> assignments;
  const BlockScan inner{block->first_line,
                        block->sublevel,
                        {},
                        lit_groups(run, block->sublevel),
                        {block->start_code},
                        {block->end_code},
                        {var_form, att_form}};
  if (!group_stmts_nav(run, inner, assignments)) return false;

  std::vector<Term> targets;
  for (const Term& a : assignments) targets.push_back(a.list_items()[1].arg(1));
  if (!insert_select_ok(run, model, block->target, Term::list(targets))) return false;
  const Term target_pairs = table_pairs(run, block->target);
  std::vector<Term> target_atts;
  for (const Term& p : target_pairs.list_items()) {
    const auto x = p.list_items();
    if (x.size() >= 2) target_atts.push_back(x[1]);
  }
  std::vector<std::pair<Term, Term>> pairs;
  if (!copy_pairs(run, assignments, model, Term::list(target_atts), table_pairs(run, *table),
                  pairs)) {
    return false;
  }

  std::vector<Term> columns, sources;
  for (const auto& [t, s] : pairs) {
    columns.push_back(t);
    sources.push_back(s);
  }
  bool ok = opt_flag(run, atom("ins")) && comment(run, "Optimized copy (Insert w/Subselect).") &&
            gen_insert_select(run, block->target, columns, sources, conditions, tables, level);
  drop_flag(run, atom("ins"));
  // The copy ends with the group's comment.
  return ok && comment(run, "End optimized group.");
}

// A text that reads as an integer or a decimal number.
bool is_number_text(std::string_view s) {
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.remove_prefix(1);
  bool digits = false, point = false;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace

bool group_statements(Run& run, const BlockScan& scan, std::vector<Term>& results) {
  // The lines from Start on by number (the first of a number counts); the
  // facts come in file order, which is nearly always line order.
  const std::vector<Term> facts = run.facts().clauses("b_line_i", 6);
  std::vector<std::pair<int64_t, const Term*>> lines;
  lines.reserve(facts.size());
  for (const Term& f : facts) {
    if (f.arg(1).is_int() && f.arg(1).as_int() >= scan.start)
      lines.emplace_back(f.arg(1).as_int(), &f);
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  results.clear();
  std::optional<int64_t> last;
  for (const auto& [number, fp] : lines) {
    if (number == last) continue;
    last = number;
    const Term& f = *fp;
    const auto tokens = f.arg(6).list_items();
    const std::optional<int64_t> code = tokens.empty() ? std::nullopt : tok_code(tokens[0]);
    const bool own = f.arg(2) == scan.level && member(scan.groups, f.arg(3)) && f.arg(4) == "cmd";
    std::optional<Term> result;
    if (own) {
      for (const LinePattern& p : scan.patterns) {
        if (matches(p, tokens)) {
          result = f.arg(6);
          break;
        }
      }
      if (!result && (has_code(scan.start_codes, code) || has_code(scan.end_codes, code))) {
        result = Term::list({});
      }
    }
    if (!result && member(scan.other_levels, f.arg(2))) result = Term::list({});
    results.push_back(result.value_or(atom("nv")));
    if (!result || has_code(scan.end_codes, code)) return true;
  }
  // Past the last line without an end line.
  return false;
}

bool group_stmts_nav(Run& run, const BlockScan& scan, std::vector<Term>& matched) {
  std::vector<Term> results;
  // A block that runs out of lines before its end line is not optimisable.
  if (!group_statements(run, scan, results)) return false;
  matched.clear();
  for (const Term& r : results) {
    if (r == "nv") return false;
    if (r.is_cons()) matched.push_back(r);
  }
  return true;
}

bool copy_table_ok(Run& run, const Term& table) {
  if (pgm_prop_is(run, "optimize_copy", "n")) return false;
  const bool unique =
      run.facts().exists(fact("index_i", {table, Term::cons(var(), Term::cons(atom("u"), var()))}));
  if (!unique) return true;
  if (run.facts().count("gen_reo_i", 0) > 0) return false;
  return pgm_prop_is(run, "optimize_copy", "a");
}

bool copy_pairs(Run& run, const std::vector<Term>& assignments, const Term& model,
                const Term& target_attributes, const Term& source_pairs,
                std::vector<std::pair<Term, Term>>& pairs) {
  const auto target_atts = target_attributes.list_items();
  std::vector<Term> sources;
  for (const Term& p : source_pairs.list_items()) {
    const auto x = p.list_items();
    if (x.size() >= 2) sources.push_back(x[1]);
  }
  pairs.clear();
  std::vector<Term> assigned;
  for (const Term& a : assignments) {
    const auto t = a.list_items();
    if (t.size() != 4 || !tok_code(t[1]) || !tok_code(t[3])) return false;
    const Term target = t[1].arg(1), source = t[3].arg(1);
    if (!member(target_atts, target) || member(assigned, target) || !member(sources, source)) {
      return false;
    }
    auto tt = get_attri_type(run, model, target);
    auto st = get_attri_type(run, model, source);
    if (!tt || !st || !(tt->type == st->type) || !tt->length.is_number() ||
        !st->length.is_number() || tt->length.as_number() < st->length.as_number()) {
      return false;
    }
    assigned.push_back(target);
    pairs.emplace_back(target, source);
  }
  if (initialize_new_on(run)) {
    for (const Term& t : target_atts) {
      if (!member(assigned, t)) return false;
    }
  }
  return true;
}

std::optional<Aggregate> optimized_agg(Run& run, const Term& statement, const Term& model,
                                       const Term& table, const Term& selected) {
  const auto t = statement.list_items();
  if (t.size() != 6 || !tok_code(t[1]) || !tok_code(t[4]) || !tok_code(t[5])) return std::nullopt;
  Aggregate a{tok_code(t[5]) == kTokAttribute, t[1].arg(1), t[4].arg(1), t[5].arg(1)};
  if (a.sum) {
    if (!member(selected.list_items(), Term::list({table, a.operand}))) return std::nullopt;
    auto type = get_attri_type(run, model, a.operand);
    if (!type || !numeric_type(type->type)) return std::nullopt;
    return a;
  }
  if (!is_number_text(text_of(a.operand))) return std::nullopt;
  return a;
}

Term sql_agg_exp(const Aggregate& agg) {
  return agg.sum ? Term::list({str("sum("), agg.operand}) : Term::list({str("count("), agg.var});
}

bool optimized_cmd(Run& run, const Term& conditions, const Term& model, const Term& tables,
                   int64_t line, const Term& level, const Term& selected) {
  return optimized_delete(run, conditions, model, tables, line, level) ||
         optimized_group(run, conditions, model, tables, line, level, selected) ||
         optimized_copy(run, conditions, model, tables, line, level);
}

}  // namespace qn::logic
