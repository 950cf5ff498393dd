// The call tree of a large model: update_call_tree over 2,000 objects of 5
// calls each (aim: under 100 ms), and the make-file pass for one regenerated
// leaf under 500 main programs (aim: its ancestor walk under 10 ms).
#include <benchmark/benchmark.h>

#include <span>
#include <string>

#include "engine/engine.h"
#include "logic/core/make_bookkeeping.h"
#include "logic/core/rule_terms.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;

// Object n (class 1) calls n+1 ... n+5 below 2,000.
void calls_of_chain(Run& run) {
  run.stand_in_host("i_called_pgms", 4, [](Run&, std::span<Term> a) {
    std::vector<Term> cells;
    const int64_t n = a[2].as_int();
    for (int64_t k = 1; k <= 5; ++k) {
      if (n + k <= 2000) cells.push_back(Term::cons(num(1), num(n + k)));
    }
    a[3] = Term::list(cells);
    return true;
  });
}

void BM_UpdateCallTree2000x5(benchmark::State& state) {
  for (auto _ : state) {
    qn::engine::Engine eng;
    Run run(eng);
    calls_of_chain(run);
    update_call_tree(run, 0, 1, 1);
    benchmark::DoNotOptimize(run.facts().count("called_program_i", 4));
  }
}
BENCHMARK(BM_UpdateCallTree2000x5)->Unit(benchmark::kMillisecond);

// 500 main programs each calling object 1000, which is regenerated.
// Changed: the pass walks up from it and hands each main to the writer (a
// counter here), so the time is the ancestor walk and the decision. Not
// changed: the 500 mains' files are renewed, one file-system look each.
void leaf_under_500_mains(benchmark::State& state, bool changed) {
  qn::engine::Engine eng;
  Run run(eng);
  run.stand_in_host("i_obj_info", 7, [](Run&, std::span<Term> a) {
    a[3] = Term::atom("O" + std::to_string(a[2].as_int()));
    return true;
  });
  for (int64_t m = 1; m <= 500; ++m) {
    run.facts().assertz(fact("pgm_main_i", {atom("proc"), num(m), atom("x"), Term::list({num(11)})}));
    run.facts().assertz(fact("called_program_i", {num(1), num(m), num(1), num(1000)}));
  }
  run.facts().assertz(fact("ij_object_dependency", {atom("po1000"), Term::list({}), Term::list({})}));
  if (!changed)
    run.facts().assertz(fact("old_ij_object_dependency", {atom("po1000"), Term::list({}), Term::list({})}));
  run.facts().assertz(fact("call_tree_builded_i", {}));
  run.facts().assertz(fact("generated_object_i", {atom("proc"), num(1000)}));
  int64_t written = 0;
  for (auto _ : state) {
    make_files_pass(run, 0, [&](Run&, int64_t, int64_t, int64_t) { return ++written > 0; });
  }
  state.counters["written"] =
      benchmark::Counter(static_cast<double>(written), benchmark::Counter::kAvgIterations);
}
void BM_LeafUnder500MainsChanged(benchmark::State& state) { leaf_under_500_mains(state, true); }
void BM_LeafUnder500MainsTouched(benchmark::State& state) { leaf_under_500_mains(state, false); }
BENCHMARK(BM_LeafUnder500MainsChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeafUnder500MainsTouched)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
