#include "logic/navigation/level_actions.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/aux_vars.h"
#include "logic/sql/pseudo_checks.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/later_rounds.h"
#include "logic/navigation/table_access.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/core/spec_files.h"
#include "logic/program/expressions.h"
#include "logic/program/subfile_commands.h"
#include "logic/java/variables.h"
#include "logic/program/java_expr.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

struct TermHash {
  size_t operator()(const Term& t) const { return t.hash(); }
};
using TermSet = std::unordered_set<Term, TermHash>;

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }

// The argument tokens of a call, t(',', 7) between them.
Term comma_separated(const Term& toks) {
  std::vector<Term> out;
  for (const Term& t : toks.list_items()) {
    if (!out.empty()) out.push_back(tok(atom(","), kTokComma));
    out.push_back(t);
  }
  return Term::list(out);
}

// io_as/4: the variables of the action in a direction ([] when none).
std::vector<Term> io_vars(Run& run, const Term& action, const char* dir) {
  std::vector<Term> out;
  for (const Term& v : run.facts().findall(fact("v_i", {action.arg(3), atom(dir), action.arg(1), var()}))) {
    for (const Term& x : v.arg(4).list_items()) out.push_back(x);
  }
  return out;
}

bool kind_is(const Term& action, std::string_view kinds) {
  const Term& k = action.arg(3);
  return k.is_atom() && k.text().size() == 1 && kinds.find(k.text()[0]) != std::string_view::npos;
}

// The inputs and outputs of every action, read once for all the passes.
struct ActionIo {
  std::vector<Term> in, out;
};
using IoTable = std::unordered_map<Term, ActionIo, TermHash>;

IoTable io_table(Run& run) {
  IoTable table;
  for (const Term& v : run.facts().clauses("v_i", 4)) {
    const Term key = Term::list({v.arg(1), v.arg(3)});
    auto& io = table[key];
    auto& into = v.arg(2) == "i" ? io.in : io.out;
    if (!(v.arg(2) == "i") && !(v.arg(2) == "o")) continue;
    for (const Term& x : v.arg(4).list_items()) into.push_back(x);
  }
  return table;
}

const ActionIo& io_of(const IoTable& table, const Term& action) {
  static const ActionIo kNone;
  auto it = table.find(Term::list({action.arg(3), action.arg(1)}));
  return it == table.end() ? kNone : it->second;
}

std::vector<Term> one_pass(Run& run, const IoTable& io, const std::vector<Term>& candidates,
                           bool break_pass, std::vector<Term>& available,
                           std::vector<Term>& recompute, bool verticals = true) {
  TermSet have(available.begin(), available.end());
  std::vector<Term> order = candidates;
  if (break_pass) {
    std::stable_partition(order.begin(), order.end(),
                          [](const Term& a) { return kind_is(a, "bc"); });
  }
  std::vector<Term> placed;
  for (const Term& a : order) {
    if (!kind_is(a, verticals ? "tcsrfvb" : "tcsrfb") || (break_pass && kind_is(a, "b"))) continue;
    const ActionIo& x = io_of(io, a);
    if (!std::all_of(x.in.begin(), x.in.end(), [&](const Term& v) { return have.count(v) > 0; }))
      continue;
    placed.push_back(a);
    for (const Term& v : x.out) {
      if (have.insert(v).second) available.push_back(v);
    }
    if (!kind_is(a, "r")) continue;
    // will_chg/7: a computed formula that depends on what the read loads
    // is computed again.
    for (const Term& v : x.out) {
      for (const Term& ca : run.facts().findall(fact("ca_i", {var(), v}))) {
        if (!run.facts().retract(fact("for_calc", {ca.arg(1)}))) continue;
        auto f = run.facts().first(fact("a_i", {ca.arg(1), a.arg(2), var(), var(), var(), var()}));
        if (f) recompute.push_back(*f);
      }
    }
  }
  return placed;
}

}  // namespace

std::vector<Term> order_level_actions(Run& run, const std::vector<Term>& candidates, bool break_pass,
                                      std::vector<Term>& available, std::vector<Term>& recompute) {
  return one_pass(run, io_table(run), candidates, break_pass, available, recompute);
}

OrderedActions order_all_actions(Run& run, const Term& level, const std::vector<Term>& loaded,
                                 bool break_pass, bool verticals) {
  auto& facts = run.facts();
  facts.abolish("for_calc", 1);
  OrderedActions out{{}, loaded};
  const IoTable io = io_table(run);
  std::vector<Term> remaining = facts.findall(fact("a_i", {var(), level, var(), var(), var(), var()}));
  while (!remaining.empty()) {
    std::vector<Term> recompute;
    const auto placed =
        one_pass(run, io, remaining, break_pass, out.loaded, recompute, verticals);
    if (placed.empty()) break;
    for (const Term& a : placed) {
      out.actions.push_back(a);
      if (kind_is(a, "fv")) facts.assertz(fact("for_calc", {a.arg(1)}));
    }
    TermSet done(placed.begin(), placed.end());
    std::erase_if(remaining, [&](const Term& a) { return done.count(a) > 0; });
    for (const Term& f : recompute) {
      if (std::find(remaining.begin(), remaining.end(), f) == remaining.end()) remaining.push_back(f);
    }
  }
  return out;
}

std::optional<Term> att_hold_entry(Run& run, const Term& att, const Term& level,
                                   const std::vector<Term>& held) {
  for (const Term& h : held) {
    const auto e = h.list_items();
    if (e.size() >= 3 && e[0] == att && e[1] == "h") return h;
  }
  if (run.facts().exists(fact("a_i", {var(), level, atom("f"), att, var(), var()}))) {
    if (auto f = run.facts().first(fact("p_auxname", {att, var()})))
      return Term::list({att, atom("h"), f->arg(2)});
  }
  return std::nullopt;
}

bool gen_assignments(Run& run, const Term& level, const Term& items) {
  auto las = run.facts().first(fact("las_i", {level, var()}));
  const auto owned = las ? las->arg(2).list_items() : std::vector<Term>{};
  for (const Term& item : items.list_items()) {
    if (!item.is_compound() || item.functor() != "a" || item.arity() != 2) continue;
    if (std::find(owned.begin(), owned.end(), item.arg(1)) == owned.end()) continue;
    if (!assign_var(run, item.arg(1), item.arg(2))) return false;
  }
  return true;
}

bool each_att_action(Run& run, const LevelActions& args, const std::vector<Term>& actions) {
  auto& facts = run.facts();
  for (const Term& a : actions) {
    const Term& id = a.arg(1);
    const Term& att = a.arg(4);
    const Term& info = a.arg(6);
    bool ok = true;
    if (kind_is(a, "r") && args.break_pass && spec_kind_in(run, {"trn"})) {
      // The "if changed" read of a transaction: the pseudo read and its
      // not-found test first, then the read itself.
      const Term loads = Term::list(io_vars(run, a, "o"));
      ok = seudo_changed_read(run, args.level, a, loads) &&
           gen_aux_reads(run, args.level, att, loads, Term::nil(), a, args.context, args.mode);
    } else if (kind_is(a, "r")) {
      const Term loads = Term::list(io_vars(run, a, "o"));
      std::vector<Term> auxs;
      for (const auto& [x, aux] : list_aux(run, loads)) auxs.push_back(Term::list({x, str(aux)}));
      ok = args.locks ? gen_lock_read(run, args.level, att, loads, Term::list(auxs), a, args.context, args.mode)
                      : gen_aux_reads(run, args.level, att, loads, Term::list(auxs), a, args.context, args.mode);
      std::vector<Term> held;
      for (const Term& x : loads.list_items()) {
        for (const Term& h : args.held) {
          if (h.is_cons() && h.head() == x) held.push_back(h);
        }
      }
      ok = ok && assign_h_auxs(run, 's', held);
    } else if (kind_is(a, "f")) {
      // Info holds the formula's alternatives [Value, Condition]; the value
      // goes to the attribute's holder.
      ok = gen_assign_stmt(run, att, num(0), args.context, info, Term::nil(), args.level,
                           Term::nil(), Term::nil());
      facts.assertz(fact("for_calc", {id}));
    } else if (kind_is(a, "b")) {
      ok = gen_assignments(run, args.level, info);
    } else if (kind_is(a, "v")) {
      // Info is the formula's number. Its routine computes the results into
      // their auxiliaries, which hold the outputs from here on.
      const Term inputs = Term::list(vert_formula_inputs(run, args.level, info));
      const Term outputs = Term::list(io_vars(run, a, "o"));
      ok = gen_call_stmt(run, vert_routine_name(run, info), comma_separated(as_to_tok(inputs))) &&
           make_aux_names(run, outputs, args.context, kAuxA, atom("n"));
      facts.assertz(fact("for_calc", {id}));
      // A report or procedure shows no form controls to refresh.
      ok = ok && (spec_kind_in(run, {"rpt", "proc"}) || gen_control_refresh(run, outputs));
    } else if (kind_is(a, "c")) {
      ok = emit_if(run, info, {});
    } else if (kind_is(a, "s")) {
      ok = subfile_assignment(run, args.level, att);
    } else if (kind_is(a, "t")) {
      // The level's own table: the level driver reads it.
    } else {
      ok = emit_comment(run, {Piece("N/A Action" + text_of(a.arg(3)) + " " + text_of(att))});
    }
    if (!ok) return false;
  }
  return true;
}

bool gen_level_actions(Run& run, const LevelActions& args) {
  const OrderedActions first =
      order_all_actions(run, args.level, args.loaded, args.break_pass, false);
  if (args.pass == 1) {
    return each_att_action(run, args, first.actions) && assign_h_auxs(run, 's', args.held);
  }
  // Everything placed again, the verticals included; what the first pass
  // wrote already is left out.
  const OrderedActions all = order_all_actions(run, args.level, args.loaded, args.break_pass);
  TermSet written(first.actions.begin(), first.actions.end());
  std::vector<Term> rest;
  for (const Term& a : all.actions) {
    if (written.insert(a).second) rest.push_back(a);
  }
  return each_att_action(run, args, rest);
}

std::vector<int64_t> array_dims(const Term& dims) {
  std::vector<int64_t> out;
  for (const Term& n : dims.is_list() ? dims.list_items() : std::vector<Term>{dims}) {
    if (n.is_int() && n.as_int() > 0) out.push_back(n.as_int());
  }
  return out;
}

bool gen_array_loop(Run& run, const Term& variable, const std::vector<int64_t>& dims,
                    const Term& value) {
  if (dims.empty() || dims.size() > 2) return false;
  const Term int3 = Term::list({atom("int"), num(3), num(0), num(0)});
  const auto counter = [&](const char* name) {
    return declare_var(run, atom(name), int3, "s", Term::list({tok(atom("1"), kTokConstant)}));
  };
  const auto loop = [&](const char* name, int64_t dim) {
    return emit_while(run,
                      Term::list({tok(atom(name), kTokVariable), tok(atom("<="), kTokCompare),
                                  tok(atom(std::to_string(dim)), kTokConstant)}),
                      {});
  };
  const auto step = [&](const char* name) {
    return assign_var(run, atom(name),
                      Term::list({tok(atom(name), kTokVariable), tok(atom("+"), kTokAddOp),
                                  tok(atom("1"), kTokConstant)}));
  };
  // The element's reference as the translator writes it.
  // The subscripts follow the array's token up to ")".
  std::vector<Term> element{tok(variable, kTokVariable), tok(atom("QN_I"), kTokVariable)};
  if (dims.size() == 2) {
    element.push_back(tok(atom(","), kTokComma));
    element.push_back(tok(atom("QN_J"), kTokVariable));
  }
  element.push_back(tok(atom(")"), kTokClose));
  if (!counter("QN_I") || !loop("QN_I", dims[0])) return false;
  if (dims.size() == 2 && !(counter("QN_J") && loop("QN_J", dims[1]))) return false;
  auto ref = exp_to_java(run, Term::list(element), {});
  if (!ref || !assign_var_ref(run, variable, join_pieces(ref->pieces), value, {})) return false;
  if (dims.size() == 2 && !(step("QN_J") && emit_close_brace(run))) return false;
  return step("QN_I") && emit_close_brace(run);
}

}  // namespace qn::logic
