// A scripted mail server on 127.0.0.1 for the wire tests. It accepts
// connections one after another and plays one script across them: the first
// step on each accept (the greeting), each later step once the client's
// bytes since the previous step end with the step's mark (a line by
// default). Every byte the client sent is recorded.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qn::office::testing_support {

struct FakeStep {
  enum class Kind {
    kReply,   // the pieces, each sent by itself after delay_ms
    kStall,   // nothing more is sent; the connection stays open
    kHangUp,  // the pieces, then the connection is closed
  };
  Kind kind = Kind::kReply;
  std::vector<std::string> pieces;
  int delay_ms = 0;
  std::string until = "\n";  // what the client's bytes end with before the step
};

FakeStep say(std::string text, int delay_ms = 0);
FakeStep say_after(std::string until, std::string text);  // e.g. the end of DATA
FakeStep say_pieces(std::vector<std::string> pieces, int delay_ms);
FakeStep fall_silent();
FakeStep hang_up_with(std::vector<std::string> pieces = {}, std::string until = "\n");

// Opens a listening socket on 127.0.0.1 with a port from the system.
int listen_loopback(int& port);

// A listening socket on 127.0.0.1 and the thread that serves it: on
// destruction the thread is told to stop and joined, then the socket
// closes. A class that serves through one declares it as its last member.
class LoopbackListener {
 public:
  explicit LoopbackListener(std::function<void()> serve);
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  int fd() const { return fd_; }
  int port() const { return port_; }
  bool stopping() const { return stop_; }

 private:
  int port_ = 0;
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class FakeServer {
 public:
  explicit FakeServer(std::vector<FakeStep> script);
  FakeServer(const FakeServer&) = delete;
  FakeServer& operator=(const FakeServer&) = delete;

  int port() const { return listener_.port(); }
  // The client's bytes so far.
  std::string received();
  // A services file naming this server "smtp", "pop3" and "pop-3".
  std::string services_file() const;

 private:
  void run();
  // Records what the client sent, if anything (in since too, when given);
  // false once the client has closed.
  bool take(int fd, std::string* since);

  std::vector<FakeStep> script_;
  std::mutex mutex_;
  std::string received_;
  LoopbackListener listener_{[this] { run(); }};
};

// Forwards one connection at a time from a port of 127.0.0.1 to a server,
// and cuts or stalls one direction after a number of bytes.
class FaultProxy {
 public:
  enum class Direction { kToServer, kToClient };
  enum class Fault { kCut, kStall };
  FaultProxy(int target_port, Direction direction, long after_bytes, Fault fault);
  FaultProxy(const FaultProxy&) = delete;
  FaultProxy& operator=(const FaultProxy&) = delete;
  int port() const { return listener_.port(); }

 private:
  void run();

  int target_port_;
  Direction direction_;
  long after_bytes_;
  Fault fault_;
  LoopbackListener listener_{[this] { run(); }};
};

// The bytes of a file; empty when it cannot be read.
std::string read_file(const std::filesystem::path& p);

}  // namespace qn::office::testing_support
