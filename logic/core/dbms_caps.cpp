#include "logic/core/dbms_caps.h"

#include <initializer_list>
#include <span>
#include <vector>

#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"

namespace qn::logic {

using engine::Term;

namespace {

bool one_of(const std::optional<std::string>& v, std::span<const std::string_view> names) {
  if (!v) return false;
  for (std::string_view n : names) {
    if (*v == n) return true;
  }
  return false;
}

bool one_of(const std::optional<std::string>& v, std::initializer_list<std::string_view> names) {
  return one_of(v, std::span<const std::string_view>(names.begin(), names.size()));
}

// The table's driver is one of these.
bool driver_in(Run& run, const Term& table, std::span<const std::string_view> drivers) {
  return one_of(dbms_option(run, table), drivers);
}
bool driver_in(Run& run, const Term& table, std::initializer_list<std::string_view> drivers) {
  return one_of(dbms_option(run, table), drivers);
}

// The table's DBMS is one of these.
bool dbms_in(Run& run, const Term& table, std::initializer_list<std::string_view> names) {
  return one_of(table_dbms(run, table), names);
}

// The table's data store is an Informix store in mode wolog.
bool informix_wolog_store(Run& run, const Term& table) {
  return dstore_informix_mode(run, num(tbl_store_or_default(run, table))) == "wolog";
}

// A driver of the referential-integrity column of the table.
constexpr std::string_view kSqlDrivers[] = {"qeoracle7", "qesqlserver", "db2cae", "db2400",
                                            "qeinfrmx"};

struct StatusRow {
  std::string_view driver;
  std::vector<Term> codes;
};

Term ns(std::initializer_list<int64_t> vs) {
  std::vector<Term> items;
  for (int64_t v : vs) items.push_back(num(v));
  return Term::list(items);
}

const std::vector<StatusRow>& status_rows() {
  static const std::vector<StatusRow> rows = {
      {"db2400", {num(0), num(100), num(-803), num(-913), ns({-204}), ns({-601}), num(-530)}},
      {"db2cae", {num(0), num(100), num(-803), num(-911), ns({-204}), ns({}), num(-530)}},
      {"qeoracle7",
       {num(0), num(100), num(1), num(54), ns({942, 1418, 950, 2443}), ns({}), num(2291)}},
      {"qebtrieve", {num(0), num(100), num(5), num(84), ns({12, 1280, 1272}), ns({}), ns({})}},
      {"qedbf", {num(0), num(100), num(1236), ns({}), ns({-3, 4149, 4036}), ns({}), ns({})}},
      {"qesqlserver",
       {num(0), num(100), ns({2601, 2627}), ns({}), ns({3701, 3703, 3731, 4902, 3728}), ns({}),
        ns({503})}},
      {"qeinfrmx",
       {num(0), num(100), ns({-239, -268, 2601}), ns({-243, -244, -245, -246}),
        ns({-3, -206, -319, -623}), ns({}), ns({-691})}},
  };
  return rows;
}

}  // namespace

// --- capabilities of a table ----------------------------------------------------------

bool dbms_for_update(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (driver == "qeoracle7") {
    if (spec_kind_in(run, {"trn"})) return true;
    auto pref = dstore_pref(run, tbl_store_or_default(run, table), "CS_ORA_FORUPD");
    return !(pref && text_begins(*pref, "N"));
  }
  return one_of(driver,
                {"qesqlserver", "db2cae", "db2400", "qeinfrmx", "qebtrieve", "showcase", "qedbf"});
}

bool dbms_for_update_order(Run& run, const Term& table) {
  return driver_in(run, table, {"qeoracle7", "qesqlserver", "db2400", "qebtrieve", "showcase"});
}

std::string nowait_clause(Run& run, const Term& table) {
  return driver_in(run, table, {"qeoracle7"}) ? " NOWAIT" : "";
}

std::optional<std::string> outer_join_op(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (driver == "qeoracle7") return "(+) =";
  if (driver == "qesqlserver" && table_dbms(run, table) == "sqlserver") {
    return sqlserver_version_ge(run, table, 7) ? "=" : "=*";
  }
  return std::nullopt;
}

bool dbms_fetch_only(Run& run, const Term& table) {
  return driver_in(run, table, {"db2cae", "db2400"});
}

bool tbl_positioned_delete(Run& run, const Term& table) {
  return driver_in(run, table, {"db2400", "qebtrieve"});
}

bool comment_on_enabled(Run& run, const Term& table) {
  return driver_in(run, table, {"qeoracle7", "db2cae", "db2400"}) &&
         pgm_prop_is(run, "COMMENT_ON", "Y");
}

bool ref_int_in_db(Run& run, const Term& table) {
  return driver_in(run, table, kSqlDrivers) &&
         (pgm_prop_is(run, "DCL_REF_INT_DB", "Y") || pgm_prop_is(run, "DCL_REF_INT_DB", "R"));
}

bool ref_int_in_db_y(Run& run, const Term& table) {
  return driver_in(run, table, kSqlDrivers) && pgm_prop_is(run, "DCL_REF_INT_DB", "Y");
}

bool pk_as_primary_key(Run& run, const Term& table) {
  if (!driver_in(run, table, kSqlDrivers)) return false;
  auto type = pgm_prop_value(run, "PRIMARY_KEY_TYPE");
  return !type || text_begins(*type, "PK");
}

bool unique_as_constraint(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (pgm_prop_is(run, "PRIMARY_KEY_TYPE", "CNST")) {
    return one_of(driver, {"qeoracle7", "qesqlserver", "qeinfrmx"});
  }
  if (pgm_prop_is(run, "PRIMARY_KEY_TYPE", "IDX")) {
    // The model's driver, not the table's, declares referential integrity.
    return driver == "qeoracle7" && one_of(model_driver(run), kSqlDrivers) &&
           pgm_prop_is(run, "DCL_REF_INT_DB", "Y");
  }
  if (pgm_prop_is(run, "PRIMARY_KEY_TYPE", "PK")) return driver == "qeinfrmx";
  return false;
}

bool tbl_storage_dbms(Run& run, const Term& table) {
  return dbms_in(run, table, {"oracle7", "sqlserver", "db2", "informix"});
}

bool idx_storage_dbms(Run& run, const Term& table) {
  auto dbms = table_dbms(run, table);
  if (dbms == "sqlserver") return sqlserver_version_ge(run, table, 7);
  return one_of(dbms, {"oracle7", "informix"});
}

bool dbms_has_tblspace(Run& run, const Term& table) {
  return dbms_in(run, table, {"oracle7", "sqlserver", "informix"});
}

std::optional<std::string> clustered_idx_dbms(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (driver == "qesqlserver") return " CLUSTERED";
  if (driver == "qeinfrmx") return " CLUSTER";
  return std::nullopt;
}

bool desc_idx_dbms(Run& run, const Term& table) {
  return driver_in(run, table, {"db2cae", "db2400", "qeinfrmx"});
}

bool insert_select_ok(Run& run, const Term& model, const Term& table, const Term& attributes) {
  auto driver = dbms_option(run, table);
  if (driver == "qeoracle7") {
    for (const Term& att : attributes.list_items()) {
      auto type = get_attri_type(run, model, att);
      if (type && vchar_type(type->type)) return false;
    }
    return true;
  }
  return one_of(driver, {"qesqlserver", "db2cae", "db2400", "qeinfrmx"});
}

bool lock_table_ok(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (driver == "qeinfrmx") return trn_logging(run) || informix_wolog_store(run, table);
  return one_of(driver, {"qeoracle7", "db2cae", "db2400", "showcase"});
}

bool unlock_table_ok(Run& run, const Term& table) {
  return driver_in(run, table, {"qeinfrmx"}) && informix_wolog_store(run, table);
}

bool alter_add_col_ok(Run& run, const Term& table) {
  return driver_in(run, table, {"qeoracle7", "qesqlserver", "db2cae", "qeinfrmx"}) &&
         cs_reorg_on(run);
}

bool alter_drop_col_ok(Run& run, const Term& table) {
  auto driver = dbms_option(run, table);
  if (driver == "qesqlserver") return cs_reorg_on(run) && sqlserver_version_ge(run, table, 7);
  return driver == "qeinfrmx" && cs_reorg_on(run);
}

bool not_null_dbms(Run& run, const Term& table) { return driver_in(run, table, kSqlDrivers); }

bool null_dbms(Run& run, const Term& table) { return driver_in(run, table, {"qesqlserver"}); }

bool idx_name_qualified(Run& run, const Term& table) {
  return driver_in(
      run, table,
      {"qeoracle7", "db2cae", "db2400", "qeinfrmx", "qebtrieve", "showcase", "qedbf", "access"});
}

// --- further options and DBMS tests -----------------------------------------------------

bool for_update_usable(Run& run, const Term& table, const Term& order) {
  if (order.is_nil()) return dbms_for_update(run, table);
  return dbms_for_update(run, table) && dbms_for_update_order(run, table);
}

bool outer_join_natural(Run& run, const Term& table) {
  if (pgm_prop_is(run, "JOIN_TYPE", "natural")) return false;
  if (dbms_in(run, table, {"db2", "as400", "informix"}))
    return pgm_prop_is(run, "JOIN_TYPE", "outer");
  return true;
}

std::string join_op(Run& run, const Term& table) {
  if (outer_join_natural(run, table)) {
    if (auto op = outer_join_op(run, table)) return *op;
  }
  return "=";
}

std::optional<std::string> dstore_informix_mode(Run& run, const Term& store) {
  if (dstore_dbms(run, store) != "informix") return std::nullopt;
  if (pgm_prop_is(run, "informix_db", "l")) return "wlog";
  if (pgm_prop_is(run, "informix_db", "n")) return "wolog";
  return "ansi";
}

std::optional<std::string> informix_table_server(Run& run, const Term& table) {
  if (table_dbms(run, table) != "informix") return std::nullopt;
  return pgm_prop_is(run, "informix_server", "se") ? "se" : "ol";
}

bool sqlserver_version_ge(Run& run, const Term& table, int64_t n) {
  if (table_dbms(run, table) != "sqlserver") return false;
  auto v = dstore_pref(run, tbl_store_or_default(run, table), "SQLSERVER_VERSION");
  if (!v) return false;
  auto version = decimal_of(*v);
  return version && *version >= n;
}

bool os400_version_ge(Run& run, std::string_view v) {
  const std::string floor = "V2R2";
  const std::string version = pgm_prop_upper(run, "OS400_VERSION").value_or(floor);
  return version >= v || floor >= v;
}

bool use_synonyms_y(Run& run, const Term& table) {
  auto schema = cs_schema(run);
  return pgm_prop_is(run, "create_and_use_synonyms", "y") && schema && !schema->empty() &&
         table_dbms(run, table) == "oracle7";
}

bool use_synonyms_r(Run& run, const Term& table) {
  auto schema = cs_schema(run);
  return pgm_prop_is(run, "create_and_use_synonyms", "r") && schema && !schema->empty() &&
         table_dbms(run, table) == "oracle7";
}

std::optional<Term> dbms_status_codes(Run& run) {
  auto driver = model_driver(run);
  if (!driver) return std::nullopt;
  for (const StatusRow& r : status_rows()) {
    if (r.driver == *driver) return Term::list(r.codes);
  }
  return std::nullopt;
}

std::string qualify_name(std::string_view dbms, std::string_view location, std::string_view schema,
                         std::string_view name) {
  const std::string loc(location), sch(schema), nm(name);
  if (loc.empty() && sch.empty()) return nm;
  // A library is written only when there is one: "/NAME" would be no name.
  if (dbms == "as400" && !loc.empty()) return loc + "/" + nm;
  if (loc.empty()) return sch + "." + nm;
  if (dbms == "sqlserver") return sch.empty() ? loc + ".." + nm : loc + "." + sch + "." + nm;
  if (dbms == "oracle7") return sch.empty() ? nm + "@" + loc : sch + "." + nm + "@" + loc;
  if (dbms == "informix") return sch.empty() ? loc + ":" + nm : loc + ":" + sch + "." + nm;
  if (dbms == "db2") return sch.empty() ? nm : sch + "." + nm;  // never ".NAME"
  return nm;
}

// --- transactions ----------------------------------------------------------------------------

void set_trn_logging_flag(Run& run) {
  if (!pgm_prop_is(run, "xbase_tint", "N")) run.facts().asserta(atom("intt_i"));
}

bool trn_logging(Run& run) {
  // The mode is one program option, so every Informix store of the model
  // has the same one.
  std::vector<std::string> modes;
  for (int64_t store : model_dstores(run)) {
    if (auto m = dstore_informix_mode(run, num(store))) modes.push_back(*m);
  }
  auto any = [&](std::string_view mode) {
    for (const auto& m : modes) {
      if (m == mode) return true;
    }
    return false;
  };
  if (any("ansi")) return true;
  if (any("wolog")) return false;
  if (reorg_or_ce_spec(run)) return false;
  return run.facts().count("intt_i", 0) > 0;
}

bool needs_commit(Run& run) { return trn_logging(run) && !has_endtrn_rule(run); }

}  // namespace qn::logic
