// Java names of programs: the letter of each object kind and the program
// name built from it, and the extension of a source file. Every rule that
// names a class or its file takes the name from here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "logic/core/run.h"

namespace qn::logic {

// The letter of a kind's programs: trn T, proc P, rpt R, mnu M, scr W,
// web H, mbr B; "" for any other kind.
std::string kind_letter(std::string_view kind);
// The letter of a main program of the kind (rule prop(PGMTYPE, main)): trn N,
// proc A, rpt O, mnu L, scr U; nullopt for a kind without one.
std::optional<std::string> main_letter(std::string_view kind);
// kind_pgm_name/2: the program name of the current object's Name: the letter
// of the kind of its stub rule (rule_i(0, stub(Kind))), else of a main
// program, else none for a reorganisation procedure (gen_reo_i/0), else the
// letter of its own kind; followed by Name, all lower-cased (Windows-1252).
// Name as it is when the object has no spec_i/1.
std::string kind_pgm_name(Run& run, std::string_view name);
// The first extension of the programs' source files.
std::string java_source_extension();

}  // namespace qn::logic
