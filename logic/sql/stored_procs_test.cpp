#include "logic/sql/stored_procs.h"

#include <gtest/gtest.h>

#include "logic/core/gen_targets.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using sqltest::Fixture;
using sqltest::Lines;
using sqltest::T;

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The immediate execution of statements on the AS/400.
Lines exec(std::initializer_list<std::string> statements) {
  Lines out;
  for (const std::string& sql : statements) {
    out.push_back("cmdBuffer = \"" + sql + "\";");
    out.push_back("ExecuteDirectSQL.execute(context, remoteHandle, \"as400\", cmdBuffer) ;");
  }
  return out;
}

// The statement text and the parameters of each embedded cursor.
Lines cursor_statements(Fixture& f) {
  Lines out;
  for (const Term& e : f.run.facts().clauses("embsql_cursor_i", 2)) {
    const auto entry = e.arg(2).list_items();
    out.push_back(entry.at(0).text() + " " + engine::writeq(entry.at(4)));
  }
  return out;
}

constexpr const char* kTwoVars = "[t('&A', 23), t(',', 7), t(2, 2), t(')', 4)]";

TEST(StoredProcs, CallTextByDbms) {
  struct Case {
    const char* dtasrc;
    const char* args;
    const char* text;
    size_t parameters;
  } cases[] = {
      {"11", "[t(')', 4)]", "EXECUTE PROCEDURE NAME()", 0},
      {"11", kTwoVars, "EXECUTE PROCEDURE NAME ( ?, ?)", 2},
      {"12", "[]", "EXECUTE NAME", 0},
      {"12", kTwoVars, "EXECUTE NAME  ?, ?", 2},
      {"3", kTwoVars, "CALL NAME ( ?, ?)", 2},   // access
      {"5", kTwoVars, "CALL NAME ( ?, ?)", 2},   // db2
      {"7", "[]", "CALL NAME", 0},               // oracle
      {"99", kTwoVars, "CALL NAME ( ?, ?)", 2},  // no such DBMS: any other
      {"5", "[t('&A', 23), t(',', 7), t(12, 3), t(',', 7), t('\"it''s\"', 3), t(')', 4)]",
       "CALL NAME ( ?, 12, 'it''s')", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dtasrc) + " " + c.args);
    Fixture f;
    f.config["DTASRC"] = c.dtasrc;
    const SpCall call = sp_call_text(f.run, "NAME", T(c.args));
    EXPECT_EQ(call.text, c.text);
    EXPECT_EQ(call.parameters.size(), c.parameters);
  }
}

TEST(StoredProcs, UdpCalls) {
  struct Case {
    const char* name;
    const char* dtasrc;
    const char* wa0002;
    const char* facts;
    const char* target;
    const char* args;
    bool called;
    Lines statements;
  } cases[] = {
      {"oracle: braces, a cursor with the parameters",
       "7",
       "",
       "external_program_i('CALC', storedprocedure, [oracle7, 'CALC', [inout], [char]]).",
       "calc",
       kTwoVars,
       true,
       {"\"{CALL CALC ( ?, ?)}\" ['&A',2]"}},
      {"another DBMS calls the declared name",
       "12",
       "",
       "external_program_i('CUSTTOTALS', storedprocedure, [sqlserver, sp_cust_totals, [], []]).",
       "'CustTotals'",
       kTwoVars,
       true,
       {"\"EXECUTE sp_cust_totals  ?, ?\" ['&A',2]"}},
      {"as400 library, no arguments: immediate",
       "4",
       "MYLIB",
       "",
       "proc1",
       "[t(')', 4)]",
       false,
       {}},
      {"not a stored procedure: an ordinary call", "7", "", "", "calc", kTwoVars, false, {}},
      {"a remote program of CS_MTAPGML: an ordinary call",
       "7",
       "",
       "",
       "remote1",
       kTwoVars,
       false,
       {}},
      {"listed in CS_RPCPGML",
       "5",
       "",
       "",
       "\"other\"",
       "[]",
       true,
       {"\"CALL OTHER\" []"}},
  };
  // The arguments' types: the call packs each parameter by its type.
  const std::string types =
      " attri_i('&A', ['&A', int, 6, 0, '', 1]). attri_i(2, ['Qty', int, 5, 0, '', 1]).";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts + types);
    f.config["DTASRC"] = c.dtasrc;
    f.config["CS_RPCPGML"] = "first  OTHER last";
    f.config["CS_MTAPGML"] = "REMOTE1";
    if (*c.wa0002) f.config["WA0002"] = c.wa0002;
    EXPECT_EQ(gen_udp_call(f.run, T(c.target), num(3), T(c.args), num(0), num(0)), c.called);
    EXPECT_EQ(cursor_statements(f), c.statements);
  }
}

TEST(StoredProcs, As400Calls) {
  struct Case {
    const char* name;
    const char* target;
    const char* version;
    Lines lines;
  } cases[] = {
      {"library added", "proc1", "V3R7", exec({"CALL MYLIB/PROC1"})},
      {"a name with a library keeps it",
       "'OTHERLIB/PROC1'",
       "V3R7",
       exec({"CALL OTHERLIB/PROC1"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f("odbc_call_i(someone, 'PROC1', '').");  // makes them stored procedures
    f.add("odbc_call_i(someone, 'OTHERLIB/PROC1', '').");
    f.config["DTASRC"] = "4";
    f.config["WA0002"] = "MYLIB";
    f.config["OS400_VERSION"] = c.version;
    EXPECT_TRUE(gen_udp_call(f.run, T(c.target), num(3), T("[t(')', 4)]"), num(0), num(0)));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

TEST(StoredProcs, As400RecordsTheFirstCallWithArguments) {
  struct Case {
    const char* version;
    const char* recorded;
  } cases[] = {
      {"V3R7", "odbc_call_i(pcalc,'PROC1','INOUT NUMERIC(9,2), INOUT CHAR(10)') "},
      {"V4R4", "odbc_call_i(pcalc,'PROC1','INOUT CHAR(9), INOUT CHAR(10)') "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    Fixture f(
        "spec_i([proc, 7, 'Calc', 'Calc', 0, 0]). "
        "attri_i('&Amt', ['&Amt', pac, 9, 2, '', 1]). attri_i('&Code', ['&Code', char, 10, 0, '', "
        "1]).");
    f.config["DTASRC"] = "4";
    f.config["CS_RPCPGML"] = "PROC1";
    f.config["OS400_VERSION"] = c.version;
    const Term args = T("[t('&Amt', 23), t(',', 7), t('&Code', 23), t(')', 4)]");
    EXPECT_TRUE(gen_udp_call(f.run, atom("proc1"), num(3), args, num(0), num(0)));
    EXPECT_TRUE(gen_udp_call(f.run, atom("proc1"), num(3), args, num(0), num(0)));
    EXPECT_EQ(f.all("odbc_call_i", 3), c.recorded);  // the second call records nothing
    EXPECT_EQ(cursor_statements(f).size(), 2u);
  }
}

TEST(StoredProcs, CreateProcedures) {
  Fixture f(
      "external_program_i('SP1', storedprocedure, [as400, 'LIB/SP1X', ['IN', 'OUT'], ['CHAR(5)', "
      "'INT'], 'CL']). "
      "external_program_i('SP2', storedprocedure, [as400, 'SP2X', [], [], 'RPG']). "
      "external_program_i('BAD', storedprocedure, [as400, 'BADX', ['IN'], [], 'RPG']). "
      "external_program_i('ORA', storedprocedure, [oracle7, 'ORAX', [], []]). "
      "external_program_i('EXE', executable, ['EXE.EXE']). "
      "odbc_call_i(pone, 'SP1', 'INOUT CHAR(3)'). "
      "odbc_call_i(ptwo, 'ILEPGM', ''). "
      "odbc_call_i(ptwo, 'LIBX/CBLPGM', 'INOUT CHAR(1)'). "
      "pgm_main_i(proc, 1, x, [5, ilepgm, 1]). pgm_main_i(proc, 2, x, [6, 'CBLPGM', 2]).");
  f.config["DTASRC"] = "4";
  f.config["WA0002"] = "MYLIB";
  f.config["GENERATE_ILE"] = "Yes";
  EXPECT_TRUE(uses_stored_procs(f.run));
  EXPECT_TRUE(crt_stored_procs(f.run));
  EXPECT_EQ(f.lines(),
            exec({
                "DROP PROCEDURE SP1",
                "CREATE PROCEDURE SP1 (IN CHAR(5) , OUT INT) EXTERNAL NAME LIB/SP1X LANGUAGE CL GENERAL",
                "DROP PROCEDURE SP2",
                "CREATE PROCEDURE SP2 EXTERNAL NAME SP2X LANGUAGE RPG GENERAL",
                "DROP PROCEDURE BAD",
            }) + Lines{"// Stored procedure BAD: 1 modes, 0 types"} +
                exec({
                    "DROP PROCEDURE SP1",
                    "CREATE PROCEDURE SP1 (INOUT CHAR(3)) EXTERNAL NAME MYLIB/SP1 LANGUAGE RPG GENERAL",
                    "DROP PROCEDURE ILEPGM",
                    "CREATE PROCEDURE ILEPGM EXTERNAL NAME MYLIB/ILEPGM LANGUAGE RPGLE GENERAL",
                    "DROP PROCEDURE LIBX/CBLPGM",
                    "CREATE PROCEDURE LIBX/CBLPGM (INOUT CHAR(1)) EXTERNAL NAME LIBX/CBLPGM "
                    "LANGUAGE COBOL GENERAL",
                }));
}

TEST(StoredProcs, NoneUsed) {
  Fixture f("external_program_i('ORA', storedprocedure, [oracle7, 'ORAX', [], []]).");
  EXPECT_FALSE(uses_stored_procs(f.run));
  EXPECT_TRUE(crt_stored_procs(f.run));
  EXPECT_EQ(f.lines(), Lines{});
}

// The list of CS_RPCPGML is read once per object: an object's own prop rule
// may set it.
TEST(StoredProcs, ProcedureListPerObject) {
  Fixture f("spec_i([proc, 7, 'Calc', 'Calc', 0, 0]).");
  f.config["CS_RPCPGML"] = "ONE";
  EXPECT_TRUE(is_stored_proc(f.run, atom("one")));
  f.add("rule_i(0, prop('CS_RPCPGML', 'TWO')).");
  EXPECT_FALSE(is_stored_proc(f.run, atom("two")));  // cached for this object
  reset_odbc_calls(f.run);
  EXPECT_TRUE(is_stored_proc(f.run, atom("two")));
  EXPECT_FALSE(is_stored_proc(f.run, atom("one")));
}

TEST(StoredProcs, ParameterTypes) {
  Fixture f("attri_i('&Amt', ['&Amt', pac, 9, 2, '', 1]).");
  Term types;
  ASSERT_TRUE(
      rpc_parm_types(f.run, T("[t('&Amt', 23), t(',', 7), t(5, 3), t('&None', 23)]"), types));
  EXPECT_EQ(engine::writeq(types), "[[pac,9,2,0]]");
}

}  // namespace
}  // namespace qn::logic
