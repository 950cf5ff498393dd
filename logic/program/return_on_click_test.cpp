#include "logic/program/return_on_click.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

// An Enter event of level 1 (group 2 is its lit group) after a line of
// another event; the prompt has the parameters &Id, &Name and &Kind.
const char* kPrompt =
    "rule_i(0, parm(['&Id', ['&Name', u], '&Kind'], [])). "
    "b_group_i(1, 2, lit, x, y, z). "
    "b_line_i(10, 1, 2, cmd, x, [t(e, 146), t('Refresh', 3)]). "
    "b_line_i(11, 1, 2, cmd, x, [t(e, 147)]). "
    "b_line_i(20, 1, 2, cmd, x, [t(e, 146), t('Enter', 3)]). ";

TEST(ReturnOnClick, EnterEventThatOnlyHandsValuesBack) {
  const char* assign_all =
      "b_line_i(21, 1, 2, cmd, x, [t(a, 107), t('&name', 23), t('=', 10), t('CUSTNAME', 2)]). "
      "b_line_i(22, 1, 2, cmd, x, [t(a, 107), t('&Kind', 23), t('=', 10), t('CUSTKIND', 2)]). "
      "b_line_i(23, 1, 2, cmd, x, [t(a, 107), t('&Id', 23), t('=', 10), t('CUSTID', 2)]). "
      "b_line_i(24, 1, 2, cmd, x, [t(a, 107), t('&Id', 23), t('=', 10), t('OTHER', 2)]). ";
  struct Case {
    const char* name;
    const char* lines;
    const char* attributes;  // nullptr: no list
  } cases[] = {
      {"every parameter, in parameter order, the first assignment of each",
       "b_line_i(25, 1, 2, cmd, x, [t(r, 118)]). b_line_i(26, 1, 2, cmd, x, [t(e, 147)]). ",
       "['CUSTID','CUSTNAME','CUSTKIND']"},
      {"not ending in a return", "b_line_i(25, 1, 2, cmd, x, [t(e, 147)]). ", nullptr},
      {"another statement",
       "b_line_i(25, 1, 2, cmd, x, [t(m, 141), t('x', 3)]). "
       "b_line_i(26, 1, 2, cmd, x, [t(r, 118)]). b_line_i(27, 1, 2, cmd, x, [t(e, 147)]). ",
       nullptr},
      {"no end line", "b_line_i(25, 1, 2, cmd, x, [t(r, 118)]). ", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kPrompt) + assign_all + c.lines);
    auto got = return_on_click_lines(r.run);
    EXPECT_EQ(got ? engine::writeq(*got) : "none", c.attributes ? c.attributes : "none");
    EXPECT_EQ(r.facts_of("return_on_click_i", 1),
              c.attributes ? "return_on_click_i([" + std::string(c.attributes) + "]) " : "");
  }
  // Two of three parameters assigned: no list.
  ExprRun some(std::string(kPrompt) +
               "b_line_i(21, 1, 2, cmd, x, [t(a, 107), t('&Id', 23), t('=', 10), t('CUSTID', 2)]). "
               "b_line_i(22, 1, 2, cmd, x, [t(a, 107), t('&Kind', 23), t('=', 10), t('K', 2)]). "
               "b_line_i(23, 1, 2, cmd, x, [t(r, 118)]). b_line_i(24, 1, 2, cmd, x, [t(e, 147)]). ");
  EXPECT_FALSE(return_on_click_lines(some.run));
  // A recorded list answers the second call.
  some.eng.facts().asserta(term("return_on_click_i([['A'], x])"));
  auto recorded = return_on_click_lines(some.run);
  ASSERT_TRUE(recorded);
  EXPECT_EQ(engine::writeq(*recorded), "['A']");
}

// The row's return link: only web and work panels whose Enter event hands
// values back; the return call is the page scripts' writer's.
TEST(ReturnOnClick, RowReturnLink) {
  const std::string hands_back =
      "rule_i(0, parm(['&Id'], [])). b_group_i(1, 2, lit, x, y, z). "
      "b_line_i(20, 1, 2, cmd, x, [t(e, 146), t('Enter', 3)]). "
      "b_line_i(21, 1, 2, cmd, x, [t(a, 107), t('&Id', 23), t('=', 10), t('CUSTID', 2)]). "
      "b_line_i(22, 1, 2, cmd, x, [t(r, 118)]). b_line_i(23, 1, 2, cmd, x, [t(e, 147)]). ";
  struct Case {
    const char* name;
    std::string facts;
    bool stand_in;
    bool ok;
    const char* asked;  // the stand-in's arguments, "" when not asked
  } cases[] = {
      {"a work panel", "spec_i([scr, 1, 'P', 'P', 0, 0]). " + hands_back, true, true,
       "2 1 ['CUSTID']"},
      {"a web panel", "spec_i([web, 1, 'P', 'P', 0, 0]). " + hands_back, true, true,
       "2 1 ['CUSTID']"},
      {"no return call yet", "spec_i([scr, 1, 'P', 'P', 0, 0]). " + hands_back, false, false, ""},
      {"a procedure", "spec_i([proc, 1, 'P', 'P', 0, 0]). " + hands_back, true, true, ""},
      {"no Enter event", "spec_i([scr, 1, 'P', 'P', 0, 0]). ", true, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(c.facts);
    std::string asked;
    if (c.stand_in) {
      r.run.stand_in_host("gen_row_return_call", 3, [&asked](logic::Run&, std::span<engine::Term> a) {
        asked = engine::writeq(a[0]) + " " + engine::writeq(a[1]) + " " + engine::writeq(a[2]);
        return true;
      });
    }
    EXPECT_EQ(row_return_link(r.run, engine::Term::integer(2), engine::Term::integer(1)), c.ok);
    EXPECT_EQ(asked, c.asked);
  }
}

}  // namespace
}  // namespace qn::logic
