// The automation transport: JSON-RPC 2.0, one message a line, over a pair of
// descriptors (a server's standard input and output). The server side
// dispatches calls to methods known by name or by dispatch id; the client
// side starts a server program through pipes and calls it.
//
// The final release of the served object is the end of input or the
// notification "Release" (a request "Release" is answered true and ends the
// session too).
#pragma once

#include <sys/types.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

namespace qn::platform {

enum RpcErrorCode : int {
  kRpcParseError = -32700,
  kRpcInvalidRequest = -32600,
  kRpcMethodNotFound = -32601,
  kRpcInvalidParams = -32602,
  kRpcInternalError = -32603,
};

// Thrown by a method whose parameters do not fit; answered with -32602.
class RpcInvalidParams : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Deepest nesting of arrays and objects a message may have.
inline constexpr int kMaxMessageDepth = 64;
// Longest message line the server reads; a longer one is answered with an
// error and dropped.
inline constexpr size_t kMaxMessageLine = size_t{64} << 20;

// Reads lines from a descriptor in time linear in their length. A line
// longer than the limit is read to its end and dropped.
class LineReader {
 public:
  static constexpr size_t kNoLimit = static_cast<size_t>(-1);
  LineReader(int fd, size_t max_line) : fd_(fd), max_line_(max_line) {}
  // The next line without its newline (and a final '\r'); a last line
  // without a newline counts. Nothing at the end of input. A dropped line
  // gives an empty text with too_long set.
  std::optional<std::string> next_line(bool& too_long);

 private:
  int fd_;
  size_t max_line_;
  std::string buffer_;
  size_t start_ = 0;    // first byte of the current line
  size_t scanned_ = 0;  // bytes before this hold no newline
  bool dropping_ = false;
  bool eof_ = false;
};

class AutomationServer {
 public:
  // A method gets the params of the call (an empty array when the call has
  // none) and answers the result.
  using Method = std::function<nlohmann::json(const nlohmann::json& params)>;

  // The method answers to its name and to its dispatch id written in
  // decimal ("1", "2", ...).
  void add_method(std::string name, int dispid, Method method);

  // Handles one message (one line). Answers the reply line without its
  // newline, or nothing when no reply is due (notifications).
  std::optional<std::string> handle(std::string_view line);

  // True once the final release has been received.
  bool released() const { return released_; }

  // Reads messages from in_fd and writes each reply, with a newline, to
  // out_fd, until end of input, the final release, or a reply that cannot
  // be written. A line longer than the limit gets an error reply.
  void serve(int in_fd, int out_fd);
  void set_max_line(size_t bytes) { max_line_ = bytes; }

  // Sends a notification (a message without an id) to the client being
  // served. Any thread, while serve runs; false when nothing is served or
  // the line cannot be written.
  bool notify(std::string_view method, const nlohmann::json& params);
  // The input being served; -1 outside serve.
  int input_fd() const { return in_fd_; }

 private:
  bool write_line(const std::string& line);

  size_t max_line_ = kMaxMessageLine;
  std::mutex write_mutex_;  // one line at a time on the output
  int in_fd_ = -1;
  int out_fd_ = -1;
  std::optional<nlohmann::json> handle_value(const nlohmann::json& msg);

  std::map<std::string, Method> methods_;
  bool released_ = false;
};

// While it exists, a thread watches a pipe for its writer going away (the
// client's end of the input closed) and then calls on_hangup once, on that
// thread. Nothing is read from the pipe.
class HangupWatch {
 public:
  HangupWatch(int fd, std::function<void()> on_hangup);
  ~HangupWatch();
  HangupWatch(const HangupWatch&) = delete;
  HangupWatch& operator=(const HangupWatch&) = delete;

 private:
  int wake_[2] = {-1, -1};
  std::thread thread_;
};

struct ProtocolChannel {
  int in_fd = -1;
  int out_fd = -1;
};

// Takes standard input and output for the protocol alone: both move to
// private descriptors, standard input then reads /dev/null and standard
// output writes to standard error, so nothing else the program prints can
// reach the peer. A broken pipe no longer ends the process.
ProtocolChannel take_protocol_channel();

// A failed call on the client side: transport failure, an error reply, or
// a server that ended without answering.
class AutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AutomationClient {
 public:
  // Starts argv[0] (a path) with argv as its arguments, its standard input
  // and output through pipes and its standard error shared with ours.
  // Null with *error set when the program cannot be started.
  static std::unique_ptr<AutomationClient> start(const std::vector<std::string>& argv,
                                                 std::string* error);
  ~AutomationClient();
  AutomationClient(const AutomationClient&) = delete;
  AutomationClient& operator=(const AutomationClient&) = delete;

  // Calls a method and waits for its reply; answers the result, or throws
  // AutomationError.
  nlohmann::json call(std::string_view method, const nlohmann::json& params);

  // Receives the notifications the server sends while a call runs.
  using NotificationHandler =
      std::function<void(const std::string& method, const nlohmann::json& params)>;
  void set_notification_handler(NotificationHandler handler) {
    on_notification_ = std::move(handler);
  }

  // The final release: sends the notification "Release" and closes the
  // server's input.
  void release();

  // Waits for the server to end: its exit status, or 128 + the signal that
  // ended it.
  int wait();

 private:
  AutomationClient() = default;
  bool read_line(std::string& line);

  pid_t pid_ = -1;
  int to_server_ = -1;
  int from_server_ = -1;
  std::unique_ptr<LineReader> reader_;
  NotificationHandler on_notification_;
  long next_id_ = 1;
  std::optional<int> status_;
};

}  // namespace qn::platform
