// The routines of a transaction's levels, in the order they are written:
// the rule routines, the key reads, the checks, insert, update and delete,
// the subordinate lines, the other tables' updates, the level's end, the
// scans and the after-confirm rules.
//
// The actions of a level are sorted by their fifth element (a_i/6 X5): a
// list of modes (insert, update, delete) marks an action that depends on
// the mode (SAMOD_); after(When) an action of the timed rules (When insert,
// update, delete, level, confirm or trn); anything else an action that
// does not depend on the mode (SANOMOD_). The reads of other tables (r) are
// the displayed record's actions (LD).
#include <algorithm>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/embedded_sql.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/msg_actions.h"
#include "logic/toolbox/rule_utilities.h"
#include "logic/core/lists.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/program/key_conditions.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/transaction_seams.h"
#include "logic/program/trn_code.h"
#include "logic/sql/cursors.h"
#include "logic/sql/pseudo_checks.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

bool in(const std::vector<Term>& l, const Term& x) { return std::find(l.begin(), l.end(), x) != l.end(); }

// The class of an action by its fifth element.
enum class ActionClass { kNoMode, kMode, kTimed };
ActionClass action_class(const Term& a) {
  const Term& x5 = a.arg(5);
  if (x5.is_compound() && x5.functor() == "after" && x5.arity() == 1) return ActionClass::kTimed;
  if (x5.is_cons()) return ActionClass::kMode;
  return ActionClass::kNoMode;
}
bool timed(const Term& a, std::string_view when) {
  return action_class(a) == ActionClass::kTimed && text_of(a.arg(5).arg(1)) == when;
}
bool for_mode(const Term& a, std::string_view mode) {
  if (action_class(a) != ActionClass::kMode) return false;
  for (const Term& m : a.arg(5).list_items()) {
    if (text_of(m) == mode) return true;
  }
  return false;
}

std::vector<Term> ordered_actions(Run& run, const Term& level) {
  return order_all_actions(run, level, {}, false).actions;
}

bool write_actions(Run& run, const Term& level, const std::vector<Term>& actions) {
  LevelActions args;
  args.level = level;
  return each_att_action(run, args, actions);
}

// The cursors the reads of other tables left open at the level are ended
// where the routine ends: the next routine reads afresh.
bool end_read_cursors(Run& run, const Term& level) {
  bool ok = true;
  for (const Term& c : run.facts().findall(fact("c_num_i", {level, var(), var()}))) {
    if (!c.arg(3).is_cons()) continue;
    const Term cursor = c.arg(3).head();
    if (!run.facts().exists(fact("open_i", {cursor}))) continue;
    ok = end_cursor(run, level, text_of(cursor)) && ok;
  }
  return ok;
}

bool actions_where(Run& run, const Term& level, const std::function<bool(const Term&)>& pick) {
  std::vector<Term> picked;
  bool reads = false;
  for (const Term& a : ordered_actions(run, level)) {
    if (!pick(a)) continue;
    picked.push_back(a);
    reads = reads || a.arg(3) == "r";
  }
  return write_actions(run, level, picked) && (!reads || end_read_cursors(run, level));
}

// The rules between "Start of After( X) rules" and "End of After( X) rules".
bool after_rules(Run& run, const Term& level, std::string_view when, std::string_view title) {
  bool ok = comment(run, "Start of After( " + std::string(title) + ") rules");
  ok = actions_where(run, level, [&](const Term& a) { return timed(a, when); }) && ok;
  return comment(run, "End of After( " + std::string(title) + ") rules") && ok;
}

bool has_timed(Run& run, const Term& level, std::string_view when) {
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (timed(a, when)) return true;
  }
  return false;
}

std::string name(Run& run, std::string_view prefix, const Term& level) {
  return trn_routine_name(run, prefix, level);
}

Term base_of(Run& run, const Term& level) { return level_base_table(run, level); }

std::vector<Term> table_atts(Run& run, const Term& level) { return trn_table_atts(run, level); }

}  // namespace

std::vector<Term> trn_table_atts(Run& run, const Term& level) {
  std::vector<Term> loaded;
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (!(a.arg(3) == "r")) continue;
    for (const Term& v : run.facts().findall(fact("v_i", {atom("r"), atom("o"), a.arg(1), var()})))
      for (const Term& x : v.arg(4).list_items()) loaded.push_back(x);
  }
  std::vector<Term> out;
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    for (const Term& x : s->arg(3).list_items()) {
      if (!in(loaded, x)) out.push_back(x);
    }
  }
  return out;
}

namespace {

Term key_seek(Run& run, const Term& level) {
  std::vector<Term> seek;
  for (const Term& k : trn_key_atts(run, level)) seek.push_back(Term::list({k, ta(k)}));
  return Term::list(seek);
}

// The number of the level's read of its own table (a_i kind t), 0 when none.
int64_t own_read(Run& run, const Term& level) {
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (a.arg(3) == "t" && a.arg(1).is_int()) return a.arg(1).as_int();
  }
  return 0;
}

// The row-found test of a table's read at the level (its cursor's).
bool if_found(Run& run, const Term& table, const Term& level) {
  return Out(run).pieces({"if (" + found_cond(run, table, level) + ")"}).open("{").ok();
}
bool if_not_found(Run& run, const Term& table, const Term& level) {
  return Out(run).pieces({"if (" + eof_cond(run, table, level) + ")"}).open("{").ok();
}

bool rcd_found_test(Run& run, const Term& table, const Term& level) {
  bool ok = if_found(run, table, level) && set(run, "RcdFound", "1") && else_(run);
  return ok && set(run, "RcdFound", "0") && close(run);
}

bool no_error(Run& run) { return if_(run, is("AnyError", "0")); }

// The level's parent, 0 for the first level.
Term parent_of(Run& run, const Term& level) {
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) return s->arg(2);
  return num(0);
}

// The keys the parent fixes for a subordinate level's scans.
std::vector<Term> fixed_keys(Run& run, const Term& level) {
  std::vector<Term> out;
  const Term parent = parent_of(run, level);
  auto ps = run.facts().first(fact("struct_i", {parent, var(), var(), var()}));
  if (!ps) return out;
  const auto patts = ps->arg(3).list_items();
  for (const Term& k : trn_key_atts(run, level)) {
    if (in(patts, k)) out.push_back(k);
  }
  return out;
}

Term key_condition(Run& run, const Term& level, std::string_view mode, std::string_view op,
                   const std::vector<Term>& fixed) {
  const Term table = base_of(run, level);
  std::vector<Term> entries;
  for (const Term& a : table_atts(run, level)) entries.push_back(Term::list({table, a}));
  KeyConditionArgs args;
  args.mode = atom(mode);
  args.entries = Term::list(entries);
  args.key_attributes = Term::list(trn_key_atts(run, level));
  args.fixed_attributes = Term::list(fixed);
  args.model = get_model_num(run).value_or(num(0));
  args.table = table;
  args.left_kind = kTokAttribute;
  args.right_kind = kTokVariable;
  args.op = op;
  return key_conditions(run, args);
}

// --- 1. rule routines --------------------------------------------------------

bool rule_routines(Run& run, const Term& level) {
  bool ok = routine_begin(run, name(run, "SANOMOD_", level)) &&
            actions_where(run, level, [](const Term& a) {
              return action_class(a) == ActionClass::kNoMode && !(a.arg(3) == "r");
            }) &&
            routine_end(run);
  ok = ok && routine_begin(run, name(run, "SAMOD_", level)) &&
       actions_where(run, level, [](const Term& a) { return action_class(a) == ActionClass::kMode; }) &&
       routine_end(run);
  ok = ok && routine_begin(run, name(run, "LD", level)) &&
       actions_where(run, level, [](const Term& a) {
         return a.arg(3) == "r" && action_class(a) == ActionClass::kNoMode;
       }) &&
       routine_end(run);
  // CHECKET_ runs the displayed record's reads again with their checks on
  // (the "if changed" reads).
  std::vector<Term> ld;
  for (const Term& a : ordered_actions(run, level)) {
    if (a.arg(3) == "r" && action_class(a) == ActionClass::kNoMode) ld.push_back(a);
  }
  LevelActions checks;
  checks.level = level;
  checks.break_pass = true;
  ok = ok && routine_begin(run, name(run, "CHECKET_", level)) && call(run, name(run, "SAMOD_", level)) &&
       each_att_action(run, checks, ld) && (ld.empty() || end_read_cursors(run, level)) && routine_end(run);
  return ok;
}

// --- 2.-4. key reads ------------------------------------------------------------

bool getkey(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  bool ok = routine_begin(run, name(run, "GETKEY_", level));
  ok = ok && gen_level_read(run, atom("btc"), table, Term::list(trn_key_atts(run, level)), level,
                            key_seek(run, level), Term::nil(), Term::nil());
  ok = ok && rcd_found_test(run, table, level);
  ok = ok && end_cursor(run, level, cursor_info(run, table, level));
  return ok && routine_end(run);
}

bool key_change_assignments(Run& run, const Term& level) {
  bool ok = true;
  for (const Term& k : trn_key_atts(run, level)) {
    ok = ok && assign_var_ref(run, k, seudo_var(run, k, num(0)).value_or(""),
                              Term::list({ta(k)}), {});
  }
  return ok;
}

bool geteq(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  const bool first = level == trn_first_level(run);
  const auto atts = table_atts(run, level);
  bool ok = routine_begin(run, name(run, "GETEQ_", level));
  ok = ok && seudo_read(run, level, table, Term::list(atts), key_seek(run, level),
                        own_read(run, level), true);
  ok = ok && if_found(run, table, level);
  // A subordinate level's other fields are initialised before the row's
  // values are taken: after, they would clear what was just read (a line
  // loaded again would show, and then save, empty values).
  if (!first) ok = ok && call(run, name(run, "INIT_NO_KEY", level));
  ok = ok && gen_lock_read(run, table, level, Term::list(atts)) && set(run, "RcdFound", "1");
  ok = ok && key_change_assignments(run, level);
  const std::string smode = "sMode" + text_of(level);
  ok = ok && set_toks(run, smode, Term::list({tv("Mode")})) && set(run, "Mode", "'DSP'") &&
       call(run, name(run, "SAMOD_", level)) && call(run, name(run, "LD", level)) &&
       set_toks(run, "Mode", Term::list({tv(smode)}));
  ok = ok && else_(run) && call(run, name(run, "INIT_NO_KEY", level)) && set(run, "RcdFound", "0") &&
       close(run);
  ok = ok && end_cursor(run, level, cursor_info(run, table, level));
  if (!spec_kind_in(run, {"web"})) {
    for (const Term& sub : trn_sub_levels(run, level)) {
      if (trn_subfile_level(run, sub)) ok = ok && trn_reload_lines(run, sub);
    }
  }
  return ok && routine_end(run);
}

bool geteq_nomod(Run& run, const Term& level) {
  bool ok = routine_begin(run, name(run, "GETEQ_NOMOD", level)) &&
            call(run, name(run, "GETKEY_", level));
  ok = ok && if_(run, is("RcdFound", "0")) && set(run, "Mode", "'INS'") && else_(run) &&
       set(run, "Mode", "'UPD'") && close(run);
  return ok && call(run, name(run, "GETEQ_", level)) && routine_end(run);
}

// --- 6.-9. checks and updates -------------------------------------------------

// CHKPS_: every other table the level reads must hold the row its keys
// name.
bool chkps(Run& run, const Term& level) {
  bool ok = routine_begin(run, name(run, "CHKPS_", level));
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (!(a.arg(3) == "r")) continue;
    const Term& table = a.arg(4);
    std::vector<Term> seek;
    const auto info = a.arg(6).list_items();
    for (const Term& k : info.empty() ? std::vector<Term>{} : info[0].list_items()) {
      const auto key = k.list_items();
      if (key.size() < 3) continue;
      const Term att = key[1].is_list() ? key[1].list_items().back() : key[1];
      seek.push_back(Term::list({key[2], ta(att)}));
    }
    if (seek.empty()) continue;
    std::vector<Term> cols;
    for (const Term& s : seek) cols.push_back(s.head());
    ok = ok && gen_level_read(run, atom("cd"), table, Term::list(cols), level, Term::list(seek),
                              Term::nil(), Term::nil());
    ok = ok && if_not_found(run, table, level);
    MsgAction m;
    m.kind = 1;
    m.message = str(qnmsg_args(run, "inex", tbl_name_text(run, table)));
    m.level = level;
    ok = ok && gen_msg_action(run, m) && close(run);
    ok = ok && end_cursor(run, level, cursor_info(run, table, level));
  }
  return ok && routine_end(run);
}

std::vector<SqlAssign> level_assigns(Run& run, const Term& level, const Term& table, std::string_view op) {
  std::vector<SqlAssign> out;
  for (const Term& u : run.facts().findall(fact("upd_i", {level, table, atom(op), var()}))) {
    const auto parts = u.arg(4).list_items();
    for (size_t i = 0; i < 2 && i < parts.size(); ++i) {
      for (const Term& a : parts[i].list_items()) {
        if (std::none_of(out.begin(), out.end(), [&](const SqlAssign& s) { return s.att == a; }))
          out.push_back({a, Term::nil()});
      }
    }
  }
  return out;
}

bool updates_others(Run& run, const Term& level) {
  const Term base = base_of(run, level);
  for (const Term& u : run.facts().findall(fact("upd_i", {level, var(), atom("u"), var()}))) {
    if (!(u.arg(2) == base)) return true;
  }
  return false;
}

// The end of an insert or update (item 16). The lines of the subordinate
// subfile levels are written (NLEVEL_) before the first level's GETEQ_, which
// loads them again from the table: written after it they would be lost.
bool end_of_write(Run& run, const Term& level, std::string_view mode) {
  const bool first = level == trn_first_level(run);
  bool ok = true;
  std::optional<Term> lines;
  for (const Term& sub : trn_sub_levels(run, level)) {
    if (trn_subfile_level(run, sub)) {
      lines = sub;
      break;
    }
  }
  if (lines) ok = call(run, name(run, "NLEVEL_", level));
  if (first) {
    if (level_atts_mode_check(run, mode == "i" ? "i" : "u")) {
      ok = ok && gen_loop_once(run);
    } else {
      ok = call(run, name(run, "GETEQ_", level)) &&
           status_msg(run, mode == "i" ? "sucadded" : "sucupdated") && declare_reset_caption_var(run);
    }
  }
  if (lines && first) ok = ok && trn_reload_lines(run, *lines);
  const std::vector<Term> prev = trn_moves(run, level, "previous(");
  if (!prev.empty()) {
    ok = ok && comment(run, "Save values for previous() function.") && assign_h_auxs(run, 's', prev);
  }
  return ok;
}

bool insert_(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  bool ok = routine_begin(run, name(run, "INSERT_", level)) && call_checket_lvl(run, level);
  ok = ok && no_error(run);
  ok = ok && actions_where(run, level, [](const Term& a) { return for_mode(a, "insert"); });
  ok = ok && call(run, name(run, "CHKPS_", level));
  ok = ok && no_error(run) && call(run, name(run, "AFTER_CONFIRM_", level));
  ok = ok && no_error(run);
  std::vector<Term> others;
  ok = ok && gen_sql_insert(run, level, table, level_assigns(run, level, table, "i"), others);
  ok = ok && no_error(run);
  if (updates_others(run, level)) ok = ok && call(run, name(run, "UPDTN1_", level));
  ok = ok && after_rules(run, level, "insert", "Insert");
  ok = ok && no_error(run) && end_of_write(run, level, "i") && close(run);
  ok = ok && else_(run) && error_msg(run, "unexp") && close(run);  // the INSERT
  ok = ok && close(run);                                          // AFTER_CONFIRM_
  ok = ok && else_(run) && call(run, name(run, "LD", level)) && close(run);  // CHKPS_
  ok = ok && call(run, name(run, "ENDLVL_", level)) && close(run);           // CHECKET_
  return ok && routine_end(run);
}

bool update_(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  bool ok = routine_begin(run, name(run, "UPDATE_", level)) && call_checket_lvl(run, level);
  ok = ok && no_error(run);
  ok = ok && actions_where(run, level, [](const Term& a) { return for_mode(a, "update"); });
  ok = ok && call(run, name(run, "CHKPS_", level));
  ok = ok && no_error(run) && call(run, name(run, "AFTER_CONFIRM_", level));
  ok = ok && no_error(run) && seudo_check(run, level);
  ok = ok && no_error(run);
  // The keys of the update: its own, else the table's unique index.
  Term keys = Term::nil();
  if (auto u = run.facts().first(fact("upd_i", {level, table, atom("u"), var()}))) {
    const auto parts = u->arg(4).list_items();
    if (parts.size() > 3) keys = parts[3];
  }
  if (!keys.is_cons()) keys = unique_index_atts(run, table);
  ok = ok && gen_sql_update(run, level, table, level_assigns(run, level, table, "u"), keys.list_items());
  for (const Term& r : run.facts().findall(fact("upd_red_i", {level, var()}))) {
    for (const Term& a : r.arg(2).list_items()) {
      if (a.is_compound() && a.functor() == "a" && a.arity() == 2) ok = ok && assign_var(run, a.arg(1), a.arg(2));
    }
  }
  ok = ok && no_error(run);
  if (updates_others(run, level)) ok = ok && call(run, name(run, "UPDTN1_", level));
  ok = ok && after_rules(run, level, "update", "update");
  ok = ok && no_error(run) && end_of_write(run, level, "u") && close(run);
  ok = ok && else_(run) && error_msg(run, "unexp") && close(run);  // the UPDATE
  ok = ok && close(run);                                          // the check
  ok = ok && close(run);                                          // AFTER_CONFIRM_
  ok = ok && close(run);                                          // CHKPS_
  ok = ok && call(run, name(run, "ENDLVL_", level)) && close(run);  // CHECKET_
  return ok && routine_end(run);
}

bool delete_(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  const bool first = level == trn_first_level(run);
  int64_t model = 0;
  if (auto m = get_model_num(run); m && m->is_int()) model = m->as_int();
  bool ok = routine_begin(run, first ? std::string("delete") : name(run, "DELETE_", level));
  ok = ok && set(run, "Mode", "\"DLT\"") && comment(run, "Delete mode formulas");
  ok = ok && actions_where(run, level, [](const Term& a) { return for_mode(a, "delete"); });
  ok = ok && no_error(run) && call(run, name(run, "CHKPS_", level)) &&
       call(run, name(run, "AFTER_CONFIRM_", level));
  for (const Term& d : run.facts().findall(fact("tbl_to_delete_i", {var(), var()}))) {
    const auto items = d.arg(2).list_items();
    const Term& other = d.arg(1);
    const std::string kind = items.empty() ? text_of(d.arg(2)) : text_of(items[0]);
    if (kind == "c") {
      // The referencing table: a row of it keeps this one.
      ok = ok && gen_level_read(run, atom("cd"), other, Term::list(trn_key_atts(run, level)), level,
                                key_seek(run, level), Term::nil(), Term::nil());
      ok = ok && if_found(run, other, level) &&
           error_msg_text(run, qnmsg_args(run, "del", tbl_name_text(run, other))) && close(run);
      ok = ok && end_cursor(run, level, cursor_info(run, other, level));
    } else if (kind == "d") {
      for (const Term& sub : trn_sub_levels(run, level)) {
        if (!(base_of(run, sub) == other)) continue;
        ok = ok && call(run, name(run, "SCANSTART_", sub)) && while_(run, is_not("RcdFound", "0")) &&
             call(run, name(run, "DELETE_", sub)) && call(run, name(run, "SCANNEXT_", sub)) &&
             close(run) && call(run, name(run, "SCANEND_", sub));
      }
    }
  }
  (void)model;
  // A row that another table still references, or a line that failed to
  // go, keeps the record: the statement runs only without an error.
  ok = ok && no_error(run) && gen_sql_delete(run, level, table);
  ok = ok && no_error(run);
  if (updates_others(run, level)) ok = ok && call(run, name(run, "UPDTN1_", level));
  ok = ok && after_rules(run, level, "delete", "delete");
  if (first) {
    if (level_atts_mode_check(run, "d")) {
      ok = ok && gen_loop_once(run);
    } else {
      // A split client has no move to the next row: its server deletes.
      ok = ok && call(run, name(run, "INIT_ALL", level));
      if (!trn_client_side(run)) ok = ok && call(run, "move_next");
      ok = ok &&
           if_(run, is("RcdFound", "0")) && set(run, "Mode", "'INS'") &&
           call(run, name(run, "GETEQ_", level)) && else_(run) && set(run, "Mode", "'UPD'") &&
           call(run, name(run, "GETEQ_", level)) && close(run) && status_msg(run, "sucdeleted");
    }
  }
  ok = ok && else_(run) && error_msg(run, "unexp") && close(run) && close(run);
  ok = ok && call(run, name(run, "ENDLVL_", level)) && close(run);
  return ok && routine_end(run);
}

// --- 10.-14. subordinate lines, other tables, the end, scans -----------------

bool nlevel(Run& run, const Term& level) {
  bool ok = routine_begin(run, name(run, "NLEVEL_", level)) && comment(run, "Save parent mode.");
  const std::string smode = "sMode" + text_of(level);
  ok = ok && set_toks(run, smode, Term::list({tv("Mode")}));
  for (const Term& sub : trn_sub_levels(run, level)) {
    if (trn_subfile_level(run, sub)) ok = ok && trn_process_lines(run, sub, false);
  }
  ok = ok && comment(run, "Restore parent mode.") && set_toks(run, "Mode", Term::list({tv(smode)}));
  return ok && routine_end(run);
}

bool updtn1(Run& run, const Term& level) {
  const Term base = base_of(run, level);
  bool ok = routine_begin(run, name(run, "UPDTN1_", level));
  for (const Term& u : run.facts().findall(fact("upd_i", {level, var(), atom("u"), var()}))) {
    if (u.arg(2) == base) continue;
    const auto parts = u.arg(4).list_items();
    const Term atts = append(parts.size() > 0 ? parts[0] : Term::nil(), parts.size() > 1 ? parts[1] : Term::nil());
    Term keys = parts.size() > 3 ? parts[3] : Term::nil();
    if (!keys.is_cons()) keys = unique_index_atts(run, u.arg(2));
    ok = ok && gen_tbl_update(run, u.arg(2), level, atts, keys);
  }
  return ok && routine_end(run);
}

bool endlvl(Run& run, const Term& level) {
  bool ok = routine_begin(run, name(run, "ENDLVL_", level));
  if (level == trn_first_level(run)) {
    ok = ok && no_error(run) && comment(run, "After transaction rules") &&
         actions_where(run, level, [](const Term& a) { return timed(a, "trn"); }) &&
         comment(run, "Execute 'After Trn' event if defined.") && set(run, "trnEnded", "1") &&
         gen_trn_stmt(run, 1) && else_(run) && gen_trn_stmt(run, 2) && close(run);
  }
  return ok && routine_end(run);
}

bool select_rows(Run& run, const Term& level, std::string_view mode, std::string_view op, bool desc) {
  const Term table = base_of(run, level);
  SelectRequest req;
  req.level = level;
  req.read_kind = "btc";
  req.tables = {Term::list({table})};
  const Term cond = key_condition(run, level, mode, op, mode == "f" ? fixed_keys(run, level)
                                                                     : std::vector<Term>{});
  if (cond.is_cons()) req.conds.push_back(cond);
  for (const Term& k : trn_key_atts(run, level)) {
    req.order.push_back(Term::list({table, desc ? fact("-", {k}) : k}));
  }
  for (const Term& a : table_atts(run, level)) req.columns.push_back(Term::list({table, a}));
  return gen_sql_select(run, "btc", req).has_value();
}

bool locked_found(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  bool ok = set(run, "RcdFound", "0") && if_found(run, table, level);
  ok = ok && set(run, "RcdFound", "1") && gen_lock_read(run, table, level, Term::list(table_atts(run, level)));
  return ok && close(run);
}

bool scans(Run& run, const Term& level) {
  const Term table = base_of(run, level);
  bool ok = routine_begin(run, name(run, "SCANSTART_", level)) && select_rows(run, level, "f", "=", false) &&
            locked_found(run, level) && routine_end(run);
  ok = ok && routine_begin(run, name(run, "SCANNEXT_", level)) && gen_read_next(run, level, table) &&
       locked_found(run, level) && routine_end(run);
  ok = ok && routine_begin(run, name(run, "SCANEND_", level)) &&
       end_cursor(run, level, cursor_info(run, table, level)) && routine_end(run);
  return ok;
}

bool after_confirm(Run& run, const Term& level) {
  return routine_begin(run, name(run, "AFTER_CONFIRM_", level)) && comment(run, "After confirm rules") &&
         actions_where(run, level, [](const Term& a) { return timed(a, "confirm"); }) && routine_end(run);
}

bool level_routines(Run& run, const Term& level) {
  const bool first = level == trn_first_level(run);
  bool ok = rule_routines(run, level) && getkey(run, level) && geteq(run, level);
  if (first) ok = ok && geteq_nomod(run, level);
  ok = ok && chkps(run, level) && insert_(run, level) && update_(run, level) && delete_(run, level);
  bool subfiles = false;
  for (const Term& sub : trn_sub_levels(run, level)) subfiles = subfiles || trn_subfile_level(run, sub);
  if (subfiles) ok = ok && nlevel(run, level);
  ok = ok && updtn1(run, level) && endlvl(run, level) && scans(run, level) && after_confirm(run, level);
  if (trn_subfile_level(run, level)) ok = ok && trn_row_routines(run, level);
  return ok;
}

}  // namespace

std::string qnmsg_args(Run& run, std::string_view key, std::string_view arg) {
  const Term toks = Term::list({tk("qnmsg(", kTokFunction), tc("'" + std::string(key) + "'"),
                                tk(",", kTokComma), tc("\"" + std::string(arg) + "\""),
                                tk(")", kTokClose)});
  auto java = exp_to_java(run, toks, {});
  return java ? join_pieces(java->pieces) : std::string("\"\"");
}

bool error_msg_text(Run& run, const std::string& java) {
  return gen_error_msg(run, str(java), Term::nil());
}

bool trn_level_routines(Run& run, const Term& first) {
  bool ok = true;
  std::vector<Term> levels = trn_levels(run);
  if (!levels.empty() && !(levels.front() == first)) levels.insert(levels.begin(), first);
  for (const Term& level : levels) {
    run.facts().asserta(fact("sql_level_i", {level}));
    ok = level_routines(run, level) && ok;
    run.facts().retract(fact("sql_level_i", {level}));
  }
  return ok;
}

bool trn_has_after_level(Run& run, const Term& first) { return has_timed(run, first, "level"); }

bool trn_after_level_routine(Run& run, const Term& first) {
  if (!trn_has_after_level(run, first)) return true;
  return routine_begin(run, "after_level") && after_rules(run, first, "level", "level") &&
         routine_end(run);
}

bool trn_level_actions_when(Run& run, const Term& level, std::string_view when) {
  return actions_where(run, level, [&](const Term& a) { return timed(a, when); });
}

}  // namespace qn::logic
