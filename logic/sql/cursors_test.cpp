// The cursor of a table at a level, the end of a double SELECT and the data
// object of an inserting level.
#include "logic/sql/cursors.h"

#include <gtest/gtest.h>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {
namespace {

using sqltest::Fixture;
using sqltest::Lines;
using sqltest::T;

// The level's own cursor first, then the newest open SQL level's, then
// any cursor reading the table, else the default.
TEST(Cursors, CursorInfo) {
  const std::string cursors =
      "c_num_i(1, [20], ['C1']). c_num_i(2, [20, 30], ['C2']). c_num_i(3, [40], ['C3']). ";
  struct Case {
    const char* name;
    std::string facts;
    const char* table;
    const char* level;
    const char* cursor;
  } cases[] = {
      {"the level's", cursors, "20", "1", "C1"},
      {"a join's table", cursors, "30", "2", "C2"},
      {"no level: the open SQL level's", cursors + "sql_level_i(2). sql_level_i(1). ", "20", "[]",
       "C2"},
      {"another level's", cursors, "40", "1", "C3"},
      {"none", cursors, "50", "1", "NoCurVarErr"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_EQ(cursor_info(f.run, T(c.table), T(c.level)), c.cursor);
  }
}

// A double SELECT's block closes at every level; the outermost level of
// the table also ends its read-only cursor and forgets the double SELECT.
TEST(Cursors, LevelEnd) {
  const std::string facts =
      "level_i(1, [20]). level_i(2, [20]). struct_i(1, 0, [], []). struct_i(2, 1, [], []). "
      "c_num_i(1, [20], ['C1']). sql_double_select(20, 'C9', [[a], _]). ";
  struct Case {
    const char* name;
    std::string facts;
    const char* level;
    Lines lines;
    bool kept;
  } cases[] = {
      {"no double SELECT", "level_i(1, [20]). struct_i(1, 0, [], []).", "1", {}, false},
      {"below the outermost", facts, "2", {"}"}, true},
      {"the outermost: the locking cursor ends", facts, "1", {"}", "C9.close() ;"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_TRUE(gen_level_end(f.run, T(c.level), T("20")));
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.eng.facts().exists(T("sql_double_select(20, _, _)")), c.kept);
  }
}

// Only a table the level inserts into, or one of its tw_i/2, is recorded.
TEST(Cursors, TableObjectOfALevel) {
  Fixture f("tw_i(1, [30]).");
  EXPECT_TRUE(gen_table_object_new(f.run, T("20"), "nvg", "many", T("[a]"), T("1")));
  EXPECT_EQ(f.all("level_info_i", 2), "");
  EXPECT_TRUE(gen_table_object_new(f.run, T("30"), "nvg", "many", T("[a]"), T("1")));
  EXPECT_EQ(f.all("level_info_i", 2), "level_info_i(1,[30,nvg,many,[a]]) ");
  EXPECT_EQ(f.all("in_level_i", 1), "in_level_i(1) ");
  EXPECT_TRUE(f.lines().empty());
}

}  // namespace
}  // namespace qn::logic
