// Member accessors of the generated data classes: the object of a level's
// base table reaches an attribute of a related table through the
// foreign-key members along the join path, then the attribute's getter or
// setter. The joins are the base table's closure in the knowledge base
// (i_closuret/6), the same the data classes build their foreign-key members
// from, so every member named exists.
//
// Working facts (caches, reset_nav_names/0), newest first:
// get_nav_st_name_i(Model, Level, From, To, Kind, Attribute, Base, Path) and
// get_nav_name_i(Model, Level, Table, Attribute, Base, Kind, Accessor).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// reset_nav_names/0: both caches emptied.
void reset_nav_names(Run& run);
// The joins of a table: [From, To, Attributes] for each closure entry of
// the table (i_closuret/6 over its attributes, i_all_atrisr/3).
std::vector<engine::Term> table_joins(Run& run, int64_t model, const engine::Term& table);
// get_nav1_st/5 (Model, From, To, Joins, Path): the tables from From to To,
// first that applies at each step: From is To; a join from From to a table
// not visited yet; a join to From (its referencing side); none repeats.
std::optional<std::vector<engine::Term>> get_nav1_st(const engine::Term& from,
                                                     const engine::Term& to,
                                                     const std::vector<engine::Term>& joins);
// fk_member_name/7: the member of the foreign key to Table in a data class:
// the table's class name (table_class_name/3, class_name/3 of kind tab),
// lower-cased.
std::optional<std::string> fk_member_name(Run& run, int64_t model, const engine::Term& table);
// fk_member_name/7 where the table refers to Table more than once: Keys
// are its foreign keys to Table (each the list of its referencing
// attributes, in the order of the table's closure) and Via the one of this
// member. A key found in a list of two or more is numbered: the class name
// followed by its position (from 1) padded to five digits with "0",
// lower-cased ("dbccustomer00002"); otherwise the member is named as above.
std::optional<std::string> fk_member_name(Run& run, int64_t model, const engine::Term& table,
                                          const engine::Term& via,
                                          const std::vector<engine::Term>& keys);
// nav_member_ref/5 (Level, From, To, Base, Reference): the base table's
// object, ".", and a member call "member()." per step of the path.
std::optional<std::string> nav_member_ref(Run& run, int64_t model, const engine::Term& level,
                                          const engine::Term& to, const engine::Term& base);
// nav_att_accessor/9 (Model, Level, Table, Attribute, Base, _, _, Kind,
// Accessor): the base object, ".", the path and the getter (Kind get) or
// setter followed by "()"; the cached path reused. Records the declaration
// of the accessor's variable (kind h) unless a reorganisation is written.
std::optional<std::string> nav_att_accessor(Run& run, int64_t model, const engine::Term& level,
                                            const engine::Term& table, const engine::Term& att,
                                            const engine::Term& base, std::string_view kind);

}  // namespace qn::logic
