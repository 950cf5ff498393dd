// Form controls as the SQL and program generators see them: the runtime
// property table (each property's type) and the control type of a form item.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// One row of ctrl_prop_type/2 and ctrl_prop_initial/2: property, type,
// length (decimals 0, sign 0) and the initial value as the rules write it
// ("0", "1", "12", or '' for an empty text).
struct CtrlPropRow {
  const char* property;
  const char* type;
  int64_t length;
  const char* initial;
};
std::span<const CtrlPropRow> ctrl_prop_rows();
// ctrl_prop_type/2: the first row of the property; any other name char 1024.
TypeDesc ctrl_prop_type(std::string_view property);
// Whether the property has a row of its own (not the catch-all).
bool ctrl_prop_listed(std::string_view property);
// ctrl_prop_initial/2: the initial value of a runtime property; "0" for
// Backstyle and Titlebackstyle of web panels and HTTP main programs when
// the option SFL_TRANSPARENCY begins with "Transparent"; any other name ''.
std::string ctrl_prop_initial(Run& run, std::string_view property);

// Design-time properties of a form item's property list, by key (fill,
// back, rect, font, ctlname, align, ...). prop_in_list/3: the first list
// term that decodes for the key; ctrl_prop_value/3: that, else the key's
// default (none for the keys without one, or an unknown key).
std::optional<engine::Term> prop_in_list(Run& run, std::string_view key,
                                         const engine::Term& props);
std::optional<engine::Term> ctrl_prop_value(Run& run, std::string_view key,
                                            const engine::Term& props);

// The support test of a control method (gen_ctrl_method/8): in web panels
// and HTTP main programs only websend( on labels; additem(, clear(,
// sendoptions( and websend( on combo, listbx, dyncombo and dynlistbx;
// additem(, removeitem( and clear( on radio; setfocus( on button, edit,
// combo, listbx, dynlistbx and dyncombo. Elsewhere every method.
bool ctrl_method_supported(Run& run, std::string_view ctl_type, std::string_view method);
// The comment pieces that stand for an unsupported method: "Method" Method
// "not supported for" Type "controls.".
std::vector<std::string> unsupported_method_comment(std::string_view ctl_type,
                                                    std::string_view method);

// to_char_expr/3: an expression's tokens turned into a text by its type:
// numbers str(E, Length, Decimals), dates dtocl(E), date-times ttoc(E),
// any other type unchanged.
engine::Term to_char_expr(const engine::Term& tokens, const TypeDesc& type);

// item_ctrl_type/3 (Item, Context, ControlType): the control type of a form
// item token t(Name, Kind) or subfile column s(Item, _) in the level
// Context (lit_i/4 entries of that level); nullopt when no rule applies.
std::optional<std::string> item_ctrl_type(Run& run, const engine::Term& item,
                                          const engine::Term& context);

}  // namespace qn::logic
