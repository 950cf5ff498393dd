#include "logic/sql/text_utils.h"

namespace qn::logic {

std::vector<std::string> wrap_text(std::string_view text, size_t width, std::string_view mode,
                                   std::string_view breaks, char quote, std::string_view cont,
                                   std::string_view prefix) {
  std::vector<std::string> out;
  if (width < 2) width = 2;
  // Where each byte stands: inside quotes or not.
  std::vector<bool> quoted(text.size(), false);
  bool in = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (quote != '\0' && text[i] == quote) {
      in = !in;
      quoted[i] = true;
      continue;
    }
    quoted[i] = in;
  }
  size_t start = 0;
  const size_t protect = text.starts_with(prefix) ? prefix.size() : 0;
  while (text.size() - start > width) {
    size_t cut = 0;  // length of this piece
    if (mode == "ww") {
      for (size_t p = std::min(width - 1, text.size() - start - 1) + 1; p-- > 0;) {
        const size_t at = start + p;
        if (at < protect) break;
        if (!quoted[at] && breaks.find(text[at]) != std::string_view::npos) {
          cut = p + 1;
          break;
        }
      }
    }
    if (cut == 0) {
      if (start + width - 1 < protect) break;  // never inside the prefix
      cut = width - 1;
    }
    out.emplace_back(text.substr(start, cut));
    start += cut;
  }
  out.emplace_back(text.substr(start));
  for (size_t i = 1; i < out.size(); ++i) out[i] = std::string(cont) + out[i];
  return out;
}

std::vector<std::string> wrap_sql_text(std::string_view text) {
  return wrap_text(text, 80, "ww", " ", '\'', "", "");
}

}  // namespace qn::logic
