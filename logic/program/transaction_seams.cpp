#include "logic/program/transaction_seams.h"

#include <vector>

#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term> args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

bool trn_row_routines(Run& run, const Term& level) { return ask(run, "trn_row_routines", {level}); }
bool trn_reload_lines(Run& run, const Term& level) { return ask(run, "trn_reload_lines", {level}); }
bool gen_subfile_classes(Run& run) { return ask(run, "gen_subfile_classes", {}); }
bool gen_subfile_flow_class(Run& run, const Term& subfile) {
  return ask(run, "gen_subfile_flow_class", {subfile});
}
bool trn_selection_list(Run& run, const Term& level) { return ask(run, "trn_selection_list", {level}); }
bool trn_read_row(Run& run, const Term& level) { return ask(run, "trn_read_row", {level}); }


}  // namespace qn::logic
