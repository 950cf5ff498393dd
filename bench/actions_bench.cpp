// The order of a level's actions and a cached member accessor.
// Aims: 20 scrambled actions ordered under 50 us; 200 actions in reverse
// dependency order (each pass places one) under 5 ms; a cached
// nav_att_accessor/9 under 1 us.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/nav_names.h"

namespace {

using qn::engine::Term;

// A chain of formulas: action k needs V(k-1) and makes Vk. Asserted in the
// order given.
void chain(qn::engine::Engine& engine, int n, bool reverse, bool scramble) {
  std::vector<int> order(n);
  for (int k = 0; k < n; ++k) order[k] = reverse ? n - 1 - k : k;
  if (scramble) std::shuffle(order.begin(), order.end(), std::mt19937(7));
  std::string facts;
  for (int k : order) {
    const std::string id = "f" + std::to_string(k);
    facts += "a_i(" + id + ", 1, f, 'V" + std::to_string(k) + "', x, []). ";
    facts += "v_i(f, i, " + id + ", ['V" + std::to_string(k - 1) + "']). ";
    facts += "v_i(f, o, " + id + ", ['V" + std::to_string(k) + "']). ";
  }
  engine.consult_text(facts, false);
}

void order_bench(benchmark::State& state, int n, bool reverse, bool scramble) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  chain(engine, n, reverse, scramble);
  const std::vector<Term> loaded{Term::atom("V-1")};
  for (auto _ : state) {
    auto ordered = qn::logic::order_all_actions(run, Term::integer(1), loaded, false);
    if (ordered.actions.size() != size_t(n)) state.SkipWithError("not every action placed");
    benchmark::DoNotOptimize(ordered);
  }
}

void BM_Order20Scrambled(benchmark::State& state) { order_bench(state, 20, false, true); }
void BM_Order200Reverse(benchmark::State& state) { order_bench(state, 200, true, false); }

void BM_CachedAccessor(benchmark::State& state) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  engine.consult_text(
      "table_i(10, 'ORDERS'). table_i(11, 'CUSTOMER'). table_i(12, 'REGION'). "
      "attri_i(5, ['Regname', char, 20, 0, '', 0]).",
      false);
  // The knowledge base names the tables as table_i/2 does.
  run.stand_in_host("i_tblname", 3, [](qn::logic::Run& r, std::span<Term> a) {
    auto t = r.facts().first(Term::compound("table_i", {a[1], Term::fresh_var()}));
    if (t) a[2] = t->arg(2);
    return t.has_value();
  });
  run.stand_in_host("i_all_atrisr", 3, [](qn::logic::Run&, std::span<Term> a) {
    a[2] = *qn::engine::parse_term("[6, 1]");
    return true;
  });
  run.stand_in_host("i_closuret", 6, [](qn::logic::Run&, std::span<Term> a) {
    a[5] = *qn::engine::parse_term("[[11, [[10, 1, 1]]], [12, [[11, 2, 2]]]]");
    return true;
  });
  const Term level = Term::integer(1), table = Term::integer(12), att = Term::integer(5),
             base = Term::integer(10);
  if (!qn::logic::nav_att_accessor(run, 0, level, table, att, base, "get"))
    state.SkipWithError("no accessor");
  for (auto _ : state) {
    benchmark::DoNotOptimize(qn::logic::nav_att_accessor(run, 0, level, table, att, base, "get"));
  }
}

}  // namespace

BENCHMARK(BM_Order20Scrambled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Order200Reverse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedAccessor)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
