// The Internet mail back-end: the members of the facade's mode 'I' over the
// process-wide SMTP and POP3 sessions. Texts here are Windows-1252 byte
// strings; the component class converts them at its boundary.
//
// Process-wide (shared by every object): the two sessions, the last mail
// error with its text, AddressFormat and the attachment directory, all
// guarded by one mutex. Per object: its last error and DisplayMessages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "office/mail/mail_connection.h"
#include "office/mail/mail_result.h"

namespace qn::office {

// One received message, as Receive hands it out.
struct InternetMessage {
  std::string from, to, cc, subject, text, attachs;
  double date_sent = 0;  // automation dates
  double date_received = 0;
};

// The values the parser gives, dates still as "day/month/year".
struct ParsedMail {
  std::string from, to, cc, subject, text, attachs, date;
};

// Parses one received message (see MessageParser) with the AddressFormat and
// attachment directory in force.
using InternetParser = std::function<MailResult(std::string_view message, int address_format,
                                                const std::string& attach_dir, ParsedMail& out)>;

class QnInternet {
 public:
  QnInternet() = default;
  // Turns DisplayMessages off and logs out: the process-wide sessions close
  // even when another object still uses them.
  ~QnInternet();
  QnInternet(const QnInternet&) = delete;
  QnInternet& operator=(const QnInternet&) = delete;

  int16_t LoginSMTP(const std::string& server, const std::string& from_name,
                    const std::string& from_address, const std::string& user,
                    const std::string& password, int16_t timeout);
  int16_t Logout();
  void put_DisplayMessages(int16_t value);
  int16_t get_Error() const { return error_; }
  int16_t Send(const std::string& to, const std::string& cc, const std::string& bcc,
               const std::string& subject, const std::string& text, const std::string& attachs);
  int16_t LoginPOP3(const std::string& server, const std::string& user, const std::string& password,
                    int16_t new_messages, int16_t delete_after, int16_t timeout);
  // out is written only when the result is 0 or 16.
  int16_t Receive(InternetMessage& out);
  void put_AddressFormat(int16_t value);
  int32_t get_Count();
  void put_AttachDir(const std::string& dir);

 private:
  int16_t finish(MailResult result);

  int16_t error_ = 0;
  int16_t display_messages_ = 0;
};

// The process-wide last error and its text.
int internet_error_code();
std::string internet_error_text();

// An automation date (days since 30 December 1899) from "day/month/year";
// a text that is no valid date gives 1 January 1980.
double automation_date(std::string_view dmy);

// Test seams: the connector of both sessions (an empty one restores real
// sockets; open sessions are closed first) and the message parser.
void set_internet_connector(MailConnector connector);
void set_internet_parser(InternetParser parser);

}  // namespace qn::office
