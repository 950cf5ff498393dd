#include "logic/navigation/table_access.h"

#include <gtest/gtest.h>

#include <set>

#include "logic/navigation/test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

const std::string kProc = "spec_i([proc, 2, 'T', 'P', 0, 0]). model_num_i(1). ";

TEST(Navigation, EndOfDataTests) {
  Fixture f(kProc);
  EXPECT_EQ(eof_cond(f.run, t("invoice"), t("1")), "cinvoice.eof()");
  EXPECT_EQ(found_cond(f.run, t("invoice"), t("1")), "!cinvoice.eof()");
  Fixture g(kProc, {"cursor_info"});
  EXPECT_EQ(found_cond(g.run, t("invoice"), t("1")), "!NoCurVarErr.eof()");
}

// The lock test by its flag; a table the level does not update has none.
TEST(Navigation, RecordLock) {
  const std::string facts = kProc + "upd_i(1, invoice, u, [[total], [], [], [], []]). ";
  // The lock message of a procedure is only a comment; its argument, the
  // table's name, is made all the same.
  const Lines head = {"if (cinvoice.locked())", "{", "   arguments = new Object[ 1 ];",
                      "   arguments[ 0 ] = \"\" ;",
                      "   /* An error message should be issued here. */"};
  struct Case {
    int64_t flag;
    Lines tail;
  } cases[] = {
      {0, {"   if (true) return false;", "}"}},
      {1, {"   if (true) return;", "}"}},
      {2, {"   if (true) continue;", "}"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flag);
    Fixture f(facts);
    gen_record_lock(f.run, c.flag, t("invoice"), t("1"));
    Lines expected = head;
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(f.lines(), expected);
  }
  Fixture f(facts);
  gen_record_lock(f.run, 0, t("customer"), t("1"));
  EXPECT_TRUE(f.lines().empty());
}

// What the SQL statements are asked for: cardinality, order, keys.
TEST(Navigation, SelectAndUpdateArguments) {
  const std::string level =
      kProc + "level_i(1, [invoice, [invoice], [-invdate], 0, 0, 0, [], 0, 0, []]). ";
  struct Case {
    const char* name;
    std::string facts;
    const char* expected;  // the arguments the statement got
  } cases[] = {
      {"many, ordered", level, "many [-invdate]"},
      {"start of one row", level + "start_i(1, one, 0, [[[invid, 7]]]). ", "one []"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts, {"gen_sql_select"});
    std::string got;
    f.run.stand_in_host("gen_sql_select", 13, [&](logic::Run&, std::span<Term> a) {
      got = engine::writeq(a[7]) + " " + engine::writeq(a[8]);
      return true;
    });
    gen_level_select(f.run, t("nvg"), t("invoice"), t("1"), t("[]"), t("[]"), t("[]"), t("nvg"));
    EXPECT_EQ(got, c.expected);
  }
  // An update without keys goes by the unique index; duplicates go.
  Fixture f(kProc + "upd_i(1, invoice, u, [[total, total], [paid], [], [], []]). "
                    "index_i(invoice, [[i1, d, [invdate]], [i2, u, [invid]]]). ",
            {"gen_sql_update"});
  std::string got;
  f.run.stand_in_host("gen_sql_update", 4, [&](logic::Run&, std::span<Term> a) {
    got = engine::writeq(a[2]) + " " + engine::writeq(a[3]);
    return true;
  });
  gen_level_updates(f.run, t("1"), 1, t("u"));
  EXPECT_EQ(got, "[total,paid] [invid]");
}

}  // namespace
}  // namespace qn::logic
