#include "logic/web/page_html.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"
#include "logic/toolbox/pending.h"
#include "logic/web/web_tokens.h"

namespace qn::logic::web {
namespace {

using logic::testing::ExprRun;
using logic::testing::term;

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) {
    const auto at = l.find_first_not_of(' ');
    s += (s.empty() ? "" : " | ") + (at == std::string::npos ? l : l.substr(at));
  }
  return s;
}

const char* kWeb = "spec_i([web, 3, 'Panel', 'Panel', 0, 0]). ";

TEST(PageHtml, PostedValueChecks) {
  const engine::Term none = engine::Term::nil();
  struct Case {
    const char* kind;
    OptType type;
    const char* values;  // the control's [Value, Text] pairs
    const char* lines;
  } cases[] = {
      {"edit", type_desc("int", 4), "[]",
       "if ( ( java.lang.Math.abs( (double)(V)) >= 10000 ) ) | { | "
       "qncgi_pusherror( localUtil.getMessages().getMessage(\"badnum\")) ; | wbErr = true ; | }"},
      // the integer digits of a number with decimals
      {"edit", type_desc("int", 7, 2), "[]",
       "if ( ( java.lang.Math.abs( V) >= 100000 ) ) | { | "
       "qncgi_pusherror( localUtil.getMessages().getMessage(\"badnum\")) ; | wbErr = true ; | }"},
      {"edit", type_desc("date", 8), "[]",
       "if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( \"C\")), \"\")==0)) ) && ( "
       "localUtil.vcdate( cgiGet( \"C\"), (byte)(1)) == 0 ) ) | { | "
       "qncgi_pusherror( localUtil.getMessages().getMessage(\"faildate\")) ; | wbErr = true ; | }"},
      {"edit", type_desc("dtime", 10, 8), "[]",
       "if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( \"C\")), \"\")==0)) ) && ( "
       "localUtil.vcdtime( cgiGet( \"C\"), (byte)(1), (byte)(1)) == 0 ) ) | { | "
       "qncgi_pusherror( localUtil.getMessages().getMessage(\"baddatetime\")) ; | wbErr = "
       "true ; | }"},
      // a value the list does not hold is not taken
      {"combo", type_desc("char", 1), "[['R', 'Red'], ['G', 'Green']]",
       "if ( ( QNutil.strcmp(V, \"R\") != 0 ) && ( QNutil.strcmp(V, \"G\") != 0 ) ) | { | "
       "V = \"R\" ; | }"},
      {"radio", type_desc("int", 1), "[[1, 'One'], [2, 'Two']]",
       "if ( ( V != 1 ) && ( V != 2 ) ) | { | V = (byte)(1) ; | }"},
      // nothing to check: a text, a checkbox, a list filled at run time
      {"edit", type_desc("char", 10), "[]", ""},
      {"checkbox", type_desc("int", 1), "[]", ""},
      {"dyncombo", type_desc("char", 10), "[]", ""},
  };
  for (const Case& c : cases) {
    ExprRun r(std::string(kWeb) + "attri_i('&V', ['&V', " + c.type->type + ", " +
              std::to_string(c.type->length) + ", " + std::to_string(c.type->decimals) +
              ", '']).");
    const PostedControl control{c.kind, "", none, none};
    EXPECT_TRUE(posted_value_check(r.run, tl({stok("C")}), atom("&V"), c.type, control,
                                   term(c.values).list_items()));
    EXPECT_EQ(joined(r.lines()), c.lines) << c.kind << " " << c.type->type;
  }
}

// link( of a web panel: to its static page when its pages are static (the
// page written first when missing), else the dynamic link.
TEST(PageHtml, LinksToStaticPages) {
  const std::vector<logic::testing::Tk> link = {
      {"link(", 1}, {"o(web, 'Orders')", 28}, {",", 7}, {"&Id", 23}, {")", 4}};
  auto tokens = [&] {
    std::vector<engine::Term> t;
    for (const auto& k : link) t.push_back(k.kind == 28 ? fact("t", {term("o(web, 'Orders')"), num(28)})
                                                        : logic::testing::tok(k));
    return engine::Term::list(t);
  };
  const std::string facts = std::string(kWeb) + "attri_i('&Id', ['&Id', int, 4, 0, '']). ";
  {
    ExprRun r(facts + "config_i('WEB_GEN_MODE', 'Static').");
    auto x = exp_to_java(r.run, tokens(), {});
    ASSERT_TRUE(x);
    EXPECT_EQ(join_pieces(x->pieces),
              "com.quenora.webpanels.QNWebPanel.prefixURL( PrivateUtilities.encodeURL( "
              "QNt_char4))");
    const std::string lines = joined(r.lines());
    EXPECT_NE(lines.find("isStaticGeneration( ) == 1 ) && ( "
                         "com.quenora.webpanels.QNWebPanel.isExpandLinks( ) == 1 )"),
              std::string::npos)
        << lines;
    EXPECT_NE(lines.find("new horders(remoteHandle, context).execute("), std::string::npos)
        << lines;
    EXPECT_NE(lines.find("\"horders\"+\"_\"+QNutil.ltrim( QNutil.str( (double)(Id), 4, 0))+"
                         "\".html\""),
              std::string::npos)
        << lines;
  }
  for (const char* dynamic : {"", "config_i('WEB_GEN_MODE', 'Static'). pgm_gen_i(horders, 3)."}) {
    ExprRun r(facts + dynamic);
    auto x = exp_to_java(r.run, tokens(), {});
    ASSERT_TRUE(x);
    EXPECT_EQ(join_pieces(x->pieces).rfind("formatLink(", 0), 0u) << dynamic;
    EXPECT_TRUE(r.lines().empty()) << dynamic;
  }
}

TEST(PageHtml, CallOfAnotherGeneratorsProgram) {
  ExprRun r(std::string(kWeb) + "pgm_gen_i('Legacy', 3).");
  const engine::Term nil = engine::Term::nil();
  EXPECT_TRUE(call_pgm_by_generator(r.run, atom("'Legacy'"), atom("'/old'"), nil, num(1), nil,
                                    nil, nil));
  EXPECT_EQ(joined(r.lines()),
            "/* Generation error. Fail to call program Legacy location /old generated by 3 */");
}

}  // namespace
}  // namespace qn::logic::web

namespace qn::logic::web {
namespace {

// A wrapped long text is a text area without scroll bars unless it grows
// with its text (noclip), whatever style it has besides.
TEST(PageHtml, TextAreaOverflow) {
  const std::string form =
      "spec_i([web, 3, 'Panel', 'Panel', 0, 0]). level_i(1, [0]). struct_i(1, 0, [], []). "
      "attri_i('&N', ['&N', vchar, 200, 0, '']). attri_i('&M', ['&M', vchar, 200, 0, '']). "
      "attri_i('&K', ['&K', vchar, 200, 0, '']). "
      "lit_i(1, 1, t('&N', 23), [ctrltype(edit, 0), wrap, width(300), height(64)]). "
      "lit_i(2, 1, t('&M', 23), [ctrltype(edit, 0), wrap, noclip, width(300), height(64)]). "
      "lit_i(3, 1, t('&K', 23), [ctrltype(edit, 0), wrap, fore(rgb(255, 0, 0))]). "
      "html_i(1, ctl(1)). html_i(2, ctl(2)). html_i(3, ctl(3)). ";
  ExprRun r(form);
  ASSERT_TRUE(gen_html_page(r.run));
  std::vector<std::string> areas;
  for (const std::string& l : r.lines()) {
    if (l.find("<textarea") != std::string::npos) areas.push_back(l.substr(l.find_first_not_of(' ')));
  }
  ASSERT_EQ(areas.size(), 3u);
  EXPECT_NE(areas[0].find("name=\\\"_N\\\" style=\\\"overflow:hidden;\\\">"), std::string::npos) << areas[0];
  EXPECT_EQ(areas[1].find("overflow"), std::string::npos) << areas[1];
  EXPECT_NE(areas[2].find("class=\\\"_K\\\" style=\\\"overflow:hidden;\\\">"), std::string::npos) << areas[2];
}

// The initial focus: the first control showing an entered variable, not a
// radio; none when web_auto_focus is "No" in any case.
TEST(PageHtml, InitialFocus) {
  const std::string form =
      "spec_i([web, 3, 'Panel', 'Panel', 0, 0]). level_i(1, [0]). struct_i(1, 0, [], []). "
      "attri_i('&R', ['&R', int, 1, 0, '']). attri_i('&A', ['&A', char, 5, 0, '']). "
      "attri_i('&B', ['&B', char, 5, 0, '']). "
      "lit_i(1, 1, t('&R', 23), [ctrltype(radio, 0)]). lit_i(2, 1, t('&A', 23), [ctrltype(edit, 0)]). "
      "lit_i(3, 1, t('&B', 23), [ctrltype(edit, 0)]). ";
  struct Case {
    const char* facts;
    const char* focus;  // the line that sets it, or "" for none
  } cases[] = {
      {"", "QN_FocusControl = \"_A\" ;"},
      {"rule_i(0, prop(web_auto_focus, 'Yes')).", "QN_FocusControl = \"_A\" ;"},
      {"rule_i(0, prop(web_auto_focus, 'No')).", ""},
      {"rule_i(0, prop(web_auto_focus, no)).", ""},
      // only what the first level enters
      {"lac_i(1, ['&B']).", "QN_FocusControl = \"_B\" ;"},
      {"lac_i(2, ['&B']).", ""},
  };
  for (const Case& c : cases) {
    ExprRun r(form + c.facts);
    ASSERT_TRUE(gen_web_main(r.run, atom("web"), num(1))) << c.facts;
    std::string focus;
    for (const std::string& l : r.lines()) {
      if (l.find("QN_FocusControl =") != std::string::npos) focus = l.substr(l.find_first_not_of(' '));
    }
    EXPECT_EQ(focus, c.focus) << c.facts;
  }
}

}  // namespace
}  // namespace qn::logic::web
