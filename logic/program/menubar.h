// The class of a menu bar: its menus, menu items and toolbar buttons, the
// dispatch of a chosen item to its event, the events' code; then the menu
// script of the web pages that show the bar (logic/toolbox/web_menus.h).
//
// Facts read: menu_i/6 (Id, Parent, Type, Name, Caption, Properties), Type m
// (a menu or menu item) or t (a toolbar button), Parent 0 the bar's own
// entry and 1 the bar as the parent of a top menu, Properties a list that
// may hold popup, disabled, checked, separator, tooltip(Text) and
// bitmap(Path); the event header lines b_line_i/6 whose second token is
// t([t('Menubar', _), t(Item, _)], 29).
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_menubar_object/2 (Object, [Kind, Title, Name | Rest]): the class
// "b" + name with its constructors, initMenuBar, menuActionPerformed, the
// events, initialize and the declarations; the file closed, then the menu
// script "<name>.js" of the model directory (lower-cased name).
bool gen_menubar_object(Run& run, int64_t model, int64_t number, const engine::Term& spec);

// The body of initMenuBar: the top menus (Parent 1) and the toolbar buttons
// in fact order, each menu followed by its entries in fact order, so a menu
// is written before the entries that name it. An entry that has entries of
// its own is a menu (getMenu) even without popup. Each entry is written
// once; an entry whose Id is no number or was met before, whose type is
// unknown, or which the bar does not reach (an unknown parent, a parent
// that is no menu, a cycle) is reported in the error log as an entry of
// the menu bar Bar and left out.
bool gen_menu_entries(Run& run, std::string_view bar);

// gen_menu_action_performed/0: "public boolean menuActionPerformed(String
// action)": for each menu-bar event header, in line order, the test of
// the item's lower-cased name and the call of its event method; then
// "return false;".
bool gen_menu_action_performed(Run& run);

}  // namespace qn::logic
