// Splitting a text into pieces at separator characters, and the rules built
// on it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// split_string/4 (Text, Skip, Keep, Pieces): the pieces of Text between
// separators. A character separates when it is in Skip or Keep, is the
// character 255 or has a code below 32. Characters of Skip never appear in
// a piece; each character of Keep is a piece of its own. The character 255
// and the control characters separate as Skip's do.
std::vector<std::string> split_string(std::string_view text, std::string_view skip,
                                      std::string_view keep);
// name_before_quote/3 (Text, 3, Name): for a string token (type 3), the
// first piece of Text split at quotes, lower-cased; none for another type
// or a text without a piece.
std::optional<std::string> name_before_quote(std::string_view text, int64_t type);
// is_web_target/1 (Text): the name before the quotes of a string begins
// with "h" (a web panel's program name).
bool is_web_target(std::string_view text);
// chg_duplicates_call/3 (_, Text, Lines): the pieces of Text between
// control characters, empty pieces dropped.
std::vector<std::string> chg_duplicates_call(std::string_view text);

}  // namespace qn::logic
