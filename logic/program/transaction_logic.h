// The logic of a transaction: the routines of its levels (key reads, rule
// routines, checks, insert, update and delete with their messages, scans),
// the routines of the standard buttons and the mode they drive, the
// confirmation, and the end of a transaction. The class around them, the
// client/server split and the form are the transaction class's
// (logic/javaui/transaction_class).
//
// Every routine is a local routine (a protected method) named by its
// prefix made unique for the program and the level
// (pgm_unique_name(Prefix, Level): GETKEY_T061 for level 1 of transaction
// 6); the first level's GETEQ_NOMOD, GETEQ_, SANOMOD_ and AFTER_LEVEL have
// the fixed names geteq_nomod, geteq, sanomod and after_level. The level is
// part of the name: two levels' routines of one prefix would otherwise be
// one method defined twice.
//
// Facts read: level_i/2 (Level, [BaseTable, Tables, Keys, Info | _]),
// struct_i/4 (Level, Parent, Attributes, Excluded), repeat_i/2 (a subfile
// level), upd_i/4, a_i/6, tbl_to_delete_i/2 (Table, c | d), upd_red_i/2,
// rule_i/2 (prop('TRNCFM', ...), a(11, ...)), v_i/4 (t, i: input
// variables), las_i/2, lit_i/4 (the form: button('Enter') and the other
// standard buttons). Working fact: sql_level_i/1 while a level's routines
// are written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- names, hidden values and small tests ---------------------------------

// trn_confirms/0: false under the rule prop(TRNCFM, None); true under
// prop(TRNCFM, All) or prop(TRNCFM, NoFirst); false when the option
// CONFIRM is No; otherwise true.
bool trn_confirms(Run& run);
// The routine name of Prefix at Level (see above).
std::string trn_routine_name(Run& run, std::string_view prefix, const engine::Term& level);
// The first level of the transaction and the levels below a level, in fact
// order.
engine::Term trn_first_level(const Run& run);
std::vector<engine::Term> trn_sub_levels(const Run& run, const engine::Term& level);
// Every level of the transaction, the first one first.
std::vector<engine::Term> trn_levels(const Run& run);
// The level shows its lines in a subfile (repeat_i/2).
bool trn_subfile_level(const Run& run, const engine::Term& level);
// The attributes a level reads from its own table: its attributes less what
// the reads of other tables load.
std::vector<engine::Term> trn_table_atts(Run& run, const engine::Term& level);
// The moves of the level's attributes that keep an earlier value under
// Function ("old(" or "previous("): each [Attribute, h, [t(Auxiliary, Type)]].
std::vector<engine::Term> trn_moves(Run& run, const engine::Term& level, std::string_view function);
// call_checket_lvl/1: the call of CHECKET_ of a level.
bool call_checket_lvl(Run& run, const engine::Term& level);
// key_change/3: the key attributes of a level (third element of level_i/2)
// and, for each, the tokens seudo( attribute ).
std::vector<engine::Term> trn_key_atts(const Run& run, const engine::Term& level);
engine::Term key_change_tokens(const engine::Term& att);
// The key-changed condition: "att <> seudo(att)" joined by .AND.
engine::Term key_changed_cond(const Run& run, const engine::Term& level);
// level_own_vars/2: for the first level the program's parameters, then the
// level's attributes without its excluded ones, then its input variables
// (v_i(t, i, ...)); for other levels the attributes without the excluded.
std::vector<engine::Term> level_own_vars(Run& run, const engine::Term& level);
// uses_mode_var/0: Mode is one of the first level's own variables.
bool uses_mode_var(Run& run);
// enter_button_ctlname/1: the field of the form's button('Enter').
std::optional<std::string> enter_button_ctlname(Run& run);
// A property of the Enter button (Caption, Tooltiptext, Bitmap) read and
// set: the control's getter and setter, on the server of a split
// transaction (which has no controls) the variable "<control>_<Property>"
// its client sends and reads back.
std::string enter_property_get(Run& run, std::string_view property);
std::string enter_property_set(Run& run, std::string_view property, const std::string& value);
std::string enter_property_var(Run& run, std::string_view property);
// std_button_names/1: Enter, Delete, _QNGet_, First, Previous, Next, Last,
// Clear, Select.
const std::vector<std::string>& std_button_names();
// std_button_check/2: the named standard button is on the form and the
// program defines no user mode keys.
bool std_button_check(Run& run, std::string_view name);
// std_button_event/2 in transactions: the call of the standard button's
// routine (btn_Enter, btn_Delete, btn_Select, btn_First, btn_Next,
// btn_Previous, btn_Last, and btn_Get when the event source has a 'Get'
// event). Fails, writing nothing, for any other event.
bool std_button_event(Run& run, std::string_view event);
// trn_level_info/3: in transactions the base table and the fourth element
// of the level's level_i/2 list; else the empty list.
engine::Term trn_level_info(const Run& run, const engine::Term& level);

// trn_hidden_var/4: the names of the hidden variables of the first level:
// IsConfirmed, PreviousTooltip, trnEnded, loopOnce, and PreviousBitmap
// when the Enter button shows a bitmap, otherwise PreviousCaption.
std::vector<std::string> trn_hidden_vars(Run& run);
// trn_hidden_list/2: the hidden values of a level, each [JavaText, Name,
// Tokens], in the order of the rules (keys' and pseudo values, held old
// values, hidden variables, sCallerURL, record counts, record flags, Mode).
std::vector<engine::Term> trn_hidden_list(Run& run, const engine::Term& level);
// The record-count variable of a subfile level (its lines), and the
// record-exists and record-modified flags of a line.
std::string trn_rcd_count_var(const engine::Term& level);
std::string rcd_exists_var(const engine::Term& level);
std::string rcd_modified_var(const engine::Term& level);
std::string rcd_deleted_var(const engine::Term& level);

// The variables every transaction declares (kind s): IsConfirmed,
// RcdFound, AnyError, trnEnded, nKeyPressed, nUserReturn, Mode,
// PreviousTooltip, PreviousBitmap or PreviousCaption; per subordinate
// level sMode<n>, and for subfile levels nDelCount<n> and nBlankRcdCount<n>.
bool declare_trn_vars(Run& run);

// --- routines --------------------------------------------------------------

// trn_level_routines/1: the routines of every level, the first first.
bool trn_level_routines(Run& run, const engine::Term& first);
// trn_button_routines/1: one routine per standard button on the form.
bool trn_button_routines(Run& run, const engine::Term& first);
// move_next and move_previous (not on a split client).
bool trn_move_routines(Run& run, const engine::Term& first);
// trn_confirm_routine/0: CONFIRM_ (when confirmation applies).
bool trn_confirm_routine(Run& run);
// RESET_CAPTION_ (when confirmation applies) and set_caption.
bool trn_reset_caption_routine(Run& run);
bool trn_set_caption_routine(Run& run);
// AFTER_TRN, INIT_NO_KEY and INIT_ALL (gen_init_attris/1) of a level,
// SA_STARTUP, SA_STARTUP_SRV, clear.
bool trn_after_trn_routine(Run& run, const engine::Term& level);
bool gen_init_attris(Run& run, const engine::Term& level);
bool trn_startup_routines(Run& run, const engine::Term& level);
bool trn_clear_routine(Run& run, const engine::Term& level);
// AFTER_LEVEL of the first level, when it has after-level actions.
bool trn_after_level_routine(Run& run, const engine::Term& first);
bool trn_has_after_level(Run& run, const engine::Term& first);
// call_for_top_levels/1: each named generator for the first level, then
// for each subordinate level.
bool call_for_top_levels(Run& run, bool (*generator)(Run&, const engine::Term&));
// The routines that end a transaction (section 5), once per top level:
// AFTER_TRN, INIT_NO_KEY and INIT_ALL, SA_STARTUP and SA_STARTUP_SRV,
// clear.
bool gen_clientserver_procs(Run& run, const engine::Term& level);
// The call of the reset-caption routine (declare_reset_caption_var/0).
bool declare_reset_caption_var(Run& run);

// --- small statements of the transaction class ------------------------------

// trn_server_side/0 and trn_client_side/0 (the split of a multi-tier
// transaction; logic/javaui/transaction_class sets the fact).
bool trn_server_side(const Run& run);
bool trn_client_side(Run& run);
// gen_loop_once/1: "loopOnce = true;" on the server side, else "cleanup();".
bool gen_loop_once(Run& run);
// gen_set_focus_next/0: "setFocusNext();".
bool gen_set_focus_next(Run& run);
// gen_set_focus/3 outside web objects: "setNextFocus(<cell>);", the cell of
// a subfile column "new QNSubfileCell(<sub>, nQNsfl_<n>_idx - 1, <pos>)" on
// the client and the text "\"<sub>|\" + (nQNsfl_<n>_idx - 1) + \"|<pos>\""
// on the server, of any other control its field name.
bool gen_set_focus(Run& run, const engine::Term& item_number);
// The focus on the first control, in the window's tab order, that shows
// one of the attributes; nothing when none does.
bool trn_focus_first_of(Run& run, const engine::Term& atts);

}  // namespace qn::logic
