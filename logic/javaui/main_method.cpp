#include "logic/javaui/main_method.h"

#include <string>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"

namespace qn::logic {

using engine::Term;

namespace {

bool has_stub_rule(const Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("stub", {var()})}));
}

bool main_program(Run& run) { return is_main_object(run) || pgmtype_main(run); }

// The parameters as input-output values, the way the main method declares
// them.
std::vector<Term> as_inout(const std::vector<Term>& parms) {
  std::vector<Term> out;
  for (const Term& p : parms) {
    auto rp = routine_parms(p);
    out.push_back(rp ? Term::list({rp->name, atom("u")}) : p);
  }
  return out;
}

std::string names_of(const std::vector<ParmEntry>& entries) {
  std::string out;
  for (const ParmEntry& e : entries) out += (out.empty() ? "" : ", ") + e.java_name;
  return out;
}

}  // namespace

bool gen_main_method(Run& run, std::string_view cls, const std::vector<Term>& parms) {
  const bool applet = has_stub_rule(run);
  if (http_main_pgm(run) || !(main_program(run) || applet)) return true;
  auto entries = parm_list(run, as_inout(parms));
  if (!entries) return false;
  const std::string names = names_of(*entries);
  const std::string location = "Application.setCurrentLocation(" +
                               java_quoted(class_location(run)) + ");";
  Out out(run, {{"cls", std::string(cls)}, {"names", names}, {"location", location}});
  out.pieces({"public static void main(String args[])"}).open("{");
  out.pieces({location});
  bool ok = declare_parms(run, *entries);
  out.pieces({names.empty() ? "parseParameters(args);" : "parseParameters(args, " + names + ");"});
  ok = emit_application_init(run) && ok;
  out.emit(R"(
    $cls$ pgm = new $cls$ (-1);
    Application.realMainProgram = pgm;
    pgm.execute($names$);
  )");
  out.close("}").pieces({""});
  ok = ok && gen_parse_parameters(run, parms);
  if (applet) {
    out.pieces({"public void init()"}).open("{");
    out.emit(R"(
      Application.mainApplet = this;
      $location$
      Application.init(QNcfg.class);
      remoteHandle = -1;
    )");
    ok = declare_parms(run, *entries) && ok;
    out.pieces({"parseParameters(" + names + ");"});
    out.pieces({"execute(" + names + ");"});
    out.close("}").pieces({""});
    out.pieces({"public " + std::string(cls) + "()"}).open("{").close("}").pieces({""});
    ok = ok && gen_parse_parameters(run, parms, true);
  }
  return out.ok() && ok;
}

bool gen_parse_parameters(Run& run, const std::vector<Term>& parms, bool applet) {
  auto entries = parm_list(run, as_inout(parms));
  if (!entries) return false;
  std::vector<std::string> decls;
  for (const ParmEntry& e : *entries) decls.push_back(e.java_type + " " + e.java_name + e.dims);
  const std::string header =
      applet ? "private void parseParameters(" : "private static void parseParameters(String args[]";
  std::string line = header;
  for (size_t i = 0; i < decls.size(); ++i) {
    line += (i == 0 && applet ? "" : ", ") + decls[i];
  }
  Out out(run);
  out.pieces({line + ")"}).open("{");
  // An array argument has no holder to take its text: it keeps its
  // initial value.
  std::vector<std::string> sets;
  for (size_t i = 0; i < entries->size(); ++i) {
    const ParmEntry& e = (*entries)[i];
    if (e.dim_count > 0) continue;
    const std::string from = applet ? "getParameter(\"P" + std::to_string(i) + "\")"
                                    : "args[" + std::to_string(i) + "]";
    sets.push_back(e.java_name + ".setValue( " + from + ");");
  }
  if (!applet && !sets.empty()) {
    out.open("try {");
    for (const std::string& s : sets) out.pieces({s});
    out.close("} catch (ArrayIndexOutOfBoundsException e){}");
  } else {
    for (const std::string& s : sets) out.pieces({s});
  }
  out.close("}").pieces({""});
  return out.ok();
}

bool gen_ref_classes(Run& run) {
  if (!main_program(run)) return true;
  Out out(run);
  out.pieces({"public static Object refClasses()"}).open("{");
  if (spec_kind_in(run, {"trn", "scr"})) {
    auto spec = spec_list(run);
    const auto items = spec ? spec->list_items() : std::vector<Term>{};
    if (items.size() >= 4) {
      out.pieces({"new " + kind_pgm_name(run, text_of(items[3])) + "(0);"});
    }
  }
  out.pieces({"return new QNcfg();"}).close("}").pieces({""});
  return out.ok();
}

}  // namespace qn::logic
