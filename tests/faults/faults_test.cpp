// Faults a generation must come through without losing anything: a kill -9
// at any moment of a run, a write that fails on one file (a full disk, as
// the LD_PRELOAD shim fail_writes.c makes it), and hostile input to the
// tools. After a kill or a failed write, a second run must end exactly as an
// uninterrupted run over the same model: every class, the same state.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kProgramDir = QN_PROGRAM_DIR;
const fs::path kSpecDir = fs::path("DEMO") / "MDL001" / "GEN00";

// Under the sanitizers every generation is several times slower: the
// kill trials run over a smaller model there (a generation of 2,000
// objects, transactions among them, takes minutes).
#if defined(__SANITIZE_ADDRESS__)
constexpr int kModelObjects = 500;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kModelObjects = 500;
#else
constexpr int kModelObjects = 2000;
#endif
#else
constexpr int kModelObjects = 2000;
#endif

int env_int(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Starts argv in a process group of its own, its output into log, with
// QNUSER removed from the environment and `extra` (NAME=VALUE) added.
pid_t start(const std::vector<std::string>& argv, const std::vector<std::string>& extra,
            const fs::path& log) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    if (!std::string_view(*e).starts_with("QNUSER=")) env.emplace_back(*e);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setpgid(0, 0);
    const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = ::open("/dev/null", O_RDONLY);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(out, 2);
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    args.push_back(nullptr);
    envp.push_back(nullptr);
    ::execve(args[0], args.data(), envp.data());
    ::_exit(127);
  }
  ::setpgid(pid, pid);  // whichever of the two runs first
  return pid;
}

// The exit status of pid, or 128 + the signal that ended it.
int wait_for(pid_t pid) {
  int st = 0;
  while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
}

// kill -9 to the whole group (qngen and the generator it started), then
// every orphan reaped, so no process of the run is left when it returns.
void kill_group(pid_t pid) {
  ::kill(-pid, SIGKILL);
  wait_for(pid);
  while (::kill(-pid, 0) == 0) {
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  while (::waitpid(-1, nullptr, WNOHANG) > 0) {
  }
}

// What a run leaves: every class (path below the model, content), the state
// file's lines sorted (their order follows the order the objects were
// generated in), and the specification files still waiting.
struct Outcome {
  std::map<std::string, std::string> classes;
  std::vector<std::string> state;
  bool state_whole = false;  // present, and ending with a line break
  std::set<std::string> specs;
};

Outcome outcome_of(const fs::path& model) {
  Outcome o;
  for (const auto& e : fs::recursive_directory_iterator(model)) {
    if (e.path().extension() != ".java") continue;
    std::string text = read_file(e.path());
    // A program's header tells when it was generated: that alone may differ.
    if (const size_t when = text.find("Generated on: "); when != std::string::npos)
      text.erase(when + 14, text.find('\n', when) - when - 14);
    o.classes[fs::relative(e.path(), model).string()] = std::move(text);
  }
  const fs::path state = model / "sm11_1.ari";
  if (fs::exists(state)) {
    const std::string text = read_file(state);
    o.state_whole = text.empty() || text.back() == '\n';
    size_t at = 0;
    for (size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
      o.state.push_back(text.substr(at, nl - at));
    std::sort(o.state.begin(), o.state.end());
  }
  for (const auto& e : fs::directory_iterator(model / kSpecDir))
    o.specs.insert(e.path().filename().string());
  return o;
}

// The first class that differs between two outcomes, for the message.
std::string first_difference(const Outcome& got, const Outcome& want) {
  for (const auto& [name, text] : want.classes) {
    auto it = got.classes.find(name);
    if (it == got.classes.end()) return name + " is missing";
    if (it->second != text) return name + " differs";
  }
  for (const auto& [name, text] : got.classes) {
    if (!want.classes.count(name)) return name + " is extra";
  }
  return "";
}

class Faults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Orphans of a killed run come back to this process to be reaped.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    root_ = new fs::path(fs::temp_directory_path() / ("qn_faults_" + std::to_string(::getpid())));
    fs::remove_all(*root_);
    fs::create_directories(*root_);
    const std::string objects = std::to_string(env_int("QN_FAULTS_OBJECTS", kModelObjects));
    const pid_t maker = start({QN_MAKE_MODEL, objects, (*root_ / "template").string()}, {},
                              *root_ / "make_model.log");
    ASSERT_EQ(wait_for(maker), 0) << read_file(*root_ / "make_model.log");
    const fs::path model = fresh_model("reference");
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_EQ(generate(model), 0) << read_file(*root_ / "run.log");
    reference_ms_ = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - begin)
                                         .count());
    reference_ = new Outcome(outcome_of(model));
  }
  static void TearDownTestSuite() {
    if (root_) fs::remove_all(*root_);
    delete root_;
    delete reference_;
    root_ = nullptr;
    reference_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(reference_) << "the reference run failed";
    ASSERT_TRUE(reference_->specs.empty());
    ASSERT_TRUE(reference_->state_whole);
    ASSERT_FALSE(reference_->state.empty());
  }

  static fs::path fresh_model(const std::string& name) {
    const fs::path model = *root_ / name;
    fs::remove_all(model);
    fs::copy(*root_ / "template", model, fs::copy_options::recursive);
    return model;
  }
  static std::vector<std::string> generate_argv(const fs::path& model) {
    return {kProgramDir + "/qngen", "--user", "DEMO", model.string(), "1", "1"};
  }
  static std::vector<std::string> env(std::vector<std::string> more = {}) {
    more.push_back("QN_REGISTRY_FILE=" + (*root_ / "registry.ini").string());
    return more;
  }
  static int generate(const fs::path& model, std::vector<std::string> more = {}) {
    return wait_for(start(generate_argv(model), env(std::move(more)), *root_ / "run.log"));
  }
  // The second run ends as the uninterrupted one did.
  static void expect_as_reference(const fs::path& model) {
    ASSERT_EQ(generate(model), 0) << read_file(*root_ / "run.log");
    const Outcome after = outcome_of(model);
    EXPECT_EQ(first_difference(after, *reference_), "");
    EXPECT_TRUE(after.state_whole);
    EXPECT_EQ(after.state, reference_->state);
    EXPECT_TRUE(after.specs.empty());
  }

  static fs::path* root_;
  static Outcome* reference_;
  static int reference_ms_;
};

fs::path* Faults::root_ = nullptr;
Outcome* Faults::reference_ = nullptr;
int Faults::reference_ms_ = 0;

// kill -9 at moments drawn from a fixed seed over the length of a whole run
// (a little beyond, so some kills land while the state is written).
TEST_F(Faults, KillAtAnyMomentLosesNothing) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> moment(0, reference_ms_ + reference_ms_ / 10);
  const int trials = env_int("QN_FAULTS_TRIALS", 20);
  for (int t = 0; t < trials; ++t) {
    const int ms = moment(random);
    SCOPED_TRACE("trial " + std::to_string(t) + ", killed after " + std::to_string(ms) + " ms");
    const fs::path model = fresh_model("trial");
    const pid_t run = start(generate_argv(model), env(), *root_ / "killed.log");
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    kill_group(run);
    const Outcome killed = outcome_of(model);
    EXPECT_TRUE(killed.state.empty() || killed.state_whole);
    expect_as_reference(model);
    if (HasFailure()) break;
  }
}

// Writes to one file fail: the run reports it, the file keeps what it held,
// and no specification file is deleted whose object was not written whole,
// so a second run ends as an uninterrupted one.
TEST_F(Faults, FailedWriteDeletesNothingUnwritten) {
  std::string one_class;
  for (const auto& [name, text] : reference_->classes) {
    const std::string file = fs::path(name).filename().string();
    if (file[0] == 'p' || file[0] == 'a') one_class = file;  // a procedure's class
  }
  ASSERT_FALSE(one_class.empty());
  for (const std::string& target : {std::string("sm11_1.ari"), one_class}) {
    SCOPED_TRACE(target);
    const bool state = target == "sm11_1.ari";
    const fs::path model = fresh_model("failing");
    if (state) std::ofstream(model / "sm11_1.ari") << "is_webproc_i(former).\n";
    const int status =
        generate(model, {"LD_PRELOAD=" + std::string(QN_FAIL_WRITES), "QN_FAIL_WRITES_TO=" + target,
                         "ASAN_OPTIONS=verify_asan_link_order=0"});
    EXPECT_EQ(status, 4) << read_file(*root_ / "run.log");
    const Outcome failed = outcome_of(model);
    if (state) {
      // The former state stays whole, and so does every object's file.
      EXPECT_EQ(read_file(model / "sm11_1.ari"), "is_webproc_i(former).\n");
      EXPECT_EQ(failed.specs, outcome_of(*root_ / "template").specs);
      fs::remove(model / "sm11_1.ari");
    } else {
      EXPECT_EQ(failed.specs.size(), 1u);  // the object whose class failed
    }
    expect_as_reference(model);
  }
}

// A state file lost or damaged after a complete run is told, not passed
// over: the run reports it (exit status 4) and saves what it has again.
TEST_F(Faults, LostStateIsTold) {
  const fs::path model = *root_ / "told";
  fs::remove_all(model);
  fs::copy(*root_ / "reference", model, fs::copy_options::recursive);
  const std::string whole = read_file(model / "sm11_1.ari");
  struct Case {
    const char* name;
    std::string state;  // empty: no file
    const char* told;
  };
  const Case cases[] = {
      {"missing", "", "is missing"},
      {"cut", whole.substr(0, whole.find('\n', whole.size() / 2) + 6), "is damaged"},  // mid-fact
      {"kept", whole, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(model / "sm11_1.ari");
    if (!c.state.empty()) std::ofstream(model / "sm11_1.ari", std::ios::binary) << c.state;
    EXPECT_EQ(generate(model), c.told ? 4 : 0);
    const std::string log = read_file(*root_ / "run.log");
    if (c.told) {
      EXPECT_NE(log.find("The state file sm11_1.ari " + std::string(c.told)), log.npos);
    }
    EXPECT_TRUE(outcome_of(model).state_whole);
  }
}

// Crafted descriptions end each tool with a message naming the line and
// exit status 1, never a crash; a failed archive write keeps the former one.
TEST_F(Faults, ToolsRefuseHostileInput) {
  auto nested = [](int n) {
    std::string e;
    for (int i = 0; i < n; ++i) e += "not(";
    e += "true";
    return e + std::string(static_cast<size_t>(n), ')');
  };
  std::string lists;
  for (int i = 0; i < 70; ++i) lists += std::string(static_cast<size_t>(i), ' ') + "list\n";
  struct Case {
    const char* tool;
    std::string text;
  };
  const Case cases[] = {
      {"ptytool", "\t\n"},
      {"ptytool", "list kind=1\n  elem\n    depend 1 i4:0 " + nested(40000) + "\n"},
      {"ptytool", "list kind=1\n  elem\n    depend 1 i4:0 " + nested(70) + "\n"},
      {"ptytool", lists},
      {"ptytool", "list kind=1\n  elem kind=-0x8000000000000000\n"},
      {"ptytool", "list kind=1\n  elem min=99999999999999999999999\n"},
      {"kbtool", "mdl model=-0x8000000000000000 name=X\n"},
      {"kbtool", "obj model=5 type=1 number=70000 name=X\n"},
      {"kbtool", "obj model=5 type=1 number=2 name=\"open\n"},
      {"kbtool", std::string("obj model=5 type=1 number=2 name=A\0B\n", 37)},
      {"kbtool", "obj model=5 type=1 number=2 name=" + std::string(1 << 20, 'A') + "\n"},
  };
  const fs::path dir = *root_ / "tools";
  fs::create_directories(dir);
  const fs::path description = dir / "d.txt";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tool) + ": " + c.text.substr(0, 60));
    std::ofstream(description, std::ios::binary) << c.text;
    const fs::path out = dir / (std::string(c.tool) == "ptytool" ? "x.pty" : "kb");
    const int status =
        wait_for(start({kProgramDir + "/" + c.tool, "build", description.string(), out.string()},
                       {}, dir / "tool.log"));
    EXPECT_EQ(status, 1);
    EXPECT_NE(read_file(dir / "tool.log").find(description.string() + ":"), std::string::npos)
        << read_file(dir / "tool.log");
  }
  // A disk that fills while ptytool writes leaves the former archive whole.
  const fs::path archive = dir / "DTASTORE.PTY";
  std::ofstream(archive, std::ios::binary) << "former";
  std::ofstream(description, std::ios::binary) << "list kind=1\n  elem name=A\n";
  const int status =
      wait_for(start({kProgramDir + "/ptytool", "build", description.string(), archive.string()},
                     {"LD_PRELOAD=" + std::string(QN_FAIL_WRITES), "QN_FAIL_WRITES_TO=DTASTORE.PTY",
                      "ASAN_OPTIONS=verify_asan_link_order=0"},
                     dir / "tool.log"));
  EXPECT_EQ(status, 1);
  EXPECT_NE(read_file(dir / "tool.log").find("Cannot write"), std::string::npos);
  EXPECT_EQ(read_file(archive), "former");
}

}  // namespace
