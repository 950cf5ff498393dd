#include "logic/javaui/std_buttons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using testing::ExprRun;
using testing::term;

// The error log's messages while the fixture lives.
struct Logged {
  Logged() {
    dialog_senders().show_error = [this](std::string_view t) { errors.emplace_back(t); };
  }
  ~Logged() { reset_dialog_senders(); }
  std::vector<std::string> errors;
};

// A one-level transaction: the key custid and custname shown, an Enter
// and a First button.
// trn(level, structure, Enter button) changes one of them.
std::string trn(std::string level = "[customer, [customer], [custid]]",
                std::string atts = "[custid, custname]",
                std::string enter = "[rect(10, 80, 79, 99)]") {
  return "pgm_id([6, trn, 'Customer']). level_i(1, " + level + "). struct_i(1, 0, " + atts +
         ", []). "
         "attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']). "
         "attri_i(custname, ['CustName', char, 30, 0, '']). "
         "lit_i(1, 1, t(custid, 2), [rect(10, 10, 69, 29)]). "
         "lit_i(2, 1, t(custname, 2), [rect(10, 40, 209, 59)]). "
         "lit_i(3, 1, button('Enter'), " +
         enter +
         "). "
         "lit_i(4, 1, button('First'), [rect(90, 80, 159, 99)]). ";
}
const char* kLevel = "[customer, [customer], [custid]]";
const char* kAtts = "[custid, custname]";
const std::string kTrn = trn();
const std::string kNoKeys = trn("[customer, [customer], []]");
const std::string kMode = trn("[customer, [customer], [custid]]", "[custid, custname, 'Mode']");

std::string prompt(const char* n, const char* target, const char* object) {
  return std::string("rule_i(1, prompt([") + n + ", 0, t(" + target + ", 2), 0, [" + object +
         ", t(" + target + ", 2)]])). ";
}

// Each part of the preparation on a small fact set: the facts of one
// predicate after it (written as the fact base holds them).
TEST(StdButtons, PrepareSteps) {
  struct Case {
    const char* name;
    std::string facts;
    const char* predicate;
    uint32_t arity;
    std::string after;
  } cases[] = {
      {"the first target's first string prompt goes; the next target is not examined",
       kTrn + prompt("1", "custid", "t('\\'A\\'', 3)") + prompt("2", "custid", "t('\\'B\\'', 3)") +
           prompt("3", "custname", "t('\\'C\\'', 3)") + prompt("4", "custname", "t('\\'D\\'', 3)"),
       "rule_i", 2,
       "rule_i(1,prompt([2,0,t(custid,2),0,[t('\\'B\\'',3),t(custid,2)]])) "
       "rule_i(1,prompt([3,0,t(custname,2),0,[t('\\'C\\'',3),t(custname,2)]])) "
       "rule_i(1,prompt([4,0,t(custname,2),0,[t('\\'D\\'',3),t(custname,2)]])) "
       "rule_i(1,rule([a(3,[t(custid,2)])],[t(delete,1),t('.OR.',9),t(update,1)],"
       "[update,delete,insert],[])) "},
      {"an object call's target keeps no string prompt",
       kTrn + prompt("1", "custname", "t('\\'A\\'', 3)") + prompt("2", "custname", "t('P', 28)") +
           "rule_i(1, rule([a(3, [t(custid, 2)])], [], [], [])). ",
       "rule_i", 2,
       "rule_i(1,prompt([2,0,t(custname,2),0,[t('P',28),t(custname,2)]])) "
       "rule_i(1,rule([a(3,[t(custid,2)])],[],[],[])) "},
      {"the get button beside the last key shown", trn("[customer, [customer], [custid, custzip]]"),
       "lit_i", 4,
       "lit_i(1,1,t(custid,2),[rect(10,10,69,29)]) lit_i(2,1,t(custname,2),[rect(10,40,209,59)]) "
       "lit_i(3,1,button('Enter'),[ctlname(btt3),rect(10,80,79,99)]) "
       "lit_i(4,1,button('First'),[ctlname(btt4),rect(90,80,159,99)]) "
       "lit_i(5,1,button('_QNGet_'),[id(5),title(['_QNGet_']),ctlname('_QNGet_'),"
       "rect(73,10,88,29),bitmap('get.bmp')]) "},
      {"user mode keys: no get button", kMode, "b_line_i", 6, ""},
      {"the get button's event",
       kTrn + "b_line_i(1, 0, 0, cmd, 0, []). b_line_i(3, 0, 0, line, 0, []). ", "b_line_i", 6,
       "b_line_i(1,0,0,cmd,0,[]) b_line_i(3,0,0,line,0,[]) "
       "b_line_i(4,0,0,cmd,0,[t('',146),t('_QNGet_',3,6,4)]) "
       "b_line_i(5,0,0,cmd,0,[t('',166),t('btn_get();',3,9,5)]) "
       "b_line_i(6,0,0,cmd,0,[t('',147)]) "},
      {"a prompt button for an attribute with a prompt on the first level only",
       kNoKeys + prompt("1", "custname", "t('P', 28)") +
           "rule_i(2, prompt([1, 0, t(custid, 2), 0, [t('Q', 28), t(custid, 2)]])). "
           "rule_i(1, rule([a(31, [12, 3, 'p.gif'])], [], [], [custid, custname])). ",
       "b_line_i", 6,
       "b_line_i(1,0,0,cmd,0,[t('',146),t(bmp_promptcustname,3,6,1)]) "
       "b_line_i(2,0,0,cmd,0,[t('',166),t('prompt_1_1();',3,9,2)]) "
       "b_line_i(3,0,0,cmd,0,[t('',147)]) "},
      {"with Mode nothing shown is accepted in delete mode",
       kMode + "lit_i(5, 1, t('&Note', 23), [rect(1, 1, 2, 2)]). ", "rule_i", 2,
       "rule_i(1,rule([a(3,[t(custid,2)])],[t(delete,1),t('.OR.',9),t(delete,1),t('.OR.',9),"
       "t(update,1)],[update,delete,insert],[])) "
       "rule_i(1,rule([a(3,[t(custname,2)])],[t(delete,1)],[update,delete,insert],[])) "
       "rule_i(1,rule([a(3,[t('&Note',23)])],[t(delete,1)],[update,delete,insert],[])) "},
      {"checkbox defaults: unchecked, quoted unless numeric; a default kept",
       kTrn + "attri_i(flag, ['Flag', char, 1, 0, '']). attri_i(vip, ['Vip', int, 1, 0, '']). "
              "attri_i(mail, ['Mail', char, 1, 0, '']). attri_i(news, ['News', char, 1, 0, '']). "
              "lit_i(5, 1, t(flag, 2), [ctrltype(checkbox, 0)]). "
              "lit_i(6, 1, t(vip, 2), [ctrltype(checkbox, 0)]). "
              "lit_i(7, 1, t(mail, 2), [ctrltype(checkbox, 0)]). "
              "lit_i(8, 1, t(news, 2), [ctrltype(checkbox, 0)]). "
              "ctrl_info_i(5, checkbox, ['Y', 'N', 'Flag']). ctrl_info_i(6, checkbox, [[1, 0]]). "
              "ctrl_info_i(7, checkbox, ['Y', 'N', 'Mail']). default_i(e(mail, 1, 2, 'x')). ",
       "default_i", 1,
       "default_i(e(mail,1,2,x)) default_i(e(flag,4,3,[t('\\'N\\'',3)])) "
       "default_i(e(vip,4,3,[t('0',3)])) "},
      {"an unconditional rule drops the conditional ones; conditions joined; several "
       "actions left alone",
       kNoKeys +
           "rule_i(1, rule([a(3, [t(custid, 2)])], [t(x, 1)], m, z)). "
           "rule_i(2, rule([a(3, [t(custid, 2)])], [], m, z)). "
           "rule_i(1, rule([a(3, [t(custname, 2)])], [t(x, 1)], m1, z1)). "
           "rule_i(2, rule([a(3, [t(custname, 2)]), a(3, [t(custid, 2)])], [t(y, 1)], m2, z2)). "
           "rule_i(3, rule([a(3, [t(custname, 2)])], [t(z, 1)], m3, z3)). ",
       "rule_i", 2,
       "rule_i(2,rule([a(3,[t(custid,2)])],[],m,z)) "
       "rule_i(1,rule([a(3,[t(custname,2)])],[t(x,1),t('.OR.',9),t(z,1)],m1,z1)) "
       "rule_i(2,rule([a(3,[t(custname,2)]),a(3,[t(custid,2)])],[t(y,1)],m2,z2)) "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(c.facts);
    EXPECT_TRUE(prepare_trn_buttons(r.run));
    EXPECT_EQ(r.facts_of(c.predicate, c.arity), c.after);
  }
}

// The free line number is the first of three free ones (a single free
// number between lines is passed over); the literal takes the first free
// number; the button stands on its control's level (the attribute's, not
// the variable's of the same name).
TEST(StdButtons, AddFormButton) {
  ExprRun r("lit_i(9, 3, t('&custzip', 23), [rect(50, 50, 59, 59)]). " + kTrn +
            "lit_i(6, 2, t(custzip, 2), [rect(0, 0, 9, 9)]). "
            "b_line_i(2, 0, 0, cmd, 0, []). b_line_i(6, 0, 0, cmd, 0, []). ");
  ASSERT_TRUE(add_form_button(r.run, atom("custzip"), "z.gif", 5, 1, "Zip", "zip();"));
  ASSERT_TRUE(add_form_button(r.run, term("t(custname, 2)"), "n.gif", 5, 1, "Nm", "nm();"));
  EXPECT_EQ(
      r.facts_of("b_line_i", 6),
      "b_line_i(2,0,0,cmd,0,[]) b_line_i(6,0,0,cmd,0,[]) "
      "b_line_i(3,0,0,cmd,0,[t('',146),t('Zip',3,6,3)]) "
      "b_line_i(4,0,0,cmd,0,[t('',166),t('zip();',3,9,4)]) b_line_i(5,0,0,cmd,0,[t('',147)]) "
      "b_line_i(7,0,0,cmd,0,[t('',146),t('Nm',3,6,7)]) "
      "b_line_i(8,0,0,cmd,0,[t('',166),t('nm();',3,9,8)]) b_line_i(9,0,0,cmd,0,[t('',147)]) ");
  const std::string lits = r.facts_of("lit_i", 4);
  EXPECT_NE(lits.find("lit_i(5,2,button('Zip'),[id(5),title(['Zip']),ctlname('Zip'),"
                      "rect(10,0,14,9),bitmap('z.gif')])"),
            std::string::npos)
      << lits;
  EXPECT_NE(lits.find("lit_i(7,1,button('Nm')"), std::string::npos) << lits;

  // Bad input: no control, no rect. Reported; nothing asserted.
  Logged log;
  ExprRun bad(kTrn + "lit_i(5, 1, t(custzip, 2), []). ");
  EXPECT_FALSE(add_form_button(bad.run, atom("custzip"), "z.gif", 5, 1, "Zip", "zip();"));
  EXPECT_FALSE(add_form_button(bad.run, atom("nowhere"), "z.gif", 5, 1, "X", "x();"));
  EXPECT_EQ(bad.facts_of("b_line_i", 6), "");
  ASSERT_EQ(log.errors.size(), 2u);
  EXPECT_NE(log.errors[0].find("has no rect"), std::string::npos) << log.errors[0];
  EXPECT_NE(log.errors[1].find("has no control"), std::string::npos) << log.errors[1];
}

TEST(StdButtons, BadPromptButtonRule) {
  Logged log;
  ExprRun r(kTrn + prompt("1", "custname", "t('P', 28)") +
            "rule_i(1, rule([a(31, [wide, 3, 'p.gif'])], [], [], [custname])). ");
  EXPECT_TRUE(prepare_trn_buttons(r.run));
  EXPECT_EQ(r.facts_of("lit_i", 4).find("bmp_prompt"), std::string::npos);
  ASSERT_EQ(log.errors.size(), 1u);
  EXPECT_NE(log.errors[0].find("a width, a gap and a bitmap"), std::string::npos);
}

TEST(StdButtons, AddNoacceptKey) {
  struct Case {
    const char* name;
    const char* rules;
    const char* after;
  } cases[] = {
      {"a key without a rule: delete, then update", "",
       "rule_i(1,rule([a(3,[t(custid,2)])],[t(delete,1),t('.OR.',9),t(update,1)],"
       "[update,delete,insert],[])) "},
      {"a conditional rule is extended",
       "rule_i(1, rule([a(3, [t(custid, 2)])], [t(x, 1)], m, z)). ",
       "rule_i(1,rule([a(3,[t(custid,2)])],[t(x,1),t('.OR.',9),t(delete,1),t('.OR.',9),"
       "t(update,1)],m,z)) "},
      {"an unconditional rule holds already", "rule_i(1, rule([a(3, [t(custid, 2)])], [], m, z)). ",
       "rule_i(1,rule([a(3,[t(custid,2)])],[],m,z)) "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(kTrn + c.rules);
    add_noaccept_key(r.run, num(1));
    EXPECT_EQ(r.facts_of("rule_i", 2), c.after);
  }
  ExprRun none(kTrn);
  add_noaccept_key(none.run, num(7));
  EXPECT_EQ(none.facts_of("rule_i", 2), "");
}

TEST(StdButtons, EnterCaptionByModeBitmapAndCaption) {
  struct Case {
    const char* mode;
    bool bitmap;
    std::vector<std::string> lines;
  } cases[] = {
      {"add",
       false,
       {"btt3.setCaption( localUtil.getMessages().getMessage(\"captionadd\") );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionadd\") );"}},
      {"update",
       false,
       {"btt3.setCaption( localUtil.getMessages().getMessage(\"captionupdate\") );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionupdate\") );"}},
      {"confirm",
       false,
       {"btt3.setCaption( localUtil.getMessages().getMessage(\"captionconfirm\") );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionconfirm\") );"}},
      {"delete",
       false,
       {"btt3.setCaption( localUtil.getMessages().getMessage(\"captiondelete\") );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captiondelete\") );"}},
      {"add",
       true,
       {"btt3.setBitmap( \"qnconfirm_add.gif\" );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionadd\") );"}},
      {"update",
       true,
       {"btt3.setBitmap( \"qnconfirm_upd.gif\" );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionupdate\") );"}},
      {"confirm",
       true,
       {"btt3.setBitmap( \"qnconfirm_cnf.gif\" );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captionconfirm\") );"}},
      {"delete",
       true,
       {"btt3.setBitmap( \"qnconfirm_dlt.gif\" );",
        "btt3.setTooltip( localUtil.getMessages().getMessage(\"captiondelete\") );"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + (c.bitmap ? " bitmap" : " caption"));
    ExprRun r(c.bitmap ? trn(kLevel, kAtts, "[ctlname(''), bitmap('ok.gif')]") : kTrn);
    EXPECT_EQ(enter_button_is_bitmap(r.run), c.bitmap);
    EXPECT_TRUE(set_enter_button_caption(r.run, c.mode));
    EXPECT_EQ(r.lines(), c.lines);
  }
  // The image option of the mode names another image.
  ExprRun upd(trn(kLevel, kAtts, "[bitmap('ok.gif')]") +
              "rule_i(0, prop('UPD_BUTTON', 'save.gif')). ");
  EXPECT_TRUE(set_enter_button_caption(upd.run, "update"));
  EXPECT_EQ(upd.lines().at(0), "btt3.setBitmap( \"save.gif\" );");
  // No Enter button, or no such mode: nothing.
  ExprRun none("pgm_id([6, trn, 'X']). lit_i(1, 1, button('Delete'), []). ");
  EXPECT_TRUE(set_enter_button_caption(none.run, "add"));
  EXPECT_TRUE(focus_enter_button(none.run));
  ExprRun odd(kTrn);
  EXPECT_TRUE(set_enter_button_caption(odd.run, "browse"));
  EXPECT_TRUE(none.lines().empty() && odd.lines().empty());
}

TEST(StdButtons, DisableAndFocus) {
  struct Case {
    const char* name;
    std::string facts;
    std::vector<std::string> lines;
  } cases[] = {
      {"a move button keeps the get button visible",
       kTrn + "lit_i(5, 1, button('_QNGet_'), [ctlname('_QNGet_')]). "
              "lit_i(6, 1, button('Clear'), []). ",
       {"protected void disable_std_buttons( )", "{", "   btt3.setQNEnabled( 0 );",
        "   btt_QNGet_.setQNEnabled( 0 );", "   btt4.setQNEnabled( 0 );",
        "   if ( ( QNutil.strcmp(Mode, \"INS\") == 0 ) )", "   {",
        "      btt3.setCaption( localUtil.getMessages().getMessage(\"captionadd\") );",
        "      btt3.setTooltip( localUtil.getMessages().getMessage(\"captionadd\") );", "   }", "}",
        "", "setNextFocus(btt3);"}},
      {"no move button, no Enter",
       "pgm_id([6, trn, 'X']). lit_i(5, 1, button('_QNGet_'), [ctlname('_QNGet_')]). ",
       {"protected void disable_std_buttons( )", "{", "   btt_QNGet_.setQNEnabled( 0 );",
        "   btt_QNGet_.setQNVisible( 0 );", "}", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(c.facts);
    EXPECT_TRUE(gen_disable_std_buttons(r.run));
    EXPECT_TRUE(focus_enter_button(r.run));
    EXPECT_EQ(r.lines(), c.lines);
  }
}

// The prompt routines are named by the prompt's numbers and level, as the
// page scripts name them; two prompts with the same numbers on a level make
// one routine, and keyPromptHandler calls the attribute's first prompt.
TEST(StdButtons, PromptInitNowebWritesEachRoutineOnce) {
  ExprRun r(kTrn + prompt("1", "custname", "t('P', 28)") + prompt("1", "custname", "t('Q', 28)") +
            prompt("[2, 3]", "custid", "t('R', 28)"));
  r.run.stand_in_host("i_called_pgms", 4, [](logic::Run&, std::span<engine::Term> a) {
    a[3] = engine::Term::list({});
    return true;
  });
  EXPECT_TRUE(prompt_init_noweb(r.run, num(1)));
  EXPECT_TRUE(prompt_call(r.run, atom("custname")));
  EXPECT_TRUE(prompt_call(r.run, atom("custid")));
  EXPECT_FALSE(prompt_call(r.run, atom("custcity")));
  const auto lines = r.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "prompt_1_1();");
  EXPECT_EQ(lines.back(), "prompt_2_3_1();");
  size_t routines = 0, second = 0;
  for (const std::string& l : lines) {
    routines += l.find("void prompt_1_1") != std::string::npos;
    second += l.find("void prompt_2_3_1") != std::string::npos;
  }
  EXPECT_EQ(routines, 1u);
  EXPECT_EQ(second, 1u);
}

}  // namespace
}  // namespace qn::logic
