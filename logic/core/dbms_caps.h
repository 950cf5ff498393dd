// What the database system of a table allows. Every SQL and reorganisation
// rule asks here instead of comparing DBMS names where it writes: each
// capability resolves the table's driver (dbms_option/2) or DBMS
// (table_dbms/2) and checks it against a fixed list, some together with an
// option or a preference of the table's data store. A table whose driver or
// DBMS cannot be resolved has no capability.
//
// Also here: qualified object names per DBMS, the status codes generated
// code tests, and whether transactions are logged.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- capabilities of a table ------------------------------------------------------

// dbms_for_update/1: SELECT ... FOR UPDATE (Oracle: for transactions always,
// else unless the store's CS_ORA_FORUPD begins with "N").
bool dbms_for_update(Run& run, const engine::Term& table);
// dbms_for_update_order/1: FOR UPDATE in an ordered SELECT.
bool dbms_for_update_order(Run& run, const engine::Term& table);
// nowait_clause/2: " NOWAIT" for Oracle, else ''.
std::string nowait_clause(Run& run, const engine::Term& table);
// outer_join_op/2: "(+) =" for Oracle; for SQL Server "=" from version 7
// of the store on, "=*" before; none for the others.
std::optional<std::string> outer_join_op(Run& run, const engine::Term& table);
// dbms_fetch_only/1: SELECT ... FOR FETCH ONLY (db2cae, db2400).
bool dbms_fetch_only(Run& run, const engine::Term& table);
// tbl_positioned_delete/1.
bool tbl_positioned_delete(Run& run, const engine::Term& table);
// comment_on_enabled/1: COMMENT_ON begins with "Y".
bool comment_on_enabled(Run& run, const engine::Term& table);
// ref_int_in_db/1 (DCL_REF_INT_DB "Y" or "R") and ref_int_in_db_y/1 ("Y").
bool ref_int_in_db(Run& run, const engine::Term& table);
bool ref_int_in_db_y(Run& run, const engine::Term& table);
// pk_as_primary_key/2 (Table, _): PRIMARY_KEY_TYPE "PK" or unset.
bool pk_as_primary_key(Run& run, const engine::Term& table);
// unique_as_constraint/2 (Table, _).
bool unique_as_constraint(Run& run, const engine::Term& table);
// tbl_storage_dbms/1, idx_storage_dbms/1, dbms_has_tblspace/1: by DBMS.
bool tbl_storage_dbms(Run& run, const engine::Term& table);
bool idx_storage_dbms(Run& run, const engine::Term& table);
bool dbms_has_tblspace(Run& run, const engine::Term& table);
// clustered_idx_dbms/1: the keyword, " CLUSTERED" or " CLUSTER".
std::optional<std::string> clustered_idx_dbms(Run& run, const engine::Term& table);
// desc_idx_dbms/1: descending index columns.
bool desc_idx_dbms(Run& run, const engine::Term& table);
// insert_select_ok/3 (Model, Table, Attributes): INSERT ... SELECT copies
// the attributes (Oracle: none of them of type vchar).
bool insert_select_ok(Run& run, const engine::Term& model, const engine::Term& table,
                      const engine::Term& attributes);
// lock_table_ok/1, unlock_table_ok/1.
bool lock_table_ok(Run& run, const engine::Term& table);
bool unlock_table_ok(Run& run, const engine::Term& table);
// alter_add_col_ok/1, alter_drop_col_ok/1.
bool alter_add_col_ok(Run& run, const engine::Term& table);
bool alter_drop_col_ok(Run& run, const engine::Term& table);
// not_null_dbms/1, null_dbms/1, idx_name_qualified/1.
bool not_null_dbms(Run& run, const engine::Term& table);
bool null_dbms(Run& run, const engine::Term& table);
bool idx_name_qualified(Run& run, const engine::Term& table);

// --- further options and DBMS tests -------------------------------------------------

// for_update_usable/2: FOR UPDATE with this ORDER BY list ([] for none).
bool for_update_usable(Run& run, const engine::Term& table, const engine::Term& order);
// outer_join_natural/1.
bool outer_join_natural(Run& run, const engine::Term& table);
// join_op/2: the outer-join operator when it applies, else "=".
std::string join_op(Run& run, const engine::Term& table);
// dstore_informix_mode/2: wlog, wolog or ansi for an Informix data store.
std::optional<std::string> dstore_informix_mode(Run& run, const engine::Term& store);
// informix_table_server/2: se or ol for an Informix table.
std::optional<std::string> informix_table_server(Run& run, const engine::Term& table);
// sqlserver_version_ge/2: an SQL Server table whose store's
// SQLSERVER_VERSION is a number not below n.
bool sqlserver_version_ge(Run& run, const engine::Term& table, int64_t n);
// os400_version_ge/1: OS400_VERSION (or "V2R2") compares as text not below v.
bool os400_version_ge(Run& run, std::string_view v);
// use_synonyms_y/1, use_synonyms_r/1.
bool use_synonyms_y(Run& run, const engine::Term& table);
bool use_synonyms_r(Run& run, const engine::Term& table);

// dbms_status_codes/1: success, not found, duplicate key, locked, no such
// object, already exists, foreign key, for the model's driver; none for a
// driver without a row.
std::optional<engine::Term> dbms_status_codes(Run& run);

// qualify_name/5 (DBMS, Location, Schema, Name).
std::string qualify_name(std::string_view dbms, std::string_view location, std::string_view schema,
                         std::string_view name);

// --- transactions ----------------------------------------------------------------------

// intt_i/0, asserted first during the model set-up unless the option
// xbase_tint begins with "N" ("No" and "n" count as well as "N").
void set_trn_logging_flag(Run& run);
// trn_logging/0: an Informix store of the model in mode ansi logs, one in
// mode wolog does not; a reorganisation does not; otherwise intt_i/0.
bool trn_logging(Run& run);
// needs_commit/0: logged, and no program rule a(13, [endtrn]).
bool needs_commit(Run& run);

}  // namespace qn::logic
