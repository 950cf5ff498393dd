#include "logic/core/java_names.h"

#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

std::string kind_letter(std::string_view kind) {
  static const std::pair<const char*, const char*> letters[] = {
      {"trn", "T"}, {"proc", "P"}, {"rpt", "R"}, {"mnu", "M"},
      {"scr", "W"}, {"web", "H"},  {"mbr", "B"}};
  for (const auto& [k, l] : letters) {
    if (kind == k) return l;
  }
  return "";
}

std::optional<std::string> main_letter(std::string_view kind) {
  static const std::pair<const char*, const char*> letters[] = {
      {"trn", "N"}, {"proc", "A"}, {"rpt", "O"}, {"mnu", "L"}, {"scr", "U"}};
  for (const auto& [k, l] : letters) {
    if (kind == k) return std::string(l);
  }
  return std::nullopt;
}

std::string kind_pgm_name(Run& run, std::string_view name) {
  auto kind = spec_kind(run);
  if (!kind) return std::string(name);
  const auto& facts = run.facts();
  const std::string k = kind->is_atom() ? kind->text() : "";
  std::string prefix;
  auto stub = facts.first(
      Term::compound("rule_i", {Term::integer(0), Term::compound("stub", {Term::fresh_var()})}));
  const bool is_main = facts.exists(Term::compound(
      "rule_i",
      {Term::integer(0), Term::compound("prop", {Term::atom("PGMTYPE"), Term::atom("main")})}));
  if (stub && stub->arg(2).arg(1).is_atom()) {
    prefix = kind_letter(stub->arg(2).arg(1).text());
  } else if (is_main && main_letter(k)) {
    prefix = *main_letter(k);
  } else if (k == "proc" && facts.count("gen_reo_i", 0) > 0) {
    prefix = "";
  } else {
    prefix = kind_letter(k);
  }
  return platform::lower_1252(prefix + std::string(name));
}

std::string java_source_extension() { return ".java"; }

}  // namespace qn::logic
