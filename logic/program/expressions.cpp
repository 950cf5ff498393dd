#include "logic/program/expressions.h"

namespace qn::logic {

bool assign_var(Run&, const engine::Term&, const engine::Term&) { return false; }
std::optional<std::string> translate_var_token(Run&, const engine::Term&) { return std::nullopt; }
std::optional<std::string> att_ref_name(Run&, const engine::Term&, const engine::Term&, std::string_view) {
  return std::nullopt;
}
std::optional<std::string> subfile_element_ref(Run&, const engine::Term&) { return std::nullopt; }
bool http_main_pgm(Run&) { return false; }
bool remote_procedure(Run&) { return false; }

}  // namespace qn::logic
