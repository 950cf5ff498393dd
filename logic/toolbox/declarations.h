// The shared toolbox of the program generators: comment lines and blocks,
// routine ends, the declaration lines of a program's variables, parameter
// names inside local routines, the error-table and operation variables, and
// the hooks of this generator that do nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/out.h"
#include "logic/core/run.h"

namespace qn::logic {

// emit_comment/1: one line "/*" Pieces "*/". A "*/" inside a piece is
// written "* /" so the comment cannot end early. Succeeds even when the
// write fails.
bool emit_comment(Run& run, const std::vector<Piece>& pieces);
// emit_comment_block/1: "/*", each line 3 further in, "*/".
bool emit_comment_block(Run& run, const std::vector<std::vector<Piece>>& lines);
// The same block with its lines flush with "/*" and "*/", as the translator
// writes the generation errors it puts in place of code.
bool emit_flush_comment_block(Run& run, const std::vector<std::vector<Piece>>& lines);
// end_routine/1: the return of Value unless it is "0", "}" one step out and
// an empty line; the routine's parameters (fld_to_dcl_i kind rp),
// in_main_program_i/0 and local_routine_parms_i/1 are removed.
bool end_routine(Run& run, std::string_view value);
// begin_local_routine/3 (Name, ReturnAttribute, Parameters): a routine of
// kind l (a protected method).
bool begin_local_routine(Run& run, const engine::Term& name, const engine::Term& return_attribute,
                         const std::vector<engine::Term>& parms);
// gen_call_stmt/6 (Name, Args): the call of a local routine, its name
// lower-cased and its arguments (tokens separated by t(',', 7)) as they are,
// followed by the piece ";". Fails when an argument cannot be translated.
bool gen_call_stmt(Run& run, std::string_view name, const engine::Term& args);
// end_function/2: the comment "End function" Name, then end_routine/1.
bool end_function(Run& run, std::string_view name, std::string_view value);

// as_to_tok/2: each parameter as a token: t(P, 2) for a number or a name
// without digits (an attribute), t(P, 23) otherwise (a variable).
engine::Term as_to_tok(const engine::Term& parms);

// var_to_dcl/6 for one pending declaration fld_to_dcl_i(Name, Kind, [Att |
// _]): the declared text, the name with one "[]" per dimension of its
// dim rule (a second dimension of 0 counts as none), or "name = value" for
// an fld_initial_i/2 value.
std::string var_to_dcl(Run& run, const engine::Term& name, const engine::Term& att);
// gen_var_declarations/0: every
// pending declaration of kind s, by the rows of the Java type table in
// their order (each at the first row whose type and limits fit it), one
// line: the field visibility, the Java type, var_to_dcl/6 and ";". Each is
// written once and removed. A type the table does not know gets the
// comment "Error: Attribute" Name "type" Type "has an unrecognized type."
// and is removed too; charp is known and is not written. Kinds h, u and rp
// are never written here.
bool gen_var_declarations(Run& run);

// dquote/2: X between double quotes.
std::string dquote(std::string_view x);
// gen_set_errtbl/1 and gen_set_oper/1: Qn_etb (Qn_ope) "=" Name as a Java
// string literal ";".
bool gen_set_errtbl(Run& run, const engine::Term& name);
bool gen_set_oper(Run& run, const engine::Term& name);
// routine_parm_name/2: the name of Var in the local routine being written
// (local_routine_parms_i/1: [u, Var, Name] first, then any [_, Var, Name]);
// a program parameter (parm_names_i/1) keeps its own name.
std::optional<engine::Term> routine_parm_name(const Run& run, const engine::Term& var);
// auxname_c/2: auxname/2, else the attribute's name (get_attri_name/3 in
// the current model; not asked for an "&" variable), else Att itself when
// it is a text.
std::optional<engine::Term> auxname_c(Run& run, const engine::Term& att);
// is_stub_object/1: the program's stub rule rule_i(0, stub(K)) names Kind.
bool is_stub_object(const Run& run, std::string_view kind);

// Hooks of the table, object and print code that do nothing and succeed.
inline bool cancel_check_hook(Run&, const engine::Term&, const engine::Term&) { return true; }
inline bool index_path_hook(Run&, const engine::Term&, const engine::Term&) { return true; }
inline bool print_line_hook(Run&) { return true; }
inline bool table_index_hook(Run&, const engine::Term&, const engine::Term&) { return true; }

}  // namespace qn::logic
