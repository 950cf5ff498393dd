#include "logic/web/page_html.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "logic/core/levels.h"
#include "logic/core/tokens.h"
#include "logic/toolbox/formats.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/program_props.h"
#include "logic/javaui/form_controls.h"
#include "logic/javaui/form_props.h"
#include "logic/program/expressions.h"
#include "logic/program/program_frame.h"
#include "logic/program/type_adapter.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/rule_utilities.h"
#include "logic/web/page_scripts.h"
#include "logic/web/static_urls.h"
#include "logic/web/styles.h"
#include "logic/web/web_request.h"
#include "logic/web/web_tokens.h"
#include "platform/cp1252.h"

namespace qn::logic::web {

using engine::Term;

namespace {

bool is_item(const Term& item, std::string_view functor, uint32_t arity) {
  return item.is_compound() && item.functor() == functor && item.arity() == arity;
}

std::string java_of(Run& run, const Term& tokens) {
  auto x = exp_to_java(run, tokens, {});
  return x ? join_pieces(x->pieces) : std::string();
}

// One call of the page writer with a Java argument.
bool writer_call(Run& run, std::string_view routine, const std::string& java) {
  if (java.empty()) return true;
  return Out(run).pieces({std::string(routine) + "(", java, ");"}).ok();
}
// A constant text of the page (written as it stands).
bool text(Run& run, std::string_view html) {
  if (html.empty()) return true;
  return writer_call(run, "qnhtml_text", java_quoted(html));
}
// A text built at run time from model-language tokens.
bool text_expr(Run& run, const Term& tokens) {
  return writer_call(run, "qnhtml_text", java_of(run, tokens));
}
// A run-time value: the runtime escapes it for the page.
bool value(Run& run, const Term& tokens) {
  return writer_call(run, "qnhtml_send_web_value", java_of(run, tokens));
}

// Texts joined with "+": each part a token or a token list, an empty list
// left out, two constant texts side by side made one.
Term cat(std::initializer_list<Term> parts) {
  auto is_text = [](const Term& t) {
    return is_item(t, "t", 2) && t.arg(2) == num(kTokConstant) && text_of(t.arg(1)).starts_with('"');
  };
  std::vector<Term> out;
  for (const Term& p : parts) {
    if (p.is_nil()) continue;
    const std::vector<Term> toks = p.is_list() ? p.list_items() : std::vector<Term>{p};
    size_t from = 0;
    if (!out.empty() && is_text(toks[0]) && is_text(out.back()) &&
        (toks.size() == 1 || toks[1] == op("+")) &&
        (out.size() == 1 || out[out.size() - 2] == op("+"))) {
      const std::string a = text_of(out.back().arg(1)), b = text_of(toks[0].arg(1));
      out.back() = tok(a.substr(0, a.size() - 1) + b.substr(1), kTokConstant);
      from = 1;
    } else if (!out.empty()) {
      out.push_back(op("+"));
    }
    for (size_t i = from; i < toks.size(); ++i) out.push_back(toks[i]);
  }
  return Term::list(out);
}

// The edit picture of an attribute or variable.
std::string picture_of(Run& run, const Term& name) {
  if (auto d = call_attri(run, name)) {
    auto items = d->list_items();
    if (items.size() > 4) return text_of(items[4]);
  }
  return "";
}

std::optional<std::string> ctlname_in(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (is_item(p, "ctlname", 1) && !text_of(p.arg(1)).empty()) return text_of(p.arg(1));
  }
  return std::nullopt;
}

std::string description(Run& run) {
  if (auto spec = spec_list(run); spec && spec->is_list()) {
    auto items = spec->list_items();
    if (items.size() >= 3) return text_of(items[2]);
  }
  return "";
}

Term form_prop(Run& run, std::string_view property) {
  return tl({vtok(prop_var(run, "Form", property))});
}

// The variable or attribute an item shows, or none.
std::optional<Term> shown(const Term& item) {
  const Term& inner = is_item(item, "s", 2) ? item.arg(1) : item;
  if (is_item(inner, "t", 2) &&
      (inner.arg(2) == num(kTokAttribute) || inner.arg(2) == num(kTokVariable)))
    return inner;
  return std::nullopt;
}

std::string ctl_type(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (is_item(p, "ctrltype", 2)) return text_of(p.arg(1));
  }
  return "edit";
}

// The Java name of an item's property variables: its ctlname, else the
// name of the variable or attribute it shows.
std::string item_name(const Term& item, const Term& props) {
  if (auto n = ctlname_in(props)) return *n;
  if (auto v = shown(item)) return strip_ampersand(text_of(v->arg(1)));
  return "";
}

Term var_of(const Term& shown_item) {
  const std::string n = text_of(shown_item.arg(1));
  return shown_item.arg(2) == num(kTokVariable) ? vtok(strip_ampersand(n))
                                                : tok(n, kTokAttribute);
}

// The values a control lists: ctrl_info_i(Number, Kind, Values) or
// ctrl_info_i(Number, Values, _); a checkbox's [Checked, Unchecked,
// Caption], a list's or a radio's [Value, Text] pairs (one fact each, or
// all in one list).
std::vector<Term> info_values(Run& run, const Term& number) {
  std::vector<Term> out;
  for (const Term& f : run.facts().findall(fact("ctrl_info_i", {number, var(), var()}))) {
    const Term& values = f.arg(3).is_cons() ? f.arg(3) : f.arg(2);
    if (!values.is_cons()) continue;
    auto items = values.list_items();
    if (items[0].is_cons()) {
      for (const Term& i : items) out.push_back(i);
    } else {
      out.push_back(values);
    }
  }
  return out;
}

// The checked and unchecked values of a checkbox (constants), else 1 and 0.
std::pair<Term, Term> checkbox_values(Run& run, const Term& number, const OptType& type) {
  auto as_const = [&](const Term& v) {
    return is_numeric(type) ? tok(text_of(v), kTokConstant) : stok(text_of(v));
  };
  auto values = info_values(run, number);
  if (!values.empty()) {
    auto items = values[0].list_items();
    if (items.size() >= 2) return {as_const(items[0]), as_const(items[1])};
  }
  return {as_const(atom("1")), as_const(atom("0"))};
}

std::string checkbox_caption(Run& run, const Term& number) {
  auto values = info_values(run, number);
  if (!values.empty()) {
    auto items = values[0].list_items();
    if (items.size() >= 3) return text_of(items[2]);
  }
  return "";
}

// The user tags of a control: those of kind in as attributes of its tag
// (tag_i/6, then html_tags_i(Number, Attribute, Value)); the window's
// Background and Bgcolor are its properties' already.
std::string tags_in(Run& run, const Term& number, bool window = false) {
  std::string out;
  for (const Term& t : run.facts().findall(fact("tag_i", {number, var(), atom("in"), var(), var(), var()}))) {
    std::string name = text_of(t.arg(4));
    if (window) {
      if (name == "Background" || name == "Bgcolor") continue;
      if (name == "Topmargin") name = "MarginHeight";
      if (name == "Leftmargin") name = "MarginWidth";
    }
    out += " " + name + "=\"" + html_escape(text_of(t.arg(5))) + "\"";
  }
  for (const Term& t : run.facts().findall(fact("html_tags_i", {number, var(), var()})))
    out += " " + text_of(t.arg(2)) + "=\"" + html_escape(text_of(t.arg(3))) + "\"";
  return out;
}
// The user tags of kind pre (before the control) or out (after it): HTML
// written as it stands, as the designed HTML is.
std::string tags_around(Run& run, const Term& number, std::string_view kind) {
  std::string out;
  for (const Term& t : run.facts().findall(fact("tag_i", {number, var(), atom(kind), var(), var(), var()})))
    out += text_of(t.arg(5));
  return out;
}

bool visible_if(Run& run, const std::string& name) {
  return emit_if(run, tl({vtok(prop_var(run, name, "Visible")), op("<>"), ntok(0)}), {});
}

// The Click event of the control that shows Shown: the name term of its
// event line (b_line_i [t(_, 146), t([Control, t('Click', _)], _) | _]),
// from the object's Click events read once (web_click_i/2).
std::optional<Term> click_event(Run& run, const Term& shown_item) {
  auto& facts = run.facts();
  if (!facts.exists(fact("web_click_i", {atom(""), var()}))) {
    facts.assertz(fact("web_click_i", {atom(""), atom("read")}));
    for (const Term& l : facts.clauses("b_line_i", 6)) {
      if (!(l.arg(4) == "cmd")) continue;
      const Term toks = drop_tok_positions(l.arg(6));
      if (first_token_type(toks) != kCmdEventStart || !toks.tail().is_cons()) continue;
      const Term& name = toks.tail().head();
      if (!name.is_compound() || name.arity() < 1 || !name.arg(1).is_cons()) continue;
      auto pair = name.arg(1).list_items();
      if (pair.size() < 2 || !pair[0].is_compound() || pair[0].arity() < 1) continue;
      const Term& ev = pair[1].is_compound() ? pair[1].arg(1) : pair[1];
      if (text_of(ev) == "Click") facts.assertz(fact("web_click_i", {atom(text_of(pair[0].arg(1))), name}));
    }
  }
  const std::string control = text_of(shown_item.arg(1));
  if (control.empty()) return std::nullopt;
  if (auto f = facts.first(fact("web_click_i", {atom(control), var()}))) return f->arg(2);
  return std::nullopt;
}

// The attributes of an edit that check its input in the browser: numbers
// by valid_integer or valid_decimal, dates by qnvdate; an upper-case
// picture turns the text to upper case. Each function the page needs is
// noted (js_function_ref_i/1) for the page's script.
std::string input_checks(Run& run, const OptType& type, const std::string& picture) {
  std::string out = web_input_validation(run, type, picture);
  const bool upper_pic =
      picture == "@!" || (!picture.empty() && picture.find_first_not_of('!') == std::string::npos);
  if (upper_pic) out += " onBlur=\"this.value=this.value.toUpperCase()\"";
  return out;
}

bool has_prop(const Term& props, std::string_view functor) {
  for (const Term& p : props.list_items()) {
    if (p == functor || (p.is_compound() && p.functor() == functor)) return true;
  }
  return false;
}

int64_t int_prop(const Term& props, std::string_view functor, int64_t dflt) {
  for (const Term& p : props.list_items()) {
    if (is_item(p, functor, 1) && p.arg(1).is_int()) return p.arg(1).as_int();
  }
  return dflt;
}

// The grid's cell size grid_i(CellWidth, CellHeight); 1 by 1 without it.
std::pair<int64_t, int64_t> grid_cell(Run& run) {
  if (auto g = run.facts().first(fact("grid_i", {var(), var()}))) {
    if (g->arg(1).is_int() && g->arg(2).is_int() && g->arg(1).as_int() > 0 && g->arg(2).as_int() > 0)
      return {g->arg(1).as_int(), g->arg(2).as_int()};
  }
  return {1, 1};
}

// The start and end of a link around a text: the control's Link property
// when it is not empty, its address written as a run-time value.
bool link_start(Run& run, const std::string& name) {
  const Term link = tl({vtok(prop_var(run, name, "Link"))});
  return emit_if(run, tl({op(".NOT."), fn("null"), link, op(")")}), {}) &&
         text(run, "<a href=\"") && value(run, tl({fn("rtrim"), link, op(")")})) &&
         text(run, "\">") && emit_close_blocks(run, num(1));
}
bool link_end(Run& run, const std::string& name) {
  const Term link = tl({vtok(prop_var(run, name, "Link"))});
  return emit_if(run, tl({op(".NOT."), fn("null"), link, op(")")}), {}) && text(run, "</a>") &&
         emit_close_blocks(run, num(1));
}

// A radio control: a button per item of the control, in a table of one
// column, or of Columns columns (ctrltype(radio, Columns), Columns > 1).
bool gen_html_radio(Run& run, const Term& lit, const Term& ctl, const Term& var,
                    const std::string& name, const std::string& web) {
  int64_t columns = 1;
  for (const Term& p : lit.arg(4).list_items()) {
    if (is_item(p, "ctrltype", 2) && p.arg(2).is_int() && p.arg(2).as_int() > 1)
      columns = p.arg(2).as_int();
  }
  auto item = [&](const char* method) {
    return fact("t", {tl({ctl, tok(method, kTokFunction), vtok("idxLst"), op(")")}),
                      num(kTokCtrlMethod)});
  };
  const Term count = fact("t", {tl({ctl, tok("Count", 2)}), num(kTokNested)});
  (void)name;
  bool ok = text(run, "<table id=\"" + web + "\">") &&
            declare_var(run, atom("idxLst"), Term::list({atom("int"), num(9), num(0), num(0)}),
                        "s", tl({ntok(1)}));
  if (columns > 1)
    ok = ok && declare_var(run, atom("idxCol"), Term::list({atom("int"), num(9), num(0), num(0)}),
                           "s", tl({ntok(0)}));
  ok = ok && emit_while(run, tl({vtok("idxLst"), op("<="), count}), {});
  if (columns > 1) {
    ok = ok && assign_var(run, atom("&idxCol"), tl({fn("mod"), vtok("idxCol"), op("+"), ntok(1),
                                                   op(","), ntok(columns), op(")")})) &&
         emit_if(run, tl({vtok("idxCol"), op("="), ntok(1)}), {}) && text(run, "<tr><td>") &&
         emit_else(run) && text(run, "<td>") && emit_close_blocks(run, num(1));
  } else {
    ok = ok && text(run, "<tr><td>");
  }
  ok = ok && text(run, "<input type=radio name=\"" + web + "\" value=\"") &&
       value(run, tl({fn("rtrim"), item("value("), op(")")})) &&
       text_expr(run, tl({stok("\""), op("+"), fn("iif"), fn("rtrim"), var, op(")"), op("="),
                          fn("rtrim"), item("value("), op(")"), op(","), stok(" checked"), op(","),
                          stok(""), op(")"), op("+"), stok(tags_in(run, lit.arg(1)) + ">")})) &&
       value(run, tl({item("text(")}));
  if (columns > 1) {
    ok = ok && emit_if(run, tl({vtok("idxCol"), op("="), ntok(0)}), {}) &&
         text(run, "</td></tr>") && emit_else(run) && text(run, "</td>") &&
         emit_close_blocks(run, num(1));
  } else {
    ok = ok && text(run, "</td></tr>");
  }
  ok = ok && assign_var(run, atom("&idxLst"), tl({vtok("idxLst"), op("+"), ntok(1)})) &&
       emit_close_blocks(run, num(1));
  // A row left open by the last button is closed.
  if (columns > 1)
    ok = ok && text_expr(run, tl({fn("iif"), vtok("idxCol"), op("="), ntok(0), op(","), stok(""),
                                  op(","), stok("</tr>"), op(")")}));
  return ok && text(run, "</table>");
}

// One control of the designed HTML (a lit_i/4 entry), inside its Visible
// test, its user tags of kind pre before and out after it.
bool gen_html_control(Run& run, const Term& lit) {
  const Term& item = lit.arg(3);
  const Term& props = lit.arg(4);
  const std::string name = item_name(item, props);
  const std::string web = web_ctl_name(run, item, props);
  const std::string id_name = " id=\"" + web + "\" name=\"" + web + "\"";
  const std::string in_tags = tags_in(run, lit.arg(1));
  if (name.empty()) return emit_comment(run, {"No control name for item", engine::writeq(item)});
  bool ok = visible_if(run, name) && text(run, tags_around(run, lit.arg(1), "pre"));
  const Term style = style_string(run, lit);
  if (is_item(item, "t", 2) && item.arg(2) == num(kTokConstant)) {
    ok = ok && link_start(run, name) &&
         text_expr(run, cat({stok("<span" + id_name + in_tags), style, stok(">")})) &&
         value(run, tl({vtok(prop_var(run, name, "Caption"))})) && text(run, "</span>") &&
         link_end(run, name);
  } else if (is_item(item, "bitmap", 1)) {
    const Term border = tl({vtok(prop_var(run, name, "Borderwidth"))});
    ok = ok && link_start(run, name) && text(run, "<img id=\"" + web + "\" src=\"") &&
         value(run, tl({fn("convertURL"), vtok(prop_var(run, name, "Bitmap")), op(")")})) &&
         text_expr(run, tl({stok("\""), op("+"), fn("iif"), border, op("="), ntok(0), op(","),
                            stok(" border=0"), op(","), stok(" border=\""), op("+"), fn("ltrim"),
                            fn("str"), border, op(")"), op(")"), op("+"), stok("\""), op(")")})) &&
         text(run, " alt=\"") && value(run, tl({vtok(prop_var(run, name, "Alternatetext"))})) &&
         text(run, "\" title=\"") && value(run, tl({vtok(prop_var(run, name, "Tooltiptext"))})) &&
         text(run, "\"" + in_tags + ">") && link_end(run, name);
  } else if (is_item(item, "button", 1)) {
    const std::string event = text_of(item.arg(1));
    std::string click;
    if (event == "Clear") click = " onClick=\"ClearForm( this.form);return false;\"";
    if (event == "Cancel") click = " onClick=\"QN_js_close();return false;\"";
    ok = ok &&
         text_expr(run, tl({stok("<input type="), op("+"), fn("iif"), ntok(1), op("="), ntok(1),
                            op(","), stok("SUBMIT"), op(","), stok("RESET"), op(")"), op("+"),
                            stok(id_name + " value=\"")})) &&
         value(run, tl({vtok(prop_var(run, name, "Caption"))})) &&
         text_expr(run, cat({stok("\""), style, stok(in_tags + click + ">")}));
  } else if (auto v = shown(item)) {
    const std::string kind = ctl_type(props);
    const Term var = var_of(*v);
    const OptType type = var_type(run, v->arg(1));
    const Term enabled = tl({vtok(prop_var(run, name, "Enabled")), op("="), ntok(1)});
    if (type && type->type == "bits") {
      // An image: a button when the control has a Click event.
      const bool button = click_event(run, *v).has_value();
      if (button) ok = ok && emit_if(run, enabled, {});
      ok = ok && text(run, button ? "<input type=\"image\"" + id_name + " src=\""
                                  : "<img id=\"" + web + "\" src=\"") &&
           value(run, tl({fn("convertURL"), var, op(")")})) && text(run, "\" alt=\"") &&
           value(run, tl({vtok(prop_var(run, name, "Alternatetext"))})) &&
           text(run, "\" title=\"") &&
           value(run, tl({vtok(prop_var(run, name, "Tooltiptext"))})) &&
           text(run, "\"" + in_tags + ">");
      if (button) ok = ok && emit_close_blocks(run, num(1));
    } else if (kind == "checkbox") {
      auto [on, off] = checkbox_values(run, lit.arg(1), type);
      ok = ok &&
           text_expr(run, tl({stok("<input type=\"checkbox\" "), op("+"), fn("iif"), var, op("="),
                              on, op(","), stok("checked"), op(","), stok(""), op(")"), op("+"),
                              stok(id_name + " value=1" + in_tags + ">" +
                                   html_escape(checkbox_caption(run, lit.arg(1))))}));
    } else if (kind == "radio") {
      const Term ctl = tok(text_of(v->arg(1)), v->arg(2).as_int());
      ok = ok && gen_html_radio(run, lit, ctl, var, name, web);
    } else if (kind == "combo" || kind == "listbx" || kind == "dyncombo" || kind == "dynlistbx") {
      // The options the control holds at run time, the variable's selected.
      const Term ctl = tok(text_of(v->arg(1)), v->arg(2).as_int());
      auto item = [&](const char* method) {
        return fact("t", {tl({ctl, tok(method, kTokFunction), vtok("idxLst"), op(")")}),
                          num(kTokCtrlMethod)});
      };
      const Term count = fact("t", {tl({ctl, tok("Count", 2)}), num(kTokNested)});
      const Term height = tl({vtok(prop_var(run, name, "Height"))});
      ok = ok && emit_if(run, enabled, {}) &&
           text_expr(run, tl({stok("<select size="), op("+"), fn("ltrim"), fn("str"), height,
                              op(","), ntok(3), op(")"), op(")"), op("+"),
                              cat({stok(id_name), style, stok(in_tags + ">")})})) &&
           declare_var(run, atom("idxLst"), Term::list({atom("int"), num(9), num(0), num(0)}), "s",
                       tl({ntok(1)})) &&
           emit_while(run, tl({vtok("idxLst"), op("<="), count}), {}) &&
           emit_if(run, tl({fn("ltrim"), item("value("), op(")"), op("="), fn("ltrim"), var,
                            op(")")}),
                   {}) &&
           text(run, "<option value=\"") &&
           value(run, tl({fn("rtrim"), item("value("), op(")")})) &&
           text(run, "\" selected >") && emit_else(run) && text(run, "<option value=\"") &&
           value(run, tl({fn("rtrim"), item("value("), op(")")})) && text(run, "\">") &&
           emit_close_blocks(run, num(1)) && value(run, tl({item("text(")})) &&
           assign_var(run, atom("&idxLst"), tl({vtok("idxLst"), op("+"), ntok(1)})) &&
           emit_close_blocks(run, num(1)) && text(run, "</select>") &&
           emit_close_blocks(run, num(1));
    } else if (type && type->type == "vchar" && has_prop(props, "wrap")) {
      // A wrapped long text: a text area of the control's size in grid cells.
      auto [cw, ch] = grid_cell(run);
      const int64_t cols = std::max<int64_t>(1, int_prop(props, "width", 40 * cw) / cw);
      const int64_t rows = std::max<int64_t>(1, int_prop(props, "height", 4 * ch) / ch);
      // Unless it grows with its text, the area shows no scroll bars.
      const auto autoresize = ctrl_prop_value(run, "autoresize", props);
      const bool fixed = !autoresize || (autoresize->is_int() && autoresize->as_int() == 0);
      const Term area_style = style_string(run, lit, false, fixed ? "overflow:hidden;" : "");
      ok = ok && emit_if(run, enabled, {}) &&
           text_expr(run, cat({stok("<textarea cols=" + std::to_string(cols) +
                                    " rows=" + std::to_string(rows) + id_name + in_tags),
                               area_style, stok(">")})) &&
           value(run, tl({var})) && text(run, "</textarea>") && emit_else(run) &&
           text(run, "<span>") && value(run, tl({var})) && text(run, "</span>") &&
           emit_close_blocks(run, num(1));
    } else {
      const int64_t length = type ? type->length + (type->decimals > 0 ? 1 : 0) : 20;
      const std::string size = std::to_string(length);
      const std::string checks = input_checks(run, type, picture_of(run, v->arg(1)));
      ok = ok && emit_if(run, enabled, {}) &&
           text_expr(run, tl({stok("<input type="), op("+"), fn("iif"),
                              vtok(prop_var(run, name, "Ispassword")), op("="), ntok(1), op(","),
                              stok("password"), op(","), stok("text"), op(")"), op("+"),
                              stok(id_name + " size=\"" + size + "\" maxlength=\"" + size +
                                   "\" value=\"")})) &&
           value(run, tl({var})) &&
           text_expr(run, cat({stok("\""), style, stok(in_tags + checks + ">")})) &&
           emit_else(run) && text_expr(run, cat({stok("<span"), style, stok(">")})) &&
           value(run, tl({var})) && text(run, "</span>") && emit_close_blocks(run, num(1));
    }
  } else {
    ok = ok && emit_comment(run, {"Control kind not written:", engine::writeq(item)});
  }
  return ok && text(run, tags_around(run, lit.arg(1), "out")) && emit_close_blocks(run, num(1));
}

// The columns of a subfile (lit_i/4 entries s(Item, N)), in fact order.
std::vector<Term> subfile_columns(Run& run, const Term& subfile) {
  std::vector<Term> out;
  for (const Term& c : run.facts().clauses("lit_i", 4)) {
    if (is_item(c.arg(3), "s", 2) && c.arg(3).arg(2) == subfile) out.push_back(c);
  }
  return out;
}

// The subfile control s(N) of a number N.
std::optional<Term> subfile_lit(Run& run, const Term& subfile) {
  for (const Term& c : run.facts().clauses("lit_i", 4)) {
    if (is_item(c.arg(3), "s", 1) && c.arg(3).arg(1) == subfile) return c;
  }
  return std::nullopt;
}

// The web name of a subfile line's button: "<NAME>_" and the line's index.
Term line_button_name(Run& run, const Term& col) {
  const std::string n = std::to_string(col.arg(3).arg(2).as_int());
  return tl({stok(web_ctl_name(run, col.arg(3).arg(1), col.arg(4)) + "_"), op("+"),
             vtok(sfl_char_index_var(n))});
}

// One cell's content: a column's value, or a line's button.
bool grid_cell_content(Run& run, const Term& col) {
  if (is_item(col.arg(3).arg(1), "button", 1)) {
    std::string caption = text_of(col.arg(3).arg(1).arg(1));
    if (auto t = prop_in_list(run, "title", col.arg(4)); t && !t->is_nil()) caption = text_of(*t);
    return text_expr(run, tl({stok("<input type=SUBMIT name=\""), op("+"),
                              line_button_name(run, col), op("+"),
                              stok("\" value=\"" + html_escape(caption) + "\">")}));
  }
  if (auto v = shown(col.arg(3))) return value(run, tl({var_of(*v)}));
  return true;
}

bool is_freestyle(Run& run, const Term& subfile) {
  return run.facts().exists(fact("html_sub_i", {subfile, var(), var()}));
}

// A subfile of the designed HTML: the table, its titles, the rows its
// level's refresh writes, the table's end; a freestyle subfile (its line's
// HTML designed, html_sub_i/3) has no titles.
bool gen_html_subfile(Run& run, const Term& lit) {
  const Term& props = lit.arg(4);
  const Term& subfile = lit.arg(3).arg(1);
  std::optional<Term> level;
  for (const Term& l : sfl_or_main_lvl(run)) {
    if (!level && sfl_level(run, l, subfile)) level = l;
  }
  const std::string tags = tags_in(run, lit.arg(1));
  const bool free = is_freestyle(run, subfile);
  bool ok = true;
  if (free) {
    ok = emit_comment(run, {"Freestyle subfile start"}) && text(run, "<table" + tags + ">");
  } else {
    const int64_t border = int_prop(props, "border", -1);
    ok = emit_comment(run, {"Subfile start"}) &&
         text(run, "<table" + std::string(border >= 0 ? " BORDER=" + std::to_string(border)
                                                      : " BORDER") +
                       tags + ">") &&
         emit_comment(run, {"Subfile titles"}) && text(run, "<tr>");
    for (const Term& c : subfile_columns(run, subfile)) {
      std::string title;
      if (auto t = prop_in_list(run, "title", c.arg(4)); t && !t->is_nil()) title = text_of(*t);
      ok = ok && text_expr(run, cat({stok("<th align=\"left\""), style_string(run, c, true),
                                     stok(">" + html_escape(title) + "</th>")}));
    }
    ok = ok && text(run, "</tr>");
  }
  if (level) ok = ok && gen_call_stmt(run, routine_name(run, "RF", *level), Term::nil());
  return ok && text(run, "</table>") &&
         emit_comment(run, {free ? "Freestyle subfile end" : "Subfile end"});
}

std::optional<Term> lit_by_number(Run& run, const Term& number) { return call_liti(run, number); }

// The ACTION of a static page's form: staticdynurl() and the parameters
// as link( encodes them.
std::string static_action(Run& run) {
  std::string java = java_of(run, tl({fn("staticdynurl"), op(")")}));
  bool first = true;
  for (const Term& p : get_pgm_parms(run).list_items()) {
    auto rp = routine_parms(p);
    if (!rp) continue;
    const std::string n = text_of(rp->name);
    auto x = exp_to_java(run, tl({n.starts_with('&') ? tok(n, kTokVariable)
                                                     : tok(n, kTokAttribute)}),
                         {});
    if (!x) continue;
    const std::string v = join_pieces(x->pieces);
    const std::string t = x->type ? x->type->type : "";
    const std::string enc = t == "bits"          ? v
                            : is_string(x->type) ? "QNutil.rtrim(" + v + ")"
                            : t == "date"        ? "formatDateParm(" + v + ")"
                            : t == "dtime"       ? "formatDateTimeParm(" + v + ")"
                                                 : "\"\" +" + v;
    java += (first ? " + \"?\" + " : " + \",\" + ") +
            std::string("java.net.URLEncoder.encode(") + enc + ")";
    first = false;
  }
  return java;
}

// The window's user tags of kind in.
std::string window_tags(Run& run) {
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (lit.arg(3) == "window") return tags_in(run, lit.arg(1), true);
  }
  return "";
}

// The attributes and variables the user enters at a level: lac_i(Level,
// Names) (a list or one name); none of a repeating group (repeat_i/2). A
// panel without lac_i/2 facts enters every one its form shows.
bool accepted(Run& run, const Term& level, const Term& name) {
  if (!run.facts().exists(fact("lac_i", {var(), var()}))) return true;
  auto in = [&](const Term& list) {
    if (!list.is_cons()) return list == name;
    for (const Term& t : list.list_items()) {
      if (t == name) return true;
    }
    return false;
  };
  for (const Term& r : run.facts().clauses("repeat_i", 2)) {
    if (in(r.arg(2))) return false;
  }
  for (const Term& f : run.facts().findall(fact("lac_i", {level, var()}))) {
    if (in(f.arg(2))) return true;
  }
  return false;
}

// The controls whose change refreshes the page when Enter is pressed: those
// that show what the first level enters, when the object says so
// (lac_i/2), outside subfiles.
std::vector<Term> refresh_triggers(Run& run, const Term& level) {
  std::vector<Term> out;
  if (!run.facts().exists(fact("lac_i", {var(), var()}))) return out;
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    auto v = shown(lit.arg(3));
    if (!v || is_item(lit.arg(3), "s", 2)) continue;
    const OptType type = var_type(run, v->arg(1));
    if (type && type->type == "bits") continue;
    if (accepted(run, level, v->arg(1))) out.push_back(lit);
  }
  return out;
}

}  // namespace

bool gen_html_page(Run& run) {
  reset_page_scripts(run);
  collect_assigned_properties(run);
  bool ok = text(run, "<html>") && text(run, "<head>") &&
            text(run, "<meta name=\"GENERATOR\" content=\"Quenora\">") &&
            text(run, "<meta name=\"DESCRIPTION\" content=\"" + html_escape(description(run)) +
                          "\">") &&
            text(run, "<title>") && value(run, form_prop(run, "Caption")) &&
            text(run, "</title>") && gen_call_stmt(run, "define_styles", Term::nil()) &&
            gen_call_stmt(run, "include_jscripts", Term::nil()) &&
            text(run, "</head>");
  const Term background = form_prop(run, "Background");
  ok = ok && text(run, "<body") &&
       emit_if(run, tl({op(".NOT."), fn("null"), background, op(")")}), {}) &&
       text(run, " background=\"") && value(run, tl({fn("convertURL"), background, op(")")})) &&
       text(run, "\"") && emit_close_blocks(run, num(1)) &&
       text_expr(run, tl({stok(" bgcolor="), op("+"), fn("HtmlColor"),
                          form_prop(run, "Backcolor"), op(")"), op("+"),
                          stok(window_tags(run) + window_event_handlers(run) + ">")}));
  const std::string plain = "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\"";
  if (web_static_generation(run)) {
    ok = ok && emit_if(run, tl({fn("staticgeneration"), op(")"), op("="), ntok(1)}), {}) &&
         writer_call(run, "qnhtml_text",
                     java_quoted(plain + " ACTION=\"") + " + " + static_action(run) + " + " +
                         java_quoted("\">")) &&
         emit_else(run) && text(run, plain + ">") && emit_close_blocks(run, num(1));
  } else {
    ok = ok && text(run, plain + ">");
  }
  for (const Term& h : run.facts().clauses("html_i", 2)) {
    const Term& part = h.arg(2);
    if (is_item(part, "text", 1)) {
      ok = ok && text(run, text_of(part.arg(1)));
      continue;
    }
    if (is_item(part, "ctl", 1) || is_item(part, "sfl", 1)) {
      auto lit = lit_by_number(run, part.arg(1));
      if (!lit) {
        ok = ok && emit_comment(run, {"*** Error in get_control_data. Id in error:",
                                      text_of(part.arg(1))});
        continue;
      }
      ok = ok && (is_item(lit->arg(3), "s", 1) ? gen_html_subfile(run, *lit)
                                               : gen_html_control(run, *lit));
      continue;
    }
    ok = ok && emit_comment(run, {"Designed HTML part not known:", engine::writeq(part)});
  }
  return ok;
}

bool gen_grid_row(Run& run, const Term& sub) {
  const Term& subfile = sub.arg(3).arg(1);
  const Term& props = sub.arg(4);
  const std::string n = subfile.is_int() ? std::to_string(subfile.as_int()) : text_of(subfile);
  const std::string idx = sfl_idx_var(n);
  const std::string name = item_name(sub.arg(3), props);
  std::optional<Term> c1, c2;
  for (const Term& p : props.list_items()) {
    if (is_item(p, "linesbackcolor", 1)) c1 = p.arg(1);
    if (is_item(p, "elinesbackcolor", 1)) c2 = p.arg(1);
  }
  const bool coloured = c1.has_value() && !name.empty();
  const Term backcolor = coloured ? tl({vtok(prop_var(run, name, "Backcolor"))}) : Term::nil();
  auto row_start = [&] {
    if (!coloured) return text(run, "<tr>");
    return text_expr(run, tl({stok("<tr bgcolor="), op("+"), fn("HtmlColor"), backcolor, op(")"),
                              op("+"), stok(">")}));
  };
  // The line colour alternates between the two colours of the subfile.
  auto swap_colour = [&] {
    if (!coloured || !c2) return true;
    const Term one = tl({tok(rgb_text(run, *c1).value_or("0"), kTokConstant)});
    const Term two = tl({tok(rgb_text(run, *c2).value_or("0"), kTokConstant)});
    return emit_if(run, tl({backcolor, op("="), one}), {}) &&
           assign_var(run, atom("&" + name + "_Backcolor"), two) && emit_else(run) &&
           assign_var(run, atom("&" + name + "_Backcolor"), one) && emit_close_blocks(run, num(1));
  };
  const int64_t maxcols = int_prop(props, "maxcols", 0);
  bool ok = true;
  if (is_freestyle(run, subfile)) {
    ok = row_start() && text(run, "<td>");
    for (const Term& h : run.facts().findall(fact("html_sub_i", {subfile, var(), var()}))) {
      const Term& part = h.arg(3);
      if (is_item(part, "text", 1)) {
        ok = ok && text(run, text_of(part.arg(1)));
      } else if (is_item(part, "ctl", 1)) {
        auto col = lit_by_number(run, part.arg(1));
        if (col && is_item(col->arg(3), "s", 2) && col->arg(3).arg(2) == subfile) {
          ok = ok && grid_cell_content(run, *col);
        } else {
          ok = ok && emit_comment(run, {"*** Error in get_control_data. Id in error:",
                                        text_of(part.arg(1))});
        }
      } else {
        ok = ok && emit_comment(run, {"Designed HTML part not known:", engine::writeq(part)});
      }
    }
    return ok && text(run, "</td></tr>") && swap_colour();
  }
  if (maxcols > 0) {
    ok = emit_if(run, tl({fn("mod"), vtok(idx), op("-"), ntok(1), op(","), ntok(maxcols), op(")"),
                          op("="), ntok(0)}),
                 {}) &&
         row_start() && emit_close_blocks(run, num(1));
  } else {
    ok = row_start();
  }
  // A prompt page's row goes back to the opener from its first cell; a
  // column with a prompt of its own links to it.
  std::optional<Term> row_link = row_return_link(run);
  for (const Term& c : subfile_columns(run, subfile)) {
    std::optional<Term> link = row_link;
    row_link.reset();
    if (auto v = shown(c.arg(3)); v && subfile.is_int()) {
      if (auto l = line_prompt_link(run, *v, subfile.as_int())) link = l;
    }
    ok = ok && text_expr(run, cat({stok("<td valign=top align=\"left\""), style_string(run, c),
                                   stok(">")}));
    if (link) ok = ok && text_expr(run, cat({stok("<a href=\""), *link, stok("\">")}));
    ok = ok && grid_cell_content(run, c);
    if (link) ok = ok && text(run, "</a>");
    ok = ok && text(run, "</td>");
  }
  if (maxcols > 0) {
    return ok &&
           emit_if(run, tl({fn("mod"), vtok(idx), op(","), ntok(maxcols), op(")"), op("="),
                            ntok(0)}),
                   {}) &&
           swap_colour() && text(run, "</tr>") && emit_close_blocks(run, num(1));
  }
  return ok && text(run, "</tr>") && swap_colour();
}

// The subfiles whose lines hold buttons.
std::vector<Term> button_columns(Run& run) {
  std::vector<Term> out;
  for (const Term& c : run.facts().clauses("lit_i", 4)) {
    if (is_item(c.arg(3), "s", 2) && is_item(c.arg(3).arg(1), "button", 1) &&
        c.arg(3).arg(2).is_int())
      out.push_back(c);
  }
  return out;
}

std::string line_count_var(Run& run, const Term& subfile) {
  const std::string v = "nRC_" + std::to_string(subfile.as_int());
  declare_var(run, atom(v), Term::list({atom("int"), num(4), num(0), num(0)}), "s", Term::nil());
  return v;
}

bool gen_page_end(Run& run) {
  bool ok = emit_comment(run, {"Send hidden variables."}) &&
            text(run, "<input type=hidden name=\"sCallerURL\" value=\"") &&
            value(run, tl({vtok("sCallerURL")})) && text(run, "\">");
  // The number of lines of a subfile whose lines hold buttons: the post
  // reads its lines' buttons by it.
  std::vector<Term> done;
  for (const Term& c : button_columns(run)) {
    const Term& subfile = c.arg(3).arg(2);
    if (std::find(done.begin(), done.end(), subfile) != done.end()) continue;
    done.push_back(subfile);
    const std::string n = std::to_string(subfile.as_int());
    ok = ok && text(run, "<input type=hidden name=\"QNH_NRC_" + n + "\" value=\"") &&
         value(run, tl({vtok(sfl_idx_var(n))})) && text(run, "\">");
  }
  ok = ok && emit_comment(run, {"Send saved values."});
  // The values the Enter button's refresh test compares the posted ones
  // with.
  Term level = first_level(run);
  if (level.is_int() && level.as_int() == 0) level = num(1);
  for (const Term& lit : refresh_triggers(run, level)) {
    const std::string web = web_ctl_name(run, lit.arg(3), lit.arg(4));
    ok = ok && text(run, "<input type=hidden name=\"QNH_" + web + "\" value=\"") &&
         value(run, tl({var_of(*shown(lit.arg(3)))})) && text(run, "\">");
  }
  return ok && gen_focus_script(run) && text(run, "</form>") && text(run, "</body>") &&
         text(run, "</html>");
}

bool posted_value_check(Run& run, const Term& name, const Term& target, const OptType& type,
                        const PostedControl& control, const std::vector<Term>& values) {
  const Term get = tl({fn("CGIGet"), name, op(")")});
  const Term var = tl({target.is_atom() ? tok(text_of(target), kTokVariable) : target});
  auto fail = [&](const char* message) {
    auto m = exp_to_java(run, tl({fn("qnmsg"), stok(message), op(")")}), {});
    return m && gen_msg_call(run, join_pieces(m->pieces)) &&
           assign_var(run, atom("&wbErr"), tl({tok("true", kTokConstant)}));
  };
  const bool list = control.kind == "combo" || control.kind == "listbx" || control.kind == "radio";
  if (list && !values.empty()) {
    // A value the control does not list is not taken: the first item's is.
    std::vector<engine::Term> cond;
    std::optional<Term> first;
    for (const Term& pair : values) {
      auto items = pair.list_items();
      if (items.size() < 2) continue;
      const Term v = is_numeric(type) ? tok(text_of(items[0]), kTokConstant) : stok(text_of(items[0]));
      if (!first) first = v;
      if (!cond.empty()) cond.push_back(op("AND"));
      for (const Term& t : tl({var, op("<>"), v}).list_items()) cond.push_back(t);
    }
    if (!first) return true;
    return emit_if(run, Term::list(cond), {}) && assign_var(run, target, tl({*first})) &&
           emit_close_blocks(run, num(1));
  }
  if (control.kind == "checkbox") return true;
  if (is_numeric(type)) {
    // The integer digits its type holds.
    const int64_t digits = std::max<int64_t>(1, type->length - type->decimals);
    std::string limit = "1" + std::string(static_cast<size_t>(std::min<int64_t>(digits, 18)), '0');
    return emit_if(run, tl({fn("abs"), var, op(")"), op(">="), tok(limit, kTokConstant)}), {}) &&
           fail("badnum") && emit_close_blocks(run, num(1));
  }
  if (type && (type->type == "date" || type->type == "dtime")) {
    const bool dt = type->type == "dtime";
    return emit_if(run, tl({op(".NOT."), fn("null"), get, op(")"), op("AND"),
                            fn(dt ? "testcdt" : "testcdate"), get, op(")"), op("="), ntok(0)}),
                   {}) &&
           fail(dt ? "baddatetime" : "faildate") && emit_close_blocks(run, num(1));
  }
  return true;
}

bool read_posted_values(Run& run, const Term&) {
  bool ok = emit_comment(run, {"Read saved values."}) &&
            emit_comment(run, {"Read variables values."});
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    auto v = shown(lit.arg(3));
    if (!v || is_item(lit.arg(3), "s", 2)) continue;
    const std::string kind = ctl_type(lit.arg(4));
    const OptType type = var_type(run, v->arg(1));
    // An image posts no value.
    if (type && type->type == "bits") continue;
    PostedControl c{kind, picture_of(run, v->arg(1)), Term::nil(), Term::nil()};
    if (kind == "checkbox") std::tie(c.checked, c.unchecked) = checkbox_values(run, lit.arg(1), type);
    const std::string web = web_ctl_name(run, lit.arg(3), lit.arg(4));
    const Term name = tl({stok(web)});
    const Term target = v->arg(2) == num(kTokVariable) ? atom(text_of(v->arg(1))) : v->arg(1);
    ok = ok && assign_var(run, target, posted_value_tokens(name, type, c)) &&
         posted_value_check(run, name, target, type, c, info_values(run, lit.arg(1)));
  }
  ok = ok && emit_comment(run, {"Read hidden variables."});
  std::vector<Term> done;
  for (const Term& c : button_columns(run)) {
    const Term& subfile = c.arg(3).arg(2);
    if (std::find(done.begin(), done.end(), subfile) != done.end()) continue;
    done.push_back(subfile);
    const std::string n = std::to_string(subfile.as_int());
    ok = ok && assign_var(run, atom("&" + line_count_var(run, subfile)),
                          tl({fn("val"), fn("CGIGet"), stok("QNH_NRC_" + n), op(")"), op(")")}));
  }
  return ok;
}

bool read_web_buttons(Run& run, const Term& first_level) {
  std::vector<Term> buttons;
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (is_item(lit.arg(3), "button", 1)) buttons.push_back(lit);
  }
  // The buttons that get no case say so before the cases: a comment
  // between two cases would stand in the body of the first.
  bool ok = true;
  std::vector<Term> cases;
  for (const Term& b : buttons) {
    const std::string event = text_of(b.arg(3).arg(1));
    if (event == "Cancel") {
      ok = ok && emit_comment(run, {"No code required for Cancel button. It is implemented as "
                                    "the Reset button."});
    } else if (!ctlname_in(b.arg(4))) {
      ok = ok && emit_comment(run, {"Warning: Button for event \"" + event +
                                    "\" does not have a control name. Not generated."});
    } else {
      cases.push_back(b);
    }
  }
  // Images with a Click event post their name and ".x".
  std::vector<std::pair<Term, Term>> images;
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    auto v = shown(lit.arg(3));
    if (!v || is_item(lit.arg(3), "s", 2)) continue;
    const OptType type = var_type(run, v->arg(1));
    if (!type || type->type != "bits") continue;
    if (auto e = click_event(run, *v)) images.emplace_back(lit, *e);
  }
  const std::vector<Term> line_buttons = button_columns(run);
  if (cases.empty() && images.empty() && line_buttons.empty()) return ok;
  // Without a button case the lines' buttons are read on their own.
  const bool chain = !cases.empty() || !images.empty();
  if (chain) ok = ok && do_case_begin(run);
  for (const auto& [lit, event] : images) {
    const Term posted = tl({op(".NOT."), fn("null"), fn("CGIGet"),
                            stok(web_ctl_name(run, lit.arg(3), lit.arg(4)) + ".x"), op(")"),
                            op(")")});
    // A control's event: the method its header names.
    const std::string method = proc_id_name(run, Term::list({event}));
    ok = ok && do_case_case(run, posted, {}) &&
         emit_comment(run, {"Execute user event: " + method}) &&
         Out(run).pieces({method + "();"}).ok();
  }
  for (const Term& b : cases) {
    const std::string event = text_of(b.arg(3).arg(1));
    const Term posted = tl({op(".NOT."), fn("null"), fn("CGIGet"),
                            stok(web_ctl_name(run, b.arg(3), b.arg(4))), op(")"), op(")")});
    ok = ok && do_case_case(run, posted, {});
    if (event == "Enter") {
      // A changed value that the levels read refreshes the page instead.
      const Term flag = tl({vtok(refresh_flag(num(0)))});
      ok = ok && emit_if(run, tl({vtok("wbErr"), op("="), tok("false", kTokConstant)}), {}) &&
           assign_var(run, atom("&" + refresh_flag(num(0))), tl({tok("false", kTokConstant)}));
      for (const Term& lit : refresh_triggers(run, first_level)) {
        auto v = shown(lit.arg(3));
        const OptType type = var_type(run, v->arg(1));
        const std::string web = web_ctl_name(run, lit.arg(3), lit.arg(4));
        PostedControl c{ctl_type(lit.arg(4)), picture_of(run, v->arg(1)), Term::nil(), Term::nil()};
        if (c.kind == "checkbox")
          std::tie(c.checked, c.unchecked) = checkbox_values(run, lit.arg(1), type);
        const PostedControl saved{"edit", "", Term::nil(), Term::nil()};
        ok = ok && emit_comment(run, {"Set Refresh If " + strip_ampersand(text_of(v->arg(1))) +
                                      " Changed"}) &&
             emit_if(run, tl({posted_value_tokens(tl({stok(web)}), type, c), op("<>"),
                              posted_value_tokens(tl({stok("QNH_" + web)}), type, saved)}),
                     {}) &&
             assign_var(run, atom("&" + refresh_flag(num(0))), tl({tok("true", kTokConstant)})) &&
             emit_close_blocks(run, num(1));
      }
      ok = ok && emit_if(run, tl({flag, op("="), tok("false", kTokConstant)}), {}) &&
           gen_user_event(run, atom("Enter"), first_level) && emit_close_blocks(run, num(2));
    } else if (event == "Refresh") {
      ok = ok && assign_var(run, atom("&" + refresh_flag(num(0))), tl({tok("true", kTokConstant)}));
    } else {
      ok = ok && gen_user_event(run, atom(event), first_level);
    }
  }
  // The buttons of subfile lines: the line whose button was pressed runs
  // its event, the index of the line set.
  if (chain && !line_buttons.empty()) ok = ok && do_case_otherwise(run);
  std::vector<Term> done;
  for (const Term& c : line_buttons) {
    const Term& subfile = c.arg(3).arg(2);
    if (std::find(done.begin(), done.end(), subfile) != done.end()) continue;
    done.push_back(subfile);
    const std::string n = std::to_string(subfile.as_int());
    const std::string idx = sfl_idx_var(n), cidx = sfl_char_index_var(n);
    ok = ok &&
         declare_var(run, atom(idx), Term::list({atom("int"), num(4), num(0), num(0)}), "s",
                     Term::nil()) &&
         declare_var(run, atom(cidx), Term::list({atom("char"), num(25), num(0), num(0)}), "s",
                     Term::nil()) &&
         assign_var(run, atom("&" + idx), tl({ntok(0)})) &&
         emit_while(run, tl({vtok(idx), op("<"), vtok(line_count_var(run, subfile))}), {}) &&
         assign_var(run, atom("&" + idx), tl({vtok(idx), op("+"), ntok(1)})) &&
         assign_var(run, atom("&" + cidx),
                    tl({fn("padl"), fn("ltrim"), fn("str"), vtok(idx), op(","), ntok(4), op(")"),
                        op(")"), op(","), ntok(4), op(","), stok("0"), op(")")}));
    for (const Term& b : line_buttons) {
      if (b.arg(3).arg(2) != subfile) continue;
      ok = ok &&
           emit_if(run, tl({op(".NOT."), fn("null"), fn("CGIGet"), line_button_name(run, b),
                            op(")"), op(")")}),
                   {}) &&
           gen_user_event(run, b.arg(3).arg(1).arg(1), first_level) &&
           Out(run).pieces({"if (true) break;"}).ok() && emit_close_blocks(run, num(1));
    }
    ok = ok && emit_close_blocks(run, num(1));
  }
  return ok && (!chain || do_case_end(run));
}

bool gen_initial_properties(Run& run) {
  bool ok = true;
  auto set = [&](const std::string& ctl, std::string_view prop, const Term& tokens) {
    ok = ok && assign_var(run, atom("&" + prop_var(run, ctl, prop)), tokens);
  };
  // The window's properties; the page's frame reads them even when the
  // form has no window item.
  auto window = [&](const Term& number) {
    std::string bg;
    for (const Term& t : run.facts().clauses("tag_i", 6)) {
      if (t.arg(1) == number && text_of(t.arg(3)) == "in" && text_of(t.arg(4)) == "Background")
        bg = text_of(t.arg(5));
    }
    set("Form", "Backcolor", tl({fn("rgb"), ntok(255), op(","), ntok(255), op(","), ntok(255),
                                 op(")")}));
    set("Form", "Background", tl({stok(bg)}));
    set("Form", "Caption", tl({stok(description(run))}));
    set("Form", "Jump", tl({stok("")}));
  };
  if (!run.facts().exists(fact("lit_i", {var(), var(), atom("window"), var()}))) window(Term::nil());
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    const Term& item = lit.arg(3);
    const Term& props = lit.arg(4);
    if (item == "window") {
      window(lit.arg(1));
      continue;
    }
    const std::string name = item_name(item, props);
    if (name.empty()) continue;
    if (is_item(item, "s", 1)) {
      set(name, "Visible", tl({ntok(1)}));
      continue;
    }
    set(name, "Visible", tl({ntok(1)}));
    if (is_item(item, "t", 2) && item.arg(2) == num(kTokConstant)) {
      set(name, "Caption", tl({stok(text_of(item.arg(1)))}));
    } else if (is_item(item, "button", 1)) {
      std::string caption = text_of(item.arg(1));
      if (auto t = prop_in_list(run, "title", props); t && !t->is_nil()) caption = text_of(*t);
      set(name, "Caption", tl({stok(caption)}));
    } else if (is_item(item, "bitmap", 1)) {
      std::string link;
      for (const Term& p : props.list_items()) {
        if (is_item(p, "link", 1)) link = text_of(p.arg(1));
      }
      set(name, "Bitmap", tl({stok(text_of(item.arg(1)))}));
      set(name, "Link", tl({stok(prompt_link(run, lit).value_or(link))}));
      set(name, "Borderwidth", tl({ntok(int_prop(props, "border", 0))}));
    } else if (auto v = shown(item)) {
      set(name, "Enabled", tl({ntok(1)}));
      set(name, "Ispassword", tl({ntok(0)}));
      if (ctl_type(props) == "radio" && !is_item(item, "s", 2)) {
        // The radio's buttons: its listed values and texts.
        const OptType type = var_type(run, v->arg(1));
        const Term ctl = tok(text_of(v->arg(1)), v->arg(2).as_int());
        for (const Term& pair : info_values(run, lit.arg(1))) {
          auto items = pair.list_items();
          if (items.size() < 2) {
            ok = ok && emit_comment(run, {"Item of a list not written:", engine::writeq(pair)});
            continue;
          }
          const std::string val = text_of(items[0]);
          Term value_toks = is_numeric(type)                   ? tl({tok(val, kTokConstant)})
                            : type && type->type == "date"     ? tl({fn("ctod"), stok(val), op(")")})
                            : type && type->type == "dtime"    ? tl({fn("ctot"), stok(val), op(")")})
                                                               : tl({stok(val)});
          const Term call = fact("t", {tl({ctl, tok("additem(", kTokFunction), value_toks, op(","),
                                           stok(text_of(items[1])), op(")")}),
                                       num(kTokCtrlMethod)});
          const std::string java = java_of(run, tl({call}));
          ok = ok && !java.empty() && Out(run).pieces({java, ";"}).ok();
        }
      }
    }
    ok = ok && gen_style_initial_values(run, lit);
  }
  return ok;
}

bool focus_first_level_att(Run& run, const Term& first_level) {
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (!shown(lit.arg(3)) || is_item(lit.arg(3), "s", 2)) continue;
    if (ctl_type(lit.arg(4)) == "radio") continue;
    if (!accepted(run, first_level, shown(lit.arg(3))->arg(1))) continue;
    return declare_var(run, atom("QN_FocusControl"),
                       Term::list({atom("char"), num(128), num(0), num(0)}), "s",
                       tl({stok(web_ctl_name(run, lit.arg(3), lit.arg(4)))}));
  }
  return true;
}

bool web_focus_first_of(Run& run, const Term& attributes) {
  std::vector<std::string> wanted;
  for (const Term& a : attributes.list_items())
    wanted.push_back(platform::upper_1252(strip_ampersand(text_of(a))));
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (!shown(lit.arg(3)) || is_item(lit.arg(3), "s", 2)) continue;
    if (ctl_type(lit.arg(4)) == "radio") continue;
    const std::string name = platform::upper_1252(strip_ampersand(text_of(shown(lit.arg(3))->arg(1))));
    if (std::find(wanted.begin(), wanted.end(), name) == wanted.end()) continue;
    return declare_var(run, atom("QN_FocusControl"),
                       Term::list({atom("char"), num(128), num(0), num(0)}), "s",
                       tl({stok(web_ctl_name(run, lit.arg(3), lit.arg(4)))}));
  }
  return true;
}

std::string html_escape(std::string_view in) {
  std::string out;
  for (char c : in) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string prop_var(Run& run, std::string_view control, std::string_view property) {
  const std::string v = std::string(control) + "_" + std::string(property);
  const TypeDesc t = ctrl_prop_type(property);
  declare_var(run, atom(v), Term::list({atom(t.type), num(t.length), num(0), num(0)}), "s",
              Term::nil());
  return v;
}

}  // namespace qn::logic::web
