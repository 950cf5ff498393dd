#include "logic/javaui/control_props.h"
#include "logic/web/web_request.h"

#include "logic/core/attributes.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/javaui/control_classes.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/java_functions.h"
#include "logic/program/expressions.h"
#include "logic/program/type_adapter.h"
#include "logic/javaui/form_controls.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

const AccessorRow kAccessors[] = {
    {"Webtags", "getWebtags", "setWebtags"},
    {"Sort", "getSort", "setSort"},
    {"Checkedvalue", "getCheckedValue", "setCheckedValue"},
    {"Name", "getName", "setName"},
    {"Value", "getValue", "setValue"},
    {"Tooltiptext", "getTooltip", "setTooltip"},
    {"Backcolor", "getIBackground", "setIBackground"},
    {"Background", "getIBackground", "setIBackground"},
    {"Tag", "getTag", "setTag"},
    {"Redraw", "getRedraw", "setRedraw"},
    {"Lineselector", "getLineSelector", "setLineSelector"},
    {"Title", "getTitle", "setTitle"},
    {"Qnincrementalsearch", "getIncrementalSearch", "setIncrementalSearch"},
    {"Titleforecolor", "getTitleForeColor", "setTitleForeColor"},
    {"Titlebackcolor", "getTitleBackColor", "setTitleBackColor"},
    {"Titlefontbold", "getTitleFontBold", "setTitleFontBold"},
    {"Titlefontitalic", "getTitleFontItalic", "setTitleFontItalic"},
    {"Titlefontunderline", "getTitleFontUnderline", "setTitleFontUnderline"},
    {"Titlefontstrikethru", "getTitleFontStrikethru", "setTitleFontStrikethru"},
    {"Titlefontsize", "getTitleFontSize", "setTitleFontSize"},
    {"Titlefontname", "getTitleFontName", "setTitleFontName"},
    {"Ispassword", "getIsPassword", "setIsPassword"},
    {"Titlebackstyle", "getTitleBackStyle", "setTitleBackStyle"},
    {"Fillcolor", "getIForeground", "setIForeground"},
    {"Forecolor", "getIForeground", "setIForeground"},
    {"Fillstyle", "getFillstyle", "setFillstyle"},
    {"Caption", "getCaption", "setCaption"},
    {"Linktarget", "getLinkTarget", "setLinkTarget"},
    {"Enabled", "getEnabled", "setEnabled"},
    {"Fontbold", "getFontBold", "setFontBold"},
    {"Fontitalic", "getFontItalic", "setFontItalic"},
    {"Fontstrikethru", "getFontStrikethru", "setFontStrikethru"},
    {"Fontunderline", "getFontUnderline", "setFontUnderline"},
    {"Fontname", "getFontName", "setFontName"},
    {"Fontsize", "getFontSize", "setFontSize"},
    {"Link", "getLink", "setLink"},
    {"Jump", "getJump", "setJump"},
    {"Height", "getHeight", "setHeight"},
    {"Left", "getLeft", "setLeft"},
    {"Top", "getTop", "setTop"},
    {"Width", "getWidth", "setWidth"},
    {"Backstyle", "getBackstyle", "setBackstyle"},
    {"Visible", "getVisible", "setVisible"},
    {"Autosize", "getAutoresize", "setAutoresize"},
    {"Bitmap", "getBitmap", "setBitmap"},
    {"Description", "getDescription", "setDescription"},
    {"Text", "getDescription", "setDescription"},
    {"Count", "getItemCount", "setItemCount"},
    {"Windowstate", "getWindowState", "setWindowState"},
    {"Activepage", "getActivePage", "setActivePage"},
    {"Pagecount", "getPageCount", ""},
};

bool choice_or_label(std::string_view t) {
  return t == "label" || t == "checkbox" || t == "combo" || t == "radio" || t == "dyncombo" ||
         t == "dynlistbx" || t == "listbx";
}

Term level_pattern(const Term& context) {
  return context.is_nil() || context.is_var() ? var() : context;
}

bool server_side(Run& run) { return run.facts().exists(fact("trn_server_side_i", {})); }

// The item that a control named by a text is: the form item whose ctlname
// the text is.
std::optional<Term> item_of_ctlname(Run& run, const std::string& name) {
  for (const Term& f : run.facts().findall(fact("lit_i", {var(), var(), var(), var()}))) {
    for (const Term& p : f.arg(4).list_items()) {
      if (p.is_compound() && p.functor() == "ctlname" && p.arity() == 1 &&
          text_of(p.arg(1)) == name) {
        return f.arg(3);
      }
    }
  }
  return std::nullopt;
}

std::string ctl_class(Run& run, std::string_view type) {
  auto c = ctl_java_class(type, Term::nil(), web_panel(run));
  return c ? c->cls : "Object";
}

std::string bare_var(Run& run, const std::string& ctl, const std::string& prop) {
  const std::string v = ctl + "_" + prop;
  typed::declare_var(run, v, ctrl_prop_type(prop), "s");
  return v;
}

}  // namespace

std::span<const AccessorRow> accessor_rows() { return kAccessors; }

std::string token_ctl_name(Run& run, const Term& token) {
  const Term& v = token.is_compound() && token.arity() >= 1 ? token.arg(1) : token;
  if (v.is_int()) {
    for (const Term& f : run.facts().findall(fact("lit_i", {v, var(), var(), var()}))) {
      for (const Term& p : f.arg(4).list_items()) {
        if (p.is_compound() && p.functor() == "ctlname" && p.arity() == 1) {
          const std::string n = text_of(p.arg(1));
          if (n.empty()) return std::to_string(v.as_int());
          // The name the form's naming gives an unnamed item is its prefix
          // and number; outside web objects the Java name adds the prefix
          // itself, so such a name stands for the number (btt3, not bttbtt3).
          if (!web_object(run) && n == web::default_ctl_name(f)) return std::to_string(v.as_int());
          return n;
        }
      }
    }
    if (auto sv = standard_variable(v)) return text_of(sv->list_items()[0]);
  }
  // A control named by the form's default name (btt3): outside web objects
  // its number, as for the literal itself.
  const std::string text = text_of(v);
  if (!web_object(run)) {
    const size_t digits = text.find_first_of("0123456789");
    if (digits == 3 && text.find_first_not_of("0123456789", digits) == std::string::npos &&
        text.size() < 13) {
      const Term number = num(std::stoll(text.substr(digits)));
      if (auto f = run.facts().first(fact("lit_i", {number, var(), var(), var()}));
          f && web::default_ctl_name(*f) == text) {
        return text.substr(digits);
      }
    }
  }
  return strip_ampersand(text);
}

std::string control_java_name(Run& run, const Term&, std::string_view ctl_type, const Term& token) {
  if (token.is_nil()) return "this";
  if (token.is_compound() && token.functor() == "s" && token.arity() == 2) {
    return control_java_name(run, Term(), ctl_type, token.arg(1));
  }
  auto prefix = control_type_prefix(ctl_type);
  return (prefix ? *prefix : "") + token_ctl_name(run, token);
}

std::optional<Accessor> control_property_method(std::string_view p, std::string_view t, bool web) {
  if (!web) {
    if (p == "Style" && (t == "combo" || t == "dyncombo"))
      return Accessor{"getQNStyle", "setQNStyle"};
    if (p == "Enabled" && (t == "label" || t == "button"))
      return Accessor{"getQNEnabled", "setQNEnabled"};
    if (p == "Visible" &&
        (t == "subfilecol" || t == "button" || t == "bitmap" || t == "label" || t == "rect")) {
      return Accessor{"getQNVisible", "setQNVisible"};
    }
  }
  for (const AccessorRow& r : kAccessors) {
    if (p == r.property) return Accessor{r.getter, r.setter};
  }
  return std::nullopt;
}

std::optional<JavaText> gen_ctl_property(Run& run, const Term& control, const Term& property,
                                         std::string_view mode, const Term& context) {
  const std::string prop =
      text_of(property.is_compound() && property.arity() >= 1 ? property.arg(1) : property);
  const bool get = mode == "get";
  const TypeDesc ptype = ctrl_prop_type(prop);
  const bool web = web_object(run);
  Term item = control;
  // 10. A control named by a text is the item whose ctlname it is.
  if (control.is_compound() && control.functor() == "t" && control.arity() == 2 &&
      control.arg(2) == num(kTokConstant)) {
    if (auto it = item_of_ctlname(run, text_of(control.arg(1)))) {
      if (!(it->is_compound() && it->functor() == "t"))
        item = control;
      else
        item = *it;
    }
  }
  const bool column = item.is_compound() && item.functor() == "s" && item.arity() == 2;
  const std::string type = item_ctrl_type(run, item, level_pattern(context)).value_or("");
  const std::string ctl = control_java_name(run, context, type, item);
  const std::string name = token_ctl_name(run, column ? item.arg(1) : item);
  auto accessor = control_property_method(prop, column ? "subfilecol" : type, web);
  auto call = [&](const std::string& on, const std::string& method) {
    return JavaText{{on + "." + method + (get ? "()" : "(")}, ptype};
  };
  const std::string method = accessor ? (get ? accessor->getter : accessor->setter) : "";
  // 1. Web objects.
  if (web && !column) {
    if (choice_or_label(type) && accessor && !method.empty()) return call(ctl, method);
    return JavaText{{bare_var(run, name, prop)}, ptype};
  }
  // 2. The server side of a split transaction.
  if (server_side(run) && !column) return JavaText{{bare_var(run, name, prop)}, ptype};
  // 3. A property of a whole subfile.
  if (!web && control.is_compound() && control.arity() == 2 && control.arg(2) == num(kTokSubfile)) {
    return JavaText{{name + "." + prop + "()"}, type_desc("int", 1)};
  }
  // 4. Count.
  if (!web && prop == "Count" && get) {
    return JavaText{
        {"((" + ctl_class(run, type) + ") " + ctl + ".getQNComponent()).getItemCount()"}, ptype};
  }
  // 5. Tabstop of work panels and transactions.
  const std::string kind = pgm_kind(run);
  if (prop == "Tabstop" && (kind == "scr" || kind == "trn")) {
    return JavaText{{get ? "this.getTabstop(" + ctl + ")" : "this.setTabstop(" + ctl + ", "},
                    type_desc("int", 1)};
  }
  if (accessor && !method.empty()) {
    // 6, 7. A subfile column.
    if (column && web) {
      auto prefix = control_type_prefix(type);
      return call((prefix ? *prefix : "") + name, method);
    }
    if (column) return call(subfile_column_ref(run, item), method);
    // 8. Style and the incremental search reach the component.
    if (prop == "Style" || prop == "Qnincrementalsearch") {
      return call("((" + ctl_class(run, type) + ") " + ctl + ".getQNComponent())", method);
    }
    // 9. Any other property.
    return call(ctl, method);
  }
  // 11. A failed write of the comment latches in the run's output, so the
  // close of the file reports it.
  Out(run).pieces({"/*", "* Property " + prop + " not supported in", kind, "*/"});
  return std::nullopt;
}

std::optional<std::string> control_method_java(std::string_view key) {
  static const std::pair<const char*, const char*> rows[] = {{"value(", "getItemValue("},
                                                             {"text(", "getItemText("},
                                                             {"selected(", "isSelected("},
                                                             {"websend(", "printHTML(htmlOut"},
                                                             {"setfocus(", "setFocus("},
                                                             {"additem(", "addItem("},
                                                             {"clear(", "removeAllItems("},
                                                             {"removeitem(", "removeItem("},
                                                             {"repaint(", "repaint("},
                                                             {"refresh(", "refresh("},
                                                             {"sort(", "sort("},
                                                             {"load(", "load("},
                                                             {"reload(", "reload("},
                                                             {"printform(", "printForm("}};
  for (const auto& [k, j] : rows) {
    if (key == k) return j;
  }
  return std::nullopt;
}

namespace {

struct MethodCall {
  Term control;
  std::string key;
  std::vector<std::string> args;
  std::vector<JavaText> typed;
};

std::optional<MethodCall> read_method(Run& run, const Term& tokens, const ExprCtx& ctx) {
  std::vector<Term> items = tokens.list_items();
  if (items.size() < 2) return std::nullopt;
  MethodCall m;
  m.control = items[0];
  m.key = text_of(items[1].is_compound() ? items[1].arg(1) : items[1]);
  std::vector<Term> rest(items.begin() + 2, items.end());
  if (!rest.empty() && rest.back().is_compound() && rest.back().arity() >= 2 &&
      rest.back().arg(2) == num(kTokClose)) {
    rest.pop_back();
  }
  for (const auto& a : split_arguments(run, Term::list(rest))) {
    auto x = exp_to_java(run, Term::list(a), ctx);
    if (!x) return std::nullopt;
    m.args.push_back(join_pieces(x->pieces));
    m.typed.push_back(*x);
  }
  return m;
}

std::string arg_text(const MethodCall& m) {
  std::string s;
  for (size_t k = 0; k < m.args.size(); ++k) s += (k ? ", " : "") + m.args[k];
  return s + ")";
}

}  // namespace

std::optional<JavaText> ctl_method_expr(Run& run, const Term& tokens, const ExprCtx& ctx) {
  auto m = read_method(run, tokens, ctx);
  if (!m) return std::nullopt;
  auto java = control_method_java(m->key);
  if (!java) return std::nullopt;
  const Term level = level_pattern(ctx.ctx1);
  const std::string type = item_ctrl_type(run, m->control, level).value_or("");
  const std::string ctl = control_java_name(run, ctx.ctx1, type, m->control);
  const bool web = web_object(run);
  const std::string args = arg_text(*m);
  if ((type == "combo" || type == "dyncombo") &&
      (m->key == "additem(" || m->key == "removeitem(" || m->key == "clear(")) {
    return JavaText{
        {"((" + ctl_class(run, type) + ") " + ctl + ".getQNComponent())." + *java + args}, {}};
  }
  if (m->key == "setfocus(" && type == "button" &&
      run.facts().exists(fact("in_event_i", {var()}))) {
    return JavaText{{"setFocus(" + ctl + ")"}, {}};
  }
  if (m->key == "value(" || m->key == "text(" || m->key == "selected(") {
    OptType t = m->key == "selected(" ? type_desc("boolean", 1) : type_desc("char", 254);
    if (m->key == "value(" && !web && m->control.is_compound() && m->control.arity() >= 1) {
      if (auto vt = var_type(run, m->control.arg(1))) t = vt;
    }
    return JavaText{{ctl + "." + *java + args}, t};
  }
  if (m->key == "sort(" && m->control.is_compound() && m->control.functor() == "s" &&
      m->control.arity() == 2) {
    return JavaText{{subfile_column_ref(run, m->control) + ".sort()"}, {}};
  }
  if (m->control.is_compound() && m->control.arity() >= 1 && text_of(m->control.arg(1)) == "Form") {
    return JavaText{{*java + args}, {}};
  }
  return JavaText{{ctl + "." + *java + args}, {}};
}

bool gen_ctl_method_stmt(Run& run, const Term& tokens, const ExprCtx& ctx) {
  auto m = read_method(run, tokens, ctx);
  if (!m) return false;
  auto java = control_method_java(m->key);
  if (!java) return false;
  const bool web = web_object(run);
  const std::string type = item_ctrl_type(run, m->control, level_pattern(ctx.ctx1)).value_or("");
  // A method the web page cannot carry out is a comment, not a call.
  if (!ctrl_method_supported(run, type, m->key)) {
    std::vector<Piece> pieces{"/*"};
    for (const std::string& p : unsupported_method_comment(type, m->key)) pieces.emplace_back(p);
    pieces.emplace_back("*/");
    return Out(run).pieces(pieces).ok();
  }
  const std::string ctl = control_java_name(run, ctx.ctx1, type, m->control);
  const std::string args = arg_text(*m);
  std::string text;
  if ((type == "combo" || type == "dyncombo" || type == "listbx" || type == "dynlistbx") &&
      (m->key == "additem(" || m->key == "removeitem(" || m->key == "clear(" ||
       m->key == "reload(" || m->key == "text(")) {
    text = web ? ctl + "." + *java + args
               : "((" + ctl_class(run, type) + ") " + ctl + ".getQNComponent())." + *java + args;
  } else if (m->key == "setfocus(") {
    text = web ? "QN_FocusControl = \"" + ctl + "\"" : "setFocus(" + ctl + ")";
  } else if (m->key == "sort(" && pgm_kind(run) == "scr" && m->control.is_compound() &&
             m->control.functor() == "s" && m->control.arity() == 2) {
    text = subfile_column_ref(run, m->control) + ".sort(" + args;
  } else {
    text = ctl + "." + *java + args;
  }
  return Out(run).pieces({text, ";"}).ok();
}

namespace {

std::string value_text(const OptType& target, const JavaText& value) {
  const std::string v = join_pieces(value.pieces);
  if (v == "0" || v == "null") return v;
  if (value.pieces.size() > 1 || !(is_string(value.type) || is_date(value.type))) {
    return conv_to_type(target, value.type, v);
  }
  return v;
}

// java_assign_stmt/5.
bool java_assign_stmt(Run& run, const OptType& target_type, const Term& target,
                      const std::string& ref, const JavaText& value, int64_t kind) {
  const bool setter = !ref.empty() && ref.back() == '(';
  if (kind == kTokNested && setter) {
    return Out(run).pieces({ref, value_text(target_type, value), ");"}).ok();
  }
  if (target_type && target_type->type == "date" && value.type && value.type->type == "dtime") {
    return Out(run).pieces({ref, "=", "QNutil.resetTime(", join_pieces(value.pieces), ");"}).ok();
  }
  // A value-holder object takes the value through its setter; its own empty
  // value (null) is assigned to the object as any other.
  if (target_type && target_type->type == "obj" &&
      join_pieces(value.pieces) != empty_value(target_type)) {
    if (auto holder = holder_class(target_type->cls)) {
      const std::string v = value_text(type_from_term(holder->type), value);
      return Out(run).pieces({ref + "." + holder->setter + "(" + v + ");"}).ok();
    }
  }
  // The variable behind a form control is declared first; a control without
  // a type still gets its assignment.
  declare_ctl_var(run, target, target);
  return Out(run).pieces({ref, "=", value_text(target_type, value), ";"}).ok();
}

}  // namespace

bool gen_control_set(Run& run, const OptType& target_type, const Term& target,
                     const std::string& ref, const JavaText& value, int64_t kind) {
  const bool setter = !ref.empty() && ref.back() == '(';
  // 1. Web objects: a runtime property setter.
  if (web_object(run) && kind == kTokNested && setter) {
    return Out(run).pieces({ref, value_text(target_type, value), ");"}).ok();
  }
  const std::string pkind = pgm_kind(run);
  const bool panel = (pkind == "scr" || pkind == "trn") && !server_side(run);
  // 3. A bits attribute shown by a bitmap.
  if (panel && kind != kTokNested && target_type && target_type->type == "bits") {
    const Term tok = fact("t", {target, num(kind)});
    if (item_ctrl_type(run, tok, var()) == std::optional<std::string>("bitmap")) {
      return Out(run)
          .pieces({control_java_name(run, Term(), "bitmap", tok) + ".setBitmap(",
                   value_text(target_type, value), ");"})
          .ok();
    }
  }
  // 4, 5. A date target takes the date part of a date-time.
  JavaText v = value;
  if (target_type && target_type->type == "date" && value.type && value.type->type == "dtime") {
    const char* fn = value.type->decimals > 0 ? "QNutil.resetDate(" : "QNutil.resetTime(";
    v = JavaText{{fn + join_pieces(value.pieces) + ")"}, target_type};
  }
  if (!java_assign_stmt(run, target_type, target, ref, v, kind)) return false;
  // 2. Work panels and transactions outside Load and the initialisation:
  // an array is refreshed, a control showing the variable takes its value.
  if (panel && kind != kTokNested && !run.facts().exists(fact("in_event_load", {})) &&
      !run.facts().exists(fact("initializing_i", {}))) {
    Out out(run);
    if (var_dim(run, target))
      out.pieces({"refreshArray(", java_quoted(strip_ampersand(text_of(target))), ");"});
    const Term tok = fact("t", {target, num(kind)});
    if (auto type = item_ctrl_type(run, tok, var()); type && *type != "bitmap") {
      out.pieces({control_java_name(run, Term(), *type, tok) + ".setValue(" + ref + ");"});
    }
    return out.ok();
  }
  return true;
}

std::string raise_event_ref(Run& run, std::string_view ident) {
  const std::string up = platform::upper_1252(std::string(ident));
  if (up.rfind("RAISEEVENT", 0) != 0) return std::string(ident);
  std::string name(ident.substr(10));
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  typed::gen_user_event(run, name);
  return "";
}

}  // namespace qn::logic
