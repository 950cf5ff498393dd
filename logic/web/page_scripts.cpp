#include "logic/web/page_scripts.h"

#include <unordered_map>
#include <unordered_set>

#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/variables.h"
#include "logic/java/java_naming.h"
#include "logic/javaui/java_functions.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/return_on_click.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/formats.h"
#include "logic/web/static_urls.h"
#include "logic/web/web_request.h"
#include "logic/web/web_tokens.h"

namespace qn::logic::web {

using engine::Term;

namespace {

bool is_item(const Term& item, std::string_view functor, uint32_t arity) {
  return item.is_compound() && item.functor() == functor && item.arity() == arity;
}

// One line of the page, a constant text.
bool line(Run& run, std::string_view text) {
  return Out(run).pieces({"qnhtml_text(", java_quoted(text), ");"}).ok();
}
bool lines(Run& run, std::initializer_list<std::string_view> texts) {
  bool ok = true;
  for (std::string_view t : texts) ok = ok && line(run, t);
  return ok;
}
// One line built at run time from model-language tokens.
bool line_expr(Run& run, const Term& tokens) {
  auto x = exp_to_java(run, tokens, {});
  if (!x) return emit_comment(run, {"Script line not written:", engine::writeq(tokens)});
  return Out(run).pieces({"qnhtml_text(", join_pieces(x->pieces), ");"}).ok();
}

constexpr std::string_view kScriptOpen = "<script language=\"JavaScript\" type=\"text/javascript\">";

void register_once(Run& run, std::string_view name, const Term& value) {
  const Term f = fact(name, {value});
  if (!run.facts().exists(f)) run.facts().assertz(f);
}

bool wants(Run& run, std::string_view function) {
  return run.facts().exists(fact("js_function_ref_i", {atom(function)}));
}

// The form's controls (lit_i/4 entries) by what they show and by ctlname,
// read once: a page of many prompts asks for many controls.
struct FormIndex {
  std::unordered_map<std::string, Term> shown, named;
};
FormIndex form_index(Run& run) {
  FormIndex idx;
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    const Term& item = lit.arg(3);
    const Term& inner = is_item(item, "s", 2) ? item.arg(1) : item;
    if (is_item(inner, "t", 2)) idx.shown.try_emplace(text_of(inner.arg(1)), lit);
    for (const Term& p : lit.arg(4).list_items()) {
      if (is_item(p, "ctlname", 1)) idx.named.try_emplace(text_of(p.arg(1)), lit);
    }
  }
  return idx;
}

// The control that shows a token t(Name, Kind), at the top of the form or
// as a subfile column.
std::optional<Term> control_of(const FormIndex& idx, const Term& token) {
  if (!is_item(token, "t", 2)) return std::nullopt;
  auto it = idx.shown.find(text_of(token.arg(1)));
  if (it == idx.shown.end()) return std::nullopt;
  return it->second;
}

std::optional<Term> control_named(const FormIndex& idx, const std::string& ctlname) {
  auto it = idx.named.find(ctlname);
  if (it == idx.named.end()) return std::nullopt;
  return it->second;
}

// The prompted object's name as its window variable takes it.
std::optional<std::string> object_name(const Term& token) {
  if (!is_item(token, "t", 2)) return std::nullopt;
  const Term& v = token.arg(1);
  if (token.arg(2) == num(kTokLink) && is_item(v, "o", 2)) return text_of(v.arg(2));
  // An object call may name the object alone.
  if (token.arg(2) == num(kTokLink) && (v.is_atom() || v.is_string()) && !text_of(v).empty())
    return text_of(v);
  if (token.arg(2) == num(kTokConstant)) return call_target_name(token);
  return std::nullopt;
}

// The name of the form element a parameter fills: its control's web name
// (on a line, the element of the line ind).
std::string element_ref(Run& run, const FormIndex& idx, const Term& param, bool on_line) {
  std::string web;
  if (auto lit = control_of(idx, param)) {
    web = web_ctl_name(run, lit->arg(3), lit->arg(4));
  } else {
    web = web_ctl_name(run, param, Term::nil());
  }
  return on_line ? "'" + web + "' + '_' + ind" : "'" + web + "'";
}

bool gen_prompt_function(Run& run, const FormIndex& idx, const PagePrompt& p) {
  auto url = call_target_url(run, p.object);
  auto object = object_name(p.object);
  if (!url || !object || object->empty()) {
    return emit_comment(run, {"Prompt", p.function, "of an unknown object:",
                              engine::writeq(p.object), "- no function written"});
  }
  const std::string w = "w" + *object;
  bool ok = line(run, "var " + w + "=null;") &&
            line(run, "function " + p.function + (p.subfile ? "(ind)" : "()")) && line(run, "{");
  for (size_t i = 0; i < p.params.size(); ++i) {
    ok = ok && line(run, "QNPARAMETERS[" + std::to_string(i) +
                             "] = document.forms[0].elements[" +
                             element_ref(run, idx, p.params[i], p.subfile.has_value()) + "];");
  }
  return ok && line(run, "if (" + w + "== null || " + w + ".closed)") &&
         line(run, w + "= open(" + js_string(*url) +
                       ", '', 'toolbar=no,location=no,directories=no,status=yes,menubar=no,"
                       "scrollbars=yes,resizable=yes,copyhistory=no');") &&
         line(run, w + ".focus();") && line(run, "}");
}

// The parameters of a prompt page's return function: the program's
// parameters without "&", when a click on a row returns them.
std::optional<std::vector<std::string>> return_parameters(Run& run) {
  if (!return_on_click_lines(run)) return std::nullopt;
  std::vector<std::string> out;
  for (const Term& p : get_pgm_parms(run).list_items()) {
    if (auto rp = routine_parms(p)) out.push_back(strip_ampersand(text_of(rp->name)));
  }
  if (out.empty()) return std::nullopt;
  return out;
}

bool gen_return_function(Run& run) {
  auto names = return_parameters(run);
  if (!names) return true;
  std::string list;
  for (const std::string& n : *names) list += (list.empty() ? "" : ", ") + n;
  bool ok = line(run, "function QN_js_return( " + list + ")") &&
            lines(run, {"{", "if (opener != null)", "{", "if (opener.QNPARAMETERS != null)", "{"});
  for (size_t i = 0; i < names->size(); ++i)
    ok = ok && line(run, "opener.QNPARAMETERS[" + std::to_string(i) + "].value = " + (*names)[i] + ";");
  return ok && lines(run, {"opener.QNPARAMETERS[0].focus();", "}", "self.close();", "}", "}"});
}

// The fields ClearForm empties: the form's edits, images aside.
bool gen_clear_function(Run& run) {
  bool clear = false;
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    if (is_item(lit.arg(3), "button", 1) && text_of(lit.arg(3).arg(1)) == "Clear") clear = true;
  }
  if (!clear && pgm_kind(run) != "trn") return true;
  bool ok = line(run, "function ClearForm( obj)") && line(run, "{");
  for (const Term& lit : run.facts().clauses("lit_i", 4)) {
    const Term& item = lit.arg(3);
    if (!is_item(item, "t", 2) || !(item.arg(2) == num(kTokAttribute) || item.arg(2) == num(kTokVariable)))
      continue;
    std::string kind = "edit";
    for (const Term& p : lit.arg(4).list_items()) {
      if (is_item(p, "ctrltype", 2)) kind = text_of(p.arg(1));
    }
    if (kind != "edit") continue;
    // An image (a bits value) has no value to empty, and the form does not
    // list an image input among its elements.
    if (const OptType type = var_type(run, item.arg(1)); type && type->type == "bits") continue;
    ok = ok && line(run, "obj." + web_ctl_name(run, item, lit.arg(4)) + ".value = \"\";");
  }
  return ok && line(run, "}");
}

// The seconds of REFRESH_TOUT, when it is a whole number.
std::optional<std::string> refresh_seconds(Run& run) {
  auto v = pgm_prop_value(run, "REFRESH_TOUT");
  if (!v || v->empty() || v->find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return *v;
}

bool gen_window_timer(Run& run) {
  auto v = pgm_prop_value(run, "REFRESH_TOUT");
  if (!v) return true;
  auto seconds = refresh_seconds(run);
  if (!seconds) return emit_comment(run, {"REFRESH_TOUT is no number of seconds:", *v});
  return lines(run, {"var qn_Window_Timer = null;", "function window_load()", "{ window_focus(); }",
                     "function window_focus()"}) &&
         line(run, "{ if (qn_Window_Timer == null) qn_Window_Timer = "
                   "window.setTimeout(\"window.location.reload();\"," + *seconds + "000); }") &&
         lines(run, {"function window_blur()",
                     "{ if (qn_Window_Timer != null) { window.clearTimeout(qn_Window_Timer); "
                     "qn_Window_Timer = null;} }"});
}

}  // namespace

void reset_page_scripts(Run& run) {
  auto& f = run.facts();
  f.abolish("js_line_i", 1);
  f.abolish("js_var_i", 2);
  f.abolish("js_function_ref_i", 1);
  f.abolish("js_source_i", 1);
  f.abolish("js_prompts_indexed_i", 0);
  f.abolish("js_prompt_link_i", 2);
  f.abolish("js_line_prompt_i", 3);
}

std::string js_string(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\'': out += "\\'"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out + "'";
}

std::string badnum_text(Run& run) {
  const engine::Atom lang = current_idiom(run);
  if (auto f = run.facts().first(fact("lit", {Term::atom(lang), atom("badnum"), var()})))
    return text_of(f->arg(3));
  return "WARNING - Message text for 'badnum' lang. '" + std::string(lang.name()) + "' not found";
}

std::string web_input_validation(Run& run, const OptType& type, std::string_view picture) {
  if (!type) return "";
  if (is_numeric(type)) {
    const bool integer = type->decimals == 0;
    register_once(run, "js_function_ref_i", atom(integer ? "vinteger" : "vdecimal"));
    return integer ? " onChange=\"valid_integer( this)\"" : " onChange=\"valid_decimal( this)\"";
  }
  const bool date = type->type == "date", dtime = type->type == "dtime";
  if (!date && !dtime && picture != "99/99/9999") return "";
  register_once(run, "js_function_ref_i", atom("vdate"));
  register_once(run, "js_source_i", str("qnvdate.js"));
  const int64_t date_len = date || dtime ? type->length : 10;
  const int64_t length = dtime ? dtime_picture_len(run, date_len, type->decimals) : date_len;
  return " onChange=\"qnvdate( this, " + std::to_string(length) + "," +
         (date_len == 10 ? "1" : "0") + ",'" + lang_date_fmt(run) + "'," + (dtime ? "1" : "0") +
         ",'/')\"";
}

std::string prompt_routine_name(const Term& numbers, const Term& level) {
  std::string name = "prompt_";
  for (const Term& n : numbers.is_list() ? numbers.list_items() : std::vector<Term>{numbers})
    name += text_of(n) + "_";
  return name + text_of(level);
}

std::vector<PagePrompt> page_prompts(Run& run) {
  std::vector<PagePrompt> out;
  const FormIndex idx = form_index(run);
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    if (!is_item(r.arg(2), "prompt", 1) || !r.arg(2).arg(1).is_list()) continue;
    const auto items = r.arg(2).arg(1).list_items();
    if (items.size() < 5 || !items[4].is_cons()) continue;
    PagePrompt p;
    p.level = r.arg(1);
    p.function = prompt_routine_name(items[0], r.arg(1));
    p.target = items[2];
    p.object = items[4].head();
    for (const Term& arg : split_arg_tokens(run, drop_comma_token(items[4].tail()))) {
      if (arg.is_cons()) p.params.push_back(arg.head());
    }
    if (auto lit = control_of(idx, p.target); lit && is_item(lit->arg(3), "s", 2) &&
                                              lit->arg(3).arg(2).is_int()) {
      p.subfile = lit->arg(3).arg(2).as_int();
    }
    auto opener = is_item(p.target, "t", 2) ? control_of(idx, p.target)
                                             : control_named(idx, text_of(p.target));
    if (opener && !p.subfile) p.opener = opener->arg(1);
    out.push_back(std::move(p));
  }
  return out;
}

namespace {

// The links of the page's prompts, found once a page: js_prompt_link_i(
// LiteralNumber, Function) for a control, js_line_prompt_i(Subfile, Name,
// Function) for a subfile column.
void index_prompt_links(Run& run) {
  auto& facts = run.facts();
  if (facts.exists(atom("js_prompts_indexed_i"))) return;
  facts.assertz(atom("js_prompts_indexed_i"));
  for (const PagePrompt& p : page_prompts(run)) {
    if (p.subfile) {
      facts.assertz(fact("js_line_prompt_i",
                         {num(*p.subfile), str(text_of(p.target.arg(1))), str(p.function)}));
    } else if (p.opener) {
      facts.assertz(fact("js_prompt_link_i", {*p.opener, str(p.function)}));
    }
  }
}

}  // namespace

std::optional<std::string> prompt_link(Run& run, const Term& lit) {
  index_prompt_links(run);
  if (auto f = run.facts().first(fact("js_prompt_link_i", {lit.arg(1), var()})))
    return "javascript:" + text_of(f->arg(2)) + "()";
  return std::nullopt;
}

std::optional<Term> line_prompt_link(Run& run, const Term& column, int64_t subfile) {
  if (!is_item(column, "t", 2)) return std::nullopt;
  index_prompt_links(run);
  auto f = run.facts().first(fact("js_line_prompt_i", {num(subfile), str(text_of(column.arg(1))), var()}));
  if (!f) return std::nullopt;
  return tl({stok("javascript:" + text_of(f->arg(3)) + "('"), op("+"),
             vtok(sfl_char_index_var(std::to_string(subfile))), op("+"), stok("')")});
}

std::optional<Term> row_return_link(Run& run) {
  auto atts = return_on_click_lines(run);
  if (!atts || !atts->is_list() || !return_parameters(run)) return std::nullopt;
  std::vector<Term> parts{stok("javascript:QN_js_return(")};
  bool first = true;
  for (const Term& a : atts->list_items()) {
    const Term value = tok(text_of(a), kTokAttribute);
    parts.push_back(op("+"));
    if (!first) parts.insert(parts.end(), {stok(", "), op("+")});
    first = false;
    if (is_numeric(var_type(run, a))) {
      parts.insert(parts.end(), {fn("ltrim"), fn("str"), value, op(")"), op(")")});
    } else {
      parts.insert(parts.end(), {stok("'"), op("+"), fn("rtrim"), value, op(")"), op("+"), stok("'")});
    }
  }
  parts.insert(parts.end(), {op("+"), stok(")")});
  return Term::list(parts);
}

std::string window_event_handlers(Run& run) {
  if (!refresh_seconds(run)) return "";
  std::string h = " onLoad=\"window_load()\" onFocus=\"window_focus()\"";
  if (pgm_prop_is(run, "REFRESH_TOUT_TRIG", "FOCUS")) h += " onBlur=\"window_blur()\"";
  return h;
}

bool prompt_init_noweb(Run& run, const Term& level) {
  bool ok = true;
  const FormIndex idx = form_index(run);
  std::unordered_set<std::string> written;
  for (const PagePrompt& p : page_prompts(run)) {
    if (p.level != level) continue;
    if (!object_name(p.object) || !p.object.arg(2).is_int()) {
      ok = ok && emit_comment(run, {"Prompt", p.function, "of an unknown object:",
                                    engine::writeq(p.object), "- no routine written"});
      continue;
    }
    // Two prompts with the same numbers would make one method twice.
    if (!written.insert(p.function).second) continue;
    std::vector<Term> args;
    for (const Term& a : p.params) {
      if (!args.empty()) args.push_back(tok(",", kTokComma));
      args.push_back(a);
    }
    // An object call that names the object alone calls it as a string
    // object of that name does.
    Term target = p.object.arg(1);
    int64_t kind = p.object.arg(2).as_int();
    if (kind == kTokLink && !is_item(target, "o", 2)) {
      target = str("'" + text_of(target) + "'");
      kind = kTokConstant;
    }
    ok = ok && begin_local_routine(run, atom(p.function), Term::nil(), {});
    // The call is a statement of its own: its temporaries are free again.
    reset_exp_state(run);
    if (!gen_pgm_call(run, "udp", target, kind, Term::list(args), {}))
      ok = ok && emit_comment(run, {"Call of", engine::writeq(p.object), "not written"});
    ok = ok && end_function(run, p.function, "0");
    // The control that opens the prompt takes the routine as its Link. The
    // routines stand between the class's methods, where no statement can:
    // the form's writer sets the Link with the control's other properties.
    std::optional<Term> opener = is_item(p.target, "t", 2) ? control_of(idx, p.target)
                                                            : control_named(idx, text_of(p.target));
    if (opener) run.facts().assertz(fact("prompt_link_i", {opener->arg(1), str(p.function)}));
  }
  return ok;
}

bool gen_include_jscripts(Run& run) {
  bool ok = begin_local_routine(run, atom("include_jscripts"), Term::nil(), {});
  // A script file is its own element: inside the block its "</script>"
  // would end the block.
  for (const Term& s : run.facts().clauses("js_source_i", 1)) {
    ok = ok && line_expr(run, tl({stok("<script language=\"JavaScript\" src=\""), op("+"),
                                  fn("convertURL"), stok(text_of(s.arg(1))), op(")"), op("+"),
                                  stok("\"></script>")}));
  }
  ok = ok && line(run, kScriptOpen);
  const std::string alert = "      { alert(" + js_string(badnum_text(run)) + "); Elem.focus();}";
  if (wants(run, "vinteger")) {
    ok = ok && lines(run, {"function valid_integer( Elem)", "{",
                           "   var qn_IntRegExp = /^[ ]*([+-]?[0-9]+)?[ ]*$/;",
                           "   if (! qn_IntRegExp.test( Elem.value))"}) &&
         line(run, alert) && line(run, "}");
  }
  if (wants(run, "vdecimal")) {
    ok = ok && lines(run, {"function valid_decimal( Elem)", "{",
                           "   var qn_DecRegExp = /^[ ]*([+-]?[0-9]*\\.?[0-9]*)?[ ]*$/;",
                           "   if (! qn_DecRegExp.test( Elem.value))"}) &&
         line(run, alert) && line(run, "}");
  }
  for (const Term& v : run.facts().clauses("js_var_i", 2))
    ok = ok && line(run, "var " + text_of(v.arg(1)) + " = " + text_of(v.arg(2)) + ";");
  ok = ok && gen_window_timer(run);
  for (const Term& l : run.facts().clauses("js_line_i", 1)) ok = ok && line(run, text_of(l.arg(1)));
  ok = ok && declare_var(run, atom("QN_FocusControl"),
                         Term::list({atom("char"), num(128), num(0), num(0)}), "s", Term::nil()) &&
       emit_if(run, tl({vtok("nUserReturn"), op("="), ntok(0)}), {}) &&
       line(run, "var QNPARAMETERS = new Array();");
  const FormIndex idx = form_index(run);
  for (const PagePrompt& p : page_prompts(run)) ok = ok && gen_prompt_function(run, idx, p);
  ok = ok && gen_return_function(run) &&
       lines(run, {"function QN_js_close()", "{",
                   "if (document.forms[0].sCallerURL.value != \"\")", "{",
                   "location.assign(document.forms[0].sCallerURL.value);", "}", "else", "{",
                   "self.close();", "}", "}"}) &&
       emit_close_blocks(run, num(1));
  ok = ok && gen_clear_function(run) && line(run, "</script>");
  return ok && end_function(run, "include_jscripts", "0");
}

bool gen_focus_script(Run& run) {
  const Term focus = tl({vtok("QN_FocusControl")});
  const std::string on = "document.MAINFORM.";
  return declare_var(run, atom("QN_FocusControl"),
                     Term::list({atom("char"), num(128), num(0), num(0)}), "s", Term::nil()) &&
         emit_comment(run, {"Set focus on 'active' control (if any)."}) &&
         emit_if(run, tl({op(".NOT."), fn("null"), focus, op(")")}), {}) &&
         line(run, kScriptOpen) &&
         line_expr(run, tl({stok("if (" + on), op("+"), focus, op("+"), stok(" != null && " + on),
                            op("+"), focus, op("+"), stok(".type != \"hidden\") " + on), op("+"),
                            focus, op("+"), stok(".focus();")})) &&
         line(run, "</script>") && emit_close_blocks(run, num(1));
}

}  // namespace qn::logic::web
