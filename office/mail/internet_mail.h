// The Internet mail back-end's operations over the process-wide SMTP and
// POP3 sessions. Texts here are Windows-1252 byte strings; the component
// class CQnInternet converts them at its boundary and keeps each object's
// own error and DisplayMessages.
//
// Process-wide (shared by every object): the two sessions, the last mail
// error with its text, AddressFormat and the attachment directory, all
// guarded by one mutex. Every operation sets the process-wide error.
#pragma once

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

// The values the parser gives, the date still as "day/month/year".
struct ParsedMail {
  std::string from, to, cc, subject, text, attachs, date;
};

// Parses one received message (header block and body, without the status
// line and the end line) with the AddressFormat and attachment directory in
// force, saving the attachments. The result is 0, or 16 with a file name.
using InternetParser = std::function<MailResult(std::string_view message, int address_format,
                                                const std::string& attach_dir, ParsedMail& out)>;

MailResult internet_login_smtp(const std::string& server, const std::string& from_name,
                               const std::string& from_address, const std::string& user,
                               const std::string& password, int timeout);
// Closes both sessions: 2 when neither was open.
MailResult internet_logout();
MailResult internet_send(const std::string& to, const std::string& cc, const std::string& bcc,
                         const std::string& subject, const std::string& text,
                         const std::string& attachs);
MailResult internet_login_pop3(const std::string& server, const std::string& user,
                               const std::string& password, bool new_messages, bool delete_after,
                               int timeout);
// out is written only when the result is 0 or 16.
MailResult internet_receive(InternetMessage& out);
MailResult internet_count(long& count);
// 0, 1 or 2; any other value gives 17.
MailResult internet_set_address_format(int value);
// Blanks at the end dropped, one '\' added unless it ends in one, then every
// '\' turned into '/'.
MailResult internet_set_attach_dir(std::string_view dir);
// Sets the process-wide error 17 for a DisplayMessages value other than 0
// and 1.
void internet_refuse_display_messages(int value);
// Closes both sessions without setting an error.
void internet_close_sessions();

// The process-wide last error and its text.
int internet_error_code();
std::string internet_error_text();

// An automation date (days since 30 December 1899) from "day/month/year";
// a text that is no valid date gives 1 January 1980.
double automation_date(std::string_view dmy);

// Test seams: the connector of both sessions (an empty one restores real
// sockets; open sessions are closed first) and the message parser (an empty
// one restores the MIME parser).
void set_internet_connector(MailConnector connector);
void set_internet_parser(InternetParser parser);

}  // namespace qn::office
