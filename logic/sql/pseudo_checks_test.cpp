#include "logic/sql/pseudo_checks.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
    // The knowledge base's table names; its attribute lists are not needed.
    run.stand_in_host("i_all_atrisr", 3, [](Run&, std::span<Term>) { return false; });
    run.stand_in_host("i_tblname", 3, [](Run&, std::span<Term> a) {
      if (!a[1].is_int()) return false;
      a[2] = Term::string(a[1].as_int() == 1 ? "CUSTOMER" : "REGION");
      return true;
    });
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

Term t(const std::string& text) { return *engine::parse_term(text); }

// A level that reads and updates CUSTOMER (action 1) and reads REGION
// (action 2), which it does not update.
const std::string kLevel =
    "pgm_id([6, trn, 'Customer']).\n"
    "level_i(1, [1, [1, 6], [custid], [], 0, 0, [], 0, 0, []]).\n"
    "struct_i(1, 0, [custid, custname, regid, regname], []).\n"
    "ta_i(1, [[custid, custname, regid, regname]]).\n"
    "table_i(1, 'CUSTOMER'). table_i(6, 'REGION').\n"
    "attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).\n"
    "attri_i(custname, ['CustName', char, 30, 0, '']).\n"
    "attri_i(regid, ['RegId', int, 6, 0, 'ZZZZZ9']).\n"
    "attri_i(regname, ['RegName', char, 20, 0, '']).\n"
    "a_i(1, 1, t, 1, [], []).\n"
    "v_i(t, o, 1, [custid, custname, regid]).\n"
    "a_i(2, 1, r, 6, [], [[[6, regid, regid]]]).\n"
    "v_i(r, o, 2, [regname]).\n"
    "upd_i(1, 1, u, [[custname], [], [], [custid], []]).\n";

TEST(PseudoChecks, WhichTablesAreChecked) {
  struct Case {
    const char* name;
    const char* facts;
    bool customer, region;
  } cases[] = {
      {"unset: the tables the level updates", "spec_i([trn, 6, 'C', 'Customer']).", true, false},
      {"ALL: every table it reads", "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"ALL\")).",
       true, true},
      {"all, in any case", "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"allways\")).",
       true, true},
      {"No: none", "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"No\")).", false, false},
      {"no, in any case", "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"never\")).", false,
       false},
      {"a work panel never", "spec_i([scr, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"ALL\")).", false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kLevel + c.facts);
    EXPECT_EQ(seudo_applies(f.run, num(1), num(1)), c.customer);
    EXPECT_EQ(seudo_applies(f.run, num(1), num(6)), c.region);
  }
  // The pseudo attributes: what each read loads and the level selects.
  Fixture f(kLevel + "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', \"ALL\")).");
  EXPECT_EQ(engine::writeq(Term::list(seudo_all_atts(f.run, num(1)))), "[custid,custname,regid,regname]");
}

TEST(PseudoChecks, SaveCallByRule) {
  struct Case {
    const char* name;
    const char* check;
    int64_t action;
    bool flag;
    Lines lines;
  } cases[] = {
      {"1. action 0 and no checked table: nothing", "\"No\"", 0, true, {}},
      {"2. action 0: every read", "\"\"", 0, false, {"zm061( 0) ;"}},
      {"3. no flag: nothing", "\"\"", 1, false, {}},
      {"4. a read of a checked table", "\"\"", 1, true, {"zm061( 1) ;"}},
      {"5. a read of a table not checked: nothing", "\"\"", 2, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kLevel + "spec_i([trn, 6, 'C', 'Customer']). rule_i(0, prop('PSEUDO_CHECK', " + c.check + ")).");
    ASSERT_TRUE(seudo_save_call(f.run, num(1), c.action, c.flag));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

TEST(PseudoChecks, ReadByRule) {
  struct Case {
    const char* name;
    const char* facts;
    const char* kind;  // the kind of the read's cursor
    bool saved;
  } cases[] = {
      {"1. SELECT ... FOR UPDATE and checked: read-only, then saved", "rule_i(0, prop('DTASRC', \"7\")).", "ro",
       true},
      {"2. checked: kind n1, then saved (Access has no FOR UPDATE)", "rule_i(0, prop('DTASRC', \"3\")).", "n1",
       true},
      {"3. not checked: kind n1 alone (Oracle 7)",
       "rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('PSEUDO_CHECK', \"No\")).", "n1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kLevel + "spec_i([trn, 6, 'C', 'Customer']). model_num_i(1). " + c.facts);
    ASSERT_TRUE(seudo_read(f.run, num(1), num(1), t("[custid, custname]"), t("[[custid, t(custid, 2)]]"), 1, true));
    std::string all;
    for (const std::string& l : f.lines()) all += l + "\n";
    EXPECT_EQ(all.find("zm061( 1) ;") != std::string::npos, c.saved) << all;
    EXPECT_EQ(seudo_read_kind(f.run, num(1), num(1)), c.kind);
    // The statement: Oracle 7 locks in a transaction, Access cannot.
    std::string sql;
    for (const Term& k : f.eng.facts().clauses("c_sel_i", 2)) sql += text_of(k.arg(2));
    EXPECT_EQ(sql.find("FOR UPDATE") != std::string::npos, std::string(c.facts).find("\"7\"") != std::string::npos)
        << sql;
  }
}

TEST(PseudoChecks, CheckBeforeTheUpdate) {
  // Under ALL both reads are checked; REGION's read loads nothing: its
  // re-read still selects its key, as a SELECT needs a column, and tests
  // that the row is there.
  std::string level = kLevel;
  level.replace(level.find("v_i(r, o, 2, [regname])."), std::string("v_i(r, o, 2, [regname]).").size(),
                "v_i(r, o, 2, []).");
  Fixture f(level + "spec_i([trn, 6, 'C', 'Customer']). model_num_i(1). rule_i(0, prop('PSEUDO_CHECK', \"ALL\")). "
                    "attri_i('Mode', ['Mode', char, 3, 0, '']).");
  ASSERT_TRUE(seudo_check(f.run, num(1)));
  std::string all;
  for (const std::string& l : f.lines()) all += l + "\n";
  // The statements the cursor classes will hold.
  std::string sql;
  for (const Term& k : f.eng.facts().clauses("embsql_cursor_i", 2)) sql += text_of(k.arg(2).head()) + "\n";
  EXPECT_NE(sql.find("SELECT CustId, CustName, RegId  FROM CUSTOMER"), std::string::npos) << sql;
  EXPECT_NE(sql.find("SELECT RegId  FROM REGION"), std::string::npos) << sql;
  // CUSTOMER's comparisons under the mode test, in one block with the
  // end-of-data test; REGION's block holds the end-of-data test alone.
  EXPECT_NE(all.find("QNutil.strcmp(Mode, \"INS\") != 0"), std::string::npos) << all;
  EXPECT_NE(all.find(".eof() || dbocustomer.getCustid() != "), std::string::npos) << all;
  EXPECT_NE(all.find("waschg"), std::string::npos) << all;
}

}  // namespace
}  // namespace qn::logic
