// Which tables a level updates, and the key condition a scan start or a
// move to the next or previous row reads with. Conditions are model
// expression tokens; the expression translator turns them into Java.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// level_updated_tables/3 (Level, Table, UpdateLevel): the tables with an
// update or delete rule at Level, then those of the first subordinate level
// over the same base table, followed down (UpdateLevel is where the rule
// stands). All solutions, in that order.
struct UpdatedTable {
  engine::Term table;
  engine::Term update_level;
};
std::vector<UpdatedTable> level_updated_tables(Run& run, const engine::Term& level);

// key_conditions/10 (Mode, Entries, KeyAttributes, FixedAttributes, Model,
// Table, LeftKind, RightKind, Operator, Condition). Entries are [Table,
// Attribute | _] lists; those of other tables are skipped. Per entry, the
// first that applies:
//   1. a key attribute that is fixed: Left = Right;
//   2. a constant default that fits the attribute's type: Left = Value;
//   3. a default by the attribute itself, and the attribute is fixed:
//      Left = Right;
//   4. mode a, a key attribute: Left Operator Right;
//   otherwise nothing.
// The comparisons joined with .AND.: one flat token list, [] for none.
struct KeyConditionArgs {
  engine::Term mode;  // f (scan start) or a (move to the next or previous row)
  engine::Term entries;
  engine::Term key_attributes;
  engine::Term fixed_attributes;
  engine::Term model;
  engine::Term table;
  int64_t left_kind;   // the token kind of the left side (2: attribute)
  int64_t right_kind;  // and of the right side (23: variable)
  std::string_view op;
};
engine::Term key_conditions(Run& run, const KeyConditionArgs& a);

}  // namespace qn::logic
