#include "engine/fact_base.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "engine/clause_io.h"
#include "engine/test_print.h"

namespace qn::engine {
namespace {

Term T(std::string_view text) {
  auto t = parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t ? *t : Term();
}

std::string texts(const std::vector<Term>& ts) {
  std::string out;
  for (const auto& t : ts) out += (out.empty() ? "" : " ") + writeq(t);
  return out;
}

class EngineFactBase : public ::testing::Test {
 protected:
  FactBase fb;
};

TEST_F(EngineFactBase, AssertOrder) {
  fb.assertz(T("p(b)"));
  fb.asserta(T("p(a)"));
  fb.assertz(T("p(d)"));
  fb.assert_at(T("p(c)"), 2);
  fb.assert_at(T("p(first)"), 0);
  fb.assert_at(T("p(last)"), 99);
  fb.assert_(T("p(z)"));
  EXPECT_EQ(texts(fb.clauses("p", 1)), "p(first) p(a) p(b) p(c) p(d) p(last) p(z)");
  EXPECT_EQ(fb.count("p", 1), 7u);
  EXPECT_EQ(fb.count_if("p", 1, [](const Term& t) { return t.arg(1).text().size() == 1; }), 5u);
  EXPECT_EQ(fb.count("p", 2), 0u);
}

TEST_F(EngineFactBase, AssertBetweenNeighboursManyTimes) {
  // Repeated inserts at one place exhaust the gaps and force renumbering.
  fb.assertz(T("q(0)"));
  fb.assertz(T("q(999)"));
  for (int i = 100; i >= 1; --i) fb.assert_at(Term::compound("q", {Term::integer(i)}), 1);
  auto all = fb.clauses("q", 1);
  ASSERT_EQ(all.size(), 102u);
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(all[i].arg(1).as_int(), i);
  EXPECT_EQ(all[101].arg(1).as_int(), 999);
  EXPECT_EQ(texts(fb.findall(T("q(50)"))), "q(50)");
}

TEST_F(EngineFactBase, RetractByPattern) {
  for (const char* c : {"r(1, a)", "r(2, b)", "r(1, c)", "r(3, a)", "r(X, var)"}) fb.assertz(T(c));
  EXPECT_EQ(fb.retract(T("r(1, _)")), T("r(1, a)"));
  EXPECT_EQ(fb.retract(T("r(_, a)")), T("r(3, a)"));
  EXPECT_FALSE(fb.retract(T("r(9, zz)")).has_value());
  EXPECT_EQ(texts(fb.clauses("r", 2)), "r(2,b) r(1,c) r(_G1,var)");
  // A clause holding a variable matches any first argument.
  EXPECT_EQ(texts(fb.findall(T("r(7, X)"))), "r(7,var)");
  EXPECT_EQ(fb.retract_all(T("r(_, _)")), 3u);
  EXPECT_EQ(fb.count("r", 2), 0u);
}

TEST_F(EngineFactBase, QueriesByFirstArgumentAndPattern) {
  for (int i = 0; i < 1000; ++i) {
    fb.assertz(Term::compound("k", {Term::integer(i % 10), Term::integer(i)}));
  }
  fb.asserta(T("k(f(x), first)"));
  fb.assertz(T("k(\"s\", str)"));
  fb.assertz(T("k(k, atom)"));
  fb.assertz(T("k(1.0, real)"));
  EXPECT_EQ(fb.findall(T("k(3, _)")).size(), 100u);
  EXPECT_EQ(fb.findall(T("k(3, _)"))[0], T("k(3, 3)"));
  EXPECT_EQ(texts(fb.findall(T("k(1.0, _)"))), "k(1.0,real)");
  EXPECT_EQ(texts(fb.findall(T("k(f(_), X)"))), "k(f(x),first)");
  EXPECT_EQ(texts(fb.findall(T("k(\"s\", X)"))), "k(\"s\",str)");
  EXPECT_EQ(fb.first(T("k(X, 995)")), T("k(5, 995)"));
  EXPECT_TRUE(fb.exists(T("k(k, atom)")));
  EXPECT_FALSE(fb.exists(T("k(k, real)")));
  EXPECT_EQ(fb.findall(T("k(X, X)")).size(), 10u);  // k(0,0) ... k(9,9)
  EXPECT_TRUE(fb.findall(T("none(1)")).empty());
}

// Many keys come and go (the index grows, and its runs of colliding keys
// close up as keys leave): every key still finds exactly its own clauses,
// in order.
TEST_F(EngineFactBase, FirstArgumentIndexUnderChurn) {
  std::map<int, std::vector<int>> model;  // key -> second arguments in order
  auto key = [](int k) {
    return k % 3 == 0 ? Term::integer(k) : Term::string("key" + std::to_string(k));
  };
  std::mt19937 rng(5);
  for (int step = 0; step < 20000; ++step) {
    const int k = static_cast<int>(rng() % 700);
    if (rng() % 3 != 0) {
      fb.assertz(Term::compound("c", {key(k), Term::integer(step)}));
      model[k].push_back(step);
    } else if (fb.retract(Term::compound("c", {key(k), Term::var(1)}))) {
      ASSERT_FALSE(model[k].empty());
      model[k].erase(model[k].begin());
    } else {
      ASSERT_TRUE(model[k].empty());
    }
  }
  for (int k = 0; k < 700; ++k) {
    std::vector<int> got;
    for (const Term& t : fb.findall(Term::compound("c", {key(k), Term::var(1)}))) {
      got.push_back(static_cast<int>(t.arg(2).as_int()));
    }
    ASSERT_EQ(got, model[k]) << k;
  }
}

TEST_F(EngineFactBase, ForEachWalksASnapshot) {
  for (int i = 0; i < 5; ++i) fb.assertz(Term::compound("s", {Term::integer(i)}));
  int seen = 0;
  fb.for_each(T("s(_)"), [&](const Term& t) {
    ++seen;
    fb.retract(t);
    fb.assertz(Term::compound("s", {Term::integer(100 + seen)}));
    return true;
  });
  EXPECT_EQ(seen, 5);
  EXPECT_EQ(texts(fb.clauses("s", 1)), "s(101) s(102) s(103) s(104) s(105)");
  seen = 0;
  fb.for_each(T("s(_)"), [&](const Term&) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
}

TEST_F(EngineFactBase, AbolishAndPredicates) {
  fb.assertz(T("a(1)"));
  fb.assertz(T("b"));
  fb.assertz(T("a(1, 2)"));
  fb.abolish("a", 1);
  EXPECT_EQ(fb.count("a", 1), 0u);
  EXPECT_EQ(fb.count("a", 2), 1u);
  EXPECT_TRUE(fb.exists(T("b")));
  auto preds = fb.predicates();
  ASSERT_EQ(preds.size(), 3u);
  EXPECT_EQ(preds[0], (PredKey{Atom("a"), 1}));
  EXPECT_EQ(preds[1], (PredKey{Atom("b"), 0}));
}

// The stamp moves with every change of its own predicate and with nothing
// else: reads, failed retracts and other predicates leave it.
TEST_F(EngineFactBase, StampMovesOnlyWhenThePredicateChanges) {
  EXPECT_EQ(fb.stamp("p", 1), 0u);
  const std::function<void()> changes[] = {
      [&] { fb.assertz(T("p(a)")); },      [&] { fb.asserta(T("p(b)")); },
      [&] { fb.assert_at(T("p(c)"), 1); }, [&] { fb.retract(T("p(b)")); },
      [&] { fb.retract_all(T("p(_)")); },  [&] { fb.abolish("p", 1); },
  };
  for (const auto& change : changes) {
    const uint64_t before = fb.stamp("p", 1);
    change();
    const uint64_t after = fb.stamp("p", 1);
    EXPECT_NE(after, before);
    fb.assertz(T("q(1)"));
    fb.retract(T("p(nothing)"));
    (void)fb.first(T("p(_)"));
    (void)fb.clauses("p", 1);
    EXPECT_EQ(fb.stamp("p", 1), after);
  }
  // After clear() a predicate asserted again never shows an old stamp.
  fb.assertz(T("p(a)"));
  const uint64_t old = fb.stamp("p", 1);
  fb.clear();
  EXPECT_EQ(fb.stamp("p", 1), 0u);
  fb.assertz(T("p(a)"));
  EXPECT_GT(fb.stamp("p", 1), old);
}

TEST_F(EngineFactBase, AccessHookRunsOnEveryAccess) {
  int calls = 0;
  fb.set_access_hook([&] { ++calls; });
  fb.assertz(T("a(1)"));
  fb.findall(T("a(_)"));
  fb.retract(T("a(_)"));
  EXPECT_EQ(calls, 3);
  fb.set_access_hook([] { throw std::runtime_error("stop"); });
  EXPECT_THROW(fb.assertz(T("a(2)")), std::runtime_error);
  fb.set_access_hook(nullptr);
  EXPECT_EQ(fb.count("a", 1), 0u);
}

}  // namespace
}  // namespace qn::engine
