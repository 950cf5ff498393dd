// The page's script: the routine include_jscripts that writes one script
// block at run time (the validation functions the page's inputs asked for,
// the script variables and lines, the prompt windows, the return function
// of a prompt page, the close and clear functions, the refresh timer), the
// validation attributes of the inputs, the links that open a prompt or
// return a row to the opener, and the focus on the active control.
//
// Working facts, cleared when a page starts (reset_page_scripts):
// js_function_ref_i/1 (vinteger, vdecimal, vdate), js_source_i/1 (script
// files to include), js_var_i/2 (Name, Value) and js_line_i/1 (Line); the
// prompts' links, found once a page (js_prompt_link_i/2, js_line_prompt_i/3).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic::web {

// The four working facts of the page's script removed.
void reset_page_scripts(Run& run);

// A text as a JavaScript string between single quotes: a backslash, a
// quote and the line ends escaped.
std::string js_string(std::string_view text);
// The message "badnum" of the current idiom (lit/3), else the text of a
// message not found.
std::string badnum_text(Run& run);

// web_input_validation/6: the attributes of an edit of Type with its
// Picture that check its value when it changes: valid_integer( this) for
// a number without decimals, valid_decimal( this) with decimals, qnvdate(
// ...) for a date or date-time; each registers its function (and
// qnvdate.js). Empty for any other type.
std::string web_input_validation(Run& run, const OptType& type, std::string_view picture);

// prompt_routine_name/3 (Numbers, Level, Name): "prompt_" + the numbers
// joined with "_" + "_" + the level.
std::string prompt_routine_name(const engine::Term& numbers, const engine::Term& level);

// A prompt of the page: rule_i(Level, prompt([Numbers, _, Target, _,
// [Object | Parameters] | _])).
struct PagePrompt {
  engine::Term level;
  std::string function;              // prompt_routine_name/3
  engine::Term target;               // what opens it: a ctlname or a column's token
  engine::Term object;               // the prompted object's token
  std::vector<engine::Term> params;  // the parameters' tokens
  std::optional<int64_t> subfile;    // the subfile of a prompt on a line
  std::optional<engine::Term> opener;  // the lit_i/4 number of the control that opens it
};
std::vector<PagePrompt> page_prompts(Run& run);

// The Link a control opens its prompt with ("javascript:<function>()"),
// for the form item of lit_i/4 entry Lit; none when no prompt names it.
std::optional<std::string> prompt_link(Run& run, const engine::Term& lit);
// The link of a subfile column's cell that opens its prompt on the line:
// tokens of "javascript:<function>('" + <line index> + "')"; none when no
// prompt is on the column.
std::optional<engine::Term> line_prompt_link(Run& run, const engine::Term& column,
                                             int64_t subfile);
// The link of a prompt page's row that hands the row back to the opener:
// tokens of "javascript:QN_js_return(" + the returned values + ")"; none
// when the page returns nothing on a click.
std::optional<engine::Term> row_return_link(Run& run);

// event_handler/3 of the window: onLoad and onFocus (and onBlur under
// REFRESH_TOUT_TRIG FOCUS) when the page has a REFRESH_TOUT; else empty.
std::string window_event_handlers(Run& run);

// prompt_init_noweb/1 (Level): the prompts of a level outside the web (work
// panels, transactions): per prompt the local routine
// "prompt_<numbers>_<level>" that calls the prompted object with the
// prompt's parameters; prompt_link_i(LiteralNumber, Routine) asserted for
// the control that opens it, whose Link the form's writer sets to the
// routine. A prompt of an unknown object gets a comment and no routine.
bool prompt_init_noweb(Run& run, const engine::Term& level);

// The routine include_jscripts, written after the page registered what it
// needs.
bool gen_include_jscripts(Run& run);
// The focus on the active control: its own script element, written by the
// page's end before the form closes.
bool gen_focus_script(Run& run);

}  // namespace qn::logic::web
