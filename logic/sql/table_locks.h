// LOCK TABLE and UNLOCK TABLE, executed at run time of the generated
// program. Where the table's database cannot lock (lock_table_ok/1) or
// unlock (unlock_table_ok/1) a table, nothing is written and the step
// succeeds: the statement around it goes on.
#pragma once

#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The statement texts; none where the table's database cannot lock or
// unlock a table.
std::optional<std::string> lock_table_text(Run& run, const engine::Term& table,
                                           const engine::Term& name);
std::optional<std::string> unlock_table_text(Run& run, const engine::Term& table,
                                             const engine::Term& name);

// gen_lock_table/3 (Table, Mode, Name): "LOCK TABLE " + the qualified
// external name of Name + " IN EXCLUSIVE MODE" + nowait_clause/2, executed
// with the tolerated statuses "FNF;ULCK" for a new table (mode n), else
// "ULCK".
bool gen_lock_table(Run& run, const engine::Term& table, const engine::Term& mode,
                    const engine::Term& name);
// gen_unlock_table/2 (Table, Name): "UNLOCK TABLE " + the qualified external
// name, tolerating "ULCK".
bool gen_unlock_table(Run& run, const engine::Term& table, const engine::Term& name);

}  // namespace qn::logic
