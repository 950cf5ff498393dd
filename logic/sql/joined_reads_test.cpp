// Which reads and conditions a level's SELECT takes in, and the reads a
// same-table break level takes from its top level's SELECT.
#include "logic/sql/joined_reads.h"

#include <gtest/gtest.h>

#include "logic/sql/sql_test_fixture.h"

namespace qn::logic {
namespace {

using sqltest::Fixture;
using sqltest::T;

std::string written(const std::vector<engine::Term>& terms) {
  std::string s;
  for (const engine::Term& t : terms) s += (s.empty() ? "" : " ") + engine::writeq(t);
  return s;
}

// Level 1 reads table 20 (its t action loads custid); a read of table 30
// by custid loads custname, on which a condition depends.
const std::string kLevel =
    "spec_i([proc, 1, 'P', 'P', 0, 0]). level_i(1, [20]). struct_i(1, 0, [custid], []). "
    "a_i(t1, 1, t, 20, x, []). v_i(t, o, t1, [custid]). "
    "a_i(c1, 1, c, 0, x, [t(custname, 2), t('>', 10), t(1, 3)]). v_i(c, i, c1, [custname]). "
    "a_i(r1, 1, r, 30, x, [[[20, custid, custid]]]). "
    "v_i(r, i, r1, [custid]). v_i(r, o, r1, [custname]). ";

TEST(JoinedReads, LevelJoin) {
  Fixture f(kLevel);
  auto j = level_join(f.run, T("1"), T("20"));
  ASSERT_TRUE(j.has_value());
  EXPECT_EQ(written(j->tables), "[20,many] [30,one]");
  EXPECT_EQ(written(j->joins), "[30,[[20,custid,custid]]]");
  // The condition is placed once the read has loaded custname.
  EXPECT_EQ(written(j->conds), "c([t(custname,2),t(>,10),t(1,3)],[])");
  EXPECT_EQ(written(j->loaded), "custname");
  EXPECT_EQ(written(j->reads), "a_i(r1,1,r,30,x,[[[20,custid,custid]]])");
  EXPECT_EQ(j->cardinality, T("many"));
}

TEST(JoinedReads, NothingToJoin) {
  struct Case {
    const char* name;
    std::string facts;
  } cases[] = {
      {"a transaction", "spec_i([trn, 1, 'T', 'T', 0, 0]). " + kLevel.substr(kLevel.find("level_i"))},
      {"no t action", "spec_i([proc, 1]). level_i(1, [20]). a_i(r1, 1, r, 30, x, [[]])."},
      {"no read", "spec_i([proc, 1]). level_i(1, [20]). a_i(t1, 1, t, 20, x, []). "
                  "a_i(c1, 1, c, 0, x, [t(a, 2)])."},
      {"a read whose input no action gives",
       "spec_i([proc, 1]). level_i(1, [20]). a_i(t1, 1, t, 20, x, []). "
       "a_i(r1, 1, r, 30, x, [[]]). v_i(r, i, r1, [other])."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_FALSE(level_join(f.run, T("1"), T("20")).has_value());
  }
}

// Level 2 breaks level 1 on table 20: it takes its own read of 30 from the
// top's joined SELECT; the top itself has no break join.
TEST(JoinedReads, BreakJoin) {
  Fixture f(kLevel + "level_i(2, [20]). struct_i(2, 1, [], []). break_i(2, nvg, 1, 0, 0). "
                     "a_i(r2, 2, r, 30, x, []). v_i(r, o, r2, [custname]). ");
  EXPECT_FALSE(break_join(f.run, T("1"), T("20")).has_value());
  auto b = break_join(f.run, T("2"), T("20"));
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(written(b->reads), "a_i(r2,2,r,30,x,[])");
  EXPECT_EQ(written(b->outputs), "[custname]");
}

}  // namespace
}  // namespace qn::logic
