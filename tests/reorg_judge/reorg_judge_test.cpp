// The reorganisation programs judged by real programs. Their statements
// are the literals the generated Java hands the direct-SQL executor, taken
// in program order (qnrgza, qnrgzb, qnrgzc).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/java/java_naming.h"
#include "tests/sql_check/ddl_judges.h"
#include "tests/sql_check/java_statements.h"

namespace qn {
namespace {

using sqlcheck::Branch;
using sqlcheck::JavaStatement;

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

}  // namespace
}  // namespace qn
