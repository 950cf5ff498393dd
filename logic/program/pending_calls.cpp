#include "logic/program/pending_calls.h"

namespace qn::logic::pending {

std::optional<std::string> var_target_ref(Run&, const engine::Term&) { return std::nullopt; }
std::optional<std::string> temp_var(Run&, const TypeDesc&) { return std::nullopt; }
std::optional<std::string> cast_expr(const TypeDesc&, std::string_view) { return std::nullopt; }
std::optional<StdConst> std_null_var(std::string_view) { return std::nullopt; }
std::optional<std::string> java_var_type(const TypeDesc&) { return std::nullopt; }
bool declare_var(Run&, std::string_view, const TypeDesc&, std::string_view) { return false; }

std::optional<std::string> pgm_prop_value(Run&, std::string_view) { return std::nullopt; }
std::optional<std::string> dbms_name(Run&) { return std::nullopt; }
std::optional<int64_t> date_format_code(Run&, int64_t) { return std::nullopt; }
std::optional<int64_t> ctod_date_fmt(Run&) { return std::nullopt; }
bool gen_user_event(Run&, std::string_view) { return false; }

}  // namespace qn::logic::pending
