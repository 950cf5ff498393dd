#include "logic/program/stand_ins_procs.h"

#include <span>
#include <string_view>
#include <vector>

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term> args) {
  if (const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()))) {
    return (*s)(run, std::span<Term>(args));
  }
  return false;
}

}  // namespace

bool pgm_header_comment(Run& run, const Term& file, const Term& open, const Term& prefix,
                        const Term& close) {
  return ask(run, "pgm_header_comment", {file, open, prefix, close});
}
bool gen_var_init(Run& run, const Term& name, const Term& type_desc, const Term& java_name,
                  const Term& dims) {
  return ask(run, "gen_var_init", {name, type_desc, java_name, dims});
}
bool level_vert_formulas(Run& run, const Term& level) {
  return ask(run, "level_vert_formulas", {level});
}
bool gen_pgm_commit(Run& run, const Term& context) { return ask(run, "gen_pgm_commit", {context}); }
bool end_cursors(Run& run, const Term& level) { return ask(run, "end_cursors", {level}); }
bool gen_embedded_cursor_classes(Run& run) { return ask(run, "gen_embedded_cursor_classes", {}); }
}  // namespace qn::logic
