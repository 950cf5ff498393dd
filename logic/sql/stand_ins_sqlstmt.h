// Callees of the SQL statements whose owners are written elsewhere. Each
// body asks the run's stand-in table (run.host_stand_in(name, arity)) with
// its arguments as terms, else fails and writes nothing; the owners' real
// functions replace them.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"
// Written already: the CS_CONNECT tests and the error context.
#include "logic/navigation/old_values.h"
#include "logic/sql/error_context.h"

namespace qn::logic {

// unique_index_atts/2 (Table, Attributes).
bool unique_index_atts(Run& run, const engine::Term& table, engine::Term& atts);
// gen_db_command/3 (Command, Arguments, Context): qnfetchf, qnexecimm,
// qnclosecur, qncommit ...
bool gen_db_command(Run& run, const engine::Term& command, const engine::Term& args,
                    const engine::Term& context);
// emit_stmt_lines/3 (Statement, Indent, Context).
bool emit_stmt_lines(Run& run, const engine::Term& stmt, const engine::Term& indent,
                     const engine::Term& context);
// brk_flag_var/3 (Level, Table, Variable): the break flag of a level.
bool brk_flag_var(Run& run, const engine::Term& level, const engine::Term& table, engine::Term& var);

}  // namespace qn::logic
