#include "logic/program/debug_checks.h"

#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"

namespace qn::logic {

using engine::Term;

bool gen_debug_info(Run& run) { return pgm_prop_is(run, "GEN_DEBUG_INFO", "Y"); }

bool dbg_trace_call(Run& run, const Term& label, const std::vector<Term>& items) {
  if (!gen_debug_info(run)) return true;
  Out out(run);
  for (const Term& item : items) {
    std::string text;
    if (item.is_list()) {
      for (const Term& e : item.list_items()) text += text_of(e) + " ";
    } else {
      text = item.is_int() ? std::to_string(item.as_int()) : text_of(item);
    }
    out.pieces({"QN_dbg(", label, ",", java_quoted(text), ");"});
  }
  return out.ok();
}

bool array_index_check(Run& run, const std::vector<std::string>& dims, std::string_view name,
                       const std::vector<std::string>& subscripts) {
  if (!pgm_prop_is(run, "CHECK_ARRAY_INDEXES", "Y") && !gen_debug_info(run)) return true;
  bool ok = true;
  for (size_t k = 0; k < 2 && k < dims.size() && k < subscripts.size(); ++k) {
    if (k > 0 && dims[k] == "0") continue;
    const std::string& i = subscripts[k];
    ok = Out(run).pieces({"if (", i, ">", dims[k], "||", i, "< 1)"}).open("{").ok() &&
         gen_error_exit(run, "Index of " + std::string(name) + " out of range.", 2) &&
         Out(run).close("}").ok() && ok;
  }
  return ok;
}

bool gen_error_exit(Run& run, std::string_view message, int64_t code) {
  return Out(run)
      .pieces({"System.out.println(", java_quoted(message), ");"})
      .pieces({"System.exit(", code, ");"})
      .ok();
}

}  // namespace qn::logic
