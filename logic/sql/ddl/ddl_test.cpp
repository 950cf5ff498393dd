// Table tests of the DDL writers: the edges of the column-type and clause
// tables that the golden cases do not show, and bad input, which is
// reported in the error log and leaves no statement behind.
#include <gtest/gtest.h>

#include <functional>

#include "logic/sql/ddl/ddl_fixture.h"
#include "logic/sql/ddl/ddl_text.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/storage_areas.h"
#include "logic/sql/ddl/table_ddl.h"

namespace qn::logic::ddl {
namespace {

using engine::Term;
using test::DdlFixture;
using test::T;

// Statement texts of the direct-SQL calls a writer made (one per call).
std::vector<std::string> statements(DdlFixture& f) {
  std::vector<std::string> out;
  for (const std::string& l : f.lines()) {
    const auto q1 = l.find('"'), q2 = l.rfind('"');
    if (l.rfind("cmdBuffer = ", 0) == 0) out.push_back(l.substr(q1 + 1, q2 - q1 - 1));
    if (l.rfind("cmdBuffer += ", 0) == 0) out.back() += l.substr(q1 + 1, q2 - q1 - 1);
  }
  return out;
}

const char* kTable =
    "attri_i(1, ['Id', int, 4, 0]). attri_i(2, ['Name', char, 20, 0]). attri_i(3, ['Note', svchar, 300, 0]). "
    "kb_table(1, 'T', [1, 2], [1]). ";

TEST(LogicDdlColumnTypes, EdgesOfTheTable) {
  struct Case {
    const char* name;
    const char* options;
    const char* dbms;
    const char* type;
    int64_t len, dec;
    std::optional<std::string> want;
  } cases[] = {
      {"sqlserver 9,2 is money", "", "sqlserver", "pac", 9, 2, "money"},
      {"sqlserver 8,2 is smallmoney", "", "sqlserver", "pac", 8, 2, "smallmoney"},
      {"varchar2 unless the option says no", "", "oracle7", "svchar", 40, 0, "VARCHAR2(40)"},
      {"svchar_as_varchar2 n", "ddl_option(svchar_as_varchar2, no).", "oracle7", "svchar", 40, 0, "VARCHAR(40)"},
      {"as400 vchar without decimals has no ALLOCATE", "", "as400", "vchar", 80, 0, "VARCHAR(80)"},
      {"bits is no column type", "", "db2", "bits", 8, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DdlFixture f(c.options);
    EXPECT_EQ(column_type(f.run, c.dbms, c.type, c.len, c.dec), c.want);
  }
}

TEST(LogicDdlStatements, ClausesByDatabase) {
  struct Case {
    const char* name;
    const char* facts;
    std::function<bool(logic::Run&)> write;
    std::vector<std::string> want;
  } cases[] = {
      {"a svchar of 300 on Informix is cut to 255, with its comment",
       "ddl_option('DTASRC', '11').",
       [](logic::Run& r) { return gen_alter_add(r, num(5), num(1), "T", {num(3)}); },
       {"ALTER TABLE T ADD (Note varchar(255))"}},
      {"DB2 repeats ADD for each column",
       "ddl_option('DTASRC', '5').",
       [](logic::Run& r) { return gen_alter_add(r, num(5), num(1), "T", {num(1), num(2)}); },
       {"ALTER TABLE T ADD Id NUMERIC(4) ADD Name CHAR(20)"}},
      {"SQL Server lists added columns, and drops with COLUMN",
       "ddl_option('DTASRC', '12').",
       [](logic::Run& r) {
         return gen_alter_add(r, num(5), num(1), "T", {num(1), num(2)}) &&
                gen_alter_drop(r, num(5), num(1), "T", {num(1), num(2)});
       },
       {"ALTER TABLE T ADD Id smallint null, Name char(20) null", "ALTER TABLE T DROP COLUMN Id, Name"}},
      {"Informix drops in parentheses",
       "ddl_option('DTASRC', '11').",
       [](logic::Run& r) { return gen_alter_drop(r, num(5), num(1), "T", {num(2)}); },
       {"ALTER TABLE T DROP (Name)"}},
      {"Informix with INFX_LOCK NONE has no LOCK MODE",
       "ddl_option('DTASRC', '11'). ddl_option('INFX_LOCK', 'NONE').",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T", "IT1", "pk", {num(1)}, "p"); },
       {"DROP TABLE T", "CREATE TABLE T (Id SMALLINT NOT null, Name CHAR(20), PRIMARY KEY(Id)) "}},
      {"Informix declares a unique constraint after its columns",
       "ddl_option('DTASRC', '11'). ddl_option('PRIMARY_KEY_TYPE', 'CNST').",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T", "IT1", "pk", {num(1)}, "p"); },
       {"DROP TABLE T", "CREATE TABLE T (Id SMALLINT NOT null, Name CHAR(20), UNIQUE(Id) CONSTRAINT IT1) "}},
      {"Oracle names the constraint first",
       "ddl_option('DTASRC', '7'). ddl_option('PRIMARY_KEY_TYPE', 'CNST').",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T", "IT1", "pk", {num(1)}, "p"); },
       {"DROP TABLE T", "CREATE TABLE T (Id NUMERIC(4) NOT null, Name CHAR(20), CONSTRAINT IT1 UNIQUE(Id)) "}},
      {"a key attribute the knowledge base lists twice is one column",
       "ddl_option('DTASRC', '7'). kb_table(2, 'T2', [1, 1, 2], [1]).",
       [](logic::Run& r) { return create_table(r, num(5), num(2), "T2", "IT1", "nopk", {}, "p"); },
       {"DROP TABLE T2", "CREATE TABLE T2 (Id NUMERIC(4), Name CHAR(20)) "}},
      {"a table without primary key gets no key clause",
       "ddl_option('DTASRC', '7').",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T", "IT1", "nopk", {}, "p"); },
       {"DROP TABLE T", "CREATE TABLE T (Id NUMERIC(4), Name CHAR(20)) "}},
      {"SQL Server: a unique index is clustered, DROP INDEX names the table",
       "ddl_option('DTASRC', '12'). ddl_option('PRIMARY_KEY_TYPE', 'IDX').",
       [](logic::Run& r) { return gen_create_index(r, num(5), num(1), "T", {"IT2", "u", {num(2)}}, "p"); },
       {"DROP INDEX T.IT2", "CREATE UNIQUE CLUSTERED INDEX IT2 ON T (Name)"}},
      {"an auxiliary table gets no index",
       "ddl_option('DTASRC', '7').",
       [](logic::Run& r) { return gen_create_index(r, num(5), num(1), "T", {"IT2", "d", {num(2)}}, "a"); },
       {}},
      {"synonym removed",
       "gen_reo_i. ddl_option('DTASRC', '7'). ddl_option('CS_SCHEMA', 'S'). "
       "ddl_option('create_and_use_synonyms', 'r').",
       [](logic::Run& r) { return gen_synonym(r, num(1), "T"); },
       {"DROP PUBLIC SYNONYM T"}},
      {"AS/400 creates its collection",
       "ddl_option('DTASRC', '4'). ddl_option('DTALIB', 'QNLIB').",
       [](logic::Run& r) { return gen_create_collection(r); },
       {"CREATE COLLECTION QNLIB"}},
      {"Informix names a foreign key after its text",
       "ddl_option('DTASRC', '11'). ddl_option('DCL_REF_INT_DB', 'Y'). kb_table(2, 'U', [2], [2]). "
       "kb_tblname(2, 'U'). kb_index(1, 2, 'IT2', 0, [2]). kb_ref(1, 2, [2]).",
       [](logic::Run& r) { return gen_foreign_keys(r, num(5), num(1), "T"); },
       {"ALTER TABLE T DROP CONSTRAINT IT2",
        "ALTER TABLE T ADD CONSTRAINT FOREIGN KEY (Name) REFERENCES U (Name) CONSTRAINT IT2"}},
      {"Oracle renames after dropping the target name",
       "ddl_option('DTASRC', '7').",
       [](logic::Run& r) { return gen_rename_table(r, num(5), num(1), "TAUX", "T", {"IT1", "pk", {num(1)}}, "y"); },
       {"DROP TABLE T", "RENAME TAUX TO T"}},
      {"Informix says RENAME TABLE",
       "ddl_option('DTASRC', '11').",
       [](logic::Run& r) { return gen_rename_table(r, num(5), num(1), "TAUX", "T", {"IT1", "pk", {num(1)}}, "y"); },
       {"DROP TABLE T", "RENAME TABLE TAUX TO T"}},
      {"SQL Server runs its rename procedure with EXEC",
       "ddl_option('DTASRC', '12').",
       [](logic::Run& r) { return gen_rename_table(r, num(5), num(1), "TAUX", "T", {"IT1", "pk", {num(1)}}, "y"); },
       {"DROP TABLE T", "EXEC sp_rename 'TAUX', 'T'"}},
      {"DB2 copies the rows into the new structure and drops the old table",
       "ddl_option('DTASRC', '5').",
       [](logic::Run& r) { return gen_copy_table(r, num(5), num(1), "TAUX", "T", {"IT1", "pk", {num(1)}}, "y"); },
       {"DROP TABLE T", "CREATE TABLE T (Id NUMERIC(4) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ",
        "INSERT INTO T (Id, Name) SELECT Id, Name FROM TAUX T1", "DROP TABLE TAUX"}},
      {"a copy of a kept table leaves the old one",
       "ddl_option('DTASRC', '5').",
       [](logic::Run& r) { return gen_copy_table(r, num(5), num(1), "TAUX", "T", {"IT1", "nopk", {}}, "n"); },
       {"DROP TABLE T", "CREATE TABLE T (Id NUMERIC(4), Name CHAR(20)) ",
        "INSERT INTO T (Id, Name) SELECT Id, Name FROM TAUX T1"}},
      {"Oracle copies in one statement when no column is long text",
       "ddl_option('DTASRC', '7').",
       [](logic::Run& r) { return gen_copy_table(r, num(5), num(1), "TAUX", "T", {"IT1", "nopk", {}}, "n"); },
       {"DROP TABLE T", "CREATE TABLE T (Id NUMERIC(4), Name CHAR(20)) ",
        "INSERT INTO T (Id, Name) SELECT Id, Name FROM TAUX T1"}},
      {"foreign keys need DCL_REF_INT_DB Y",
       "ddl_option('DTASRC', '7'). ddl_option('DCL_REF_INT_DB', 'N'). kb_ref(1, 2, [2]).",
       [](logic::Run& r) { return gen_foreign_keys(r, num(5), num(1), "T"); },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DdlFixture f(std::string(kTable) + c.facts);
    EXPECT_TRUE(c.write(f.run));
    EXPECT_EQ(statements(f), c.want);
    EXPECT_EQ(f.errors, std::vector<std::string>{});
  }
}

TEST(LogicDdlStatements, OtherLinesAroundTheStatements) {
  DdlFixture f(std::string(kTable) + "ddl_option('DTASRC', '11').");
  EXPECT_TRUE(gen_alter_add(f.run, num(5), num(1), "T", {num(3)}));
  EXPECT_EQ(f.lines()[0], "/* Definition of Note changed to svchar length 255 decimals 0 */");

  DdlFixture g(std::string(kTable) + "ddl_option('DTASRC', '7'). ddl_option('CS_SCHEMA', 'S'). "
               "ddl_option('create_and_use_synonyms', 'r'). gen_reo_i.");
  EXPECT_TRUE(gen_synonym(g.run, num(1), "T"));
  const std::vector<std::string> lines = g.lines();
  EXPECT_EQ(lines.front(), "QNReorganization.addMsg(\"Removing synonym T for table S.T\");");
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"if ( Err == 105 )", "{",
                                      "   QNReorganization.addMsg(\"Synonym T not found. Ignored.\");", "}"}));

  // Under a schema only its owner renames; everyone else copies.
  DdlFixture s(std::string(kTable) + "ddl_option('DTASRC', '7'). ddl_option('CS_SCHEMA', 'sales').");
  EXPECT_TRUE(gen_rename_table(s.run, num(5), num(1), "TAUX", "T", {"IT1", "nopk", {}}, "n"));
  std::vector<std::string> shape;
  for (std::string l : s.lines()) {
    l.erase(0, l.find_first_not_of(' '));
    if (l.rfind("if", 0) == 0 || l == "else" || l == "{" || l == "}" || l.rfind("cmdBuffer = ", 0) == 0) {
      shape.push_back(l);
    }
  }
  EXPECT_EQ(shape, (std::vector<std::string>{
                       "if ( ( QNutil.strcmp(QNutil.upper( QNutil.userId( \"Server\", context, remoteHandle, \"oracle7\")), "
                       "\"SALES\") == 0 ) )",
                       "{", "cmdBuffer = \"DROP TABLE sales.T\";", "cmdBuffer = \"RENAME sales.TAUX TO T\";",
                       "}", "else", "{", "cmdBuffer = \"DROP TABLE sales.T\";",
                       "cmdBuffer = \"CREATE TABLE sales.T (Id NUMERIC(4), Name CHAR(20)) \";",
                       "cmdBuffer = \"INSERT INTO sales.T (Id, Name) SELECT Id, Name FROM sales.TAUX T1\";", "}"}));
  EXPECT_EQ(s.errors, std::vector<std::string>{});

  DdlFixture h("ddl_option('DTASRC', '7').");
  EXPECT_TRUE(gen_create_collection(h.run));
  EXPECT_EQ(h.lines(), (std::vector<std::string>{
                           "// API odbc Driver qeoracle7 does not require or allow remote",
                           "// database creation."}));
}

// Bad input: one message in the error log, nothing written, the writer fails.
TEST(LogicDdlStatements, BadInputWritesNothing) {
  struct Case {
    const char* name;
    const char* facts;
    std::function<bool(logic::Run&)> write;
    const char* error;
  } cases[] = {
      {"an attribute the model does not know", "kb_table(2, 'U', [1, 99], [1]).",
       [](logic::Run& r) { return create_table(r, num(5), num(2), "U", "IU1", "pk", {num(1)}, "p"); },
       "Table 2: attribute 99 is unknown"},
      {"a table the knowledge base does not know", "",
       [](logic::Run& r) { return create_table(r, num(5), num(7), "V", "IV1", "pk", {num(1)}, "p"); },
       "Table V: the knowledge base gives it no attributes"},
      {"a type no column type stands for", "attri_i(9, ['Flags', bits, 8, 0]). kb_table(2, 'U', [1, 9], [1]).",
       [](logic::Run& r) { return create_table(r, num(5), num(2), "U", "IU1", "pk", {num(1)}, "p"); },
       "Table 2: attribute Flags has the type bits, which no column type stands for"},
      {"no primary key where the table declares one", "",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T", "IT1", "pk", {}, "p"); },
       "Table T: it has no primary key to declare"},
      {"a table name with a quote", "",
       [](logic::Run& r) { return create_table(r, num(5), num(1), "T'X", "IT1", "pk", {num(1)}, "p"); },
       "Table T'X: the name \"T'X\" is empty or holds a quote or a blank"},
      {"a column name with a blank", "attri_i(8, ['Two words', int, 4, 0]).",
       [](logic::Run& r) { return gen_alter_drop(r, num(5), num(1), "T", {num(8)}); },
       "Column of table 1: the name \"Two words\" is empty or holds a quote or a blank"},
      {"an index without attributes", "",
       [](logic::Run& r) { return gen_create_index(r, num(5), num(1), "T", {"IT2", "d", {}}, "p"); },
       "Index IT2 of table T: it has no attributes"},
      {"an index name with a double quote", "",
       [](logic::Run& r) { return gen_create_index(r, num(5), num(1), "T", {"I\"2", "d", {num(2)}}, "p"); },
       "Index I\"2 of table T: the name \"I\"2\" is empty or holds a quote or a blank"},
      {"a rename to a name with a blank", "",
       [](logic::Run& r) { return gen_rename_table(r, num(5), num(1), "TAUX", "T X", {"IT1", "pk", {num(1)}}, "y"); },
       "Renaming table TAUX: the name \"T X\" is empty or holds a quote or a blank"},
      {"a copy that would lose long text: Oracle cannot INSERT ... SELECT it",
       "attri_i(5, ['Memo', vchar, 2000, 0]). kb_table(2, 'U', [1, 5], [1]).",
       [](logic::Run& r) { return gen_copy_table(r, num(5), num(2), "UAUX", "U", {"IU1", "pk", {num(1)}}, "y"); },
       "Copying table UAUX: its database cannot copy rows with INSERT ... SELECT, and no row-by-row copy is written"},
      {"a schema rename whose copy branch cannot be written",
       "ddl_option('CS_SCHEMA', 'sales'). attri_i(5, ['Memo', vchar, 2000, 0]). kb_table(2, 'U', [1, 5], [1]).",
       [](logic::Run& r) { return gen_rename_table(r, num(5), num(2), "UAUX", "U", {"IU1", "pk", {num(1)}}, "y"); },
       "Copying table UAUX: its database cannot copy rows with INSERT ... SELECT, and no row-by-row copy is written"},
      {"a foreign key to a table without primary key",
       "ddl_option('DCL_REF_INT_DB', 'Y'). kb_table(2, 'U', [2], []). kb_index(1, 2, 'IT2', 0, [2]). "
       "kb_ref(1, 2, [2]).",
       [](logic::Run& r) { return gen_foreign_keys(r, num(5), num(1), "T"); },
       "Table T: table 2 that it refers to has no primary key"},
      {"a foreign key without an index to name it", "ddl_option('DCL_REF_INT_DB', 'Y'). kb_ref(1, 2, [2]).",
       [](logic::Run& r) { return gen_foreign_keys(r, num(5), num(1), "T"); },
       "Table T: no index over the attributes that refer to table 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DdlFixture f(std::string(kTable) + "ddl_option('DTASRC', '7'). " + c.facts);
    EXPECT_FALSE(c.write(f.run));
    EXPECT_EQ(f.lines(), std::vector<std::string>{});
    EXPECT_EQ(f.errors, std::vector<std::string>{c.error});
  }
}

TEST(LogicDdlText, HolesAndNames) {
  EXPECT_EQ(sql("DROP TABLE $name$", {{"name", "T"}}), "DROP TABLE T");
  EXPECT_THROW(sql("DROP TABLE $name$", {}), std::logic_error);
  for (const char* bad : {"", "A B", "A'B", "A\"B", "A\tB"}) EXPECT_FALSE(plain_name(bad)) << bad;
  EXPECT_TRUE(plain_name("SALES.ORDERS_2"));
}

}  // namespace
}  // namespace qn::logic::ddl
