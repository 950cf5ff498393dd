// The routines of vertical formulas: a formula that aggregates the rows of
// another table (a sum of invoice lines, a count of orders) is computed by a
// local routine that navigates that table on its own. A level's `v` action
// calls the routine and copies the results from their auxiliaries.
//
// for_ver_no_red_i(Level, [Number | _], [_, Accumulations, Table, Navigation,
// _ | _]): Accumulations [[Function, Result, Value] ...] (Result the
// attribute the formula computes, Value the attribute of the formula's
// table each row adds); Navigation [[Table, NavLevel] ...], outermost first,
// each table's rows chosen by NavLevel's start condition and where items.
#pragma once

#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The routine of formula Number: pgm_unique_name/3 with the prefix VR
// (reports and procedures) or VE (other objects) and the number as suffix.
std::string vert_routine_name(Run& run, const engine::Term& number);
// The routine's parameters: the inputs of the level's `v` actions of the
// formula, each once, in their order.
std::vector<engine::Term> vert_formula_inputs(Run& run, const engine::Term& level,
                                              const engine::Term& number);
// gen_formula_routines/2 (Level, Context): the routine of every vertical
// formula of the level that no level above it lists and that this program
// has not written yet.
bool gen_formula_routines(Run& run, const engine::Term& level, const engine::Term& context);
// for_on_grp/3 (Level, Held): the accumulation of the level's vertical
// formulas inside a group loop, row by row: the group's held attributes are
// saved to their auxiliaries (Held, as assign_h_auxs/2 takes it), then for
// every `v` action of the level, each sum of its formula whose result is
// held in an auxiliary adds the row's value to it and each count adds 1.
// Other functions add nothing.
bool for_on_grp(Run& run, const engine::Term& level, const std::vector<engine::Term>& held);
// level_vert_formulas/1: gen_formula_routines/2 of every level with
// vertical formulas whose base table differs from its parent's.
bool level_vert_formulas(Run& run, const engine::Term& context);

}  // namespace qn::logic
