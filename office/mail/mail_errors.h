// The mail error codes: one numbering for every mail back-end and the
// facade, each with its text. "%s" in a text, or a text ending in ": ",
// takes a value (the entry, name or number concerned).
#pragma once

#include <string>
#include <string_view>

namespace qn::office {

enum MailError : short {
  kMailOk = 0,
  kMailAlreadyLoggedIn = 1,
  kMailNotLoggedIn = 2,
  kMailLoginFailed = 3,
  kMailOutlookNotStarted = 4,
  kMailFolderNotOpened = 5,
  kMailInvalidSenderName = 6,
  kMailInvalidSenderAddress = 7,
  kMailInvalidUserName = 8,
  kMailInvalidPassword = 9,
  kMailSendFailed = 10,
  kMailNoMessages = 11,
  kMailDeleteFailed = 12,
  kMailNoRecipient = 13,
  kMailInvalidRecipient = 14,
  kMailInvalidAttachment = 15,
  kMailAttachmentNotSaved = 16,
  kMailInvalidValue = 17,
  kMailNoMemory = 18,
  kMailConnectionLost = 19,
  kMailTimeout = 20,
  kMailReceiveFailed = 21,
  kMailReceiveError = 22,
  kMailNoAuthMethod = 23,
  kMailAuthError = 24,
  kMailRefused = 25,
  kMailInvalidMode = 100,
};

// The text of a code as the table holds it, or null for a code outside it.
const char* mail_error_text(int code);

// The message shown for a code: "%s" replaced by value, or value appended to
// a text that ends in ": " and to "Invalid mode: ". Empty for an unknown code.
std::string mail_error_message(int code, std::string_view value = {});

}  // namespace qn::office
