// How model functions, fixed values, operators on dates and texts,
// comparisons, conversions, empty values and numeric constants are written
// in Java: the program's vocabulary of runtime-library names (QNutil,
// localUtil, UIFactory, PrivateUtilities, DelimitedFiles, XMLFunctions,
// com.quenora.webpanels.QNWebPanel). The expression translator asks here
// (logic/program/expressions.h) and hands over translated JavaText.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// One parameter of a model function: its type descriptor ([] for the first
// parameter of the server-clock functions, filled by the caller) and whether
// the runtime method writes it (by reference).
struct FnParm {
  OptType type;
  bool by_ref = false;
};

// The object a row of the function table is limited to.
enum class FnCond { kAny, kWebPanel, kNotWebPanel, kPanelOrTrn, kXml, kXmlHttp, kXmlOther };

// One row of the function table: its keys and, key for key, the Java
// methods (one method for all keys when only one is given). `parms2` are the
// parameters of the second and later keys when they differ (xmlendelement().
struct JavaFunctionRow {
  std::vector<const char*> keys;
  std::vector<const char*> java;
  std::vector<FnParm> parms;
  OptType result;
  FnCond cond = FnCond::kAny;
  const char* alias = nullptr;  // the row is that key's row ("FormatDouble(" as "str(")
  std::optional<std::vector<FnParm>> parms2 = std::nullopt;
};

// One answer of java_function/4: the Java method, parameters, result, and
// whether the program variable xml must be declared first.
struct JavaFunction {
  std::string key;  // the key whose row answered (an alias row's own key)
  std::string java;
  std::vector<FnParm> parms;
  OptType result;
  bool xml = false;
};

// The function table in its order.
std::span<const JavaFunctionRow> java_function_rows();
// java_function/4: the row of Key for the current object. Rows sharing a key
// are taken by their condition (object kind) first, then the first whose
// first parameter has the type of the first argument, else the first.
// nullopt for a key the table does not hold.
std::optional<JavaFunction> java_function(Run& run, std::string_view key, const OptType& first_arg);
// len_function/4: the one row of "len(".
JavaFunction len_function();

// fixed_value_function/4: the Java text and result of a function whose Java
// is a constant ("count(" ... "dspmode(").
struct FixedValue {
  const char* key;
  TypeDesc result;
  const char* java;
};
std::span<const FixedValue> fixed_value_rows();
std::optional<FixedValue> fixed_value_function(std::string_view key);

// The object kind of the program being written (pgm_id/1), and the kinds
// the rules test.
std::string pgm_kind(const Run& run);
bool web_object(Run& run);  // a web panel or an HTTP main program
bool web_panel(const Run& run);

// java_date_arith/7: an operation on dates, date-times, texts, a power or a
// division; nullopt when none of its rows applies.
std::optional<JavaText> java_date_arith(Run& run, const JavaText& left, std::string_view op,
                                        const JavaText& right);
// java_compare_expr/6: a comparison by the (merged) type of the operands;
// `op` is the Java operator of the operator table.
std::vector<std::string> java_compare_expr(const OptType& type, const JavaText& left,
                                           std::string_view op, const JavaText& right);
// conv_to_type/4: the text of a value of type Source as a value of Target:
// unchanged where no conversion is needed, else cast.
std::string conv_to_type(const OptType& target, const OptType& source, const std::string& text);
// empty_value/3: the Java empty value of a type.
std::string empty_value(const OptType& type);
// number_literal_text/3: the Java text of a numeric constant of the type.
std::string number_literal_text(std::string_view number, const OptType& type);

}  // namespace qn::logic
