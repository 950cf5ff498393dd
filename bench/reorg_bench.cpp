// The DDL of a reorganisation into captured output: 500 tables of 20
// columns with 3 indexes each, on a DB2 model (DROP and CREATE TABLE, then
// DROP and CREATE INDEX of each index). The knowledge base's answers come
// from maps and the model's facts are loaded outside the timing, so the
// figure is the writers' own.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/java/commands.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;

constexpr int kTables = 500, kColumns = 20, kIndexes = 3;

void BM_ReorgDdl(benchmark::State& state) {
  std::string facts;
  for (int a = 1; a <= kTables * kColumns; ++a) {
    const char* type = a % 4 == 0 ? "char, 30, 0" : a % 4 == 1 ? "int, 9, 0" : a % 4 == 2 ? "pac, 12, 2" : "date, 8, 0";
    facts += "attri_i(" + std::to_string(a) + ", ['Att" + std::to_string(a) + "', " + type + "]).\n";
  }
  std::unordered_map<int64_t, Term> columns;
  for (int t = 1; t <= kTables; ++t) {
    std::vector<Term> atts;
    for (int c = 0; c < kColumns; ++c) atts.push_back(num((t - 1) * kColumns + c + 1));
    columns[t] = Term::list(atts);
  }
  size_t lines = 0;
  for (auto _ : state) {
    state.PauseTiming();  // the model's facts are loaded outside the figure
    qn::engine::Engine eng;
    eng.consult_text("model_num_i(5). model_i(1, 1005).\n" + facts, false);
    Run run(eng);
    run.stand_in_host("i_config", 2, [](Run&, std::span<Term> a) {
      if (a[0].text() != "DTASRC") return false;
      a[1] = str("5");
      return true;
    });
    for (const char* none : {"i_dstorepref", "i_tblproperty", "i_idxproperty"}) {
      run.stand_in_host(none, 4, [](Run&, std::span<Term>) { return false; });
    }
    run.stand_in_host("i_all_atrisr", 3, [&columns](Run&, std::span<Term> a) {
      a[2] = columns.at(a[1].as_int());
      return true;
    });
    run.stand_in_host("gen_db_command", 3, [](Run& r, std::span<Term> a) {
      std::vector<std::string> pieces;
      for (const Term& p : a[1].list_items()[0].list_items()) pieces.push_back(text_of(p));
      return gen_db_command(r, text_of(a[0]), pieces);
    });
    auto& capture = run.capture_output();
    state.ResumeTiming();
    for (int t = 1; t <= kTables; ++t) {
      const std::string name = "TABLE" + std::to_string(t);
      const int64_t first = (t - 1) * kColumns + 1;
      ddl::create_table(run, num(5), num(t), name, "I" + name + "1", "pk", {num(first)}, "p");
      for (int i = 2; i <= kIndexes + 1; ++i) {
        ddl::gen_create_index(run, num(5), num(t), name,
                              {"I" + name + std::to_string(i), "d", {num(first + i), num(-(first + i + 1))}}, "p");
      }
    }
    lines = capture.all_lines().size();
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReorgDdl)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
