// Text utilities of the SQL and debug writers: wrapping a text into pieces
// at break characters, and an SQL statement into pieces of at most 80
// characters that rejoin byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qn::logic {

// wrap_text/7 (Text, Width, Mode, Breaks, Quote, Continue, Prefix): pieces
// of at most Width characters. Mode ww breaks after the last break
// character at a 0-based position <= Width - 1 of the rest, else at
// Width - 1; characters between two Quote characters never break; a
// break is never inside the Prefix (then the rest is one piece). Every
// piece after the first begins with Continue.
std::vector<std::string> wrap_text(std::string_view text, size_t width, std::string_view mode,
                                   std::string_view breaks, char quote, std::string_view cont,
                                   std::string_view prefix);
// wrap_sql_text/2: width 80, mode ww, blanks outside '...', no Continue
// and no Prefix: the pieces rejoin to the text.
std::vector<std::string> wrap_sql_text(std::string_view text);

}  // namespace qn::logic
