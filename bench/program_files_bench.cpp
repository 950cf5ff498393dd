// Program files of a model of 5,000 procedures (objects 1-5000 of type 1,
// byte 70 = 4; every tenth used by the one before it through relation 28).
//
// Aims: rebuilding the procedures' file under 50 ms; an i_wqnprgs/6 update
// found by name at the end of the 5,000-record file (a scan of 380 KB)
// under 0.5 ms; the i_nxqnprgs/7 walk under 2 us a record.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "host/directories.h"
#include "host/program_files.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "kb/program_file_rebuild.h"
#include "logic/core/host_interface.h"
#include "logic/core/run.h"
#include "platform/isam/writer/kb_writer.h"

namespace {

namespace fs = std::filesystem;
using qn::engine::Term;
using namespace qn::kb;
using namespace qn::isam;

constexpr int kObjects = 5000;

std::string object_name(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "W%04d", n);
  return buf;
}

struct Model {
  fs::path dir;
  qn::engine::Engine engine;
  qn::logic::Run run{engine};
  Model() {
    dir = fs::temp_directory_path() / ("program_files_bench_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    KbBuilder b;
    auto s = [](int v) { return std::to_string(v); };
    b.add("mdl", {{"model", "1"}, {"name", "BENCH"}, {"path", "."}});
    for (int n = 1; n <= kObjects; ++n) {
      b.add("obj", {{"model", "1"},
                    {"type", "1"},
                    {"number", s(n)},
                    {"name", object_name(n)},
                    {"text", "Procedure " + s(n)},
                    {"status2", "4"}});
      if (n % 10 == 0) {
        b.add("oinf", {{"model", "1"},
                       {"type", "1"},
                       {"number", s(n - 1)},
                       {"kind", "2"},
                       {"ref_type", "1"},
                       {"ref_number", s(n)},
                       {"relation", "28"}});
      }
    }
    b.write(dir.string());
    fs::current_path(dir);
    std::ofstream("model.dat") << "";
    qn::host::set_program_path_for_tests((dir / "qnjavagen").string());
    set_model_selector([](int model) { return model; });
    OpenKnowledgeBase(1);
    set_model_block_size(kModelBlockSize);
    mdl_info(1);
  }
  ~Model() {
    qn::host::reset_program_files();
    close_isam();
    fs::remove_all(dir);
  }
  bool call(const char* name, std::vector<Term> args) {
    return qn::logic::call_host(run, name, args);
  }
};

Model& model() {
  static Model instance;
  return instance;
}

Term int_term(int v) { return Term::integer(v); }

void BM_Rebuild5000(benchmark::State& state) {
  model();
  for (auto _ : state) benchmark::DoNotOptimize(rbldobj(1, 1, 0));
  state.counters["bytes"] = static_cast<double>(fs::file_size("QNPPRGS.001"));
}
BENCHMARK(BM_Rebuild5000)->Unit(benchmark::kMillisecond);

// The record of the last object, found by its program name.
void BM_WriteByName(benchmark::State& state) {
  Model& m = model();
  rbldobj(1, 1, 0);
  const Term name = Term::atom("P" + object_name(kObjects));
  const Term list = *qn::engine::parse_term("[1, 0, 'T1', 'T2']");
  for (auto _ : state) {
    if (!m.call("i_wqnprgs",
                {int_term(1), int_term(1), int_term(0), name, Term::atom("Updated"), list})) {
      state.SkipWithError("i_wqnprgs failed");
      break;
    }
  }
}
BENCHMARK(BM_WriteByName)->Unit(benchmark::kMicrosecond);

// A whole walk per iteration; the time per record is the iteration time
// over the items.
void BM_Walk(benchmark::State& state) {
  Model& m = model();
  rbldobj(1, 1, 0);
  int64_t records = 0;
  for (auto _ : state) {
    if (!m.call("i_stqnprgs", {int_term(1), int_term(1), int_term(0)})) {
      state.SkipWithError("i_stqnprgs failed");
      break;
    }
    int n = 0;
    while (m.call("i_nxqnprgs", {int_term(1), int_term(1), int_term(0), Term::fresh_var(),
                                 Term::fresh_var(), Term::fresh_var(), Term::fresh_var()})) {
      ++n;
    }
    records += n;
    state.counters["records"] = n;
  }
  state.SetItemsProcessed(records);
}
BENCHMARK(BM_Walk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
