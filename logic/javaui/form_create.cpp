#include "logic/javaui/form_create.h"

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/javaui/control_classes.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/events.h"
#include "logic/javaui/form_props.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is(const Term& t, std::string_view f, uint32_t arity) {
  return t.is_compound() && t.functor() == f && t.arity() == arity;
}

int64_t int_at(const std::vector<Term>& v, size_t i) {
  return i < v.size() && v[i].is_int() ? v[i].as_int() : 0;
}

// x , y , w , h of the item's rectangle, as the creation lines write them.
std::vector<int64_t> rect_of(Run& run, const Term& props) {
  const auto r = ctl_property(run, "rect", props).value_or(Term::nil()).list_items();
  return {int_at(r, 0), int_at(r, 1), int_at(r, 2), int_at(r, 3)};
}

std::string spaced_rect(const std::vector<int64_t>& r) {
  return std::to_string(r[0]) + " , " + std::to_string(r[1]) + " , " + std::to_string(r[2]) +
         " , " + std::to_string(r[3]);
}

std::string tight_rect(const std::vector<int64_t>& r, std::string_view sep) {
  std::string s;
  for (size_t i = 0; i < r.size(); ++i) s += (i ? std::string(sep) : "") + std::to_string(r[i]);
  return s;
}

// The field of a class, declared with its Java class.
void declare_field(Run& run, const std::string& field, const std::string& cls) {
  run.facts().assertz(fact("form_field_i", {atom(field)}));
  declare_var(run, atom(field), Term::list({fact("obj", {str(cls)}), num(0), num(0), num(1)}),
              "s", Term::nil());
}

std::string back_or_none(Run& run, const Term& props) {
  const bool fill = ctl_property_text(run, "fill", props) == "true";
  return fill ? java_ctl_color(run, "back", props) : "Integer.MAX_VALUE";
}

std::string label_text(std::string_view text) {
  // The lines, each escaped, joined with a backslash and n.
  std::string out, line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      out += reformat_text(line) + "\\n";
      line.clear();
    } else {
      line += c;
    }
  }
  return out + reformat_text(line);
}

// The values listed for a control (ctrl_info_i/3 by its number).
std::vector<Term> ctrl_info(Run& run, const Term& number) {
  if (auto f = run.facts().first(fact("ctrl_info_i", {number, var(), var()}))) {
    return f->arg(3).list_items();
  }
  return {};
}

std::string value_holder(const ShownType& t, const Term& value) {
  return new_holder_expr(t.type, t.length, t.decimals, text_of(value));
}

std::string picture_of(Run& run, const Term& att, const ShownType& t) {
  // The default picture belongs to the picture writer; without it, the
  // attribute's own picture.
  if (const auto* s = run.host_stand_in("default_picture", 5)) {
    std::vector<Term> args{att, t.type, num(t.length), num(t.decimals), Term::fresh_var()};
    if ((*s)(run, args) && !args.back().is_var()) return text_of(args.back());
  }
  if (auto p = get_attri_pic(run, get_model_num(run).value_or(num(0)), att)) return text_of(*p);
  return "";
}

bool password_of(Run& run, const Term& att) {
  if (auto d = call_attri(run, att)) {
    const auto items = d->list_items();
    return items.size() > 5 && !(items[5].is_int() && items[5].as_int() == 0);
  }
  return false;
}

std::string edit_type_constant(const Term& type) {
  const std::string t = text_of(type);
  if (numeric_type(type)) return "QNTypeConstants.NUMERIC";
  if (t == "char" || t == "bits") return "QNTypeConstants.CHAR";
  if (t == "svchar") return "QNTypeConstants.VARCHAR";
  if (t == "vchar") return "QNTypeConstants.LONGVARCHAR";
  if (t == "dtime") return "QNTypeConstants.DATETIME";
  if (t == "date") return "QNTypeConstants.DATE";
  return "QNTypeConstants.CHAR";
}

// A dynamic combo or list box filled from a table by its dyncombo rule
// (rule_i(_, dyncombo(Item, [Table, ValueAttribute, TextAttribute, Sort])),
// Sort the atom sort when the items are sorted): the table's data object,
// the two attribute numbers and the sort flag.
std::optional<std::string> dyncombo_component(Run& run, const Term& item, const std::string& kind) {
  for (const Term& r : run.facts().findall(fact("rule_i", {var(), fact("dyncombo", {var(), var()})}))) {
    const Term& rule = r.arg(2);
    if (platform::upper_1252(text_of(rule.arg(1))) != platform::upper_1252(text_of(item))) continue;
    const auto args = rule.arg(2).list_items();
    if (args.size() < 4) return std::nullopt;
    const int64_t model = get_model_num(run).value_or(num(0)).as_int();
    auto cls = table_kind_class_name(run, model, args[0], "tab");
    if (!cls) return std::nullopt;
    return std::string(kind == "dyncombo" ? "new QNComboBox(" : "new QNListBox(") + "new " + *cls +
           "(context, remoteHandle, " + read_committed_flag(run) + "), " + text_of(args[1]) +
           ", " + text_of(args[2]) + ", " + (args[3] == "sort" ? "true" : "false") + ")";
  }
  return std::nullopt;
}

// gen_ctl_items_init/8: the component of an attribute or variable control.
std::string component_of(Run& run, const FormItem& f, const std::string& kind,
                         const ShownType& t, const std::vector<int64_t>& r,
                         const std::string& panel, const std::string& font, bool in_subfile) {
  const Term& att = f.item.arg(1);
  const auto info = ctrl_info(run, f.number);
  if (kind == "dyncombo" || kind == "dynlistbx") {
    if (auto dyn = dyncombo_component(run, att, kind)) return *dyn;
  }
  if (kind == "checkbox" && info.size() >= 3) {
    const std::string caption = in_subfile ? "" : reformat_text(text_of(info[2]));
    return "new QNCheckBox(\"" + caption + "\" , " + value_holder(t, info[0]) + ", " +
           value_holder(t, info[1]) + ")";
  }
  if (kind == "radio" && !info.empty()) {
    const std::string title = reformat_text(ctl_property_text(run, "title", f.props));
    return "UIFactory.getQNRadioButton(\"" + title + "\" , " + std::to_string(info.size()) +
           ", rct" + text_of(f.number) + ", " + panel + ", " + tight_rect(r, ", ") + ")";
  }
  if (kind == "edit") {
    // A colour rule naming the control without colours leaves its colours
    // to the runtime.
    bool fill_colour = false;
    for (const Term& r : run.facts().clauses("rule_i", 2)) {
      const Term& rule = r.arg(2);
      if (!is(rule, "rule", 4)) continue;
      for (const Term& a : rule.arg(1).list_items()) {
        if (!is(a, "a", 2) || !(a.arg(1) == num(26))) continue;
        const auto args = a.arg(2).list_items();
        if (args.size() < 2 || !is(args[1], "t", 2) ||
            strip_ampersand(text_of(args[1].arg(1))) != strip_ampersand(text_of(att)))
          continue;
        bool empty = true;
        for (const Term& c : args[0].list_items()) empty = empty && text_of(c).empty();
        fill_colour = fill_colour || empty;
      }
    }
    return "new QNEdit(" + std::to_string(t.length) + ", \"" +
           reformat_text(picture_of(run, att, t)) + "\", " + font + "," + tight_rect(r, ", ") +
           ", " + panel + ", " + (fill_colour ? "true" : "false") + ", " +
           ctl_property_text(run, "outstyle", f.props) + ", " + edit_type_constant(t.type) +
           ", " + (password_of(run, att) ? "true" : "false") + ")";
  }
  static const std::pair<const char*, const char*> ctors[] = {
      {"rect", "UIFactory.getQNRectangle("}, {"label", "UIFactory.getLabel("},
      {"button", "UIFactory.getQNButton("},   {"radio", "UIFactory.getQNRadioButton("},
      {"listbx", "new QNListBox("},           {"dynlistbx", "new QNListBox("},
      {"combo", "new QNComboBox("},           {"dyncombo", "new QNComboBox("},
      {"checkbox", "new QNCheckBox("},        {"bitmap", "UIFactory.getQNImage("}};
  for (const auto& [k, c] : ctors) {
    if (kind == k) return std::string(c) + ")";
  }
  return "";
}

// gen_ctl_items/4: the item initialisation of an attribute or variable control.
void items_init(Run& run, Out& out, const FormItem& f, const std::string& kind,
                const std::string& cls, const std::string& ctl, const ShownType& t) {
  const auto info = ctrl_info(run, f.number);
  if (kind == "radio" || kind == "combo" || kind == "listbx") {
    const char* method = kind == "radio" ? "addButton" : "addItem";
    for (const Term& pair : info) {
      const auto pv = pair.list_items();
      if (pv.size() < 2) continue;
      out.pieces({"((" + cls + ") " + ctl + ".getQNComponent())." + method + "( " +
                  value_holder(t, pv[0]) + ",\"" + reformat_text(text_of(pv[1])) + "\");"});
    }
  }
  if (kind == "edit") {
    const std::string pic = picture_of(run, f.item.arg(1), t);
    const std::string align = !pic.empty() && pic[0] == '@' && pic.find('J') != std::string::npos
                                  ? "ILabel.RIGHT"
                                  : ctl_property_text(run, "align", f.props);
    out.pieces({"((QNEdit) " + ctl + ".getQNComponent()).setAlignment(" + align + ");"});
  }
}

bool first_level_form_token(Run& run, const FormItem& f) {
  // A form token shows an attribute of the first level that is not
  // accepted: its control is created disabled.
  return f.item.arg(2) == num(2) &&
         run.facts().exists(fact("form_token_i", {f.item.arg(1)}));
}

bool create_attvar(Run& run, const FormItem& f, const std::string& kind) {
  const std::string panel = control_panel_expr(run, f.container);
  const auto r = rect_of(run, f.props);
  const std::string field = form_item_field(run, f);
  Out out(run);
  if (kind == "bitmap") {
    declare_field(run, field, "IQNImage");
    out.pieces({field + " = UIFactory.getQNImage(" + panel + ",\"\"," + tight_rect(r, ",") + ");"});
    return out.ok();
  }
  auto t = shown_type(run, f.item.arg(1));
  if (!t) {
    out.pieces({"// -> Generation error : control", text_of(f.item.arg(1)), "/",
                text_of(f.container), " not supported"});
    return out.ok();
  }
  const std::string font = font_expr(ctl_property(run, "font", f.props).value_or(Term::nil()));
  const std::string cls = gui_object_class(*t);
  declare_field(run, field, cls);
  if (kind == "radio" && !ctrl_info(run, f.number).empty()) {
    const std::string rct = "rct" + text_of(f.number);
    declare_field(run, rct, "IQNRectangle");
    out.pieces({rct + " = UIFactory.getQNRectangle(" + panel + " , " +
                ctl_property_text(run, "bwidth", f.props) + " , " + spaced_rect(r) + " , " +
                back_or_none(run, f.props) + " , " + java_ctl_color(run, "fore", f.props) +
                " , " + ctl_property_text(run, "outstyle", f.props) + " );"});
  }
  const std::string back =
      kind == "checkbox" ? "Integer.MAX_VALUE" : back_or_none(run, f.props);
  const std::string aux = text_of(auxname_c(run, f.item.arg(1)).value_or(f.item.arg(1)));
  out.pieces({field + " = new " + cls + " ( " +
              component_of(run, f, kind, *t, r, panel, font, false) + " , " + panel + " , " +
              spaced_rect(r) + " , " + back + " , " + java_ctl_color(run, "fore", f.props) +
              " , " + font + " , " + (first_level_form_token(run, f) ? "false" : "true") +
              " , \"" + strip_ampersand(aux) + "\" );"});
  const auto jc = ctl_java_class(kind, f.props, false);
  items_init(run, out, f, kind, jc ? jc->cls : "Object", field, *t);
  out.pieces({field + ".addFocusListener(this);"});
  return out.ok() && register_listeners(run, f.number, field, kind);
}

std::string two_digits(const Term& n) {
  std::string t = text_of(n);
  return t.size() < 2 ? std::string(2 - t.size(), '0') + t : t;
}

// gen_column_definition/1: one column of the subfile N.
std::optional<std::string> column_definition(Run& run, const FormItem& col, const Term& sub_props,
                                             int64_t row_height, const std::string& column_ref,
                                             std::vector<std::string>& inits) {
  const Term& shown = col.item.arg(1);
  if (!attvar_item(shown)) return std::nullopt;
  auto t = shown_type(run, shown.arg(1));
  if (!t) return std::nullopt;
  const auto ct = ctl_prop_decode(run, "ctype", col.props);
  const std::string kind = ct && !ct->list_items().empty() ? text_of(ct->list_items()[0]) : "edit";
  const int64_t width = ctl_property(run, "width", col.props).value_or(num(1)).is_int()
                            ? ctl_property(run, "width", col.props)->as_int()
                            : 1;
  const std::vector<int64_t> r{0, 0, width, row_height};
  const std::string font =
      font_expr(ctl_property(run, "sfont", sub_props).value_or(Term::nil()));
  FormItem inner{col.number, col.container, shown, col.props};
  std::string component = text_of(t->type) == "bits"
                              ? "new SubfileImage()"
                              : component_of(run, inner, kind, *t, r, "null", font, true);
  std::string title = ctl_property_text(run, "title", col.props);
  const Term model = get_model_num(run).value_or(num(0));
  if (title.empty()) title = att_title(run, model, shown.arg(1));
  // An attribute without a title in the knowledge base is shown by its name.
  if (title.empty()) {
    if (auto name = get_attri_name(run, model, shown.arg(1))) title = strip_ampersand(text_of(*name));
  }
  const std::string aux = strip_ampersand(text_of(auxname_c(run, shown.arg(1)).value_or(shown.arg(1))));
  const std::string enabled = "true";
  const std::string w = std::to_string(width), h = std::to_string(row_height);
  if (kind == "combo" || kind == "dyncombo") {
    inits.push_back("((QNComboBox) " + column_ref + ".getQNComponent()).setTransactionMode();");
  }
  return "new QNColumnDefinition( new " + gui_object_class(*t) + " ( " + component +
         " , null, 0 , 0 , " + w + " , " + h + " , " + back_or_none(run, col.props) + " , " +
         java_ctl_color(run, "fore", col.props) + " , " + font + " , " + enabled + " , \"" + aux +
         "\" ), " + java_quoted(title) + " , " + java_ctl_color(run, "tfore", col.props) + " , " +
         java_ctl_color(run, "tback", col.props) + " , " + w + " , " +
         font_expr(ctl_property(run, "stfont", sub_props).value_or(Term::nil())) + " , " + enabled +
         " )";
}

bool create_subfile(Run& run, const FormItem& f) {
  const Term& n = f.item.arg(1);
  const std::string sub = form_item_field(run, f);
  // A transaction's subfile is loaded by the transaction itself: no load
  // producer.
  const bool trn = spec_kind_in(run, {"trn"});
  declare_field(run, sub, trn ? "QNSubfileTRN" : "QNSubfile");
  const auto r = rect_of(run, f.props);
  const std::string panel = control_panel_expr(run, f.container);
  const auto th = ctl_prop_decode(run, "th", f.props);
  const int64_t title_h = th && th->is_int() ? th->as_int() : 0;
  const auto rowh = ctl_prop_decode(run, "rowh", f.props);
  std::optional<int64_t> row = rowh && rowh->is_int() ? std::optional<int64_t>(rowh->as_int()) : std::nullopt;
  const int64_t rows = subfile_visible_rows(r[3], title_h, row);
  const int64_t row_height = row && *row > 0 ? *row : r[3] - title_h + 1;
  const auto spec = spec_list(run);
  const auto items = spec ? spec->list_items() : std::vector<Term>{};
  const std::string obj = items.size() > 3 ? kind_pgm_name(run, text_of(items[3])) : "";
  const std::string nn = two_digits(n);
  const bool loadall = pgm_prop_upper(run, "LOADALL").value_or("") == "YES";
  Out out(run);
  if (trn) {
    out.pieces({"addSubfile ( " + sub + " = new QNSubfileTRN ( new " + obj + "_flow" + nn +
                "() , new QNColumnDefinition[] {"});
  } else {
    out.pieces({"addSubfile ( " + sub + " = new QNSubfile ( new " + obj + "_load" + nn + "(), new " +
                obj + "_flow" + nn + "(), " + (loadall ? "true" : "false") +
                " , new QNColumnDefinition[] {"});
  }
  out.shift(3);
  std::vector<std::string> defs, inits;
  int pos = 0;
  for (const FormItem& c : form_items(run)) {
    if (!(c.item.is_compound() && c.item.functor() == "s" && c.item.arity() == 2 && c.item.arg(2) == n))
      continue;
    const std::string ref = sub + ".getColumn(" + std::to_string(pos) + ")";
    if (auto d = column_definition(run, c, f.props, row_height, ref, inits)) {
      defs.push_back(*d);
      ++pos;
    }
  }
  for (size_t i = 0; i < defs.size(); ++i) out.pieces({defs[i] + (i + 1 < defs.size() ? "," : "")});
  out.shift(-3);
  out.pieces({"}, " + std::to_string(rows) + " , " + std::to_string(title_h) + " , " + panel +
              " , " + spaced_rect(r) + " , " + std::to_string(row_height) + " ));"});
  for (const std::string& i : inits) out.pieces({i});
  out.pieces({sub + ".addActionListener(this);"});
  out.pieces({sub + ".addFocusListener(this);"});
  return out.ok() && register_listeners(run, f.number, sub, "subfile");
}

}  // namespace

std::vector<FormItem> form_items(Run& run) {
  std::vector<FormItem> out;
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    out.push_back({f.arg(1), f.arg(2), f.arg(3), f.arg(4)});
  }
  return out;
}

bool attvar_item(const Term& item) {
  return is(item, "t", 2) && (item.arg(2) == num(2) || item.arg(2) == num(23));
}

std::optional<ShownType> shown_type(Run& run, const Term& name) {
  if (auto t = var_type(run, name); t && t->type != "obj") {
    return ShownType{atom(t->type), t->length, t->decimals};
  }
  return std::nullopt;
}

std::string gui_object_class(const ShownType& t) {
  std::string n = java_type_name(t.type, t.length, t.decimals);
  if (!n.empty()) n[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(n[0])));
  return "GUIObject" + n;
}

std::optional<std::string> form_item_kind(Run& run, const FormItem& f) {
  const Term& it = f.item;
  if (it == "window" || it == "tabcontrol" || it == "tabpage") return text_of(it);
  if (is(it, "t", 2) && it.arg(2) == num(3)) return "label";
  if (is(it, "rect", 1) || is(it, "button", 1) || is(it, "bitmap", 1)) {
    return std::string(it.functor().name());
  }
  if (is(it, "s", 1)) return "subfile";
  if (attvar_item(it)) {
    if (auto t = shown_type(run, it.arg(1)); t && text_of(t->type) == "bits") return "bitmap";
    const auto ct = ctl_property(run, "ctype", f.props).value_or(Term::nil()).list_items();
    return ct.empty() ? "edit" : text_of(ct[0]);
  }
  return std::nullopt;
}

std::string form_item_field(Run& run, const FormItem& f) {
  const std::string kind = form_item_kind(run, f).value_or("");
  if (attvar_item(f.item)) return control_java_name(run, Term(), kind, f.item);
  return control_java_name(run, Term(), kind, f.number);
}

std::string subfile_control_name(Run& run, const Term& subfile) {
  if (auto f = run.facts().first(fact("lit_i", {var(), var(), fact("s", {subfile}), var()}))) {
    if (auto n = ctl_prop_decode(run, "ctlname", f->arg(4)); n && !text_of(*n).empty())
      return "sub" + text_of(*n);
    return "sub" + text_of(f->arg(1));
  }
  return "sub" + text_of(subfile);
}

int64_t subfile_column_position(Run& run, const Term& column) {
  if (!is(column, "s", 2)) return 0;
  int64_t pos = 0;
  for (const Term& f : run.facts().findall(fact("lit_i", {var(), var(), fact("s", {var(), column.arg(2)}), var()}))) {
    if (f.arg(3).arg(1) == column.arg(1)) return pos;
    ++pos;
  }
  return 0;
}

std::string subfile_column_ref(Run& run, const Term& column) {
  return subfile_control_name(run, column.arg(2)) + ".getColumn(" +
         std::to_string(subfile_column_position(run, column)) + ")";
}

bool gen_ctl_create(Run& run, const FormItem& f) {
  const auto kind = form_item_kind(run, f);
  const std::string panel = control_panel_expr(run, f.container);
  const Term& p = f.props;
  Out out(run);
  if (kind && *kind == "label") {
    const std::string lbl = form_item_field(run, f);
    declare_field(run, lbl, "ILabel");
    const auto r = rect_of(run, p);
    out.pieces({lbl + " = UIFactory.getLabel(" + panel + ", \"" +
                label_text(text_of(f.item.arg(1))) + "\", " +
                ctl_property_text(run, "align", p) + ", " + back_or_none(run, p) + ", " +
                java_ctl_color(run, "fore", p) + ", " +
                font_expr(ctl_property(run, "font", p).value_or(Term::nil())) + ", " +
                ctl_property_text(run, "wrap", p) + ", " + ctl_property_text(run, "outstyle", p) +
                " , " + spaced_rect(r) + " );"});
    return out.ok();
  }
  if (kind && *kind == "rect") {
    const std::string rct = form_item_field(run, f);
    declare_field(run, rct, "IQNRectangle");
    out.pieces({rct + " = UIFactory.getQNRectangle(" + panel + " , " +
                ctl_property_text(run, "bwidth", p) + " , " + spaced_rect(rect_of(run, p)) +
                " , " + back_or_none(run, p) + " , " + java_ctl_color(run, "fore", p) + " , " +
                ctl_property_text(run, "outstyle", p) + " );"});
    return out.ok();
  }
  if (kind && *kind == "button") {
    const std::string btt = form_item_field(run, f);
    declare_field(run, btt, "IQNButton");
    const std::string caption = text_of(f.item.arg(1));
    const auto bitmap = ctl_prop_decode(run, "bitmap", p);
    std::string shown;
    if (bitmap && !bitmap->list_items().empty()) {
      shown = "\"" + reformat_text(platform::lower_1252(text_of(bitmap->list_items()[0]))) + "\"";
    }
    std::string tip;
    for (char c : caption) {
      if (c != '&' && c != '<') tip += c;
    }
    const std::string rect = spaced_rect(rect_of(run, p));
    out.pieces({btt + " = UIFactory.getQNButton(" + panel + " , " +
                (bitmap && !bitmap->list_items().empty() ? shown + " , " + rect
                                                         : java_quoted(caption) + " , " + rect +
                                                               " , " + font_expr(ctl_property(run, "font", p).value_or(Term::nil()))) +
                " );"});
    out.pieces({btt + ".setTooltip(" + java_quoted(tip) + ");"});
    out.pieces({btt + ".addActionListener(this);"});
    return out.ok();
  }
  if (kind && *kind == "bitmap" && is(f.item, "bitmap", 1)) {
    const std::string img = form_item_field(run, f);
    declare_field(run, img, "IQNImage");
    out.pieces({img + " = UIFactory.getQNImage(" + panel + ",\"" +
                reformat_text(norm_path_slashes(text_of(f.item.arg(1)))) + "\"," +
                tight_rect(rect_of(run, p), ",") + ");"});
    return out.ok();
  }
  if (kind && *kind == "tabcontrol") {
    const std::string tc = form_item_field(run, f);
    declare_field(run, tc, "QNTabControl");
    bool hide = false;
    for (const Term& x : p.list_items()) hide = hide || x == "hidetabs";
    out.pieces({tc + " = new QNTabControl (this, " + panel + " , " + spaced_rect(rect_of(run, p)) +
                " , " + java_ctl_color(run, "back", p) + " , " + java_ctl_color(run, "fore", p) +
                " , 0, 0, 0, " + (hide ? "true" : "false") + " );"});
    return out.ok();
  }
  if (kind && *kind == "subfile") return create_subfile(run, f);
  if (kind && attvar_item(f.item)) return create_attvar(run, f, *kind);
  // The line stays a comment, so the class still compiles.
  out.pieces({"// -> Generation error : control", engine::writeq(f.item), "/",
              text_of(f.container), " not supported"});
  return out.ok();
}

}  // namespace qn::logic
