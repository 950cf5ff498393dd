#include "logic/program/pictures.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

// A token list as its texts with their kinds: "FormatInt(/1 X/2 )/4".
std::string shown(const Term& tokens) {
  std::string s;
  for (const Term& t : tokens.list_items()) {
    s += (s.empty() ? "" : " ") + text_of(t.arg(1)) + "/" + text_of(t.arg(2));
  }
  return s;
}

TEST(Pictures, DefaultPicture) {
  struct Case {
    const char* type;
    int64_t length, decimals;
    const char* own;
    const char* picture;
  } cases[] = {
      {"char", 3, 0, "", "XXX"},
      {"svchar", 2, 0, "", "XX"},
      {"bits", 1, 0, "", "X"},
      {"char", 3, 0, "!!!", "!!!"},
      {"int", 5, 0, "", "99999"},
      {"pac", 10, 2, "", "9999999.99"},
      {"zon", 2, 2, "", ".99"},  // the decimals fill the length: no nines before the point
      {"bin", 3, 5, "", ".99999"},
      {"int", 6, 0, "ZZZZZ9", "ZZZZZ9"},
      {"date", 8, 0, "", "99/99/99"},
      {"dtime", 10, 8, "", "99/99/9999 99:99:99"},
      {"dtime", 10, 5, "", "99/99/9999 99:99"},
      {"dtime", 10, 2, "", "99/99/9999 99"},
      {"dtime", 10, 0, "", "99/99/9999"},
      {"dtime", 8, 8, "", "99/99/99 99:99:99"},
      {"dtime", 8, 5, "", "99/99/99 99:99"},
      {"dtime", 8, 2, "", "99/99/99 99"},
      {"dtime", 8, 0, "", "99/99/99"},
      {"dtime", 10, 6, "", ""},
      {"dtime", 10, 6, "99/99/9999", "99/99/9999"},
      {"vchar", 100, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.length) + "," +
                 std::to_string(c.decimals) + " '" + c.own + "'");
    EXPECT_EQ(default_picture(atom(c.type), c.length, c.decimals, c.own), c.picture);
  }
}

TEST(Pictures, DisplayFormByType) {
  struct Case {
    const char* type;
    const char* tokens;
  } cases[] = {
      {"[vchar, 200, 0]", "qnvdata(/1 X/2 )/4"},
      {"[int, 12, 0]", "FormatLong(/1 X/2 )/4"},
      {"[int, 9, 0]", "FormatInt(/1 X/2 )/4"},
      {"[pac, 2, 0]", "FormatInt(/1 X/2 )/4"},
      {"[zon, 9, 2]", "FormatDouble(/1 X/2 ,/7 9/3 ,/7 2/3 )/4"},
      {"[date, 8, 0]", "dtocl(/1 X/2 )/4"},
      {"[dtime, 10, 8]", "ttocl(/1 X/2 )/4"},
      {"[char, 5, 0]", "rtrim(/1 X/2 )/4"},
      {"[svchar, 5, 0]", "rtrim(/1 X/2 )/4"},
      {"[bits, 5, 0]", "rtrim(/1 X/2 )/4"},
      {"[boolean, 1, 0]", "X/2"},
  };
  const Term x = tok({"X", kTokAttribute});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(shown(picture_exp(x, term(c.type))), c.tokens);
  }
  // A list is wrapped whole.
  EXPECT_EQ(shown(picture_exp_list(toks({{"&A", kTokVariable}, {"+", kTokAddOp}, {"1", kTokConstant}}),
                                   term("[int, 5, 0]"))),
            "FormatInt(/1 &A/23 +/5 1/3 )/4");
}

// The formatted string of a name carries its picture as a Java literal;
// other tokens and types stay alone.
TEST(Pictures, FormattedString) {
  ExprRun r(
      "attri_i('CUSTDATE', ['CustDate', date, 8, 0, '', 0]). "
      "attri_i('CUSTNAME', ['CustName', char, 4, 0, '', 0]). "
      "attri_i('CUSTMEMO', ['CustMemo', vchar, 400, 0, '', 0]). "
      "attri_i('&Amount', ['Amount', pac, 8, 2, '', 0]). "
      "attri_i('&Code', ['Code', char, 3, 0, 'a\"\\\\b', 0]). ");
  struct Case {
    const char* name;
    Tk token;
    const char* type;
    const char* tokens;
  } cases[] = {
      {"date", {"CUSTDATE", kTokAttribute}, "[date, 8, 0]",
       "transformDate(/1 CUSTDATE/2 ,/7 \"99/99/99\"/3 )/4"},
      {"character", {"CUSTNAME", kTokAttribute}, "[char, 4, 0]",
       "transformChar(/1 CUSTNAME/2 ,/7 \"XXXX\"/3 )/4"},
      {"numeric variable", {"&Amount", kTokVariable}, "[pac, 8, 2]",
       "transformNumeric(/1 &Amount/23 ,/7 \"99999.99\"/3 )/4"},
      {"own picture with a quote and a backslash", {"&Code", kTokVariable}, "[char, 3, 0]",
       "transformChar(/1 &Code/23 ,/7 \"a\\\"\\\\b\"/3 )/4"},
      {"date-time", {"&T", kTokVariable}, "[dtime, 10, 8]", "&T/23"},  // not described
      {"vchar stays", {"CUSTMEMO", kTokAttribute}, "[vchar, 400, 0]", "CUSTMEMO/2"},
      {"a constant stays", {"'x'", kTokConstant}, "[char, 1, 0]", "'x'/3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shown(formatted_string_exp(r.run, tok(c.token), term(c.type))), c.tokens);
  }
  EXPECT_EQ(picture_literal(r.run, atom("&Code")), "\"a\\\"\\\\b\"");
  EXPECT_EQ(picture_literal(r.run, atom("NOSUCH")), std::nullopt);
}

}  // namespace
}  // namespace qn::logic
