// What a generated program uses: the generated classes it refers to, the
// tables it reads with their data and supplier classes, whether it is a
// main program and where it runs, whether it runs as an automatic remote
// object and whether it is called over HTTP. The facts live in the state
// file (save_state/1 writes is_webproc_i/1, ij_main_object/3,
// ij_automatic_remote_object/2, ij_table_def/4 and ij_object_dependency/3),
// so the next run compares a program's old dependencies with its new ones.
#pragma once

#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// cur_pgm_name/1: the lower-cased program name of the current object.
std::string cur_pgm_name(Run& run);

// add_object_dependency/1: the current program uses the generated class
// Class (kept once, in the order of first use); nothing while a
// reorganisation or the server side of a split transaction is written.
bool add_object_dependency(Run& run, const engine::Term& cls);
// record_table_def/4: an ij_table_def/3 fact of an older state file is
// replaced; an ij_table_def/4 fact has its list put behind List, the first
// of each duplicate kept; else a new fact.
void record_table_def(Run& run, const engine::Term& table, const engine::Term& data_class,
                      const engine::Term& supplier_class, const engine::Term& list);

// The six steps before an object's body, in their order.
void reset_object_dependencies(Run& run);
void record_table_dependencies(Run& run);
void record_main_location(Run& run);
void record_main_object(Run& run);
void record_webproc(Run& run);
// All six: the four above, the removal of the program's is_webproc_i/1
// fact, and record_webproc/0.
void object_dependency_steps(Run& run);

}  // namespace qn::logic
