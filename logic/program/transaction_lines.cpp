// The lines of a transaction's subordinate subfile levels: each changed or
// deleted line inserted, updated or deleted (or checked, inside the
// confirmation), and the lines shown again after the Enter key or a get.
//
// A line's flags outside web objects are its element's: "<line>.isChanged()"
// (the element class compares each field with its pseudo twin),
// "<line>.isDeleted()" and "<line>.isLoaded()" (kept by the runtime), and the
// subfile's line count "<subfile>.Count"; in web objects the level's
// variables nIsMod_<n>, nDel<n>, nRcdExists_<n> and nRC_<n>.
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/transaction_seams.h"
#include "logic/program/trn_code.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

std::string name(Run& run, std::string_view prefix, const Term& level) {
  return trn_routine_name(run, prefix, level);
}

bool web(Run& run) { return spec_kind_in(run, {"web"}) || http_main_pgm(run); }

// The subfile of the form a level shows, its number.
std::optional<Term> form_level_subfile(Run& run, const Term& level) {
  for (const FormItem& f : form_items(run)) {
    if (f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 1 &&
        sfl_level(run, level, f.item.arg(1)))
      return f.item.arg(1);
  }
  return std::nullopt;
}

struct LineNames {
  std::string idx, count, changed, deleted, loaded;
};

LineNames line_names(Run& run, const Term& level) {
  LineNames n;
  const Term sub = form_level_subfile(run, level).value_or(level);
  n.idx = "nQNsfl_" + text_of(sub) + "_idx";
  if (web(run)) {
    n.count = trn_rcd_count_var(level);
    n.changed = rcd_modified_var(level);
    n.deleted = rcd_deleted_var(level);
    n.loaded = rcd_exists_var(level);
  } else {
    const std::string line = subfile_obj_name(run, sub);
    n.count = subfile_control_name(run, sub) + ".Count";
    n.changed = line + ".isChanged()";
    n.deleted = line + ".isDeleted()";
    n.loaded = line + ".isLoaded()";
  }
  return n;
}

bool java_if(Run& run, const std::string& cond) { return Out(run).open("if (" + cond + ") {").ok(); }
bool java_else(Run& run) { return Out(run).close("}").open("else {").ok(); }

}  // namespace

bool trn_process_lines(Run& run, const Term& level, bool confirm) {
  const LineNames n = line_names(run, level);
  declare_var(run, atom(n.idx), Term::list({atom("int"), num(9), num(0), num(0)}), "s", Term::nil());
  bool ok = Out(run).pieces({n.idx, "=", "0;"}).open("while (" + n.idx + " < " + n.count + ") {").ok();
  ok = ok && trn_read_row(run, level);
  ok = ok && java_if(run, n.changed + " == 1 || " + n.deleted + " == 1");
  ok = ok && call(run, name(run, "SANOMOD_", level)) && call(run, name(run, "GETKEY_", level));
  const auto write = [&](const char* mode, const char* prefix) {
    bool k = set(run, "Mode", mode);
    return k && call(run, confirm ? name(run, "CHECKET_", level)
                                  : (std::string(prefix) == "DELETE_" ? name(run, "DELETE_", level)
                                                                      : name(run, prefix, level)));
  };
  ok = ok && java_if(run, n.loaded + " == 0 && " + n.deleted + " == 0");
  ok = ok && if_(run, is("RcdFound", "0")) && write("\"INS\"", "INSERT_") && else_(run) &&
       error_msg(run, "noupdate") && close(run);
  ok = ok && java_else(run) && if_(run, is_not("RcdFound", "0"));
  ok = ok && java_if(run, n.deleted + " == 1") && write("\"DLT\"", "DELETE_") && java_else(run) &&
       write("\"UPD\"", "UPDATE_") && close(run);
  ok = ok && else_(run) && java_if(run, n.deleted + " == 0") && error_msg(run, "recdeleted") && close(run);
  ok = ok && close(run, 3);
  ok = ok && assign_h_auxs(run, 's', old_value_moves(run, level, Term::nil()));
  ok = ok && close(run);
  return ok && comment(run, "Start of After( level) rules") && trn_level_actions_when(run, level, "level") &&
         comment(run, "End of After( level) rules");
}

bool trn_enter_key_lines(Run& run, const Term& level) {
  const std::string blank = "nBlankRcdCount" + text_of(level);
  const std::string dels = "nDelCount" + text_of(level);
  bool ok = case_begin(run) && case_when(run, is("nKeyPressed", "1")) && comment(run, "Enter key processing.");
  ok = ok && case_begin(run);
  if (trn_confirms(run)) ok = ok && case_when(run, is("IsConfirmed", "1")) && trn_reload_lines(run, level);
  ok = ok && case_when(run, joined({is_not("Mode", "'INS'"), is_not("AnyError", "0")}, ".OR."));
  ok = ok && set_toks(run, blank, Term::list({tv(blank)})) && set_toks(run, dels, Term::list({tv(dels)}));
  ok = ok && case_otherwise(run) && set(run, blank, "0") && case_end(run);
  ok = ok && case_otherwise(run) && comment(run, "Get or get-alike key processing.");
  ok = ok && call(run, name(run, "SCANSTART_", level)) && while_(run, is_not("RcdFound", "0")) &&
       call(run, name(run, "GETEQ_", level)) && call(run, name(run, "ADD_ROW_", level)) &&
       call(run, name(run, "SCANNEXT_", level)) && close(run) && call(run, name(run, "SCANEND_", level));
  ok = ok && case_end(run);
  ok = ok && comment(run, "Initialize fields for 'new' records and send them.") &&
       call(run, name(run, "INIT_ALL", level));
  ok = ok && while_(run, Term::list({tv(blank), tk(">", kTokCompare), tc("0")})) &&
       call(run, name(run, "ADD_ROW_", level)) &&
       set_toks(run, blank, Term::list({tv(blank), tk("-", kTokAddOp), tc("1")})) && close(run);
  return ok;
}

}  // namespace qn::logic
