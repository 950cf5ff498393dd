#include "logic/navigation/level_actions.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/variables.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

std::string ids(const std::vector<Term>& actions) {
  std::string s;
  for (const Term& a : actions) s += text_of(a.arg(1)) + " ";
  return s;
}

TEST(LevelActions, Order) {
  struct Case {
    const char* name;
    const char* facts;
    bool break_pass;
    const char* order;
  } cases[] = {
      {"given out of order: each after its inputs",
       "a_i(f1, 1, f, 'T', x, []). v_i(f, i, f1, ['P']). v_i(f, o, f1, ['T']). "
       "a_i(r1, 1, r, 20, x, []). v_i(r, i, r1, ['K']). v_i(r, o, r1, ['P']). "
       "a_i(c1, 1, c, 'C', x, []). v_i(c, i, c1, ['T']).",
       false, "r1 f1 c1 "},
      {"a read recomputes a formula that depends on what it loads",
       "a_i(r1, 1, r, 20, x, []). v_i(r, i, r1, ['T']). v_i(r, o, r1, ['Q']). "
       "a_i(f1, 1, f, 'T', x, []). v_i(f, i, f1, ['K']). v_i(f, o, f1, ['T']). ca_i(f1, 'Q').",
       false, "f1 r1 f1 "},
      {"inputs that never appear leave the action out",
       "a_i(f1, 1, f, 'T', x, []). v_i(f, i, f1, ['Nowhere']). "
       "a_i(b1, 1, b, 'B', x, []). v_i(b, i, b1, ['K']).",
       false, "b1 "},
      {"a kind outside the table is never placed", "a_i(z1, 1, z, 'Z', x, []).", false, ""},
      {"break pass: conditions first, rules not placed",
       "a_i(r1, 1, r, 20, x, []). a_i(b1, 1, b, 'B', x, []). a_i(c1, 1, c, 'C', x, []).",
       true, "c1 r1 "},
      {"another level's actions stay out",
       "a_i(r1, 2, r, 20, x, []). a_i(r2, 1, r, 21, x, []).", false, "r2 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_EQ(ids(order_all_actions(f.run, num(1), {atom("K")}, c.break_pass).actions), c.order);
  }
}

TEST(LevelActions, WriteByKind) {
  const char* facts =
      "attri_i('A', ['A', int, 5, 0, '', 0]). attri_i('B', ['B', int, 5, 0, '', 0]). "
      "attri_i('OB', ['OB', int, 5, 0, '', 0]). las_i(1, ['A']). p_auxname('B', 'AB'). "
      // Table 20 is named by its number (no knowledge base here).
      "p(x, y, fv, k, [intname, 20]). table_i(20, 'ORDERS'). spec_i([proc, 2, 'P', 'P', 0, 0]). ";
  struct Case {
    const char* name;
    const char* action;
    const char* io;
    Lines lines;
  } cases[] = {
      {"r: the read, then its held attributes saved", "a_i(r1, 1, r, 20, x, [])",
       "v_i(r, o, r1, ['B']).", {"P00022.fetchFirst(dbo20);", "AB = dbo20.getB();", "OB = AB ;"}},
      {"f: the formula to the attribute", "a_i(f1, 1, f, 'A', x, [[[t(7, 3)], []]])", "",
       {"A = 7 ;"}},
      {"f: the formula to the holder of a held attribute",
       "a_i(f1, 1, f, 'B', x, [[[t(7, 3)], [t('A', 2), t('>', 10), t(1, 3)]]])", "",
       {"if ( ( A > 1 ) )", "{", "   AB = 7 ;", "}"}},
      {"b: the assignments of the level's attributes",
       "a_i(b1, 1, b, 'A', x, [a('A', [t(1, 3)]), a('B', [t(2, 3)])])", "", {"A = 1 ;"}},
      {"v: the vertical formula's routine called with the inputs", "a_i(v1, 1, v, 'A', x, 7)",
       "a_i(v1, 1, v, 'A', x, 7). v_i(v, i, v1, ['B']). v_i(v, o, v1, ['A']).", {"vr7( AB) ;"}},
      {"c: a block the level closes", "a_i(c1, 1, c, 'A', x, [t('A', 2), t('>', 10), t(1, 3)])",
       "", {"if ( ( A > 1 ) )", "{"}},
      {"t: the level's table, read by the driver", "a_i(t1, 1, t, 'A', x, [])", "", {}},
      {"an unknown kind", "a_i(z1, 1, zz, 'A', x, [])", "", {"/* N/A Actionzz A */"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string(facts) + c.io);
    auto line = [](logic::Run& run, const std::string& s) { return Out(run).pieces({s}).ok(); };
    f.run.stand_in_host("gen_control_refresh", 1, [&](logic::Run& run, std::span<Term> a) {
      return line(run, "refresh(" + engine::write(a[0]) + ")");
    });
    LevelActions args{num(1), {}, false, false, num(0), Term::nil(), {t("['B', h, 'OB']")}};
    ASSERT_TRUE(each_att_action(f.run, args, {t(c.action)}));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

// s: the field of the subfile the level shows, set from the attribute; the
// setter names old values and variables as the element class does.
TEST(LevelActions, SubfileAssignment) {
  const char* facts =
      "attri_i('Price', ['Price', int, 6, 0, '', 0]). attri_i('&Qty', ['Qty', int, 4, 0, '', 0]). "
      "spec_i([scr, 8, 'B', 'B', 0, 0]). level_i(1, [0]). level_i(2, [0]). ";
  struct Case {
    const char* name;
    const char* more;
    const char* action;
    Lines lines;
  } cases[] = {
      {"an attribute of the level's subfile", "lit_i(1, 1, s(1), []). sf_break_i(1, 1). ",
       "a_i(s1, 1, s, 'Price', x, [])", {"subw0100008.setPrice( Price );"}},
      {"a variable: its V field", "lit_i(1, 1, s(1), []). sf_break_i(1, 1). ",
       "a_i(s1, 1, s, '&Qty', x, [])", {"subw0100008.setVQty( Qty );"}},
      {"the second subfile of the form", "lit_i(1, 1, s(1), []). lit_i(2, 1, s(2), []). "
       "sf_break_i(2, 2). ", "a_i(s1, 2, s, 'Price', x, [])", {"subw0200008.setPrice( Price );"}},
      {"a level that shows no subfile writes nothing", "", "a_i(s1, 1, s, 'Price', x, [])", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string(facts) + c.more);
    const Term action = t(c.action);
    LevelActions args{action.arg(2), {}, false, false, num(0), Term::nil(), {}};
    ASSERT_TRUE(each_att_action(f.run, args, {action}));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

// The first pass leaves the vertical formula and the condition on its
// result to the second, and saves the held moves at its end; the second
// writes only what the first left.
TEST(LevelActions, TwoPasses) {
  Fixture f(
      "attri_i('A', ['A', int, 5, 0, '', 0]). attri_i('OA', ['OA', int, 5, 0, '', 0]). "
      "a_i(v1, 1, v, 'V', x, 1). v_i(v, i, v1, ['K']). v_i(v, o, v1, ['V']). "
      "a_i(c1, 1, c, 'C', x, [t('A', 2), t('>', 10), t(1, 3)]). v_i(c, i, c1, ['V']). "
      "a_i(r1, 1, r, 20, x, []). v_i(r, i, r1, ['K']). v_i(r, o, r1, ['P']). "
      "p(x, y, fv, k, [intname, 20]). table_i(20, 'ORDERS'). spec_i([proc, 2, 'P', 'P', 0, 0]). ");
  f.run.stand_in_host("gen_control_refresh", 1, [](logic::Run&, std::span<Term>) { return true; });
  LevelActions args{num(1), {atom("K")}, false, false, num(0), Term::nil(), {t("['A', h, 'OA']")}};
  ASSERT_TRUE(gen_level_actions(f.run, args));
  EXPECT_EQ(f.lines(), (Lines{"P00022.fetchFirst(dbo20);", "OA = A ;"}));
  args.pass = 2;
  const size_t before = f.lines().size();
  ASSERT_TRUE(gen_level_actions(f.run, args));
  const Lines all = f.lines();
  EXPECT_EQ(Lines(all.begin() + before, all.end()),
            (Lines{"vr1( K) ;", "if ( ( A > 1 ) )", "{"}));
}

TEST(LevelActions, NullValues) {
  const char* facts =
      "attri_i('&S', ['S', int, 5, 0, '', 0]). attri_i('&V', ['V', char, 4, 0, '', 0]). "
      "attri_i('&M', ['M', date, 8, 0, '', 0]). "
      "rule_i(1, dim('&V', [3])). rule_i(1, dim('&M', [2, 4])).";
  struct Case {
    const char* var;
    Lines lines;
  } cases[] = {
      {"'&S'", {"S = 0 ;"}},
      {"'&V'",
       {"QN_I = (short)(1) ;", "while ( ( QN_I <= 3 ) )", "{", "   V[QN_I-1] = \"\" ;",
        "   QN_I = (short)(QN_I+1) ;", "}"}},
      {"'&M'",
       {"QN_I = (short)(1) ;", "while ( ( QN_I <= 2 ) )", "{", "   QN_J = (short)(1) ;", "   while ( ( QN_J <= 4 ) )",
        "   {", "      M[QN_I-1][QN_J-1] = QNutil.nullDate() ;", "      QN_J = (short)(QN_J+1) ;", "   }",
        "   QN_I = (short)(QN_I+1) ;", "}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.var);
    Fixture f(facts);
    EXPECT_TRUE(gen_nullvalue(f.run, t(c.var)));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

// A formula's result held in an auxiliary and never read is declared all
// the same: the class would not compile without it.
TEST(LevelActions, FormulaHolderDeclared) {
  navtest::Fixture f(
      "attri_i('B', ['B', int, 5, 0, '', 0]). p_auxname('B', 'AB'). "
      "a_i(f1, 1, f, 'B', x, [[[t(7, 3)], []]]).");
  LevelActions args{num(1), {}, false, false, num(0), Term::nil(), {}};
  ASSERT_TRUE(each_att_action(f.run, args, {navtest::t("a_i(f1, 1, f, 'B', x, [[[t(7, 3)], []]])")}));
  EXPECT_EQ(f.lines(), (navtest::Lines{"AB = 7 ;"}));
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('AB',s,['B',int,5,0,0]) ");
}

}  // namespace
}  // namespace qn::logic
