// The levels of a program: the body of a level (its navigation opened, its
// actions), its command groups and its close (updates, commit points, the
// loop end and the end of its cursors), chosen by the level's kind.
//
// Facts read: level_i/2 (Level, [BaseTable, Tables, Order, _, _, _, Where,
// _, _, Saved]), struct_i/4, break_i/5 (Level, Kind, BreakParent, _, _),
// b_group_i/6 (Group, Level, Kind, _, _, _), b_line_i/6 (Line, Level,
// Group, cmd or line, _, Tokens), a_i/6, upd_i/4, start_i/4, tw_i/2, ta_i/2.
// Working facts: sql_level_i/1 while an insert level is open.
#pragma once

#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// Element N (from 1) of the level's level_i/2 list; [] when there is none.
engine::Term level_element(const Run& run, const engine::Term& level, size_t n);
// The level's base table; 0 for a level without one.
engine::Term level_base_table(const Run& run, const engine::Term& level);
// The clauses of name/arity whose argument Pos equals Key, in order,
// through an index kept as working facts and rebuilt when the predicate
// changes (so a look-up by parent reads no other clauses).
std::vector<engine::Term> clauses_by_arg(Run& run, const char* name, uint32_t arity, size_t pos,
                                         const engine::Term& key);

// top_nvg_level/3, bottom_nvg_level/3: the ends of the level's same-table
// break chain (break levels of kind nvg on the same base table).
engine::Term top_nvg_level(Run& run, const engine::Term& level, const engine::Term& table);
engine::Term bottom_nvg_level(Run& run, const engine::Term& level, const engine::Term& table);
// brk_flag_var/3: the chain's flag, BRK + the top level, declared once.
std::string brk_flag_var(Run& run, const engine::Term& level, const engine::Term& table);
// gen_brk_flag_set/3: Flag = Value, only for a level of a chain that has
// no single-row start.
bool gen_brk_flag_set(Run& run, const engine::Term& level, const engine::Term& table,
                      std::string_view value);
// The level belongs to a same-table chain and has no single-row start.
bool level_in_chain(Run& run, const engine::Term& level, const engine::Term& table);

// gen_level_kind/5 (Kind, Level, C3, C4, C5): one level by its kind (nvg,
// xnvg, xfst, ins, xins, rpt, page); an unknown kind writes nothing.
bool gen_level_kind(Run& run, const engine::Term& kind, const engine::Term& level,
                    const engine::Term& c3, const engine::Term& c4, const engine::Term& c5);
// gen_level_load/4: the level a subfile loads.
bool gen_level_load(Run& run, const engine::Term& ctx, const engine::Term& level,
                    const engine::Term& c3, const engine::Term& c4);
// each_break_group/4: every command group of the level, in order.
bool each_break_group(Run& run, const engine::Term& level, const engine::Term& c2,
                      const engine::Term& c3, const engine::Term& c4);
// The level body of kind nvg, xfst or ins; the level's attributes.
engine::Term gen_level_body(Run& run, const engine::Term& kind, const engine::Term& level,
                            const engine::Term& atts, const engine::Term& c3,
                            const engine::Term& c4, const engine::Term& c5);
// The level close of kind nvg, xfst or ins; Flag no keeps the cursors open.
bool gen_level_close(Run& run, const engine::Term& kind, const engine::Term& level,
                     const engine::Term& flag);
// gen_loop_exit/0: "if (true) break;".
bool gen_loop_exit(Run& run);
// The cancel check of a level close: nothing under the rule a(13, [nocancel]).
bool gen_cancel_check(Run& run);

}  // namespace qn::logic
