// One mail connection as the SMTP and POP3 clients use it: connect by
// service name, buffered commands flushed before each reply is read, whole
// replies, and the whole reply to a message request.
//
// Any failure or time-out while a reply or a message is read closes the
// connection: what the server sends afterwards could no longer be matched to
// the command it answers.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "office/mail/mail_connection.h"

namespace qn::office {

class MailSocket {
 public:
  // The kept part of a reply; a longer reply is cut.
  static constexpr std::size_t kReplyKept = 1023;
  // A reply whose end does not come within this many bytes is a failure.
  static constexpr std::size_t kReplyLimit = 64 * 1024;

  // Looks the service up and connects; false when the service is not
  // listed or no address of the host accepted within the time-out.
  // timeout_s: seconds for each later wait for data, however many a reply
  // takes (0 returns at once, negative waits without limit); the connect
  // itself gets at least one second.
  bool connect(const MailConnector& connector, const std::string& host, std::string_view service,
               int timeout_s);
  bool is_open() const { return connection_ != nullptr; }
  void close();

  // Adds bytes to the output; they go out before the next reply is read.
  void put(std::string_view bytes) { out_.append(bytes); }
  // Sends what was put. A failure closes the connection.
  bool flush();

  // Flushes, then reads one SMTP reply: up to the line that is not marked
  // as continued ("250-"). False (and closed) on failure or time-out.
  bool read_smtp_reply(std::string& reply);
  // Flushes, then reads one POP3 status line.
  bool read_pop3_reply(std::string& reply);

  // Flushes a message request, then reads its reply: the status line and,
  // when it begins with "+", the message up to the line ".", with the
  // byte-stuffing undone. The message (without the status line and the
  // end line) goes to content. Result: 0, 11 for a refusal, 19 when the
  // request could not be sent, 20 on time-out, 21 when the stream failed,
  // ended early or the message grew beyond limit bytes.
  int receive_message(std::string& content, std::size_t limit);

  // Whether the last reply failed because a wait timed out.
  bool timed_out() const { return timed_out_; }

 private:
  enum class Fill { kOk, kTimeout, kFailed };
  // Waits for data, each wait with the whole time-out, and appends what
  // one receive gives.
  Fill fill();
  // A whole line (with its LF) from the input, reading more as needed.
  Fill read_line(std::string& line, std::size_t limit);
  int wait_ms() const;
  // Flushes and clears the time-out mark before a reply is read.
  bool start_reply();

  std::unique_ptr<MailConnection> connection_;
  std::string out_;
  std::string in_;
  std::size_t in_pos_ = 0;
  int timeout_s_ = 0;
  bool timed_out_ = false;
};

// Whether a text holds a carriage return or a line feed.
bool has_line_break(std::string_view text);

}  // namespace qn::office
