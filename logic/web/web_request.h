// The request cycle of a web panel, as routines of its class: the page
// routine WB, the start routine WS, the end routine WE, the parameter
// routine PA, Refresh and one RF routine per level; the names of the
// form's controls and the reading of a posted value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic::web {

// process_form_literals/0: every lit_i/4 entry, in order, loses an empty
// ctlname(''); a label, button, subfile or bitmap without a name gets
// ctlname(<prefix><number>) first in its property list (lbl12, btt3, sub4,
// img5).
void process_form_literals(Run& run);

// call_liti/4: the form literal of a number (lit_i(Number, Level, Item,
// Properties)), or none.
std::optional<engine::Term> call_liti(Run& run, const engine::Term& number);

// web_ctl_name/2: the HTML name of a control: its ctlname, else for an
// attribute or variable the option web_var_control_name_prefix (default
// "_") and its name; in upper case.
std::string web_ctl_name(Run& run, const engine::Term& item, const engine::Term& props);

// posted_value_tokens/6: the tokens that read the posted value of control
// Name into a target of Type: a checkbox iif(val(CGIGet(C)) = 1, Checked,
// Unchecked); numbers val(CGIGet(C)); dates ctodl(...); date-times ctotl(...);
// others CGIGet(C); an upper-case picture of an edit wraps it in upper(...).
struct PostedControl {
  std::string kind;       // the control type (edit, checkbox, ...)
  std::string picture;    // the attribute's picture
  engine::Term checked;   // a checkbox's values, as constants
  engine::Term unchecked;
};
engine::Term posted_value_tokens(const engine::Term& name_tokens, const OptType& type,
                                 const PostedControl& control);

// The routines' names: pgm_unique_name/3 of WB, WS, WE, PA, RF and the
// level.
std::string routine_name(Run& run, std::string_view prefix, const engine::Term& level);
// sfl_idx_var/2 and sfl_char_index_var/2: the line index of subfile N
// (int(4)) and its text of four digits (char(25)).
std::string sfl_idx_var(const std::string& subfile);
std::string sfl_char_index_var(const std::string& subfile);
// The refresh flag of a level: "Rfr" + its absolute number + "gs".
std::string refresh_flag(const engine::Term& level);

// gen_web_main/3 (Kind, FirstLevel, Object): every routine of the request
// cycle; nothing for an object that is neither a web panel nor an HTTP main
// program.
bool gen_web_main(Run& run, const engine::Term& kind, const engine::Term& first_level);

// The routine calls of webExecute: PA first, then (after the formulas) WS
// and WE.
bool gen_pa_call(Run& run, const engine::Term& first_level);
bool gen_ws_we_calls(Run& run, const engine::Term& first_level);

// The prefix the form's naming gives an unnamed item of its kind (label
// "lbl", button "btt", subfile "sub", bitmap "img"), and the name it gives a
// literal: that prefix and its number ("" for kinds it does not name).
std::optional<std::string> unnamed_prefix(const engine::Term& item);
std::string default_ctl_name(const engine::Term& lit);

}  // namespace qn::logic::web
