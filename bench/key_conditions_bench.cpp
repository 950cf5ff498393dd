// The key condition of a move to the next row over a level of 20 selected
// attributes: 4 keys (one fixed), 3 with constant defaults, one defaulted
// by itself, among 40 defaults of the object.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/program/key_conditions.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;  // NOLINT

void BM_KeyConditions(benchmark::State& state) {
  qn::engine::Engine eng;
  Run run(eng);
  std::string facts;
  std::vector<Term> entries, keys;
  for (int k = 0; k < 20; ++k) {
    const std::string att = "ATT" + std::to_string(k);
    facts += "attri_i('" + att + "', ['" + att + "', " + (k % 2 ? "char" : "int") + ", 6, 0, '', 0]). ";
    entries.push_back(Term::list({atom(k % 5 == 4 ? "OTHER" : "CUST"), atom(att), num(k)}));
    if (k < 4) keys.push_back(atom(att));
  }
  for (int k = 0; k < 40; ++k) {
    facts += "default_i(e('X" + std::to_string(k) + "', 1, 2, '1')). ";
  }
  facts += "default_i(e('ATT5', 1, 2, '\\'A\\'')). default_i(e('ATT6', 1, 2, '12')). "
           "default_i(e('ATT7', 1, 2, '\"B\"')). default_i(e('ATT8', 3, 1, 'ATT8')). ";
  eng.consult_text(facts, false);
  const KeyConditionArgs args{atom("a"),         Term::list(entries),
                              Term::list(keys),  Term::list({atom("ATT0"), atom("ATT8")}),
                              num(0),            atom("CUST"),
                              kTokAttribute,     kTokVariable,
                              ">="};
  for (auto _ : state) benchmark::DoNotOptimize(key_conditions(run, args));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyConditions);

}  // namespace

BENCHMARK_MAIN();
