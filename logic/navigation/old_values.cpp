#include "logic/navigation/old_values.h"

#include <algorithm>

#include "engine/clause_io.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/aux_vars.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }

bool member(const Term& x, const std::vector<Term>& list) {
  return std::find(list.begin(), list.end(), x) != list.end();
}

// Tokens beginning with the function and then the attribute.
bool starts_with_call(const Term& tokens, std::string_view function, const Term& att) {
  const auto items = tokens.list_items();
  return items.size() >= 2 && items[0].is_compound() && items[0].arity() >= 2 &&
         text_of(items[0].arg(1)) == function && items[1].is_compound() &&
         items[1].arity() >= 1 && items[1].arg(1) == att;
}

bool from_rule(Run& run, const Term& level, std::string_view function, const Term& att) {
  for (const Term& r : run.facts().findall(fact("rule_i", {level, var()}))) {
    const Term& rule = r.arg(2);
    if (!rule.is_compound() || rule.functor() != "rule" || rule.arity() < 1) continue;
    for (const Term& item : rule.arg(1).list_items()) {
      if (item.is_compound() && item.functor() == "a" && item.arity() == 2 &&
          starts_with_call(item.arg(2), function, att))
        return true;
    }
  }
  return false;
}

}  // namespace

std::vector<Term> to_move(Run& run, const Term& context, const Term& level,
                          std::string_view function, int64_t token_type, const Term& atts) {
  auto& facts = run.facts();
  const Term fn = atom(function);
  std::vector<Term> moved;
  const auto source = [&](const Term& att) {
    if (facts.exists(fact("function_i", {var(), var(), var(), atom("old"), fn, var(), var(), att, var()})))
      return true;
    if (from_rule(run, level, function, att)) return true;
    if (function == "old(") {
      if (auto s = facts.first(fact("struct_i", {level, var(), var(), var()}))) {
        if (member(att, s->arg(4).list_items())) return true;
      }
    }
    if (function == "previous(") {
      if (facts.exists(fact("default_i", {fact("e", {att, var(), num(2), atom("'previous'")})})))
        return true;
      if (facts.exists(fact("function_i", {var(), var(), var(), var(), fn, var(), var(), att, var()})))
        return true;
    }
    return false;
  };
  std::vector<Term> out;
  for (const Term& att : atts.list_items()) {
    if (!source(att)) continue;
    auto aux = gen_aux_name(run, att, context, token_type);
    if (!aux) continue;
    out.push_back(Term::list({att, atom("h"), Term::list({tok(atom(*aux), token_type)})}));
  }
  return out;
}

std::vector<Term> all_moves(Run& run, const Term& context, const Term& level,
                            std::string_view function, int64_t token_type, const Term& atts) {
  std::vector<Term> moves = to_move(run, context, level, function, token_type, atts);
  std::vector<std::pair<std::string, Term>> keyed;
  for (const Term& m : moves) keyed.emplace_back(engine::writeq(m), m);
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  keyed.erase(std::unique(keyed.begin(), keyed.end(),
                          [](const auto& a, const auto& b) { return a.first == b.first; }),
              keyed.end());
  moves.clear();
  for (auto& [k, m] : keyed) moves.push_back(m);
  return moves;
}

std::vector<Term> old_value_moves(Run& run, const Term& level, const Term& context) {
  auto las = run.facts().first(fact("las_i", {level, var()}));
  if (!las) return {};
  return all_moves(run, context, level, "old(", kAuxOld, las->arg(2));
}

bool assign_h_auxs(Run& run, char mode, const std::vector<Term>& moves) {
  std::vector<Term> done;
  for (const Term& m : moves) {
    const auto e = m.list_items();
    if (e.size() < 3 || member(m, done)) continue;
    done.push_back(m);
    // [t(Auxiliary, Type)] of a move, or the Auxiliary of a held entry.
    Term aux = e[2];
    if (aux.is_cons()) aux = aux.head();
    if (aux.is_compound() && aux.functor() == "t") aux = aux.arg(1);
    if (!aux.is_atom() && !aux.is_string()) continue;
    // The auxiliary that keeps the value is declared like its attribute,
    // whichever source made it.
    if (mode == 's') {
      if (const OptType t = var_type(run, e[0]);
          t && !declare_var_as(run, aux, e[0], type_term(t), "s", Term::nil()))
        return false;
    }
    const bool ok = mode == 's' ? assign_var(run, aux, Term::list({tok(e[0], kTokAttribute)}))
                                : assign_var(run, e[0], Term::list({tok(aux, kTokVariable)}));
    if (!ok) return false;
    if (mode == 's') run.facts().assertz(fact("h_saved_i", {aux}));
  }
  return true;
}

bool move_allowed(const Term& att, const Term& allowed, const Term& numbers, const Term& x) {
  if (!member(Term::list({att, x}), allowed.list_items())) return false;
  return !att.is_int() || member(x, numbers.list_items());
}

bool gen_h_auxs(Run& run, const Term&, const Term& allowed, const Term& numbers,
                const std::vector<Term>& held) {
  std::vector<Term> chosen;
  for (const Term& h : held) {
    const auto e = h.list_items();
    if (e.size() < 3) continue;
    for (const Term& pair : allowed.list_items()) {
      const auto p = pair.list_items();
      if (p.size() == 2 && p[0] == e[0] && move_allowed(e[0], allowed, numbers, p[1])) {
        chosen.push_back(h);
        break;
      }
    }
  }
  return assign_h_auxs(run, 's', chosen);
}

Term unique_index_atts(Run& run, const Term& table) {
  for (const Term& i : run.facts().findall(fact("index_i", {table, var()}))) {
    const auto d = i.arg(2).list_items();
    if (d.size() < 3 || !(d[1] == "u")) continue;
    std::vector<Term> out;
    for (const Term& a : d[2].list_items()) out.push_back(Term::list({Term::nil(), a, a}));
    return Term::list(out);
  }
  return Term::nil();
}

std::string u_proc_name(Run& run, const Term& key, std::string_view suffix) {
  auto& facts = run.facts();
  std::string k;
  if (key.is_int() || facts.exists(fact("attri_i", {key, var()}))) {
    k = text_of(key) + "_" + std::string(suffix);
  } else {
    k = text_of(key);
  }
  k = platform::lower_1252(k);
  std::erase_if(k, [](char c) { return c == '\'' || c == '"'; });
  if (auto known = facts.first(fact("proc_id", {str(k), var(), var()}))) return text_of(known->arg(3));
  int64_t last = 10;
  for (const char* p : {"subproc_id", "proc_id"}) {
    for (const Term& f : facts.clauses(p, 3)) {
      if (f.arg(2).is_int() && f.arg(2).as_int() > last) last = f.arg(2).as_int();
    }
  }
  const int64_t number = last + 1;
  const std::string name = pgm_unique_name(run, "U" + std::to_string(number), suffix);
  facts.asserta(fact("proc_id", {str(k), num(number), str(name)}));
  return name;
}

bool cs_connect_s(Run& run) { return pgm_prop_is(run, "CS_CONNECT", "S"); }
bool cs_connect_f(Run& run) { return !cs_connect_s(run); }

}  // namespace qn::logic
