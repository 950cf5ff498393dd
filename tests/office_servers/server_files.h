// What the scripted servers share to keep their documents in real files:
// whole-file reads and writes, and a one-line text form of a VARIANT.
#pragma once

#include <string>

#include "platform/com/variant.h"

namespace qn::office_servers {

bool read_file(const std::string& path, std::string* text);
// False when the file cannot be written.
bool write_file(const std::string& path, const std::string& text);

// Tabs, line breaks and backslashes as \t, \n, \r and \\.
std::string escape(const std::string& text);
std::string unescape(const std::string& text);

// "<vt>\t<value>" of a value of a scalar type (a text escaped), and back.
std::string value_text(const com::VARIANT& v);
bool parse_value(const std::string& text, com::VARIANT* v);

}  // namespace qn::office_servers
