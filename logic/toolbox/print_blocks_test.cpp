#include "logic/toolbox/print_blocks.h"

#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

// A command line: b_line_i(N, 1, 0, cmd, 0, Tokens).
std::string cmd(int n, const std::string& tokens) {
  return "b_line_i(" + std::to_string(n) + ", 1, 0, cmd, 0, [" + tokens + "]). ";
}

TEST(PrintBlocks, WhatEachBlockPrints) {
  struct Case {
    const char* what;
    std::string facts;
    std::string parmevents;  // every parmevents_i/2, written
  } cases[] = {
      {"a block calling a subroutine takes in what the subroutine prints",
       cmd(1, "t(sub, 143), t(head, 3)") + cmd(2, "t(a, 107), t('&X', 23), t(=, 10), t(custid, 2)") +
           cmd(3, "t(do, 145), t('''Tail''', 3)") + cmd(4, "t(endsub, 144)") +
           cmd(5, "t(sub, 143), t(tail, 3)") + cmd(6, "t(a, 107), t('&Y', 23), t(=, 10), t('1', 3)") +
           cmd(7, "t(endsub, 144)"),
       "parmevents_i(head,[['&X','&Y'],[custid],[tail]]) parmevents_i(tail,[['&Y'],[],[]]) "},
      {"a cycle of subroutines ends where it closes",
       cmd(1, "t(sub, 143), t(a, 3)") + cmd(2, "t(do, 145), t(b, 3)") +
           cmd(3, "t(print, 107), t('&A', 23)") + cmd(4, "t(endsub, 144)") +
           cmd(5, "t(sub, 143), t(b, 3)") + cmd(6, "t(do, 145), t(a, 3)") +
           cmd(7, "t(print, 107), t('&B', 23)") + cmd(8, "t(endsub, 144)"),
       "parmevents_i(a,[['&A','&B'],[],[b]]) parmevents_i(b,[['&B','&A'],[],[a]]) "},
      {"attributes of a nested For Each belong to its level, not to the block",
       cmd(1, "t(event, 146), t('''Print''', 3)") + cmd(2, "t(for, 121), t(custid, 2)") +
           cmd(3, "t(for, 121), t(ordid, 2)") + cmd(4, "t(endfor, 128)") +
           cmd(5, "t(a, 107), t('&N', 23), t(=, 10), t(ordid, 2)") + cmd(6, "t(endfor, 128)") +
           cmd(7, "t(a, 107), t('&T', 23), t(=, 10), t(total, 2)") + cmd(8, "t(endevent, 147)"),
       "parmevents_i(print,[['&N','&T'],[total],[]]) "},
      {"the page footer's print blocks: their controls, a call with its arguments",
       "b_group_i(1, 4, foot, 0, 0, 0). b_line_i(9, 1, 4, line, 0, [pb(7)]). "
       "lit_i(1, 7, t(custname, 2), [rect(0, 0, 80, 16)]). "
       "lit_i(2, 7, t([t('&P', 23), t(+, 5), t(price, 2)], 24), []). lit_i(3, 8, t(other, 2), []). "
       "b_line_i(10, 1, 4, cmd, 0, [t(call, 104), t('''Rfoot''', 3), t('&Q', 23)]).",
       "parmevents_i(foot,[['&P','&Q'],[custname,price],[rfoot]]) "},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    analyse_print_blocks(f.run);
    EXPECT_EQ(f.all("parmevents_i", 2), c.parmevents) << c.what;
    EXPECT_EQ(f.eng.facts().count("in_foreach_i", 1), 0u) << c.what;
  }
}

TEST(PrintBlocks, ParsedOnceAndNestedAttributesKept) {
  Fixture f(cmd(1, "t(for, 121), t(ordid, 2)") + cmd(2, "t(endfor, 128)") +
            cmd(3, "t(a, 107), t('&X', 23)"));
  const PrintedNames p = print_block_lines(f.run, 1, 3);
  EXPECT_EQ(p.vars, std::vector<std::string>{"&X"});
  EXPECT_TRUE(p.atts.empty());
  EXPECT_EQ(f.all("attri_parms_i", 1), "attri_parms_i([ordid]) ");
  EXPECT_EQ(f.all("parsed_block_i", 5), "parsed_block_i(1,3,['&X'],[],[]) ");
  f.eng.facts().abolish("b_line_i", 6);  // the cached answer stands
  EXPECT_EQ(print_block_lines(f.run, 1, 3).vars, std::vector<std::string>{"&X"});
}

TEST(PrintBlocks, HeaderFooterEndsAtItsEndCommand) {
  struct Case {
    const char* what;
    std::string facts;
    int64_t start;
    std::optional<std::pair<int64_t, int64_t>> expected;
  } cases[] = {
      {"up to the end command", cmd(1, "t(header, 3)") + cmd(2, "t(x, 107)") + cmd(4, "t(x, 107)") +
                                    cmd(5, "t(end, 122)") + cmd(6, "t(x, 107)"),
       1, std::pair<int64_t, int64_t>{2, 4}},
      {"no end command: the last line", cmd(1, "t(header, 3)") + cmd(3, "t(x, 107)"), 1,
       std::pair<int64_t, int64_t>{3, 3}},
      {"an empty block", cmd(1, "t(header, 3)") + cmd(2, "t(end, 122)"), 1, std::nullopt},
      {"nothing follows", cmd(1, "t(header, 3)"), 1, std::nullopt},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    EXPECT_EQ(parse_headerfooter1(f.run, c.start), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace qn::logic
