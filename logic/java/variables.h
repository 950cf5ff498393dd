// The variables a program declares. Rules register them here as they write
// code; the declaration writer puts the lines at the end of the class from
// these facts:
//   fld_to_dcl_i(Name, Kind, [Attribute, Type, Length, Decimals, Flag])
//   fld_initial_i(Name, Value), var_def_i(Name, Number), var_used_i(Name)
//   attri_i(Name, [Name, Type, Length, Decimals, '', Flag]) for a declared name
// Kinds: s statement variable, h held by the class (never written by the
// declaration writer), u declared by the caller, rp a routine parameter.
// A type descriptor is [Type, Length, Decimals, Flag].
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// declare_var/4: declare_var_as/5 with the name as its own attribute.
bool declare_var(Run& run, const engine::Term& name, const engine::Term& type_desc,
                 std::string_view kind, const engine::Term& initial);
// declare_var_as/5: attri_i/2 of Name unless present, record_var_decl/3,
// and the assignment of Initial unless it is [] (assign_var/2).
bool declare_var_as(Run& run, const engine::Term& name, const engine::Term& att,
                    const engine::Term& type_desc, std::string_view kind,
                    const engine::Term& initial);
// record_var_decl/3, first rule that applies: an is_i/2 name or a name
// beginning with "*" records nothing; a name already recorded keeps its
// record when the kind is the same or the old kind is h or rp; kind h
// replaces another kind's record (moved to the end); a standard variable or
// described attribute is recorded with its type; any other attribute with
// its knowledge-base type and flag 1, and gets its attri_i/2 entry. Fails
// only for an attribute without any type.
bool record_var_decl(Run& run, const engine::Term& att, const engine::Term& name,
                     std::string_view kind);
// temp_var/3: usage n gives none; usage u reuses a temporary of the program
// not used in the current statement whose type fits (two fixed-length
// strings or two vchars, the declaration widened to the longer; or the same
// Java cast); otherwise a new one, "QNt_" + type name + the program's next
// number, declared with kind s. The temporary is marked used.
std::optional<std::string> temp_var(Run& run, std::string_view usage,
                                    const engine::Term& type_desc);
// auxname/2: the parameter's p_auxname/2, else the Java name of the
// variable token of an is_i/2 name; nullopt otherwise.
std::optional<std::string> auxname(Run& run, const engine::Term& att);
// var_target_ref/4 (Name, Levels, Scope): the Java reference of a variable.
// A variable of the current subfile element is its element's getter;
// otherwise, first that answers: the reference paired with Name in Levels
// ([Name, Reference] with a text reference); with Levels [] its auxiliary
// name; the table-qualified column when Levels pairs Name with a table
// ([Name, Table], att_ref_name/4 with "->"); the attribute's name (an
// undescribed "&" variable without its "&"). Unless Scope is nodec the
// reference is recorded with kind s as the declared name of the variable
// (fld_to_dcl_i(Reference, s, [Name | _])), so the class declares what the
// code uses; a reference that is no Java identifier records nothing.
std::string var_target_ref(Run& run, const engine::Term& name, const engine::Term& levels,
                           std::string_view scope);
// get_att_var/2: the auxiliary variable of an attribute, recorded with kind s.
std::optional<std::string> get_att_var(Run& run, const engine::Term& att);
// declare_ctl_var/2: the variable behind a form control named W..., O...,
// l..., L..., X... or E... is declared with the attribute's type (kind s);
// other controls have none. Fails for an attribute without a type.
bool declare_ctl_var(Run& run, const engine::Term& control, const engine::Term& att);
// parm_var_ref/3: Ref in every case.
inline std::string parm_var_ref(const engine::Term&, std::string_view ref) {
  return std::string(ref);
}
// sql_var_ref/3: Ref; a variable that is no element of the subfile of the
// current SQL level (sql_level_i/1, subfile_elements_i/2) has Ref recorded
// with kind s, as var_target_ref/4 records it.
std::string sql_var_ref(Run& run, const engine::Term& var, std::string_view ref);

// gen_nullvalue/2 (Variable, Reference): the variable set to its empty
// value, nullvalue(Variable): an array element by element (gen_array_loop/6
// over its dimensions), anything else at once. Nullopt when the variable
// has no reference or the assignment could not be written.
std::optional<std::string> gen_nullvalue(Run& run, const engine::Term& variable);

// read_committed_flag/1: the readOnly text handed to data objects.
std::string read_committed_flag(Run& run);
// The visibility of a declared field of class JavaClass: "protected" for a
// remote object variable (is_remote_object/1, consumed), "public" in the
// client part of a transaction for QNSubfile, GUIObject and IQNButton
// objects (first nine characters), else "protected".
std::string field_visibility(Run& run, const engine::Term& name, std::string_view java_class);

}  // namespace qn::logic
