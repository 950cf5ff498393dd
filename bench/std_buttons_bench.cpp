// The preparation of a transaction's buttons over a large form: 300 form
// literals (200 attribute controls, 100 other items), 100 prompt rules
// with a prompt-button rule naming their 100 attributes (100 buttons, three
// event lines each), 2,000 command lines with a free number every seventh,
// and a key without a no-accept rule. Aim: under 10 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/javaui/std_buttons.h"

namespace {

std::string big_transaction() {
  std::string f =
      "pgm_id([6, trn, 'Big']). level_i(1, [big, [big], [a0]]). "
      "struct_i(1, 0, [a0, a1], []). ";
  std::string prompted = "[";
  for (int i = 0; i < 200; ++i) {
    const std::string a = "a" + std::to_string(i);
    const int top = 10 + 20 * i;
    f += "attri_i(" + a + ", ['" + a + "', char, 10, 0, '']). ";
    f += "lit_i(" + std::to_string(i + 1) + ", 1, t(" + a + ", 2), [rect(10, " +
         std::to_string(top) + ", 109, " + std::to_string(top + 15) + ")" +
         (i % 20 == 0 ? ", ctrltype(checkbox, 0)" : "") + "]). ";
    if (i % 20 == 0) f += "ctrl_info_i(" + std::to_string(i + 1) + ", checkbox, ['Y', 'N', 'C']). ";
    if (i < 100) {
      f += "rule_i(1, prompt([1, 0, t(" + a + ", 2), 0, [t('Pick" + std::to_string(i) +
           "', 28), t(" + a + ", 2)]])). ";
      prompted += std::string(i ? ", " : "") + a;
    }
  }
  f += "rule_i(1, rule([a(31, [16, 4, 'prompt.bmp'])], [], [], " + prompted + "])). ";
  for (int i = 200; i < 300; ++i) {
    f += "lit_i(" + std::to_string(i + 1) + ", 1, t('Label " + std::to_string(i) +
         "', 3), [rect(200, 10, 299, 25)]). ";
  }
  for (int n = 1; n <= 2300; ++n) {
    if (n % 7 == 0) continue;  // about 2,000 lines with single free numbers between
    f += "b_line_i(" + std::to_string(n) + ", 1, 0, cmd, 0, [t(a, 107)]). ";
  }
  return f;
}

void BM_PrepareTrnButtons(benchmark::State& state) {
  const std::string facts = big_transaction();
  size_t buttons = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<qn::engine::Engine>();
    engine->consult_text(facts, false);
    qn::logic::Run run(*engine);
    state.ResumeTiming();
    benchmark::DoNotOptimize(qn::logic::prepare_trn_buttons(run));
    state.PauseTiming();
    buttons = run.facts().count("lit_i", 4) - 300;
    run.facts().clear();
    state.ResumeTiming();
  }
  state.counters["buttons"] = static_cast<double>(buttons);
}
BENCHMARK(BM_PrepareTrnButtons)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
