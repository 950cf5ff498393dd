#include "logic/web/web_request.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"
#include "logic/web/page_html.h"
#include "logic/web/web_tokens.h"

namespace qn::logic::web {
namespace {

using logic::testing::ExprRun;
using logic::testing::term;

std::string texts(const engine::Term& tokens) {
  std::string s;
  for (const engine::Term& t : tokens.list_items()) s += (s.empty() ? "" : " ") + text_of(t.arg(1));
  return s;
}

TEST(WebRequest, ControlNames) {
  ExprRun r(
      "lit_i(12, 1, t('Total', 3), []). "
      "lit_i(3, 1, button('Enter'), [ctlname(''), title(['Go'])]). "
      "lit_i(4, 1, s(1), []). "
      "lit_i(5, 1, bitmap('logo.gif'), []). "
      "lit_i(6, 1, t('Named', 3), [ctlname('lblHead')]). "
      "lit_i(7, 1, t('&Qty', 23), [ctlname(''), ctrltype(edit, 0)]). "
      "lit_i(8, 1, rect(1), []). ");
  process_form_literals(r.run);
  EXPECT_EQ(r.facts_of("lit_i", 4),
            "lit_i(12,1,t('Total',3),[ctlname(lbl12)]) "
            "lit_i(3,1,button('Enter'),[ctlname(btt3),title(['Go'])]) "
            "lit_i(4,1,s(1),[ctlname(sub4)]) "
            "lit_i(5,1,bitmap('logo.gif'),[ctlname(img5)]) "
            "lit_i(6,1,t('Named',3),[ctlname(lblHead)]) "
            "lit_i(7,1,t('&Qty',23),[ctrltype(edit,0)]) "
            "lit_i(8,1,rect(1),[]) ");
}

TEST(WebRequest, WebNames) {
  struct Case {
    const char* facts;
    const char* item;
    const char* props;
    const char* name;
  } cases[] = {
      {"", "t('&Qty', 23)", "[ctrltype(edit, 0)]", "_QTY"},
      {"", "t(custname, 2)", "[]", "_CUSTNAME"},
      {"", "t(lbl12, 3)", "[ctlname(lbl12)]", "LBL12"},
      {"", "s(t('&Amt', 23), 2)", "[]", "_AMT"},
      {"rule_i(0, prop(web_var_control_name_prefix, 'v')).", "t('&Qty', 23)", "[]", "VQTY"},
  };
  for (const Case& c : cases) {
    ExprRun r(c.facts);
    EXPECT_EQ(web_ctl_name(r.run, term(c.item), term(c.props)), c.name) << c.item;
  }
}

TEST(WebRequest, PostedValues) {
  const engine::Term name = tl({stok("C")});
  struct Case {
    OptType type;
    PostedControl control;
    const char* tokens;
  } cases[] = {
      {type_desc("int", 5, 2), {"edit", "", engine::Term::nil(), engine::Term::nil()},
       "val( CGIGet( \"C\" ) )"},
      {type_desc("date", 8), {"edit", "", engine::Term::nil(), engine::Term::nil()},
       "ctodl( CGIGet( \"C\" ) )"},
      {type_desc("dtime", 14), {"edit", "", engine::Term::nil(), engine::Term::nil()},
       "ctotl( CGIGet( \"C\" ) )"},
      {type_desc("char", 10), {"combo", "", engine::Term::nil(), engine::Term::nil()},
       "CGIGet( \"C\" )"},
      {type_desc("char", 10), {"edit", "@!", engine::Term::nil(), engine::Term::nil()},
       "upper( CGIGet( \"C\" ) )"},
      {type_desc("char", 10), {"edit", "!!!", engine::Term::nil(), engine::Term::nil()},
       "upper( CGIGet( \"C\" ) )"},
      // an upper-case picture changes only an edit's reading
      {type_desc("char", 10), {"combo", "@!", engine::Term::nil(), engine::Term::nil()},
       "CGIGet( \"C\" )"},
      {type_desc("char", 1), {"checkbox", "", stok("Y"), stok("N")},
       "iif( val( CGIGet( \"C\" ) ) = 1 , \"Y\" , \"N\" )"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(texts(posted_value_tokens(name, c.type, c.control)), c.tokens) << c.tokens;
}

TEST(WebRequest, RefreshFlagAndEscapes) {
  EXPECT_EQ(refresh_flag(num(0)), "Rfr0gs");
  EXPECT_EQ(refresh_flag(num(-2)), "Rfr2gs");
  EXPECT_EQ(html_escape("a \"b\" <c> & d"), "a &quot;b&quot; &lt;c&gt; &amp; d");
}

}  // namespace
}  // namespace qn::logic::web
