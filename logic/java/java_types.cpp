#include "logic/java/java_types.h"

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kAny = 999999;

constexpr JavaVarTypeRow kJavaVarTypes[] = {
    {"numeric", 2, 0, "byte"},
    {"numeric", 4, 0, "short"},
    {"numeric", 9, 0, "int"},
    {"numeric", 19, 0, "long"},
    {"numeric", kAny, kAny, "double"},
    {"char", kAny, kAny, "String"},
    {"dtime", kAny, kAny, "java.util.Date"},
    {"date", kAny, kAny, "java.util.Date"},
    {"boolean", kAny, kAny, "boolean"},
    {"vchar", kAny, kAny, "String"},
    {"svchar", kAny, kAny, "String"},
    {"bits", kAny, kAny, "String"},
    {"filep", kAny, kAny, "int"},
    {nullptr, kAny, kAny, nullptr},  // obj(Class): Class
};

bool is_obj(const Term& type) {
  return type.is_compound() && type.functor() == "obj" && type.arity() == 1;
}

int64_t int_at(const std::vector<Term>& items, size_t i) {
  return i < items.size() && items[i].is_int() ? items[i].as_int() : 0;
}

}  // namespace

std::span<const JavaVarTypeRow> java_var_type_rows() { return kJavaVarTypes; }

bool java_var_type_row_matches(const JavaVarTypeRow& row, const Term& type) {
  if (row.type == nullptr) return is_obj(type);
  if (std::string_view(row.type) == "numeric") return numeric_type(type);
  return type == row.type;
}

std::string get_c_type(const Term& type, int64_t length, int64_t decimals) {
  for (const JavaVarTypeRow& row : kJavaVarTypes) {
    if (!java_var_type_row_matches(row, type)) continue;
    if (length > row.max_length || decimals > row.max_decimals) continue;
    return row.java_type ? row.java_type : text_of(type.arg(1));
  }
  return "Undefined";
}

std::string java_type_name(const Term& type, int64_t length, int64_t decimals) {
  if (type == "date" || type == "dtime") return "Date";
  if (type == "blob") return "BLOBFile";
  return get_c_type(type, length, decimals);
}

std::string accessor_type_name(const Term& type, int64_t length, int64_t decimals) {
  if (type == "date" || type == "dtime") return "Timestamp";
  return get_c_type(type, length, decimals);
}

std::optional<std::string> jdbc_type(Run& run, const Term& type, int64_t, int64_t) {
  const auto dbms_is = [&](std::string_view d) {
    auto m = model_dbms(run);
    return m && *m == d;
  };
  const auto driver_is = [&](std::string_view d) {
    auto m = model_driver(run);
    return m && *m == d;
  };
  // Rows in their order; "pack" is never reached, as pac is numeric.
  if (numeric_type(type)) return "Types.NUMERIC";
  if (type == "pack") return "Types.DECIMAL";
  if (type == "char") return dbms_is("as400") ? "Types.CHAR" : "Types.VARCHAR";
  if (type == "date") {
    if (dbms_is("as400")) return "Types.CHAR";
    if (driver_is("qeoracle7") || driver_is("qesqlserver")) return "Types.TIMESTAMP";
    return "Types.DATE";
  }
  if (type == "dtime") return "Types.TIMESTAMP";
  if (type == "boolean") return "Types.BIT";
  if (type == "vchar") return driver_is("db2400") ? "Types.VARCHAR" : "Types.LONGVARCHAR";
  if (type == "svchar" || type == "bits") return "Types.VARCHAR";
  return std::nullopt;
}

std::optional<std::string> wrapper_class(std::string_view java_type) {
  static const std::pair<const char*, const char*> rows[] = {{"byte", "Byte"},
                                                             {"short", "Short"},
                                                             {"int", "Integer"},
                                                             {"long", "Long"},
                                                             {"double", "Double"}};
  for (const auto& [t, w] : rows) {
    if (java_type == t) return std::string(w);
  }
  return std::nullopt;
}

std::optional<std::string> min_value(std::string_view java_type) {
  auto w = wrapper_class(java_type);
  if (!w) return std::nullopt;
  return *w + ".MIN_VALUE";
}

std::optional<std::string> qn_type_constant(const Term& type) {
  if (numeric_type(type)) return "QNTypeConstants.NUMERIC";
  static const std::pair<const char*, const char*> rows[] = {{"char", "CHAR"},
                                                             {"svchar", "VARCHAR"},
                                                             {"vchar", "LONGVARCHAR"},
                                                             {"dtime", "DATETIME"},
                                                             {"date", "DATE"}};
  for (const auto& [t, c] : rows) {
    if (type == t) return std::string("QNTypeConstants.") + c;
  }
  return std::nullopt;
}

std::optional<HolderClass> holder_class(std::string_view name) {
  static const struct {
    const char* name;
    const char* type;
    int64_t length, decimals;
  } rows[] = {
      {"QNInt", "int", 9, 0},     {"QNShort", "int", 4, 0},        {"QNLong", "int", 19, 0},
      {"QNFloat", nullptr, 0, 0}, {"QNDouble", "int", kAny, kAny}, {"QNByte", "int", 2, 0},
      {"QNString", "char", 1, 0}, {"QNDate", "date", 8, 0},
  };
  for (const auto& r : rows) {
    if (name != r.name) continue;
    // QNFloat holds no model type of its own.
    Term type =
        r.type ? Term::list({atom(r.type), num(r.length), num(r.decimals), num(0)}) : Term::nil();
    return HolderClass{r.name, "setValue", "getValue", type};
  }
  return std::nullopt;
}

std::optional<std::string> get_qnnum_obj(const Run& run, const Term& type, int64_t length,
                                         int64_t decimals) {
  if (run.facts().exists(fact("call_type_i", {atom("int")}))) return std::nullopt;
  return "QN" + capitalize(java_type_name(type, length, decimals));
}

std::string type_constant(const Term& type, std::string_view value) {
  if (type == "date") return "localUtil.ctod(" + java_quoted(value) + ")";
  if (type == "dtime") return "localUtil.ctot(" + java_quoted(value) + ")";
  if (numeric_type(type)) return std::string(value);
  return java_quoted(value);
}

std::string new_holder_expr(const Term& type, int64_t length, int64_t decimals,
                            std::string_view value) {
  const std::string java = get_c_type(type, length, decimals);
  const std::string constant = type_constant(type, value);
  auto wrapper = wrapper_class(java);
  if (!wrapper) return constant;
  std::string inner;
  if (java == "int") {
    inner = constant;
  } else {
    for (const std::string& p : cast_expr(Term::list({type, num(length), num(decimals)}), constant))
      inner += p;
  }
  return "new " + *wrapper + "(" + inner + ")";
}

std::optional<StdNullVar> std_null_var(std::string_view name) {
  const auto desc = [](const char* type, int64_t length, int64_t decimals) {
    return Term::list({atom(type), num(length), num(decimals), num(0)});
  };
  if (name == "QNutil.nullDate()") return StdNullVar{std::string(name), desc("date", 8, 0)};
  if (name.starts_with("QNutil.replicate"))
    return StdNullVar{std::string(name), desc("char", 8, 0)};
  static const struct {
    const char* name;
    const char* java;
    const char* type;
    int64_t length, decimals;
  } rows[] = {
      {"Qnnewline", "QN_nl", "char", 4, 0},
      {"Qnnullvchar", "QN_null_vchar", "vchar", 1, 0},
      {"Qnnulldtime", "QN_null_dtime", "dtime", 10, 8},
      {"Qnnulldate", "QN_null_date", "date", 8, 0},
      {"Qnnullchar", "QN_null_char", "char", 1, 0},
      {"Qnnullsvchar", "QN_null_svchar", "svchar", 1, 0},
  };
  for (const auto& r : rows) {
    if (name == r.name) return StdNullVar{r.java, desc(r.type, r.length, r.decimals)};
  }
  return std::nullopt;
}

std::vector<std::string> cast_expr(const Term& type_desc, std::string_view expr) {
  const auto items = type_desc.list_items();
  const Term type = items.empty() ? Term::nil() : items[0];
  if (fixchar_type(type)) return {std::string(expr)};
  return {"(", get_c_type(type, int_at(items, 1), int_at(items, 2)), ")(", std::string(expr), ")"};
}

namespace {

// The numeric accessors of a stored-procedure call go through BigDecimal
// when the model's database system is as400 and the type is int.
bool call_through_big_decimal(Run& run, std::string_view stmt_kind, const Term& type) {
  if (stmt_kind != "call" || !(type == "int")) return false;
  auto dbms = model_dbms(run);
  return dbms && *dbms == "as400";
}

}  // namespace

bool stmt_setter_call(Run& run, std::string_view stmt_kind, const Term& type, int64_t length,
                      int64_t decimals, std::string_view stmt_sv, std::string_view col_sv,
                      std::string_view value_sv) {
  const std::string stmt(stmt_sv), col(col_sv), value(value_sv);
  const std::string name = capitalize(accessor_type_name(type, length, decimals));
  std::string line;
  if (numeric_type(type) && !call_through_big_decimal(run, stmt_kind, type)) {
    line = stmt + ".set" + name + "(" + col + ", " + value + ");";
  } else if (numeric_type(type)) {
    line = stmt + ".setBigDecimal(" + col + ", new java.math.BigDecimal(" + value + ").setScale(" +
           std::to_string(decimals) + ", java.math.BigDecimal.ROUND_HALF_DOWN));";
  } else if (type == "svchar" && !pgm_prop_is(run, "truncatecharparm", "0")) {
    line = stmt + ".setVarchar(" + col + ", " + value + ");";
  } else if (fixchar_type(type)) {
    line = stmt + ".setString(" + col + ", " + value + ", " + std::to_string(length) + ");";
  } else if (type == "vchar") {
    line = stmt + ".setLongVarchar(" + col + ", " + value + ");";
  } else if (type == "dtime") {
    line = stmt + ".setDateTime(" + col + ", " + value + (length == 0 ? ", true);" : ", false);");
  } else if (type == "date") {
    line = stmt + ".setDate(" + col + ", " + value + ");";
  } else if (type == "blob") {
    line = stmt + ".setBLOBFile(" + col + ", " + value + ");";
  } else {
    // The bare "-> undefined parameter type" would not be Java.
    Out(run).pieces({"/* -> undefined parameter type */"});
    return false;
  }
  return Out(run).pieces({line}).ok();
}

std::optional<std::string> rslt_getter_call(Run& run, std::string_view stmt_kind, const Term& type,
                                            int64_t length, int64_t decimals,
                                            std::string_view col_sv, std::string_view rs_sv) {
  const std::string rs(rs_sv), col(col_sv);
  if (type == "blob") return rs + ".getBLOBFile(" + col + ")";
  const std::string java = accessor_type_name(type, length, decimals);
  if (numeric_type(type) && !call_through_big_decimal(run, stmt_kind, type)) {
    return rs + ".get" + capitalize(java) + "(" + col + ")";
  }
  if (numeric_type(type)) {
    return rs + ".getBigDecimal(" + col + ", " + std::to_string(decimals) + ")." +
           platform::lower_1252(java) + "Value()";
  }
  if (fixchar_type(type)) return rs + ".getString(" + col + ", " + std::to_string(length) + ")";
  if (type == "vchar") return rs + ".getLongVarchar(" + col + ")";
  if (type == "dtime" && length == 0) return rs + ".getQNDateTime(" + col + ")";
  if (type == "date") return rs + ".getQNDate(" + col + ")";
  return std::nullopt;
}

}  // namespace qn::logic
