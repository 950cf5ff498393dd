#include "logic/core/lists.h"

#include <algorithm>

#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

std::vector<Term> items(const Term& list) { return list.list_items(); }

bool member(const Term& x, const std::vector<Term>& list) {
  return std::any_of(list.begin(), list.end(),
                     [&](const Term& e) { return engine::matches(x, e); });
}

}  // namespace

std::vector<Term> on(const Term& x, const Term& list) {
  std::vector<Term> out;
  for (const Term& e : items(list)) {
    if (engine::matches(x, e)) out.push_back(e);
  }
  return out;
}

std::optional<Term> on_test(const Term& x, const Term& list) {
  for (const Term& e : items(list)) {
    if (engine::matches(x, e)) return e;
  }
  return std::nullopt;
}

std::vector<int64_t> on_position(const Term& x, const Term& list, int64_t n0) {
  std::vector<int64_t> out;
  int64_t n = n0;
  for (const Term& e : items(list)) {
    if (engine::matches(x, e)) out.push_back(n);
    ++n;
  }
  return out;
}

bool on_or_empty(const Term& x, const Term& list) {
  if (list.is_nil() && (x.is_nil() || x.is_var())) return true;  // X is or becomes []
  return on_test(x, list).has_value();
}

Term append(const Term& a, const Term& b) { return Term::list(items(a), b); }

std::vector<std::pair<Term, Term>> append_split(const Term& list) {
  std::vector<std::pair<Term, Term>> out;
  const std::vector<Term> v = items(list);
  const Term* back = &list;
  for (size_t i = 0;; ++i) {
    out.emplace_back(Term::list(std::span<const Term>(v.data(), i)), *back);
    if (!back->is_cons()) break;
    back = &back->arg(2);
  }
  return out;
}

Term append_lists(const Term& lists) {
  std::vector<Term> all;
  for (const Term& l : items(lists)) {
    for (const Term& e : items(l)) all.push_back(e);
  }
  return Term::list(all);
}

Term reverse_acc(const Term& list, const Term& acc) {
  std::vector<Term> v = items(list);
  std::reverse(v.begin(), v.end());
  return Term::list(v, acc);
}

Term insert_separator(const Term& list, const Term& sep) {
  std::vector<Term> out;
  for (const Term& e : items(list)) {
    if (!out.empty()) out.push_back(sep);
    out.push_back(e);
  }
  return Term::list(out);
}

Term union_(const Term& a, const Term& b) {
  const std::vector<Term> bs = items(b);
  std::vector<Term> out;
  for (const Term& e : items(a)) {
    if (!member(e, bs)) out.push_back(e);
  }
  return Term::list(out, b);
}

Term subtract(const Term& a, const Term& b) {
  const std::vector<Term> bs = items(b);
  std::vector<Term> out;
  for (const Term& e : items(a)) {
    if (!member(e, bs)) out.push_back(e);
  }
  return Term::list(out);
}

Term remove_duplicates(const Term& list) {
  std::vector<Term> out;
  for (const Term& e : items(list)) {
    if (std::find(out.begin(), out.end(), e) == out.end()) out.push_back(e);
  }
  return Term::list(out);
}

bool subset(const Term& a, const Term& b) {
  const std::vector<Term> bs = items(b);
  for (const Term& e : items(a)) {
    if (!member(e, bs)) return false;
  }
  return true;
}

bool same_set(const Term& a, const Term& b) {
  return items(a).size() == items(b).size() && subset(a, b) && subset(b, a);
}

Term delete_one(const Term& x, const Term& list) {
  std::vector<Term> v = items(list);
  for (size_t i = 0; i < v.size(); ++i) {
    if (engine::matches(x, v[i])) {
      v.erase(v.begin() + static_cast<std::ptrdiff_t>(i));
      return Term::list(v);
    }
  }
  return list;
}

std::optional<std::pair<Term, Term>> split_at(const Term& list, int64_t n) {
  if (n < 0) return std::nullopt;
  std::vector<Term> front;
  const Term* rest = &list;
  for (int64_t i = 0; i < n; ++i) {
    if (!rest->is_cons()) return std::nullopt;
    front.push_back(rest->head());
    rest = &rest->arg(2);
  }
  return std::make_pair(Term::list(front), *rest);
}

std::pair<Term, Term> split_last(const Term& list) {
  std::vector<Term> v = items(list);
  if (v.empty()) return {Term::nil(), Term::nil()};
  Term last = v.back();
  v.pop_back();
  return {Term::list(v), last};
}

std::optional<std::pair<Term, Term>> split_on(const Term& list, const Term& x) {
  std::vector<Term> before;
  for (const Term* t = &list; t->is_cons(); t = &t->arg(2)) {
    if (engine::matches(x, t->head())) return std::make_pair(Term::list(before), t->arg(2));
    before.push_back(t->head());
  }
  return std::nullopt;
}

std::optional<Term> nth_member(const Term& list, int64_t n) {
  int64_t i = 1;
  for (const Term* t = &list; t->is_cons(); t = &t->arg(2), ++i) {
    if (i == n) return t->head();
  }
  return std::nullopt;
}

std::pair<Term, Term> unzip_pairs(const Term& list) {
  std::vector<Term> a, b;
  for (const Term& e : items(list)) {
    const std::vector<Term> v = items(e);
    if (v.size() < 2) continue;
    a.push_back(v[0]);
    b.push_back(v[1]);
  }
  return {Term::list(a), Term::list(b)};
}

std::tuple<Term, Term, Term> unzip_triples(const Term& list) {
  std::vector<Term> a, b, c;
  for (const Term& e : items(list)) {
    const std::vector<Term> v = items(e);
    if (v.size() < 3) continue;
    a.push_back(v[0]);
    b.push_back(v[1]);
    c.push_back(v[2]);
  }
  return {Term::list(a), Term::list(b), Term::list(c)};
}

Term max_of(const Term& a, const Term& b) { return a.as_number() > b.as_number() ? a : b; }

std::optional<Term> drop_first_char(const Term& text) {
  if ((!text.is_atom() && !text.is_string()) || text.text().empty()) return std::nullopt;
  return str(std::string_view(text.text()).substr(1));
}

namespace {

std::optional<Term> negate_if_negative(const Term& n) {
  if (n.is_int() && n.as_int() < 0) return Term::integer(-n.as_int());
  if (n.is_real() && n.as_real() < 0) return Term::real(-n.as_real());
  return std::nullopt;
}

}  // namespace

std::optional<Term> neg_to_abs(const Term& n) { return negate_if_negative(n); }

ParenNumber paren_negative(const Term& n) {
  if (auto a = negate_if_negative(n)) return {*a, str("("), str(")")};
  return {n, atom(""), atom("")};
}

Term paren_negatives(const Term& list) {
  std::vector<Term> out;
  for (const Term& e : items(list)) out.push_back(negate_if_negative(e).value_or(e));
  return Term::list(out);
}

}  // namespace qn::logic
