// The reads of other tables and the conditions of a navigation level that
// its SELECT takes in (a level join), and the reads a same-table break
// level takes from its top level's joined SELECT.
//
// Facts read: a_i/6 (ActionId, Level, Kind, Attribute, _, Info): a read r
// of the table Attribute, its Info [Keys, _, Mapped | _] with key elements
// [Table, Att, OtherAtt] and pairs [Att, MappedName]; a condition c, its
// Info the condition's tokens; v_i/4 (ActionKind, i or o, ActionId,
// Variables); struct_i/4; table_i/2 (Table, [_, Attributes | _]).
#pragma once

#include <optional>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// level_join/8 (Level, BaseTable, Tables, JoinConditions, Conditions,
// Loaded, Reads, Cardinality).
struct LevelJoin {
  std::vector<engine::Term> tables;  // [[BaseTable, many], [Table2, one] ...]
  std::vector<engine::Term> joins;   // [[Table2, Keys2] ...]
  std::vector<engine::Term> conds;   // c(Tokens, [])
  std::vector<engine::Term> loaded;  // attributes the joined actions load
  std::vector<engine::Term> reads;   // the joined read actions (a_i/6 facts)
  engine::Term cardinality;
};
// Fails (nullopt) in a transaction, when the level may not join, when it
// has no t action, or when no read is joined.
std::optional<LevelJoin> level_join(Run& run, const engine::Term& level, const engine::Term& table);

// break_join/4 (Level, BaseTable, Outputs, Reads): fails for the top of
// the chain or when the top may not join.
struct BreakJoin {
  std::vector<engine::Term> outputs;  // the output lists of the reads
  std::vector<engine::Term> reads;
};
std::optional<BreakJoin> break_join(Run& run, const engine::Term& level, const engine::Term& table);

}  // namespace qn::logic
