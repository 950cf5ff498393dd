#include "kb/counted_array.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "host/directories.h"
#include "host/error_log.h"
#include "kb/list_terms.h"

namespace qn::kb {
namespace {

using host::TermValue;

std::string internal_error(const std::function<void()>& f) {
  // The error log goes to the temporary folder.
  host::set_program_path_for_tests(::testing::TempDir() + "qnjavagen");
  try {
    f();
  } catch (const host::CCTreeException& e) {
    return e.text();
  }
  return "";
}

// Every array that is fatal when full: the last add that fits, then the one too many.
TEST(KbCountedArray, FullArraysEndWithError50) {
  auto list = std::make_unique<AttList>();
  auto set = std::make_unique<AttSet>();
  auto classes = std::make_unique<ClassList>();
  auto unique = std::make_unique<AttList>();
  auto source = std::make_unique<AttSet>();
  NavEntry entry;
  struct Case {
    const char* name;
    std::function<int(int)> add;  // add the i-th element
    int capacity;
  } cases[] = {
      {"Push att", [&](int i) { return push_att(*list, i); }, 5000},
      {"S_Push att", [&](int i) { return s_push_att(*set, i); }, 20},
      {"Push Class", [&](int i) { return push_class(*classes, i); }, 5000},
      {"append_att", [&](int i) { return append_att(*unique, i); }, 5000},
      {"push_wh1", [&](int i) { return push_where(entry, 1, i, i); }, 20},
  };
  for (const auto& c : cases) {
    for (int i = 1; i <= c.capacity; ++i) ASSERT_GT(c.add(i), 0) << c.name << " " << i;
    const std::string expected = std::string("Internal Error 50 in function ") + c.name + "\n";
    EXPECT_EQ(internal_error([&] { c.add(c.capacity + 1); }).substr(0, expected.size()), expected);
  }
  // A value already held is still answered when the list is full.
  EXPECT_EQ(append_att(*unique, 17), 0);

  source->count = 20;
  EXPECT_NO_THROW(copy_set(*set, *source));
  EXPECT_EQ(set->count, 20);
  source->count = 21;
  EXPECT_NE(internal_error([&] { copy_set(*set, *source); }).find("function copy_set_ls"),
            std::string::npos);
}

TEST(KbCountedArray, SetsDropWhatDoesNotFit) {
  auto values = std::make_unique<UniqueValueSet>();
  auto pairs = std::make_unique<UniquePairSet>();
  for (int i = 0; i < 500; ++i) {
    ASSERT_EQ(add_unique(*values, i), 1);
    ASSERT_EQ(add_unique_pair(*pairs, i, -i), 1);
  }
  EXPECT_EQ(add_unique(*values, 3), 0);
  EXPECT_EQ(add_unique_pair(*pairs, 3, -3), 0);
  EXPECT_EQ(add_unique_pair(*pairs, 3, 3), 1);  // new, reported as such, not stored
  EXPECT_EQ(add_unique_pair(*pairs, 3, 3), 1);
  EXPECT_EQ(pairs->count, 500);
  EXPECT_EQ(add_unique(*values, 999), 1);
  EXPECT_EQ(values->count, 500);

  auto target = std::make_unique<AttList>();
  auto source = std::make_unique<AttList>();
  for (int i = 0; i < 4999; ++i) push_att(*target, i);
  for (int i : {5, 6000, 5, 6001, 6002}) push_att(*source, i);
  merge_unique(*target, *source);
  EXPECT_EQ(target->count, 5000);
  EXPECT_EQ(target->items[4999], 6000);
  EXPECT_EQ(position_in(*target, int16_t{6000}), 5000);
  EXPECT_EQ(position_in(*target, int16_t{6001}), 0);

  auto nav = std::make_unique<NavTable>();
  for (int i = 0; i < 530; ++i) ASSERT_NE(add_nav_entry(*nav, i), nullptr);
  EXPECT_EQ(add_nav_entry(*nav, 531), nullptr);
  auto rel = std::make_unique<RelationTable>();
  for (int i = 0; i < 250; ++i) ASSERT_TRUE(add_relation(*rel, i, AttSet{}));
  EXPECT_FALSE(add_relation(*rel, 251, AttSet{}));
}

// The text of a term, for comparing list shapes.
std::string show(const TermValue& t) {
  switch (t.kind) {
    case host::kTermInt:
      return std::to_string(t.int_value);
    case host::kTermAtom:
    case host::kTermText:
      return t.text;
    case host::kTermCompound: {
      std::string s = t.text + "(";
      for (size_t i = 0; i < t.args.size(); ++i) s += (i ? "," : "") + show(t.args[i]);
      return s + ")";
    }
    default:
      return "_";
  }
}

TEST(KbListTerms, ArraysToLists) {
  AttSet set;
  TermValue t;
  EXPECT_EQ(ints_to_list(set, t), 1);
  EXPECT_EQ(show(t), "[]");
  s_push_att(set, 3);
  s_push_att(set, -7);
  t = TermValue{};
  EXPECT_EQ(ints_to_list(set, t), 1);
  EXPECT_EQ(show(t), ".(3,.(-7,[]))");
  EXPECT_EQ(ints_to_list(set, t), 1);  // unifies with the same list
  s_push_att(set, 9);
  EXPECT_EQ(ints_to_list(set, t), 0);

  auto rel = std::make_unique<RelationTable>();
  add_relation(*rel, 4, set);
  add_relation(*rel, 5, AttSet{});
  t = TermValue{};
  EXPECT_EQ(relations_to_list(*rel, t), 1);
  EXPECT_EQ(show(t), ".(.(4,.(.(3,.(-7,.(9,[]))),[])),.(.(5,.([],[])),[]))");

  auto nav = std::make_unique<NavTable>();
  add_nav_entry(*nav, 1);  // the start table, not handed out
  push_where(*add_nav_entry(*nav, 2), 1, 3, 4);
  t = TermValue{};
  EXPECT_EQ(navigation_to_list(*nav, t), 1);
  EXPECT_EQ(show(t), ".(.(2,.(.(.(1,.(3,.(4,[]))),[]),[])),[])");
}

TermValue list_of(std::vector<TermValue> items,
                  TermValue tail = TermValue{host::kTermAtom, 0, 0, "[]", {}}) {
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    tail = TermValue{host::kTermCompound, 0, 0, ".", {*it, tail}};
  return tail;
}
TermValue integer(int v) { return TermValue{host::kTermInt, v, 0, "", {}}; }
TermValue atom(const char* s) { return TermValue{host::kTermAtom, 0, 0, s, {}}; }

TEST(KbListTerms, ListsToArrays) {
  AttList list;
  EXPECT_EQ(list_to_ints(list_of({integer(1), integer(-2)}), list), 1);
  EXPECT_EQ(list_to_ints(list_of({}), list), 1);
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(list.items[1], -2);
  // Only a proper list of integers is one.
  EXPECT_EQ(list_to_ints(list_of({integer(1), atom("x")}), list), 0);
  EXPECT_EQ(list_to_ints(atom("foo"), list), 0);
  EXPECT_EQ(list_to_ints(list_of({integer(3)}, atom("foo")), list), 0);
  EXPECT_EQ(list_to_ints(list_of({integer(3)}, TermValue{}), list), 0);  // an open tail
  EXPECT_EQ(list_to_ints(TermValue{}, list), 0);

  std::vector<TermValue> names;
  for (int i = 0; i < 12; ++i) names.push_back(atom(("F" + std::to_string(i)).c_str()));
  char* texts[11];
  EXPECT_EQ(list_to_texts(list_of(names), texts, 10), 1);
  EXPECT_STREQ(texts[0], "F0");
  EXPECT_STREQ(texts[9], "F9");
  EXPECT_EQ(texts[10], nullptr);
  free_texts(texts);
  EXPECT_EQ(texts[0], nullptr);
  EXPECT_EQ(list_to_texts(list_of({}), texts, 10), 0);
  EXPECT_EQ(list_to_texts(list_of({atom("A"), integer(1)}), texts, 10), 0);
  free_texts(texts);
}

}  // namespace
}  // namespace qn::kb
