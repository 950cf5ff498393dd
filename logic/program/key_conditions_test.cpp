#include "logic/program/key_conditions.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

std::string shown(const Term& tokens) {
  std::string s;
  for (const Term& t : tokens.list_items()) {
    s += (s.empty() ? "" : " ") + text_of(t.arg(1)) + "/" + text_of(t.arg(2));
  }
  return s;
}

// Entries of table CUST (and one of ORD); CUSTID and BRANCH are keys.
const char* kCust =
    "attri_i('CUSTID', ['CustId', int, 6, 0, '', 0]). "
    "attri_i('BRANCH', ['Branch', char, 2, 0, '', 0]). "
    "attri_i('REGION', ['Region', char, 2, 0, '', 0]). "
    "attri_i('CUSTNO', ['CustNo', int, 4, 0, '', 0]). "
    "attri_i('CUSTNAME', ['CustName', char, 20, 0, '', 0]). ";
const char* kEntries =
    "[['CUST', 'CUSTID', x], ['ORD', 'ORDID'], ['CUST', 'BRANCH'], ['CUST', 'REGION'], "
    "['CUST', 'CUSTNO'], ['CUST', 'CUSTNAME']]";

TEST(KeyConditions, RulesByMode) {
  struct Case {
    const char* name;
    const char* mode;
    const char* facts;
    const char* fixed;
    const char* condition;
  } cases[] = {
      {"scan start: nothing fixed, no defaults", "f", "", "[]", ""},
      {"1: a fixed key", "f", "", "['CUSTID']", "CUSTID/2 =/10 CUSTID/23"},
      {"2: a character constant default, before the fixed key of rule 3", "f",
       "default_i(e('BRANCH', 1, 2, '\\'A\\'')). default_i(e('BRANCH', 3, 1, 'BRANCH')). ",
       "[]", "BRANCH/2 =/10 'A'/3"},
      {"2: a numeric default that reads as a number; one that does not is not used", "f",
       "default_i(e('CUSTNO', 1, 2, '12.5')). default_i(e('CUSTID', 1, 2, 'abc')). ", "[]",
       "CUSTNO/2 =/10 12.5/3"},
      {"2: an unquoted text for a character attribute is not used", "f",
       "default_i(e('REGION', 1, 2, 'A')). ", "[]", ""},
      {"3: a default by itself of a fixed attribute", "f",
       "default_i(e('REGION', 3, 1, 'REGION')). default_i(e('CUSTNAME', 3, 1, 'CUSTNAME')). ",
       "['REGION']", "REGION/2 =/10 REGION/23"},
      {"4: a move compares every key not otherwise bound", "a",
       "default_i(e('BRANCH', 1, 2, '\"B\"')). ", "['CUSTID']",
       "CUSTID/2 =/10 CUSTID/23 .AND./9 BRANCH/2 =/10 \"B\"/3"},
      {"4: a move", "a", "", "[]",
       "CUSTID/2 >=/10 CUSTID/23 .AND./9 BRANCH/2 >=/10 BRANCH/23"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kCust) + c.facts);
    const Term cond = key_conditions(
        r.run, {atom(c.mode), term(kEntries), term("['CUSTID', 'BRANCH']"), term(c.fixed),
                num(0), atom("CUST"), kTokAttribute, kTokVariable,
                std::string_view(*c.mode == 'f' ? ">" : ">=")});
    EXPECT_EQ(shown(cond), c.condition);
  }
  ExprRun none(kCust);
  EXPECT_EQ(key_conditions(none.run, {atom("a"), term("[['ORD', 'ORDID']]"), term("['ORDID']"),
                                      term("[]"), num(0), atom("CUST"), kTokAttribute,
                                      kTokVariable, "<="}),
            Term::list({}));
}

// Updates at a level, then at its first subordinate level over the same
// table, followed down; a subordinate level over another table is not.
// Only update and delete rules count.
TEST(KeyConditions, LevelUpdatedTables) {
  ExprRun r(
      "level_i(1, ['CUST', 'X']). level_i(2, ['ORD']). level_i(3, ['CUST']). "
      "level_i(4, ['CUST']). level_i(5, ['CUST']). "
      "struct_i(2, 1, [], []). struct_i(3, 1, [], []). struct_i(4, 1, [], []). "
      "struct_i(5, 3, [], []). "
      "upd_i(2, 'ORD', d, []). upd_i(3, 'CUST', d, []). upd_i(3, 'LOG', i, []). "
      "upd_i(4, 'HIST', u, []). upd_i(5, 'CUST', u, []). upd_i(1, 'AUX', u, []). ");
  std::string got;
  for (const UpdatedTable& u : level_updated_tables(r.run, num(1))) {
    got += text_of(u.table) + "@" + text_of(u.update_level) + " ";
  }
  EXPECT_EQ(got, "AUX@1 CUST@3 CUST@5 ");
  EXPECT_TRUE(level_updated_tables(r.run, num(2)).size() == 1);
  EXPECT_TRUE(level_updated_tables(r.run, num(9)).empty());
  // Levels that name each other as parents are followed once.
  ExprRun loop(
      "level_i(7, ['T']). level_i(8, ['T']). struct_i(8, 7, [], []). struct_i(7, 8, [], []). "
      "upd_i(8, 'T', u, []). ");
  const auto tables = level_updated_tables(loop.run, num(7));
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].update_level, num(8));
}

}  // namespace
}  // namespace qn::logic
