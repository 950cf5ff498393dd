// The creation of a form's controls in the method "screen": one statement
// (and its initialisation lines) per form item, each control declared as a
// class field of its Java class.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// A lit_i/4 entry (Number, Level or container, Item, Properties).
struct FormItem {
  engine::Term number, container, item, props;
};
// The lit_i/4 entries in fact order.
std::vector<FormItem> form_items(Run& run);
// The kind of control an item is: label, rect, button, bitmap, subfile,
// tabcontrol, tabpage, window, or the ctrltype of an attribute or variable
// (edit when it has none; bitmap for a bits one); nullopt for any other.
std::optional<std::string> form_item_kind(Run& run, const FormItem& f);
// An attribute or variable token t(Name, 2|23).
bool attvar_item(const engine::Term& item);
// The Java field of an item: prefix and ctlname (else its number), or the
// prefix and name of an attribute or variable.
std::string form_item_field(Run& run, const FormItem& f);
// The type of the attribute or variable an item shows.
struct ShownType {
  engine::Term type;
  int64_t length = 0, decimals = 0;
};
std::optional<ShownType> shown_type(Run& run, const engine::Term& name);
// "GUIObject" + the capitalised Java type name of the shown type.
std::string gui_object_class(const ShownType& t);

// subfile_control_name/2: "sub" + the ctlname of the subfile N's item
// s(N), else its lit_i/4 number (else N when the form has no such item).
std::string subfile_control_name(Run& run, const engine::Term& subfile);
// The position of a subfile column s(Item, N) among the columns of N, in
// lit_i/4 order, counting from 0 (0 when the form has no such column).
int64_t subfile_column_position(Run& run, const engine::Term& column);
// "<sub>.getColumn(<position>)" of a subfile column.
std::string subfile_column_ref(Run& run, const engine::Term& column);

// gen_ctl_create/4 (Number, Container, Item, Properties); an item that no
// rule takes writes the generation-error line and the form goes on.
bool gen_ctl_create(Run& run, const FormItem& f);

}  // namespace qn::logic
