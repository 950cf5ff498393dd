// Small predicates that every rule of the generator uses: the hooks that do
// nothing in this generator and the generation facts; with them, through
// this header, the attribute, list, token and level predicates (one file
// each).
//
// Outputs come back as return values: std::optional for a predicate that
// may fail, a vector for one with several solutions (in engine order).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/attributes.h"
#include "logic/core/levels.h"
#include "logic/core/lists.h"
#include "logic/core/run.h"
#include "logic/core/tokens.h"

namespace qn::logic {

// --- hooks of this generator -------------------------------------------------

// no_op/1: succeeds.
inline bool no_op(const engine::Term&) { return true; }
// loop_start_hook/2, loop_end_hook/1: succeed, nothing written.
inline bool loop_start_hook(Run&, const engine::Term&, const engine::Term&) { return true; }
inline bool loop_end_hook(Run&, const engine::Term&) { return true; }
// trace_msg/1: takes a list of text pieces and writes nothing.
inline void trace_msg(Run&, std::initializer_list<std::string_view>) {}
inline void trace_msg(Run&, const engine::Term&) {}
// garbage_collect/0: engine housekeeping, no visible effect.
inline void garbage_collect(Run&) {}

// --- generation facts ----------------------------------------------------------

// get_model_num/1: from model_num_i/1.
std::optional<engine::Term> get_model_num(const Run& run);
// get_pgm_parms/1: the program's parameter list: the first
// rule_i(_, rule([a(10, P)], _, _, _)), else rule_i(0, parm(P, _)), else [].
engine::Term get_pgm_parms(const Run& run);
// get_parm_rule/1: the same without the [] default.
std::optional<engine::Term> get_parm_rule(const Run& run);

}  // namespace qn::logic
