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
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/sql/cursors.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string cursor_of(Run& run, const Term& table, const Term& level) {
  return cursor_info(run, table, level);
}

int64_t token_kind(const Term& t) {
  return t.is_compound() && t.functor() == "t" && t.arity() >= 2 && t.arg(2).is_int() ? t.arg(2).as_int()
                                                                                       : -1;
}

// The start condition of a level: start_i(Level, 0, 0, [Items, Card | _]).
std::optional<Term> start_of(const Run& run, const Term& level) {
  auto s = run.facts().first(fact("start_i", {level, var(), var(), var()}));
  if (!s || !s->arg(4).is_cons()) return std::nullopt;
  return s->arg(4);
}

// The where items of a start condition's items [Att, ValueType, Value, Op
// | _]: a negative attribute stands for its absolute value, and a value of
// type 2 (an attribute) is read as a variable.
std::vector<Term> start_where_items(const Term& table, const Term& items) {
  std::vector<Term> w;
  for (const Term& i : items.list_items()) {
    const auto e = i.list_items();
    if (e.size() < 4) continue;
    Term att = e[0];
    if (att.is_int() && att.as_int() < 0) att = num(-att.as_int());
    const int64_t vt = e[1].is_int() ? e[1].as_int() : kTokVariable;
    w.push_back(fact("w", {table, att, e[3], fact("t", {e[2], num(vt == 2 ? kTokVariable : vt)})}));
  }
  return w;
}

// The columns [Table, Att] of the level's attributes (struct_i/4 less the
// excluded ones), else of the attributes given.
std::vector<Term> level_columns(Run& run, const Term& table, const Term& level, const Term& atts) {
  Term list = atts;
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    list = subtract(s->arg(3), s->arg(4));
  }
  std::vector<Term> cols;
  for (const Term& a : list.list_items()) cols.push_back(Term::list({table, a}));
  return cols;
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

std::vector<Term> level_where_items(Run& run, const Term& table, const Term& level) {
  std::vector<Term> w;
  auto f = run.facts().first(fact("lwi_i", {level, var()}));
  if (!f) return w;
  for (const Term& item : f->arg(2).list_items()) {
    const auto t = item.list_items();
    if (t.size() != 3 || token_kind(t[0]) != kTokAttribute || t[1].arity() < 1) continue;
    w.push_back(fact("w", {table, t[0].arg(1), t[1].arg(1), t[2]}));
  }
  return w;
}

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
  auto s = start_of(run, level);
  return s && s->tail().is_cons() && s->tail().head() == "one";
}

bool gen_level_select(Run& run, const Term& kind, const Term& table, const Term& level,
                      const Term& assigns, const Term& conds, const Term& where,
                      const Term& mode) {
  SelectRequest req;
  req.level = level;
  req.read_kind = text_of(kind);
  req.tables = {Term::list({table})};
  if (auto s = start_of(run, level)) {
    req.where_items = start_where_items(table, s->head());
    if (level_start_one(run, level)) req.cardinality = "one";
  } else {
    req.where_items = seek_where_items(table, assigns);
  }
  for (const Term& w : level_where_items(run, table, level)) req.where_items.push_back(w);
  req.conds = conds.list_items();
  if (req.cardinality != "one") {
    for (const Term& o : level_element(run, level, 3).list_items()) {
      // A negative entry orders descending.
      if (o.is_int() && o.as_int() < 0) {
        req.order.push_back(Term::list({table, fact("-", {num(-o.as_int())})}));
      } else {
        req.order.push_back(Term::list({table, o}));
      }
    }
  }
  req.columns = level_columns(run, table, level, Term::nil());
  (void)mode;
  return gen_sql_select(run, req.read_kind, req).has_value();
}

bool gen_level_read(Run& run, const Term& kind, const Term& table, const Term& selected,
                    const Term& level, const Term& assigns, const Term& lock, const Term& where) {
  std::vector<Term> cols;
  for (const Term& a : selected.list_items()) cols.push_back(Term::list({table, a}));
  if (!gen_sql_select_one(run, text_of(kind), level, table, seek_where_items(table, assigns), cols,
                          where.list_items())) {
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
  const bool ok = gen_select_lock(run, level, table, atts.list_items());
  // The level's held attributes this read loads get their auxiliaries.
  std::vector<Term> allowed;
  for (const Term& a : atts.list_items()) allowed.push_back(Term::list({a, atom("r")}));
  gen_h_auxs(run, table, Term::list(allowed), Term::list({atom("r")}),
             old_value_moves(run, level, Term::nil()));
  return ok;
}

namespace {

bool action_read(Run& run, const Term& level, const Term& table, const Term& loads,
                 const Term& action, bool lock) {
  std::vector<Term> seek;
  const auto info = action.arity() >= 6 ? action.arg(6).list_items() : std::vector<Term>{};
  for (const Term& k : info.empty() ? std::vector<Term>{} : info[0].list_items()) {
    const auto key = k.list_items();
    if (key.size() < 3) continue;
    const Term att = key[1].is_list() ? key[1].list_items().back() : key[1];
    seek.push_back(Term::list({key[2], fact("t", {att, num(kTokAttribute)})}));
  }
  const bool ok = gen_level_read(run, atom("r"), table, loads, level, Term::list(seek),
                                 lock ? num(1) : Term::nil(), Term::nil());
  return gen_lock_read(run, table, level, loads) && ok;
}

}  // namespace

bool gen_lock_read(Run& run, const Term& level, const Term& table, const Term& loads, const Term&,
                   const Term& action, const Term&, const Term&) {
  return action_read(run, level, table, loads, action, true);
}

bool gen_aux_reads(Run& run, const Term& level, const Term& table, const Term& loads, const Term&,
                   const Term& action, const Term&, const Term&) {
  return action_read(run, level, table, loads, action, false);
}

bool gen_tbl_update(Run& run, const Term& table, const Term& level, const Term& atts,
                    const Term& keys) {
  const Term unique = remove_duplicates(atts);
  if (unique.is_nil()) return true;
  std::vector<SqlAssign> assigns;
  for (const Term& a : unique.list_items()) assigns.push_back({a, Term::nil()});
  return gen_sql_update(run, level, table, assigns, keys.list_items());
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
  gen_read_next(run, level, table);
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
      gen_read_next(run, level, table);
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
  // A statement run through its cursor has its status there.
  if (auto c = run.facts().first(fact("stmt_cursor_i", {table, var()}))) {
    return text_of(c->arg(2)) + ".duplicated()";
  }
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
  std::vector<SqlAssign> assigns;
  for (const Term& a : atts) assigns.push_back({a, Term::nil()});
  std::vector<Term> others;
  if (auto t = run.facts().first(fact("table_i", {table, var()})); t && t->arg(2).is_cons() &&
                                                                  t->arg(2).tail().is_cons()) {
    others = t->arg(2).tail().head().list_items();
  }
  gen_sql_insert(run, level, table, assigns, others);
  Out out(run);
  out.pieces({"if (" + duplicate_cond(run, table) + ")"}).open("{");
  out.pieces({std::string(err_var), "=", "1;"});
  out.pieces({std::string(errmsg_var), "=", std::string(message) + ";"});
  return out.ok();
}

bool gen_skip(Run& run, const Term& table, const Term& level) {
  // A break level reads the rows of the top of its same-table chain.
  return gen_read_next(run, top_nvg_level(run, level, table), table);
}

}  // namespace qn::logic
