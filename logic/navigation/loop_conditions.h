// The header of a navigation loop with the conditions the SELECT does not
// evaluate, the names of attributes in generated code, and the steps of a
// level close that concern its tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// on_where/4 (Table, Level, Where): one residual condition (a token list) as
// one comparison text; nullopt for an item that is no token list.
std::optional<std::string> on_where(Run& run, const engine::Term& table,
                                    const engine::Term& level, const engine::Term& where);
// gen_nav_loop_cond/4 (Kind, Table, Level, Extra): for many, fst and opt the
// loop header over the row-found test; the residual conditions of many and
// fst (the level's where items, with Extra) go five to the header and the
// rest in groups of up to five as an inner exit test. Other kinds: nothing.
bool gen_nav_loop_cond(Run& run, const engine::Term& kind, const engine::Term& table,
                       const engine::Term& level, const engine::Term& extra);
// check_level_tables/3: the cursors of the listed tables ended.
bool check_level_tables(Run& run, const engine::Term& tables, const engine::Term& flag);
// gen_upd_lock/4: nothing for SQL tables.
inline bool gen_upd_lock(Run&, const engine::Term&, const engine::Term&) { return true; }

}  // namespace qn::logic
