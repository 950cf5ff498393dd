// The call tree kept between runs and the decision, at the end of a run,
// which make files are written again and which only get their date renewed.
//
// called_program_i(Class, Number, CalledClass, CalledNumber) holds the tree
// (classes are object types of the knowledge base); old_called_program_i/4
// the entries of an object before it was generated again in this run;
// main_make_i/2 the make files handled in this pass; prt_obj_list_i/1 the
// lower-cased names already written into the current make-file section;
// make_file_failed_i/2 (kept in the state) the make files whose writing
// failed, written again at the next pass end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/make_files.h"

namespace qn::logic {

// update_call_tree/3: unless the object has entries already, the programs
// it calls (i_called_pgms/4) that pass the tests, each added once, then
// followed in turn.
void update_call_tree(Run& run, int64_t model, int64_t cls, int64_t number);
// make_called_deps/4: the program, then the programs below it depth-first,
// each once (a cycle ends where it meets a program already listed).
std::vector<MakeProgram> make_called_deps(Run& run, int64_t cls, int64_t number);
// needs_makefile/2: a main program (pgm_main_i/4) or one with
// pgm_need_makefile_i/2.
bool needs_makefile(Run& run, int64_t cls, int64_t number);
// The object's entries differ from its old ones, or its class dependencies
// changed.
bool object_changed(Run& run, int64_t model, int64_t cls, int64_t number);

// The make-file writer make_files_pass uses (gen_make_file/3; tests count).
using MakeFileWriter = std::function<bool(Run&, int64_t model, int64_t cls, int64_t number)>;
// make_files_pass/1: the call tree completed once per run, the make files
// above every changed or generated main object written, each once, those
// that failed before written again, and the others above a generated object
// renewed ("touched").
void make_files_pass(Run& run, int64_t model, const MakeFileWriter& writer = gen_make_file);
// The name of an object's make file (in the model directory): the
// lower-cased program name and ".mak". Empty when the object has no name.
std::string make_file_path(Run& run, int64_t model, int64_t cls, int64_t number);
// developer_menu_pgms/2: the entries of the programs of the model's program
// files (kinds mbr, trn, scr, proc, rpt), each once, for one section.
bool developer_menu_pgms(Run& run, int64_t model, std::string_view section, const MakeDirs& dirs);
// clear_prt_obj_list/0.
void clear_prt_obj_list(Run& run);
// A name not yet listed in this section is listed; false when it was.
bool list_prt_obj(Run& run, const std::string& name);

}  // namespace qn::logic
