// Callees of the program classes that the navigation, SQL and database
// class generators write. Until they are linked in, each asks the run's
// stand-in table (tests) and otherwise fails, writing nothing.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"
// Written already: the program start, levels and select formulas.
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"

namespace qn::logic {

// pgm_header_comment/4 (File, Open, Prefix, Close).
bool pgm_header_comment(Run& run, const engine::Term& file, const engine::Term& open,
                        const engine::Term& prefix, const engine::Term& close);
// gen_var_init/4 (Name, TypeDescriptor, JavaName, Dimensions): the
// initialisation of one variable.
bool gen_var_init(Run& run, const engine::Term& name, const engine::Term& type_desc,
                  const engine::Term& java_name, const engine::Term& dims);
bool level_vert_formulas(Run& run, const engine::Term& level);
// gen_pgm_commit/1 (Context): the program's commit at its end.
bool gen_pgm_commit(Run& run, const engine::Term& context);
// end_cursors/1 (Level): the open navigation's cursors ended.
bool end_cursors(Run& run, const engine::Term& level);
// gen_embedded_cursor_classes/0: the cursor classes of the program.
bool gen_embedded_cursor_classes(Run& run);

}  // namespace qn::logic
