#include "engine/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/clause_io.h"
#include "platform/cp1252.h"

namespace qn::engine {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> text_of(const Term& t) {
  if (t.is_atom() || t.is_string()) return t.text();
  if (t.is_number()) return write(t);
  return std::nullopt;
}

std::optional<Term> concat(const Term& list) {
  std::string out;
  const Term* cur = &list;
  while (cur->is_cons()) {
    auto piece = text_of(cur->arg(1));
    if (!piece) return std::nullopt;
    out += *piece;
    cur = &cur->arg(2);
  }
  if (!cur->is_nil()) return std::nullopt;
  return Term::string(out);
}

std::optional<Term> concat(const Term& a, const Term& b) {
  auto x = text_of(a);
  auto y = text_of(b);
  if (!x || !y) return std::nullopt;
  return Term::string(*x + *y);
}

std::string int_text(int64_t value) { return std::to_string(value); }

std::optional<int64_t> text_int(std::string_view text) {
  std::string_view s = trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  int64_t v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<std::string> float_text(double value, const Term& format) {
  char buf[512];
  auto digits = [&](int& n) {
    if (!format.is_compound() || format.arity() != 1 || !format.arg(1).is_int()) return false;
    int64_t d = format.arg(1).as_int();
    if (d < 0 || d > 60) return false;
    n = static_cast<int>(d);
    return true;
  };
  if (format == "general") return write(Term::real(value));
  int n = 0;
  if (!digits(n)) return std::nullopt;
  const std::string& f = format.functor().name();
  int len;
  if (f == "fixed") {
    if (std::fabs(value) >= 1e100) return std::nullopt;
    len = std::snprintf(buf, sizeof buf, "%.*f", n, value);
  } else if (f == "scientific") {
    len = std::snprintf(buf, sizeof buf, "%.*e", n, value);
  } else if (f == "general") {
    len = std::snprintf(buf, sizeof buf, "%.*g", n == 0 ? 1 : n, value);
  } else {
    return std::nullopt;
  }
  if (len < 0 || static_cast<size_t>(len) >= sizeof buf) return std::nullopt;
  return std::string(buf, static_cast<size_t>(len));
}

std::optional<double> text_float(std::string_view text) {
  std::string_view s = trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  double v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

int64_t string_length(std::string_view s) { return static_cast<int64_t>(s.size()); }
std::string string_lower(std::string_view s) { return platform::lower_1252(s); }
std::string string_upper(std::string_view s) { return platform::upper_1252(s); }

std::optional<std::string> substring(std::string_view s, int64_t start, int64_t length) {
  int64_t size = static_cast<int64_t>(s.size());
  if (start < 0 || length < 0 || start > size || length > size - start) return std::nullopt;
  return std::string(s.substr(static_cast<size_t>(start), static_cast<size_t>(length)));
}

std::optional<int> nth_char(int64_t n, std::string_view s) {
  if (n < 0 || n >= static_cast<int64_t>(s.size())) return std::nullopt;
  return static_cast<unsigned char>(s[static_cast<size_t>(n)]);
}

std::optional<int64_t> string_search(std::string_view sub, std::string_view s, int64_t from) {
  if (from < 0 || from > static_cast<int64_t>(s.size())) return std::nullopt;
  size_t p = s.find(sub, static_cast<size_t>(from));
  if (p == std::string_view::npos) return std::nullopt;
  return static_cast<int64_t>(p);
}

Term atom_string(const Term& atom) { return Term::string(atom.text()); }

std::optional<Term> string_atom(const Term& text) {
  if (!text.is_string() && !text.is_atom()) return std::nullopt;
  return Term::atom(text.text());
}

std::optional<Term> name_codes(const Term& atomic) {
  auto s = text_of(atomic);
  if (!s || atomic.is_string()) return std::nullopt;
  return text_list(*s);
}

std::optional<Term> name_from_codes(const Term& codes) {
  std::string s;
  const Term* cur = &codes;
  while (cur->is_cons()) {
    const Term& c = cur->arg(1);
    if (!c.is_int() || c.as_int() < 0 || c.as_int() > 255) return std::nullopt;
    s.push_back(static_cast<char>(c.as_int()));
    cur = &cur->arg(2);
  }
  if (!cur->is_nil()) return std::nullopt;
  // A text that reads as a number gives the number.
  if (!s.empty() && trim(s).size() == s.size()) {
    auto t = parse_term(s);
    if (t && t->is_number()) return t;
  }
  return Term::atom(s);
}

std::optional<Term> list_text(const Term& list) {
  std::string out;
  const Term* cur = &list;
  while (cur->is_cons()) {
    const Term& e = cur->arg(1);
    if (e.is_int()) {
      if (e.as_int() < 0 || e.as_int() > 255) return std::nullopt;
      out.push_back(static_cast<char>(e.as_int()));
    } else if (auto piece = text_of(e)) {
      out += *piece;
    } else {
      return std::nullopt;
    }
    cur = &cur->arg(2);
  }
  if (!cur->is_nil()) return std::nullopt;
  return Term::string(out);
}

Term text_list(std::string_view text) {
  std::vector<Term> codes;
  codes.reserve(text.size());
  for (char c : text) codes.push_back(Term::integer(static_cast<unsigned char>(c)));
  return Term::list(codes);
}

std::optional<Term> string_term(std::string_view text) { return parse_term(text); }
std::string term_string(const Term& t) { return write(t); }
std::string term_stringq(const Term& t) { return writeq(t); }

}  // namespace qn::engine
