#include "logic/program/program_calls.h"

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/program/program_frame.h"
#include "logic/java/remote_calls.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int kHolderCounter = 2;
constexpr int kCallHolderCounter = 0;

bool is_line_parm(const Term& p) {
  auto rp = routine_parms(p);
  return rp && (rp->name.is_atom() || rp->name.is_string()) &&
         platform::lower_1252(rp->name.text()) == "line";
}

bool has_stub_rule(const Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("stub", {var()})}));
}

std::string object_kind(const Run& run) {
  auto k = spec_kind(run);
  return k ? text_of(*k) : "";
}

}  // namespace

std::string pgm_location(Run& run) {
  auto v = pgm_prop_value(run, "LOCATION");
  return v ? platform::lower_1252(*v) : "";
}

std::string class_location(Run& run) {
  if (auto stub = run.facts().first(fact("rule_i", {num(0), fact("stub", {var()})}))) {
    auto pgm = run.facts().first(fact("pgm_id", {var()}));
    const auto id = pgm ? pgm->arg(1).list_items() : std::vector<Term>{};
    if (id.size() >= 3) {
      const std::string upper = platform::upper_1252(text_of(id[2]));
      for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
        if (text_of(f.arg(1)) != text_of(stub->arg(2).arg(1)) ||
            platform::upper_1252(text_of(f.arg(3))) != upper) {
          continue;
        }
        const auto info = f.arg(4).list_items();
        if (info.size() >= 6) return platform::lower_1252(text_of(info[5]));
      }
    }
  }
  return pgm_location(run);
}

std::vector<Term> execute_parms(const Run& run) {
  std::vector<Term> out;
  for (const Term& p : inout_parms(run)) {
    if (is_line_parm(p)) {
      out.push_back(Term::list({fact("obj", {str("IReportHandler")}), str("reportHandler")}));
    }
    out.push_back(p);
  }
  return out;
}

bool gen_constructor(Run& run, std::string_view cls) {
  const std::string kind = object_kind(run);
  const std::string model_context = std::string(cls) + ".class";
  Out out(run);
  if (http_main_pgm(run)) {
    out.pieces({"public " + std::string(cls) + "()"}).open("{");
    out.pieces({"super();"}).close("}").pieces({""});
    out.pieces({"public " + std::string(cls) + "(int remoteHandle)"}).open("{");
    out.pieces({"super(remoteHandle, new ModelContext(", model_context, "));"});
    out.close("}").pieces({""});
    return out.ok();
  }
  const bool plain = kind == "web" || kind == "scr";
  const std::string location = java_quoted(class_location(run));
  out.pieces({"public " + std::string(cls) + "(int remoteHandle)"}).open("{");
  if (plain) {
    out.pieces({"super(remoteHandle, new ModelContext(", model_context, "));"});
  } else {
    out.pieces({"super(remoteHandle, new ModelContext(", model_context, "),", location, ");"});
  }
  out.close("}").pieces({""});
  out.pieces({"public " + std::string(cls) + "(int remoteHandle, ModelContext context)"}).open("{");
  if (plain) {
    out.pieces({"super(remoteHandle, context);"});
  } else {
    out.pieces({"super(remoteHandle, context,", location, ");"});
  }
  out.close("}").pieces({""});
  return out.ok();
}

bool gen_execute_int_calls(Run& run) {
  run.engine().ctr_set(kCallHolderCounter, 0);
  std::string args;
  for (const Term& p : inout_parms(run)) {
    std::string arg;
    auto rp = routine_parms(p);
    if (rp && var_dim(run, rp->name)) {
      arg = parm_aux_name(run, rp->name);
    } else if (is_line_parm(p)) {
      arg = "reportHandler, aP" + std::to_string(run.engine().ctr_inc(kCallHolderCounter));
    } else {
      arg = "aP" + std::to_string(run.engine().ctr_inc(kCallHolderCounter));
    }
    args += (args.empty() ? "" : ", ") + arg;
  }
  return Out(run).pieces({"execute_int(" + args + ");"}).ok();
}

bool gen_execute_method(Run& run) {
  auto entries = parm_list(run, execute_parms(run));
  if (!entries) return false;
  Out header(run);
  if (!format_parm_list(header, "public void execute(", {")"}, *entries) || !header.open("{").ok())
    return false;
  bool ok = true;
  if (!http_main_pgm(run)) {
    if (remote_call_form(run)) {
      Out out(run);
      out.pieces({"if (isRemoteProcedure())"}).open("{");
      ok = gen_remote_call_holders(run, class_location(run)) && ok;
      out.pieces({"exitApplication();"}).close("}").pieces({"else"}).open("{");
      ok = gen_execute_int_calls(run) && ok;
      ok = out.close("}").ok() && ok;
    } else {
      ok = gen_execute_int_calls(run);
    }
  }
  return emit_method_end(run) && ok;
}

bool gen_parm_fields(Run& run) {
  if (is_own_stub_entry(run)) return true;
  run.engine().ctr_set(kHolderCounter, 0);
  auto names = run.facts().first(fact("parm_names_i", {var()}));
  if (!names) return true;
  const Term model = get_model_num(run).value_or(num(0));
  Out out(run);
  for (const Term& e : names->arg(1).list_items()) {
    const auto pair = e.list_items();
    if (pair.size() < 2) continue;
    const Term& name = pair[0];
    const std::string aux = text_of(pair[1]);
    auto at = get_attri_type(run, model, name);
    if (!at || !at->length.is_int() || !at->decimals.is_int()) return false;
    const Term desc = Term::list({at->type, at->length, at->decimals, num(1)});
    if (var_dim(run, name)) {
      declare_var_as(run, str(aux), name, desc, "s", Term::list({}));
      out.pieces({"this." + aux, "=", aux, ";"});
      continue;
    }
    auto holder = get_qnnum_obj(run, at->type, at->length.as_int(), at->decimals.as_int());
    if (!holder) return false;
    const std::string h = "aP" + std::to_string(run.engine().ctr_inc(kHolderCounter));
    out.pieces({"this." + aux + " = " + h + ".getValue();"});
    run.facts().assertz(fact("obj_parm_byref_i", {str(h)}));
    declare_var_as(run, str(aux), name, desc, "s", Term::list({}));
    declare_var(run, str(h), Term::list({fact("obj", {str(*holder)}), num(0), num(0), num(1)}), "s",
                Term::list({}));
    out.pieces({"this." + h, "=", h, ";"});
  }
  return out.ok();
}

bool gen_execute_int(Run& run, std::string_view) {
  const std::string kind = object_kind(run);
  if (http_main_pgm(run)) {
    Out out(run);
    out.pieces({"public void execute( )"}).open("{").close("}").pieces({""});
    out.pieces({"private void execute_int( )"}).open("{");
    return out.ok() && gen_initpars_call(run);
  }
  if (!gen_execute_method(run)) return false;
  auto entries = parm_list(run, execute_parms(run));
  if (!entries) return false;
  Out header(run);
  if (!format_parm_list(header, "private void execute_int(", {")"}, *entries) ||
      !header.open("{").ok() || !gen_parm_fields(run)) {
    return false;
  }
  Out out(run);
  if (kind == "proc" || kind == "rpt") out.pieces({"initialize();"});
  if (uses_ask(run)) {
    // Set by initialize() from the ask dialog.
    declare_var(run, atom("askCanceled"), Term::list({atom("boolean"), num(1), num(0), num(1)}),
                "s", Term::list({}));
    out.pieces({"if (askCanceled) return;"});
  }
  if (kind == "proc" && (is_main_object(run) || pgmtype_main(run)) && !has_stub_rule(run) &&
      remote_calls_protocol(run)) {
    out.pieces({"Application.setCurrentLocation(", java_quoted(class_location(run)), ");"});
  }
  return out.ok();
}

}  // namespace qn::logic
