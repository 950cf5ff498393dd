#include "logic/program/subfile_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT
using Lines = std::vector<std::string>;

// A work panel (object 7) with subfile 1 (Items) showing the repeating
// level 2 (its break), and subfile 2 (Other) without a break.
const char* kPanel =
    "spec_i([scr, 7, 'P', 'P', 0, 0]). level_i(1, [0]). level_i(2, [0]). level_i(3, [0]). "
    "repeat_i(2, [qty]). repeat_i(3, [qty]). sf_break_i(2, 1). "
    "break_i(4, nvg, 2, x, x). "
    "attri_i(qty, ['Qty', int, 4, 0, '']). attri_i('&N', ['&N', int, 4, 0, '']). "
    "lit_i(1, 1, s(1), [ctlname('Items')]). lit_i(2, 1, s(t(qty, 2), 1), []). "
    "lit_i(3, 1, s(2), [ctlname('Other')]). ";

const Lines kLoopEnd{"eventLevelResetContext( );", "}", "eventLevelContext( );"};

// Each statement by its first token's code, first rule that applies.
TEST(SubfileCommands, StatementRows) {
  const std::string trn = "spec_i([trn, 7, 'T', 'T', 0, 0]). ";
  struct Case {
    const char* name;
    std::string facts;
    std::vector<Tk> tokens;
    const char* level;
    Lines expected;
  } cases[] = {
      {"Refresh in a transaction writes nothing", trn, {{"refresh", 148}}, "2", {}},
      {"Refresh keep, whatever its case", kPanel, {{"refresh", 148}, {"kEEp", 0}}, "2",
       {"QNRefresh();", "subItems.refreshKeep();", "subOther.refreshKeep();"}},
      {"Refresh", kPanel, {{"refresh", 148}}, "2",
       {"QNRefresh();", "subItems.load();", "subOther.load();"}},
      {"for each line", kPanel, {{"for each line", 149}}, "2",
       {"for (java.util.Enumeration en = subItems.elements(); en.hasMoreElements();)", "{",
        "   subw0100007 = ( subW0100007 ) en.nextElement();", "   subfileToVariables01();",
        "   subfileToVariables02();"}},
      {"for each selected line", kPanel, {{"for each selected line", 162}}, "2",
       {"for (java.util.Enumeration en = subItems.selectedElements(); en.hasMoreElements();)",
        "{", "   subw0100007 = ( subW0100007 ) en.nextElement();", "   subfileToVariables01();",
        "   subfileToVariables02();"}},
      {"for each line at a level that does not repeat", kPanel, {{"for each line", 149}}, "4", {}},
      {"for each line at a repeating level without a subfile", kPanel, {{"for each line", 149}},
       "3", {}},
      {"end of for each line", kPanel, {{"endfor", 150}}, "2", kLoopEnd},
      {"load at a level with a subfile", kPanel, {{"load", 155}}, "2", {"loadToBuffer01();"}},
      {"load at a level without one", kPanel, {{"load", 155}}, "3", {"nextLoad();"}},
      {"load inside Load", std::string(kPanel) + "in_event_load. ", {{"load", 155}}, "2",
       {"subItems.loadCommand();"}},
      {"load inside Load, the subfile below along the break chain",
       std::string(kPanel) + "in_event_load. ", {{"load", 155}}, "4", {"subItems.loadCommand();"}},
      {"any other statement", kPanel, {{"", 107}, {"&N", 23}, {"=", 10}, {"1", 3}}, "2",
       {"N = (short)(1) ;"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(c.facts);
    EXPECT_TRUE(gen_subfile_event_access(r.run, toks(c.tokens), Term::nil(), Term::nil(),
                                         term(c.level), Term::nil()));
    EXPECT_EQ(r.lines(), c.expected);
  }
}

// A loop inside a loop names its enumeration after its subfile, and again
// one further when that is open too; each end closes the innermost.
TEST(SubfileCommands, NestedLoops) {
  ExprRun r(kPanel);
  const Term level = term("2");
  for (int k = 0; k < 3; ++k)
    ASSERT_TRUE(gen_subfile_event_access(r.run, toks({{"for each line", 149}}), Term::nil(),
                                         Term::nil(), level, Term::nil()));
  std::vector<std::string> heads;
  for (const std::string& l : r.lines()) {
    if (l.find("for (") != std::string::npos) heads.push_back(l.substr(l.find("Enumeration ") + 12, 7));
  }
  EXPECT_EQ(heads, (Lines{"en = su", "en01 = ", "en01_2 "}));
  for (int k = 0; k < 3; ++k)
    ASSERT_TRUE(gen_subfile_event_access(r.run, toks({{"endfor", 150}}), Term::nil(), Term::nil(),
                                         level, Term::nil()));
  EXPECT_EQ(r.eng.facts().count("sfl_loop_i", 1), 0u);
}

TEST(SubfileCommands, RefreshLoadAndRows) {
  ExprRun none("spec_i([scr, 7, 'P', 'P', 0, 0]). ");
  ASSERT_TRUE(refresh_all_subfiles(none.run));
  EXPECT_EQ(none.lines(), (Lines{"QNRefresh();"}));

  ExprRun r(kPanel);
  ASSERT_TRUE(refresh_all_subfiles(r.run));
  ASSERT_TRUE(start_load(r.run, term("2")));
  ASSERT_TRUE(end_load(r.run, term("2")));
  ASSERT_TRUE(start_load(r.run, term("3")));  // no subfile: nothing
  ASSERT_TRUE(read_subfile_row(r.run, term("1")));
  ASSERT_TRUE(load_to_buffer_routine(r.run, term("1")));
  // Subfile 2 shows the panel's first level (no break, no level of its own).
  ASSERT_TRUE(load_to_buffer_routine(r.run, term("2")));
  EXPECT_EQ(r.lines(),
            (Lines{"QNRefresh();", "subItems.load();", "subOther.load();", "subItems.startLoad();",
                   "subw0100007 = new subW0100007 ();", "subItems.endLoad();",
                   "subw0100007 = ( subW0100007 ) subItems.getElementAt(nQNsfl_1_idx) ;",
                   "subfileToVariables01();", "nQNsfl_1_idx = nQNsfl_1_idx + 1 ;",
                   "public void loadToBuffer01( )", "{", "   variablesToSubfile01();",
                   "   subItems.addElement(subw0100007);", "   subw0100007 = new subW0100007 ();",
                   "}", "", "public void loadToBuffer02( )", "{", "   variablesToSubfile02();",
                   "   subOther.addElement(subw0200007);", "   subw0200007 = new subW0200007 ();",
                   "}", ""}));
}

// A web panel's subfile part of its refresh and load: the first level's
// row return link, then the subfile's grid routine, each the web writers'.
TEST(SubfileCommands, WebRefreshLoad) {
  ExprRun web("spec_i([web, 3, 'W', 'W', 0, 0]). level_i(1, [0]). lit_i(4, 1, s(2), []). ");
  std::vector<std::string> asked;
  for (const char* name : {"row_return_link", "gen_wb_routine_call"}) {
    web.run.stand_in_host(name, 2, [&asked, name](logic::Run&, std::span<Term> a) {
      asked.push_back(std::string(name) + "(" + text_of(a[0]) + "," + text_of(a[1]) + ")");
      return true;
    });
  }
  ASSERT_TRUE(web_subfile_refresh_load(web.run));
  EXPECT_EQ(asked, (Lines{"row_return_link(1,2)", "gen_wb_routine_call(2,1)"}));
  ExprRun panel(kPanel);
  ASSERT_TRUE(web_subfile_refresh_load(panel.run));
  EXPECT_EQ(panel.lines(), Lines{});
}

// A change of the variable reloads the level's subfile by the first rule
// that applies; none: it does not.
TEST(SubfileCommands, RefreshVariableRules) {
  struct Case {
    const char* name;
    std::string facts;
    const char* variable;
    bool reloads;
  } cases[] = {
      {"1: refresh on all", "rule_i(0, rule([a(29, [all])], [], [], [])). ", "'&X'", true},
      {"1: not with is_i/2 names",
       "rule_i(0, rule([a(29, [all])], [], [], [])). is_i('&Y', [t(a, 2)]). ", "'&X'", false},
      {"2: the level's refresh list",
       "level_i(2, [0, [], [], [], [], [], [], [], [x, [[[], '&X', 1]]]]). ", "'&X'", true},
      {"2: as a pair", "level_i(2, [0, [], [], [], [], [], [], [], x - [[[], '&X', 1]]]). ", "'&X'",
       true},
      {"3: a variable of a level condition",
       "lwi_i(2, [c([t(a, 2), t('=', 10), t([t('&X', 23)], 0)], [])]). ", "'&X'", true},
      {"3: another level's condition", "lwi_i(3, [c([t(a, 2), t('=', 10), t('&X', 23)], [])]). ",
       "'&X'", false},
      {"4: a start value", "start_i(2, 0, 0, [[[a, 23, '&X', '>=']], many]). ", "'&X'", true},
      {"4: a constant start value", "start_i(2, 0, 0, [[[a, 3, '&X', '>=']], many]). ", "'&X'",
       false},
      {"none", "level_i(2, [0]). ", "'&X'", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(c.facts);
    EXPECT_EQ(refresh_var_of_level(r.run, term(c.variable), term("2")), c.reloads);
  }
}

}  // namespace
}  // namespace qn::logic
