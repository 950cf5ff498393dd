#include "logic/navigation/table_access.h"

#include <vector>

#include "logic/core/dbms_caps.h"
#include "logic/core/lists.h"
#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/commit_points.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/msg_actions.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/stand_ins_navdrv.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

namespace {

std::string cursor_of(Run& run, const Term& table, const Term& level) {
  Term cursor;
  if (cursor_info(run, table, level, cursor) && !cursor.is_var()) return text_of(cursor);
  return "NoCurVarErr";
}

// Att = Value items of an assignment list, as [Att, Value] pairs.
Term seek_of_assigns(const Term& assigns) {
  std::vector<Term> seek;
  for (const Term& a : assigns.list_items()) {
    if (a.is_compound() && a.functor() == "=" && a.arity() == 2) {
      seek.push_back(Term::list({a.arg(1), a.arg(2)}));
    }
  }
  return Term::list(seek);
}

// The attributes of the table's unique index, as the update keys take them.
Term unique_key_atts(const Run& run, const Term& table) {
  for (const Term& f : run.facts().findall(fact("index_i", {table, var()}))) {
    for (const Term& entry : f.arg(2).list_items()) {
      const auto e = entry.list_items();
      if (e.size() > 2 && e[1] == "u") return e[2];
    }
  }
  return Term::nil();
}

bool level_updates_table(const Run& run, const Term& level, const Term& table) {
  return run.facts().exists(fact("upd_i", {level, table, var(), var()}));
}

}  // namespace

std::string eof_cond(Run& run, const Term& table, const Term& level) {
  return cursor_of(run, table, level) + ".eof()";
}
std::string found_cond(Run& run, const Term& table, const Term& level) {
  return "!" + cursor_of(run, table, level) + ".eof()";
}
std::string locked_cond(Run& run, const Term& table, const Term& level) {
  return cursor_of(run, table, level) + ".locked()";
}

bool level_start_one(const Run& run, const Term& level) {
  return run.facts().exists(fact("start_i", {level, atom("one"), var(), var()}));
}

bool gen_level_select(Run& run, const Term& kind, const Term& table, const Term& level,
                      const Term& assigns, const Term& conds, const Term& where,
                      const Term& mode) {
  Term seek = Term::nil();
  Term card = atom("many");
  if (auto s = run.facts().first(fact("start_i", {level, var(), var(), var()}))) {
    seek = s->arg(4).is_cons() ? s->arg(4).head() : Term::nil();
    if (s->arg(2) == "one") card = atom("one");
  } else {
    seek = seek_of_assigns(assigns);
  }
  const Term order = card == "one" ? Term::nil() : level_element(run, level, 3);
  return gen_sql_select(run, kind, table, level, Term::list({table}), Term::nil(), conds, seek,
                        card, order, level_element(run, level, 2), mode, where, Term::nil());
}

bool gen_level_read(Run& run, const Term& kind, const Term& table, const Term& selected,
                    const Term& level, const Term& assigns, const Term& lock, const Term& where) {
  if (!gen_sql_select_one(run, kind, table, level, seek_of_assigns(assigns), selected, lock, where,
                          Term::nil())) {
    return false;
  }
  if (lock.is_int()) return gen_record_lock(run, lock.as_int(), table, level);
  return true;
}

bool gen_record_lock(Run& run, int64_t flag, const Term& table, const Term& level) {
  if (!level_updates_table(run, level, table)) return true;
  Out out(run);
  out.pieces({"if (" + locked_cond(run, table, level) + ")"}).open("{");
  if (!out.ok()) return false;
  MsgAction locked;
  locked.kind = 1;
  locked.message = str(msg_text(run, atom("lock"), {str(tbl_name_text(run, table))}).value_or("\"\""));
  locked.level = level;
  gen_msg_action(run, locked);
  Out act(run);
  if (flag == 0) {
    act.pieces({"if (true) return false;"});
  } else if (flag == 1) {
    gen_commit_cmd(run, level, 1);
    act.pieces({"if (true) return;"});
  } else {
    act.pieces({"if (true) continue;"});
  }
  act.close("}");
  return act.ok();
}

bool gen_lock_read(Run& run, const Term& table, const Term& level, const Term& atts) {
  gen_select_lock(run, table, level, atts, Term::nil(), Term::nil(), Term::nil());
  // The level's held attributes this read loads get their auxiliaries.
  std::vector<Term> allowed;
  for (const Term& a : atts.list_items()) allowed.push_back(Term::list({a, atom("r")}));
  gen_h_auxs(run, table, Term::list(allowed), Term::list({atom("r")}),
             old_value_moves(run, level, Term::nil()));
  return true;
}

bool gen_tbl_update(Run& run, const Term& table, const Term& level, const Term& atts,
                    const Term& keys) {
  const Term unique = remove_duplicates(atts);
  if (unique.is_nil()) return true;
  return gen_sql_update(run, table, level, unique, keys);
}

bool gen_level_updates(Run& run, const Term& level, int64_t, const Term& op) {
  bool ok = true;
  for (const Term& u : run.facts().findall(fact("upd_i", {level, var(), op, var()}))) {
    const auto parts = u.arg(4).list_items();
    const Term fresh = parts.size() > 0 ? parts[0] : Term::nil();
    const Term changed = parts.size() > 1 ? parts[1] : Term::nil();
    Term keys = parts.size() > 3 ? parts[3] : Term::nil();
    if (!keys.is_cons()) keys = unique_key_atts(run, u.arg(2));
    ok = gen_tbl_update(run, u.arg(2), level, append(fresh, changed), keys) && ok;
  }
  return ok;
}

bool gen_lock_before_update(Run& run, const Term& table, const Term& level) {
  if (needs_commit(run) && table_dbms(run, table).value_or("") != "sqlserver") return true;
  gen_read_next(run, table, level, atom("n1"));
  return gen_record_lock(run, 0, table, level);
}

bool gen_trn_level_updates(Run& run, const Term& level, int64_t) {
  if (!emit_comment(run, {"' Update level parameters"})) return false;
  bool ok = true;
  for (const Term& u : run.facts().findall(fact("upd_i", {level, var(), atom("u"), var()}))) {
    const Term& table = u.arg(2);
    bool read = false;
    // The level's actions by the index of levels (a_i/6 is keyed by action).
    for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
      read = read || ((a.arg(3) == "t" || a.arg(3) == "r") && a.arg(4) == table);
    }
    const auto parts = u.arg(4).list_items();
    const Term atts = append(parts.size() > 0 ? parts[0] : Term::nil(),
                             parts.size() > 1 ? parts[1] : Term::nil());
    if (!read || atts.is_nil()) continue;
    Term keys = parts.size() > 3 ? parts[3] : Term::nil();
    if (!keys.is_cons()) keys = unique_key_atts(run, table);
    if (needs_commit(run) && tbl_positioned_delete(run, table)) {
      gen_read_next(run, table, level, atom("n1"));
      ok = gen_record_lock(run, 0, table, level) && ok;
    }
    ok = gen_tbl_update(run, table, level, atts, keys) && ok;
  }
  return ok;
}

std::string duplicate_cond(Run& run, const Term& table) {
  const int64_t model = get_model_num(run).value_or(num(0)).is_int()
                            ? get_model_num(run)->as_int()
                            : 0;
  return table_obj(run, model, table).value_or("NoTblObjErr") + ".duplicated()";
}

bool gen_insert_dup(Run& run, const Term& table, const Term& level, std::string_view err_var,
                    std::string_view errmsg_var, std::string_view message) {
  std::vector<Term> atts;
  for (const Term& u : run.facts().findall(fact("upd_i", {level, table, atom("i"), var()}))) {
    const auto parts = u.arg(4).list_items();
    if (!parts.empty()) {
      for (const Term& a : parts[0].list_items()) atts.push_back(a);
    }
  }
  gen_sql_insert(run, table, level, Term::list(atts), Term::nil());
  Out out(run);
  out.pieces({"if (" + duplicate_cond(run, table) + ")"}).open("{");
  out.pieces({std::string(err_var), "=", "1;"});
  out.pieces({std::string(errmsg_var), "=", std::string(message) + ";"});
  return out.ok();
}

bool gen_skip(Run& run, const Term& table, const Term& level) {
  return gen_read_next(run, table, level, Term::nil());
}

}  // namespace qn::logic
