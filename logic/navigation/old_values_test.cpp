#include "logic/navigation/old_values.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

std::string written(const std::vector<Term>& moves) {
  std::string s;
  for (const Term& m : moves) s += engine::writeq(m) + " ";
  return s;
}

TEST(OldValues, MovesBySource) {
  struct Case {
    const char* name;
    const char* facts;
    const char* function;
    int64_t type;
    const char* moves;
  } cases[] = {
      {"1: an old formula", "function_i(1, 2, yes, old, 'old(', [], n, 'A', []).", "old(", kAuxOld,
       "['A',h,[t('OA',79)]] "},
      {"2: a rule of the level", "rule_i(1, rule([a(3, [t('previous(', 1), t('B', 2), t(')', 4)])], x, y, z)).",
       "previous(", kAuxPrevious, "['B',h,[t('EB',69)]] "},
      {"2: a rule of another level", "rule_i(2, rule([a(3, [t('old(', 1), t('B', 2)])], x, y, z)).",
       "old(", kAuxOld, ""},
      {"3: an excluded attribute", "struct_i(1, 0, [], ['C']).", "old(", kAuxOld,
       "['C',h,[t('OC',79)]] "},
      {"3: exclusion is no previous source", "struct_i(1, 0, [], ['C']).", "previous(",
       kAuxPrevious, ""},
      {"4: a 'previous' default", "default_i(e('A', x, 2, '''previous''')).", "previous(",
       kAuxPrevious, "['A',h,[t('EA',69)]] "},
      {"5: a previous formula", "function_i(1, 2, yes, f, 'previous(', [], n, 'C', []).",
       "previous(", kAuxPrevious, "['C',h,[t('EC',69)]] "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_EQ(written(all_moves(f.run, num(0), num(1), c.function, c.type, t("['A', 'B', 'C']"))),
              c.moves);
  }
  // One attribute under both functions: one auxiliary each.
  Fixture f("struct_i(1, 0, [], ['A']). default_i(e('A', x, 2, '''previous''')).");
  EXPECT_EQ(written(all_moves(f.run, num(0), num(1), "old(", kAuxOld, t("['A']"))) +
                written(all_moves(f.run, num(0), num(1), "previous(", kAuxPrevious, t("['A']"))),
            "['A',h,[t('OA',79)]] ['A',h,[t('EA',69)]] ");
}

TEST(OldValues, SaveAndRestore) {
  Fixture f(
      "attri_i('A', ['A', int, 5, 0, '', 0]). attri_i('OA', ['OA', int, 5, 0, '', 0]). "
      "las_i(1, ['A', 'B']). struct_i(1, 0, [], ['A']). struct_i(2, 0, [], ['A']).");
  const auto moves = old_value_moves(f.run, num(1), num(0));
  std::vector<Term> twice = moves;
  twice.insert(twice.end(), moves.begin(), moves.end());
  ASSERT_TRUE(assign_h_auxs(f.run, 's', twice));  // each move once a call
  ASSERT_TRUE(assign_h_auxs(f.run, 'r', moves));
  EXPECT_EQ(f.lines(), (Lines{"OA = A ;", "A = OA ;"}));
  EXPECT_TRUE(old_value_moves(f.run, num(2), num(0)).empty());  // no las_i/2
}

TEST(OldValues, AllowedMoves) {
  const Term allowed = t("[[12, x], ['A', y]]");
  EXPECT_TRUE(move_allowed(t("12"), allowed, t("[x]"), t("x")));
  EXPECT_FALSE(move_allowed(t("12"), allowed, t("[z]"), t("x")));  // a number needs X in Numbers
  EXPECT_TRUE(move_allowed(t("'A'"), allowed, t("[]"), t("y")));
  EXPECT_FALSE(move_allowed(t("'A'"), allowed, t("[]"), t("x")));
}

TEST(OldValues, RoutineNamesAndIndex) {
  Fixture f("attri_i('A', ['A', int, 5, 0, '', 0]). index_i(10, [i1, d, ['X']]). "
            "index_i(10, [i2, u, ['K1', 'K2']]).");
  EXPECT_EQ(u_proc_name(f.run, atom("Check'It"), ""), "U11");
  EXPECT_EQ(u_proc_name(f.run, atom("check'it"), ""), "U11");  // the same key again
  EXPECT_EQ(u_proc_name(f.run, atom("A"), "r"), "U12r");        // an attribute key
  EXPECT_EQ(f.all("proc_id", 3), "proc_id(\"a_r\",12,\"U12r\") proc_id(\"checkit\",11,\"U11\") ");
  // S, E and U routines share one count.
  Fixture g("subproc_id(\"sub\", 11, \"S11\").");
  EXPECT_EQ(u_proc_name(g.run, atom("k"), ""), "U12");
  EXPECT_EQ(engine::writeq(unique_index_atts(f.run, num(10))), "[[[],'K1','K1'],[[],'K2','K2']]");
  EXPECT_EQ(engine::writeq(unique_index_atts(f.run, num(11))), "[]");
}

}  // namespace
}  // namespace qn::logic
