#include "logic/javaui/form_create.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/javaui/events.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

const char* kForm = R"(
spec_i([scr, 8, 'Products', 'Prods', 0, 0]).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(prodnam, ['ProdNam', char, 20, 0, '']).
attri_i('&When', ['When', date, 8, 0, '']).
attri_i('&Ok', ['Ok', char, 1, 0, '']).
attri_i('&Size', ['Size', int, 1, 0, '']).
lit_i(1, 1, t('Say "hi"\n \\ there', 3), [rect(10,20,109,39)]).
lit_i(2, 1, t(prodid, 2), [rect(1,1,60,20), fill, back(rgb(1,2,3)), align(right)]).
lit_i(3, 1, rect(1), [rect(0,0,9,9), border(2), outstyle(single)]).
lit_i(4, 1, bitmap('Logo.BMP'), [rect(5,5,14,14)]).
lit_i(5, 1, button('&Ok'), [rect(1,50,80,70), ctlname(ok)]).
lit_i(6, 1, t('&Ok', 23), [rect(1,1,10,10), ctrltype(checkbox, 0)]).
lit_i(7, 1, t('&Size', 23), [rect(1,1,50,50), ctrltype(combo, 0)]).
lit_i(8, 1, widget(3), []).
lit_i(9, 1, tabcontrol, [rect(0,0,99,99), hidetabs]).
ctrl_info_i(6, checkbox, ['Y', 'N', 'Ready']).
ctrl_info_i(7, combo, [[1, 'Small'], [2, 'Large']]).
)";

std::vector<std::string> created(ExprRun& r, int number) {
  for (const FormItem& f : form_items(r.run)) {
    if (f.number == engine::Term::integer(number)) {
      EXPECT_TRUE(gen_ctl_create(r.run, f));
    }
  }
  auto lines = r.lines();
  r.run.capture()->files.clear();
  return lines;
}

TEST(FormCreate, OneLinePerItem) {
  ExprRun r(kForm);
  struct Case {
    int number;
    std::vector<std::string> lines;
  } cases[] = {
      {1,
       {"lbl1 = UIFactory.getLabel(QNPanel1, \"Say \\\"hi\\\"\\n \\\\ there\", ILabel.LEFT, "
        "Integer.MAX_VALUE, UIFactory.getColor(0, 0, 0), UIFactory.getFont( \"MS Sans Serif\", "
        "0, 8), false, ILabel.BORDER_NONE , 10 , 20 , 100 , 20 );"}},
      {2,
       {"edtprodid = new GUIObjectInt ( new QNEdit(6, \"ZZZZZ9\", UIFactory.getFont( \"MS Sans "
        "Serif\", 0, 8),1, 1, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, "
        "QNTypeConstants.NUMERIC, false) , QNPanel1 , 1 , 1 , 60 , 20 , "
        "UIFactory.getColor(1, 2, 3) , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( \"MS "
        "Sans Serif\", 0, 8) , true , \"ProdId\" );",
        "((QNEdit) edtprodid.getQNComponent()).setAlignment(ILabel.RIGHT);",
        "edtprodid.addFocusListener(this);"}},
      {3,
       {"rct3 = UIFactory.getQNRectangle(QNPanel1 , 2 , 0 , 0 , 10 , 10 , Integer.MAX_VALUE , "
        "UIFactory.getColor(0, 0, 0) , ILabel.BORDER_SINGLE );"}},
      {4, {"img4 = UIFactory.getQNImage(QNPanel1,\"logo.gif\",5,5,10,10);"}},
      {5,
       {"bttok = UIFactory.getQNButton(QNPanel1 , \"&Ok\" , 1 , 50 , 80 , 21 , "
        "UIFactory.getFont( \"MS Sans Serif\", 0, 8) );",
        "bttok.setTooltip(\"Ok\");", "bttok.addActionListener(this);"}},
      {6,
       {"chkOk = new GUIObjectString ( new QNCheckBox(\"Ready\" , \"Y\", \"N\") , QNPanel1 , 1 , "
        "1 , 10 , 10 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "
        "\"MS Sans Serif\", 0, 8) , true , \"Ok\" );",
        "chkOk.addFocusListener(this);"}},
      {7,
       {"cmbSize = new GUIObjectByte ( new QNComboBox() , QNPanel1 , 1 , 1 , 50 , 50 , "
        "Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( \"MS Sans "
        "Serif\", 0, 8) , true , \"Size\" );",
        "((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(1)),\"Small\");",
        "((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(2)),\"Large\");",
        "cmbSize.addFocusListener(this);"}},
      {8, {"// -> Generation error : control widget(3) / 1  not supported"}},
      {9,
       {"tctrl9 = new QNTabControl (this, QNPanel1 , 0 , 0 , 100 , 100 , "
        "UIFactory.getColor(255, 255, 255) , UIFactory.getColor(0, 0, 0) , 0, 0, 0, true );"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(created(r, c.number), c.lines);
  }
}

TEST(FormCreate, ColourRuleWithoutColoursSetsTheEditsFlag) {
  ExprRun r(std::string(kForm) + "rule_i(1, rule([a(26, [[], t(prodid, 2)])], [], [], [])).");
  const auto lines = created(r, 2);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("QNPanel1, true, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC"),
            std::string::npos)
      << lines[0];
}

TEST(FormCreate, SubfileWithItsColumns) {
  ExprRun r(R"(
spec_i([scr, 8, 'Browse products', 'Browse', 0, 0]).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(proddsc, ['ProdDsc', char, 40, 0, '']).
lit_i(1, 1, s(1), [rect(10,10,209,109), th(20), height(18)]).
lit_i(2, 1, s(t(prodid, 2), 1), [width(60), title(['Id'])]).
lit_i(3, 1, s(t(proddsc, 2), 1), [width(140), ctrltype(combo, 0)]).
lit_i(4, 1, s(2), [rect(10,10,209,109), ctlname(other)]).
)");
  EXPECT_EQ(created(r, 1),
            (std::vector<std::string>{
                "addSubfile ( sub1 = new QNSubfile ( new wbrowse_load01(), new wbrowse_flow01(), "
                "false , new QNColumnDefinition[] {",
                "   new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, \"ZZZZZ9\", "
                "UIFactory.getFont( \"MS Sans Serif\", IFont.BOLD, 8),0, 0, 60, 18, null, false, "
                "ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 18 , "
                "Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( \"MS Sans "
                "Serif\", IFont.BOLD, 8) , true , \"ProdId\" ), \"Id\" , UIFactory.getColor(0, 0, "
                "0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( \"MS Sans Serif\", "
                "IFont.BOLD, 8) , true ),",
                "   new QNColumnDefinition( new GUIObjectString ( new QNComboBox() , null, 0 , 0 , "
                "140 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "
                "\"MS Sans Serif\", IFont.BOLD, 8) , true , \"ProdDsc\" ), \"ProdDsc\" , "
                "UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 140 , "
                "UIFactory.getFont( \"MS Sans Serif\", IFont.BOLD, 8) , true )",
                // (100 - 20 + 1) / 18 rows.
                "}, 4 , 20 , QNPanel1 , 10 , 10 , 200 , 100 , 18 ));",
                "((QNComboBox) sub1.getColumn(1).getQNComponent()).setTransactionMode();",
                "sub1.addActionListener(this);",
                "sub1.addFocusListener(this);",
            }));
  // Named by its ctlname; without a row height one row fills it.
  const auto other = created(r, 4);
  ASSERT_GE(other.size(), 2u);
  EXPECT_EQ(other[0].substr(0, 35), "addSubfile ( subother = new QNSubfi");
  EXPECT_EQ(other[1], "}, 1 , 0 , QNPanel1 , 10 , 10 , 200 , 100 , 101 ));");
}

}  // namespace
}  // namespace qn::logic
