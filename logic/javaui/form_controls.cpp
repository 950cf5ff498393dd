#include "logic/javaui/form_controls.h"

#include <cstdio>
#include <memory>
#include <unordered_map>

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/sql/level_join.h"
#include "logic/core/utilities.h"
#include "logic/program/expressions.h"

namespace qn::logic {

using engine::Term;

namespace {

const CtrlPropRow kRows[] = {
    {"Alignment", "int", 9, "0"},
    {"Alwaysontop", "int", 1, "0"},
    {"Activepage", "int", 4, "0"},
    {"Count", "int", 2, "0"},
    {"Pagecount", "int", 2, "0"},
    {"Autosize", "int", 1, "0"},
    {"Backcolor", "int", 9, "0"},
    {"Backstyle", "int", 1, "0"},
    {"Bitmap", "bits", 2048, "''"},
    {"Borderstyle", "int", 9, "0"},
    {"Default", "int", 1, "0"},
    {"Enabled", "int", 1, "1"},
    {"Fillcolor", "int", 9, "0"},
    {"Fillstyle", "int", 9, "1"},
    {"Forecolor", "int", 9, "0"},
    {"Fontbold", "int", 1, "0"},
    {"Fontitalic", "int", 1, "0"},
    {"Fontname", "char", 255, "''"},
    {"Fontstrikethru", "int", 1, "0"},
    {"Fontunderline", "int", 1, "0"},
    {"Fonttransparent", "int", 1, "0"},
    {"Fontsize", "int", 9, "12"},
    {"Height", "int", 9, "0"},
    {"Ispassword", "int", 1, "0"},
    {"Left", "int", 9, "0"},
    {"Lineselector", "int", 1, "0"},
    {"Maxbutton", "int", 1, "0"},
    {"Minbutton", "int", 1, "0"},
    {"Scrollbars", "int", 2, "0"},
    {"Redraw", "int", 1, "0"},
    {"Titleforecolor", "int", 9, "0"},
    {"Titlebackcolor", "int", 9, "0"},
    {"Titlebackstyle", "int", 1, "1"},
    {"Titlefontname", "char", 255, "''"},
    {"Titlefontsize", "int", 9, "12"},
    {"Titlefontbold", "int", 1, "0"},
    {"Titlefontitalic", "int", 1, "0"},
    {"Titlefontunderline", "int", 1, "0"},
    {"Titlefontstrikethru", "int", 1, "0"},
    {"Top", "int", 9, "0"},
    {"Visible", "int", 1, "1"},
    {"Width", "int", 9, "0"},
    {"Widthunit", "char", 5, "''"},
    {"Windowstate", "int", 9, "2"},
    {"Link", "char", 2048, "''"},
    {"Caption", "char", 1024, "''"},
    {"Sort", "int", 4, "0"},
    {"Value", "char", 1024, "''"},
    {"Format", "int", 4, "0"},
    {"Titleformat", "int", 4, "0"},
    {"Tooltiptext", "char", 254, "''"},
    {"Title", "char", 1024, "''"},
    {"Borderwidth", "int", 4, "0"},
};

// The first property list of each (context, item) pair of lit_i/4, the
// item also as a subfile column s(Item, _); rebuilt when lit_i/4 changes.
// A lookup per control method made a form of many controls quadratic.
struct FormItemIndex {
  uint64_t stamp = 0;
  bool built = false;
  std::unordered_map<Term, Term> props;
};

const FormItemIndex& form_item_index(Run& run) {
  std::shared_ptr<void>& slot = run.form_item_index();
  if (!slot) slot = std::make_shared<FormItemIndex>();
  auto& idx = *static_cast<FormItemIndex*>(slot.get());
  const uint64_t stamp = run.facts().stamp("lit_i", 4);
  if (idx.built && idx.stamp == stamp) return idx;
  idx = FormItemIndex{};
  // Each entry under its context and under any context ("*").
  const Term any = atom("*");
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    const Term& it = f.arg(3);
    for (const Term& c : {f.arg(2), any}) {
      idx.props.try_emplace(fact("k", {c, it}), f.arg(4));
      if (it.is_compound() && it.functor() == "s" && it.arity() == 2)
        idx.props.try_emplace(fact("k", {c, it.arg(1)}), f.arg(4));
    }
  }
  idx.stamp = stamp;
  idx.built = true;
  return idx;
}

std::optional<Term> item_props(Run& run, const Term& item, const Term& context) {
  if (!item.has_vars() && (context.is_var() || !context.has_vars())) {
    // The index keeps, per key, the first entry in fact order: an entry
    // whose item is the column s(Item, _) and one whose item is Item come
    // in the order of their facts, as the scan below finds them.
    const FormItemIndex& idx = form_item_index(run);
    auto at = idx.props.find(fact("k", {context.is_var() ? atom("*") : context, item}));
    if (at == idx.props.end()) return std::nullopt;
    return at->second;
  }
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

std::string ctrl_prop_initial(Run& run, std::string_view property) {
  if ((property == "Backstyle" || property == "Titlebackstyle") && web_or_http_main(run) &&
      pgm_prop_is(run, "SFL_TRANSPARENCY", "Transparent"))
    return "0";
  for (const CtrlPropRow& r : kRows) {
    if (property == r.property) return r.initial;
  }
  return "''";
}

namespace {

// grid_or_pixels/4: web panels and HTTP main programs keep the values; the
// others go through the layout grid, which hands them back unchanged.
Term grid_or_pixels(const Term& v) { return v; }

bool is(const Term& p, std::string_view name, uint32_t arity) {
  return p.is_compound() && p.functor() == name && p.arity() == arity;
}

Term colour_atom(const std::string& text) { return atom(text); }

// The colour text of rgb(R, G, B) (components 0 to 255): in web panels and
// HTTP main programs "0x" and two upper-case hex digits each, elsewhere
// "R, G, B"; none for any other term.
std::optional<std::string> rgb_text(Run& run, const Term& colour) {
  if (!colour.is_compound() || colour.functor() != "rgb" || colour.arity() != 3)
    return std::nullopt;
  int64_t c[3];
  for (uint32_t k = 0; k < 3; ++k) {
    const Term& v = colour.arg(k + 1);
    if (!v.is_int() || v.as_int() < 0 || v.as_int() > 255) return std::nullopt;
    c[k] = v.as_int();
  }
  char buf[32];
  if (web_or_http_main(run))
    std::snprintf(buf, sizeof buf, "0x%02X%02X%02X", int(c[0]), int(c[1]), int(c[2]));
  else
    std::snprintf(buf, sizeof buf, "%d, %d, %d", int(c[0]), int(c[1]), int(c[2]));
  return std::string(buf);
}

// One list term decoded for a key, or none.
std::optional<Term> decode(Run& run, std::string_view key, const Term& p) {
  if (key == "fill") {
    if (p == "fill") return atom("true");
    return std::nullopt;
  }
  if (key == "back" || key == "fore" || key == "tfore" || key == "tback") {
    if (!is(p, key, 1)) return std::nullopt;
    if (auto t = rgb_text(run, p.arg(1))) return colour_atom(*t);
    if (key == "tfore" || key == "tback") return p.arg(1);
    return std::nullopt;
  }
  if (key == "backrgb" || key == "forergb") {
    if (is(p, key == "backrgb" ? "back" : "fore", 1)) return p.arg(1);
    return std::nullopt;
  }
  if (key == "rectpixel" || key == "rect") {
    if (!is(p, "rect", 4)) return std::nullopt;
    for (uint32_t k = 1; k <= 4; ++k)
      if (!p.arg(k).is_int()) return std::nullopt;
    if (key == "rectpixel") return Term::list({p.arg(1), p.arg(2), p.arg(3), p.arg(4)});
    const int64_t w = p.arg(3).as_int() - p.arg(1).as_int() + 1;
    const int64_t h = p.arg(4).as_int() - p.arg(2).as_int() + 1;
    return Term::list({grid_or_pixels(p.arg(1)), grid_or_pixels(p.arg(2)),
                       grid_or_pixels(num(w)), grid_or_pixels(num(h))});
  }
  if (key == "font" || key == "tfont") {
    if (is(p, key, 3)) return Term::list({p.arg(1), p.arg(2), p.arg(3)});
    return std::nullopt;
  }
  if (key == "sfont" || key == "stfont") {
    if (is(p, key == "sfont" ? "font" : "titlefont", 1) && is(p.arg(1), "font", 3)) {
      const Term& f = p.arg(1);
      return Term::list({f.arg(1), f.arg(2), f.arg(3)});
    }
    return std::nullopt;
  }
  if (key == "rowh") return is(p, "height", 1) ? std::optional(grid_or_pixels(p.arg(1))) : std::nullopt;
  if (key == "width") return is(p, "width", 1) ? std::optional(grid_or_pixels(p.arg(1))) : std::nullopt;
  if (key == "bwidth") return is(p, "border", 1) ? std::optional(p.arg(1)) : std::nullopt;
  if (key == "title") {
    if (!is(p, "title", 1)) return std::nullopt;
    if (p.arg(1).is_cons()) return p.arg(1).head();
    if (p.arg(1).is_nil()) return Term::nil();
    return std::nullopt;
  }
  if (key == "frame") return is(p, "outstyle", 1) ? std::optional(p.arg(1)) : std::nullopt;
  if (key == "ctype" || key == "ctrltype") {
    if (is(p, "ctrltype", 2)) return Term::list({p.arg(1), p.arg(2)});
    return std::nullopt;
  }
  if (key == "bitmap") return is(p, "bitmap", 1) ? std::optional(Term::list({p.arg(1)})) : std::nullopt;
  if (key == "wrap") {
    if (p == "wrap") return atom("true");
    if (p == "noclip") return atom("false");
    return std::nullopt;
  }
  if (key == "pos" || key == "th" || key == "ctlname")
    return is(p, key, 1) ? std::optional(p.arg(1)) : std::nullopt;
  if (key == "pgmtype" || key == "wintitle" || key == "icon") {
    const std::string want = key == "pgmtype" ? "PGMTYPE" : key == "wintitle" ? "WINTITLE" : "ICON";
    if (is(p, "prop", 2) && text_of(p.arg(1)) == want) return p.arg(2);
    return std::nullopt;
  }
  if (key == "align") {
    if (!is(p, "align", 1)) return std::nullopt;
    if (p.arg(1) == "right") return atom("ILabel.RIGHT");
    if (p.arg(1) == "center") return atom("ILabel.CENTER");
    return atom("ILabel.LEFT");
  }
  if (key == "outstyle") {
    if (!is(p, "outstyle", 1)) return std::nullopt;
    if (p.arg(1) == "single") return atom("ILabel.BORDER_SINGLE");
    if (p.arg(1) == "3d") return atom("ILabel.BORDER_3D");
    return atom("ILabel.BORDER_NONE");
  }
  if (key == "autoresize") return p == "noclip" ? std::optional(num(1)) : std::nullopt;
  return std::nullopt;
}

std::optional<Term> prop_default(Run& run, std::string_view key) {
  const Term sans = str("MS Sans Serif");
  if (key == "wintitle") {
    auto spec = spec_list(run);
    if (spec && spec->is_list()) {
      auto items = spec->list_items();
      if (items.size() >= 3) return items[2];
    }
    return atom("");
  }
  if (key == "icon" || key == "pgmtype" || key == "title") return atom("");
  if (key == "backrgb") return fact("rgb", {num(255), num(255), num(255)});
  if (key == "rect") return Term::list({num(1), num(10), num(100), num(200)});
  if (key == "fill" || key == "wrap") return atom("false");
  if (key == "width" || key == "bwidth") return num(1);
  if (key == "frame") return atom("single");
  if (key == "ctype") return Term::list({atom("edit"), num(0)});
  if (key == "bitmap") return Term::nil();
  if (key == "font") return Term::list({sans, num(8), Term::nil()});
  if (key == "tfont" || key == "sfont" || key == "stfont")
    return Term::list({sans, num(8), Term::list({atom("bold")})});
  if (key == "back") return colour_atom(*rgb_text(run, fact("rgb", {num(255), num(255), num(255)})));
  if (key == "fore" || key == "tfore" || key == "tback")
    return colour_atom(*rgb_text(run, fact("rgb", {num(0), num(0), num(0)})));
  if (key == "align") return atom("ILabel.LEFT");
  if (key == "outstyle") return atom("ILabel.BORDER_NONE");
  if (key == "autoresize") return num(0);
  return std::nullopt;
}

}  // namespace

std::optional<Term> prop_in_list(Run& run, std::string_view key, const Term& props) {
  if (!props.is_list()) return std::nullopt;
  for (const Term& p : props.list_items()) {
    if (auto v = decode(run, key, p)) return v;
  }
  return std::nullopt;
}

std::optional<Term> ctrl_prop_value(Run& run, std::string_view key, const Term& props) {
  if (auto v = prop_in_list(run, key, props)) return v;
  return prop_default(run, key);
}

bool ctrl_method_supported(Run& run, std::string_view t, std::string_view m) {
  if (!web_or_http_main(run)) return true;
  auto in = [](std::string_view x, std::initializer_list<std::string_view> set) {
    for (std::string_view s : set) {
      if (x == s) return true;
    }
    return false;
  };
  if (t == "label" && m == "websend(") return true;
  if (in(t, {"combo", "listbx", "dyncombo", "dynlistbx"}) &&
      in(m, {"additem(", "clear(", "sendoptions(", "websend("}))
    return true;
  if (t == "radio" && in(m, {"additem(", "removeitem(", "clear("})) return true;
  return m == "setfocus(" && in(t, {"button", "edit", "combo", "listbx", "dynlistbx", "dyncombo"});
}

std::vector<std::string> unsupported_method_comment(std::string_view t, std::string_view m) {
  return {"Method", std::string(m), "not supported for", std::string(t), "controls."};
}

Term to_char_expr(const Term& tokens, const TypeDesc& type) {
  std::vector<Term> out;
  auto wrap = [&](const char* fn) {
    out.push_back(fact("t", {atom(fn), num(kTokFunction)}));
    for (const Term& t : tokens.list_items()) out.push_back(t);
  };
  if (is_numeric(type)) {
    wrap("str(");
    out.push_back(fact("t", {atom(","), num(kTokComma)}));
    out.push_back(fact("t", {atom(std::to_string(type.length)), num(kTokConstant)}));
    out.push_back(fact("t", {atom(","), num(kTokComma)}));
    out.push_back(fact("t", {atom(std::to_string(type.decimals)), num(kTokConstant)}));
  } else if (type.type == "date") {
    wrap("dtocl(");
  } else if (type.type == "dtime") {
    wrap("ttoc(");
  } else {
    return tokens;
  }
  out.push_back(fact("t", {atom(")"), num(kTokClose)}));
  return Term::list(out);
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
    const std::string bare = strip_ampersand(text_of(name));
    for (const Term& n : {name, Term::atom(bare), Term::atom("&" + bare)}) {
      if (auto props = item_props(run, fact("t", {n, num(kTokVariable)}), context)) {
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
  if (kind == kTokConstant) {
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
