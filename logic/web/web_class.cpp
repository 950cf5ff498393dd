#include "logic/web/web_class.h"

#include <string>
#include <vector>

#include "logic/core/levels.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/javaui/control_classes.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/report_end.h"
#include "logic/web/page_html.h"
#include "logic/web/page_scripts.h"
#include "logic/web/styles.h"
#include "logic/web/static_urls.h"
#include "logic/web/web_request.h"

namespace qn::logic {

using engine::Term;

namespace web {

bool choice_or_label_ctl(std::string_view kind) {
  for (const char* k : {"label", "checkbox", "combo", "radio", "dyncombo", "dynlistbx", "listbx"}) {
    if (kind == k) return true;
  }
  return false;
}

bool gen_redirect(Run& run, std::string_view java) {
  return Out(run).pieces({"redirect(", java, ");"}).ok();
}

namespace {

bool is_item(const Term& item, std::string_view functor, uint32_t arity) {
  return item.is_compound() && item.functor() == functor && item.arity() == arity;
}

std::string java_of(Run& run, const Term& tokens) {
  auto x = exp_to_java(run, tokens, {});
  return x ? join_pieces(x->pieces) : std::string();
}

// The class frame: main, execute, the constructors, execute_int with the
// page's run, isStatic.
bool gen_webpanel_class(Run& run, const std::string& cls, const std::vector<Term>& parms) {
  const bool stat = web_static_generation(run);
  Out out(run);
  out.pieces({"public static void main(String args[])"}).open("{");
  out.pieces({"Application.setCurrentLocation(", java_quoted(pgm_location(run)), ");"});
  out.pieces({"Application.init(QNcfg.class);"});
  out.pieces({cls, "pgm = new", cls, "(-1);"});
  out.pieces({"Application.realMainProgram = pgm;"});
  out.pieces({"pgm.execute( args);"});
  out.pieces({"QNWebPanel.copyFiles();"});
  out.close("}").pieces({""});
  out.pieces({"public void execute(String args[])"}).open("{");
  if (!out.ok()) return false;
  if (!parms.empty()) {
    auto entries = parm_list(run, inout_parms(run));
    if (!entries || !declare_parms(run, *entries)) return false;
    Out body(run);
    body.pieces({""}).pieces({"try"}).open("{");
    for (size_t k = 0; k < entries->size(); ++k)
      body.pieces({"aP" + std::to_string(k) + ".setValue( args[" + std::to_string(k) + "]);"});
    body.close("}").pieces({"catch (ArrayIndexOutOfBoundsException e)"}).open("{").close("}");
    body.pieces({""});
    if (!body.ok()) return false;
  }
  if (!gen_execute_int_calls(run)) return false;
  Out more(run);
  more.close("}").pieces({""});
  more.pieces({"public " + cls + "()"}).open("{").pieces({"super();"}).close("}").pieces({""});
  if (!more.ok() || !gen_constructor(run, cls) || !gen_remote_proc_stub(run) ||
      !gen_execute_int(run, cls)) {
    return false;
  }
  Out tail(run);
  if (stat) tail.pieces({"createFile(", java_of(run, static_file_path(run)), ");"});
  tail.pieces({std::string("isStatic = ") + (stat ? "true" : "false") + ";"});
  tail.pieces({"webExecute();"});
  if (stat) tail.pieces({"addFileToCopy(", java_of(run, static_file_path(run)), ");"});
  tail.close("}").pieces({""});
  tail.pieces({"public static boolean  isStatic()"}).open("{");
  tail.pieces({std::string("return ") + (stat ? "true" : "false") + ";"}).close("}").pieces({""});
  return tail.ok();
}

// The Java objects behind the form's labels and list controls.
bool gen_java_objects(Run& run) {
  Out out(run);
  out.pieces({"protected void initContext()"}).open("{");
  out.pieces({"Application.init(QNcfg.class, false);"});
  out.pieces({"context = new ModelContext(getClass());"});
  out.close("}").pieces({""});
  out.pieces({"protected void createObjects()"}).open("{");
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    Term item = lit.arg(3);
    if (is_item(item, "s", 2)) item = item.arg(1);
    std::string name, kind;
    for (const Term& p : lit.arg(4).list_items()) {
      if (is_item(p, "ctlname", 1)) name = text_of(p.arg(1));
      if (is_item(p, "ctrltype", 2)) kind = text_of(p.arg(1));
    }
    if (is_item(item, "t", 2) && item.arg(2) == num(kTokConstant)) kind = "label";
    if (!choice_or_label_ctl(kind)) continue;
    auto c = ctl_java_class(kind, lit.arg(4), true);
    if (!c) continue;
    if (name.empty() && is_item(item, "t", 2)) name = c->prefix + strip_ampersand(text_of(item.arg(1)));
    if (name.empty()) continue;
    run.facts().assertz(fact("web_object_field_i", {atom(name), atom(c->cls)}));
    if (kind == "label") {
      out.pieces({name, "= UIFactory.getLabel(this);"});
    } else if (kind == "combo" || kind == "dyncombo" || kind == "radio") {
      out.pieces({name, "= UIFactory.getChoice(this);"});
    } else if (kind == "listbx" || kind == "dynlistbx") {
      out.pieces({name, "= UIFactory.getListbox(this);"});
    } else if (kind == "checkbox") {
      out.pieces({name, "= UIFactory.getCheckbox(this);"});
    }
  }
  out.close("}").pieces({""});
  return out.ok();
}

// The field declarations of the Java objects (kept apart from the
// program's variables: their type is a class).
bool gen_object_fields(Run& run) {
  Out out(run);
  for (const Term& f : run.facts().clauses("web_object_field_i", 2))
    out.pieces({"public", text_of(f.arg(2)), text_of(f.arg(1)) + ";"});
  run.facts().abolish("web_object_field_i", 2);
  return out.ok();
}

// The page's head: the routines define_styles (the style classes) and
// include_jscripts (the page's script), written after the page's routines
// registered what they need.
bool gen_web_head_scripts(Run& run) {
  return gen_define_styles(run) && gen_include_jscripts(run);
}

}  // namespace
}  // namespace web

bool gen_webpanel_object(Run& run, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  int64_t model = 0;
  if (auto m = get_model_num(run); m && m->is_int()) model = m->as_int();
  auto& facts = run.facts();
  facts.abolish("level_info_i", 2);
  facts.abolish("web_object_field_i", 2);
  // The end of the program written for the object before: left standing,
  // it would leave this class's webExecute open.
  facts.abolish("endpgm_i", 0);
  facts.abolish("web_click_i", 2);
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  const std::string cls = kind_pgm_name(run, text_of(name));
  if (!class_source_file(run, model, cls, cls, "inm")) return false;
  const Term parm_rule = get_pgm_parms(run);
  if (!parm_rule.is_nil() && !parm_rule.is_cons()) return false;
  const std::vector<Term> parms = parm_rule.list_items();
  // The first level: the smallest level whose parent is not a level (1
  // when the object has none).
  Term first_level = logic::first_level(run);
  if (first_level.is_int() && first_level.as_int() == 0) first_level = num(1);
  pgm_header_comment(run, cls, "/*", "", "*/");
  bool ok = gen_imports(run, text_of(kind)) && gen_pgm_entry(run, name);
  if (!ok) return false;
  web::process_form_literals(run);
  ok = web::gen_webpanel_class(run, cls, parms) && web::gen_java_objects(run);
  ok = ok && Out(run)
                 .pieces({"public String getServletInfo()"})
                 .open("{")
                 .pieces({"return", java_quoted(text_of(items[1])), ";"})
                 .close("}")
                 .pieces({""})
                 .ok();
  ok = ok && emit_method_header(run, "webExecute", "public ", "void", {}, "") &&
       web::gen_pa_call(run, first_level) && emit_comment(run, {"Quenora formulas."}) &&
       web::gen_ws_we_calls(run, first_level) && gen_pgm_end(run);
  if (!ok) return false;
  select_formula_auxs(run, first_level);
  ok = level_vert_formulas(run, first_level) && web::gen_web_main(run, kind, first_level);
  // The command groups (events and subroutines) of the first level and of
  // every main level.
  std::vector<Term> levels{first_level};
  for (const Term& l : main_lvls(run)) {
    if (l != first_level) levels.push_back(l);
  }
  for (const Term& l : levels)
    ok = ok && each_break_group(run, l, Term::nil(), Term::nil(), Term::nil());
  ok = ok && web::gen_web_head_scripts(run) && web::gen_object_fields(run);
  return ok && gen_program_end(run);
}

}  // namespace qn::logic
