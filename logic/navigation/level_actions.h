// The actions of a navigation level and their order. Each action
// a_i(Id, Level, Kind, Attribute, X5, Info) consumes the variables of its
// v_i(Kind, i, Id, Variables) and produces those of v_i(Kind, o, Id,
// Variables); an action is written after the actions that produce its
// inputs. Kinds: r a read, t the level's table, f a formula, b a rule's
// assignments, v a vertical formula, c a condition (its block closes with
// the level), s a subfile assignment.
//
// Working fact for_calc(Id): a formula computed in this level's ordering; a
// read that loads an attribute such a formula depends on (ca_i(Id,
// Attribute)) takes the mark away and the formula is computed again.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The arguments of a level's actions as the level driver hands them.
struct LevelActions {
  engine::Term level;
  std::vector<engine::Term> loaded;  // variables the level loads itself
  bool break_pass = false;           // the break flag y
  bool locks = false;                // the level locks what it reads (1)
  engine::Term context = engine::Term::integer(0);
  engine::Term mode = engine::Term::nil();
  std::vector<engine::Term> held;  // held entries [Attribute, h, Auxiliary]
  // 1: every action but the vertical formulas and what depends on them; 2:
  // those left out by the first pass.
  int pass = 1;
};

struct OrderedActions {
  std::vector<engine::Term> actions;  // a_i/6 facts in the order to write them
  std::vector<engine::Term> loaded;   // what is available after them
};

// order_level_actions/9: one pass over the candidates; placed ones go to
// `placed`, their outputs to `available`.
std::vector<engine::Term> order_level_actions(Run& run, const std::vector<engine::Term>& candidates,
                                              bool break_pass, std::vector<engine::Term>& available,
                                              std::vector<engine::Term>& recompute);
// order_all_actions/9: passes until one places nothing. Actions whose inputs
// never become available stay out.
OrderedActions order_all_actions(Run& run, const engine::Term& level,
                                 const std::vector<engine::Term>& loaded, bool break_pass,
                                 bool verticals = true);
// each_att_action/13: the actions written in order.
bool each_att_action(Run& run, const LevelActions& args, const std::vector<engine::Term>& actions);
// gen_level_actions/21: the level's actions ordered and written. The first
// pass leaves out the vertical formulas (v), so what needs their results
// waits too, and ends with the held moves of the level saved once
// (assign_h_auxs/2); the second pass writes what the first left out.
bool gen_level_actions(Run& run, const LevelActions& args);
// gen_assignments/7: the assignments a(Attribute, Expression) of a rule
// (the b action's Info) whose attribute the level assigns (las_i/2).
bool gen_assignments(Run& run, const engine::Term& level, const engine::Term& items);
// att_hold_entry/4 (Attribute, Level, Held, Entry): the held entry of the
// attribute, from the held list, else from the auxiliary of its formula
// action (f) in the level.
std::optional<engine::Term> att_hold_entry(Run& run, const engine::Term& att,
                                           const engine::Term& level,
                                           const std::vector<engine::Term>& held);
// gen_array_loop/6 (Variable, Dimensions, Value): Value assigned to every
// element of the array variable, one loop over QN_I per first dimension and
// an inner one over QN_J for a second (each an int of length 3).
bool gen_array_loop(Run& run, const engine::Term& variable, const std::vector<int64_t>& dims,
                    const engine::Term& value);
// The dimensions of a dim rule (var_dim/2) a loop walks: the positive
// numbers, so a second dimension of 0 counts as none.
std::vector<int64_t> array_dims(const engine::Term& dims);

}  // namespace qn::logic
