#include "office/mail/pop3_client.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "office/mail/mail_errors.h"

namespace qn::office {
namespace {

// Message numbers and sizes are taken between 0 and the largest 32-bit
// number, whatever the server writes.
long bounded(std::string_view digits) {
  const long n = std::strtol(std::string(digits.substr(0, 24)).c_str(), nullptr, 10);
  return std::clamp(n, 0L, long{INT32_MAX});
}

// The decimal number that begins at the fifth character of a reply
// ("+OK 5 1200").
long number_at_fifth(std::string_view reply) {
  return reply.size() <= 4 ? 0 : bounded(reply.substr(4));
}

// The number after the last blank of the reply line.
long last_number(std::string_view reply) {
  while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) reply.remove_suffix(1);
  const auto blank = reply.rfind(' ');
  return blank == std::string_view::npos ? 0 : bounded(reply.substr(blank + 1));
}

}  // namespace

bool Pop3Client::command(std::string_view text) {
  socket_.put(text);
  return socket_.read_pop3_reply(reply_) && reply_[0] == '+';
}

MailResult Pop3Client::login(const std::string& server, const std::string& user,
                             const std::string& password, bool new_messages, bool delete_after,
                             int timeout_s) {
  if (socket_.is_open()) return {kMailAlreadyLoggedIn, {}};
  if (has_line_break(user)) return {kMailInvalidUserName, user};
  if (has_line_break(password)) return {kMailInvalidPassword, {}};
  auto fail = [this](MailResult result) {
    socket_.close();
    return result;
  };
  if (!socket_.connect(connector_, server, "pop3", timeout_s) &&
      !socket_.connect(connector_, server, "pop-3", timeout_s)) {
    return fail({kMailLoginFailed, {}});
  }
  if (!socket_.read_pop3_reply(reply_) || reply_[0] != '+') return fail({kMailLoginFailed, {}});
  if (!command("USER " + user + "\r\n")) return fail({kMailInvalidUserName, user});
  if (!command("PASS " + password + "\r\n")) return fail({kMailInvalidPassword, {}});
  last_ = 0;
  new_messages_ = new_messages;
  delete_ = delete_after;
  // A refused LAST is no error; a LAST that ended the session is.
  if (new_messages_ && command("LAST\r\n")) last_ = number_at_fifth(reply_);
  if (!socket_.is_open()) {
    return {socket_.timed_out() ? kMailTimeout : kMailConnectionLost, {}};
  }
  return {kMailOk, {}};
}

MailResult Pop3Client::count(long& messages) {
  if (!socket_.is_open()) return {kMailNotLoggedIn, {}};
  if (!command("STAT\r\n")) return {kMailConnectionLost, {}};
  long n = number_at_fifth(reply_);
  // A server without LAST has seen nothing: the count stays whole, as at
  // login.
  if (new_messages_ && command("LAST\r\n")) n -= number_at_fifth(reply_);
  if (!socket_.is_open()) return {kMailConnectionLost, {}};
  messages = n;
  return {kMailOk, {}};
}

MailResult Pop3Client::receive(const MessageParser& parse) {
  message_.clear();
  if (!socket_.is_open()) return {kMailNotLoggedIn, {}};
  if (last_ < INT32_MAX) ++last_;
  const std::string number = std::to_string(last_);
  if (!command("LIST " + number + "\r\n")) return {kMailNoMessages, {}};
  // The message may not grow beyond what LIST announced, with room for the
  // line ends and stuffing a server adds; memory is taken as it arrives.
  const auto limit =
      static_cast<std::size_t>(static_cast<double>(last_number(reply_)) * 1.4 + 32768);
  socket_.put("RETR " + number + "\r\n");
  int received;
  try {
    received = socket_.receive_message(message_, limit);
  } catch (const std::bad_alloc&) {
    message_.clear();
    message_.shrink_to_fit();
    socket_.close();
    return {kMailNoMemory, {}};
  }
  if (received != kMailOk) return {received, {}};
  const MailResult result = parse(message_);
  if (delete_ && result.code == kMailOk) command("DELE " + number + "\r\n");
  return result;
}

bool Pop3Client::logout() {
  if (!socket_.is_open()) return false;
  command("QUIT\r\n");
  socket_.close();
  message_.clear();
  message_.shrink_to_fit();
  return true;
}

}  // namespace qn::office
