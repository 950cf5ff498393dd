// Storage areas (table spaces) of the tables and indexes that database
// creation and reorganisation write: the name comes from the saved table
// and index properties or the model's default options, and the clause is
// written in the syntax of the table's database system.
//
// Model and Table are numbers; Index is the index's name (the saved index
// properties are kept by name), or an empty text for none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::ddl {

// storage_area/6 (Model, Kind tbl or idx, Table, Index, Mode, Name): Mode a
// is a temporary table of the reorganisation. None when no source names one.
std::optional<std::string> storage_area(Run& run, const engine::Term& model, std::string_view kind,
                                        const engine::Term& table, std::string_view index,
                                        std::string_view mode);
// tbl_space_clause/5: the table-space clause of CREATE TABLE, '' for none.
std::string tbl_space_clause(Run& run, const engine::Term& model, const engine::Term& table,
                             std::string_view mode, std::string_view index);
// idx_space_clause/5: the table-space clause of CREATE INDEX, '' for none.
std::string idx_space_clause(Run& run, const engine::Term& model, const engine::Term& table,
                             std::string_view mode, std::string_view index);
// pk_index_storage/3: the storage of the primary-key index inside CREATE
// TABLE (PrimaryIndex: the name of the table's primary index).
std::string pk_index_storage(Run& run, const engine::Term& model, const engine::Term& table,
                             std::string_view primary_index);

}  // namespace qn::logic::ddl
