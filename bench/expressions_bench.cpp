// The expression translator: a condition of 11 tokens, and an assignment of
// a text built from two function calls.
#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/program/expressions.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;  // NOLINT

const char* kFacts =
    "attri_i('&A', ['A', int, 5, 0, '', 0]). attri_i('&B', ['B', int, 4, 0, '', 0]). "
    "attri_i('&C', ['C', int, 9, 2, '', 0]). attri_i('&Name', ['Name', char, 20, 0, '', 0]). "
    "attri_i('&S', ['S', char, 40, 0, '', 0]). attri_i('&Qty', ['Qty', int, 4, 0, '', 0]). "
    "attri_i('&Price', ['Price', int, 9, 2, '', 0]). pgm_id([1, proc, 'P']).";

Term t(const char* text, int64_t kind) { return fact("t", {atom(text), num(kind)}); }

void BM_Condition(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  eng.consult_text(kFacts, false);
  const Term cond = Term::list({t("&A", 23), t("+", 5), t("&B", 23), t("*", 6), t("2", 3), t(">", 10), t("&C", 23),
                                t(".AND.", 9), t("&Name", 23), t("=", 10), t("'X'", 3)});
  for (auto _ : state) benchmark::DoNotOptimize(cond_to_java(run, cond, {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Condition);

void BM_Assignment(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  eng.consult_text(kFacts, false);
  EmitCapture& capture = run.capture_output();
  const Term value = Term::list({t("trim(", 1), t("&Name", 23), t(")", 4), t("+", 5), t("str(", 1), t("&Qty", 23),
                                 t("*", 6), t("&Price", 23), t(",", 7), t("10", 3), t(",", 7), t("2", 3), t(")", 4)});
  const Term target = atom("&S");
  for (auto _ : state) {
    assign_var(run, target, value);
    capture.files.clear();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Assignment);

}  // namespace

BENCHMARK_MAIN();
