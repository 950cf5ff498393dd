#include "logic/javaui/work_panel.h"
#include "logic/javaui/subfile_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

std::string fields(ExprRun& r, const std::vector<FormItem>& items) {
  std::string s;
  for (const FormItem& f : items) s += (s.empty() ? "" : " ") + form_item_field(r.run, f);
  return s;
}

TEST(WorkPanel, TabOrderByClassThenPlace) {
  ExprRun r(R"(
attri_i(a, ['A', int, 4, 0, '']).
attri_i(b, ['B', int, 4, 0, '']).
attri_i('&P1', ['&P1', int, 4, 0, '']).
attri_i('&P2', ['&P2', int, 4, 0, '']).
attri_i('&Pic', ['&Pic', bits, 4, 0, '']).
lit_i(1, 1, window, [rect(0,0,299,299)]).
lit_i(2, 1, button('Ok'), [rect(0,0,9,9)]).
lit_i(3, 1, t(b, 2), [rect(50,40,59,49)]).
lit_i(4, 1, t(a, 2), [rect(10,40,19,49)]).
lit_i(5, 1, t('Note', 3), [rect(0,0,9,9)]).
lit_i(6, 1, tabcontrol, [rect(0,100,199,199)]).
lit_i(7, 6, tabpage, [rect(5,20,194,99), title(['One'])]).
lit_i(8, 6, tabpage, [rect(5,20,194,99), title(['Two'])]).
lit_i(9, 8, t('&P2', 23), [rect(0,0,9,9)]).
lit_i(10, 7, t('&P1', 23), [rect(0,50,9,59)]).
lit_i(11, 1, t('&Pic', 23), [rect(0,1,9,9)]).
lit_i(12, 1, rect(1), [rect(0,0,9,9)]).
)");
  // Attributes and tab controls (class 1) by top, then left; buttons (2);
  // labels and bits variables (4); rectangles (5).
  EXPECT_EQ(fields(r, sorted_controls(r.run, engine::Term::integer(1), false)),
            "edta edtb tctrl6 btt2 lbl5 imgPic rct12");
  EXPECT_EQ(fields(r, sorted_controls(r.run, engine::Term::integer(1), true)),
            "edta edtb imgPic");
  // The pages' controls replace their tab control, page by page; what takes
  // no focus is left out.
  EXPECT_EQ(fields(r, window_tab_order(r.run, engine::Term::integer(1))),
            "edta edtb edtP1 edtP2 btt2");
  // A key attribute of the first level comes before the others (class 0).
  r.eng.facts().assertz(*engine::parse_term("level_i(1, [t, x, [b]])"));
  EXPECT_EQ(fields(r, sorted_controls(r.run, engine::Term::integer(1), true)),
            "edtb edta imgPic");
}

TEST(WorkPanel, CopiesBetweenSubfileLinesControlsAndVariables) {
  ExprRun r(R"(
spec_i([scr, 8, 'Browse products', 'Browse', 0, 0]).
level_i(1, [0]).
level_i(2, [product]).
repeat_i(2, [prodid, proddsc]).
sf_break_i(2, 3).
attri_i(prodid, ['ProdId', int, 6, 0, '']).
attri_i(proddsc, ['ProdDsc', char, 40, 0, '']).
attri_i('&Pic', ['&Pic', bits, 4, 0, '']).
attri_i('&Find', ['&Find', char, 10, 0, '']).
lit_i(1, 1, s(3), []).
lit_i(2, 1, s(t(proddsc, 2), 3), []).
lit_i(3, 1, t('&Find', 23), []).
lit_i(4, 1, t('&Pic', 23), []).
)");
  ASSERT_TRUE(gen_context_methods(r.run));
  std::string all;
  for (const auto& l : r.lines()) all += l + "\n";
  // Subfile 3's elements: its column first, then the rest of the repeating
  // group; the bits variable is not copied to its control.
  EXPECT_EQ(all,
            "protected void variablesToSubfile03() {\n"
            "   subw0300008.setProdDsc(ProdDsc);\n"
            "   subw0300008.setProdId(ProdId);\n"
            "}\n"
            "protected void subfileToVariables03() {\n"
            "   ProdDsc = subw0300008.getProdDsc();\n"
            "   ProdId = subw0300008.getProdId();\n"
            "}\n"
            "protected void VariablesToControls() {\n"
            "   edtFind.setValue( Find );\n"
            "}\n"
            "protected void ControlsToVariables() {\n"
            "   Find = edtFind.getValue() ;\n"
            "}\n"
            "protected void eventNoLevelContext() {\n"
            "   ControlsToVariables();\n"
            "}\n"
            "protected void eventLevelContext() {\n"
            "   ControlsToVariables();\n"
            "   if ( sub1.inValidElement() )\n"
            "   {\n"
            "      subw0300008 = ( subW0300008 ) sub1.getCurrentElement() ;\n"
            "      subfileToVariables03();\n"
            "   }\n"
            "}\n"
            "protected void eventLevelResetContext() {\n"
            "   variablesToSubfile03();\n"
            "   sub1.refreshLineValue(subw0300008);\n"
            "}\n");
}

// A subfile whose level the form does not show gets the generation-error
// line in place of its classes; the refresh is still a form's with subfiles.
TEST(WorkPanel, RefreshOfAFormWithASubfileAfterItsFlowClass) {
  ExprRun r("spec_i([scr, 8, 'B', 'B', 0, 0]). lit_i(1, 1, s(1), []).");
  ASSERT_TRUE(gen_var_control_sync(r.run));
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"// -> Generation error : subfile 1 / level not shown",
                                                 "protected void QNRefresh() {",
                                                 "   ControlsToVariables();", "   standAlone();",
                                                 "   VariablesToControls();",
                                                 "   /* Quenora Refresh */", "}"}));
}

// The focus on the first control, in tab order, that shows one of the
// attributes; none shows them: nothing.
TEST(WorkPanel, FocusOnTheFirstControlShowingAnAttribute) {
  ExprRun r(R"(
level_i(1, [0]).
attri_i(a, ['A', int, 4, 0, '']).
attri_i(b, ['B', int, 4, 0, '']).
attri_i(c, ['C', int, 4, 0, '']).
lit_i(1, 1, t(b, 2), [rect(10,40,19,49)]).
lit_i(2, 1, t(a, 2), [rect(10,80,19,89)]).
lit_i(3, 1, t(c, 2), [rect(10,10,19,19)]).
)");
  EXPECT_TRUE(focus_first_of_form(r.run, engine::Term::list({engine::Term::atom("a"), engine::Term::atom("b")})));
  EXPECT_EQ(r.lines(), std::vector<std::string>{"setNextFocus(edtb);"});
  ExprRun none("level_i(1, [0]). attri_i(a, ['A', int, 4, 0, '']). lit_i(1, 1, t(a, 2), [rect(1,1,9,9)]).");
  EXPECT_FALSE(focus_first_of_form(none.run, engine::Term::list({engine::Term::atom("z")})));
  EXPECT_EQ(none.lines(), std::vector<std::string>{});
}

// The level a subfile shows, asked once per level and subfile.
TEST(WorkPanel, LevelOfASubfileMemoised) {
  ExprRun r("spec_i([scr, 8, 'B', 'B', 0, 0]). level_i(1, [0]). level_i(2, [t]). sf_break_i(2, 1). "
            "lit_i(1, 1, s(1), []).");
  EXPECT_TRUE(is_lvl2sub(r.run, engine::Term::integer(2), engine::Term::integer(1)));
  EXPECT_FALSE(is_lvl2sub(r.run, engine::Term::integer(2), engine::Term::integer(3)));
  EXPECT_EQ(r.facts_of("lvl2sub_i", 2) + r.facts_of("notlvl2sub_i", 2),
            "lvl2sub_i(2,1) notlvl2sub_i(2,3) ");
  // The memo answers even once the break is gone.
  r.eng.facts().abolish("sf_break_i", 2);
  EXPECT_TRUE(is_lvl2sub(r.run, engine::Term::integer(2), engine::Term::integer(1)));
}

// refreshArray: a branch per array, setting the controls of its elements.
TEST(WorkPanel, RefreshOfAnArraysControls) {
  ExprRun r(R"(
attri_i('&Arr', ['&Arr', int, 4, 0, '']).
attri_i('&Other', ['&Other', int, 4, 0, '']).
rule_i(0, dim('&Arr', [3])).
rule_i(0, dim('&Other', [2])).
is_i('&A2', [t('&Arr', 23), t('2', 3), t(')', 4)]).
lit_i(1, 1, t('&A2', 23), [rect(1,1,9,9)]).
)");
  ASSERT_TRUE(gen_refresh_array(r.run));
  EXPECT_EQ(r.lines(), (std::vector<std::string>{
                           "public void refreshArray(String array) {",
                           "   if (array.equals(\"Arr\")) {", "      edtA2.setValue( Arr[2-1] );",
                           "   }", "   if (array.equals(\"Other\")) {", "   }", "}"}));
}

// getMenuBar by the MENUBAR property: the default bar, none, or the named
// menu bar's class.
TEST(WorkPanel, MenuBarOfTheFrame) {
  struct Case {
    const char* rule;
    const char* expected;
  } cases[] = {
      {"", "Application.getDefaultMenuBar(this)"},
      {"rule_i(0, prop('MENUBAR', '*None')).", "null"},
      {"rule_i(0, prop('MENUBAR', 'MainBar')).", "new bmainbar(this)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ExprRun r(std::string("spec_i([scr, 8, 'B', 'B', 0, 0]). lit_i(1, 1, window, [rect(0,0,9,9)]). ") +
              c.rule);
    ASSERT_TRUE(gen_frame_methods(r.run));
    const auto lines = r.lines();
    auto at = std::find(lines.begin(), lines.end(), "protected QNMenuBar getMenuBar() {");
    ASSERT_NE(at, lines.end());
    ASSERT_NE(at + 1, lines.end());
    EXPECT_EQ(*(at + 1), std::string("   return ") + c.expected + " ;");
  }
}

}  // namespace
}  // namespace qn::logic
