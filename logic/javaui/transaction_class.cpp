#include "logic/javaui/transaction_class.h"
#include "logic/javaui/std_buttons.h"

#include <algorithm>

#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/javaui/events.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/main_method.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/javaui/work_panel.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/program/expressions.h"
#include "logic/program/proc_class.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/transaction_logic.h"
#include "logic/program/transaction_seams.h"
#include "logic/program/trn_code.h"
#include "logic/sql/pseudo_checks.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/dependencies.h"
#include "logic/toolbox/rule_utilities.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool method(Run& run, const std::string& header, const std::function<bool(Out&)>& body) {
  Out out(run);
  out.open(header + " {");
  const bool ok = body(out);
  out.close("}");
  return out.ok() && ok;
}

Term decl_type(std::string_view type, int64_t length) {
  return Term::list({atom(type), num(length), num(0), num(0)});
}

// The hidden variables of every transaction: runtime fields (scope h,
// never declared by the class).
bool declare_hidden_vars(Run& run) {
  static const std::tuple<const char*, const char*, int64_t> hidden[] = {
      {"QN_FocusControl", "char", 128}, {"msgStatus", "char", 256}, {"errorMsg", "char", 256},
      {"msgMsg", "char", 256},          {"Qn_mode", "char", 3},     {"AnyError", "int", 9},
      {"loopOnce", "boolean", 1}};
  bool ok = true;
  for (const auto& [name, type, length] : hidden) {
    ok = declare_var(run, atom(name), decl_type(type, length), "h", Term::nil()) && ok;
  }
  return ok;
}

struct TrnSubfile {
  Term number;
  std::string nn, control;
};

std::vector<TrnSubfile> trn_subfiles(Run& run) {
  std::vector<TrnSubfile> out;
  for (const FormItem& f : form_items(run)) {
    if (!(f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 1)) continue;
    std::string nn = text_of(f.item.arg(1));
    if (nn.size() < 2) nn = std::string(2 - nn.size(), '0') + nn;
    out.push_back({f.item.arg(1), nn, subfile_control_name(run, f.item.arg(1))});
  }
  return out;
}

// A subfile whose level the transaction does not show would name a class
// never written.
bool subfile_level_shown(Run& run, const Term& subfile) {
  for (const Term& l : trn_levels(run)) {
    if (sfl_level(run, l, subfile)) return true;
  }
  return false;
}

bool gen_error_line(Run& run, const std::string& what) {
  return emit_flush_comment_block(run, {{"Generation error:"}, {"================"}, {what}});
}

// --- the common part -------------------------------------------------------------

bool common_part(Run& run, const Term& name, const std::vector<Term>& parms, const std::string& cls,
                 int64_t model) {
  const bool server = trn_server_side(run);
  bool ok = emit_comment(run, {"Client and Server side code"});
  if (server) {
    ok = ok && gen_class_header(run, model, "trn", cls, SourceMode::Same);
  } else {
    ok = ok && (gen_pgm_entry(run, name) ||
                gen_routine_start(run, pgmtype_main(run) ? "m" : "p", name, Term::list({}), parms));
  }
  ok = ok && gen_constructor(run, cls);
  if (!ok) return false;
  ok = declare_trn_vars(run) && each_seudo_level(run, atom("noinit"));
  ok = ok && declare_hidden_vars(run);
  ok = ok && call_for_top_levels(run, gen_clientserver_procs);
  ok = ok && trn_reset_caption_routine(run) && trn_set_caption_routine(run);
  const Term first = trn_first_level(run);
  for (const Term& l : trn_levels(run)) {
    run.facts().asserta(fact("sql_level_i", {l}));
    ok = ok && seudo_longc_vars(run, l);
    run.facts().retract(fact("sql_level_i", {l}));
  }
  return ok && trn_level_routines(run, first);
}

// --- the transfer methods of a split transaction -----------------------------------

struct Transfer {
  std::string target;
  Term type;  // [Type, Length, Decimals, Flag]
  std::string after;  // a line written after reading it
};

Term var_type_term(Run& run, const Term& name) {
  const OptType t = var_type(run, name);
  if (!t) return decl_type("char", 1);
  return Term::list({atom(t->type), num(t->length), num(t->decimals), num(t->flag)});
}

std::vector<Term> first_level_atts(Run& run) {
  if (auto s = run.facts().first(fact("struct_i", {trn_first_level(run), var(), var(), var()})))
    return s->arg(3).list_items();
  return {};
}

std::vector<Transfer> values(Run& run, bool to_client) {
  std::vector<Transfer> out;
  for (const Term& a : first_level_atts(run)) {
    out.push_back({var_target_ref(run, a, Term::nil(), ""), var_type_term(run, a), ""});
  }
  // The old and previous values of the first level, declared with their
  // attributes' types.
  for (const char* fn : {"old(", "previous("}) {
    for (const Term& m : trn_moves(run, trn_first_level(run), fn)) {
      const auto items = m.list_items();
      if (items.size() < 3 || !items[2].is_cons()) continue;
      const std::string aux = text_of(items[2].head().arg(1));
      const OptType t = var_type(run, items[0]);
      if (!t) continue;
      declare_var_as(run, atom(aux), items[0], type_term(t), "s", Term::nil());
      out.push_back({aux, var_type_term(run, items[0]), ""});
    }
  }
  if (to_client) {
    for (const Term& a : seudo_all_atts(run, trn_first_level(run))) {
      auto v = seudo_var(run, a, num(0));
      if (v) out.push_back({*v, var_type_term(run, a), ""});
    }
  }
  for (const std::string& h : to_client ? jform_trn_hidden_sc(run) : jform_trn_hidden_cs(run)) {
    out.push_back({h, var_type_term(run, atom(h)), ""});
  }
  return out;
}

// The Enter button's caption and tooltip: the client's control properties,
// the server's variables "<control>_<Property>".
bool transfer_properties(Run& run, Out& o, bool read) {
  auto btn = enter_button_ctlname(run);
  if (!btn) return true;
  const bool server = trn_server_side(run);
  for (const auto& [prop, getter, setter] :
       {std::tuple{"Caption", "getCaption", "setCaption"}, {"Tooltiptext", "getTooltip", "setTooltip"}}) {
    if (server) {
      const std::string field = enter_property_var(run, prop);
      if (read) {
        o.pieces({field, "=", "qnu.readString();"});
      } else {
        o.pieces({"qnp.writeString(" + field + ");"});
      }
    } else if (read) {
      o.pieces({*btn + "." + setter + "(qnu.readString());"});
    } else {
      o.pieces({"qnp.writeString(" + *btn + "." + getter + "());"});
    }
  }
  return true;
}

bool transfer_methods(Run& run) {
  const bool server = trn_server_side(run);
  const auto subfiles = trn_subfiles(run);
  const auto pack = [&](bool to_client, bool read) {
    return [&run, to_client, read, &subfiles](Out& o) {
      bool ok = true;
      for (const Transfer& t : values(run, to_client)) ok = gen_pack_field(run, t.target, t.type, read) && ok;
      transfer_properties(run, o, read);
      for (const TrnSubfile& s : subfiles) {
        if (!subfile_level_shown(run, s.number)) continue;
        ok = (read ? read_subfile_data(run, s.number) : write_subfile_data(run, s.number)) && ok;
      }
      return ok;
    };
  };
  bool ok = method(run, "protected void sendData(QNParameterPacker qnp)", pack(server, false));
  ok = method(run, "protected void getData(QNParameterUnpacker qnu)", [&](Out& o) {
         const bool k = pack(!server, true)(o);
         if (!server) o.pieces({"endGetData(this);"});
         return k;
       }) && ok;
  const auto keys = trn_key_atts(run, trn_first_level(run));
  ok = method(run, server ? "protected void getKey(QNParameterUnpacker qnu)"
                          : "protected void sendKey(QNParameterPacker qnp)",
              [&](Out&) {
                bool k = true;
                for (const Term& key : keys)
                  k = gen_pack_field(run, var_target_ref(run, key, Term::nil(), ""), var_type_term(run, key),
                                     server) && k;
                return k;
              }) && ok;
  return ok;
}

// --- the client part -------------------------------------------------------------

// The client's btn_Enter of a split transaction: the Enter event, then the
// runtime's round trip.
bool client_btn_enter(Run& run) {
  return method(run, "protected void btn_enter()", [&](Out& o) {
    gen_user_event(run, atom("Enter"), trn_first_level(run));
    o.pieces({"super.btn_enter();"});
    return true;
  });
}

bool client_part(Run& run, const Term& name, const std::vector<Term>& parms, const std::string& cls) {
  (void)name;
  auto& facts = run.facts();
  const Term first = trn_first_level(run);
  bool ok = emit_comment(run, {"Client side code"}) && gen_main_method(run, cls, parms) &&
            gen_frame_methods(run) && gen_execute_int(run, cls) && Out(run).pieces({"start();"}).ok();
  if (ok && !facts.exists(fact("endscr_i", {}))) {
    facts.assertz(fact("endscr_i", {}));
    ok = end_routine(run, "");
  }
  ok = ok && gen_screen(run) && gen_conditional_color(run);
  if (ok) trn_load_to_buffer_routines(run);
  ok = ok && gen_ref_classes(run);
  if (ok && statusbar_on(run)) {
    ok = method(run, "protected boolean hasStatusBar()", [](Out& o) {
      o.pieces({"return true;"});
      return true;
    });
  }
  ok = ok && method(run, "public void refreshArray(String array)", [](Out&) { return true; });
  ok = ok && gen_do_ask(run);
  if (ok && trn_client_side(run)) ok = client_btn_enter(run);
  ok = ok && method(run, "protected void QNStart()", [&](Out&) {
         return trn::call(run, trn_routine_name(run, "SA_STARTUP", first));
       });
  ok = ok && gen_event_dispatchers(run);
  ok = ok && method(run, "protected void resetCaption()", [&](Out&) { return declare_reset_caption_var(run); });
  ok = ok && method(run, "protected void setAddCaption()", [&](Out&) {
         if (!uses_mode_var(run)) set_enter_button_caption(run, "add");
         return true;
       });
  for (const auto& [getter, button] : {std::pair{"getCancelButton", "Cancel"}, {"getConfirmButton", "Enter"}}) {
    for (const FormItem& f : form_items(run)) {
      if (ok && f.item.is_compound() && f.item.functor() == "button" && f.item.arity() == 1 &&
          text_of(f.item.arg(1)) == button) {
        const std::string field = form_item_field(run, f);
        ok = method(run, std::string("public IQNButton ") + getter + "()", [&](Out& o) {
          o.pieces({"return", field, ";"});
          return true;
        });
        break;
      }
    }
  }
  ok = ok && gen_key_prompt_handler(run);
  facts.asserta(fact("sql_level_i", {first}));
  ok = ok && gen_no_accept(run);
  facts.retract(fact("sql_level_i", {first}));
  ok = ok && gen_context_methods(run);
  if (ok) {
    prompt_init_noweb(run, first);
    for (const Term& sub : trn_sub_levels(run, first)) prompt_init_noweb(run, sub);
  }
  if (ok && trn_client_side(run)) {
    ok = transfer_methods(run);
  } else if (ok && run.facts().exists(fact("b_group_i", {num(2), var(), var(), var(), var(), var()}))) {
    ok = each_break_group(run, num(2), Term::nil(), Term::nil(), Term::nil());
  }
  return ok;
}

// --- the server part ----------------------------------------------------------

bool server_part(Run& run) {
  const Term first = trn_first_level(run);
  bool ok = emit_comment(run, {"Server side code"}) && emit_comment(run, {"Aggregate/select formulas"});
  select_formula_auxs(run, first);
  ok = ok && emit_comment(run, {"Vertical formulas"}) && level_vert_formulas(run, first);
  ok = ok && trn_button_routines(run, first) && trn_confirm_routine(run) && trn_move_routines(run, first);
  if (!trn_client_side(run)) ok = ok && trn_after_level_routine(run, first);
  if (ok && trn_server_side(run)) {
    ok = transfer_methods(run);
    for (const TrnSubfile& s : trn_subfiles(run)) {
      if (!subfile_level_shown(run, s.number)) {
        ok = gen_error_line(run, "Subfile " + s.control + " shows no level of the transaction.") && ok;
        continue;
      }
      ok = define_subfile_var(run, s.number) && ok;
    }
    if (ok) trn_load_to_buffer_routines(run);
  }
  return ok;
}

bool single_class(Run& run, int64_t model, const Term& name, const std::vector<Term>& parms,
                  const std::string& cls) {
  if (!class_source_file(run, model, cls, cls, "inm")) return false;
  pgm_header_comment(run, cls, "/*", "", "*/");
  bool ok = gen_imports(run, "trn") && common_part(run, name, parms, cls, model) &&
            client_part(run, name, parms, cls) && server_part(run);
  if (!ok) return close_output(run) && false;
  return gen_trn_program_end(run);
}

bool split_classes(Run& run, int64_t model, const Term& name, const std::vector<Term>& parms,
                   const std::string& cls) {
  auto& facts = run.facts();
  facts.assertz(fact("trn_multi_tier_i", {}));
  bool ok = class_source_file(run, model, cls, cls, "inm");
  if (ok) {
    pgm_header_comment(run, cls, "/*", "", "*/");
    ok = gen_imports(run, "trn") && common_part(run, name, parms, cls, model) &&
         client_part(run, name, parms, cls);
    const std::string server = cls + "_server";
    ok = ok && method(run, "protected IRemoteProcedureWrapper getRemote()", [](Out& o) {
           o.pieces({"return remote;"});
           return true;
         });
    const std::string supplier = remote_supplier_expr(run, "trn", server, "").value_or("null");
    declare_var(run, atom("remote"), Term::list({fact("obj", {str("IRemoteProcedureWrapper")}), num(0), num(0), num(1)}),
                "s", Term::nil());
    facts.assertz(fact("obj_initialize_with_i", {atom("remote"), str(supplier)}));
    add_object_dependency(run, str(server));
    ok = ok ? gen_trn_program_end(run) : (close_output(run) && false);
  }
  facts.abolish("trn_multi_tier_i", 0);
  facts.assertz(fact("trn_multi_tier_i", {}));
  facts.assertz(fact("trn_server_side_i", {}));
  facts.abolish("endscr_i", 0);
  const std::string server = cls + "_server";
  bool sok = class_source_file(run, model, server, server, "inm");
  if (sok) {
    pgm_header_comment(run, server, "/*", "", "*/");
    sok = gen_imports(run, "trn") && common_part(run, name, parms, server, model) && server_part(run);
    sok = sok ? trn_server_program_end(run) : (close_output(run) && false);
  }
  facts.abolish("trn_server_side_i", 0);
  facts.abolish("trn_multi_tier_i", 0);
  return ok && sok;
}

}  // namespace

bool multi_tier(Run& run) {
  if (platform::upper_1252(pgm_prop_value(run, "MTIER_OPT").value_or("")) == "NO") return false;
  return remote_calls_protocol(run) && !pgm_prop_value(run, "QNDB_LOCATION").value_or("").empty();
}

std::vector<std::string> jform_trn_hidden_cs(Run& run) { return trn_hidden_vars(run); }

std::vector<std::string> jform_trn_hidden_sc(Run& run) {
  std::vector<std::string> out = trn_hidden_vars(run);
  for (const char* v : {"Qn_mode", "loopOnce", "errorMsg", "msgMsg", "QN_FocusControl", "msgStatus"}) {
    if (std::find(out.begin(), out.end(), v) == out.end()) out.push_back(v);
  }
  return out;
}

bool gen_pack_field(Run& run, const std::string& target, const Term& type, bool read, int64_t dims) {
  const auto d = type.list_items();
  if (d.size() < 3 || !d[1].is_int() || !d[2].is_int()) return false;
  const std::string s = get_serialization_type(d[0], d[1].as_int(), d[2].as_int());
  Out out(run);
  if (!read) {
    out.pieces({"qnp.write" + s + "(" + target + ");"});
  } else if (dims == 1) {
    out.pieces({target, "=", "qnu.read" + s + "Array();"});
  } else if (dims == 2) {
    out.pieces({target, "=", "qnu.read" + s + "Array2();"});
  } else {
    out.pieces({target, "=", "qnu.read" + s + "();"});
  }
  return out.ok();
}

bool gen_key_prompt_handler(Run& run) {
  return method(run, "protected void keyPromptHandler(Object eventSource)", [&](Out&) {
    bool ok = true;
    for (const FormItem& f : form_items(run)) {
      const bool column = f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 2;
      const Term it = column ? f.item.arg(1) : f.item;
      if (!attvar_item(it)) continue;
      // Only an attribute with a prompt gets a branch.
      if (!has_prompt(run, it.arg(1))) continue;
      Out o(run);
      o.open("if (" + form_item_field(run, f) + ".isEventSource(eventSource)) {");
      if (column) o.pieces({"eventLevelContext( );"});
      ok = prompt_call(run, it.arg(1)) && ok;
      if (column) o.pieces({"eventLevelResetContext( );"});
      o.pieces({"return;"}).close("}");
      ok = o.ok() && ok;
    }
    return ok;
  });
}

bool define_subfile_var(Run& run, const Term& subfile) {
  std::string nn = text_of(subfile);
  if (nn.size() < 2) nn = std::string(2 - nn.size(), '0') + nn;
  const std::string control = subfile_control_name(run, subfile);
  std::string object;
  if (auto spec = spec_list(run)) {
    const auto items = spec->list_items();
    if (items.size() > 3) object = kind_pgm_name(run, text_of(items[3]));
  }
  declare_var(run, atom(control), Term::list({fact("obj", {str("QNSubfileServer")}), num(0), num(0), num(1)}),
              "s", Term::nil());
  const Term init = fact("obj_initialize_with_i",
                         {atom(control), str("new QNSubfileServer( new " + object + "_flow" + nn + "())")});
  if (!run.facts().exists(init)) run.facts().assertz(init);
  return true;
}

bool read_subfile_data(Run& run, const Term& subfile) {
  return Out(run).pieces({subfile_control_name(run, subfile) + ".readData(qnu);"}).ok();
}
bool write_subfile_data(Run& run, const Term& subfile) {
  return Out(run).pieces({subfile_control_name(run, subfile) + ".writeData(qnp);"}).ok();
}

bool gen_transaction_class(Run& run, int64_t model, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  auto& facts = run.facts();
  facts.abolish("trn_focus_order_i", 1);
  facts.abolish("trn_confirms_i", 1);
  facts.abolish("seudo_option_i", 1);
  for (const char* f : {"level_info_i", "subfile_struct_i", "form_field_i", "subfile_elements_i"}) {
    facts.abolish(f, f == std::string("form_field_i") ? 1 : 2);
  }
  facts.abolish("endscr_i", 0);
  facts.abolish("trn_server_side_i", 0);
  facts.abolish("trn_multi_tier_i", 0);
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  prepare_trn_buttons(run);
  const std::string cls = kind_pgm_name(run, text_of(name));
  const Term parm_rule = get_pgm_parms(run);
  if (!parm_rule.is_nil() && !parm_rule.is_cons()) return false;
  const std::vector<Term> parms = parm_rule.list_items();
  note_event_controls(run);
  bool ok = multi_tier(run) ? split_classes(run, model, name, parms, cls)
                            : single_class(run, model, name, parms, cls);
  if (ok && (is_main_object(run) || pgmtype_main(run))) ok = object_class_file(run, model, kind, name);
  if (ok) ok = gen_subfile_classes(run, model);
  return ok;
}

}  // namespace qn::logic
