// The menu bar of a web page: the script file of a menu bar, which holds its
// menu tree as an XML text in a JavaScript variable, and the page's scripts
// that load it, build the tree and draw it, with the variable through which
// the chosen item comes back with the posted form.
//
// Facts read: rule_i(0, prop('MENUBAR', M)) of the program; menu_i/6 (Item,
// Parent, Kind, Id, Caption, Options) of the menu-bar object, only Kind m.
// M is used lower-cased everywhere: the file M.js, its variable M + "XML",
// the page's tree M.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "logic/core/run.h"

namespace qn::logic {

// menubar_name/1: the program's menu bar, lower-cased; nullopt without a
// MENUBAR property, or when it is empty or "*None".
std::optional<std::string> menubar_name(const Run& run);
// menu_var_name/2: "menu" + the menu bar's name.
std::optional<std::string> menu_var_name(const Run& run);
// declare_menu_var/0: the menu variable, char(256) kind s, initially the
// empty string, when the program has a menu bar. Always succeeds.
bool declare_menu_var(Run& run);

// write_menubar_file/1: "<M>.js" in the model directory, holding the
// variable M + "XML". Always succeeds (a file that could not be written is
// reported in the error log).
bool write_menubar_file(Run& run, int64_t model, std::string_view menubar);
// write_menu_xml_var/1: "var  <Name> =", one JavaScript string followed by
// "+" per line of the XML text (the items under the first entry of Kind m
// whose Parent is 0, sub-menus nested in their pad), and "''".
bool write_menu_xml_var(Run& run, std::string_view name);
// A text as the inside of a single-quoted JavaScript string: "\" and "'"
// escaped, control characters and every byte above 0x7E as \uXXXX of the
// character the code page gives it.
std::string js_string_text(std::string_view text);
// A text of the menu tree as XML element content: "&" as "&amp;", "<" and
// ">" as "&lt;" and "&gt;".
std::string xml_text(std::string_view text);

// The page's menu scripts, through the HTML text writer; each writes
// nothing without a menu bar and always succeeds.
// gen_menu_script_includes/0: tree.js and mb.js included, each followed by
// a line break.
bool gen_menu_script_includes(Run& run);
// gen_web_menu_script/0: the menu bar's own script included, and the tree
// built from its XML text.
bool gen_web_menu_script(Run& run);
// gen_menubar_build/0: the drawing of the tree.
bool gen_menubar_build(Run& run);

}  // namespace qn::logic
