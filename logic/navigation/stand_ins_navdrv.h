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

// --- actions of a level ------------------------------------------------------
// gen_level_actions/21: Pass (1 the actions, 2 the vertical formulas and
// what depends on them), Level, Kind, Table, Atts, SelAtts, the caller's
// three contexts; the rest are the actions' own working arguments.
bool gen_level_actions(Run& run, const Term& pass, const Term& level, const Term& kind,
                       const Term& table, const Term& atts, const Term& sel_atts,
                       const Term& ctx3, const Term& ctx4, const Term& ctx5);
bool old_value_moves(Run& run, const Term& level, const Term& atts, const Term& ctx);
bool assign_h_auxs(Run& run, const Term& level, const Term& mode);
bool level_sel_atts(Run& run, const Term& level, Term& atts);
bool att_default_expr(Run& run, const Term& att, Term& expr);
bool att_hold_entry(Run& run, const Term& att, const Term& table, Term& holder, Term& info);
bool target_os(Run& run, Term& os);
bool gen_commit_cmd(Run& run, const Term& kind, const Term& level);
bool gen_level_commit(Run& run, const Term& level, const Term& kind);
bool gen_array_loop(Run& run, const Term& name, const Term& dims, const Term& value,
                    const Term& ctx4, const Term& ctx5, const Term& ctx6);
bool gen_msg_action(Run& run, const Term& kind, const Term& msg, const Term& table,
                    const Term& level, const Term& action, const Term& ctx6, const Term& ctx7);
bool gen_h_auxs(Run& run, const Term& level, const Term& table, const Term& mode,
                const Term& ctx);

// --- program frame, calls and routines ---------------------------------------
bool gen_routine_start(Run& run, const Term& kind, const Term& name, const Term& parms,
                       const Term& ctx);
bool init_obj_var(Run& run, const Term& name, const Term& type);
bool begin_local_routine(Run& run, const Term& name, const Term& parms, const Term& type);
bool gen_pgm_call(Run& run, const Term& tokens, const Term& level, const Term& ctx3,
                  const Term& ctx4, const Term& ctx5, const Term& ctx6);
bool gen_dynamic_call(Run& run, const Term& tokens, const Term& level);
bool gen_return_cmd(Run& run, const Term& level, const Term& ctx);
bool gen_msg_stmt(Run& run, const Term& tokens, const Term& level);
bool gen_status_msg(Run& run, const Term& tokens, const Term& level);
bool gen_confirm_stmt(Run& run, const Term& tokens, const Term& level);
// gen_sub_header/3 (Kind event or sub, Name, Level), gen_sub_end/2, gen_do_sub/2.
bool gen_sub_header(Run& run, const Term& kind, const Term& name, const Term& level);
bool gen_sub_end(Run& run, const Term& kind, const Term& level);
bool gen_do_sub(Run& run, const Term& name, const Term& level);

}  // namespace qn::logic
