#include "kb/table_relations.h"

#include <gtest/gtest.h>

#include <string>

#include "kb/attribute_queries.h"
#include "kb/kb_test_fixture.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"

namespace qn::kb {
namespace {

std::string show(const RelationTable& entries) {
  host::TermValue t;
  relations_to_list(entries, t);
  return show_term(t);
}

AttList list_of(std::initializer_list<int> values) {
  AttList l;
  for (int v : values) push_att(l, v);
  return l;
}

host::TermValue int_list(std::initializer_list<int> values) {
  AttList l = list_of(values);
  host::TermValue t;
  ints_to_list(l, t);
  return t;
}

class TableRelations : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    reset_model_queries();
    reset_attribute_queries();
    build_file();
    ASSERT_EQ(OpenKnowledgeBase(0), 1);
    set_model_block_size(kModelBlockSize);
    mdl_info(5);
  }
  void TearDown() override {
    reset_model_queries();
    reset_attribute_queries();
    KbFixture::TearDown();
  }
  // "list / navigation" of a closure, or "fails".
  std::string closure(const host::TermValue& list, int mode, int start) {
    host::TermValue out, nav;
    if (!table_closure(5, list, mode, start, out, nav)) return "fails";
    return show_term(out) + " / " + show_term(nav);
  }
};

TEST_F(TableRelations, Sets) {
  AttSet a, b, empty;
  s_push_att(a, 3);
  s_push_att(b, 7);
  s_push_att(b, 3);
  EXPECT_EQ(is_subset(a, b), 1);
  EXPECT_EQ(is_subset(b, a), 0);
  EXPECT_EQ(is_subset(empty, a), 1);
  EXPECT_EQ(same_set(a, b), 0);
  AttSet c;
  s_push_att(c, 3);
  s_push_att(c, 7);
  EXPECT_EQ(same_set(b, c), 1);
  AttSet d;
  set_difference(b, a, d);
  ASSERT_EQ(d.count, 1);
  EXPECT_EQ(d.items[0], 7);
}

TEST_F(TableRelations, MatchKeyWaysAndGroups) {
  EXPECT_EQ(relation_group(5, 23), 1);
  EXPECT_EQ(relation_group(5, 24), 1);
  EXPECT_EQ(relation_group(5, 20), 0);
  struct Case {
    AttList atts;
    std::initializer_list<int> key;
    int group;
    const char* entries;
  } cases[] = {
      {list_of({30, 31}), {30}, 0, "[[9,[30]]]"},
      {list_of({31, 30, 30}), {30}, 0, "[[9,[30]],[9,[30]]]"},  // every way
      {list_of({31}), {30}, 0, ""},                             // ended early: 30 has no candidate
      {list_of({30, 31}), {30, 32}, 0, ""},
      {list_of({33, 34}),
       {33},
       0,
       "[[9,[34]]]"},  // the class attribute stands in for the key attribute
      {list_of({23}), {20}, 1, "[[9,[23]]]"},                       // through relation group 1
      {list_of({22, 22, 23, 20}), {20}, 0, "[[9,[20]],[9,[23]]]"},  // 23's group differs: 20 first
      {list_of({}), {30}, 0, ""},
      {list_of({30}), {}, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries);
    AttSet key;
    for (int k : c.key) s_push_att(key, k);
    RelationTable entries;
    EXPECT_EQ(match_key(5, 9, c.atts, key, entries), c.group);
    EXPECT_EQ(entries.count ? show(entries) : "", c.entries);
  }
}

// Golden answers over the cycle (tables 10 -> 11 -> 12 -> 10, and 10 -> 13)
// and the diamond (30 -> 31, 30 -> 32, 31 -> 33, 32 -> 33 through the class
// attribute 34).
TEST_F(TableRelations, PointedAndPointingTables) {
  struct Case {
    int table;
    const char* pointed;   // i_dir_subor/3
    const char* pointing;  // i_dir_super/3
  } cases[] = {
      {10, "[[10,[20]],[13,[24]],[11,[21]]]", "[[12,[20]],[12,[23]]]"},
      {11, "[[11,[21]],[12,[22]]]", "[[10,[21]]]"},
      {12, "[[12,[22]],[10,[20]],[10,[23]]]", "[[11,[22]]]"},
      {30, "[[30,[30]],[32,[32]],[31,[31]]]", "[]"},
      {31, "[[31,[31]],[33,[33]]]", "[[30,[31]]]"},
      {32, "[[32,[32]],[33,[34]]]", "[[30,[32]]]"},
      {33, "[[33,[33]]]",
       "[[31,[33]],[32,[34]]]"},  // two tables hold D's key through different attributes
      {99, "[]", "[]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    RelationTable entries;
    const int n = pointed_tables(5, c.table, entries);
    EXPECT_EQ(n, entries.count);
    EXPECT_EQ(show(entries), c.pointed);
    pointing_tables(5, c.table, entries);
    EXPECT_EQ(show(entries), c.pointing);
  }
}

TEST_F(TableRelations, Closures) {
  struct Case {
    host::TermValue list;
    int mode, start;
    const char* answer;
  } cases[] = {
      // The cycle: the walk ends, each table once; 12 is reached through the
      // 22 that 11 brought.
      {int_list({20, 21, 24}), 2, 10,
       "[20,21,24,22,23] / [[11,[[10,21,21]]],[13,[[10,24,24]]],[12,[[11,22,22]]]]"},
      // Through relation group 1: its attributes (24) do not join the result,
      // so table 13 is not reached although 24 is among the attributes.
      {int_list({23}), 2, 12, "[23,20,21,24,22] / [[10,[[12,23,20]]],[11,[[10,21,21]]]]"},
      // The diamond: D through C's class attribute 34.
      {int_list({30, 31, 32}), 2, 30,
       "[30,31,32,33,34] / [[31,[[30,31,31]]],[32,[[30,32,32]]],[33,[[32,34,33]]]]"},
      {int_list({30, 31, 32}), 1, 30,
       "[30,31,32,33,34] / [[31,[[30,31,31]]],[32,[[30,32,32]]],[33,[[32,34,33]]]]"},
      // Mode 2 takes the formula 15 of table 1, mode 1 does not; table 2's
      // key 2 (3, 9) is covered once table 1 brought 9.
      {int_list({3}), 2, 99, "[3,7,9,15] / [[1,[[99,3,3]]],[2,[[1,7,7]]]]"},
      {int_list({3}), 1, 99, "[3,7,9] / [[1,[[99,3,3]]],[2,[[1,7,7]]]]"},
      {int_list({}), 2, 10, "[] / []"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(closure(c.list, c.mode, c.start), c.answer);
  }
  host::TermValue bad;
  host::term_unify_functor(".", 2, bad);
  host::term_unify_atom("a", bad.args[0]);
  host::term_unify_atom("[]", bad.args[1]);
  EXPECT_EQ(closure(bad, 2, 10), "fails");
  // A term that is not a proper list fails too: an atom, a tail that is not
  // a list, an open tail.
  host::TermValue foo;
  host::term_unify_atom("foo", foo);
  EXPECT_EQ(closure(foo, 2, 10), "fails");
  host::TermValue improper = int_list({11}), open_tail = int_list({11});
  improper.args[1] = foo;
  open_tail.args[1] = host::TermValue{};
  EXPECT_EQ(closure(improper, 2, 10), "fails");
  EXPECT_EQ(closure(open_tail, 2, 10), "fails");
  host::TermValue out, nav;
  host::term_unify_atom("[]", out);
  EXPECT_EQ(table_closure(5, int_list({20, 21}), 2, 10, out, nav), 0);  // the list answer differs
}

// The silent limits on generated knowledge bases: 250 relation entries (and
// more than 500 examined pairs), 530 navigation entries.
TEST_F(TableRelations, LimitsDropSilently) {
  close_isam();
  std::string desc = "mdl model=5 name=GEN\n";
  // Table 1 holds the keys of tables 2-601.
  desc += "ck model=5 table=1 key=1 primary=1\ncka model=5 table=1 key=1 attribute=1 sequence=1\n";
  desc += "att model=5 number=1001 class=1001 name=A1001 type=4 kind=1 length=4\n";
  for (int t = 1; t <= 601; ++t) {
    const std::string a = std::to_string(t);
    desc += "att model=5 number=" + a + " class=" + a + " name=A" + a + " type=4 kind=1 length=4\n";
    desc += "tba model=5 table=1 attribute=" + a + " position=" + a + " kind=1\n";
    if (t > 1) {
      desc += "ck model=5 table=" + a + " key=1 primary=1\n";
      desc += "cka model=5 table=" + a + " key=1 attribute=" + a + " sequence=1\n";
    }
  }
  // Tables 1001-1600: a chain, table t keyed by attribute t and holding t + 1.
  for (int k = 1001; k <= 1600; ++k) {
    const std::string t = std::to_string(k), a = std::to_string(k), b = std::to_string(k + 1);
    desc += "att model=5 number=" + b + " class=" + b + " name=A" + b + " type=4 kind=1 length=4\n";
    desc += "tba model=5 table=" + t + " attribute=" + a + " position=1 kind=1\n";
    desc += "tba model=5 table=" + t + " attribute=" + b + " position=2 kind=1\n";
    desc += "ck model=5 table=" + t + " key=1 primary=1\n";
    desc += "cka model=5 table=" + t + " key=1 attribute=" + a + " sequence=1\n";
  }
  build(desc);
  reset_model_queries();
  mdl_info(5);
  RelationTable entries;
  EXPECT_EQ(pointed_tables(5, 1, entries), 250);
  EXPECT_EQ(entries.items[0].table, 1);
  EXPECT_EQ(entries.items[1].table, 601);  // from the last attribute down
  EXPECT_EQ(entries.items[249].table, 353);

  testing::internal::CaptureStdout();
  host::TermValue out, nav;
  ASSERT_EQ(table_closure(5, int_list({1001}), 2, 1, out, nav), 1);
  const std::string console = testing::internal::GetCapturedStdout();
  int entries_out = 0;
  for (const host::TermValue* cell = &nav; cell->is_cons(); cell = &cell->args[1]) ++entries_out;
  EXPECT_EQ(entries_out, 529);
  EXPECT_NE(console.find("\nERROR Top: "), std::string::npos);
  EXPECT_EQ(error_log(), "");
}

}  // namespace
}  // namespace qn::kb
