#include "logic/navigation/levels.h"

#include <gtest/gtest.h>

#include <set>

#include "logic/navigation/loop_conditions.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/table_access.h"
#include "logic/navigation/test_fixture.h"

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;
using engine::Term;

const std::string kProc = "spec_i([proc, 2, 'T', 'P', 0, 0]). model_num_i(1). ";
// Level 1 reads INVOICE in order of invid.
const std::string kInvoice =
    kProc + "level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]). "
            "struct_i(1, 0, [invid], []). ";

// Each level kind with its facts: the lines of gen_level_kind/5.
TEST(Navigation, LevelKinds) {
  struct Case {
    const char* name;
    std::string facts;
    const char* kind;
    std::set<std::string> quiet;
    Lines expected;
  } cases[] = {
      {"nvg", kInvoice, "nvg", {},
       {"P00022.fetchFirst();", "while (!P00022.eof())", "{",
        "   /* Check if program is canceled. */", "   P00022.readNext();", "}",
        "P00022.close() ;"}},
      {"nocancel", kInvoice + "rule_i(0, rule([a(13, [nocancel])], 0, 0, 0)). ", "nvg", {},
       {"P00022.fetchFirst();", "while (!P00022.eof())", "{", "   P00022.readNext();", "}",
        "P00022.close() ;"}},
      {"page", kInvoice, "page", {}, {}},
      {"unknown kind", kInvoice, "zzz", {}, {}},
      {"ins without insert", kInvoice, "ins", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts, c.quiet);
    gen_level_kind(f.run, t(c.kind), t("1"), t("[]"), t("[]"), t("[]"));
    EXPECT_EQ(f.lines(), c.expected);
    EXPECT_EQ(f.eng.facts().count("sql_level_i", 1), 0u);
  }
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;

// Only what the rules of this module write: the callees stay silent.
std::set<std::string> all_quiet() {
  std::set<std::string> q;
  for (const auto& [name, arity] : navtest::writing_stand_ins()) q.insert(name);
  return q;
}

std::string where_items(int n) {
  std::string s = "[";
  for (int i = 1; i <= n; ++i) {
    s += std::string(i > 1 ? ", " : "") + "[t('&X', 23), t('>', 10), t('" + std::to_string(i) +
         "', 3)]";
  }
  return s + "]";
}

TEST(Navigation, LoopHeaders) {
  struct Case {
    const char* name;
    const char* kind;
    int residual;
    Lines expected;
  } cases[] = {
      {"many, none", "many", 0, {"while (!cinvoice.eof())", "{"}},
      {"opt ignores conditions", "opt", 2, {"while (!cinvoice.eof())", "{"}},
      {"fst", "fst", 1, {"if (!cinvoice.eof() && ( X > 1 ))", "{"}},
      {"fst, seven: all in the test",
       "fst",
       7,
       {"if (!cinvoice.eof() && ( X > 1 ) && ( X > 2 ) && ( X > 3 ) && ( X > 4 ) && ( X > 5 ) && "
        "( X > 6 ) && ( X > 7 ))",
        "{"}},
      {"seven",
       "many",
       7,
       {"while (!cinvoice.eof() && ( X > 1 ) && ( X > 2 ) && ( X > 3 ) && ( X > 4 ))", "{",
        "   if (!(( X > 5 ) && ( X > 6 ) && ( X > 7 )))", "   {", "      if (true) break;",
        "   }"}},
      {"other kind", "nvg", 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kProc + "attri_i('&X', ['&X', int, 4, 0, '', 1]). "
                      "level_i(1, [invoice, [invoice], [], 0, 0, 0, " +
              where_items(c.residual) + ", 0, 0, []]). ");
    gen_nav_loop_cond(f.run, t(c.kind), t("invoice"), t("1"), t("[]"));
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// A same-table break chain: level 2 breaks level 1 on INVOICE. The top
// fetches only when the sublevel has not; both share the flag BRK<top>.
TEST(Navigation, BreakChain) {
  const std::string facts =
      kProc + "pgm_id([2, proc, 'P']). "
              "level_i(1, [invoice, [invoice], [custid], 0, 0, 0, [], 0, 0, []]). "
              "level_i(2, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]). "
              "struct_i(1, 0, [custid], []). struct_i(2, 1, [invid], []). "
              "break_i(2, nvg, 1, 0, 0). ";
  Fixture f(facts, all_quiet());
  EXPECT_EQ(top_nvg_level(f.run, t("2"), t("invoice")), t("1"));
  EXPECT_EQ(bottom_nvg_level(f.run, t("1"), t("invoice")), t("2"));
  EXPECT_EQ(brk_flag_var(f.run, t("2"), t("invoice")), "BRK021");
  gen_level_close(f.run, t("nvg"), t("1"), t("yes"));
  EXPECT_EQ(f.lines(), (Lines{"/* Check if program is canceled. */", "if (!BRK021)", "{",
                              "   BRK021 = true;", "}", "}"}));
  Fixture g(facts, all_quiet());
  gen_level_close(g.run, t("nvg"), t("2"), t("yes"));
  EXPECT_EQ(g.lines(), (Lines{"/* Check if program is canceled. */", "BRK021 = true;", "}"}));
}

// A level whose read of another table is joined: one SELECT over both
// tables with the read's key.
TEST(Navigation, JoinedLevel) {
  Fixture f(kInvoice + "a_i(t1, 1, t, invoice, x, []). v_i(t, o, t1, [custid]). "
                       "a_i(r1, 1, r, customer, x, [[[invoice, custid, custid]]]). "
                       "v_i(r, i, r1, [custid]). v_i(r, o, r1, [custname]). ",
            {"gen_level_actions"});
  gen_level_kind(f.run, t("nvg"), t("1"), t("[]"), t("[]"), t("[]"));
  std::vector<std::string> texts;
  for (const Term& e : f.eng.facts().findall(t("embsql_cursor_i(_, _)"))) {
    texts.push_back(text_of(e.arg(2).list_items().front()));
  }
  // The read action still reads its row by key, after the joined SELECT.
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[1].find("SELECT custname  FROM customer "), std::string::npos) << texts[1];
  EXPECT_NE(texts[0].find("SELECT T1.invid, T2.custname "), std::string::npos) << texts[0];
  EXPECT_NE(texts[0].find("T2.custid = T1.custid"), std::string::npos) << texts[0];
}

TEST(Navigation, InsertLevel) {
  const std::string facts =
      kProc + "level_i(1, [0, [], [], 0, 0, 0, [], 0, 0, []]). struct_i(1, 0, [], []). "
              "upd_i(1, customer, i, [[custid, custname], [], [], [], []]). ";
  struct Case {
    const char* name;
    std::string facts;
    Lines expected;
  } cases[] = {
      {"standard duplicate test",
       facts,
       {"/*", "   INSERT RECORD ON TABLE customer", "*/", "",
        "P00022.executeUpd(custid, custname) ;",
        "if (P00022.duplicated())",
        "{", "   Err = 1;",
        "   Errmsg = localUtil.getMessages().getMessage(\"noupdate\");", "}", "else", "{",
        "   Err = 0;", "   Errmsg = \"\";", "}", "/* End Insert */"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    gen_level_kind(f.run, t("ins"), t("1"), t("[]"), t("[]"), t("[]"));
    EXPECT_EQ(f.lines(), c.expected);
    EXPECT_EQ(f.eng.facts().count("sql_level_i", 1), 0u);
  }
  // A "when duplicate" command handles the duplicate itself.
  Fixture f(facts + "b_line_i(1, 1, 1, cmd, 0, [t(dup, 129)]). b_group_i(1, 1, cmd, 0, 0, 0). ");
  gen_level_kind(f.run, t("ins"), t("1"), t("[]"), t("[]"), t("[]"));
  for (const std::string& l : f.lines()) {
    EXPECT_EQ(l.find("duplicated"), std::string::npos) << l;
    EXPECT_EQ(l.find("gen_sql_insert"), std::string::npos) << l;
  }
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;

// First-record levels: "if" for "while", closed without a loop exit (no
// loop to leave); an
// optimised command that does not apply falls back to the navigation.
TEST(Navigation, FirstOnlyAndOptimisedFallback) {
  std::set<std::string> quiet;
  for (const auto& [name, arity] : navtest::writing_stand_ins()) quiet.insert(name);
  Fixture f(kInvoice, quiet);
  gen_level_kind(f.run, t("xfst"), t("1"), t("[]"), t("[]"), t("[]"));
  EXPECT_EQ(f.lines(), (Lines{"P00022.fetchFirst();", "if (!P00022.eof())", "{",
                              "   P00022.readNext();", "}", "P00022.close() ;"}));
  Fixture g(kInvoice + "start_i(1, 0, 0, [[], one]). ", quiet);
  gen_level_kind(g.run, t("xfst"), t("1"), t("[]"), t("[]"), t("[]"));
  EXPECT_EQ(g.lines(),
            (Lines{"P00022.fetchFirst();", "if (!P00022.eof())", "{",
                   "   /* Exiting from a For First loop. */", "}", "P00022.close() ;"}));
  // A condition action's block closes before the level's loop.
  Fixture c(kInvoice + "a_i(7, 1, c, 0, 0, []). a_i(8, 1, t, invoice, 0, []). ", quiet);
  gen_level_close(c.run, t("nvg"), t("1"), t("yes"));
  EXPECT_EQ(c.lines(), (Lines{"}", "/* Check if program is canceled. */", "}"}));
  Fixture h(kInvoice + "b_line_i(1, 1, 1, cmd, 0, [t(delete, 121)]). ", quiet);
  gen_level_kind(h.run, t("nvg"), t("1"), t("[]"), t("[]"), t("[]"));
  ASSERT_GE(h.lines().size(), 2u);
  EXPECT_EQ(h.lines()[1], "while (!P00022.eof())");
}

}  // namespace
}  // namespace qn::logic
