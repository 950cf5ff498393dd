// The levels of the object: first, main and subfile levels, and their
// attributes and conditions.
#pragma once

#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// first_level/1: the smallest level of struct_i whose parent is not a level; 0 when none.
engine::Term first_level(const Run& run);
// main_lvls/1: every solution in order.
std::vector<engine::Term> main_lvls(const Run& run);
// sfl_or_main_lvl/1: as main_lvls/1 without the parent test for subfile breaks.
std::vector<engine::Term> sfl_or_main_lvl(const Run& run);
// all_main_lvls/1.
inline engine::Term all_main_lvls(const Run& run) { return engine::Term::list(main_lvls(run)); }
// level_t_att/2: every A with a_i(A, L, t, _, _, _), then [].
std::vector<engine::Term> level_t_att(const Run& run, const engine::Term& level);
// add_end_i_conds/3: Conds with c(X, []) added for every item X of the
// level's end condition that is neither in its start condition nor already
// in Conds.
engine::Term add_end_i_conds(const Run& run, const engine::Term& level, const engine::Term& conds);

}  // namespace qn::logic
