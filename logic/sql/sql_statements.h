// Which SQL statement a level or command needs, and its text: the SELECT
// of a navigation (with the double SELECT where the database cannot lock
// an ordered SELECT), INSERT, UPDATE, DELETE, the immediate execution of a
// statement, the fetch of the next row, and commit and rollback. The Java
// that runs a statement is written by logic/java/embedded_sql.
//
// Working facts: sql_level_i/1 (stack of open SELECT levels, newest
// first), sql_double_select/3 (Table, Cursor, [Attributes, Extra]),
// c_num_i/3, c_sel_i/2, c_where_i/2, open_i/1, last_c_num_i/1 (cursors,
// logic/sql/select_text.h), c_close_i/2, optimized_delete/1,
// stmt_cursor_i/2 (Table, Cursor: the cursor that ran the table's last
// data statement, whose status the tests after it read).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/java/embedded_sql.h"
#include "logic/sql/select_text.h"

namespace qn::logic {

// status_cond_text/2: the status test text of a status atom.
std::optional<std::string> status_cond_text(std::string_view status);
// fn_in_sel/3: the type descriptor [Type, Length, Decimals, Sign] of an
// aggregate over an attribute.
std::optional<engine::Term> fn_in_sel(Run& run, std::string_view aggregate, const engine::Term& att);

// push_sql_level/2 and drop_sql_level/1.
void push_sql_level(Run& run, const engine::Term& level);
void drop_sql_level(Run& run, const engine::Term& level);

// gen_sql_select/13: the SELECT of a navigation level; Kind s (a cursor of
// the level), n1 (read-only), as (no SQL level pushed). Gives the cursor.
std::optional<std::string> gen_sql_select(Run& run, std::string_view kind, const SelectRequest& req);

// sql_insert_stmt, sql_update_stmt, sql_delete_stmt: the texts.
// Positioned forms name the cursor of the read.
SqlText sql_insert_stmt(Run& run, const engine::Term& table, const std::vector<SqlAssign>& assigns,
                        const std::vector<engine::Term>& other_atts);
std::optional<SqlText> sql_update_stmt(Run& run, const engine::Term& table,
                                       const std::vector<SqlAssign>& assigns,
                                       const std::vector<engine::Term>& keys,
                                       std::string_view read_cursor);
std::optional<SqlText> sql_delete_stmt(Run& run, const engine::Term& table,
                                       const std::vector<engine::Term>& keys,
                                       std::string_view read_cursor);

// gen_sql_insert/4, gen_sql_update/4, gen_sql_delete/1 of a level. The
// keys of an update or delete are its own key attributes, else the
// table's unique index (unique_index_atts/2); an update or delete with a
// read cursor and no keys is positioned when the table allows it.
// OtherAtts: the table's attributes the insert does not assign (valued by
// their empty values when initialize_new is on).
bool gen_sql_insert(Run& run, const engine::Term& level, const engine::Term& table,
                    const std::vector<SqlAssign>& assigns, const std::vector<engine::Term>& other_atts);
bool gen_sql_update(Run& run, const engine::Term& level, const engine::Term& table,
                    const std::vector<SqlAssign>& assigns, const std::vector<engine::Term>& keys);
bool gen_sql_delete(Run& run, const engine::Term& level, const engine::Term& table);

// gen_read_next/3: the fetch of the next row of the table's cursor at the level.
bool gen_read_next(Run& run, const engine::Term& level, const engine::Term& table);

// gen_exec_immediate/3 (Statement, Name, Commit).
bool gen_exec_immediate(Run& run, std::string_view statement, std::string_view name,
                        std::string_view commit);

// gen_commit/1 and gen_trn_stmt/1.
bool gen_commit(Run& run, int64_t kind);
bool gen_trn_stmt(Run& run, int64_t kind);

// end_cursor/3 and free_cursor/2: close a cursor and drop its facts.
bool end_cursor(Run& run, const engine::Term& level, std::string_view cursor);
void free_cursor(Run& run, std::string_view cursor);
// level_sql_end/2.
bool level_sql_end(Run& run, const engine::Term& level, const engine::Term& table);

}  // namespace qn::logic
