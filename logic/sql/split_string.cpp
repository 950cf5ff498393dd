#include "logic/sql/split_string.h"

#include "platform/cp1252.h"

namespace qn::logic {

namespace {

bool separates(unsigned char c, std::string_view list) {
  return c == 255 || c < 32 || list.find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> split_string(std::string_view text, std::string_view skip,
                                      std::string_view keep) {
  std::vector<std::string> pieces;
  size_t pos = 0;
  for (;;) {
    while (pos < text.size() && separates(static_cast<unsigned char>(text[pos]), skip)) ++pos;
    if (pos >= text.size()) return pieces;
    size_t end = pos;
    while (end < text.size()) {
      const auto c = static_cast<unsigned char>(text[end]);
      if (separates(c, skip) || separates(c, keep)) break;
      ++end;
    }
    // A separator that is not skipped where a piece starts is a kept
    // character: a piece of its own.
    if (end == pos) end = pos + 1;
    pieces.emplace_back(text.substr(pos, end - pos));
    pos = end;
  }
}

std::optional<std::string> name_before_quote(std::string_view text, int64_t type) {
  if (type != 3) return std::nullopt;
  const auto pieces = split_string(text, "'\"", "");
  if (pieces.empty()) return std::nullopt;
  return platform::lower_1252(pieces.front());
}

bool is_web_target(std::string_view text) {
  const auto name = name_before_quote(text, 3);
  return name && !name->empty() && platform::upper_1252(name->substr(0, 1)) == "H";
}

std::vector<std::string> chg_duplicates_call(std::string_view text) {
  // Control characters always separate and are skipped, so no piece is empty.
  return split_string(text, "", "");
}

}  // namespace qn::logic
