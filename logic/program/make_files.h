// The make files of the generated application: for every main program, the
// reorganisation and the developer menu, the class files it needs, a target
// that builds them all, one compile rule per class and, for programs that
// run as servlets, the rules that copy classes and configuration files to
// the servlet and static client folders.
//
// The files are GNU make files: paths use '/', copies are "@cp", and a blank
// in the servlet or static client folder is escaped ("\ ") in targets and
// class lists and quoted in recipes. JAVAC and CFLAGS come from the
// environment or the command line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The folders of a make file: P the package folder, S the servlet folder,
// D the static client folder, each '/'-separated and ending in '/' (empty
// when unset); mode 13 writes the servlet form.
struct MakeDirs {
  std::string p, s, d;
  int mode = 0;
};
MakeDirs make_dirs(Run& run, int mode);

// A called program of the call tree: its object class and number.
struct MakeProgram {
  int64_t cls = 0;
  int64_t number = 0;
};

// gen_make_entry/4 (Section dep, mak or copy; the program): the lines of
// one called program and of the tables it uses, each name once per section
// and file. Nothing for a stored procedure or a main program of another
// generator.
bool gen_make_entry(Run& run, int64_t model, std::string_view section, const MakeDirs& dirs,
                    const MakeProgram& program);
// gen_make_file/3 (File, ObjectClass, Number): the make file of one main
// program, the programs of its call tree (make_called_deps/4) included.
bool gen_make_file(Run& run, int64_t model, int64_t cls, int64_t number);
// gen_reorg_make/1: at the end of a pass, Reorganization.mak while a
// reorganisation is generated, else developermenu.mak (option DMENU_MAK)
// and the main programs' make files (option MENU_MAK, make_files_pass).
bool gen_reorg_make(Run& run, int64_t model);

// The class name a make entry writes for a program: the main letter when a
// generator-11 pgm_main_i/4 entry lists it, else its kind letter, then its
// name, lower-cased. Empty when the object has no name in the knowledge base.
std::string make_program_class(Run& run, int64_t model, const MakeProgram& program);
// The kind of an object class (0 trn, 1 proc, 2 rpt, 3 mnu, 4 scr, 13 web,
// 14 ext, 17 mbr); empty for another class.
std::string class_kind(int64_t cls);

// The tests the call tree uses: make_kind_ok/1 fails for web panels,
// make_class_kind_ok/1 for menus, make_class_ok/1 for object class 14.
bool make_kind_ok(std::string_view kind);
bool make_class_kind_ok(std::string_view kind);
bool make_class_ok(int64_t cls);
// class_deps_changed/2: the program's class dependencies differ from the
// saved ones, or none are saved.
bool class_deps_changed(Run& run, std::string_view program);

}  // namespace qn::logic
