// Table access of a level by purpose: the SELECT of its rows, a single-row
// read, updates, locks, the insert with its duplicate test, the fetch of
// the next row and the end-of-data tests. Every table is an SQL table here
// (is_sql_table/1 holds), so no record-at-a-time alternative is written.
//
// Facts read: start_i/4 (Level, Card, _, [Items | _]), Card `one` for a
// single-row start; upd_i/4 (Level, Table, Op, [New, Changed, _, Keys, _]);
// index_i/2 (Table, [[Index, Kind, Atts] ...]), kind u unique; level_i/2
// element 3 the order.
#pragma once

#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// is_sql_table/1.
inline bool is_sql_table(const engine::Term&) { return true; }
// xbase_select_area/2: nothing.
inline bool xbase_select_area(Run&, const engine::Term&) { return true; }

// eof_cond/3 and found_cond/3: Cursor.eof() and !Cursor.eof(), the cursor
// from cursor_info/3, else NoCurVarErr.
std::string eof_cond(Run& run, const engine::Term& table, const engine::Term& level);
std::string found_cond(Run& run, const engine::Term& table, const engine::Term& level);
// The lock test: Cursor.locked().
std::string locked_cond(Run& run, const engine::Term& table, const engine::Term& level);

// level_start_one/2: the level's start condition has cardinality one.
bool level_start_one(const Run& run, const engine::Term& level);

// The where items w(Table, Att, Op, Value) of a level's lwi_i/2: each item
// a comparison of an attribute of the table (tokens attribute, operator,
// value).
std::vector<engine::Term> level_where_items(Run& run, const engine::Term& table,
                                            const engine::Term& level);
// gen_level_select/11 (Kind, Table, Level, Assigns, Conds, Where, Mode): the
// seek list and cardinality from the level's start condition, else from
// the '=' assignments, else none and many; a single-row SELECT has no order.
bool gen_level_select(Run& run, const engine::Term& kind, const engine::Term& table,
                      const engine::Term& level, const engine::Term& assigns,
                      const engine::Term& conds, const engine::Term& where,
                      const engine::Term& mode);
// gen_level_read/7 (Kind, Table, Selected, Level, Assigns, Lock, Where):
// the single-row read by the '=' assignments; a lock flag (0, 1, 2) adds
// the record lock.
bool gen_level_read(Run& run, const engine::Term& kind, const engine::Term& table,
                    const engine::Term& selected, const engine::Term& level,
                    const engine::Term& assigns, const engine::Term& lock,
                    const engine::Term& where);
// gen_record_lock/7 (Flag, Table, Level): for a table the level updates, the
// lock test with the lock message and, by Flag, return false (0), return
// after the commit point (1) or retry (any other).
bool gen_record_lock(Run& run, int64_t flag, const engine::Term& table, const engine::Term& level);
// gen_lock_read/7 (Table, Level, Atts): the locking re-read, then the held
// attributes copied to their auxiliaries.
bool gen_lock_read(Run& run, const engine::Term& table, const engine::Term& level,
                   const engine::Term& atts);
// gen_lock_read/7 and gen_aux_reads/7 (Level, Table, Loads, Auxiliaries,
// Action, Context, Mode): a read action's table read by the action's keys
// (Info [[Table, Att, OtherAtt] ...]: the table's OtherAtt equals the value
// of Att), with the record lock when the level locks (gen_lock_read), then
// the locking re-read of the attributes it loads.
bool gen_lock_read(Run& run, const engine::Term& level, const engine::Term& table,
                   const engine::Term& loads, const engine::Term& auxs, const engine::Term& action,
                   const engine::Term& context, const engine::Term& mode);
bool gen_aux_reads(Run& run, const engine::Term& level, const engine::Term& table,
                   const engine::Term& loads, const engine::Term& auxs, const engine::Term& action,
                   const engine::Term& context, const engine::Term& mode);
// gen_tbl_update/6 (Table, Level, Atts, Keys): the UPDATE, duplicates
// removed; nothing for no attributes.
bool gen_tbl_update(Run& run, const engine::Term& table, const engine::Term& level,
                    const engine::Term& atts, const engine::Term& keys);
// gen_level_updates/3 (Level, Model, Op): every upd_i/4 of the level with
// that operation; keys its own, else the table's unique index.
bool gen_level_updates(Run& run, const engine::Term& level, int64_t model, const engine::Term& op);
// The update block of a transaction's level: the comment, and for every
// table it reads and updates, the fetch and lock when logged and
// positioned, then the update.
bool gen_trn_level_updates(Run& run, const engine::Term& level, int64_t model);
// The lock before a transaction's update of a table the level reads.
bool gen_lock_before_update(Run& run, const engine::Term& table, const engine::Term& level);
// gen_insert_dup/6 (Table, Level, ErrVar, ErrmsgVar, Message): the INSERT,
// then "if (" Object.duplicated() ") {" ErrVar = 1, ErrmsgVar = Message;
// the caller closes the block.
bool gen_insert_dup(Run& run, const engine::Term& table, const engine::Term& level,
                    std::string_view err_var, std::string_view errmsg_var,
                    std::string_view message);
// The duplicate test of the table's data object.
std::string duplicate_cond(Run& run, const engine::Term& table);
// gen_skip/2: the fetch of the next row.
bool gen_skip(Run& run, const engine::Term& table, const engine::Term& level);

}  // namespace qn::logic
