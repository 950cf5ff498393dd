// Report printing: 500 print blocks of 10 controls in 4 fonts written as one
// group; and the print-block analysis of 300 subroutines each calling the
// next.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/toolbox/print_blocks.h"
#include "logic/toolbox/report_print.h"

namespace {

using qn::engine::Term;

constexpr int kBlocks = 500;
constexpr int kControls = 10;
constexpr int kSubs = 300;

std::string blocks_facts() {
  static const char* kFonts[] = {"font('Arial', 10, [])", "font('Arial', 10, [bold])",
                                 "font('Courier New', 9, [])", "font('Times', 12, [italic])"};
  std::string s = "spec_i([rpt, 3, 'Bench', 'Bench', 0, 0]). attri_i('&V', ['&V', int, 6, 0, '']). ";
  int n = 0;
  for (int b = 1; b <= kBlocks; ++b) {
    s += "lit_i(" + std::to_string(++n) + ", " + std::to_string(b) +
         ", window, [rectpixels([0, 0, 600, 20])]). ";
    for (int c = 0; c < kControls; ++c) {
      const std::string item = c % 2 ? "t('''Text''', 3)" : "t('&V', 23)";
      s += "lit_i(" + std::to_string(++n) + ", " + std::to_string(b) + ", " + item + ", [rect(" +
           std::to_string(c * 60) + ", 0, " + std::to_string(c * 60 + 50) + ", 16), " + kFonts[c % 4] +
           "]). ";
    }
    s += "b_line_i(" + std::to_string(b) + ", 1, 0, line, 0, [pb(" + std::to_string(b) + ")]). ";
  }
  return s;
}

std::string subs_facts() {
  std::string s;
  int line = 0;
  for (int i = 0; i < kSubs; ++i) {
    auto l = [&](const std::string& tokens) {
      s += "b_line_i(" + std::to_string(++line) + ", 1, 0, cmd, 0, [" + tokens + "]). ";
    };
    l("t(sub, 143), t(s" + std::to_string(i) + ", 3)");
    l("t(a, 107), t('&V" + std::to_string(i) + "', 23), t(=, 10), t(a" + std::to_string(i) + ", 2)");
    if (i + 1 < kSubs) l("t(do, 145), t(s" + std::to_string(i + 1) + ", 3)");
    l("t(endsub, 144)");
  }
  return s;
}

void BM_PrintBlocks(benchmark::State& state) {
  const std::string facts = blocks_facts();
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    state.ResumeTiming();
    qn::logic::gen_print_group(run, Term::integer(1), Term::integer(0), Term::atom("lit"),
                               Term::atom("true"), Term::nil(), Term::nil());
    benchmark::DoNotOptimize(run.capture()->all_lines().size());
  }
  state.SetItemsProcessed(state.iterations() * kBlocks);
}
BENCHMARK(BM_PrintBlocks)->Unit(benchmark::kMillisecond);

void BM_ChainedSubroutines(benchmark::State& state) {
  const std::string facts = subs_facts();
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    state.ResumeTiming();
    qn::logic::analyse_print_blocks(run);
    benchmark::DoNotOptimize(engine.facts().count("parmevents_i", 2));
  }
  state.SetItemsProcessed(state.iterations() * kSubs);
}
BENCHMARK(BM_ChainedSubroutines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
