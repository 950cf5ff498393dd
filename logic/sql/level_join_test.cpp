// Object kinds, start conditions, join locking and same-table chains.
#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/program/expressions.h"
#include "logic/navigation/levels.h"
#include "logic/sql/level_join.h"

namespace qn::logic {
namespace {

using engine::Term;
Term t(const std::string& text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
  }
  engine::Engine eng;
  logic::Run run;
};

TEST(ObjectKinds, Predicates) {
  struct Case {
    const char* facts;
    bool main, http, web_or_http, web_http_mbr;
  };
  const Case cases[] = {
      {"spec_i([proc, 1]).", false, false, false, false},
      {"spec_i([proc, 1]). rule_i(0, prop('PGMTYPE', main)).", true, false, false, false},
      {"spec_i([proc, 1]). rule_i(0, prop('PGMTYPE', main)). rule_i(0, prop('CALL_PROTOCOL', 'http/1.1')).",
       true, true, true, true},
      {"spec_i([proc, 1]). rule_i(0, prop('CALL_PROTOCOL', 'HTTP')).", false, false, false, false},
      {"spec_i([web, 1]).", false, false, true, true},
      {"spec_i([mbr, 1]).", false, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(is_main_pgm(f.run), c.main);
    EXPECT_EQ(http_main_pgm(f.run), c.http);
    EXPECT_EQ(web_or_http_main(f.run), c.web_or_http);
    EXPECT_EQ(web_http_or_mbr(f.run), c.web_http_mbr);
  }
  Fixture stub("rule_i(0, stub(rpt)).");
  EXPECT_EQ(pgm_stub(stub.run), atom("rpt"));
  EXPECT_TRUE(is_web_classid(13));
  EXPECT_FALSE(is_web_classid(1));
}

TEST(LevelJoin, StartConditionTokens) {
  Fixture f("start_i(2, 0, 0, [[[-3, 2, 'Other', '='], [4, 3, '\"A\"', '>']], one]).");
  StartConds s = start_conds(f.run, num(2), {t("c([], [])")});
  ASSERT_EQ(s.conds.size(), 2u);
  EXPECT_EQ(engine::writeq(s.conds[0]),
            "c([t(3,2),t(=,10),t('Other',23),t('.AND.',9),t(4,2),t(>,10),t('\"A\"',3)],[])");
  EXPECT_EQ(s.cardinality, atom("one"));
  StartConds none = start_conds(f.run, num(5), {});
  EXPECT_TRUE(none.conds.empty());
  EXPECT_EQ(none.cardinality, atom("many"));
}

TEST(LevelJoin, JoinLocking) {
  struct Case {
    const char* dtasrc;
    const char* extra;
    bool allowed;
  };
  const char* level = "level_i(1, [7]). struct_i(2, 1, [], []). level_i(2, [7]). ";
  const Case cases[] = {
      {"7", "upd_i(1, 7, u, []).", true},                                          // oracle driver always joins
      {"5", "upd_i(2, 7, d, []).", false},                                         // db2 updated below: no
      {"5", "", true},                                                             // db2 read-only
      {"12", "upd_i(1, 7, u, []). rule_i(0, prop('JOIN_TYPE', 'natural')).", true},  // sqlserver updated
      {"12", "upd_i(1, 7, u, []).", false},  // … joining as an outer join
      {"7", "rule_i(0, prop('DBMS_JOINS', 'no')).", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dtasrc) + " " + c.extra);
    Fixture f(std::string(level) + "rule_i(0, prop('DTASRC', '" + c.dtasrc + "')). " + c.extra);
    EXPECT_EQ(join_allowed(f.run, num(1), num(7)), c.allowed);
  }
}

TEST(LevelJoin, SameTableChainsAndBreakFlag) {
  // Levels 1 to 3 read table 7 through nvg breaks, each break naming the
  // parent level that struct_i names too.
  Fixture f(
      "level_i(1, [7]). level_i(2, [7]). level_i(3, [7]). level_i(4, [8]). "
      "struct_i(2, 1, [], []). struct_i(3, 2, [], []). struct_i(4, 3, [], []). "
      "break_i(1, nvg, 0, 0, 0). break_i(2, nvg, 1, 0, 0). break_i(3, nvg, 2, 0, 0). "
      "start_i(4, 0, 0, [[], one]).");
  EXPECT_EQ(bottom_nvg_level(f.run, num(1), num(7)), num(3));
  EXPECT_EQ(top_nvg_level(f.run, num(3), num(7)), num(1));
  EXPECT_FALSE(level_start_one(f.run, num(3), num(7)));
  EXPECT_TRUE(level_start_one(f.run, num(4), num(8)));
  // The middle level sets the chain's flag, named after the top level 1.
  EXPECT_TRUE(gen_brk_flag_set(f.run, num(2), num(7), t("[t(1, 3)]")));
  EXPECT_TRUE(gen_brk_flag_set(f.run, num(4), num(8), t("[t(1, 3)]")));  // no chain: nothing
  EXPECT_EQ(f.run.capture()->all_lines(), std::vector<std::string>{"BRK1 = 1 ;"});
}

}  // namespace
}  // namespace qn::logic
