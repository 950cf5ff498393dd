#include "logic/core/gen_targets.h"

#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/spec_files.h"
#include "logic/core/unsupported.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

Term text(std::string_view s) { return Term::string(s); }

// [Kind | Spec] for the placeholder class of an object whose generator is
// not there yet.
bool placeholder(Run& run, int64_t number, const Term& spec_with_kind) {
  return gen_unsupported_object(run, number, spec_with_kind);
}

}  // namespace

bool java_gen_start(Run&, int64_t) { return true; }
bool java_gen_end(Run&, int64_t) { return true; }
bool java_before_object(Run&, int64_t, const Term&, int64_t, const Term&) { return true; }

void reset_odbc_calls(Run& run) {
  auto spec = spec_list(run);
  if (!spec) return;
  auto items = spec->list_items();
  if (items.size() < 4) return;
  const Term& name = items[3];
  const std::string pgm = kind_pgm_name(run, name.is_int() ? std::to_string(name.as_int()) : name.text());
  run.facts().retract_all(
      Term::compound("odbc_call_i", {Term::atom(pgm), Term::fresh_var(), Term::fresh_var()}));
}

bool after_object_make_step(Run&, int64_t, const Term&, int64_t) { return true; }
bool register_object(Run&, int64_t, int64_t) { return true; }
bool make_aux_names(Run&, const Term&) { return true; }

bool gen_webpanel_object(Run& run, int64_t number, const Term& spec) {
  return placeholder(run, number, spec);
}
bool gen_proc_object(Run& run, int64_t, int64_t number, const Term& spec) {
  return placeholder(run, number, spec);
}
bool gen_reorg_programs(Run& run, int64_t, int64_t number, const Term& spec_tail) {
  // The placeholder names the object by the head of the tail, its name.
  return placeholder(run, number, Term::cons(Term::atom("ce"), Term::cons(Term::string(""), spec_tail)));
}
bool gen_workpanel_object(Run& run, int64_t number, const Term& spec) {
  return placeholder(run, number, spec);
}
bool gen_transaction_object(Run& run, int64_t number, const Term& spec) {
  return placeholder(run, number, spec);
}
bool gen_menubar_object(Run& run, int64_t number, const Term& spec) {
  return placeholder(run, number, spec);
}

std::optional<int64_t> obj_classid(std::string_view kind) {
  static const std::pair<const char*, int64_t> ids[] = {
      {"trn", 0}, {"proc", 1}, {"rpt", 2}, {"mnu", 3}, {"scr", 4}, {"web", 13}, {"ext", 14}, {"mbr", 17}};
  for (const auto& [k, id] : ids) {
    if (kind == k) return id;
  }
  return std::nullopt;
}

namespace {

std::string kind_letter(std::string_view kind) {
  static const std::pair<const char*, const char*> letters[] = {
      {"trn", "T"}, {"proc", "P"}, {"rpt", "R"}, {"mnu", "M"}, {"scr", "W"}, {"web", "H"}, {"mbr", "B"}};
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

}  // namespace

std::string kind_pgm_name(Run& run, std::string_view name) {
  auto kind = spec_kind(run);
  if (!kind) return std::string(name);
  const auto& facts = run.facts();
  const std::string k = kind->is_atom() ? kind->text() : "";
  std::string prefix;
  auto stub = facts.first(Term::compound(
      "rule_i", {Term::integer(0), Term::compound("stub", {Term::fresh_var()})}));
  const bool is_main = facts.exists(Term::compound(
      "rule_i", {Term::integer(0), Term::compound("prop", {Term::atom("PGMTYPE"), Term::atom("main")})}));
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

void set_pgm_id(Run& run, int64_t number, const Term& kind, const Term& name) {
  run.facts().abolish("pgm_id", 1);
  run.facts().assertz(Term::compound("pgm_id", {Term::list({Term::integer(number), kind, name})}));
}

void set_current_pgm(Run&, int64_t, const Term&, const Term&) {}

bool gen_class_start(Run& run, int64_t model, std::string_view kind, std::string_view class_name) {
  if (!open_model_output(run, model, std::string(class_name) + java_source_extension())) return false;
  static const std::vector<const char*> proc_imports = {
      "java.sql.*", "com.quenora.db.driver.*", "com.quenora.*", "com.quenora.reports.*",
      "com.quenora.distributed.*"};
  static const std::vector<const char*> web_imports = {
      "com.quenora.*", "com.quenora.db.driver.*", "com.quenora.distributed.*",
      "com.quenora.webpanels.*", "java.sql.*"};
  static const std::vector<const char*> ce_imports = {"com.quenora.*"};
  static const std::vector<const char*> other_imports = {
      "com.quenora.*", "com.quenora.db.driver.*", "com.quenora.distributed.*",
      "com.quenora.uifactory.*", "java.sql.*"};
  const auto& imports = (kind == "proc" || kind == "rpt") ? proc_imports
                        : kind == "web"                   ? web_imports
                        : kind == "ce"                    ? ce_imports
                                                          : other_imports;
  std::vector<Term> lines;
  for (const char* imp : imports) lines.push_back(Term::list({text(std::string("import ") + imp + ";")}));
  lines.push_back(Term::nil());
  lines.push_back(Term::list({text("public final class " + std::string(class_name))}));
  lines.push_back(Term::list({Term::integer(0), Term::integer(3), Term::list({text("{")})}));
  return emit_lines(run, Term::list(lines));
}

bool gen_execute_int(Run& run, std::string_view) {
  return emit_lines(run, Term::list({
      Term::list({text("public void execute( )")}),
      Term::list({Term::integer(0), Term::integer(3), Term::list({text("{")})}),
      Term::list({text("execute_int( );")}),
      Term::list({Term::integer(-3), Term::integer(0), Term::list({text("}")})}),
      Term::nil(),
      Term::list({text("private void execute_int( )")}),
      Term::list({Term::integer(0), Term::integer(3), Term::list({text("{")})}),
  }));
}

bool gen_var_declarations(Run&) { return true; }
bool declare_generated_var(Run&, std::string_view, std::string_view) { return true; }

}  // namespace qn::logic
