// The index statements of database creation and reorganisation, the
// foreign keys of referential integrity declared in the database, COMMENT
// ON of tables and columns, and Oracle's public synonyms.
//
// Working facts: created_i/1 (QualifiedTableName): the foreign keys of
// the table were declared in this run; subor_tables_i/2 (Table, [[Other,
// Attributes] ...]): the tables the table refers to that need
// reorganisation, cached per table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::ddl {

// An index of a table: its name, u (unique) or d, and its attributes in
// key order, a negative number marking a descending column.
struct IndexDef {
  std::string name;
  std::string kind;
  std::vector<engine::Term> attributes;
};

// sql_idx_atts/3: the index columns joined by ",", "name DESC" for a
// descending column where the driver keeps descending columns.
std::optional<std::string> sql_idx_atts(Run& run, const engine::Term& table,
                                        const std::vector<engine::Term>& attributes);

// gen_create_index/6 (Model, Table, TableName, Index, Mode): DROP INDEX and
// CREATE INDEX, nothing for mode a nor for a unique index the table
// declares as PRIMARY KEY or UNIQUE constraint.
bool gen_create_index(Run& run, const engine::Term& model, const engine::Term& table,
                      std::string_view table_name, const IndexDef& index, std::string_view mode);
// The CREATE INDEX text alone; None when reported.
std::optional<std::string> create_index_text(Run& run, const engine::Term& model,
                                             const engine::Term& table,
                                             std::string_view table_name, const IndexDef& index);
// gen_drop_index/3 (Table, Index, TableName), tolerating "FNF".
bool gen_drop_index(Run& run, const engine::Term& table, std::string_view index,
                    std::string_view table_name);
// gen_pk_or_index/4: nothing for the primary key or a unique constraint of
// the table, else gen_drop_index/3.
bool gen_pk_or_index(Run& run, const engine::Term& table, const IndexDef& index,
                     std::string_view table_name);
// idx_to_create/6: the index is named in a create(Index) rule of the object.
bool idx_to_create(Run& run, std::string_view index);

// gen_foreign_keys/3 (Model, Table, TableName) and gen_drop_foreign_keys/3.
bool gen_foreign_keys(Run& run, const engine::Term& model, const engine::Term& table,
                      std::string_view table_name);
bool gen_drop_foreign_keys(Run& run, const engine::Term& model, const engine::Term& table,
                           std::string_view table_name);

// gen_synonym/2 (Table, TableName): create or remove the table's
// public synonym (Oracle tables under a CS_SCHEMA).
bool gen_synonym(Run& run, const engine::Term& table, std::string_view table_name);

// gen_comments/4 (Kind t or a, Model, Table, Name): COMMENT ON the table
// or on each of its columns.
bool gen_comments(Run& run, std::string_view kind, const engine::Term& model,
                  const engine::Term& table, std::string_view name);

}  // namespace qn::logic::ddl
