#include "logic/sql/cursors.h"

#include <algorithm>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/embedded_sql.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/sql/sql_statements.h"
#include "logic/navigation/old_values.h"
#include "logic/sql/error_context.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

int64_t model_number(const Run& run) {
  auto m = get_model_num(run);
  return m && m->is_int() ? m->as_int() : 0;
}

bool names_table(const Term& tables, const Term& table) {
  if (!tables.is_list()) return false;
  for (const Term& t : tables.list_items()) {
    if (t == table) return true;
  }
  return false;
}

// The cursor of a c_num_i/3 entry of the level reading the table.
std::optional<std::string> level_cursor(Run& run, const Term& level, const Term& table) {
  for (const Term& f : run.facts().findall(fact("c_num_i", {level, var(), var()}))) {
    if (names_table(f.arg(2), table) && f.arg(3).is_cons()) return text_of(f.arg(3).head());
  }
  return std::nullopt;
}

Term parent_level(Run& run, const Term& level) {
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) return s->arg(2);
  return num(0);
}

Term base_table_of(Run& run, const Term& level) {
  auto f = run.facts().first(fact("level_i", {level, var()}));
  return f && f->arg(2).is_cons() ? f->arg(2).head() : num(0);
}

// The level is the outermost navigation of the table: its parent reads
// another table.
bool outermost(Run& run, const Term& level, const Term& table) {
  return !(base_table_of(run, parent_level(run, level)) == table);
}

}  // namespace

std::string cursor_info(Run& run, const Term& table, const Term& level) {
  auto& facts = run.facts();
  if (!level.is_nil() && !level.is_var()) {
    if (auto c = level_cursor(run, level, table)) return *c;
  }
  for (const Term& l : facts.findall(fact("sql_level_i", {var()}))) {
    if (auto c = level_cursor(run, l.arg(1), table)) return *c;
  }
  std::optional<std::string> newest;
  for (const Term& f : facts.findall(fact("c_num_i", {var(), var(), var()}))) {
    if (names_table(f.arg(2), table) && f.arg(3).is_cons()) newest = text_of(f.arg(3).head());
  }
  return newest.value_or("NoCurVarErr");
}

std::optional<std::string> sql_aname(Run& run, const Term&, const Term& att, std::string_view) {
  return get_att_var(run, att);
}

std::vector<Term> seek_where_items(const Term& table, const Term& seek) {
  std::vector<Term> items;
  for (const Term& s : seek.list_items()) {
    Term att, value;
    if (s.is_compound() && s.functor() == "=" && s.arity() == 2) {
      att = s.arg(1);
      value = s.arg(2);
    } else if (s.is_list() && s.list_items().size() >= 2) {
      att = s.list_items()[0];
      value = s.list_items()[1];
    } else {
      continue;
    }
    if (!(value.is_compound() && value.functor() == "t" && value.arity() >= 2)) {
      value = fact("t", {value, num(kTokVariable)});
    }
    items.push_back(fact("w", {table, att, str("="), value}));
  }
  return items;
}

bool gen_sql_select_one(Run& run, std::string_view kind, const Term& level, const Term& table,
                        const std::vector<Term>& seek, const std::vector<Term>& columns,
                        const std::vector<Term>& conds) {
  SelectRequest req;
  req.level = level;
  req.read_kind = std::string(kind);
  req.cardinality = "one";
  req.columns = columns;
  req.tables = {Term::list({table})};
  req.where_items = seek;
  req.conds = conds;
  return gen_sql_select(run, kind, req).has_value();
}

bool gen_fetch_assign(Run& run, const Term& table, const std::vector<Term>& atts) {
  const int64_t model = model_number(run);
  auto obj = base_table_obj(run, model, table);
  if (!obj) return true;
  Out out(run);
  for (const Term& att : atts) {
    auto getter = attribute_getter_name(run, model, att);
    auto target = get_att_var(run, att);
    if (!getter || !target) continue;
    out.pieces({*target, "=", *obj + "." + *getter + "();"});
  }
  return out.ok();
}

bool gen_select_lock(Run& run, const Term& level, const Term& table, const std::vector<Term>& atts) {
  auto d = run.facts().first(fact("sql_double_select", {table, var(), var()}));
  if (!d) return gen_fetch_assign(run, table, atts);
  emit_comment_block(run, {{"The following code locks the record read by the previous read-only"},
                           {"SELECT statement."}});
  const std::string cursor = text_of(d->arg(2));
  // The key of the row read goes to the attributes' variables, with which
  // the locking SELECT reads the row again.
  const auto kept = d->arg(3).list_items();
  const std::vector<Term> keys = kept.empty() ? std::vector<Term>{} : kept[0].list_items();
  if (!gen_fetch_assign(run, table, keys)) return false;
  std::vector<std::string> args{cursor};
  if (auto obj = declare_table_object(run, table)) args.push_back(*obj);
  if (kept.size() > 1 && kept[1].is_list()) {
    for (const Term& v : kept[1].list_items()) args.push_back(text_of(v));
  }
  set_oper_ctx(run, str("Fetch"));
  if (!gen_db_command(run, "qnfetchf", args)) return false;
  Out out(run);
  out.open("if (" + gen_sql_stmt_call(run, cursor, "s", table, "eof()", "<>") + ") {");
  if (!out.ok()) return false;
  return gen_fetch_assign(run, table, atts);
}

bool gen_level_end(Run& run, const Term& level, const Term& table) {
  auto& facts = run.facts();
  if (!facts.exists(fact("sql_double_select", {table, var(), var()}))) return true;
  if (!Out(run).close("}").ok()) return false;
  if (!outermost(run, level, table)) return true;
  // The locking cursor ends with the row; the read-only one, the level's,
  // goes on to the next row and ends with the level.
  if (auto d = facts.first(fact("sql_double_select", {table, var(), var()}))) {
    end_cursor(run, level, text_of(d->arg(2)));
  }
  facts.retract_all(fact("sql_double_select", {table, var(), var()}));
  return true;
}

bool gen_table_object_new(Run& run, const Term& table, std::string_view mode, std::string_view card,
                          const Term& atts, const Term& level) {
  auto& facts = run.facts();
  const bool inserts = facts.exists(fact("upd_i", {level, table, atom("i"), var()}));
  bool listed = false;
  if (auto tw = facts.first(fact("tw_i", {level, var()}))) listed = names_table(tw->arg(2), table);
  if (!inserts && !listed) return true;
  if (inserts && !declare_table_object(run, table)) return false;
  if (!facts.exists(fact("in_level_i", {level}))) facts.asserta(fact("in_level_i", {level}));
  facts.asserta(fact("level_info_i", {level, Term::list({table, atom(mode), atom(card), atts})}));
  return true;
}

}  // namespace qn::logic
