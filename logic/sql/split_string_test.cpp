#include "logic/sql/split_string.h"

#include <gtest/gtest.h>

namespace qn::logic {
namespace {

using Pieces = std::vector<std::string>;

TEST(SplitString, Pieces) {
  struct Case {
    std::string text;
    const char* skip;
    const char* keep;
    Pieces pieces;
  } cases[] = {
      {"", " ", "", {}},
      {"  ", " ", "", {}},
      {"a + b", " ", "+", {"a", "+", "b"}},
      {"a+b", " ", "+", {"a", "+", "b"}},
      {"x'y", "'\"", "", {"x", "y"}},
      {"  ab  cd ", " ", "", {"ab", "cd"}},
      {"a\tb", "", "", {"a", "b"}},  // a control character separates
      {"a\xff"
       "b",
       " ",
       "+",
       {"a", "b"}},  // so does the character 255
      {"((", "", "(", {"(", "("}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(split_string(c.text, c.skip, c.keep), c.pieces);
  }
}

TEST(SplitString, RulesOnTop) {
  EXPECT_EQ(name_before_quote("'HCustomers'", 3), "hcustomers");
  EXPECT_EQ(name_before_quote("\"Calc\"", 3), "calc");
  EXPECT_EQ(name_before_quote("'Calc'", 23), std::nullopt);
  EXPECT_EQ(name_before_quote("''", 3), std::nullopt);
  EXPECT_TRUE(is_web_target("'hlist'"));
  EXPECT_FALSE(is_web_target("'plist'"));
  EXPECT_FALSE(is_web_target("''"));
  EXPECT_EQ(chg_duplicates_call("one\r\ntwo\n\nthree"), (Pieces{"one", "two", "three"}));
  EXPECT_EQ(chg_duplicates_call("\n"), Pieces{});
}

}  // namespace
}  // namespace qn::logic
