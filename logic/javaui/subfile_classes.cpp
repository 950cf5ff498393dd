#include "logic/javaui/subfile_classes.h"

#include <algorithm>
#include <functional>

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/output.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/form_props.h"
#include "logic/javaui/java_functions.h"
#include "logic/javaui/work_panel.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/dependencies.h"
#include "logic/program/subfile_commands.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is(const Term& t, std::string_view f, uint32_t arity) {
  return t.is_compound() && t.functor() == f && t.arity() == arity;
}

std::string padded(const std::string& digits, size_t width) {
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

std::string nn_of(const Term& subfile) { return padded(text_of(subfile), 2); }

int64_t object_number(Run& run) {
  if (auto spec = spec_list(run)) {
    const auto items = spec->list_items();
    if (items.size() > 1 && items[1].is_int()) return items[1].as_int();
  }
  return 0;
}

std::string kind_text(Run& run) { return text_of(spec_kind(run).value_or(atom(""))); }

bool in_transaction(Run& run) { return spec_kind_in(run, {"trn"}); }

// The attribute or variable an element stands for: old(X), seudo(X) and
// previous(X) stand for X.
Term element_base(const Term& element) {
  if ((is(element, "old", 1) || is(element, "seudo", 1) || is(element, "previous", 1)))
    return element.arg(1);
  return element;
}

// One field of an element class: its name, Java type and model type.
struct Field {
  Term element;
  std::string name;
  std::string java;   // the field's Java type
  OptType type;       // the model type, nullopt when unknown
};

Field field_of(Run& run, const Term& element) {
  Field f{element, subfile_element_name(run, element), "int", std::nullopt};
  f.type = var_type(run, element_base(element));
  if (f.type && f.type->type != "obj") {
    f.java = get_c_type(atom(f.type->type), f.type->length, f.type->decimals);
  } else if (f.type) {
    f.java = f.type->cls;
  }
  return f;
}

enum class Form { Number, Text, Date, Other };
Form form_of(const OptType& t) {
  if (!t) return Form::Number;
  const std::string& k = t->type;
  if (k == "char" || k == "svchar" || k == "bits" || k == "vchar") return Form::Text;
  if (k == "date" || k == "dtime") return Form::Date;
  if (k == "boolean" || k == "obj") return Form::Other;
  return Form::Number;
}

// The equality test of two values by the type's form (isChanged, isEmpty).
std::string equal_test(const OptType& t, const std::string& a, const std::string& b) {
  switch (form_of(t)) {
    case Form::Text:
      return "( QNutil.strcmp(" + a + "," + b + ") == 0)";
    case Form::Date:
      return "(" + a + ".equals(" + b + "))";
    default:
      return "( " + a + " == " + b + " )";
  }
}

// The columns of subfile N: the items s(t(Name, Kind), N) in form order.
std::vector<Term> subfile_columns(Run& run, const Term& subfile) {
  std::vector<Term> out;
  for (const FormItem& f : form_items(run)) {
    if (is(f.item, "s", 2) && f.item.arg(2) == subfile && attvar_item(f.item.arg(1)))
      out.push_back(f.item.arg(1).arg(1));
  }
  return out;
}

bool method(Run& run, const std::string& header, const std::function<void(Out&)>& body) {
  Out out(run);
  out.open(header + " {");
  body(out);
  out.close("}");
  return out.ok();
}

bool names(const Term& token, const Term& name) {
  return token.is_compound() && token.arity() >= 1 &&
         platform::upper_1252(strip_ampersand(text_of(token.arg(1)))) ==
             platform::upper_1252(strip_ampersand(text_of(name)));
}

std::string joined(const std::vector<std::string>& pieces) {
  std::string s;
  for (const std::string& p : pieces) s += (s.empty() ? "" : " ") + p;
  return s;
}

// A condition translated in the element context of subfile N.
std::string element_condition(Run& run, const Term& tokens, const Term& context) {
  auto& facts = run.facts();
  facts.asserta(fact("in_event_i", {context}));
  const std::string text = joined(cond_to_java(run, tokens, {}));
  facts.retract(fact("in_event_i", {context}));
  return text;
}

// The variable tokens of a token list (kind 23), each once.
void variable_tokens(const Term& tokens, std::vector<Term>& out) {
  for (const Term& t : tokens.list_items()) {
    if (t.is_compound() && t.functor() == "t" && t.arity() >= 2) {
      if (t.arg(2) == num(kTokVariable)) {
        if (std::find(out.begin(), out.end(), t.arg(1)) == out.end()) out.push_back(t.arg(1));
      } else if (t.arg(1).is_cons()) {
        variable_tokens(t.arg(1), out);
      }
    }
  }
}

std::optional<std::string> colour_of(const Term& c) {
  std::string name;
  if (c.is_cons()) {
    for (const Term& w : c.list_items()) name += text_of(w);
  } else {
    name = text_of(c);
  }
  if (name.empty()) return std::nullopt;
  if (auto rgb = legacy_color_rgb(name)) return "UIFactory.getColor" + *rgb;
  return std::nullopt;
}

// A multi-tier application (the transactions' multi_tier/0): the option
// MTIER_OPT is not No, a remote-call protocol is set and the database's
// location is not empty. Its lines travel through the parameter packer.
bool multi_tier_transfer(Run& run) {
  return platform::upper_1252(pgm_prop_value(run, "MTIER_OPT").value_or("")) != "NO" &&
         remote_calls_protocol(run) && !pgm_prop_value(run, "QNDB_LOCATION").value_or("").empty();
}

}  // namespace

// --- names and levels ----------------------------------------------------------

bool is_lvl2sub(Run& run, const Term& level, const Term& subfile) {
  auto& facts = run.facts();
  if (facts.exists(fact("lvl2sub_i", {level, subfile}))) return true;
  if (facts.exists(fact("notlvl2sub_i", {level, subfile}))) return false;
  const bool shown = sfl_level(run, level, subfile);
  facts.assertz(fact(shown ? "lvl2sub_i" : "notlvl2sub_i", {level, subfile}));
  return shown;
}

std::optional<Term> subfile_shown_level(Run& run, const Term& subfile) {
  // The level of the subfile's break first, as its elements take it.
  if (auto b = run.facts().first(fact("sf_break_i", {var(), subfile}))) {
    if (is_lvl2sub(run, b->arg(1), subfile)) return b->arg(1);
  }
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    if (is_lvl2sub(run, l.arg(1), subfile)) return l.arg(1);
  }
  return std::nullopt;
}

std::string subfile_element_name(Run& run, const Term& element) {
  if (is(element, "old", 1)) return "O" + subfile_element_name(run, element.arg(1));
  if (is(element, "seudo", 1)) return "Z" + subfile_element_name(run, element.arg(1));
  if (is(element, "previous", 1)) return "E" + subfile_element_name(run, element.arg(1));
  if (run.facts().exists(fact("is_i", {element, var()}))) return strip_ampersand(text_of(element));
  if (text_of(element).rfind('&', 0) != 0) {
    if (auto n = get_attri_name(run, get_model_num(run).value_or(num(0)), element))
      return text_of(*n);
  }
  return "V" + strip_ampersand(text_of(element));
}

std::string subfile_class_name(Run& run, const Term& subfile) {
  return "sub" + kind_letter(kind_text(run)) + nn_of(subfile) +
         padded(std::to_string(object_number(run)), 5);
}

std::string subfile_class_stem(Run& run, const Term& subfile) {
  return "s" + nn_of(subfile) + padded(std::to_string(object_number(run)), 5);
}

std::string subfile_obj_name(Run& run, const Term& subfile) {
  return platform::lower_1252(subfile_class_name(run, subfile));
}

std::string subf_obj_att_name(Run& run, const Term& subfile, const Term& element,
                              const std::string& prefix) {
  return subfile_obj_name(run, subfile) + "." + prefix + subfile_element_name(run, element);
}

std::vector<Term> form_subfile_numbers(Run& run) {
  std::vector<Term> out;
  for (const FormItem& f : form_items(run)) {
    if (is(f.item, "s", 1)) out.push_back(f.item.arg(1));
  }
  return out;
}

std::optional<std::string> subfile_element_var_ref(Run& run, const Term& name) {
  auto& facts = run.facts();
  if (facts.count("need_subfile_variables_i", 1) == 0) return std::nullopt;
  auto need = facts.first(fact("need_subfile_variables_i", {var()}));
  if (!need) return std::nullopt;
  const Term subfile = need->arg(1);
  for (const Term& e : subfile_elements(run, subfile)) {
    if (e == name) return subfile_obj_name(run, subfile) + ".get" + subfile_element_name(run, e) + "()";
  }
  return std::nullopt;
}

// --- the element class -------------------------------------------------------

bool gen_subfile_element_class(Run& run, int64_t model, const Term& subfile) {
  if (!spec_kind_in(run, {"scr", "trn", "web"}) || !subfile_shown_level(run, subfile)) return true;
  if (!class_source_file(run, model, subfile_class_name(run, subfile),
                         subfile_class_stem(run, subfile), "cpm"))
    return false;
  const bool ok = write_subfile_element_class(run, subfile);
  return close_output(run) && ok;
}

bool write_subfile_element_class(Run& run, const Term& subfile) {
  const std::string cls = subfile_class_name(run, subfile);
  std::vector<Field> fields;
  for (const Term& e : subfile_elements(run, subfile)) fields.push_back(field_of(run, e));
  std::vector<Field> columns;
  for (const Term& c : subfile_columns(run, subfile)) {
    for (const Field& f : fields) {
      if (f.element == c) {
        columns.push_back(f);
        break;
      }
    }
  }
  if (!gen_imports(run, "sfobj") || !gen_class_header(run, 0, "sfobj", cls, SourceMode::Same))
    return false;
  Out out(run);
  // Each field starts empty, as clear() leaves it: a new line's isEmpty and
  // compareTo read no null.
  for (const Field& f : fields) out.pieces({"private " + f.java, f.name, "=", empty_value(f.type), ";"});
  for (const Field& f : fields) {
    method(run, "public " + f.java + " get" + f.name + "()", [&](Out& o) {
      o.pieces({"return", f.name, ";"});
    });
    method(run, "public void set" + f.name + "(" + f.java + " value)", [&](Out& o) {
      o.pieces({f.name + " = value;"});
    });
  }
  method(run, "public void clear()", [&](Out& o) {
    for (const Field& f : fields) o.pieces({f.name, "=", empty_value(f.type), ";"});
  });
  method(run, "public int compareTo(QNSubfileElement element, int column)", [&](Out& o) {
    o.pieces({"switch (column)"}).open("{");
    for (size_t k = 0; k < columns.size(); ++k) {
      const Field& f = columns[k];
      const std::string other = "((" + cls + ") element).get" + f.name + "()";
      o.pieces({"case", static_cast<int64_t>(k), ":"}).shift(kMarginStep);
      switch (form_of(f.type)) {
        case Form::Number:
          o.pieces({"if ( " + f.name + " > " + other + " ) return 1;"});
          o.pieces({"if ( " + f.name + " < " + other + " ) return -1;"});
          o.pieces({"return 0;"});
          break;
        case Form::Text:
          o.pieces({"return QNutil.strcmp( QNutil.upper( " + f.name + " ), QNutil.upper( " +
                    other + " ));"});
          break;
        case Form::Date:
          o.pieces({"return QNutil.datecmp( " + f.name + " , " + other + " );"});
          break;
        case Form::Other:
          // Booleans and objects have no order: their lines stay as they are.
          o.pieces({"return 0;"});
          break;
      }
      o.shift(-kMarginStep);
    }
    o.close("}").pieces({"return 0;"});
  });
  if (in_transaction(run)) {
    std::string test = "return (true ";
    for (const Field& f : fields) {
      if (!is(f.element, "old", 1) && !is(f.element, "seudo", 1) && !is(f.element, "previous", 1) &&
          std::any_of(fields.begin(), fields.end(), [&](const Field& z) {
            return is(z.element, "seudo", 1) && z.element.arg(1) == f.element;
          })) {
        test += "&& " + equal_test(f.type, "Z" + f.name, f.name);
      }
    }
    method(run, "public int isChanged()", [&](Out& o) { o.pieces({test + ")?0:1;"}); });
  }
  std::string empty = "return (true ";
  for (const Field& f : fields)
    empty += "&& " + equal_test(f.type, "get" + f.name + "()", empty_value(f.type));
  method(run, "public boolean isEmpty()", [&](Out& o) { o.pieces({empty + ");"}); });
  method(run, "public void setColumn(QNComponent cell, int field)", [&](Out& o) {
    o.open("switch (field) {");
    for (size_t k = 0; k < columns.size(); ++k) {
      o.pieces({"case", static_cast<int64_t>(k), ":"}).shift(kMarginStep);
      o.pieces({"cell.setValue(" + columns[k].name + ");"});
      o.shift(-kMarginStep).pieces({"break;"});
    }
    o.close("}");
  });
  method(run, "public void setField(int i, QNComponent value)", [&](Out& o) {
    o.pieces({"switch (i)"}).open("{");
    for (size_t k = 0; k < columns.size(); ++k) {
      const Field& f = columns[k];
      const std::string type =
          f.type && f.type->type != "obj"
              ? capitalize(java_type_name(atom(f.type->type), f.type->length, f.type->decimals))
              : "Object";
      o.pieces({"case", static_cast<int64_t>(k), ":"}).shift(kMarginStep);
      o.pieces({f.name, "= value.get" + type + "Value()", ";"});
      o.shift(-kMarginStep).pieces({"break;"});
    }
    o.close("}");
  });
  add_object_dependency(run, atom(cls));
  if (multi_tier_transfer(run)) {
    auto suffix = [](const Field& f) {
      return f.type && f.type->type != "obj"
                 ? get_serialization_type(atom(f.type->type), f.type->length, f.type->decimals)
                 : std::string("Object");
    };
    method(run, "protected void getData(QNParameterUnpacker qnu)", [&](Out& o) {
      o.pieces({"super.getData(qnu);"});
      for (const Field& f : fields) o.pieces({"set" + f.name + "(qnu.read" + suffix(f) + "());"});
    });
    method(run, "protected void sendData(QNParameterPacker qnp)", [&](Out& o) {
      o.pieces({"super.sendData(qnp);"});
      for (const Field& f : fields) o.pieces({"qnp.write" + suffix(f) + "(get" + f.name + "());"});
    });
  }
  return Out(run).close("}").ok() && out.ok();
}

bool gen_subfile_classes(Run& run, int64_t model) {
  bool ok = true;
  for (const Term& n : form_subfile_numbers(run)) ok = gen_subfile_element_class(run, model, n) && ok;
  return ok;
}

// --- the flow class ----------------------------------------------------------

namespace {

// The variables whose change reloads the level's subfile (if_change/3), in
// the order they are met: the level's conditions, its start conditions,
// then its ninth level_i/2 element.
std::vector<Term> refresh_variables(Run& run, const Term& level) {
  std::vector<Term> candidates;
  for (const Term& w : run.facts().clauses("lwi_i", 2)) {
    if (!(w.arg(1) == level)) continue;
    for (const Term& c : w.arg(2).list_items()) {
      if (is(c, "c", 2)) variable_tokens(c.arg(1), candidates);
    }
  }
  for (const Term& s : run.facts().clauses("start_i", 4)) {
    if (!(s.arg(1) == level)) continue;
    const auto parts = s.arg(4).list_items();
    if (parts.empty()) continue;
    for (const Term& item : parts[0].list_items()) {
      const auto i = item.list_items();
      if (i.size() >= 3 && (i[1] == num(kTokVariable) || i[1] == num(kTokAttribute)) &&
          std::find(candidates.begin(), candidates.end(), i[2]) == candidates.end())
        candidates.push_back(i[2]);
    }
  }
  if (auto l = run.facts().first(fact("level_i", {level, var()}))) {
    const auto items = l->arg(2).list_items();
    // A pair A-B or [A, B]: its second part lists [[], Variable, _] entries.
    Term second = Term::nil();
    if (items.size() >= 9) {
      const Term& pair = items[8];
      if (pair.is_compound() && pair.arity() == 2 && !pair.is_cons()) second = pair.arg(2);
      if (pair.is_cons() && pair.list_items().size() == 2) second = pair.list_items()[1];
    }
    {
      for (const Term& e : second.list_items()) {
        const auto entry = e.list_items();
        if (entry.size() >= 2 && entry[0].is_nil() &&
            std::find(candidates.begin(), candidates.end(), entry[1]) == candidates.end())
          candidates.push_back(entry[1]);
      }
    }
  }
  std::vector<Term> out;
  for (const Term& v : candidates) {
    if (refresh_var_of_level(run, v, level)) out.push_back(v);
  }
  return out;
}

struct RefreshCopy {
  std::string var, copy;
  OptType type;
};

std::vector<RefreshCopy> refresh_copies(Run& run, const Term& level) {
  std::vector<RefreshCopy> out;
  for (const Term& v : refresh_variables(run, level)) {
    RefreshCopy c;
    c.var = var_target_ref(run, v, Term::nil(), "");
    c.copy = "QNr_" + c.var;
    c.type = var_type(run, v);
    if (!c.type) continue;
    declare_var(run, atom(c.copy), type_term(c.type), "s", Term::nil());
    // The copy starts from the variable's default.
    for (const Term& d : run.facts().findall(fact("default_i", {fact("e", {v, var(), var(), var()})}))) {
      const Term& e = d.arg(1);
      const Term copy_default = fact("default_i", {fact("e", {atom(c.copy), e.arg(2), e.arg(3), e.arg(4)})});
      if (!run.facts().exists(copy_default)) run.facts().assertz(copy_default);
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

bool subfile_flow_control(Run& run, const Term& subfile) {
  const std::string nn = nn_of(subfile);
  auto level = subfile_shown_level(run, subfile);
  if (!level) {
    return Out(run)
        .pieces({"// -> Generation error : subfile", text_of(subfile), "/", "level not shown"})
        .ok();
  }
  auto& facts = run.facts();
  const std::string cls = subfile_class_name(run, subfile);
  const std::string obj = subfile_obj_name(run, subfile);
  std::string object;
  if (auto c = facts.first(fact("current_pgm_i", {var()}))) object = text_of(c->arg(1));
  const std::string flow = object + "_flow" + nn;
  if (!gen_class_header(run, 0, "subfflow", flow, SourceMode::Same)) return false;
  facts.asserta(fact("need_subfile_variables_i", {subfile}));
  const bool trn = in_transaction(run);
  bool ok = method(run, "public boolean isLoadAtStartup()", [&](Out& o) {
    const bool no = platform::upper_1252(pgm_prop_value(run, "LOAD").value_or("")) == "NO";
    o.pieces({no ? "return false;" : "return true;"});
  });
  const std::string refresh_header =
      "public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime)";
  std::vector<RefreshCopy> copies;
  if (trn) {
    ok = Out(run).pieces({refresh_header + " {}"}).ok() && ok;
  } else {
    copies = refresh_copies(run, *level);
    std::string cond;
    for (const RefreshCopy& c : copies) {
      const auto test =
          java_compare_expr(c.type, JavaText{{c.var}, c.type}, "!=", JavaText{{c.copy}, c.type});
      cond += (cond.empty() ? "" : " || ") + joined(test);
    }
    if (cond.empty()) cond = "false";
    ok = method(run, refresh_header, [&](Out& o) {
           o.open("if ((" + cond + ") || (!loadedFirstTime && !isLoadAtStartup())) {");
           o.pieces({"QNRefresh();"});
           o.pieces({"subfile.load();"});
           o.pieces({"resetSubfileConditions();"});
           o.close("}");
         }) && ok;
  }
  ok = method(run, "public void resetSubfileConditions()", [&](Out& o) {
         for (const RefreshCopy& c : copies) o.pieces({c.copy, "=", c.var, ";"});
       }) && ok;
  ok = method(run, "public void refreshScreen()", [&](Out& o) {
         o.pieces({"VariablesToControls();"});
       }) && ok;
  ok = method(run, "public QNSubfileElement getNewSubfileElement()", [&](Out& o) {
         o.pieces({"return new", cls, "();"});
       }) && ok;
  // The search rule, when its condition reads a column of the level.
  std::optional<Term> search;
  const auto elements = subfile_elements(run, subfile);
  for (const Term& r : facts.clauses("rule_i", 2)) {
    if (!is(r.arg(2), "search", 1)) continue;
    for (const Term& t : r.arg(2).arg(1).list_items()) {
      if (t.is_compound() && t.arity() >= 2 &&
          std::find(elements.begin(), elements.end(), t.arg(1)) != elements.end()) {
        search = r.arg(2).arg(1);
        break;
      }
    }
    if (search) break;
  }
  ok = method(run, "public boolean getSearch(QNSubfileElement subfileElement)", [&](Out& o) {
         if (!search) {
           o.pieces({"return true;"});
           return;
         }
         o.pieces({cls, obj, "= (" + cls + ") subfileElement;"});
         o.pieces({"return (" + element_condition(run, *search, atom("Search")) + ");"});
       }) && ok;
  const auto columns = subfile_columns(run, subfile);
  const auto colours = action_rules(run, 26);
  ok = method(run, "public void setConditionalColor(GUIObject comp, QNSubfileElement element)",
              [&](Out& o) {
                bool cast = false;
                for (const Term& col : columns) {
                  std::vector<std::pair<std::string, std::pair<std::optional<std::string>,
                                                               std::optional<std::string>>>>
                      rules;
                  for (const ActionRule& r : colours) {
                    if (r.args.size() < 2 || !names(r.args[1], col)) continue;
                    const auto cs = r.args[0].list_items();
                    auto fore = cs.size() > 0 ? colour_of(cs[0]) : std::nullopt;
                    auto back = cs.size() > 1 ? colour_of(cs[1]) : std::nullopt;
                    if (!fore && !back) continue;
                    rules.push_back({element_condition(run, r.condition, fact("s", {subfile})),
                                     {fore, back}});
                  }
                  if (rules.empty()) continue;
                  if (!cast) {
                    o.pieces({cls, obj, "= (" + cls + ") element;"});
                    cast = true;
                  }
                  const std::string name = strip_ampersand(
                      text_of(auxname_c(run, col).value_or(col)));
                  o.open("if (comp.getQNCursor().equals(" + java_quoted(name) + ")) {");
                  o.pieces({"comp.setIForeground(comp.getLastForeground());"});
                  o.pieces({"comp.setIBackground(comp.getLastBackground());"});
                  for (size_t i = 0; i < rules.size(); ++i) {
                    if (i == 0) {
                      o.open("if (" + rules[i].first + ") {");
                    } else {
                      o.close("} else {").shift(kMarginStep);
                      o.open("if (" + rules[i].first + ") {");
                    }
                    if (rules[i].second.first)
                      o.pieces({"comp.setICondForeground(" + *rules[i].second.first + ");"});
                    if (rules[i].second.second)
                      o.pieces({"comp.setICondBackground(" + *rules[i].second.second + ");"});
                  }
                  // The last rule's test and every "else" end here.
                  for (size_t i = 0; i < rules.size(); ++i) o.close("}");
                  o.close("}");
                }
                if (!cast) o.pieces({""});
              }) && ok;
  const auto noaccept = action_rules(run, 3);
  ok = method(run, "public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled)",
              [&](Out& o) {
                if (trn) o.pieces({"String Qn_mode = element.getMode();"});
                bool cast = false;
                for (size_t p = 0; p < columns.size(); ++p) {
                  std::vector<std::string> conds;
                  for (const ActionRule& r : noaccept) {
                    if (!r.args.empty() && names(r.args[0], columns[p]))
                      conds.push_back(element_condition(run, r.condition, fact("s", {subfile})));
                  }
                  if (conds.empty()) continue;
                  std::string cond = conds[0];
                  for (size_t i = 1; i < conds.size(); ++i) cond = "(" + cond + ") || (" + conds[i] + ")";
                  if (!cast) {
                    o.pieces({cls, obj, "= (" + cls + ") element;"});
                    cast = true;
                  }
                  if (!facts.exists(fact("subfile_noaccept_i", {})))
                    facts.assertz(fact("subfile_noaccept_i", {}));
                  o.pieces({"if ( col == " + std::to_string(p) + ")"}).open("{");
                  o.pieces({"return (" + cond + ");"});
                  o.close("}");
                }
                o.pieces({"return !enabled;"});
              }) && ok;
  facts.retract_all(fact("need_subfile_variables_i", {var()}));
  return Out(run).close("}").ok() && ok;
}

bool gen_subfile_load_to_buffer(Run& run, const Term& subfile) {
  const std::string obj = subfile_obj_name(run, subfile);
  Out out(run);
  out.pieces({"variablesToSubfile" + nn_of(subfile) + "();"});
  out.pieces({subfile_control_name(run, subfile) + ".addElement(" + obj + ");"});
  out.pieces({obj, "= new", subfile_class_name(run, subfile), "();"});
  return out.ok();
}

bool gen_load_to_buffer(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (is_lvl2sub(run, level, n)) return gen_subfile_load_to_buffer(run, n);
  }
  return true;
}

bool gen_load_element_sets(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (!is_lvl2sub(run, level, n)) continue;
    Out out(run);
    for (const FormItem& f : form_items(run)) {
      if (!is(f.item, "s", 2) || !(f.item.arg(2) == n) || !is(f.item.arg(1), "t", 2) ||
          !(f.item.arg(1).arg(2) == num(kTokAttribute)))
        continue;
      const Term& att = f.item.arg(1).arg(1);
      if (auto aux = get_att_var(run, att))
        out.pieces({subf_obj_att_name(run, n, att, "set") + "(", *aux, ");"});
    }
    return out.ok();
  }
  return true;
}

}  // namespace qn::logic
