// The routines of the standard buttons of a transaction's form, and the
// moves to the next and the previous row they use. Each routine is named
// after its button (btn_enter for Enter), as the runtime's own button
// methods are, which a generated routine replaces.
#include <algorithm>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/embedded_sql.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/program/key_conditions.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/transaction_seams.h"
#include "logic/program/trn_code.h"
#include "logic/sql/cursors.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

std::string name(Run& run, std::string_view prefix, const Term& level) {
  return trn_routine_name(run, prefix, level);
}

bool has_button(Run& run, std::string_view button) { return std_button_check(run, button); }

std::vector<Term> level_atts(Run& run, const Term& level) {
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) return s->arg(3).list_items();
  return {};
}

// The focus on the first attribute of the level shown on the form.
bool focus_first_att(Run& run, const Term& level) {
  return trn_focus_first_of(run, Term::list(level_atts(run, level)));
}

bool after_trn_call(Run& run) {
  if (trn_server_side(run)) return true;
  return call(run, name(run, "AFTER_TRN", trn_first_level(run)));
}

// Each key attribute given back its previous value.
bool keys_back(Run& run, const Term& level) {
  bool ok = true;
  for (const Term& k : trn_key_atts(run, level)) ok = ok && assign_var(run, k, key_change_tokens(k));
  return ok;
}

// The row-found test of a table's read at the level (its cursor's).
bool if_found(Run& run, const Term& table, const Term& level) {
  return Out(run).pieces({"if (" + found_cond(run, table, level) + ")"}).open("{").ok();
}

// The update or insert step of the Enter button.
bool write_step(Run& run, const Term& level, bool insert) {
  const std::string routine = name(run, insert ? "INSERT_" : "UPDATE_", level);
  const std::string title = insert ? "Insert record" : "Update record";
  if (!trn_confirms(run)) {
    return comment(run, title) && call(run, routine) && focus_first_att(run, level);
  }
  bool ok = if_(run, is("IsConfirmed", "1")) && comment(run, title) && call(run, routine) &&
            focus_first_att(run, level);
  ok = ok && else_(run) && comment(run, "Confirm record") && call(run, name(run, "CONFIRM_", level));
  if (ok) focus_enter_button(run);
  return ok && close(run);
}

bool btn_delete(Run& run, const Term& level) {
  bool ok = routine_begin(run, "btn_Delete");
  const Term changed = key_changed_cond(run, level);
  const bool keyed = changed.is_cons();
  if (keyed) ok = ok && if_(run, changed) && keys_back(run, level) && error_msg(run, "getbeforedlt") && else_(run);
  const auto body = [&] {
    return call(run, "delete") && after_trn_call(run) && focus_first_att(run, level);
  };
  if (trn_confirms(run) && !uses_mode_var(run)) {
    ok = ok && gen_confirm(run, qnmsg(run, "deleinfo"), true) &&
         Out(run).open("if (QNutil.Confirmed) {").ok() && body() && close(run);
  } else {
    ok = ok && body();
  }
  if (keyed) ok = ok && close(run);
  return ok && gen_set_focus_next(run) && routine_end(run);
}

bool btn_select(Run& run, const Term& level) {
  bool ok = routine_begin(run, "btn_Select");
  if (ok) trn_selection_list(run, level);
  return ok && call(run, name(run, "GETEQ_NOMOD", level)) && routine_end(run);
}

bool btn_enter(Run& run, const Term& level) {
  bool ok = routine_begin(run, "btn_Enter");
  if (uses_mode_var(run) && !trn_server_side(run)) {
    ok = ok && if_(run, is("Mode", "'DLT'")) && call(run, "btn_Delete") && emit_return(run, "") && close(run);
  }
  const Term changed = key_changed_cond(run, level);
  const bool keyed = changed.is_cons();
  ok = ok && set(run, "nKeyPressed", "1") && call(run, name(run, "GETKEY_", level));
  ok = ok && if_(run, is("RcdFound", "1")) && case_begin(run) && case_when(run, is("Mode", "\"INS\"")) &&
       error_msg(run, "noupdate");
  if (keyed) ok = ok && case_when(run, changed) && keys_back(run, level) && error_msg(run, "getbeforeupd");
  ok = ok && case_otherwise(run) && set(run, "Mode", "\"UPD\"") && write_step(run, level, false) &&
       case_end(run);
  ok = ok && else_(run);
  if (keyed) ok = ok && if_(run, changed) && set(run, "Mode", "\"INS\"") && write_step(run, level, true) && else_(run);
  ok = ok && if_(run, is("Mode", "\"UPD\"")) && error_msg(run, "recdeleted") && else_(run) &&
       set(run, "Mode", "\"INS\"") && write_step(run, level, true) && close(run);
  if (keyed) ok = ok && close(run);
  ok = ok && close(run);
  ok = ok && after_trn_call(run) && gen_set_focus_next(run);
  return ok && routine_end(run);
}

bool btn_get(Run& run, const Term& level) {
  bool ok = routine_begin(run, "btn_Get") && set(run, "nKeyPressed", "2") &&
            call(run, name(run, "GETEQ_NOMOD", level));
  ok = ok && if_(run, is("RcdFound", "0")) && error_msg(run, "keynfound") && else_(run) &&
       focus_first_att(run, level) && close(run);
  return ok && after_trn_call(run) && routine_end(run);
}

// First and Last: the scan from its start; Last reads on to the last row
// inside the found branch (a loop before the test would leave no row).
bool btn_scan(Run& run, const Term& level, bool last) {
  bool ok = routine_begin(run, last ? "btn_Last" : "btn_First") && set(run, "nKeyPressed", "2") &&
            call(run, name(run, "SCANSTART_", level));
  ok = ok && if_(run, is("RcdFound", "0")) && status_msg(run, "norectobrow") && else_(run);
  if (last) {
    ok = ok && while_(run, is_not("RcdFound", "0")) && call(run, name(run, "SCANNEXT_", level)) && close(run);
  }
  ok = ok && set(run, "Mode", "'UPD'") && focus_first_att(run, level) && close(run);
  ok = ok && call(run, name(run, "SCANEND_", level)) && call(run, name(run, "GETEQ_", level));
  return ok && after_trn_call(run) && routine_end(run);
}

bool btn_move(Run& run, const Term& level, bool next) {
  bool ok = routine_begin(run, next ? "btn_Next" : "btn_Previous") && set(run, "nKeyPressed", "2") &&
            call(run, next ? "move_next" : "move_previous");
  ok = ok && if_(run, is("RcdFound", "0")) && status_msg(run, "norectobrow") && else_(run) &&
       set(run, "Mode", "'UPD'") && focus_first_att(run, level) && close(run);
  ok = ok && call(run, name(run, "GETEQ_", level));
  return ok && after_trn_call(run) && routine_end(run);
}

bool move_routine(Run& run, const Term& level, bool next) {
  const Term table = level_base_table(run, level);
  const auto keys = trn_key_atts(run, level);
  bool ok = routine_begin(run, next ? "move_next" : "move_previous");
  SelectRequest req;
  req.level = level;
  req.read_kind = "btc";
  req.tables = {Term::list({table})};
  std::vector<Term> entries;
  for (const Term& a : trn_table_atts(run, level)) entries.push_back(Term::list({table, a}));
  KeyConditionArgs args;
  args.mode = atom("a");
  args.entries = Term::list(entries);
  args.key_attributes = Term::list(keys);
  args.fixed_attributes = Term::nil();
  args.model = get_model_num(run).value_or(num(0));
  args.table = table;
  args.left_kind = kTokAttribute;
  args.right_kind = kTokVariable;
  args.op = next ? ">=" : "<=";
  const Term cond = key_conditions(run, args);
  if (cond.is_cons()) req.conds.push_back(cond);
  for (const Term& k : keys) req.order.push_back(Term::list({table, next ? k : fact("-", {k})}));
  for (const Term& a : trn_table_atts(run, level)) req.columns.push_back(Term::list({table, a}));
  ok = ok && gen_sql_select(run, "btc", req).has_value();
  // The current row itself is passed over: its columns (the data
  // object's) equal the current key.
  const int64_t model = get_model_num(run).value_or(num(0)).is_int() ? get_model_num(run)->as_int() : 0;
  const std::string dbo = table_obj(run, model, table).value_or("NoTblObjErr");
  std::string same = "!" + cursor_info(run, table, level) + ".eof()";
  for (const Term& k : keys) {
    const std::string col = dbo + "." + attribute_getter_name(run, model, k).value_or("getNoAtt") + "()";
    const std::string cur = var_target_ref(run, k, Term::nil(), "");
    const OptType t = var_type(run, k);
    const std::string type = t ? t->type : "";
    if (type == "char" || type == "vchar" || type == "svchar") {
      same += " && QNutil.strcmp(" + col + ", " + cur + ") == 0";
    } else if (type == "date" || type == "dtime") {
      same += " && QNutil.datecmp(" + col + ", " + cur + ") == 0";
    } else {
      same += " && " + col + " == " + cur;
    }
  }
  ok = ok && Out(run).pieces({"while (" + same + ")"}).open("{").ok() && gen_read_next(run, level, table) &&
       close(run);
  ok = ok && set(run, "RcdFound", "0") && if_found(run, table, level) &&
       gen_lock_read(run, table, level, Term::list(trn_table_atts(run, level))) && set(run, "RcdFound", "1") &&
       close(run);
  ok = ok && end_cursor(run, level, cursor_info(run, table, level));
  return ok && routine_end(run);
}

}  // namespace

bool trn_button_routines(Run& run, const Term& first) {
  bool ok = true;
  run.facts().asserta(fact("sql_level_i", {first}));
  if (has_button(run, "Delete")) ok = btn_delete(run, first) && ok;
  if (has_button(run, "Select")) ok = btn_select(run, first) && ok;
  if (has_button(run, "Enter") && !trn_client_side(run)) ok = btn_enter(run, first) && ok;
  if (has_button(run, "_QNGet_")) ok = btn_get(run, first) && ok;
  if (has_button(run, "First")) ok = btn_scan(run, first, false) && ok;
  if (has_button(run, "Last")) ok = btn_scan(run, first, true) && ok;
  if (has_button(run, "Next")) ok = btn_move(run, first, true) && ok;
  if (has_button(run, "Previous")) ok = btn_move(run, first, false) && ok;
  run.facts().retract(fact("sql_level_i", {first}));
  return ok;
}

bool trn_move_routines(Run& run, const Term& first) {
  if (trn_client_side(run)) return true;
  run.facts().asserta(fact("sql_level_i", {first}));
  const bool ok = move_routine(run, first, true) && move_routine(run, first, false);
  run.facts().retract(fact("sql_level_i", {first}));
  return ok;
}

}  // namespace qn::logic
