// Names in generated Java: class and object names of each class kind, table
// classes and their files, accessor methods, numbered routines, and the
// small text helpers they are built with, and the program names of the
// object kinds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// class_prefix/2 and obj_prefix/2 of a class kind (tab, sup, updsup, tabsup,
// supsup); nullopt for a kind without one.
std::optional<std::string> class_prefix(std::string_view kind);
std::optional<std::string> obj_prefix(std::string_view kind);
// class_name/3 and obj_name/3: the prefix followed by the name.
std::optional<std::string> class_name(std::string_view kind, std::string_view name);
std::optional<std::string> obj_name(std::string_view kind, std::string_view name);

// fv_intname_rule/1: the object is a data view naming itself Name (a
// p(_, _, fv, X, [intname, Name]) rule and no p(_, _, fv, X, [table | _])).
bool fv_intname_rule(const Run& run, const engine::Term& name);
// fv_rule_without_table/0: some fv entry exists and none names a table.
bool fv_rule_without_table(const Run& run);
// tbl_short_name/3: '' for table 0, else the table_i/2 name cut to 8
// characters, else the knowledge-base name (i_tblname/3).
std::optional<std::string> tbl_short_name(Run& run, const engine::Term& table, int64_t model);
// table_class_name/3, first that answers: the ttable_i/2 class name while
// temporary-table classes are written (i_is_temp_table), the table itself
// for a named data view, the knowledge-base name in Model (0: the current
// model), the short name.
std::optional<std::string> table_class_name(Run& run, const engine::Term& table, int64_t model);
// table_src_class_name/3: the table number left-padded with "0" to three.
std::string table_src_class_name(const engine::Term& table);
// table_kind_class_name/4: "dbc" or "supc" + the table's name.
std::optional<std::string> table_kind_class_name(Run& run, int64_t model, const engine::Term& table,
                                                 std::string_view kind);
// table_obj/3: "dbo" + the table's name in lower case; base_table_obj/3
// adds the key of the subroutine being written (in_sub_i/1).
std::optional<std::string> table_obj(Run& run, int64_t model, const engine::Term& table);
std::optional<std::string> base_table_obj(Run& run, int64_t model, const engine::Term& table);
// The class of a stored-procedure call ("call"), a read cursor ("f") and an
// update cursor ("d") of the statement Name.
std::string call_class_name(std::string_view name);
std::string fwd_cursor_class_name(std::string_view name);
std::string upd_cursor_class_name(std::string_view name);

// attribute_getter_name/3 and attribute_setter_name/3: "get" / "set" + the
// capitalised attribute name (from the knowledge base for kind ce, else
// get_attri_name/3).
std::optional<std::string> attribute_getter_name(Run& run, int64_t model, const engine::Term& att);
std::optional<std::string> attribute_setter_name(Run& run, int64_t model, const engine::Term& att);

// pgm_unique_name/3: Prefix, the kind letter of pgm_id/1 (V scr, R proc
// while a reorganisation is written, M mnu), its number in base 36 with two
// digits, Suffix; cut to 20 characters. Without pgm_id/1: Prefix + Suffix.
std::string pgm_unique_name(Run& run, std::string_view prefix, std::string_view suffix);
// proc_id_name/3: the method of a user subroutine (Routine a text: "S" +
// number, recorded in subproc_id/3 under its lower-cased name without a
// leading quote) or an event (Routine a list of tokens: "E" + number,
// recorded in proc_id/3). The number is one more than the last one of the
// program, 11 first; a routine met again keeps its name.
std::string proc_id_name(Run& run, const engine::Term& routine);
// numbered_obj_name/3: the current program's name + suffix + Number
// left-padded with "0" to two digits.
std::string numbered_obj_name(const Run& run, int64_t number, std::string_view suffix);

// capitalize/2: first character upper, the others lower (Windows-1252).
std::string capitalize(std::string_view text);
// padl/4: Text padded on the left with Fill to Length; a longer text as it is.
std::string padl(std::string_view text, size_t length, char fill);
// The Java string literal of a text, the one every writer of literals uses:
// between double quotes, with backslashes and double quotes escaped and
// control characters written as escapes. Other bytes stay as they are (the
// sources are Windows-1252, as the compiler reads them), except the five the
// code page leaves undefined, written as Unicode escapes.
std::string java_quoted(std::string_view text);
// java_string_literal/2: java_quoted/1 of the text; a text between single
// quotes loses them first.
std::string java_string_literal(std::string_view text);
// package_dir/1: the option PACKAGE with "." as "\", followed by "\"; empty
// without the option.
std::string package_dir(Run& run);
// target_language/2 and context_args/1. (java_file_extensions/3, ".java"
// for every output, is java_source_extension().)
inline std::pair<std::string, std::string> target_language() { return {"Java", "c"}; }
inline std::string context_args() { return "context, remoteHandle"; }
// generated_model_num/1: the model number of model_i/2.
std::optional<int64_t> generated_model_num(const Run& run);

// --- program names ---------------------------------------------------------
// The letter of each object kind and the program name built from it, and the
// extension of a source file. Every rule that names a class or its file takes
// the name from here.
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
