#include "platform/terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace qn::platform {

bool stderr_is_terminal() { return ::isatty(STDERR_FILENO) == 1; }

bool term_moves_cursor(const char* term) {
  return term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

bool stderr_takes_cursor_moves() {
  return stderr_is_terminal() && term_moves_cursor(std::getenv("TERM"));
}

int terminal_columns() {
  winsize ws{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0) return ws.ws_col;
  return 80;
}

void write_stderr(std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
}

// --- keyboard ----------------------------------------------------------

std::unique_ptr<Keyboard> Keyboard::open() {
  int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (::tcgetpgrp(fd) != ::getpgrp()) {
    ::close(fd);
    return nullptr;
  }
  termios mode{};
  if (::tcgetattr(fd, &mode) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<Keyboard>(new Keyboard(fd, &mode));
}

Keyboard::Keyboard(int fd, const void* saved_mode) : fd_(fd), saved_(new char[sizeof(termios)]) {
  std::memcpy(saved_.get(), saved_mode, sizeof(termios));
  termios raw;
  std::memcpy(&raw, saved_mode, sizeof(termios));
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);  // ISIG stays: Ctrl-C is a signal
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  ::tcsetattr(fd_, TCSANOW, &raw);
}

Keyboard::~Keyboard() {
  ::tcsetattr(fd_, TCSANOW, reinterpret_cast<const termios*>(saved_.get()));
  ::close(fd_);
}

int Keyboard::read_key() {
  pollfd p{fd_, POLLIN, 0};
  if (::poll(&p, 1, 0) <= 0 || !(p.revents & POLLIN)) return -1;
  return wait_key();
}

int Keyboard::wait_key() {
  unsigned char c;
  for (;;) {
    ssize_t n = ::read(fd_, &c, 1);
    if (n == 1) return c;
    if (n < 0 && errno == EINTR) continue;
    return -1;
  }
}

// --- Ctrl-C -------------------------------------------------------------

namespace {

std::atomic<int> g_interrupt_write_fd{-1};
int g_interrupt_pipe[2] = {-1, -1};
struct sigaction g_previous_action;

extern "C" void on_sigint(int) {
  int saved_errno = errno;
  int fd = g_interrupt_write_fd.load();
  if (fd >= 0) {
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(fd, &c, 1);
  }
  errno = saved_errno;
}

}  // namespace

InterruptWatch::InterruptWatch() {
  if (g_interrupt_write_fd.load() >= 0) throw std::logic_error("interrupt watch: one at a time");
  if (::pipe2(g_interrupt_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::runtime_error("interrupt watch: pipe failed");
  g_interrupt_write_fd = g_interrupt_pipe[1];
  struct sigaction action {};
  action.sa_handler = on_sigint;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &g_previous_action);
}

InterruptWatch::~InterruptWatch() {
  ::sigaction(SIGINT, &g_previous_action, nullptr);
  g_interrupt_write_fd = -1;
  ::close(g_interrupt_pipe[0]);
  ::close(g_interrupt_pipe[1]);
  g_interrupt_pipe[0] = g_interrupt_pipe[1] = -1;
}

int InterruptWatch::fd() const { return g_interrupt_pipe[0]; }

bool InterruptWatch::take() {
  char buf[64];
  bool any = false;
  while (::read(g_interrupt_pipe[0], buf, sizeof buf) > 0) any = true;
  return any;
}

std::vector<bool> wait_readable(std::span<const int> fds, int timeout_ms) {
  std::vector<pollfd> polls;
  for (int fd : fds) polls.push_back(pollfd{fd, POLLIN, 0});
  std::vector<bool> ready(fds.size(), false);
  int rc;
  do {
    rc = ::poll(polls.data(), polls.size(), timeout_ms);
  } while (rc < 0 && errno == EINTR);
  if (rc > 0) {
    for (size_t i = 0; i < polls.size(); ++i)
      ready[i] = fds[i] >= 0 && (polls[i].revents & (POLLIN | POLLHUP | POLLERR));
  }
  return ready;
}

}  // namespace qn::platform
