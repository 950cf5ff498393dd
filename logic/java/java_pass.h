// The Java-specific steps of a generation pass: its start, the preparation
// before each object, the record after a main object, and the end of the
// pass (developer menu and configuration files, the copy list).
#pragma once

#include <cstdint>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// java_gen_start/1: dir_i/2 and torename_i/3 abolished, the package folders
// prepared.
bool java_gen_start(Run& run, int64_t model);
// java_before_object/4: the per-object working facts abolished, the
// object-dependency steps, and for an applet stub the dimensions of its
// program's array parameters (see java_after_object).
bool java_before_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                        const engine::Term& spec);
// The after-object step of a main object: each dimensioned parameter
// recorded as stub_info_array_i(Program, Number, Dimensions), Program the
// kind letter and the name, lower-cased, Number counted from 1; the applet
// stub of that program, generated later, declares them as dim('P<Number>',
// Dimensions).
bool java_after_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                       const engine::Term& spec);
// java_gen_end/1: the developer menu and configuration files, the copy
// list, one progress step, the stored-procedure creation class, the make
// files at the end of the pass.
bool java_gen_end(Run& run, int64_t model);
// gen_copy_classes_list/1: "_COPYCLS.GEN" in the model directory, one line
// "<temporary file> <Java file>" per torename_i/3 entry of kind cpm; only
// while a reorganisation is generated (a reorg_pgm_i/1 fact exists).
bool gen_copy_classes_list(Run& run, int64_t model);

}  // namespace qn::logic
