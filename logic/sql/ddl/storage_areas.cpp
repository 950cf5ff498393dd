#include "logic/sql/ddl/storage_areas.h"

#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/ddl/ddl_text.h"

namespace qn::logic::ddl {

using engine::Term;

namespace {

// The clause of CREATE TABLE, by the table's DBMS; N is the table's area,
// M the area of its indexes. First row that applies.
struct TableClauseRow {
  std::string_view dbms;
  bool needs_index_area;
  std::string_view text;
};
constexpr TableClauseRow kTableClauses[] = {
    {"db2", true, " IN $N$ INDEX IN $M$"},
    {"db2", false, " IN $N$"},
    {"informix", false, " IN $N$"},
    {"oracle7", false, " TABLESPACE $N$"},
    {"sqlserver", false, " ON $N$"},  // version 7 or later only
};

// The clause of CREATE INDEX by the table's DBMS.
struct IndexClauseRow {
  std::string_view dbms;
  std::string_view text;
};
constexpr IndexClauseRow kIndexClauses[] = {
    {"informix", " IN $N$"},
    {"oracle7", " TABLESPACE $N$"},
    {"sqlserver", " ON $N$"},  // version 7 or later only
};

std::optional<std::string> option(Run& run, std::string_view name) {
  auto v = pgm_prop_value(run, name);
  if (!v || v->empty()) return std::nullopt;
  return v;
}

}  // namespace

std::optional<std::string> storage_area(Run& run, const Term& model, std::string_view kind,
                                        const Term& table, std::string_view index,
                                        std::string_view mode) {
  // A temporary table goes to the temporary area only where the database
  // has no table spaces of its own to choose from.
  if (mode == "a" && !dbms_has_tblspace(run, table)) {
    if (auto v = option(run, "DFT_TMP_TBLSPACE")) return v;
  }
  if (kind == "tbl") {
    if (auto v = tbl_property(run, model, table, "TBLSTOAREA")) return v;
  } else if (kind == "idx") {
    if (!index.empty()) {
      if (auto v = idx_property(run, model, table, str(index), "IDXSTOAREA")) return v;
    }
    if (auto v = tbl_property(run, model, table, "TBLIDXSTOAREA")) return v;
    if (auto v = option(run, "DFT_IDX_TBLSPACE")) return v;
  }
  return option(run, "DFT_TBL_TBLSPACE");
}

std::string tbl_space_clause(Run& run, const Term& model, const Term& table, std::string_view mode,
                             std::string_view index) {
  if (!tbl_storage_dbms(run, table)) return "";
  const auto n = storage_area(run, model, "tbl", table, index, mode);
  if (!n) return "";
  const auto dbms = table_dbms(run, table);
  std::optional<std::string> m;
  if (dbms == "db2") m = storage_area(run, model, "idx", table, index, mode);
  for (const TableClauseRow& r : kTableClauses) {
    if (dbms != r.dbms || (r.needs_index_area && !m)) continue;
    if (r.dbms == "sqlserver" && !sqlserver_version_ge(run, table, 7)) return "";
    return sql(r.text, {{"N", *n}, {"M", m.value_or("")}});
  }
  return "";
}

std::string idx_space_clause(Run& run, const Term& model, const Term& table, std::string_view mode,
                             std::string_view index) {
  if (!idx_storage_dbms(run, table)) return "";
  const auto n = storage_area(run, model, "idx", table, index, mode);
  if (!n) return "";
  const auto dbms = table_dbms(run, table);
  for (const IndexClauseRow& r : kIndexClauses) {
    if (dbms == r.dbms) return sql(r.text, {{"N", *n}});
  }
  return "";
}

std::string pk_index_storage(Run& run, const Term& model, const Term& table,
                             std::string_view primary_index) {
  const std::string clause = idx_space_clause(run, model, table, "p", primary_index);
  if (clause.empty()) return "";
  const auto dbms = table_dbms(run, table);
  if (dbms == "oracle7") return " USING INDEX" + clause;
  if (dbms == "sqlserver") return clause;  // idx_space_clause/5 checked the version
  return "";
}

}  // namespace qn::logic::ddl
