// The parser of received mail: one whole message as the POP3 client receives
// it (status line, header block, body and the end mark "\r\n.\r\n") becomes
// the sender, the recipient lists, the date, the subject, the first text of
// the body and the names of the attachments, which are saved into the
// attachment directory when one is given.
//
// Headers are looked up in the intact header block, each by the first line
// that starts with its name, a colon and a blank (any case); a value runs to
// the end of its line, so continuation lines of a folded header are not part
// of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "office/mime/mime_codes.h"

namespace qn::office {

// How received addresses are written.
enum class AddressFormat : int {
  Name = 0,           // the display name only
  Address = 1,        // the address only
  NameAndAddress = 2  // name " (" address ")"
};

struct ReceivedMessage {
  std::string from;
  std::string to;
  std::string cc;
  std::string subject;
  std::string text;
  std::string attachs;    // attachment names joined by "; "
  std::string date_sent;  // day "/" month "/" year
  std::string date_received;
  int error = kMimeOk;      // kMimeOk, or kMimeAttachmentNotSaved
  std::string error_value;  // the name of the attachment that could not be saved
};

// Parses one message. `attach_dir` ends with '/' when set; when it is empty
// the attachments are listed but not saved. An attachment file that cannot be
// created or written gives kMimeAttachmentNotSaved with its name, and the
// rest of the message is still parsed.
ReceivedMessage ParseMessage(std::string_view message, AddressFormat format,
                             std::string_view attach_dir);

// The value of the first header line `name` of a header block, or none.
std::optional<std::string_view> FindHeader(std::string_view headers, std::string_view name);

// An address header's value as a list joined by "; "; none gives "".
std::string ParseAddressList(std::optional<std::string_view> value, AddressFormat format);

// A Date header's value as day "/" month number "/" year; none, or a month
// that is not one of the twelve English abbreviations, gives "01/01/1980".
std::string ParseDateHeader(std::optional<std::string_view> value);

// The text with its first encoded word ("=?charset?Q?...?=" or B) decoded;
// the character set is not applied. A word with another encoding letter or
// without its closing "?=" stays as it is.
std::string DecodeHeaderWord(std::string_view text);

}  // namespace qn::office
