#include "logic/navigation/aux_vars.h"

#include <array>

#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
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
                      const std::optional<Term>& result) {
  const Term first = tok("Qn_first", kTokVariable);
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
           assign_var(run, atom("Qn_first"), falsity) && set_result() && emit_close_brace(run);
  }
  if (function == "sum(" || function == "count(") {
    const Term v = function == "sum(" ? value : Term::list({tok(str("1"), kTokConstant)});
    return emit_if(run, Term::list({first}), ctx) && assign_var(run, running, v) &&
           assign_var(run, atom("Qn_first"), falsity) && emit_else(run) &&
           assign_var(run, running, append(Term::list({a, tok("+", kTokAddOp)}), v.list_items())) &&
           emit_close_brace(run);
  }
  return assign_var(run, running, value) && set_result() &&
         Out(run).pieces({"if (true) break;"}).ok();
}

}  // namespace qn::logic
