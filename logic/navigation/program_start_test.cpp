#include "logic/navigation/program_start.h"

#include <gtest/gtest.h>

#include "logic/navigation/test_fixture.h"
#include "platform/clock.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

const std::string kProc = "spec_i([proc, 2, 'Daily invoices', 'P', 0, 0]). model_num_i(1). ";

TEST(Navigation, MainObject) {
  struct Case {
    std::string facts;
    bool main;
  } cases[] = {
      {kProc, false},
      {kProc + "b_line_i(1, 1, 1, cmd, 0, [t(msg, 141), t('''main''', 3), t(')', 4)]). ", true},
      {kProc + "rule_i(0, prop('CALL_PROTOCOL', 'CLINE')). ", true},
      {kProc + "rule_i(0, prop(pgmtype, 'MAIN')). ", true},
      {kProc + "rule_i(0, prop('PGMTYPE', callable)). ", false},
      {"spec_i([web, 13, 'Invoices', 'W', 0, 0]). model_num_i(1). ", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(is_main_object(f.run), c.main);
  }
}

TEST(Navigation, ProgramEntry) {
  struct Case {
    std::string facts;
    Lines expected;
  } cases[] = {
      {kProc + "rule_i(0, prop('PGMTYPE', main)). ",
       {"public final class ap extends QNProcedure", "{",
        "   /* Program does not have any parameters */"}},
      {kProc + "rule_i(0, prop('PGMTYPE', main)). rule_i(0, parm([invdate], [])). ",
       {"public final class ap extends QNProcedure", "{"}},
      {kProc + "rule_i(0, parm([invdate], [])). ",
       {"public final class pp extends QNProcedure", "{"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    gen_pgm_entry(f.run, t("'P'"));
    EXPECT_EQ(f.lines(), c.expected);
  }
}

TEST(Navigation, HeaderComment) {
  platform::set_clock_for_tests([] { return platform::LocalTime{2026, 12, 10, 9, 5, 7, 3, 4}; });
  Fixture f(kProc + "lit(eng, strdate, \"%2 %1, %3\"). str_month(eng, 12, 'December'). ");
  pgm_header_comment(f.run, "P.java", "/*", " *", "*/");
  platform::set_clock_for_tests(nullptr);
  // Data store 1 of a model without data stores is the host's default.
  EXPECT_EQ(f.lines(), (Lines{"/*",
                              " *               File: P.java",
                              " *        Description: Daily invoices",
                              " *             Author: Quenora Java Generator version 619",
                              " *       Generated on: December 10, 2026 9:5:7.3",
                              " *       Program type: Callable routine",
                              " *         Connection: Explicit (dbms)",
                              " *        Target DBMS: qedbase",
                              " *   Operating System: Neither specified nor inferred.",
                              " * Main access method: qndata",
                              " *    Use ODBC Access: Yes",
                              "*/"}));
}

TEST(Navigation, VariablesInitialised) {
  Fixture f(kProc +
            "attri_i('&N', ['&N', int, 4, 0, '', 1]). attri_i('&S', ['&S', char, 5, 0, '', 1]). "
            "fld_to_dcl_i('&N', s, ['&N', int, 4, 0, 1]). "
            "fld_to_dcl_i('&S', s, ['&S', char, 5, 0, 1]). "
            "fld_to_dcl_i('&I', s, ['&I', char, 5, 0, 1]). fld_initial_i('&I', x). "
            "fld_to_dcl_i('&R', rp, ['&R', char, 5, 0, 1]). "
            "fld_to_dcl_i(invdate, s, [invdate, date, 8, 0, 1]). "
            "rule_i(0, parm([invdate], [])). ");
  gen_vars_init(f.run);
  EXPECT_EQ(f.lines(), (Lines{"N = 0 ;", "S = \"\" ;"}));
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

// A program starts in its own file without the facts of the one before; the
// tables it updates are recorded once, and it is listed to compile once.
// (Model 0: no model folder is looked up in the knowledge base.)
TEST(Navigation, ProgramReset) {
  navtest::Fixture f(
      "spec_i([proc, 2, 'T', 'PrintInv', 0, 0]). "
      "upd_i(1, invoice, u, [[total], [], [], [], []]). upd_i(2, customer, i, [[c], [], [], [], []]). "
      "upd_i(3, invoice, d, [[], [], [], [], []]). "
      "fld_to_dcl_i('&Old', s, ['&Old', int, 4, 0, 1]). proc_id(a, b, c). subproc_id(a, b, c). "
      "open_i([0, [old]]).");
  ASSERT_TRUE(reset_pgm_facts(f.run, 0, navtest::t("'PrintInv'")));
  ASSERT_TRUE(reset_pgm_facts(f.run, 0, navtest::t("'PrintInv'")));
  const auto& files = f.run.capture()->files;
  ASSERT_FALSE(files.empty());
  EXPECT_EQ(files.back().path, "pprintinv.java");
  const auto all = [&](const char* name, uint32_t arity) {
    std::string s;
    for (const auto& c : f.eng.facts().clauses(name, arity)) s += engine::writeq(c) + " ";
    return s;
  };
  EXPECT_EQ(all("open_i", 1), "open_i([0,[invoice,customer]]) ");
  EXPECT_EQ(all("pgm_to_compile_i", 1), "pgm_to_compile_i(\"pprintinv\") ");
  EXPECT_EQ(all("fld_to_dcl_i", 3), "");
  EXPECT_EQ(all("proc_id", 3) + all("subproc_id", 3), "");
}

}  // namespace
}  // namespace qn::logic
