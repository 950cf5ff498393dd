#include "logic/sql/joined_reads.h"

#include <algorithm>

#include "logic/core/dbms_caps.h"
#include "logic/core/levels.h"
#include "logic/core/lists.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/navigation/levels.h"
#include "logic/sql/level_join.h"

namespace qn::logic {

using engine::Term;

namespace {

bool contains(const std::vector<Term>& list, const Term& t) {
  return std::find(list.begin(), list.end(), t) != list.end();
}

// The variables of an action's inputs (i) or outputs (o).
std::vector<Term> io_vars(Run& run, const Term& action, const char* dir) {
  std::vector<Term> vars;
  for (const Term& v : run.facts().findall(fact("v_i", {action.arg(3), atom(dir), action.arg(1), var()}))) {
    for (const Term& x : v.arg(4).list_items()) vars.push_back(x);
  }
  return vars;
}

std::vector<Term> info_items(const Term& action) { return action.arg(6).list_items(); }

std::vector<Term> read_keys(const Term& action) {
  const auto info = info_items(action);
  return info.empty() ? std::vector<Term>{} : info[0].list_items();
}

bool stores(Run& run, const Term& table, const Term& att) {
  auto t = run.facts().first(fact("table_i", {table, var()}));
  if (!t || !t->arg(2).is_cons() || !t->arg(2).tail().is_cons()) return false;
  return contains(t->arg(2).tail().head().list_items(), att);
}

// [A, M] pairs of the level's reads: the name M under which a read of a
// table that does not store A knows it.
std::vector<std::pair<Term, Term>> mapped_names(Run& run, const std::vector<Term>& actions) {
  std::vector<std::pair<Term, Term>> out;
  for (const Term& a : actions) {
    if (!(a.arg(3) == "r")) continue;
    const auto info = info_items(a);
    if (info.size() < 3) continue;
    for (const Term& p : info[2].list_items()) {
      const auto pair = p.list_items();
      if (pair.size() == 2 && !stores(run, a.arg(4), pair[0])) out.emplace_back(pair[0], pair[1]);
    }
  }
  return out;
}

bool joinable(Run& run, const Term& level, const Term& base, const std::vector<Term>& fixed,
              const std::vector<Term>& actions, const Term& a) {
  if (contains(fixed, a.arg(1))) return false;
  if (a.arg(3) == "c") return true;
  if (!(a.arg(3) == "r")) return false;
  const Term& table = a.arg(4);
  if (!same_dstore(run, table, base)) return false;
  const auto keys = read_keys(a);
  const bool renamed = std::any_of(keys.begin(), keys.end(), [](const Term& k) {
    const auto e = k.list_items();
    return e.size() >= 3 && !(e[1] == e[2]);
  });
  if (renamed && std::any_of(actions.begin(), actions.end(), [&](const Term& b) {
        return b.arg(3) == "r" && b.arg(4) == table && !(b.arg(1) == a.arg(1));
      })) {
    return false;
  }
  if (!join_lock_ok(run, level, table)) return false;
  if (model_driver(run) == "qeoracle7" && !keys.empty()) {
    const auto first = keys[0].list_items();
    if (!first.empty() && outer_join_natural(run, first[0])) {
      for (size_t i = 1; i < keys.size(); ++i) {
        const auto e = keys[i].list_items();
        if (e.size() >= 3 && first.size() >= 3 && e[1] == first[1] && e[2] == first[2] &&
            !(e[0] == first[0])) {
          return false;
        }
      }
    }
  }
  return true;
}

// One ordering pass over the level's joinable actions: an action is placed
// once all its inputs are available, and its outputs become available.
// Fails when the level has no t action.
std::optional<std::vector<Term>> place_joinable(Run& run, const Term& level, const Term& base) {
  const std::vector<Term> actions = clauses_by_arg(run, "a_i", 6, 2, level);
  auto t = std::find_if(actions.begin(), actions.end(), [](const Term& a) { return a.arg(3) == "t"; });
  if (t == actions.end()) return std::nullopt;
  std::vector<Term> available = io_vars(run, *t, "i");
  for (const Term& v : io_vars(run, *t, "o")) available.push_back(v);
  available.push_back(Term::nil());
  Term own = Term::nil();
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    own = subtract(s->arg(3), s->arg(4));
  }
  for (const Term& a : own.list_items()) available.push_back(a);
  std::vector<Term> fixed;
  // The first level of a panel keeps the reads of its own attributes apart.
  if (spec_kind_in(run, {"scr", "web"})) {
    auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
    if (s && s->arg(2) == num(0)) fixed = own.list_items();
  }
  std::vector<Term> pending;
  for (const Term& a : actions) {
    if (joinable(run, level, base, fixed, actions, a)) pending.push_back(a);
  }
  std::vector<Term> placed;
  for (bool moved = true; moved;) {
    moved = false;
    for (auto it = pending.begin(); it != pending.end();) {
      const auto in = io_vars(run, *it, "i");
      if (std::all_of(in.begin(), in.end(), [&](const Term& v) { return contains(available, v); })) {
        for (const Term& v : io_vars(run, *it, "o")) available.push_back(v);
        placed.push_back(*it);
        it = pending.erase(it);
        moved = true;
      } else {
        ++it;
      }
    }
  }
  return placed;
}

Term mapped_tokens(const Term& tokens, const std::vector<std::pair<Term, Term>>& names) {
  std::vector<Term> out;
  for (const Term& tok : tokens.list_items()) {
    Term t = tok;
    if (tok.is_compound() && tok.functor() == "t" && tok.arity() >= 2 && tok.arg(2).is_int() &&
        tok.arg(2).as_int() == kTokAttribute) {
      for (const auto& [a, m] : names) {
        if (a == tok.arg(1)) {
          std::vector<Term> args{m};
          for (uint32_t i = 2; i <= tok.arity(); ++i) args.push_back(tok.arg(i));
          t = fact("t", args);
          break;
        }
      }
    }
    out.push_back(t);
  }
  return Term::list(out);
}

Term mapped_keys(Run& run, const Term& keys, const std::vector<std::pair<Term, Term>>& names) {
  std::vector<Term> out;
  for (const Term& k : keys.list_items()) {
    auto e = k.list_items();
    if (e.size() >= 3 && !(e[1] == e[2]) && !stores(run, e[0], e[1])) {
      for (const auto& [a, m] : names) {
        if (a == e[1]) {
          e[1] = Term::list({a, m});
          break;
        }
      }
      out.push_back(Term::list(e));
    } else {
      out.push_back(k);
    }
  }
  return Term::list(out);
}

}  // namespace

std::optional<LevelJoin> level_join(Run& run, const Term& level, const Term& table) {
  if (spec_kind_in(run, {"trn"})) return std::nullopt;
  if (!join_allowed(run, level, table)) return std::nullopt;
  auto placed = place_joinable(run, level, table);
  if (!placed) return std::nullopt;
  const auto names = mapped_names(run, clauses_by_arg(run, "a_i", 6, 2, level));
  LevelJoin j;
  j.tables.push_back(Term::list({table, atom("many")}));
  std::vector<Term> conds;
  for (const Term& a : *placed) {
    if (a.arg(3) == "r") {
      j.tables.push_back(Term::list({a.arg(4), atom("one")}));
      const auto info = info_items(a);
      j.joins.push_back(Term::list({a.arg(4), mapped_keys(run, info.empty() ? Term::nil() : info[0], names)}));
      j.reads.push_back(a);
    } else {
      conds.push_back(fact("c", {mapped_tokens(a.arg(6), names), Term::nil()}));
    }
    for (const Term& v : io_vars(run, a, "o")) j.loaded.push_back(v);
  }
  if (j.reads.empty()) return std::nullopt;
  StartConds s = start_conds(run, level, conds);
  j.conds = add_end_i_conds(run, level, Term::list(s.conds)).list_items();
  j.cardinality = s.cardinality;
  return j;
}

std::optional<BreakJoin> break_join(Run& run, const Term& level, const Term& table) {
  const Term top = top_nvg_level(run, level, table);
  if (top == level) return std::nullopt;
  if (!join_allowed(run, top, table)) return std::nullopt;
  auto placed = place_joinable(run, top, table);
  if (!placed) return std::nullopt;
  const auto own = clauses_by_arg(run, "a_i", 6, 2, level);
  BreakJoin b;
  for (const Term& a : *placed) {
    if (!(a.arg(3) == "r")) continue;
    auto r = std::find_if(own.begin(), own.end(),
                          [&](const Term& x) { return x.arg(3) == "r" && x.arg(4) == a.arg(4); });
    if (r == own.end()) continue;
    b.reads.push_back(*r);
    b.outputs.push_back(Term::list(io_vars(run, *r, "o")));
  }
  return b;
}

}  // namespace qn::logic
