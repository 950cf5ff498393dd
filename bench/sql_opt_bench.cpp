// The block scan of optimised commands, index selection and the stored-
// procedure test. Aims: group_stmts_nav/8 over 2,000 lines under 1 ms;
// valid_indexes/3 of 40 indexes under 200 us; is_stored_proc/1 against a
// 500-name CS_RPCPGML, cached, under 2 us.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/index_selection.h"
#include "logic/sql/optimised_commands.h"
#include "logic/sql/stored_procs.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;

void BM_GroupStmtsNav(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  std::string facts = "b_line_i(1, 1, 1, cmd, 0, [t(for, 121, 0, 0)]). ";
  const int n = 2000;
  for (int i = 2; i < n; ++i) {
    facts += "b_line_i(" + std::to_string(i) +
             ", 1, 1, cmd, 0, [t(x, 107, 0, 0), t('&T', 23, 0, 0), t('=', 10, 0, 0), "
             "t('&T', 23, 0, 0), t('+', 5, 0, 0), t(price, 2, 0, 0)]). ";
  }
  facts += "b_line_i(" + std::to_string(n) + ", 1, 1, cmd, 0, [t(e, 128, 0, 0)]). ";
  eng.consult_text(facts, false);
  const LinePattern sum{{kCodeAssign},     {kTokVariable, 0}, {kTokCompare, -1, "="},
                        {kTokVariable, 0}, {kTokAddOp},       {kTokAttribute}};
  const BlockScan scan{2, num(1), {}, {num(1)}, {kCodeIgnored}, {kCodeNavEnd}, {sum}};
  std::vector<Term> matched;
  for (auto _ : state) {
    bool ok = group_stmts_nav(run, scan, matched);
    benchmark::DoNotOptimize(ok);
  }
  state.counters["matched"] = static_cast<double>(matched.size());
}
BENCHMARK(BM_GroupStmtsNav)->Unit(benchmark::kMicrosecond);

void BM_ValidIndexes(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  const int n = 40;
  run.stand_in_host("i_config", 2, [](Run&, std::span<Term> a) {
    if (a[0].text() != "DTASRC") return false;
    a[1] = str("5");
    return true;
  });
  run.stand_in_host("i_dstorepref", 4, [](Run&, std::span<Term>) { return false; });
  run.stand_in_host("i_index_exists", 4, [n](Run&, std::span<Term> a) {
    if (a[2].as_int() > n) return false;
    a[3] = a[2];
    return true;
  });
  run.stand_in_host("i_index", 6, [](Run&, std::span<Term> a) {
    const int64_t i = a[2].as_int();
    a[3] = atom("I");
    a[4] = num(i % 5 == 0 ? 1 : 0);
    a[5] = Term::list({num(1 + i % 7), num(-(2 + i % 3)), num(4 + i % 11)});
    return true;
  });
  std::vector<Term> atts;
  for (int i = 1; i <= 20; ++i) atts.push_back(num(i));
  const Term table_atts = Term::list(atts);
  run.stand_in_host("i_all_atrisr", 3, [&](Run&, std::span<Term> a) {
    a[2] = table_atts;
    return true;
  });
  eng.consult_text("model_num_i(5). model_i(1, 1005).", false);
  for (auto _ : state) {
    Term out;
    valid_indexes(run, num(5), num(1), out);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_ValidIndexes)->Unit(benchmark::kMicrosecond);

void BM_IsStoredProc(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  std::string list;
  for (int i = 0; i < 500; ++i) list += "PGM" + std::to_string(i) + " ";
  run.stand_in_host("i_config", 2, [&list](Run&, std::span<Term> a) {
    if (a[0].text() != "CS_RPCPGML") return false;
    a[1] = str(list);
    return true;
  });
  run.stand_in_host("i_dstorepref", 4, [](Run&, std::span<Term>) { return false; });
  eng.consult_text("model_num_i(5). model_i(1, 1005).", false);
  const Term last = atom("pgm499");
  is_stored_proc(run, last);  // the list is read and cached once
  for (auto _ : state) {
    bool yes = is_stored_proc(run, last);
    benchmark::DoNotOptimize(yes);
  }
}
BENCHMARK(BM_IsStoredProc)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
