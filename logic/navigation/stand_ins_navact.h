// Callees of the navigation actions whose owners write them elsewhere (the
// navigation driver, the SQL statements, the procedure classes). Each body
// asks the run's stand-in of its name and arity with the arguments as terms,
// and fails writing nothing when there is none; the owners' functions take
// their place.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_trn_stmt/1 (Kind): the commit (1) or rollback (2) statement.
bool gen_trn_stmt(Run& run, const engine::Term& kind);
// gen_lock_read/7 and gen_aux_reads/7 (Level, Table, Loads, Auxiliaries,
// Action, Context, Mode): the read of a table.
bool gen_lock_read(Run& run, const engine::Term& level, const engine::Term& table,
                   const engine::Term& loads, const engine::Term& auxs, const engine::Term& action,
                   const engine::Term& context, const engine::Term& mode);
bool gen_aux_reads(Run& run, const engine::Term& level, const engine::Term& table,
                   const engine::Term& loads, const engine::Term& auxs, const engine::Term& action,
                   const engine::Term& context, const engine::Term& mode);

// conds_to_sql_strict/3 (Conditions, Table, Sql): every condition in SQL.
bool conds_to_sql_strict(Run& run, const engine::Term& conds, const engine::Term& table,
                         engine::Term& sql);
// gen_level_select/11 (Level, Table, Kind, Mode, Conditions, Attributes,
// Auxiliaries, Context, _, _, _), gen_nav_loop_cond/4 (Table, Kind, Level,
// Context), gen_skip/2 (Table, Kind), level_sql_end/2 (Table, Kind).
bool gen_level_select(Run& run, const engine::Term& level, const engine::Term& table,
                      const engine::Term& kind, const engine::Term& mode,
                      const engine::Term& conds, const engine::Term& atts,
                      const engine::Term& auxs, const engine::Term& context);

}  // namespace qn::logic
