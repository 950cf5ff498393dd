#include "logic/navigation/program_start.h"

#include <cctype>
#include <string>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/program_props.h"
#include "logic/program/program_frame.h"
#include "logic/program/expressions.h"
#include "logic/sql/level_join.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {

using engine::Term;

namespace {

bool same_text_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// A rule prop(Name, Value) of the object, names and values in any case.
bool has_prop_rule(const Run& run, std::string_view name, std::string_view value) {
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& p = r.arg(2);
    if (p.is_compound() && p.functor() == "prop" && p.arity() == 2 &&
        same_text_nocase(text_of(p.arg(1)), name) && same_text_nocase(text_of(p.arg(2)), value)) {
      return true;
    }
  }
  return false;
}

// A command line msg('main').
bool has_main_msg_cmd(const Run& run) {
  for (const Term& l : run.facts().clauses("b_line_i", 6)) {
    if (l.arg(4) != "cmd" || first_token_type(l.arg(6)) != kMsgCmd) continue;
    const auto toks = l.arg(6).list_items();
    if (toks.size() > 1 && toks[1].is_compound() && toks[1].arity() >= 1 &&
        same_text_nocase(text_of(toks[1].arg(1)), "'main'")) {
      return true;
    }
  }
  return false;
}

// The tables the program updates, each once, in the order of upd_i/4.
Term updated_tables(const Run& run) {
  std::vector<Term> tables;
  for (const Term& u : run.facts().clauses("upd_i", 4)) {
    bool seen = false;
    for (const Term& t : tables) seen = seen || t == u.arg(2);
    if (!seen) tables.push_back(u.arg(2));
  }
  return Term::list(tables);
}

}  // namespace

void clear_pgm_facts(Run& run) {
  auto& facts = run.facts();
  for (const auto& [pred, arity] : std::initializer_list<std::pair<const char*, uint32_t>>{
           {"open_i", 1},
           {"endpgm_i", 0},
           {"embsql_cursor_i", 2},
           {"fld_to_dcl_i", 3},
           {"subfile_elements_i", 2},
           {"in_event_i", 1},
           {"fld_initial_i", 2},
           {"obj_parm_byref_i", 1},
           {"var_def_i", 2},
           {"local_func_i", 2},
           {"extrn_pgm_ref_i", 2},
           {"parm_names_i", 1},
           {"declared_as_main_i", 0},
           {"proc_id", 3},
           {"subproc_id", 3}}) {
    facts.abolish(pred, arity);
  }
}

bool reset_pgm_facts(Run& run, int64_t model, const Term& name) {
  const std::string pgm = kind_pgm_name(run, text_of(name));
  if (!class_source_file(run, model, pgm, pgm, "inm")) return false;
  clear_pgm_facts(run);
  run.facts().asserta(fact("open_i", {Term::list({num(0), updated_tables(run)})}));
  const Term entry = fact("pgm_to_compile_i", {str(pgm)});
  if (!run.facts().exists(entry)) run.facts().assertz(entry);
  return true;
}

bool is_main_object(Run& run) {
  return has_main_msg_cmd(run) || has_prop_rule(run, "CALL_PROTOCOL", "CLINE") ||
         web_or_http_main(run) || has_prop_rule(run, "PGMTYPE", "main");
}

bool gen_pgm_entry(Run& run, const Term& name) {
  const bool main = is_main_object(run);
  const Term parms = get_pgm_parms(run);
  if (!gen_routine_start(run, main ? "m" : "p", name, Term::list({}), parms.list_items()))
    return false;
  if (main && parms.is_nil()) return emit_comment(run, {"Program does not have any parameters"});
  return true;
}

bool pgm_header_comment(Run& run, std::string_view file, std::string_view open,
                        std::string_view prefix, std::string_view close) {
  std::string title;
  if (auto spec = spec_list(run)) {
    const auto items = spec->list_items();
    if (items.size() > 2) title = text_of(items[2]);
  }
  if (title.empty()) title = "No description for object";
  const std::string date = msg_text(run, atom("date")).value_or("");
  const std::string time = msg_text(run, atom("time")).value_or("");
  const std::string dbms = dstore_dbms(run, num(1)).value_or("N/A");
  Out out(run);
  out.pieces({open});
  out.pieces({prefix, "              File:", file});
  out.pieces({prefix, "       Description:", title});
  out.pieces({prefix, "            Author: Quenora", "Java", "Generator version", kGeneratorNumber});
  out.pieces({prefix, "      Generated on:", date, time});
  out.pieces(
      {prefix, "      Program type:", is_main_object(run) ? "Main program" : "Callable routine"});
  out.pieces({prefix, "        Connection:", "Explicit (dbms)"});
  out.pieces({prefix, "       Target DBMS:", dbms});
  out.pieces({prefix, "  Operating System:", target_os(run)});
  out.pieces({prefix, "Main access method:", "qndata"});
  out.pieces({prefix, "   Use ODBC Access:", "Yes"});
  out.pieces({close});
  return out.ok();
}

bool gen_var_init(Run& run, const Term& name, const Term& kind, const Term& desc) {
  return gen_var_init(run, name, kind, desc, strip_ampersand(text_of(name)));
}

bool gen_var_init(Run& run, const Term& name, const Term& kind, const Term& desc,
                  std::string_view java_name) {
  const auto d = desc.list_items();
  const Term type = d.size() > 1 ? d[1] : Term::nil();
  const int64_t len = d.size() > 2 && d[2].is_int() ? d[2].as_int() : 0;
  const int64_t dec = d.size() > 3 && d[3].is_int() ? d[3].as_int() : 0;
  // An array: its elements created, and set to their empty value when they
  // are not numbers (a number array starts at zeros already).
  if (auto dims = var_dim(run, name)) {
    const auto n = dims->list_items();
    if (n.empty()) return true;
    std::string line = std::string(java_name) + " = new " + java_type_name(type, len, dec) + " [" +
                       text_of(n[0]) + "]";
    if (n.size() > 1 && text_of(n[1]) != "0") line += "[" + text_of(n[1]) + "]";
    if (!Out(run).pieces({line + ";"}).ok()) return false;
    if (!numeric_type(type)) {
      const Term value = Term::list({fact("t", {atom("nullvalue("), num(kTokFunction)}),
                                     fact("t", {name, num(kTokVariable)}),
                                     fact("t", {atom(")"), num(kTokClose)})});
      const auto walked = array_dims(*dims);
      if (!walked.empty()) gen_array_loop(run, name, walked, value);
    }
    return true;
  }
  // Parameters arrive with their values; a parameter is named by its
  // attribute, the variable by its Java name.
  const Term& att = d.empty() ? name : d[0];
  for (const Term& p : get_pgm_parms(run).list_items()) {
    const Term& parm = p.is_cons() ? p.arg(1) : p;
    if (parm == name || parm == att) return true;
  }
  if (run.facts().exists(fact("obj_parm_byref_i", {name}))) return true;
  // A form's control is created by the method that builds the form.
  if (run.facts().exists(fact("form_field_i", {name}))) return true;
  if (type.is_compound() && type.functor() == "obj" && type.arity() >= 1)
    return init_obj_var(run, java_name, text_of(type.arg(1)));
  if (kind == "s") {
    // The empty value of the variable's type: an auxiliary takes its
    // attribute's.
    const Term value = Term::list({fact("t", {atom("nullvalue("), num(kTokFunction)}),
                                   fact("t", {att, num(kTokVariable)}),
                                   fact("t", {atom(")"), num(kTokClose)})});
    return assign_var(run, name, value);
  }
  return true;
}

bool gen_vars_init(Run& run) {
  bool ok = true;
  for (const Term& f : run.facts().clauses("fld_to_dcl_i", 3)) {
    if (f.arg(2) == "rp") continue;
    if (run.facts().exists(fact("fld_initial_i", {f.arg(1), var()}))) continue;
    ok = gen_var_init(run, f.arg(1), f.arg(2), f.arg(3)) && ok;
  }
  for (const Term& d : run.facts().clauses("default_i", 1)) {
    const Term& e = d.arg(1);
    if (!e.is_compound() || e.functor() != "e" || e.arity() < 1) continue;
    const Term& att = e.arg(1);
    if (!run.facts().exists(fact("fld_to_dcl_i", {att, var(), var()}))) continue;
    ok = assign_var(run, att, att_default_expr(run, att)) && ok;
  }
  return ok;
}

}  // namespace qn::logic
