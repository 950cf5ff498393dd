// The reorganisation programs judged by real programs. Their statements
// are the literals the generated Java hands the direct-SQL executor, taken
// in program order (qnrgza, qnrgzb, qnrgzc).
//
// - PostgreSQL 15 (the cluster of tests/sql_check) and SQLite first hold
//   the old model's tables, with a row each, then run the programs'
//   statements of a DB2 model and of a model of the other database systems
//   (Access); their catalogues are then compared with the new model:
//   columns, types, nullability, keys, indexes, foreign keys, and the rows.
// - python3-sqlglot parses the Oracle and SQL Server statements, and
//   node-sql-parser the DB2 ones.
// Where a dialect writes a statement differently from the judge, the
// difference is listed with its reason; where a parser lacks a construct
// its DBMS documents, the construct is listed. Nothing else is changed or
// left out. A missing judge fails, naming its package.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "logic/core/golden.h"
#include "logic/core/dbms_caps.h"
#include "logic/java/java_naming.h"
#include "logic/sql/ddl/ddl_fixture.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"
#include "logic/sql/table_locks.h"
#include "tests/sql_check/ddl_judges.h"
#include "tests/sql_check/java_statements.h"

namespace qn {
namespace {

using engine::Term;
using logic::atom;
using logic::num;
using logic::str;
using logic::ddl::test::DdlFixture;
using sqlcheck::Branch;
using sqlcheck::Difference;
using sqlcheck::JavaStatement;
using sqlcheck::Lacking;

// The cluster goes before the scratch folder does.
struct PgEnvironment : ::testing::Environment {
  void TearDown() override { sqlcheck::stop_postgres(); }
};
const auto* const kPgEnv = ::testing::AddGlobalTestEnvironment(new PgEnvironment);

// --- the statements of a Java program ----------------------------------------------------

// A program as the generators write one: the buffer built in pieces, an
// if/else around a rename, a warning block, and text that only looks like
// a statement (in comments and in other literals).
const char* kProgram = R"java(
public class qnrgzc extends QNProcedure
{
   // cmdBuffer = "DROP TABLE NOTME"; ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
   /* a brace } in a comment, and "a quote */
   public int execute( )
   {
      QNReorganization.addMsg("Renaming { table \"CUSTAUX\" }; ExecuteDirectSQL.execute(x)");
      cmdBuffer = "ALTER TABLE INVOICE ADD CONSTRAINT IINVOICE2 FOREIGN KEY (CustId) ";
      cmdBuffer += "REFERENCES CUSTOMER (CustId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      if ( QNutil.upper(QNutil.userid("Server")).equals("SALES") )
      {
         cmdBuffer = "RENAME SALES.CUSTAUX TO SALES.CUSTOMER";
         ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", cmdBuffer) ;
      }
      else
      {
         cmdBuffer = "INSERT INTO SALES.CUSTOMER (CustId) SELECT CustId FROM SALES.CUSTAUX T1";
         ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", cmdBuffer) ;
         if ( Err == 106 )
         {
            QNReorganization.addMsg("WARNING: it exists.");
         }
         else if ( Err == 105 )
         {
            ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", "DROP " + "TABLE SALES.CUSTAUX") ;
         }
      }
      cmdBuffer = "COMMENT ON TABLE CUSTOMER IS 'Customer''s \"file\"\\ \101\u00e9'";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      return 0 ;
   }
}
)java";

TEST(ReorgJudgeStatements, ProgramOrderBranchesAndEscapes) {
  const auto got = sqlcheck::direct_sql_statements(kProgram);
  ASSERT_EQ(got.error, "");
  const std::string owner = R"(QNutil . upper ( QNutil . userid ( "Server" ) ) . equals ( "SALES" ))";
  const std::vector<JavaStatement> want = {
      {"ALTER TABLE INVOICE ADD CONSTRAINT IINVOICE2 FOREIGN KEY (CustId) REFERENCES CUSTOMER (CustId)", "db2", {}},
      {"RENAME SALES.CUSTAUX TO SALES.CUSTOMER", "oracle7", {{owner, false}}},
      {"INSERT INTO SALES.CUSTOMER (CustId) SELECT CustId FROM SALES.CUSTAUX T1", "oracle7", {{owner, true}}},
      {"DROP TABLE SALES.CUSTAUX", "oracle7", {{owner, true}, {"Err == 106", true}, {"Err == 105", false}}},
      {"COMMENT ON TABLE CUSTOMER IS 'Customer''s \"file\"\\ A\xE9'", "db2", {}},
  };
  EXPECT_EQ(got.statements, want);

  // The path of the schema's owner, where no statement failed.
  const auto taken = [&](const std::string& c) { return c == owner; };
  EXPECT_EQ(sqlcheck::on_path(got.statements, taken),
            (std::vector<std::string>{want[0].sql, want[1].sql, want[4].sql}));
}

TEST(ReorgJudgeStatements, UnreadableProgramsAreErrors) {
  struct Case {
    const char* name;
    const char* java;
    const char* error;
  };
  const Case cases[] = {
      {"unset buffer", "{ ExecuteDirectSQL.execute(c, r, \"db2\", cmdBuffer) ; }", "which holds no statement"},
      {"added to nothing", "{ cmdBuffer += \"X\"; }", "which holds none"},
      {"literal without end", "{ cmdBuffer = \"DROP TABLE X;\n }", "line 1: a literal does not end"},
      {"bad escape", "{ cmdBuffer = \"\\q\"; }", "bad escape"},
      {"statement not text", "{ ExecuteDirectSQL.execute(c, r, \"db2\", make()) ; }", "not text"},
      {"if without block", "{ if ( Err == 1 ) ExecuteDirectSQL.execute(c, r, \"db2\", \"X\") ; }",
       "an if without a block"},
      {"open block", "{ if ( Err == 1 ) { }", "a block does not end"},
      {"stray brace", "{ } }", "a brace closes no block"},
      {"else alone", "{ x = 1; else { } }", "an else without its if-block"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto got = sqlcheck::direct_sql_statements(c.java);
    EXPECT_NE(got.error.find(c.error), std::string::npos) << got.error;
    EXPECT_TRUE(got.statements.empty());
  }
}

// Every byte the generator's literals can hold reads back as itself.
TEST(ReorgJudgeStatements, UnescapeReadsWhatTheGeneratorQuotes) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string quoted = logic::java_quoted(all);
  ASSERT_GE(quoted.size(), 2u);
  EXPECT_EQ(sqlcheck::java_unescape(std::string_view(quoted).substr(1, quoted.size() - 2)), all);
  EXPECT_EQ(sqlcheck::java_unescape("\\uuu0041\\u20AC\\7\\477\\s"), "A\xE2\x82\xAC\x07\x27" "7 ");
  EXPECT_EQ(sqlcheck::java_unescape("\\u00G1"), std::nullopt);
  EXPECT_EQ(sqlcheck::java_unescape("ends\\"), std::nullopt);
}

// --- a reorganisation and its judges -----------------------------------------------------

// The attributes of both models. The old model: CUSTOMER (CustId, CustName,
// Phone) with an index on CustName, INVOICE (InvId, CustId, InvDate) with
// its foreign key to CUSTOMER. The new one: CUSTOMER loses Phone and gains
// Since, and its CustName index; INVOICE gains InvNote and Amount (rebuilt
// through an auxiliary table INVAUX) and an index on InvDate, descending;
// PRODUCT is new.
const char* kAttributes = R"(
attri_i(1, ['CustId', int, 6, 0]). attri_i(2, ['CustName', char, 30, 0]).
attri_i(3, ['InvId', int, 8, 0]). attri_i(4, ['InvDate', date, 8, 0]).
attri_i(5, ['InvNote', vchar, 200, 0]). attri_i(6, ['Amount', pac, 9, 2]).
attri_i(7, ['ProdId', int, 6, 0]). attri_i(8, ['ProdName', svchar, 40, 0]).
attri_i(9, ['Phone', char, 20, 0]). attri_i(10, ['Since', date, 8, 0]).
kb_att(1, 'Customer number'). kb_att(2, 'Customer''s name').
kb_tblname(1, 'CUSTOMER'). kb_tblname(2, 'INVOICE'). kb_tblname(3, 'PRODUCT').
kb_ref(2, 1, [1]).
ddl_option('DCL_REF_INT_DB', 'Y'). ddl_option('COMMENT_ON', 'Y').
)";
const char* kOldModel = R"(
kb_table(1, 'Customers', [1, 2, 9], [1]). kb_table(2, 'Invoices', [3, 1, 4], [3]).
kb_index(1, 1, 'ICUSTOMER1', 1, [1]). kb_index(1, 2, 'ICUSTOMER2', 0, [2]).
kb_index(2, 1, 'IINVOICE1', 1, [3]). kb_index(2, 2, 'IINVOICE2', 0, [1]).
)";
const char* kNewModel = R"(
kb_table(1, 'Customers', [1, 2, 10], [1]). kb_table(2, 'Invoices', [3, 1, 4, 5, 6], [3]).
kb_table(3, 'Products', [7, 8], [7]).
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
kb_index(2, 1, 'IINVOICE1', 1, [3]). kb_index(2, 2, 'IINVOICE2', 0, [1]). kb_index(2, 3, 'IINVOICE3', 0, [-4]).
kb_index(3, 1, 'IPRODUCT1', 1, [7]).
)";

std::vector<JavaStatement> statements_of(DdlFixture& f) {
  std::string java;
  for (const std::string& l : f.lines()) java += l + "\n";
  const auto got = sqlcheck::direct_sql_statements(java);
  EXPECT_EQ(got.error, "");
  return got.statements;
}

// The old model's database, by the same writers, with a row in each table.
std::vector<std::string> old_database(const std::string& options) {
  DdlFixture f(std::string(kAttributes) + kOldModel + options);
  logic::Run& r = f.run;
  const Term m = num(5);
  EXPECT_TRUE(logic::ddl::create_table(r, m, num(1), "CUSTOMER", "ICUSTOMER1", "pk", {num(1)}, "p"));
  EXPECT_TRUE(logic::ddl::create_table(r, m, num(2), "INVOICE", "IINVOICE1", "pk", {num(3)}, "p"));
  EXPECT_TRUE(logic::ddl::gen_create_index(r, m, num(1), "CUSTOMER", {"ICUSTOMER2", "d", {num(2)}}, "p"));
  EXPECT_TRUE(logic::ddl::gen_create_index(r, m, num(2), "INVOICE", {"IINVOICE2", "d", {num(1)}}, "p"));
  EXPECT_TRUE(logic::ddl::gen_foreign_keys(r, m, num(2), "INVOICE"));
  EXPECT_EQ(f.errors, std::vector<std::string>{});
  std::vector<std::string> out = sqlcheck::on_path(statements_of(f), [](const std::string&) { return false; });
  out.push_back("INSERT INTO CUSTOMER (CustId, CustName, Phone) VALUES (7, 'Ann', '555')");
  out.push_back("INSERT INTO INVOICE (InvId, CustId, InvDate) VALUES (70, 7, '2026-12-11')");
  return out;
}

// The three programs of the reorganisation from the old model to the new
// one, in their steps' order, written by the DDL writers they call.
std::vector<JavaStatement> reorganisation(const std::string& options) {
  DdlFixture f(std::string(kAttributes) + kNewModel + options);
  logic::Run& r = f.run;
  const Term m = num(5);
  namespace ddl = logic::ddl;
  const ddl::TableKey invoice_key{"IINVOICE1", "pk", {num(3)}};
  // qnrgza: lock, drop the constraints, new and temporary tables.
  EXPECT_TRUE(logic::gen_lock_table(r, num(1), atom("o"), str("CUSTOMER")));
  EXPECT_TRUE(logic::gen_lock_table(r, num(2), atom("o"), str("INVOICE")));
  EXPECT_TRUE(logic::gen_lock_table(r, num(3), atom("n"), str("PRODUCT")));
  EXPECT_TRUE(ddl::gen_drop_foreign_keys(r, m, num(2), "INVOICE"));
  EXPECT_TRUE(ddl::create_table(r, m, num(3), "PRODUCT", "IPRODUCT1", "pk", {num(7)}, "p"));
  EXPECT_TRUE(ddl::create_table(r, m, num(2), "INVAUX", "IINVOICE1", "pk", {num(3)}, "a"));
  // qnrgzb: the conversion program fills the auxiliary table (an INSERT
  // stands in its place, below), then the final table is created.
  const size_t conversion = statements_of(f).size();
  EXPECT_TRUE(ddl::create_table(r, m, num(2), "INVOICE", "IINVOICE1", "pk", {num(3)}, "p"));
  // qnrgzc: the auxiliary table copied or renamed to its name, new columns,
  // indexes and foreign keys, removed columns.
  EXPECT_TRUE(ddl::rename_table_ok(r, num(2))
                  ? ddl::gen_rename_table(r, m, num(2), "INVAUX", "INVOICE", invoice_key, "y")
                  : ddl::gen_copy_table(r, m, num(2), "INVAUX", "INVOICE", invoice_key, "y"));
  if (logic::alter_add_col_ok(r, num(1))) EXPECT_TRUE(ddl::gen_alter_add(r, m, num(1), "CUSTOMER", {num(10)}));
  EXPECT_TRUE(ddl::gen_pk_or_index(r, num(1), {"ICUSTOMER2", "d", {num(2)}}, "CUSTOMER"));
  EXPECT_TRUE(ddl::gen_create_index(r, m, num(2), "INVOICE", {"IINVOICE2", "d", {num(1)}}, "p"));
  EXPECT_TRUE(ddl::gen_create_index(r, m, num(2), "INVOICE", {"IINVOICE3", "d", {num(-4)}}, "p"));
  EXPECT_TRUE(ddl::gen_foreign_keys(r, m, num(2), "INVOICE"));
  if (logic::alter_drop_col_ok(r, num(1))) EXPECT_TRUE(ddl::gen_alter_drop(r, m, num(1), "CUSTOMER", {num(9)}));
  EXPECT_EQ(f.errors, std::vector<std::string>{});
  std::vector<JavaStatement> out = statements_of(f);
  out.insert(out.begin() + static_cast<std::ptrdiff_t>(conversion),
             {"INSERT INTO INVAUX (InvId, CustId, InvDate) SELECT InvId, CustId, InvDate FROM INVOICE", "", {}});
  return out;
}

// Every statement ran, but for the tolerated refusals.
void expect_ran(const std::vector<std::string>& sent, const sqlcheck::ScriptResult& r) {
  EXPECT_EQ(sqlcheck::unexpected_refusals(sent, r), std::vector<std::string>{});
}

const char* kPgRows =
    "SELECT 'row customer ' || custid || ' ' || trim(custname) FROM customer "
    "UNION ALL SELECT 'row invoice ' || invid || ' ' || custid || ' ' || invdate FROM invoice UNION ALL ";
const char* kSqliteRows =
    "SELECT 'row customer ' || CustId || ' ' || trim(CustName) FROM CUSTOMER "
    "UNION ALL SELECT 'row invoice ' || InvId || ' ' || CustId || ' ' || InvDate FROM INVOICE UNION ALL ";

// What a run of the programs takes: no statement failed, so no warning
// block is entered.
std::vector<std::string> run_path(const std::vector<JavaStatement>& program) {
  return sqlcheck::on_path(program, [](const std::string&) { return false; });
}

TEST(ReorgJudges, Db2ProgramsOnPostgresAndSqlite) {
  const std::string db2 = "ddl_option('DTASRC', '5').";
  const auto old_db = old_database(db2);
  const auto program = run_path(reorganisation(db2));
  std::vector<std::string> sent = old_db;
  sent.insert(sent.end(), program.begin(), program.end());

  const std::vector<Difference> pg = {
      {"LONG VARCHAR", "TEXT", "DB2's long text type; PostgreSQL calls it TEXT"},
      {"^(LOCK TABLE .*)$", "BEGIN; $1; COMMIT",
       "the program holds its locks in its transaction; PostgreSQL locks only inside one"},
  };
  const auto pg_sent = sqlcheck::for_judge(sent, pg);
  const auto p = sqlcheck::postgres_script(pg_sent, std::string(kPgRows) + sqlcheck::kPgCatalogue);
  expect_ran(pg_sent, p);
  // DB2 drops no column (the capability table gives it no ALTER TABLE
  // DROP): the removed Phone stays. ICUSTOMER2 went with the old model.
  EXPECT_EQ(p.rows, (std::vector<std::string>{
                        "col customer custid numeric 6 0 NO",
                        "col customer custname character 30 - YES",
                        "col customer phone character 20 - YES",
                        "col customer since date - - YES",
                        "col invoice amount numeric 8 2 YES",
                        "col invoice custid numeric 6 0 YES",
                        "col invoice invdate date - - YES",
                        "col invoice invid numeric 8 0 NO",
                        "col invoice invnote text - - YES",
                        "col product prodid numeric 6 0 NO",
                        "col product prodname character varying 40 - YES",
                        "con customer customer_pkey PRIMARY KEY (custid)",
                        "con invoice iinvoice2 FOREIGN KEY (custid) REFERENCES customer(custid)",
                        "con invoice invoice_pkey PRIMARY KEY (invid)",
                        "con product product_pkey PRIMARY KEY (prodid)",
                        "idx CREATE INDEX iinvoice2 ON public.invoice USING btree (custid)",
                        "idx CREATE INDEX iinvoice3 ON public.invoice USING btree (invdate DESC)",
                        "idx CREATE UNIQUE INDEX customer_pkey ON public.customer USING btree (custid)",
                        "idx CREATE UNIQUE INDEX invoice_pkey ON public.invoice USING btree (invid)",
                        "idx CREATE UNIQUE INDEX product_pkey ON public.product USING btree (prodid)",
                        "row customer 7 Ann",
                        "row invoice 70 7 2026-12-11",
                    }));

  const std::vector<Difference> lite = {
      {"^ALTER TABLE \\w+ (ADD|DROP) CONSTRAINT", "", "SQLite declares foreign keys only inside CREATE TABLE"},
      {"^COMMENT ON", "", "SQLite keeps no comments"},
      {"^LOCK TABLE", "", "SQLite locks the whole database, not a table"},
  };
  const auto lite_sent = sqlcheck::for_judge(sent, lite);
  const auto s = sqlcheck::sqlite_script(lite_sent, std::string(kSqliteRows) + sqlcheck::kSqliteCatalogue);
  expect_ran(lite_sent, s);
  // SQLite keeps the text after "CREATE INDEX" as written, and lists no
  // index of a primary key.
  EXPECT_EQ(s.rows, (std::vector<std::string>{
                        "col CUSTOMER CustId NUMERIC(6) 1 1",
                        "col CUSTOMER CustName CHAR(30) 0 0",
                        "col CUSTOMER Phone CHAR(20) 0 0",
                        "col CUSTOMER Since DATE 0 0",
                        "col INVOICE Amount NUMERIC(8,2) 0 0",
                        "col INVOICE CustId NUMERIC(6) 0 0",
                        "col INVOICE InvDate DATE 0 0",
                        "col INVOICE InvId NUMERIC(8) 1 1",
                        "col INVOICE InvNote LONG VARCHAR 0 0",
                        "col PRODUCT ProdId NUMERIC(6) 1 1",
                        "col PRODUCT ProdName VARCHAR(40) 0 0",
                        "idx CREATE INDEX IINVOICE2 ON INVOICE (CustId)",
                        "idx CREATE INDEX IINVOICE3 ON INVOICE (InvDate DESC)",
                        "row customer 7 Ann",
                        "row invoice 70 7 2026-12-11",
                    }));
}

// --- the reorganisation cases --------------------------------------------------------------

namespace fs = std::filesystem;
const fs::path kCases = fs::path(QN_SOURCE_DIR) / "logic/reorg/testdata";

// A case's facts and the statements of its three programs, in program
// order: qnrgza, its pieces qnrgza1, qnrgza2 ..., then qnrgzb and qnrgzc.
struct Case {
  std::string facts;
  std::vector<JavaStatement> program;
  std::string error;
};

Case reorg_case(const std::string& name) {
  Case c;
  const fs::path dir = kCases / name;
  c.facts = logic::golden::read_text(dir / "facts.pl");
  if (c.facts.empty()) c.error = name + "/facts.pl is missing";
  std::vector<std::pair<std::pair<char, int>, fs::path>> files;
  if (fs::is_directory(dir / "expected")) {
    for (const auto& e : fs::directory_iterator(dir / "expected")) {
      static const std::regex kProgram(R"(qnrgz([abc])(\d*)\.java)", std::regex::icase);
      std::smatch m;
      const std::string file = e.path().filename().string();
      if (!std::regex_match(file, m, kProgram)) continue;
      const int piece = m[2].length() ? std::stoi(m[2]) : 0;
      files.push_back({{static_cast<char>(std::tolower(m[1].str()[0])), piece}, e.path()});
    }
  }
  std::sort(files.begin(), files.end());
  for (const char part : {'a', 'b', 'c'}) {
    if (std::none_of(files.begin(), files.end(), [&](const auto& f) { return f.first.first == part; })) {
      c.error += name + "/expected has no qnrgz" + std::string(1, part) + ".java. ";
    }
  }
  for (const auto& [order, path] : files) {
    const auto got = sqlcheck::direct_sql_statements(logic::golden::read_text(path));
    if (!got.error.empty()) c.error += path.filename().string() + ": " + got.error + ". ";
    c.program.insert(c.program.end(), got.statements.begin(), got.statements.end());
  }
  return c;
}

// The old model of a case: the facts describe the new one, and each
// new_tables/3 entry says what changed. A new table is not there yet; new
// columns (nn) are not and removed ones (del) are; an index the
// reorganisation creates (ic) is not there, one it drops (id) is, with
// the attributes `old_facts` gives it (kb_index/5), as the case does not
// hold them. Tables keep their old names (kb_tblname/2); ren_i/2 holds the
// new ones.
void to_old_model(DdlFixture& f) {
  auto& facts = f.run.facts();
  for (const Term& entry : f.facts("new_tables", 3)) {
    const Term table = entry.arg(1);
    const auto items = entry.arg(3).list_items();
    bool created = entry.arg(2) == "new";
    for (size_t i = 2; i < items.size(); ++i) created = created || items[i] == "new";
    const Term any = Term::fresh_var();
    if (created) {
      facts.retract_all(Term::compound("kb_table", {table, any, Term::fresh_var(), Term::fresh_var()}));
      continue;
    }
    for (size_t i = 2; i < items.size(); ++i) {
      const Term& item = items[i];
      if (item.is_compound() && item.functor() == "ic") {
        facts.retract_all(Term::compound("kb_index", {table, Term::fresh_var(), item.arg(1), Term::fresh_var(),
                                                      Term::fresh_var()}));
      }
      if (!item.is_compound() || item.functor() != "att") continue;
      for (const Term& t : f.facts("kb_table", 4)) {
        if (!(t.arg(1) == table)) continue;
        std::vector<Term> atts = t.arg(3).list_items();
        for (const Term& change : item.arg(1).list_items()) {
          const auto ch = change.list_items();
          if (ch.size() != 2) continue;
          if (ch[1] == "nn") std::erase(atts, ch[0]);
          if (ch[1] == "del") atts.push_back(ch[0]);
        }
        facts.retract_all(t);
        facts.assertz(Term::compound("kb_table", {table, t.arg(2), Term::list(atts), t.arg(4)}));
      }
    }
  }
}

// The old model's database, written by the DDL writers from the case's
// facts: every table with its key, its other indexes, then the foreign keys.
std::vector<std::string> old_database(const Case& c, const std::string& old_facts) {
  DdlFixture f(c.facts + old_facts);
  to_old_model(f);
  logic::Run& r = f.run;
  const Term m = num(5);
  auto name_of = [&](const Term& table) {
    for (const Term& n : f.facts("kb_tblname", 2)) {
      if (n.arg(1) == table) return logic::text_of(n.arg(2));
    }
    return std::string();
  };
  for (const Term& t : f.facts("kb_table", 4)) {
    std::string key;
    for (const Term& i : f.facts("kb_index", 5)) {
      if (i.arg(1) == t.arg(1) && i.arg(4).as_int() == 1 && key.empty()) key = logic::text_of(i.arg(3));
    }
    EXPECT_TRUE(logic::ddl::create_table(r, m, t.arg(1), name_of(t.arg(1)), key, "pk", t.arg(4).list_items(), "p"));
    for (const Term& i : f.facts("kb_index", 5)) {
      if (!(i.arg(1) == t.arg(1)) || logic::text_of(i.arg(3)) == key) continue;
      EXPECT_TRUE(logic::ddl::gen_create_index(r, m, t.arg(1), name_of(t.arg(1)),
                                               {logic::text_of(i.arg(3)), i.arg(4).as_int() == 1 ? "u" : "d",
                                                i.arg(5).list_items()},
                                               "p"));
    }
  }
  for (const Term& t : f.facts("kb_table", 4)) {
    EXPECT_TRUE(logic::ddl::gen_foreign_keys(r, m, t.arg(1), name_of(t.arg(1))));
  }
  EXPECT_EQ(f.errors, std::vector<std::string>{});
  return sqlcheck::on_path(statements_of(f), [](const std::string&) { return false; });
}

// PostgreSQL's catalogue and SQLite's, each of the public schema and of
// the schemas given.

TEST(ReorgJudges, ColumnsOnlyCaseOnPostgresAndSqlite) {
  const Case c = reorg_case("reorg_columns_only");
  ASSERT_EQ(c.error, "");
  std::vector<std::string> sent = old_database(c, "");
  for (const std::string& s : run_path(c.program)) sent.push_back(s);

  const std::vector<Difference> pg = {
      {"ADD \\((.*)\\)$", "ADD $1", "Oracle lists added columns in parentheses; PostgreSQL takes one ADD per column"},
      {" LONG\\b", " TEXT", "Oracle's long text type; PostgreSQL calls it TEXT"},
      {"^(LOCK TABLE .*)$", "BEGIN; $1; COMMIT",
       "the program holds its locks in its transaction; PostgreSQL locks only inside one"},
  };
  const auto pg_sent = sqlcheck::for_judge(sent, pg);
  const auto p = sqlcheck::postgres_script(pg_sent, sqlcheck::kPgCatalogue);
  expect_ran(pg_sent, p);
  EXPECT_EQ(p.rows, (std::vector<std::string>{
                        "col customer custid numeric 6 0 NO",
                        "col customer custmail text - - YES",
                        "col customer custname character 30 - YES",
                        "con customer customer_pkey PRIMARY KEY (custid)",
                        "idx CREATE UNIQUE INDEX customer_pkey ON public.customer USING btree (custid)",
                    }));

  const std::vector<Difference> lite = {
      {"ADD \\((.*)\\)$", "ADD $1", "Oracle puts an added column in parentheses; SQLite takes it bare"},
      {"^LOCK TABLE", "", "SQLite locks the whole database, not a table"},
  };
  const auto lite_sent = sqlcheck::for_judge(sent, lite);
  const auto s = sqlcheck::sqlite_script(lite_sent, sqlcheck::kSqliteCatalogue);
  expect_ran(lite_sent, s);
  EXPECT_EQ(s.rows, (std::vector<std::string>{
                        "col CUSTOMER CustId NUMERIC(6) 1 1",
                        "col CUSTOMER CustMail LONG 0 0",
                        "col CUSTOMER CustName CHAR(30) 0 0",
                    }));
}

}  // namespace
}  // namespace qn
