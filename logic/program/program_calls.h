// How a program is entered and how it calls others: the constructors, the
// public execute method that takes value holders, the private execute_int
// that unwraps them, and the program's location.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// pgm_location/1: the rule prop(LOCATION, L) lower-cased; else empty.
std::string pgm_location(Run& run);
// The location of the program's class: with a stub rule the sixth element
// of the stub's pgm_main_i/4 entry for the program (lower-cased), else
// pgm_location/1.
std::string class_location(Run& run);
// The execute parameters: the program's, each input-output, with
// [obj(IReportHandler), reportHandler] before a Line parameter.
std::vector<engine::Term> execute_parms(const Run& run);
// gen_constructor/1 (ClassName).
bool gen_constructor(Run& run, std::string_view cls);
// gen_execute_method/1.
bool gen_execute_method(Run& run);
// gen_execute_int_calls/0: "execute_int(" the holders and arrays ");".
bool gen_execute_int_calls(Run& run);
// gen_parm_fields/0: the parameters' values into the program's fields.
bool gen_parm_fields(Run& run);
// gen_execute_int/1: the execute method and the start of execute_int; the
// caller writes its body and ends the method.
bool gen_execute_int(Run& run, std::string_view program_name);

}  // namespace qn::logic
