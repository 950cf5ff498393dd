#include "logic/web/styles.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic::web {
namespace {

using engine::Term;
using logic::testing::ExprRun;
using logic::testing::term;

TEST(Styles, EveryPropertyHasItsCssName) {
  struct Row {
    const char* property;
    const char* css;  // "" for none
  } rows[] = {
      {"Fontname", "font-family"}, {"Fontsize", "font-size"}, {"Fontbold", "font-weight"},
      {"Fontitalic", "font-style"}, {"Fontunderline", "text-decoration"},
      {"Fontstrikethru", "text-decoration"}, {"Forecolor", "color"}, {"Backcolor", "background"},
      {"Backstyle", ""}, {"Titlefontname", "font-family"}, {"Titlefontsize", "font-size"},
      {"Titlefontbold", "font-weight"}, {"Titlefontitalic", "font-style"},
      {"Titlefontunderline", "text-decoration"}, {"Titlefontstrikethru", "text-decoration"},
      {"Titleforecolor", "color"}, {"Titlebackcolor", "background"}, {"Titlebackstyle", ""},
  };
  EXPECT_EQ(dhtml_properties().size(), std::size(rows));
  for (const Row& r : rows) {
    auto css = dhtml_style_value(r.property);
    EXPECT_EQ(css ? std::string(*css) : "", r.css) << r.property;
  }
  EXPECT_FALSE(dhtml_style_value("Caption"));
}

TEST(Styles, PropertyValues) {
  struct Case {
    const char* property;
    const char* value;
    const char* style;  // "" for no term
  } cases[] = {
      {"Fontname", "'Arial'", "font-family:'Arial'"},
      {"Fontname", "'O''Neil <b>'", "font-family:'O\\'Neil \\3C b>'"},
      {"Fontname", "''", ""},
      {"Fontsize", "10", "font-size:10pt"},
      {"Fontsize", "0", ""},
      {"Fontbold", "1", "font-weight:bold"},
      {"Fontbold", "0", ""},
      {"Fontitalic", "1", "font-style:italic"},
      {"Fontunderline", "1", "text-decoration:underline"},
      {"Fontstrikethru", "1", "text-decoration:line-through"},
      {"Forecolor", "rgb(255, 0, 128)", "color:#FF0080"},
      {"Backcolor", "255", "background:#FF0000"},
      {"Backcolor", "rgb(300, 0, 0)", ""},
      {"Backcolor", "red", ""},
      {"Backstyle", "1", ""},
      {"Titlefontname", "'Georgia'", "font-family:'Georgia'"},
      {"Titleforecolor", "rgb(0, 0, 0)", "color:#000000"},
      {"Caption", "'x'", ""},
  };
  for (const Case& c : cases) {
    auto s = property_style(c.property, term(c.value));
    EXPECT_EQ(s.value_or(""), c.style) << c.property << " " << c.value;
  }
}

TEST(Styles, StaticStyleOfDesignTimeValues) {
  struct Case {
    const char* props;
    bool title;
    const char* css;
  } cases[] = {
      {"[font('Arial', 12, [bold, italic]), fore(rgb(0, 0, 128)), back(rgb(255, 255, 0)), fill]", false,
       "font-family:'Arial';font-size:12pt;font-weight:bold;font-style:italic;color:#000080;"
       "background:#FFFF00;"},
      // Backstyle 0: no background.
      {"[back(rgb(255, 255, 0))]", false, ""},
      // Underline with strikethru: only the line-through.
      {"[font(font('Courier', 9, [underline, strikethru]))]", false,
       "font-family:'Courier';font-size:9pt;text-decoration:line-through;"},
      {"[font('Arial', 9, [underline])]", false, "font-family:'Arial';font-size:9pt;text-decoration:underline;"},
      {"[titlefont(font('Georgia', 11, [bold])), tfore(rgb(255, 255, 255)), tback(rgb(0, 0, 128)), "
       "font('Arial', 8, [])]",
       true, "font-family:'Georgia';font-size:11pt;font-weight:bold;color:#FFFFFF;background:#000080;"},
      {"[font('Arial', 8, [])]", true, ""},
      {"[]", false, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(static_style(term(c.props), c.title), c.css) << c.props;
}

TEST(Styles, AssignedPropertiesChooseAnInlineStyleOverAClass) {
  ExprRun r(
      "lit_i(1, 1, t('&Alert', 23), [ctrltype(edit, 0), font('Arial', 9, [])]). "
      "lit_i(2, 1, t('Head', 3), [ctlname(lblHead), fore(rgb(1, 2, 3))]). "
      "lit_i(3, 1, t('Plain', 3), [ctlname(lblPlain)]). "
      "lit_i(4, 1, s(t(custid, 2), 1), [titlefont(font('Arial', 9, []))]). "
      "b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t([t('&Alert', 23), t('Forecolor', 2)], 29), t('=', 10), "
      "t(0, 3)]). "
      "b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t([t(custid, 2), t('Titlefontbold', 2)], 29), t('=', 10), "
      "t(1, 3)]). "
      "b_line_i(3, 1, 0, cmd, 0, [t(a, 107), t('&Alert', 23), t('=', 10), t('\"x\"', 3)]). ");
  collect_assigned_properties(r.run);
  const auto lits = r.run.facts().clauses("lit_i", 4);
  EXPECT_TRUE(assigned_property(r.run, lits[0], "Forecolor"));
  EXPECT_FALSE(assigned_property(r.run, lits[0], "Backcolor"));
  EXPECT_FALSE(assigned_property(r.run, lits[1], "Forecolor"));
  auto texts = [](const Term& tokens) {
    std::string s;
    for (const Term& t : tokens.list_items()) s += text_of(t.arg(1));
    return s;
  };
  const std::string inline_style = texts(style_string(r.run, lits[0]));
  EXPECT_EQ(inline_style,
            "\" style=\"\"+\"font-family:'\"+&Alert_Fontname+\"';\"+\"font-size:\"+"
            "ltrim(str(&Alert_Fontsize))+\"pt;\"+iif(&Alert_Fontbold=1,\"font-weight:bold;\",\"\")+"
            "iif(&Alert_Fontitalic=1,\"font-style:italic;\",\"\")+"
            "iif(&Alert_Fontunderline=1AND&Alert_Fontstrikethru=0,\"text-decoration:underline;\",\"\")+"
            "iif(&Alert_Fontstrikethru=1,\"text-decoration:line-through;\",\"\")+\"color:\"+"
            "HtmlColor(&Alert_Forecolor)+\";\"+"
            "iif(&Alert_Backstyle=1,\"background:\"+HtmlColor(&Alert_Backcolor)+\";\",\"\")+\"\"\"");
  EXPECT_EQ(texts(style_string(r.run, lits[1])), "\" class=\"LBLHEAD\"\"");
  EXPECT_TRUE(style_string(r.run, lits[2]).is_nil());
  // The column's title is built at run time, its cells keep no style.
  EXPECT_NE(texts(style_string(r.run, lits[3], true)).find("&custid_Titlefontname"), std::string::npos);
  EXPECT_TRUE(style_string(r.run, lits[3]).is_nil());
  // A fixed term ends the style attribute, or makes one.
  const std::string fixed = texts(style_string(r.run, lits[0], false, "overflow:hidden;"));
  EXPECT_TRUE(fixed.ends_with(";\",\"\")+\"overflow:hidden;\"\"")) << fixed;
  EXPECT_EQ(texts(style_string(r.run, lits[1], false, "overflow:hidden;")),
            "\" class=\"LBLHEAD\" style=\"overflow:hidden;\"\"");
  EXPECT_EQ(texts(style_string(r.run, lits[2], false, "overflow:hidden;")),
            "\" style=\"overflow:hidden;\"\"");
}

}  // namespace
}  // namespace qn::logic::web
