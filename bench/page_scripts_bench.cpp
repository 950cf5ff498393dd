// The page's script of a web panel with 50 prompts and 200 validated inputs
// (integers, decimals and dates): each input's check as the page writer asks
// for it, then the routine include_jscripts, into captured output. The aim:
// under 20 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"
#include "logic/web/page_scripts.h"

namespace {

std::string page() {
  std::string f = "spec_i([web, 1, 'Prompts', 'Prompts', 0, 0]). level_i(1, [0]). ";
  f += "lit(eng, badnum, \"Invalid number\"). ";
  for (int i = 0; i < 200; ++i) {
    const std::string v = "'&V" + std::to_string(i) + "'";
    f += "lit_i(" + std::to_string(i + 1) + ", 1, t(" + v + ", 23), [ctrltype(edit, 0)]). ";
  }
  for (int p = 0; p < 50; ++p) {
    const std::string n = std::to_string(p);
    f += "lit_i(" + std::to_string(300 + p) + ", 1, bitmap('p.gif'), [ctlname(img" + n + ")]). ";
    f += "rule_i(1, prompt([[" + n + "], web, img" + n + ", 0, [t(o(web, 'Pick" + n +
         "'), 28), t('&V" + n + "', 23), t(',', 7), t('&V" + std::to_string(p + 50) + "', 23)]])). ";
  }
  return f;
}

void BM_IncludeJscripts(benchmark::State& state) {
  const std::string facts = page();
  const qn::logic::OptType types[] = {
      qn::logic::TypeDesc{"int", "", 6, 0, 0}, qn::logic::TypeDesc{"int", "", 9, 2, 0},
      qn::logic::TypeDesc{"date", "", 8, 0, 0}};
  size_t lines = 0;
  bool written = false;
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    state.ResumeTiming();
    for (int i = 0; i < 200; ++i) benchmark::DoNotOptimize(qn::logic::web::web_input_validation(run, types[i % 3], ""));
    written = qn::logic::web::gen_include_jscripts(run);
    state.PauseTiming();
    lines = run.capture()->all_lines().size();
    state.ResumeTiming();
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["written"] = written ? 1 : 0;
}
BENCHMARK(BM_IncludeJscripts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
