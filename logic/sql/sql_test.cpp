// SELECT text, statements and their Java; every statement text is judged
// by SQLite and PostgreSQL (tests/sql_check/), each case naming the
// verdict it expects of each judge ("ok", or "-" for a construct that
// judge's database lacks), so lost coverage shows in this table.
#include <gtest/gtest.h>

#include <random>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/sql/cursors.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/text_utils.h"
#include "tests/sql_check/sql_check.h"

namespace qn::logic {
namespace {

using engine::Term;
Term t(const std::string& text) { return *engine::parse_term(text); }

// The cluster goes before the scratch folder does.
struct PgEnvironment : ::testing::Environment {
  void TearDown() override { sqlcheck::stop_postgres(); }
};
const auto* const kPgEnv = ::testing::AddGlobalTestEnvironment(new PgEnvironment);

const char* kModel = R"(
attri_i('CustId', ['CustId', int, 6, 0, '', 1]).
attri_i('CustName', ['CustName', char, 30, 0, '', 1]).
attri_i('CustDate', ['CustDate', date, 8, 0, '', 1]).
attri_i('CustNote', ['CustNote', vchar, 200, 0, '', 1]).
attri_i('OrdId', ['OrdId', int, 6, 0, '', 1]).
attri_i('OrdTotal', ['OrdTotal', pac, 10, 2, '', 0]).
attri_i('&Name', ['&Name', char, 30, 0, '', 1]).
attri_i('&Id', ['&Id', int, 6, 0, '', 1]).
table_i(1, 'CUSTOMER').
table_i(2, 'ORDERS').
)";

const sqlcheck::Schema kSchema{{
    "CREATE TABLE CUSTOMER (CustId NUMERIC(6,0), CustName CHAR(30), CustDate DATE, CustNote VARCHAR(200))",
    "CREATE TABLE ORDERS (OrdId NUMERIC(6,0), CustId NUMERIC(6,0), OrdTotal NUMERIC(10,2))",
}};

struct Fixture {
  explicit Fixture(const std::string& dtasrc, const std::string& extra = "",
                   const std::string& kind = "proc")
      : run(eng) {
    const std::string facts = std::string(kModel) + "spec_i([" + kind + ", 3, 'Title', 'Calc', 0, 0]).\n" +
                              "rule_i(0, prop('DTASRC', '" + dtasrc + "')).\n" + extra;
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
    // The knowledge base's table names; its attribute lists are not needed.
    run.stand_in_host("i_all_atrisr", 3, [](Run&, std::span<Term>) { return false; });
    run.stand_in_host("i_tblname", 3, [](Run&, std::span<Term> a) {
      if (!a[1].is_int() || a[1].as_int() < 1 || a[1].as_int() > 2) return false;
      a[2] = engine::Term::string(a[1].as_int() == 1 ? "CUSTOMER" : "ORDERS");
      return true;
    });
  }
  std::vector<std::string> lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  logic::Run run;
};

// Both judges' verdicts against what the case expects.
void judge(const std::string& sql, const std::string& sqlite, const std::string& pg) {
  const std::string sv = sqlcheck::sqlite_verdict(kSchema, sql);
  const std::string pv = sqlcheck::postgres_verdict(kSchema, sql);
  if (sqlite == "ok") {
    EXPECT_EQ(sv, "") << "SQLite: " << sql;
  } else {
    EXPECT_NE(sv, "") << "SQLite accepts " << sql << " (expected to lack " << sqlite << ")";
  }
  if (pg == "ok") {
    EXPECT_EQ(pv, "") << "PostgreSQL: " << sql;
  } else {
    EXPECT_NE(pv, "") << "PostgreSQL accepts " << sql << " (expected to lack " << pg << ")";
  }
}

std::string params_text(const std::vector<Term>& params) {
  std::string out;
  for (const Term& p : params) out += engine::writeq(p) + " ";
  return out;
}

struct SelectCase {
  const char* name;
  const char* dtasrc;
  const char* extra;  // more facts
  const char* kind;   // object kind
  const char* read_kind;
  const char* cardinality;
  const char* columns;  // a list of column terms
  const char* tables;
  const char* where_items;
  const char* conds;
  const char* order;
  bool updated;
  const char* text;
  const char* params;
  const char* comments;
  const char* sqlite;
  const char* pg;
};

std::vector<Term> items(const char* list) { return t(list).list_items(); }

SelectText run_select(Fixture& f, const SelectCase& c) {
  SelectRequest s;
  s.level = num(1);
  s.read_kind = c.read_kind;
  s.cardinality = c.cardinality;
  s.columns = items(c.columns);
  s.tables = items(c.tables);
  s.where_items = items(c.where_items);
  s.conds = items(c.conds);
  s.order = items(c.order);
  s.updated = c.updated;
  return sql_select_stmt(f.run, s);
}

const SelectCase kSelects[] = {
    {"one table, LIKE and descending order on sqlserver", "12", "", "proc", "b", "many",
     "[[1, 'CustId'], [1, 'CustName']]", "[[1]]", "[]",
     "[c([t('CustName', 2), t('.LIKE.', 10), t('&Name', 23)], [])]", "[[1, -('CustId')]]", false,
     "SELECT CustId, CustName  FROM CUSTOMER (NOLOCK) WHERE (CustName LIKE (rtrim(?) + '%')) ORDER BY "
     "CustId DESC  ",
     "t('&Name',23) ", "", "ok", "-text + text"},
    {"sqlserver table updated at the level", "12", "", "proc", "s", "many", "[[1, 'CustName']]", "[[1]]",
     "[]", "[]", "[]", true, "SELECT CustName  FROM CUSTOMER (UPDLOCK)    ", "", "", "ok", "ok"},
    {"two tables aliased, joined by a where item, on oracle", "7", "", "proc", "b", "many",
     "[[1, 'CustName'], [2, 'OrdTotal']]", "[[1], [2]]",
     "[w(2, 'CustId', '=', col(1, 'CustId')), w(1, 'CustId', '=', t('&Id', 23))]", "[]", "[]", false,
     "SELECT T1.CustName, T2.OrdTotal  FROM CUSTOMER T1, ORDERS T2 WHERE T2.CustId = T1.CustId AND "
     "T1.CustId = ?   FOR UPDATE OF CustId, CustId NOWAIT",
     "t('&Id',23) ", "", "ok", "ok"},
    {"informix LIKE pads with trim TRAILING", "11", "", "proc", "b", "many", "[[1, 'CustId']]", "[[1]]",
     "[]", "[c([t('CustName', 2), t('.LIKE.', 10), t('&Name', 23)], [])]", "[]", false,
     "SELECT CustId  FROM CUSTOMER WHERE (CustName LIKE (trim( TRAILING FROM ?) || '%'))   ",
     "t('&Name',23) ", "", "-trim( TRAILING FROM", "ok"},
    {"db2 LIKE with CONCAT and FOR FETCH ONLY", "5", "", "proc", "ro", "many", "[[1, 'CustId']]", "[[1]]",
     "[]", "[c([t('CustName', 2), t('.LIKE.', 10), t('&Name', 23)], [])]", "[]", false,
     "SELECT CustId  FROM CUSTOMER WHERE (CustName LIKE (rtrim(?) CONCAT '%'))   FOR FETCH ONLY",
     "t('&Name',23) ", "", "ok", "ok"},
    {"oracle null( of a character column, month(", "7", "", "proc", "ro", "many", "[[1, 'CustId']]",
     "[[1]]", "[]",
     "[c([t('null(', 1), t('CustName', 2), t(')', 4), t('.OR.', 9), t('month(', 1), t('CustDate', 2), "
     "t(')', 4), t('=', 10), t(12, 3)], [])]",
     "[]", false,
     "SELECT CustId  FROM CUSTOMER WHERE ((RTRIM(CustName) IS NULL) OR to_number( to_char(CustDate, "
     "'MM')) = 12)   ",
     "", "", "ok", "ok"},
    {"as400 empty date and char of blanks", "4", "", "proc", "ro", "many", "[[1, 'CustId']]", "[[1]]", "[]",
     "[c([t('null(', 1), t('CustDate', 2), t(')', 4), t('AND', 9), t('null(', 1), t('CustName', 2), "
     "t(')', 4)], [])]",
     "[]", false,
     "SELECT CustId  FROM CUSTOMER WHERE ((CustDate='00000000') AND (CustName='                              "
     "'))   FOR FETCH ONLY",
     "", "", "ok", "-'00000000' as a date"},
    {"an untranslatable condition drops, a numeric LIKE stays program code", "5", "", "proc", "ro", "many",
     "[[1, 'CustId']]", "[[1]]", "[]",
     "[c([t('CustId', 2), t('+', 5), t(1, 3), t('>', 10), t(5, 3)], []), c([t('CustId', 2), "
     "t('.LIKE.', 10), t('&Name', 23)], []), c([t('CustId', 2), t('>', 10), t('&Id', 23)], [])]",
     "[]", false, "SELECT CustId  FROM CUSTOMER WHERE (CustId > ?)   FOR FETCH ONLY", "t('&Id',23) ", "",
     "ok", "ok"},
    {"Qndbopts: no order, blocks of 20, fast first rows on db2", "5",
     "b_line_i(7, 1, 0, cmd, 0, [t('&Qndbopts', 23), t('=', 10), "
     "t('\" order = *none ; BlockSize=20;fastfirstrows=yes;Colour=red\"', 3)]).",
     "proc", "b", "many", "[[1, 'CustId']]", "[[1]]", "[]", "[]", "[[1, 'CustName']]", false,
     "SELECT CustId  FROM CUSTOMER    FOR FETCH ONLY OPTIMIZE FOR 20 ROWS", "",
     "Fast first rows optimization enabled. FastFirstRows=YES specified.|Fetching in blocks of 20 records. "
     "BLOCKSIZE= 20 specified.|Order clause NOT generated. ORDER=*NONE specified.|",
     "ok", "ok"},
    {"oracle transaction: first rows hint", "7", "", "trn", "b", "many",
     "[['count(', 1, 'CustId'], ['sum(', 1, 'CustId']]", "[[1]]", "[]", "[]", "[]", false,
     "SELECT /*+ FIRST_ROWS */ COUNT(*), SUM(CustId)  FROM CUSTOMER    ", "", "", "ok", "ok"},
    {"left join on db2", "5", "rule_i(0, prop('JOIN_TYPE', 'outer')).", "proc", "ro", "many",
     "[[1, 'CustName'], [2, 'OrdTotal']]", "[[1], oj([2])]",
     "[w(2, 'CustId', '=', col(1, 'CustId')), w(1, 'CustName', '=', t('\"A\"', 3))]", "[]", "[]", false,
     "SELECT T1.CustName, T2.OrdTotal  FROM (CUSTOMER T1 LEFT JOIN ORDERS T2 ON T2.CustId = T1.CustId) "
     "WHERE T1.CustName = 'A'   FOR UPDATE OF CustId, CustName",
     "", "", "ok", "ok"},
    {"informix outer table", "11", "rule_i(0, prop('JOIN_TYPE', 'outer')).", "proc", "ro", "many",
     "[[1, 'CustName']]", "[[1], oj([2])]", "[]", "[]", "[]", false,
     "SELECT T1.CustName  FROM CUSTOMER T1, OUTER ORDERS T2    ", "", "", "-, OUTER", "-, OUTER"},
    {"sqlserver table updated by the level's own rule", "12",
     "upd_i(1, 1, u, [['CustName'], [], [], [], []]).",
     "proc", "b", "many", "[[1, 'CustName']]", "[[1]]", "[]", "[]", "[]", false,
     "SELECT CustName  FROM CUSTOMER (UPDLOCK)    ", "", "", "ok", "ok"},
    {"qedbase table deleted from by a subordinate level over it",
     "1",
     "level_i(1, [1]). level_i(2, [1]). struct_i(2, 1, [], []). "
     "upd_i(2, 1, d, [[], [], [], [], []]).",
     "proc", "b", "many", "[[1, 'CustName']]", "[[1]]", "[]", "[]", "[]", false,
     "SELECT CustName  FROM CUSTOMER (LOCKING=RECORD)    ", "", "", "ok", "ok"},
    {"a read-only read of an updated table takes no lock", "12",
     "upd_i(1, 1, u, [['CustName'], [], [], [], []]).",
     "proc", "ro", "many", "[[1, 'CustName']]", "[[1]]", "[]", "[]", "[]", false,
     "SELECT CustName  FROM CUSTOMER (NOLOCK)    ", "", "", "ok", "ok"},
    {"single-row read with where items on sqlserver: no locking clause", "12", "", "proc", "s", "one",
     "[[1, 'CustName']]", "[[1]]", "[w(1, 'CustId', '=', t('&Id', 23))]", "[]", "[]", false,
     "SELECT CustName  FROM CUSTOMER (NOLOCK) WHERE CustId = ?   ", "t('&Id',23) ", "", "ok", "ok"},
};

TEST(SelectText, CasesAndJudges) {
  for (const SelectCase& c : kSelects) {
    SCOPED_TRACE(c.name);
    Fixture f(c.dtasrc, c.extra, c.kind);
    SelectText st = run_select(f, c);
    EXPECT_EQ(st.sql.text, c.text);
    EXPECT_EQ(params_text(st.sql.params), c.params);
    std::string comments;
    for (const std::string& s : st.comments) comments += s + "|";
    EXPECT_EQ(comments, c.comments);
    // Markers and parameters agree.
    EXPECT_EQ(std::count(st.sql.text.begin(), st.sql.text.end(), '?'),
              static_cast<long>(st.sql.params.size()));
    judge(st.sql.text, c.sqlite, c.pg);
  }
}

TEST(SelectText, StrictTranslationFailsWhereLenientDrops) {
  Fixture f("7");
  TableList tl = make_table_list(f.run, {t("[1]")});
  std::vector<Term> conds = {t("c([t('CustId', 2), t('>', 10), t(1, 3)], [])"),
                             t("c([t('CustId', 2), t('*', 6), t(2, 3), t('>', 10), t(1, 3)], [])")};
  EXPECT_EQ(conds_to_sql(f.run, tl, conds).size(), 1u);
  EXPECT_FALSE(conds_to_sql_strict(f.run, tl, conds));
  EXPECT_TRUE(conds_to_sql_strict(f.run, tl, {conds[0]}));
}

TEST(SelectText, EmptyValues) {
  struct Case {
    const char* dtasrc;
    const char* att;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"4", "CustName", "'" + std::string(30, ' ') + "'"},
      {"7", "CustName", "' '"},
      {"7", "CustNote", std::nullopt},
      {"12", "CustDate", "'1753-01-01'"},
      {"7", "CustDate", "TO_DATE('0001-01-01', 'YYYY-MM-DD')"},
      {"11", "CustDate", "DATETIME( 0001-01-01) YEAR TO DAY"},
      {"5", "CustDate", "'0001-01-01'"},
      {"4", "CustDate", "'00000000'"},
      {"3", "CustDate", "''"},
      {"7", "OrdTotal", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dtasrc) + " " + c.att);
    Fixture f(c.dtasrc);
    EXPECT_EQ(att_sql_type(f.run, t(std::string("'") + c.att + "'"), num(1)), c.value);
  }
}

TEST(SelectText, DbOpts) {
  DbOpts o = parse_dbopts("BlockSize=abc; blocksize = 7 ;ORDER=*none;FastFirstRows=no;x");
  EXPECT_EQ(o.block_size, 7);
  EXPECT_TRUE(o.order_none);
  EXPECT_EQ(o.fast_first_rows, "NO");
  EXPECT_EQ(parse_dbopts("BlockSize=abc").block_size, 0);
}

TEST(SelectText, BlockSizes) {
  struct Case {
    const char* dtasrc;
    const char* read_kind;
    bool repeats;
    int64_t lines;
    int64_t size;
  };
  const Case cases[] = {{"12", "b", false, 0, 100}, {"4", "dc", false, 0, 50}, {"7", "fvbt", false, 0, 10},
                        {"7", "b", true, 12, 15},   {"7", "ro", false, 0, 1},  {"7", "s", false, 0, 0}};
  for (const Case& c : cases) {
    Fixture f(c.dtasrc);
    SelectRequest s;
    s.level = num(1);
    s.read_kind = c.read_kind;
    s.repeats = c.repeats;
    s.repeat_lines = c.lines;
    s.tables = {t("[1]")};
    std::vector<std::string> comments;
    EXPECT_EQ(block_size(f.run, s, DbOpts{}, comments), c.size) << c.dtasrc << " " << c.read_kind;
  }
}

TEST(SelectText, CursorNames) {
  Fixture f("7", "rule_i(0, prop('statement_id_prefix', 'Qx')).");
  EXPECT_EQ(cursor_name(f.run, num(1), t("[1]"), "S", "W"), "QP00032");
  // The open cursor of the same level and tables is reused.
  EXPECT_EQ(cursor_name(f.run, num(1), t("[1]"), "S", "W"), "QP00032");
  EXPECT_EQ(cursor_name(f.run, num(2), t("[1]"), "S", "W"), "QP00033");
  Fixture reo("7", "gen_reo_i.", "proc");
  reo.eng.facts().abolish("spec_i", 1);
  reo.eng.consult_text("spec_i([proc, 3, 'T', 'QNRGZABCDEFGH', 0, 0]).", false);
  EXPECT_EQ(cursor_base(reo.run), "LGZABCDEFG");
}

// --- statements ------------------------------------------------------------------------------

// The table's unique index (index_i/2 of kind u) and the connection mode
// (CS_CONNECT beginning with "S" gives mode s).
void model_facts(Fixture& f, const char* unique = "['CustId']", bool connect_f = true) {
  if (std::string(unique) != "[]") {
    EXPECT_TRUE(f.eng.consult_text(std::string("index_i(1, [icust, u, ") + unique + "]).", false));
  }
  if (!connect_f) f.eng.facts().assertz(fact("config_i", {atom("CS_CONNECT"), str("SERVER")}));
}

TEST(SqlStatements, DoubleSelectOnDb2OrderedRead) {
  for (const char* kind : {"proc", "trn"}) {
    SCOPED_TRACE(kind);
    Fixture f("5", "", kind);
    model_facts(f);
    SelectRequest s;
    s.level = num(1);
    s.read_kind = "b";
    s.columns = {t("[1, 'CustName']")};
    s.tables = {t("[1]")};
    s.order = {t("[1, 'CustName']")};
    auto cursor = gen_sql_select(f.run, "s", s);
    ASSERT_TRUE(cursor);
    auto entries = f.eng.facts().clauses("embsql_cursor_i", 2);
    if (std::string(kind) == "trn") {
      EXPECT_EQ(entries.size(), 1u);
      EXPECT_EQ(f.lines(), (std::vector<std::string>{"T00032.fetchFirst(dbocustomer);"}));
      continue;
    }
    ASSERT_EQ(entries.size(), 2u);
    const std::string ro = entries[0].arg(2).head().text();
    const std::string lock = entries[1].arg(2).head().text();
    EXPECT_EQ(ro, "\"SELECT CustName  FROM CUSTOMER  ORDER BY CustName  FOR FETCH ONLY\"");
    EXPECT_EQ(lock, "\"SELECT CustName  FROM CUSTOMER WHERE CustId = ? AND CustName = ?   FOR UPDATE OF "
                    "CustId, CustName\"");
    EXPECT_EQ(f.lines(), (std::vector<std::string>{
                             "/*",
                             "   The DBMS does not support FOR UPDATE clause in ORDERed SELECT",
                             "   statements. Two statements are generated to warranty ORDER and",
                             "   locking requirements.",
                             "*/",
                             // The read-only cursor is executed.
                             "P00032.fetchFirst(dbocustomer);"}));
    EXPECT_TRUE(f.eng.facts().exists(fact("sql_double_select", {num(1), str("P00033"), var()})));
    EXPECT_TRUE(f.eng.facts().exists(t("sql_level_i(1)")));
    // For each row the locking cursor reads it again by its key and order
    // (the key's assignment from the row needs the knowledge base's
    // getters: the golden case for_update shows it).
    const size_t before = f.lines().size();
    ASSERT_TRUE(gen_select_lock(f.run, num(1), num(1), {t("'CustName'")}));
    const auto relock = f.lines();
    EXPECT_EQ(std::vector<std::string>(relock.begin() + static_cast<long>(before) + 4,
                                       relock.end()),
              (std::vector<std::string>{"P00033.fetchFirst(dbocustomer, CustId, CustName);",
                                        "if (!P00033.eof()) {"}));
    // The level's end closes the block and the locking cursor; the next
    // row comes from the read-only cursor.
    ASSERT_TRUE(gen_level_end(f.run, num(1), num(1)));
    gen_read_next(f.run, num(1), num(1));
    const auto end = f.lines();
    EXPECT_EQ(std::vector<std::string>(end.end() - 3, end.end()),
              (std::vector<std::string>{"}", "P00033.close() ;", "P00032.readNext();"}));
  }
}

TEST(SqlStatements, OracleOrderedReadLocksInOneSelect) {
  Fixture f("7");
  model_facts(f);
  SelectRequest s;
  s.level = num(1);
  s.read_kind = "s";
  s.cardinality = "one";
  s.columns = {t("[1, 'CustName']")};
  s.tables = {t("[1]")};
  s.where_items = {t("w(1, 'CustId', '=', t('&Id', 23))")};
  s.order = {t("[1, 'CustName']")};
  auto cursor = gen_sql_select(f.run, "s", s);
  ASSERT_TRUE(cursor);
  auto e = f.eng.facts().clauses("embsql_cursor_i", 2);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].arg(2).head().text(),
            "\"SELECT CustName  FROM CUSTOMER WHERE CustId = ? ORDER BY CustName  FOR UPDATE OF CustId NOWAIT\"");
  EXPECT_EQ(f.lines(), (std::vector<std::string>{"P00032.fetchFirst(dbocustomer, Id);"}));
  // The data object and the cursor object are declared once.
  EXPECT_TRUE(f.eng.facts().exists(t("obj_initialize_with_i(\"P00032\", \"new fP00032(context, remoteHandle)\")")));
  // A second SELECT of the level and tables reuses the open cursor.
  EXPECT_EQ(gen_sql_select(f.run, "s", s), cursor);
  EXPECT_EQ(f.eng.facts().count("embsql_cursor_i", 2), 1u);
}

struct DmlCase {
  const char* name;
  const char* dtasrc;
  const char* extra;
  int op;  // 0 insert, 1 update, 2 delete
  const char* keys;
  bool read_cursor;
  const char* text;
  const char* sqlite;
  const char* pg;
};

const DmlCase kDml[] = {
    {"insert", "12", "", 0, "[]", false,
     "INSERT INTO CUSTOMER (CustId, CustName) VALUES (?, ?)", "ok", "ok"},
    {"insert with initialize_new on oracle", "7", "rule_i(0, prop('initialize_new', 'yes')).", 0, "[]", false,
     "INSERT INTO CUSTOMER (CustId, CustName, CustDate) VALUES (?, ?, TO_DATE('0001-01-01', 'YYYY-MM-DD'))",
     "ok", "ok"},
    {"positioned update on as400", "4", "", 1, "[]", true,
     "UPDATE CUSTOMER SET CustId = ?, CustName = ? WHERE CURRENT OF P00032", "-WHERE CURRENT OF",
     "ok"},
    {"searched update on oracle by the unique index", "7", "", 1, "[]", true,
     "UPDATE CUSTOMER SET CustId = ?, CustName = ? WHERE CustId = ?", "ok", "ok"},
    {"searched update by its own keys", "12", "", 1, "['CustName']", false,
     "UPDATE CUSTOMER SET CustId = ?, CustName = ? WHERE CustName = ?", "ok", "ok"},
    {"positioned delete on as400", "4", "", 2, "[]", true, "DELETE FROM CUSTOMER WHERE CURRENT OF P00032",
     "-WHERE CURRENT OF", "ok"},
    {"searched delete on db2", "5", "", 2, "[]", true, "DELETE FROM CUSTOMER WHERE CustId = ?", "ok", "ok"},
};

TEST(SqlStatements, DmlTexts) {
  const std::vector<SqlAssign> assigns = {{t("'CustId'"), t("t('&Id', 23)")}, {t("'CustName'"), Term()}};
  const std::vector<Term> others = {t("'CustId'"), t("'CustName'"), t("'CustDate'"), t("'CustNote'")};
  for (const DmlCase& c : kDml) {
    SCOPED_TRACE(c.name);
    Fixture f(c.dtasrc, c.extra);
    model_facts(f);
    const std::string cursor = c.read_cursor ? "P00032" : "";
    std::optional<SqlText> s;
    if (c.op == 0) s = sql_insert_stmt(f.run, num(1), assigns, others);
    if (c.op == 1) s = sql_update_stmt(f.run, num(1), assigns, items(c.keys), cursor);
    if (c.op == 2) s = sql_delete_stmt(f.run, num(1), items(c.keys), cursor);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->text, c.text);
    EXPECT_EQ(std::count(s->text.begin(), s->text.end(), '?'), static_cast<long>(s->params.size()));
    judge(s->text, c.sqlite, c.pg);
  }
}

TEST(SqlStatements, UpdateWithoutAttributesOrKeyWritesOnlyAComment) {
  Fixture f("7");
  model_facts(f, "[]");
  EXPECT_TRUE(gen_sql_update(f.run, num(1), num(1), {}, {}));
  EXPECT_TRUE(gen_sql_update(f.run, num(1), num(1), {{t("'CustName'"), Term()}}, {}));
  EXPECT_TRUE(gen_sql_delete(f.run, num(1), num(1)));
  EXPECT_EQ(f.lines(), (std::vector<std::string>{"/* No attributes to update on table CUSTOMER */",
                                                 "/* No key to update table CUSTOMER */",
                                                 "/* No key to delete from table CUSTOMER */"}));
  EXPECT_EQ(f.eng.facts().count("embsql_cursor_i", 2), 0u);
}

TEST(SqlStatements, DataObjectInsertOfALevel) {
  Fixture f("7", "rule_i(0, prop('initialize_new', 'y')). dcl_cursor_i(1, ins, [[1]], ['X', 1, 1]).");
  model_facts(f);
  ASSERT_TRUE(gen_sql_insert(f.run, num(1), num(1), {{t("'CustId'"), t("t(5, 3)")}}, {}));
  EXPECT_EQ(f.lines(), (std::vector<std::string>{"dbocustomer.setCustid(5);", "dbocustomer.setAllLoaded();",
                                                 "dbocustomer.insert();"}));
  // The statement's cursor is ended with it.
  EXPECT_EQ(f.eng.facts().count("c_num_i", 3), 0u);
}

// Without a data object of the level the statement runs through its
// cursor, with the values of its markers.
TEST(SqlStatements, LevelStatementWithoutDataObjectRunsThroughItsCursor) {
  struct Case {
    int op;  // 0 insert, 1 update, 2 delete
    const char* last;
  };
  const Case cases[] = {{0, "P00032.executeUpd(Id, CustName) ;"},
                        {1, "P00032.executeUpd(CustName, CustId) ;"},
                        {2, "P00032.executeUpd(CustId) ;"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.op);
    Fixture f("7");
    model_facts(f);
    const std::vector<SqlAssign> assigns = {{t("'CustName'"), Term()}};
    const bool ok = c.op == 0   ? gen_sql_insert(f.run, num(1), num(1),
                                                 {{t("'CustId'"), t("t('&Id', 23)")}, assigns[0]}, {})
                    : c.op == 1 ? gen_sql_update(f.run, num(1), num(1), assigns, {})
                                : gen_sql_delete(f.run, num(1), num(1));
    ASSERT_TRUE(ok);
    const auto lines = f.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.last);
    EXPECT_EQ(f.eng.facts().count("embsql_cursor_i", 2), 1u);
  }
}

TEST(SqlStatements, DynamicStatementAndNoStatementCalls) {
  Fixture f("7");
  const std::string sql = "UPDATE CUSTOMER SET CustName = 'a long name that does not fit on one line of eighty' "
                          "WHERE CustId = 1";
  ASSERT_TRUE(gen_sql_cursor_stmt(f.run, num(1), "P00032", "d", num(1), sql, {}, {}, num(1)));
  EXPECT_EQ(f.lines(), (std::vector<std::string>{
                           "if (!sQNP00032) {",
                           "   sQNP00032 = true;",
                           "   cmdbuf = \"UPDATE CUSTOMER SET CustName = \";",
                           "   cmdbuf += \"'a long name that does not fit on one line of eighty' WHERE CustId = 1\";",
                           "   // PREPARE sQNP00032 FROM cmdbuf",
                           "}"}));
  judge(sql, "ok", "ok");
  // With CS_CONNECT beginning with S no statement call is written.
  Fixture s("7", "rule_i(0, prop('CS_CONNECT', 'Server')).");
  EXPECT_FALSE(gen_sql_select_call(s.run, "C", num(1), t("[1]"), "SELECT 1", {}, "s", num(1)));
  EXPECT_FALSE(gen_sql_cursor_stmt(s.run, num(1), "C", "ins", num(1), "INSERT", {}, {}, num(1)));
  EXPECT_TRUE(s.lines().empty());
  EXPECT_EQ(s.eng.facts().count("embsql_cursor_i", 2), 0u);
}

TEST(SqlStatements, LevelEnd) {
  struct Case {
    const char* extra;
    size_t closed;  // cursors closed
  };
  const Case cases[] = {
      {"", 2},
      {"struct_i(2, 1, [], []). level_i(1, [1]).", 0},  // the parent reads the same table
      {"break_i(2, ins, 0, 0, 0).", 0},                  // an insert break keeps everything
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extra);
    Fixture f("7", std::string("level_i(2, [1]). ") + c.extra);
    model_facts(f);
    push_sql_level(f.run, num(2));
    cursor_name(f.run, num(2), t("[1]"), "", "");
    cursor_name(f.run, num(2), t("[1, 2]"), "", "");
    ASSERT_TRUE(level_sql_end(f.run, num(2), num(1)));
    EXPECT_EQ(f.lines().size(), c.closed);
    EXPECT_EQ(f.eng.facts().count("sql_level_i", 1), c.closed == 0 && c.extra[0] == 'b' ? 1u : 0u);
  }
}

TEST(SqlStatements, StatusTests) {
  Fixture f("7");
  struct Case {
    const char* kind;
    const char* test;
    const char* op;
    const char* java;
  };
  const Case cases[] = {{"s", "eof()", "==", "C.eof()"},        {"s", "eof()", "<>", "!C.eof()"},
                        {"s", "locked()", "=", "C.locked()"},   {"s", "104", "=", "C.getStatus() == 104"},
                        {"s", "0", "!=", "C.getStatus() != 0"}, {"ins", "duplicated()", "=", "dbocustomer.duplicated()"}};
  for (const Case& c : cases) {
    EXPECT_EQ(gen_sql_stmt_call(f.run, "C", c.kind, num(1), c.test, c.op), c.java);
  }
  EXPECT_EQ(status_cond_text("deleted"), "104");
  EXPECT_EQ(status_cond_text("bogus"), std::nullopt);
}

TEST(SqlStatements, FnInSel) {
  Fixture f("7");
  EXPECT_EQ(engine::writeq(*fn_in_sel(f.run, "count(", t("'OrdTotal'"))), "[int,9,0,0]");
  EXPECT_EQ(engine::writeq(*fn_in_sel(f.run, "sum(", t("'OrdTotal'"))), "[pac,12,2,0]");
  EXPECT_EQ(engine::writeq(*fn_in_sel(f.run, "max(", t("'CustId'"))), "[int,6,0,1]");
  EXPECT_EQ(engine::writeq(*fn_in_sel(f.run, "avg(", t("'CustId'"))), "[int,6,0,0]");
}

TEST(SqlStatements, ExecImmediate) {
  const std::string stmt = "CREATE TABLE CUSTOMER2 (CustId NUMERIC(6,0), CustName CHAR(30), "
                           "CustNote VARCHAR(200), Remark CHAR(40) DEFAULT 'it''s a long default value')";
  // Connection mode f brackets the statement with the end and begin of the
  // transaction; both write nothing in Java.
  for (bool connect_f : {true, false}) {
    SCOPED_TRACE(connect_f);
    Fixture f("1");
    f.eng.consult_text("intt_i.", false);
    model_facts(f, "[]", connect_f);
    ASSERT_TRUE(gen_exec_immediate(f.run, stmt, "FNF", "n"));
    std::vector<std::string> expected;
    for (const std::string& p : wrap_sql_text(stmt)) {
      expected.push_back((expected.empty() ? "cmdBuffer = \"" : "cmdBuffer += \"") + p + "\";");
    }
    expected.push_back("ExecuteDirectSQL.execute(context, remoteHandle, \"qedbase\", cmdBuffer, \"FNF\") ;");
    EXPECT_EQ(f.lines(), expected);
  }
  // The pieces rejoin to the statement, which both judges run.
  std::string joined;
  for (const std::string& p : wrap_sql_text(stmt)) joined += p;
  EXPECT_EQ(joined, stmt);
  EXPECT_EQ(sqlcheck::sqlite_verdict({}, stmt), "");
  EXPECT_EQ(sqlcheck::postgres_verdict({}, stmt), "");
}

TEST(SqlStatements, CommitPerDataStore) {
  Fixture f("7", "intt_i. datastore_i([2, 'Orders', 7]).");
  ASSERT_TRUE(gen_commit(f.run, 1));
  ASSERT_TRUE(gen_commit(f.run, 2));
  EXPECT_EQ(f.lines(), (std::vector<std::string>{
                           "Application.commit(context, remoteHandle, \"DEFAULT\");",
                           "Application.commit(context, remoteHandle, \"ORDERS\");",
                           "Application.rollback(context, remoteHandle, \"DEFAULT\");",
                           "Application.rollback(context, remoteHandle, \"ORDERS\");"}));
}

// --- wrapping --------------------------------------------------------------------------------------

TEST(TextUtils, WrapText) {
  struct Case {
    const char* text;
    size_t width;
    const char* breaks;
    char quote;
    const char* cont;
    const char* prefix;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"aaa bbb ccc", 5, " ", '\0', "", "", {"aaa ", "bbb ", "ccc"}},
      {"abcdefghij", 4, " ", '\0', "", "", {"abc", "def", "ghij"}},
      {"x 'a b c d' y", 6, " ", '\'', "", "", {"x ", "'a b ", "c d' y"}},
      {"x 'a b c d' y", 6, " ", '\'', "+", "", {"x ", "+'a b ", "+c d' y"}},
      {"PREFIXLONG tail", 4, " ", '\0', "", "PREFIXLONG", {"PREFIXLONG tail"}},
      {"", 80, " ", '\0', "", "", {""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wrap_text(c.text, c.width, "ww", c.breaks, c.quote, c.cont, c.prefix), c.pieces) << c.text;
  }
}

TEST(TextUtils, WrappedStatementsRejoin) {
  std::mt19937 rng(30);
  const std::string alphabet = "SELECT abc FROM WHERE 'x y' = ? , ()  ";
  for (int i = 0; i < 1000; ++i) {
    std::string s;
    const size_t len = rng() % 400;
    for (size_t j = 0; j < len; ++j) s += alphabet[rng() % alphabet.size()];
    std::string joined;
    for (const std::string& p : wrap_sql_text(s)) {
      EXPECT_LE(p.size(), 80u);
      joined += p;
    }
    ASSERT_EQ(joined, s);
  }
}

// --- the judges' own rewrites ----------------------------------------------------------------------

TEST(SqlCheck, Rewrites) {
  EXPECT_EQ(sqlcheck::rewrite_for_postgres("SELECT a FROM t WHERE b = ? AND c = '?' FOR UPDATE OF a, b NOWAIT"),
            "SELECT a FROM t WHERE b = $1 AND c = '?' FOR UPDATE NOWAIT");
  EXPECT_EQ(sqlcheck::rewrite_for_sqlite("SELECT a FROM t (NOLOCK) FOR UPDATE OF a NOWAIT"), "SELECT a FROM t ");
  EXPECT_EQ(sqlcheck::rewrite_for_sqlite("SELECT {fn x} FROM t FOR FETCH ONLY OPTIMIZE FOR 5 ROWS"),
            "SELECT fn x FROM t  ");
  EXPECT_EQ(sqlcheck::rewrite_for_sqlite("SELECT a CONCAT 'CONCAT' FROM t"), "SELECT a || 'CONCAT' FROM t");
  // FOR UPDATE OF a column the table lacks is an error for both.
  EXPECT_NE(sqlcheck::sqlite_verdict(kSchema, "SELECT CustId FROM CUSTOMER FOR UPDATE OF Nope"), "");
}

}  // namespace
}  // namespace qn::logic
