#include "logic/program/program_frame.h"

#include "logic/core/attributes.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/toolbox/pending.h"
#include "logic/program/debug_checks.h"
#include "logic/program/expressions.h"
#include "logic/java/db_classes.h"
#include "logic/java/remote_calls.h"
#include "logic/program/program_calls.h"
#include "logic/program/transaction_logic.h"
#include "logic/toolbox/rule_utilities.h"
#include "logic/navigation/commit_points.h"
#include "logic/navigation/program_start.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int kHolderCounter = 2;

// end_cursors/1: every numbered cursor still open is closed at its level
// and its facts dropped.
bool end_cursors(Run& run) {
  bool ok = true;
  for (const Term& f : run.facts().findall(fact("c_num_i", {var(), var(), var()}))) {
    if (f.arg(3).is_cons() && run.facts().exists(fact("open_i", {f.arg(3).head()})))
      ok = end_cursor(run, f.arg(1), text_of(f.arg(3).head())) && ok;
  }
  return ok;
}

// [obj(Class), Name]: an object parameter.
bool object_parm(const Term& p, Term& cls, Term& name) {
  if (!p.is_list() || p.is_nil()) return false;
  const auto items = p.list_items();
  if (items.size() != 2 || !items[0].is_compound() || items[0].functor() != "obj") return false;
  cls = items[0].arg(1);
  name = items[1];
  return true;
}

// The number of dimensions of a dim rule's list; a second dimension of 0
// counts as none.
int dim_count(const Term& dims) {
  const auto d = dims.is_list() ? dims.list_items() : std::vector<Term>{dims};
  if (d.empty()) return 0;
  if (d.size() >= 2 && !(d[1].is_int() && d[1].as_int() == 0)) return 2;
  return 1;
}

Term current_model(const Run& run) { return get_model_num(run).value_or(num(0)); }

std::string object_kind(const Run& run) {
  auto k = spec_kind(run);
  return k ? text_of(*k) : "";
}

bool has_stub_rule(const Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("stub", {var()})}));
}

// parm_names_i/1: [Name, AuxiliaryName] for every parameter.
void record_parm_names(Run& run, const std::vector<Term>& parms) {
  std::vector<Term> names;
  for (const Term& p : parms) {
    Term cls, name;
    if (object_parm(p, cls, name)) {
      names.push_back(Term::list({name, name}));
      continue;
    }
    auto rp = routine_parms(p);
    if (!rp) continue;
    names.push_back(Term::list({rp->name, str(parm_aux_name(run, rp->name))}));
  }
  run.facts().abolish("parm_names_i", 1);
  run.facts().assertz(fact("parm_names_i", {Term::list(names)}));
}

}  // namespace

std::string parm_aux_name(Run& run, const Term& name) {
  return strip_ampersand(text_of(auxname_c(run, name).value_or(name)));
}

std::optional<RoutineParm> routine_parms(const Term& parameter) {
  if (parameter.is_atom() || parameter.is_string()) return RoutineParm{parameter, "n"};
  if (parameter.is_list() && !parameter.is_nil()) {
    const auto items = parameter.list_items();
    if (items.size() >= 2) return RoutineParm{items[0], text_of(items[1])};
  }
  return std::nullopt;
}

std::vector<Term> inout_parms(const Run& run) {
  std::vector<Term> out;
  for (const Term& p : get_pgm_parms(run).list_items()) {
    Term cls, name;
    if (object_parm(p, cls, name)) {
      out.push_back(p);
    } else if (auto rp = routine_parms(p)) {
      out.push_back(Term::list({rp->name, atom("u")}));
    } else {
      out.push_back(p);
    }
  }
  return out;
}

std::optional<std::vector<ParmEntry>> parm_list(Run& run, const std::vector<Term>& parms) {
  run.engine().ctr_set(kHolderCounter, 0);
  std::vector<ParmEntry> entries;
  for (const Term& p : parms) {
    Term cls, name;
    if (object_parm(p, cls, name)) {
      ParmEntry e;
      e.java_type = text_of(cls);
      e.java_name = text_of(name);
      e.parameter = p;
      entries.push_back(std::move(e));
      continue;
    }
    auto rp = routine_parms(p);
    if (!rp) return std::nullopt;
    auto at = get_attri_type(run, current_model(run), rp->name);
    if (!at || !at->length.is_int() || !at->decimals.is_int()) return std::nullopt;
    const int64_t len = at->length.as_int(), dec = at->decimals.as_int();
    const std::string java = java_type_name(at->type, len, dec);
    if (java.empty() || java == "Undefined") return std::nullopt;
    ParmEntry e;
    e.java_type = java;
    e.parameter = p;
    e.type_desc = Term::list({at->type, num(len), num(dec), num(1)});
    const std::string aux = parm_aux_name(run, rp->name);
    if (auto dims = var_dim(run, rp->name)) {
      e.dim_count = dim_count(*dims);
      for (int i = 0; i < e.dim_count; ++i) e.dims += "[]";
      e.java_name = aux;
    } else if (rp->mode == "u") {
      auto holder = get_qnnum_obj(run, at->type, len, dec);
      if (!holder) return std::nullopt;
      e.java_type = *holder;
      e.java_name = "aP" + std::to_string(run.engine().ctr_inc(kHolderCounter));
    } else {
      e.java_name = aux;
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string routine_return_type(Run& run, const Term& attribute_or_type) {
  if (attribute_or_type.is_list() && attribute_or_type.list_items().size() >= 3) {
    const auto d = attribute_or_type.list_items();
    if (d[1].is_int() && d[2].is_int()) return java_type_name(d[0], d[1].as_int(), d[2].as_int());
  }
  if (attribute_or_type.is_atom() || attribute_or_type.is_string()) {
    if (auto at = get_attri_type(run, current_model(run), attribute_or_type);
        at && at->length.is_int() && at->decimals.is_int()) {
      return java_type_name(at->type, at->length.as_int(), at->decimals.as_int());
    }
  }
  return "void";
}

bool format_parm_list(Out& out, std::string_view header, const std::vector<std::string>& tail,
                      const std::vector<ParmEntry>& entries) {
  std::vector<std::string> items;
  for (const ParmEntry& e : entries) items.push_back(e.java_type + " " + e.java_name + e.dims);
  return format_param_list(out, header, tail, items);
}

bool declare_parms(Run& run, const std::vector<ParmEntry>& entries) {
  Out out(run);
  for (const ParmEntry& e : entries) {
    if (e.dim_count == 0) {
      out.pieces({e.java_type, e.java_name, "= new", e.java_type, "();"});
      continue;
    }
    if (e.dim_count == 1) {
      out.pieces({e.java_type, e.java_name, "[];"});
    } else {
      out.pieces({e.java_type, e.java_name, e.dims, ";"});
    }
    // The elements of a numeric array start at 0; the others are set one
    // by one.
    const bool numeric = e.type_desc && numeric_type(e.type_desc->list_items()[0]);
    if (!numeric) out.open("{").pieces({e.dim_count == 1 ? "int QN_I;" : "int QN_I, QN_J;"});
    if (auto rp = routine_parms(e.parameter); rp && e.type_desc) {
      // Declared as the routine's parameters are: [Name, Type, Length, Decimals, 1].
      std::vector<Term> desc{rp->name};
      for (const Term& t : e.type_desc->list_items()) desc.push_back(t);
      gen_var_init(run, rp->name, atom("rp"), Term::list(desc), e.java_name);
    }
    if (!numeric) out.close("}");
  }
  return out.ok();
}

bool gen_routine_start(Run& run, std::string_view kind, const Term& name,
                       const Term& return_attribute, const std::vector<Term>& parms) {
  const std::string obj = object_kind(run);
  int64_t model = 0;
  if (auto m = get_model_num(run); m && m->is_int()) model = m->as_int();
  if (kind == "l") {
    auto entries = parm_list(run, parms);
    if (!entries) return false;
    const std::string header = "protected " + routine_return_type(run, return_attribute) + " " +
                               platform::lower_1252(text_of(name)) + "(";
    Out out(run);
    return format_parm_list(out, header, {")"}, *entries) && out.open("{").ok();
  }
  const std::string cls = kind_pgm_name(run, text_of(name));
  if ((kind == "m" && generating_reorg(run) && obj == "ce") || (kind == "p" && obj == "ce")) {
    // A program of the database creation or reorganisation: its file is
    // fresh, so the imports come first. Both kinds run statements through
    // the direct-SQL executor, so both import the reorganisation's packages.
    if (!gen_imports(run, "reorg") ||
        !gen_class_header(run, model, kind == "m" ? "reorg" : "ce", cls, SourceMode::Same)) {
      return false;
    }
    record_parm_names(run, parms);
    if (!gen_constructor(run, cls) || !gen_remote_proc_stub(run) || !gen_execute_int(run, cls)) {
      return false;
    }
    if (kind == "p") return true;
    if (!run.facts().exists(atom("declared_as_main_i"))) run.facts().assertz(atom("declared_as_main_i"));
    return dbg_trace_call(run, num(1), {Term::list({name, str("start (main).")})});
  }
  if (kind == "m" && (obj == "proc" || obj == "rpt")) {
    if (!gen_class_header(run, model, "proc", cls, SourceMode::Same)) return false;
    std::vector<Term> inout;
    for (const Term& p : parms) {
      auto rp = routine_parms(p);
      inout.push_back(rp ? Term::list({rp->name, atom("u")}) : p);
    }
    record_parm_names(run, inout);
    return dbg_trace_call(run, num(1), {Term::list({name, str("start (main).")})});
  }
  if (kind == "p") {
    const std::string cls_kind = has_stub_rule(run) ? "stub" : obj;
    if (!gen_class_header(run, model, cls_kind, cls, SourceMode::Same)) return false;
    record_parm_names(run, parms);
    std::vector<Term> locals;
    for (const Term& p : parms) {
      if (auto rp = routine_parms(p)) {
        locals.push_back(
            Term::list({atom("u"), rp->name, str(parm_aux_name(run, rp->name))}));
      }
    }
    run.facts().abolish("local_routine_parms_i", 1);
    run.facts().assertz(fact("local_routine_parms_i", {Term::list(locals)}));
    return true;
  }
  if (!gen_class_header(run, model, obj, cls, SourceMode::Same)) return false;
  record_parm_names(run, parms);
  return true;
}

bool pgmtype_main(const Run& run) {
  return run.facts().exists(fact("rule_i", {var(), fact("prop", {atom("PGMTYPE"), atom("main")})}));
}

bool is_own_stub_entry(Run& run) {
  auto stub = run.facts().first(fact("rule_i", {num(0), fact("stub", {var()})}));
  if (!stub) return false;
  auto pgm = run.facts().first(fact("pgm_id", {var()}));
  if (!pgm) return false;
  const auto id = pgm->arg(1).list_items();
  if (id.size() < 3) return false;
  const std::string upper = platform::upper_1252(text_of(id[2]));
  for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
    if (text_of(f.arg(1)) != text_of(stub->arg(2).arg(1))) continue;
    if (platform::upper_1252(text_of(f.arg(3))) != upper) continue;
    const auto info = f.arg(4).list_items();
    if (!info.empty() && info[0].is_int() && info[0].as_int() == 11) return true;
  }
  return false;
}

bool gen_parm_write_back(Run& run) {
  if (is_own_stub_entry(run)) return true;
  run.engine().ctr_set(kHolderCounter, 0);
  auto names = run.facts().first(fact("parm_names_i", {var()}));
  if (!names) return true;
  Out out(run);
  for (const Term& e : names->arg(1).list_items()) {
    const auto pair = e.list_items();
    if (pair.size() < 2 || var_dim(run, pair[0])) continue;
    out.pieces({"aP" + std::to_string(run.engine().ctr_inc(kHolderCounter)) + ".setValue( this." +
                text_of(pair[1]) + ");"});
  }
  return out.ok();
}

namespace {

// The cleanup of a transaction: the server side of a split transaction
// only ends its cursors; otherwise (not on a split client, which has no
// such routine) AFTER_LEVEL when the first level has after-level rules,
// under "AnyError" = 0, then the closing code: the
// client of a split transaction runs the Exit event, writes its parameters
// back and ends its server; a single-tier one runs the Exit event, writes
// its parameters back and ends its cursors; then the runtime's cleanup.
bool gen_trn_cleanup(Run& run) {
  const bool server = trn_server_side(run);
  if (server) return end_cursors(run);
  bool ok = true;
  // A split client has no AFTER_LEVEL of its own: its server holds it.
  if (!trn_client_side(run) && trn_has_after_level(run, trn_first_level(run))) {
    ok = emit_if(run,
                 Term::list({fact("t", {atom("AnyError"), num(kTokVariable)}),
                             fact("t", {atom("="), num(kTokCompare)}),
                             fact("t", {atom("0"), num(kTokConstant)})}),
                 {}) &&
         gen_call_stmt(run, "after_level", Term::nil()) && emit_close_brace(run);
  }
  gen_user_event(run, atom("Exit"), trn_first_level(run));
  gen_parm_write_back(run);
  Out out(run);
  if (trn_client_side(run)) {
    out.pieces({"serverCleanup();"});
  } else {
    end_cursors(run);
  }
  out.pieces({"super.cleanup();"});
  if (!has_stub_rule(run)) out.pieces({"Application.cleanup(context, this, remoteHandle);"});
  return out.ok() && ok;
}

}  // namespace

bool gen_cleanup_method(Run& run) {
  if (!emit_method_header(run, "cleanup", "protected ", "void", {}, "")) return false;
  const std::string kind = object_kind(run);
  if (kind == "trn") return gen_trn_cleanup(run) && emit_method_end(run);
  const bool http = http_main_pgm(run);
  const bool pgm = kind == "proc" || kind == "rpt";
  Out out(run);
  // The closing code.
  if (!http) {
    if (kind == "web") out.pieces({"flushBuffer();"});
    if (kind != "web") gen_parm_write_back(run);
    if (kind == "scr") out.pieces({"stopThreads();"});
    if (kind != "trn") gen_pgm_commit(run);
    end_cursors(run);
    if (pgm && is_main_object(run) && has_print_lines(run) && !has_stub_rule(run)) {
      out.pieces({"if (Application.realMainProgram == this)\twaitPrinterEnd();"});
    }
  }
  if (http) {
    out.pieces({"super.cleanup();"});
  } else if (kind == "scr" || kind == "trn") {
    out.pieces({"super.cleanup();"});
    if (!has_stub_rule(run)) out.pieces({"Application.cleanup(context, this, remoteHandle);"});
  } else if (pgm && has_stub_rule(run)) {
    out.pieces({"Application.cleanup(context, this, remoteHandle);"});
  } else if (pgm) {
    declare_var(run, atom("isRemote"), Term::list({atom("boolean"), num(1), num(0), num(1)}), "s",
                Term::list({}));
    // Set by the remote entry before execute_int, so initialize() must not
    // reset it: it starts false where it is declared.
    const Term initial = Term::compound("fld_initial_i", {atom("isRemote"), atom("false")});
    if (!run.facts().exists(initial)) run.facts().assertz(initial);
    out.pieces({"if (!isRemote) exitApplication();"});
  }
  return out.ok() && emit_method_end(run);
}

bool gen_initialize_method(Run& run) {
  if (!emit_method_header(run, "initialize", "public ", "void", {}, "")) return false;
  run.facts().assertz(atom("initializing_i"));
  gen_vars_init(run);
  run.facts().retract_all(atom("initializing_i"));
  bool ok = true;
  if (object_kind(run) != "trn") ok = emit_comment(run, {"Quenora formulas."});
  if (uses_ask(run)) ok = Out(run).pieces({"askCanceled = !doAsk();"}).ok() && ok;
  return ok && emit_method_end(run);
}

bool gen_program_end(Run& run) {
  bool ok = gen_cleanup_method(run) && gen_initialize_method(run) && gen_var_declarations(run);
  step_progress(run);
  ok = ok && emit_class_end(run);
  // A statement without its class leaves the program unable to compile.
  ok = gen_embedded_cursor_classes(run) && ok;
  step_progress(run);
  return close_output(run) && ok;
}

bool gen_trn_program_end(Run& run) {
  bool ok = gen_cleanup_method(run) && gen_initialize_method(run) && gen_var_declarations(run);
  step_progress(run);
  ok = ok && emit_class_end(run);
  if (!run.facts().exists(fact("trn_multi_tier_i", {}))) ok = gen_embedded_cursor_classes(run) && ok;
  return close_output(run) && ok;
}

bool trn_server_program_end(Run& run) {
  bool ok = gen_initialize_method(run) && gen_cleanup_method(run) && gen_var_declarations(run);
  step_progress(run);
  ok = ok && emit_class_end(run);
  ok = gen_embedded_cursor_classes(run) && ok;
  step_progress(run);
  return close_output(run) && ok;
}

bool init_obj_var(Run& run, std::string_view name, std::string_view cls) {
  auto& facts = run.facts();
  for (const Term& with : facts.clauses("obj_initialize_with_i", 2)) {
    if (text_of(with.arg(1)) != name) continue;
    facts.retract(with);
    return Out(run).pieces({name, "=", with.arg(2), ";"}).ok();
  }
  // An array has no constructor of that form: it is created where it is
  // filled.
  if (cls.ends_with("]")) return true;
  return Out(run)
      .pieces({std::string(name) + " = new " + std::string(cls) + "();"})
      .ok();
}

}  // namespace qn::logic
