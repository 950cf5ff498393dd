// Names, hidden values and the small tests of a transaction's logic, and the
// small statements the transaction class gives it (focus, loop once).
#include "logic/program/transaction_logic.h"

#include <algorithm>

#include "logic/core/levels.h"
#include "logic/core/lists.h"
#include "logic/navigation/aux_vars.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/javaui/std_buttons.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/javaui/events.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/work_panel.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/old_values.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/program/trn_code.h"
#include "logic/sql/pseudo_checks.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/rule_utilities.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;
using namespace trn;

namespace {

bool in(const std::vector<Term>& list, const Term& x) {
  return std::find(list.begin(), list.end(), x) != list.end();
}

// The rule prop(Name, Value) of the program, upper-cased.
std::optional<std::string> prop_rule(Run& run, std::string_view name) {
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& p = r.arg(2);
    if (p.is_compound() && p.functor() == "prop" && p.arity() == 2 &&
        platform::upper_1252(text_of(p.arg(1))) == platform::upper_1252(name)) {
      return platform::upper_1252(text_of(p.arg(2)));
    }
  }
  return std::nullopt;
}

Term decl_type(std::string_view type, int64_t length) {
  return Term::list({atom(type), num(length), num(0), num(0)});
}

bool declare(Run& run, const std::string& name, std::string_view type, int64_t length) {
  return declare_var(run, atom(name), decl_type(type, length), "s", Term::nil());
}

std::optional<FormItem> enter_button(Run& run) {
  for (const FormItem& f : form_items(run)) {
    if (f.item.is_compound() && f.item.functor() == "button" && f.item.arity() == 1 &&
        text_of(f.item.arg(1)) == "Enter")
      return f;
  }
  return std::nullopt;
}

// The Java text of a one-argument function of an attribute (seudo(, old().
std::string fn_java(Run& run, std::string_view fn, const Term& att) {
  const Term toks = Term::list({tk(fn, kTokFunction), ta(att), tk(")", kTokClose)});
  auto java = exp_to_java(run, toks, {});
  return java ? join_pieces(java->pieces) : std::string();
}

Term fn_tokens(std::string_view fn, const Term& att) {
  return Term::list({tk(fn, kTokFunction), ta(att), tk(")", kTokClose)});
}

}  // namespace

bool trn_confirms(Run& run) {
  // Asked by most routines: answered once an object (trn_confirms_i/1).
  if (auto known = run.facts().first(fact("trn_confirms_i", {var()}))) return known->arg(1) == "true";
  bool confirms = pgm_prop_upper(run, "CONFIRM").value_or("") != "NO";
  if (auto p = prop_rule(run, "TRNCFM")) {
    if (*p == "NONE") confirms = false;
    if (*p == "ALL" || *p == "NOFIRST") confirms = true;
  }
  run.facts().assertz(fact("trn_confirms_i", {atom(confirms ? "true" : "false")}));
  return confirms;
}

std::string trn_routine_name(Run& run, std::string_view prefix, const Term& level) {
  if (level == trn_first_level(run)) {
    if (prefix == "GETEQ_NOMOD") return "geteq_nomod";
    if (prefix == "GETEQ_") return "geteq";
    if (prefix == "SANOMOD_") return "sanomod";
    if (prefix == "AFTER_LEVEL") return "after_level";
  }
  return platform::lower_1252(pgm_unique_name(run, prefix, text_of(level)));
}

Term trn_first_level(const Run& run) { return first_level(run); }

std::vector<Term> trn_sub_levels(const Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& s : run.facts().clauses("struct_i", 4)) {
    if (s.arg(2) == level && !(s.arg(1) == level)) out.push_back(s.arg(1));
  }
  return out;
}

std::vector<Term> trn_levels(const Run& run) {
  std::vector<Term> out;
  const Term first = trn_first_level(run);
  out.push_back(first);
  // Breadth first: every level after its parent.
  for (size_t i = 0; i < out.size(); ++i) {
    for (const Term& l : trn_sub_levels(run, out[i])) {
      if (!in(out, l)) out.push_back(l);
    }
  }
  return out;
}

bool trn_subfile_level(const Run& run, const Term& level) {
  return run.facts().exists(fact("repeat_i", {level, var()}));
}

std::vector<Term> trn_moves(Run& run, const Term& level, std::string_view function) {
  Term atts = Term::nil();
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) atts = s->arg(3);
  if (auto las = run.facts().first(fact("las_i", {level, var()}))) atts = append(atts, las->arg(2));
  return all_moves(run, num(0), level, function, function == "old(" ? kAuxOld : kAuxPrevious,
                   remove_duplicates(atts));
}

bool call_checket_lvl(Run& run, const Term& level) {
  return call(run, trn_routine_name(run, "CHECKET_", level));
}

std::vector<Term> trn_key_atts(const Run& run, const Term& level) {
  return level_element(run, level, 3).list_items();
}

Term key_change_tokens(const Term& att) { return fn_tokens("seudo(", att); }

Term key_changed_cond(const Run& run, const Term& level) {
  std::vector<Term> conds;
  for (const Term& k : trn_key_atts(run, level)) {
    std::vector<Term> c{ta(k), tk("<>", kTokCompare)};
    for (const Term& t : key_change_tokens(k).list_items()) c.push_back(t);
    conds.push_back(Term::list(c));
  }
  return joined(conds, ".AND.");
}

std::vector<Term> level_own_vars(Run& run, const Term& level) {
  std::vector<Term> out;
  auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
  const std::vector<Term> excluded = s ? s->arg(4).list_items() : std::vector<Term>{};
  const bool first = level == trn_first_level(run);
  if (first) {
    for (const Term& p : get_pgm_parms(run).list_items()) {
      out.push_back(p.is_cons() ? p.head() : p);
    }
  }
  if (s) {
    for (const Term& a : s->arg(3).list_items()) {
      if (!in(excluded, a)) out.push_back(a);
    }
  }
  if (first) {
    for (const Term& v : run.facts().findall(fact("v_i", {atom("t"), atom("i"), var(), var()}))) {
      for (const Term& x : v.arg(4).list_items()) out.push_back(x);
    }
  }
  return out;
}

bool uses_mode_var(Run& run) {
  const auto own = level_own_vars(run, trn_first_level(run));
  return std::any_of(own.begin(), own.end(),
                     [](const Term& v) { return strip_ampersand(text_of(v)) == "Mode"; });
}

std::optional<std::string> enter_button_ctlname(Run& run) {
  if (auto b = enter_button(run)) return form_item_field(run, *b);
  return std::nullopt;
}

std::string enter_property_get(Run& run, std::string_view property) {
  auto btn = enter_button_ctlname(run);
  if (!btn) return "\"\"";
  if (trn_server_side(run)) return enter_property_var(run, property);
  const std::string p(property);
  return *btn + ".get" + (p == "Tooltiptext" ? std::string("Tooltip") : p) + "()";
}

std::string enter_property_set(Run& run, std::string_view property, const std::string& value) {
  auto btn = enter_button_ctlname(run);
  if (!btn) return "";
  if (trn_server_side(run)) return enter_property_var(run, property) + " = " + value + ";";
  const std::string p(property);
  return *btn + ".set" + (p == "Tooltiptext" ? std::string("Tooltip") : p) + "(" + value + ");";
}

std::string enter_property_var(Run& run, std::string_view property) {
  const std::string v = enter_button_ctlname(run).value_or("") + "_" + std::string(property);
  declare(run, v, "char", 128);
  return v;
}

const std::vector<std::string>& std_button_names() {
  static const std::vector<std::string> names = {"Enter", "Delete", "_QNGet_", "First", "Previous",
                                                 "Next",  "Last",   "Clear",   "Select"};
  return names;
}

bool std_button_check(Run& run, std::string_view name) {
  const auto& names = std_button_names();
  if (std::find(names.begin(), names.end(), name) == names.end()) return false;
  bool on_form = false;
  for (const FormItem& f : form_items(run)) {
    on_form = on_form || (f.item.is_compound() && f.item.functor() == "button" &&
                          f.item.arity() == 1 && text_of(f.item.arg(1)) == name);
  }
  // User mode keys: the key check of the update mode holds.
  return on_form && !level_atts_mode_check(run, "u");
}

bool std_button_event(Run& run, std::string_view event) {
  static const std::pair<const char*, const char*> rows[] = {
      {"Enter", "btn_Enter"}, {"Select", "btn_Select"},     {"First", "btn_First"},
      {"Next", "btn_Next"},   {"Previous", "btn_Previous"}, {"Last", "btn_Last"},
      {"Delete", "btn_Delete"}, {"Get", "btn_Get"},         {"_QNGet_", "btn_Get"}};
  if (!spec_kind_in(run, {"trn"})) return false;
  for (const auto& [name, routine] : rows) {
    if (event != name) continue;
    if (std::string_view(name) == "Get") {
      bool has_get = false;
      for (const EventHeader& h : event_headers(run)) {
        has_get = has_get || h.event == "Get" || h.event == "'Get'" || h.event == "\"Get\"";
      }
      if (!has_get) return false;
    }
    return call(run, routine);
  }
  return false;
}

Term trn_level_info(const Run& run, const Term& level) {
  if (!spec_kind_in(run, {"trn"})) return Term::nil();
  return Term::list({level_base_table(run, level), level_element(run, level, 4)});
}

std::vector<std::string> trn_hidden_vars(Run& run) {
  return {"IsConfirmed", "PreviousTooltip", "trnEnded", "loopOnce",
          enter_button_is_bitmap(run) ? "PreviousBitmap" : "PreviousCaption"};
}

std::string trn_rcd_count_var(const Term& level) { return "nRC_" + text_of(level); }
std::string rcd_exists_var(const Term& level) { return "nRcdExists_" + text_of(level); }
std::string rcd_modified_var(const Term& level) { return "nIsMod_" + text_of(level); }
std::string rcd_deleted_var(const Term& level) { return "nDel" + text_of(level); }

std::vector<Term> trn_hidden_list(Run& run, const Term& level) {
  std::vector<Term> out;
  const auto own = level_own_vars(run, level);
  const auto entry = [&](const std::string& java, const Term& name, const Term& toks) {
    out.push_back(Term::list({str(java), name, toks}));
  };
  // 1. The keys' previous values.
  for (const Term& k : trn_key_atts(run, level)) {
    if (in(own, k)) continue;
    entry(fn_java(run, "seudo(", k), k, key_change_tokens(k));
  }
  // 2. The pseudo values of the change check.
  for (const Term& a : seudo_all_atts(run, level)) {
    if (vchar_type(get_attri_type(run, get_model_num(run).value_or(num(0)), a)
                       .value_or(AttriType{atom(""), num(0), num(0), Term::nil()})
                       .type))
      continue;
    entry(fn_java(run, "seudo(", a), a, key_change_tokens(a));
  }
  // 3. The old values held by the level's moves.
  auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
  const std::vector<Term> own_atts = s ? s->arg(3).list_items() : std::vector<Term>{};
  std::vector<Term> held;
  for (const Term& m : old_value_moves(run, level, Term::nil())) {
    if (m.is_cons()) held.push_back(m.head());
  }
  if (auto las = run.facts().first(fact("las_i", {level, var()}))) {
    for (const Term& a : las->arg(2).list_items()) {
      if (in(own_atts, a) || !in(held, a)) continue;
      entry(fn_java(run, "old(", a), a, fn_tokens("old(", a));
    }
  }
  const bool first = level == trn_first_level(run);
  if (first) {
    // 4. The hidden variables; 5. the caller's URL.
    for (const std::string& v : trn_hidden_vars(run)) {
      entry(v, atom(v), Term::list({tv(v)}));
    }
    entry("sCallerURL", atom("sCallerURL"), Term::list({tv("sCallerURL")}));
    // 6. The record count of every subordinate level, with its index.
    for (const Term& sub : trn_sub_levels(run, level)) {
      const std::string rc = trn_rcd_count_var(sub);
      entry(rc, atom(rc), Term::list({tv("nQNsfl_" + text_of(sub) + "_idx")}));
    }
    // 8. The mode.
    entry("Mode", atom("Mode"), Term::list({tv("Mode")}));
  } else {
    // 7. The line's record flags.
    for (const std::string& v : {rcd_exists_var(level), rcd_modified_var(level)}) {
      entry(v, atom(v), Term::list({tv(v)}));
    }
  }
  return out;
}

bool declare_trn_vars(Run& run) {
  bool ok = true;
  for (const char* v : {"IsConfirmed", "RcdFound", "AnyError"}) ok = declare(run, v, "int", 4) && ok;
  ok = declare(run, "trnEnded", "int", 9) && ok;
  ok = declare(run, "nKeyPressed", "int", 1) && ok;
  ok = declare(run, "nUserReturn", "int", 1) && ok;
  ok = declare(run, "Mode", "char", 3) && ok;
  ok = declare(run, "sCallerURL", "char", 1024) && ok;
  ok = declare(run, "PreviousTooltip", "char", 30) && ok;
  ok = declare(run, enter_button_is_bitmap(run) ? "PreviousBitmap" : "PreviousCaption", "char", 30) &&
       ok;
  const Term first = trn_first_level(run);
  for (const Term& l : trn_levels(run)) {
    const std::string n = text_of(l);
    ok = declare(run, "sMode" + n, "char", 3) && ok;
    if (!(l == first) && trn_subfile_level(run, l)) {
      ok = declare(run, "nDelCount" + n, "int", 1) && ok;
      ok = declare(run, "nBlankRcdCount" + n, "int", 3) && ok;
    }
  }
  return ok;
}

bool trn_server_side(const Run& run) {
  return spec_kind_in(run, {"trn"}) && run.facts().exists(fact("trn_server_side_i", {}));
}

bool trn_client_side(Run& run) {
  return spec_kind_in(run, {"trn"}) && !trn_server_side(run) &&
         run.facts().exists(fact("trn_multi_tier_i", {}));
}

bool gen_loop_once(Run& run) {
  return Out(run).pieces({trn_server_side(run) ? "loopOnce = true;" : "cleanup();"}).ok();
}

bool gen_set_focus_next(Run& run) { return Out(run).pieces({"setFocusNext();"}).ok(); }

bool gen_set_focus(Run& run, const Term& number) {
  for (const FormItem& f : form_items(run)) {
    if (!(f.number == number)) continue;
    std::string cell;
    if (f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 2) {
      const Term& sub = f.item.arg(2);
      const std::string ctl = subfile_control_name(run, sub);
      const std::string idx = "nQNsfl_" + text_of(sub) + "_idx - 1";
      const std::string pos = std::to_string(subfile_column_position(run, f.item));
      cell = trn_server_side(run) ? "\"" + ctl + "|\" + (" + idx + ") + \"|" + pos + "\""
                                  : "new QNSubfileCell(" + ctl + ", " + idx + ", " + pos + ")";
    } else {
      // The server has no controls: it names the control's field.
      cell = trn_server_side(run) ? "\"" + form_item_field(run, f) + "\"" : form_item_field(run, f);
    }
    return Out(run).pieces({"setNextFocus(" + cell + ");"}).ok();
  }
  return true;
}

bool trn_focus_first_of(Run& run, const Term& atts) {
  // The form's attribute and variable controls in the window's tab order
  // (then the others in fact order), each [Number, NAME], once an object.
  auto& facts = run.facts();
  auto order = facts.first(fact("trn_focus_order_i", {var()}));
  if (!order) {
    std::vector<Term> entries;
    std::vector<Term> seen;
    const auto add = [&](const FormItem& f) {
      const Term& it = f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 2
                           ? f.item.arg(1)
                           : f.item;
      if (!attvar_item(it) || in(seen, f.number)) return;
      seen.push_back(f.number);
      entries.push_back(Term::list({f.number, str(platform::upper_1252(strip_ampersand(text_of(it.arg(1)))))}));
    };
    for (const FormItem& w : form_items(run)) {
      if (!(w.item == "window")) continue;
      for (const FormItem& f : window_tab_order(run, w.container)) add(f);
    }
    for (const FormItem& f : form_items(run)) add(f);
    facts.assertz(fact("trn_focus_order_i", {Term::list(entries)}));
    order = facts.first(fact("trn_focus_order_i", {var()}));
  }
  std::vector<std::string> wanted;
  for (const Term& a : atts.list_items()) wanted.push_back(platform::upper_1252(strip_ampersand(text_of(a))));
  for (const Term& e : order->arg(1).list_items()) {
    const auto pair = e.list_items();
    if (std::find(wanted.begin(), wanted.end(), text_of(pair[1])) != wanted.end()) {
      return gen_set_focus(run, pair[0]);
    }
  }
  return true;
}

}  // namespace qn::logic
