#include "host/term_value.h"

#include <gtest/gtest.h>

namespace qn::host {
namespace {

TermValue int_node(int32_t v) {
  TermValue n;
  term_new(n, kTermInt, 0, v);
  return n;
}

TermValue text_node(TermKind kind, std::string_view text) {
  TermValue n;
  term_new(n, kind, 0, static_cast<int64_t>(text.size()));
  term_alloc_text(n, text);
  return n;
}

TEST(TermValueTest, UnifyIntByKind) {
  struct Case {
    const char* name;
    TermValue node;
    bool ok;
    TermKind kind_after;
  };
  TermValue rebindable;
  rebindable.kind = kTermRebindable;
  Case cases[] = {
      {"same integer", int_node(5), true, kTermInt},
      {"other integer", int_node(6), false, kTermInt},
      {"unbound", TermValue{}, true, kTermInt},
      {"re-bindable", rebindable, true, kTermInt},
      {"text", text_node(kTermAtom, "5"), false, kTermAtom},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(term_unify_int(5, c.node), c.ok);
    EXPECT_EQ(term_kind(c.node), c.kind_after);
    int32_t v = 0;
    if (c.ok) {
      ASSERT_TRUE(term_get_int(c.node, v));
      EXPECT_EQ(v, 5);
    }
  }
}

TEST(TermValueTest, UnifyTextAndFunctor) {
  TermValue n;
  EXPECT_TRUE(term_unify_string("abc", n));
  EXPECT_EQ(n.kind, kTermAtom);
  EXPECT_TRUE(term_unify_atom("abc", n));
  EXPECT_FALSE(term_unify_string("abd", n));
  TermValue plain = text_node(kTermText, "x");
  EXPECT_TRUE(term_unify_string("x", plain));
  TermValue number = int_node(1);
  EXPECT_FALSE(term_unify_string("x", number));

  TermValue f;
  EXPECT_TRUE(term_unify_functor("f", 2, f));
  ASSERT_EQ(f.args.size(), 2u);
  EXPECT_TRUE(f.args[0].unbound());
  EXPECT_TRUE(term_unify_functor("f", 2, f));
  EXPECT_FALSE(term_unify_functor("f", 3, f));
  EXPECT_FALSE(term_unify_functor("g", 2, f));
  // The new arguments can be filled in place.
  EXPECT_TRUE(term_unify_int(7, *term_arg_ref(1, f)));
  const TermValue* arg = nullptr;
  ASSERT_TRUE(term_get_arg(f, 1, arg));
  EXPECT_EQ(arg->int_value, 7);
  EXPECT_FALSE(term_get_arg(f, 3, arg));
  EXPECT_EQ(term_arg_ref(0, f), nullptr);
}

TEST(TermValueTest, ReadersRefuseOtherKinds) {
  TermValue zero_args;
  term_new(zero_args, kTermCompound, 0, 1);
  term_alloc_text(zero_args, "f");
  std::string name;
  int count = -1;
  EXPECT_FALSE(term_get_functor(zero_args, name, count));

  TermValue pair;
  term_new(pair, kTermCompound, 2, 1);
  term_alloc_text(pair, ".");
  EXPECT_TRUE(term_set_arg(1, pair, int_node(1)));
  EXPECT_TRUE(term_set_arg(2, pair, text_node(kTermAtom, "[]")));
  EXPECT_FALSE(term_set_arg(3, pair, int_node(1)));
  ASSERT_TRUE(term_get_functor(pair, name, count));
  EXPECT_EQ(name, ".");
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(pair.is_cons());
  EXPECT_TRUE(pair.args[1].is_nil());

  std::string text;
  int32_t i = 0;
  double d = 0;
  EXPECT_FALSE(term_get_text(pair, text));
  EXPECT_FALSE(term_get_int(pair, i));
  EXPECT_FALSE(term_get_real(int_node(1), d));
  TermValue real;
  term_new(real, kTermReal, 0, 0);
  term_set_real(real, 2.5);
  ASSERT_TRUE(term_get_real(real, d));
  EXPECT_EQ(d, 2.5);
}

TEST(TermValueTest, ReleaseSlots) {
  term_release(term_slot(3));  // an empty slot: nothing happens
  EXPECT_TRUE(term_slot(3).unbound());
  term_slots_open();
  term_new(term_slot(3), kTermCompound, 1, 1);
  term_alloc_text(term_slot(3), "g");
  term_unify_string("deep", *term_arg_ref(1, term_slot(3)));
  term_slots_close();
  term_release_slots();
  EXPECT_EQ(term_slot(3).kind, kTermUnbound);
  EXPECT_TRUE(term_slot(3).args.empty());
  EXPECT_TRUE(term_slot(3).text.empty());
}

}  // namespace
}  // namespace qn::host
