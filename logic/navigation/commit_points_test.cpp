#include "logic/navigation/commit_points.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/clause_io.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;

// Level 1 updates and holds, through its sublevel 2, a commit; level 3 does
// not update and holds a rollback.
const char* kLevels =
    "intt_i. struct_i(1, 0, [], []). struct_i(2, 1, [], []). struct_i(3, 0, [], []). "
    "upd_i(1, 10, u, []). "
    "b_line_i(1, 2, 0, cmd, x, [t(commit, 132, 0, 0)]). "
    "b_line_i(2, 3, 0, cmd, x, [t(rollback, 157, 0, 0)]). ";

using Step = std::function<bool(Run&)>;

TEST(CommitPoints, CommandsAndLevelEnds) {
  struct Case {
    const char* name;
    const char* facts;
    Step step;
    Lines lines;
  } cases[] = {
      {"a commit inside an updating level is deferred", kLevels,
       [](logic::Run& r) { return gen_commit_cmd(r, num(2), 1); }, {"QNT1 = 1 ;"}},
      {"a rollback outside one is at once", kLevels,
       [](logic::Run& r) { return gen_commit_cmd(r, num(3), 2); }, {"Application.rollback(context, remoteHandle, \"DEFAULT\");"}},
      {"the level end commits when asked", kLevels,
       [](logic::Run& r) { return gen_level_commit(r, num(1), 1); },
       {"if ( ( QNT1 == 1 ) )", "{", "   Application.commit(context, remoteHandle, \"DEFAULT\");", "}"}},
      {"no rollback held, none at the end", kLevels,
       [](logic::Run& r) { return gen_level_commit(r, num(1), 2); }, {}},
      {"a level without updates has no deferred commit", kLevels,
       [](logic::Run& r) { return gen_level_commit(r, num(3), 2); }, {}},
      {"not logged: nothing", "struct_i(1, 0, [], []). upd_i(1, 10, u, []).",
       [](logic::Run& r) { return gen_commit_cmd(r, num(1), 1) && gen_pgm_commit(r); }, {}},
      {"an updating program commits at its end", "intt_i. upd_i(1, 10, i, []).",
       [](logic::Run& r) { return gen_pgm_commit(r); }, {"Application.commit(context, remoteHandle, \"DEFAULT\");"}},
      {"one that ends its transactions itself does not",
       "intt_i. upd_i(1, 10, i, []). rule_i(1, rule([a(13, [endtrn])], x, y, z)).",
       [](logic::Run& r) { return gen_pgm_commit(r); }, {}},
      {"a program that reads only does not", "intt_i.",
       [](logic::Run& r) { return gen_pgm_commit(r); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_TRUE(c.step(f.run));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

TEST(CommitPoints, DeclaredVariable) {
  Fixture f(kLevels);
  EXPECT_TRUE(declare_commit_var(f.run, num(1)));
  EXPECT_TRUE(declare_commit_var(f.run, num(3)));  // no updates: nothing
  EXPECT_EQ(f.lines(), Lines{"QNT1 = 0 ;"});
  EXPECT_NE(f.all("fld_to_dcl_i", 3).find("fld_to_dcl_i('QNT1',s,['QNT1',int,2,0"), std::string::npos)
      << f.all("fld_to_dcl_i", 3);
}

}  // namespace
}  // namespace qn::logic
