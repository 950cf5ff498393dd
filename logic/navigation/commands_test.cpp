#include "logic/navigation/commands.h"

#include <gtest/gtest.h>

#include "logic/navigation/test_fixture.h"

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;
using engine::Term;

const char* kProc =
    "spec_i([proc, 2, 'T', 'P', 0, 0]). model_num_i(1). "
    "attri_i('&X', ['&X', int, 4, 0, '', 1]). attri_i('&S', ['&S', char, 10, 0, '', 1]). "
    "attri_i('&A', ['&A', int, 9, 0, '', 1]). rule_i(0, dim('&A', [3])). ";

// One command line each: what cmd_to_code/5 writes.
TEST(Navigation, CommandLines) {
  struct Case {
    const char* tokens;
    Lines expected;
  } cases[] = {
      {"[t(if, 109), t('&X', 23), t('>', 10), t('1', 3)]", {"if ( ( X > 1 ) )", "{"}},
      {"[t(else, 110)]", {"}", "else", "{"}},
      {"[t(endif, 111)]", {"}"}},
      {"[t(do, 114), t('&X', 23), t('<', 10), t('9', 3)]", {"while ( ( X < 9 ) )", "{"}},
      {"[t(enddo, 115)]", {"}"}},
      {"[t(exit, 140)]", {"if (true) break;"}},
      {"[t('&X', 107), t('&X', 23), t('=', 10), t('2', 3)]", {"X = (short)(2) ;"}},
      {"[t(a, 107), t('Qnfont', 23), t('=', 10), t('2', 3)]", {}},
      {"[t(a, 107), t('&A', 23), t('2', 3), t(')', 4), t('=', 10), t('5', 3)]",
       {"A[2-1] = 5 ;"}},
      {"[t(a, 107), t('&A', 23), t('=', 10), t('0', 3)]", {"/* gen_array_loop '&A' [3] */"}},
      {"[t(a, 107), t('&X', 23)]", {}},
      {"[t(return, 118)]", {"nUserReturn = 1;", "/* gen_return_cmd 1 [] */"}},
      {"[t(commit, 132)]", {"/* gen_commit_cmd 1 1 */"}},
      {"[t(rollback, 157)]", {"/* gen_commit_cmd 2 1 */"}},
      {"[t(exit, 139)]",
       {"/* Exit For each command. Update data (if necessary), close cursors & exit. */",
        "if (true) break;"}},
      {"[t(call, 104), t('P2', 2)]", {"/* gen_pgm_call [t(call,104),t('P2',2)] 1 */"}},
      {"[t(call, 104), t('&P', 23)]", {"/* gen_dynamic_call [t(call,104),t('&P',23)] 1 */"}},
      {"[t(call, 158), t('udp(', 1), t('U', 2), t(')', 4)]",
       {"/* gen_pgm_call [t(call,158),t('udp(',1),t('U',2),t(')',4)] 1 */"}},  // U is no stored procedure
      {"[t(msg, 141), t('\"Hi\"', 3), t(')', 4)]",
       {"/* gen_msg_stmt [t(msg,141),t('\"Hi\"',3),t(')',4)] 1 */"}},
      {"[t(msg, 141), t('\"Hi\"', 3), t(',', 7), t(status, 2), t(')', 4)]",
       {"/* gen_status_msg [t(msg,141),t('\"Hi\"',3),t(',',7),t(status,2),t(')',4)] 1 */"}},
      {"[t(sub, 146), t('Calc', 2)]",
       {"/* gen_sub_header sub 'Calc' */", "/* CalcRoutine */"}},
      {"[t(endsub, 147)]", {"/* gen_sub_end sub 1 */"}},
      {"[t(do, 145), t('Calc', 2)]", {"/* gen_do_sub 'Calc' 1 */"}},
      {"[t(docase, 152)]", {}},
      {"[t(onerror, 160)]", {"QNCSERH = \"\"; // Reset error handler"}},
      {"[t(code, 166), t('int k = 0;\\nk++;', 3)]",
       {"/* User Code */", "/* [! */", "int k = 0;", "k++;", "/* !] */"}},
      {"[t(sql, 167), t('DELETE FROM T', 3)]",
       {"/* User SQL Command. */",
        "/* gen_db_command qnexecimm [[\"DELETE FROM T\"],\"Default\"] */"}},
      {"[t(x, 105)]", {}},
      {"[t(x, 159)]", {}},
      {"[t(x, 999)]", {}},
      {"[]", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tokens);
    Fixture f(kProc);
    cmd_to_code(f.run, t(c.tokens), Term::nil(), Term::nil(), Term::integer(1),
                Term::nil());
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// A subroutine's start and end bracket in_usr_proc_i/1.
TEST(Navigation, UserSubroutineFact) {
  Fixture f(kProc);
  cmd_to_code(f.run, t("[t(sub, 146), t('Calc', 2)]"), Term::nil(), Term::nil(), t("1"),
              Term::nil());
  EXPECT_EQ(f.eng.facts().count("in_usr_proc_i", 1), 1u);
  cmd_to_code(f.run, t("[t(endsub, 147)]"), Term::nil(), Term::nil(), t("1"), Term::nil());
  EXPECT_EQ(f.eng.facts().count("in_usr_proc_i", 1), 0u);
}

}  // namespace
}  // namespace qn::logic
