#include "logic/core/levels.h"

#include <algorithm>
#include <optional>

#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

std::vector<Term> items(const Term& list) { return list.list_items(); }

bool member(const Term& x, const std::vector<Term>& list) {
  return std::any_of(list.begin(), list.end(),
                     [&](const Term& e) { return engine::matches(x, e); });
}

bool is_level(const Run& run, const Term& l) {
  return run.facts().exists(fact("struct_i", {l, var(), var(), var()}));
}

}  // namespace

Term first_level(const Run& run) {
  std::optional<Term> best;
  for (const Term& f : run.facts().clauses("struct_i", 4)) {
    if (is_level(run, f.arg(2))) continue;
    if (!best || engine::compare(f.arg(1), *best) < 0) best = f.arg(1);
  }
  return best.value_or(num(0));
}

namespace {

std::vector<Term> main_levels(const Run& run, bool parent_test) {
  std::vector<Term> out;
  for (const Term& f : run.facts().clauses("sf_break_i", 2)) {
    const Term& level = f.arg(1);
    if (!run.facts().exists(fact("lit_i", {var(), var(), fact("s", {f.arg(2)}), var()}))) continue;
    if (parent_test) {
      auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
      if (s && is_level(run, s->arg(2))) continue;
    }
    out.push_back(level);
  }
  if (!out.empty()) return out;
  for (const Term& f : run.facts().findall(fact("struct_i", {var(), num(1), var(), var()}))) {
    const Term& level = f.arg(1);
    if (run.facts().exists(fact("b_group_i", {var(), level, var(), var(), var(), var()}))) continue;
    if (run.facts().exists(fact("sf_break_i", {level, var()}))) continue;
    out.push_back(level);
  }
  return out;
}

}  // namespace

std::vector<Term> main_lvls(const Run& run) { return main_levels(run, true); }

std::vector<Term> sfl_or_main_lvl(const Run& run) { return main_levels(run, false); }

std::vector<Term> level_t_att(const Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& f :
       run.facts().findall(fact("a_i", {var(), level, atom("t"), var(), var(), var()}))) {
    out.push_back(f.arg(1));
  }
  out.push_back(Term::nil());
  return out;
}

Term add_end_i_conds(const Run& run, const Term& level, const Term& conds) {
  auto end = run.facts().first(fact("end_i", {level, num(0), num(0), Term::cons(var(), var())}));
  if (!end) return conds;
  std::vector<Term> start_items;
  if (auto start =
          run.facts().first(fact("start_i", {level, num(0), num(0), Term::cons(var(), var())}))) {
    start_items = items(start->arg(4).head());
  }
  std::vector<Term> out = items(conds);
  for (const Term& x : items(end->arg(4).head())) {
    if (member(x, start_items)) continue;
    const Term c = fact("c", {x, Term::nil()});
    if (std::find(out.begin(), out.end(), c) != out.end()) continue;
    out.push_back(c);
  }
  return Term::list(out);
}

}  // namespace qn::logic
