// Callees of the navigation driver whose modules are being written beside
// it. Each body asks the run's stand-in table (tests) and otherwise fails,
// writing nothing; the owning modules replace them with the real rules.
// Arguments stay terms so a stand-in can bind the outputs.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"
// Written already: commit points, SQL statements and stored procedures.
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"

namespace qn::logic {

using engine::Term;

// --- SQL statements, cursors and level joins ---------------------------------
bool gen_sql_select(Run& run, const Term& kind, const Term& table, const Term& level,
                    const Term& tables, const Term& joins, const Term& conds, const Term& seek,
                    const Term& card, const Term& order, const Term& atts, const Term& mode,
                    const Term& where, const Term& ctx);
bool gen_sql_select_one(Run& run, const Term& kind, const Term& table, const Term& level,
                        const Term& seek, const Term& atts, const Term& lock, const Term& where,
                        const Term& ctx);
bool gen_sql_insert(Run& run, const Term& table, const Term& level, const Term& atts,
                    const Term& ctx);
bool gen_sql_update(Run& run, const Term& table, const Term& level, const Term& atts,
                    const Term& keys);
bool gen_sql_delete(Run& run, const Term& table);
bool gen_read_next(Run& run, const Term& table, const Term& level, const Term& ctx);
bool gen_select_lock(Run& run, const Term& table, const Term& level, const Term& atts,
                     const Term& where, const Term& ctx5, const Term& ctx6);
bool gen_level_end(Run& run, const Term& level, const Term& table);
bool push_sql_level(Run& run, const Term& level, const Term& table);
// sql_aname/4 (Table, Attribute, Separator, Name).
bool sql_aname(Run& run, const Term& table, const Term& att, const Term& sep, Term& name);
bool cursor_info(Run& run, const Term& table, const Term& level, Term& cursor);
bool gen_exec_immediate(Run& run, const Term& text, const Term& commit, const Term& level);
// level_join/8 (Level, Kind, Table, Tables, JoinConds, Conds, Card, Where).
bool level_join(Run& run, const Term& level, const Term& kind, const Term& table, Term& tables,
                Term& joins, Term& conds, Term& card, Term& where);
// break_join/4 (Level, Table, Top, Atts).
bool break_join(Run& run, const Term& level, const Term& table, const Term& top, Term& atts);
// gen_table_object_new/5 (Table, Mode, Card, Atts, Level).
bool gen_table_object_new(Run& run, const Term& table, const Term& mode, const Term& card,
                          const Term& atts, const Term& level);

// --- optimised commands and error handlers -----------------------------------
bool optimized_cmd(Run& run, const Term& level, const Term& start, const Term& end,
                   const Term& sel_atts, const Term& tokens, const Term& ctx);
bool gen_error_handler_cmd(Run& run, const Term& routine);

}  // namespace qn::logic
