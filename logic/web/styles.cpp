#include "logic/web/styles.h"

#include <array>
#include <cstdio>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/javaui/form_controls.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "logic/web/page_html.h"
#include "logic/web/web_request.h"
#include "logic/web/web_tokens.h"
#include "platform/cp1252.h"

namespace qn::logic::web {

using engine::Term;

namespace {

constexpr std::array<DhtmlProperty, 18> kProperties{{
    {"Fontname", "font-family"},
    {"Fontsize", "font-size"},
    {"Fontbold", "font-weight"},
    {"Fontitalic", "font-style"},
    {"Fontunderline", "text-decoration"},
    {"Fontstrikethru", "text-decoration"},
    {"Forecolor", "color"},
    {"Backcolor", "background"},
    {"Backstyle", ""},
    {"Titlefontname", "font-family"},
    {"Titlefontsize", "font-size"},
    {"Titlefontbold", "font-weight"},
    {"Titlefontitalic", "font-style"},
    {"Titlefontunderline", "text-decoration"},
    {"Titlefontstrikethru", "text-decoration"},
    {"Titleforecolor", "color"},
    {"Titlebackcolor", "background"},
    {"Titlebackstyle", ""},
}};

bool is_item(const Term& item, std::string_view functor, uint32_t arity) {
  return item.is_compound() && item.functor() == functor && item.arity() == arity;
}

// The property without its title prefix.
std::string_view base_name(std::string_view property) {
  return property.starts_with("Title") ? property.substr(5) : property;
}

std::string lower(std::string_view s) { return platform::lower_1252(std::string(s)); }

// A font name as a CSS string: its quote, backslash and "<" escaped (the
// text stands inside the page's style element or attribute).
std::string css_string(std::string_view s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '<') {
      out += "\\3C ";
    } else if (c == '"') {
      out += "\\22 ";
    } else {
      out += c;
    }
  }
  return out + "'";
}

std::optional<std::string> colour_hex(const Term& c) {
  int64_t r, g, b;
  if (is_item(c, "rgb", 3) && c.arg(1).is_int() && c.arg(2).is_int() && c.arg(3).is_int()) {
    r = c.arg(1).as_int(), g = c.arg(2).as_int(), b = c.arg(3).as_int();
  } else if (c.is_int() && c.as_int() >= 0) {
    r = c.as_int() & 0xFF, g = (c.as_int() >> 8) & 0xFF, b = (c.as_int() >> 16) & 0xFF;
  } else {
    return std::nullopt;
  }
  if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) return std::nullopt;
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", int(r), int(g), int(b));
  return std::string(buf);
}

// The font term font(Name, Size, Styles) of a property list.
std::optional<Term> font_of(const Term& props, bool title) {
  if (!props.is_list()) return std::nullopt;
  for (const Term& p : props.list_items()) {
    if (title) {
      if (is_item(p, "titlefont", 1) && is_item(p.arg(1), "font", 3)) return p.arg(1);
      continue;
    }
    if (is_item(p, "font", 3)) return p;
    if (is_item(p, "font", 1) && is_item(p.arg(1), "font", 3)) return p.arg(1);
  }
  return std::nullopt;
}

std::optional<Term> prop_arg(const Term& props, std::string_view key) {
  if (!props.is_list()) return std::nullopt;
  for (const Term& p : props.list_items()) {
    if (is_item(p, key, 1)) return p.arg(1);
  }
  return std::nullopt;
}

bool has_style(const Term& font, std::string_view style) {
  if (!font.arg(3).is_list()) return false;
  for (const Term& s : font.arg(3).list_items()) {
    if (lower(text_of(s)) == style) return true;
  }
  return false;
}

// The name of a control's property variables: its ctlname, else the name
// of what it shows.
std::string control_name(const Term& lit) {
  for (const Term& p : lit.arg(4).list_items()) {
    if (is_item(p, "ctlname", 1) && !text_of(p.arg(1)).empty()) return text_of(p.arg(1));
  }
  const Term& item = is_item(lit.arg(3), "s", 2) ? lit.arg(3).arg(1) : lit.arg(3);
  if (is_item(item, "t", 2) && !(item.arg(2) == num(kTokConstant))) return strip_ampersand(text_of(item.arg(1)));
  return "";
}

std::string prop_name(std::string_view property, bool title) {
  return title ? "Title" + lower(property) : std::string(property);
}

Term colour_tokens(const Term& c) {
  if (is_item(c, "rgb", 3))
    return tl({fn("rgb"), tok(text_of(c.arg(1)), kTokConstant), op(","),
               tok(text_of(c.arg(2)), kTokConstant), op(","), tok(text_of(c.arg(3)), kTokConstant),
               op(")")});
  return tl({tok(text_of(c), kTokConstant)});
}

bool styled_item(const Term& item) {
  if (is_item(item, "button", 1)) return true;
  const Term& inner = is_item(item, "s", 2) ? item.arg(1) : item;
  return is_item(inner, "t", 2);
}

}  // namespace

std::span<const DhtmlProperty> dhtml_properties() { return kProperties; }

std::optional<std::string_view> dhtml_style_value(std::string_view property) {
  for (const DhtmlProperty& p : kProperties) {
    if (p.name == property) {
      if (p.css.empty()) return std::nullopt;
      return p.css;
    }
  }
  return std::nullopt;
}

std::optional<std::string> property_value(std::string_view property, const Term& value) {
  if (!dhtml_style_value(property)) return std::nullopt;
  const std::string_view p = base_name(property);
  if (p == "Fontname" || p == "fontname") {
    const std::string name = text_of(value);
    if (name.empty()) return std::nullopt;
    return css_string(name);
  }
  if (p == "Fontsize" || p == "fontsize") {
    if (!value.is_int() || value.as_int() <= 0) return std::nullopt;
    return std::to_string(value.as_int()) + "pt";
  }
  const bool set = value.is_int() && value.as_int() == 1;
  if (p == "Fontbold" || p == "fontbold") return set ? std::optional<std::string>("bold") : std::nullopt;
  if (p == "Fontitalic" || p == "fontitalic") return set ? std::optional<std::string>("italic") : std::nullopt;
  if (p == "Fontunderline" || p == "fontunderline")
    return set ? std::optional<std::string>("underline") : std::nullopt;
  if (p == "Fontstrikethru" || p == "fontstrikethru")
    return set ? std::optional<std::string>("line-through") : std::nullopt;
  return colour_hex(value);
}

std::optional<std::string> property_style(std::string_view property, const Term& value) {
  auto css = dhtml_style_value(property);
  auto v = property_value(property, value);
  if (!css || !v) return std::nullopt;
  return std::string(*css) + ":" + *v;
}

std::optional<Term> design_value(std::string_view property, const Term& props) {
  const bool title = property.starts_with("Title");
  const std::string p = lower(base_name(property));
  if (p.starts_with("font")) {
    auto font = font_of(props, title);
    if (!font) return std::nullopt;
    if (p == "fontname") return font->arg(1);
    if (p == "fontsize") return font->arg(2);
    if (p == "fontbold") return num(has_style(*font, "bold") ? 1 : 0);
    if (p == "fontitalic") return num(has_style(*font, "italic") ? 1 : 0);
    if (p == "fontunderline") return num(has_style(*font, "underline") ? 1 : 0);
    if (p == "fontstrikethru") return num(has_style(*font, "strikethru") ? 1 : 0);
    return std::nullopt;
  }
  if (p == "forecolor") return prop_arg(props, title ? "tfore" : "fore");
  if (p == "backcolor") return prop_arg(props, title ? "tback" : "back");
  if (p == "backstyle") {
    if (title) return num(prop_arg(props, "tback") ? 1 : 0);
    for (const Term& x : props.is_list() ? props.list_items() : std::vector<Term>{}) {
      if (x == "fill" || (is_item(x, "fill", 1) && text_of(x.arg(1)) == "true")) return num(1);
    }
    return num(0);
  }
  return std::nullopt;
}

void collect_assigned_properties(Run& run) {
  auto& facts = run.facts();
  facts.abolish("dhtml_assigned_i", 2);
  for (const Term& l : facts.clauses("b_line_i", 6)) {
    const Term& toks = l.arg(6);
    if (!toks.is_cons() || !toks.tail().is_cons()) continue;
    const Term& head = toks.head();
    const Term& target = toks.tail().head();
    if (!is_item(head, "t", 2) || !(head.arg(2) == num(107))) continue;
    if (!is_item(target, "t", 2) || !(target.arg(2) == num(kTokNested)) || !target.arg(1).is_list())
      continue;
    const auto parts = target.arg(1).list_items();
    if (parts.size() < 2 || !is_item(parts[0], "t", 2) || !is_item(parts[1], "t", 2)) continue;
    const std::string control = lower(strip_ampersand(text_of(parts[0].arg(1))));
    const std::string property = lower(text_of(parts[1].arg(1)));
    const Term f = fact("dhtml_assigned_i", {str(control), str(property)});
    if (!facts.exists(f)) facts.assertz(f);
  }
}

bool assigned_property(Run& run, const Term& lit, std::string_view property) {
  const std::string name = lower(control_name(lit));
  if (name.empty()) return false;
  return run.facts().exists(fact("dhtml_assigned_i", {str(name), str(lower(property))}));
}

std::string static_style(const Term& props, bool title) {
  auto value = [&](std::string_view p) {
    return design_value(title ? "Title" + lower(p) : std::string(p), props);
  };
  auto decl = [&](std::string_view p) -> std::string {
    auto v = value(p);
    if (!v) return "";
    auto s = property_style(title ? "Title" + lower(p) : std::string(p), *v);
    return s ? *s + ";" : "";
  };
  std::string out = decl("Fontname") + decl("Fontsize") + decl("Fontbold") + decl("Fontitalic");
  const auto strike = value("Fontstrikethru");
  if (!(strike && strike->is_int() && strike->as_int() == 1)) out += decl("Fontunderline");
  out += decl("Fontstrikethru") + decl("Forecolor");
  if (auto bs = value("Backstyle"); bs && bs->is_int() && bs->as_int() == 1) out += decl("Backcolor");
  return out;
}

Term dhtml_dyn_style_prop_exp(Run& run, const std::string& control, bool title) {
  auto p = [&](std::string_view property) {
    return vtok(prop_var(run, control, prop_name(property, title)));
  };
  auto flag = [&](std::string_view property, const std::string& css) {
    return tl({fn("iif"), p(property), op("="), ntok(1), op(","), stok(css), op(","), stok(""),
               op(")")});
  };
  return tl({stok("font-family:'"), op("+"), p("Fontname"), op("+"), stok("';"), op("+"),
             stok("font-size:"), op("+"), fn("ltrim"), fn("str"), p("Fontsize"), op(")"), op(")"),
             op("+"), stok("pt;"), op("+"), flag("Fontbold", "font-weight:bold;"), op("+"),
             flag("Fontitalic", "font-style:italic;"), op("+"), fn("iif"), p("Fontunderline"),
             op("="), ntok(1), op("AND"), p("Fontstrikethru"), op("="), ntok(0), op(","),
             stok("text-decoration:underline;"), op(","), stok(""), op(")"), op("+"),
             flag("Fontstrikethru", "text-decoration:line-through;"), op("+"), stok("color:"),
             op("+"), fn("HtmlColor"), p("Forecolor"), op(")"), op("+"), stok(";"), op("+"),
             fn("iif"), p("Backstyle"), op("="), ntok(1), op(","), stok("background:"), op("+"),
             fn("HtmlColor"), p("Backcolor"), op(")"), op("+"), stok(";"), op(","), stok(""),
             op(")")});
}

namespace {

bool any_assigned(Run& run, const Term& lit, bool title) {
  for (const DhtmlProperty& d : kProperties) {
    if (d.name.starts_with("Title") == title && assigned_property(run, lit, d.name)) return true;
  }
  return false;
}

std::string class_name(Run& run, const Term& lit, bool title) {
  return web_ctl_name(run, lit.arg(3), lit.arg(4)) + (title ? "_title" : "");
}

}  // namespace

Term style_string(Run& run, const Term& lit, bool title, std::string_view css) {
  const std::string fixed = css.empty() ? "" : " style=\"" + std::string(css) + "\"";
  const std::string name = control_name(lit);
  if (name.empty() || !styled_item(lit.arg(3))) return fixed.empty() ? Term::nil() : tl({stok(fixed)});
  if (any_assigned(run, lit, title)) {
    return tl({stok(" style=\""), op("+"), dhtml_dyn_style_prop_exp(run, name, title), op("+"),
               stok(std::string(css) + "\"")});
  }
  if (static_style(lit.arg(4), title).empty()) return fixed.empty() ? Term::nil() : tl({stok(fixed)});
  return tl({stok(" class=\"" + class_name(run, lit, title) + "\"" + fixed)});
}

bool gen_define_styles(Run& run) {
  bool ok = begin_local_routine(run, atom("define_styles"), Term::nil(), {}) &&
            Out(run).pieces({"qnhtml_text(", java_quoted("<style type=\"text/css\">"), ");"}).ok();
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (control_name(lit).empty() || !styled_item(lit.arg(3))) continue;
    for (bool title : {false, true}) {
      if (title && !is_item(lit.arg(3), "s", 2)) continue;
      const std::string css = static_style(lit.arg(4), title);
      if (css.empty() || any_assigned(run, lit, title)) continue;
      ok = ok && Out(run)
                     .pieces({"qnhtml_text(",
                              java_quoted("." + class_name(run, lit, title) + " {" + css + "}"),
                              ");"})
                     .ok();
    }
  }
  return ok && Out(run).pieces({"qnhtml_text(", java_quoted("</style>"), ");"}).ok() &&
         end_function(run, "define_styles", "0");
}

bool gen_style_initial_values(Run& run, const Term& lit) {
  const std::string name = control_name(lit);
  if (name.empty() || !styled_item(lit.arg(3))) return true;
  bool ok = true;
  for (bool title : {false, true}) {
    if (title && !is_item(lit.arg(3), "s", 2)) continue;
    if (!any_assigned(run, lit, title)) continue;
    for (const DhtmlProperty& d : kProperties) {
      if (d.name.starts_with("Title") != title) continue;
      auto v = design_value(d.name, lit.arg(4));
      const std::string base = lower(base_name(d.name));
      if (!v) {
        // Without a design-time value the property keeps its runtime
        // default (a size of 12 rather than the variable's 0).
        const std::string initial = ctrl_prop_initial(run, d.name);
        if (initial.empty() || initial == "0" ||
            initial.find_first_not_of("0123456789") != std::string::npos)
          continue;
        v = num(std::stoll(initial));
      }
      Term value;
      if (base == "fontname") value = tl({stok(text_of(*v))});
      else if (base == "forecolor" || base == "backcolor") value = colour_tokens(*v);
      else value = tl({tok(text_of(*v), kTokConstant)});
      ok = ok && assign_var(run, atom("&" + prop_var(run, name, d.name)), value);
    }
  }
  return ok;
}

}  // namespace qn::logic::web
