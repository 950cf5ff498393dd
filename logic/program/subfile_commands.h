// The statements of event code that act on a form's subfile (refresh, load,
// the loops over its lines), the refresh after an event, the start and end
// of a transaction level's load, the load-to-buffer methods, the reading of
// a line into the variables, and the variables whose change reloads a
// level's subfile.
//
// Working facts: sfl_loop_i/1 (the enumeration variable of each line loop
// open, innermost first).
#pragma once

#include <optional>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// Command codes of the subfile statements (the first token's type).
enum SubfileCmd : int64_t {
  kCmdRefresh = 148,
  kCmdForEachLine = 149,
  kCmdEndForEachLine = 150,
  kCmdLoad = 155,
  kCmdForEachSelectedLine = 162,
};

// gen_subfile_event_access/5 (Tokens, C2, C3, Level, C5): one statement of
// event code; a statement that is not about a subfile goes to cmd_to_code/5.
bool gen_subfile_event_access(Run& run, const engine::Term& tokens, const engine::Term& c2,
                              const engine::Term& c3, const engine::Term& level,
                              const engine::Term& c5);
// refresh_all_subfiles/0: "QNRefresh();", then each subfile's load, in form
// order.
bool refresh_all_subfiles(Run& run);
// level_subfile/2: the subfile a level shows, else the one of the first
// level below it along its for-each break chain (break_i(Level, nvg, Next,
// X, X)), recursively.
std::optional<engine::Term> level_subfile(Run& run, const engine::Term& level);
// subfile_assignment/2 (Level, Attribute): the field of the level's subfile
// element set from the attribute, "<element object>.set<field>(<value>);".
// A level that shows no subfile writes nothing.
bool subfile_assignment(Run& run, const engine::Term& level, const engine::Term& attribute);
// start_load/1 and end_load/1 (Level): around the load of a transaction's
// subfile level; nothing at a level without a subfile.
bool start_load(Run& run, const engine::Term& level);
bool end_load(Run& run, const engine::Term& level);
// load_to_buffer_routine/1 (N): the element object declared, then "public
// void loadToBuffer<NN>()" with the load-to-buffer body of N's level.
bool load_to_buffer_routine(Run& run, const engine::Term& subfile);
// trn_load_to_buffer_routines/0: per subfile of the form its load-to-buffer
// method and its flow class.
bool trn_load_to_buffer_routines(Run& run);
// read_subfile_row/1 (N): line "nQNsfl_<N>_idx" of the subfile into the
// variables, the index one further.
bool read_subfile_row(Run& run, const engine::Term& subfile);
// web_subfile_refresh_load/0: in a web panel or HTTP main program with a
// subfile control s(N): the row return link of the first level
// (row_return_link/2, Level, N), then the grid routine call of N
// (gen_wb_routine_call/2, N, Level); both are the web writers', asked of
// the run's stand-ins until they exist. Nothing elsewhere.
bool web_subfile_refresh_load(Run& run);
// refresh_var_of_level/2 (Variable, Level): a change of the variable
// reloads the level's subfile.
bool refresh_var_of_level(Run& run, const engine::Term& variable, const engine::Term& level);

}  // namespace qn::logic
