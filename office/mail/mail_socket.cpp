#include "office/mail/mail_socket.h"

#include <algorithm>

#include "office/mail/mail_errors.h"

namespace qn::office {
namespace {

// The smallest step by which a message's buffer grows.
constexpr std::size_t kMessageStep = 4 << 20;

}  // namespace
bool has_line_break(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

bool MailSocket::connect(const MailConnector& connector, const std::string& host,
                         std::string_view service, int timeout_s) {
  close();
  timeout_s_ = timeout_s;
  const auto port = platform::service_port(service);
  if (!port) return false;
  const int connect_ms = timeout_s < 0 ? -1 : timeout_s == 0 ? 1000 : timeout_s * 1000;
  connection_ = connector(host, *port, connect_ms);
  return connection_ != nullptr;
}

void MailSocket::close() {
  connection_.reset();
  out_.clear();
  in_.clear();
  in_pos_ = 0;
}

bool MailSocket::flush() {
  if (!connection_) return false;
  if (out_.empty()) return true;
  // Sends get at least a second without progress, even with a time-out of 0.
  const int send_ms = timeout_s_ < 0 ? -1 : timeout_s_ == 0 ? 1000 : timeout_s_ * 1000;
  const bool sent = connection_->send(out_, send_ms);
  out_.clear();
  if (!sent) close();
  return sent;
}

int MailSocket::wait_ms() const { return timeout_s_ < 0 ? -1 : timeout_s_ * 1000; }

MailSocket::Fill MailSocket::fill() {
  switch (connection_->wait(wait_ms())) {
    case platform::WaitResult::kTimeout:
      timed_out_ = true;
      return Fill::kTimeout;
    case platform::WaitResult::kFailed:
      return Fill::kFailed;
    case platform::WaitResult::kReadable:
      break;
  }
  if (in_pos_ > 0 && in_pos_ == in_.size()) {
    in_.clear();
    in_pos_ = 0;
  } else if (in_pos_ > 65536) {
    in_.erase(0, in_pos_);
    in_pos_ = 0;
  }
  char buffer[65536];
  const long n = connection_->receive(buffer, sizeof buffer);
  if (n <= 0) return Fill::kFailed;
  in_.append(buffer, static_cast<std::size_t>(n));
  return Fill::kOk;
}

MailSocket::Fill MailSocket::read_line(std::string& line, std::size_t limit) {
  // Bytes already looked at, counted from in_pos_: fill() may move the
  // buffer's start.
  std::size_t scanned = 0;
  for (;;) {
    const auto lf = in_.find('\n', in_pos_ + scanned);
    if (lf != std::string::npos) {
      line.assign(in_, in_pos_, lf + 1 - in_pos_);
      in_pos_ = lf + 1;
      return Fill::kOk;
    }
    if (in_.size() - in_pos_ > limit) return Fill::kFailed;
    scanned = in_.size() - in_pos_;
    const Fill f = fill();
    if (f != Fill::kOk) return f;
  }
}

bool MailSocket::start_reply() {
  timed_out_ = false;
  return flush();
}

bool MailSocket::read_smtp_reply(std::string& reply) {
  reply.clear();
  if (!start_reply()) return false;
  std::size_t total = 0;
  std::string line;
  for (;;) {
    if (read_line(line, kReplyLimit - total) != Fill::kOk) break;
    total += line.size();
    if (total > kReplyLimit) break;
    if (reply.size() < kReplyKept) reply.append(line, 0, kReplyKept - reply.size());
    if (line.size() < 4 || line[3] != '-') return true;
  }
  reply.clear();
  close();
  return false;
}

bool MailSocket::read_pop3_reply(std::string& reply) {
  reply.clear();
  if (!start_reply()) return false;
  if (read_line(reply, kReplyLimit) != Fill::kOk) {
    reply.clear();
    close();
    return false;
  }
  if (reply.size() > kReplyKept) reply.resize(kReplyKept);
  return true;
}

int MailSocket::receive_message(std::string& content, std::size_t limit) {
  content.clear();
  if (!start_reply()) return kMailConnectionLost;
  std::string line;
  Fill f = read_line(line, kReplyLimit);
  if (f == Fill::kOk && line[0] != '+') return kMailNoMessages;
  // Each byte is looked at once and copied once, straight from the input
  // buffer, as it arrives; a line is taken in pieces when it is long.
  bool line_start = true;
  while (f == Fill::kOk) {
    const std::string_view pending(in_.data() + in_pos_, in_.size() - in_pos_);
    const auto lf = pending.find('\n');
    if (pending.empty() || (line_start && pending[0] == '.' && lf == std::string_view::npos &&
                            pending.size() < 3)) {
      // A line that begins with a dot is the end line or a stuffed dot:
      // decided once its first three bytes (or its end) are in.
      f = fill();
      continue;
    }
    if (line_start && pending[0] == '.') {
      if (pending.starts_with(".\r\n") || pending.starts_with(".\n")) {
        in_pos_ += pending[1] == '\n' ? 2 : 3;
        return kMailOk;
      }
      ++in_pos_;
      line_start = false;
      continue;
    }
    const std::size_t take = lf == std::string_view::npos ? pending.size() : lf + 1;
    if (content.size() + take > limit) break;
    if (content.size() + take > content.capacity()) {
      // Memory follows the data, in steps large enough to stay few.
      content.reserve(std::min(limit, std::max({content.size() + take, 2 * content.capacity(),
                                                kMessageStep})));
    }
    content.append(pending.substr(0, take));
    in_pos_ += take;
    line_start = lf != std::string_view::npos;
  }
  content.clear();
  close();
  return f == Fill::kTimeout ? kMailTimeout : kMailReceiveFailed;
}

}  // namespace qn::office
