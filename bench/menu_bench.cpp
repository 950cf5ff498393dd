// A menu bar of N entries (top menus of ten sub-menus, each with nine
// items) through its whole class and script file, into captured output.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/core/out.h"
#include "logic/program/menubar.h"
#include "logic/toolbox/web_menus.h"

namespace {

std::string menu_facts(int n) {
  std::string facts = "spec_i([mbr, 1, 'T', 'Big', 0, 0]). menu_i(1, 0, m, 'Big', 'Big', []). ";
  int id = 2, top = 0, sub = 0;
  for (int i = 0; id < n + 2; ++i) {
    const std::string name = "'E" + std::to_string(id) + "'";
    if (i % 100 == 0) {
      top = id;
      facts += "menu_i(" + std::to_string(id) + ", 1, m, " + name + ", " + name + ", [popup]). ";
    } else if (i % 10 == 1) {
      sub = id;
      facts += "menu_i(" + std::to_string(id) + ", " + std::to_string(top) + ", m, " + name +
               ", " + name + ", []). ";
    } else {
      facts += "menu_i(" + std::to_string(id) + ", " + std::to_string(sub ? sub : top) + ", m, " +
               name + ", " + name + ", [" + (i % 7 == 0 ? "disabled" : "") + "]). ";
    }
    ++id;
  }
  return facts;
}

void BM_MenuBar(benchmark::State& state) {
  qn::engine::Engine engine;
  engine.consult_text(menu_facts(static_cast<int>(state.range(0))), false);
  const auto spec = *qn::engine::parse_term("[mbr, 'T', 'Big', 0, 0]");
  for (auto _ : state) {
    qn::logic::Run run(engine);
    run.capture_output();
    benchmark::DoNotOptimize(qn::logic::gen_menubar_object(run, 0, 1, spec));
    benchmark::DoNotOptimize(run.capture()->all_lines().size());
  }
}
BENCHMARK(BM_MenuBar)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The two halves alone: the class's entries, the script's tree.
void BM_MenuEntries(benchmark::State& state) {
  qn::engine::Engine engine;
  engine.consult_text(menu_facts(static_cast<int>(state.range(0))), false);
  for (auto _ : state) {
    qn::logic::Run run(engine);
    run.capture_output();
    benchmark::DoNotOptimize(qn::logic::gen_menu_entries(run, "Big"));
  }
}
BENCHMARK(BM_MenuEntries)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_MenuScript(benchmark::State& state) {
  qn::engine::Engine engine;
  engine.consult_text(menu_facts(static_cast<int>(state.range(0))), false);
  for (auto _ : state) {
    qn::logic::Run run(engine);
    run.capture_output();
    benchmark::DoNotOptimize(qn::logic::write_menu_xml_var(run, "bigXML"));
  }
}
BENCHMARK(BM_MenuScript)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The baseline: the same number of script lines through the emitter into
// captured output, without the menu's work.
void BM_EmitOnly(benchmark::State& state) {
  qn::engine::Engine engine;
  for (auto _ : state) {
    qn::logic::Run run(engine);
    run.capture_output();
    qn::logic::Out out(run);
    for (int i = 0; i < state.range(0) * 3; ++i) out.pieces({"'", "<caption>x</caption>", "'+"});
  }
}
BENCHMARK(BM_EmitOnly)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
