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

}  // namespace
}  // namespace qn::logic
