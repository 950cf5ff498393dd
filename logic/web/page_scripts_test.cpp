#include "logic/web/page_scripts.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic::web {
namespace {

using logic::testing::ExprRun;
using engine::Term;
using logic::testing::term;

std::string joined(ExprRun& r) {
  std::string s;
  for (const std::string& l : r.lines()) s += l + "\n";
  return s;
}

TEST(PageScripts, JavaScriptStringsEscapeQuotesBackslashesAndLineEnds) {
  EXPECT_EQ(js_string("Invalid number"), "'Invalid number'");
  EXPECT_EQ(js_string("it's a\\b\nc\rd"), "'it\\'s a\\\\b\\nc\\rd'");
}

TEST(PageScripts, BadNumberTextByIdiom) {
  struct Case {
    const char* facts;
    const char* text;
  } cases[] = {
      {"lit(eng, badnum, \"Invalid number\"). lit(ita, badnum, \"Numero non valido\").",
       "Invalid number"},
      {"idiom(ita). lit(eng, badnum, \"Invalid number\"). lit(ita, badnum, \"Numero non valido\").",
       "Numero non valido"},
      // The text of a message not found holds quotes: the alert escapes them.
      {"idiom(ita).", "WARNING - Message text for 'badnum' lang. 'ita' not found"},
  };
  for (const Case& c : cases) {
    ExprRun r(c.facts);
    EXPECT_EQ(badnum_text(r.run), c.text) << c.facts;
  }
}

TEST(PageScripts, InputValidationByTypeRegistersEachFunctionOnce) {
  struct Case {
    const char* type;
    const char* picture;
    const char* attribute;
    const char* registered;
  } cases[] = {
      {"[int, 4, 0, 0]", "ZZZ9", " onChange=\"valid_integer( this)\"", "js_function_ref_i(vinteger) "},
      {"[int, 9, 2, 0]", "", " onChange=\"valid_decimal( this)\"", "js_function_ref_i(vdecimal) "},
      {"[date, 8, 0, 0]", "99/99/99", " onChange=\"qnvdate( this, 8,0,'MDY',0,'/')\"",
       "js_function_ref_i(vdate) "},
      {"[date, 10, 0, 0]", "99/99/9999", " onChange=\"qnvdate( this, 10,1,'MDY',0,'/')\"",
       "js_function_ref_i(vdate) "},
      {"[dtime, 8, 5, 0]", "", " onChange=\"qnvdate( this, 17,0,'MDY',1,'/')\"",
       "js_function_ref_i(vdate) "},
      {"[char, 10, 0, 0]", "99/99/9999", " onChange=\"qnvdate( this, 10,1,'MDY',0,'/')\"",
       "js_function_ref_i(vdate) "},
      {"[char, 10, 0, 0]", "@!", "", ""},
  };
  for (const Case& c : cases) {
    ExprRun r;
    const OptType type = type_from_term(term(c.type));
    EXPECT_EQ(web_input_validation(r.run, type, c.picture), c.attribute) << c.type;
    web_input_validation(r.run, type, c.picture);
    EXPECT_EQ(r.facts_of("js_function_ref_i", 1), c.registered) << c.type;
  }
  // A date in a language of day-month-year order.
  ExprRun ita("idiom(ita).");
  EXPECT_EQ(web_input_validation(ita.run, type_from_term(term("[date, 8, 0, 0]")), ""),
            " onChange=\"qnvdate( this, 8,0,'DMY',0,'/')\"");
  EXPECT_EQ(ita.facts_of("js_source_i", 1), "js_source_i(\"qnvdate.js\") ");
}

TEST(PageScripts, PromptRoutineNames) {
  EXPECT_EQ(prompt_routine_name(term("[1, 2]"), term("3")), "prompt_1_2_3");
  EXPECT_EQ(prompt_routine_name(term("[7]"), term("1")), "prompt_7_1");
  EXPECT_EQ(prompt_routine_name(term("4"), term("2")), "prompt_4_2");
}

TEST(PageScripts, WindowHandlersFollowTheRefreshTimeOut) {
  struct Case {
    const char* facts;
    const char* handlers;
  } cases[] = {
      {"", ""},
      {"rule_i(0, prop('REFRESH_TOUT', 60)).", " onLoad=\"window_load()\" onFocus=\"window_focus()\""},
      {"rule_i(0, prop('REFRESH_TOUT', 60)). rule_i(0, prop('REFRESH_TOUT_TRIG', 'focus')).",
       " onLoad=\"window_load()\" onFocus=\"window_focus()\" onBlur=\"window_blur()\""},
      {"rule_i(0, prop('REFRESH_TOUT', 'soon')).", ""},
      // the trigger alone sets no timer
      {"rule_i(0, prop('REFRESH_TOUT_TRIG', 'FOCUS')).", ""},
  };
  for (const Case& c : cases) {
    ExprRun r(c.facts);
    EXPECT_EQ(window_event_handlers(r.run), c.handlers) << c.facts;
  }
}

// The script of a page: what the inputs asked for, the prompts (none, one
// on a control, one on a subfile line, one naming no object), the timer.
TEST(PageScripts, ScriptBlockOfAPage) {
  const std::string form =
      "attri_i('&Qty', ['&Qty', int, 4, 0, 'ZZZ9']). attri_i(custid, ['CustId', int, 6, 0, '']). "
      "lit_i(1, 1, t('&Qty', 23), [ctrltype(edit, 0)]). "
      "lit_i(2, 1, bitmap('p.gif'), [ctlname(imgQ)]). "
      "lit_i(3, 1, s(1), []). lit_i(4, 1, s(t(custid, 2), 1), []). ";
  {
    ExprRun r(form);
    ASSERT_TRUE(gen_include_jscripts(r.run));
    const std::string s = joined(r);
    EXPECT_EQ(s.find("var w"), std::string::npos) << s;
    EXPECT_EQ(s.find("valid_integer"), std::string::npos) << s;
    EXPECT_NE(s.find("function QN_js_close()"), std::string::npos) << s;
    EXPECT_EQ(s.find("function ClearForm"), std::string::npos) << s;
  }
  {
    ExprRun r(form +
              "rule_i(1, prompt([[5], web, imgQ, 0, [t(o(web, 'Pick'), 28), t('&Qty', 23)]])). "
              "rule_i(2, prompt([[1, 2], web, t(custid, 2), 0, [t('hother', 3), t(custid, 2)]])). "
              "rule_i(1, prompt([[9], web, imgQ, 0, [t(x, 2)]])). "
              "rule_i(0, prop('REFRESH_TOUT', 5)). js_line_i('var extra = 1;'). "
              "js_function_ref_i(vinteger). ");
    ASSERT_TRUE(gen_include_jscripts(r.run));
    const std::string s = joined(r);
    for (const char* want :
         {"qnhtml_text( \"function valid_integer( Elem)\" );",
          "{ alert('WARNING - Message text for \\\\'badnum\\\\' lang. \\\\'eng\\\\' not found'); "
          "Elem.focus();}",
          "qnhtml_text( \"var extra = 1;\" );", "\"var wPick=null;\"", "\"function prompt_5_1()\"",
          "elements['_QTY'];", "open('http:hpick', ''", "\"function prompt_1_2_2(ind)\"",
          "elements['_CUSTID' + '_' + ind];", "open('http:hother', ''",
          "/* Prompt prompt_9_1 of an unknown object: t(x,2) - no function written */",
          "window.setTimeout(\\\"window.location.reload();\\\",5000);"}) {
      EXPECT_NE(s.find(want), std::string::npos) << want << "\n" << s;
    }
    EXPECT_EQ(s.find("function prompt_9_1"), std::string::npos) << s;
    // The timer and the script lines follow the validation functions; the
    // prompts are inside the test of nUserReturn.
    EXPECT_LT(s.find("valid_integer"), s.find("qn_Window_Timer"));
    EXPECT_LT(s.find("qn_Window_Timer"), s.find("var extra"));
    EXPECT_LT(s.find("nUserReturn == 0"), s.find("prompt_5_1"));
  }
  ExprRun r(form + "rule_i(1, prompt([[5], web, imgQ, 0, [t(o(web, 'Pick'), 28), t('&Qty', 23)]])). ");
  const Term lits = Term::list(r.run.facts().clauses("lit_i", 4));
  EXPECT_EQ(prompt_link(r.run, lits.list_items()[1]), "javascript:prompt_5_1()");
  EXPECT_EQ(prompt_link(r.run, lits.list_items()[0]), std::nullopt);
}

// Outside the web: a routine per prompt of the level that calls the object
// (its parameter through a holder, moved back), and the opening control's
// Link kept for the form's writer.
TEST(PageScripts, PromptsOutsideTheWeb) {
  ExprRun r(
      "spec_i([scr, 8, 'Browse', 'Browse', 0, 0]). "
      "attri_i('&Qty', ['&Qty', int, 4, 0, 'ZZZ9']). "
      "lit_i(1, 1, t('&Qty', 23), [ctrltype(edit, 0)]). "
      "lit_i(2, 1, t('Pick', 3), [ctlname(lblPick)]). "
      "rule_i(1, prompt([[3], scr, lblPick, 0, [t(o(scr, 'Picker'), 28), t('&Qty', 23)]])). "
      "rule_i(1, prompt([[4], scr, lblPick, 0, [t(x, 2)]])). "
      "rule_i(2, prompt([[5], scr, lblPick, 0, [t(o(scr, 'Other'), 28)]])). ");
  ASSERT_TRUE(prompt_init_noweb(r.run, term("1")));
  const std::string s = joined(r);
  EXPECT_NE(s.find("protected void prompt_3_1( )"), std::string::npos) << s;
  EXPECT_NE(s.find("wpicker"), std::string::npos) << s;
  EXPECT_NE(s.find("/* End function prompt_3_1 */"), std::string::npos) << s;
  EXPECT_EQ(r.facts_of("prompt_link_i", 2), "prompt_link_i(2,\"prompt_3_1\") ");
  EXPECT_NE(s.find("/* Prompt prompt_4_1 of an unknown object: t(x,2) - no routine written */"),
            std::string::npos)
      << s;
  EXPECT_EQ(s.find("prompt_5_2"), std::string::npos) << s;
}

}  // namespace
}  // namespace qn::logic::web
