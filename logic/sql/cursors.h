// The cursors of a program's navigations: which cursor reads a table at a
// level, the single-row SELECT of a table, the locking re-read after a
// read-only SELECT with the assignment of the fetched columns, the end of a
// double SELECT, the SQL host-variable name of an attribute, and the data
// object a level creates for its table.
//
// Facts read: c_num_i/3 (Level, Tables, [Cursor | _]), sql_level_i/1 (the
// open SELECT levels, newest first), sql_double_select/3 (Table, Cursor,
// [KeyAttributes, Extra]), struct_i/4, level_i/2, upd_i/4, tw_i/2.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// cursor_info/3: the cursor reading the table at the level (c_num_i/3 of
// the level naming the table); without a level (or none there) the cursor
// of the newest open SQL level that reads it, else the newest cursor that
// reads it; else the default "NoCurVarErr", which is written as it is.
std::string cursor_info(Run& run, const engine::Term& table, const engine::Term& level);

// sql_aname/4 (Table, Attribute, Separator, Name): the host variable by
// which generated code refers to an attribute of a table: its auxiliary
// variable, declared.
std::optional<std::string> sql_aname(Run& run, const engine::Term& table, const engine::Term& att,
                                     std::string_view separator);

// gen_sql_select_one/8: the single-row SELECT (cardinality one) of a table
// at a level: Seek the where items w(Table, Att, Op, Value), Columns the
// select list, Conds the conditions c(Tokens, Kind). The row is fetched at
// once. Kind is the read kind (as, fv, r, ...); kind as pushes no SQL level.
bool gen_sql_select_one(Run& run, std::string_view kind, const engine::Term& level,
                        const engine::Term& table, const std::vector<engine::Term>& seek,
                        const std::vector<engine::Term>& columns,
                        const std::vector<engine::Term>& conds);

// The where items w(Table, Att, Op, Value) of seek pairs [Att, Value] (a
// value that is not a token is taken as a variable token) and of
// assignments Att = Value.
std::vector<engine::Term> seek_where_items(const engine::Term& table, const engine::Term& seek);

// gen_select_lock/6 (Level, Table, Attributes): the locking re-read of a
// table read by a double SELECT (comment, the read-only cursor ended below
// the outermost level, the single-row locking SELECT with its fetch and an
// if-block on "not end of data" that the level end closes), then the
// fetched columns assigned to the attributes' variables. Without a double
// SELECT only the assignments.
bool gen_select_lock(Run& run, const engine::Term& level, const engine::Term& table,
                     const std::vector<engine::Term>& atts);

// gen_fetch_assign/9 for the attributes of a table's data object: each
// attribute's variable = Object.getAttribute();
bool gen_fetch_assign(Run& run, const engine::Term& table, const std::vector<engine::Term>& atts);

// gen_level_end/2 (Level, Table): closes the block of a double SELECT; at
// the outermost navigation level of the table also ends its read-only
// cursor and forgets the double SELECT.
bool gen_level_end(Run& run, const engine::Term& level, const engine::Term& table);

// gen_table_object_new/5 (Table, Mode, Card, Atts, Level): for a level
// that inserts into the table its data object is declared; for it and for
// a table of the level's tw_i/2 in_level_i/1 and level_info_i/2 (Level,
// [Table, Mode, Card, Atts]) are recorded. Any other table: nothing.
bool gen_table_object_new(Run& run, const engine::Term& table, std::string_view mode,
                          std::string_view card, const engine::Term& atts,
                          const engine::Term& level);

}  // namespace qn::logic
