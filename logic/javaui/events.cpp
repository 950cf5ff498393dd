#include "logic/javaui/events.h"

#include <unordered_map>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/tokens.h"
#include "logic/javaui/form_create.h"
#include "logic/program/java_expr.h"
#include "logic/program/expressions.h"
#include "logic/javaui/java_functions.h"
#include "logic/core/spec_files.h"
#include "logic/navigation/commands.h"
#include "logic/program/subfile_commands.h"
#include "logic/program/transaction_logic.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/rule_utilities.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool one_of(std::string_view k, std::initializer_list<std::string_view> ks) {
  for (auto x : ks) {
    if (k == x) return true;
  }
  return false;
}

// The form item an event header names, when there is one.
std::optional<FormItem> item_of(Run& run, int64_t number) {
  if (auto f = run.facts().first(fact("lit_i", {num(number), var(), var(), var()}))) {
    return FormItem{f->arg(1), f->arg(2), f->arg(3), f->arg(4)};
  }
  return std::nullopt;
}

std::string name_key(const Term& name) {
  return platform::upper_1252(strip_ampersand(text_of(name)));
}

// The controls an event may name, each looked up once: variables and
// attributes (also as subfile columns) and ctlnames.
struct ControlIndex {
  std::unordered_map<std::string, int64_t> shown, named;
  explicit ControlIndex(Run& run) {
    for (const FormItem& f : form_items(run)) {
      if (!f.number.is_int()) continue;
      const Term& it = f.item;
      const Term& s = it.is_compound() && it.functor() == "s" && it.arity() == 2 ? it.arg(1) : it;
      if (attvar_item(s)) shown.emplace(name_key(s.arg(1)), f.number.as_int());
      for (const Term& p : f.props.list_items()) {
        if (p.is_compound() && p.functor() == "ctlname" && p.arity() == 1)
          named.emplace(name_key(p.arg(1)), f.number.as_int());
      }
    }
  }
  int64_t id(const Term& control) const {
    if (!control.is_compound() || control.arity() != 2) return 0;
    const auto& map = control.arg(2) == num(3) ? named : shown;
    auto it = map.find(name_key(control.arg(1)));
    return it == map.end() ? 0 : it->second;
  }
};

const char* mouse_modifier(std::string_view event) {
  if (event == "Click") return "MOUSE_LEFTCLICK";
  if (event == "Dblclick") return "MOUSE_DBLCLICK";
  if (event == "Rightbutton") return "MOUSE_RIGHTCLICK";
  return nullptr;
}

Term first_level(Run& run) {
  if (auto l = run.facts().first(fact("level_i", {var(), var()}))) return l->arg(1);
  return num(1);
}

// gen_after_event_refresh/1: the code run for an event.
bool event_code(Run& run, const Term& header_name, std::string_view event) {
  const Term level = first_level(run);
  if (event == "Refresh") return refresh_all_subfiles(run) || true;
  if (event == "Cancel") return Out(run).pieces({"cleanup();"}).ok();
  // A transaction's standard button runs its routine, then shows the
  // values and the Enter button's caption again unless it ended the form.
  if (spec_kind_in(run, {"trn"}) && std_button_check(run, event) && std_button_event(run, event)) {
    Out out(run);
    out.open("if (!cleanedUp) {").pieces({"VariablesToControls();"});
    out.pieces({"set_caption( );"}).close("}");
    return out.ok();
  }
  // A control's event names its header token itself: "do" it at once.
  if (header_name.is_compound() && header_name.functor() == "t" && header_name.arity() >= 2 &&
      header_name.arg(1).is_cons()) {
    const Term cmd = Term::list({fact("t", {atom("do"), num(kCmdDoSub)}), header_name});
    cmd_to_code(run, cmd, Term::nil(), Term::nil(), level, Term::nil());
    return true;
  }
  gen_event_cmd_call(run, header_name, level);
  return true;
}

bool is_column(const Term& item) {
  return item.is_compound() && item.functor() == "s" && item.arity() == 2;
}

struct Dispatch {
  FormItem item;
  std::string kind;   // control kind
  std::string field;  // the control's field
  EventHeader header;
  Term name;  // the header's name value, as the event call finds it
};

std::vector<Dispatch> control_events(Run& run) {
  std::vector<Dispatch> out;
  for (const Term& f : run.facts().clauses("event_info_i", 2)) {
    const int64_t n = f.arg(2).is_int() ? f.arg(2).as_int() : 0;
    if (n == 0) continue;
    auto it = item_of(run, n);
    if (!it) continue;
    const Term& tok = f.arg(1);
    const auto pair = tok.is_compound() && tok.arity() >= 1 ? tok.arg(1).list_items()
                                                            : std::vector<Term>{};
    if (pair.size() < 2) continue;
    const std::string event = text_of(pair[1].is_compound() ? pair[1].arg(1) : pair[1]);
    // A subfile column is reached through its subfile.
    const std::string field =
        is_column(it->item) ? subfile_column_ref(run, it->item) : form_item_field(run, *it);
    out.push_back({*it, form_item_kind(run, *it).value_or(""), field, {pair[0], event}, tok});
  }
  return out;
}

bool has_kind(const Dispatch& d, std::string_view kind) {
  for (const auto& k : ctl_event_kind(d.kind, d.header.event)) {
    if (k == kind) return true;
  }
  return false;
}

bool branch(Run& run, const std::string& cond, const std::function<bool()>& body) {
  bool ok = Out(run).open("if (" + cond + ") {").ok();
  ok = body() && ok;
  Out out(run);
  out.pieces({"return;"}).close("}");
  return out.ok() && ok;
}

bool method_start(Run& run, const std::string& header) {
  return Out(run).open(header + " {").ok();
}
bool method_end(Run& run) { return Out(run).close("}").ok(); }

// The accepted attribute and variable controls (no bits, no form token).
std::vector<std::pair<FormItem, std::string>> accepted_controls(Run& run) {
  std::vector<std::pair<FormItem, std::string>> out;
  for (const FormItem& f : form_items(run)) {
    if (!attvar_item(f.item)) continue;
    if (form_item_kind(run, f) == std::optional<std::string>("bitmap")) continue;
    if (run.facts().exists(fact("form_token_i", {f.item.arg(1)}))) continue;
    out.emplace_back(f, form_item_field(run, f));
  }
  return out;
}

}  // namespace

std::vector<std::string> ctl_event_kind(std::string_view c, std::string_view e) {
  std::vector<std::string> out;
  const bool choice = one_of(c, {"checkbox", "dyncombo", "combo"});
  if (c == "subfile" && one_of(e, {"Onlineactivate", "Click"})) out.push_back("item");
  if (e == "Selchange") out.push_back("item");
  if (choice && e == "Click") out.push_back("item");
  if (one_of(e, {"Rightbutton", "Dblclick"})) out.push_back("mouse");
  if (!choice && c != "subfile" && e == "Click") out.push_back("mouse");
  if (one_of(e, {"Isvalid", "Gotfocus"})) out.push_back("focus");
  return out;
}

std::vector<EventHeader> event_headers(Run& run) {
  std::vector<EventHeader> out;
  for (const Term& l : run.facts().clauses("b_line_i", 6)) {
    if (!(l.arg(4) == "cmd")) continue;
    const Term toks = drop_tok_positions(l.arg(6));
    if (first_token_type(toks) != kCmdEventStart || !toks.tail().is_cons()) continue;
    const Term& name = toks.tail().head();
    if (!name.is_compound() || name.arity() < 1) continue;
    const auto pair = name.arg(1).list_items();
    if (name.arg(1).is_cons() && pair.size() >= 2) {
      out.push_back({pair[0], text_of(pair[1].is_compound() ? pair[1].arg(1) : pair[1])});
    } else {
      out.push_back({Term::nil(), text_of(name.arg(1))});
    }
  }
  return out;
}

int64_t ctl_id(Run& run, const Term& control) { return ControlIndex(run).id(control); }

void note_event_controls(Run& run) {
  auto& facts = run.facts();
  facts.abolish("event_info_i", 2);
  facts.abolish("event_ctl_i", 2);
  const ControlIndex index(run);
  for (const Term& l : facts.clauses("b_line_i", 6)) {
    if (!(l.arg(4) == "cmd")) continue;
    const Term toks = drop_tok_positions(l.arg(6));
    if (first_token_type(toks) != kCmdEventStart || !toks.tail().is_cons()) continue;
    const Term& name = toks.tail().head();
    if (!name.is_compound() || name.arity() < 1 || !name.arg(1).is_cons()) continue;
    const auto pair = name.arg(1).list_items();
    if (pair.size() < 2) continue;
    const Term number = num(index.id(pair[0]));
    facts.assertz(fact("event_info_i", {name, number}));
    // The events of each control, found by its number.
    facts.assertz(fact("event_ctl_i", {number, str(text_of(pair[1].is_compound() ? pair[1].arg(1) : pair[1]))}));
  }
}

bool register_listeners(Run& run, const Term& number, std::string_view field,
                        std::string_view control_kind) {
  bool item = false, mouse = false;
  for (const Term& f : run.facts().findall(fact("event_ctl_i", {number, var()}))) {
    const std::string event = text_of(f.arg(2));
    for (const auto& k : ctl_event_kind(control_kind, event)) {
      item = item || k == "item";
      mouse = mouse || k == "mouse";
    }
  }
  Out out(run);
  if (control_kind == "subfile") {
    // A subfile listens to its items when it has an event; each column
    // with an event to its actions and items.
    if (run.facts().exists(fact("event_ctl_i", {number, var()}))) {
      out.pieces({std::string(field) + ".addItemListener(this);"});
    }
    auto sub = run.facts().first(fact("lit_i", {number, var(), var(), var()}));
    if (!sub || !sub->arg(3).is_compound() || sub->arg(3).functor() != "s" || sub->arg(3).arity() != 1)
      return out.ok();
    for (const Term& c : run.facts().findall(fact("lit_i", {var(), var(), fact("s", {var(), sub->arg(3).arg(1)}), var()}))) {
      if (!run.facts().exists(fact("event_ctl_i", {c.arg(1), var()}))) continue;
      const std::string column = subfile_column_ref(run, c.arg(3));
      out.pieces({column + ".addActionListener( this);"});
      out.pieces({column + ".addItemListener( this);"});
    }
    return out.ok();
  }
  if (item) out.pieces({std::string(field) + ".addItemListener(this);"});
  if (mouse) out.pieces({std::string(field) + ".addMouseListener(this);"});
  return out.ok();
}

bool gen_event_dispatchers(Run& run) {
  const auto events = control_events(run);
  bool ok = method_start(run, "protected void actionEventDispatch(Object eventSource)");
  if (spec_kind_in(run, {"trn"})) ok = ok && Out(run).pieces({"AnyError = 0;"}).ok();
  // The Refresh and Cancel buttons first, then the other buttons.
  std::vector<FormItem> buttons;
  for (const FormItem& f : form_items(run)) {
    if (f.item.is_compound() && f.item.functor() == "button" && f.item.arity() == 1)
      buttons.push_back(f);
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (const FormItem& b : buttons) {
      const std::string caption = text_of(b.item.arg(1));
      const bool standard = caption == "Refresh" || caption == "Cancel";
      if (standard != (pass == 0)) continue;
      const std::string field = form_item_field(run, b);
      ok = branch(run, field + ".isEventSource(eventSource)",
                  [&] { return event_code(run, b.item.arg(1), caption); }) && ok;
    }
  }
  for (const FormItem& f : form_items(run)) {
    if (!(f.item.is_compound() && f.item.functor() == "s" && f.item.arity() == 1)) continue;
    const std::string sub = form_item_field(run, f);
    ok = branch(run, sub + ".isEventSource(eventSource)",
                [&] { return event_code(run, atom("Enter"), "Enter"); }) && ok;
    // Its columns' mouse events.
    for (const Dispatch& d : events) {
      if (!is_column(d.item.item) || !(d.item.item.arg(2) == f.item.arg(1)) || !has_kind(d, "mouse"))
        continue;
      ok = branch(run, d.field + ".isEventSource(eventSource)",
                  [&] { return event_code(run, d.name, d.header.event); }) && ok;
    }
  }
  ok = method_end(run) && ok;

  ok = method_start(run, "protected void setCurrentQNCursor(Object eventSource)") && ok;
  for (const auto& [f, field] : accepted_controls(run)) {
    ok = branch(run, field + ".isEventSource(eventSource)", [&, fld = field] {
      return Out(run).pieces({"setQNCursor(" + fld + ".getQNCursor());"}).ok();
    }) && ok;
  }
  ok = method_end(run) && ok;
  for (const auto& [method, event] :
       {std::pair{"gotFocusEventDispatch", "Gotfocus"}, {"focusEventDispatch", "Isvalid"}}) {
    ok = method_start(run, std::string("protected void ") + method + "(Object eventSource)") && ok;
    for (const Dispatch& d : events) {
      if (d.header.event != event || !has_kind(d, "focus")) continue;
      ok = branch(run, d.field + ".isEventSource(eventSource)",
                  [&] { return event_code(run, d.name, d.header.event); }) && ok;
    }
    ok = method_end(run) && ok;
  }
  ok = method_start(run, "protected void updateAttributes(Object eventSource)") && ok;
  for (const auto& [f, field] : accepted_controls(run)) {
    const std::string aux = strip_ampersand(text_of(auxname_c(run, f.item.arg(1)).value_or(f.item.arg(1))));
    ok = branch(run, field + ".isEventSource(eventSource)", [&, fld = field] {
      return Out(run).pieces({aux, "=", fld + ".getValue()", ";"}).ok();
    }) && ok;
  }
  ok = method_end(run) && ok;

  ok = method_start(run, "protected void itemEventDispatch(Object eventSource)") && ok;
  for (const Dispatch& d : events) {
    if (!has_kind(d, "item") ||
        !one_of(d.header.event, {"Onlineactivate", "Click", "Selchange"}))
      continue;
    ok = branch(run, d.field + ".isEventSource(eventSource)",
                [&] { return event_code(run, d.name, d.header.event); }) && ok;
  }
  ok = method_end(run) && ok;

  ok = method_start(run, "public void mouseEventDispatch(Object eventSource, int modifier)") && ok;
  for (const Dispatch& d : events) {
    const char* mod = mouse_modifier(d.header.event);
    if (!mod || !has_kind(d, "mouse")) continue;
    ok = branch(run, d.field + ".isEventSource(eventSource) && modifier == " + mod,
                [&] { return event_code(run, d.name, d.header.event); }) && ok;
  }
  ok = method_end(run) && ok;

  ok = method_start(run, "public void keyEventDispatch(Object eventSource, int keyCode)") && ok;
  for (const Term& r : run.facts().findall(fact("rule_i", {var(), var()}))) {
    const Term& rule = r.arg(2);
    if (!rule.is_compound() || rule.functor() != "rule" || rule.arity() < 1) continue;
    for (const Term& a : rule.arg(1).list_items()) {
      if (!(a.is_compound() && a.functor() == "a" && a.arity() == 2 && a.arg(1) == num(22)))
        continue;
      const auto args = a.arg(2).list_items();
      if (args.size() < 3) continue;
      const std::string key = text_of(args[2]);
      const std::string event = text_of(args[0]);
      if (key.empty() || event == "Rfr") continue;
      ok = branch(run, "keyCode == UIFactory.getKeyCodes().getF" + key + "()",
                  [&] { return event_code(run, args[0], event); }) && ok;
    }
  }
  ok = branch(run, "triggerEventEnter(eventSource, keyCode)",
              [&] { return event_code(run, atom("Enter"), "Enter"); }) && ok;
  ok = method_end(run) && ok;
  return gen_key_body_tests(run) && ok;
}

bool gen_key_body_tests(Run& run) {
  if (!spec_kind_in(run, {"trn"})) return true;
  // The first level's key attributes: the third element of its level list.
  std::optional<int64_t> first;
  std::vector<Term> keys;
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    if (!l.arg(1).is_int() || (first && l.arg(1).as_int() >= *first)) continue;
    first = l.arg(1).as_int();
    const auto items = l.arg(2).list_items();
    keys = items.size() > 2 ? items[2].list_items() : std::vector<Term>{};
  }
  if (!first) return true;
  const auto is_key = [&](const Term& att) {
    for (const Term& k : keys) {
      if (platform::upper_1252(text_of(k)) == platform::upper_1252(text_of(att))) return true;
    }
    return false;
  };
  bool ok = true;
  for (const bool key : {true, false}) {
    ok = method_start(run, std::string("public boolean ") + (key ? "isKeyControl" : "isBodyControl") +
                               "(Object eventSource)") && ok;
    for (const FormItem& f : form_items(run)) {
      if (!attvar_item(f.item) || !(f.item.arg(2) == num(kTokAttribute)) ||
          !(f.container == num(*first)) || is_key(f.item.arg(1)) != key)
        continue;
      const OptType type = var_type(run, f.item.arg(1));
      const std::string ctl = form_item_field(run, f);
      const std::string aux =
          strip_ampersand(text_of(auxname_c(run, f.item.arg(1)).value_or(f.item.arg(1))));
      const auto equal = java_compare_expr(type, JavaText{{aux}, type}, "==",
                                           JavaText{{ctl + ".getValue()"}, type});
      Out out(run);
      out.open("if ((" + ctl + ".isEventSource(eventSource)) && !(" + join_pieces(equal) + ")) {");
      out.pieces({"return true;"}).close("}");
      ok = out.ok() && ok;
    }
    ok = Out(run).pieces({"return false;"}).ok() && method_end(run) && ok;
  }
  return ok;
}

}  // namespace qn::logic
