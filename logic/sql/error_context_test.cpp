#include "logic/sql/error_context.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

using engine::Term;
using sqltest::Fixture;
using sqltest::Lines;
using sqltest::T;

TEST(ErrorContext, StatementsSetTheContextOnlyWithAHandler) {
  struct Case {
    const char* name;
    const char* facts;
    Lines lines;
    const char* declared;
  } cases[] = {
      {"no handler", "", {}, ""},
      {"a default handler named ''", "rule_i(1, rule([a(30, [''])], x, y, z)).", {}, ""},
      {"a default handler",
       "rule_i(1, rule([a(30, [errproc])], x, y, z)).",
       {"Qn_ope = \"Delete\" ;", "Qn_etb = \"CUSTOMER\" ;"},
       "fld_to_dcl_i('Qn_ope',s,['Qnoper',char,30,0,1]) "
       "fld_to_dcl_i('Qn_etb',s,['Qnerrtbl',char,30,0,1]) "},
      {"one reset command anywhere",
       "b_line_i(9, 2, 1, cmd, x, [t(errhandler, 160, 1, 1)]).",
       {"Qn_ope = \"Delete\" ;", "Qn_etb = \"CUSTOMER\" ;"},
       "fld_to_dcl_i('Qn_ope',s,['Qnoper',char,30,0,1]) "
       "fld_to_dcl_i('Qn_etb',s,['Qnerrtbl',char,30,0,1]) "},
      {"a 160 token that is no command",
       "b_line_i(9, 2, 1, line, x, [t(errhandler, 160, 1, 1)]).",
       {},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string("table_i(1, 'CUSTOMERS'). ") + c.facts);
    EXPECT_TRUE(set_oper_ctx(f.run, str("Delete")));
    EXPECT_TRUE(set_errtbl_ctx(f.run, T("[[1, many], [2, one]]")));
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.all("fld_to_dcl_i", 3), c.declared);
  }
}

TEST(ErrorContext, HandlerCommands) {
  struct Case {
    const char* name;
    const char* facts;
    const char* tokens;
    Lines lines;
  } cases[] = {
      {"named handler",
       "",
       "[t(errhandler, 160, 1, 1), t('\"fixit\"', 3, 1, 2)]",
       {"// Set error handler to fixit", "QNCSERH = \"U112\";"}},
      {"reset to the default handler",
       "rule_i(1, rule([a(30, [errproc])], x, y, z)).",
       "[t(errhandler, 160, 1, 1)]",
       {"QNCSERH = \"U112\"; // Reset error handler"}},
      {"reset without a default handler",
       "",
       "[t(errhandler, 160, 1, 1)]",
       {"QNCSERH = \"\"; // Reset error handler"}},
      {"a name that is no string resets",
       "",
       "[t(errhandler, 160, 1, 1), t(fixit, 23, 1, 2)]",
       {"QNCSERH = \"\"; // Reset error handler"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    const std::string name = errh_cmd_name(T(c.tokens));
    EXPECT_TRUE(errh_routine(f.run, num(0), atom(name)));
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('QNCSERH',s,['QNCSERH',char,30,0,0]) ");
  }
}

// The lines of a program with a handler, in a method of a class that
// declares the three variables, compile.
TEST(ErrorContext, LinesCompile) {
  ASSERT_TRUE(test::java::available())
      << "no JDK: install the Debian package openjdk-17-jdk-headless";
  Fixture f("table_i(1, 'CUST\"OMERS'). rule_i(1, rule([a(30, [errproc])], x, y, z)).");
  ASSERT_TRUE(set_oper_ctx(f.run, str("Fetch")));
  ASSERT_TRUE(set_errtbl_ctx(f.run, T("[1]")));
  ASSERT_TRUE(errh_routine(f.run, num(0), atom("fix it")));
  ASSERT_TRUE(errh_routine(f.run, num(0), atom("")));
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("qn_errh_" + std::to_string(::getpid()));
  fs::create_directories(dir / "classes");
  {
    std::ofstream java(dir / "Errh.java");
    java << "public class Errh {\n  String Qn_ope, Qn_etb, QNCSERH;\n  void run() {\n";
    for (const std::string& l : f.lines()) java << "    " << l << "\n";
    java << "  }\n}\n";
  }
  const auto r =
      test::java::compile_against_stub({(dir / "Errh.java").string()}, (dir / "classes").string());
  EXPECT_EQ(r.status, 0) << r.output;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::logic
