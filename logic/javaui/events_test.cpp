#include "logic/javaui/events.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/javaui/form_create.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

TEST(Events, KindsOfEachControl) {
  struct Case {
    const char* control;
    const char* event;
    std::vector<std::string> kinds;
  } cases[] = {
      {"combo", "Click", {"item"}},
      {"checkbox", "Click", {"item"}},
      {"edit", "Click", {"mouse"}},
      {"subfile", "Click", {"item"}},
      {"subfile", "Onlineactivate", {"item"}},
      {"edit", "Selchange", {"item"}},
      {"edit", "Dblclick", {"mouse"}},
      {"combo", "Rightbutton", {"mouse"}},
      {"edit", "Gotfocus", {"focus"}},
      {"edit", "Isvalid", {"focus"}},
      {"edit", "Load", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ctl_event_kind(c.control, c.event), c.kinds) << c.control << " " << c.event;
  }
}

const char* kForm = R"(
attri_i(prodid, ['ProdId', int, 6, 0, '']).
attri_i('&Size', ['Size', int, 1, 0, '']).
level_i(1, [0]).
lit_i(1, 1, t(prodid, 2), [rect(1,1,60,20)]).
lit_i(2, 1, t('&Size', 23), [rect(1,1,50,50), ctrltype(combo, 0)]).
lit_i(3, 1, button('Cancel'), [rect(1,1,50,50)]).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t([t('&Size', 23), t('Click', 0)], 0)]).
b_line_i(2, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(3, 0, 0, cmd, 0, [t('', 146), t([t(prodid, 2), t('Click', 0)], 0)]).
b_line_i(4, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(5, 0, 0, cmd, 0, [t('', 146), t([t(nosuch, 2), t('Click', 0)], 0)]).
b_line_i(6, 0, 0, cmd, 0, [t('', 147)]).
rule_i(1, rule([a(22, ['Help', x, '5'])], [], [], [])).
rule_i(2, rule([a(22, ['Rfr', x, '6'])], [], [], [])).
)";

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

TEST(Events, DispatchBranchesByKind) {
  ExprRun r(kForm);
  note_event_controls(r.run);
  EXPECT_EQ(r.facts_of("event_info_i", 2),
            "event_info_i(t([t('&Size',23),t('Click',0)],0),2) "
            "event_info_i(t([t(prodid,2),t('Click',0)],0),1) "
            "event_info_i(t([t(nosuch,2),t('Click',0)],0),0) ");
  for (const FormItem& f : form_items(r.run)) {
    if (f.number == engine::Term::integer(2)) ASSERT_TRUE(gen_ctl_create(r.run, f));
  }
  const std::string created = joined(r.lines());
  EXPECT_NE(created.find("cmbSize.addItemListener(this);"), std::string::npos) << created;
  EXPECT_EQ(created.find("addMouseListener"), std::string::npos) << created;
  r.run.capture()->files.clear();
  ASSERT_TRUE(gen_event_dispatchers(r.run));
  const std::string all = joined(r.lines());
  for (const char* want : {
           "protected void actionEventDispatch(Object eventSource) {\n"
           "   if (btt3.isEventSource(eventSource)) {\n"
           "      cleanup();\n"
           "      return;\n"
           "   }\n"
           "}\n",
           "protected void itemEventDispatch(Object eventSource) {\n"
           "   if (cmbSize.isEventSource(eventSource)) {\n"
           "      /* Execute user event: E11 */\n"
           "      E11();\n"
           "      return;\n"
           "   }\n"
           "}\n",
           "public void mouseEventDispatch(Object eventSource, int modifier) {\n"
           "   if (edtprodid.isEventSource(eventSource) && modifier == MOUSE_LEFTCLICK) {\n",
           "public void keyEventDispatch(Object eventSource, int keyCode) {\n"
           "   if (keyCode == UIFactory.getKeyCodes().getF5()) {\n",
           "   if (triggerEventEnter(eventSource, keyCode)) {\n",
           "protected void updateAttributes(Object eventSource) {\n"
           "   if (edtprodid.isEventSource(eventSource)) {\n"
           "      ProdId = edtprodid.getValue() ;\n",
       }) {
    EXPECT_NE(all.find(want), std::string::npos) << want << "\n---\n" << all;
  }
  EXPECT_EQ(all.find("getF6"), std::string::npos);
  EXPECT_EQ(all.find("nosuch"), std::string::npos);
}

// A transaction's key and body control tests: the key attribute's control
// (class by the first level's key list) and the other attribute's, each
// compared by its type; the variable and the other level's attribute have
// no test.
TEST(Events, KeyAndBodyControlsOfATransaction) {
  ExprRun r(R"(
spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).
level_i(1, [customer, x, [custid]]).
level_i(2, [invoice, x, [invid]]).
attri_i(custid, ['CustId', int, 6, 0, '']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(invid, ['InvId', int, 6, 0, '']).
attri_i('&Find', ['&Find', char, 10, 0, '']).
lit_i(1, 1, t(custid, 2), [rect(1,1,60,20)]).
lit_i(2, 1, t(custname, 2), [rect(1,30,60,50)]).
lit_i(3, 1, t('&Find', 23), [rect(1,60,60,80)]).
lit_i(4, 2, t(invid, 2), [rect(1,1,60,20)]).
)");
  ASSERT_TRUE(gen_key_body_tests(r.run));
  EXPECT_EQ(joined(r.lines()),
            "public boolean isKeyControl(Object eventSource) {\n"
            "   if ((edtcustid.isEventSource(eventSource)) && !((CustId==edtcustid.getValue()))) {\n"
            "      return true;\n"
            "   }\n"
            "   return false;\n"
            "}\n"
            "public boolean isBodyControl(Object eventSource) {\n"
            "   if ((edtcustname.isEventSource(eventSource)) && "
            "!((QNutil.strcmp(CustName, edtcustname.getValue())==0))) {\n"
            "      return true;\n"
            "   }\n"
            "   return false;\n"
            "}\n");
  ExprRun panel("spec_i([scr, 6, 'P', 'P', 0, 0]). level_i(1, [0]).");
  ASSERT_TRUE(gen_key_body_tests(panel.run));
  EXPECT_EQ(panel.lines(), std::vector<std::string>{});
}

}  // namespace
}  // namespace qn::logic
