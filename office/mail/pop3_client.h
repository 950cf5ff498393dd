// The POP3 session: login, count, one message per receive in server order
// (optionally only those after the server's LAST, optionally deleting each
// one received), logout.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "office/mail/mail_result.h"
#include "office/mail/mail_socket.h"

namespace qn::office {

// Takes a received message (header block and body with CR LF line ends,
// byte-stuffing undone, without the status line and the end line): parses
// it, keeps its values and saves its attachments. The result is 0, or 16
// with the name of a file that could not be saved.
using MessageParser = std::function<MailResult(std::string_view message)>;

class Pop3Client {
 public:
  explicit Pop3Client(MailConnector connector) : connector_(std::move(connector)) {}

  MailResult login(const std::string& server, const std::string& user, const std::string& password,
                   bool new_messages, bool delete_after, int timeout_s);
  MailResult count(long& messages);
  // Takes the next message; parse runs when it came whole.
  MailResult receive(const MessageParser& parse);
  // Sends QUIT and closes; false when no session was open.
  bool logout();
  bool is_open() const { return socket_.is_open(); }
  // The number of the last message taken.
  long last_taken() const { return last_; }

 private:
  bool command(std::string_view text);

  MailConnector connector_;
  MailSocket socket_;
  std::string reply_;
  std::string message_;
  long last_ = 0;
  bool new_messages_ = false;
  bool delete_ = false;
};

}  // namespace qn::office
