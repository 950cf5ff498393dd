// Variables of one program: 10,000 declared (half named variables through
// declare_var/4, half temporaries through temp_var/3), then the declaration
// lines written into captured output; and the writer alone. Reported per
// variable (the inverse of items_per_second).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/term.h"
#include "logic/toolbox/declarations.h"
#include "logic/core/run.h"
#include "logic/java/variables.h"

namespace {

using qn::engine::Term;

constexpr int kVariables = 10000;

Term type_desc(int i) {
  static const char* kTypes[] = {"int", "char", "date", "vchar", "pac", "boolean"};
  const char* type = kTypes[i % 6];
  return Term::list({Term::atom(type), Term::integer(1 + i % 12), Term::integer(i % 5 == 0 ? 2 : 0),
                     Term::integer(1)});
}

void BM_DeclareAndWrite(benchmark::State& state) {
  for (auto _ : state) {
    qn::engine::Engine engine;
    qn::logic::Run run(engine);
    run.capture_output();
    for (int i = 0; i < kVariables / 2; ++i) {
      qn::logic::declare_var(run, Term::string("V" + std::to_string(i)), type_desc(i), "s",
                             Term::list({}));
      // A new statement every tenth temporary: some are reused.
      if (i % 10 == 0) engine.facts().abolish("var_used_i", 1);
      benchmark::DoNotOptimize(qn::logic::temp_var(run, "u", type_desc(i * 7)));
    }
    qn::logic::gen_var_declarations(run);
    benchmark::DoNotOptimize(run.capture()->all_lines().size());
  }
  state.SetItemsProcessed(state.iterations() * kVariables);
}
BENCHMARK(BM_DeclareAndWrite)->Unit(benchmark::kMillisecond);

// The declaration writer alone.
void BM_WriteOnly(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<qn::engine::Engine>();
    auto run = std::make_unique<qn::logic::Run>(*engine);
    run->capture_output();
    for (int i = 0; i < kVariables; ++i) {
      qn::logic::declare_var(*run, Term::string("V" + std::to_string(i)), type_desc(i), "s",
                             Term::list({}));
    }
    state.ResumeTiming();
    qn::logic::gen_var_declarations(*run);
    state.PauseTiming();
    run.reset();
    engine.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kVariables);
}
BENCHMARK(BM_WriteOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
