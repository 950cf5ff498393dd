#include "office/mail/internet_mail.h"

#include <algorithm>
#include <charconv>
#include <mutex>
#include <optional>

#include "office/mail/mail_errors.h"
#include "office/mail/pop3_client.h"
#include "office/mail/smtp_client.h"
#include "office/mime/mime_parser.h"

namespace qn::office {
namespace {

// The MIME parser over the message as the POP3 server sent it: the status
// line and the end mark put back around it.
MailResult parse_mime(std::string_view message, int address_format, const std::string& attach_dir,
                      ParsedMail& out) {
  std::string whole = "+OK\r\n";
  whole.append(message);
  whole.append(message.empty() || message.ends_with("\r\n") ? ".\r\n" : "\r\n.\r\n");
  ReceivedMessage m = ParseMessage(whole, static_cast<AddressFormat>(address_format), attach_dir);
  out = {std::move(m.from), std::move(m.to),      std::move(m.cc),       std::move(m.subject),
         std::move(m.text), std::move(m.attachs), std::move(m.date_sent)};
  return {m.error, std::move(m.error_value)};
}

struct Shared {
  std::mutex mutex;
  MailConnector connector = socket_connector();
  InternetParser parser = parse_mime;
  std::optional<SmtpClient> smtp;
  std::optional<Pop3Client> pop3;
  int error_code = 0;
  std::string error_text;
  int address_format = 2;
  std::string attach_dir;

  SmtpClient& smtp_client() {
    if (!smtp) smtp.emplace(connector);
    return *smtp;
  }
  Pop3Client& pop3_client() {
    if (!pop3) pop3.emplace(connector);
    return *pop3;
  }
  const MailResult& record(const MailResult& r) {
    error_code = r.code;
    error_text = mail_error_message(r.code, r.value);
    return r;
  }
};

Shared& shared() {
  static Shared* s = new Shared;  // lives to the end of the process, sessions included
  return *s;
}

std::optional<int> leading_number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
long days_from_civil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

bool valid_date(int y, int m, int d) {
  if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

}  // namespace

double automation_date(std::string_view dmy) {
  // Day 0 of automation dates is 30 December 1899.
  static const long kEpoch = days_from_civil(1899, 12, 30);
  const auto first = dmy.find('/');
  const auto last = dmy.rfind('/');
  std::optional<int> d, m, y;
  if (first != std::string_view::npos && last != first) {
    d = leading_number(dmy.substr(0, first));
    m = leading_number(dmy.substr(first + 1));
    y = leading_number(dmy.substr(last + 1));
  }
  if (!d || !m || !y || !valid_date(*y, *m, *d)) {
    d = 1, m = 1, y = 1980;
  }
  return static_cast<double>(
      days_from_civil(*y, static_cast<unsigned>(*m), static_cast<unsigned>(*d)) - kEpoch);
}

int internet_error_code() {
  std::lock_guard lock(shared().mutex);
  return shared().error_code;
}

std::string internet_error_text() {
  std::lock_guard lock(shared().mutex);
  return shared().error_text;
}

void set_internet_connector(MailConnector connector) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  if (s.smtp) s.smtp->logout();
  if (s.pop3) s.pop3->logout();
  s.smtp.reset();
  s.pop3.reset();
  s.connector = connector ? std::move(connector) : socket_connector();
}

void set_internet_parser(InternetParser parser) {
  std::lock_guard lock(shared().mutex);
  shared().parser = parser ? std::move(parser) : parse_mime;
}

MailResult internet_login_smtp(const std::string& server, const std::string& from_name,
                               const std::string& from_address, const std::string& user,
                               const std::string& password, int timeout) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  return s.record(s.smtp_client().login(server, from_name, from_address, user, password, timeout));
}

MailResult internet_logout() {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  const bool smtp_open = s.smtp && s.smtp->logout();
  const bool pop3_open = s.pop3 && s.pop3->logout();
  return s.record({smtp_open || pop3_open ? kMailOk : kMailNotLoggedIn, {}});
}

void internet_close_sessions() {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  if (s.smtp) s.smtp->logout();
  if (s.pop3) s.pop3->logout();
}

MailResult internet_send(const std::string& to, const std::string& cc, const std::string& bcc,
                         const std::string& subject, const std::string& text,
                         const std::string& attachs) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  return s.record(s.smtp_client().send(to, cc, bcc, subject, text, attachs, s.attach_dir));
}

MailResult internet_login_pop3(const std::string& server, const std::string& user,
                               const std::string& password, bool new_messages, bool delete_after,
                               int timeout) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  return s.record(
      s.pop3_client().login(server, user, password, new_messages, delete_after, timeout));
}

MailResult internet_receive(InternetMessage& out) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  ParsedMail parsed;
  const MailResult r = s.pop3_client().receive([&](std::string_view message) {
    return s.parser(message, s.address_format, s.attach_dir, parsed);
  });
  if (r.code == kMailOk || r.code == kMailAttachmentNotSaved) {
    out.from = std::move(parsed.from);
    out.to = std::move(parsed.to);
    out.cc = std::move(parsed.cc);
    out.subject = std::move(parsed.subject);
    out.date_sent = out.date_received = automation_date(parsed.date);
    out.attachs = std::move(parsed.attachs);
    out.text = std::move(parsed.text);
  }
  return s.record(r);
}

MailResult internet_count(long& count) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  return s.record(s.pop3_client().count(count));
}

MailResult internet_set_address_format(int value) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  if (value < 0 || value > 2) return s.record({kMailInvalidValue, std::to_string(value)});
  s.address_format = value;
  return s.record({});
}

MailResult internet_set_attach_dir(std::string_view dir) {
  std::string d(dir);
  while (!d.empty() && d.back() == ' ') d.pop_back();
  if (d.empty() || d.back() != '\\') d.push_back('\\');
  std::replace(d.begin(), d.end(), '\\', '/');
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  s.attach_dir = std::move(d);
  return s.record({});
}

void internet_refuse_display_messages(int value) {
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  s.record({kMailInvalidValue, std::to_string(value)});
}

}  // namespace qn::office
