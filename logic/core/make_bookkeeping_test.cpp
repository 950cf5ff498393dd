// The call tree and the choice of make files to write or renew, with a
// counting make-file writer and the knowledge base's answers stood in.
#include "logic/core/make_bookkeeping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {
namespace {

using engine::Term;
using Calls = std::map<std::pair<int64_t, int64_t>, std::vector<std::pair<int64_t, int64_t>>>;

struct Tree {
  engine::Engine eng;
  Run run{eng};
  Calls calls;
  int host_asks = 0;
  std::vector<std::pair<int64_t, int64_t>> written;
  std::set<std::pair<int64_t, int64_t>> failing;

  Tree() {
    run.stand_in_host("i_called_pgms", 4, [this](Run&, std::span<Term> a) {
      ++host_asks;
      std::vector<Term> cells;
      for (const auto& [c, n] : calls[{a[1].as_int(), a[2].as_int()}])
        cells.push_back(Term::cons(num(c), num(n)));
      cells.push_back(Term::cons(num(998), str("qnhelp.exe")));
      a[3] = Term::list(cells);
      return true;
    });
    run.stand_in_host("i_obj_info", 7, [](Run&, std::span<Term> a) {
      a[3] = Term::atom("Obj" + std::to_string(a[2].as_int()));
      return true;
    });
  }
  void main_pgm(const char* kind, int64_t n, int64_t generator = 11) {
    run.facts().assertz(fact("pgm_main_i", {atom(kind), num(n), atom("x"), Term::list({num(generator)})}));
  }
  void generated(const char* kind, int64_t n) {
    run.facts().assertz(fact("generated_object_i", {atom(kind), num(n)}));
  }
  void pass() {
    make_files_pass(run, 0, [this](Run&, int64_t, int64_t c, int64_t n) {
      written.emplace_back(c, n);
      return !failing.count({c, n});
    });
  }
  std::vector<std::pair<int64_t, int64_t>> deps(int64_t c, int64_t n) {
    std::vector<std::pair<int64_t, int64_t>> out;
    for (const MakeProgram& p : make_called_deps(run, c, n)) out.emplace_back(p.cls, p.number);
    return out;
  }
};

using V = std::vector<std::pair<int64_t, int64_t>>;

TEST(CallTree, KeepsTheCalleesThatHaveClassesEachOnceThroughCyclesAndDiamonds) {
  struct Case {
    const char* name;
    Calls calls;
    V expected;
  } cases[] = {
      {"diamond", {{{1, 1}, {{1, 2}, {1, 3}}}, {{1, 2}, {{1, 4}}}, {{1, 3}, {{1, 4}}}},
       {{1, 1}, {1, 2}, {1, 4}, {1, 3}}},
      {"cycle", {{{1, 1}, {{1, 2}}}, {{1, 2}, {{1, 1}}}}, {{1, 1}, {1, 2}}},
      {"report kept, menu and external left out",
       {{{1, 1}, {{2, 5}, {3, 6}, {14, 7}, {7, 8}}}}, {{1, 1}, {2, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tree t;
    t.calls = c.calls;
    update_call_tree(t.run, 0, 1, 1);
    EXPECT_EQ(t.deps(1, 1), c.expected);
  }
}

TEST(CallTree, MainProgramOfAnotherGeneratorAndStoredProceduresAreLeftOut) {
  Tree t;
  t.calls = {{{1, 1}, {{1, 2}, {1, 3}, {1, 4}}}};
  t.main_pgm("proc", 2, 7);
  // Object 3 (named Obj3 by the host) is declared a stored procedure.
  t.run.facts().assertz(
      fact("external_program_i", {atom("OBJ3"), atom("storedprocedure"), Term::list({atom("as400")})}));
  update_call_tree(t.run, 0, 1, 1);
  EXPECT_EQ(t.deps(1, 1), (V{{1, 1}, {1, 4}}));
}

TEST(MakeFilesPass, WritesAboveChangedObjectsAndRenewsTheOthers) {
  // Mains 1 and 5 both call 2; 2 calls 3 and 4.
  auto tree = [] {
    auto t = std::make_unique<Tree>();
    t->calls = {{{1, 1}, {{1, 2}}}, {{1, 5}, {{1, 2}}}, {{1, 2}, {{1, 3}, {1, 4}}}};
    t->main_pgm("proc", 1);
    t->main_pgm("proc", 5);
    return t;
  };
  {
    SCOPED_TRACE("a leaf regenerated with the same calls: nothing written");
    auto t = tree();
    for (const char* f : {"ij_object_dependency", "old_ij_object_dependency"})
      t->run.facts().assertz(fact(f, {atom("pobj3"), Term::list({}), Term::list({num(7)})}));
    t->generated("proc", 3);
    t->pass();
    EXPECT_TRUE(t->written.empty());
  }
  {
    SCOPED_TRACE("an object calling one more program: every main above it once");
    auto t = tree();
    t->run.facts().assertz(fact("old_called_program_i", {num(1), num(2), num(1), num(3)}));
    t->generated("proc", 2);
    t->generated("proc", 4);
    t->pass();
    std::sort(t->written.begin(), t->written.end());
    EXPECT_EQ(t->written, (V{{1, 1}, {1, 5}}));
  }
  {
    SCOPED_TRACE("a changed class dependency counts as a change");
    auto t = tree();
    t->run.facts().assertz(fact("old_called_program_i", {num(1), num(2), num(1), num(3)}));
    t->run.facts().assertz(fact("old_called_program_i", {num(1), num(2), num(1), num(4)}));
    t->run.facts().assertz(fact("ij_object_dependency", {atom("pobj2"), Term::list({}), Term::list({num(7)})}));
    t->run.facts().assertz(fact("old_ij_object_dependency", {atom("pobj2"), Term::list({}), Term::list({})}));
    t->generated("proc", 2);
    t->pass();
    EXPECT_EQ(t->written.size(), 2u);
  }
  {
    SCOPED_TRACE("a generated main program gets its own file; a failing one stops no other");
    auto t = tree();
    t->failing = {{1, 1}};
    t->generated("proc", 1);
    t->generated("proc", 5);
    t->pass();
    EXPECT_EQ(t->written, (V{{1, 1}, {1, 5}}));
    // The failed file is written again at the next pass end, even with
    // nothing generated, until it is written whole.
    t->run.facts().abolish("generated_object_i", 2);
    t->written.clear();
    t->pass();
    t->failing.clear();
    t->pass();
    t->pass();
    EXPECT_EQ(t->written, (V{{1, 1}, {1, 1}}));
  }
}

TEST(MakeFilesPass, BuildsTheTreeOncePerRun) {
  Tree t;
  t.calls = {{{1, 1}, {{1, 2}}}};
  t.main_pgm("proc", 1);
  t.pass();
  const int asks = t.host_asks;
  EXPECT_GT(asks, 0);
  t.pass();
  EXPECT_EQ(t.host_asks, asks);
}

}  // namespace
}  // namespace qn::logic
