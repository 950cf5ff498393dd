#include "kb/attribute_queries.h"

#include <gtest/gtest.h>

#include <string>

#include "kb/kb_test_fixture.h"
#include "kb/model_queries.h"

namespace qn::kb {
namespace {

std::string show(const int16_t* items, int count) {
  std::string s = "[";
  for (int i = 0; i < count; ++i) s += (i ? "," : "") + std::to_string(items[i]);
  return s + "]";
}
template <class A>
std::string show(const A& a) {
  return show(a.items, a.count);
}

AttList list_of(std::initializer_list<int> values) {
  AttList l;
  for (int v : values) push_att(l, v);
  return l;
}

class AttributeQueries : public KbFixture {
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
};

TEST_F(AttributeQueries, NamesTypesAndTexts) {
  struct Case {
    int model, att;
    const char* name;  // "" when the attribute does not exist
    int kind, type, length, decimals;
  } cases[] = {
      {5, 1, "CUSTO", 1, 5, 30, 0},            // cut to the model's 5 characters
      {0, 1, "CUSTO", 1, 5, 30, 0},            // model 0: the cached one
      {1005, 1, "CUSTOMERNAME", 1, 5, 30, 0},  // length 0: whole
      {5, 10, "AMOUN", 1, 4, 12, 2},          {5, 13, "MEMO", 1, 8, 10240, 0},  // stored -1
      {5, 14, "IMAGE", 1, 14, 11264, 0},                                        // stored -2
      {5, 16, "SUBTO", 4, 4, 12, 0},          {5, 99, "", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.model) + "/" + std::to_string(c.att));
    const bool exists = *c.name != 0;
    std::string name;
    int kind = -1;
    ASSERT_EQ(attri_name_complete(c.model, c.att, name, kind), exists);
    host::TermValue n;
    int kind2 = -1;
    ASSERT_EQ(get_attri_name(c.model, c.att, n, kind2), exists);
    int type = 0, length = 0, decimals = 0;
    ASSERT_EQ(get_attri_type(c.model, c.att, type, length, decimals), exists);
    if (!exists) continue;
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(show_term(n), "'" + std::string(c.name) + "'");
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(kind2, c.kind);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(length, c.length);
    EXPECT_EQ(decimals, c.decimals);
  }
  char t;
  int stored, dec;
  ASSERT_EQ(attri_type(5, 14, t, stored, dec), 1);
  EXPECT_EQ(stored, -2);
  EXPECT_EQ(length_in_units(-2), 11264);
  EXPECT_EQ(length_in_units(0), 0);

  host::TermValue pic;
  EXPECT_EQ(get_attri_pic(5, 1, pic), 1);
  EXPECT_EQ(show_term(pic), "'X(30)'");
  EXPECT_EQ(get_attri_pic(5, 99, pic), 0);
  EXPECT_EQ(get_attri_pic(5, 3, pic), 0);  // a bound term that differs

  host::TermValue info[8];
  host::TermValue* terms[8];
  for (int i = 0; i < 8; ++i) terms[i] = &info[i];
  ASSERT_EQ(get_attri_info(1005, 1, terms), 1);
  EXPECT_EQ(show_term(info[0]), "'CUSTOMERNAME'");
  for (auto& v : info) v = host::TermValue{};
  ASSERT_EQ(get_attri_info(5, 1, terms), 1);
  std::string all;
  for (const auto& v : info) all += show_term(v) + " ";
  EXPECT_EQ(all, "'CUSTO' 5 30 0 7 'X(30)' 'Customer name' 'Name of the customer' ");
  EXPECT_EQ(get_attri_info(5, 99, terms), 0);
  host::term_free(info[3]);
  host::term_unify_int(9, info[3]);
  EXPECT_EQ(get_attri_info(5, 1, terms), 0);  // decimals given as 9
}

TEST_F(AttributeQueries, Classes) {
  int kind = 0;
  EXPECT_EQ(get_class(5, 11, &kind), 10);
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(get_class(5, 11), 10);  // now from the cache
  EXPECT_EQ(get_class(5, 16, &kind), 16);
  EXPECT_EQ(kind, 4);
  EXPECT_EQ(
      internal_error([] { get_class(5, 99); }).rfind("Internal Error 3 in function get_class\n", 0),
      0u);

  AttList with_classes;
  add_classes(5, list_of({12, 3, 11, 23}), with_classes);
  EXPECT_EQ(show(with_classes), "[12,3,11,23,10,20]");
  AttList expanded;
  expand_by_class(5, list_of({10, 3, 33}), expanded);
  EXPECT_EQ(show(expanded), "[10,11,12,3,33,34]");

  EXPECT_EQ(is_stored_kind(5, 1, 3), 1);
  EXPECT_EQ(is_stored_kind(5, 1, 15), 0);  // kind 3
  EXPECT_EQ(is_stored_kind(5, 1, 16), 0);  // kind 4
  EXPECT_EQ(is_stored_kind(5, 1, 99), 0);
}

TEST_F(AttributeQueries, TablesAndKeys) {
  struct Kind {
    int table, att, wanted, kind;
  } kinds[] = {
      {1, 3, 0, 1},  {1, 15, 0, 3}, {1, 15, 1, 0},
      {1, 15, 3, 3}, {1, 16, 0, 0},  // no table attribute, no key attribute
      {2, 9, 0, 1},                  // no table attribute, but in key 2
  };
  for (const Kind& k : kinds) {
    EXPECT_EQ(table_attribute_kind(5, k.table, k.att, k.wanted), k.kind) << k.table << "/" << k.att;
  }

  struct Atts {
    int table;
    bool take_all;
    const char* atts;
    const char* kinds;
  } atts[] = {
      // key attributes first, then the table attributes (no duplicate check)
      {1, false, "[3,3,7,9,15]", "[1,1,1,1,3]"},
      {2, false, "[7,3,9,3,7]", "[1,1,1,1,1]"},
      {99, true, "[]", "[]"},
  };
  for (const Atts& a : atts) {
    AttList list;
    ClassList cls;
    get_table_atts(5, a.table, list, &cls, a.take_all);
    EXPECT_EQ(show(list), a.atts) << a.table;
    std::string k = "[";
    for (int i = 0; i < cls.count; ++i) k += (i ? "," : "") + std::to_string(cls.items[i]);
    EXPECT_EQ(k + "]", a.kinds) << a.table;
  }

  AttSet set;
  primary_key_atts(5, 1, set);
  EXPECT_EQ(show(set), "[3]");
  primary_key_atts(5, 2, set);  // no key flagged: the first key
  EXPECT_EQ(show(set), "[7]");
  primary_key_atts(5, 99, set);
  EXPECT_EQ(show(set), "[]");
  key_atts(5, 2, 2, set);
  EXPECT_EQ(show(set), "[3,9]");
  key_atts(5, 2, 2, set);  // from the cache
  EXPECT_EQ(show(set), "[3,9]");
}

TEST_F(AttributeQueries, KeysAreAskedAgainInTheNextGeneration) {
  AttSet set;
  key_atts(5, 2, 2, set);
  EXPECT_EQ(show(set), "[3,9]");
  close_isam();
  build("mdl model=5 name=DEMO\ncka model=5 table=2 key=2 attribute=7 sequence=1\n");
  ASSERT_EQ(OpenKnowledgeBase(5), 1);
  key_atts(5, 2, 2, set);
  EXPECT_EQ(show(set), "[7]");
}

TEST_F(AttributeQueries, KeyOfMoreThanTwentyAttributesIsFatal) {
  std::string desc = "mdl model=5 name=DEMO\n";
  for (int i = 1; i <= 21; ++i) {
    desc += "cka model=5 table=1 key=1 attribute=" + std::to_string(i) +
            " sequence=" + std::to_string(i) + "\n";
  }
  close_isam();
  build(desc);
  AttSet set;
  EXPECT_EQ(internal_error([&] {
              key_atts(5, 1, 1, set);
            }).rfind("Internal Error 50 in function S_Push att\n", 0),
            0u);
  EXPECT_NE(error_log().find("Internal ERROR --> 50 in function: S_Push att"), std::string::npos)
      << error_log();
}

TEST_F(AttributeQueries, Indexes) {
  host::TermValue name, unique;
  AttSet set;
  ASSERT_EQ(getIdx(5, 1, 1, name, unique, set), 1);
  EXPECT_EQ(show_term(name), "'ICUSTOME'");  // cut to the 8 of tables, upper case
  EXPECT_EQ(show_term(unique), "1");
  EXPECT_EQ(show(set), "[3,-7,9]");
  EXPECT_EQ(getIdx(5, 1, 6, name, unique, set), 0);
  host::TermValue other, u2;
  host::term_unify_atom("X", other);
  EXPECT_EQ(getIdx(5, 1, 2, other, u2, set), 0);
  host::TermValue n5, u5;
  EXPECT_EQ(internal_error([&] {
              getIdx(5, 1, 5, n5, u5, set);
            }).rfind("Internal Error 3 in function getIdx\n", 0),
            0u);
  EXPECT_NE(error_log().find("Internal ERROR --> 3 in function: getIdx"), std::string::npos)
      << error_log();

  struct Next {
    int table, from, next;
  } nexts[] = {{1, 0, 1}, {1, 2, 2}, {1, 5, 5}, {1, 6, 0}, {2, 0, 0}};
  for (const Next& n : nexts) EXPECT_EQ(next_index_number(5, n.table, n.from), n.next) << n.from;

  struct Match {
    AttList list;
    int index;  // 0: none fits
    const char* name;
  } matches[] = {
      {list_of({3, -7}), 1, "ICUSTOMER_DATE"},  // (3, -7, 9), not (3, 7)
      {list_of({3, 7}), 2, "ICUSTDATE"},
      {list_of({3}), 1, "ICUSTOMER_DATE"},  // the most attributes; index 4 is unfit
      {list_of({}), 1, "ICUSTOMER_DATE"},
      {list_of({3, -7, 9, 1}), 0, ""},  // only the hidden index 3 has it
      {list_of({7}), 0, ""},
  };
  for (const Match& m : matches) {
    SCOPED_TRACE(show(m.list));
    int index = -1;
    std::string n;
    ASSERT_EQ(find_matching_index(5, 1, m.list, index, &n), m.index != 0);
    if (m.index) {
      EXPECT_EQ(index, m.index);
      EXPECT_EQ(n, m.name);
    }
  }
}

}  // namespace
}  // namespace qn::kb
