#include "logic/program/transaction_logic.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/later_rounds.h"

namespace qn::logic {
namespace {

using engine::Term;
using Lines = std::vector<std::string>;

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

// One level over CUSTOMER, keyed by custid, the Enter button on the form.
const std::string kCustomer =
    "spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).\n"
    "level_i(1, [1, [1], [custid], [], 0, 0, [], 0, 0, []]).\n"
    "struct_i(1, 0, [custid, custname], []).\n"
    "level_i(2, [3, [3], [custid, lineno], [], 0, 0, [], 0, 0, []]).\n"
    "struct_i(2, 1, [custid, lineno, qty], []).\n"
    "repeat_i(2, [lineno, qty]).\n"
    "attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).\n"
    "attri_i(custname, ['CustName', char, 30, 0, '']).\n"
    "attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).\n"
    "attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).\n"
    "lit_i(1, 1, t(custid, 2), [rect(10, 10, 69, 29)]).\n"
    "lit_i(2, 1, button('Enter'), [rect(10, 40, 69, 59)]).\n"
    "lit_i(3, 1, s(1), [ctlname('Lines'), rect(10, 70, 209, 169)]).\n"
    "lit_i(4, 3, s(t(qty, 2), 1), [rect(0, 0, 49, 19)]).\n";

TEST(TransactionLogic, ConfirmationByRuleAndOption) {
  struct Case {
    const char* name;
    const char* facts;
    bool confirms;
  } cases[] = {
      {"no rule, no option", "", true},
      {"TRNCFM None", "rule_i(0, prop('TRNCFM', 'None')).", false},
      {"TRNCFM All wins over CONFIRM No", "rule_i(0, prop('TRNCFM', 'All')). rule_i(0, prop('CONFIRM', \"No\")).", true},
      {"TRNCFM NoFirst", "rule_i(0, prop('TRNCFM', 'NoFirst')).", true},
      {"CONFIRM No", "rule_i(0, prop('CONFIRM', \"No\")).", false},
      {"CONFIRM Yes", "rule_i(0, prop('CONFIRM', \"Yes\")).", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kCustomer + c.facts);
    EXPECT_EQ(trn_confirms(f.run), c.confirms);
  }
}

TEST(TransactionLogic, RoutineNamesCarryTheLevel) {
  Fixture f(kCustomer + "pgm_id([6, trn, 'Customer']).");
  // The first level's four fixed names; every other routine, and every
  // routine of another level, is unique for the program and the level:
  // two levels' GETKEY_ are two methods.
  EXPECT_EQ(trn_routine_name(f.run, "GETEQ_", num(1)), "geteq");
  EXPECT_EQ(trn_routine_name(f.run, "GETEQ_NOMOD", num(1)), "geteq_nomod");
  EXPECT_EQ(trn_routine_name(f.run, "SANOMOD_", num(1)), "sanomod");
  EXPECT_EQ(trn_routine_name(f.run, "AFTER_LEVEL", num(1)), "after_level");
  EXPECT_EQ(trn_routine_name(f.run, "GETEQ_", num(2)), "geteq_062");
  EXPECT_EQ(trn_routine_name(f.run, "GETKEY_", num(1)), "getkey_061");
  EXPECT_EQ(trn_routine_name(f.run, "GETKEY_", num(2)), "getkey_062");
}

TEST(TransactionLogic, HiddenValuesOfEachLevel) {
  Fixture f(kCustomer);
  const auto names = [&](const Term& level) {
    std::string out;
    for (const Term& e : trn_hidden_list(f.run, level)) {
      const auto items = e.list_items();
      out += text_of(items[0]) + "|" + engine::writeq(items[2]) + " ";
    }
    return out;
  };
  // The first level: its keys are its own attributes, so no previous key
  // value; the hidden variables, the caller's URL, the record count of the
  // subordinate level with its subfile's index, the mode.
  EXPECT_EQ(names(num(1)),
            "IsConfirmed|[t('IsConfirmed',23)] PreviousTooltip|[t('PreviousTooltip',23)] "
            "trnEnded|[t(trnEnded,23)] loopOnce|[t(loopOnce,23)] "
            "PreviousCaption|[t('PreviousCaption',23)] sCallerURL|[t(sCallerURL,23)] "
            "nRC_2|[t(nQNsfl_2_idx,23)] Mode|[t('Mode',23)] ");
  // A subordinate level: the line's record flags.
  EXPECT_EQ(names(num(2)), "nRcdExists_2|[t(nRcdExists_2,23)] nIsMod_2|[t(nIsMod_2,23)] ");

  // A bitmap Enter button keeps its bitmap, not its caption.
  Fixture bmp(kCustomer + "lit_i(9, 1, button('Enter'), [bitmap('ok.gif')]).");
  bmp.eng.facts().retract(*engine::parse_term("lit_i(2, 1, button('Enter'), [rect(10, 40, 69, 59)])"));
  EXPECT_EQ(trn_hidden_vars(bmp.run).back(), "PreviousBitmap");
}

TEST(TransactionLogic, StandardButtonsAndTheirEvents) {
  EXPECT_EQ(std_button_names(), (std::vector<std::string>{"Enter", "Delete", "_QNGet_", "First", "Previous",
                                                          "Next", "Last", "Clear", "Select"}));
  struct Case {
    const char* event;
    const char* extra;
    Lines lines;
  } cases[] = {
      {"Enter", "", {"btn_enter( ) ;"}},
      {"Last", "", {"btn_last( ) ;"}},
      {"Delete", "", {"btn_delete( ) ;"}},
      // Get only when the event source has a 'Get' event.
      {"Get", "", {}},
      {"Get", "b_line_i(1, 0, 0, cmd, 0, [t('Event', 146), t('\\'Get\\'', 3)]).", {"btn_get( ) ;"}},
      {"Refresh", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.event);
    Fixture f(kCustomer + c.extra);
    EXPECT_EQ(std_button_event(f.run, c.event), !c.lines.empty());
    EXPECT_EQ(f.lines(), c.lines);
  }
  // A standard button counts when the form shows it.
  Fixture f(kCustomer);
  EXPECT_TRUE(std_button_check(f.run, "Enter"));
  EXPECT_FALSE(std_button_check(f.run, "Delete"));
  EXPECT_FALSE(std_button_check(f.run, "Cancel"));
}

TEST(TransactionLogic, FocusOnAControlOrASubfileCell) {
  struct Case {
    const char* name;
    bool server;
    const char* item;
    Lines lines;
  } cases[] = {
      {"a control on the client", false, "1", {"setNextFocus(edtcustid);"}},
      {"a control on the server", true, "1", {"setNextFocus(\"edtcustid\");"}},
      {"a subfile column on the client", false, "4",
       {"setNextFocus(new QNSubfileCell(subLines, nQNsfl_1_idx - 1, 0));"}},
      {"a subfile column on the server", true, "4",
       {"setNextFocus(\"subLines|\" + (nQNsfl_1_idx - 1) + \"|0\");"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kCustomer + (c.server ? "trn_server_side_i." : ""));
    ASSERT_TRUE(gen_set_focus(f.run, *engine::parse_term(c.item)));
    EXPECT_EQ(f.lines(), c.lines);
  }
  // An error's focus in a transaction: the first control showing one of
  // the attributes; none shown, nothing.
  Fixture f(kCustomer);
  EXPECT_TRUE(focus_first_of(f.run, *engine::parse_term("[custname, qty]")));
  EXPECT_TRUE(focus_first_of(f.run, *engine::parse_term("[custname]")));
  EXPECT_EQ(f.lines(), (Lines{"setNextFocus(new QNSubfileCell(subLines, nQNsfl_1_idx - 1, 0));"}));
}

TEST(TransactionLogic, LoopOnceOnEachSide) {
  Fixture client(kCustomer);
  ASSERT_TRUE(gen_loop_once(client.run));
  EXPECT_EQ(client.lines(), (Lines{"cleanup();"}));
  Fixture server(kCustomer + "trn_server_side_i.");
  ASSERT_TRUE(gen_loop_once(server.run));
  EXPECT_EQ(server.lines(), (Lines{"loopOnce = true;"}));
}

TEST(TransactionLogic, LastButtonReadsOnInsideTheFoundBranch) {
  // A loop before the test would leave RcdFound 0 and always answer that
  // there is no record to browse.
  Fixture f(kCustomer + "pgm_id([6, trn, 'Customer']). lit_i(9, 1, button('Last'), []).");
  ASSERT_TRUE(trn_button_routines(f.run, num(1)));
  const Lines all = f.lines();
  auto at = std::find(all.begin(), all.end(), "protected void btn_last( )");
  ASSERT_NE(at, all.end());
  std::string body;
  for (auto it = at; it != all.end() && *it != "after_trn061( ) ;"; ++it) body += *it + "\n";
  const size_t norec = body.find("norectobrow"), loop = body.find("while ( ( RcdFound != 0 ) )"),
               next = body.find("scannext_061( ) ;"), end = body.find("scanend_061( ) ;");
  ASSERT_NE(norec, std::string::npos) << body;
  ASSERT_NE(loop, std::string::npos) << body;
  EXPECT_LT(norec, loop);
  EXPECT_LT(loop, next);
  EXPECT_LT(next, end);
}

TEST(TransactionLogic, DeleteOfAReferencedRowDeletesNothing) {
  // INVOICE (table 2) keeps a customer: its row by the customer's key is
  // read first; found, the error del names it, and the DELETE runs only
  // without an error.
  Fixture f(kCustomer + "pgm_id([6, trn, 'Customer']). table_i(1, 'CUSTOMER'). "
                        "table_i(2, ['INVOICE', [], 'Invoices']). tbl_to_delete_i(2, c). index_i(1, [icustomer, u, [custid]]). "
                        "upd_i(1, 1, d, [[], [], [], [custid], []]).");
  f.eng.facts().retract_all(*engine::parse_term("level_i(2, _)"));
  f.eng.facts().retract_all(*engine::parse_term("struct_i(2, _, _, _)"));
  f.run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term>) { return false; });
  f.run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = Term::string(a[1].is_int() && a[1].as_int() == 2 ? "INVOICE" : "CUSTOMER");
    return true;
  });
  ASSERT_TRUE(trn_level_routines(f.run, num(1)));
  const Lines all = f.lines();
  auto at = std::find(all.begin(), all.end(), "protected void delete( )");
  ASSERT_NE(at, all.end());
  std::string body;
  for (auto it = at; it != all.end() && *it != "protected void updtn1_061( )"; ++it) body += *it + "\n";
  const size_t del = body.find("getMessage(\"del\", new Object[] {\"Invoices\"})");
  const size_t guard = body.find("if ( ( AnyError == 0 ) )", del);
  const size_t stmt = body.find(".executeUpd(");
  ASSERT_NE(del, std::string::npos) << body;
  ASSERT_NE(stmt, std::string::npos) << body;
  EXPECT_LT(del, guard);
  EXPECT_LT(guard, stmt);
}

}  // namespace
}  // namespace qn::logic
