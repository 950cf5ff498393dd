#include "logic/sql/ddl/table_ddl.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/program/expressions.h"
#include "logic/sql/ddl/ddl_text.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/storage_areas.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic::ddl {

using engine::Term;

namespace {

// --- column types -------------------------------------------------------------------

enum class Att { Char, Date, Dtime, Numeric, Vchar, Svchar, AnyVchar, DateOrDtime };
enum class When {
  Always,
  Dec0,
  Dec0Below5,      // dec 0, len < 5
  Dec0Below10,     // dec 0, len < 10
  SmallMoney,      // 0 < dec < 4, len - dec - 1 < 6
  Money,           // 0 < dec < 4, len - dec - 1 < 15
  Varchar2Option,  // svchar_as_varchar2 begins with "y" or is unset
};

// $len$ and $dec$ are the attribute's length and decimals, $p$ is len - 1
// (the length of a numeric attribute with decimals counts the point),
// $allocate$ is " ALLOCATE(dec)" when dec is not 0. An empty DBMS list
// stands for every database system. First row that applies.
struct TypeRow {
  Att att;
  std::initializer_list<std::string_view> dbms;
  When when;
  std::string_view text;
};
const TypeRow kColumnTypes[] = {
    {Att::Char, {"sqlserver"}, When::Always, "char($len$)"},
    {Att::Date, {"sqlserver"}, When::Always, "datetime"},
    {Att::Date, {"as400"}, When::Always, "CHAR(8)"},
    {Att::Dtime, {"sqlserver"}, When::Always, "datetime"},
    {Att::Dtime, {"informix"}, When::Always, "DateTime Year to Second"},
    {Att::Dtime, {"db2", "as400"}, When::Always, "TIMESTAMP"},
    {Att::Numeric, {"sqlserver"}, When::Dec0Below5, "smallint"},
    {Att::Numeric, {"sqlserver"}, When::Dec0Below10, "int"},
    {Att::Numeric, {"sqlserver"}, When::SmallMoney, "smallmoney"},
    {Att::Numeric, {"sqlserver"}, When::Money, "money"},
    {Att::Numeric, {"sqlserver"}, When::Dec0, "decimal( $len$)"},
    {Att::Numeric, {"sqlserver"}, When::Always, "decimal( $p$, $dec$)"},
    {Att::Numeric, {"as400"}, When::Dec0, "DECIMAL( $len$)"},
    {Att::Numeric, {"as400"}, When::Always, "DECIMAL( $p$, $dec$)"},
    {Att::Numeric, {"informix"}, When::Dec0Below5, "SMALLINT"},
    {Att::Numeric, {"informix"}, When::Dec0Below10, "INT"},
    {Att::Numeric, {"informix"}, When::Dec0, "DECIMAL( $len$)"},
    {Att::Numeric, {"informix"}, When::Always, "DECIMAL( $p$, $dec$)"},
    {Att::Vchar, {"sqlserver", "informix"}, When::Always, "TEXT"},
    {Att::Vchar, {"db2"}, When::Always, "LONG VARCHAR"},
    {Att::Vchar, {"oracle7"}, When::Always, "LONG"},
    {Att::Vchar, {"as400"}, When::Always, "VARCHAR($len$)$allocate$"},
    {Att::Svchar, {"oracle7"}, When::Varchar2Option, "VARCHAR2($len$)"},
    {Att::Svchar, {"sqlserver"}, When::Always, "varchar($len$)"},
    {Att::Svchar, {"informix"}, When::Dec0, "varchar($len$)"},
    {Att::Svchar, {"informix"}, When::Always, "varchar($len$,$dec$)"},
    {Att::Svchar, {"as400"}, When::Always, "VARCHAR($len$)$allocate$"},  // as vchar on as400
    {Att::AnyVchar, {}, When::Always, "VARCHAR($len$)"},
    {Att::Char, {}, When::Always, "CHAR($len$)"},
    {Att::DateOrDtime, {}, When::Always, "DATE"},
    {Att::Numeric, {}, When::Dec0, "NUMERIC($len$)"},
    {Att::Numeric, {}, When::Always, "NUMERIC($p$,$dec$)"},
    // Any other type would be written "/* Unknown attribute type */", a
    // column without a type that every database refuses: sql_create_att/6
    // reports such an attribute instead and writes no statement.
};

bool att_matches(Att att, std::string_view type) {
  const bool numeric = numeric_type(atom(type));
  switch (att) {
    case Att::Char: return type == "char";
    case Att::Date: return type == "date";
    case Att::Dtime: return type == "dtime";
    case Att::Numeric: return numeric;
    case Att::Vchar: return type == "vchar";
    case Att::Svchar: return type == "svchar";
    case Att::AnyVchar: return type == "vchar" || type == "svchar";
    case Att::DateOrDtime: return type == "date" || type == "dtime";
  }
  return false;
}

bool when_holds(Run& run, When when, int64_t len, int64_t dec) {
  switch (when) {
    case When::Always: return true;
    case When::Dec0: return dec == 0;
    case When::Dec0Below5: return dec == 0 && len < 5;
    case When::Dec0Below10: return dec == 0 && len < 10;
    case When::SmallMoney: return dec > 0 && dec < 4 && len - dec - 1 < 6;
    case When::Money: return dec > 0 && dec < 4 && len - dec - 1 < 15;
    case When::Varchar2Option: {
      const auto v = pgm_prop_value(run, "svchar_as_varchar2");
      return !v || text_begins(*v, "y");
    }
  }
  return false;
}

// --- maximum lengths ----------------------------------------------------------------

// The DBMS word of each DTASRC code.
struct DtasrcWord {
  std::string_view code;
  std::string_view word;
};
constexpr DtasrcWord kDtasrcWords[] = {
    {"1", "dbfcdx"}, {"2", "dbfidx"},  {"3", "access"},   {"4", "as400"},     {"9", "as400"},
    {"5", "db2"},    {"8", "db2"},     {"6", "btrieve"},  {"7", "oracle"},    {"10", "recital"},
    {"11", "informix"}, {"12", "sqlserver"}, {"13", "java"},
};

struct MaxLength {
  std::string_view word;
  std::string_view type;
  int64_t max;
};
constexpr MaxLength kMaxLengths[] = {
    {"dbfcdx", "svchar", 254},   {"dbfidx", "svchar", 254},   {"access", "svchar", 254},
    {"as400", "svchar", 32740},  {"db2", "svchar", 4000},     {"oracle", "char", 255},
    {"oracle", "svchar", 2000},  {"informix", "svchar", 255}, {"sqlserver", "svchar", 255},
};

int64_t int_of(const Term& t) { return t.is_int() ? t.as_int() : 0; }

std::string qualified(Run& run, const Term& table, std::string_view name) {
  return tbl_qualified_name(run, table, name);
}

// "FNF" and the other tolerated statuses; commit n unless told.
bool exec(Run& run, const std::string& statement, std::string_view name, std::string_view commit = "n") {
  return gen_exec_immediate(run, statement, name, commit);
}

std::vector<std::string> prop_items(Run& run, const Term& model, const Term& table,
                                    std::initializer_list<std::pair<std::string_view, std::string_view>> items) {
  std::vector<std::string> out;
  for (const auto& [prop, text] : items) {
    if (auto v = tbl_property(run, model, table, prop)) out.push_back(sql(text, {{"n", *v}}));
  }
  return out;
}

// The storage clause after CREATE TABLE by the table's DBMS.
std::string table_storage(Run& run, const Term& model, const Term& table) {
  const auto dbms = table_dbms(run, table);
  if (dbms == "sqlserver" && sqlserver_version_ge(run, table, 7)) {
    if (auto v = tbl_property(run, model, table, "TBLTXTSTOAREA")) return sql(" TEXTIMAGE_ON $n$", {{"n", *v}});
    return "";
  }
  if (dbms == "db2") {
    if (auto v = tbl_property(run, model, table, "TBLTXTSTOAREA")) return sql(" LONG IN $n$", {{"n", *v}});
    return "";
  }
  if (dbms == "oracle7") {
    const auto items = prop_items(run, model, table,
                                  {{"TBLINISIZE", "INITIAL $n$ K"},
                                   {"TBLFEXTENT", "NEXT $n$ K"},
                                   {"TBLNEXTENT", "PCTINCREASE $n$"},
                                   {"TBLMINEXTENT", "MINEXTENTS $n$"}});
    if (items.empty()) return "";
    return sql(" STORAGE ($items$)", {{"items", joined(items, " ")}});
  }
  if (dbms == "informix" && informix_table_server(run, table) == "ol") {
    const auto items = prop_items(run, model, table,
                                  {{"TBLINISIZE", "EXTENT SIZE $n$"}, {"TBLFEXTENT", "NEXT SIZE $n$"}});
    if (items.empty()) return "";
    return joined(items, " ");
  }
  return "";
}

// The lock mode of an Informix table on an ol server.
std::string lock_mode(Run& run, const Term& table) {
  if (table_dbms(run, table) != "informix" || informix_table_server(run, table) != "ol") return "";
  const auto mode = pgm_prop_value(run, "INFX_LOCK");
  if (!mode || mode->empty() || *mode == "NONE") return "";
  return sql(" LOCK MODE $mode$", {{"mode", *mode}});
}

// The column names of attributes, each checked.
std::optional<std::vector<std::string>> column_names(Run& run, const Term& table,
                                                     const std::vector<Term>& atts) {
  std::vector<std::string> out;
  for (const Term& a : atts) {
    std::string name = sql_attname(run, table, a);
    if (!check_name(run, "Column of table " + text_of(table), name)) return std::nullopt;
    out.push_back(std::move(name));
  }
  return out;
}

}  // namespace

std::optional<std::string> column_type(Run& run, std::string_view dbms, std::string_view type,
                                       int64_t len, int64_t dec) {
  for (const TypeRow& r : kColumnTypes) {
    if (!att_matches(r.att, type)) continue;
    if (r.dbms.size() && std::find(r.dbms.begin(), r.dbms.end(), dbms) == r.dbms.end()) continue;
    if (!when_holds(run, r.when, len, dec)) continue;
    return sql(r.text, {{"len", std::to_string(len)},
                        {"dec", std::to_string(dec)},
                        {"p", std::to_string(len - 1)},
                        {"allocate", dec != 0 ? " ALLOCATE(" + std::to_string(dec) + ")" : ""}});
  }
  return std::nullopt;
}

std::optional<int64_t> max_char_length(std::string_view dtasrc, std::string_view type) {
  for (const DtasrcWord& w : kDtasrcWords) {
    if (w.code != dtasrc) continue;
    for (const MaxLength& m : kMaxLengths) {
      if (m.word == w.word && m.type == type) return m.max;
    }
  }
  return std::nullopt;
}

TypeChange type_change_comment(Run& run, std::string_view name, std::string_view type, int64_t len,
                               int64_t dec) {
  TypeChange out{len, dec, {}};
  if (!fixchar_type(atom(type))) return out;
  const auto max = max_char_length(dtasrc(run).value_or(""), type);
  if (!max || len <= *max) return out;
  out.len = *max;
  out.comment = {"Definition of", std::string(name), "changed to", std::string(type), "length",
                 std::to_string(*max), "decimals", std::to_string(dec)};
  return out;
}

std::optional<ColumnDefs> sql_create_att(Run& run, const Term& model, const Term& table,
                                         const std::vector<Term>& attributes,
                                         const std::vector<Term>& not_null) {
  ColumnDefs out;
  const std::string dbms = table_dbms(run, table).value_or("");
  const bool not_null_ok = not_null_dbms(run, table);
  const bool null_word = null_dbms(run, table);
  const std::string what = "Table " + text_of(table);
  for (const Term& a : attributes) {
    const auto t = get_attri_type(run, model, a);
    if (!t) {
      bad_input(run, what, "attribute " + text_of(a) + " is unknown");
      return std::nullopt;
    }
    const std::string name = sql_attname(run, table, a);
    if (!check_name(run, what, name)) return std::nullopt;
    const std::string type = text_of(t->type);
    const TypeChange c = type_change_comment(run, name, type, int_of(t->length), int_of(t->decimals));
    const auto col = column_type(run, dbms, type, c.len, c.dec);
    if (!col) {
      bad_input(run, what, "attribute " + name + " has the type " + type + ", which no column type stands for");
      return std::nullopt;
    }
    if (!c.comment.empty()) out.comments.push_back(c.comment);
    std::string def = name + " " + *col;
    if (not_null_ok && std::find(not_null.begin(), not_null.end(), a) != not_null.end()) {
      def += " NOT null";
    } else if (null_word) {
      def += " null";
    }
    out.defs.push_back(std::move(def));
  }
  return out;
}

std::optional<std::vector<Term>> table_attributes(Run& run, const Term& model, const Term& table) {
  std::array<Term, 3> a{model, table, var()};
  if (!call_host(run, "i_all_atrisr", a) || !a[2].is_list()) return std::nullopt;
  // The knowledge base lists a key attribute that is also stored twice (the
  // key first); a table has each column once.
  std::vector<Term> out;
  for (const Term& t : a[2].list_items()) {
    if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
  }
  return out;
}

std::optional<std::string> create_table_text(Run& run, const Term& model, const Term& table,
                                             std::string_view name, std::string_view index,
                                             std::string_view kind, const std::vector<Term>& primary,
                                             std::string_view mode, ColumnDefs* defs_out) {
  const std::string what = "Table " + std::string(name);
  if (!check_name(run, what, name)) return std::nullopt;
  const auto atts = table_attributes(run, model, table);
  if (!atts || atts->empty()) {
    bad_input(run, what, "the knowledge base gives it no attributes");
    return std::nullopt;
  }
  const auto defs = sql_create_att(run, model, table, *atts, primary);
  if (!defs) return std::nullopt;

  // The key, as the table's database declares it; none for an auxiliary table.
  std::string key;
  const bool wants_key = mode != "a" && kind == "pk";
  if (wants_key && (pk_as_primary_key(run, table) || unique_as_constraint(run, table))) {
    if (primary.empty()) {
      bad_input(run, what, "it has no primary key to declare");
      return std::nullopt;
    }
    const auto cols = column_names(run, table, primary);
    if (!cols) return std::nullopt;
    const std::string storage = pk_index_storage(run, model, table, index);
    const SqlVars v{{"cols", joined(*cols, ", ")}, {"index", std::string(index)}, {"storage", storage}};
    if (pk_as_primary_key(run, table)) {
      key = sql(" PRIMARY KEY($cols$)$storage$", v);
    } else {
      if (!check_name(run, what, index)) return std::nullopt;
      key = table_dbms(run, table) == "informix"
                ? sql(" UNIQUE($cols$) CONSTRAINT $index$$storage$", v)
                : sql(" CONSTRAINT $index$ UNIQUE($cols$)$storage$", v);
    }
  }
  // The storage clause follows a blank of its own, even when it is empty.
  // It comes before the lock mode: Informix takes EXTENT SIZE and NEXT SIZE
  // among the storage options and LOCK MODE after them.
  const std::string storage = table_storage(run, model, table);
  const std::string text =
      sql("CREATE TABLE $name$ ($columns$$key$)$space$$storage$$lock$",
          {{"name", qualified(run, table, name)},
           {"columns", joined(defs->defs, ", ")},
           {"key", key.empty() ? "" : "," + key},
           {"space", tbl_space_clause(run, model, table, mode, index)},
           {"storage", " " + storage},
           {"lock", lock_mode(run, table)}});
  if (defs_out) *defs_out = *defs;
  return text;
}

bool create_table(Run& run, const Term& model, const Term& table, std::string_view name,
                  std::string_view index, std::string_view kind, const std::vector<Term>& primary,
                  std::string_view mode) {
  ColumnDefs defs;
  const auto text = create_table_text(run, model, table, name, index, kind, primary, mode, &defs);
  if (!text) return false;
  bool ok = gen_drop_table(run, table, name);
  for (const auto& words : defs.comments) {
    std::vector<Piece> pieces(words.begin(), words.end());
    ok = emit_comment(run, pieces) && ok;
  }
  ok = ok && exec(run, *text, "");
  if (ok && mode != "a") {
    ok = gen_comments(run, "t", model, table, name) && gen_comments(run, "a", model, table, name);
  }
  return ok;
}

bool gen_drop_table(Run& run, const Term& table, std::string_view name) {
  if (!check_name(run, "Table " + std::string(name), name)) return false;
  return exec(run, sql("DROP TABLE $name$", {{"name", qualified(run, table, name)}}), "FNF");
}

std::optional<std::string> alter_add_text(Run& run, const Term& model, const Term& table,
                                          std::string_view name, const std::vector<Term>& attributes,
                                          ColumnDefs* defs_out) {
  const std::string what = "Table " + std::string(name);
  if (!check_name(run, what, name)) return std::nullopt;
  if (attributes.empty()) {
    bad_input(run, what, "no column to add");
    return std::nullopt;
  }
  const auto defs = sql_create_att(run, model, table, attributes, {});
  if (!defs) return std::nullopt;
  // DB2 repeats ADD for each column; SQL Server lists them; the others
  // list them in parentheses.
  const auto dbms = table_dbms(run, table);
  std::string columns;
  if (dbms == "db2") {
    columns = joined(defs->defs, " ADD ");
  } else if (dbms == "sqlserver") {
    columns = joined(defs->defs, ", ");
  } else {
    columns = "(" + joined(defs->defs, ", ") + ")";
  }
  if (defs_out) *defs_out = *defs;
  return sql("ALTER TABLE $name$ ADD $columns$",
             {{"name", qualified(run, table, name)}, {"columns", columns}});
}

std::optional<std::string> alter_drop_text(Run& run, const Term& table, std::string_view name,
                                           const std::vector<Term>& attributes) {
  const std::string what = "Table " + std::string(name);
  if (!check_name(run, what, name)) return std::nullopt;
  if (attributes.empty()) {
    bad_input(run, what, "no column to drop");
    return std::nullopt;
  }
  const auto cols = column_names(run, table, attributes);
  if (!cols) return std::nullopt;
  const bool sqlserver = table_dbms(run, table) == "sqlserver";
  return sql(sqlserver ? "ALTER TABLE $name$ DROP COLUMN $columns$" : "ALTER TABLE $name$ DROP ($columns$)",
             {{"name", qualified(run, table, name)}, {"columns", joined(*cols, ", ")}});
}

bool gen_alter_add(Run& run, const Term& model, const Term& table, std::string_view name,
                   const std::vector<Term>& attributes) {
  ColumnDefs defs;
  const auto text = alter_add_text(run, model, table, name, attributes, &defs);
  if (!text) return false;
  bool ok = true;
  for (const auto& words : defs.comments) ok = emit_comment(run, std::vector<Piece>(words.begin(), words.end())) && ok;
  return ok && exec(run, *text, "");
}

bool gen_alter_drop(Run& run, const Term&, const Term& table, std::string_view name,
                    const std::vector<Term>& attributes) {
  const auto text = alter_drop_text(run, table, name, attributes);
  return text && exec(run, *text, "");
}

bool rename_table_ok(Run& run, const Term& table) {
  const auto dbms = table_dbms(run, table);
  return dbms == "oracle7" || dbms == "informix" || dbms == "sqlserver";
}

std::optional<std::string> rename_table_text(Run& run, const Term& table, std::string_view old_name,
                                             std::string_view new_name) {
  const std::string what = "Renaming table " + std::string(old_name);
  if (!check_name(run, what, old_name) || !check_name(run, what, new_name)) return std::nullopt;
  const auto dbms = table_dbms(run, table);
  const SqlVars v{{"old", qualified(run, table, old_name)}, {"new", std::string(new_name)}};
  if (dbms == "oracle7") return sql("RENAME $old$ TO $new$", v);
  if (dbms == "informix") return sql("RENAME TABLE $old$ TO $new$", v);
  // SQL Server renames through its system procedure, run as a batch
  // statement: the procedure takes the old name qualified, the new one bare.
  // It has no CALL statement.
  if (dbms == "sqlserver") return sql("EXEC sp_rename '$old$', '$new$'", v);
  bad_input(run, what, "its database renames no table; the table is copied instead");
  return std::nullopt;
}

namespace {

// The condition "the user is the schema's owner": upper(userid("Server"))
// = the upper-cased schema in double quotes, as model-language tokens.
Term schema_owner_condition(std::string_view schema) {
  auto t = [](std::string_view text, int64_t kind) {
    return Term::compound("t", {Term::atom(std::string(text)), Term::integer(kind)});
  };
  return Term::list({t("upper(", kTokFunction), t("userid(", kTokFunction), t("\"Server\"", kTokConstant),
                     t(")", kTokClose), t(")", kTokClose), t("=", kTokCompare),
                     t("\"" + platform::upper_1252(schema) + "\"", kTokConstant)});
}

}  // namespace

bool gen_rename_table(Run& run, const Term& model, const Term& table, std::string_view old_name,
                      std::string_view new_name, const TableKey& key, std::string_view drop_old) {
  // Everything is checked before the first line is written.
  const auto text = rename_table_text(run, table, old_name, new_name);
  if (!text) return false;
  const std::string schema = tbl_schema(run, table);
  if (schema.empty()) return gen_drop_table(run, table, new_name) && exec(run, *text, "");
  if (!check_name(run, "Schema of table " + std::string(old_name), schema) ||
      !copy_table_text(run, model, table, old_name, new_name, key)) {
    return false;
  }
  return emit_if(run, schema_owner_condition(schema), {}) && gen_drop_table(run, table, new_name) &&
         exec(run, *text, "") && emit_else(run) &&
         gen_copy_table(run, model, table, old_name, new_name, key, drop_old) && emit_close_brace(run);
}

std::optional<std::string> copy_table_text(Run& run, const Term& model, const Term& table,
                                           std::string_view old_name, std::string_view new_name,
                                           const TableKey& key) {
  const std::string what = "Copying table " + std::string(old_name);
  if (!check_name(run, what, old_name) || !check_name(run, what, new_name)) return std::nullopt;
  const auto atts = table_attributes(run, model, table);
  if (!atts || atts->empty()) {
    bad_input(run, what, "the knowledge base gives it no attributes");
    return std::nullopt;
  }
  // Only the copy in one statement is written; a database without
  // INSERT ... SELECT would need a row-by-row loop, which this generator
  // does not write: it says so rather than lose the rows.
  if (!insert_select_ok(run, model, table, Term::list(*atts))) {
    bad_input(run, what, "its database cannot copy rows with INSERT ... SELECT, and no row-by-row copy is written");
    return std::nullopt;
  }
  const auto cols = column_names(run, table, *atts);
  if (!cols) return std::nullopt;
  // The new structure must be writable too, before anything is written.
  if (!create_table_text(run, model, table, new_name, key.index, key.kind, key.primary, "p")) {
    return std::nullopt;
  }
  return sql("INSERT INTO $new$ ($cols$) SELECT $cols$ FROM $old$ T1",
             {{"new", qualified(run, table, new_name)},
              {"cols", joined(*cols, ", ")},
              {"old", qualified(run, table, old_name)}});
}

bool gen_copy_table(Run& run, const Term& model, const Term& table, std::string_view old_name,
                    std::string_view new_name, const TableKey& key, std::string_view drop_old) {
  const auto copy = copy_table_text(run, model, table, old_name, new_name, key);
  if (!copy) return false;
  bool ok = create_table(run, model, table, new_name, key.index, key.kind, key.primary, "p") &&
            gen_commit(run, 4) && exec(run, *copy, "", "y") && gen_commit(run, 5);
  if (ok && drop_old == "y") ok = gen_drop_table(run, table, old_name);
  return ok;
}

bool gen_create_collection(Run& run) {
  const std::string api = model_access_api(run).value_or("");
  const std::string driver = model_driver(run).value_or("");
  if (api == "rsql" || driver == "db2400") {
    const auto db = cs_dbname(run);
    if (!db || !check_name(run, "The AS/400 collection", *db)) {
      if (!db) bad_input(run, "The AS/400 collection", "no database name (DTALIB) is set");
      return false;
    }
    return exec(run, sql("CREATE COLLECTION $db$", {{"db", *db}}), "DAE");
  }
  return Out(run)
      .pieces({"//", "API", api, "Driver", driver, "does not require or allow remote"})
      .pieces({"//", "database creation."})
      .ok();
}

}  // namespace qn::logic::ddl
