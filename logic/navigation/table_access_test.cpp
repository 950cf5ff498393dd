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

// The statements' texts (embsql_cursor_i/2): the order of a level, none
// for a start of one row; an update without keys by the unique index.
std::vector<std::string> statements(Fixture& f) {
  std::vector<std::string> texts;
  for (const Term& e : f.eng.facts().findall(engine::parse_term("embsql_cursor_i(_, _)").value())) {
    texts.push_back(text_of(e.arg(2).list_items().front()));
  }
  return texts;
}

TEST(Navigation, SelectAndUpdateStatements) {
  const std::string level =
      kProc + "level_i(1, [invoice, [invoice], [-invdate], 0, 0, 0, [], 0, 0, []]). "
              "struct_i(1, 0, [invid, invdate], []). ";
  struct Case {
    const char* name;
    std::string facts;
    const char* has;
    const char* lacks;
  } cases[] = {
      {"many, ordered", level, "SELECT invid, invdate  FROM invoice", "WHERE"},
      {"many, ordered", level, "ORDER BY invdate DESC", "WHERE"},
      {"start of one row", level + "start_i(1, 0, 0, [[[invid, 3, 7, '=']], one]). ",
       "WHERE invid = 7", "ORDER BY"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_TRUE(gen_level_select(f.run, t("b"), t("invoice"), t("1"), t("[]"), t("[]"), t("[]"),
                                 t("nvg")));
    const auto texts = statements(f);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(c.has), std::string::npos) << texts[0];
    EXPECT_EQ(texts[0].find(c.lacks), std::string::npos) << texts[0];
  }
  Fixture f(kProc + "upd_i(1, invoice, u, [[total, total], [paid], [], [], []]). "
                    "index_i(invoice, [[i1, d, [invdate]], [i2, u, [invid]]]). ");
  gen_level_updates(f.run, t("1"), 1, t("u"));
  EXPECT_EQ(statements(f),
            std::vector<std::string>{"\"UPDATE invoice SET total = ?, paid = ? WHERE invid = ?\""});
}

}  // namespace
}  // namespace qn::logic
