#include "logic/navigation/vert_formulas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;

TEST(VertFormulas, RoutineName) {
  struct Case {
    const char* spec;
    const char* name;
  } cases[] = {
      {"spec_i([proc, 2, 'P', 'P', 0, 0]). pgm_id([2, proc, 'P']).", "VR027"},
      {"spec_i([rpt, 2, 'R', 'R', 0, 0]). pgm_id([2, rpt, 'R']).", "VR027"},
      {"spec_i([trn, 2, 'T', 'T', 0, 0]). pgm_id([2, trn, 'T']).", "VE027"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    Fixture f(c.spec);
    EXPECT_EQ(vert_routine_name(f.run, num(7)), c.name);
  }
}

// Level 2 (INVLINE under INVOICE) lists formulas 7 and 8; its sublevel 3
// lists 7 again and level 4, a sibling on its own table, lists 8 again.
const std::string kLevels =
    "spec_i([proc, 2, 'P', 'P', 0, 0]). pgm_id([2, proc, 'P']). "
    "attri_i(q, [q, int, 9, 0, '', 1]). attri_i(top, [top, int, 9, 0, '', 1]). "
    "attri_i(low, [low, int, 9, 0, '', 1]). attri_i(n, [n, int, 9, 0, '', 1]). "
    "attri_i(k, [k, int, 9, 0, '', 1]). attri_i(m, [m, int, 9, 0, '', 1]). "
    "level_i(1, [invoice, [invoice], [], 0, 0, 0, [], 0, 0, []]). struct_i(1, 0, [], []). "
    "level_i(2, [invline, [invline], [], 0, 0, 0, [], 0, 0, []]). struct_i(2, 1, [], []). "
    "level_i(3, [product, [product], [], 0, 0, 0, [], 0, 0, []]). struct_i(3, 2, [], []). "
    "level_i(4, [stock, [stock], [], 0, 0, 0, [], 0, 0, []]). struct_i(4, 1, [], []). "
    "level_i(10, [invline, [invline], [], 0, 0, 0, [], 0, 0, []]). struct_i(10, 1, [q], []). "
    "a_i(v7, 2, v, top, 0, 7). v_i(v, i, v7, [k]). a_i(w7, 2, v, low, 0, 7). v_i(v, i, w7, [k, m]). "
    "for_ver_no_red_i(2, [7], [[], [['max(', top, q], ['min(', low, q]], invline, [[invline, 10]]]). "
    "for_ver_no_red_i(2, [8], [[], [['count(', n, q]], invline, [[invline, 10]]]). "
    "for_ver_no_red_i(3, [7], [[], [['max(', top, q]], invline, [[invline, 10]]]). "
    "for_ver_no_red_i(4, [8], [[], [['count(', n, q]], invline, [[invline, 10]]]). ";

TEST(VertFormulas, EachRoutineOnce) {
  Fixture f(kLevels);
  EXPECT_EQ(vert_formula_inputs(f.run, num(2), num(7)), (std::vector<engine::Term>{atom("k"), atom("m")}));
  ASSERT_TRUE(level_vert_formulas(f.run, num(0)));
  const Lines lines = f.lines();
  const auto count = [&](const std::string& s) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(s) != std::string::npos; });
  };
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  SCOPED_TRACE(all);
  EXPECT_EQ(count("protected void vr027( int k ,"), 1);
  EXPECT_EQ(count("protected void vr028("), 1);
  // Two accumulations of one routine keep a first-row flag each.
  EXPECT_EQ(count("if ( Qn_first || ( Atop < Aq ) )"), 1);
  EXPECT_EQ(count("if ( Qn_first2 || ( Alow > Aq ) )"), 1);
  // The results stay held in their auxiliaries; the row's value does not.
  EXPECT_EQ(f.all("p_auxname", 2), "p_auxname(n,\"An\") p_auxname(low,\"Alow\") p_auxname(top,\"Atop\") ");
  EXPECT_EQ(f.all("no_thisform_var_i", 1), "");
  EXPECT_EQ(f.all("in_formula_i", 1), "");
}

// A formula without a table to walk cannot get its routine: the program
// fails rather than call a routine nobody wrote.
TEST(VertFormulas, NoNavigationFails) {
  Fixture f(kLevels + "for_ver_no_red_i(4, [9], [[], [['sum(', n, q]], invline, []]). ");
  EXPECT_FALSE(level_vert_formulas(f.run, num(0)));
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

// A group's row adds to the held results of its level's sums and counts;
// a maximum, and a result without an auxiliary, add nothing.
TEST(VertFormulas, GroupAccumulation) {
  Fixture f(kLevels +
            "attri_i(amt, [amt, int, 9, 0, '', 1]). attri_i('OB', ['OB', int, 9, 0, '', 1]). "
            "attri_i('B', ['B', int, 9, 0, '', 1]). "
            "a_i(g1, 4, v, tot, 0, 9). a_i(g2, 4, v, n, 0, 8). "
            "for_ver_no_red_i(4, [9], [[], [['sum(', tot, amt], ['max(', top, amt], ['sum(', low, amt]], "
            "stock, [[stock, 10]]]). "
            "p_auxname(tot, 'Atot'). p_auxname(top, 'Atop'). p_auxname(n, 'An'). "
            "attri_i('Atot', ['Atot', int, 9, 0, '', 1]). attri_i('An', ['An', int, 9, 0, '', 1]). ");
  ASSERT_TRUE(for_on_grp(f.run, num(4), {t("['B', h, [t('OB', int)]]")}));
  EXPECT_EQ(f.lines(), (Lines{"OB = B ;", "Atot = Atot+amt ;", "An = An+1 ;"}));
}

}  // namespace
}  // namespace qn::logic
