#include "logic/javaui/transaction_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {
namespace {

using engine::Term;
using Lines = std::vector<std::string>;

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text("spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).\n" + facts, false)) << facts;
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

TEST(TransactionClass, MultiTierByOptions) {
  struct Case {
    const char* name;
    const char* facts;
    bool split;
  } cases[] = {
      {"a protocol and a database location", "rule_i(0, prop('REMOTE_CALLS', \"SUN_RMI\")). "
                                             "rule_i(0, prop('QNDB_LOCATION', \"appsrv\")).", true},
      {"MTIER_OPT No: one class all the same", "rule_i(0, prop('REMOTE_CALLS', \"SUN_RMI\")). "
                                               "rule_i(0, prop('QNDB_LOCATION', \"appsrv\")). "
                                               "rule_i(0, prop('MTIER_OPT', \"No\")).", false},
      {"no protocol", "rule_i(0, prop('QNDB_LOCATION', \"appsrv\")).", false},
      {"no database location", "rule_i(0, prop('REMOTE_CALLS', \"SUN_RMI\")).", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_EQ(multi_tier(f.run), c.split);
  }
}

TEST(TransactionClass, HiddenValuesEachWay) {
  Fixture f("lit_i(1, 1, button('Enter'), []).");
  // loopOnce is one of the transaction's hidden variables and one of the
  // server's additions: it is sent once.
  EXPECT_EQ(jform_trn_hidden_cs(f.run),
            (std::vector<std::string>{"IsConfirmed", "PreviousTooltip", "trnEnded", "loopOnce", "PreviousCaption"}));
  EXPECT_EQ(jform_trn_hidden_sc(f.run),
            (std::vector<std::string>{"IsConfirmed", "PreviousTooltip", "trnEnded", "loopOnce", "PreviousCaption",
                                      "Qn_mode", "errorMsg", "msgMsg", "QN_FocusControl", "msgStatus"}));
}

TEST(TransactionClass, PackedFields) {
  struct Case {
    const char* type;
    bool read;
    int64_t dims;
    const char* line;
  } cases[] = {
      {"[int, 6, 0, 0]", false, 0, "qnp.writeInt(V);"},
      {"[int, 6, 0, 0]", true, 0, "V = qnu.readInt();"},
      {"[char, 20, 0, 0]", true, 0, "V = qnu.readString();"},
      {"[date, 8, 0, 0]", false, 0, "qnp.writeDate(V);"},
      {"[int, 6, 0, 0]", true, 1, "V = qnu.readIntArray();"},
      {"[char, 20, 0, 0]", true, 2, "V = qnu.readStringArray2();"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Fixture f("");
    ASSERT_TRUE(gen_pack_field(f.run, "V", *engine::parse_term(c.type), c.read, c.dims));
    EXPECT_EQ(f.lines(), (Lines{c.line}));
  }
  Fixture bad("");
  EXPECT_FALSE(gen_pack_field(bad.run, "V", *engine::parse_term("[int]"), true));
  EXPECT_EQ(bad.lines(), Lines{});
}

TEST(TransactionClass, ServerSubfileField) {
  Fixture f("lit_i(3, 1, s(1), [ctlname('Lines')]).");
  ASSERT_TRUE(define_subfile_var(f.run, num(1)));
  ASSERT_TRUE(read_subfile_data(f.run, num(1)));
  ASSERT_TRUE(write_subfile_data(f.run, num(1)));
  EXPECT_EQ(f.lines(), (Lines{"subLines.readData(qnu);", "subLines.writeData(qnp);"}));
  std::string init;
  for (const Term& t : f.eng.facts().clauses("obj_initialize_with_i", 2)) init += engine::writeq(t);
  EXPECT_EQ(init, "obj_initialize_with_i(subLines,\"new QNSubfileServer( new tcustomer_flow01())\")");
}

TEST(TransactionClass, OddModelsWriteAClassAndGoOn) {
  struct Case {
    const char* name;
    const char* facts;
    const char* expect;  // a line the class holds
  } cases[] = {
      {"a level without keys: the empty key condition, no key-change test",
       "level_i(1, [1, [1], [], [], 0, 0, [], 0, 0, []]). struct_i(1, 0, [custname], []). table_i(1, 'CUSTOMER'). "
       "attri_i(custname, ['CustName', char, 30, 0, '']). lit_i(1, 1, button('Enter'), []).",
       "protected void btn_enter( )"},
      {"a level without a table", "level_i(1, [0]). struct_i(1, 0, [], []). lit_i(1, 1, button('Enter'), []).",
       "protected void geteq( )"},
      {"a subfile whose level is not shown: the generation-error line, no members",
       "rule_i(0, prop('REMOTE_CALLS', \"SUN_RMI\")). rule_i(0, prop('QNDB_LOCATION', \"appsrv\")). "
       "level_i(1, [1, [1], [custid], [], 0, 0, [], 0, 0, []]). struct_i(1, 0, [custid], []). table_i(1, 'CUSTOMER'). "
       "attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']). lit_i(1, 1, button('Enter'), []). "
       "lit_i(2, 1, s(7), [ctlname('Orphan')]).",
       "Subfile subOrphan shows no level of the transaction."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    f.run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term>) { return false; });
    f.run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
      a[2] = Term::string("CUSTOMER");
      return true;
    });
    f.run.stand_in_host("i_called_pgms", 4, [](logic::Run&, std::span<Term> a) {
      a[3] = Term::list({});
      return true;
    });
    bool written = false;
    EXPECT_NO_THROW(written = gen_transaction_class(f.run, 0, 6, *engine::parse_term("[trn, 'Customers', 'Customer', 0, 0]")));
    EXPECT_TRUE(written);
    std::string all;
    for (const std::string& l : f.lines()) all += l + "\n";
    EXPECT_NE(all.find(c.expect), std::string::npos) << all.substr(0, 2000);
    if (std::string(c.name).find("subfile") != std::string::npos) {
      EXPECT_EQ(all.find("subOrphan.readData"), std::string::npos);
      EXPECT_EQ(all.find("QNSubfileServer"), std::string::npos);
    }
  }
}

TEST(TransactionClass, SubordinateLevelWithLines) {
  // Invoice and its lines.
  Fixture f(
      "level_i(1, [2, [2], [invid], [], 0, 0, [], 0, 0, []]). struct_i(1, 0, [invid, invdate], []). "
      "level_i(2, [3, [3], [invid, lineno], [], 0, 0, [], 0, 0, []]). struct_i(2, 1, [invid, lineno, qty], []). "
      "repeat_i(2, [lineno, qty]). sf_break_i(2, 1). table_i(2, 'INVOICE'). table_i(3, 'INVLINE'). "
      "tbl_to_delete_i(3, d). "
      "attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']). attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']). "
      "attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']). attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']). "
      "upd_i(1, 2, i, [[invid, invdate], [], [], [], []]). upd_i(2, 3, i, [[invid, lineno, qty], [], [], [], []]). "
      "upd_i(2, 3, d, [[], [], [], [invid, lineno], []]). "
      "lit_i(1, 1, t(invid, 2), []). lit_i(2, 1, s(1), [ctlname('Lines')]). "
      "lit_i(3, 2, s(t(qty, 2), 1), []). lit_i(4, 1, button('Enter'), []).");
  for (const char* name : {"i_all_atrisr"}) {
    f.run.stand_in_host(name, 3, [](logic::Run&, std::span<Term>) { return false; });
  }
  f.run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = Term::string(a[1].is_int() && a[1].as_int() == 2 ? "INVOICE" : "INVLINE");
    return true;
  });
  f.run.stand_in_host("i_called_pgms", 4, [](logic::Run&, std::span<Term> a) {
    a[3] = Term::list({});
    return true;
  });
  ASSERT_TRUE(gen_transaction_class(f.run, 0, 7, *engine::parse_term("[trn, 'Invoices', 'Invoice', 0, 0]")));
  std::string all;
  for (const std::string& l : f.lines()) all += l.substr(std::min(l.find_first_not_of(' '), l.size())) + "\n";
  EXPECT_EQ(all.find("Generation error"), std::string::npos) << all;
  EXPECT_EQ(all.find("Fail to"), std::string::npos) << all;
  // The second level's own routines, the first level's line processing
  // over the subfile (each line read by the level's READ_ROW_, which moves
  // the index on), the lines added by ADD_ROW_ through loadToBuffer01, and
  // the lines deleted with the invoice.
  for (const char* want : {"protected void getkey_072( )", "protected void nlevel_071( )",
                           "while (nQNsfl_1_idx < subLines.Count) {\nread_row_072( ) ;\n",
                           "if (subt0100006.isChanged() == 1 || subt0100006.isDeleted() == 1) {",
                           "subt0100006 = ( subT0100006 ) subLines.getElementAt(nQNsfl_1_idx) ;\n"
                           "subfileToVariables01();\nnQNsfl_1_idx = nQNsfl_1_idx + 1 ;",
                           "loadToBuffer01();", "subLines.startLoad();", "subLines.endLoad();",
                           "delete_072( ) ;", "protected void confirm_071( )",
                           "public void loadToBuffer01( )"}) {
    EXPECT_NE(all.find(want), std::string::npos) << want;
  }
}

// keyPromptHandler: a branch for each control whose attribute has a
// prompt, calling its routine; none for the others.
TEST(TransactionClass, KeyPromptHandlerCallsThePrompt) {
  Fixture f("lit_i(1, 1, t(custid, 2), [rect(10, 10, 69, 29)]). "
            "lit_i(2, 1, t(custname, 2), [rect(10, 40, 209, 59)]). "
            "attri_i(custid, ['CustId', int, 6, 0, '']). attri_i(custname, ['CustName', char, 30, 0, '']). "
            "rule_i(1, prompt([[3], 0, custid, 0, [t('PickCust', 3)]])).");
  ASSERT_TRUE(gen_key_prompt_handler(f.run));
  const Lines l = f.lines();
  const auto has = [&](const std::string& text) {
    return std::any_of(l.begin(), l.end(), [&](const std::string& x) { return x.find(text) != std::string::npos; });
  };
  EXPECT_TRUE(has("edtcustid.isEventSource(eventSource)"));
  EXPECT_TRUE(has("prompt_3_1();"));
  EXPECT_FALSE(has("edtcustname.isEventSource"));
}

}  // namespace
}  // namespace qn::logic
