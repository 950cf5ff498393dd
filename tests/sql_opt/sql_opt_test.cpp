// The statements the optimised-command and stored-procedure rules write,
// run by PostgreSQL 15 (the throw-away cluster of tests/sql_check/). The
// optimised statements are taken from what the generator writes for the
// procedure cases of logic/program/testdata/ and run over seeded tables:
// each must do what the row-by-row loop it replaces would have done. A
// missing server or client library fails, naming the Debian package.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/golden.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/sql/optimised_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/sql/table_locks.h"
#include "tests/sql_check/sql_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

const fs::path kCases = fs::path(QN_SOURCE_DIR) / "logic/program/testdata";

// The SQL statements (Java string literals of DELETE, SELECT, INSERT, LOCK,
// UNLOCK and CALL) in the files a procedure case generates, in order.
std::vector<std::string> generated_statements(const std::string& name) {
  const golden::Outcome out = golden::run_case(kCases / name);
  EXPECT_EQ(out.error, "") << name;
  static const std::regex kLiteral(R"re("\{?((?:DELETE|SELECT|INSERT|LOCK|UNLOCK|CALL) [^"]*?)\}?")re");
  std::vector<std::string> found;
  for (const golden::File& f : out.files) {
    for (auto it = std::sregex_iterator(f.text.begin(), f.text.end(), kLiteral);
         it != std::sregex_iterator(); ++it) {
      found.push_back((*it)[1]);
    }
  }
  return found;
}

// The one statement that starts with a prefix.
std::string statement(const std::vector<std::string>& all, const std::string& prefix) {
  std::vector<std::string> hits;
  for (const std::string& s : all) {
    if (s.starts_with(prefix)) hits.push_back(s);
  }
  EXPECT_EQ(hits.size(), 1u) << prefix;
  return hits.empty() ? "" : hits.front();
}

// The "?" markers bound to literal values, in order.
std::string bind(const std::string& text, const std::vector<std::string>& values) {
  std::string out;
  size_t n = 0;
  for (char c : text) {
    if (c == '?') {
      EXPECT_LT(n, values.size()) << text;
      out += n < values.size() ? values[n] : "NULL";
      ++n;
    } else {
      out += c;
    }
  }
  EXPECT_EQ(n, values.size()) << text;
  return out;
}

// The sample's tables, as the generated statements name their columns.
const std::vector<std::string> kTables{
    "CREATE TABLE INVLINE (InvId integer, LineNo integer, ProdId integer, Qty integer, "
    "PRIMARY KEY (InvId, LineNo))",
    "CREATE TABLE PRODUCT (ProdId integer PRIMARY KEY, ProdDsc varchar(40))",
    "CREATE TABLE HISTLINE (HInvId integer, HLine integer, HQty integer, "
    "PRIMARY KEY (HInvId, HLine))",
};

// 50 rows a table: line n of invoice n % 5 + 1, quantity (7 n) % 23 + 1.
struct Line {
  int inv, line, qty;
};
std::vector<Line> seeded_lines() {
  std::vector<Line> rows;
  for (int n = 1; n <= 50; ++n) rows.push_back({n % 5 + 1, n, 7 * n % 23 + 1});
  return rows;
}
std::vector<std::string> seed() {
  std::vector<std::string> s = kTables;
  for (const Line& l : seeded_lines()) {
    s.push_back("INSERT INTO INVLINE VALUES (" + std::to_string(l.inv) + ", " +
                std::to_string(l.line) + ", " + std::to_string(l.line) + ", " +
                std::to_string(l.qty) + ")");
    s.push_back("INSERT INTO PRODUCT VALUES (" + std::to_string(l.line) + ", 'p" +
                std::to_string(l.line) + "')");
  }
  return s;
}

void expect_ran(const sqlcheck::ScriptResult& r, const std::vector<std::string>& statements) {
  ASSERT_EQ(r.setup_error, "") << "PostgreSQL 15 is needed: install the Debian packages "
                                  "postgresql and libpq-dev";
  for (size_t i = 0; i < r.errors.size(); ++i) EXPECT_EQ(r.errors[i], "") << statements[i];
}

constexpr int kInvoice = 3;

// The database procedure the procedure cases and the sample call: a
// customer in, a total out, both INOUT.
const sqlcheck::Schema kCustTotals{
    {"CREATE PROCEDURE CUSTTOTALS(INOUT c integer, INOUT t integer) LANGUAGE plpgsql "
     "AS $$ BEGIN t := c * 2; END $$"}};

// The optimised DELETE with a condition leaves exactly the rows the
// condition excludes; the one without locks the table in a transaction
// and leaves none.
TEST(OptimisedStatementsRun, DeleteLeavesTheExcludedRows) {
  const auto generated = generated_statements("proc_optdelete");
  const std::string some = statement(generated, "DELETE FROM INVLINE");
  const std::string all = statement(generated, "DELETE FROM PRODUCT");
  const std::string lock = statement(generated, "LOCK TABLE");
  EXPECT_NE(some.find("WHERE"), std::string::npos) << some;
  EXPECT_EQ(all, "DELETE FROM PRODUCT");

  std::vector<std::string> run = seed();
  run.push_back(bind(some, {std::to_string(kInvoice)}));
  for (const std::string& s : {std::string("BEGIN"), lock, all, std::string("COMMIT")}) {
    run.push_back(s);
  }
  const auto r = sqlcheck::postgres_script(
      run, "SELECT InvId || '/' || LineNo FROM INVLINE UNION ALL SELECT 'product ' || ProdId "
           "FROM PRODUCT ORDER BY 1");
  expect_ran(r, run);
  std::vector<std::string> want;
  for (const Line& l : seeded_lines()) {
    if (l.inv != kInvoice) want.push_back(std::to_string(l.inv) + "/" + std::to_string(l.line));
  }
  std::sort(want.begin(), want.end());
  std::vector<std::string> got = r.rows;
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, want);
}

// The optimised group's SUM and COUNT equal the loop's own adding up.
TEST(OptimisedStatementsRun, GroupSumAndCount) {
  const std::string select = statement(generated_statements("proc_optgroup"), "SELECT SUM(");
  int sum = 0, count = 0;
  for (const Line& l : seeded_lines()) {
    if (l.inv == kInvoice) {
      sum += l.qty;
      ++count;
    }
  }
  const std::vector<std::string> run = seed();
  const auto r = sqlcheck::postgres_script(run, bind(select, {std::to_string(kInvoice)}));
  expect_ran(r, run);
  EXPECT_EQ(r.rows, std::vector<std::string>{std::to_string(sum) + "|" + std::to_string(count)})
      << select;
}

// The optimised copy inserts what copying the rows one by one would.
TEST(OptimisedStatementsRun, CopyInsertsWhatARowByRowCopyWould) {
  const std::string copy = statement(generated_statements("proc_optcopy"), "INSERT INTO HISTLINE");
  std::vector<std::string> run = seed();
  run.push_back(bind(copy, {std::to_string(kInvoice)}));
  const auto r =
      sqlcheck::postgres_script(run, "SELECT HInvId, HLine, HQty FROM HISTLINE ORDER BY HLine");
  expect_ran(r, run);
  std::vector<std::string> want;
  for (const Line& l : seeded_lines()) {
    if (l.inv == kInvoice) {
      want.push_back(std::to_string(l.inv) + "|" + std::to_string(l.line) + "|" +
                     std::to_string(l.qty));
    }
  }
  EXPECT_EQ(r.rows, want) << copy;
}

// A run whose data store's DBMS is DTASRC's.
struct Rules {
  explicit Rules(std::string source) : run(eng), dtasrc(std::move(source)) {
    eng.consult_text("model_num_i(5). model_i(1, 1005).", false);
    run.stand_in_host("i_config", 2, [this](Run&, std::span<Term> a) {
      if (a[0].text() != "DTASRC") return false;
      a[1] = str(this->dtasrc);
      return true;
    });
    run.stand_in_host("i_dstorepref", 4, [](Run&, std::span<Term>) { return false; });
  }
  engine::Engine eng;
  Run run;
  std::string dtasrc;
};

TEST(OptimisedStatementsRun, LockTableRunsInATransaction) {
  for (const char* dtasrc : {"7", "5", "4"}) {  // oracle (NOWAIT), db2, as400
    SCOPED_TRACE(dtasrc);
    Rules r(dtasrc);
    const auto text = lock_table_text(r.run, atom("customer"), atom("customer"));
    ASSERT_TRUE(text);
    const std::vector<std::string> run{"CREATE TABLE customer (id integer)", "BEGIN", *text,
                                       "COMMIT"};
    expect_ran(sqlcheck::postgres_script(run, ""), run);
  }
}

// CALL NAME ( ?, ?) against a procedure of two INOUT parameters, one
// marker a parameter; and the CALLs the stored-procedure cases write.
TEST(OptimisedStatementsRun, CallsPrepare) {
  const sqlcheck::Schema two_inout{
      {"CREATE PROCEDURE calc(INOUT a numeric, INOUT b text) LANGUAGE plpgsql "
       "AS $$ BEGIN a := a + 1; b := b || 'x'; END $$"}};
  const Term args = *engine::parse_term("[t('&A', 23), t(',', 7), t('&B', 23), t(')', 4)]");
  for (const char* dtasrc : {"3", "5", "1", "7"}) {  // access, db2, qedbase, oracle
    SCOPED_TRACE(dtasrc);
    Rules r(dtasrc);
    const SpCall call = sp_call_text(r.run, "calc", args);
    EXPECT_EQ(std::count(call.text.begin(), call.text.end(), '?'),
              static_cast<std::ptrdiff_t>(call.parameters.size()));
    EXPECT_EQ(sqlcheck::postgres_verdict(two_inout, call.text), "") << call.text;
  }
  // The calls the stored-procedure cases write: oracle (its braces are
  // the driver's escape, not SQL) and db2.
  for (const char* name : {"proc_spcall", "proc_spcall_db2"}) {
    SCOPED_TRACE(name);
    const std::string call = statement(generated_statements(name), "CALL CUSTTOTALS");
    EXPECT_EQ(sqlcheck::postgres_verdict(kCustTotals, call), "") << call;
  }
}

// The sample model's statements (its default data store is qedbase): ClearInv
// deletes one invoice's lines and calls the database procedure CustTotals;
// InvLines counts each invoice's lines in one statement. The cases are those
// the main road compares the sample's classes with.
TEST(OptimisedStatementsRun, SampleModel) {
  const auto clear = generated_statements("proc_clearinv");
  const std::string del = statement(clear, "DELETE FROM INVLINE");
  const std::string call = statement(clear, "CALL CUSTTOTALS");
  const std::string count = statement(generated_statements("proc_invlines"), "SELECT COUNT(");

  std::vector<std::string> run = seed();
  run.push_back(bind(del, {std::to_string(kInvoice)}));
  const auto deleted = sqlcheck::postgres_script(run, "SELECT InvId || '/' || LineNo FROM INVLINE");
  expect_ran(deleted, run);
  std::vector<std::string> kept;
  int lines = 0;
  for (const Line& l : seeded_lines()) {
    if (l.inv != kInvoice) kept.push_back(std::to_string(l.inv) + "/" + std::to_string(l.line));
    if (l.inv == kInvoice) ++lines;
  }
  std::vector<std::string> got = deleted.rows;
  std::sort(kept.begin(), kept.end());
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, kept) << del;

  const std::vector<std::string> seeded = seed();
  // The driver's read hint "(LOCKING=NONE)" is the common rewrite's to drop.
  const auto counted = sqlcheck::postgres_script(
      seeded, sqlcheck::rewrite_for_postgres(bind(count, {std::to_string(kInvoice)})));
  expect_ran(counted, seeded);
  EXPECT_EQ(counted.rows, std::vector<std::string>{std::to_string(lines)}) << count;

  EXPECT_EQ(sqlcheck::postgres_verdict(kCustTotals, call), "") << call;
}

// The copy's INSERT ... SELECT with a condition on a variable.
TEST(OptimisedStatementsRun, InsertSelectPrepares) {
  const sqlcheck::Schema schema{{"CREATE TABLE invline (invid integer, lineno integer, price numeric)",
                                 "CREATE TABLE hist (hid integer, hline integer)"}};
  Rules r("7");
  std::vector<Term> params;
  const std::string text = insert_select_text(
      r.run, atom("hist"), {atom("hid"), atom("hline")}, {atom("invid"), atom("lineno")},
      *engine::parse_term("[c([t(invid, 2), t('>', 10), t('&First', 23)], [])]"),
      *engine::parse_term("[invline]"), params);
  EXPECT_EQ(std::count(text.begin(), text.end(), '?'), 1);
  EXPECT_EQ(params.size(), 1u);
  EXPECT_EQ(sqlcheck::postgres_verdict(schema, text), "") << text;
}

}  // namespace
}  // namespace qn::logic
