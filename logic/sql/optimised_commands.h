// A navigation that only deletes the rows it reads, only adds up values of
// its rows, or only copies each row into another table becomes one
// statement instead of a loop: an optimised DELETE, an optimised group
// (one SELECT of SUM and COUNT) or an optimised copy (INSERT ... SELECT).
// The forms are recognised on the level's command lines.
//
// Every test of a form runs before its first line is written, so a form
// that does not apply writes nothing and leaves no optimized_delete/1.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// Command codes of the first token of a line.
enum OptCode : int64_t {
  kCodeAssign = 107,
  kCodeIgnored = 112,
  kCodeDelete = 113,
  kCodeInsStart = 117,
  kCodeNavStart = 121,
  kCodeInsEnd = 127,
  kCodeNavEnd = 128,
  kCodeXinsStart = 135,
  kCodeXinsEnd = 137,
};

// One token of a scan pattern: the code it must have, and its text: any
// (slot -1), a fixed text, or slot n, which must be the same text wherever
// the pattern names slot n. Patterns compare a token's text and code only.
struct TokPattern {
  int64_t code;
  int slot = -1;
  std::optional<std::string> text = std::nullopt;
};
using LinePattern = std::vector<TokPattern>;

// A block scan: group_stmts_nav/8.
struct BlockScan {
  int64_t start;  // the first line read
  engine::Term level;
  std::vector<engine::Term> other_levels;  // their lines are allowed
  std::vector<engine::Term> groups;        // the level's line groups
  std::vector<int64_t> start_codes, end_codes;
  std::vector<LinePattern> patterns;
};
// group_stmts_nav/8 (Start, Level, OtherLevels, Groups, StartCodes,
// EndCodes, Patterns, Matched): the lines from Start on, each allowed, a
// match of a pattern or not valid, up to the first line that is not valid
// or whose first token's code is an end code. Fails when a line is not
// valid, or when the lines run out (past the highest b_line_i/6 number)
// before an end line. Matched: the token lists of the lines that match a
// pattern, in line order.
bool group_stmts_nav(Run& run, const BlockScan& scan, std::vector<engine::Term>& matched);
// group_statements/8: the result of each line read, in order, up to the
// line where the scan stops: its tokens when it matches a pattern, [] when
// it is allowed, nv when it is not valid. False when the lines ran out
// before the scan stopped.
bool group_statements(Run& run, const BlockScan& scan, std::vector<engine::Term>& results);

// copy_table_ok/1 (Table): the option optimize_copy allows a copy into the
// table: never when it begins with "n"; into a table with a unique index
// only when it begins with "a" and no reorganisation is generated.
bool copy_table_ok(Run& run, const engine::Term& table);
// copy_pairs/6 (Assignments, Model, Target, TargetAttributes, SourcePairs,
// Pairs): the [Target, Source] pairs of an insert block's assignments
// (token lists: code, target, "=", source) when each target is an attribute
// of the target table assigned once, each source an attribute of the
// navigation's table ([Table, Attribute] in SourcePairs), of the same type
// and not longer than its target; and, with initialize_new on, every
// attribute of the target table is assigned.
bool copy_pairs(Run& run, const std::vector<engine::Term>& assignments, const engine::Term& model,
                const engine::Term& target_attributes, const engine::Term& source_pairs,
                std::vector<std::pair<engine::Term, engine::Term>>& pairs);

// optimized_agg/5 (Statement, Model, Table, SelectedAttributes, Aggregate):
// V = V op A for a numeric attribute A of the table among the selected
// attributes is sum [V, op, A]; V = V op C for a number C is count [V, op, C].
struct Aggregate {
  bool sum = true;
  engine::Term var, op, operand;  // operand: A for a sum, C for a count
};
std::optional<Aggregate> optimized_agg(Run& run, const engine::Term& statement,
                                       const engine::Term& model, const engine::Term& table,
                                       const engine::Term& selected);
// sql_agg_exp/3 (Aggregate, Attribute, Expression): ["sum(", A] or ["count(", V].
engine::Term sql_agg_exp(const Aggregate& agg);

// optimized_cmd/6 (Conditions, Model, Tables, LineNumber, Level,
// SelectedAttributes): the first of the optimised DELETE, group and copy
// that applies to the navigation starting at LineNumber; fails writing
// nothing when none does.
bool optimized_cmd(Run& run, const engine::Term& conditions, const engine::Term& model,
                   const engine::Term& tables, int64_t line, const engine::Term& level,
                   const engine::Term& selected);

}  // namespace qn::logic
