#include "engine/term.h"

#include <gtest/gtest.h>

#include <thread>

#include "engine/clause_io.h"
#include "engine/test_print.h"

namespace qn::engine {
namespace {

Term T(std::string_view text) { return *parse_term(text); }

class EngineTerm : public ::testing::Test {};

TEST_F(EngineTerm, StandardOrderAcrossKinds) {
  std::vector<Term> items;
  for (const char* t :
       {"f(a)", "\"str\"", "b", "2", "1.5", "g(a, b)", "1", "a", "f(b)", "1.0", "\"abc\"", "1"}) {
    items.push_back(T(t));
  }
  items.push_back(Term::var(7));
  std::vector<std::string> got;
  for (const Term& t : sort_terms(items)) got.push_back(writeq(t));
  EXPECT_EQ(got, (std::vector<std::string>{"_G7", "1", "1.0", "1.5", "2", "a", "b", "\"abc\"",
                                           "\"str\"", "f(a)", "f(b)", "g(a,b)"}));
}

TEST_F(EngineTerm, KeysortIsStable) {
  std::vector<Term> out;
  ASSERT_TRUE(keysort_terms({T("b-1"), T("a-2"), T("b-0"), T("a-1")}, out));
  std::string s;
  for (const Term& t : out) s += writeq(t) + " ";
  EXPECT_EQ(s, "a-2 a-1 b-1 b-0 ");
  EXPECT_FALSE(keysort_terms({T("a-1"), T("x")}, out));
}

TEST_F(EngineTerm, UnifyBindsAndUndoes) {
  Bindings b;
  Term pattern = T("f(X, g(Y), X)");
  ASSERT_TRUE(unify(pattern, T("f(1, g(h), 1)"), b));
  EXPECT_EQ(b.resolve(pattern), T("f(1, g(h), 1)"));
  Bindings c;
  EXPECT_FALSE(unify(pattern, T("f(1, g(h), 2)"), c));
  EXPECT_EQ(c.mark(), 0u);
  // More variables than the bindings keep inline.
  Bindings many;
  Term wide = T("w(A,B,C,D,E,F,G,H,I,J,K,L,A)");
  ASSERT_TRUE(unify(wide, T("w(1,2,3,4,5,6,7,8,9,10,11,12,1)"), many));
  EXPECT_EQ(many.resolve(wide), T("w(1,2,3,4,5,6,7,8,9,10,11,12,1)"));
  size_t m = many.mark();
  EXPECT_FALSE(unify(T("f(X, X)"), T("f(1, 2)"), many));
  EXPECT_EQ(many.mark(), m);
  many.undo(5);
  EXPECT_EQ(many.deref(Term::var(5)), Term::integer(5));
  EXPECT_TRUE(many.deref(Term::var(6)).is_var());
  EXPECT_TRUE(many.deref(Term::var(12)).is_var());
  EXPECT_TRUE(matches(T("[H|T]"), T("[1,2,3]")));
  EXPECT_FALSE(matches(T("[]"), T("[1]")));
  EXPECT_FALSE(matches(T("1"), T("1.0")));
}

TEST_F(EngineTerm, ListsAndAccess) {
  Term l = Term::list({Term::integer(1), Term::atom("a")});
  EXPECT_TRUE(l.is_list());
  EXPECT_TRUE(l.is_cons());
  EXPECT_EQ(l.list_items().size(), 2u);
  EXPECT_FALSE(Term::cons(Term::integer(1), Term::atom("x")).is_list());
  EXPECT_TRUE(Term().is_nil());
  EXPECT_EQ(Term::atom("[]"), Term::nil());
  Term f = T("foo(a, \"s\")");
  EXPECT_EQ(f.functor().name(), "foo");
  EXPECT_EQ(f.arity(), 2u);
  EXPECT_EQ(f.arg(2).text(), "s");
  EXPECT_TRUE(f.arg(1) == "a");
  EXPECT_EQ(f.hash(), T("foo(a, \"s\")").hash());
}

TEST_F(EngineTerm, LongListsNeedNoDeepStack) {
  std::vector<Term> items(300'000, Term::integer(1));
  Term a = Term::list(items);
  Term b = Term::list(items);
  EXPECT_EQ(a, b);
  EXPECT_EQ(compare(a, b), 0);
  EXPECT_TRUE(matches(a, b));
  EXPECT_EQ(a.hash(), b.hash());
}

TEST_F(EngineTerm, ReleaseAllKeepsWhatIsStillHeld) {
  Term shared = T("g(\"text\", [1, 2, h(x)])");
  std::vector<Term> batch;
  for (int i = 0; i < 100; ++i)
    batch.push_back(Term::compound("f", {Term::integer(i), shared, Term::string("s")}));
  batch.push_back(shared);
  batch.push_back(Term::integer(7));
  Term::release_all(batch);
  for (const Term& t : batch) EXPECT_TRUE(t.is_nil());
  EXPECT_EQ(shared, T("g(\"text\", [1, 2, h(x)])"));
}

TEST_F(EngineTerm, AtomsInternAcrossThreads) {
  std::vector<std::thread> threads;
  std::vector<uint32_t> ids(8);
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([i, &ids] {
      for (int k = 0; k < 2000; ++k) Atom("thread_atom_" + std::to_string(k));
      ids[i] = Atom("thread_atom_shared").id();
    });
  }
  for (auto& t : threads) t.join();
  for (uint32_t id : ids) EXPECT_EQ(id, ids[0]);
  EXPECT_EQ(Atom::from_id(ids[0]).name(), "thread_atom_shared");
}

}  // namespace
}  // namespace qn::engine
