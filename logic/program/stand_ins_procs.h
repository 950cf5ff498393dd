// Callees of the program classes that the navigation, SQL and database
// class generators write. Until they are linked in, each asks the run's
// stand-in table (tests) and otherwise fails, writing nothing.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_pgm_entry/1 (Name): the entry routine of the program.
bool gen_pgm_entry(Run& run, const engine::Term& name);
// is_main_object/0.
bool is_main_object(Run& run);
// pgm_header_comment/4 (File, Open, Prefix, Close).
bool pgm_header_comment(Run& run, const engine::Term& file, const engine::Term& open,
                        const engine::Term& prefix, const engine::Term& close);
// gen_level_kind/5 (Kind, Level, Ctx3, Ctx4, Ctx5): one level by its kind.
bool gen_level_kind(Run& run, const engine::Term& kind, const engine::Term& level,
                    const engine::Term& ctx3, const engine::Term& ctx4, const engine::Term& ctx5);
// gen_vars_init/0: the initialisation of the declared variables.
bool gen_vars_init(Run& run);
// gen_var_init/4 (Name, TypeDescriptor, JavaName, Dimensions): the
// initialisation of one variable.
bool gen_var_init(Run& run, const engine::Term& name, const engine::Term& type_desc,
                  const engine::Term& java_name, const engine::Term& dims);
// select_formula_auxs/1, level_vert_formulas/1 (Level).
bool select_formula_auxs(Run& run, const engine::Term& level);
bool level_vert_formulas(Run& run, const engine::Term& level);
// gen_pgm_commit/1 (Context): the program's commit at its end.
bool gen_pgm_commit(Run& run, const engine::Term& context);
// end_cursors/1 (Level): the open navigation's cursors ended.
bool end_cursors(Run& run, const engine::Term& level);
// gen_embedded_cursor_classes/0: the cursor classes of the program.
bool gen_embedded_cursor_classes(Run& run);
// cmd_to_code/5 (Tokens, Ctx2, Ctx3, Level, Ctx5): one command line.
bool cmd_to_code(Run& run, const engine::Term& tokens, const engine::Term& ctx2,
                 const engine::Term& ctx3, const engine::Term& level, const engine::Term& ctx5);

}  // namespace qn::logic
