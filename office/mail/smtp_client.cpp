#include "office/mail/smtp_client.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "office/mail/mail_errors.h"
#include "office/mail/wire_base64.h"
#include "office/mime/mail_values.h"
#include "platform/path.h"

namespace qn::office {
namespace {

constexpr std::string_view kBoundaryLine = "------_=_NextPart_000_01BF2AB4.8FAEA5A0";
constexpr std::string_view kMultipartHeader =
    "multipart/mixed;\r\n"
    "  boundary=\"----_=_NextPart_000_01BF2AB4.8FAEA5A0\"\r\n"
    "\r\n"
    "This message is in MIME format. Since your mail reader does not understand\r\n"
    "this format, some or all of this message may not be legible.\r\n"
    "\r\n"
    "------_=_NextPart_000_01BF2AB4.8FAEA5A0\r\n"
    "Content-Type: text/plain\r\n";
constexpr std::string_view kClosingBoundary = "\r\n------_=_NextPart_000_01BF2AB4.8FAEA5A0--\r\n";
// Sender fields are 255 characters wide.
constexpr std::size_t kSenderWidth = 255;

int reply_code(std::string_view reply) {
  int code = 0;
  for (std::size_t i = 0;
       i < reply.size() && i < 9 && std::isdigit(static_cast<unsigned char>(reply[i])); ++i) {
    code = code * 10 + (reply[i] - '0');
  }
  return code;
}

std::size_t find_no_case(std::string_view text, std::string_view word, std::size_t from = 0) {
  const auto it = std::search(text.begin() + std::min(from, text.size()), text.end(), word.begin(),
                              word.end(), [](char a, char b) {
                                return std::toupper(static_cast<unsigned char>(a)) ==
                                       std::toupper(static_cast<unsigned char>(b));
                              });
  return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

// A header value on one line: carriage returns and line feeds become blanks.
std::string header_value(std::string_view value) {
  std::string out(value);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return out;
}

std::string list_header(std::string_view list) {
  std::string out = header_value(list);
  std::replace(out.begin(), out.end(), ';', ',');
  return out;
}

}  // namespace

std::vector<std::string> split_mail_list(std::string_view list) { return mail_list_entries(list); }

void append_wire_text(std::string& out, std::string_view text) {
  bool line_start = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (line_start && c == '.') out.push_back('.');
    line_start = false;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.append("\r\n");
      line_start = true;
    } else {
      out.push_back(c);
    }
  }
}

int SmtpClient::read_reply() { return socket_.read_smtp_reply(reply_) ? reply_code(reply_) : 0; }

int SmtpClient::command(std::string_view text) {
  socket_.put(text);
  return read_reply();
}

MailResult SmtpClient::login(const std::string& server, const std::string& from_name,
                             const std::string& from_address, const std::string& user,
                             const std::string& password, int timeout_s) {
  if (socket_.is_open()) return {kMailAlreadyLoggedIn, {}};
  if (from_name.empty() || from_name.size() > kSenderWidth) return {kMailInvalidSenderName, from_name};
  if (from_address.empty() || from_address.size() > kSenderWidth || has_line_break(from_address)) {
    return {kMailInvalidSenderAddress, from_address};
  }
  if (has_line_break(user)) return {kMailInvalidUserName, user};
  if (has_line_break(password)) return {kMailInvalidPassword, {}};

  auto fail = [this](MailError code) {
    socket_.close();
    return MailResult{code, {}};
  };
  if (!socket_.connect(connector_, server, "smtp", timeout_s)) return fail(kMailLoginFailed);
  if (read_reply() != 220) return fail(kMailLoginFailed);
  const std::string host = platform::local_host_name();
  if (user.empty()) {
    if (command("HELO " + host + "\r\n") != 250) return fail(kMailLoginFailed);
  } else {
    if (command("EHLO " + host + "\r\n") != 250) {
      return fail(socket_.timed_out() ? kMailTimeout : kMailNoAuthMethod);
    }
    const auto auth = find_no_case(reply_, "AUTH");
    if (auth == std::string::npos) return fail(kMailNoAuthMethod);
    const auto line_end = reply_.find("\r\n", auth);
    if (line_end == std::string::npos) return fail(kMailLoginFailed);
    if (find_no_case(std::string_view(reply_).substr(0, line_end), "LOGIN", auth) ==
        std::string::npos) {
      return fail(kMailNoAuthMethod);
    }
    if (command("AUTH LOGIN\r\n") != 334) return fail(kMailAuthError);
    if (command(base64_line(user) + "\r\n") != 334) return fail(kMailAuthError);
    if (command(base64_line(password) + "\r\n") != 235) return fail(kMailRefused);
  }
  from_name_ = from_name;
  from_address_ = from_address;
  return {kMailOk, {}};
}

MailResult SmtpClient::send(std::string_view to, std::string_view cc, std::string_view bcc,
                            std::string_view subject, std::string_view text,
                            std::string_view attachs, const std::string& attach_dir) {
  if (!socket_.is_open()) return {kMailNotLoggedIn, {}};
  const auto to_list = split_mail_list(to);
  if (to_list.empty()) return {kMailNoRecipient, {}};
  std::vector<std::string> recipients = to_list;
  for (std::string_view list : {cc, bcc}) {
    auto more = split_mail_list(list);
    recipients.insert(recipients.end(), std::make_move_iterator(more.begin()),
                      std::make_move_iterator(more.end()));
  }
  // A line break would end the command early and smuggle the rest in as one
  // of its own: refused before anything is sent.
  for (const auto& r : recipients) {
    if (has_line_break(r)) return {kMailInvalidRecipient, r};
  }

  if (command("MAIL FROM:<" + from_address_ + ">\r\n") != 250) return {kMailSendFailed, {}};
  for (const auto& r : recipients) {
    if (command("RCPT TO:<" + r + ">\r\n") != 250) {
      if (socket_.is_open()) command("RSET\r\n");
      return {kMailInvalidRecipient, r};
    }
  }
  if (command("DATA\r\n") != 354) return {kMailSendFailed, {}};

  // The whole message goes out in one flush before the final reply.
  socket_.put("From: \"" + header_value(from_name_) + "\" <" + from_address_ + ">\r\n");
  socket_.put("To: " + list_header(to) + "\r\n");
  socket_.put("Cc: " + list_header(cc) + "\r\n");
  socket_.put("Subject: " + header_value(subject) + "\r\n");
  socket_.put("MIME-Version: 1.0\r\nContent-Type: ");
  const auto attachments = split_mail_list(attachs);
  socket_.put(attachments.empty() ? std::string_view("text/plain\r\n") : kMultipartHeader);
  socket_.put("\r\n");
  std::string body;
  append_wire_text(body, text);
  socket_.put(body);

  MailResult result;
  for (std::string entry : attachments) {
    std::replace(entry.begin(), entry.end(), '\\', '/');
    const auto slash = entry.rfind('/');
    std::string path = slash == std::string::npos ? attach_dir + entry : entry;
    const std::string name =
        header_value(slash == std::string::npos ? entry : entry.substr(slash + 1));
    const std::string mapped = platform::map_path(path);
    std::error_code ec;
    std::ifstream file;
    if (std::filesystem::is_regular_file(mapped, ec)) file.open(mapped, std::ios::binary);
    std::string bytes;
    if (file) bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file.is_open() || file.bad()) {
      result = {kMailInvalidAttachment, path};
      break;
    }
    std::string part;
    part.append("\r\n\r\n").append(kBoundaryLine).append("\r\n");
    part.append("Content-Type: application/octet-stream;\r\n  name=\"")
        .append(name)
        .append("\"\r\n");
    part.append("Content-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n");
    part.append("  filename=\"").append(name).append("\"\r\n\r\n");
    append_base64_lines(part, bytes);
    socket_.put(part);
  }
  if (!attachments.empty()) socket_.put(kClosingBoundary);
  const int end = command("\r\n.\r\n");
  if (result.code != kMailOk) return result;
  if (end != 250) return {kMailSendFailed, {}};
  return {kMailOk, {}};
}

bool SmtpClient::logout() {
  if (!socket_.is_open()) return false;
  command("QUIT\r\n");
  socket_.close();
  return true;
}

}  // namespace qn::office
