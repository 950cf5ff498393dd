// A work panel's class with forms of 20 and 200 edit controls on one
// window, each with a Click event of its own, into captured output. The
// time per control is the figure to watch: it should stay flat as the form
// grows.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/work_panel.h"

namespace {

using qn::engine::Term;

std::string form_with_controls(int n) {
  std::string facts =
      "spec_i([scr, 1, 'Form', 'Form', 0, 0]). level_i(1, [0]). "
      "lit_i(0, 1, window, [rect(0,0,999,9999)]). ";
  int line = 1;
  for (int i = 0; i < n; ++i) {
    const std::string v = "'&V" + std::to_string(i) + "'";
    const std::string top = std::to_string(10 + 25 * i);
    const std::string bottom = std::to_string(29 + 25 * i);
    facts += "attri_i(" + v + ", [" + v + ", " + (i % 2 ? "int, 6" : "char, 20") + ", 0, '']). ";
    facts += "lit_i(" + std::to_string(i + 1) + ", 1, t(" + v + ", 23), [rect(10," + top +
             ",109," + bottom + ")]). ";
    facts += "b_line_i(" + std::to_string(line++) + ", 0, 0, cmd, 0, [t('', 146), t([t(" + v +
             ", 23), t('Click', 0)], 0)]). ";
    facts += "b_line_i(" + std::to_string(line++) + ", 0, 0, cmd, 0, [t('', 147)]). ";
  }
  return facts;
}

void BM_WorkPanel(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string facts = form_with_controls(n);
  const Term spec = *qn::engine::parse_term("[scr, 1, 'Form', 'Form', 0, 0]");
  for (auto _ : state) {
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    benchmark::DoNotOptimize(qn::logic::gen_workpanel_class(run, 0, 1, spec));
    benchmark::DoNotOptimize(run.capture()->all_lines().size());
  }
  state.counters["per_control"] =
      benchmark::Counter(static_cast<double>(n) * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WorkPanel)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
