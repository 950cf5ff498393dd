#include "logic/toolbox/ui_seams.h"

#include <vector>

#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term>& args) {
  const Run::HostStandIn* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

std::optional<std::string> norm_path_slashes(Run& run, std::string_view path) {
  std::vector<Term> args{str(path), var()};
  if (!ask(run, "norm_path_slashes", args) || args[1].is_var()) return std::nullopt;
  return text_of(args[1]);
}

bool gen_html_text(Run& run, const Term& tokens) {
  std::vector<Term> args{tokens};
  return ask(run, "gen_html_text", args);
}

bool gen_skip_lines(Run& run, int64_t n) {
  std::vector<Term> args{num(n)};
  return ask(run, "gen_skip_lines", args);
}

}  // namespace qn::logic
