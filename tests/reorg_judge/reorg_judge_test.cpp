// The reorganisation programs judged by real programs. Their statements
// are the literals the generated Java hands the direct-SQL executor, taken
// from the expected files of the reorganisation cases (logic/reorg/
// testdata) in program order: qnrgza, its pieces, qnrgzb, qnrgzc.
//
// - PostgreSQL 15 (the cluster of tests/sql_check) and SQLite first hold
//   the old model's tables, written by the DDL writers from the case's
//   facts, then run the programs' statements: those of a DB2 model
//   (reorg_full, with a SQL Server data store) and of an Oracle one, whose
//   numbers, texts and dates take the other systems' types
//   (reorg_columns_only). Their catalogues are then compared with the new
//   model: columns, types, nullability, keys, indexes, foreign keys.
// - python3-sqlglot parses the Oracle and SQL Server statements, and
//   node-sql-parser the DB2 ones.
// Where a dialect writes a statement differently from the judge, the
// difference is listed with its reason; where a parser lacks a construct
// its DBMS documents, the construct is listed; where the programs leave
// something other than the new model, the deviation is listed. Each listed
// item must occur. Nothing else is changed or left out. A missing judge
// fails, naming its package.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "logic/core/golden.h"
#include "logic/java/java_naming.h"
#include "logic/sql/ddl/ddl_fixture.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"
#include "tests/sql_check/ddl_judges.h"
#include "tests/sql_check/java_statements.h"

namespace qn {
namespace {

using engine::Term;
using logic::num;
using logic::ddl::test::DdlFixture;
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
            ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", "DROP " + "TABLE SALES.CUSTAUX", "FNF") ;
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
      {"ALTER TABLE INVOICE ADD CONSTRAINT IINVOICE2 FOREIGN KEY (CustId) REFERENCES CUSTOMER (CustId)", "db2", "", {}},
      {"RENAME SALES.CUSTAUX TO SALES.CUSTOMER", "oracle7", "", {{owner, false}}},
      {"INSERT INTO SALES.CUSTOMER (CustId) SELECT CustId FROM SALES.CUSTAUX T1", "oracle7", "", {{owner, true}}},
      {"DROP TABLE SALES.CUSTAUX", "oracle7", "FNF", {{owner, true}, {"Err == 106", true}, {"Err == 105", false}}},
      {"COMMENT ON TABLE CUSTOMER IS 'Customer''s \"file\"\\ A\xE9'", "db2", "", {}},
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

// --- the reorganisation cases and their judges ---------------------------------------------

std::vector<JavaStatement> statements_of(DdlFixture& f) {
  std::string java;
  for (const std::string& l : f.lines()) java += l + "\n";
  const auto got = sqlcheck::direct_sql_statements(java);
  EXPECT_EQ(got.error, "");
  return got.statements;
}

// Each listed difference (or lacking construct) is one the statements have.
template <typename Listed>
void expect_listed_used(const std::vector<std::string>& sent, const std::vector<Listed>& differences) {
  for (const Listed& d : differences) {
    const std::regex re(d.pattern);
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(), [&](const std::string& x) { return std::regex_search(x, re); }))
        << "no statement has the listed " << d.pattern << " (" << d.reason << ")";
  }
}

// Every statement ran, but for the tolerated refusals.
void expect_ran(const std::vector<std::string>& sent, const sqlcheck::ScriptResult& r) {
  EXPECT_EQ(sqlcheck::unexpected_refusals(sent, r), std::vector<std::string>{});
}

// What a run of the programs takes where no statement failed: no warning
// block is entered.
std::vector<std::string> run_path(const std::vector<JavaStatement>& program) {
  return sqlcheck::on_path(program, [](const std::string&) { return false; });
}

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
      static const std::regex kProgramFile(R"(qnrgz([abc])(\d*)\.java)", std::regex::icase);
      std::smatch m;
      const std::string file = e.path().filename().string();
      if (!std::regex_match(file, m, kProgramFile)) continue;
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
    if (created) {
      facts.retract_all(Term::compound("kb_table", {table, Term::fresh_var(), Term::fresh_var(), Term::fresh_var()}));
      continue;
    }
    for (size_t i = 2; i < items.size(); ++i) {
      const Term& item = items[i];
      if (item.is_compound() && item.functor() == "id") {
        const auto indexes = f.facts("kb_index", 5);
        EXPECT_TRUE(std::any_of(indexes.begin(), indexes.end(), [&](const Term& x) { return x.arg(3) == item.arg(1); }))
            << "the old model's index " << logic::text_of(item.arg(1)) << " needs its kb_index/5 fact";
      }
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
  return run_path(statements_of(f));
}

// Where what the programs leave differs from the new model: the model's
// row (empty for a row the model does not have), the row found instead
// (empty when there is none), and why.
struct Deviation {
  const char* model;
  const char* found;
  const char* reason;
};

// The catalogue the programs should leave: the model's rows with the
// listed deviations, in the catalogue's order.
std::vector<std::string> with(std::vector<std::string> model, const std::vector<Deviation>& deviations) {
  for (const Deviation& d : deviations) {
    if (*d.model) {
      const auto at = std::find(model.begin(), model.end(), d.model);
      EXPECT_NE(at, model.end()) << d.model;
      if (at != model.end()) model.erase(at);
    }
    if (*d.found) model.push_back(d.found);
  }
  std::sort(model.begin(), model.end());
  return model;
}

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
  expect_listed_used(sent, pg);
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
  expect_listed_used(sent, lite);
  const auto lite_sent = sqlcheck::for_judge(sent, lite);
  const auto s = sqlcheck::sqlite_script(lite_sent, sqlcheck::kSqliteCatalogue);
  expect_ran(lite_sent, s);
  EXPECT_EQ(s.rows, (std::vector<std::string>{
                        "col CUSTOMER CustId NUMERIC(6) 1 1",
                        "col CUSTOMER CustMail LONG 0 0",
                        "col CUSTOMER CustName CHAR(30) 0 0",
                    }));
}

// reorg_full's new model as PostgreSQL's catalogue shows it: CUSTOMER,
// INVOICE with its foreign key to CUSTOMER, ORDERLINE (formerly ORDLINE)
// with its foreign key to SALES.ITEM (formerly SALES.PRODUCT), LOG, and
// NOTE on SQL Server (int is PostgreSQL's integer) with NoteMail in place
// of NoteFax, its index INOTE2 made and INOTE3 gone; PRODUCT's row in ITEM.
const std::vector<std::string> kFullModelPg = {
    "col customer custid numeric 6 0 NO",
    "col customer custname character 30 - YES",
    "col invoice custid numeric 6 0 YES",
    "col invoice invdate date - - YES",
    "col invoice invid numeric 8 0 NO",
    "col log logid numeric 8 0 NO",
    "col log logtext text - - YES",
    "col note noteid integer 32 0 NO",
    "col note notemail text - - YES",
    "col orderline invid numeric 8 0 NO",
    "col orderline lineno numeric 4 0 NO",
    "col orderline prodid numeric 6 0 YES",
    "col orderline qty numeric 6 0 YES",
    "col sales.item prodid numeric 6 0 NO",
    "col sales.item prodname character 20 - YES",
    "con customer customer_pkey PRIMARY KEY (custid)",
    "con invoice iinvoice2 FOREIGN KEY (custid) REFERENCES customer(custid)",
    "con invoice invoice_pkey PRIMARY KEY (invid)",
    "con log log_pkey PRIMARY KEY (logid)",
    "con note note_pkey PRIMARY KEY (noteid)",
    "con orderline iordline2 FOREIGN KEY (prodid) REFERENCES sales.item(prodid)",
    "con orderline orderline_pkey PRIMARY KEY (invid, lineno)",
    "con sales.item item_pkey PRIMARY KEY (prodid)",
    "idx CREATE INDEX icustomer2 ON public.customer USING btree (custname)",
    "idx CREATE INDEX iinvoice2 ON public.invoice USING btree (custid)",
    "idx CREATE INDEX inote2 ON public.note USING btree (notemail)",
    "idx CREATE INDEX iordline2 ON public.orderline USING btree (prodid)",
    "idx CREATE UNIQUE INDEX customer_pkey ON public.customer USING btree (custid)",
    "idx CREATE UNIQUE INDEX invoice_pkey ON public.invoice USING btree (invid)",
    "idx CREATE UNIQUE INDEX item_pkey ON sales.item USING btree (prodid)",
    "idx CREATE UNIQUE INDEX log_pkey ON public.log USING btree (logid)",
    "idx CREATE UNIQUE INDEX note_pkey ON public.note USING btree (noteid)",
    "idx CREATE UNIQUE INDEX orderline_pkey ON public.orderline USING btree (invid, lineno)",
    "rows item 1",
};
// What the programs leave otherwise.
const char* const kOrdlineKept = "the renamed ORDLINE (kind pk) is never dropped: the copy drops its temporary table";
const char* const kTmpprodKept =
    "PRODUCT's kind same keeps the old table, and the copy applies that to the temporary SALES.TMPPROD";
const char* const kProductKept = "kind same: the old table stays";
const char* const kRowLost =
    "no conversion program runs for kind same, so the copy moves the empty SALES.TMPPROD into ITEM; the "
    "row stays in the kept SALES.PRODUCT";
const char* const kOldTarget =
    "the foreign key names the referenced table by its old name: SALES.PRODUCT, not SALES.ITEM";
const std::vector<Deviation> kFullDeviationsPg = {
    {"", "col ordline invid numeric 8 0 NO", kOrdlineKept},
    {"", "col ordline lineno numeric 4 0 NO", kOrdlineKept},
    {"", "col ordline prodid numeric 6 0 YES", kOrdlineKept},
    {"", "col ordline qty numeric 6 0 YES", kOrdlineKept},
    {"", "con ordline ordline_pkey PRIMARY KEY (invid, lineno)", kOrdlineKept},
    {"", "idx CREATE UNIQUE INDEX ordline_pkey ON public.ordline USING btree (invid, lineno)", kOrdlineKept},
    {"", "col sales.tmpprod prodid numeric 6 0 NO", kTmpprodKept},
    {"", "col sales.tmpprod prodname character 20 - YES", kTmpprodKept},
    {"", "col sales.product prodid numeric 6 0 NO", kProductKept},
    {"", "col sales.product prodname character 20 - YES", kProductKept},
    {"", "con sales.product product_pkey PRIMARY KEY (prodid)", kProductKept},
    {"", "idx CREATE UNIQUE INDEX product_pkey ON sales.product USING btree (prodid)", kProductKept},
    {"con orderline iordline2 FOREIGN KEY (prodid) REFERENCES sales.item(prodid)",
     "con orderline iordline2 FOREIGN KEY (prodid) REFERENCES sales.product(prodid)", kOldTarget},
    {"rows item 1", "rows item 0", kRowLost},
};
// The same on SQLite, which keeps the declared types and no index of a
// key, and is given no foreign key.
const std::vector<std::string> kFullModelSqlite = {
    "col CUSTOMER CustId NUMERIC(6) 1 1",
    "col CUSTOMER CustName CHAR(30) 0 0",
    "col INVOICE CustId NUMERIC(6) 0 0",
    "col INVOICE InvDate DATE 0 0",
    "col INVOICE InvId NUMERIC(8) 1 1",
    "col LOG LogId NUMERIC(8) 1 1",
    "col LOG LogText LONG VARCHAR 0 0",
    "col NOTE NoteId INT 1 1",
    "col NOTE NoteMail TEXT 0 0",
    "col ORDERLINE InvId NUMERIC(8) 1 1",
    "col ORDERLINE LineNo NUMERIC(4) 1 2",
    "col ORDERLINE ProdId NUMERIC(6) 0 0",
    "col ORDERLINE Qty NUMERIC(6) 0 0",
    "col SALES.ITEM ProdId NUMERIC(6) 1 1",
    "col SALES.ITEM ProdName CHAR(20) 0 0",
    "idx CREATE INDEX ICUSTOMER2 ON CUSTOMER (CustName)",
    "idx CREATE INDEX IINVOICE2 ON INVOICE (CustId)",
    "idx CREATE INDEX INOTE2 ON NOTE (NoteMail)",
    "idx CREATE INDEX IORDLINE2 ON ORDERLINE (ProdId)",
    "rows item 1",
};
const std::vector<Deviation> kFullDeviationsSqlite = {
    {"", "col ORDLINE InvId NUMERIC(8) 1 1", kOrdlineKept},
    {"", "col ORDLINE LineNo NUMERIC(4) 1 2", kOrdlineKept},
    {"", "col ORDLINE ProdId NUMERIC(6) 0 0", kOrdlineKept},
    {"", "col ORDLINE Qty NUMERIC(6) 0 0", kOrdlineKept},
    {"", "col SALES.TMPPROD ProdId NUMERIC(6) 1 0", kTmpprodKept},
    {"", "col SALES.TMPPROD ProdName CHAR(20) 0 0", kTmpprodKept},
    {"", "col SALES.PRODUCT ProdId NUMERIC(6) 1 1", kProductKept},
    {"", "col SALES.PRODUCT ProdName CHAR(20) 0 0", kProductKept},
    {"rows item 1", "rows item 0", kRowLost},
};

// reorg_full: a DB2 model under referential integrity, with PRODUCT
// under the schema SALES and NOTE on a SQL Server data store. Its old
// model had NOTE's index INOTE3 on the removed NoteFax.
TEST(ReorgJudges, FullCaseOnPostgresAndSqlite) {
  const Case c = reorg_case("reorg_full");
  ASSERT_EQ(c.error, "");
  std::vector<std::string> old_db = old_database(c, "kb_index(6, 3, 'INOTE3', 0, [12]).");
  // PRODUCT holds a row; it is renamed ITEM without a conversion program
  // (kind same).
  old_db.push_back("INSERT INTO SALES.PRODUCT (ProdId, ProdName) VALUES (1, 'Bolt')");
  const std::string rows = "SELECT 'rows item ' || count(*) FROM SALES.ITEM UNION ALL ";
  // The run of the schema's owner, and of another user (who creates ITEM
  // in the second program already): both leave the same tables.
  for (const bool owner : {true, false}) {
    SCOPED_TRACE(owner ? "run by the schema's owner" : "run by another user");
    const auto taken = [owner](const std::string& condition) {
      if (condition.find("userId") == std::string::npos) return false;
      return (condition.find("!= 0") != std::string::npos) != owner;
    };
    std::vector<std::string> sent = old_db;
    for (const std::string& s : sqlcheck::on_path(c.program, taken)) sent.push_back(s);

    // The schema SALES was made with the database, before its tables.
    std::vector<std::string> pg_sent = {"CREATE SCHEMA SALES"};
    const std::vector<Difference> pg = {
        {"LONG VARCHAR", "TEXT", "DB2's long text type; PostgreSQL calls it TEXT"},
        {"^(LOCK TABLE .*)$", "BEGIN; $1; COMMIT",
         "the program holds its locks in its transaction; PostgreSQL locks only inside one"},
        {"^DROP INDEX NOTE\\.", "DROP INDEX ", "SQL Server names an index by its table; PostgreSQL by its schema"},
    };
    expect_listed_used(sent, pg);
    for (const std::string& s : sqlcheck::for_judge(sent, pg)) pg_sent.push_back(s);
    const auto p = sqlcheck::postgres_script(pg_sent, rows + sqlcheck::kPgCatalogue);
    expect_ran(pg_sent, p);
    EXPECT_EQ(p.rows, with(kFullModelPg, kFullDeviationsPg));

    // SQLite holds the schema as an attached database.
    std::vector<std::string> lite_sent = {"ATTACH DATABASE ':memory:' AS SALES"};
    const std::vector<Difference> lite = {
        {"^ALTER TABLE \\S+ (ADD|DROP) CONSTRAINT", "", "SQLite declares foreign keys only inside CREATE TABLE"},
        {"^LOCK TABLE", "", "SQLite locks the whole database, not a table"},
        {"^DROP INDEX NOTE\\.", "DROP INDEX ", "SQL Server names an index by its table; SQLite by its schema"},
    };
    expect_listed_used(sent, lite);
    for (const std::string& s : sqlcheck::for_judge(sent, lite)) lite_sent.push_back(s);
    const auto s = sqlcheck::sqlite_script(lite_sent, rows + sqlcheck::sqlite_catalogue({"SALES"}));
    expect_ran(lite_sent, s);
    EXPECT_EQ(s.rows, with(kFullModelSqlite, kFullDeviationsSqlite));
  }
}

// --- dialect parsers ---------------------------------------------------------------------

// Every statement of a program, on every branch.
std::vector<std::string> every_statement(const std::vector<JavaStatement>& program) {
  std::vector<std::string> out;
  for (const JavaStatement& s : program) out.push_back(s.sql);
  return out;
}

// The Oracle statements of reorg_columns_only and the SQL Server ones of
// reorg_full (those of NOTE, on its SQL Server data store).
TEST(ReorgJudges, OracleAndSqlServerStatementsParse) {
  const Case oracle = reorg_case("reorg_columns_only");
  const Case full = reorg_case("reorg_full");
  ASSERT_EQ(oracle.error + full.error, "");
  std::vector<std::pair<std::string, std::string>> sent;
  for (const std::string& s : every_statement(oracle.program)) sent.emplace_back(s, "oracle");
  for (const std::string& s : every_statement(full.program)) {
    if (std::regex_search(s, std::regex("\\bNOTE\\b"))) sent.emplace_back(s, "tsql");
  }
  const std::vector<Lacking> lacking = {
      {"^LOCK TABLE \\S+ IN EXCLUSIVE MODE", "sqlglot 10 has no LOCK TABLE (Oracle documents LOCK TABLE t IN "
                                            "EXCLUSIVE MODE [NOWAIT])"},
      {" ADD \\(", "no Oracle ADD (column, ...)"},
  };
  std::vector<std::string> texts;
  for (const auto& st : sent) texts.push_back(st.first);
  expect_listed_used(texts, lacking);
  const auto given = sqlcheck::without(sent, lacking);
  EXPECT_FALSE(given.empty());
  const sqlcheck::ParserRun r = sqlcheck::sqlglot_parse(given);
  ASSERT_EQ(r.missing, "");
  EXPECT_EQ(r.status, 0) << r.output;
}

// The DB2 statements of reorg_full (all but NOTE's).
TEST(ReorgJudges, Db2StatementsParse) {
  const Case full = reorg_case("reorg_full");
  ASSERT_EQ(full.error, "");
  std::vector<std::string> sent;
  for (const std::string& s : every_statement(full.program)) {
    if (!std::regex_search(s, std::regex("\\bNOTE\\b"))) sent.push_back(s);
  }
  // node-sql-parser's DB2 grammar covers only part of what DB2 documents.
  const std::vector<Lacking> lacking = {
      {"^LOCK TABLE ", "no LOCK TABLE ... IN EXCLUSIVE MODE (it knows LOCK TABLES only), which DB2 documents"},
      {"LONG VARCHAR", "no LONG VARCHAR column type, which DB2 documents"},
      {"^CREATE +(UNIQUE +)?INDEX ", "no CREATE INDEX"},
      {"^DROP INDEX \\w+$", "no DROP INDEX without ON (DB2's own form)"},
      {" DROP CONSTRAINT ", "no ALTER TABLE ... DROP CONSTRAINT"},
  };
  expect_listed_used(sent, lacking);
  const auto given = sqlcheck::without(sent, lacking);
  EXPECT_FALSE(given.empty());
  const sqlcheck::ParserRun r = sqlcheck::node_sql_parser_parse(given, "db2");
  ASSERT_EQ(r.missing, "");
  EXPECT_EQ(r.status, 0) << r.output;
}

}  // namespace
}  // namespace qn
