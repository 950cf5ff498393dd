// Ctrl-C typed in a terminal while qngen drives a run: the run is asked
// about and cancelled, qngen waits for the server and tells the cancel in
// its exit status, and no process of the run is left behind.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/run_control/subprocess.h"

namespace qn::test {
namespace {

namespace fs = std::filesystem;

const std::string kProgramDir = QN_PROGRAM_DIR;

struct TerminalRun {
  int status = -1;
  bool timed_out = false;
  bool group_left_behind = false;  // a process of the run outlived qngen
  std::string screen;
};

// Runs argv with a new pseudo-terminal as its controlling terminal (stdin,
// stdout and stderr); env entries "NAME=value" are set, a bare "NAME" is
// removed. After each piece of output `type` gets the whole
// screen so far and answers what to type next (often nothing).
TerminalRun run_on_terminal(const std::vector<std::string>& argv,
                            const std::vector<std::string>& env,
                            const std::function<std::string(const std::string&)>& type) {
  TerminalRun result;
  int master = -1;
  winsize size{};
  size.ws_row = 40;
  size.ws_col = 120;
  const pid_t pid = ::forkpty(&master, nullptr, nullptr, &size);
  if (pid < 0) {
    ADD_FAILURE() << "forkpty failed";
    return result;
  }
  if (pid == 0) {
    for (const std::string& e : env) {
      if (e.find('=') == std::string::npos) {
        ::unsetenv(e.c_str());
      } else {
        ::putenv(const_cast<char*>(e.c_str()));
      }
    }
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  int raw = 0;
  bool ended = false;
  while (!ended) {
    if (std::chrono::steady_clock::now() > deadline) {
      result.timed_out = true;
      ::kill(-pid, SIGKILL);
      break;
    }
    pollfd p{master, POLLIN, 0};
    if (::poll(&p, 1, 100) > 0) {
      char buf[4096];
      const ssize_t n = ::read(master, buf, sizeof buf);
      if (n > 0) {
        result.screen.append(buf, static_cast<size_t>(n));
        const std::string keys = type(result.screen);
        if (!keys.empty()) (void)!::write(master, keys.data(), keys.size());
      }
    }
    const pid_t r = ::waitpid(pid, &raw, WNOHANG);
    if (r == pid) ended = true;
  }
  if (!ended) ::waitpid(pid, &raw, 0);
  // qngen led the process group of the run; the server was in it too.
  result.group_left_behind = ::kill(-pid, 0) == 0;
  if (result.group_left_behind) ::kill(-pid, SIGKILL);
  ::close(master);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  return result;
}

#ifdef QN_SAMPLE_KB_DIR
TEST(RunControlInterrupt, CtrlCReachesTheDialogAndQngenWaitsForTheServer) {
  struct Case {
    const char* term;
    bool escapes;  // the progress view moves the cursor
  } cases[] = {{"TERM=xterm", true}, {"TERM=dumb", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    TempDir dir;
    const fs::path model = fs::path(dir.path()) / "model";
    fs::copy(std::string(QN_SOURCE_DIR) + "/examples/sample-model", model,
             fs::copy_options::recursive);
    for (const char* f : {"PEFILES", "knowledge.db"})
      fs::copy_file(fs::path(QN_SAMPLE_KB_DIR) / f, model / f);
    // Enough menus that the run is still going when the answer comes, even
    // on a loaded machine: a run of this model takes seconds, not tenths.
    for (int i = 100; i < 10000; ++i) {  // a program file numbers up to 9999
      write_file((model / "DEMO/MDL001/GEN00" / ("m" + std::to_string(i) + ".spc")).string(),
                 "spec_i([mnu, " + std::to_string(i) + ", 'Menu', 'Menu" + std::to_string(i) +
                     "', 0, 0]).\n");
    }
    int step = 0;
    TerminalRun r = run_on_terminal(
        {kProgramDir + "/qngen", "--user", "DEMO", model.string(), "1", "1"},
        {c.term, "QN_REGISTRY_FILE=" + dir / "registry.ini", "QNUSER"},
        [&step](const std::string& screen) -> std::string {
          // Any menu on the screen: the screen is redrawn many times a
          // second, and one name can be gone before the screen is read.
          if (step == 0 && screen.find("Menu") != std::string::npos) {
            ++step;
            return "\x03";  // Ctrl-C
          }
          if (step == 1 && screen.find("Do you want to cancel?") != std::string::npos &&
              screen.find("(y/n)") != std::string::npos) {
            ++step;
            return "y";
          }
          if (step == 2 && screen.find("Operation cancelled by user") != std::string::npos &&
              screen.find("(press Enter)") != std::string::npos) {
            ++step;
            return "\r";  // the box that tells of the cancel
          }
          return {};
        });
    ASSERT_FALSE(r.timed_out) << r.screen.substr(r.screen.size() > 2000 ? r.screen.size() - 2000
                                                                        : 0);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(r.status, 5) << r.screen.substr(r.screen.size() > 2000 ? r.screen.size() - 2000 : 0);
    EXPECT_NE(r.screen.find("Operation cancelled by user"), std::string::npos);
    EXPECT_FALSE(r.group_left_behind);
    EXPECT_EQ(r.screen.find("\x1b[") != std::string::npos, c.escapes);
    // The run ended early: its state was not saved.
    EXPECT_FALSE(fs::exists(model / "sm11_1.ari"));
  }
}

// The client goes away during a run (its end of the server's input
// closes): the server cancels the run, keeps no half-written file and no
// state, tells the cancel, and ends.
TEST(RunControlInterrupt, InputEndingDuringARunCancelsIt) {
  TempDir dir;
  const fs::path model = fs::path(dir.path()) / "model";
  fs::copy(std::string(QN_SOURCE_DIR) + "/examples/sample-model", model,
           fs::copy_options::recursive);
  for (const char* f : {"PEFILES", "knowledge.db"})
    fs::copy_file(fs::path(QN_SAMPLE_KB_DIR) / f, model / f);
  for (int i = 100; i < 4100; ++i) {
    write_file((model / "DEMO/MDL001/GEN00" / ("m" + std::to_string(i) + ".spc")).string(),
               "spec_i([mnu, " + std::to_string(i) + ", 'Menu', 'Menu" + std::to_string(i) +
                   "', 0, 0]).\n");
  }
  const std::string requests =
      R"({"jsonrpc":"2.0","method":"SetModelPath","params":[")" + model.string() +
      R"("],"id":1})"
      "\n"
      R"({"jsonrpc":"2.0","method":"SetUserName","params":["DEMO"],"id":2})"
      "\n"
      R"({"jsonrpc":"2.0","method":"Generate","params":[1,1],"id":3})"
      "\n";
  ProcessResult r = run_process({kProgramDir + "/qnjavagen", "-Automation"},
                                ProcessOptions()
                                    .with_input(requests)
                                    .close_input_when("Menu1")
                                    .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                    .with_env("QNUSER", std::nullopt)
                                    .with_env("TERM", "dumb"));
  ASSERT_FALSE(r.timed_out) << r.err.substr(r.err.size() > 2000 ? r.err.size() - 2000 : 0);
  EXPECT_NE(r.out.find("\"RunCancelled\""), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("Operation cancelled by user"), std::string::npos);
  EXPECT_FALSE(fs::exists(model / "sm11_1.ari"));
  // Some specification files were left for the next run, and every source
  // that was kept is whole.
  EXPECT_TRUE(fs::exists(model / "DEMO/MDL001/GEN00/m4099.spc"));
  for (const auto& e : fs::directory_iterator(model)) {
    if (e.path().extension() != ".java") continue;
    const std::string text = read_file(e.path().string());
    EXPECT_TRUE(text.ends_with("}\n")) << e.path();
  }
}
#endif

}  // namespace
}  // namespace qn::test
