// A subfile's element class and flow class, for subfiles of 10 and 50
// elements (half of them columns, types in turn int, char, date, decimal),
// into captured output. The setup of each run (the facts read) is not
// timed. The element class of 50 elements is the figure to watch (aim:
// under 2 ms); the time per element should stay flat as the subfile grows.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/subfile_classes.h"

namespace {

using qn::engine::Term;

std::string subfile_of(int n) {
  std::string facts =
      "spec_i([scr, 8, 'Form', 'Form', 0, 0]). current_pgm_i(wform). level_i(1, [0]). "
      "level_i(2, [0]). sf_break_i(2, 1). lit_i(0, 1, s(1), [ctlname('Lines')]). ";
  static const char* const kTypes[] = {"int, 6, 0", "char, 20, 0", "date, 8, 0", "int, 10, 2"};
  std::string group;
  for (int i = 0; i < n; ++i) {
    const std::string a = "a" + std::to_string(i);
    facts += "attri_i(" + a + ", ['A" + std::to_string(i) + "', " + kTypes[i % 4] + ", '']). ";
    if (i % 2 == 0) facts += "lit_i(" + std::to_string(i + 1) + ", 1, s(t(" + a + ", 2), 1), []). ";
    group += (group.empty() ? "" : ", ") + a;
  }
  facts += "repeat_i(2, [" + group + "]). ";
  // A colour rule and a no-accept rule on the first column, a search rule.
  facts += "rule_i(1, rule([a(26, [['RED+'], t(a0, 2)])], [t(a0, 2), t('>', 10), t('1', 3)], [], [])). ";
  facts += "rule_i(2, rule([a(3, [t(a0, 2)])], [t(a0, 2), t('=', 10), t('0', 3)], [], [])). ";
  facts += "rule_i(3, search([t(a1, 2), t('=', 10), t('''x''', 3)])). ";
  return facts;
}

template <bool (*Write)(qn::logic::Run&, const Term&)>
void Run(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string facts = subfile_of(n);
  const Term subfile = Term::integer(1);
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    state.ResumeTiming();
    const bool ok = Write(run, subfile);
    const size_t lines = run.capture()->all_lines().size();
    if (!ok || lines < 10) {
      state.SkipWithError("the class was not written");
      break;
    }
  }
  state.counters["per_element"] =
      benchmark::Counter(static_cast<double>(n) * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ElementClass(benchmark::State& state) { Run<qn::logic::write_subfile_element_class>(state); }
void BM_FlowClass(benchmark::State& state) { Run<qn::logic::subfile_flow_control>(state); }
BENCHMARK(BM_ElementClass)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowClass)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
