#include "logic/sql/optimised_statements.h"

#include <algorithm>
#include <array>
#include <map>

#include "logic/core/attributes.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/embedded_sql.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/sql/error_context.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// The table of a table-list entry: oj(Entry), [Table | Attributes] or Table.
Term entry_table(Term e) {
  if (e.is_compound() && e.functor() == "oj" && e.arity() == 1) e = e.arg(1);
  return e.is_cons() ? e.head() : e;
}

std::vector<Term> table_terms(const Term& tables) {
  std::vector<Term> out;
  for (const Term& e : tables.list_items()) out.push_back(entry_table(e));
  return out;
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? std::string(sep) : "") + parts[i];
  return out;
}

// The Java value of a statement parameter (a token t(Text, Kind)).
std::string param_java(Run& run, const Term& param) {
  if (auto j = exp_to_java(run, Term::list({param}), ExprCtx{})) return join_pieces(j->pieces);
  return text_of(param.is_compound() && param.arity() >= 1 ? param.arg(1) : param);
}

// The statement of an optimised command, declared under its cursor (the
// optimized_delete/1 fact the caller holds makes it an update cursor), run
// and ended. Statements of kind ins, upd, dlt and call are ended without a
// close call: their cursor facts are only dropped.
bool run_update_cursor(Run& run, const Term& level, const Term& key, std::string_view kind,
                       const Term& table, const std::string& text, const std::vector<Term>& params) {
  const std::string cursor = cursor_name(run, level, key, text, "");
  bool ok = gen_sql_cursor_stmt(run, level, cursor, kind, table, text, params, {}, level) &&
            gen_optimized_delete(run, cursor, params);
  free_cursor(run, cursor);
  return ok;
}

}  // namespace

std::vector<std::pair<Term, Term>> cond_tables(Run& run, const std::vector<Term>& tables) {
  std::vector<std::pair<Term, Term>> out;
  auto add = [&out](const Term& t, const Term& a) {
    std::pair<Term, Term> p{t, a};
    if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
  };
  const Term model = get_model_num(run).value_or(num(0));
  // The knowledge base numbers a table's attributes; the object's facts
  // name them (attri_i/2). An attribute the object describes is taken by
  // its name, so that it compares with the attributes of the object's lines.
  std::map<std::string, Term> named;
  for (const Term& f : run.facts().clauses("attri_i", 2)) {
    const auto d = f.arg(2).list_items();
    if (!d.empty()) named.emplace(platform::upper_1252(text_of(d[0])), f.arg(1));
  }
  auto by_name = [&](const Term& att) {
    if (!att.is_int()) return att;
    const auto name = get_attri_name(run, model, att);
    if (!name) return att;
    const auto it = named.find(platform::upper_1252(text_of(*name)));
    return it == named.end() ? att : it->second;
  };
  for (const Term& e0 : tables) {
    Term e = e0;
    if (e.is_compound() && e.functor() == "oj" && e.arity() == 1) e = e.arg(1);
    if (e.is_cons() && !e.tail().is_nil()) {
      for (const Term& a : e.tail().list_items()) add(e.head(), a);
      continue;
    }
    const Term table = entry_table(e);
    std::array<Term, 3> a{model, table, var()};
    if (!call_host(run, "i_all_atrisr", a) || !a[2].is_list()) continue;
    for (const Term& att : a[2].list_items()) add(table, by_name(att));
  }
  return out;
}

bool gen_optimized_delete(Run& run, std::string_view cursor, const std::vector<Term>& params) {
  std::vector<std::string> values;
  for (const Term& p : params) values.push_back(param_java(run, p));
  return emit_stmt_lines(run, str(std::string(cursor) + ".executeUpd(" + join(values, ", ") + ")"));
}

bool gen_nav_delete(Run& run, const Term& conditions, const Term& tables, const Term& level) {
  const std::vector<Term> ts = table_terms(tables);
  if (ts.empty()) return false;
  const Term table = ts.front();
  const TableList tl = make_table_list(run, tables.list_items());
  const SqlText where = sql_where_clause(run, tl, {}, conds_to_sql(run, tl, conditions.list_items()));
  std::string text = "DELETE FROM " + table_sql_name(run, "q", table);
  if (!where.text.empty()) text += " " + where.text;
  set_oper_ctx(run, str("Delete"));
  set_errtbl_ctx(run, Term::list({table}));
  return run_update_cursor(run, level, Term::list({table, atom("dlt")}), "dlt", table, text,
                           where.params);
}

bool gen_select_one_into(Run& run, const std::vector<Term>& select_list,
                         const std::vector<std::string>& auxiliaries, const Term& conditions,
                         const Term& tables, const Term& level) {
  if (select_list.size() != auxiliaries.size() || select_list.empty()) return false;
  SelectRequest req;
  req.level = level;
  req.read_kind = "n1";
  req.cardinality = "one";
  req.tables = tables.list_items();
  req.conds = conditions.list_items();
  struct Value {
    Term agg, att;
  };
  std::vector<Value> values;
  for (const Term& entry : select_list) {
    // [Table, [Agg, Att]] as the SELECT text's [Agg, Table, Att].
    const auto e = entry.list_items();
    const auto fa = e.size() == 2 ? e[1].list_items() : std::vector<Term>{};
    if (fa.size() != 2) return false;
    req.columns.push_back(Term::list({fa[0], e[0], fa[1]}));
    values.push_back({fa[0], fa[1]});
  }
  // The values come from the table's data object: without one nothing is written.
  if (req.tables.empty()) return false;
  const auto obj = declare_table_object(run, entry_table(req.tables.front()));
  if (!obj) return false;
  const auto cursor = gen_sql_select(run, "n1", req);
  if (!cursor) return false;
  bool ok = true;
  for (size_t i = 0; ok && i < values.size(); ++i) {
    auto type = fn_in_sel(run, text_of(values[i].agg), values[i].att);
    if (!type) type = Term::list({atom("int"), num(9), num(0), num(0)});
    declare_var(run, str(auxiliaries[i]), *type, "s", Term::list({}));
    std::string value;
    for (const std::string& p :
         cast_expr(*type, *obj + ".getNumericFormula(" + std::to_string(i + 1) + ")")) {
      value += p;
    }
    ok = Out(run).pieces({auxiliaries[i], "=", value, ";"}).ok();
  }
  ok = end_cursor(run, level, *cursor) && ok;
  drop_sql_level(run, level);
  return ok;
}

std::string insert_select_text(Run& run, const Term& target, const std::vector<Term>& columns,
                               const std::vector<Term>& sources, const Term& conditions,
                               const Term& tables, std::vector<Term>& params) {
  const std::vector<Term> ts = table_terms(tables);
  const TableList tl = make_table_list(run, tables.list_items());
  std::vector<std::string> cols, srcs, from;
  for (const Term& c : columns) cols.push_back(sql_attname(run, target, c));
  const Term source_table = ts.empty() ? Term() : ts.front();
  for (const Term& s : sources) srcs.push_back(column_ref(run, tl, source_table, s));
  for (const Term& t : ts) {
    from.push_back(table_sql_name(run, "q", t) + (tl.aliased() ? " " + tl.alias_of(t) : ""));
  }
  std::string text = "INSERT INTO " + table_sql_name(run, "q", target) + " (" + join(cols, ", ") +
                     ") SELECT " + join(srcs, ", ") + " FROM " + join(from, ", ");
  const SqlText where = sql_and_conds(conds_to_sql(run, tl, conditions.list_items()));
  if (!where.text.empty()) text += " WHERE " + where.text;
  params = where.params;
  return text;
}

bool gen_insert_select(Run& run, const Term& target, const std::vector<Term>& columns,
                       const std::vector<Term>& sources, const Term& conditions, const Term& tables,
                       const Term& level) {
  std::vector<Term> params;
  const std::string text = insert_select_text(run, target, columns, sources, conditions, tables, params);
  std::vector<Term> key = table_terms(tables);
  key.push_back(atom("ins"));
  set_oper_ctx(run, str("Insert"));
  set_errtbl_ctx(run, Term::list({target}));
  return run_update_cursor(run, level, Term::list(key), "UDK", target, text, params);
}

bool gen_call_cursor(Run& run, std::string_view target, std::string_view text,
                     const std::vector<Term>& params) {
  const Term name = atom(target);
  const std::string cursor = cursor_name(run, num(0), Term::list({name, atom("call")}), text, "");
  const bool ok =
      gen_sql_cursor_stmt(run, num(0), cursor, "call", name, text, params, {}, num(0));
  free_cursor(run, cursor);
  return ok;
}

}  // namespace qn::logic
