#include "logic/web/page_html.h"

#include <optional>
#include <vector>

#include "logic/core/levels.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/program_props.h"
#include "logic/javaui/form_controls.h"
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

// The checked and unchecked values of a checkbox: ctrl_info_i(Number,
// [Checked, Unchecked, Caption], _) (constants), else 1 and 0.
std::pair<Term, Term> checkbox_values(Run& run, const Term& number, const OptType& type) {
  auto as_const = [&](const Term& v) {
    return is_numeric(type) ? tok(text_of(v), kTokConstant) : stok(text_of(v));
  };
  if (auto f = run.facts().first(fact("ctrl_info_i", {number, var(), var()}))) {
    auto items = f->arg(2).list_items();
    if (items.size() >= 2) return {as_const(items[0]), as_const(items[1])};
  }
  return {as_const(atom("1")), as_const(atom("0"))};
}

std::string checkbox_caption(Run& run, const Term& number) {
  if (auto f = run.facts().first(fact("ctrl_info_i", {number, var(), var()}))) {
    auto items = f->arg(2).list_items();
    if (items.size() >= 3) return text_of(items[2]);
  }
  return "";
}

bool visible_if(Run& run, const std::string& name) {
  return emit_if(run, tl({vtok(prop_var(run, name, "Visible")), op("<>"), ntok(0)}), {});
}

// One control of the designed HTML (a lit_i/4 entry), inside its Visible
// test.
bool gen_html_control(Run& run, const Term& lit) {
  const Term& item = lit.arg(3);
  const Term& props = lit.arg(4);
  const std::string name = item_name(item, props);
  const std::string web = web_ctl_name(run, item, props);
  const std::string id_name = " id=\"" + web + "\" name=\"" + web + "\"";
  if (name.empty()) return emit_comment(run, {"No control name for item", engine::writeq(item)});
  bool ok = visible_if(run, name);
  const Term style = style_string(run, lit);
  if (is_item(item, "t", 2) && item.arg(2) == num(kTokConstant)) {
    ok = ok && text_expr(run, cat({stok("<span" + id_name), style, stok(">")})) &&
         value(run, tl({vtok(prop_var(run, name, "Caption"))})) && text(run, "</span>");
  } else if (is_item(item, "bitmap", 1)) {
    // A static image, inside the link its Link property names.
    const Term link = tl({vtok(prop_var(run, name, "Link"))});
    ok = ok && emit_if(run, tl({op(".NOT."), fn("null"), link, op(")")}), {}) &&
         text(run, "<a href=\"") && text_expr(run, tl({fn("rtrim"), link, op(")")})) &&
         text(run, "\">") && emit_close_blocks(run, num(1)) &&
         text_expr(run, tl({stok("<img src=\""), op("+"), fn("convertURL"),
                            vtok(prop_var(run, name, "Bitmap")), op(")"), op("+"),
                            stok("\"" + id_name + " border=0 alt=\"\">")})) &&
         emit_if(run, tl({op(".NOT."), fn("null"), link, op(")")}), {}) && text(run, "</a>") &&
         emit_close_blocks(run, num(1));
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
         text_expr(run, cat({stok("\""), style, stok(click + ">")}));
  } else if (auto v = shown(item)) {
    const std::string kind = ctl_type(props);
    const Term var = var_of(*v);
    const OptType type = var_type(run, v->arg(1));
    if (kind == "checkbox") {
      auto [on, off] = checkbox_values(run, lit.arg(1), type);
      ok = ok &&
           text_expr(run, tl({stok("<input type=\"checkbox\" "), op("+"), fn("iif"), var, op("="),
                              on, op(","), stok("checked"), op(","), stok(""), op(")"), op("+"),
                              stok(id_name + " value=1>" +
                                   html_escape(checkbox_caption(run, lit.arg(1))))}));
    } else if (kind == "combo" || kind == "listbx" || kind == "dyncombo" || kind == "dynlistbx") {
      // The options the control holds at run time, the variable's selected.
      const Term ctl = tok(text_of(v->arg(1)), v->arg(2).as_int());
      auto item = [&](const char* method) {
        return fact("t", {tl({ctl, tok(method, kTokFunction), vtok("idxLst"), op(")")}),
                          num(kTokCtrlMethod)});
      };
      const Term count = fact("t", {tl({ctl, tok("Count", 2)}), num(kTokNested)});
      const Term height = tl({vtok(prop_var(run, name, "Height"))});
      ok = ok && emit_if(run, tl({vtok(prop_var(run, name, "Enabled")), op("="), ntok(1)}), {}) &&
           text_expr(run, tl({stok("<select size="), op("+"), fn("ltrim"), fn("str"), height,
                              op(","), ntok(3), op(")"), op(")"), op("+"),
                              cat({stok(id_name), style, stok(">")})})) &&
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
    } else {
      const int64_t length = type ? type->length + (type->decimals > 0 ? 1 : 0) : 20;
      const std::string size = std::to_string(length);
      ok = ok && emit_if(run, tl({vtok(prop_var(run, name, "Enabled")), op("="), ntok(1)}), {}) &&
           text_expr(run, tl({stok("<input type="), op("+"), fn("iif"),
                              vtok(prop_var(run, name, "Ispassword")), op("="), ntok(1), op(","),
                              stok("password"), op(","), stok("text"), op(")"), op("+"),
                              stok(id_name + " size=\"" + size + "\" maxlength=\"" + size +
                                   "\" value=\"")})) &&
           value(run, tl({var})) &&
           text_expr(run, cat({stok("\""), style,
                               stok(web_input_validation(run, type, picture_of(run, v->arg(1))) +
                                    ">")})) &&
           emit_else(run) && text_expr(run, cat({stok("<span"), style, stok(">")})) &&
           value(run, tl({var})) && text(run, "</span>") && emit_close_blocks(run, num(1));
    }
  } else {
    ok = ok && emit_comment(run, {"Control kind not written:", engine::writeq(item)});
  }
  return ok && emit_close_blocks(run, num(1));
}

// A subfile of the designed HTML: the table, its titles, the rows its
// level's refresh writes, the table's end.
bool gen_html_subfile(Run& run, const Term& lit) {
  const Term& props = lit.arg(4);
  std::optional<Term> level;
  for (const Term& l : sfl_or_main_lvl(run)) {
    if (!level && sfl_level(run, l, lit.arg(3).arg(1))) level = l;
  }
  bool ok = emit_comment(run, {"Subfile start"}) && text(run, "<table BORDER>") &&
            emit_comment(run, {"Subfile titles"}) && text(run, "<tr>");
  for (const Term& c : run.facts().clauses("lit_i", 4)) {
    if (!is_item(c.arg(3), "s", 2) || c.arg(3).arg(2) != lit.arg(3).arg(1)) continue;
    std::string title;
    if (auto t = prop_in_list(run, "title", c.arg(4)); t && !t->is_nil()) title = text_of(*t);
    ok = ok && text_expr(run, cat({stok("<th align=\"left\""), style_string(run, c, true),
                                   stok(">" + html_escape(title) + "</th>")}));
  }
  (void)props;
  ok = ok && text(run, "</tr>");
  if (level) ok = ok && gen_call_stmt(run, routine_name(run, "RF", *level), Term::nil());
  ok = ok &&
       text(run, "</table>") && emit_comment(run, {"Subfile end"});
  return ok;
}

std::optional<Term> lit_by_number(Run& run, const Term& number) {
  return run.facts().first(fact("lit_i", {number, var(), var(), var()}));
}

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
                          stok(window_event_handlers(run) + ">")}));
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
  bool ok = text(run, "<tr>");
  // A prompt page's row goes back to the opener from its first cell.
  std::optional<Term> row_link = row_return_link(run);
  for (const Term& c : run.facts().clauses("lit_i", 4)) {
    if (!is_item(c.arg(3), "s", 2) || c.arg(3).arg(2) != sub.arg(3).arg(1)) continue;
    auto v = shown(c.arg(3));
    std::optional<Term> link = row_link;
    row_link.reset();
    if (v && sub.arg(3).arg(1).is_int()) {
      if (auto l = line_prompt_link(run, *v, sub.arg(3).arg(1).as_int())) link = l;
    }
    ok = ok && text_expr(run, cat({stok("<td valign=top align=\"left\""), style_string(run, c),
                                   stok(">")}));
    if (link) ok = ok && text_expr(run, cat({stok("<a href=\""), *link, stok("\">")}));
    if (v) ok = ok && value(run, tl({var_of(*v)}));
    if (link) ok = ok && text(run, "</a>");
    ok = ok && text(run, "</td>");
  }
  return ok && text(run, "</tr>");
}

bool gen_page_end(Run& run) {
  return emit_comment(run, {"Send hidden variables."}) &&
         text(run, "<input type=hidden name=\"sCallerURL\" value=\"") &&
         value(run, tl({vtok("sCallerURL")})) && text(run, "\">") &&
         emit_comment(run, {"Send saved values."}) && gen_focus_script(run) &&
         text(run, "</form>") &&
         text(run, "</body>") && text(run, "</html>");
}

bool read_posted_values(Run& run, const Term&) {
  bool ok = emit_comment(run, {"Read saved values."}) &&
            emit_comment(run, {"Read variables values."});
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    auto v = shown(lit.arg(3));
    if (!v || is_item(lit.arg(3), "s", 2)) continue;
    const std::string kind = ctl_type(lit.arg(4));
    const OptType type = var_type(run, v->arg(1));
    PostedControl c{kind, "", Term::nil(), Term::nil()};
    if (auto d = call_attri(run, v->arg(1))) {
      auto items = d->list_items();
      if (items.size() > 4) c.picture = text_of(items[4]);
    }
    if (kind == "checkbox") std::tie(c.checked, c.unchecked) = checkbox_values(run, lit.arg(1), type);
    const Term name = tl({stok(web_ctl_name(run, lit.arg(3), lit.arg(4)))});
    const Term target = v->arg(2) == num(kTokVariable) ? atom(text_of(v->arg(1))) : v->arg(1);
    ok = ok && assign_var(run, target, posted_value_tokens(name, type, c));
  }
  return ok && emit_comment(run, {"Read hidden variables."});
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
  if (cases.empty()) return ok;
  ok = ok && do_case_begin(run);
  for (const Term& b : cases) {
    const std::string event = text_of(b.arg(3).arg(1));
    const Term posted = tl({op(".NOT."), fn("null"), fn("CGIGet"),
                            stok(web_ctl_name(run, b.arg(3), b.arg(4))), op(")"), op(")")});
    ok = ok && do_case_case(run, posted, {});
    if (event == "Enter") {
      ok = ok && emit_if(run, tl({vtok("wbErr"), op("="), tok("false", kTokConstant)}), {}) &&
           gen_user_event(run, atom("Enter"), first_level) && emit_close_blocks(run, num(1));
    } else if (event == "Refresh") {
      ok = ok && assign_var(run, atom("&" + refresh_flag(num(0))), tl({tok("true", kTokConstant)}));
    } else {
      ok = ok && gen_user_event(run, atom(event), first_level);
    }
  }
  return ok && do_case_end(run);
}

bool gen_initial_properties(Run& run) {
  bool ok = true;
  auto set = [&](const std::string& ctl, std::string_view prop, const Term& tokens) {
    ok = ok && assign_var(run, atom("&" + prop_var(run, ctl, prop)), tokens);
  };
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    const Term& item = lit.arg(3);
    const Term& props = lit.arg(4);
    if (item == "window") {
      std::string bg;
      for (const Term& t : run.facts().clauses("tag_i", 6)) {
        if (t.arg(1) == lit.arg(1) && text_of(t.arg(3)) == "in" &&
            text_of(t.arg(4)) == "Background")
          bg = text_of(t.arg(5));
      }
      set("Form", "Backcolor", tl({fn("rgb"), ntok(255), op(","), ntok(255), op(","), ntok(255),
                                   op(")")}));
      set("Form", "Background", tl({stok(bg)}));
      set("Form", "Caption", tl({stok(description(run))}));
      set("Form", "Jump", tl({stok("")}));
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
    } else if (shown(item)) {
      set(name, "Enabled", tl({ntok(1)}));
      set(name, "Ispassword", tl({ntok(0)}));
    } else if (is_item(item, "bitmap", 1)) {
      set(name, "Bitmap", tl({stok(text_of(item.arg(1)))}));
      set(name, "Link", tl({stok(prompt_link(run, lit).value_or(""))}));
    }
    ok = ok && gen_style_initial_values(run, lit);
  }
  return ok;
}

bool focus_first_level_att(Run& run, const Term&) {
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (!shown(lit.arg(3)) || is_item(lit.arg(3), "s", 2)) continue;
    if (ctl_type(lit.arg(4)) == "radio") continue;
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
