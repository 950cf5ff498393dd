// The expression translator: a condition of 11 tokens (alone, and among an
// object's rules), and an assignment of a text built from two function calls.
#include <benchmark/benchmark.h>

#include <string>

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
  const Term cond =
      Term::list({t("&A", 23), t("+", 5), t("&B", 23), t("*", 6), t("2", 3), t(">", 10),
                  t("&C", 23), t(".AND.", 9), t("&Name", 23), t("=", 10), t("'X'", 3)});
  for (auto _ : state) benchmark::DoNotOptimize(cond_to_java(run, cond, {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Condition);

// The same condition in an object of many rules (rule_i/2), one of them an
// array's dimensions: every variable token asks whether it is an array.
void BM_ConditionAmongRules(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  eng.consult_text(kFacts, false);
  std::string rules = "rule_i(0, dim('&Arr', [10])). ";
  for (int64_t k = 1; k <= state.range(0); ++k) {
    rules += "rule_i(" + std::to_string(k) + ", prop('P" + std::to_string(k) + "', \"Yes\")). ";
  }
  eng.consult_text(rules, false);
  const Term cond =
      Term::list({t("&A", 23), t("+", 5), t("&B", 23), t("*", 6), t("2", 3), t(">", 10),
                  t("&C", 23), t(".AND.", 9), t("&Name", 23), t("=", 10), t("'X'", 3)});
  for (auto _ : state) benchmark::DoNotOptimize(cond_to_java(run, cond, {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConditionAmongRules)->Arg(200);

void BM_Assignment(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  eng.consult_text(kFacts, false);
  EmitCapture& capture = run.capture_output();
  const Term value = Term::list({t("trim(", 1), t("&Name", 23), t(")", 4), t("+", 5), t("str(", 1),
                                 t("&Qty", 23), t("*", 6), t("&Price", 23), t(",", 7), t("10", 3),
                                 t(",", 7), t("2", 3), t(")", 4)});
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
