#include "logic/toolbox/declarations.h"

#include <algorithm>
#include <cctype>

#include "logic/core/attributes.h"
#include "logic/core/gen_targets.h"
#include "logic/core/rule_terms.h"
#include "logic/core/out.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/program_frame.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// "*/" inside comment text would end the comment: written "* /".
std::string comment_safe(std::string text) {
  for (size_t at = text.find("*/"); at != std::string::npos; at = text.find("*/", at + 3)) {
    text.replace(at, 2, "* /");
  }
  return text;
}

Piece safe_piece(const Piece& p) {
  if (p.term.is_int()) return p;
  return Piece(comment_safe(text_of(p.term)));
}

int64_t int_of(const Term& t) { return t.is_int() ? t.as_int() : 0; }

// Types the declaration writer knows: those of the Java type table and charp.
bool known_type(const Term& type) {
  if (type == "charp") return true;
  for (const JavaVarTypeRow& row : java_var_type_rows()) {
    if (java_var_type_row_matches(row, type)) return true;
  }
  return false;
}

bool set_std_var(Run& run, std::string_view java_name, const Term& value) {
  return Out(run).pieces({java_name, "=", java_string_literal(text_of(value)), ";"}).ok();
}

}  // namespace

bool emit_comment(Run& run, const std::vector<Piece>& pieces) {
  std::vector<Piece> line{"/*"};
  for (const Piece& p : pieces) line.push_back(safe_piece(p));
  line.emplace_back("*/");
  return Out(run).pieces(line).ok();
}

namespace {

// A comment block whose lines stand Margin further in than its "/*" and "*/".
bool comment_block(Run& run, const std::vector<std::vector<Piece>>& lines, int margin) {
  Out out(run);
  out.pieces({"/*"}).shift(margin);
  for (const auto& l : lines) {
    std::vector<Piece> safe;
    for (const Piece& p : l) safe.push_back(safe_piece(p));
    out.pieces(safe);
  }
  out.shift(-margin).pieces({"*/"});
  return out.ok();
}

}  // namespace

bool emit_comment_block(Run& run, const std::vector<std::vector<Piece>>& lines) {
  return comment_block(run, lines, kMarginStep);
}

bool emit_flush_comment_block(Run& run, const std::vector<std::vector<Piece>>& lines) {
  return comment_block(run, lines, 0);
}

bool end_routine(Run& run, std::string_view value) {
  bool ok = true;
  if (value != "0") ok = emit_return(run, value);
  Out out(run);
  out.close("}").pieces({""});
  auto& facts = run.facts();
  facts.retract_all(fact("fld_to_dcl_i", {var(), atom("rp"), var()}));
  facts.abolish("in_main_program_i", 0);
  facts.abolish("local_routine_parms_i", 1);
  return ok && out.ok();
}

bool end_function(Run& run, std::string_view name, std::string_view value) {
  emit_comment(run, {"End function", name});
  return end_routine(run, value);
}

Term as_to_tok(const Term& parms) {
  std::vector<Term> out;
  for (const Term& p : parms.list_items()) {
    bool attribute = p.is_int();
    if (!attribute && (p.is_atom() || p.is_string())) {
      const std::string s = p.text();
      attribute = std::none_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
    }
    out.push_back(fact("t", {p, num(attribute ? kTokAttribute : kTokVariable)}));
  }
  return Term::list(out);
}

namespace {

// The declared text from the dimensions found (nullopt: none).
std::string decl_text(Run& run, const Term& name, const std::optional<Term>& dims) {
  static const engine::Atom kInitial("fld_initial_i");
  std::string decl = text_of(name);
  if (run.facts().count(kInitial.name(), 2) > 0) {
    if (auto init = run.facts().first(Term::compound(kInitial, {name, var()}))) {
      return decl + " = " + text_of(init->arg(2));
    }
  }
  if (dims) {
    const auto d = dims->is_list() ? dims->list_items() : std::vector<Term>{*dims};
    if (!d.empty()) decl += "[]";
    if (d.size() > 1 && !(d[1].is_int() && d[1].as_int() == 0) && text_of(d[1]) != "0")
      decl += "[]";
  }
  return decl;
}

}  // namespace

std::string var_to_dcl(Run& run, const Term& name, const Term& att) {
  auto dims = var_dim(run, att);
  if (!dims) dims = var_dim(run, name);
  return decl_text(run, name, dims);
}

bool gen_var_declarations(Run& run) {
  auto& facts = run.facts();
  const auto rows = java_var_type_rows();
  // Each pending declaration goes to the first row that fits it; the rows
  // are then written in table order, each in the order of declaration.
  // A pending declaration points into `all`, which holds the facts until
  // the end: its fact, its attribute and its type.
  struct Pending {
    const Term* fact;
    const Term* att;
    Term type;
  };
  static const Term kNoType = Term::atom("");
  std::vector<Term> all = facts.clauses("fld_to_dcl_i", 3);
  std::vector<std::vector<Pending>> by_row(rows.size());
  std::vector<Pending> unknown;
  std::vector<const Term*> kept, rest;
  // The rows a type matches, found once per type met.
  std::vector<std::pair<Term, std::vector<size_t>>> rows_of_type;
  auto matching_rows = [&](const Term& type) -> const std::vector<size_t>& {
    for (const auto& [t, r] : rows_of_type) {
      if (t == type) return r;
    }
    std::vector<size_t> r;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (java_var_type_row_matches(rows[i], type)) r.push_back(i);
    }
    return rows_of_type.emplace_back(type, std::move(r)).second;
  };
  for (const Term& f : all) {
    if (!(f.arg(2) == "s")) {
      rest.push_back(&f);
      continue;
    }
    // [Att, Type, Length, Decimals | _]
    const Term* d[4] = {};
    const Term* tail = &f.arg(3);
    for (int k = 0; k < 4 && tail->is_cons(); ++k, tail = &tail->arg(2)) d[k] = &tail->arg(1);
    static const Term kNil;
    for (auto& x : d) {
      if (!x) x = &kNil;
    }
    const Term& type = d[1]->is_var() ? kNoType : *d[1];
    const int64_t len = int_of(*d[2]);
    const int64_t dec = int_of(*d[3]);
    size_t found = rows.size();
    for (size_t i : matching_rows(type)) {
      if (len <= rows[i].max_length && dec <= rows[i].max_decimals) {
        found = i;
        break;
      }
    }
    const Term* att = d[0]->is_nil() ? &f.arg(1) : d[0];
    if (found < rows.size()) {
      by_row[found].push_back({&f, att, type});
    } else if (known_type(type)) {
      kept.push_back(&f);
    } else {
      unknown.push_back({&f, att, type});
    }
  }
  // The dim rules, read once (var_dim/2 of each name would read them all
  // for every variable).
  std::vector<std::pair<Term, Term>> dim_rules;
  for (const Term& r : facts.findall(fact("rule_i", {var(), fact("dim", {var(), var()})}))) {
    dim_rules.emplace_back(r.arg(2).arg(1), r.arg(2).arg(2));
  }
  auto dims_of = [&](const Term& att, const Term& name) -> std::optional<Term> {
    for (const Term* key : {&att, &name}) {
      for (const auto& [v, d] : dim_rules) {
        if (v == *key) return d;
      }
    }
    return std::nullopt;
  };
  Out out(run);
  for (size_t i = 0; i < rows.size(); ++i) {
    for (const Pending& p : by_row[i]) {
      const Term& name = p.fact->arg(1);
      const std::string java_type = rows[i].java_type ? rows[i].java_type : text_of(p.type.arg(1));
      out.pieces({field_visibility(run, name, java_type), java_type,
                  decl_text(run, name, dims_of(*p.att, name)), ";"});
    }
  }
  for (const Pending& p : unknown) {
    emit_comment(run, {"Error: Attribute", *p.att, "type", p.type, "has an unrecognized type."});
  }
  // Every kind-s declaration goes at once; the other kinds stay in their
  // order, then the charp ones (never written).
  facts.abolish("fld_to_dcl_i", 3);
  for (const Term* f : rest) facts.assertz(*f);
  for (const Term* f : kept) facts.assertz(*f);
  by_row.clear();
  unknown.clear();
  kept.clear();
  rest.clear();
  // The written declarations go with this snapshot: all at once.
  Term::release_all(all);
  return out.ok();
}

std::string dquote(std::string_view x) { return "\"" + std::string(x) + "\""; }

bool gen_set_errtbl(Run& run, const Term& name) { return set_std_var(run, "Qn_etb", name); }
bool gen_set_oper(Run& run, const Term& name) { return set_std_var(run, "Qn_ope", name); }

std::optional<Term> routine_parm_name(const Run& run, const Term& v) {
  if (auto parms = run.facts().first(fact("local_routine_parms_i", {var()}))) {
    const auto entries = parms->arg(1).list_items();
    for (const bool want_u : {true, false}) {
      for (const Term& e : entries) {
        const auto x = e.list_items();
        if (x.size() == 3 && x[1] == v && (!want_u || x[0] == "u")) return x[2];
      }
    }
  }
  if (auto names = run.facts().first(fact("parm_names_i", {var()}))) {
    for (const Term& e : names->arg(1).list_items()) {
      const auto x = e.is_list() ? e.list_items() : std::vector<Term>{e};
      if (!x.empty() && x[0] == v) return v;
    }
  }
  return std::nullopt;
}

std::optional<Term> auxname_c(Run& run, const Term& att) {
  if (auto a = auxname(run, att)) return Term::string(*a);
  // Variables ("&" names) have no knowledge-base name.
  const bool variable = (att.is_atom() || att.is_string()) && att.text().starts_with("&");
  if ((att.is_atom() || att.is_string()) && !variable) {
    const Term model = get_model_num(run).value_or(num(0));
    if (auto n = get_attri_name(run, model, att)) return n;
  }
  if (att.is_atom() || att.is_string()) return att;
  return std::nullopt;
}

bool is_stub_object(const Run& run, std::string_view kind) {
  auto stub = run.facts().first(fact("rule_i", {num(0), fact("stub", {var()})}));
  return stub && text_of(stub->arg(2).arg(1)) == kind;
}

bool begin_local_routine(Run& run, const Term& name, const Term& return_attribute,
                         const std::vector<Term>& parms) {
  return gen_routine_start(run, "l", name, return_attribute, parms);
}

bool gen_call_stmt(Run& run, std::string_view name, const Term& args) {
  auto call = gen_call_args(run, platform::lower_1252(name), args, "int", ExprCtx{});
  return call && Out(run).pieces({call->call_expr, ";"}).ok();
}

}  // namespace qn::logic
