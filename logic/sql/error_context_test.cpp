#include "logic/sql/error_context.h"

#include <gtest/gtest.h>

#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using sqltest::Fixture;
using sqltest::Lines;
using sqltest::T;

// u_proc_name/3 answers "U" + the key + "_" + the suffix.
void routine_names(Fixture& f) {
  f.run.stand_in_host("u_proc_name", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = str("U" + text_of(a[0]) + "_" + text_of(a[1]));
    return true;
  });
}

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
      {"a 160 token that is no command", "b_line_i(9, 2, 1, line, x, [t(errhandler, 160, 1, 1)]).",
       {}, ""},
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
      {"named handler", "", "[t(errhandler, 160, 1, 1), t('\"fixit\"', 3, 1, 2)]",
       {"// Set error handler to fixit", "QNCSERH = \"Ufixit_2\";"}},
      {"reset to the default handler", "rule_i(1, rule([a(30, [errproc])], x, y, z)).",
       "[t(errhandler, 160, 1, 1)]", {"QNCSERH = \"UERRPROC_2\"; // Reset error handler"}},
      {"reset without a default handler", "", "[t(errhandler, 160, 1, 1)]",
       {"QNCSERH = \"\"; // Reset error handler"}},
      {"a name that is no string resets", "", "[t(errhandler, 160, 1, 1), t(fixit, 23, 1, 2)]",
       {"QNCSERH = \"\"; // Reset error handler"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    routine_names(f);
    const std::string name = errh_cmd_name(T(c.tokens));
    EXPECT_TRUE(errh_routine(f.run, num(0), atom(name)));
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('QNCSERH',s,['QNCSERH',char,30,0,0]) ");
  }
}

}  // namespace
}  // namespace qn::logic
