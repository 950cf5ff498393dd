#include "logic/core/gen_targets.h"

#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/unsupported.h"

namespace qn::logic {

using engine::Term;

namespace {

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
  const std::string pgm = kind_pgm_name(run, text_of(name));
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
  std::string head;
  for (const char* imp : imports) head += std::string("import ") + imp + ";\n";
  head += "\npublic final class $cls$";
  return Out(run, {{"cls", std::string(class_name)}}).emit(head).open("{").ok();
}

bool gen_execute_int(Run& run, std::string_view) {
  Out out(run);
  out.emit(R"(
    public void execute( )
    {
       execute_int( );
    }

    private void execute_int( )
  )");
  return out.open("{").ok();
}

bool gen_var_declarations(Run&) { return true; }
bool declare_generated_var(Run&, std::string_view, std::string_view) { return true; }

}  // namespace qn::logic
