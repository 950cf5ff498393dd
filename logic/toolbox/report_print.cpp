#include "logic/toolbox/report_print.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <tuple>

#include "logic/core/attributes.h"
#include "logic/core/host_calls.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/report_end.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kEject = 100;
constexpr int64_t kNoskip = 101;
constexpr int64_t kLineno = 102;
constexpr int64_t kPrnCmd = 103;
constexpr int64_t kCallCmd = 104;
constexpr int64_t kCondPage = 131;

std::string itos(int64_t n) { return std::to_string(n); }

// The compound Name/Arity among a control's properties.
std::optional<Term> prop(const Term& props, std::string_view name, size_t arity) {
  for (const Term& p : props.list_items()) {
    if (arity == 0 ? p == name : (p.is_compound() && p.functor().name() == name && p.arity() == arity)) {
      return p;
    }
  }
  return std::nullopt;
}

std::optional<int64_t> int_of(const Term& t) {
  if (t.is_int()) return t.as_int();
  if (t.is_real()) return static_cast<int64_t>(t.as_real());
  if (t.is_atom() || t.is_string()) {
    const std::string& s = t.text();
    if (s.empty()) return std::nullopt;
    size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    for (size_t j = i; j < s.size(); ++j) {
      if (s[j] < '0' || s[j] > '9') return std::nullopt;
    }
    try {
      return std::stoll(s);
    } catch (...) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// [x, y, width, height] of a window's rect or rectpixels, as a list or four
// arguments; its height.
std::optional<int64_t> window_height(const Term& props, std::string_view name) {
  for (const Term& p : props.list_items()) {
    if (!p.is_compound() || p.functor().name() != name) continue;
    std::vector<Term> v;
    if (p.arity() == 1) v = p.arg(1).list_items();
    else for (size_t i = 1; i <= p.arity(); ++i) v.push_back(p.arg(i));
    if (v.size() >= 4) return int_of(v[3]);
  }
  return std::nullopt;
}

bool window_is_text(Run& run) {
  for (const Term& l : clauses_by_arg(run, "lit_i", 4, 3, atom("window"))) {
    if (prop(l.arg(4), "text", 0)) return true;
  }
  return false;
}

std::vector<Term> block_controls(Run& run, const Term& block, std::optional<Term>* window) {
  std::vector<Term> out;
  for (const Term& l : clauses_by_arg(run, "lit_i", 4, 2, block)) {
    if (l.arg(3) == "window") {
      if (window && !*window) *window = l.arg(4);
    } else {
      out.push_back(l);
    }
  }
  return out;
}

int64_t line_height(Run& run) {
  if (auto g = run.facts().first(fact("grid_i", {var(), var()}))) {
    if (auto h = int_of(g->arg(2)); h && *h > 0) return *h;
  }
  return window_is_text(run) ? 240 : 16;
}

// Element N (1-based) of a list fact's list; nullopt when absent.
std::optional<Term> list_fact_item(Run& run, const char* name, size_t n) {
  auto f = run.facts().first(fact(name, {var()}));
  if (!f) return std::nullopt;
  const auto items = f->arg(1).list_items();
  if (items.size() < n) return std::nullopt;
  return items[n - 1];
}

int64_t list_fact_int(Run& run, const char* name, size_t n, int64_t dflt) {
  if (auto t = list_fact_item(run, name, n)) {
    if (auto v = int_of(*t)) return *v;
  }
  return dflt;
}

bool declare_int(Run& run, const char* name, std::string_view kind, const Term& initial) {
  return declare_var(run, atom(name), Term::list({atom("int"), num(6), num(0), num(1)}), kind,
                     initial);
}

std::string java_of_tokens(Run& run, const Term& tokens, OptType* type = nullptr) {
  auto j = exp_to_java(run, tokens, ExprCtx{Term::nil(), Term::nil()});
  if (!j) return "";
  if (type) *type = j->type;
  return join_pieces(j->pieces);
}

bool printer_cmd(Run& run, const char* cmd, std::vector<std::string> args) {
  return gen_printer_cmd(run, cmd, args);
}

// The window title as the form generator writes it; without one, the
// object's description as a Java string.
std::string window_title(Run& run) {
  if (const Run::HostStandIn* s = run.host_stand_in("window_title_expr", 1)) {
    std::vector<Term> a{Term::fresh_var()};
    if ((*s)(run, a) && !a[0].is_var()) return text_of(a[0]);
  }
  std::string description;
  if (auto spec = run.facts().first(fact("spec_i", {var()}))) {
    const auto items = spec->arg(1).list_items();
    if (items.size() > 2) description = text_of(items[2]);
  }
  return java_quoted(description);
}

bool gen_rpt_printer_init(Run& run, bool line_parm, bool text, int64_t page_length) {
  std::vector<std::string> args = {"Qn_out", "qnXPage", "qnYPage", java_quoted("QNPRN.INI")};
  std::string printer = java_quoted("");
  if (auto prt = run.facts().first(fact("rule_i", {var(), fact("prt", {var(), var()})}))) {
    const Term& e = prt->arg(2).arg(1);
    const std::string j = java_of_tokens(run, e.is_list() ? e : Term::list({fact("t", {e, num(kTokConstant)})}));
    if (!j.empty()) printer = j;
  }
  args.push_back(printer);
  std::vector<std::string> paper;
  if (run.facts().first(fact("paper_info_i", {var()}))) {
    const bool no_dialog = line_parm || pgm_prop_upper(run, "PRN_DLG").value_or("") == "N";
    auto el = [&](size_t n) { return itos(list_fact_int(run, "paper_info_i", n, 0)); };
    paper = {java_quoted(""), no_dialog ? "1" : "2",
             list_fact_int(run, "paper_info_i", 10, 0) == 0 ? "2" : "1",
             el(2), el(5), el(4), "0", "1", "1", "0", "1", "1"};
  } else {
    paper = {java_quoted(""), "1", "1", "1", "0", "0", "0", "1", "1", "0", "1", "1"};
  }
  bool ok;
  if (text) {
    std::vector<std::string> t(args.begin(), args.end());
    t.push_back(paper[0]);
    t.push_back(paper[1]);
    t.push_back(paper[4]);
    t.push_back(paper[5]);
    int64_t cw = 120, ch = 240;
    if (auto g = run.facts().first(fact("grid_i", {var(), var()}))) {
      cw = int_of(g->arg(1)).value_or(cw);
      ch = int_of(g->arg(2)).value_or(ch);
    }
    t.push_back(itos(cw));
    t.push_back(itos(ch));
    t.push_back(itos(page_length));
    ok = printer_cmd(run, "QnPrintTextInit", t);
  } else {
    args.insert(args.end(), paper.begin(), paper.end());
    ok = printer_cmd(run, "QnPrintInit", args);
  }
  if (auto f = run.facts().first(fact("rule_i", {var(), fact("output_file", {var(), var()})}))) {
    const Term& name = f->arg(2).arg(1);
    std::string n = name.is_list() ? java_of_tokens(run, name) : java_string_literal(text_of(name));
    ok = printer_cmd(run, "QnSetDocName", {n}) && ok;
    ok = printer_cmd(run, "QnSetDocFormat",
                     {java_quoted(platform::upper_1252(text_of(f->arg(2).arg(2))))}) && ok;
  } else {
    ok = printer_cmd(run, "QnSetDocName", {window_title(run)}) && ok;
  }
  if (pgm_prop_upper(run, "RV_MAXIMIZE").value_or("") == "Y") {
    ok = printer_cmd(run, "QnPrintMax", {}) && ok;
  } else if (pgm_prop_upper(run, "RV_ONTOP").value_or("") == "Y") {
    ok = printer_cmd(run, "QnPrintOnTop", {}) && ok;
  }
  return ok;
}

bool gen_rpt_page_setup(Run& run, bool line_parm) {
  const bool text = window_is_text(run);
  const int64_t x = list_fact_int(run, "ppi_i", 1, 96);
  const int64_t y = list_fact_int(run, "ppi_i", 2, 96);
  const int64_t h = line_height(run);
  const int64_t bottom = list_fact_int(run, "page_layout_i", 3, 6);
  const int64_t length = list_fact_int(run, "page_layout_i", 1, 66);
  bool ok = declare_int(run, "lineHeight", "h", num(h)) && declare_int(run, "ToSkip", "h", Term::nil()) &&
            declare_int(run, "PrtOffset", "h", num(0)) && declare_int(run, "P_lines", "h", Term::nil()) &&
            declare_int(run, "qnXPage", "h", num(x)) && declare_int(run, "qnYPage", "h", num(y));
  ok = gen_rpt_printer_init(run, line_parm, text, length) && ok;
  Out out(run);
  out.pieces({"P_lines = qnYPage - (lineHeight * " + itos(bottom) + ") ;"});
  ok = printer_cmd(run, "setPageLines", {"P_lines"}) && ok;
  ok = printer_cmd(run, "setLineHeight", {"lineHeight"}) && ok;
  ok = declare_int(run, "Qn_PrnObject", "h", Term::nil()) && ok;
  return ok && out.ok();
}

// rpt_advance_lines/3.
bool advance_lines(Run& run, bool section, int64_t n, const std::string& height) {
  run.facts().abolish("qnfont_i", 11);
  Out out(run);
  if (n == 9999) {
    out.pieces({"Qn_OldLine = Line;"}).pieces({"Line = P_lines + 1;"});
  } else if (n < 0 || (!section && n == 0)) {
    return true;
  } else if (!section) {
    out.pieces({"Qn_OldLine = Line;"}).pieces({"Line = Line + " + itos(n) + ";"});
  } else {
    out.pieces({"testPage(" + height + ", false);"});
  }
  return out.ok();
}

bool eject(Run& run) {
  return Out(run).pieces({"Qn_OldLine = Line;"}).pieces({"Line = P_lines + 1;"}).ok();
}

// The argument of a command: the Java of its tokens after the command.
std::string cmd_argument(Run& run, const std::vector<Term>& items) {
  if (items.size() < 2) return "";
  std::vector<Term> rest(items.begin() + 1, items.end());
  if (rest.size() == 1) {
    if (auto n = int_of(rest[0].arg(1)); n && rest[0].arg(2) == num(kTokConstant)) return itos(*n);
  }
  return java_of_tokens(run, Term::list(rest));
}

bool print_command(Run& run, const Term& line, bool section, const Term& level, const Term& c2,
                   const Term& c3, const Term& c4) {
  const Term tokens = drop_tok_positions(line.arg(6));
  const auto items = tokens.list_items();
  const int64_t code = first_token_type(tokens);
  auto translate = [&] {
    // The main routine ends where the first subroutine or event starts:
    // their methods follow it.
    bool ended = true;
    if (code == kCmdSubStart || code == kCmdEventStart) ended = gen_pgm_end(run);
    run.facts().abolish("cmd_line_at_i", 1);
    run.facts().assertz(fact("cmd_line_at_i", {line.arg(1)}));
    const bool ok = cmd_to_code(run, line.arg(6), c2, c3, level, c4);
    run.facts().abolish("cmd_line_at_i", 1);
    return ok && ended;
  };
  Out out(run);
  switch (code) {
    case kEject:
      if (!section) return translate();
      return emit_comment(run, {"Eject command"}) && eject(run);
    case kNoskip:
      return emit_comment(run, {"Noskip command"}) && out.pieces({"Line = Qn_OldLine;"}).ok();
    case kLineno:
    case kCondPage: {
      const std::string n = cmd_argument(run, items);
      if (n.empty()) {
        show_error_box(run, "Print line " + text_of(line.arg(1)) + ": the command needs a number of lines");
        return true;
      }
      if (code == kCondPage) {
        bool ok = emit_comment(run, {"Cp command"});
        out.open("if (P_lines - Line < lineHeight * " + n + ") {");
        ok = eject(run) && ok;
        out.close("}");
        return ok && out.ok();
      }
      bool ok = emit_comment(run, {"Lineno command"});
      out.open("if (Line >= " + n + " * lineHeight) {");
      ok = eject(run) && advance_lines(run, section, 0, "0") && ok;
      out.close("}");
      out.pieces({"Qn_OldLine = Line;"}).pieces({"Line = " + n + " * lineHeight;"});
      return ok && out.ok();
    }
    case kPrnCmd: {
      if (!window_is_text(run)) return translate();
      bool ok = emit_comment(run, {"Prncmd command"});
      std::vector<int> codes;
      for (size_t i = 1; i < items.size(); ++i) {
        if (items[i].arg(2) == num(kTokComma)) continue;
        const std::string text = text_of(items[i].arg(1));
        if (text.empty() || text == "''" || text == "\"\"") break;
        auto v = int_of(items[i].arg(1));
        if (!v || *v < 0 || *v > 255) {
          show_error_box(run, "Print line " + text_of(line.arg(1)) + ": printer code " + text +
                                  " is not a number from 0 to 255; left out");
          continue;
        }
        codes.push_back(static_cast<int>(*v));
      }
      return printer_cmd(run, "QnPrnCmd", {printer_codes_literal(codes)}) && ok;
    }
    case kCallCmd: {
      bool line_arg = false;
      for (size_t i = 1; i < items.size(); ++i) {
        if (platform::lower_1252(strip_ampersand(text_of(items[i].arg(1)))) == "line") line_arg = true;
      }
      bool ok = true;
      if (line_arg) ok = advance_lines(run, section, 0, "0");
      return translate() && ok;
    }
    default:
      return translate();
  }
}

struct Font {
  std::string name;
  int64_t size = 0;
  std::vector<std::string> attrs;
  bool operator<(const Font& o) const {
    return std::tie(name, size, attrs) < std::tie(o.name, o.size, o.attrs);
  }
};

Font font_of(const Term& props) {
  Font f;
  if (auto p = prop(props, "font", 3)) {
    f.name = text_of(p->arg(1));
    f.size = int_of(p->arg(2)).value_or(0);
    for (const Term& a : p->arg(3).list_items()) f.attrs.push_back(text_of(a));
  }
  return f;
}

struct Rect {
  int64_t l = 0, t = 0, r = 0, b = 0;
};

std::optional<Rect> rect_of(const Term& props) {
  auto p = prop(props, "rect", 4);
  if (!p) return std::nullopt;
  auto l = int_of(p->arg(1)), t = int_of(p->arg(2)), r = int_of(p->arg(3)), b = int_of(p->arg(4));
  if (!l || !t || !r || !b) return std::nullopt;
  return Rect{*l, *t, *r, *b};
}

std::vector<std::string> rect_args(const Rect& r) {
  return {itos(r.l), "Qn_line + " + itos(r.t), itos(r.r), "Qn_line + " + itos(r.b)};
}

bool draw_text(Run& run, const Term& props, const std::string& text, const Rect& r,
               const std::string& flags) {
  const Font f = font_of(props);
  const Rgb fore = rpt_ctl_color(props, "fore");
  const Rgb back = rpt_ctl_color(props, "back");
  auto has = [&](const char* a) { return std::find(f.attrs.begin(), f.attrs.end(), a) != f.attrs.end(); };
  const bool white = back.r == 255 && back.g == 255 && back.b == 255;
  std::vector<Term> key = {str(f.name), num(f.size), num(has("bold")), num(has("italic")),
                           num(has("underline")), num(has("strikethru")), num(fore.r),
                           num(fore.g * 256 + fore.b), num(white), num(back.r),
                           num(back.g * 256 + back.b)};
  bool ok = true;
  auto& facts = run.facts();
  if (!facts.exists(fact("qnfont_i", key))) {
    auto b = [](bool v) { return std::string(v ? "true" : "false"); };
    ok = printer_cmd(run, "QnAttris",
                     {java_quoted(f.name), itos(f.size), b(has("bold")), b(has("italic")),
                      b(has("underline")), b(has("strikethru")), "0", itos(fore.r), itos(fore.g),
                      itos(fore.b), white ? "0" : "1", itos(back.r), itos(back.g), itos(back.b)});
    facts.abolish("qnfont_i", 11);
    facts.assertz(fact("qnfont_i", key));
  }
  std::vector<std::string> args = {text};
  for (auto& a : rect_args(r)) args.push_back(a);
  args.push_back(flags);
  return printer_cmd(run, "QnDrawText", args) && ok;
}

// The type of an attribute or variable, lower-cased; "" when unknown.
std::string type_of(Run& run, const Term& name, Term* picture) {
  if (auto t = attri_type_pic(run, num(0), name)) {
    if (picture) *picture = t->picture;
    return platform::lower_1252(text_of(t->type));
  }
  return "";
}

bool draw_control(Run& run, const Term& control) {
  const Term& item = control.arg(3);
  const Term& props = control.arg(4);
  const auto rect = rect_of(props);
  if (!rect) {
    show_error_box(run, "Print block " + text_of(control.arg(2)) + ": control " + engine::writeq(item) +
                            " has no rect(Left, Top, Right, Bottom); left out");
    return true;
  }
  const bool noclip = prop(props, "noclip", 0).has_value();
  const bool wrap = prop(props, "wrap", 0).has_value();
  if (item.is_compound() && item.functor().name() == "t" && item.arity() >= 2) {
    const auto kind = int_of(item.arg(2)).value_or(-1);
    if (kind == kTokConstant) {
      std::string flags = itos(rpt_align_code(run, props, ""));
      if (noclip) flags += " + 256";
      if (wrap) flags += " + 16";
      std::string text = text_of(item.arg(1));
      if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') && text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
      }
      // One text per line of the literal, each rectangle below the last.
      std::vector<std::string> parts;
      size_t start = 0;
      for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
          parts.push_back(text.substr(start, i - start));
          if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
          start = i + 1;
        }
      }
      bool ok = true;
      Rect r = *rect;
      const int64_t h = r.b - r.t;
      for (const std::string& p : parts) {
        ok = draw_text(run, props, java_quoted(p), r, flags) && ok;
        r.t += h;
        r.b += h;
      }
      return ok;
    }
    if (kind == kTokAttribute || kind == kTokVariable || kind == 24) {
      Term picture = Term::nil();
      std::string type;
      std::string value;
      if (kind == 24) {
        OptType t;
        value = java_of_tokens(run, item.arg(1).is_list() ? item.arg(1) : Term::list({item.arg(1)}), &t);
        type = t ? platform::lower_1252(t->type) : "";
      } else {
        type = type_of(run, item.arg(1), &picture);
        value = java_of_tokens(run, Term::list({fact("t", {item.arg(1), num(kind)})}));
      }
      if (value.empty()) {
        show_error_box(run, "Print block " + text_of(control.arg(2)) + ": " + engine::writeq(item) +
                                " cannot be printed; left out");
        return true;
      }
      if (type == "bits") {
        std::vector<std::string> args = {value};
        for (auto& a : rect_args(*rect)) args.push_back(a);
        return printer_cmd(run, "QnDrawBitMap", args);
      }
      std::string flags = itos(rpt_align_code(run, props, type));
      if (noclip) flags += " + 256";
      const std::string pic = picture.is_nil() || picture.is_var() ? "" : text_of(picture);
      if (!pic.empty()) value = "format(" + value + ", " + java_quoted(pic) + ")";
      return draw_text(run, props, value, *rect, flags);
    }
  }
  if (item.is_compound() && item.functor().name() == "bitmap" && item.arity() == 1) {
    const Term& b = item.arg(1);
    std::string name;
    if (b.is_compound() && b.functor().name() == "t") {
      name = java_of_tokens(run, Term::list({fact("t", {b.arg(1), num(kTokVariable)})}));
    } else {
      std::string path = platform::lower_1252(text_of(b));
      std::replace(path.begin(), path.end(), '\\', '/');
      name = java_quoted(path);
    }
    std::vector<std::string> args = {name};
    for (auto& a : rect_args(*rect)) args.push_back(a);
    return printer_cmd(run, "QnDrawBitMap", args);
  }
  if (item == "rect" || (item.is_compound() && item.functor().name() == "rect")) {
    const Rgb fore = rpt_ctl_color(props, "fore");
    std::vector<std::string> args = rect_args(*rect);
    if (rect->l == rect->r || rect->t == rect->b) {
      int64_t w = 1;
      if (auto bw = prop(props, "bwidth", 1)) w = int_of(bw->arg(1)).value_or(1);
      for (auto s : {itos(w), itos(fore.r), itos(fore.g), itos(fore.b)}) args.push_back(s);
      return printer_cmd(run, "QnDrawLine", args);
    }
    int64_t w = 1;
    if (auto bw = prop(props, "border", 1)) w = int_of(bw->arg(1)).value_or(1);
    bool fill = false;
    if (auto f = prop(props, "fill", 1)) fill = f->arg(1) == "true";
    else fill = prop(props, "fill", 0).has_value();
    const Rgb back = rpt_ctl_color(props, "back");
    for (auto s : {itos(w), itos(fore.r), itos(fore.g), itos(fore.b), std::string(fill ? "1" : "0"),
                   itos(back.r), itos(back.g), itos(back.b)}) {
      args.push_back(s);
    }
    return printer_cmd(run, "QnDrawRect", args);
  }
  show_error_box(run, "Print block " + text_of(control.arg(2)) + ": " + engine::writeq(item) +
                          " is no printable control; left out");
  return true;
}

bool print_block(Run& run, const Term& block, bool section) {
  std::optional<Term> window;
  std::vector<Term> controls = block_controls(run, block, &window);
  int64_t height = 0;
  if (window) {
    const bool text = window_is_text(run);
    if (text) {
      if (auto h = window_height(*window, "rect")) {
        const int64_t lh = line_height(run);
        height = (*h + lh / 2) / lh * lh;
      }
    } else if (auto h = window_height(*window, "rectpixels")) {
      height = *h;
    } else if (auto h2 = window_height(*window, "rect")) {
      height = *h2;
    }
  }
  Out out(run);
  if (section) out.pieces({"testPage(" + itos(height) + ", false);"});
  std::stable_sort(controls.begin(), controls.end(), [](const Term& a, const Term& b) {
    return font_of(a.arg(4)) < font_of(b.arg(4));
  });
  bool ok = true;
  for (const Term& c : controls) ok = draw_control(run, c) && ok;
  out.pieces({"Qn_OldLine = Line;"}).pieces({"Line = Line + " + itos(height) + ";"});
  run.facts().abolish("qnfont_i", 11);
  return ok && out.ok();
}

}  // namespace

int rpt_align_code(Run& run, const Term& props, std::string_view type) {
  std::string align;
  if (auto a = prop(props, "align", 1)) align = text_of(a->arg(1));
  else if (type == "int") align = "right";
  else if (type == "char" || type == "vchar" || type == "svchar") align = "left";
  const bool report = spec_kind_in(run, {"rpt", "prc"});
  if (align == "center") return report ? 1 : 2;
  if (align == "right") return report ? 2 : 1;
  return 0;
}

Rgb rpt_ctl_color(const Term& props, std::string_view which) {
  Rgb dflt = which == "back" ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  auto p = prop(props, which, 1);
  if (!p) return dflt;
  const Term& c = p->arg(1);
  if (c.is_compound() && c.functor().name() == "rgb" && c.arity() == 3) {
    auto r = int_of(c.arg(1)), g = int_of(c.arg(2)), b = int_of(c.arg(3));
    if (r && g && b) {
      auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, 255)); };
      return {clamp(*r), clamp(*g), clamp(*b)};
    }
    return dflt;
  }
  std::string s = platform::upper_1252(text_of(c));
  if (s.size() >= 3 && s.starts_with("&H")) {
    s = s.substr(2);
    if (!s.empty() && s.back() == '&') s.pop_back();
    unsigned v = 0;
    if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789ABCDEF") != std::string::npos) return dflt;
    v = static_cast<unsigned>(std::stoul(s, nullptr, 16));
    return {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)};
  }
  return dflt;
}

std::string printer_codes_literal(const std::vector<int>& codes) {
  std::string out = "\"";
  for (int c : codes) {
    switch (c) {
      case 10: out += "\\n"; break;
      case 13: out += "\\r"; break;
      case 34: out += "\\\""; break;
      case 92: out += "\\\\"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u00%02X", c & 0xFF);
        out += buf;
      }
    }
  }
  return out + "\"";
}

bool gen_rpt_vars_print(Run& run) {
  const bool line_parm = is_parameter(run, "Line");
  // The report's variables: fields of the report class, which the
  // program's own variables of these names cannot hide.
  bool ok = true;
  for (const char* v : {"Line", "lineHeight", "P_lines", "ToSkip", "PrtOffset", "qnXPage", "qnYPage",
                        "Qn_line", "Qn_page", "Qn_PrnObject"}) {
    ok = declare_int(run, v, "h", Term::nil()) && ok;
  }
  ok = declare_var(run, atom("Qn_out"), Term::list({atom("char"), num(3), num(0), num(0)}), "h", Term::nil()) && ok;
  ok = declare_var(run, atom("Qn_dev"), Term::list({atom("char"), num(1), num(0), num(0)}), "h", Term::nil()) && ok;
  ok = declare_int(run, "Qn_OldLine", "s", Term::nil()) && ok;
  Out out(run);
  if (line_parm) {
    out.open("try {");
    out.pieces({"setPrinter(reportHandler);"})
        .pieces({"P_lines = getPrinter().getPageLines();"})
        .pieces({"lineHeight = getPrinter().getLineHeight();"});
    return ok && out.ok();
  }
  run.facts().abolish("qnfont_i", 11);
  ok = printer_cmd(run, "QnClearAttris", {}) && ok;
  return gen_rpt_page_setup(run, line_parm) && ok && out.ok();
}

std::vector<Term> rpt_group_items(Run& run, const Term& level, const Term& group) {
  std::vector<std::pair<int64_t, Term>> lines;
  for (const Term& l : clauses_by_arg(run, "b_line_i", 6, 2, level)) {
    if (!(l.arg(3) == group) || !l.arg(1).is_int()) continue;
    lines.push_back({l.arg(1).as_int(), l});
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Term> out;
  for (const auto& [n, l] : lines) {
    if (l.arg(4) == "cmd") {
      out.push_back(Term::list({atom("cmd"), num(n), num(n)}));
    } else if (l.arg(4) == "line") {
      Term block = Term::nil();
      for (const Term& t : l.arg(6).list_items()) {
        if (t.is_compound() && t.functor().name() == "pb" && t.arity() == 1) block = t.arg(1);
      }
      out.push_back(Term::list({block.is_nil() ? atom("line") : atom("pb"), num(n), block}));
    }
  }
  return out;
}

namespace {

// The command line of a [cmd, N, N] item at the level.
std::optional<Term> item_cmd_line(Run& run, const Term& number, const Term& level) {
  for (const Term& l : run.facts().findall(fact("b_line_i", {number, var(), var(), atom("cmd"), var(), var()}))) {
    if (l.arg(2) == level || level.is_var()) return l;
  }
  return std::nullopt;
}

int64_t item_code(Run& run, const std::vector<Term>& v, const Term& level) {
  if (v[0] != "cmd") return -1;
  auto l = item_cmd_line(run, v[2], level);
  return l ? first_token_type(drop_tok_positions(l->arg(6))) : -1;
}

// A level whose lines run inside a loop or a block of the main routine:
// itself or a level above it (break_i/5) navigates (any kind but rpt and
// page). A parent cycle ends.
bool inside_navigation(Run& run, const Term& level) {
  Term at = level;
  for (int depth = 0; depth < 1000; ++depth) {
    const auto b = clauses_by_arg(run, "break_i", 5, 1, at);
    if (b.empty()) return false;
    const Term& kind = b.front().arg(2);
    if (!(kind == "rpt") && !(kind == "page")) return true;
    at = b.front().arg(3);
  }
  return false;
}

}  // namespace

bool rpt_print_items(Run& run, const std::vector<Term>& items, bool section, const Term& level,
                     const Term& c2, const Term& c3, const Term& c4) {
  // A subroutine or an event among the lines of a navigating level would
  // be a method inside the loop: it is kept, with its lines up to its end,
  // for the program's generator to write after the main routine
  // (rpt_deferred_routines). Only procedures and reports have one.
  const bool defer = section && !run.facts().exists(atom("rpt_deferring_done_i")) &&
                     spec_kind_in(run, {"proc", "rpt"}) && !level.is_var();
  bool ok = true;
  for (size_t at = 0; at < items.size(); ++at) {
    const auto v = items[at].list_items();
    if (v.size() < 3) continue;
    if (v[0] == "pb") {
      ok = print_block(run, v[2], section) && ok;
      continue;
    }
    if (v[0] != "cmd") continue;
    const int64_t code = item_code(run, v, level);
    if (defer && (code == kCmdSubStart || code == kCmdEventStart) && inside_navigation(run, level)) {
      const int64_t end_code = code == kCmdSubStart ? kCmdSubEnd : kCmdEventEnd;
      std::vector<Term> routine{items[at]};
      while (at + 1 < items.size()) {
        routine.push_back(items[++at]);
        const auto w = items[at].list_items();
        if (w.size() >= 3 && item_code(run, w, level) == end_code) break;
      }
      run.facts().assertz(fact("rpt_deferred_i", {level, Term::list(routine)}));
      continue;
    }
    if (auto l = item_cmd_line(run, v[2], level)) {
      ok = print_command(run, *l, section, l->arg(2), c2, c3, c4) && ok;
    }
  }
  return ok;
}

bool rpt_deferred_routines(Run& run, const Term& c2, const Term& c3, const Term& c4) {
  auto& facts = run.facts();
  facts.assertz(atom("rpt_deferring_done_i"));
  bool ok = true;
  for (const Term& d : facts.clauses("rpt_deferred_i", 2)) {
    ok = rpt_print_items(run, d.arg(2).list_items(), true, d.arg(1), c2, c3, c4) && ok;
  }
  facts.abolish("rpt_deferred_i", 2);
  facts.abolish("rpt_deferring_done_i", 0);
  return ok;
}

std::string header_flag(Run& run, const Term& level, const Term& group) {
  // Groups are numbered within their level: a number that a page or foot
  // group of another level has too takes the level into the name, else
  // two groups would share one flag.
  bool shared = false;
  for (const Term& g : run.facts().clauses("b_group_i", 6)) {
    if ((g.arg(3) == "page" || g.arg(3) == "foot") && g.arg(2) == group && !(g.arg(1) == level)) {
      shared = true;
      break;
    }
  }
  return "QnHdr" + (shared ? text_of(level) + "_" : std::string()) + text_of(group);
}

bool gen_print_group(Run& run, const Term& level, const Term& group, const Term& kind,
                     const Term& c2, const Term& c3, const Term& c4) {
  if (kind == "page" || kind == "foot") {
    const std::string flag = header_flag(run, level, group);
    bool ok = declare_var(run, atom(flag), Term::list({atom("boolean"), num(1), num(0), num(0)}), "s",
                          Term::nil());
    return Out(run).pieces({flag + " = true;"}).ok() && ok;
  }
  return rpt_print_items(run, rpt_group_items(run, level, group), true, level, c2, c3, c4);
}

bool rpt_break_groups_print(Run& run, std::string_view which) {
  bool ok = true;
  for (const Term& g : run.facts().clauses("b_group_i", 6)) {
    if (!(g.arg(3) == which)) continue;
    run.facts().abolish("qnfont_i", 11);
    Out out(run);
    out.open("if (" + header_flag(run, g.arg(1), g.arg(2)) + ") {");
    ok = rpt_print_items(run, rpt_group_items(run, g.arg(1), g.arg(2)), false, g.arg(1), atom("true"),
                         Term::nil(), Term::list({})) && ok;
    out.close("}");
    ok = out.ok() && ok;
  }
  run.facts().abolish("qnfont_i", 11);
  return ok;
}

}  // namespace qn::logic
