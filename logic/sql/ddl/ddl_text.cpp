#include "logic/sql/ddl/ddl_text.h"

#include <stdexcept>

#include "logic/core/host_calls.h"

namespace qn::logic::ddl {

std::string sql(std::string_view text, const SqlVars& vars) {
  std::string out;
  out.reserve(text.size() + 32);
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('$', at);
    if (open == std::string_view::npos) {
      out.append(text.substr(at));
      break;
    }
    out.append(text.substr(at, open - at));
    const std::size_t close = text.find('$', open + 1);
    if (close == std::string_view::npos) throw std::logic_error("unclosed hole in " + std::string(text));
    const std::string_view name = text.substr(open + 1, close - open - 1);
    bool found = false;
    for (const auto& [k, v] : vars) {
      if (k == name) {
        out += v;
        found = true;
        break;
      }
    }
    if (!found) throw std::logic_error("no value for $" + std::string(name) + "$");
    at = close + 1;
  }
  return out;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

bool plain_name(std::string_view name) {
  if (name.empty()) return false;
  for (unsigned char c : name) {
    if (c <= ' ' || c == '\'' || c == '"' || c == 0x7f) return false;
  }
  return true;
}

bool bad_input(Run& run, std::string_view what, std::string_view why) {
  show_error_box(run, std::string(what) + ": " + std::string(why));
  return false;
}

bool check_name(Run& run, std::string_view what, std::string_view name) {
  if (plain_name(name)) return true;
  return bad_input(run, what, "the name \"" + std::string(name) +
                                  "\" is empty or holds a quote or a blank");
}

}  // namespace qn::logic::ddl
