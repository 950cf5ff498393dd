// Form controls as the SQL and program generators see them: the runtime
// property table (each property's type) and the control type of a form item.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// One row of ctrl_prop_type/2: property, type, length (decimals 0, sign 0).
struct CtrlPropRow {
  const char* property;
  const char* type;
  int64_t length;
};
std::span<const CtrlPropRow> ctrl_prop_rows();
// ctrl_prop_type/2: the first row of the property; any other name char 1024.
TypeDesc ctrl_prop_type(std::string_view property);
// Whether the property has a row of its own (not the catch-all).
bool ctrl_prop_listed(std::string_view property);

// item_ctrl_type/3 (Item, Context, ControlType): the control type of a form
// item token t(Name, Kind) or subfile column s(Item, _) in the level
// Context (lit_i/4 entries of that level); nullopt when no rule applies.
std::optional<std::string> item_ctrl_type(Run& run, const engine::Term& item,
                                          const engine::Term& context);

}  // namespace qn::logic
