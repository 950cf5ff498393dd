// Callees whose owners are written alongside this folder. Each body asks
// the run's stand-in of the same name and arity (tests), else fails and
// writes nothing; the owners' real functions take their place.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::sqlopt {

// --- navigation (old values, program properties, auxiliary variables) ---
// u_proc_name/3 (Key, Suffix, Name): the name of a U-numbered subroutine.
bool u_proc_name(Run& run, const engine::Term& key, const engine::Term& suffix, engine::Term& name);
// call_target_name/2 (Call, Name): the name of a call's target.
bool call_target_name(Run& run, const engine::Term& call, engine::Term& name);
// top_nvg_level/3 (Level, Table, Top): the top of the level's same-table chain.
bool top_nvg_level(Run& run, const engine::Term& level, const engine::Term& table,
                   engine::Term& top);
// drop_aux_names/1 (Names).
bool drop_aux_names(Run& run, const engine::Term& names);
// make_aux_names/4 (Names, Type, Mode, Auxiliaries): auxiliary variables
// of the type for the names, in their order.
bool make_aux_names(Run& run, const engine::Term& names, const engine::Term& type,
                    const engine::Term& mode, engine::Term& auxiliaries);

// --- SQL statements, SELECT text, cursors, statement calls ---
// gen_exec_immediate/3 (Statement, Name, Commit).
bool gen_exec_immediate(Run& run, const engine::Term& statement, const engine::Term& name,
                        const engine::Term& commit);
// conds_to_sql_strict/3 (Conditions, Tables, Cardinality): every condition
// translates to SQL.
bool conds_to_sql_strict(Run& run, const engine::Term& conditions, const engine::Term& tables,
                         const engine::Term& cardinality);
// cond_tables/2 (Tables, Pairs): the [Table, Attribute] pairs of the tables.
bool cond_tables(Run& run, const engine::Term& tables, engine::Term& pairs);
// The whole-navigation DELETE of the statement writers: "DELETE FROM " table + the WHERE
// clause of the conditions, executed as one update statement
// (gen_nav_delete/4: Conditions, Model, Tables, Level).
bool gen_nav_delete(Run& run, const engine::Term& conditions, const engine::Term& model,
                    const engine::Term& tables, const engine::Term& level);
// The single-row SELECT of a list with the navigation's conditions, kind n1
// (gen_sql_select_one/8), the assignment of its fetched values to Into
// (gen_select_lock/6) and the end of its cursor (distinct_cursors/2), as one
// step: gen_select_one_into/6 (SelectList, Into, Conditions, Model, Tables, Level).
bool gen_select_one_into(Run& run, const engine::Term& select_list, const engine::Term& into,
                         const engine::Term& conditions, const engine::Term& model,
                         const engine::Term& tables, const engine::Term& level);
// The optimised copy's statement: a cursor of mode ins over Tables
// (cursor_name/7), "INSERT INTO " Target " (" columns ") " + the SELECT part
// over Sources + the FROM part + " WHERE " conditions (the SELECT builder), declared as a
// cursor statement of kind "UDK" and run with the update call
// (gen_optimized_delete/4), then the cursor ended (distinct_cursors/2):
// gen_insert_select/6 (Target, Columns, Sources, Conditions, Model, Tables).
bool gen_insert_select(Run& run, const engine::Term& target, const engine::Term& columns,
                       const engine::Term& sources, const engine::Term& conditions,
                       const engine::Term& model, const engine::Term& tables);
// conds_to_sql/4 (Tokens, Tables, SqlText, Parameters): the SQL text of
// condition tokens with their parameters.
bool conds_to_sql(Run& run, const engine::Term& tokens, const engine::Term& tables,
                  engine::Term& sql, engine::Term& parameters);
// The stored-procedure call as a cursor of mode call over Target with its
// in/out parameters (cursor_name/7, gen_sql_cursor_stmt/9,
// distinct_cursors/2): gen_call_cursor/3 (Target, Text, Parameters).
bool gen_call_cursor(Run& run, const engine::Term& target, const engine::Term& text,
                     const engine::Term& parameters);

// --- program calls and commands ---
// gen_db_command/3 (Command, Arguments, Store).
bool gen_db_command(Run& run, const engine::Term& command, const engine::Term& arguments,
                    const engine::Term& store);

}  // namespace qn::logic::sqlopt
