// The path bookkeeping of a run costs a few system calls per object: the run's
// folder index and one working-folder read answer the rest. strace counts
// the calls of whole runs over synthetic models of two sizes; their
// difference, divided by the objects added, is the cost of one object,
// whatever a run costs once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/run_control/subprocess.h"

namespace qn::test {
namespace {

namespace fs = std::filesystem;

// Calls that look at a path or the working folder without opening it.
const char* const kStatLike[] = {"stat",      "lstat",      "fstat",       "newfstatat",
                                 "statx",     "access",     "faccessat",   "faccessat2",
                                 "getcwd",    "readlink",   "readlinkat"};

// The program of that name along PATH; empty when there is none.
std::string find_program(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "/usr/bin:/bin");
  for (std::string d; std::getline(dirs, d, ':');) {
    const fs::path p = fs::path(d.empty() ? "." : d) / name;
    if (fs::is_regular_file(p)) return p.string();
  }
  return {};
}

// The calls of one run by name, from strace -c -f.
std::map<std::string, long> count_calls(const std::string& strace, const TempDir& dir,
                                        int objects) {
  const std::string model = dir / ("model" + std::to_string(objects));
  const ProcessResult made = run_process({QN_MAKE_MODEL, std::to_string(objects), model});
  EXPECT_EQ(made.status, 0) << made.err;
  const std::string table = dir / ("strace" + std::to_string(objects));
  const ProcessResult r =
      run_process({strace, "-f", "-c", "-o", table, std::string(QN_PROGRAM_DIR) + "/qngen",
                   "--user", "DEMO", model, "1", "1"},
                  ProcessOptions()
                      .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                      .with_env("QNUSER", std::nullopt)
                      // A sanitizer build's leak check cannot run under ptrace.
                      .with_env("ASAN_OPTIONS", "detect_leaks=0"));
  EXPECT_EQ(r.status, 0) << r.err;
  std::map<std::string, long> calls;
  std::istringstream in(read_file(table));
  for (std::string line; std::getline(in, line);) {
    // % time  seconds  usecs/call  calls  [errors]  syscall
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string w; fields >> w;) f.push_back(w);
    if (f.size() < 5 || f[0].find_first_not_of("0123456789.") != std::string::npos) continue;
    calls[f.back()] = std::stol(f[3]);
  }
  return calls;
}

TEST(RunControlSyscalls, AnObjectCostsAtMostFourStatLikeCalls) {
  const std::string strace = find_program("strace");
  if (strace.empty())
    FAIL() << "strace is missing: install the Debian package strace (scripts/setup does)";
  TempDir dir;
  constexpr int kSmall = 100, kLarge = 300;
  const auto small = count_calls(strace, dir, kSmall);
  const auto large = count_calls(strace, dir, kLarge);
  long added = 0;
  std::string detail;
  for (const char* name : kStatLike) {
    const auto s = small.find(name);
    const auto l = large.find(name);
    const long diff = (l == large.end() ? 0 : l->second) - (s == small.end() ? 0 : s->second);
    added += diff;
    if (diff != 0) detail += std::string(" ") + name + " " + std::to_string(diff);
  }
  const double per_object = static_cast<double>(added) / (kLarge - kSmall);
  EXPECT_LE(per_object, 4.0) << "stat-like calls of " << kLarge - kSmall
                             << " objects more:" << detail;
}

}  // namespace
}  // namespace qn::test
