#include "tests/run_control/subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qn::test {

ProcessResult run_process(const std::vector<std::string>& argv, const ProcessOptions& options) {
  ::signal(SIGPIPE, SIG_IGN);
  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (::pipe2(in_pipe, O_CLOEXEC) || ::pipe2(out_pipe, O_CLOEXEC) || ::pipe2(err_pipe, O_CLOEXEC)) {
    throw std::runtime_error("pipe failed");
  }
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(in_pipe[0], 0);
    ::dup2(out_pipe[1], 1);
    ::dup2(err_pipe[1], 2);
    ::setsid();  // no controlling terminal: nothing may wait for a key
    if (!options.cwd.empty() && ::chdir(options.cwd.c_str()) != 0) ::_exit(126);
    for (const auto& [name, value] : options.env) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ::close(in_pipe[0]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);

  ProcessResult result;
  size_t written = 0;
  int in_fd = in_pipe[1];
  int held_fd = -1;  // standard input kept open without anything to write
  if (options.input.empty()) {
    if (options.keep_input_open) {
      held_fd = in_fd;
    } else {
      ::close(in_fd);
    }
    in_fd = -1;
  }
  bool signalled = false;
  int out_fd = out_pipe[0], err_fd = err_pipe[0];
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(options.timeout_seconds);
  while (out_fd >= 0 || err_fd >= 0) {
    pollfd fds[3];
    int n = 0;
    if (in_fd >= 0) fds[n++] = {in_fd, POLLOUT, 0};
    if (out_fd >= 0) fds[n++] = {out_fd, POLLIN, 0};
    if (err_fd >= 0) fds[n++] = {err_fd, POLLIN, 0};
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
      break;
    }
    int r = ::poll(fds, static_cast<nfds_t>(n), static_cast<int>(left.count()));
    if (r < 0 && errno == EINTR) continue;
    for (int i = 0; i < n; ++i) {
      if (!fds[i].revents) continue;
      if (fds[i].fd == in_fd) {
        ssize_t w = ::write(in_fd, options.input.data() + written, options.input.size() - written);
        if (w > 0) written += static_cast<size_t>(w);
        if (w < 0 || written == options.input.size()) {
          if (options.keep_input_open && w >= 0) {
            held_fd = in_fd;
          } else {
            ::close(in_fd);
          }
          in_fd = -1;
        }
        continue;
      }
      char buf[4096];
      ssize_t got = ::read(fds[i].fd, buf, sizeof buf);
      std::string& sink = fds[i].fd == out_fd ? result.out : result.err;
      if (got > 0) {
        sink.append(buf, static_cast<size_t>(got));
        if (options.signal != 0 && !signalled &&
            result.err.find(options.signal_on_err) != std::string::npos) {
          ::kill(pid, options.signal);
          signalled = true;
        }
        if (!options.close_input_on_err.empty() && held_fd >= 0 &&
            result.err.find(options.close_input_on_err) != std::string::npos) {
          ::close(held_fd);
          held_fd = -1;
        }
      } else {
        ::close(fds[i].fd);
        (fds[i].fd == out_fd ? out_fd : err_fd) = -1;
      }
    }
  }
  for (int fd : {in_fd, out_fd, err_fd, held_fd}) {
    if (fd >= 0) ::close(fd);
  }
  int raw = 0;
  while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  return result;
}

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "qn_run_control_XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace qn::test
