#include "logic/javaui/form_props.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

std::string shown(const std::optional<engine::Term>& t) {
  return t ? engine::writeq(*t) : "NONE";
}

TEST(FormProps, DecodeAndDefaults) {
  ExprRun r("spec_i([scr, 8, 'Browse products', 'Browse', 0, 0]).");
  struct Case {
    const char* key;
    const char* props;
    const char* value;
  } cases[] = {
      // The first term that decodes wins.
      {"back", "[fore(rgb(1,2,3)), back(rgb(4,5,6)), back(rgb(7,8,9))]", "\"4, 5, 6\""},
      {"back", "[]", "\"255, 255, 255\""},
      {"fore", "[]", "\"0, 0, 0\""},
      {"tfore", "[]", "\"0, 0, 0\""},
      {"tback", "[tback(red)]", "red"},
      {"backrgb", "[]", "rgb(255,255,255)"},
      {"forergb", "[]", "NONE"},
      {"rect", "[rect(10,20,109,39)]", "[10,20,100,20]"},
      {"rect", "[]", "[1,10,100,200]"},
      {"rectpixel", "[rect(10,20,109,39)]", "[10,20,109,39]"},
      {"rowh", "[]", "NONE"},
      {"rowh", "[height(17)]", "17"},
      {"font", "[]", "[\"MS Sans Serif\",8,[]]"},
      {"sfont", "[]", "[\"MS Sans Serif\",8,[bold]]"},
      {"sfont", "[font(font('Arial',10,[italic]))]", "['Arial',10,[italic]]"},
      {"stfont", "[titlefont(font('Arial',9,[]))]", "['Arial',9,[]]"},
      {"align", "[]", "'ILabel.LEFT'"},
      {"align", "[align(center)]", "'ILabel.CENTER'"},
      {"align", "[align(right)]", "'ILabel.RIGHT'"},
      {"outstyle", "[outstyle('3d')]", "'ILabel.BORDER_3D'"},
      {"outstyle", "[]", "'ILabel.BORDER_NONE'"},
      {"frame", "[]", "single"},
      {"wrap", "[noclip]", "false"},
      {"wrap", "[]", "false"},
      {"fill", "[fill]", "true"},
      {"title", "[title(['Name', x])]", "'Name'"},
      {"title", "[title([])]", "[]"},
      {"ctrltype", "[]", "NONE"},
      {"ctype", "[]", "[edit,0]"},
      {"wintitle", "[]", "'Browse products'"},
      {"wintitle", "[prop('WINTITLE', 'Products')]", "'Products'"},
      {"ctlname", "[ctlname(ok)]", "ok"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.props);
    EXPECT_EQ(shown(ctl_property(r.run, c.key, term(c.props))), c.value);
  }
}

TEST(FormProps, ColoursFontsAndTexts) {
  ExprRun r;
  EXPECT_EQ(rgb_text(r.run, term("rgb(0,128,255)")), "0, 128, 255");
  EXPECT_EQ(rgb_text(r.run, term("red")), std::nullopt);
  EXPECT_EQ(legacy_color_rgb("BLU+"), "(0,0,255)");
  EXPECT_EQ(legacy_color_rgb("navy"), "(0,0,128)");
  EXPECT_EQ(legacy_color_rgb("PINK"), std::nullopt);
  EXPECT_EQ(font_expr(term("['Arial', 10, [bold, underline]]")),
            "UIFactory.getFont( \"Arial\", IFont.BOLD + IFont.UNDERLINE, 10)");
  EXPECT_EQ(font_expr(term("['Arial', 10, []]")), "UIFactory.getFont( \"Arial\", 0, 10)");
  EXPECT_EQ(java_ctl_color(r.run, "back", term("[]")), "UIFactory.getColor(255, 255, 255)");
  EXPECT_EQ(reformat_text("say \"hi\" \\ bye"), "say \\\"hi\\\" \\\\ bye");
  EXPECT_EQ(norm_path_slashes("Logo.BMP"), "logo.gif");
  EXPECT_EQ(norm_path_slashes("img\\a.gif"), "img/a.gif");
}

TEST(FormProps, Containers) {
  ExprRun r("lit_i(5, 1, tabpage, [ctlname(general)]). lit_i(6, 1, tabpage, []).");
  EXPECT_EQ(control_panel_expr(r.run, term("0")), "null");
  EXPECT_EQ(control_panel_expr(r.run, term("1")), "QNPanel1");
  EXPECT_EQ(control_panel_expr(r.run, term("5")), "tpagegeneral.getQNPanel()");
  EXPECT_EQ(control_panel_expr(r.run, term("6")), "tpage6.getQNPanel()");
}

TEST(FormProps, VisibleRows) {
  struct Case {
    int64_t h, th;
    std::optional<int64_t> rowh;
    int64_t rows;
  } cases[] = {
      {100, 20, 9, 9},  // 81 / 9
      {100, 20, std::nullopt, 1},
      {100, 20, 0, 1},
      {100, 20, -3, 1},
      {10, 20, 5, 1},  // no room left: still one row
  };
  for (const Case& c : cases) {
    EXPECT_EQ(subfile_visible_rows(c.h, c.th, c.rowh), c.rows) << c.h << " " << c.th;
  }
}

}  // namespace
}  // namespace qn::logic
