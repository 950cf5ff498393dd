// The relation searches on a knowledge base of 1,000 tables and 10,000
// attributes. Table t (1-1000) has the one-attribute primary key t and holds
// the keys of the two tables after it in its block of 20; the last table of
// a block holds the key of the next block's first table instead, so that the
// blocks form a chain. Each table has nine attributes of its own
// (1001-9999, the last table eight); every tenth of those belongs to the
// class of the one before.
//
// Aims: a closure of 50 attributes reaching 20 tables under 1 ms; one
// reaching 400 tables (about 4,000 attributes) under 50 ms; the tables a
// table points to and the tables that point to it under 100 us each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/term_value.h"
#include "kb/attribute_queries.h"
#include "kb/kb_open.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"
#include "kb/table_relations.h"
#include "platform/isam/writer/kb_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace qn::kb;
using namespace qn::isam;

constexpr int kTables = 1000;
constexpr int kBlock = 20;
constexpr int kOwn = 9;

int own_attribute(int table, int i) { return kTables + (table - 1) * kOwn + i; }  // i = 1..9

struct Kb {
  fs::path dir;
  Kb() {
    dir = fs::temp_directory_path() / ("kb_query_bench_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    KbBuilder b;
    auto s = [](int v) { return std::to_string(v); };
    b.add("mdl", {{"model", "1"}, {"name", "BENCH"}, {"path", "."}});
    for (int a = 1; a <= 9999; ++a) {
      const int cls = a > kTables && a % 10 == 0 ? a - 1 : a;
      b.add("att", {{"model", "1"},
                    {"number", s(a)},
                    {"class", s(cls)},
                    {"name", "A" + s(a)},
                    {"type", "4"},
                    {"kind", "1"},
                    {"length", "8"}});
    }
    for (int t = 1; t <= kTables; ++t) {
      std::vector<int> atts{t};
      const int in_block = (t - 1) % kBlock;
      for (int k = 1; k <= 2; ++k)
        if (in_block + k < kBlock) atts.push_back(t + k);
      if (in_block == kBlock - 1 && t < kTables) atts.push_back(t + 1);
      for (int i = 1; i <= kOwn && own_attribute(t, i) <= 9999; ++i)
        atts.push_back(own_attribute(t, i));
      int pos = 1;
      for (int a : atts)
        b.add("tba", {{"model", "1"},
                      {"table", s(t)},
                      {"attribute", s(a)},
                      {"position", s(pos++)},
                      {"kind", "1"}});
      b.add("ck", {{"model", "1"}, {"table", s(t)}, {"key", "1"}, {"primary", "1"}});
      b.add(
          "cka",
          {{"model", "1"}, {"table", s(t)}, {"key", "1"}, {"attribute", s(t)}, {"sequence", "1"}});
    }
    b.write(dir.string());
    fs::current_path(dir);
    set_model_selector([](int model) { return model; });
    OpenKnowledgeBase(1);
    set_model_block_size(kModelBlockSize);
    mdl_info(1);
  }
  ~Kb() {
    close_isam();
    fs::remove_all(dir);
  }
};

Kb& kb() {
  static Kb instance;
  return instance;
}

qn::host::TermValue int_list(const std::vector<int>& values) {
  AttList l;
  for (int v : values) push_att(l, v);
  qn::host::TermValue t;
  ints_to_list(l, t);
  return t;
}

int count(const qn::host::TermValue& list) {
  int n = 0;
  for (const qn::host::TermValue* c = &list; c->is_cons(); c = &c->args[1]) ++n;
  return n;
}

void run_closure(benchmark::State& state, const qn::host::TermValue& list, int start) {
  int tables = 0, atts = 0;
  for (auto _ : state) {
    qn::host::TermValue out, nav;
    benchmark::DoNotOptimize(table_closure(1, list, 2, start, out, nav));
    tables = count(nav);
    atts = count(out);
  }
  state.counters["tables"] = tables;
  state.counters["attributes"] = atts;
}

// The 20 keys of the last block and 30 attributes of its first tables.
void BM_Closure20Tables(benchmark::State& state) {
  kb();
  std::vector<int> l;
  for (int t = 981; t <= 1000; ++t) l.push_back(t);
  for (int t = 981; t <= 984; ++t)
    for (int i = 1; i <= kOwn && l.size() < 50; ++i) l.push_back(own_attribute(t, i));
  run_closure(state, int_list(l), 0);
}
BENCHMARK(BM_Closure20Tables)->Unit(benchmark::kMicrosecond);

// From the key of table 601 the chain runs through the last 400 tables.
void BM_Closure400Tables(benchmark::State& state) {
  kb();
  run_closure(state, int_list({601}), 0);
}
BENCHMARK(BM_Closure400Tables)->Unit(benchmark::kMillisecond);

void BM_PointedTables(benchmark::State& state) {
  kb();
  RelationTable entries;
  for (auto _ : state) benchmark::DoNotOptimize(pointed_tables(1, 505, entries));
  state.counters["entries"] = entries.count;
}
BENCHMARK(BM_PointedTables)->Unit(benchmark::kMicrosecond);

void BM_PointingTables(benchmark::State& state) {
  kb();
  RelationTable entries;
  for (auto _ : state) benchmark::DoNotOptimize(pointing_tables(1, 505, entries));
  state.counters["entries"] = entries.count;
}
BENCHMARK(BM_PointingTables)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
