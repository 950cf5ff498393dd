#include "logic/navigation/aux_vars.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/clause_io.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

TEST(AuxVars, Names) {
  struct Case {
    const char* att;
    int64_t type;
    const char* name;
  } cases[] = {
      {"'CUSTNAME'", kAuxOld, "OCUSTNAME"},
      {"'CUSTNAME'", kAuxPrevious, "ECUSTNAME"},
      {"'CUSTNAME'", kAuxPseudo, "ZCUSTNAME"},
      {"12", kAuxA, "A12"},
      {"'CUSTOMERNAME1'", kAuxResult, "XCUSTOMERN"},  // the host's ten characters
      {"'QnCount'", kAuxResult, "QnCount"},             // a standard name stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.att);
    Fixture f;
    EXPECT_EQ(gen_aux_name(f.run, t(c.att), num(65), c.type).value_or("FAIL"), c.name);
  }
}

TEST(AuxVars, MakeFindDrop) {
  Fixture f("p_auxname('A', 'Akept').");
  ASSERT_TRUE(make_aux_names(f.run, t("['A', 'B', 7]"), num(0), kAuxA, atom("n")));
  // Mode n keeps the auxiliary an attribute has.
  EXPECT_EQ(f.all("p_auxname", 2), "p_auxname(7,\"A7\") p_auxname('B',\"AB\") p_auxname('A','Akept') ");
  ASSERT_TRUE(make_aux_names(f.run, t("'A'"), num(0), kAuxOld, atom("y")));
  EXPECT_EQ(first_auxname(f.run, t("['Z', 'A']"))->second, "OA");
  drop_aux_names(f.run, t("['A', 7]"));
  EXPECT_EQ(f.all("p_auxname", 2), "p_auxname('B',\"AB\") ");
  EXPECT_FALSE(first_auxname(f.run, t("['A']")));
}

TEST(AuxVars, FormulaNames) {
  auto [att, name] = count_aux_name(atom("count("), atom("QTY"), atom("Items"));
  EXPECT_EQ(engine::writeq(att) + " " + engine::writeq(name), "'Qncount' 'Qncount'");
  std::tie(att, name) = count_aux_name(atom("sum("), atom("QTY"), atom("Items"));
  EXPECT_EQ(engine::writeq(att) + " " + engine::writeq(name), "'QTY' 'Items'");

  struct Case {
    const char* facts;
    int64_t number;
    const char* routine;
  } cases[] = {
      {"spec_i([trn, 1, 'T', 'Orders']).", 37, "EV11Items"},
      {"spec_i([proc, 1, 'T', 'Orders']).", 5, "ER05Items"},
      {"spec_i([scr, 1, 'T', 'W']). pgm_id([3, scr, 'W']).", 1, "EVV0301Items"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(aux_unique_name(f.run, c.number, atom("Items")), c.routine);
  }
}

TEST(AuxVars, CombineConds) {
  const Term conn = t("t('.AND.', 9)");
  auto combined = [&](int n) {
    std::vector<Term> conds;
    for (int k = 1; k <= n; ++k) conds.push_back(t("[t(c" + std::to_string(k) + ", 2)]"));
    std::string s;
    for (const Term& tk : combine_conds(conds, conn).list_items()) s += text_of(tk.arg(1)) + " ";
    return s;
  };
  EXPECT_EQ(combined(0), "");
  EXPECT_EQ(combined(1), "c1 ");
  EXPECT_EQ(combined(2), "( c1 ) .AND. ( c2 ) ");
  EXPECT_EQ(combined(3), "( ( c1 ) .AND. ( c2 ) ) .AND. ( c3 ) ");
  EXPECT_EQ(combined(4), "( ( c1 ) .AND. ( c2 ) ) .AND. ( ( c3 ) .AND. ( c4 ) ) ");
  EXPECT_EQ(combined(5),
            "( ( ( c1 ) .AND. ( c2 ) ) .AND. ( ( c3 ) .AND. ( c4 ) ) ) .AND. ( c5 ) ");
}

TEST(AuxVars, Accumulation) {
  const char* facts =
      "attri_i('XQTY', ['XQTY', int, 9, 0, '', 1]). attri_i('QTY', ['QTY', int, 9, 0, '', 1]). "
      "attri_i('Qn_first', ['Qn_first', boolean, 1, 0, '', 0]). "
      "attri_i('Ret', ['Ret', int, 9, 0, '', 1]).";
  struct Case {
    const char* function;
    const char* result;  // a term, or "" for none
    Lines lines;
  } cases[] = {
      {"max(", "'Ret'",
       {"if ( Qn_first || ( XQTY < QTY ) )", "{", "   XQTY = QTY ;", "   Qn_first = false ;",
        "   /* Set return value */", "   Ret = XQTY ;", "}"}},
      {"min(", "'XQTY'",
       {"if ( Qn_first || ( XQTY > QTY ) )", "{", "   XQTY = QTY ;", "   Qn_first = false ;", "}"}},
      {"sum(", "",
       {"if ( Qn_first )", "{", "   XQTY = QTY ;", "   Qn_first = false ;", "}", "else", "{",
        "   XQTY = XQTY+QTY ;", "}"}},
      {"count(", "",
       {"if ( Qn_first )", "{", "   XQTY = 1 ;", "   Qn_first = false ;", "}", "else", "{",
        "   XQTY = XQTY+1 ;", "}"}},
      {"find(", "'Ret'",
       {"XQTY = QTY ;", "/* Set return value */", "Ret = XQTY ;", "if (true) break;"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    Fixture f(facts);
    std::optional<Term> result;
    if (*c.result) result = t(c.result);
    ASSERT_TRUE(gen_accumulation(f.run, c.function, atom("XQTY"), t("[t('QTY', 2)]"), result));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

TEST(AuxVars, SelectFormulaRoutines) {
  // Two sums over QTY differing only in their number, and a count with a
  // condition on a program variable that SQL cannot take.
  const char* facts =
      "spec_i([trn, 1, 'T', 'Orders']). attri_i('QTY', ['QTY', int, 9, 0, '', 1]). "
      "attri_i('XQTY', ['XQTY', int, 9, 0, '', 1]). attri_i('Qncount', ['Qncount', int, 9, 0, '', 1]). "
      "function_i(1, 1, yes, select, 'sum(', [], 'Tot', 'QTY', [[], 20, [[t('QTY', 2)]]]). "
      "function_i(1, 2, yes, select, 'sum(', [], 'Tot', 'QTY', [[], 20, [[t('QTY', 2)]]]). "
      "function_i(1, 3, yes, select, 'count(', [], 'N', 'QTY', "
      "[[], 20, [c([t('len(', 1), t('&P', 23), t(')', 4), t('>', 10), t(1, 3)], [])]]). "
      "function_i(1, 4, no, select, 'max(', [], 'M', 'QTY', [[], 20, []]). "
      // Table 20 is named by its number (no knowledge base here).
      "p(x, y, fv, k, [intname, 20]). table_i(20, 'ORDERS'). ";
  Fixture f(facts);
  ASSERT_TRUE(select_formula_auxs(f.run, num(0)));
  const Lines lines = f.lines();
  const std::string all = [&] {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
  }();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "{"), 2) << all;  // two routines
  // The sum: one SELECT of the aggregate, the row read back when found.
  EXPECT_NE(all.find("   if ( !T00012.eof() )\n   {\n      XQTY = "), std::string::npos) << all;
  // The count: set to 0, a loop over the rows with Qn_first and the program
  // variable's condition as an if-block.
  EXPECT_NE(all.find("Qncount = 0 ;"), std::string::npos) << all;
  EXPECT_NE(all.find("Qn_first = true ;\n   T00013.fetchFirst(dbo20);\n   while (!T00013.eof())\n   {\n"
                     "      if ( ( P.length( ) > 1 ) )"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("T00013.readNext();\n   }\n   T00013.close() ;\n   return Qncount ;"),
            std::string::npos)
      << all;
  EXPECT_EQ(f.all("p_auxname", 2), "");
  EXPECT_EQ(f.all("in_formula_i", 1), "");
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

// The largest QTY's order number: the aggregate, then the row holding it,
// whose ORDNO the routine returns; the aggregate's cursor is closed on both
// branches.
TEST(AuxVars, MaxReturningAnotherAttribute) {
  Fixture f(
      "spec_i([trn, 1, 'T', 'Orders']). attri_i('QTY', ['QTY', int, 9, 0, '', 1]). "
      "attri_i('ORDNO', ['ORDNO', int, 9, 0, '', 1]). "
      "attri_i('XQTY', ['XQTY', int, 9, 0, '', 1]). attri_i('XORDNO', ['XORDNO', int, 9, 0, '', 1]). "
      "function_i(1, 1, yes, select, 'max(', [], 'Big', 'QTY', [[], 20, [], 'ORDNO']). "
      "p(x, y, fv, k, [intname, 20]). table_i(20, 'ORDERS'). "
      // The object's own auxiliaries: neither used by the routine nor lost.
      "p_auxname('QTY', 'AQTY'). p_auxname('ORDNO', 'AORDNO'). ");
  ASSERT_TRUE(select_formula_auxs(f.run, num(0)));
  // Both results start from their null values; the maximum is the SELECT's
  // computed column.
  EXPECT_EQ(f.lines(), (Lines{"protected int ev01big( )",
                              "{",
                              "   XQTY = 0 ;",
                              "   XORDNO = 0 ;",
                              "   T00012.fetchFirst(dbo20);",
                              "   if ( !T00012.eof() )",
                              "   {",
                              "      XQTY = (int)(dbo20.getNumericFormula(1)) ;",
                              "      T00012.close() ;",
                              "      T00013.fetchFirst(dbo20, XQTY);",
                              "      if ( !T00013.eof() )",
                              "      {",
                              "         XORDNO = dbo20.getOrdno();",
                              "      }",
                              "      T00013.close() ;",
                              "   }",
                              "   else",
                              "   {",
                              "      T00012.close() ;",
                              "   }",
                              "   return XORDNO ;",
                              "}",
                              ""}));
  EXPECT_EQ(f.all("p_auxname", 2), "p_auxname('QTY','AQTY') p_auxname('ORDNO','AORDNO') ");
}

}  // namespace
}  // namespace qn::logic
