#include "office/mail/mail_socket.h"

#include <chrono>

namespace qn::office {
namespace {

constexpr long long kNoDeadline = -1;

long long now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

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

long long MailSocket::reply_deadline() const {
  return timeout_s_ < 0 ? kNoDeadline : now_ms() + timeout_s_ * 1000LL;
}

int MailSocket::wait_ms(long long deadline_ms) const {
  if (deadline_ms == kNoDeadline) return -1;
  const long long left = deadline_ms - now_ms();
  return left > 0 ? static_cast<int>(left) : 0;
}

MailSocket::Fill MailSocket::fill(long long deadline_ms) {
  switch (connection_->wait(wait_ms(deadline_ms))) {
    case platform::WaitResult::kTimeout:
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

MailSocket::Fill MailSocket::read_line(std::string& line, long long deadline_ms,
                                       std::size_t limit) {
  std::size_t scanned = in_pos_;
  for (;;) {
    const auto lf = in_.find('\n', scanned);
    if (lf != std::string::npos) {
      line.assign(in_, in_pos_, lf + 1 - in_pos_);
      in_pos_ = lf + 1;
      return Fill::kOk;
    }
    if (in_.size() - in_pos_ > limit) return Fill::kFailed;
    scanned = in_.size() - in_pos_;
    const Fill f = fill(deadline_ms);
    if (f != Fill::kOk) return f;
    scanned += in_pos_;
  }
}

bool MailSocket::read_smtp_reply(std::string& reply) {
  reply.clear();
  if (!flush()) return false;
  const long long deadline = reply_deadline();
  std::size_t total = 0;
  std::string line;
  for (;;) {
    if (read_line(line, deadline, kReplyLimit - total) != Fill::kOk) break;
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
  if (!flush()) return false;
  if (read_line(reply, reply_deadline(), kReplyLimit) != Fill::kOk) {
    reply.clear();
    close();
    return false;
  }
  if (reply.size() > kReplyKept) reply.resize(kReplyKept);
  return true;
}

int MailSocket::receive_message(std::string& content, std::size_t limit) {
  content.clear();
  if (!flush()) return 19;
  const long long deadline = reply_deadline();
  std::string line;
  Fill f = read_line(line, deadline, kReplyLimit);
  if (f == Fill::kOk && line[0] != '+') return 11;
  while (f == Fill::kOk) {
    // Lines are taken straight from the input buffer: a large message is
    // copied once.
    const auto lf = in_.find('\n', in_pos_);
    if (lf == std::string::npos) {
      if (content.size() + (in_.size() - in_pos_) > limit) break;
      f = fill(deadline);
      continue;
    }
    std::string_view text(in_.data() + in_pos_, lf + 1 - in_pos_);
    in_pos_ = lf + 1;
    if (text == ".\r\n" || text == ".\n") return 0;
    if (text[0] == '.') text.remove_prefix(1);
    if (content.size() + text.size() > limit) break;
    content.append(text);
  }
  content.clear();
  close();
  return f == Fill::kTimeout ? 20 : 21;
}

}  // namespace qn::office
