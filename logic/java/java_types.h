// Model data types in generated Java: the Java variable type of a type
// descriptor, JDBC type constants, wrappers and holders, typed constants,
// casts, and the accessor calls of prepared statements and result sets.
//
// A model type is an atom (int, pac, zon, bin, char, vchar, svchar, bits,
// date, dtime, boolean, filep, blob) or obj(Class); lengths and decimals are
// integers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// One row of java_var_type/5 (kind s): a model type (nullptr: obj(Class),
// whose Java type is Class), its limits and its Java type.
struct JavaVarTypeRow {
  const char* type;
  int64_t max_length;
  int64_t max_decimals;
  const char* java_type;
};
// The rows in table order; the numeric rows stand for int, pac, zon and bin.
std::span<const JavaVarTypeRow> java_var_type_rows();
// The model type matches the row's type (a numeric row takes every numeric type).
bool java_var_type_row_matches(const JavaVarTypeRow& row, const engine::Term& type);

// get_c_type/4: the Java type of the first row whose limits hold Length and
// Decimals; "Undefined" for a type without a row.
std::string get_c_type(const engine::Term& type, int64_t length, int64_t decimals);
// java_type_name/4: "Date" for date and dtime, "BLOBFile" for blob, else get_c_type/4.
std::string java_type_name(const engine::Term& type, int64_t length, int64_t decimals);
// The accessor type name: "Timestamp" for date and dtime, else get_c_type/4.
std::string accessor_type_name(const engine::Term& type, int64_t length, int64_t decimals);
// jdbc_type/4: the java.sql.Types constant; nullopt for a type without a row.
std::optional<std::string> jdbc_type(Run& run, const engine::Term& type, int64_t length,
                                     int64_t decimals);

// The wrapper class of a primitive Java type (Byte ... Double); nullopt otherwise.
std::optional<std::string> wrapper_class(std::string_view java_type);
// The smallest value of a primitive Java type ("Integer.MIN_VALUE" ...).
std::optional<std::string> min_value(std::string_view java_type);
// The runtime's type constant of a model type ("QNTypeConstants.NUMERIC" ...).
std::optional<std::string> qn_type_constant(const engine::Term& type);

// holder_class/3: a holder class of by-reference values with its setter and
// getter ("setValue", "getValue"); and the model type it holds.
struct HolderClass {
  std::string name, setter, getter;
  engine::Term type;  // [Type, Length, Decimals, 0]
};
std::optional<HolderClass> holder_class(std::string_view name);
// get_qnnum_obj/4: "QN" + the capitalised java_type_name/4; fails while a
// call of kind int is built (call_type_i(int)).
std::optional<std::string> get_qnnum_obj(const Run& run, const engine::Term& type, int64_t length,
                                         int64_t decimals);

// The constant of a value in a type: numbers as they are, texts as
// Java string literals (java_quoted/1), dates localUtil.ctod("v"), date-times
// localUtil.ctot("v").
std::string type_constant(const engine::Term& type, std::string_view value);
// new_holder_expr/5: "new " Wrapper "(" value ")" with the value cast
// (cast_expr/3) unless the Java type is int; the constant alone for String
// and Date.
std::string new_holder_expr(const engine::Term& type, int64_t length, int64_t decimals,
                            std::string_view value);
// std_null_var/2: the Java text and type descriptor [Type, Length,
// Decimals, 0] of a standard constant; nullopt for any other name.
struct StdNullVar {
  std::string java;
  engine::Term type;
};
std::optional<StdNullVar> std_null_var(std::string_view name);

// cast_expr/3 (TypeDesc [Type, Length, Decimals | _]): [Expr] for a fixed
// character type, else ["(", JavaType, ")(", Expr, ")"].
std::vector<std::string> cast_expr(const engine::Term& type_desc, std::string_view expr);

// stmt_setter_call/7: the line that sets parameter Column of Stmt to Value;
// StmtKind call marks a stored-procedure call. A type without a setter
// writes the comment "/* -> undefined parameter type */" and fails.
bool stmt_setter_call(Run& run, std::string_view stmt_kind, const engine::Term& type,
                      int64_t length, int64_t decimals, std::string_view stmt,
                      std::string_view column, std::string_view value);
// rslt_getter_call/7: the expression that reads Column of the result set Rs;
// nullopt for a type without a getter.
std::optional<std::string> rslt_getter_call(Run& run, std::string_view stmt_kind,
                                            const engine::Term& type, int64_t length,
                                            int64_t decimals, std::string_view column,
                                            std::string_view rs);

}  // namespace qn::logic
