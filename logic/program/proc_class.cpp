#include "logic/program/proc_class.h"

#include <string>
#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/javaui/data_views.h"
#include "logic/javaui/main_method.h"
#include "logic/program/expressions.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/report_end.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool main_object(Run& run) { return is_main_object(run) || pgmtype_main(run); }

// The entry routine: the navigation's, else the class of a main or callable
// program started here.
bool program_entry(Run& run, const Term& name, const std::vector<Term>& parms) {
  if (gen_pgm_entry(run, name)) return true;
  return gen_routine_start(run, main_object(run) ? "m" : "p", name, Term::list({}), parms);
}

// Every top navigation of the program (break_i/5 under level 0), in the
// main routine.
void top_navigations(Run& run, const std::string& routine) {
  for (const Term& b : run.facts().clauses("break_i", 5)) {
    if (!(b.arg(3).is_int() && b.arg(3).as_int() == 0)) continue;
    gen_level_kind(run, b.arg(2), b.arg(1), atom("true"), str(routine), Term::list({}));
  }
}

}  // namespace

bool gen_proc_object(Run& run, int64_t model, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  auto& facts = run.facts();
  facts.abolish("level_info_i", 2);
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  const std::string cls = kind_pgm_name(run, text_of(name));
  // The program's source, as the program start opens it.
  if (!class_source_file(run, model, cls, cls, "inm")) return false;
  // A parameter rule that holds no list fails the object: it is not taken
  // for a program without parameters.
  const Term parm_rule = get_pgm_parms(run);
  if (!parm_rule.is_nil() && !parm_rule.is_cons()) return close_output(run) && false;
  const std::vector<Term> parms = parm_rule.list_items();
  pgm_header_comment(run, cls, "/*", "", "*/");
  bool ok = gen_imports(run, text_of(kind)) && program_entry(run, name, parms) &&
            gen_main_method(run, cls, parms) && gen_constructor(run, cls) &&
            gen_remote_proc_stub(run) && gen_execute_int(run, cls) &&
            emit_comment(run, {"Quenora formulas"}) &&
            emit_comment(run, {"Output device settings"});
  const bool report = has_print_lines(run);
  if (ok && report) ok = gen_rpt_vars(run, num(0), Term::list({}), Term::list({}));
  if (!ok) return close_output(run) && false;

  facts.abolish("endpgm_i", 0);
  facts.abolish("level_i", 1);
  facts.assertz(fact("level_i", {num(0)}));
  const std::string routine = pgm_unique_name(run, "H", "0");
  top_navigations(run, routine);
  ok = gen_pgm_end(run);
  if (ok && report) {
    const std::string throws = "throws ProcessInterruptedException";
    for (const auto& [method, which] : {std::pair{"printHeaders", "page"}, {"printFooters", "foot"}}) {
      ok = ok && Out(run).pieces({std::string("protected void ") + method + "() " + throws})
                     .open("{")
                     .ok();
      ok = ok && rpt_break_groups(run, num(0), atom(which), Term::list({})) &&
           emit_method_end(run);
    }
  }
  select_formula_auxs(run, num(0));
  ok = ok && level_vert_formulas(run, num(0)) && gen_ref_classes(run) && gen_do_ask(run);
  if (ok && http_main_pgm(run)) {
    ok = gen_http_web_execute(run);
  }
  if (!ok) return close_output(run) && false;
  ok = gen_program_end(run);
  if (ok && main_object(run)) ok = object_class_file(run, model, kind, name);
  return ok;
}

bool object_class_file(Run& run, int64_t model, const Term& kind, const Term& program) {
  // The class's own name: a program listed as a main program is named by
  // its main letter, and so is its page.
  (void)kind;
  const std::string cls = platform::lower_1252(kind_pgm_name(run, text_of(program)));
  std::string prefix;
  if (auto p = pgm_prop_value(run, "PACKAGE"); p && !p->empty()) prefix = *p + ".";
  return applet_page(run, model, prefix + cls + ".class", cls + ".htm");
}

bool applet_page(Run& run, int64_t model, std::string_view class_reference,
                 std::string_view page_name) {
  if (!open_model_output(run, model, page_name)) return false;
  const std::string archive = pgm_prop_value(run, "ARCHIVE").value_or("");
  std::string description;
  if (auto spec = run.facts().first(fact("spec_i", {var()}))) {
    const auto items = spec->arg(1).list_items();
    if (items.size() > 2) description = text_of(items[2]);
  }
  const Term values = Term::list({
      str(class_reference),
      str("619"),
      str(archive.empty() ? "" : "," + archive),
      str("archive=\\\"" + archive + "\\\""),
      str(description),
      str("," + archive),
  });
  if (!i_ptemplatenocol(run, str("html.tpl"), num(0), num(0), values)) {
    trace_msg(run, {"Error generating HTML"});
    return close_output(run);
  }
  Out out(run);
  out.pieces({"if (!isNetscape(4))"}).open("{");
  out.pieces({"document.writeln(\"</applet>\");"}).close("}");
  out.pieces({"</script>"}).pieces({"</html>"});
  return out.ok() && close_output(run);
}

}  // namespace qn::logic
