#include "platform/socket.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

namespace qn::platform {
namespace {

using Clock = std::chrono::steady_clock;

std::mutex g_host_mutex;
std::function<std::string()> g_test_host_name;

std::optional<int> port_from_file(const char* path, std::string_view name) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream fields(line);
    std::string service, port_proto;
    if (!(fields >> service >> port_proto)) continue;
    const auto slash = port_proto.find('/');
    if (slash == std::string::npos || port_proto.substr(slash + 1) != "tcp") continue;
    bool named = service == name;
    for (std::string alias; !named && fields >> alias;) named = alias == name;
    if (!named) continue;
    char* end = nullptr;
    const long port = std::strtol(port_proto.c_str(), &end, 10);
    if (end != port_proto.c_str() + slash || port <= 0 || port > 65535) continue;
    return static_cast<int>(port);
  }
  return std::nullopt;
}

// Milliseconds left until deadline, or -1 for no deadline.
int remaining_ms(std::optional<Clock::time_point> deadline) {
  if (!deadline) return -1;
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

std::optional<Clock::time_point> deadline_after(int timeout_ms) {
  if (timeout_ms < 0) return std::nullopt;
  return Clock::now() + std::chrono::milliseconds(timeout_ms);
}

// poll() that resumes after a signal with the time left.
int poll_one(int fd, short events, std::optional<Clock::time_point> deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, remaining_ms(deadline));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n;
    return p.revents;
  }
}

bool connect_one(const addrinfo& ai, int fd, std::optional<Clock::time_point> deadline) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) return false;
  if (::connect(fd, ai.ai_addr, ai.ai_addrlen) != 0) {
    if (errno != EINPROGRESS) return false;
    if (poll_one(fd, POLLOUT, deadline) <= 0) return false;
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) return false;
  }
  return ::fcntl(fd, F_SETFL, flags) == 0;
}

}  // namespace

std::optional<int> service_port(std::string_view name) {
  if (const char* file = std::getenv("QN_SERVICES_FILE"); file && *file) {
    return port_from_file(file, name);
  }
  const std::string text(name);
  servent entry{};
  servent* found = nullptr;
  char buffer[1024];
  if (::getservbyname_r(text.c_str(), "tcp", &entry, buffer, sizeof buffer, &found) != 0 ||
      found == nullptr) {
    return std::nullopt;
  }
  return ntohs(static_cast<uint16_t>(found->s_port));
}

int socket_connect(const std::string& host, int port, int timeout_ms) {
  const auto deadline = deadline_after(timeout_ms);
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* list = nullptr;
  const std::string service = std::to_string(port);
  if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &list) != 0) return -1;
  int result = -1;
  for (const addrinfo* ai = list; ai != nullptr && result < 0; ai = ai->ai_next) {
    if (deadline && Clock::now() >= *deadline) break;
    const int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC, ai->ai_protocol);
    if (fd < 0) continue;
    if (connect_one(*ai, fd, deadline)) {
      const int on = 1;
      ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
      result = fd;
    } else {
      ::close(fd);
    }
  }
  ::freeaddrinfo(list);
  return result;
}

bool socket_send_all(int fd, std::string_view bytes, int timeout_ms) {
  auto deadline = deadline_after(timeout_ms);
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      deadline = deadline_after(timeout_ms);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const int revents = poll_one(fd, POLLOUT, deadline);
      if (revents <= 0 || (revents & (POLLERR | POLLHUP | POLLNVAL))) return false;
      continue;
    }
    return false;
  }
  return true;
}

WaitResult socket_wait(int fd, int timeout_ms) {
  const int revents = poll_one(fd, POLLIN, deadline_after(timeout_ms));
  if (revents == 0) return WaitResult::kTimeout;
  if (revents < 0 || (revents & POLLNVAL)) return WaitResult::kFailed;
  return WaitResult::kReadable;
}

long socket_receive(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::recv(fd, buffer, size, 0);
    if (n < 0 && errno == EINTR) continue;
    return static_cast<long>(n);
  }
}

void socket_close(int fd) {
  if (fd >= 0) ::close(fd);
}

std::string local_host_name() {
  {
    std::lock_guard lock(g_host_mutex);
    if (g_test_host_name) return g_test_host_name();
  }
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

void set_host_name_for_tests(std::function<std::string()> name) {
  std::lock_guard lock(g_host_mutex);
  g_test_host_name = std::move(name);
}

}  // namespace qn::platform
