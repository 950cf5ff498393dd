#include "logic/program/java_expr.h"

#include "engine/clause_io.h"

namespace qn::logic {

using engine::Term;

bool is_fixed_string(const OptType& t) {
  return t && (t->type == "char" || t->type == "svchar" || t->type == "bits");
}
bool is_string(const OptType& t) { return is_fixed_string(t) || (t && t->type == "vchar"); }
bool is_date(const OptType& t) { return t && (t->type == "date" || t->type == "dtime"); }
bool is_numeric(const OptType& t) {
  return t && (t->type == "int" || t->type == "pac" || t->type == "zon" || t->type == "bin");
}

OptType merge_types(const OptType& a, const OptType& b) {
  if (!a) return b;
  if (!b) return a;
  TypeDesc m = *a;
  if (b->length > m.length) m.length = b->length;
  // A number with decimals makes the result a decimal number, whichever
  // side it stands on, as Java promotes it.
  if (is_numeric(a) && is_numeric(b) && b->decimals > m.decimals) m.decimals = b->decimals;
  return m;
}

Term type_term(const OptType& t) {
  if (!t) return Term::nil();
  Term type = t->type == "obj" ? Term::compound("obj", {Term::atom(t->cls)}) : Term::atom(t->type);
  return Term::list(
      {type, Term::integer(t->length), Term::integer(t->decimals), Term::integer(t->flag)});
}

OptType type_from_term(const Term& t) {
  if (!t.is_list() || t.is_nil()) return std::nullopt;
  std::vector<Term> a = t.list_items();
  if (a.empty()) return std::nullopt;
  TypeDesc d;
  if (a[0].is_compound() && a[0].functor() == "obj" && a[0].arity() == 1) {
    d.type = "obj";
    d.cls = engine::write(a[0].arg(1));
  } else if (a[0].is_atom()) {
    d.type = a[0].text();
  } else {
    return std::nullopt;
  }
  auto num = [&](size_t i) { return i < a.size() && a[i].is_int() ? a[i].as_int() : 0; };
  d.length = num(1);
  d.decimals = num(2);
  d.flag = num(3);
  return d;
}

std::string type_text(const OptType& t) { return engine::write(type_term(t)); }

std::string join_pieces(const std::vector<std::string>& pieces) {
  std::string out;
  for (const std::string& p : pieces) {
    if (!out.empty() && !p.empty() && p.front() == out.back() &&
        (p.front() == '+' || p.front() == '-')) {
      out += ' ';
    }
    out += p;
  }
  return out;
}

}  // namespace qn::logic
