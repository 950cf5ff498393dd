#include "logic/toolbox/declarations.h"

#include "logic/core/gen_targets.h"
#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

TEST(Declarations, CommentsAndRoutineEnds) {
  struct Case {
    const char* what;
    std::function<void(logic::Run&)> write;
    Lines expected;
  } cases[] = {
      {"one piece", [](logic::Run& r) { emit_comment(r, {"x"}); }, {"/* x */"}},
      {"end function",
       [](logic::Run& r) {
         emit_comment(r, {"End function", "f"});
       },
       {"/* End function f */"}},
      {"comment end inside",
       [](logic::Run& r) {
         emit_comment(r, {"a*/b", "*/*/"});
       },
       {"/* a* /b * /* / */"}},
      {"block",
       [](logic::Run& r) {
         emit_comment_block(r, {{"a"}, {"b", 2}, {"c*/"}});
       },
       {"/*", "   a", "   b 2", "   c* /", "*/"}},
      {"end without value",
       [](logic::Run& r) {
         Out(r).open("{");
         end_routine(r, "0");
       },
       {"{", "}", ""}},
      {"end with value",
       [](logic::Run& r) {
         Out(r).open("{");
         end_function(r, "f", "x");
       },
       {"{", "   /* End function f */", "   return x ;", "}", ""}},
  };
  for (const auto& c : cases) {
    Fixture f;
    c.write(f.run);
    EXPECT_EQ(f.lines(), c.expected) << c.what;
  }
}

// A line that could not be written is reported, not taken for written.
TEST(Declarations, WriteFailuresAreReported) {
  Fixture f;
  f.run.capture()->fail_writes = true;
  EXPECT_FALSE(emit_comment(f.run, {"x"}));
  EXPECT_FALSE(gen_set_errtbl(f.run, engine::Term::atom("t")));
  EXPECT_FALSE(gen_set_oper(f.run, engine::Term::atom("o")));
}

TEST(Declarations, RoutineEndForgetsItsParameters) {
  Fixture f(
      "fld_to_dcl_i(p, rp, [p, int, 4, 0, 1]). fld_to_dcl_i(v, s, [v, int, 4, 0, 1]). "
      "in_main_program_i. local_routine_parms_i([[u, '&A', p]]).");
  end_routine(f.run, "0");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i(v,s,[v,int,4,0,1]) ");
  EXPECT_EQ(f.all("in_main_program_i", 0) + f.all("local_routine_parms_i", 1), "");
}

TEST(Declarations, EveryTypeInTableOrderOnce) {
  Fixture f(
      // Declared out of table order, with kinds the writer leaves alone.
      "fld_to_dcl_i(\"D\", s, ['D', date, 8, 0, 1]). "
      "fld_to_dcl_i(\"Big\", s, ['Big', int, 12, 0, 1]). "
      "fld_to_dcl_i(\"Amount\", s, ['Amount', pac, 9, 2, 1]). "
      "fld_to_dcl_i(\"B\", s, ['B', int, 2, 0, 1]). "
      "fld_to_dcl_i(\"S\", s, ['S', int, 4, 0, 1]). "
      "fld_to_dcl_i(\"I\", s, ['I', zon, 9, 0, 1]). "
      "fld_to_dcl_i(\"C\", s, ['C', char, 20, 0, 1]). "
      "fld_to_dcl_i(\"T\", s, ['T', dtime, 10, 8, 1]). "
      "fld_to_dcl_i(\"Ok\", s, ['Ok', boolean, 1, 0, 1]). "
      "fld_to_dcl_i(\"V\", s, ['V', vchar, 200, 0, 1]). "
      "fld_to_dcl_i(\"Sv\", s, ['Sv', svchar, 40, 0, 1]). "
      "fld_to_dcl_i(\"Pic\", s, ['Pic', bits, 1024, 0, 1]). "
      "fld_to_dcl_i(\"Fp\", s, ['Fp', filep, 4, 0, 1]). "
      "fld_to_dcl_i(\"Sf\", s, ['Sf', obj('QNSubfile'), 0, 0, 0]). "
      "fld_to_dcl_i(\"Held\", h, ['Held', date, 8, 0, 1]). "
      "fld_to_dcl_i(\"ByCaller\", u, ['ByCaller', int, 4, 0, 1]). "
      "fld_to_dcl_i(\"Parm\", rp, ['Parm', int, 4, 0, 1]). "
      "fld_to_dcl_i(\"Ptr\", s, ['Ptr', charp, 4, 0, 1]). "
      "fld_to_dcl_i(\"Odd\", s, ['Odd', blob, 4, 0, 1]). "
      // Arrays of one and two dimensions (a second of 0 is none), initial values.
      "fld_to_dcl_i(\"Arr\", s, ['&Arr', int, 4, 0, 1]). rule_i(0, dim('&Arr', [10])). "
      "fld_to_dcl_i(\"Grid\", s, ['&Grid', char, 5, 0, 1]). rule_i(0, dim('&Grid', [3, 4])). "
      "fld_to_dcl_i(\"Row\", s, ['&Row', char, 5, 0, 1]). rule_i(0, dim('&Row', [3, 0])). "
      "fld_to_dcl_i(\"QN_I\", s, ['QN_I', int, 3, 0, 1]). fld_initial_i(\"QN_I\", 1). ");
  ASSERT_TRUE(gen_var_declarations(f.run));
  EXPECT_EQ(f.lines(),
            (Lines{"protected byte B ;", "protected short S ;", "protected short Arr[] ;",
                   "protected short QN_I = 1 ;", "protected int I ;", "protected long Big ;",
                   "protected double Amount ;", "protected String C ;",
                   "protected String Grid[][] ;", "protected String Row[] ;",
                   "protected java.util.Date T ;", "protected java.util.Date D ;",
                   "protected boolean Ok ;", "protected String V ;", "protected String Sv ;",
                   "protected String Pic ;", "protected int Fp ;", "protected QNSubfile Sf ;",
                   "/* Error: Attribute Odd type blob has an unrecognized type. */"}));
  // Written once: a second call writes nothing; h, u, rp and charp stay.
  f.run.capture()->files.clear();
  ASSERT_TRUE(gen_var_declarations(f.run));
  EXPECT_EQ(f.lines(), Lines{});
  EXPECT_EQ(
      f.all("fld_to_dcl_i", 3),
      "fld_to_dcl_i(\"Held\",h,['Held',date,8,0,1]) "
      "fld_to_dcl_i(\"ByCaller\",u,['ByCaller',int,4,0,1]) "
      "fld_to_dcl_i(\"Parm\",rp,['Parm',int,4,0,1]) fld_to_dcl_i(\"Ptr\",s,['Ptr',charp,4,0,1]) ");
}

TEST(Declarations, NamesAndSmallPieces) {
  Fixture f(
      "local_routine_parms_i([[s, '&A', p1], [u, '&A', p2], [s, '&B', p3]]). "
      "parm_names_i([['&P', in]]). p_auxname('&Q', \"AV_Q\"). "
      "attri_i('Cust', ['CUSTNAME', char, 30, 0, '', 0]). rule_i(0, stub(applet)).");
  struct Case {
    const char* var;
    const char* parm_name;  // "" for none
    const char* aux;        // "" for none
  } cases[] = {
      {"'&A'", "p2", "'&A'"},        // [u, ...] before an earlier entry
      {"'&B'", "p3", "'&B'"},        // any kind
      {"'&P'", "'&P'", "'&P'"},      // a program parameter keeps its name
      {"'&Q'", "", "\"AV_Q\""},      // the auxiliary name first
      {"'Cust'", "", "'CUSTNAME'"},  // then the attribute's name
      {"7", "", ""},                 // no text: no name
  };
  for (const auto& c : cases) {
    auto n = routine_parm_name(f.run, t(c.var));
    EXPECT_EQ(n ? engine::writeq(*n) : "", c.parm_name) << c.var;
    auto a = auxname_c(f.run, t(c.var));
    EXPECT_EQ(a ? engine::writeq(*a) : "", c.aux) << c.var;
  }
  EXPECT_EQ(engine::writeq(as_to_tok(t("['CustName', 12, '&V1', '&Total']"))),
            "[t('CustName',2),t(12,2),t('&V1',23),t('&Total',2)]");
  EXPECT_EQ(dquote("a b"), "\"a b\"");
  EXPECT_TRUE(is_stub_object(f.run, "applet"));
  EXPECT_FALSE(is_stub_object(f.run, "servlet"));
  gen_set_errtbl(f.run, t("'CUSTOMER'"));
  gen_set_oper(f.run, t("'Say \"hi\"'"));
  EXPECT_EQ(f.lines(), (Lines{"Qn_etb = \"CUSTOMER\" ;", "Qn_ope = \"Say \\\"hi\\\"\" ;"}));
}

}  // namespace
}  // namespace qn::logic
