#include "logic/javaui/form_controls.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/javaui/control_props.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

TEST(FormControls, PropertyTypes) {
  struct Case {
    const char* property;
    const char* type;
  } cases[] = {
      {"Alignment", "[int,9,0,0]"},
      {"Alwaysontop", "[int,1,0,0]"},
      {"Activepage", "[int,4,0,0]"},
      {"Count", "[int,2,0,0]"},
      {"Pagecount", "[int,2,0,0]"},
      {"Autosize", "[int,1,0,0]"},
      {"Backcolor", "[int,9,0,0]"},
      {"Backstyle", "[int,1,0,0]"},
      {"Bitmap", "[bits,2048,0,0]"},
      {"Borderstyle", "[int,9,0,0]"},
      {"Default", "[int,1,0,0]"},
      {"Enabled", "[int,1,0,0]"},
      {"Fillcolor", "[int,9,0,0]"},
      {"Fillstyle", "[int,9,0,0]"},
      {"Forecolor", "[int,9,0,0]"},
      {"Fontbold", "[int,1,0,0]"},
      {"Fontitalic", "[int,1,0,0]"},
      {"Fontname", "[char,255,0,0]"},
      {"Fontstrikethru", "[int,1,0,0]"},
      {"Fontunderline", "[int,1,0,0]"},
      {"Fonttransparent", "[int,1,0,0]"},
      {"Fontsize", "[int,9,0,0]"},
      {"Height", "[int,9,0,0]"},
      {"Ispassword", "[int,1,0,0]"},
      {"Left", "[int,9,0,0]"},
      {"Lineselector", "[int,1,0,0]"},
      {"Maxbutton", "[int,1,0,0]"},
      {"Minbutton", "[int,1,0,0]"},
      {"Scrollbars", "[int,2,0,0]"},
      {"Redraw", "[int,1,0,0]"},
      {"Titleforecolor", "[int,9,0,0]"},
      {"Titlebackcolor", "[int,9,0,0]"},
      {"Titlebackstyle", "[int,1,0,0]"},
      {"Titlefontname", "[char,255,0,0]"},
      {"Titlefontsize", "[int,9,0,0]"},
      {"Titlefontbold", "[int,1,0,0]"},
      {"Titlefontitalic", "[int,1,0,0]"},
      {"Titlefontunderline", "[int,1,0,0]"},
      {"Titlefontstrikethru", "[int,1,0,0]"},
      {"Top", "[int,9,0,0]"},
      {"Visible", "[int,1,0,0]"},
      {"Width", "[int,9,0,0]"},
      {"Widthunit", "[char,5,0,0]"},
      {"Windowstate", "[int,9,0,0]"},
      {"Link", "[char,2048,0,0]"},
      {"Caption", "[char,1024,0,0]"},
      {"Sort", "[int,4,0,0]"},
      {"Value", "[char,1024,0,0]"},
      {"Format", "[int,4,0,0]"},
      {"Titleformat", "[int,4,0,0]"},
      {"Tooltiptext", "[char,254,0,0]"},
      {"Title", "[char,1024,0,0]"},
      {"Borderwidth", "[int,4,0,0]"},
      {"Tag", "[char,1024,0,0]"},  // any other name
  };
  EXPECT_EQ(ctrl_prop_rows().size(), 53u);
  for (const Case& c : cases)
    EXPECT_EQ(type_text(ctrl_prop_type(c.property)), c.type) << c.property;
  EXPECT_TRUE(ctrl_prop_listed("Caption"));
  EXPECT_FALSE(ctrl_prop_listed("Tag"));
}

TEST(FormControls, InitialValues) {
  const char* web = "spec_i([web, 1, 'Panel', 'A panel']). ";
  const char* scr = "spec_i([scr, 1, 'Panel', 'A panel']). ";
  const char* transparent = "rule_i(0, prop('SFL_TRANSPARENCY', 'Transparent lines')). ";
  struct Case {
    std::string facts;
    const char* property;
    const char* initial;
  } cases[] = {
      {scr, "Enabled", "1"},
      {scr, "Fontsize", "12"},
      {scr, "Windowstate", "2"},
      {scr, "Fillstyle", "1"},
      {scr, "Caption", "''"},
      {scr, "Bitmap", "''"},
      {scr, "Tag", "''"},
      {scr, "Backstyle", "0"},
      {std::string(scr) + transparent, "Titlebackstyle", "1"},
      {web, "Titlebackstyle", "1"},
      {std::string(web) + transparent, "Backstyle", "0"},
      {std::string(web) + transparent, "Titlebackstyle", "0"},
      {std::string(web) + transparent, "Visible", "1"},
  };
  for (const Case& c : cases) {
    ExprRun r(c.facts);
    EXPECT_EQ(ctrl_prop_initial(r.run, c.property), c.initial) << c.facts << c.property;
  }
}

TEST(FormControls, DesignTimeValues) {
  const char* props =
      "[back(rgb(255,0,16)), fore(12), tfore(blue), rect(5,2,14,3), font('Arial', 10, [bold]), "
      "font(font('Courier', 9, [])), titlefont(font('Times', 11, [italic])), height(20), "
      "border(3), title(['Name', x]), outstyle('3d'), ctrltype(combo, 1), bitmap('a.gif'), "
      "noclip, pos(4), ctlname('Cust'), prop('PGMTYPE', main), align(center)]";
  struct Case {
    const char* kind;
    const char* key;
    const char* list;
    const char* value;
  } cases[] = {
      {"web", "back", props, "'0xFF0010'"},
      {"scr", "back", props, "'255, 0, 16'"},
      {"web", "fore", props, "'0x000000'"},  // no colour text: the default
      {"web", "tfore", props, "blue"},       // kept as it stands
      {"web", "backrgb", props, "rgb(255,0,16)"},
      {"web", "forergb", props, "12"},
      {"web", "rect", props, "[5,2,10,2]"},
      {"web", "rectpixel", props, "[5,2,14,3]"},
      {"web", "font", props, "['Arial',10,[bold]]"},
      {"web", "sfont", props, "['Courier',9,[]]"},
      {"web", "stfont", props, "['Times',11,[italic]]"},
      {"web", "tfont", props, "[\"MS Sans Serif\",8,[bold]]"},
      {"web", "rowh", props, "20"},
      {"web", "bwidth", props, "3"},
      {"web", "width", props, "1"},
      {"web", "title", props, "'Name'"},
      {"web", "title", "[title([])]", "[]"},
      {"web", "frame", props, "'3d'"},
      {"web", "outstyle", props, "'ILabel.BORDER_3D'"},
      {"web", "ctype", props, "[combo,1]"},
      {"web", "ctrltype", "[]", "none"},
      {"web", "ctype", "[]", "[edit,0]"},
      {"web", "bitmap", props, "['a.gif']"},
      {"web", "wrap", props, "false"},
      {"web", "wrap", "[wrap]", "true"},
      {"web", "autoresize", props, "1"},
      {"web", "autoresize", "[]", "0"},
      {"web", "pos", props, "4"},
      {"web", "ctlname", props, "'Cust'"},
      {"web", "ctlname", "[]", "none"},
      {"web", "pgmtype", props, "main"},
      {"web", "wintitle", "[]", "'Panel'"},
      {"web", "icon", "[]", "''"},
      {"web", "align", props, "'ILabel.CENTER'"},
      {"web", "align", "[align(middle)]", "'ILabel.LEFT'"},
      {"web", "align", "[]", "'ILabel.LEFT'"},
      {"web", "fill", "[fill]", "true"},
      {"web", "fill", "[]", "false"},
      {"web", "rect", "[]", "[1,10,100,200]"},
      {"web", "back", "[]", "'0xFFFFFF'"},
      {"web", "back", "[back(rgb(300,0,0))]", "'0xFFFFFF'"},  // out of range: the default
      {"web", "nosuchkey", props, "none"},
  };
  for (const Case& c : cases) {
    ExprRun r(std::string("spec_i([") + c.kind + ", 1, 'Panel', 'A panel']). ");
    auto v = ctrl_prop_value(r.run, c.key, term(c.list));
    EXPECT_EQ(v ? engine::writeq(*v) : "none", c.value) << c.kind << " " << c.key << " " << c.list;
  }
}

TEST(FormControls, MethodSupport) {
  struct Case {
    const char* type;
    const char* method;
    bool web;  // supported in a web panel
  } cases[] = {
      {"label", "websend(", true},   {"label", "clear(", false},
      {"combo", "additem(", true},   {"listbx", "clear(", true},
      {"dyncombo", "sendoptions(", true}, {"dynlistbx", "websend(", true},
      {"combo", "removeitem(", false}, {"radio", "additem(", true},
      {"radio", "removeitem(", true}, {"radio", "clear(", true},
      {"radio", "setfocus(", false}, {"radio", "websend(", false},
      {"button", "setfocus(", true}, {"edit", "setfocus(", true},
      {"dynlistbx", "setfocus(", true}, {"edit", "clear(", false},
      {"checkbox", "setfocus(", false}, {"subfile", "websend(", false},
  };
  for (const Case& c : cases) {
    ExprRun web("spec_i([web, 1, 'P', 'P']). ");
    ExprRun scr("spec_i([scr, 1, 'P', 'P']). ");
    EXPECT_EQ(ctrl_method_supported(web.run, c.type, c.method), c.web) << c.type << c.method;
    EXPECT_TRUE(ctrl_method_supported(scr.run, c.type, c.method)) << c.type << c.method;
  }
  EXPECT_EQ(spaced(unsupported_method_comment("edit", "clear(")),
            "Method clear( not supported for edit controls.");
  // The statement: in a web panel the comment and no call.
  ExprRun r("spec_i([web, 1, 'P', 'P']). lit_i(1, 1, t('&Qty', 23), [ctrltype(edit, 0)]). "
            "attri_i('&Qty', ['&Qty', int, 5, 0, '']). ");
  EXPECT_TRUE(gen_ctl_method_stmt(r.run, term("[t('&Qty', 23), t('clear(', 1), t(')', 4)]"), {}));
  EXPECT_EQ(r.lines(), std::vector<std::string>{
                           "/* Method clear( not supported for edit controls. */"});
}

TEST(FormControls, ToCharExpr) {
  const Term x = toks({{"&X", 23}});
  struct Case {
    TypeDesc type;
    const char* tokens;
  } cases[] = {
      {type_desc("int", 5, 2), "[t('str(',1),t('&X',23),t(',',7),t('5',3),t(',',7),t('2',3),t(')',4)]"},
      {type_desc("date", 8), "[t('dtocl(',1),t('&X',23),t(')',4)]"},
      {type_desc("dtime", 14), "[t('ttoc(',1),t('&X',23),t(')',4)]"},
      {type_desc("char", 10), "[t('&X',23)]"},
  };
  for (const Case& c : cases) EXPECT_EQ(engine::writeq(to_char_expr(x, c.type)), c.tokens);
}

TEST(FormControls, ItemControlTypes) {
  const char* form =
      "lit_i(1, 1, t('&Pic', 23), [ctrltype(edit, 0)]). "
      "lit_i(2, 1, t('&Qty', 23), [ctrltype(edit, 0)]). "
      "lit_i(3, 1, t('CustName', 2), [ctrltype(combo, 0)]). "
      "lit_i(4, 1, t('Hello', 3), []). "
      "lit_i(5, 1, s(2), [ctlname('Lines')]). "
      "lit_i(6, 2, button('Ok'), [ctlname('OkBtn')]). "
      "lit_i(7, 1, s(t('&Amt', 23), 2), [ctrltype(edit, 0)]). "
      "lit_i(8, 1, rect(1), []). "
      "attri_i('&Pic', ['Pic', bits, 100, 0, '', 0]). model_num_i(1). ";
  struct Case {
    const char* name;
    const char* item;
    const char* context;
    const char* type;
  } cases[] = {
      {"1: a subfile column is its item's", "s(t('&Amt', 23), 2)", "1", "edit"},
      {"2: a bits variable is a bitmap", "t('&Pic', 23)", "1", "bitmap"},
      {"3: a variable's ctrltype", "t('Qty', 23)", "1", "edit"},
      {"4: an attribute's ctrltype", "t('CustName', 2)", "1", "combo"},
      {"5: a text that is a form item", "t('Hello', 3)", "1", "label"},
      {"6: the ctlname of the level's subfile", "t('Lines', 3)", "1", "subfile"},
      {"7: the ctlname of another item", "t('OkBtn', 3)", "1", "button"},
      {"8: an item of the level", "rect(1)", "1", "rect"},
      {"none", "t('&Nothing', 23)", "1", "none"},
      {"another level", "t('Qty', 23)", "2", "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(form);
    EXPECT_EQ(item_ctrl_type(r.run, term(c.item), term(c.context)).value_or("none"), c.type);
  }
}

}  // namespace
}  // namespace qn::logic
