#include "logic/navigation/later_rounds.h"

#include <string_view>
#include <vector>

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term>& args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

bool gen_confirm_stmt(Run& run, const Term& tokens, const Term& level) {
  std::vector<Term> a{tokens, level};
  return ask(run, "gen_confirm_stmt", a);
}
bool gen_control_refresh(Run& run, const Term& atts) {
  std::vector<Term> a{atts};
  return ask(run, "gen_control_refresh", a);
}
bool focus_first_of(Run& run, const Term& atts) {
  std::vector<Term> a{atts};
  return ask(run, "focus_first_of", a);
}
bool http_prefix(Run& run, Term& prefix) {
  std::vector<Term> a{prefix};
  if (!ask(run, "http_prefix", a)) return false;
  prefix = a[0];
  return true;
}

}  // namespace qn::logic
