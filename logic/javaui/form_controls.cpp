#include "logic/javaui/form_controls.h"

#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/program/expressions.h"

namespace qn::logic {

using engine::Term;

namespace {

const CtrlPropRow kRows[] = {
    {"Alignment", "int", 9},
    {"Alwaysontop", "int", 1},
    {"Activepage", "int", 4},
    {"Count", "int", 2},
    {"Pagecount", "int", 2},
    {"Autosize", "int", 1},
    {"Backcolor", "int", 9},
    {"Backstyle", "int", 1},
    {"Bitmap", "bits", 2048},
    {"Borderstyle", "int", 9},
    {"Default", "int", 1},
    {"Enabled", "int", 1},
    {"Fillcolor", "int", 9},
    {"Fillstyle", "int", 9},
    {"Forecolor", "int", 9},
    {"Fontbold", "int", 1},
    {"Fontitalic", "int", 1},
    {"Fontname", "char", 255},
    {"Fontstrikethru", "int", 1},
    {"Fontunderline", "int", 1},
    {"Fonttransparent", "int", 1},
    {"Fontsize", "int", 9},
    {"Height", "int", 9},
    {"Ispassword", "int", 1},
    {"Left", "int", 9},
    {"Lineselector", "int", 1},
    {"Maxbutton", "int", 1},
    {"Minbutton", "int", 1},
    {"Scrollbars", "int", 2},
    {"Redraw", "int", 1},
    {"Titleforecolor", "int", 9},
    {"Titlebackcolor", "int", 9},
    {"Titlebackstyle", "int", 1},
    {"Titlefontname", "char", 255},
    {"Titlefontsize", "int", 9},
    {"Titlefontbold", "int", 1},
    {"Titlefontitalic", "int", 1},
    {"Titlefontunderline", "int", 1},
    {"Titlefontstrikethru", "int", 1},
    {"Top", "int", 9},
    {"Visible", "int", 1},
    {"Width", "int", 9},
    {"Widthunit", "char", 5},
    {"Windowstate", "int", 9},
    {"Link", "char", 2048},
    {"Caption", "char", 1024},
    {"Sort", "int", 4},
    {"Value", "char", 1024},
    {"Format", "int", 4},
    {"Titleformat", "int", 4},
    {"Tooltiptext", "char", 254},
    {"Title", "char", 1024},
    {"Borderwidth", "int", 4},
};

std::string strip_amp(std::string s) {
  if (!s.empty() && s.front() == '&') s.erase(0, 1);
  return s;
}

// The property lists of the lit_i/4 entries of the context whose item is
// Item, directly or as a subfile column s(Item, _).
std::optional<Term> item_props(Run& run, const Term& item, const Term& context) {
  for (const Term& f : run.facts().findall(fact("lit_i", {var(), context, var(), var()}))) {
    const Term& it = f.arg(3);
    if (it == item ||
        (it.is_compound() && it.functor() == "s" && it.arity() == 2 && it.arg(1) == item)) {
      return f.arg(4);
    }
  }
  return std::nullopt;
}

std::optional<std::string> ctrltype_of(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (p.is_compound() && p.functor() == "ctrltype" && p.arity() == 2) return text_of(p.arg(1));
  }
  return std::nullopt;
}

std::optional<std::string> ctlname_of(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (p.is_compound() && p.functor() == "ctlname" && p.arity() == 1) return text_of(p.arg(1));
  }
  return std::nullopt;
}

std::optional<std::string> item_kind(const Term& item) {
  if (item == "window") return "window";
  if (item == "tabpage") return "tabpage";
  if (item == "tabcontrol") return "tabcontrol";
  if (!item.is_compound()) return std::nullopt;
  const std::string f = item.functor().name();
  if (item.arity() == 1 && (f == "button" || f == "bitmap" || f == "rect")) return f;
  if (f == "s" && item.arity() == 1) return "subfile";
  if (f == "t" && item.arity() == 2 && item.arg(2) == Term::integer(3)) return "label";
  if (f == "s" && item.arity() == 2) return item_kind(item.arg(1));
  return std::nullopt;
}

}  // namespace

std::span<const CtrlPropRow> ctrl_prop_rows() { return kRows; }

TypeDesc ctrl_prop_type(std::string_view property) {
  for (const CtrlPropRow& r : kRows) {
    if (property == r.property) return type_desc(r.type, r.length);
  }
  return type_desc("char", 1024);
}

bool ctrl_prop_listed(std::string_view property) {
  for (const CtrlPropRow& r : kRows) {
    if (property == r.property) return true;
  }
  return false;
}

std::optional<std::string> item_ctrl_type(Run& run, const Term& item, const Term& context) {
  if (item.is_compound() && item.functor() == "s" && item.arity() == 2) {
    return item_ctrl_type(run, item.arg(1), context);
  }
  if (!item.is_compound() || item.functor() != "t" || item.arity() != 2) {
    if (auto props = item_props(run, item, context)) return item_kind(item);
    return std::nullopt;
  }
  const Term& name = item.arg(1);
  const int64_t kind = item.arg(2).is_int() ? item.arg(2).as_int() : -1;
  if (kind == kTokVariable) {
    const std::string bare = strip_amp(text_of(name));
    for (const Term& n : {name, Term::atom(bare), Term::atom("&" + bare)}) {
      if (auto props = item_props(run, fact("t", {n, num(23)}), context)) {
        if (auto t = var_type(run, n); t && t->type == "bits") return "bitmap";
        if (auto c = ctrltype_of(*props)) return c;
      }
    }
    return std::nullopt;
  }
  if (kind == kTokAttribute) {
    if (auto props = item_props(run, item, context)) return ctrltype_of(*props);
    return std::nullopt;
  }
  if (kind == 3) {
    if (item_props(run, item, context)) return "label";
    const std::string n = text_of(name);
    std::optional<std::string> found;
    for (const Term& f : run.facts().findall(fact("lit_i", {var(), var(), var(), var()}))) {
      auto cn = ctlname_of(f.arg(4));
      if (!cn || *cn != n) continue;
      const Term& it = f.arg(3);
      if (f.arg(2) == context && it.is_compound() && it.functor() == "s" && it.arity() == 1)
        return "subfile";
      if (!found) {
        if (auto k = item_kind(it))
          found = k;
        else
          found = ctrltype_of(f.arg(4));
      }
    }
    if (found) return found;
  }
  if (item_props(run, item, context)) return item_kind(item);
  return std::nullopt;
}

}  // namespace qn::logic
