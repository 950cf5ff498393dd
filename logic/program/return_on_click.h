// Prompts whose Enter event only hands values back: the attributes a click
// on a row returns, one for each parameter of the program.
#pragma once

#include <optional>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// return_on_click_lines/1 (Attributes): the recorded return_on_click_i/1,
// else the Enter event's lines (from the header after a 146 line whose
// second token is the constant Enter, up to its 147 line, in the level's
// lit groups) when they are only "&variable = attribute" assignments and
// returns, the last a return: for each program parameter in order, the
// attribute of the first assignment to it. Succeeds, recording the list,
// when every parameter is assigned and there is at least one.
std::optional<engine::Term> return_on_click_lines(Run& run);

// row_return_link/2 (Level, Subfile): in web and work panels whose click
// on a row returns values (return_on_click_lines/1), the row's Link
// property set to the page's return call with those attributes (the page
// scripts' writer's, asked of the run's stand-in "gen_row_return_call"
// with Level, Subfile and the attributes; without it nothing is written
// and the answer is false). Anything else writes nothing and succeeds.
bool row_return_link(Run& run, const engine::Term& level, const engine::Term& subfile);

}  // namespace qn::logic
