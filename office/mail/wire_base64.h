// Base64 as the SMTP client puts it on the wire: credentials on one line,
// attachments in lines of 72 characters, each ended by CR LF.
#pragma once

#include <string>
#include <string_view>

namespace qn::office {

std::string base64_line(std::string_view bytes);
// Nothing for no bytes; otherwise every line, the last one included, ends
// in CR LF.
void append_base64_lines(std::string& out, std::string_view bytes);

}  // namespace qn::office
