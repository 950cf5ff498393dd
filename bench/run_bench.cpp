// Whole runs through qngen over synthetic models of N objects (make_model):
// the per-object time and the generator's peak memory should stay flat as N
// grows. Each size runs once; the model is made before the clock starts.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kProgramDir = QN_PROGRAM_DIR;
const std::string kBenchDir = QN_BENCH_DIR;

// Runs the command with its output discarded; gives its exit status and the
// peak resident memory (KiB) of the largest process it waited for.
bool run(const std::vector<std::string>& command, int& status, long& peak_kib) {
  int pipefd[2];
  if (::pipe(pipefd) != 0) return false;
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    // A go-between, so that the memory figure is this run's alone.
    ::close(pipefd[0]);
    const pid_t child = ::fork();
    if (child == 0) {
      const int null = ::open("/dev/null", O_RDWR);
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
      std::vector<char*> argv;
      for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    int st = 0;
    ::waitpid(child, &st, 0);
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    long result[2] = {WIFEXITED(st) ? WEXITSTATUS(st) : 128, usage.ru_maxrss};
    (void)!::write(pipefd[1], result, sizeof result);
    ::_exit(0);
  }
  ::close(pipefd[1]);
  long result[2] = {-1, 0};
  const bool got = ::read(pipefd[0], result, sizeof result) == static_cast<ssize_t>(sizeof result);
  ::close(pipefd[0]);
  int st = 0;
  ::waitpid(pid, &st, 0);
  status = static_cast<int>(result[0]);
  peak_kib = result[1];
  return got;
}

void BM_WholeRun(benchmark::State& state) {
  const long n = state.range(0);
  const fs::path root = fs::temp_directory_path() / ("qn_run_bench_" + std::to_string(::getpid()));
  for (auto _ : state) {
    fs::remove_all(root);
    const fs::path model = root / "model";
    int status = 0;
    long peak = 0;
    if (!run({kBenchDir + "/make_model", std::to_string(n), model.string()}, status, peak) ||
        status != 0) {
      state.SkipWithError("make_model failed");
      break;
    }
    ::setenv("QN_REGISTRY_FILE", (root / "registry.ini").c_str(), 1);
    ::unsetenv("QNUSER");
    const auto start = std::chrono::steady_clock::now();
    const bool ran =
        run({kProgramDir + "/qngen", "--user", "DEMO", model.string(), "1", "1"}, status, peak);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ran || status != 0) {
      state.SkipWithError(("qngen ended with status " + std::to_string(status)).c_str());
      break;
    }
    state.SetIterationTime(seconds);
    state.counters["ms_per_object"] = seconds * 1000.0 / static_cast<double>(n);
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
  }
  fs::remove_all(root);
}

BENCHMARK(BM_WholeRun)
    ->Arg(10)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(5000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
