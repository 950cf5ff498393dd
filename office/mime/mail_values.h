// Values the mail back-ends write and read alike: received addresses by
// AddressFormat, attachment names and paths, the attachment directory. Paths
// are the program's own texts: '\' separates names, and '/' does too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qn::office {

// The entries of text separated by sep, each without leading and trailing
// blanks; an empty text has none.
std::vector<std::string> split_trimmed(std::string_view text, char sep);

// The entries of a list given to Send (To, CC, BCC, Attachs): separated by
// ';', each without leading and trailing blanks. A list of blanks only has
// no entries; "a;;b" has an empty one between.
std::vector<std::string> mail_list_entries(std::string_view list);

// A received address as AddressFormat says: 0 the name, 1 the address, 2
// name " (" address ")". Any other value writes as 2 (the setters refuse it).
std::string write_address(int address_format, std::string_view name, std::string_view address);

// Appends entry to a received list, entries joined by "; ".
void append_entry(std::string& list, std::string_view entry);

// The part of a path after its last separator ('\' or '/'): the file name
// an attachment is listed and saved under.
std::string_view last_component(std::string_view path);

bool holds_separator(std::string_view path);

// The attachment directory as stored from the text a program assigns: the
// text with a separator added when it does not end with one, the separator
// its text already uses ('/' when it holds a '/' and no '\', else '\').
std::string attach_dir_value(std::string_view text);

// The file an attachment entry of Send names: the entry itself when it holds
// a separator, else attach_dir followed by the entry.
std::string attachment_source(std::string_view entry, std::string_view attach_dir);

// Where a received attachment is saved: attach_dir followed by the last
// component of name, so that no name reaches outside the directory. Empty
// when that component cannot name a file there ("", "." or "..", or a
// control character such as a line break).
std::string attachment_target(std::string_view attach_dir, std::string_view name);

}  // namespace qn::office
