// Speed of the engine's clause reader and fact base: reading a 20 MB clause
// file, and looking facts up by their first argument among 100,000.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/fact_base.h"

namespace {

namespace fs = std::filesystem;
using qn::engine::Engine;
using qn::engine::FactBase;
using qn::engine::Term;

// A clause file shaped like the specification files: facts with numbers,
// plain and quoted atoms, strings and lists of small compounds.
const std::string& clause_file() {
  static const std::string path = [] {
    fs::path dir = fs::temp_directory_path() / ("qn_engine_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string p = (dir / "big.spc").string();
    std::ofstream out(p, std::ios::binary);
    std::mt19937 rng(42);
    size_t written = 0;
    for (int i = 0; written < 20u * 1024 * 1024; ++i) {
      std::ostringstream line;
      switch (i % 4) {
        case 0:
          line << "b_line_i(" << i << ", 'Customer name " << rng() % 1000
               << "', \"Text of the line\", [t('CusId', " << rng() % 200 << "), t(=, 12), t(x"
               << rng() % 50 << ", -3)], 1.5, cmd).\r\n";
          break;
        case 1:
          line << "a_i(" << rng() % 5000 << ", 'CustomerName', [n, 30, 0, 1], " << i
               << ", \"desc\", []).\r\n";
          break;
        case 2:
          line << "level_i(" << i % 7 << ", [lvl(" << i
               << "), tbl('CUSTOMER'), key([1, 2, 3]), cond(a >= 3)]).\r\n";
          break;
        default:
          line << "% comment line " << i << "\nformula_i(" << i
               << ", [t(\"+\", 1), t(-12.25e1, 2)]).\n";
          break;
      }
      std::string s = line.str();
      out << s;
      written += s.size();
    }
    return p;
  }();
  return path;
}

std::string file_text() {
  std::ifstream in(clause_file(), std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  return buf.str();
}

void BM_ReadClauses(benchmark::State& state) {
  std::string text = file_text();
  size_t clauses = 0;
  for (auto _ : state) {
    qn::engine::ClauseReader reader(text);
    clauses = 0;
    while (auto t = reader.next()) {
      benchmark::DoNotOptimize(*t);
      ++clauses;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["clauses"] = static_cast<double>(clauses);
}
BENCHMARK(BM_ReadClauses)->Unit(benchmark::kMillisecond);

void BM_ConsultFile(benchmark::State& state) {
  const std::string& path = clause_file();
  int64_t size = static_cast<int64_t>(fs::file_size(path));
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<Engine>();
    engine->initialise(12, "DBMODE=never\r\nKBDRIVER=no\r\n", "");
    engine->set_syntax_errors(false);
    state.ResumeTiming();
    if (!engine->consult(path)) state.SkipWithError("consult failed");
    state.PauseTiming();
    engine.reset();  // dropping the facts is measured below
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_ConsultFile)->Unit(benchmark::kMillisecond);

// Loading and then dropping every fact again (abolish at the next object).
void BM_ConsultAndClear(benchmark::State& state) {
  const std::string& path = clause_file();
  int64_t size = static_cast<int64_t>(fs::file_size(path));
  Engine engine;
  engine.initialise(12, "DBMODE=never\r\nKBDRIVER=no\r\n", "");
  engine.set_syntax_errors(false);
  for (auto _ : state) {
    if (!engine.consult(path)) state.SkipWithError("consult failed");
    engine.facts().clear();
  }
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_ConsultAndClear)->Unit(benchmark::kMillisecond);

constexpr int kFacts = 100'000;

FactBase& big_base() {
  static FactBase* fb = [] {
    auto* f = new FactBase();
    for (int i = 0; i < kFacts; ++i) {
      f->asserta(Term::compound("attr_i", {Term::integer(i), Term::atom("Name" + std::to_string(i)),
                                           Term::list({Term::atom("n"), Term::integer(i % 30)})}));
    }
    return f;
  }();
  return *fb;
}

// 1024 patterns attr_i(N, _, _) with random first arguments.
std::vector<Term> random_patterns(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<Term> patterns;
  for (int i = 0; i < 1024; ++i) {
    patterns.push_back(Term::compound(
        "attr_i",
        {Term::integer(static_cast<int64_t>(rng() % kFacts)), Term::var(1), Term::var(2)}));
  }
  return patterns;
}

void BM_FirstByFirstArgument(benchmark::State& state) {
  FactBase& fb = big_base();
  const std::vector<Term> patterns = random_patterns(7);
  size_t k = 0;
  for (auto _ : state) {
    auto r = fb.first(patterns[k++ & 1023]);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_FirstByFirstArgument);

void BM_FindallByFirstArgument(benchmark::State& state) {
  FactBase& fb = big_base();
  const std::vector<Term> patterns = random_patterns(9);
  size_t k = 0;
  for (auto _ : state) {
    auto r = fb.findall(patterns[k++ & 1023]);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_FindallByFirstArgument);

void BM_AssertaRetract(benchmark::State& state) {
  FactBase fb;
  Term fact = Term::compound("work_i", {Term::integer(1), Term::atom("x")});
  Term pattern = Term::compound("work_i", {Term::var(1), Term::var(2)});
  for (int i = 0; i < 1000; ++i) fb.asserta(fact);
  for (auto _ : state) {
    fb.asserta(fact);
    fb.retract(pattern);
  }
}
BENCHMARK(BM_AssertaRetract);

}  // namespace

BENCHMARK_MAIN();
