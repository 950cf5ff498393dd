#include "platform/automation.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace qn::platform {
namespace {

using nlohmann::json;

json error_reply(const json& id, int code, std::string_view message) {
  return json{{"jsonrpc", "2.0"},
              {"error", {{"code", code}, {"message", std::string(message)}}},
              {"id", id}};
}

json result_reply(const json& id, json result) {
  return json{{"jsonrpc", "2.0"}, {"result", std::move(result)}, {"id", id}};
}

bool valid_id(const json& id) { return id.is_null() || id.is_string() || id.is_number(); }

std::string dump(const json& j) {
  // Texts are Windows-1252 bytes: pass invalid UTF-8 through as escapes
  // instead of failing the whole reply.
  return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

bool write_all(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void ignore_broken_pipe() { ::signal(SIGPIPE, SIG_IGN); }

struct TooDeep {};

// A message is parsed with its nesting bounded: a value nested deeper than
// kMaxMessageDepth is refused while it is read, before anything walks it.
json parse_message(std::string_view line) {
  json::parser_callback_t bound = [](int depth, json::parse_event_t event, json&) {
    if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start) &&
        depth >= kMaxMessageDepth) {
      throw TooDeep{};
    }
    return true;
  };
  return json::parse(line, bound);
}

}  // namespace

// --- line reader -------------------------------------------------------

std::optional<std::string> LineReader::next_line(bool& too_long) {
  too_long = false;
  for (;;) {
    const size_t nl = buffer_.find('\n', scanned_);
    if (nl != std::string::npos) {
      std::string line;
      if (dropping_) {
        dropping_ = false;
        too_long = true;
      } else {
        line.assign(buffer_, start_, nl - start_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
      }
      start_ = scanned_ = nl + 1;
      // What is left moves to the front once the used part dominates, so the
      // buffer stays about one read ahead of the lines handed out.
      if (start_ >= buffer_.size() / 2) {
        buffer_.erase(0, start_);
        start_ = scanned_ = 0;
      }
      return line;
    }
    scanned_ = buffer_.size();
    if (scanned_ - start_ > max_line_) {
      // Too long: the rest of this line is read and dropped.
      dropping_ = true;
      buffer_.clear();
      start_ = scanned_ = 0;
    }
    if (eof_) {
      if (dropping_) {
        dropping_ = false;
        too_long = true;
        return std::string();
      }
      if (start_ == buffer_.size()) return std::nullopt;
      std::string line = buffer_.substr(start_);  // a last line without its newline
      if (!line.empty() && line.back() == '\r') line.pop_back();
      buffer_.clear();
      start_ = scanned_ = 0;
      return line;
    }
    char chunk[65536];
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      eof_ = true;
    } else if (dropping_) {
      const char* nl_in =
          static_cast<const char*>(std::memchr(chunk, '\n', static_cast<size_t>(n)));
      if (nl_in != nullptr) buffer_.append(nl_in, static_cast<size_t>(chunk + n - nl_in));
    } else {
      buffer_.append(chunk, static_cast<size_t>(n));
    }
  }
}

// --- server ------------------------------------------------------------

void AutomationServer::add_method(std::string name, int dispid, Method method) {
  methods_[std::to_string(dispid)] = method;
  methods_[std::move(name)] = std::move(method);
}

std::optional<json> AutomationServer::handle_value(const json& msg) {
  if (!msg.is_object()) return error_reply(nullptr, kRpcInvalidRequest, "Invalid Request");
  auto id_it = msg.find("id");
  const bool notification = id_it == msg.end();
  // The id is checked before it is copied: only a plain value is kept.
  if (!notification && !valid_id(*id_it))
    return error_reply(nullptr, kRpcInvalidRequest, "Invalid Request");
  const json id = notification ? json(nullptr) : *id_it;
  auto version = msg.find("jsonrpc");
  auto method = msg.find("method");
  auto params = msg.find("params");
  if (version == msg.end() || *version != "2.0" || method == msg.end() || !method->is_string() ||
      (params != msg.end() && !params->is_array() && !params->is_object())) {
    return error_reply(id, kRpcInvalidRequest, "Invalid Request");
  }
  const std::string& name = method->get_ref<const std::string&>();
  if (name == "Release") {
    released_ = true;
    if (notification) return std::nullopt;
    return result_reply(id, true);
  }
  auto found = methods_.find(name);
  if (found == methods_.end()) {
    if (notification) return std::nullopt;
    return error_reply(id, kRpcMethodNotFound, "Method not found: " + name);
  }
  static const json no_params = json::array();
  const json& args = params == msg.end() ? no_params : *params;
  try {
    json result = found->second(args);
    if (notification) return std::nullopt;
    return result_reply(id, std::move(result));
  } catch (const RpcInvalidParams& e) {
    if (notification) return std::nullopt;
    return error_reply(id, kRpcInvalidParams, e.what());
  } catch (const std::exception& e) {
    if (notification) return std::nullopt;
    return error_reply(id, kRpcInternalError, e.what());
  }
}

std::optional<std::string> AutomationServer::handle(std::string_view line) {
  json msg;
  try {
    msg = parse_message(line);
  } catch (const TooDeep&) {
    return dump(error_reply(
        nullptr, kRpcParseError,
        "Parse error: nested deeper than " + std::to_string(kMaxMessageDepth) + " levels"));
  } catch (const json::exception&) {
    return dump(error_reply(nullptr, kRpcParseError, "Parse error"));
  }
  if (!msg.is_array()) {
    auto reply = handle_value(msg);
    if (!reply) return std::nullopt;
    return dump(*reply);
  }
  if (msg.empty()) return dump(error_reply(nullptr, kRpcInvalidRequest, "Invalid Request"));
  json replies = json::array();
  for (const json& one : msg) {
    if (released_) break;
    if (auto reply = handle_value(one)) replies.push_back(std::move(*reply));
  }
  if (replies.empty()) return std::nullopt;
  return dump(replies);
}

void AutomationServer::serve(int in_fd, int out_fd) {
  {
    std::lock_guard lock(write_mutex_);
    in_fd_ = in_fd;
    out_fd_ = out_fd;
  }
  LineReader reader(in_fd, max_line_);
  while (!released_) {
    bool too_long = false;
    std::optional<std::string> line = reader.next_line(too_long);
    if (!line) break;
    std::optional<std::string> reply;
    if (too_long) {
      reply = dump(
          error_reply(nullptr, kRpcInvalidRequest,
                      "Invalid Request: line longer than " + std::to_string(max_line_) + " bytes"));
    } else if (line->find_first_not_of(" \t") == std::string::npos) {
      continue;
    } else {
      reply = handle(*line);
    }
    if (reply && !write_line(*reply)) break;
  }
  std::lock_guard lock(write_mutex_);
  in_fd_ = out_fd_ = -1;
}

bool AutomationServer::write_line(const std::string& line) {
  std::lock_guard lock(write_mutex_);
  return out_fd_ >= 0 && write_all(out_fd_, line + "\n");
}

bool AutomationServer::notify(std::string_view method, const json& params) {
  return write_line(
      dump(json{{"jsonrpc", "2.0"}, {"method", std::string(method)}, {"params", params}}));
}

HangupWatch::HangupWatch(int fd, std::function<void()> on_hangup) {
  if (fd < 0 || ::pipe2(wake_, O_CLOEXEC) != 0) return;
  thread_ = std::thread([fd, wake = wake_[0], on_hangup = std::move(on_hangup)] {
    for (;;) {
      // No events asked for the pipe: only its hang-up (or an error) shows.
      pollfd fds[2] = {{fd, 0, 0}, {wake, POLLIN, 0}};
      const int rc = ::poll(fds, 2, -1);
      if (rc < 0 && errno == EINTR) continue;
      if (rc < 0 || fds[1].revents != 0) return;
      if (fds[0].revents & (POLLHUP | POLLERR)) {
        on_hangup();
        return;
      }
      if (fds[0].revents & POLLNVAL) return;
    }
  });
}

HangupWatch::~HangupWatch() {
  if (thread_.joinable()) {
    (void)!::write(wake_[1], "x", 1);
    thread_.join();
  }
  for (int fd : wake_) {
    if (fd >= 0) ::close(fd);
  }
}

ProtocolChannel take_protocol_channel() {
  ignore_broken_pipe();
  ProtocolChannel ch;
  ch.in_fd = ::fcntl(0, F_DUPFD_CLOEXEC, 3);
  ch.out_fd = ::fcntl(1, F_DUPFD_CLOEXEC, 3);
  int null_fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (null_fd >= 0) {
    ::dup2(null_fd, 0);
    ::close(null_fd);
  }
  ::dup2(2, 1);
  return ch;
}

// --- client ------------------------------------------------------------

std::unique_ptr<AutomationClient> AutomationClient::start(const std::vector<std::string>& argv,
                                                          std::string* error) {
  ignore_broken_pipe();
  if (argv.empty()) {
    if (error) *error = "no program to start";
    return nullptr;
  }
  int in_pipe[2], out_pipe[2];
  if (::pipe2(in_pipe, O_CLOEXEC) != 0) {
    if (error) *error = std::strerror(errno);
    return nullptr;
  }
  if (::pipe2(out_pipe, O_CLOEXEC) != 0) {
    if (error) *error = std::strerror(errno);
    ::close(in_pipe[0]);
    ::close(in_pipe[1]);
    return nullptr;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  int rc = ::posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in_pipe[0]);
  ::close(out_pipe[1]);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    ::close(in_pipe[1]);
    ::close(out_pipe[0]);
    return nullptr;
  }
  std::unique_ptr<AutomationClient> client(new AutomationClient());
  client->pid_ = pid;
  client->to_server_ = in_pipe[1];
  client->from_server_ = out_pipe[0];
  return client;
}

AutomationClient::~AutomationClient() {
  if (to_server_ >= 0) ::close(to_server_);
  if (from_server_ >= 0) ::close(from_server_);
  if (pid_ > 0 && !status_) wait();
}

bool AutomationClient::read_line(std::string& line) {
  if (from_server_ < 0) return false;
  if (!reader_) reader_ = std::make_unique<LineReader>(from_server_, LineReader::kNoLimit);
  bool too_long = false;
  std::optional<std::string> next = reader_->next_line(too_long);
  if (!next) return false;
  line = std::move(*next);
  return true;
}

json AutomationClient::call(std::string_view method, const json& params) {
  const long id = next_id_++;
  json request{{"jsonrpc", "2.0"}, {"method", std::string(method)}, {"params", params}, {"id", id}};
  if (to_server_ < 0 || !write_all(to_server_, dump(request) + "\n")) {
    throw AutomationError(std::string(method) + ": the server does not take calls (" +
                          std::strerror(errno) + ")");
  }
  std::string line;
  for (;;) {
    if (!read_line(line)) {
      throw AutomationError(std::string(method) + ": the server ended without answering");
    }
    json reply;
    try {
      reply = json::parse(line);
    } catch (const json::exception&) {
      throw AutomationError(std::string(method) + ": unreadable reply: " + line);
    }
    if (reply.is_object() && !reply.contains("id") && reply.contains("method")) {
      const json& m = reply["method"];
      if (on_notification_ && m.is_string())
        on_notification_(m.get<std::string>(), reply.value("params", json()));
      continue;
    }
    if (!reply.is_object() || reply.value("id", json()) != json(id)) continue;  // not ours
    if (auto err = reply.find("error"); err != reply.end()) {
      std::string text = err->is_object() ? err->value("message", std::string("error")) : "error";
      int code = err->is_object() ? err->value("code", 0) : 0;
      throw AutomationError(std::string(method) + ": " + text + " (" + std::to_string(code) + ")");
    }
    if (auto res = reply.find("result"); res != reply.end()) return *res;
    throw AutomationError(std::string(method) + ": reply without a result");
  }
}

void AutomationClient::release() {
  if (to_server_ < 0) return;
  json note{{"jsonrpc", "2.0"}, {"method", "Release"}};
  write_all(to_server_, dump(note) + "\n");  // a server that has gone needs no release
  ::close(to_server_);
  to_server_ = -1;
}

int AutomationClient::wait() {
  if (status_) return *status_;
  if (to_server_ >= 0) release();
  int raw = 0;
  pid_t r;
  do {
    r = ::waitpid(pid_, &raw, 0);
  } while (r < 0 && errno == EINTR);
  if (r < 0) {
    status_ = 127;
  } else if (WIFEXITED(raw)) {
    status_ = WEXITSTATUS(raw);
  } else if (WIFSIGNALED(raw)) {
    status_ = 128 + WTERMSIG(raw);
  } else {
    status_ = 127;
  }
  return *status_;
}

}  // namespace qn::platform
