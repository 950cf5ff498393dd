// The subfile row routines of a transaction's levels, the reload of a
// level's lines, and the line processing of its subordinate subfile levels.
// The web objects' row routines and the Select button's selection list are
// their writers' own: until written, they ask the run's stand-in of their
// name and arity (tests) and otherwise fail, writing nothing.
#pragma once

#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/std_buttons.h"
#include "logic/program/subfile_commands.h"

namespace qn::logic {

// --- the subfile rows ------------------------------------------------------------
// The subfile row routines of a subfile level: outside web objects
// READ_ROW_ (the line at the index into the variables, the index one
// further) and ADD_ROW_ (the subfile's load-to-buffer method).
bool trn_row_routines(Run& run, const engine::Term& level);
// The subfile of a subordinate level loaded again: the start of the load,
// the scan calls, the end of the load.
bool trn_reload_lines(Run& run, const engine::Term& level);
// The selection list of a level (the Select button's prompt).
bool trn_selection_list(Run& run, const engine::Term& level);
// The line of a subfile level read into the variables: READ_ROW_ called.
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
