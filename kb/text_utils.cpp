#include "kb/text_utils.h"

#include <algorithm>
#include <cstdio>

namespace qn::kb {

void translate_chars(std::string& text, std::string_view from, std::string_view to) {
  for (char& c : text) {
    const std::size_t at = from.find(c);
    if (at != std::string_view::npos && at < to.size()) c = to[at];
  }
}

std::string replicate_char(char c, int n) {
  return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), c);
}

int make_aux_name(int with_v, const host::TermValue& name, int number, int letter,
                  host::TermValue& out) {
  std::string text;
  if (!host::term_get_text(name, text)) return 0;
  std::string aux;
  const char l = static_cast<char>(letter);
  if (text.rfind("Qn", 0) == 0) {
    aux = text.substr(0, 10);
  } else if (number == 0) {
    aux = std::string(1, l) + text.substr(0, 9);
  } else {
    aux = std::string(1, l) + (with_v ? "V" : "") + std::to_string(number) + text.substr(0, 8);
    if (aux.size() > 10) aux.resize(10);
  }
  return host::term_unify_atom(aux, out) ? 1 : 0;
}

std::string int_to_fixed_digits(int value, int width, std::size_t size) {
  // A width beyond the output's room pads no further than the room.
  const int w =
      width < 1 ? 0
                : static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(width), size));
  std::string text(static_cast<std::size_t>(w) + 16, '\0');
  text.resize(static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%0*d", w, value)));
  if (text.size() > static_cast<std::size_t>(w))
    text.erase(0, text.size() - static_cast<std::size_t>(w));
  if (size > 0 && text.size() > size - 1) text.resize(size - 1);
  return text;
}

int double_chars(std::string_view text, std::string_view set, bool keep_enclosing, std::string& out,
                 std::size_t size) {
  const std::size_t limit = size > 0 ? size - 1 : 0;
  const bool enclosed = keep_enclosing && text.size() >= 2 &&
                        set.find(text.front()) != std::string_view::npos &&
                        text.front() == text.back();
  const std::string_view inner = enclosed ? text.substr(1, text.size() - 2) : text;
  if (inner.find_first_of(set) == std::string_view::npos) {
    out.assign(text.substr(0, limit));
    return 0;
  }
  out.clear();
  if (enclosed) out += text.front();
  for (char c : inner) {
    out += c;
    if (set.find(c) != std::string_view::npos) out += c;
  }
  if (enclosed) out += text.back();
  if (out.size() > limit) out.resize(limit);
  return 1;
}

}  // namespace qn::kb
