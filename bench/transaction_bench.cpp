// A transaction's class written into captured output: one level of 10
// attributes, and five levels of 20 (the first, and four subordinate levels
// shown in subfiles: their row routines, loads, element and flow classes).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/transaction_class.h"

namespace {

std::string transaction(int levels, int atts) {
  std::string f = "spec_i([trn, 6, 'Big', 'Big', 0, 0]). ";
  f += "lit_i(1, 1, window, [rect(0, 0, 799, 599)]). ";
  int n = 2;
  auto lit = [&](const std::string& container, const std::string& item, const std::string& props) {
    f += "lit_i(" + std::to_string(n++) + ", " + container + ", " + item + ", " + props + "). ";
  };
  for (int l = 1; l <= levels; ++l) {
    const std::string L = std::to_string(l);
    std::string list, keys = l == 1 ? "[k1]" : "[k1, k" + L + "]";
    std::vector<std::string> names;
    if (l > 1) names.push_back("k1");
    names.push_back("k" + L);
    for (int a = static_cast<int>(names.size()); a < atts; ++a) names.push_back("a" + L + "_" + std::to_string(a));
    for (const std::string& a : names) {
      list += (list.empty() ? "" : ", ") + a;
      if (a != "k1" || l == 1) f += "attri_i(" + a + ", ['" + a + "', int, 9, 0, 'ZZZZZZZZ9']). ";
    }
    f += "table_i(" + L + ", 'T" + L + "'). ";
    f += "level_i(" + L + ", [" + L + ", [" + L + "], " + keys + ", [], 0, 0, [], 0, 0, []]). ";
    f += "struct_i(" + L + ", " + (l == 1 ? "0" : "1") + ", [" + list + "], []). ";
    f += "ta_i(" + L + ", [[" + list + "]]). ";
    f += "a_i(" + L + ", " + L + ", t, " + L + ", [], []). v_i(t, o, " + L + ", [" + list + "]). ";
    for (const char* op : {"i", "u", "d"}) {
      f += "upd_i(" + L + ", " + L + ", " + op + ", [[" + list + "], [], [], " + keys + ", []]). ";
    }
    if (l == 1) {
      int top = 10;
      for (const std::string& a : names) {
        lit("1", "t(" + a + ", 2)", "[rect(120, " + std::to_string(top) + ", 219, " + std::to_string(top + 19) + ")]");
        top += 25;
      }
    } else {
      std::string rest;
      for (size_t i = 1; i < names.size(); ++i) rest += (rest.empty() ? "" : ", ") + names[i];
      f += "repeat_i(" + L + ", [" + rest + "]). sf_break_i(" + L + ", " + L + "). ";
      const int sub = n;
      lit("1", "s(" + L + ")", "[rect(300, 10, 699, 109)]");
      for (size_t i = 1; i < names.size(); ++i) lit(std::to_string(sub), "s(t(" + names[i] + ", 2), " + L + ")", "[]");
    }
  }
  for (const char* b : {"Enter", "Delete", "First", "Next", "Previous", "Last", "Cancel"}) {
    lit("1", std::string("button('") + b + "')", "[]");
  }
  return f;
}

void run_transaction(benchmark::State& state, int levels, int atts) {
  const std::string facts = transaction(levels, atts);
  const qn::engine::Term spec = *qn::engine::parse_term("[trn, 'Big', 'Big', 0, 0]");
  size_t lines = 0;
  bool written = false;
  for (auto _ : state) {
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    run.stand_in_host("i_called_pgms", 4, [](qn::logic::Run&, std::span<qn::engine::Term> a) {
      a[3] = qn::engine::Term::list({});
      return true;
    });
    run.stand_in_host("i_all_atrisr", 3, [](qn::logic::Run&, std::span<qn::engine::Term>) { return false; });
    run.stand_in_host("i_tblname", 3, [](qn::logic::Run&, std::span<qn::engine::Term> a) {
      a[2] = qn::engine::Term::string("T" + std::to_string(a[1].is_int() ? a[1].as_int() : 0));
      return true;
    });
    written = qn::logic::gen_transaction_class(run, 0, 6, spec);
    lines = run.capture()->all_lines().size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["written"] = written ? 1 : 0;
  state.counters["levels"] = levels;
}

void BM_TransactionOneLevel(benchmark::State& state) { run_transaction(state, 1, 10); }
void BM_TransactionFiveLevels(benchmark::State& state) { run_transaction(state, 5, 20); }
BENCHMARK(BM_TransactionOneLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransactionFiveLevels)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
