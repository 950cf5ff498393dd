// The translator's type adapter: the predicates of other modules that take
// or give descriptor terms, answered in TypeDesc and C++ values: the Java
// naming module (variables, temporaries, casts, standard constants), the
// DBMS of the data store, and the date formats and user events of the
// toolbox. Where a callee fails (or gives nothing), the answer is empty and
// the translator's chain goes on to its next rule, as the rule program does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic::typed {

// var_target_ref/4 (Name, no levels, scope dec): the Java reference of a
// variable or attribute, recorded as a variable of the program.
std::optional<std::string> var_target_ref(Run& run, const engine::Term& name);
// temp_var/3 with usage u: a temporary of the type, marked used.
std::optional<std::string> temp_var(Run& run, const TypeDesc& type);
// cast_expr/3: the numeric cast of an expression to the type.
std::optional<std::string> cast_expr(const TypeDesc& type, std::string_view expr);
// std_null_var/2: the Java text and type of a standard constant.
struct StdConst {
  std::string java;
  TypeDesc type;
};
std::optional<StdConst> std_null_var(std::string_view name);
// get_c_type/4: the Java type of a model type ("Undefined" when none).
std::optional<std::string> java_var_type(const TypeDesc& type);
// declare_var/4 (Name, Type, Kind, no initial value).
bool declare_var(Run& run, std::string_view name, const TypeDesc& type, std::string_view kind);

// The DBMS name of data store 1.
std::optional<std::string> dbms_name(Run& run);
// date_format_code/2 (a date's length) and ctod_date_fmt/1 (the model's date
// order) of the toolbox.
std::optional<int64_t> date_format_code(Run& run, int64_t length);
std::optional<int64_t> ctod_date_fmt(Run& run);
// gen_user_event/2 of the toolbox: the code of the user event Name.
bool gen_user_event(Run& run, std::string_view name);

}  // namespace qn::logic::typed
