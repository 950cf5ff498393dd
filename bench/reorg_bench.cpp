// The DDL of a reorganisation into captured output: 500 tables of 20
// columns with 3 indexes each, on a DB2 model (DROP and CREATE TABLE, then
// DROP and CREATE INDEX of each index). The knowledge base's answers come
// from maps and the model's facts are loaded outside the timing, so the
// figure is the writers' own.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/java/commands.h"
#include "logic/core/golden.h"
#include "logic/reorg/reorg_object.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;

constexpr int kTables = 500, kColumns = 20, kIndexes = 3;

// attri_i/2 of every column of every table, four types in turn.
std::string attribute_facts() {
  std::string facts;
  for (int a = 1; a <= kTables * kColumns; ++a) {
    const char* type = a % 4 == 0 ? "char, 30, 0" : a % 4 == 1 ? "int, 9, 0" : a % 4 == 2 ? "pac, 12, 2" : "date, 8, 0";
    facts += "attri_i(" + std::to_string(a) + ", ['Att" + std::to_string(a) + "', " + type + "]).\n";
  }
  return facts;
}

// Table t's columns, by attribute number.
std::unordered_map<int64_t, Term> table_columns() {
  std::unordered_map<int64_t, Term> columns;
  for (int t = 1; t <= kTables; ++t) {
    std::vector<Term> atts;
    for (int c = 0; c < kColumns; ++c) atts.push_back(num((t - 1) * kColumns + c + 1));
    columns[t] = Term::list(atts);
  }
  return columns;
}

// The knowledge base's answers both benchmarks share: a DB2 model without
// saved properties, the tables' columns from the map, statements written
// through the command writer.
void stand_in_model(Run& run, const std::unordered_map<int64_t, Term>& columns) {
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
}

void BM_ReorgDdl(benchmark::State& state) {
  const std::string facts = attribute_facts();
  const auto columns = table_columns();
  size_t lines = 0;
  for (auto _ : state) {
    state.PauseTiming();  // the model's facts are loaded outside the figure
    qn::engine::Engine eng;
    eng.consult_text("model_num_i(5). model_i(1, 1005).\n" + facts, false);
    Run run(eng);
    stand_in_model(run, columns);
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

// The whole reorganisation of the same 500 tables: qncrtdb, qnrgza, qnrgzb
// and qnrgzc (split into pieces of 50 tables) and the Reorganization class,
// into captured output. A quarter of the tables each is new, rebuilt with a
// key, rebuilt without one (a temporary index) and given a new column.
void BM_ReorgWhole(benchmark::State& state) {
  std::string facts =
      "spec_i([ce, 1, 'Reorganization', 'Reorg', 0, reo]).\n"
      "lit(eng, rgzlcktb, \"Step %1: locking tables\"). lit(eng, rgztbllck, \"Locking table %1\").\n"
      "lit(eng, rgzdic, \"Step %1: dropping integrity constraints\"). lit(eng, rgzd1c, \"Dropping %1\").\n"
      "lit(eng, rgzctnt, \"Step %1: creating tables\"). lit(eng, filecrea, \"Creating table %1\").\n"
      "lit(eng, creaindx, \"Creating index %1\"). lit(eng, rgzrrpgm, \"Step %1: conversion\").\n"
      "lit(eng, runpgm, \"Running program %1\"). lit(eng, dropindx, \"Dropping index %1\").\n"
      "lit(eng, rgzrnmtbl, \"Step %1: renaming\"). lit(eng, fileren, \"Renaming table %1\").\n"
      "lit(eng, rgzbldidx, \"Step %1: indexes\"). lit(eng, 1000, \"Final %1\"). lit(eng, 1001, \"Dropping %2 of %1\").\n";
  facts += attribute_facts();
  for (int t = 1; t <= kTables; ++t) {
    const std::string n = std::to_string(t);
    const int first = (t - 1) * kColumns + 1;
    const char* kinds[] = {"new", "pk", "nopk", "pk"};
    const std::string items = t % 4 == 3 ? ", att([[" + std::to_string(first + kColumns - 1) + ", nn]])" : "";
    facts += "new_tables(" + n + ", " + kinds[t % 4] + ", ['P" + n + "', 'TMP" + n + "'" + items + "]).\n";
  }
  const auto columns = table_columns();
  // The knowledge base answers the model's folder alone.
  const std::string dir = "/tmp/qn_reorg_bench_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/kb.txt") << "mdl model=5 name=REORG path=.\n";
  size_t lines = 0, files = 0;
  {
    qn::logic::golden::detail::CaseKb kb(dir + "/kb.txt", 5);
    for (auto _ : state) {
      state.PauseTiming();  // the model's facts are loaded outside the figure
      qn::engine::Engine eng;
      eng.consult_text("model_num_i(5). model_i(1, 1005).\n" + facts, false);
      Run run(eng);
      stand_in_model(run, columns);
      run.stand_in_host("i_obt_prim_key", 3, [](Run&, std::span<Term> a) {
        a[2] = Term::list({num((a[1].as_int() - 1) * kColumns + 1)});
        return true;
      });
      run.stand_in_host("i_tblname", 3, [](Run&, std::span<Term> a) {
        a[2] = str("TABLE" + std::to_string(a[1].as_int()));
        return true;
      });
      run.stand_in_host("i_index_exists", 4, [](Run&, std::span<Term> a) {
        if (a[2].as_int() > kIndexes + 1) return false;
        a[3] = a[2];
        return true;
      });
      run.stand_in_host("i_index", 6, [](Run&, std::span<Term> a) {
        const int64_t t = a[1].as_int(), i = a[2].as_int(), first = (t - 1) * kColumns + 1;
        a[3] = str("I" + std::to_string(t) + "_" + std::to_string(i));
        a[4] = num(i == 1 ? 1 : 0);
        a[5] = Term::list({num(i == 1 ? first : first + i)});
        return true;
      });
      run.stand_in_host("i_dir_subor", 3, [](Run&, std::span<Term> a) {
        a[2] = Term::list({});
        return true;
      });
      run.stand_in_host("i_need_reorg", 2, [](Run&, std::span<Term>) { return true; });
      // Attributes are known by their attri_i/2 facts alone.
      run.stand_in_host("i_attri_type", 5, [](Run&, std::span<Term>) { return false; });
      run.stand_in_host("i_attri_name", 4, [](Run&, std::span<Term>) { return false; });
      auto& capture = run.capture_output();
      state.ResumeTiming();
      if (!reorg::gen_reorg_object(run, 5, 1, Term::list({str("Reorg"), num(0), atom("reo")}))) {
        state.SkipWithError("the reorganisation failed");
        break;
      }
      lines = capture.all_lines().size();
      files = capture.files.size();
    }
  }
  std::filesystem::remove_all(dir);
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_ReorgWhole)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
