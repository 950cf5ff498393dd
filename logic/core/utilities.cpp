#include "logic/core/utilities.h"

#include <algorithm>
#include <array>
#include <string>

#include "logic/core/host_interface.h"
#include "logic/core/spec_files.h"

namespace qn::logic {

using engine::Atom;
using engine::Term;

namespace {

Term var() { return Term::fresh_var(); }
Term fact(std::string_view name, std::vector<Term> args) {
  return Term::compound(name, std::move(args));
}
Term str(std::string_view s) { return Term::string(s); }
Term atom(std::string_view s) { return Term::atom(s); }
Term num(int64_t v) { return Term::integer(v); }

std::vector<Term> items(const Term& list) { return list.list_items(); }

// Type of the first token of a token list; -1 when there is none.
int64_t first_token_type(const Term& tokens) {
  if (!tokens.is_cons()) return -1;
  const Term& tok = tokens.head();
  if (!tok.is_compound() || tok.arity() < 2 || !tok.arg(2).is_int()) return -1;
  return tok.arg(2).as_int();
}

bool empty_text(const Term& t) { return (t.is_atom() || t.is_string()) && t.text().empty(); }

bool member(const Term& x, const std::vector<Term>& list) {
  return std::any_of(list.begin(), list.end(), [&](const Term& e) { return engine::matches(x, e); });
}

// The command lines: b_line_i(LineNo, Level, _, cmd, _, Tokens).
std::vector<Term> cmd_lines(const Run& run) {
  return run.facts().findall(fact("b_line_i", {var(), var(), var(), atom("cmd"), var(), var()}));
}

bool is_level(const Run& run, const Term& l) {
  return run.facts().exists(fact("struct_i", {l, var(), var(), var()}));
}

struct StdVar {
  const char* key;
  const char* name;
  const char* type;
  int length;
  const char* picture;  // nullptr: ''
  int x6;
};

constexpr StdVar kStandardVariables[] = {
    {"Err", "Qn_err", "int", 3, "ZZ9", 1},          {"Errmsg", "Qn_emsg", "char", 70, nullptr, 1},
    {"Qnoper", "Qn_ope", "char", 30, nullptr, 0},   {"Qndberr", "Qn_dbe", "int", 5, "ZZZZ9", 1},
    {"Qndbtxt", "Qn_dbt", "char", 255, nullptr, 0}, {"Qnerrtbl", "Qn_etb", "char", 30, nullptr, 0},
    {"Qnerropt", "Qn_eop", "int", 1, nullptr, 0},   {"Qncount", "Qn_cnt", "int", 9, nullptr, 0},
    {"Qnuserid", "Qn_usr", "char", 30, nullptr, 0}, {"Qnpasswrd", "Qn_pwd", "char", 30, nullptr, 0},
    {"Qndbname", "Qn_dbn", "char", 30, nullptr, 0}, {"Qndbsrv", "Qn_srv", "char", 30, nullptr, 0},
};

constexpr std::pair<int, const char*> kTypeCodes[] = {
    {4, "int"}, {5, "char"}, {6, "date"},  {7, "bits"},    {8, "vchar"},  {9, "pac"},
    {10, "zon"}, {11, "bin"}, {12, "dtime"}, {13, "svchar"}, {14, "bitstr"},
};

bool atom_in(const Term& t, std::initializer_list<std::string_view> names) {
  if (!t.is_atom()) return false;
  return std::find(names.begin(), names.end(), t.text()) != names.end();
}

// Element n (0-based) of a description list.
std::optional<Term> desc_item(const Term& desc, size_t n) {
  const std::vector<Term> d = items(desc);
  if (n >= d.size()) return std::nullopt;
  return d[n];
}

}  // namespace

// --- generation facts ----------------------------------------------------------------

std::optional<Term> get_model_num(const Run& run) {
  if (auto f = run.facts().first(fact("model_num_i", {var()}))) return f->arg(1);
  return std::nullopt;
}

std::optional<Term> get_parm_rule(const Run& run) {
  const Term rule = fact("rule", {Term::list({fact("a", {num(10), var()})}), var(), var(), var()});
  if (auto f = run.facts().first(fact("rule_i", {var(), rule}))) {
    return f->arg(2).arg(1).head().arg(2);
  }
  if (auto f = run.facts().first(fact("rule_i", {num(0), fact("parm", {var(), var()})}))) {
    return f->arg(2).arg(1);
  }
  return std::nullopt;
}

Term get_pgm_parms(const Run& run) { return get_parm_rule(run).value_or(Term::nil()); }

// --- attribute descriptions and types --------------------------------------------------

std::optional<Atom> attri_type_code(int64_t code) {
  for (const auto& [c, name] : kTypeCodes) {
    if (c == code) return Atom(name);
  }
  return std::nullopt;
}

std::optional<int64_t> attri_type_code(Atom type) {
  for (const auto& [c, name] : kTypeCodes) {
    if (type == name) return c;
  }
  return std::nullopt;
}

bool numeric_type(const Term& type) { return atom_in(type, {"int", "pac", "zon", "bin"}); }
bool fixchar_type(const Term& type) { return atom_in(type, {"char", "svchar", "bits"}); }
bool vchar_type(const Term& type) {
  return type == "vchar" || (type.is_cons() && type.head() == "vchar");
}

std::optional<Term> standard_variable(const Term& key) {
  if (!key.is_atom()) return std::nullopt;
  for (const StdVar& v : kStandardVariables) {
    if (key.text() != v.key) continue;
    return Term::list({atom(v.name), atom(v.type), num(v.length), num(0),
                       v.picture ? str(v.picture) : atom(""), num(v.x6), atom(""), atom(""),
                       num(0)});
  }
  return std::nullopt;
}

std::optional<Term> call_attri(const Run& run, const Term& att) {
  Term cur = att;
  std::vector<Term> seen;  // an is_i chain that comes back to itself has no description
  for (;;) {
    if (auto d = standard_variable(cur)) return d;
    if (auto f = run.facts().first(fact("attri_i", {cur, var()}))) return f->arg(2);
    auto is = run.facts().first(fact("is_i", {cur, Term::cons(fact("t", {var(), var()}), var())}));
    if (!is) return std::nullopt;
    seen.push_back(cur);
    cur = is->arg(2).head().arg(1);
    if (std::find(seen.begin(), seen.end(), cur) != seen.end()) return std::nullopt;
  }
}

std::optional<AttriType> get_attri_type(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) {
    const std::vector<Term> v = items(*d);
    if (v.size() < 4) return std::nullopt;
    return AttriType{v[1], v[2], v[3], v.size() > 4 ? v[4] : Term::nil()};
  }
  std::array<Term, 5> a{model, att, var(), var(), var()};
  if (!call_host(run, "i_attri_type", a) || !a[2].is_int()) return std::nullopt;
  auto type = attri_type_code(a[2].as_int());
  if (!type) return std::nullopt;
  return AttriType{Term::atom(*type), a[3], a[4], Term::nil()};
}

std::optional<AttriType> attri_type_pic(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) {
    const std::vector<Term> v = items(*d);
    if (v.size() < 5) return std::nullopt;
    return AttriType{v[1], v[2], v[3], v[4]};
  }
  auto t = get_attri_type(run, model, att);
  if (!t) return std::nullopt;
  auto pic = get_attri_pic(run, model, att);
  if (!pic) return std::nullopt;
  t->picture = *pic;
  return t;
}

std::optional<Term> get_attri_name(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) return desc_item(*d, 0);
  std::array<Term, 4> a{model, att, var(), var()};
  if (!call_host(run, "i_attri_name", a)) return std::nullopt;
  return a[2];
}

std::optional<Term> get_attri_pic(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) return desc_item(*d, 4);
  std::array<Term, 3> a{model, att, var()};
  if (!call_host(run, "i_attri_pic", a)) return std::nullopt;
  return a[2];
}

std::optional<Term> attri_pic(Run& run, const Term& att) {
  auto model = get_model_num(run);
  if (!model) return std::nullopt;
  return get_attri_pic(run, *model, att);
}

std::optional<Term> var_dim(const Run& run, const Term& v) {
  if (auto f = run.facts().first(fact("rule_i", {var(), fact("dim", {v, var()})}))) {
    return f->arg(2).arg(2);
  }
  return std::nullopt;
}

std::optional<Term> attri_name_or_self(const Run& run, const Term& att) {
  if (auto f = run.facts().first(fact("attri_i", {att, Term::cons(var(), var())}))) {
    return f->arg(2).head();
  }
  if (!att.is_number()) return att;
  return std::nullopt;
}

std::optional<Term> ext_attri_name(Run& run, const Term& att, const Term& obj) {
  if (auto f = run.facts().first(fact("map_i", {obj, atom("a"), att, Term::cons(var(), var())}))) {
    return f->arg(4).head();
  }
  if (auto n = attri_name_or_self(run, att)) return n;
  auto model = get_model_num(run);
  if (!model || !model->is_int()) return std::nullopt;
  const auto pairs = model_num_pair(run, model->as_int());
  if (pairs.empty()) return std::nullopt;
  std::array<Term, 4> a{num(pairs.front().first), att, var(), var()};
  if (!call_host(run, "i_attri_name", a)) return std::nullopt;
  return a[2];
}

Term mapped_i_name(const Run& run, const Term& name, const Term& obj) {
  if (auto f = run.facts().first(fact("map_i", {obj, atom("i"), name, Term::cons(var(), var())}))) {
    return f->arg(4).head();
  }
  return name;
}

// --- lists ---------------------------------------------------------------------------------

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

// --- tokens and command lines ----------------------------------------------------------------

std::optional<Term> is_as_tok(const Term& token) {
  if (token.is_compound() && token.functor() == "t" && token.arity() == 2 && token.arg(2).is_int() &&
      token.arg(2).as_int() == 2) {
    return token.arg(1);
  }
  return std::nullopt;
}

std::optional<Term> is_as_or_var_tok(const Term& token) {
  if (token.is_compound() && token.functor() == "t" && token.arity() == 2 && token.arg(2).is_int() &&
      (token.arg(2).as_int() == 2 || token.arg(2).as_int() == 23)) {
    return token.arg(1);
  }
  return std::nullopt;
}

std::optional<TokensToClose> tokens_to_close(const Run& run, const Term& tokens, int64_t depth) {
  std::vector<Term> taken;
  for (const Term* t = &tokens; t->is_cons(); t = &t->arg(2)) {
    const Term& tok = t->head();
    const int64_t type =
        tok.is_compound() && tok.arity() >= 2 && tok.arg(2).is_int() ? tok.arg(2).as_int() : -1;
    if ((type == 4 && depth == 0) || (type == 7 && depth == 0)) {
      return TokensToClose{depth, Term::list(taken), t->arg(2), tok};
    }
    if (type == 4) {
      --depth;
    } else if (type == 0 || type == 1 || (type == 23 && var_dim(run, tok.arg(1)))) {
      ++depth;
    }
    taken.push_back(tok);
  }
  return std::nullopt;
}

Term drop_tok_positions(const Term& tokens) {
  std::vector<Term> out;
  for (const Term& tok : items(tokens)) {
    if (!tok.is_compound() || tok.functor() != "t" || tok.arity() < 2) {
      out.push_back(tok);
      continue;
    }
    Term value = tok.arg(1);
    const Term& type = tok.arg(2);
    if (type.is_int() && (type.as_int() == 29 || type.as_int() == 31)) {
      value = drop_tok_positions(value);
    }
    out.push_back(fact("t", {value, type}));
  }
  return Term::list(out);
}

std::optional<Term> next_cmd_line(const Run& run, int64_t type, int64_t after) {
  for (const Term& f : cmd_lines(run)) {
    if (!f.arg(1).is_int() || f.arg(1).as_int() <= after) continue;
    if (first_token_type(f.arg(6)) != type) continue;
    if (!empty_text(f.arg(6).head().arg(1))) continue;
    return f.arg(1);
  }
  return std::nullopt;
}

std::optional<std::pair<int64_t, int64_t>> sub_block_lines(const Run& run, const Term& sub) {
  const std::vector<Term> lines = cmd_lines(run);
  std::optional<int64_t> start;
  for (const Term& f : lines) {
    const std::vector<Term> toks = items(f.arg(6));
    if (f.arg(1).is_int() && first_token_type(f.arg(6)) == 146 && toks.size() >= 2 &&
        toks[1].is_compound() && toks[1].arity() >= 1 && engine::matches(sub, toks[1].arg(1))) {
      start = f.arg(1).as_int();
      break;
    }
  }
  if (!start) return std::nullopt;
  std::optional<int64_t> end;
  for (const Term& f : lines) {
    if (!f.arg(1).is_int() || f.arg(1).as_int() <= *start || first_token_type(f.arg(6)) != 147) {
      continue;
    }
    if (!end || f.arg(1).as_int() < *end) end = f.arg(1).as_int();
  }
  if (!end) return std::nullopt;
  return std::make_pair(*start, *end);
}

std::vector<std::pair<int64_t, Term>> cmd_in_sub(const Run& run, int64_t type, const Term& sub) {
  std::vector<std::pair<int64_t, Term>> out;
  const auto block = sub_block_lines(run, sub);
  if (!block) return out;
  for (const Term& f : cmd_lines(run)) {
    if (!f.arg(1).is_int()) continue;
    const int64_t n = f.arg(1).as_int();
    if (n > block->first && n < block->second && first_token_type(f.arg(6)) == type) {
      out.emplace_back(n, f.arg(6));
    }
  }
  return out;
}

// --- levels ------------------------------------------------------------------------------------

Term first_level(const Run& run) {
  std::optional<Term> best;
  for (const Term& f : run.facts().clauses("struct_i", 4)) {
    if (is_level(run, f.arg(2))) continue;
    if (!best || engine::compare(f.arg(1), *best) < 0) best = f.arg(1);
  }
  return best.value_or(num(0));
}

namespace {

std::vector<Term> main_levels(const Run& run, bool parent_test) {
  std::vector<Term> out;
  for (const Term& f : run.facts().clauses("sf_break_i", 2)) {
    const Term& level = f.arg(1);
    if (!run.facts().exists(fact("lit_i", {var(), var(), fact("s", {f.arg(2)}), var()}))) continue;
    if (parent_test) {
      auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
      if (s && is_level(run, s->arg(2))) continue;
    }
    out.push_back(level);
  }
  if (!out.empty()) return out;
  for (const Term& f : run.facts().findall(fact("struct_i", {var(), num(1), var(), var()}))) {
    const Term& level = f.arg(1);
    if (run.facts().exists(fact("b_group_i", {var(), level, var(), var(), var(), var()}))) continue;
    if (run.facts().exists(fact("sf_break_i", {level, var()}))) continue;
    out.push_back(level);
  }
  return out;
}

}  // namespace

std::vector<Term> main_lvls(const Run& run) { return main_levels(run, true); }

std::vector<Term> sfl_or_main_lvl(const Run& run) { return main_levels(run, false); }

std::vector<Term> level_t_att(const Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& f :
       run.facts().findall(fact("a_i", {var(), level, atom("t"), var(), var(), var()}))) {
    out.push_back(f.arg(1));
  }
  out.push_back(Term::nil());
  return out;
}

Term add_end_i_conds(const Run& run, const Term& level, const Term& conds) {
  auto end = run.facts().first(fact("end_i", {level, num(0), num(0), Term::cons(var(), var())}));
  if (!end) return conds;
  std::vector<Term> start_items;
  if (auto start =
          run.facts().first(fact("start_i", {level, num(0), num(0), Term::cons(var(), var())}))) {
    start_items = items(start->arg(4).head());
  }
  std::vector<Term> out = items(conds);
  for (const Term& x : items(end->arg(4).head())) {
    if (member(x, start_items)) continue;
    const Term c = fact("c", {x, Term::nil()});
    if (std::find(out.begin(), out.end(), c) != out.end()) continue;
    out.push_back(c);
  }
  return Term::list(out);
}

}  // namespace qn::logic
