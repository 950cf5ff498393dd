// The table statements of database creation and reorganisation: column
// types by database system, column definitions, DROP and CREATE TABLE with
// key, table space, lock mode and storage, ALTER TABLE ADD and DROP, and
// the creation of an AS/400 collection. Every statement is run by the
// generated program through an immediate execution (gen_exec_immediate/3)
// whose name lists the error statuses it tolerates.
//
// Model, Table and attributes are numbers, as the knowledge base numbers
// them; Name is the table's external name. Bad input (an unknown attribute
// or type, a name with a quote or a blank, a missing primary key) is
// reported in the run's error log before anything is written: the writer
// fails and leaves no half-written statement.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::ddl {

// The column type of an attribute of type Type (char, vchar, svchar, date,
// dtime or a numeric type) on the database system Dbms. None for a type
// the table does not know.
std::optional<std::string> column_type(Run& run, std::string_view dbms, std::string_view type,
                                       int64_t len, int64_t dec);

// The longest character column of a type under a DTASRC code, if limited.
std::optional<int64_t> max_char_length(std::string_view dtasrc, std::string_view type);

// type_change_comment/6: the length and decimals a column is written with;
// a fixed character type longer than the model's maximum is cut to it, and
// Comment then holds the words of the comment that says so.
struct TypeChange {
  int64_t len = 0;
  int64_t dec = 0;
  std::vector<std::string> comment;  // empty when nothing changed
};
TypeChange type_change_comment(Run& run, std::string_view name, std::string_view type, int64_t len,
                               int64_t dec);

// sql_create_att/6 (Model, Table, Attributes, NotNullAttributes, Mode):
// one definition per attribute, "name type [null option]". Comments of cut
// lengths go to Comments. None (reported) for bad input.
struct ColumnDefs {
  std::vector<std::string> defs;
  std::vector<std::vector<std::string>> comments;
};
std::optional<ColumnDefs> sql_create_att(Run& run, const engine::Term& model,
                                         const engine::Term& table,
                                         const std::vector<engine::Term>& attributes,
                                         const std::vector<engine::Term>& not_null);

// The table's attributes from the knowledge base (i_all_atrisr/3), each
// once, in the order of their first appearance.
std::optional<std::vector<engine::Term>> table_attributes(Run& run, const engine::Term& model,
                                                          const engine::Term& table);

// create_table/7 (Model, Table, Name, Index, Kind, PrimaryAttributes,
// Mode): DROP TABLE, the comments of cut lengths, CREATE TABLE, then the
// table's COMMENT ON statements. Index is the name of the primary index;
// Kind pk declares the primary key, nopk none; Mode a (an auxiliary table
// of the reorganisation) declares no key and writes no comments.
bool create_table(Run& run, const engine::Term& model, const engine::Term& table,
                  std::string_view name, std::string_view index, std::string_view kind,
                  const std::vector<engine::Term>& primary, std::string_view mode);
// The CREATE TABLE text alone (create_table/7's step 4), None when reported.
std::optional<std::string> create_table_text(Run& run, const engine::Term& model,
                                             const engine::Term& table, std::string_view name,
                                             std::string_view index, std::string_view kind,
                                             const std::vector<engine::Term>& primary,
                                             std::string_view mode, ColumnDefs* defs = nullptr);

// gen_drop_table/3: "DROP TABLE " + the qualified name, tolerating "FNF".
bool gen_drop_table(Run& run, const engine::Term& table, std::string_view name);

// gen_alter_add/4 (Model, Table, Name, Attributes) and gen_alter_drop/4:
// the new or removed columns.
bool gen_alter_add(Run& run, const engine::Term& model, const engine::Term& table,
                   std::string_view name, const std::vector<engine::Term>& attributes);
bool gen_alter_drop(Run& run, const engine::Term& model, const engine::Term& table,
                    std::string_view name, const std::vector<engine::Term>& attributes);
// Their texts.
std::optional<std::string> alter_add_text(Run& run, const engine::Term& model,
                                          const engine::Term& table, std::string_view name,
                                          const std::vector<engine::Term>& attributes,
                                          ColumnDefs* defs = nullptr);
std::optional<std::string> alter_drop_text(Run& run, const engine::Term& table,
                                           std::string_view name,
                                           const std::vector<engine::Term>& attributes);

// What CREATE TABLE needs to write a table's final structure: the name of
// its primary index, its kind (pk or nopk) and its primary-key attributes.
struct TableKey {
  std::string index;
  std::string kind;
  std::vector<engine::Term> primary;
};

// rename_table_ok: the table's database renames a table in place
// (Oracle, Informix, SQL Server); the others copy it.
bool rename_table_ok(Run& run, const engine::Term& table);

// gen_rename_table/6 (Model, Table, OldName, NewName, Key, DropOld): DROP
// TABLE of the new name, then the rename statement of the table's
// database. Under a schema only the schema's owner may rename: the rename
// is written inside an if-block on the user, and the copy below is its
// else-branch.
bool gen_rename_table(Run& run, const engine::Term& model, const engine::Term& table,
                      std::string_view old_name, std::string_view new_name, const TableKey& key,
                      std::string_view drop_old);
// The rename statement alone (after the DROP TABLE); None when reported.
std::optional<std::string> rename_table_text(Run& run, const engine::Term& table,
                                             std::string_view old_name, std::string_view new_name);

// gen_copy_table/6 (Model, Table, OldName, NewName, Key, DropOld): CREATE
// TABLE of the new name, the end of the transaction, INSERT ... SELECT of
// every row, a new transaction, and DROP TABLE of the old name when
// DropOld is y (kept for n).
bool gen_copy_table(Run& run, const engine::Term& model, const engine::Term& table,
                    std::string_view old_name, std::string_view new_name, const TableKey& key,
                    std::string_view drop_old);
// The INSERT ... SELECT of the copy alone, after every check of the copy;
// None when reported.
std::optional<std::string> copy_table_text(Run& run, const engine::Term& model,
                                           const engine::Term& table, std::string_view old_name,
                                           std::string_view new_name, const TableKey& key);

// gen_create_collection/1: CREATE COLLECTION on AS/400 (access interface
// rsql or driver db2400), else the comment that none is needed.
bool gen_create_collection(Run& run);

}  // namespace qn::logic::ddl
