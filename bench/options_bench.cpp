// Speed of the option questions every statement asks: a program option
// answered from the run's configuration cache for an object of 400 rule_i
// facts (20 of them prop rules), and the DBMS of a table amid 200 p/5 rules.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/options.h"
#include "logic/core/run.h"

namespace {

using qn::engine::Engine;
using qn::engine::Term;
using qn::logic::Run;

// An object of 400 rule_i facts over 20 levels: 20 prop rules, 200 p/5
// rules (100 tables, each with its `table` entry and one per-DBMS NAME),
// and dimension rules for the rest; a model on DTASRC 12.
std::string object_rules() {
  std::string s = "model_num_i(1). model_i(1, 1).\n";
  for (int i = 0; i < 20; ++i) {
    s += "rule_i(" + std::to_string(i) + ", prop('OPT" + std::to_string(i) + "', \"v\")).\n";
  }
  for (int t = 0; t < 100; ++t) {
    const std::string n = std::to_string(t);
    s +=
        "rule_i(" + std::to_string(t % 20) + ", p(0, 0, fv, k" + n + ", [table, tbl" + n + "])).\n";
    s += "rule_i(" + std::to_string(t % 20) + ", p(0, 12, fv, k" + n + ", ['NAME', \"T" + n +
         "\"])).\n";
  }
  for (int i = 0; i < 180; ++i) {
    s += "rule_i(" + std::to_string(i % 20) + ", dim(v" + std::to_string(i) + ", [10])).\n";
  }
  return s;
}

struct Fixture {
  Engine engine;
  Run run{engine};
  Fixture() {
    engine.consult_text(object_rules(), false);
    run.stand_in_host("i_config", 2, [](Run&, std::span<Term> a) {
      a[1] = Term::string(a[0].text() == "DTASRC" ? "12" : "yes");
      return true;
    });
  }
};

// Answered from config_i/2 after the first question.
void BM_PgmPropValueFromConfigCache(benchmark::State& state) {
  Fixture f;
  qn::logic::pgm_prop_value(f.run, "COMMENT_ON");
  for (auto _ : state) {
    benchmark::DoNotOptimize(qn::logic::pgm_prop_value(f.run, "comment_on"));
  }
}
BENCHMARK(BM_PgmPropValueFromConfigCache);

// The table's own data store is the default one: its DBMS is the model's.
void BM_TableDbms(benchmark::State& state) {
  Fixture f;
  const Term table = Term::atom("tbl57");
  qn::logic::table_dbms(f.run, table);
  for (auto _ : state) {
    benchmark::DoNotOptimize(qn::logic::table_dbms(f.run, table));
  }
}
BENCHMARK(BM_TableDbms);

}  // namespace

BENCHMARK_MAIN();
