#include "logic/javaui/control_props.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/javaui/control_classes.h"
#include "logic/program/expr_fixture.h"
#include "logic/program/expressions.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

TEST(ControlProps, Methods) {
  const std::pair<const char*, const char*> rows[] = {{"value(", "getItemValue("},
                                                      {"text(", "getItemText("},
                                                      {"selected(", "isSelected("},
                                                      {"websend(", "printHTML(htmlOut"},
                                                      {"setfocus(", "setFocus("},
                                                      {"additem(", "addItem("},
                                                      {"clear(", "removeAllItems("},
                                                      {"removeitem(", "removeItem("},
                                                      {"repaint(", "repaint("},
                                                      {"refresh(", "refresh("},
                                                      {"sort(", "sort("},
                                                      {"load(", "load("},
                                                      {"reload(", "reload("},
                                                      {"printform(", "printForm("}};
  for (const auto& [key, java] : rows) EXPECT_EQ(control_method_java(key), java) << key;
  EXPECT_EQ(control_method_java("hide("), std::nullopt);
}

// A work panel with a combo &Co, an edit &Qty, a label 'Title', a subfile
// s(2) named Lines with a column &Amt, and a bitmap of the bits attribute &Pic.
const char* kForm =
    "lit_i(1, 1, t('&Co', 23), [ctrltype(combo, 0)]). "
    "lit_i(2, 1, t('&Qty', 23), [ctrltype(edit, 0)]). "
    "lit_i(3, 1, t('Title', 3), [ctlname('TitleLbl')]). "
    "lit_i(4, 1, s(2), [ctlname('Lines')]). "
    "lit_i(5, 1, s(t('&Amt', 23), 2), [ctrltype(edit, 0)]). "
    "lit_i(6, 1, t('&Pic', 23), [ctrltype(bitmap, 0)]). "
    "attri_i('&Co', ['Co', char, 10, 0, '', 0]). attri_i('&Qty', ['Qty', int, 4, 0, '', 0]). "
    "attri_i('&Amt', ['Amt', int, 9, 2, '', 0]). attri_i('&Pic', ['Pic', bits, 1024, 0, '', 0]). "
    "rule_i(1, dim('&Qty', [4])). ";

std::string prop(ExprRun& r, const char* control, const char* property, const char* mode) {
  auto x = gen_ctl_property(r.run, term(control), term(property), mode);
  return x ? spaced(x->pieces) + " : " + type_text(x->type) : "FAIL";
}

// Sampled rows of the accessor table, as the property rules write them in a
// work panel: the special rows and where they stop, rows that share an
// accessor, and a property that cannot be set.
TEST(ControlProps, Accessors) {
  struct Case {
    const char* control;
    const char* property;
    const char* mode;
    const char* java;
  } cases[] = {
      {"t('&Co', 23)", "t('Style', 2)", "set",
       "((QNComboBox) cmbCo.getQNComponent()).setQNStyle( : [char,1024,0,0]"},
      {"t('TitleLbl', 3)", "t('Enabled', 2)", "get", "lblTitle.getQNEnabled() : [int,1,0,0]"},
      {"t('&Qty', 23)", "t('Enabled', 2)", "get", "edtQty.getEnabled() : [int,1,0,0]"},
      {"s(t('&Amt', 23), 2)", "t('Visible', 2)", "get",
       "subLines.getColumn(0).getQNVisible() : [int,1,0,0]"},
      {"t('&Qty', 23)", "t('Visible', 2)", "get", "edtQty.getVisible() : [int,1,0,0]"},
      {"t('&Qty', 23)", "t('Background', 2)", "get", "edtQty.getIBackground() : [char,1024,0,0]"},
      {"t('&Qty', 23)", "t('Fillcolor', 2)", "set", "edtQty.setIForeground( : [int,9,0,0]"},
      {"t('&Qty', 23)", "t('Text', 2)", "get", "edtQty.getDescription() : [char,1024,0,0]"},
      {"t('&Qty', 23)", "t('Titlefontname', 2)", "set",
       "edtQty.setTitleFontName( : [char,255,0,0]"},
      {"t('&Qty', 23)", "t('Pagecount', 2)", "get", "edtQty.getPageCount() : [int,2,0,0]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " " + c.property + " " + c.mode);
    ExprRun r(std::string(kForm) + "pgm_id([1, scr, 'X']). ");
    EXPECT_EQ(prop(r, c.control, c.property, c.mode), c.java);
  }
  // Pagecount has no setter; Style none outside the choice controls.
  EXPECT_EQ(control_property_method("Pagecount", "edit", false)->setter, "");
  EXPECT_EQ(control_property_method("Style", "edit", false), std::nullopt);
}

TEST(ControlProps, PropertyRules) {
  struct Case {
    const char* name;
    const char* kind;
    const char* control;
    const char* property;
    const char* mode;
    const char* java;
    const char* facts = "";
  } cases[] = {
      {"1: a choice control in a web panel", "web", "t('&Co', 23)", "t('Count', 2)", "get",
       "cmbCo.getItemCount() : [int,2,0,0]"},
      {"1: any other property in a web panel is a program variable", "web", "t('&Qty', 23)",
       "t('Visible', 2)", "get", "Qty_Visible : [int,1,0,0]"},
      {"2: the server side of a split transaction", "trn", "t('&Co', 23)", "t('Enabled', 2)", "set",
       "Co_Enabled : [int,1,0,0]", "trn_server_side_i."},
      {"3: a property of a whole subfile", "scr", "t('Lines', 40)", "t('Rows', 2)", "get",
       "Lines.Rows() : [int,1,0,0]"},
      {"4: Count reads the component", "scr", "t('&Co', 23)", "t('Count', 2)", "get",
       "((QNComboBox) cmbCo.getQNComponent()).getItemCount() : [int,2,0,0]"},
      {"5: Tabstop", "scr", "t('&Qty', 23)", "t('Tabstop', 2)", "set",
       "this.setTabstop(edtQty,  : [int,1,0,0]"},
      {"5: Tabstop read", "trn", "t('&Qty', 23)", "t('Tabstop', 2)", "get",
       "this.getTabstop(edtQty) : [int,1,0,0]"},
      {"6: a subfile column in a web panel", "web", "s(t('&Amt', 23), 2)", "t('Visible', 2)", "get",
       "edtAmt.getVisible() : [int,1,0,0]"},
      {"7: a subfile column in a work panel", "scr", "s(t('&Amt', 23), 2)", "t('Visible', 2)",
       "set", "subLines.getColumn(0).setQNVisible( : [int,1,0,0]"},
      {"8: Style reaches the component", "scr", "t('&Co', 23)", "t('Style', 2)", "get",
       "((QNComboBox) cmbCo.getQNComponent()).getQNStyle() : [char,1024,0,0]"},
      {"9: any other property", "scr", "t('&Qty', 23)", "t('Backcolor', 2)", "set",
       "edtQty.setIBackground( : [int,9,0,0]"},
      {"10: a control named by a text", "scr", "t('TitleLbl', 3)", "t('Caption', 2)", "get",
       "lblTitle.getCaption() : [char,1024,0,0]"},
      {"11: not supported", "scr", "t('&Qty', 23)", "t('Opacity', 2)", "get", "FAIL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kForm) + "pgm_id([1, " + c.kind + ", 'X']). " + c.facts);
    EXPECT_EQ(prop(r, c.control, c.property, c.mode), c.java);
  }
  ExprRun r(std::string(kForm) + "pgm_id([1, scr, 'X']). ");
  prop(r, "t('&Qty', 23)", "t('Opacity', 2)", "get");
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"/* * Property Opacity not supported in scr */"}));
}

TEST(ControlProps, ControlMethods) {
  struct Case {
    const char* name;
    const char* kind;
    const char* tokens;
    const char* expr;  // ctl_method_expr/7
    const char* stmt;  // gen_ctl_method_stmt/9
  } cases[] = {
      {"a combo item added", "scr",
       "[t('&Co', 23), t('additem(', 1), t('''a''', 3), t(',', 7), t('''A''', 3), t(')', 4)]",
       "((QNComboBox) cmbCo.getQNComponent()).addItem(\"a\", \"A\") : []",
       "((QNComboBox) cmbCo.getQNComponent()).addItem(\"a\", \"A\") ;"},
      {"a combo in a web panel", "web", "[t('&Co', 23), t('clear(', 1), t(')', 4)]",
       "((IChoice) cmbCo.getQNComponent()).removeAllItems() : []", "cmbCo.removeAllItems() ;"},
      {"the focus", "scr", "[t('&Qty', 23), t('setfocus(', 1), t(')', 4)]",
       "edtQty.setFocus() : []", "setFocus(edtQty) ;"},
      {"the focus in a web panel", "web", "[t('&Qty', 23), t('setfocus(', 1), t(')', 4)]",
       "edtQty.setFocus() : []", "QN_FocusControl = \"edtQty\" ;"},
      {"the value of a combo", "scr", "[t('&Co', 23), t('value(', 1), t('1', 3), t(')', 4)]",
       "cmbCo.getItemValue(1) : [char,10,0,1]", "cmbCo.getItemValue(1) ;"},
      {"selected", "scr", "[t('&Co', 23), t('selected(', 1), t('1', 3), t(')', 4)]",
       "cmbCo.isSelected(1) : [boolean,1,0,0]", "cmbCo.isSelected(1) ;"},
      {"sorting a column", "scr", "[s(t('&Amt', 23), 2), t('sort(', 1), t(')', 4)]",
       "subLines.getColumn(0).sort() : []", "subLines.getColumn(0).sort() ;"},
      {"the form itself", "scr", "[t('Form', 3), t('printform(', 1), t(')', 4)]",
       "printForm() : []", "Form.printForm() ;"},
      {"an unknown method", "scr", "[t('&Co', 23), t('hide(', 1), t(')', 4)]", "FAIL", "FAIL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kForm) + "pgm_id([1, " + c.kind + ", 'X']). ");
    auto x = ctl_method_expr(r.run, term(c.tokens), {});
    EXPECT_EQ(x ? spaced(x->pieces) + " : " + type_text(x->type) : "FAIL", c.expr);
    const bool ok = gen_ctl_method_stmt(r.run, term(c.tokens), {});
    EXPECT_EQ(ok ? (r.lines().empty() ? "" : r.lines().back()) : "FAIL", c.stmt);
  }
}

TEST(ControlProps, Assignments) {
  struct Case {
    const char* name;
    const char* kind;
    const char* target;
    std::string ref;
    int64_t target_kind;
    const char* tokens;
    std::vector<std::string> lines;
    const char* facts = "";
  } cases[] = {
      {"1: a runtime property in a web panel",
       "web",
       "'&Co'",
       "cmbCo.setCaption(",
       29,
       "[t('&N', 23)]",
       {"cmbCo.setCaption( N );"}},
      {"1: 0 and null stay as they are",
       "web",
       "'&Co'",
       "cmbCo.setCaption(",
       29,
       "[t('0', 3)]",
       {"cmbCo.setCaption( 0 );"}},
      {"2: an array is refreshed and the control shows the value",
       "scr",
       "'&Qty'",
       "Qty",
       23,
       "[t('5', 3)]",
       {"Qty = (short)(5) ;", "refreshArray( \"Qty\" );", "edtQty.setValue(Qty);"}},
      {"2: not while the Load event is written",
       "scr",
       "'&Qty'",
       "Qty",
       23,
       "[t('5', 3)]",
       {"Qty = (short)(5) ;"},
       "in_event_load. "},
      {"3: a bits attribute shown by a bitmap",
       "scr",
       "'&Pic'",
       "Pic",
       23,
       "[t('''a.gif''', 3)]",
       {"imgPic.setBitmap( \"a.gif\" );"}},
      {"4: a date takes a date-time with decimals",
       "proc",
       "'&D'",
       "D",
       23,
       "[t('&T', 23)]",
       {"D = QNutil.resetDate(T) ;"}},
      {"5: a date takes a date-time",
       "proc",
       "'&D'",
       "D",
       23,
       "[t('&T0', 23)]",
       {"D = QNutil.resetTime(T0) ;"}},
      {"6: a property set outside web objects",
       "scr",
       "'&Co'",
       "cmbCo.setCaption(",
       29,
       "[t('''x''', 3)]",
       {"cmbCo.setCaption( \"x\" );"}},
      {"6: a plain assignment converts",
       "proc",
       "'&N'",
       "N",
       23,
       "[t('&Amt', 23)]",
       {"N = (short)(Amt) ;"}},
      {"6: a value-holder object takes the value through its setter, converted",
       "proc",
       "aP0",
       "aP0",
       23,
       "[t('&Amt', 23)]",
       {"aP0.setValue((int)(Amt));"}},
      {"6: a value-holder object's own empty value is assigned",
       "proc",
       "aP0",
       "aP0",
       23,
       "[]",
       {"aP0 = null ;"}},
      {"6: a holder of texts",
       "proc",
       "aP1",
       "aP1",
       23,
       "[t('''x''', 3)]",
       {"aP1.setValue(\"x\");"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(
        std::string(kForm) + "pgm_id([1, " + c.kind + ", 'X']). " + c.facts +
        "attri_i('&D', ['D', date, 8, 0, '', 0]). attri_i('&T', ['T', dtime, 10, 8, '', 0]). "
        "attri_i('&T0', ['T0', dtime, 10, 0, '', 0]). attri_i('&N', ['N', int, 4, 0, '', 0]). "
        "attri_i(aP0, [aP0, obj('QNInt'), 0, 0, '', 0]). "
        "attri_i(aP1, [aP1, obj('QNString'), 0, 0, '', 0]). ");
    const Term target = term(c.target);
    OptType type = c.target_kind == 29 ? OptType(type_desc("char", 1024)) : var_type(r.run, target);
    ASSERT_TRUE(gen_assign_value(r.run, type, term(c.tokens), target, c.ref, {}, c.target_kind));
    EXPECT_EQ(r.lines(), c.lines);
  }
}

// The variable behind a form control is declared before it is assigned.
TEST(ControlProps, AControlVariableIsDeclaredBeforeItsAssignment) {
  ExprRun r("pgm_id([1, proc, 'X']). attri_i('Wtotal', ['Wtotal', int, 9, 0, '', 0]).");
  ASSERT_TRUE(gen_control_set(r.run, type_desc("int", 9), atom("Wtotal"), "Wtotal",
                              JavaText{{"5"}, type_desc("int", 9)}, 23));
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"Wtotal = 5 ;"}));
  EXPECT_EQ(r.facts_of("fld_to_dcl_i", 3), "fld_to_dcl_i('Wtotal',s,['Wtotal',int,9,0,0]) ");
}

TEST(ControlProps, ControlClasses) {
  struct Case {
    const char* kind;
    const char* prefix;
    const char* cls;
    const char* web_prefix;
    const char* web_cls;
  } cases[] = {
      {"rect", "rct", "IQNRectangle", "rct", "IQNRectangle"},
      {"tabcontrol", "", "QNTabControl", "", "QNTabControl"},
      {"tabpage", "", "QNTabPage", "", "QNTabPage"},
      {"label", "lbl", "ILabel", "lbl", "ILabel"},
      {"button", "btt", "IQNButton", "btt", "IQNButton"},
      {"radio", "rad", "IQNRadioButton", "rad", "IChoice"},
      {"edit", "edt", "QNEdit", "edt", "QNEdit"},
      {"combo", "cmb", "QNComboBox", "cmb", "IChoice"},
      {"listbx", "lst", "QNListBox", "lst", "IListbox"},
      {"dynlistbx", "dlt", "QNListBox", "dlt", "IListbox"},
      {"dyncombo", "dyn", "QNComboBox", "cmb", "IChoice"},
      {"checkbox", "chk", "QNCheckBox", "chk", "ICheckbox"},
      {"bitmap", "img", "IQNImage", "img", "IQNImage"},
  };
  EXPECT_EQ(ctl_class_rows().size(), 13u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    auto w = ctl_java_class(c.kind, Term::nil(), false);
    auto h = ctl_java_class(c.kind, Term::nil(), true);
    ASSERT_TRUE(w && h);
    EXPECT_EQ(w->prefix, c.prefix);
    EXPECT_EQ(w->cls, c.cls);
    EXPECT_EQ(h->prefix, c.web_prefix);
    EXPECT_EQ(h->cls, c.web_cls);
  }
  EXPECT_EQ(ctl_java_class("window", Term::nil(), false), std::nullopt);
}

TEST(ControlProps, ControlNamesAndRaiseEvent) {
  ExprRun r("lit_i(7, 1, t(7, 3), [ctlname('Ok')]). lit_i(8, 1, t(8, 3), [ctlname('')]).");
  EXPECT_EQ(control_java_name(r.run, Term(), "button", term("t(7, 3)")), "bttOk");
  EXPECT_EQ(control_java_name(r.run, Term(), "label", term("t(8, 3)")), "lbl8");
  EXPECT_EQ(control_java_name(r.run, Term(), "edit", term("t('&Name', 23)")), "edtName");
  EXPECT_EQ(control_java_name(r.run, Term(), "edit", Term::nil()), "this");
  EXPECT_EQ(raise_event_ref(r.run, "RaiseEvent  Refresh"), "");
  EXPECT_EQ(raise_event_ref(r.run, "Other"), "Other");
}

}  // namespace
}  // namespace qn::logic
