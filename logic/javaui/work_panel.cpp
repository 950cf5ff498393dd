#include "logic/javaui/work_panel.h"

#include <algorithm>
#include <tuple>

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/javaui/events.h"
#include "logic/javaui/form_props.h"
#include "logic/javaui/main_method.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/program/expressions.h"
#include "logic/program/menubar.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/subfile_commands.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is(const Term& t, std::string_view f, uint32_t arity) {
  return t.is_compound() && t.functor() == f && t.arity() == arity;
}

std::vector<int64_t> rect4(Run& run, const Term& props) {
  const auto r = ctl_property(run, "rect", props).value_or(Term::nil()).list_items();
  std::vector<int64_t> out;
  for (size_t i = 0; i < 4; ++i) out.push_back(i < r.size() && r[i].is_int() ? r[i].as_int() : 0);
  return out;
}

bool column_item(const Term& it) { return is(it, "s", 2); }

std::optional<FormItem> item_numbered(Run& run, const Term& number) {
  if (auto f = run.facts().first(fact("lit_i", {number, var(), var(), var()}))) {
    return FormItem{f->arg(1), f->arg(2), f->arg(3), f->arg(4)};
  }
  return std::nullopt;
}

// The tab pages of a tab control, in fact order.
std::vector<FormItem> pages_of(Run& run, const Term& tabcontrol) {
  std::vector<FormItem> out;
  for (const FormItem& f : form_items(run)) {
    if (f.item == "tabpage" && f.container == tabcontrol) out.push_back(f);
  }
  return out;
}

// A key attribute of the first level (the third element of its level
// list).
bool first_level_key(Run& run, const Term& att) {
  std::optional<Term> first;
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    if (l.arg(1).is_int() && (!first || l.arg(1).as_int() < first->arg(1).as_int())) first = l;
  }
  if (!first) return false;
  const auto items = first->arg(2).list_items();
  if (items.size() < 3) return false;
  for (const Term& k : items[2].list_items()) {
    if (k == att) return true;
  }
  return false;
}

int tab_class(Run& run, const FormItem& f) {
  const std::string kind = form_item_kind(run, f).value_or("");
  if (attvar_item(f.item) && f.item.arg(2) == num(2) && first_level_key(run, f.item.arg(1))) return 0;
  if (attvar_item(f.item)) {
    const bool variable = f.item.arg(2) == num(23);
    return variable && kind == "bitmap" ? 4 : 1;
  }
  if (kind == "subfile" || kind == "tabcontrol") return 1;
  if (kind == "button") return 2;
  if (kind == "rect") return 5;
  return 4;
}

std::tuple<int, int64_t, int64_t> tab_key(Run& run, const FormItem& f) {
  auto r = rect4(run, f.props);
  int64_t top = r[1], left = r[0];
  // A control on the K-th page of a tab control sits below the pages
  // before it.
  if (auto page = item_numbered(run, f.container); page && page->item == "tabpage") {
    const auto pages = pages_of(run, page->container);
    int64_t k = 1;
    for (const FormItem& p : pages) {
      if (p.number == page->number) break;
      ++k;
    }
    const auto pr = rect4(run, page->props);
    left += pr[0];
    top += pr[1] + k * pr[3];
  }
  return {tab_class(run, f), top, left};
}

std::string field_of(Run& run, const FormItem& f) { return form_item_field(run, f); }

std::string level_of_window(Run& run, const FormItem& w) { (void)run; return text_of(w.container); }

bool focusable(Run& run, const FormItem& f) { return tab_class(run, f) <= 2; }

// A variable's program reference, declared with its type.
std::string variable_ref(Run& run, const Term& name) {
  return var_target_ref(run, name, Term::nil(), "");
}

bool method(Run& run, const std::string& header, const std::function<bool(Out&)>& body) {
  Out out(run);
  out.open(header + " {");
  const bool ok = body(out);
  out.close("}");
  return out.ok() && ok;
}

std::string prop_upper(Run& run, std::string_view name) {
  return pgm_prop_upper(run, name).value_or("");
}

std::optional<FormItem> window_of(Run& run) {
  for (const FormItem& f : form_items(run)) {
    if (f.item == "window") return f;
  }
  return std::nullopt;
}

// The break groups of the event source (the program's own level, 0); an
// event source without groups is one group of every command line.
bool event_source(Run& run) {
  const Term top = num(0);
  if (run.facts().exists(fact("b_group_i", {top, var(), var(), var(), var(), var()}))) {
    return each_break_group(run, top, Term::nil(), Term::nil(), Term::nil());
  }
  // Each line goes to the subfile statements' writer, which hands the others
  // to cmd_to_code/5.
  bool ok = true;
  for (const Term& l : run.facts().clauses("b_line_i", 6)) {
    if (!(l.arg(2) == top) || !(l.arg(4) == "cmd")) continue;
    note_event_command(run, drop_tok_positions(l.arg(6)));
    ok = gen_subfile_event_access(run, l.arg(6), Term::nil(), Term::nil(), top, Term::nil()) && ok;
  }
  return ok;
}

bool has_parms(Run& run) { return !get_pgm_parms(run).list_items().empty(); }

}  // namespace

std::vector<FormItem> sorted_controls(Run& run, const Term& container, bool attvar_only) {
  std::vector<std::pair<std::tuple<int, int64_t, int64_t>, FormItem>> keyed;
  for (const FormItem& f : form_items(run)) {
    if (!(f.container == container) || f.item == "window" || f.item == "tabpage" ||
        column_item(f.item))
      continue;
    if (attvar_only && !attvar_item(f.item)) continue;
    keyed.emplace_back(tab_key(run, f), f);
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<FormItem> out;
  for (auto& [k, f] : keyed) out.push_back(f);
  return out;
}

std::vector<FormItem> window_tab_order(Run& run, const Term& level) {
  std::vector<FormItem> out;
  for (const FormItem& f : sorted_controls(run, level, false)) {
    if (f.item == "tabcontrol") {
      for (const FormItem& p : pages_of(run, f.number)) {
        for (const FormItem& c : window_tab_order(run, p.number)) out.push_back(c);
      }
      continue;
    }
    if (focusable(run, f)) out.push_back(f);
  }
  return out;
}

bool focus_first_of_form(Run& run, const Term& attributes) {
  std::optional<int64_t> first;
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    if (l.arg(1).is_int() && (!first || l.arg(1).as_int() < *first)) first = l.arg(1).as_int();
  }
  if (!first) return false;
  const auto wanted = attributes.list_items();
  for (const FormItem& f : window_tab_order(run, num(*first))) {
    if (!attvar_item(f.item)) continue;
    for (const Term& a : wanted) {
      const Term& name = a.is_compound() && a.arity() >= 1 ? a.arg(1) : a;
      if (platform::upper_1252(text_of(name)) != platform::upper_1252(text_of(f.item.arg(1)))) continue;
      return Out(run).pieces({"setNextFocus(" + field_of(run, f) + ");"}).ok();
    }
  }
  return false;
}

std::string window_title_expr(Run& run) {
  // The WINTITLE property, the window's title, the description.
  std::string title = pgm_prop_value(run, "WINTITLE").value_or("");
  if (title.empty()) {
    const auto win = window_of(run);
    if (auto t = ctl_prop_decode(run, "title", win ? win->props : Term::nil()); t && !t->is_nil())
      title = text_of(*t);
  }
  if (title.empty()) title = text_of(*ctl_prop_default(run, "wintitle"));
  return java_quoted(title);
}

bool gen_frame_methods(Run& run) {
  auto win = window_of(run);
  const Term wprops = win ? win->props : Term::nil();
  auto frame = [&](const std::string& type, const std::string& name, const std::string& value) {
    return method(run, "protected " + type + " " + name + "()", [&](Out& o) {
      o.pieces({"return", value, ";"});
      return true;
    });
  };
  // A named menu bar is the menu bar's class (its kind's program name).
  std::string menubar = "Application.getDefaultMenuBar(this)";
  if (auto mb = pgm_prop_value(run, "MENUBAR"); mb && !mb->empty()) {
    menubar = platform::upper_1252(*mb) == "*NONE"
                  ? "null"
                  : "new " + platform::lower_1252(kind_letter("mbr") + *mb) + "(this)";
  }
  std::string top = "0", left = "0";
  if (auto p = run.facts().first(fact("popup_offset_i", {var(), var()}))) {
    left = text_of(p->arg(1));
    top = text_of(p->arg(2));
  }
  const auto r = rect4(run, wprops);
  bool db = false;
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    const Term& items = l.arg(2);
    db = db || (items.is_cons() && !(items.head().is_int() && items.head().as_int() == 0));
  }
  const std::string modal = prop_upper(run, "MODAL");
  const bool is_modal = modal == "YES" || ((modal == "PARM" || modal.empty()) && has_parms(run));
  const std::string tout = pgm_prop_value(run, "REFRESH_TOUT").value_or("");
  const std::string trig = prop_upper(run, "REFRESH_TOUT_TRIG");
  const std::string show = prop_upper(run, "SHOW_FRM");
  const std::string paint = show == "BEFORE" ? "false" : "true";
  auto yes_no = [&](std::string_view name) {
    return prop_upper(run, name) == "NO" ? "false" : "true";
  };
  const std::string border = pgm_prop_value(run, "BORSTY").value_or("");
  const std::string icon = pgm_prop_value(run, "ICON").value_or("");
  bool ok = frame("String", "getFrmTitle", window_title_expr(run));
  ok = frame("QNMenuBar", "getMenuBar", menubar) && ok;
  ok = frame("int", "getFrmTop", top) && ok;
  ok = frame("int", "getFrmLeft", left) && ok;
  ok = frame("int", "getFrmWidth", std::to_string(r[2])) && ok;
  ok = frame("int", "getFrmHeight", std::to_string(r[3])) && ok;
  ok = frame("int", "getFrmBackground", java_ctl_color(run, "back", wprops)) && ok;
  ok = frame("int", "getFrmForeground", java_ctl_color(run, "fore", wprops)) && ok;
  ok = frame("boolean", "isMainProgram", pgmtype_main(run) ? "true" : "false") && ok;
  ok = frame("boolean", "isModal", is_modal ? "true" : "false") && ok;
  ok = frame("boolean", "hasDBAccess", db ? "true" : "false") && ok;
  ok = frame("int", "getRefreshTimeout", tout.empty() ? "0" : tout) && ok;
  ok = method(run, "public boolean getRefreshTimeoutAlways()", [&](Out& o) {
         o.pieces({"return", trig.empty() || trig == "ALL" ? "true" : "false", ";"});
         return true;
       }) && ok;
  ok = frame("boolean", "getPaintAfterStart", paint) && ok;
  ok = frame("int", "getBorderStyle", border.empty() ? "2" : border) && ok;
  ok = frame("boolean", "getMaxButton", yes_no("MAXBUT")) && ok;
  ok = frame("boolean", "getMinButton", yes_no("MINBUT")) && ok;
  ok = frame("boolean", "getCtrlBox", yes_no("CTRBOX")) && ok;
  ok = frame("boolean", "getShowInTaskbar", yes_no("S_TASK")) && ok;
  ok = frame("String", "getFormIcon", java_quoted(icon)) && ok;
  return ok;
}

namespace {

bool create_container(Run& run, const Term& container) {
  bool ok = true;
  for (const FormItem& f : sorted_controls(run, container, true)) ok = gen_ctl_create(run, f) && ok;
  std::vector<FormItem> others, rects;
  for (const FormItem& f : form_items(run)) {
    if (!(f.container == container) || attvar_item(f.item) || f.item == "window" ||
        f.item == "tabpage" || column_item(f.item))
      continue;
    (is(f.item, "rect", 1) ? rects : others).push_back(f);
  }
  for (auto it = others.rbegin(); it != others.rend(); ++it) ok = gen_ctl_create(run, *it) && ok;
  for (const FormItem& f : rects) ok = gen_ctl_create(run, f) && ok;
  return ok;
}

void declare_field(Run& run, const std::string& field, const std::string& cls) {
  run.facts().assertz(fact("form_field_i", {atom(field)}));
  declare_var(run, atom(field), Term::list({fact("obj", {str(cls)}), num(0), num(0), num(1)}),
              "s", Term::nil());
}

}  // namespace

bool gen_screen(Run& run) {
  bool ok = Out(run).open("protected void screen() {").ok();
  std::vector<Term> levels;
  for (const FormItem& w : form_items(run)) {
    if (!(w.item == "window")) continue;
    const std::string panel = "QNPanel" + level_of_window(run, w);
    declare_field(run, panel, "QNPanel");
    const auto r = rect4(run, w.props);
    Out out(run);
    out.pieces({panel, "= new QNPanel(this,", std::to_string(r[0]), ",", std::to_string(r[1]), ",",
                std::to_string(r[2]), ",", std::to_string(r[3]), ");"});
    out.pieces({"this.setIBackground(" + java_ctl_color(run, "back", w.props) + ");"});
    out.pieces({"this.setIForeground(" + java_ctl_color(run, "fore", w.props) + ");"});
    out.pieces({panel + ".refreshFrame();"});
    ok = out.ok() && create_container(run, w.container) && ok;
    levels.push_back(w.container);
  }
  for (const FormItem& tc : form_items(run)) {
    if (!(tc.item == "tabcontrol")) continue;
    const std::string tcf = field_of(run, tc);
    for (const FormItem& p : pages_of(run, tc.number)) {
      const std::string page = tabpage_field(run, p.number);
      declare_field(run, page, "QNTabPage");
      const auto r = rect4(run, p.props);
      const auto title = ctl_property(run, "title", p.props).value_or(str(""));
      Out out(run);
      out.pieces({page, "= new QNTabPage (", tcf, ",", java_quoted(text_of(title)), ",",
                  std::to_string(r[0]), ",", std::to_string(r[1]), ",", std::to_string(r[2]), ",",
                  std::to_string(r[3]), ",", java_ctl_color(run, "back", p.props), ",",
                  java_ctl_color(run, "fore", p.props), ", 0, 0);"});
      ok = out.ok() && create_container(run, p.number) && ok;
    }
  }
  if (!levels.empty()) {
    const auto order = window_tab_order(run, levels.front());
    if (!order.empty()) {
      Out out(run);
      out.pieces({"focusManager.setControlList(new IFocusableControl[] {"}).shift(10);
      for (size_t i = 0; i < order.size(); ++i) {
        out.pieces({field_of(run, order[i]) + (i + 1 < order.size() ? "," : "")});
      }
      out.shift(-10).pieces({"});"});
      ok = out.ok() && ok;
    }
  }
  Out end(run);
  end.close("}");
  end.open("protected void setFocusFirst() {");
  // A subfile of the window loaded at start-up takes the focus first.
  std::optional<FormItem> first_sub;
  if (!levels.empty() && platform::upper_1252(pgm_prop_value(run, "LOAD").value_or("")) != "NO") {
    for (const FormItem& f : form_items(run)) {
      if (is(f.item, "s", 1) && f.container == levels.front()) {
        first_sub = f;
        break;
      }
    }
  }
  if (first_sub) {
    end.pieces({"setFocus(" + field_of(run, *first_sub) + ");"});
  } else if (!levels.empty()) {
    for (const FormItem& f : window_tab_order(run, levels.front())) {
      const std::string kind = form_item_kind(run, f).value_or("");
      if (kind == "button") {
        end.pieces({"setFocus(" + field_of(run, f) + ", true);"});
        break;
      }
      if (attvar_item(f.item) && !run.facts().exists(fact("form_token_i", {f.item.arg(1)}))) {
        end.pieces({"setFocus(" + field_of(run, f) + ", true);"});
        break;
      }
    }
  }
  end.close("}");
  return end.ok() && ok;
}

namespace {

std::string padded(const std::string& digits, size_t width) {
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

// The level a subfile shows: its break's, else the first level the subfile
// rules take.
std::optional<Term> subfile_level(Run& run, const Term& number) {
  if (auto b = run.facts().first(fact("sf_break_i", {var(), number}))) return b->arg(1);
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    if (is_lvl2sub(run, l.arg(1), number)) return l.arg(1);
  }
  return std::nullopt;
}

// A subfile of the form: its number, control, element class and object.
struct FormSubfile {
  Term number;
  std::string nn, control, element_class, object;
};

std::vector<FormSubfile> form_subfiles(Run& run) {
  std::vector<FormSubfile> out;
  int64_t object = 0;
  if (auto spec = spec_list(run)) {
    const auto items = spec->list_items();
    if (items.size() > 1 && items[1].is_int()) object = items[1].as_int();
  }
  const std::string letter = kind_letter(text_of(spec_kind(run).value_or(atom(""))));
  for (const FormItem& f : form_items(run)) {
    // A subfile whose level it does not show has no element class: no
    // member names one.
    if (!is(f.item, "s", 1) || !subfile_shown_level(run, f.item.arg(1))) continue;
    FormSubfile sf;
    sf.number = f.item.arg(1);
    sf.nn = padded(text_of(sf.number), 2);
    sf.control = subfile_control_name(run, sf.number);
    sf.element_class = "sub" + letter + sf.nn + padded(std::to_string(object), 5);
    sf.object = platform::lower_1252(sf.element_class);
    out.push_back(sf);
  }
  return out;
}

}  // namespace

std::vector<Term> subfile_elements(Run& run, const Term& number) {
  auto& facts = run.facts();
  if (auto memo = facts.first(fact("subfile_elements_i", {number, var()}))) {
    return memo->arg(2).list_items();
  }
  std::vector<Term> shown, rest;
  for (const Term& f : run.facts().findall(fact("lit_i", {var(), var(), fact("s", {var(), number}), var()}))) {
    const Term& it = f.arg(3).arg(1);
    if (attvar_item(it)) shown.push_back(it.arg(1));
  }
  // The level of the subfile's break first, else the first level the
  // subfile rules take.
  const std::optional<Term> level = subfile_level(run, number);
  if (level) {
    if (auto r = run.facts().first(fact("repeat_i", {*level, var()}))) {
      for (const Term& a : r->arg(2).list_items()) {
        if (std::find(shown.begin(), shown.end(), a) == shown.end()) rest.push_back(a);
      }
    }
  }
  shown.insert(shown.end(), rest.begin(), rest.end());
  // A transaction's line also keeps each attribute's value as read (its
  // pseudo twin), which tells whether the line changed.
  if (spec_kind_in(run, {"trn"})) {
    const size_t n = shown.size();
    for (size_t i = 0; i < n; ++i) {
      if (facts.exists(fact("attri_i", {shown[i], var()}))) shown.push_back(fact("seudo", {shown[i]}));
    }
  }
  facts.assertz(fact("subfile_elements_i", {number, Term::list(shown)}));
  return shown;
}

std::optional<std::vector<Term>> level_subfile_elements(Run& run, const Term& level) {
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    const Term& it = f.arg(3);
    if (is(it, "s", 1) && is_lvl2sub(run, level, it.arg(1))) return subfile_elements(run, it.arg(1));
  }
  return std::nullopt;
}

bool gen_context_methods(Run& run) {
  const auto subfiles = form_subfiles(run);
  bool sub_ok = true;
  for (const FormSubfile& sf : subfiles) {
    declare_field(run, sf.object, sf.element_class);
    run.facts().retract_all(fact("form_field_i", {atom(sf.object)}));
    const auto elements = subfile_elements(run, sf.number);
    std::vector<std::pair<std::string, std::string>> moves;  // field, variable
    for (const Term& e : elements) {
      // A pseudo twin moves to and from the pseudo value's auxiliary.
      std::optional<std::string> v;
      if (is(e, "seudo", 1)) v = gen_aux_name(run, e.arg(1), Term::nil(), kAuxPseudo);
      moves.emplace_back(subfile_element_name(run, e), v ? *v : variable_ref(run, e));
    }
    sub_ok = method(run, "protected void variablesToSubfile" + sf.nn + "()", [&](Out& o) {
               for (const auto& [field, v] : moves) o.pieces({sf.object + ".set" + field + "(" + v + ");"});
               return true;
             }) && sub_ok;
    sub_ok = method(run, "protected void subfileToVariables" + sf.nn + "()", [&](Out& o) {
               for (const auto& [field, v] : moves) o.pieces({v, "=", sf.object + ".get" + field + "();"});
               return true;
             }) && sub_ok;
  }
  std::vector<std::pair<std::string, std::string>> shown;  // control, variable
  for (const FormItem& f : form_items(run)) {
    if (!attvar_item(f.item) || form_item_kind(run, f) == std::optional<std::string>("bitmap"))
      continue;
    shown.emplace_back(field_of(run, f), variable_ref(run, f.item.arg(1)));
  }
  bool ok = method(run, "protected void VariablesToControls()", [&](Out& o) {
    for (const auto& [ctl, v] : shown) o.pieces({ctl + ".setValue(", v, ");"});
    return true;
  });
  ok = method(run, "protected void ControlsToVariables()", [&](Out& o) {
         for (const auto& [ctl, v] : shown) o.pieces({v, "=", ctl + ".getValue()", ";"});
         return true;
       }) && ok;
  ok = method(run, "protected void eventNoLevelContext()", [&](Out& o) {
         o.pieces({"ControlsToVariables();"});
         return true;
       }) && ok;
  ok = method(run, "protected void eventLevelContext()", [&](Out& o) {
         o.pieces({"ControlsToVariables();"});
         for (const FormSubfile& sf : subfiles) {
           o.pieces({"if ( " + sf.control + ".inValidElement() )"});
           o.open("{");
           o.pieces({sf.object, "= (", sf.element_class, ")", sf.control + ".getCurrentElement()",
                     ";"});
           o.pieces({"subfileToVariables" + sf.nn + "();"});
           o.close("}");
         }
         return true;
       }) && ok;
  ok = method(run, "protected void eventLevelResetContext()", [&](Out& o) {
         for (const FormSubfile& sf : subfiles) {
           o.pieces({"variablesToSubfile" + sf.nn + "();"});
           o.pieces({sf.control + ".refreshLineValue(" + sf.object + ");"});
         }
         return true;
       }) && ok;
  return ok && sub_ok;
}

bool has_colour_rules(Run& run);

bool gen_var_control_sync(Run& run) {
  // Each subfile's load producer and flow class come first.
  bool classes_ok = true;
  bool load_event = false;
  for (const EventHeader& h : event_headers(run)) {
    std::string e = platform::upper_1252(h.event);
    if (e.size() >= 2 && (e.front() == '\'' || e.front() == '"')) e = e.substr(1, e.size() - 2);
    load_event = load_event || (h.control.is_nil() && e == "LOAD");
  }
  // The form's events stand at level 0: a Load event there writes the
  // load-to-buffer and close methods only when level 0 shows a subfile.
  const Term top = num(0);
  const std::string load_event_digits =
      load_event && sfl_level(run, top, Term::fresh_var()) ? load_digits(run, top) : "";
  for (const Term& n : form_subfile_numbers(run)) {
    if (auto level = subfile_shown_level(run, n)) {
      const std::string nn = level_digits(n);
      classes_ok = gen_load_producer(run, 0, *level, nn) && classes_ok;
      // The producer's callees are written here unless the Load event
      // writes them.
      if (load_event_digits != nn) {
        classes_ok = method(run, "public void loadToBuffer" + nn + "()",
                            [&](Out&) { return gen_subfile_load_to_buffer(run, n); }) &&
                     gen_close_cursors_method(run, *level, nn, load_event) &&
                     classes_ok;
      }
    }
    classes_ok = subfile_flow_control(run, n) && classes_ok;
  }
  if (!classes_ok) return false;
  return method(run, "protected void QNRefresh()", [&](Out& o) {
    bool ok = true;
    if (form_subfile_numbers(run).empty()) {
      ok = gen_event_cmd_call(run, atom("Refresh"), num(1)) || true;
      o.pieces({"standAlone();"});
      o.pieces({"VariablesToControls();"});
    } else {
      o.pieces({"ControlsToVariables();"});
      o.pieces({"standAlone();"});
      o.pieces({"VariablesToControls();"});
      ok = gen_event_cmd_call(run, atom("Refresh"), num(1)) || true;
    }
    if (has_colour_rules(run)) o.pieces({"setConditionalColor( true, \"\");"});
    ok = emit_comment(run, {"Quenora Refresh"}) && ok;
    return ok;
  });
}

std::vector<ActionRule> action_rules(Run& run, int64_t kind) {
  std::vector<ActionRule> out;
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& rule = r.arg(2);
    if (!is(rule, "rule", 4)) continue;
    for (const Term& a : rule.arg(1).list_items()) {
      if (is(a, "a", 2) && a.arg(1) == num(kind)) out.push_back({a.arg(2).list_items(), rule.arg(2)});
    }
  }
  return out;
}

namespace {

bool names_item(const Term& token, const Term& item) {
  return token.is_compound() && token.arity() >= 1 && item.is_compound() && item.arity() >= 1 &&
         platform::upper_1252(strip_ampersand(text_of(token.arg(1)))) ==
             platform::upper_1252(strip_ampersand(text_of(item.arg(1))));
}

std::string condition_text(Run& run, const Term& condition) {
  std::string s;
  for (const std::string& p : cond_to_java(run, condition, {})) s += (s.empty() ? "" : " ") + p;
  return s;
}

// A colour of a colour rule: a name, or two words read as one.
std::optional<std::string> rule_colour(const Term& c) {
  std::string name;
  if (c.is_cons()) {
    for (const Term& w : c.list_items()) name += text_of(w);
  } else {
    name = text_of(c);
  }
  if (name.empty()) return std::nullopt;
  if (auto rgb = legacy_color_rgb(name)) return "UIFactory.getColor" + *rgb;
  return std::nullopt;
}

}  // namespace

bool has_colour_rules(Run& run) { return !action_rules(run, 26).empty(); }

bool gen_no_accept(Run& run) {
  const auto rules = action_rules(run, 3);
  return method(run, "public void setNoAccept(Object eventSource)", [&](Out& o) {
    for (const FormItem& f : form_items(run)) {
      if (!attvar_item(f.item) || run.facts().exists(fact("form_token_i", {f.item.arg(1)})))
        continue;
      std::vector<std::string> conds;
      for (const ActionRule& r : rules) {
        if (!r.args.empty() && names_item(r.args[0], f.item))
          conds.push_back(condition_text(run, r.condition));
      }
      if (conds.empty()) continue;
      std::string cond = conds[0];
      for (size_t i = 1; i < conds.size(); ++i) cond = "(" + cond + ") || (" + conds[i] + ")";
      const std::string ctl = field_of(run, f);
      o.pieces({"if ( " + ctl + ".isEventSource(eventSource) )"});
      o.open("{");
      o.pieces({ctl + ".setEnabled(!(" + cond + "));"});
      o.close("}");
    }
    return true;
  });
}

bool gen_conditional_color(Run& run) {
  const auto rules = action_rules(run, 26);
  return method(run, "public void setConditionalColor(boolean all, Object control)", [&](Out& o) {
    for (const ActionRule& r : rules) {
      if (r.args.size() < 2) continue;
      std::optional<FormItem> item;
      for (const FormItem& f : form_items(run)) {
        if (attvar_item(f.item) && names_item(r.args[1], f.item)) item = f;
      }
      if (!item) continue;
      const auto colours = r.args[0].list_items();
      const std::string ctl = field_of(run, *item);
      const std::string cond = condition_text(run, r.condition);
      const auto fore = colours.size() > 0 ? rule_colour(colours[0]) : std::nullopt;
      const auto back = colours.size() > 1 ? rule_colour(colours[1]) : std::nullopt;
      if (!fore && !back) continue;
      o.pieces({"if (all || " + ctl + ".isEventSource(control) )"});
      o.open("{");
      if (fore) o.pieces({ctl + ".setICondForeground(" + cond + ", " + *fore + ");"});
      if (back) o.pieces({ctl + ".setICondBackground(" + cond + ", " + *back + ");"});
      o.close("}");
    }
    return true;
  });
}

bool gen_refresh_array(Run& run) {
  return method(run, "public void refreshArray(String array)", [&](Out& o) {
    for (const Term& d : run.facts().findall(fact("rule_i", {var(), fact("dim", {var(), var()})}))) {
      const Term& array = d.arg(2).arg(1);
      std::vector<std::string> sets;
      for (const FormItem& f : form_items(run)) {
        if (!attvar_item(f.item) || !(f.item.arg(2) == num(kTokVariable))) continue;
        auto is = run.facts().first(fact("is_i", {f.item.arg(1), var()}));
        if (!is || !is->arg(2).is_cons()) continue;
        const Term& head = is->arg(2).head();
        if (!head.is_compound() || head.arity() < 1 ||
            platform::upper_1252(text_of(head.arg(1))) != platform::upper_1252(text_of(array)))
          continue;
        // The element's reference: its whole expression (array and
        // subscripts) translated.
        const auto ref = exp_to_java(run, is->arg(2), {});
        if (!ref) continue;
        sets.push_back(field_of(run, f) + ".setValue( " + join_pieces(ref->pieces) + " );");
      }
      o.open("if (array.equals(" + java_quoted(strip_ampersand(text_of(array))) + ")) {");
      for (const std::string& line : sets) o.pieces({line});
      o.close("}");
    }
    return true;
  });
}

bool gen_workpanel_class(Run& run, int64_t model, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  auto& facts = run.facts();
  facts.abolish("level_info_i", 2);
  facts.abolish("subfile_struct_i", 2);
  facts.abolish("endscr_i", 0);
  facts.abolish("form_field_i", 1);
  facts.abolish("subfile_elements_i", 2);
  facts.abolish("lvl2sub_i", 2);
  facts.abolish("notlvl2sub_i", 2);
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  const std::string cls = kind_pgm_name(run, text_of(name));
  if (!class_source_file(run, model, cls, cls, "inm")) return false;
  const Term parm_rule = get_pgm_parms(run);
  if (!parm_rule.is_nil() && !parm_rule.is_cons()) return close_output(run) && false;
  const std::vector<Term> parms = parm_rule.list_items();
  note_event_controls(run);
  pgm_header_comment(run, cls, "/*", "", "*/");
  const bool main = pgmtype_main(run);
  bool ok = gen_imports(run, text_of(kind)) &&
            (gen_pgm_entry(run, name) ||
             gen_routine_start(run, main ? "m" : "p", name, Term::list({}), parms)) &&
            gen_main_method(run, cls, parms) && gen_constructor(run, cls) &&
            gen_frame_methods(run);
  if (ok && statusbar_on(run)) {
    ok = method(run, "protected boolean hasStatusBar()", [](Out& o) {
      o.pieces({"return true;"});
      return true;
    });
  }
  ok = ok && gen_execute_int(run, cls) && Out(run).pieces({"start();"}).ok();
  if (ok && !facts.exists(fact("endscr_i", {}))) {
    facts.assertz(fact("endscr_i", {}));
    ok = end_routine(run, "");
  }
  if (!ok) return close_output(run) && false;
  facts.assertz(fact("in_standalone_i", {}));
  ok = method(run, "protected void standAlone()", [](Out&) { return true; });
  facts.abolish("in_standalone_i", 0);
  ok = ok && gen_var_control_sync(run);
  const Term first = num(1);
  ok = ok && event_source(run);
  select_formula_auxs(run, first);
  ok = ok && level_vert_formulas(run, first) && gen_screen(run);
  ok = ok && gen_no_accept(run) && gen_context_methods(run) && gen_conditional_color(run);
  ok = ok && gen_event_dispatchers(run) && gen_ref_classes(run) && gen_menu_action_performed(run);
  // The Cancel button, when the form has one.
  for (const FormItem& f : form_items(run)) {
    if (ok && is(f.item, "button", 1) && text_of(f.item.arg(1)) == "Cancel") {
      const std::string field = field_of(run, f);
      ok = method(run, "public IQNButton getCancelButton()", [&](Out& o) {
        o.pieces({"return", field, ";"});
        return true;
      });
      break;
    }
  }
  ok = ok && gen_refresh_array(run);
  ok = ok && gen_do_ask(run, window_title_expr(run));
  if (!ok) return close_output(run) && false;
  return gen_program_end(run) && gen_subfile_classes(run, model);
}

}  // namespace qn::logic
