// The standard and prompt buttons of transactions and the no-accept rules
// that keep their keys read-only: the facts prepared before a transaction's
// class is written (buttons beside fields, their event lines, no-accept
// rules, checkbox defaults), and the statements the class writes for them
// (the Enter button's caption or bitmap by mode, the routine that disables
// the standard buttons, the focus on Enter, the prompt routines outside the
// web).
//
// Working facts written: lit_i/4 (the added buttons), b_line_i/6 (their
// events), rule_i/2 (no-accept rules, prompt rules retracted), default_i/1
// (checkbox defaults).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/web/page_scripts.h"

namespace qn::logic {

// The caption message and the image property (with its default image) of
// the Enter button in a mode: add, update, confirm or delete.
struct EnterButtonLook {
  std::string_view mode;
  std::string_view caption_key;     // captionadd ...
  std::string_view image_property;  // ADD_BUTTON ...
  std::string_view default_image;   // qnconfirm_add.gif ...
};
const EnterButtonLook* enter_button_look(std::string_view mode);

// no_user_mode_keys/0: the first level does not pass the user-mode key
// check (level_atts_mode_check/1 with u): the program leaves the keys to
// the form, so it gets a get button.
bool no_user_mode_keys(Run& run);

// The prompt routines are the page scripts' (prompt_routine_name/3: named
// by the prompt's numbers and level; prompt_init_noweb/1: the routines of a
// level's prompts), one naming for buttons, key handler and routines.
using web::prompt_init_noweb;
using web::prompt_routine_name;

// add_form_button/6 (Attribute, Bitmap, Width, Gap, Name, Code): a button
// beside the first control showing the attribute (t(Attribute, 2), or a
// variable t(&Name, 23)), on that control's level: its rectangle keeps the
// control's top and bottom and runs from its right edge + Gap for Width
// points; its event is three command lines numbered N, N + 1, N + 2 (N the
// first number with all three free): the header, the code as user code,
// the end. The literal takes the first free number from 1. False, with the
// error reported, when the attribute has no control or the control no
// rectangle; nothing is asserted then.
bool add_form_button(Run& run, const engine::Term& att, std::string_view bitmap, int64_t width,
                     int64_t gap, std::string_view name, std::string_view code);

// add_noaccept_key/1 (Level): every key attribute of the level (third
// element of its level_i/2 list) is not accepted in delete mode, then in
// update mode: the first no-accept rule of the attribute gets ".OR. delete"
// (".OR. update") on its condition; without one, rule_i(1, rule([a(3,
// [t(A, 2)])], [delete], [update, delete, insert], [])) is asserted. A rule
// without condition holds in every mode already and is left as it is.
void add_noaccept_key(Run& run, const engine::Term& level);

// prepare_trn_buttons/0: once before a transaction's class is written, in
// this order: duplicate prompt rules of string objects dropped; the get
// button; the prompt buttons; with the variable Mode, every attribute or
// variable shown not accepted in delete mode; the no-accept keys of the top
// levels; the form's control names; checkbox defaults; the no-accept rules
// of each attribute merged into one.
bool prepare_trn_buttons(Run& run);

// enter_button_is_bitmap/0: the form's Enter button shows a bitmap.
bool enter_button_is_bitmap(Run& run);

// set_enter_button_caption/1 (Mode add, update, confirm or delete): the
// Enter button's bitmap (the image option of the mode, else its default)
// and tooltip, or its caption and tooltip, from the mode's caption
// message. Writes nothing when the form has no Enter button.
bool set_enter_button_caption(Run& run, std::string_view mode);

// The routine disable_std_buttons: Enabled = 0 for each standard button on
// the form but Clear; the get button made invisible when the form has none
// of First, Previous, Next, Last, Select; in insert mode the Enter caption
// for add.
bool gen_disable_std_buttons(Run& run);

// focus_enter_button/0: the focus on the form's Enter button; nothing
// without one.
bool focus_enter_button(Run& run);

// The call of the prompt routine of an attribute (its first prompt rule,
// on the level of that rule), as keyPromptHandler writes it: false, writing
// nothing, when the attribute has no prompt.
bool prompt_call(Run& run, const engine::Term& att);
// The attribute is the target of a prompt of the object.
bool has_prompt(Run& run, const engine::Term& att);

}  // namespace qn::logic
