#include "office/mail/mail_errors.h"

namespace qn::office {

const char* mail_error_text(int code) {
  switch (code) {
    case kMailOk:
      return "OK";
    case kMailAlreadyLoggedIn:
      return "Already logged in";
    case kMailNotLoggedIn:
      return "Not logged in";
    case kMailLoginFailed:
      return "Could not complete login";
    case kMailOutlookNotStarted:
      return "Could not start Outlook.";
    case kMailFolderNotOpened:
      return "Could not open folder: ";
    case kMailInvalidSenderName:
      return "Invalid sender name: %s";
    case kMailInvalidSenderAddress:
      return "Invalid sender address: %s";
    case kMailInvalidUserName:
      return "Invalid user name: %s";
    case kMailInvalidPassword:
      return "Invalid password";
    case kMailSendFailed:
      return "Could not send message";
    case kMailNoMessages:
      return "No messages to receive.";
    case kMailDeleteFailed:
      return "Could not delete message";
    case kMailNoRecipient:
      return "No main recipient specified";
    case kMailInvalidRecipient:
      return "Invalid recipient: %s";
    case kMailInvalidAttachment:
      return "Invalid attachment: %s";
    case kMailAttachmentNotSaved:
      return "Could not save attachment: %s";
    case kMailInvalidValue:
      return "Invalid value: %s";
    case kMailNoMemory:
      return "Not enough memory";
    case kMailConnectionLost:
      return "Connection lost";
    case kMailTimeout:
      return "Timeout exceeded.";
    case kMailReceiveFailed:
      return "Memory allocation error.";
    case kMailReceiveError:
      return "Error receiving message";
    case kMailNoAuthMethod:
      return "The server does not recognize any of the supported authentication methods.";
    case kMailAuthError:
      return "Authentication error.";
    case kMailRefused:
      return "User or password refused.";
    case kMailInvalidMode:
      return "Invalid mode: ";
    default:
      return nullptr;
  }
}

std::string mail_error_message(int code, std::string_view value) {
  const char* text = mail_error_text(code);
  if (!text) return {};
  std::string out = text;
  size_t at = out.find("%s");
  if (at != std::string::npos) {
    out.replace(at, 2, value);
  } else if (out.size() >= 2 && out.compare(out.size() - 2, 2, ": ") == 0) {
    out += value;
  }
  return out;
}

}  // namespace qn::office
