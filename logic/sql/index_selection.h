// Which indexes of a table exist, which are unique and which are worth
// creating. An index is the entry [Index, Kind, Attributes]: Kind u (unique)
// or d (duplicates allowed), Attributes the attribute numbers in key order,
// a negative number marking a descending column.
#pragma once

#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// index_p/5 (Model, Table, Index, Kind, Attributes): every index of the
// table in the host's order. The numbers come from i_index_exists/4, asked
// for 1 and then for each index + 1 (it answers the next index, gaps
// skipped); the descending marks are normalised unless the table's driver
// keeps descending columns (desc_idx_dbms/1).
std::vector<engine::Term> index_p(Run& run, const engine::Term& model, const engine::Term& table);
// actual_index/5: the indexes that exist physically: every unique index, a
// duplicate index only when i_index_needed/5 succeeds for its attributes.
std::vector<engine::Term> actual_index(Run& run, const engine::Term& model,
                                       const engine::Term& table);
// valid_indexes/3 (Model, Table, Indexes): the entries of index_p/5 that
// valid_index/4 keeps, in host order.
bool valid_indexes(Run& run, const engine::Term& model, const engine::Term& table,
                   engine::Term& indexes);
// valid_index/4 (Entry, Entries, TableAttributes): Entry, one of Entries,
// is kept unless an attribute of it (mark removed) is not in
// TableAttributes, or it is a duplicate index served by another entry: one
// whose attribute list it begins, or one with the same list that comes
// first (of two equal lists the first in host order stays).
bool valid_index(const engine::Term& entry, const std::vector<engine::Term>& entries,
                 const engine::Term& table_attributes);

}  // namespace qn::logic
