#include "logic/java/variables.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <unordered_set>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/javaui/work_panel.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_types.h"
#include "logic/navigation/level_actions.h"
#include "logic/program/expressions.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

int64_t int_at(const std::vector<Term>& items, size_t i, int64_t def = 0) {
  return i < items.size() && items[i].is_int() ? items[i].as_int() : def;
}

Term item_at(const std::vector<Term>& items, size_t i) {
  return i < items.size() ? items[i] : Term::nil();
}

// The flag of a description [Name, Type, Length, Decimals, Picture, Flag | _]:
// its sixth element when that is 0 or 1, else 1 (signed).
int64_t desc_flag(const std::vector<Term>& desc) {
  const int64_t flag = int_at(desc, 5, 1);
  return flag == 0 ? 0 : 1;
}

// The names of the facts asked for on every declaration, interned once.
struct FactNames {
  engine::Atom attri_i{"attri_i"}, is_i{"is_i"}, fld_to_dcl_i{"fld_to_dcl_i"},
      is_remote_object{"is_remote_object"};
};
const FactNames& names() {
  static const FactNames n;
  return n;
}

// Name(Args...) made in place, with no vector in between: declarations
// make and ask for several facts each.
template <size_t N>
Term compound_of(engine::Atom name, Term (&&args)[N]) {
  return Term::compound_from(name, args, N);
}

// "" as a term: one shared node serves every declaration.
const Term& empty_string() {
  static const Term empty = str("");
  return empty;
}

// Replaces a clause in place, so the declarations keep their order.
void replace_fact(Run& run, const Term& old_fact, const Term& new_fact) {
  const auto all = run.facts().clauses("fld_to_dcl_i", 3);
  const auto at = std::find(all.begin(), all.end(), old_fact);
  run.facts().retract(old_fact);
  run.facts().assert_at(new_fact, static_cast<size_t>(at - all.begin()));
}

}  // namespace

bool declare_var(Run& run, const Term& name, const Term& type_desc, std::string_view kind,
                 const Term& initial) {
  return declare_var_as(run, name, name, type_desc, kind, initial);
}

bool declare_var_as(Run& run, const Term& name, const Term& att, const Term& type_desc,
                    std::string_view kind, const Term& initial) {
  auto& facts = run.facts();
  if (!facts.exists(compound_of(names().attri_i, {name, var()}))) {
    const auto d = type_desc.list_items();
    facts.assertz(
        compound_of(names().attri_i,
                    {name, Term::list({name, item_at(d, 0), num(int_at(d, 1)), num(int_at(d, 2)),
                                       empty_string(), num(int_at(d, 3, 1))})}));
  }
  if (!record_var_decl(run, att, name, kind)) return false;
  if (initial.is_nil()) return true;
  return assign_var(run, name, initial);
}

bool record_var_decl(Run& run, const Term& att, const Term& name, std::string_view kind) {
  auto& facts = run.facts();
  if (facts.count(names().is_i.name(), 2) > 0 &&
      facts.exists(compound_of(names().is_i, {name, var()}))) {
    return true;
  }
  const bool text = name.is_atom() || name.is_string();
  if (text ? name.text().starts_with("*") : text_of(name).starts_with("*")) return true;
  // A name recorded as text and as an atom is one Java variable.
  if (text) {
    const Term other = name.is_atom() ? engine::Term::string(name.text()) : atom(name.text());
    if (facts.exists(compound_of(names().fld_to_dcl_i, {other, var(), var()}))) {
      return record_var_decl(run, att, other, kind);
    }
  }
  if (auto old = facts.first(compound_of(names().fld_to_dcl_i, {name, var(), var()}))) {
    const Term& old_kind = old->arg(2);
    if (old_kind == kind || old_kind == "h" || old_kind == "rp") return true;
    if (kind == "h") {
      facts.retract(*old);
      facts.assertz(compound_of(names().fld_to_dcl_i, {name, atom("h"), old->arg(3)}));
      return true;
    }
  }
  if (auto desc = call_attri(run, att)) {
    const auto d = desc->list_items();
    const int64_t flag = standard_variable(att) ? 1 : desc_flag(d);
    facts.assertz(compound_of(names().fld_to_dcl_i, {name, atom(kind),
                                                     Term::list({att, item_at(d, 1), item_at(d, 2),
                                                                 item_at(d, 3), num(flag)})}));
    return true;
  }
  const Term model = get_model_num(run).value_or(num(0));
  auto type = get_attri_type(run, model, att);
  if (!type) return false;
  facts.assertz(compound_of(
      names().fld_to_dcl_i,
      {name, atom(kind), Term::list({att, type->type, type->length, type->decimals, num(1)})}));
  if (!facts.exists(compound_of(names().attri_i, {name, var()}))) {
    facts.assertz(
        compound_of(names().attri_i, {name, Term::list({name, type->type, type->length,
                                                        type->decimals, empty_string(), num(1)})}));
  }
  return true;
}

std::optional<std::string> temp_var(Run& run, std::string_view usage, const Term& type_desc) {
  if (usage == "n") return std::nullopt;
  static const engine::Atom kVarDef("var_def_i"), kVarUsed("var_used_i"), kDecl("fld_to_dcl_i");
  static const Term kKindS = atom("s");
  auto& facts = run.facts();
  const auto want = type_desc.list_items();
  const Term type = item_at(want, 0);
  const int64_t length = int_at(want, 1), decimals = int_at(want, 2);
  // The walk changes no var_def_i/2 fact before it returns.
  const std::vector<Term> defs = facts.clauses(kVarDef.name(), 2);
  if (usage == "u") {
    std::optional<std::string> want_c_type;  // found once, when first needed
    // The temporaries used in this statement, read once for the walk below.
    const std::vector<Term> used = facts.clauses(kVarUsed.name(), 1);
    for (const Term& def : defs) {
      const Term& name = def.arg(1);
      const auto is_name = [&](const Term& u) {
        return u.arg(1) == name ||
               ((u.has_vars() || name.has_vars()) && engine::matches(u.arg(1), name));
      };
      if (std::any_of(used.begin(), used.end(), is_name)) continue;
      auto decl = facts.first(compound_of(kDecl, {name, kKindS, var()}));
      if (!decl) continue;
      // [Attribute, Type, Length, Decimals, Flag]
      const Term* have[5];
      const Term* tail = &decl->arg(3);
      for (auto& h : have) {
        static const Term kNil;
        h = tail->is_cons() ? &tail->arg(1) : &kNil;
        if (tail->is_cons()) tail = &tail->arg(2);
      }
      const Term& have_type = *have[1];
      const int64_t have_length = have[2]->is_int() ? have[2]->as_int() : 0;
      const int64_t have_decimals = have[3]->is_int() ? have[3]->as_int() : 0;
      const bool strings = (fixchar_type(type) && fixchar_type(have_type)) ||
                           (vchar_type(type) && vchar_type(have_type));
      if (strings) {
        if (length > have_length) {
          replace_fact(
              run, *decl,
              compound_of(kDecl,
                          {name, kKindS,
                           Term::list({*have[0], have_type, num(length), *have[3], *have[4]})}));
        }
      } else if (fixchar_type(type) || fixchar_type(have_type)) {
        continue;
      } else {
        if (!want_c_type) want_c_type = get_c_type(type, length, decimals);
        if (*want_c_type != get_c_type(have_type, have_length, have_decimals)) continue;
      }
      facts.assertz(compound_of(kVarUsed, {name}));
      return text_of(name);
    }
  }
  int64_t last = 0;
  for (const Term& def : defs) {
    if (def.arg(2).is_int()) last = std::max(last, def.arg(2).as_int());
  }
  const std::string type_name =
      type.is_compound() && type.functor() == "obj" ? text_of(type.arg(1)) : text_of(type);
  const std::string name = "QNt_" + type_name + std::to_string(last + 1);
  facts.assertz(compound_of(kVarUsed, {atom(name)}));
  facts.assertz(compound_of(kVarDef, {atom(name), num(last + 1)}));
  if (!declare_var(run, atom(name), type_desc, "s", Term::nil())) return std::nullopt;
  return name;
}

std::optional<std::string> auxname(Run& run, const Term& att) {
  if (auto p = run.facts().first(fact("p_auxname", {att, var()}))) return text_of(p->arg(2));
  if (auto is = run.facts().first(fact("is_i", {att, Term::cons(var(), var())}))) {
    return translate_var_token(run, is->arg(2).head());
  }
  return std::nullopt;
}

namespace {

// The declared names for which recording a reference would change nothing:
// a "*" name, or one whose first fld_to_dcl_i/3 clause has kind s, h or rp,
// as the walk found them. A class declares new names all the time; a name
// found settled stays so unless its declaration goes, so a name of the set
// is checked again (one lookup) rather than the set dropped at each new
// declaration and every name walked again.
struct RecordedVars {
  std::unordered_set<Term> names;
};

RecordedVars& recorded_vars(Run& run) {
  std::shared_ptr<void>& slot = run.recorded_vars();
  if (!slot) slot = std::make_shared<RecordedVars>();
  return *static_cast<RecordedVars*>(slot.get());
}

bool record_settled(Run& run, const Term& decl) {
  static const engine::Atom kDecl("fld_to_dcl_i");
  if (text_of(decl).starts_with("*")) return true;
  auto d = run.facts().first(Term::compound(kDecl, {decl, var(), var()}));
  return d && (d->arg(2) == "s" || d->arg(2) == "h" || d->arg(2) == "rp");
}

// The name was walked and found settled, and still is.
bool known_settled(Run& run, const Term& decl) {
  RecordedVars& r = recorded_vars(run);
  auto it = r.names.find(decl);
  if (it == r.names.end()) return false;
  if (record_settled(run, decl)) return true;
  r.names.erase(it);
  return false;
}

// A reference the class can declare as a field: a Java identifier. Others
// ("this.a", a getter call, a qualified column) name what is declared
// elsewhere.
bool field_name(std::string_view ref) {
  const auto ident = [](unsigned char c, bool first) {
    return c == '_' || c == '$' || std::isalpha(c) || c >= 0x80 || (!first && std::isdigit(c));
  };
  if (ref.empty()) return false;
  for (size_t i = 0; i < ref.size(); ++i) {
    if (!ident(static_cast<unsigned char>(ref[i]), i == 0)) return false;
  }
  return true;
}

// The declaration of a reference: the Java reference is the declared name,
// the variable its attribute (record_var_decl(Name, Reference, s)). A name
// defined by an is_i/2 expression records nothing, and a reference that is
// no field name is declared by whoever made it. Skipped where it is known
// to change nothing.
void record_ref_decl(Run& run, const Term& name, const std::string& ref) {
  static const engine::Atom kIs("is_i");
  if (!field_name(ref)) return;
  const Term decl = atom(ref);
  if (known_settled(run, decl)) return;
  if (run.facts().count(kIs.name(), 2) > 0 &&
      run.facts().exists(Term::compound(kIs, {name, var()})))
    return;
  record_var_decl(run, name, decl, "s");
  if (record_settled(run, decl)) recorded_vars(run).names.insert(decl);
}

}  // namespace

std::string var_target_ref(Run& run, const Term& name, const Term& levels, std::string_view scope) {
  std::optional<std::string> ref = subfile_element_ref(run, name);
  const auto pairs = levels.list_items();
  for (size_t i = 0; !ref && i < pairs.size(); ++i) {
    const auto pair = pairs[i].list_items();
    if (pair.size() == 2 && pair[0] == name && (pair[1].is_string() || pair[1].is_atom())) {
      ref = text_of(pair[1]);
    }
  }
  if (!ref && levels.is_nil()) ref = auxname(run, name);
  for (size_t i = 0; !ref && i < pairs.size(); ++i) {
    const auto pair = pairs[i].list_items();
    if (pair.size() == 2 && pair[0] == name && pair[1].is_int())
      ref = att_ref_name(run, name, pair[1], "->");
  }
  if (!ref) {
    auto n = current_attri_name(run, name);
    ref = n ? text_of(*n) : text_of(name);
  }
  // An undescribed variable is answered by its own name, whose "&" is no Java.
  if (!ref->empty() && ref->front() == '&') ref->erase(0, 1);
  const std::string out = parm_var_ref(name, *ref);
  if (scope != "nodec") record_ref_decl(run, name, out);
  return out;
}

std::optional<std::string> get_att_var(Run& run, const Term& att) {
  auto aux = auxname(run, att);
  if (!aux || !record_var_decl(run, att, atom(*aux), "s")) return std::nullopt;
  return aux;
}

bool declare_ctl_var(Run& run, const Term& control, const Term& att) {
  const std::string name = text_of(control);
  if (name.empty() || std::string_view("WOlLXE").find(name[0]) == std::string_view::npos)
    return true;
  auto type = get_attri_type(run, get_model_num(run).value_or(num(0)), att);
  if (!type) return false;
  return declare_var_as(run, control, att,
                        Term::list({type->type, type->length, type->decimals, num(1)}), "s",
                        Term::nil());
}

std::string sql_var_ref(Run& run, const Term& v, std::string_view ref) {
  bool element = false;
  if (auto level = run.facts().first(fact("sql_level_i", {var()}))) {
    if (auto elements = level_subfile_elements(run, level->arg(1))) {
      for (const Term& e : *elements) element = element || e == v;
    }
  }
  if (!element) record_ref_decl(run, v, std::string(ref));
  return std::string(ref);
}

std::string read_committed_flag(Run& run) {
  for (const Term& rule :
       run.facts().findall(fact("rule_i", {var(), fact("prop", {var(), var()})}))) {
    const Term& prop = rule.arg(2);
    if (!platform::iequals_1252(text_of(prop.arg(1)), "READUNC")) continue;
    if (platform::iequals_1252(text_of(prop.arg(2)), "Yes")) return "false";
    if (platform::iequals_1252(text_of(prop.arg(2)), "No")) return "true";
  }
  auto kind = spec_kind(run);
  if (!kind) return "false";
  const auto option = [&](std::string_view name) -> std::optional<std::string> {
    auto v = pgm_prop_value(run, name);
    if (!v) return std::nullopt;
    return platform::upper_1252(*v);
  };
  const auto no_or_unset = [&](std::string_view name) {
    auto v = option(name);
    return !v || *v == "NO";
  };
  const auto no = [&](std::string_view name) {
    auto v = option(name);
    return v && *v == "NO";
  };
  if (*kind == "scr") return no_or_unset("READUNC_WKP") ? "true" : "false";
  if (*kind == "rpt") return no_or_unset("READUNC_RPT") ? "true" : "false";
  if (*kind == "web") return no_or_unset("READUNC_WEB") ? "true" : "false";
  if (*kind == "trn") return no("READUNC_TRN") ? "true" : "false";
  if (*kind == "proc") return no("READUNC_PRC") ? "true" : "false";
  return "false";
}

std::string field_visibility(Run& run, const Term& name, std::string_view java_class) {
  if (run.facts().count(names().is_remote_object.name(), 1) > 0 &&
      run.facts().retract(compound_of(names().is_remote_object, {name}))) {
    return "protected";
  }
  auto kind = spec_kind(run);
  const bool trn_client = kind && *kind == "trn" && run.facts().count("trn_server_side_i", 0) == 0;
  if (trn_client) {
    const std::string_view head = java_class.substr(0, 9);
    if (head == "QNSubfile" || head == "GUIObject" || head == "IQNButton") return "public";
  }
  return "protected";
}

std::optional<std::string> gen_nullvalue(Run& run, const Term& variable) {
  const std::string ref = var_target_ref(run, variable, Term::nil(), "");
  if (ref.empty()) return std::nullopt;
  const Term value = Term::list({Term::compound("t", {Term::atom("nullvalue("), Term::integer(1)}),
                                 Term::compound("t", {variable, Term::integer(23)}),
                                 Term::compound("t", {Term::atom(")"), Term::integer(4)})});
  std::vector<int64_t> dims;
  if (auto d = var_dim(run, variable)) {
    for (const Term& n : d->is_list() ? d->list_items() : std::vector<Term>{*d}) {
      if (n.is_int() && n.as_int() > 0) dims.push_back(n.as_int());
    }
  }
  const bool ok = dims.empty() ? assign_var_ref(run, variable, ref, value, {})
                               : gen_array_loop(run, variable, dims, value);
  if (!ok) return std::nullopt;
  return ref;
}

}  // namespace qn::logic
