#include "logic/sql/ddl/index_ddl.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/sql/ddl/ddl_text.h"
#include "logic/sql/ddl/storage_areas.h"
#include "logic/sql/ddl/table_ddl.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"

namespace qn::logic::ddl {

using engine::Term;

namespace {

bool exec(Run& run, const std::string& statement, std::string_view name, std::string_view commit = "n") {
  return gen_exec_immediate(run, statement, name, commit);
}

// An index name as the statements name it: qualified like a table except
// where the driver keeps index names unqualified (SQL Server).
std::string index_sql_name(Run& run, const Term& table, std::string_view index) {
  if (idx_name_qualified(run, table)) return tbl_qualified_name(run, table, index);
  return std::string(index);
}

// The index storage clause of Oracle; '' elsewhere or without properties.
std::string index_storage(Run& run, const Term& model, const Term& table, std::string_view index) {
  if (table_dbms(run, table) != "oracle7") return "";
  std::string items;
  for (const auto& [prop, text] : {std::pair<std::string_view, std::string_view>{"IDXINISIZE", " INITIAL $n$ K"},
                                   {"IDXFEXTENT", " NEXT $n$ K"},
                                   {"IDXNEXTENT", " PCTINCREASE $n$"},
                                   {"IDXMINEXTENT", " MINEXTENTS $n$"}}) {
    if (auto v = idx_property(run, model, table, str(index), prop)) items += sql(text, {{"n", *v}});
  }
  if (items.empty()) return "";
  return sql(" STORAGE ($items$)", {{"items", items}});
}

// 'text' with every "'" doubled, as an SQL literal holds it.
std::string sql_quoted(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

// The line that adds a text to the reorganisation log of the program.
bool reorg_log(Out& out, std::string_view text) {
  return out.pieces({"QNReorganization.addMsg(" + java_quoted(text) + ");"}).ok();
}

// subor_tables_i/2: the tables Table refers to that need reorganisation,
// each [Other, Attributes], asked of the knowledge base once per table.
std::optional<std::vector<Term>> subor_tables(Run& run, const Term& model, const Term& table) {
  if (auto f = run.facts().first(fact("subor_tables_i", {table, var()}))) return f->arg(2).list_items();
  std::array<Term, 3> a{model, table, var()};
  if (!call_host(run, "i_dir_subor", a) || !a[2].is_list()) return std::nullopt;
  std::vector<Term> keep;
  for (const Term& e : a[2].list_items()) {
    if (!e.is_list() || e.list_items().size() < 2) continue;
    std::array<Term, 2> n{model, e.list_items()[0]};
    if (call_host(run, "i_need_reorg", n)) keep.push_back(e);
  }
  run.facts().assertz(fact("subor_tables_i", {table, Term::list(keep)}));
  return keep;
}

std::vector<int64_t> abs_numbers(const std::vector<Term>& atts) {
  std::vector<int64_t> out;
  for (const Term& a : atts) out.push_back(a.is_int() ? std::llabs(a.as_int()) : 0);
  return out;
}

// The name of the table's index over exactly these attributes.
std::optional<std::string> index_over(Run& run, const Term& model, const Term& table,
                                      const std::vector<Term>& atts) {
  const std::vector<int64_t> want = abs_numbers(atts);
  int64_t n = 1;
  for (int guard = 0; guard < 10000; ++guard) {
    std::array<Term, 4> next{model, table, num(n), var()};
    if (!call_host(run, "i_index_exists", next) || !next[3].is_int() || next[3].as_int() < n) break;
    n = next[3].as_int();
    std::array<Term, 6> idx{model, table, num(n), var(), var(), var()};
    if (call_host(run, "i_index", idx) && idx[5].is_list() &&
        abs_numbers(idx[5].list_items()) == want) {
      return text_of(idx[3]);
    }
    ++n;
  }
  return std::nullopt;
}

// The constraint of one foreign key: its name and the referenced table.
struct ForeignKey {
  std::string constraint;
  std::vector<std::string> columns;
  std::string referenced;
  std::vector<std::string> referenced_columns;
};

std::optional<ForeignKey> foreign_key(Run& run, const Term& model, const Term& table,
                                      std::string_view table_name, const Term& entry) {
  const std::string what = "Table " + std::string(table_name);
  const Term other = entry.list_items()[0];
  const std::vector<Term> atts = entry.list_items()[1].list_items();
  ForeignKey fk;
  const auto index = index_over(run, model, table, atts);
  if (!index) {
    bad_input(run, what, "no index over the attributes that refer to table " + text_of(other));
    return std::nullopt;
  }
  if (!check_name(run, what, *index)) return std::nullopt;
  fk.constraint = dbms_option(run, table) == "db2400" ? tbl_qualified_name(run, table, *index) : *index;
  for (const Term& a : atts) {
    fk.columns.push_back(sql_attname(run, table, num(std::llabs(a.as_int()))));
    if (!check_name(run, what, fk.columns.back())) return std::nullopt;
  }
  std::array<Term, 3> pk{model, other, var()};
  if (!call_host(run, "i_obt_prim_key", pk) || !pk[2].is_list() || pk[2].list_items().empty()) {
    bad_input(run, what, "table " + text_of(other) + " that it refers to has no primary key");
    return std::nullopt;
  }
  for (const Term& a : pk[2].list_items()) {
    fk.referenced_columns.push_back(sql_attname(run, other, a));
    if (!check_name(run, what, fk.referenced_columns.back())) return std::nullopt;
  }
  fk.referenced = table_sql_name(run, "q", other);
  if (!check_name(run, what, fk.referenced)) return std::nullopt;
  return fk;
}

}  // namespace

std::optional<std::string> sql_idx_atts(Run& run, const Term& table, const std::vector<Term>& attributes) {
  const bool desc = desc_idx_dbms(run, table);
  std::vector<std::string> cols;
  for (const Term& a : attributes) {
    const bool descending = a.is_int() && a.as_int() < 0;
    const Term att = descending ? num(-a.as_int()) : a;
    std::string name = sql_attname(run, table, att);
    if (!check_name(run, "Index column of table " + text_of(table), name)) return std::nullopt;
    cols.push_back(descending && desc ? name + " DESC" : name);
  }
  return joined(cols, ",");
}

bool idx_to_create(Run& run, std::string_view index) {
  for (const Term& f : run.facts().findall(fact("rule_i", {var(), fact("create", {var()})}))) {
    if (text_of(f.arg(2).arg(1)) == index) return true;
  }
  return false;
}

std::optional<std::string> create_index_text(Run& run, const Term& model, const Term& table,
                                             std::string_view table_name, const IndexDef& index) {
  const std::string what = "Index " + index.name + " of table " + std::string(table_name);
  if (!check_name(run, what, index.name) || !check_name(run, what, table_name)) return std::nullopt;
  if (index.attributes.empty()) {
    bad_input(run, what, "it has no attributes");
    return std::nullopt;
  }
  const auto cols = sql_idx_atts(run, table, index.attributes);
  if (!cols) return std::nullopt;
  const bool unique = index.kind == "u";
  const std::string space_mode = idx_to_create(run, index.name) ? "a" : "p";
  return sql("CREATE $unique$$cluster$ INDEX $index$ ON $table$ ($columns$)$space$$storage$",
             {{"unique", unique ? "UNIQUE" : ""},
              {"cluster", unique ? clustered_idx_dbms(run, table).value_or("") : ""},
              {"index", index_sql_name(run, table, index.name)},
              {"table", tbl_qualified_name(run, table, table_name)},
              {"columns", *cols},
              {"space", idx_space_clause(run, model, table, space_mode, index.name)},
              {"storage", index_storage(run, model, table, index.name)}});
}

bool gen_create_index(Run& run, const Term& model, const Term& table, std::string_view table_name,
                      const IndexDef& index, std::string_view mode) {
  if (mode == "a") return true;
  if (index.kind == "u" && (pk_as_primary_key(run, table) || unique_as_constraint(run, table))) return true;
  const auto text = create_index_text(run, model, table, table_name, index);
  if (!text) return false;
  return gen_drop_index(run, table, index.name, table_name) && exec(run, *text, "");
}

bool gen_drop_index(Run& run, const Term& table, std::string_view index, std::string_view table_name) {
  const std::string what = "Index " + std::string(index) + " of table " + std::string(table_name);
  if (!check_name(run, what, index) || !check_name(run, what, table_name)) return false;
  const auto driver = dbms_option(run, table);
  const std::string name = index_sql_name(run, table, index);
  if (driver == "qebtrieve" || driver == "qedbf" || driver == "qesqlserver") {
    return exec(run, sql("DROP INDEX $table$.$index$", {{"table", std::string(table_name)}, {"index", name}}), "FNF");
  }
  return exec(run, sql("DROP INDEX $index$", {{"index", name}}), "FNF");
}

bool gen_pk_or_index(Run& run, const Term& table, const IndexDef& index, std::string_view table_name) {
  if (index.kind == "u" && (pk_as_primary_key(run, table) || unique_as_constraint(run, table))) return true;
  return gen_drop_index(run, table, index.name, table_name);
}

bool gen_drop_foreign_keys(Run& run, const Term& model, const Term& table, std::string_view table_name) {
  if (!ref_int_in_db(run, table)) return true;
  const auto list = subor_tables(run, model, table);
  if (!list) return true;  // the knowledge base knows no relations of the table
  std::vector<std::string> statements;
  for (const Term& e : *list) {
    const auto fk = foreign_key(run, model, table, table_name, e);
    if (!fk) return false;
    statements.push_back(sql("ALTER TABLE $table$ DROP CONSTRAINT $constraint$",
                             {{"table", tbl_qualified_name(run, table, table_name)},
                              {"constraint", fk->constraint}}));
  }
  bool ok = true;
  for (const std::string& s : statements) ok = ok && exec(run, s, "FNF");
  return ok;
}

bool gen_foreign_keys(Run& run, const Term& model, const Term& table, std::string_view table_name) {
  if (!ref_int_in_db_y(run, table)) return true;
  if (!check_name(run, "Table " + std::string(table_name), table_name)) return false;
  const std::string qualified = tbl_qualified_name(run, table, table_name);
  // Every constraint is checked before the first statement is written.
  std::vector<std::string> adds;
  const bool declared = run.facts().exists(fact("created_i", {str(qualified)}));
  if (!declared) {
    const bool informix = table_dbms(run, table) == "informix";
    for (const Term& e : subor_tables(run, model, table).value_or(std::vector<Term>{})) {
      const auto fk = foreign_key(run, model, table, table_name, e);
      if (!fk) return false;
      const SqlVars v{{"table", qualified},
                      {"constraint", fk->constraint},
                      {"columns", joined(fk->columns, ", ")},
                      {"referenced", fk->referenced},
                      {"key", joined(fk->referenced_columns, ", ")}};
      adds.push_back(informix ? sql("ALTER TABLE $table$ ADD CONSTRAINT FOREIGN KEY ($columns$) REFERENCES "
                                    "$referenced$ ($key$) CONSTRAINT $constraint$", v)
                              : sql("ALTER TABLE $table$ ADD CONSTRAINT $constraint$ FOREIGN KEY ($columns$) "
                                    "REFERENCES $referenced$ ($key$)", v));
    }
  }
  bool ok = gen_drop_foreign_keys(run, model, table, table_name);
  if (declared) return ok;
  for (const std::string& s : adds) ok = ok && exec(run, s, "");
  if (ok) run.facts().asserta(fact("created_i", {str(qualified)}));
  return ok;
}

bool gen_synonym(Run& run, const Term& table, std::string_view table_name) {
  const bool create = use_synonyms_y(run, table);
  if (!create && !use_synonyms_r(run, table)) return true;
  if (!check_name(run, "Table " + std::string(table_name), table_name)) return false;
  const SqlVars v{{"name", std::string(table_name)},
                  {"qualified", cs_schema(run).value_or("") + "." + std::string(table_name)}};
  Out out(run);
  // The statement goes to the database as it is: Oracle takes no ";" at
  // the end of a statement it is given to run.
  if (create) {
    reorg_log(out, sql("Creating synonym $name$ for table $qualified$", v));
    if (!out.ok() || !exec(run, sql("CREATE PUBLIC SYNONYM $name$ FOR $qualified$", v), "DAE")) return false;
    out.pieces({"if ( Err == 106 )"}).open("{");
    reorg_log(out, sql("WARNING: Synonym $name$ already exists. It may point to another table.", v));
  } else {
    reorg_log(out, sql("Removing synonym $name$ for table $qualified$", v));
    if (!out.ok() || !exec(run, sql("DROP PUBLIC SYNONYM $name$", v), "FNF")) return false;
    out.pieces({"if ( Err == 105 )"}).open("{");
    reorg_log(out, sql("Synonym $name$ not found. Ignored.", v));
  }
  return out.close("}").ok();
}

bool gen_comments(Run& run, std::string_view kind, const Term& model, const Term& table,
                  std::string_view name) {
  if (!comment_on_enabled(run, table)) return true;
  if (!check_name(run, "Table " + std::string(name), name)) return false;
  const std::string qualified = tbl_qualified_name(run, table, name);
  std::vector<std::string> statements;
  if (kind == "t") {
    std::array<Term, 7> info{model, num(7), table, var(), var(), var(), var()};
    const std::string text = call_host(run, "i_obj_info", info) ? text_of(info[5]) : "";
    statements.push_back(sql("COMMENT ON TABLE $table$ IS $text$", {{"table", qualified}, {"text", sql_quoted(text)}}));
  } else {
    const auto atts = table_attributes(run, model, table);
    if (!atts) return bad_input(run, "Table " + std::string(name), "the knowledge base gives it no attributes");
    for (const Term& a : *atts) {
      const std::string column = sql_attname(run, table, a);
      if (!check_name(run, "Table " + std::string(name), column)) return false;
      const std::string title = att_title(run, model, a);
      statements.push_back(sql("COMMENT ON COLUMN $table$.$column$ IS $text$",
                               {{"table", qualified}, {"column", column}, {"text", sql_quoted(title)}}));
    }
  }
  bool ok = true;
  for (const std::string& s : statements) ok = ok && exec(run, s, "", "y");
  return ok;
}

}  // namespace qn::logic::ddl
