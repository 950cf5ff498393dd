// The frame of a program's class that does not depend on its logic: the
// start of a routine, parameter entries and lists, the parameter holders of
// a main method, and the end of the program (cleanup, initialize, the
// declarations, the class end and the cursor classes).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/out.h"
#include "logic/core/run.h"

namespace qn::logic {

// routine_parms/3: a parameter's name and mode; a bare name has mode n, a
// list [Name, Mode | _] its own mode (u: input-output).
struct RoutineParm {
  engine::Term name;
  std::string mode;
};
std::optional<RoutineParm> routine_parms(const engine::Term& parameter);
// The program's parameters (get_pgm_parms/1), each taken as input-output:
// execute() takes only holders.
std::vector<engine::Term> inout_parms(const Run& run);

// The Java name of a parameter's field: auxname_c/2, a variable without
// its "&" (as the translator names it).
std::string parm_aux_name(Run& run, const engine::Term& name);

// A parameter entry of parm_list/2: [JavaType, JavaName, Dims, Parameter].
struct ParmEntry {
  std::string java_type, java_name, dims;
  engine::Term parameter;
  // How many dimensions (0 for a plain value or holder).
  int dim_count = 0;
  // The parameter's type descriptor [Type, Length, Decimals, 1] (none for an
  // object parameter).
  std::optional<engine::Term> type_desc;
};
// parm_list/2: counter 2 from 0, one entry per parameter. Fails (nullopt)
// for a parameter without a description or a Java type.
std::optional<std::vector<ParmEntry>> parm_list(Run& run, const std::vector<engine::Term>& parms);
// routine_return_type/2: the Java type of a type descriptor or of an
// attribute's type; "void" otherwise.
std::string routine_return_type(Run& run, const engine::Term& attribute_or_type);
// format_param_list/3 over parm_list/2's entries (JavaType JavaName Dims);
// format_parm_decls/3 takes each entry's Parameter as the item.
bool format_parm_list(Out& out, std::string_view header, const std::vector<std::string>& tail,
                      const std::vector<ParmEntry>& entries);
// declare_parms/1: the parameter holders of a main method.
bool declare_parms(Run& run, const std::vector<ParmEntry>& entries);

// gen_routine_start/4 (Kind, Name, ReturnAttribute, Parameters), kinds l
// (local routine), m (a procedure's main class), p (a callable program);
// any other kind writes the class header of the object's kind.
bool gen_routine_start(Run& run, std::string_view kind, const engine::Term& name,
                       const engine::Term& return_attribute,
                       const std::vector<engine::Term>& parms);

// gen_program_end/2: cleanup, initialize, the declarations, the class end,
// the cursor classes, the file closed.
bool gen_program_end(Run& run);
// gen_trn_program_end/1: a split transaction's client class ends without
// the cursor classes (one progress step); any other transaction as
// gen_program_end/2 with a single step. trn_server_program_end/1: the
// server class: initialize, cleanup, declarations, class end, cursor
// classes.
bool gen_trn_program_end(Run& run);
bool trn_server_program_end(Run& run);
// gen_cleanup_method/0.
bool gen_cleanup_method(Run& run);
// The initialize method.
bool gen_initialize_method(Run& run);
// gen_parm_write_back/0: "aP<n>.setValue( this.<aux>);" per recorded
// parameter that is not an array.
bool gen_parm_write_back(Run& run);
// The program is the entry of its own stub: a pgm_main_i/4 entry of the
// stub's kind for this program, generator 11.
bool is_own_stub_entry(Run& run);
// The rule prop(PGMTYPE, main).
bool pgmtype_main(const Run& run);
// init_obj_var/2 (Name, Class).
bool init_obj_var(Run& run, std::string_view name, std::string_view cls);
// local_decl_kind/1.
inline bool local_decl_kind(std::string_view kind) { return kind != "h" && kind != "u"; }

}  // namespace qn::logic
