// The statements of the optimised commands and of stored-procedure calls:
// one SQL statement in place of a navigation loop (the DELETE of every row
// read, the aggregates of a group, the copy of rows by INSERT ... SELECT)
// and the CALL of a procedure, each declared as an embedded cursor
// (logic/java/embedded_sql) and ended at once.
//
// Conditions are the navigation's c(Tokens, Kind) entries (or bare token
// lists); Tables its table list ([Table | Attributes] entries or tables).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// cond_tables/2 (Tables, Pairs): the [Table, Attribute] pairs of the
// tables, each once: an entry [Table | Attributes] gives its attributes, a
// bare table every attribute it stores (i_all_atrisr/3).
std::vector<std::pair<engine::Term, engine::Term>> cond_tables(Run& run,
                                                               const std::vector<engine::Term>& tables);

// gen_optimized_delete/4: the cursor's update call, Cursor.executeUpd(Values).
bool gen_optimized_delete(Run& run, std::string_view cursor, const std::vector<engine::Term>& params);

// The DELETE of every row a single-table navigation reads: "DELETE FROM " +
// table + the WHERE clause of the conditions, run by the cursor's update
// call. Fails, writing nothing, when the navigation reads no table.
bool gen_nav_delete(Run& run, const engine::Term& conditions, const engine::Term& tables,
                    const engine::Term& level);

// The single-row read-only SELECT of the list ([Table, [Agg, Att]] entries
// as sql_agg_exp/3 gives them) with the navigation's conditions, fetched at
// once, each value assigned to the auxiliary of the same position, then
// the cursor ended. Fails, writing nothing, when the counts differ.
bool gen_select_one_into(Run& run, const std::vector<engine::Term>& select_list,
                         const std::vector<std::string>& auxiliaries, const engine::Term& conditions,
                         const engine::Term& tables, const engine::Term& level);

// The optimised copy: "INSERT INTO " Target " (" columns ") SELECT " sources
// " FROM " tables [" WHERE " conditions], a cursor of mode ins over the
// navigation's tables, run by the update call and ended.
std::string insert_select_text(Run& run, const engine::Term& target,
                               const std::vector<engine::Term>& columns,
                               const std::vector<engine::Term>& sources, const engine::Term& conditions,
                               const engine::Term& tables, std::vector<engine::Term>& params);
bool gen_insert_select(Run& run, const engine::Term& target, const std::vector<engine::Term>& columns,
                       const std::vector<engine::Term>& sources, const engine::Term& conditions,
                       const engine::Term& tables, const engine::Term& level);

// The stored-procedure call: a cursor of mode call over Target whose
// statement is Text with the in/out parameters, then ended.
bool gen_call_cursor(Run& run, std::string_view target, std::string_view text,
                     const std::vector<engine::Term>& params);

}  // namespace qn::logic
