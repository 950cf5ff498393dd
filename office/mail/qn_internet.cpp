#include "office/mail/qn_internet.h"

#include <algorithm>
#include <charconv>
#include <mutex>
#include <optional>

#include "office/mail/pop3_client.h"
#include "office/mail/smtp_client.h"
#include "platform/message_box.h"

namespace qn::office {
namespace {

// The mail error texts come from the module's error table.
std::string error_text(int code, const std::string& value) {
  return std::to_string(code) + (value.empty() ? "" : ": " + value);
}

struct Shared {
  std::mutex mutex;
  MailConnector connector = socket_connector();
  InternetParser parser;
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
  void set_error(const MailResult& r) {
    error_code = r.code;
    error_text = office::error_text(r.code, r.value);
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
  return static_cast<double>(days_from_civil(*y, static_cast<unsigned>(*m),
                                             static_cast<unsigned>(*d)) - kEpoch);
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
  shared().parser = std::move(parser);
}

QnInternet::~QnInternet() {
  display_messages_ = 0;
  Shared& s = shared();
  std::lock_guard lock(s.mutex);
  if (s.smtp) s.smtp->logout();
  if (s.pop3) s.pop3->logout();
}

// Keeps the result as the object's error and the process-wide error, and
// shows its text when asked to. The box is shown outside the lock.
int16_t QnInternet::finish(MailResult result) {
  std::string text;
  {
    std::lock_guard lock(shared().mutex);
    shared().set_error(result);
    text = shared().error_text;
  }
  error_ = static_cast<int16_t>(result.code);
  if (error_ != 0 && display_messages_ == 1) platform::message_box(text, "", platform::kMbOk);
  return error_;
}

int16_t QnInternet::LoginSMTP(const std::string& server, const std::string& from_name,
                              const std::string& from_address, const std::string& user,
                              const std::string& password, int16_t timeout) {
  MailResult r;
  {
    std::lock_guard lock(shared().mutex);
    r = shared().smtp_client().login(server, from_name, from_address, user, password, timeout);
  }
  return finish(r);
}

int16_t QnInternet::Logout() {
  MailResult r;
  {
    Shared& s = shared();
    std::lock_guard lock(s.mutex);
    const bool smtp_open = s.smtp && s.smtp->logout();
    const bool pop3_open = s.pop3 && s.pop3->logout();
    r.code = smtp_open || pop3_open ? 0 : 2;
  }
  return finish(r);
}

void QnInternet::put_DisplayMessages(int16_t value) {
  if (value == 0 || value == 1) {
    display_messages_ = value;
    return;
  }
  std::lock_guard lock(shared().mutex);
  shared().set_error({17, std::to_string(value)});
}

int16_t QnInternet::Send(const std::string& to, const std::string& cc, const std::string& bcc,
                         const std::string& subject, const std::string& text,
                         const std::string& attachs) {
  MailResult r;
  {
    Shared& s = shared();
    std::lock_guard lock(s.mutex);
    r = s.smtp_client().send(to, cc, bcc, subject, text, attachs, s.attach_dir);
  }
  return finish(r);
}

int16_t QnInternet::LoginPOP3(const std::string& server, const std::string& user,
                              const std::string& password, int16_t new_messages,
                              int16_t delete_after, int16_t timeout) {
  MailResult r;
  {
    std::lock_guard lock(shared().mutex);
    r = shared().pop3_client().login(server, user, password, new_messages != 0, delete_after != 0,
                                     timeout);
  }
  return finish(r);
}

int16_t QnInternet::Receive(InternetMessage& out) {
  MailResult r;
  ParsedMail parsed;
  {
    Shared& s = shared();
    std::lock_guard lock(s.mutex);
    r = s.pop3_client().receive([&](std::string_view message) {
      if (!s.parser) return MailResult{0, {}};
      return s.parser(message, s.address_format, s.attach_dir, parsed);
    });
  }
  if (r.code == 0 || r.code == 16) {
    out.from = std::move(parsed.from);
    out.to = std::move(parsed.to);
    out.cc = std::move(parsed.cc);
    out.subject = std::move(parsed.subject);
    out.date_sent = out.date_received = automation_date(parsed.date);
    out.attachs = std::move(parsed.attachs);
    out.text = std::move(parsed.text);
  }
  return finish(r);
}

void QnInternet::put_AddressFormat(int16_t value) {
  MailResult r;
  if (value >= 0 && value <= 2) {
    std::lock_guard lock(shared().mutex);
    shared().address_format = value;
  } else {
    r = {17, std::to_string(value)};
  }
  finish(r);
}

int32_t QnInternet::get_Count() {
  long count = 0;
  MailResult r;
  {
    std::lock_guard lock(shared().mutex);
    r = shared().pop3_client().count(count);
  }
  finish(r);
  return r.code == 0 ? static_cast<int32_t>(count) : 0;
}

void QnInternet::put_AttachDir(const std::string& dir) {
  std::string d = dir;
  while (!d.empty() && d.back() == ' ') d.pop_back();
  if (d.empty() || d.back() != '\\') d.push_back('\\');
  std::replace(d.begin(), d.end(), '\\', '/');
  {
    std::lock_guard lock(shared().mutex);
    shared().attach_dir = std::move(d);
  }
  finish({});
}

}  // namespace qn::office
