#include "logic/sql/sql_statements.h"

#include <algorithm>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/old_values.h"
#include "logic/program/expressions.h"
#include "logic/sql/error_context.h"
#include "logic/sql/optimised_statements.h"
#include "logic/sql/text_utils.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool object_kind_is(Run& run, std::string_view kind) {
  auto f = run.facts().first(fact("spec_i", {var()}));
  return f && f->arg(1).is_cons() && f->arg(1).head() == kind;
}

Term first_table(const SelectRequest& req) {
  if (req.tables.empty()) return Term();
  Term e = req.tables.front();
  if (e.is_compound() && e.functor() == "oj" && e.arity() == 1) e = e.arg(1);
  return e.is_cons() ? e.head() : e;
}

Term table_key(const SelectRequest& req) {
  std::vector<Term> ts;
  for (Term e : req.tables) {
    if (e.is_compound() && e.functor() == "oj" && e.arity() == 1) e = e.arg(1);
    ts.push_back(e.is_cons() ? e.head() : e);
  }
  return Term::list(ts);
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? std::string(sep) : "") + parts[i];
  return out;
}

// The value of an assignment as a marker: the value token, or the
// attribute's own (the token of the attribute) when none is given.
Term marker_param(const SqlAssign& a) {
  if (!a.value.is_nil()) return a.value;
  return fact("t", {a.att, num(kTokAttribute)});
}

// The searched WHERE clause of key attributes, valued by their own values.
SqlText key_where(Run& run, const Term& table, const std::vector<Term>& keys) {
  SqlText w;
  std::vector<std::string> items;
  for (const Term& k : keys) {
    items.push_back(sql_attname(run, table, k) + " = ?");
    w.params.push_back(fact("t", {k, num(kTokAttribute)}));
  }
  if (!items.empty()) w.text = "WHERE " + join(items, " AND ");
  return w;
}

// The attributes of the table's unique index (its entries are [[], A, A]).
std::vector<Term> unique_keys(Run& run, const Term& table) {
  std::vector<Term> keys;
  for (const Term& e : unique_index_atts(run, table).list_items()) {
    const auto parts = e.is_list() ? e.list_items() : std::vector<Term>{};
    if (parts.size() == 3) keys.push_back(parts[1]);
  }
  return keys;
}

std::vector<Term> keys_or_unique(Run& run, const Term& table, const std::vector<Term>& keys) {
  if (!keys.empty()) return keys;
  return unique_keys(run, table);
}

// The Java value of a statement parameter (a token t(Text, Kind)).
std::string param_java(Run& run, const Term& param) {
  if (auto j = exp_to_java(run, Term::list({param}), ExprCtx{})) return join_pieces(j->pieces);
  return text_of(param.is_compound() && param.arity() >= 1 ? param.arg(1) : param);
}

// The single-row fetch of a cursor into the data object of its table, with
// the values of the statement's parameters.
bool fetch_first(Run& run, const std::string& cursor, const Term& table,
                 const std::vector<Term>& params) {
  std::vector<std::string> args{cursor};
  if (auto obj = declare_table_object(run, table)) args.push_back(*obj);
  for (const Term& p : params) args.push_back(param_java(run, p));
  return gen_db_command(run, "qnfetchf", args);
}

// The cursor of the level's read of a table.
std::optional<std::string> level_cursor(Run& run, const Term& level, const Term& table) {
  for (const Term& f : run.facts().findall(fact("c_num_i", {level, var(), var()}))) {
    const Term& tables = f.arg(2);
    if (!tables.is_list() || !f.arg(3).is_cons()) continue;
    for (const Term& t : tables.list_items()) {
      if (t == table) return text_of(f.arg(3).head());
    }
  }
  return std::nullopt;
}

void comment_lines(Run& run, const std::vector<std::string>& comments) {
  for (const std::string& c : comments) emit_comment(run, {c});
}

}  // namespace

std::optional<std::string> status_cond_text(std::string_view status) {
  static constexpr std::pair<std::string_view, std::string_view> kTable[] = {
      {"ok", "0"},        {"duprec", "duplicated()"}, {"eof", "eof()"},   {"lockrcd", "locked()"},
      {"deleted", "104"}, {"fnf", "105"},             {"objexist", "106"}, {"badfk", "500"}};
  for (const auto& [s, t] : kTable) {
    if (s == status) return std::string(t);
  }
  return std::nullopt;
}

std::optional<Term> fn_in_sel(Run& run, std::string_view aggregate, const Term& att) {
  if (aggregate == "count(") return Term::list({atom("int"), num(9), num(0), num(0)});
  Term model = get_model_num(run).value_or(num(0));
  auto t = get_attri_type(run, model, att);
  if (!t) return std::nullopt;
  Term sign = num(1);
  if (auto d = call_attri(run, att); d && d->is_list()) {
    auto items = d->list_items();
    if (items.size() > 5 && items[5].is_int() && items[5].as_int() == 0) sign = num(0);
  }
  if (aggregate == "max(" || aggregate == "min(") return Term::list({t->type, t->length, t->decimals, sign});
  if (aggregate == "sum(") {
    Term len = t->length.is_int() ? num(t->length.as_int() + 2) : t->length;
    return Term::list({t->type, len, t->decimals, sign});
  }
  return Term::list({t->type, t->length, t->decimals, num(0)});
}

void push_sql_level(Run& run, const Term& level) { run.facts().asserta(fact("sql_level_i", {level})); }
void drop_sql_level(Run& run, const Term& level) { run.facts().retract(fact("sql_level_i", {level})); }

std::optional<std::string> gen_sql_select(Run& run, std::string_view kind, const SelectRequest& req) {
  if (kind != "as") push_sql_level(run, req.level);
  const Term table = first_table(req);
  const Term tables = table_key(req);
  std::vector<Term> order_terms(req.order.begin(), req.order.end());
  std::vector<Term> unique;
  if (!object_kind_is(run, "trn") && !req.tables.empty() && dbms_for_update(run, table) &&
      !for_update_usable(run, table, Term::list(order_terms)) &&
      !(unique = unique_keys(run, table)).empty()) {
    emit_comment_block(run, {{"The DBMS does not support FOR UPDATE clause in ORDERed SELECT"},
                             {"statements. Two statements are generated to warranty ORDER and"},
                             {"locking requirements."}});
    // The read-only SELECT in the requested order.
    SelectRequest ro = req;
    ro.read_kind = "n1";
    SelectText t1 = sql_select_stmt(run, ro);
    comment_lines(run, t1.comments);
    const std::string c1 = cursor_name(run, req.level, tables, t1.sql.text, "");
    set_oper_ctx(run, str("Declare"));
    set_errtbl_ctx(run, Term::list({table}));
    gen_sql_select_call(run, c1, table, tables, t1.sql.text, t1.sql.params, "n1", req.level);
    fetch_first(run, c1, table, t1.sql.params);
    // The locking single-row SELECT over the unique key and the order.
    std::vector<Term> atts = unique;
    for (const Term& o : req.order) {
      auto items = o.is_list() ? o.list_items() : std::vector<Term>{};
      if (items.size() != 2) continue;
      Term a = items[1];
      if (a.is_compound() && a.functor() == "-" && a.arity() == 1) a = a.arg(1);
      if (std::find(atts.begin(), atts.end(), a) == atts.end()) atts.push_back(a);
    }
    SelectRequest lk;
    lk.level = req.level;
    lk.read_kind = "s";
    lk.cardinality = "many";
    // The locking SELECT reads the table alone: the columns of joined
    // tables are not its own.
    for (const Term& c : req.columns) {
      const auto items = c.is_list() ? c.list_items() : std::vector<Term>{};
      if (items.size() == 2 && items[0] != table) continue;
      lk.columns.push_back(c);
    }
    lk.tables = {Term::list({table})};
    for (const Term& a : atts) {
      lk.where_items.push_back(fact("w", {table, a, str("="), fact("t", {a, num(kTokAttribute)})}));
    }
    SelectText t2 = sql_select_stmt(run, lk);
    const std::string c2 =
        cursor_name(run, req.level, Term::list({table, atom("lock")}), t2.sql.text, "");
    gen_sql_select_call(run, c2, table, Term::list({table}), t2.sql.text, t2.sql.params, "s", req.level);
    // The locking SELECT is run for each row the read-only one reads, with
    // that row's key (gen_select_lock/6): its parameters' Java values are
    // kept with the double SELECT.
    std::vector<Term> values;
    for (const Term& p : t2.sql.params) values.push_back(str(param_java(run, p)));
    run.facts().asserta(fact("sql_double_select",
                             {table, str(c2), Term::list({Term::list(atts), Term::list(values)})}));
    return c1;
  }
  if (auto open = open_cursor_num(run, req.level, tables)) return open;
  SelectText st = sql_select_stmt(run, req);
  comment_lines(run, st.comments);
  const std::string cursor = cursor_name(run, req.level, tables, st.sql.text, "");
  set_oper_ctx(run, str(req.cardinality == "one" ? "Fetch" : "Declare"));
  set_errtbl_ctx(run, Term::list({table}));
  if (!gen_sql_select_call(run, cursor, table, tables, st.sql.text, st.sql.params, kind, req.level)) {
    return std::nullopt;
  }
  // A declared cursor is executed at once: its loop reads the rows it fetched.
  fetch_first(run, cursor, table, st.sql.params);
  return cursor;
}

SqlText sql_insert_stmt(Run& run, const Term& table, const std::vector<SqlAssign>& assigns,
                        const std::vector<Term>& other_atts) {
  SqlText s;
  std::vector<std::string> cols, vals;
  for (const SqlAssign& a : assigns) {
    cols.push_back(sql_attname(run, table, a.att));
    vals.push_back("?");
    s.params.push_back(marker_param(a));
  }
  if (initialize_new_on(run)) {
    for (const Term& att : other_atts) {
      if (std::any_of(assigns.begin(), assigns.end(), [&](const SqlAssign& a) { return a.att == att; })) {
        continue;
      }
      // A vchar column has no empty value: it stays out and takes its default.
      auto empty = att_sql_type(run, att, table);
      if (!empty) continue;
      cols.push_back(sql_attname(run, table, att));
      vals.push_back(*empty);
    }
  }
  s.text = "INSERT INTO " + table_sql_name(run, "q", table) + " (" + join(cols, ", ") + ") VALUES (" +
           join(vals, ", ") + ")";
  return s;
}

std::optional<SqlText> sql_update_stmt(Run& run, const Term& table, const std::vector<SqlAssign>& assigns,
                                       const std::vector<Term>& keys, std::string_view read_cursor) {
  if (assigns.empty()) return std::nullopt;
  SqlText s;
  std::vector<std::string> sets;
  for (const SqlAssign& a : assigns) {
    sets.push_back(sql_attname(run, table, a.att) + " = ?");
    s.params.push_back(marker_param(a));
  }
  s.text = "UPDATE " + table_sql_name(run, "q", table) + " SET " + join(sets, ", ");
  if (keys.empty() && !read_cursor.empty() && tbl_positioned_delete(run, table)) {
    s.text += " WHERE CURRENT OF " + std::string(read_cursor);
    return s;
  }
  std::vector<Term> k = keys_or_unique(run, table, keys);
  // Without a key the statement would change every row: none is written.
  if (k.empty()) return std::nullopt;
  SqlText w = key_where(run, table, k);
  s.text += " " + w.text;
  s.params.insert(s.params.end(), w.params.begin(), w.params.end());
  return s;
}

std::optional<SqlText> sql_delete_stmt(Run& run, const Term& table, const std::vector<Term>& keys,
                                       std::string_view read_cursor) {
  SqlText s;
  s.text = "DELETE FROM " + table_sql_name(run, "q", table);
  if (keys.empty() && !read_cursor.empty() && tbl_positioned_delete(run, table)) {
    s.text += " WHERE CURRENT OF " + std::string(read_cursor);
    return s;
  }
  std::vector<Term> k = keys_or_unique(run, table, keys);
  if (k.empty()) return std::nullopt;
  SqlText w = key_where(run, table, k);
  s.text += " " + w.text;
  s.params = w.params;
  return s;
}

namespace {

std::string dml_cursor(Run& run, const Term& level, const Term& table, std::string_view mode,
                       const std::string& text) {
  return cursor_name(run, level, Term::list({table, atom(mode)}), text, "");
}

bool status_if(Run& run, std::string_view cursor, const Term& table, std::string_view status,
               std::string_view op) {
  auto test = status_cond_text(status);
  if (!test) return false;
  Out out(run);
  out.open("if (" + gen_sql_stmt_call(run, cursor, "s", table, *test, op) + ") {");
  return out.ok();
}

// A data statement of a level that no data object runs (no dcl_cursor_i/4
// of the level and kind) is run by its cursor's update call: the cursor
// class alone would leave the row unchanged. An optimised statement is run
// by its own writer. stmt_cursor_i/2 (Table, Cursor) names the cursor
// whose status the tests after the statement read.
bool run_data_stmt(Run& run, const Term& level, const Term& table, std::string_view kind,
                   const std::string& cursor, const std::vector<Term>& params) {
  if (run.facts().exists(fact("dcl_cursor_i", {level, atom(kind), var(), var()})) ||
      run.facts().exists(fact("optimized_delete", {var()}))) {
    return true;
  }
  // An attribute whose value is bound is held in its auxiliary variable.
  for (const Term& p : params) {
    if (p.is_compound() && p.arity() == 2 && p.arg(2) == num(kTokAttribute)) {
      get_att_var(run, p.arg(1));
    }
  }
  // The statement's status is its cursor's: the tests after it ask there.
  run.facts().retract_all(fact("stmt_cursor_i", {table, var()}));
  run.facts().assertz(fact("stmt_cursor_i", {table, str(cursor)}));
  return gen_optimized_delete(run, cursor, params);
}

}  // namespace

bool gen_sql_insert(Run& run, const Term& level, const Term& table, const std::vector<SqlAssign>& assigns,
                    const std::vector<Term>& other_atts) {
  // With initialize_new on and no attributes given, the other attributes
  // are every attribute the table stores.
  std::vector<Term> others = other_atts;
  if (others.empty() && initialize_new_on(run)) {
    for (const auto& pair : cond_tables(run, {table})) others.push_back(pair.second);
  }
  SqlText s = sql_insert_stmt(run, table, assigns, others);
  const std::string cursor = dml_cursor(run, level, table, "ins", s.text);
  set_oper_ctx(run, str("Insert"));
  set_errtbl_ctx(run, Term::list({table}));
  bool ok = gen_sql_cursor_stmt(run, level, cursor, "ins", table, s.text, s.params, assigns, level);
  if (ok) ok = run_data_stmt(run, level, table, "ins", cursor, s.params);
  free_cursor(run, cursor);
  return ok;
}

bool gen_sql_update(Run& run, const Term& level, const Term& table, const std::vector<SqlAssign>& assigns,
                    const std::vector<Term>& keys) {
  if (assigns.empty()) {
    return emit_comment(run, {"No attributes to update on table", table_sql_name(run, "q", table)});
  }
  const std::string read = level_cursor(run, level, table).value_or("");
  auto s = sql_update_stmt(run, table, assigns, keys, read);
  if (!s) {
    return emit_comment(run, {"No key to update table", table_sql_name(run, "q", table)});
  }
  if (!read.empty() && !status_if(run, read, table, "ok", "=")) return false;
  const std::string cursor = dml_cursor(run, level, table, "upd", s->text);
  set_oper_ctx(run, str("Update"));
  set_errtbl_ctx(run, Term::list({table}));
  bool ok = gen_sql_cursor_stmt(run, level, cursor, "upd", table, s->text, s->params, assigns, level);
  if (ok) ok = run_data_stmt(run, level, table, "upd", cursor, s->params);
  free_cursor(run, cursor);
  if (!read.empty()) ok = Out(run).close("}").ok() && ok;
  return ok;
}

bool gen_sql_delete(Run& run, const Term& level, const Term& table) {
  const std::string read = level_cursor(run, level, table).value_or("");
  auto s = sql_delete_stmt(run, table, {}, read);
  if (!s) return emit_comment(run, {"No key to delete from table", table_sql_name(run, "q", table)});
  if (!read.empty() && !status_if(run, read, table, "ok", "=")) return false;
  const std::string cursor = dml_cursor(run, level, table, "dlt", s->text);
  set_oper_ctx(run, str("Delete"));
  set_errtbl_ctx(run, Term::list({table}));
  bool ok = gen_sql_cursor_stmt(run, level, cursor, "dlt", table, s->text, s->params, {}, level);
  if (ok) ok = run_data_stmt(run, level, table, "dlt", cursor, s->params);
  free_cursor(run, cursor);
  if (!read.empty()) ok = Out(run).close("}").ok() && ok;
  return ok;
}

bool gen_read_next(Run& run, const Term& level, const Term& table) {
  // With a double SELECT too the next row is the read-only cursor's, the
  // level's: the locking one holds the current row only.
  auto cursor = level_cursor(run, level, table);
  if (!cursor) return false;
  return select_one_cursor(run, *cursor);
}

bool gen_exec_immediate(Run& run, std::string_view statement, std::string_view name,
                        std::string_view commit) {
  const bool bracket = cs_connect_f(run) && commit == "n";
  if (bracket) gen_commit(run, 4);
  // The statement's name (the statuses the executor lets pass, a DROP of a
  // table that is not there, say) is the call's last argument.
  const bool ok = gen_exec_imm_lines(run, wrap_sql_text(statement), name);
  if (bracket) gen_commit(run, 5);
  return ok;
}

bool gen_commit(Run& run, int64_t kind) {
  if (!needs_commit(run)) return true;
  return gen_trn_stmt(run, kind);
}

bool gen_trn_stmt(Run& run, int64_t kind) {
  if (!trn_logging(run) || kind == 0) return true;
  if (kind == 1 || kind == 2) {
    if (object_kind_is(run, "trn") && model_dbms(run) == "sqlserver") {
      for (const Term& f : run.facts().findall(fact("c_num_i", {var(), var(), var()}))) {
        if (f.arg(3).is_cons() && run.facts().exists(fact("open_i", {f.arg(3).head()}))) {
          end_cursor(run, f.arg(1), text_of(f.arg(3).head()));
        }
      }
    }
    bool ok = true;
    for (int64_t store : model_dstores(run)) {
      auto ds = find_dstore(run, num(store));
      const std::string name = ds ? ds->name : std::string(kDefaultDstore);
      ok = (kind == 1 ? emit_app_commit(run, name) : emit_app_rollback(run, name)) && ok;
    }
    return ok;
  }
  if (kind == 4 || kind == 5) {
    const auto driver = model_driver(run);
    if (driver == "qedbf" || driver == "qebtrieve") {
      return gen_db_command(run, kind == 4 ? "qnendtrn" : "qnbegtrn", {});
    }
  }
  return true;
}

void free_cursor(Run& run, std::string_view cursor) {
  auto& facts = run.facts();
  const Term c = str(cursor);
  facts.retract_all(fact("c_num_i", {var(), var(), Term::cons(c, var())}));
  facts.retract_all(fact("c_sel_i", {c, var()}));
  facts.retract_all(fact("c_where_i", {c, var()}));
  facts.retract_all(fact("open_i", {c}));
}

bool end_cursor(Run& run, const Term& level, std::string_view cursor) {
  const bool ok = gen_db_command(run, "qnclosecur", {std::string(cursor)});
  free_cursor(run, cursor);
  return ok;
}

bool level_sql_end(Run& run, const Term& level, const Term& table) {
  auto& facts = run.facts();
  for (const char* k : {"ins", "xins"}) {
    if (facts.exists(fact("break_i", {level, atom(k), var(), var(), var()}))) return true;
  }
  // A parent reading the same table keeps the cursors: only the SQL level goes.
  if (auto s = facts.first(fact("struct_i", {level, var(), var(), var()}))) {
    if (auto p = facts.first(fact("level_i", {s->arg(2), var()})); p && p->arg(2).is_cons() &&
                                                                    p->arg(2).head() == table) {
      drop_sql_level(run, level);
      return true;
    }
  }
  std::vector<std::string> done;
  for (const Term& f : facts.findall(fact("c_num_i", {level, var(), var()}))) {
    if (!f.arg(3).is_cons()) continue;
    const std::string c = text_of(f.arg(3).head());
    if (std::find(done.begin(), done.end(), c) != done.end()) continue;
    done.push_back(c);
    end_cursor(run, level, c);
  }
  drop_sql_level(run, level);
  return true;
}

}  // namespace qn::logic
