#include "logic/web/static_urls.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

// The tokens' texts joined by blanks.
std::string texts(const engine::Term& tokens) {
  std::string s;
  for (const engine::Term& t : tokens.list_items()) s += (s.empty() ? "" : " ") + text_of(t.arg(1));
  return s;
}

TEST(StaticUrls, Mode) {
  struct Case {
    const char* facts;
    bool static_here;
    bool static_target;
  } cases[] = {
      {"", false, false},
      {"rule_i(0, prop('WEB_GEN_MODE', 'Dynamic')). config_i('WEB_GEN_MODE', 'Static'). "
       "pgm_gen_i(hcust, 11).",
       false, true},
      {"rule_i(0, prop('WEB_GEN_MODE', static)).", true, false},
      {"config_i('WEB_GEN_MODE', 'Static'). pgm_gen_i(hcust, 8).", true, true},
      // another generator's pages are never static
      {"config_i('WEB_GEN_MODE', 'Static'). pgm_gen_i('HCust', 3).", true, false},
      // a target without a generator is this generator's
      {"config_i('WEB_GEN_MODE', 'Static'). pgm_gen_i(other, 3).", true, true},
  };
  for (const Case& c : cases) {
    ExprRun r(c.facts);
    EXPECT_EQ(web_static_generation(r.run), c.static_here) << c.facts;
    EXPECT_EQ(target_static_mode(r.run, atom("hcust")), c.static_target) << c.facts;
  }
}

TEST(StaticUrls, FileNames) {
  const Term five = toks({{"5", 3}});
  const Term ab = toks({{"\"A B\"", 3}});
  EXPECT_EQ(texts(static_file_expr("Customer", {{five, type_desc("int", 4)},
                                                {ab, type_desc("char", 10)}})),
            "\"customer\" + \"_\" + ltrim( str( 5 , 4 , 0 ) ) + \",\" + encodeStaticParm( "
            "rtrim( \"A B\" ) ) + \".html\"");
  EXPECT_EQ(texts(static_file_expr("Customer", {})), "\"customer\" + \".html\"");
  struct Case {
    TypeDesc type;
    const char* expr;
  } cases[] = {
      {type_desc("vchar", 100), "encodeStaticParm( rtrim( &A ) )"},
      {type_desc("int", 7, 2), "ltrim( str( &A , 7 , 2 ) )"},
      {type_desc("date", 8), "QNWebDate2Str( &A )"},
      {type_desc("dtime", 14), "QNWebTime2Str( &A )"},
      {type_desc("bits", 100), "&A"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(texts(static_parm_expr(toks({{"&A", 23}}), c.type)), c.expr) << c.expr;
}

TEST(StaticUrls, CurrentProgramFile) {
  ExprRun r(
      "spec_i([web, 1, 'Customer list', 'Customers']). rule_i(0, parm(['&Id', '&From'], x)). "
      "attri_i('&Id', ['&Id', int, 6, 0, '', 0]). attri_i('&From', ['&From', date, 8, 0, '', 0]). ");
  EXPECT_EQ(texts(static_file_path(r.run)),
            "staticdir( ) + \"hcustomers\" + \"_\" + ltrim( str( &Id , 6 , 0 ) ) + \",\" + "
            "QNWebDate2Str( &From ) + \".html\"");
}

TEST(StaticUrls, ArgumentTokens) {
  ExprRun r("rule_i(0, dim('&Arr', [5])).");
  // tokens written as text/kind pairs; groups joined by " | "
  struct Case {
    std::vector<Tk> tokens;
    const char* groups;
  } cases[] = {
      {{}, ""},
      {{{"&A", 23}}, "&A"},
      {{{"&A", 23}, {",", 7}, {"1", 3}}, "&A | 1"},
      {{{"str(", 1}, {"&A", 23}, {",", 7}, {"5", 3}, {")", 4}, {",", 7}, {"&B", 23}},
       "str( &A , 5 ) | &B"},
      {{{"(", 0}, {"&A", 23}, {",", 7}, {"1", 3}, {")", 4}, {",", 7}, {"2", 3}}, "( &A , 1 ) | 2"},
      // a dimensioned variable's subscripts are one level deeper
      {{{"&Arr", 23}, {"&I", 23}, {",", 7}, {"1", 3}, {")", 4}, {",", 7}, {"&B", 23}},
       "&Arr &I , 1 ) | &B"},
      // a plain variable before a comma is not
      {{{"&A", 23}, {",", 7}, {"&B", 23}}, "&A | &B"},
      // the keyword "true" opens no level
      {{{"true", 1}, {",", 7}, {"&B", 23}}, "true | &B"},
      {{{"&A", 23}, {",", 17}, {"&B", 23}, {",", 19}, {"&C", 23}}, "&A | &B | &C"},
  };
  for (const Case& c : cases) {
    std::string got;
    for (const Term& g : split_arg_tokens(r.run, toks(c.tokens)))
      got += (got.empty() ? "" : " | ") + texts(g);
    EXPECT_EQ(got, c.groups);
  }
  // A call's arguments up to its ")" and what follows it.
  TakenArgs t = take_arg_tokens(
      r.run, toks({{"&A", 23}, {"upper(", 1}, {"&B", 23}, {")", 4}, {")", 4}, {"if", 3}}), 0,
      {int64_t{kTokClose}});
  EXPECT_TRUE(t.stopped);
  EXPECT_EQ(texts(Term::list(t.taken)), "&A upper( &B )");
  EXPECT_EQ(texts(Term::list(t.rest)), "if");
  t = take_arg_tokens(r.run, toks({{"&A", 23}}), 0, {int64_t{kTokClose}});
  EXPECT_FALSE(t.stopped);
  EXPECT_TRUE(t.rest.empty());
}

}  // namespace
}  // namespace qn::logic
