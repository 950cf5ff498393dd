// Form controls in Java expressions and statements: control field names,
// property accessors, control methods, and the assignment of a value to a
// control, a control property or a variable.
//
// A control reference is a form item token t(Name, Kind) or a subfile column
// s(t(Name, Kind), Subfile). The level whose form items are searched is the
// first context value of the translation ([] for any level).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// token_ctl_name/2: the control part of a field name.
std::string token_ctl_name(Run& run, const engine::Term& token);
// control_java_name/4: the Java field of a control: its type prefix and its
// name; "this" for no token.
std::string control_java_name(Run& run, const engine::Term& context, std::string_view ctl_type,
                              const engine::Term& token);

// control_property_method/4: getter and setter of a property on a control
// type ("" for a property that cannot be set); the special rows apply
// outside web objects only.
struct Accessor {
  std::string getter;
  std::string setter;
};
std::optional<Accessor> control_property_method(std::string_view property,
                                                std::string_view ctl_type, bool web);
// The rows of the general accessor table (property, getter, setter).
struct AccessorRow {
  const char* property;
  const char* getter;
  const char* setter;
};
std::span<const AccessorRow> accessor_rows();

// gen_ctl_property/6: reading (mode get) or the opening of setting (mode
// set) a control property, with the property's type. A set text that ends
// with "(" is a setter call the caller closes with the value and ");"; any
// other set text is a program variable assigned as usual. nullopt (and the
// comment "* Property <name> not supported in") when no rule serves it.
std::optional<JavaText> gen_ctl_property(Run& run, const engine::Term& control,
                                         const engine::Term& property, std::string_view mode,
                                         const engine::Term& context = engine::Term());

// control_method_java/2.
std::optional<std::string> control_method_java(std::string_view key);
// ctl_method_expr/7: a control method inside an expression; Tokens is the
// value of the kind-31 token: [t(Control, K), Method, argument tokens ...].
std::optional<JavaText> ctl_method_expr(Run& run, const engine::Term& tokens, const ExprCtx& ctx);
// gen_ctl_method_stmt/9: a control method as a statement.
bool gen_ctl_method_stmt(Run& run, const engine::Term& tokens, const ExprCtx& ctx);

// gen_control_set/6: the assignment of Value to Target (Ref its Java
// reference, or the opening of its setter for TargetKind 29).
bool gen_control_set(Run& run, const OptType& target_type, const engine::Term& target,
                     const std::string& ref, const JavaText& value, int64_t target_kind);

// raise_event_ref/4: a RaiseEvent<name> identifier writes the user event's
// code and stands for ""; any other identifier is left as it is.
std::string raise_event_ref(Run& run, std::string_view ident);

}  // namespace qn::logic
