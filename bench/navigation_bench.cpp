// The navigation driver over N levels (50 and 500): chains of five levels on
// one table each, five residual conditions and three commands per level, the
// SQL statements and other callees standing in as one comment each. Aims:
// under 150 us a level; at 500 levels within 1.5x the time a level takes at
// 50 (no look-up by parent reads every fact).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/levels.h"
#include "logic/toolbox/declarations.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;  // NOLINT

std::string model_facts(int64_t levels) {
  std::string s =
      "spec_i([proc, 2, 'T', 'P', 0, 0]). model_num_i(1). pgm_id([2, proc, 'P']). "
      "attri_i('&X', ['&X', int, 9, 0, '', 1]). ";
  std::string where = "[";
  for (int i = 1; i <= 5; ++i) {
    where += std::string(i > 1 ? "," : "") + "[t('&X',23),t('>',10),t('" + std::to_string(i) +
             "',3)]";
  }
  where += "]";
  for (int64_t l = 1; l <= levels; ++l) {
    const std::string L = std::to_string(l);
    const std::string table = "t" + std::to_string((l - 1) / 5);
    const bool top = (l - 1) % 5 == 0;
    s += "level_i(" + L + ", [" + table + ", [" + table + "], [], 0, 0, 0, " + where +
         ", 0, 0, []]). ";
    s += "struct_i(" + L + ", " + (top ? "0" : std::to_string(l - 1)) + ", [], []). ";
    if (!top) s += "break_i(" + L + ", nvg, " + std::to_string(l - 1) + ", 0, 0). ";
    s += "b_group_i(1, " + L + ", cmd, 0, 0, 0). ";
    s += "b_line_i(" + std::to_string(3 * l) + ", " + L +
         ", 1, cmd, 0, [t(if,109),t('&X',23),t('>',10),t('1',3)]). ";
    s += "b_line_i(" + std::to_string(3 * l + 1) + ", " + L +
         ", 1, cmd, 0, [t(a,107),t('&X',23),t('=',10),t('&X',23),t('+',5),t('1',3)]). ";
    s += "b_line_i(" + std::to_string(3 * l + 2) + ", " + L + ", 1, cmd, 0, [t(endif,111)]). ";
  }
  return s;
}

void BM_Levels(benchmark::State& state) {
  const int64_t levels = state.range(0);
  const std::string facts = model_facts(levels);
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine eng;
    Run run(eng);
    eng.consult_text(facts, false);
    run.capture_output();
    state.ResumeTiming();
    for (int64_t l = 1; l <= levels; ++l) {
      gen_level_kind(run, Term::atom("nvg"), Term::integer(l), Term::nil(), Term::nil(),
                     Term::nil());
    }
    state.PauseTiming();
    benchmark::DoNotOptimize(run.capture()->files.size());
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * levels);
  state.counters["us_per_level"] = benchmark::Counter(
      static_cast<double>(state.iterations() * levels),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Levels)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
