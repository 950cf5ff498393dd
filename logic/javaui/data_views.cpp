#include "logic/javaui/data_views.h"

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/class_frame.h"

namespace qn::logic {

namespace {

// The program declares the XML writer of the xml functions.
bool declares_xml(Run& run) {
  for (const engine::Term& d : run.facts().clauses("fld_to_dcl_i", 3)) {
    if (text_of(d.arg(1)) == "xml") return true;
  }
  return false;
}

}  // namespace

bool gen_http_web_execute(Run& run) {
  bool ok = emit_method_header(run, "initContext", "protected ", "void", {}, "");
  Out(run).pieces({"Application.init(QNcfg.class, false);"})
      .pieces({"context = new ModelContext(getClass());"});
  ok = ok && emit_method_end(run);
  ok = ok && emit_method_header(run, "webExecute", "public ", "void", {}, "");
  Out out(run);
  if (declares_xml(run)) {
    out.open("try {");
    out.pieces({"xml.setWriter(res.getWriter());"});
    out.close("} catch (java.io.IOException e) {").shift(3);
    out.pieces({"System.out.println(e);"});
    out.close("}");
  }
  out.pieces({"execute_int();"});
  return ok && out.ok() && emit_method_end(run);
}

}  // namespace qn::logic
