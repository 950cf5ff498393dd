#include "logic/program/transaction_seams.h"

#include <vector>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/program/expressions.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/trn_code.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term> args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

bool web_like(Run& run) { return spec_kind_in(run, {"web"}) || http_main_pgm(run); }

std::string routine(Run& run, std::string_view prefix, const Term& level) {
  return trn_routine_name(run, prefix, level);
}

// The subfile of the form that shows the level.
std::optional<Term> shown_subfile(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (is_lvl2sub(run, level, n)) return n;
  }
  return std::nullopt;
}

std::string nn(const Term& subfile) {
  std::string s = text_of(subfile);
  return s.size() < 2 ? std::string(2 - s.size(), '0') + s : s;
}

}  // namespace

// Outside web objects a line is read by READ_ROW_ (the element at the line
// index into the variables, the index one further) and added by ADD_ROW_
// (the subfile's load-to-buffer method: the variables into the element, the
// element onto the lines). Web objects' row routines are the web writer's.
bool trn_row_routines(Run& run, const Term& level) {
  if (web_like(run)) return ask(run, "trn_row_routines", {level});
  const auto n = shown_subfile(run, level);
  if (!n) return true;
  bool ok = routine_begin(run, routine(run, "READ_ROW_", level)) && read_subfile_row(run, *n) &&
            routine_end(run);
  ok = ok && routine_begin(run, routine(run, "ADD_ROW_", level)) &&
       Out(run).pieces({"loadToBuffer" + nn(*n) + "();"}).ok() && routine_end(run);
  return ok;
}

// The lines of the level shown again from the table: the load started, each
// row of the level's scan read and added, the load ended.
bool trn_reload_lines(Run& run, const Term& level) {
  if (!shown_subfile(run, level)) return true;
  bool ok = start_load(run, level) && call(run, routine(run, "SCANSTART_", level)) &&
            while_(run, is_not("RcdFound", "0")) && call(run, routine(run, "GETEQ_", level)) &&
            call(run, routine(run, "ADD_ROW_", level)) && call(run, routine(run, "SCANNEXT_", level)) &&
            close(run) && call(run, routine(run, "SCANEND_", level));
  return ok && end_load(run, level);
}

bool trn_selection_list(Run& run, const Term& level) { return ask(run, "trn_selection_list", {level}); }

bool trn_read_row(Run& run, const Term& level) { return call(run, routine(run, "READ_ROW_", level)); }

}  // namespace qn::logic
