#include "logic/javaui/form_props.h"

#include <algorithm>
#include <cstdio>

#include "logic/core/rule_terms.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/java_functions.h"
#include "logic/program/expressions.h"
#include "logic/sql/level_join.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is(const Term& t, std::string_view f, uint32_t arity) {
  return t.is_compound() && t.functor() == f && t.arity() == arity;
}

std::optional<int64_t> int_of(const Term& t) {
  if (t.is_int()) return t.as_int();
  return std::nullopt;
}

Term colour_or_raw(Run& run, const Term& c, bool raw) {
  if (auto t = rgb_text(run, c)) return str(*t);
  if (raw) return c;
  return Term();
}

// The value one list term gives for a key, or an unbound term.
std::optional<Term> decode_one(Run& run, std::string_view k, const Term& p) {
  if (k == "fill" && p == "fill") return atom("true");
  if (k == "wrap" && p == "wrap") return atom("true");
  if (k == "wrap" && p == "noclip") return atom("false");
  if (k == "autoresize" && p == "noclip") return num(1);
  if (!p.is_compound()) return std::nullopt;
  if ((k == "back" || k == "fore" || k == "tfore" || k == "tback") && is(p, k, 1)) {
    Term v = colour_or_raw(run, p.arg(1), k == "tfore" || k == "tback");
    if (v.is_var()) return std::nullopt;
    return v;
  }
  if (k == "backrgb" && is(p, "back", 1)) return p.arg(1);
  if (k == "forergb" && is(p, "fore", 1)) return p.arg(1);
  if ((k == "rect" || k == "rectpixel") && is(p, "rect", 4)) {
    auto x1 = int_of(p.arg(1)), y1 = int_of(p.arg(2)), x2 = int_of(p.arg(3)),
         y2 = int_of(p.arg(4));
    if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
    if (k == "rectpixel") return Term::list({num(*x1), num(*y1), num(*x2), num(*y2)});
    return Term::list({num(*x1), num(*y1), num(*x2 - *x1 + 1), num(*y2 - *y1 + 1)});
  }
  if ((k == "font" || k == "tfont") && is(p, k, 3)) {
    return Term::list({p.arg(1), p.arg(2), p.arg(3)});
  }
  if (k == "sfont" && is(p, "font", 1) && is(p.arg(1), "font", 3)) {
    return ctl_prop_decode(run, "font", Term::list({p.arg(1)}));
  }
  if (k == "stfont" && is(p, "titlefont", 1) && is(p.arg(1), "font", 3)) {
    return ctl_prop_decode(run, "font", Term::list({p.arg(1)}));
  }
  if (k == "rowh" && is(p, "height", 1)) return p.arg(1);
  if (k == "width" && is(p, "width", 1)) return p.arg(1);
  if (k == "bwidth" && is(p, "border", 1)) return p.arg(1);
  if (k == "title" && is(p, "title", 1)) {
    if (p.arg(1).is_nil()) return Term::nil();
    if (p.arg(1).is_cons()) return p.arg(1).list_items()[0];
    return std::nullopt;
  }
  if (k == "frame" && is(p, "outstyle", 1)) return p.arg(1);
  if ((k == "ctype" || k == "ctrltype") && is(p, "ctrltype", 2)) {
    return Term::list({p.arg(1), p.arg(2)});
  }
  if (k == "bitmap" && is(p, "bitmap", 1)) return Term::list({p.arg(1)});
  if (k == "pos" && is(p, "pos", 1)) return p.arg(1);
  if (k == "th" && is(p, "th", 1)) return p.arg(1);
  if (k == "ctlname" && is(p, "ctlname", 1)) return p.arg(1);
  if ((k == "pgmtype" || k == "wintitle" || k == "icon") && is(p, "prop", 2) &&
      platform::lower_1252(text_of(p.arg(1))) == k) {
    return p.arg(2);
  }
  if (k == "align" && is(p, "align", 1)) {
    if (p.arg(1) == "right") return atom("ILabel.RIGHT");
    if (p.arg(1) == "center") return atom("ILabel.CENTER");
    return atom("ILabel.LEFT");
  }
  if (k == "outstyle" && is(p, "outstyle", 1)) {
    if (p.arg(1) == "single") return atom("ILabel.BORDER_SINGLE");
    if (p.arg(1) == "3d") return atom("ILabel.BORDER_3D");
    return atom("ILabel.BORDER_NONE");
  }
  return std::nullopt;
}

Term default_font(bool bold) {
  return Term::list(
      {str("MS Sans Serif"), num(8), bold ? Term::list({atom("bold")}) : Term::nil()});
}

}  // namespace

std::optional<Term> ctl_prop_decode(Run& run, std::string_view key, const Term& props) {
  for (const Term& p : props.list_items()) {
    if (auto v = decode_one(run, key, p)) return v;
  }
  return std::nullopt;
}

std::optional<Term> ctl_prop_default(Run& run, std::string_view k) {
  const Term black = fact("rgb", {num(0), num(0), num(0)});
  const Term white = fact("rgb", {num(255), num(255), num(255)});
  if (k == "wintitle") {
    if (auto spec = run.facts().first(fact("spec_i", {var()}))) {
      const auto items = spec->arg(1).list_items();
      if (items.size() > 2) return items[2];
    }
    return str("");
  }
  if (k == "icon" || k == "pgmtype" || k == "title") return str("");
  if (k == "backrgb") return white;
  if (k == "rect") return Term::list({num(1), num(10), num(100), num(200)});
  if (k == "fill" || k == "wrap") return atom("false");
  if (k == "width" || k == "bwidth") return num(1);
  if (k == "frame") return atom("single");
  if (k == "ctype") return Term::list({atom("edit"), num(0)});
  if (k == "bitmap") return Term::nil();
  if (k == "font") return default_font(false);
  if (k == "tfont" || k == "sfont" || k == "stfont") return default_font(true);
  if (k == "back") return str(*rgb_text(run, white));
  if (k == "fore" || k == "tfore" || k == "tback") return str(*rgb_text(run, black));
  if (k == "align") return atom("ILabel.LEFT");
  if (k == "outstyle") return atom("ILabel.BORDER_NONE");
  if (k == "autoresize") return num(0);
  return std::nullopt;
}

std::optional<Term> ctl_property(Run& run, std::string_view key, const Term& props) {
  if (auto v = ctl_prop_decode(run, key, props)) return v;
  return ctl_prop_default(run, key);
}

std::string ctl_property_text(Run& run, std::string_view key, const Term& props) {
  auto v = ctl_property(run, key, props);
  return v ? text_of(*v) : "";
}

std::optional<std::string> rgb_text(Run& run, const Term& c) {
  if (!is(c, "rgb", 3)) return std::nullopt;
  auto r = int_of(c.arg(1)), g = int_of(c.arg(2)), b = int_of(c.arg(3));
  if (!r || !g || !b) return std::nullopt;
  if (web_or_http_main(run)) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02X%02X%02X", static_cast<unsigned>(*r & 0xff),
                  static_cast<unsigned>(*g & 0xff), static_cast<unsigned>(*b & 0xff));
    return std::string(buf);
  }
  return std::to_string(*r) + ", " + std::to_string(*g) + ", " + std::to_string(*b);
}

std::optional<std::string> legacy_color_rgb(std::string_view name) {
  static const std::pair<const char*, const char*> rows[] = {
      {"BLK", "(0,0,0)"},        {"BLU", "(0,0,128)"},      {"BLU+", "(0,0,255)"},
      {"GRN", "(0,128,0)"},      {"CYN", "(0,128,128)"},    {"GRN+", "(0,255,0)"},
      {"CYN+", "(0,255,255)"},   {"RED", "(128,0,0)"},      {"MGN", "(128,0,128)"},
      {"BRW", "(128,128,0)"},    {"BLK+", "(128,128,128)"}, {"WHT", "(192,192,192)"},
      {"RED+", "(255,0,0)"},     {"MGN+", "(255,0,255)"},   {"YLW", "(255,255,0)"},
      {"WHT+", "(255,255,255)"}, {"BLACK", "(0,0,0)"},      {"MAROON", "(128,0,0)"},
      {"GREEN", "(0,128,0)"},    {"OLIVE", "(128,128,0)"},  {"NAVY", "(0,0,128)"},
      {"PURPLE", "(128,0,128)"}, {"TEAL", "(0,128,128)"},   {"GRAY", "(128,128,128)"},
      {"SILVER", "(192,192,192)"}, {"LIME", "(0,255,0)"},   {"YELLOW", "(255,255,0)"},
      {"BLUE", "(0,0,255)"},     {"FUCHSIA", "(255,0,255)"}, {"AQUA", "(0,255,255)"},
      {"WHITE", "(255,255,255)"},
  };
  const std::string up = platform::upper_1252(std::string(name));
  for (const auto& [n, rgb] : rows) {
    if (up == n) return rgb;
  }
  return std::nullopt;
}

std::optional<std::string> font_style(std::string_view style) {
  if (style == "bold") return "IFont.BOLD";
  if (style == "italic") return "IFont.ITALIC";
  if (style == "underline") return "IFont.UNDERLINE";
  if (style == "strikethru") return "IFont.STRIKETHRU";
  return std::nullopt;
}

std::string font_expr(const Term& font) {
  const auto items = font.list_items();
  const std::string name = items.size() > 0 ? text_of(items[0]) : "MS Sans Serif";
  const std::string size = items.size() > 1 ? text_of(items[1]) : "8";
  std::string styles;
  if (items.size() > 2) {
    for (const Term& s : items[2].list_items()) {
      if (auto c = font_style(text_of(s))) styles += (styles.empty() ? "" : " + ") + *c;
    }
  }
  if (styles.empty()) styles = "0";
  return "UIFactory.getFont( \"" + reformat_text(name) + "\", " + styles + ", " + size + ")";
}

std::string java_ctl_color(Run& run, std::string_view key, const Term& props) {
  return "UIFactory.getColor(" + ctl_property_text(run, key, props) + ")";
}

std::string tabpage_field(Run& run, const Term& number) {
  return control_type_prefix("tabpage").value_or("") + token_ctl_name(run, number);
}

std::string control_panel_expr(Run& run, const Term& container) {
  if (container == num(0)) return "null";
  if (run.facts().exists(fact("lit_i", {container, var(), atom("tabpage"), var()}))) {
    return tabpage_field(run, container) + ".getQNPanel()";
  }
  return "QNPanel" + text_of(container);
}

std::string reformat_text(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string norm_path_slashes(std::string_view path) {
  std::string p(path);
  const std::string low = platform::lower_1252(p);
  if (low.size() >= 4 && low.compare(low.size() - 4, 4, ".bmp") == 0) {
    p = p.substr(0, p.size() - 4) + ".gif";
  }
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return platform::lower_1252(p);
}

int64_t subfile_visible_rows(int64_t height, int64_t title_height,
                             std::optional<int64_t> row_height) {
  const int64_t body = height - title_height + 1;
  const int64_t rowh = row_height && *row_height > 0 ? *row_height : body;
  if (rowh <= 0) return 1;
  return std::max<int64_t>(1, body / rowh);
}

}  // namespace qn::logic
