// The start of every generated program: its working facts and source file,
// the entry routine, the header comment and the initial values of the
// variables it declares.
//
// Working facts: open_i/1 ([0, Tables]: the tables the program updates),
// pgm_to_compile_i/1 (programs written in this run, in order; whole run).
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The per-program facts a new program starts without (step 2 of
// reset_pgm_facts/2); also taken by the placeholder, which opens its own
// file. proc_id/3 and subproc_id/3 go too: routines are numbered per program.
void clear_pgm_facts(Run& run);
// reset_pgm_facts/2 (Model, ObjectName): the program's source file opened
// as the current output, the per-program facts cleared, open_i/1 asserted
// first with the tables the program updates, the program name appended to
// pgm_to_compile_i/1 unless there. False when the file cannot be opened.
bool reset_pgm_facts(Run& run, int64_t model, const engine::Term& name);
// is_main_object/0: a command msg('main'), the rule prop(CALL_PROTOCOL,
// CLINE), a web panel or HTTP main program, or the rule prop(PGMTYPE, main).
bool is_main_object(Run& run);
// gen_pgm_entry/1 (Name): the entry routine through gen_routine_start/4,
// kind m for a main program, else p, with the program's parameters. A main
// program parses its own arguments: one without parameters says so in a
// comment.
bool gen_pgm_entry(Run& run, const engine::Term& name);
// pgm_header_comment/4 (File, Open, Prefix, Close): the twelve lines of the
// header comment of a generated file.
bool pgm_header_comment(Run& run, std::string_view file, std::string_view open,
                        std::string_view prefix, std::string_view close);
// gen_vars_init/0: the initial values of the declared variables, then the
// defaults of declared attributes with a default rule (default_i/1).
bool gen_vars_init(Run& run);
// gen_var_init/4 (Name, Kind, Type, Dims) for one declared field.
bool gen_var_init(Run& run, const engine::Term& name, const engine::Term& kind,
                  const engine::Term& desc);
// The same with the Java name of the variable given (a parameter's holder
// field is named by parm_aux_name/2, not by the variable's own text).
bool gen_var_init(Run& run, const engine::Term& name, const engine::Term& kind,
                  const engine::Term& desc, std::string_view java_name);

// The generator's number written in headers.
inline constexpr int64_t kGeneratorNumber = 619;

}  // namespace qn::logic
