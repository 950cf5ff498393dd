// The confirmation of a transaction, the caption of its Enter button, and
// the routines that start, clear and end it.
#include <algorithm>

#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/javaui/std_buttons.h"
#include "logic/core/spec_files.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/transaction_seams.h"
#include "logic/program/trn_code.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/rule_utilities.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

std::string name(Run& run, std::string_view prefix, const Term& level) {
  return trn_routine_name(run, prefix, level);
}

bool in(const std::vector<Term>& l, const Term& x) { return std::find(l.begin(), l.end(), x) != l.end(); }

bool assign_default(Run& run, const Term& att) {
  const Term value = att_default_expr(run, att);
  return assign_unless_mode(run, att, value.is_cons() ? value : Term::nil());
}

// The Enter button's caption, bitmap and tooltip, read or set.
std::string previous_face(Run& run) {
  return enter_button_is_bitmap(run) ? "PreviousBitmap" : "PreviousCaption";
}
std::string face_property(Run& run) { return enter_button_is_bitmap(run) ? "Bitmap" : "Caption"; }

bool save_enter_face(Run& run) {
  if (!enter_button_ctlname(run)) return true;
  Out out(run);
  out.pieces({previous_face(run), "=", enter_property_get(run, face_property(run)), ";"});
  out.pieces({"PreviousTooltip", "=", enter_property_get(run, "Tooltiptext"), ";"});
  return out.ok();
}

}  // namespace

bool trn_confirm_routine(Run& run) {
  if (!trn_confirms(run)) return true;
  const Term first = trn_first_level(run);
  const std::string smode = "sMode" + text_of(first);
  bool ok = routine_begin(run, name(run, "CONFIRM_", first)) && call_checket_lvl(run, first);
  ok = ok && if_(run, is("AnyError", "0")) && set_toks(run, smode, Term::list({tv("Mode")}));
  for (const Term& sub : trn_sub_levels(run, first)) {
    if (trn_subfile_level(run, sub)) ok = ok && trn_process_lines(run, sub, true);
  }
  ok = ok && set_toks(run, "Mode", Term::list({tv(smode)})) && save_enter_face(run) &&
       set(run, "IsConfirmed", "1") && close(run);
  return ok && routine_end(run);
}

bool trn_reset_caption_routine(Run& run) {
  if (!trn_confirms(run)) return true;
  const Term first = trn_first_level(run);
  bool ok = routine_begin(run, name(run, "RESET_CAPTION_", first));
  if (enter_button_ctlname(run)) {
    Out out(run);
    out.pieces({enter_property_set(run, face_property(run), previous_face(run))});
    out.pieces({enter_property_set(run, "Tooltiptext", "PreviousTooltip")});
    ok = ok && out.ok();
  }
  return ok && set(run, "IsConfirmed", "0") && routine_end(run);
}

bool declare_reset_caption_var(Run& run) {
  if (!trn_confirms(run)) return true;
  return call(run, name(run, "RESET_CAPTION_", trn_first_level(run)));
}

bool trn_set_caption_routine(Run& run) {
  bool ok = routine_begin(run, "set_caption") && case_begin(run);
  if (trn_confirms(run)) {
    ok = ok && case_when(run, is("IsConfirmed", "1")) && status_msg(run, "mustconfirm");
    if (ok) set_enter_button_caption(run, "confirm");
  }
  for (const auto& [mode, caption] : {std::pair{"'INS'", "add"}, {"'UPD'", "update"}, {"'DLT'", "delete"}}) {
    ok = ok && case_when(run, is("Mode", mode));
    if (ok) set_enter_button_caption(run, caption);
  }
  return ok && case_end(run) && routine_end(run);
}

bool trn_after_trn_routine(Run& run, const Term& level) {
  const bool web = spec_kind_in(run, {"web"}) || http_main_pgm(run);
  bool ok = routine_begin(run, name(run, "AFTER_TRN", level)) && if_(run, is("trnEnded", "1"));
  ok = ok && gen_user_event(run, atom("After Trn"), level) && set(run, "trnEnded", "0");
  ok = ok && Out(run).open("if (!cleanedUp) {").ok();
  if (!web) ok = ok && call(run, name(run, "SANOMOD_", level));
  ok = ok && if_(run, is("Mode", "'INS'")) && comment(run, "Clear variables for new insertion.") &&
       call(run, name(run, "INIT_ALL", level)) && close(run);
  ok = ok && close(run, 2);
  return ok && routine_end(run);
}

bool gen_init_attris(Run& run, const Term& level) {
  const auto keys = trn_key_atts(run, level);
  bool ok = routine_begin(run, name(run, "INIT_NO_KEY", level));
  for (const Term& a : trn_table_atts(run, level)) {
    if (!in(keys, a)) ok = ok && assign_default(run, a);
  }
  // The held auxiliaries: an attribute whose default is its previous value
  // takes it back.
  ok = ok && assign_h_auxs(run, 'r', trn_moves(run, level, "previous("));
  ok = ok && routine_end(run);
  ok = ok && routine_begin(run, name(run, "INIT_ALL", level));
  for (const Term& k : keys) ok = ok && assign_default(run, k);
  return ok && call(run, name(run, "INIT_NO_KEY", level)) && routine_end(run);
}

bool trn_startup_routines(Run& run, const Term& level) {
  const bool server = trn_server_side(run);
  const bool web = spec_kind_in(run, {"web"}) || http_main_pgm(run);
  bool ok = routine_begin(run, name(run, "SA_STARTUP", level)) &&
            call(run, name(run, "SA_STARTUP_SRV", level));
  if (!server) ok = ok && call(run, "set_caption") && save_enter_face(run);
  ok = ok && routine_end(run);

  ok = ok && routine_begin(run, name(run, "SA_STARTUP_SRV", level)) && if_(run, is("AnyError", "0")) &&
       call(run, name(run, "SANOMOD_", level)) && close(run);
  if (web) {
    ok = ok && comment(run, "Read Transaction buttons.");
  } else {
    ok = ok && set_toks(run, "sCallerURL", Term::list({tv("CGI_Referer")}));
  }
  if (uses_mode_var(run)) {
    ok = ok && call(run, name(run, "SAMOD_", level)) && case_begin(run) &&
         case_when(run, joined({is("Mode", "'UPD'"), is("Mode", "'DLT'")}, ".OR.")) &&
         call(run, name(run, "GETEQ_", level)) && case_end(run);
  } else if (auto req = run.facts().first(fact("rule_i", {var(), fact("a", {num(11), var()})}))) {
    const auto items = req->arg(2).arg(2).list_items();
    const std::string m = items.empty() ? "" : text_of(items[0]);
    ok = ok && set(run, "Mode", m == "update" ? "'UPD'" : m == "delete" ? "'DLT'" : "'INS'");
  } else {
    ok = ok && call(run, name(run, "GETEQ_NOMOD", level)) && call(run, name(run, "SAMOD_", level));
  }
  if (server) ok = ok && call(run, "set_caption") && save_enter_face(run);
  return ok && routine_end(run);
}

bool trn_clear_routine(Run& run, const Term& level) {
  bool ok = routine_begin(run, "clear") && call(run, name(run, "INIT_NO_KEY", level));
  for (const Term& sub : trn_sub_levels(run, level)) {
    if (trn_subfile_level(run, sub)) ok = ok && trn_reload_lines(run, sub);
  }
  return ok && routine_end(run);
}

bool call_for_top_levels(Run& run, bool (*generator)(Run&, const Term&)) {
  const Term first = trn_first_level(run);
  bool ok = generator(run, first);
  for (const Term& sub : trn_sub_levels(run, first)) ok = generator(run, sub) && ok;
  return ok;
}

bool gen_clientserver_procs(Run& run, const Term& level) {
  // A subordinate level's lines are started and ended by the first
  // level's routines; it needs only its own initialisation.
  run.facts().asserta(fact("sql_level_i", {level}));
  const bool first = level == trn_first_level(run);
  bool ok = gen_init_attris(run, level);
  if (first) {
    ok = ok && trn_after_trn_routine(run, level) && trn_startup_routines(run, level) &&
         trn_clear_routine(run, level);
  }
  run.facts().retract(fact("sql_level_i", {level}));
  return ok;
}

}  // namespace qn::logic
