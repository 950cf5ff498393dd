// Callees of the transaction writer that the subfile writer owns (the
// standard buttons' and the subfile commands' own headers are included), and
// the line processing of a transaction's
// subordinate subfile levels. Until a seam's owner writes it, its body asks
// the run's stand-in of its name and arity (tests) and otherwise fails,
// writing nothing.
#pragma once

#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/std_buttons.h"
#include "logic/program/subfile_commands.h"

namespace qn::logic {

// --- the subfile writer's -----------------------------------------------------
// The subfile row routines of a subfile level outside web objects (the
// line read, the line added and sent).
bool trn_row_routines(Run& run, const engine::Term& level);
// The subfile of a subordinate level loaded again: the start of the load,
// the scan calls, the end of the load.
bool trn_reload_lines(Run& run, const engine::Term& level);
// The element classes of the form's subfiles, each in its own file.
bool gen_subfile_classes(Run& run);
// The flow class of a subfile of the form (its number).
bool gen_subfile_flow_class(Run& run, const engine::Term& subfile);
// The selection list of a level (the Select button's prompt).
bool trn_selection_list(Run& run, const engine::Term& level);
// The line of a subfile level read into the variables (READ_ROW_).
bool trn_read_row(Run& run, const engine::Term& level);


// --- line processing of a subordinate subfile level -----------------------------
// The line processing of a subordinate subfile level (inside NLEVEL_, or
// with confirm inside CONFIRM_, where CHECKET_ stands for the insert, update
// and delete routines).
bool trn_process_lines(Run& run, const engine::Term& level, bool confirm);
// trn_enter_key_lines/1: the Enter-key processing of a subfile level.
bool trn_enter_key_lines(Run& run, const engine::Term& level);

// The Java of qnmsg(<key>, "<arg>"), an error message of a Java text, and
// the timed rules of a level (after(When)).
std::string qnmsg_args(Run& run, std::string_view key, std::string_view arg);
bool error_msg_text(Run& run, const std::string& java);
bool trn_level_actions_when(Run& run, const engine::Term& level, std::string_view when);

}  // namespace qn::logic
