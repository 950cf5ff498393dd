// Commit points of a program that updates the database: at the program's
// end, at a commit or rollback command of the user's code, and at the end
// of an updating level that deferred such a command. A level with updates
// (upd_i/4 of u or d) defers the commands it holds, its own and its
// sublevels' (b_line_i/6 command lines, first token 132 commit, 157
// rollback), through its variable pgm_unique_name("QNT", Level): 1 asks for
// a commit, 2 for a rollback.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_commit_point/1: the transaction statement of Kind (1 commit, 2 rollback).
bool gen_commit_point(Run& run, int64_t kind);
// gen_pgm_commit/1: a commit at the end of a program that updates, unless it
// ends its transactions itself or they are not logged.
bool gen_pgm_commit(Run& run);
// The deferred-commit variable of a level.
std::string commit_var_name(Run& run, const engine::Term& level);
// declare_commit_var/1: the level's variable (int 2, initial 0), when
// transactions are logged and the level updates and holds a commit or
// rollback command.
bool declare_commit_var(Run& run, const engine::Term& level);
// gen_commit_cmd/2 (Level, Kind): the user's commit (1) or rollback (2):
// nothing when transactions are not logged; inside an updating level its
// variable is set to Kind; otherwise the statement at once.
bool gen_commit_cmd(Run& run, const engine::Term& level, int64_t kind);
// gen_level_commit/2 (Level, Kind): at the level's end, the statement of
// Kind when the variable asks for it.
bool gen_level_commit(Run& run, const engine::Term& level, int64_t kind);

}  // namespace qn::logic
