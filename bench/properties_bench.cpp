// Data-store preferences: a first lookup (the shipped DTASTORE.PTY and a
// saved-value section of 50 keys, read afresh) and a cached lookup.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/data_store.h"
#include "config/properties/prop_manager.h"
#include "host/directories.h"
#include "platform/profile.h"

namespace {

namespace fs = std::filesystem;

// A model folder with MODEL.INI (one store of data source 12, 50 saved
// keys) as the current directory, and the built program folder.
struct Model {
  fs::path dir;
  Model() {
    dir = fs::temp_directory_path() / ("properties_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream ini(dir / "MODEL.INI");
    ini << "[Model 001]\nGenerator=11\n[DSs0001]\nDatSto0001=12\n[Preferences 001]\n";
    ini << "CS_SERVER=server\nCS_DBNAME=db\nCS_SCHEMA=dbo\nDBMS_PORT=1433\nDB_URL=jdbc:x\n";
    for (int i = 5; i < 50; ++i) ini << "KEY" << i << "=value " << i << "\n";
    ini.close();
    fs::current_path(dir);
    qn::host::set_program_path_for_tests(std::string(QN_PROGRAM_DIR) + "/qnjavagen");
    qn::config::forget_ini_paths();
  }
  ~Model() { fs::remove_all(dir); }
};

Model& model() {
  static Model m;
  return m;
}

void BM_FirstLookup(benchmark::State& state) {
  model();
  std::string out;
  for (auto _ : state) {
    qn::config::reset_data_store_prefs();
    qn::platform::profile_flush_cache();
    benchmark::DoNotOptimize(qn::config::DataStorePref("CS_SERVER", 1, 1, out));
  }
  if (out != "server") state.SkipWithError("lookup failed");
}
BENCHMARK(BM_FirstLookup)->Unit(benchmark::kMicrosecond);

void BM_CachedLookup(benchmark::State& state) {
  model();
  std::string out;
  qn::config::reset_data_store_prefs();
  qn::config::DataStorePref("CS_SERVER", 1, 1, out);
  for (auto _ : state) benchmark::DoNotOptimize(qn::config::DataStorePref("CS_SCHEMA", 1, 1, out));
  if (out != "dbo") state.SkipWithError("lookup failed");
}
BENCHMARK(BM_CachedLookup);

}  // namespace

BENCHMARK_MAIN();
