#include "logic/core/utilities.h"

#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

std::optional<Term> get_model_num(const Run& run) {
  static const engine::Atom kModelNum("model_num_i");
  if (auto f = run.facts().first(Term::compound(kModelNum, {var()}))) return f->arg(1);
  return std::nullopt;
}

std::optional<Term> get_parm_rule(const Run& run) {
  const Term rule = fact("rule", {Term::list({fact("a", {num(10), var()})}), var(), var(), var()});
  if (auto f = run.facts().first(fact("rule_i", {var(), rule}))) {
    return f->arg(2).arg(1).head().arg(2);
  }
  if (auto f = run.facts().first(fact("rule_i", {num(0), fact("parm", {var(), var()})}))) {
    return f->arg(2).arg(1);
  }
  return std::nullopt;
}

Term get_pgm_parms(const Run& run) { return get_parm_rule(run).value_or(Term::nil()); }

}  // namespace qn::logic
