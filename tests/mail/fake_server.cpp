#include "tests/mail/fake_server.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

namespace qn::office::testing_support {
namespace {

// Every wait is short, so a stopped server ends within a tenth of a second.
constexpr int kPollMs = 20;

bool readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, kPollMs) > 0;
}

void send_bytes(int fd, const std::string& bytes) {
  ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

}  // namespace

int listen_loopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
      ::listen(fd, 8) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
    if (fd >= 0) ::close(fd);
    return -1;
  }
  port = ntohs(a.sin_port);
  return fd;
}

FakeStep say(std::string text, int delay_ms) {
  return {FakeStep::Kind::kReply, {std::move(text)}, delay_ms};
}
FakeStep say_after(std::string until, std::string text) {
  FakeStep s{FakeStep::Kind::kReply, {std::move(text)}, 0};
  s.until = std::move(until);
  return s;
}
FakeStep say_pieces(std::vector<std::string> pieces, int delay_ms) {
  return {FakeStep::Kind::kReply, std::move(pieces), delay_ms};
}
FakeStep fall_silent() { return {FakeStep::Kind::kStall, {}, 0}; }
FakeStep hang_up_with(std::vector<std::string> pieces, std::string until) {
  FakeStep s{FakeStep::Kind::kHangUp, std::move(pieces), 0};
  s.until = std::move(until);
  return s;
}

LoopbackListener::LoopbackListener(std::function<void()> serve) {
  fd_ = listen_loopback(port_);
  thread_ = std::thread(std::move(serve));
}

LoopbackListener::~LoopbackListener() {
  stop_ = true;
  thread_.join();
  ::close(fd_);
}

FakeServer::FakeServer(std::vector<FakeStep> script) : script_(std::move(script)) {}

std::string FakeServer::received() {
  std::lock_guard lock(mutex_);
  return received_;
}

std::string FakeServer::services_file() const {
  const auto path =
      std::filesystem::temp_directory_path() /
      ("qn_fake_services_" + std::to_string(::getpid()) + "_" + std::to_string(port()));
  std::ofstream(path) << "smtp " << port() << "/tcp\npop3 " << port() << "/tcp\npop-3 " << port()
                      << "/tcp\n";
  return path.string();
}

bool FakeServer::take(int fd, std::string* since) {
  if (!readable(fd)) return true;
  char buf[65536];
  const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
  if (n <= 0) return false;
  if (since) since->append(buf, static_cast<std::size_t>(n));
  std::lock_guard lock(mutex_);
  received_.append(buf, static_cast<std::size_t>(n));
  return true;
}

void FakeServer::run() {
  std::size_t next = 0;
  while (!listener_.stopping() && next < script_.size()) {
    if (!readable(listener_.fd())) continue;
    const int fd = ::accept(listener_.fd(), nullptr, nullptr);
    if (fd < 0) continue;
    std::string since;  // the client's bytes since the last step
    bool open = true;
    bool first = true;
    while (open && !listener_.stopping() && next < script_.size()) {
      const FakeStep& step = script_[next];
      if (!first) {
        // Waits for the client's bytes that this step answers.
        while (!listener_.stopping() && open && !std::string_view(since).ends_with(step.until)) {
          open = take(fd, &since);
        }
        if (!open || listener_.stopping()) break;
      }
      first = false;
      since.clear();
      ++next;
      if (step.kind == FakeStep::Kind::kStall) {
        // Keeps reading (and recording) until the test ends.
        while (!listener_.stopping() && take(fd, nullptr)) {
        }
        open = false;
        break;
      }
      for (const auto& piece : step.pieces) {
        if (step.delay_ms > 0)
          std::this_thread::sleep_for(std::chrono::milliseconds(step.delay_ms));
        send_bytes(fd, piece);
      }
      if (step.kind == FakeStep::Kind::kHangUp) open = false;
    }
    // After the script: whatever the client still sends is recorded until
    // it closes (its QUIT, say), for a tenth of a second at most.
    for (int i = 0; open && i < 5 && !listener_.stopping(); ++i) open = take(fd, nullptr);
    ::close(fd);
  }
}

FaultProxy::FaultProxy(int target_port, Direction direction, long after_bytes, Fault fault)
    : target_port_(target_port), direction_(direction), after_bytes_(after_bytes), fault_(fault) {}

void FaultProxy::run() {
  while (!listener_.stopping()) {
    if (!readable(listener_.fd())) continue;
    const int client = ::accept(listener_.fd(), nullptr, nullptr);
    if (client < 0) continue;
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(target_port_));
    if (::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
      ::close(server);
      ::close(client);
      continue;
    }
    long passed = 0;
    bool stalled = false;
    const int from = direction_ == Direction::kToServer ? client : server;
    while (!listener_.stopping()) {
      const auto events = [&](int fd) {
        return static_cast<short>(stalled && fd == from ? 0 : POLLIN);
      };
      pollfd p[2] = {{client, events(client), 0}, {server, events(server), 0}};
      if (::poll(p, 2, kPollMs) <= 0) continue;
      bool done = false;
      for (int i = 0; i < 2 && !done; ++i) {
        if (!(p[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        const int src = p[i].fd;
        const int dst = src == client ? server : client;
        if (src == from && stalled) {
          std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
          continue;
        }
        char buf[16384];
        ssize_t n = ::recv(src, buf, sizeof buf, 0);
        if (n <= 0) {
          done = true;
          break;
        }
        if (src == from) {
          if (passed + n >= after_bytes_) {
            n = after_bytes_ - passed;
            ::send(dst, buf, static_cast<std::size_t>(n), MSG_NOSIGNAL);
            passed = after_bytes_;
            if (fault_ == Fault::kCut) {
              done = true;
              break;
            }
            stalled = true;
            continue;
          }
          passed += n;
        }
        ::send(dst, buf, static_cast<std::size_t>(n), MSG_NOSIGNAL);
      }
      if (done) break;
    }
    ::close(server);
    ::close(client);
  }
}

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace qn::office::testing_support
