#include "logic/navigation/nav_names.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::t;

std::string path_text(const std::optional<std::vector<Term>>& path) {
  if (!path) return "none";
  std::string s;
  for (const Term& x : *path) s += text_of(x) + " ";
  return s;
}

TEST(NavNames, JoinPaths) {
  const std::vector<Term> chain{t("[10, 11, [1]]"), t("[11, 12, [2]]")};
  const std::vector<Term> cycle{t("[10, 11, [1]]"), t("[11, 12, [2]]"), t("[12, 10, [3]]")};
  const std::vector<Term> branch{t("[10, 13, [1]]"), t("[10, 11, [2]]"), t("[14, 11, [3]]")};
  struct Case {
    const char* name;
    std::vector<Term> joins;
    int64_t from, to;
    const char* path;
  } cases[] = {
      {"the table itself", chain, 10, 10, "10 "},
      {"two joins", chain, 10, 12, "10 11 12 "},
      {"a cycle ends", cycle, 11, 10, "11 12 10 "},
      {"a dead end steps back", branch, 10, 11, "10 11 "},
      {"through the referencing side", branch, 10, 14, "10 11 14 "},
      {"no way", chain, 12, 15, "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(path_text(get_nav1_st(num(c.from), num(c.to), c.joins)), c.path);
  }
}

TEST(NavNames, Accessors) {
  Fixture f(
      "table_i(10, 'ORDERS'). table_i(11, 'CUSTOMER'). table_i(12, 'REGION'). "
      "attri_i(5, ['Regname', char, 20, 0, '', 0]). attri_i(6, ['Ordno', int, 6, 0, '', 0]).");
  int closures = 0;
  // The knowledge base names the tables as table_i/2 does.
  f.run.stand_in_host("i_tblname", 3, [](logic::Run& r, std::span<Term> a) {
    auto t = r.facts().first(Term::compound("table_i", {a[1], Term::fresh_var()}));
    if (t) a[2] = t->arg(2);
    return t.has_value();
  });
  f.run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = t("[6, 1]");
    return true;
  });
  f.run.stand_in_host("i_closuret", 6, [&closures](logic::Run&, std::span<Term> a) {
    ++closures;
    a[4] = t("[6, 1, 2, 5]");
    a[5] = t("[[11, [[10, 1, 1]]], [12, [[11, 2, 2]]]]");
    return true;
  });
  EXPECT_EQ(nav_att_accessor(f.run, 0, num(1), num(12), num(5), num(10), "get").value_or("FAIL"),
            "dboorders.dbccustomer().dbcregion().getRegname()");
  // The same navigation again: the cached path, no second closure.
  EXPECT_EQ(nav_att_accessor(f.run, 0, num(1), num(12), num(5), num(10), "get").value_or("FAIL"),
            "dboorders.dbccustomer().dbcregion().getRegname()");
  EXPECT_EQ(closures, 1);
  EXPECT_EQ(nav_att_accessor(f.run, 0, num(1), num(10), num(6), num(10), "set").value_or("FAIL"),
            "dboorders.setOrdno()");
  EXPECT_EQ(nav_member_ref(f.run, 0, num(1), num(11), num(10)).value_or("FAIL"),
            "dboorders.dbccustomer()");
  reset_nav_names(f.run);
  EXPECT_EQ(f.all("get_nav_st_name_i", 8), "");
}

// ORDERS names CUSTOMER twice: by CUSTID and by SHIPCUST.
TEST(NavNames, NumberedMembers) {
  Fixture f("table_i(11, 'CUSTOMER').");
  f.run.stand_in_host("i_tblname", 3, [](logic::Run& r, std::span<Term> a) {
    auto t = r.facts().first(Term::compound("table_i", {a[1], Term::fresh_var()}));
    if (t) a[2] = t->arg(2);
    return t.has_value();
  });
  const std::vector<Term> two{t("[2]"), t("[9]")};
  struct Case {
    const char* name;
    const char* via;
    std::vector<Term> keys;
    const char* member;
  } cases[] = {
      {"the first of two keys", "[2]", two, "dbccustomer00001"},
      {"the second of two keys", "[9]", two, "dbccustomer00002"},
      {"a key of its own", "[2]", {t("[2]")}, "dbccustomer"},
      {"a key not in the list", "[7]", two, "dbccustomer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fk_member_name(f.run, 0, num(11), t(c.via), c.keys).value_or("FAIL"), c.member);
  }
}

}  // namespace
}  // namespace qn::logic
