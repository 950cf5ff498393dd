#include "logic/javaui/form_controls.h"

#include <gtest/gtest.h>

#include <string>

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
