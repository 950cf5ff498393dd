// The SMTP session: login (HELO, or EHLO with AUTH LOGIN), any number of
// messages, logout. Every outcome is a mail error code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "office/mail/mail_result.h"
#include "office/mail/mail_socket.h"

namespace qn::office {

class SmtpClient {
 public:
  explicit SmtpClient(MailConnector connector) : connector_(std::move(connector)) {}

  MailResult login(const std::string& server, const std::string& from_name,
                   const std::string& from_address, const std::string& user,
                   const std::string& password, int timeout_s);
  // attach_dir: the directory put in front of bare file names (ends in '/'
  // when set).
  MailResult send(std::string_view to, std::string_view cc, std::string_view bcc,
                  std::string_view subject, std::string_view text, std::string_view attachs,
                  const std::string& attach_dir);
  // Sends QUIT and closes; false when no session was open.
  bool logout();
  bool is_open() const { return socket_.is_open(); }

 private:
  int command(std::string_view text);
  int read_reply();

  MailConnector connector_;
  MailSocket socket_;
  std::string reply_;
  std::string from_name_;
  std::string from_address_;
};

// The entries of a ';'-separated list, each without its surrounding
// blanks. An empty or all-blank list has none; a list that ends in a
// separator and blanks has a last, empty entry.
std::vector<std::string> split_mail_list(std::string_view list);

// Appends text with every line end (LF, CR LF or CR) as CR LF and a '.'
// doubled at the start of every line.
void append_wire_text(std::string& out, std::string_view text);

}  // namespace qn::office
