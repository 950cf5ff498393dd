// The frame of every generated class: its source file, package line and
// imports, class header, method headers and ends, and the small blocks
// (try, catch) the generators share.
//
// Class kinds: tab, sup, updsup, fwdsup, call, proc, rpt, scr, trn, web,
// mbr, event, load, mouseadapter, bmpactionlistener, stub, mreorg, reorg,
// ce, crtjdbc, sfobj, cfg, focuslistener, subfflow, actionlistener,
// itemlistener, and dummy for the placeholder class (no superclass).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/out.h"
#include "logic/core/run.h"

namespace qn::logic {

// class_imports/2: the imports of a class kind, in order; a main program
// (rule prop(PGMTYPE, main)) adds those of a main program not yet listed.
std::vector<std::string> class_imports(Run& run, std::string_view kind);
// gen_imports/1: "package <PACKAGE>;" when the option is set (not for the
// applet stub of a main program), then one "import <package>;" line each.
bool gen_imports(Run& run, std::string_view kind);
// class_superclass/2: empty for a kind without one.
std::string class_superclass(Run& run, std::string_view kind);
// The program has print lines (a b_line_i/6 command of type line): a
// procedure or report is then a report class.
bool has_print_lines(const Run& run);
// class_interfaces/2.
std::vector<std::string> class_interfaces(Run& run, std::string_view kind);

// gen_reorganization_main/1: the file REORGPGM.GEN ("a reorganization
// pending"), then the class Reorganization that runs qncrtdb when the
// object creates the database (its specification's sixth element crt),
// else qnrgza, qnrgzb and qnrgzc in turn.
bool gen_reorganization_main(Run& run, int64_t model);

enum class SourceMode { New, Same };
// gen_class_header/4: with New the file Name.java is opened (mode inm) and
// the imports written first; then "<modifiers>class <Name>[ extends S][
// implements I ...]" and "{".
bool gen_class_header(Run& run, int64_t model, std::string_view kind, std::string_view name,
                      SourceMode mode);
// The path of a class's source in inm mode: the model directory, the package
// directory and Name.java, with one separator between them.
std::string class_source_path(std::string_view model_dir, std::string_view package_dir,
                              std::string_view name);
// class_source_file/4 (of the current model): mode cpm writes Stem.jtm and
// records torename_i(Stem.jtm, Name.java, cpm); any other mode
// class_source_path/3 in the model's directory (i_model_info/2).
bool class_source_file(Run& run, int64_t model, std::string_view name, std::string_view stem,
                       std::string_view mode);
// gen_class_start/5: the source file opened, imports and header written.
bool gen_class_start(Run& run, int64_t model, std::string_view kind, std::string_view name,
                     std::string_view stem, std::string_view mode);
// The package folders below the model's directory (the package-directory
// step of java_gen_start/1): each level created when missing, file errors
// off meanwhile; likewise below SERVLET_DIR when that option is set.
void prepare_package_dir(Run& run, int64_t model);

// format_param_list/3: Header and the first item on one line, every other
// item on a line of its own at the column after Header (len + 1); items but
// the last followed by ",", the last by Tail; no items: Header, Tail. The
// margin steps back on the next line out writes.
bool format_param_list(Out& out, std::string_view header, const std::vector<std::string>& tail,
                       const std::vector<std::string>& items);
// emit_method_header/5: "<modifiers><type> <name>(" with the parameters
// (each [obj(Type), Name] as "Type Name", a text as it is), ")" and "throws
// E" when Exceptions is not empty; then "{".
bool emit_method_header(Run& run, std::string_view name, std::string_view modifiers,
                        std::string_view return_type, const std::vector<engine::Term>& params,
                        std::string_view exceptions);
// throws_clause/3: "throws " + exceptions, or nothing.
std::string throws_clause(std::string_view exceptions);
// emit_method_end/0, emit_class_end/0: "}" a block out, then an empty line.
bool emit_method_end(Run& run);
bool emit_class_end(Run& run);
bool emit_blank_line(Run& run);
bool emit_try(Run& run);
bool emit_catch(Run& run, std::string_view exception);
bool emit_cleanup_call(Run& run);
bool emit_application_init(Run& run);
// emit_method_call_stmt/2: Object "." Call ";" as one piece.
bool emit_method_call_stmt(Run& run, std::string_view object, std::string_view call);

// set_pgm_id/3: pgm_id/1 becomes [Number, Kind, Name]. set_current_pgm/3:
// current_pgm_i/1 becomes the program's name (reset_pgm_facts/2 of
// logic/navigation/program_start.h clears the per-program facts).
void set_pgm_id(Run& run, int64_t number, const engine::Term& kind, const engine::Term& name);
void set_current_pgm(Run& run, int64_t number, const engine::Term& kind, const engine::Term& name);
// The execute method and the header of execute_int of the placeholder
// class, without parameters; the caller writes the body and ends the
// method. (gen_execute_int/1 of a program: logic/program/program_calls.h.)
bool placeholder_execute_int(Run& run);

}  // namespace qn::logic
