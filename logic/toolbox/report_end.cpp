#include "logic/toolbox/report_end.h"

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/toolbox/declarations.h"
#include "logic/sql/debug_output.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string joined(const std::vector<std::string>& args) {
  std::string out;
  for (const std::string& a : args) out += (out.empty() ? "" : ", ") + a;
  return out;
}

}  // namespace

bool is_parameter(Run& run, std::string_view name) {
  auto same = [&](const Term& t) {
    return (t.is_atom() || t.is_string()) &&
           platform::lower_1252(strip_ampersand(t.text())) == platform::lower_1252(name);
  };
  if (auto names = run.facts().first(fact("parm_names_i", {var()}))) {
    for (const Term& e : names->arg(1).list_items()) {
      if (same(e.is_list() && !e.list_items().empty() ? e.list_items()[0] : e)) return true;
    }
  }
  for (const Term& p : get_pgm_parms(run).list_items()) {
    // A name, or [Name, Mode | _].
    if (same(p.is_cons() && !p.list_items().empty() ? p.list_items()[0] : p)) return true;
  }
  return false;
}

namespace {

void declare_printer_var(Run& run, const char* name, const char* type, int64_t length) {
  declare_var(run, atom(name), Term::list({atom(type), num(length), num(0), num(1)}), "h",
              Term::list({}));
}

}  // namespace

bool gen_printer_cmd(Run& run, std::string_view command, const std::vector<std::string>& args) {
  Out out(run);
  if (command == "QnEndPrinter") return out.pieces({"endPrinter();"}).ok();
  if (command == "QnPrintInit" || command == "QnPrintTextInit") {
    out.open("try {");
    declare_printer_var(run, "Qn_page", "int", 6);
    declare_printer_var(run, "Qn_out", "char", 3);
    declare_printer_var(run, "Qn_dev", "char", 1);
    declare_printer_var(run, "Qn_line", "int", 6);
    if (auto o =
            run.facts().first(fact("rule_i", {var(), fact("prop", {atom("OUTPUT"), var()})}))) {
      const std::string v = text_of(o->arg(2).arg(2));
      if (platform::lower_1252(v) != "ask" && !is_parameter(run, "Output")) {
        out.pieces({"Qn_out =", java_string_literal(v), ";"});
      }
    }
    out.pieces({command == "QnPrintInit" ? "if (!initPrinter" : "if (!initTextPrinter", "(",
                joined(args), ")", ")"});
    out.emit(R"(
      {
         cleanup();
         return;
      }
    )");
    return out.ok();
  }
  return out.pieces({"getPrinter()." + std::string(command) + "(" + joined(args) + ")", ";"}).ok();
}

bool gen_pgm_end(Run& run) {
  auto& facts = run.facts();
  if (facts.count("endpgm_i", 0) > 0) return true;
  Out out(run);
  bool ok = true;
  if (facts.count("event_name_i", 1) == 0 && has_print_lines(run)) {
    if (!is_parameter(run, "Line")) {
      const bool no_last_footer = facts.exists(fact("rule_i", {var(), atom("nolastfooter")}));
      if (!no_last_footer) out.pieces({"testPage(0, true);"});
      ok = gen_printer_cmd(run, "QnEndPage", {}) && ok;
      ok = gen_printer_cmd(run, "QnEndDocument", {}) && ok;
      ok = gen_printer_cmd(run, "QnEndPrinter", {}) && ok;
    }
    out.close("}").emit(R"(
      catch ( ProcessInterruptedException e )
      {
      }
    )");
  }
  out.pieces({"cleanup();"});
  if (auto names = facts.first(fact("parm_names_i", {var()})); names && !names->arg(1).is_nil()) {
    dbg_vars_dump(run, str("Param (output)"), names->arg(1));
  }
  ok = end_routine(run, "") && ok;
  facts.assertz(atom("endpgm_i"));
  return ok && out.ok();
}

}  // namespace qn::logic
