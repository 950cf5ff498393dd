#include "logic/navigation/stand_ins_navact.h"

#include <string_view>
#include <vector>

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term> args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

bool gen_trn_stmt(Run& run, const Term& kind) { return ask(run, "gen_trn_stmt", {kind}); }
bool gen_lock_read(Run& run, const Term& level, const Term& table, const Term& loads,
                   const Term& auxs, const Term& action, const Term& context, const Term& mode) {
  return ask(run, "gen_lock_read", {level, table, loads, auxs, action, context, mode});
}
bool gen_aux_reads(Run& run, const Term& level, const Term& table, const Term& loads,
                   const Term& auxs, const Term& action, const Term& context, const Term& mode) {
  return ask(run, "gen_aux_reads", {level, table, loads, auxs, action, context, mode});
}

bool conds_to_sql_strict(Run& run, const Term& conds, const Term& table, Term& sql) {
  std::vector<Term> a{conds, table, sql};
  const auto* fn = run.host_stand_in("conds_to_sql_strict", 3);
  if (!fn || !(*fn)(run, a)) return false;
  sql = a[2];
  return true;
}
bool gen_level_select(Run& run, const Term& level, const Term& table, const Term& kind,
                      const Term& mode, const Term& conds, const Term& atts, const Term& auxs,
                      const Term& context) {
  return ask(run, "gen_level_select",
             {level, table, kind, mode, conds, atts, auxs, context, Term::nil(), Term::nil(),
              Term::nil()});
}
}  // namespace qn::logic
