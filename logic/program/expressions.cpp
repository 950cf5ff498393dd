#include "logic/program/expressions.h"

#include <cctype>
#include <functional>
#include <iterator>
#include <utility>

#include "logic/core/attributes.h"
#include "logic/core/emit.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/state_file.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/java_functions.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/navigation/table_access.h"
#include "logic/program/debug_checks.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/pictures.h"
#include "logic/web/static_urls.h"
#include "logic/program/type_adapter.h"
#include "logic/sql/cursors.h"
#include "logic/sql/level_join.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;
using Toks = std::vector<Term>;

namespace {

int64_t kind_of(const Term& tok) {
  return tok.is_compound() && tok.arity() >= 2 && tok.arg(2).is_int() ? tok.arg(2).as_int() : -1;
}
std::string text_tok(const Term& tok) {
  return tok.is_compound() && tok.arity() >= 1 ? text_of(tok.arg(1)) : text_of(tok);
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string tokens_listed(const Toks& toks) {
  std::string s;
  for (const Term& t : toks) s += "t( " + text_tok(t) + ", " + std::to_string(kind_of(t)) + ") ";
  return s;
}

std::optional<int64_t> arr_base(Run& run, const Term& v) {
  if (auto f = run.facts().first(fact("rule_i", {var(), fact("arrbase", {v, var()})}))) {
    auto items = f->arg(2).arg(2).list_items();
    if (!items.empty() && items[0].is_int()) return items[0].as_int();
  }
  return std::nullopt;
}

// One default argument: the value at a position, or none.
using DefaultFn = std::function<std::optional<JavaText>(Run&, const OptType& first)>;
struct DefaultArg {
  std::vector<const char*> keys;
  std::vector<std::pair<int, DefaultFn>> positions;
};

JavaText jnum(int64_t n) { return {{std::to_string(n)}, type_desc("int", 9)}; }
JavaText jstr(std::string_view s) {
  return {{java_quoted(s)}, type_desc("char", int64_t(s.size()))};
}
DefaultFn fixed(JavaText t) {
  return [t](Run&, const OptType&) -> std::optional<JavaText> { return t; };
}

std::optional<JavaText> date_code_default(Run& run, const OptType& first) {
  auto code = typed::date_format_code(run, first && first->type == "date" ? first->length : 8);
  if (!code) return std::nullopt;
  return jnum(*code);
}
std::optional<JavaText> ctod_default(Run& run, const OptType&) {
  auto code = typed::ctod_date_fmt(run);
  if (!code) return std::nullopt;
  return jnum(*code);
}
// 12-hour time: the option time_fmt 12, or an English model when it is
// neither 12 nor 24.
std::optional<JavaText> twelve_hours_default(Run& run, const OptType&) {
  auto fmt = pgm_prop_value(run, "time_fmt");
  if (fmt && *fmt == "12") return jnum(1);
  if (fmt && *fmt == "24") return jnum(0);
  auto idiom = run.facts().first(fact("idiom", {var()}));
  return jnum(!idiom || text_of(idiom->arg(1)) == "eng" ? 1 : 0);
}
std::optional<JavaText> dbms_default(Run& run, const OptType&) {
  auto name = typed::dbms_name(run);
  if (!name) return std::nullopt;
  return jstr(*name);
}
// The ctod order coded for ttoc(: ANSI 0, YMD 1, MDY 2, DMY 3, else 2 (the
// ctod codes are ANSI 0, MDY 1, DMY 2, MDY4 3, DMY4 4, YMD 5, Y4MD 6).
std::optional<JavaText> ttoc_order_default(Run& run, const OptType&) {
  auto code = typed::ctod_date_fmt(run);
  return jnum(!code ? 2 : *code == 0 ? 0 : *code == 5 ? 1 : *code == 1 ? 2 : *code == 2 ? 3 : 2);
}
// The model's date order for ttocl(: YMD 1, DMY 3, else 2.
std::optional<JavaText> ttocl_order_default(Run& run, const OptType&) {
  auto code = typed::ctod_date_fmt(run);
  return jnum(code && (*code == 5 || *code == 6) ? 1 : code && (*code == 2 || *code == 4) ? 3 : 2);
}
std::optional<JavaText> ttoc_length(Run&, const OptType& f) {
  return jnum(f && f->type == "dtime" ? f->length : 10);
}
std::optional<JavaText> ttoc_decimals(Run&, const OptType& f) {
  return jnum(f && f->type == "dtime" ? f->decimals : 8);
}
std::optional<JavaText> dtocl_code(Run& run, const OptType& f) {
  return date_code_default(run, f && f->type == "date" ? f : OptType{});
}
const JavaText kContext{{"context"}, type_desc("int", 9)};
const JavaText kRemote{{"remoteHandle"}, type_desc("int", 9)};

const std::vector<DefaultArg>& default_rows() {
  static const std::vector<DefaultArg> rows = {
      {{"shell("}, {{2, fixed(jnum(0))}}},
      {{"concat("}, {{3, fixed(jstr(""))}}},
      {{"str("}, {{2, fixed(jnum(10))}, {3, fixed(jnum(0))}}},
      {{"age("},
       {{2,
         [](Run& run, const OptType&) { return fn_token_to_java(run, "now(", Term::nil(), {}); }}}},
      {{"ctodl(", "testcdate(", "testcdt(", "ctotl("}, {{2, date_code_default}}},
      {{"ctod(", "ctot("}, {{2, ctod_default}}},
      {{"padr(", "padl("}, {{3, fixed(jstr(" "))}}},
      {{"cmonth(", "cdow("},
       {{2,
         [](Run& run, const OptType&) -> std::optional<JavaText> {
           auto idiom = run.facts().first(fact("idiom", {var()}));
           return jstr(idiom ? text_of(idiom->arg(1)) : "eng");
         }}}},
      {{"ttoc("},
       {{2, ttoc_length},
        {3, ttoc_decimals},
        {4, fixed(jnum(0))},
        {5, ttoc_order_default},
        {6, fixed(jstr("/"))},
        {7, fixed(jstr(":"))},
        {8, fixed(jstr(" "))}}},
      {{"ttocl("},
       {{2, ttoc_length},
        {3, ttoc_decimals},
        {4, twelve_hours_default},
        {5, ttocl_order_default},
        {6, fixed(jstr("/"))},
        {7, fixed(jstr(":"))},
        {8, fixed(jstr(" "))}}},
      {{"dtoc("}, {{2, ctod_default}, {3, fixed(jstr("/"))}}},
      {{"dtocl("}, {{2, dtocl_code}, {3, fixed(jstr("/"))}}},
      {{"testcdt("}, {{3, twelve_hours_default}}},
      {{"dfrgtxt(", "dfwptxt("},
       {{2,
         [](Run&, const OptType& f) -> std::optional<JavaText> {
           return jnum(f ? f->length : 0);
         }}}},
      {{"dfwpnum("},
       {{2,
         [](Run&, const OptType& f) -> std::optional<JavaText> {
           return jnum(f ? f->decimals : 0);
         }}}},
      {{"dfwpdate(", "dfrgdate(", "dfrpdate("}, {{2, fixed(jstr("ymd"))}, {3, fixed(jstr("-"))}}},
      {{"dfropen("}, {{2, fixed(jnum(1024))}, {3, fixed(jstr(","))}, {4, fixed(jstr("\""))}}},
      {{"dfwopen("}, {{2, fixed(jstr(","))}, {3, fixed(jstr("\""))}}},
      {{"qnmsend("}, {{7, fixed(jnum(1))}}},
      {{"qnmloginsmtp("}, {{4, fixed(jstr(""))}, {5, fixed(jstr(""))}, {6, fixed(jnum(30))}}},
      {{"qnmloginpop3("}, {{4, fixed(jnum(1))}, {5, fixed(jnum(1))}, {6, fixed(jnum(30))}}},
      {{"userid("}, {{2, fixed(kContext)}, {3, fixed(kRemote)}, {4, dbms_default}}},
      {{"servertime(", "servernow(", "serverdate("},
       {{1, fixed(kContext)}, {2, fixed(kRemote)}, {3, dbms_default}}},
  };
  return rows;
}

}  // namespace

// --- small tables ---------------------------------------------------------------

size_t function_default_rows() { return default_rows().size(); }

std::optional<JavaText> function_default_arg(Run& run, std::string_view fn, int position,
                                             const OptType& first) {
  for (const DefaultArg& d : default_rows()) {
    for (const char* k : d.keys) {
      if (fn != k) continue;
      for (const auto& [at, value] : d.positions) {
        if (at == position) return value(run, first);
      }
    }
  }
  return std::nullopt;
}

std::string java_operator(int64_t kind, std::string_view op) {
  if (kind == kTokNot && (op == ".NOT." || op == "NOT")) return "!";
  if (kind == kTokLogical && (op == ".AND." || op == "AND")) return "&&";
  if (kind == kTokLogical && (op == ".OR." || op == "OR")) return "||";
  if (kind == kTokCompare && op == "=") return "==";
  if (kind == kTokCompare && op == "<>") return "!=";
  if (kind == kTokCompare && op == ".LIKE.") return "like";
  return std::string(op);
}

std::string escape_quotes(std::string_view text) {
  if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') &&
      text.back() == text.front()) {
    return java_quoted(text.substr(1, text.size() - 2));
  }
  return std::string(text);
}

JavaText literal_to_java(Run&, const Term& constant) {
  if (constant.is_int()) {
    const int64_t v = constant.as_int();
    const std::string digits = std::to_string(v < 0 ? -v : v);
    const bool big = digits.size() > 9;
    return {{(v < 0 ? "-" : "") + digits + (big ? "L" : "")},
            type_desc("int", big ? int64_t(digits.size()) : 9)};
  }
  if (constant.is_real()) {
    std::string s = engine::write(constant);
    return {{s}, type_desc("int", 19, 2)};
  }
  const std::string text = text_of(constant);
  if (text.rfind("0b", 0) == 0) return {{"'" + text.substr(2) + "'"}, type_desc("byte", 1)};
  if (text.rfind("0x", 0) == 0) {
    auto cast = typed::cast_expr(type_desc("int", 9, 0, 1), text);
    return {{cast ? *cast : text}, type_desc("int", 10, 0, 1)};
  }
  if (all_digits(text)) {
    std::string d = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (d.empty()) d = "0";
    if (d.size() > 9) return {{d + "L"}, type_desc("int", int64_t(d.size()))};
    return {{d}, type_desc("int", 9)};
  }
  const size_t dot = text.find('.');
  if (dot != std::string::npos && text.find('.', dot + 1) == std::string::npos &&
      (dot == 0 || all_digits(text.substr(0, dot))) && all_digits(text.substr(dot + 1))) {
    return {{number_literal_text(text, type_desc("int", 19, 2))}, type_desc("int", 19, 2)};
  }
  if (!text.empty() && (text.front() == '\'' || text.front() == '"')) {
    return {{escape_quotes(text)},
            type_desc("char", int64_t(text.size() >= 2 ? text.size() - 2 : 0))};
  }
  if (auto std_const = typed::std_null_var(text)) return {{std_const->java}, std_const->type};
  return {{text}, std::nullopt};
}

std::optional<std::string> control_type_prefix(std::string_view t) {
  static const std::pair<const char*, const char*> rows[] = {
      {"listbx", "lst"},       {"dynlistbx", "dlt"}, {"rect", "rct"},   {"label", "lbl"},
      {"button", "btt"},       {"radio", "rad"},     {"edit", "edt"},   {"combo", "cmb"},
      {"dyncombo", "dyn"},     {"checkbox", "chk"},  {"bitmap", "img"}, {"subfile", "sub"},
      {"tabcontrol", "tctrl"}, {"tabpage", "tpage"}};
  for (const auto& [type, prefix] : rows) {
    if (t == type) return prefix;
  }
  return std::nullopt;
}

void reset_exp_state(Run& run) {
  run.facts().abolish("var_used_i", 1);
  run.facts().abolish("retchar_return_i", 1);
}

OptType var_type(Run& run, const Term& name) {
  // [Name, Type, Length, Decimals | _], read in place: no copy of the list.
  auto from_desc = [](const Term& d) -> OptType {
    const Term* a[4];
    const Term* at = &d;
    for (const Term*& item : a) {
      if (!at->is_cons()) return std::nullopt;
      item = &at->head();
      at = &at->tail();
    }
    // An object's type obj(Class), as the declarations give it.
    if (a[1]->is_compound() && a[1]->functor() == "obj" && a[1]->arity() == 1)
      return obj_type(text_of(a[1]->arg(1)));
    if (!a[1]->is_atom()) return std::nullopt;
    return TypeDesc{a[1]->text(), "", a[2]->is_int() ? a[2]->as_int() : 0,
                    a[3]->is_int() ? a[3]->as_int() : 0, 1};
  };
  // The usual case first: a described name (as call_attri/2 finds it).
  static const engine::Atom kAttri("attri_i");
  if (!standard_variable(name)) {
    if (auto f = run.facts().first(Term::compound(kAttri, {name, var()})))
      return from_desc(f->arg(2));
  }
  if (auto d = call_attri(run, name)) return from_desc(*d);
  // A variable may be described without its "&".
  const std::string text = text_of(name);
  const Term stripped = text.size() > 1 && text.front() == '&' ? Term::atom(text.substr(1)) : name;
  if (!(stripped == name)) {
    if (auto d = call_attri(run, stripped)) return from_desc(*d);
  }
  if (auto model = get_model_num(run)) {
    for (const Term& n : {name, stripped}) {
      if (auto t = get_attri_type(run, *model, n); t && t->type.is_atom()) {
        return TypeDesc{t->type.text(), "", t->length.is_int() ? t->length.as_int() : 0,
                        t->decimals.is_int() ? t->decimals.as_int() : 0, 1};
      }
    }
  }
  return std::nullopt;
}

bool http_main_pgm(Run& run) {
  return is_main_pgm(run) && pgm_prop_is(run, "CALL_PROTOCOL", "HTTP");
}
bool remote_procedure(Run& run) { return remote_entry_needed(run); }
std::optional<std::string> subfile_element_ref(Run& run, const Term& name) {
  return subfile_element_var_ref(run, name);
}

std::optional<std::string> translate_var_token(Run& run, const Term& token) {
  // An is_i/2 chain that names itself again would never end.
  static thread_local int depth = 0;
  if (depth > 8) return std::nullopt;
  ++depth;
  auto x = exp_to_java(run, Term::list({token}), {});
  --depth;
  if (!x || x->pieces.size() != 1) return std::nullopt;
  return x->pieces.front();
}
std::optional<std::string> att_ref_name(Run& run, const Term& att, const Term& table,
                                        std::string_view separator) {
  // An entry without a table names a standard variable.
  if (table.is_nil() || (table.is_int() && table.as_int() == 0)) {
    auto desc = call_attri(run, att);
    if (!desc || !desc->is_cons()) return std::nullopt;
    return text_of(desc->head());
  }
  return sql_aname(run, table, att, separator);
}

// --- the parser -----------------------------------------------------------------

namespace {

// var_dim/2: it runs for every variable token.
bool has_dims(Run& run, const Term& v) { return var_dim(run, v).has_value(); }

// A dimensioned variable followed by its subscripts opens a subscript list
// that a ")" closes. Followed by nothing, or by what no operand starts with
// (")", ",", an operator), it stands for the whole array.
bool opens_subscripts(Run& run, const Toks& t, size_t at) {
  if (kind_of(t[at]) != kTokVariable || at + 1 >= t.size()) return false;
  switch (kind_of(t[at + 1])) {
    case kTokClose:
    case kTokComma:
    case kTokAddOp:
    case kTokMulOp:
    case kTokLogical:
    case kTokCompare:
      return false;
    default:
      return has_dims(run, t[at].arg(1));
  }
}

class Parser {
 public:
  Parser(Run& run, const Toks& toks, const ExprCtx& ctx) : run_(run), t_(toks), ctx_(ctx) {}

  std::optional<JavaText> whole() {
    auto e = logical();
    if (!e || pos_ != t_.size()) return std::nullopt;
    return e;
  }

 private:
  bool at(int64_t kind) const { return pos_ < t_.size() && kind_of(t_[pos_]) == kind; }
  std::string text() const { return text_tok(t_[pos_]); }

  static JavaText truth(JavaText x) {
    if (is_numeric(x.type)) {
      std::vector<std::string> p{"("};
      p.insert(p.end(), x.pieces.begin(), x.pieces.end());
      p.insert(p.end(), {"!=", "0", ")"});
      return {p, type_desc("boolean", 1)};
    }
    return x;
  }

  // An operand of AND / OR: NOT prefixes a comparison-level operand.
  std::optional<JavaText> logical_operand() {
    if (at(kTokNot)) {
      const std::string op = java_operator(kTokNot, text());
      ++pos_;
      auto x = logical_operand();
      if (!x) return std::nullopt;
      JavaText y = truth(*x);
      std::vector<std::string> p{op + "("};
      p.insert(p.end(), y.pieces.begin(), y.pieces.end());
      p.push_back(")");
      return JavaText{p, type_desc("boolean", 1)};
    }
    return comparison();
  }

  std::optional<JavaText> logical() {
    auto left = logical_operand();
    if (!left) return std::nullopt;
    while (at(kTokLogical)) {
      const std::string op = java_operator(kTokLogical, text());
      ++pos_;
      auto right = logical_operand();
      if (!right) return std::nullopt;
      JavaText l = truth(std::move(*left)), r = truth(std::move(*right));
      l.pieces.push_back(op);
      l.pieces.insert(l.pieces.end(), std::make_move_iterator(r.pieces.begin()),
                      std::make_move_iterator(r.pieces.end()));
      l.type = type_desc("boolean", 1);
      left = std::move(l);
    }
    return left;
  }

  // A computed string operand goes to a temporary first.
  JavaText single(JavaText x) {
    if (!is_string(x.type) || x.pieces.size() <= 1) return x;
    auto tmp = typed::temp_var(run_, type_desc("char", x.type->length));
    if (!tmp) return x;
    Out(run_).pieces({*tmp, "=", join_pieces(x.pieces), ";"});
    return {{*tmp}, x.type};
  }

  std::optional<JavaText> comparison() {
    auto left = additive();
    if (!left) return std::nullopt;
    while (at(kTokCompare)) {
      const std::string op = java_operator(kTokCompare, text());
      ++pos_;
      auto right = additive();
      if (!right) return std::nullopt;
      JavaText l = single(std::move(*left)), r = single(std::move(*right));
      if (op == "like" && !is_string(l.type)) {
        // A number on the left of .LIKE. is compared as its text.
        const int64_t len = l.type ? l.type->length : 10, dec = l.type ? l.type->decimals : 0;
        auto s = call_with("str(", {l, jnum(len), jnum(dec)});
        if (s) l = *s;
      }
      const OptType type = merge_types(l.type, r.type);
      left = JavaText{java_compare_expr(type, l, op, r), type_desc("boolean", 1)};
    }
    return left;
  }

  std::optional<JavaText> binary(JavaText&& l, const std::string& op, const JavaText& r) {
    if (auto d = java_date_arith(run_, l, op, r)) return d;
    JavaText x = std::move(l);
    x.pieces.push_back(op);
    x.pieces.insert(x.pieces.end(), r.pieces.begin(), r.pieces.end());
    x.type = merge_types(x.type, r.type);
    return x;
  }

  std::optional<JavaText> additive() {
    auto left = multiplicative();
    if (!left) return std::nullopt;
    while (at(kTokAddOp)) {
      const std::string op = text();
      ++pos_;
      auto right = multiplicative();
      if (!right) return std::nullopt;
      left = binary(std::move(*left), op, *right);
    }
    return left;
  }

  std::optional<JavaText> multiplicative() {
    auto left = power();
    if (!left) return std::nullopt;
    while (at(kTokMulOp) && text() != "^") {
      const std::string op = text();
      ++pos_;
      auto right = power();
      if (!right) return std::nullopt;
      left = binary(std::move(*left), op, *right);
    }
    return left;
  }

  std::optional<JavaText> power() {
    auto left = unary();
    if (!left) return std::nullopt;
    if (at(kTokMulOp) && text() == "^") {
      ++pos_;
      auto right = power();
      if (!right) return std::nullopt;
      return binary(std::move(*left), "^", *right);
    }
    return left;
  }

  // A sign where an operand is expected: "-" is joined to the operand, "+"
  // dropped; a date or a text takes no sign.
  std::optional<JavaText> unary() {
    if (!at(kTokAddOp)) return primary();
    const std::string sign = text();
    ++pos_;
    auto x = unary();
    if (!x || is_date(x->type) || is_string(x->type)) return std::nullopt;
    if (sign == "+") return x;
    const std::string inner = join_pieces(x->pieces);
    return JavaText{{x->pieces.size() == 1 ? "-" + inner : "-(" + inner + ")"}, x->type};
  }

  // The tokens up to the ")" that closes the level just opened; pos_ ends
  // past that ")".
  std::optional<Toks> to_close() {
    int depth = 1;
    Toks inner;
    while (pos_ < t_.size()) {
      const size_t at = pos_++;
      const Term& tok = t_[at];
      const int64_t k = kind_of(tok);
      if (k == kTokClose && --depth == 0) return inner;
      if (k == kTokOpen || (k == kTokFunction && text_tok(tok).back() == '(') ||
          opens_subscripts(run_, t_, at))
        ++depth;
      inner.push_back(tok);
    }
    return std::nullopt;
  }

  std::optional<JavaText> primary() {
    if (pos_ >= t_.size()) return std::nullopt;
    const Term tok = t_[pos_];
    const int64_t k = kind_of(tok);
    if (k == kTokOpen) {
      ++pos_;
      auto inner = to_close();
      if (!inner) return std::nullopt;
      auto x = Parser(run_, *inner, ctx_).whole();
      if (!x) return std::nullopt;
      std::vector<std::string> p{"("};
      p.insert(p.end(), x->pieces.begin(), x->pieces.end());
      p.push_back(")");
      return JavaText{p, x->type};
    }
    if (k == kTokFunction) {
      ++pos_;
      const std::string name = text_tok(tok);
      Toks args;
      if (!name.empty() && name.back() == '(') {
        auto inner = to_close();
        if (!inner) return std::nullopt;
        args = *inner;
      }
      return fn_token_to_java(run_, name, Term::list(args), ctx_);
    }
    if (opens_subscripts(run_, t_, pos_)) {
      ++pos_;
      auto inner = to_close();
      if (!inner) return std::nullopt;
      return array_element(tok, *inner);
    }
    if (k == kTokClose || k == kTokAddOp || k == kTokMulOp || k == kTokComma || k == kTokNot ||
        k == kTokLogical || k == kTokCompare)
      return std::nullopt;
    ++pos_;
    return token_to_java(tok);
  }

  std::optional<JavaText> array_element(const Term& tok, const Toks& subs) {
    auto ref = typed::var_target_ref(run_, tok.arg(1));
    const std::string name = ref ? *ref : strip_ampersand(text_tok(tok));
    std::string s = name;
    auto base = arr_base(run_, tok.arg(1));
    const std::string offset = base && *base == 0 ? "" : "-" + std::to_string(base ? *base : 1);
    std::vector<std::string> subscripts;
    for (const Toks& sub : split_args(run_, subs)) {
      auto x = Parser(run_, sub, ctx_).whole();
      if (!x) return std::nullopt;
      subscripts.push_back(conv_to_type(type_desc("int", 9), x->type, join_pieces(x->pieces)));
      s += "[" + subscripts.back() + offset + "]";
    }
    // The subscripts checked against the dimensions, where the options ask.
    if (!offset.empty()) {
      std::vector<std::string> dims;
      if (auto d = var_dim(run_, tok.arg(1))) {
        for (const Term& n : d->is_list() ? d->list_items() : std::vector<Term>{*d})
          dims.push_back(n.is_int() ? std::to_string(n.as_int()) : text_of(n));
      }
      array_index_check(run_, dims, name, subscripts);
    }
    return JavaText{{s}, var_type(run_, tok.arg(1))};
  }

  std::optional<JavaText> token_to_java(const Term& tok) {
    const int64_t k = kind_of(tok);
    const std::string txt = text_tok(tok);
    if (k == kTokAttribute || k == kTokVariable) {
      if (auto ref = typed::var_target_ref(run_, tok.arg(1)))
        return JavaText{{*ref}, var_type(run_, tok.arg(1))};
      return JavaText{{txt}, std::nullopt};
    }
    if (k == kTokNested) {
      auto items = tok.arg(1).list_items();
      if (items.size() < 2) return std::nullopt;
      return gen_ctl_property(run_, items[0], items[1], "get");
    }
    if (k == kTokCtrlMethod) return ctl_method_expr(run_, tok.arg(1), ctx_);
    if (k == kTokConstant) return literal_to_java(run_, tok.arg(1));
    if (k == kTokLink) return JavaText{{java_quoted(txt)}, type_desc("char", 128)};
    return JavaText{{txt}, std::nullopt};
  }

  std::optional<JavaText> call_with(const char* fn, const std::vector<JavaText>& args);

 public:
  // The arguments of a list, split at its depth-0 "," (an array element's
  // subscripts are one level deeper).
  static std::vector<Toks> split_args(Run& run, const Toks& toks) {
    std::vector<Toks> out(1);
    int depth = 0;
    for (size_t at = 0; at < toks.size(); ++at) {
      const Term& tok = toks[at];
      const int64_t k = kind_of(tok);
      if (k == kTokComma && depth == 0) {
        out.emplace_back();
        continue;
      }
      if (k == kTokOpen || (k == kTokFunction && text_tok(tok).back() == '(') ||
          opens_subscripts(run, toks, at))
        ++depth;
      if (k == kTokClose) --depth;
      out.back().push_back(tok);
    }
    if (out.size() == 1 && out[0].empty()) out.clear();
    return out;
  }

 private:
  Run& run_;
  const Toks& t_;
  const ExprCtx& ctx_;
  size_t pos_ = 0;
};

// A function called with arguments already translated.
std::optional<JavaText> call_translated(Run& run, std::string_view fn,
                                        const std::vector<JavaText>& args);

std::optional<JavaText> Parser::call_with(const char* fn, const std::vector<JavaText>& args) {
  return call_translated(run_, fn, args);
}

std::optional<JavaText> translate_toks(Run& run, const Toks& toks, const ExprCtx& ctx) {
  return Parser(run, toks, ctx).whole();
}

std::vector<Toks> split(Run& run, const Term& args) {
  return Parser::split_args(run, args.list_items());
}

}  // namespace

std::vector<std::vector<Term>> split_arguments(Run& run, const Term& tokens) {
  return split(run, tokens);
}

namespace {

// Argument rules: an argument converted to its parameter's type.
std::string convert_arg(Run& run, const FnParm& parm, const JavaText& arg) {
  const OptType& pt = parm.type;
  const OptType& at = arg.type;
  std::string text = join_pieces(arg.pieces);
  if (is_fixed_string(pt) && is_numeric(at)) {
    auto s = call_translated(run, "str(", {arg, jnum(at->length), jnum(at->decimals)});
    if (s) return join_pieces(s->pieces);
  }
  if (pt && pt->type == "vchar" && is_fixed_string(at)) {
    if (auto tmp = typed::temp_var(run, type_desc("vchar", at->length))) {
      Out(run).pieces({*tmp, "=", text, ";"});
      return *tmp;
    }
  }
  if (is_string(pt) && is_string(at) && arg.pieces.size() > 1) {
    if (auto tmp = typed::temp_var(run, type_desc("char", at->length))) {
      Out(run).pieces({*tmp, "=", text, ";"});
      return *tmp;
    }
  }
  if (pt && at && pt->type == "dtime" && at->type == "date") {
    if (auto tmp = typed::temp_var(run, *pt)) {
      Out(run).pieces({*tmp, "=", text, ";"});
      return *tmp;
    }
  }
  if (pt && at && pt->type == "date" && at->type == "dtime")
    return "QNutil.resetTime(" + text + ")";
  // A number is cast to its parameter's Java type whenever the two differ,
  // widening too: the runtime's overloads are chosen by it. A by-reference
  // argument is the variable the method writes, never a cast.
  if (is_numeric(pt) && is_numeric(at) && !parm.by_ref) {
    const auto jp = typed::java_var_type(*pt), ja = typed::java_var_type(*at);
    if (jp && ja && *jp == *ja) return text;
    if (auto cast = typed::cast_expr(*pt, text)) return *cast;
  }
  return conv_to_type(pt, at, text);
}

std::string written_call(std::string_view java, const std::vector<std::string>& args) {
  std::string s = std::string(java) + "( ";
  for (size_t k = 0; k < args.size(); ++k) s += (k ? ", " : "") + args[k];
  return s + ")";
}

std::optional<JavaText> default_arg(Run& run, std::string_view fn, int position,
                                    const OptType& first) {
  return function_default_arg(run, fn, position, first);
}

// The call of a table function on its arguments: missing ones take their
// defaults, each is converted to its parameter's type; the table's
// parameters decide how many are written.
std::optional<JavaText> table_call(Run& run, std::string_view fn,
                                   const std::vector<std::optional<JavaText>>& args) {
  const OptType first = !args.empty() && args[0] ? args[0]->type : OptType{};
  auto row = java_function(run, fn, first);
  if (!row) return std::nullopt;
  if (row->xml) typed::declare_var(run, "xml", obj_type("XMLFunctions"), "s");
  std::vector<std::string> written;
  for (size_t p = 0; p < std::max(row->parms.size(), args.size()); ++p) {
    const bool given = p < args.size() && args[p];
    if (p >= row->parms.size()) {
      if (given) written.push_back(join_pieces(args[p]->pieces));
      continue;
    }
    const FnParm& parm = row->parms[p];
    std::optional<JavaText> value = given ? args[p] : default_arg(run, row->key, int(p + 1), first);
    if (given) {
      run.facts().assertz(
          fact("fn_parm_info_i", {str(fn), num(int64_t(p + 1)), type_term(args[p]->type)}));
    }
    if (!value) {
      written.push_back(empty_value(parm.type));
      continue;
    }
    written.push_back(convert_arg(run, parm, *value));
  }
  OptType result = row->result;
  static const char* char_result[] = {"trim(",  "ltrim(",   "rtrim(", "upper(",
                                      "lower(", "packstr(", "substr("};
  for (const char* k : char_result) {
    if (fn == k && first && is_string(first)) {
      result = type_desc("char", first->length);
      run.facts().assertz(fact("retchar_return_i", {type_term(result)}));
    }
  }
  return JavaText{{written_call(row->java, written)}, result};
}

std::optional<JavaText> call_translated(Run& run, std::string_view fn,
                                        const std::vector<JavaText>& args) {
  std::vector<std::optional<JavaText>> a(args.begin(), args.end());
  return table_call(run, fn, a);
}

std::optional<JavaText> wrap(std::string_view open, const JavaText& x, std::string_view close,
                             OptType type) {
  return JavaText{{std::string(open) + join_pieces(x.pieces) + std::string(close)}, type};
}

}  // namespace

std::optional<JavaText> exp_to_java(Run& run, const Term& tokens, const ExprCtx& ctx) {
  return translate_toks(run, tokens.list_items(), ctx);
}

// --- function calls -------------------------------------------------------------

namespace {

using Rule = std::function<std::optional<JavaText>(Run&, const std::string&,
                                                   const std::vector<Toks>&, const ExprCtx&)>;

std::optional<JavaText> arg(Run& run, const std::vector<Toks>& a, size_t k, const ExprCtx& ctx) {
  if (k >= a.size() || a[k].empty()) return std::nullopt;
  return translate_toks(run, a[k], ctx);
}

std::optional<JavaText> special_function(Run& run, const std::string& fn,
                                         const std::vector<Toks>& a, const ExprCtx& ctx) {
  if (fn == "ask(" && a.size() == 2) return JavaText{{""}, std::nullopt};
  if (fn == "qnmsg(" && !a.empty() && a[0].size() == 1) {
    std::string id = text_tok(a[0][0]);
    if (id.size() >= 2 && (id.front() == '\'' || id.front() == '"'))
      id = id.substr(1, id.size() - 2);
    std::string s = "localUtil.getMessages().getMessage(" + java_quoted(id);
    if (a.size() > 1) {
      std::string list;
      for (size_t k = 1; k < a.size(); ++k) {
        auto x = arg(run, a, k, ctx);
        if (!x) continue;
        list += (list.empty() ? "" : ",") + join_pieces(x->pieces);
      }
      s += ", new Object[] {" + list + "}";
    }
    return JavaText{{s + ")"}, type_desc("char", 80)};
  }
  if (fn == "cursor(" && a.size() == 1 && a[0].size() == 1) {
    if (auto aux = auxname(run, a[0][0].arg(1))) {
      return JavaText{{"QNCursor(" + java_quoted(*aux) + ")"}, type_desc("boolean", 1)};
    }
  }
  if (fn == "link(" && !a.empty() && (web_object(run) || pgm_kind(run) == "mbr")) {
    auto target = arg(run, a, 0, ctx);
    if (!target) return std::nullopt;
    std::string s =
        "formatLink(" +
        conv_to_type(type_desc("char", 254), target->type, join_pieces(target->pieces)) + ") ";
    for (size_t k = 1; k < a.size(); ++k) {
      auto x = arg(run, a, k, ctx);
      if (!x) return std::nullopt;
      const std::string v = join_pieces(x->pieces);
      const std::string t = x->type ? x->type->type : "";
      const std::string enc = t == "bits"          ? v
                              : is_string(x->type) ? "QNutil.rtrim(" + v + ")"
                              : t == "date"        ? "formatDateParm(" + v + ")"
                              : t == "dtime"       ? "formatDateTimeParm(" + v + ")"
                                                   : "\"\" +" + v;
      s += (k == 1 ? "+ \"?\" + " : " + \",\" + ") + std::string("java.net.URLEncoder.encode(") +
           enc + ")";
    }
    return JavaText{{s}, type_desc("char", 2048)};
  }
  return std::nullopt;
}

const std::vector<Rule>& fn_rules() {
  static const std::vector<Rule> rules = {
      // 1. link( of an object whose pages are static: the address of its
      // page's file, the page written first when it is missing.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "link(" || a.empty() || !web_object(run)) return std::nullopt;
        std::vector<Term> args;
        for (const Toks& x : a) args.push_back(Term::list(std::vector<Term>(x.begin(), x.end())));
        auto toks = static_link_tokens(run, args);
        if (!toks) return std::nullopt;
        return translate_toks(run, toks->list_items(), ctx);
      },
      // 2. First chance.
      special_function,
      // 3. toformattedstring( of an attribute or variable: its value
      // through its edit picture.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "toformattedstring(" || a.size() != 1 || a[0].size() != 1) return std::nullopt;
        const Term& t = a[0][0];
        if (!t.is_compound() || t.arity() < 2 ||
            !(t.arg(2) == num(kTokAttribute) || t.arg(2) == num(kTokVariable))) {
          return std::nullopt;
        }
        auto type = get_attri_type(run, get_model_num(run).value_or(num(0)), t.arg(1));
        if (!type) return std::nullopt;
        const Term triple = Term::list({type->type, type->length, type->decimals});
        return translate_toks(run, formatted_string_exp(run, t, triple).list_items(), ctx);
      },
      // 4. Functions without arguments.
      [](Run& run, const std::string& fn, const std::vector<Toks>&,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn == "true" || fn == "false") return JavaText{{fn}, type_desc("boolean", 1, 0, 1)};
        if (fn == "trn" || fn == "confirm") {
          return JavaText{{"true /* " + fn + " function */"}, type_desc("boolean", 1, 0, 1)};
        }
        const char* mode = fn == "insert"   ? "INS"
                           : fn == "update" ? "UPD"
                           : fn == "delete" ? "DLT"
                                            : nullptr;
        if (!mode) return std::nullopt;
        auto x = translate_toks(
            run,
            {fact("t", {atom("Mode"), num(kTokVariable)}), fact("t", {atom("="), num(kTokCompare)}),
             fact("t", {str(std::string("\"") + mode + "\""), num(kTokConstant)})},
            ctx);
        if (x) x->type = type_desc("boolean", 1, 0, 1);
        return x;
      },
      // 5. mod(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "mod(" || a.size() != 2) return std::nullopt;
        auto x = arg(run, a, 0, ctx), y = arg(run, a, 1, ctx);
        if (!x || !y) return std::nullopt;
        return JavaText{{"((" + join_pieces(x->pieces) + ") % (" + join_pieces(y->pieces) + "))"},
                        type_desc("int", 15)};
      },
      // 6. ex( of a select formula's number reads the auxiliary its routine
      // leaves the aggregate in.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx&) -> std::optional<JavaText> {
        if (fn != "ex(" || a.size() != 1 || a[0].size() != 1) return std::nullopt;
        const Term& n = a[0][0].is_compound() ? a[0][0].arg(1) : a[0][0];
        const Term number = n.is_int() ? n : all_digits(text_of(n)) ? num(std::stoll(text_of(n))) : n;
        auto f = run.facts().first(fact("function_i", {var(), number, atom("yes"), atom("select"),
                                                       var(), var(), var(), var(), var()}));
        if (!f) return std::nullopt;
        const Term counted = count_aux_name(f->arg(5), f->arg(8), f->arg(7)).first;
        std::string aux;
        if (auto known = run.facts().first(fact("p_auxname", {counted, var()}))) {
          aux = text_of(known->arg(2));
        } else if (auto made = gen_aux_name(run, counted, num(0), kAuxResult)) {
          aux = *made;
        } else {
          return std::nullopt;
        }
        OptType type = counted == "Qncount" ? OptType(type_desc("int", 9)) : var_type(run, counted);
        return JavaText{{aux}, type};
      },
      // 7. link( in a web panel or an HTTP main program.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "link(" || !web_object(run)) return std::nullopt;
        std::string s = "Qn_link(";
        for (size_t k = 0; k < a.size(); ++k) {
          auto x = arg(run, a, k, ctx);
          if (!x) return std::nullopt;
          std::string v = join_pieces(x->pieces);
          if (k == 0 && !is_string(x->type)) v = java_quoted(v);
          s += (k ? ", " : "") + v;
        }
        return JavaText{{s + ")"}, type_desc("char", 2048)};
      },
      // 8. old( seudo( previous( of an attribute: the auxiliary that keeps
      // the earlier value, declared with the attribute's type; ByRef( of a
      // variable is its bare reference.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (a.size() != 1 || a[0].size() != 1) return std::nullopt;
        if (fn == "ByRef(") return arg(run, a, 0, ctx);
        int64_t type = 0;
        if (fn == "old(") type = kAuxOld;
        if (fn == "seudo(") type = kAuxPseudo;
        if (fn == "previous(") type = kAuxPrevious;
        if (!type) return std::nullopt;
        const Term att = a[0][0].is_compound() ? a[0][0].arg(1) : a[0][0];
        const OptType att_type = var_type(run, att);
        if (!att_type) return std::nullopt;
        auto aux = gen_aux_name(run, att, ctx.ctx1, type);
        if (!aux || !declare_var_as(run, atom(*aux), att, type_term(att_type), "s", Term::nil()))
          return std::nullopt;
        return JavaText{{*aux}, att_type};
      },
      // 9. Transaction functions.
      [](Run&, const std::string& fn, const std::vector<Toks>&,
         const ExprCtx&) -> std::optional<JavaText> {
        auto f = fixed_value_function(fn);
        if (!f) return std::nullopt;
        return JavaText{{f->java}, f->result};
      },
      // 10. The function table.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        std::vector<std::optional<JavaText>> args;
        for (size_t k = 0; k < a.size(); ++k) {
          if (k == 0) run.facts().retract_all(fact("fn_parm_info_i", {str(fn), var(), var()}));
          if (a[k].empty()) {
            args.push_back(std::nullopt);
            continue;
          }
          auto x = translate_toks(run, a[k], ctx);
          if (!x) return std::nullopt;
          args.push_back(x);
        }
        return table_call(run, fn, args);
      },
      // 11. len(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "len(") return std::nullopt;
        auto x = arg(run, a, 0, ctx);
        if (!x) return std::nullopt;
        return JavaText{{join_pieces(x->pieces) + ".length( )"}, len_function().result};
      },
      // 12. null( null1(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "null(" && fn != "null1(") return std::nullopt;
        auto x = arg(run, a, 0, ctx);
        if (!x) return std::nullopt;
        JavaText v = *x;
        if (is_string(v.type)) {
          if (auto t = call_translated(run, "rtrim(", {v})) v = JavaText{t->pieces, x->type};
        }
        JavaText e{{empty_value(x->type)}, x->type};
        return wrap("(", JavaText{java_compare_expr(x->type, v, "==", e), {}}, ")",
                    type_desc("boolean", 1));
      },
      // 13. loadbitmap( NEW( nullvalue( cursor(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn == "loadbitmap(") return arg(run, a, 0, ctx);
        if (fn == "NEW(" && !a.empty() && !a[0].empty()) {
          const std::string cls = text_tok(a[0][0]);
          std::string s = "new " + cls + "(";
          for (size_t k = 1; k < a.size(); ++k) {
            auto x = arg(run, a, k, ctx);
            if (!x) return std::nullopt;
            s += (k > 1 ? "," : "") + join_pieces(x->pieces);
          }
          return JavaText{{s + ")"}, obj_type(cls)};
        }
        if (fn == "nullvalue(" && a.size() == 1 && a[0].size() == 1) {
          OptType t = var_type(run, a[0][0].arg(1));
          return JavaText{{empty_value(t)}, t};
        }
        if (fn == "cursor(") {
          run.facts().assertz(fact("fn_cursor_i", {}));
          return JavaText{{"false /* cursor function */"}, type_desc("boolean", 1)};
        }
        return std::nullopt;
      },
      // 14. udp( call( are program calls of subsystem 7: the call is
      // written first with one more argument, a temporary that takes the
      // program's return parameter (the parameter after the arguments
      // given, else int(9) signed), and the expression is that temporary.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if ((fn != "udp(" && fn != "call(") || a.empty() || a[0].size() != 1) return std::nullopt;
        const Term& target = a[0][0];
        if (!target.is_compound() || target.arity() < 2 || !target.arg(2).is_int()) {
          return std::nullopt;
        }
        TypeDesc result = type_desc("int", 9, 0, 1);
        if (target.arg(2).as_int() == kTokConstant) {
          const std::string upper = platform::upper_1252(call_program_name(text_of(target.arg(1))));
          for (const Term& f : run.facts().clauses("pgm_parm_i", 4)) {
            if (platform::upper_1252(text_of(f.arg(1))) != upper || !f.arg(2).is_int() ||
                f.arg(2).as_int() != static_cast<int64_t>(a.size())) {
              continue;
            }
            const auto d = f.arg(4).list_items();
            if (d.size() >= 3 && d[1].is_int() && d[2].is_int()) {
              result = type_desc(text_of(d[0]), d[1].as_int(), d[2].as_int());
            }
          }
        }
        auto tmp = typed::temp_var(run, result);
        if (!tmp) return std::nullopt;
        std::vector<Term> args;
        for (size_t k = 1; k < a.size(); ++k) {
          args.insert(args.end(), a[k].begin(), a[k].end());
          args.push_back(fact("t", {atom(","), num(kTokComma)}));
        }
        args.push_back(fact("t", {atom(*tmp), num(kTokVariable)}));
        if (!gen_pgm_call(run, "udp", target.arg(1), target.arg(2).as_int(), Term::list(args), ctx)) {
          return std::nullopt;
        }
        return JavaText{{*tmp}, result};
      },
      // 15. iif(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "iif(" || a.size() != 3) return std::nullopt;
        auto c = arg(run, a, 0, ctx), x = arg(run, a, 1, ctx), y = arg(run, a, 2, ctx);
        if (!c || !x || !y) return std::nullopt;
        return JavaText{{"(" + join_pieces(c->pieces) + " ? " + join_pieces(x->pieces) + " : " +
                         join_pieces(y->pieces) + ")"},
                        merge_types(x->type, y->type)};
      },
      // 16. usercls(
      [](Run&, const std::string& fn, const std::vector<Toks>&,
         const ExprCtx&) -> std::optional<JavaText> {
        if (fn != "usercls(") return std::nullopt;
        return JavaText{{"\"\""}, type_desc("char", 1)};
      },
      // 17. qnvlen( qnvdata( qnnullterm(
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx& ctx) -> std::optional<JavaText> {
        if (fn != "qnvlen(" && fn != "qnvdata(" && fn != "qnnullterm(") return std::nullopt;
        auto x = arg(run, a, 0, ctx);
        if (x && fn == "qnvlen(") x->type = type_desc("int", 15);
        return x;
      },
      // 18. eof( noteof( of a table: its end-of-data and row-found tests.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx&) -> std::optional<JavaText> {
        if ((fn != "eof(" && fn != "noteof(") || a.size() != 1 || a[0].size() != 1)
          return std::nullopt;
        const Term table = a[0][0].arity() >= 1 ? a[0][0].arg(1) : a[0][0];
        const std::string cond = fn == "eof(" ? eof_cond(run, table, Term::nil())
                                              : found_cond(run, table, Term::nil());
        return JavaText{{cond}, type_desc("boolean", 1)};
      },
      // 19. t_a( table, attribute: the attribute's column reference.
      [](Run& run, const std::string& fn, const std::vector<Toks>& a,
         const ExprCtx&) -> std::optional<JavaText> {
        if (fn != "t_a(" || a.size() != 2 || a[0].size() != 1 || a[1].size() != 1)
          return std::nullopt;
        auto ref = att_ref_name(run, a[1][0].arg(1), a[0][0].arg(1), "->");
        if (!ref) return std::nullopt;
        return JavaText{{*ref}, var_type(run, a[1][0].arg(1))};
      },
  };
  return rules;
}

int64_t call_depth(Run& run) {
  auto f = run.facts().first(fact("building_call_i", {var()}));
  return f && f->arg(1).is_int() ? f->arg(1).as_int() : 0;
}
void set_call_depth(Run& run, int64_t d) {
  run.facts().abolish("building_call_i", 1);
  if (d > 0) run.facts().assertz(fact("building_call_i", {num(d)}));
}

}  // namespace

std::optional<JavaText> fn_token_to_java(Run& run, std::string_view name, const Term& args,
                                         const ExprCtx& ctx) {
  const std::string fn(name);
  const std::vector<Toks> a = split(run, args);
  run.facts().retract_all(fact("fn_ret_parm_i", {str(fn), var(), var(), var(), var()}));
  const int64_t depth = call_depth(run);
  set_call_depth(run, depth + 1);
  std::optional<JavaText> out;
  // A function that names an external program is a program call (rule 14)
  // and nothing else.
  const bool external =
      fn.size() > 1 && fn.back() == '(' && get_external_program(run, fn.substr(0, fn.size() - 1));
  const auto& rules = fn_rules();
  for (size_t k = external ? 13 : 0; k < (external ? 14 : rules.size()); ++k) {
    if ((out = rules[k](run, fn, a, ctx))) break;
  }
  set_call_depth(run, depth);
  if (out) return out;
  // No rule knows it: the call as written.
  std::string s = fn;
  for (const Term& t : args.list_items()) s += " " + text_tok(t);
  if (!fn.empty() && fn.back() == '(') s += " )";
  return JavaText{{s}, std::nullopt};
}

// --- conditions and blocks --------------------------------------------------------

std::vector<std::string> cond_to_java(Run& run, const Term& tokens, const ExprCtx& ctx) {
  if (tokens.is_nil()) return {"true"};
  reset_exp_state(run);
  const Toks toks = tokens.list_items();
  if (auto x = translate_toks(run, toks, ctx)) {
    JavaText y = *x;
    if (is_numeric(y.type)) y.pieces = {"(", join_pieces(y.pieces), "!=", "0", ")"};
    return y.pieces;
  }
  emit_flush_comment_block(run, {{"Generation error:"},
                                 {"================"},
                                 {"Fail to edit expression."},
                                 {tokens_listed(toks)}});
  return {"false"};
}

bool emit_cond_block(Run& run, const Term& tokens, std::string_view keyword, const ExprCtx& ctx) {
  std::vector<Piece> line{Piece(keyword), Piece("(")};
  for (const std::string& p : cond_to_java(run, tokens, ctx)) line.emplace_back(p);
  line.emplace_back(")");
  Out out(run);
  out.pieces(line).open("{");
  return out.ok();
}

bool emit_if(Run& run, const Term& tokens, const ExprCtx& ctx) {
  return emit_cond_block(run, tokens, "if", ctx);
}
bool emit_while(Run& run, const Term& tokens, const ExprCtx& ctx) {
  return emit_cond_block(run, tokens, "while", ctx);
}
bool emit_else(Run& run) { return Out(run).close("}").pieces({"else"}).open("{").ok(); }
bool emit_close_brace(Run& run) { return Out(run).close("}").ok(); }
bool emit_close_blocks(Run& run, const Term& what) {
  int64_t n = what.is_int() ? what.as_int() : int64_t(what.list_items().size());
  if (what.is_int() && n < 1) n = 1;
  Out out(run);
  for (int64_t k = 0; k < n; ++k) out.close("}");
  return out.ok();
}
bool do_case_begin(Run& run) {
  run.facts().asserta(fact("into_do_case_i", {}));
  return true;
}
bool do_case_case(Run& run, const Term& tokens, const ExprCtx& ctx) {
  if (run.facts().retract(fact("into_do_case_i", {}))) return emit_if(run, tokens, ctx);
  return emit_close_brace(run) && emit_cond_block(run, tokens, "else if", ctx);
}
bool do_case_otherwise(Run& run) { return emit_else(run); }
bool do_case_end(Run& run) { return emit_close_brace(run); }
bool emit_continue(Run& run) { return Out(run).pieces({"continue;"}).ok(); }
bool emit_return(Run& run, std::string_view value) {
  return dbg_trace_call(run, num(1), {str("Returning to caller")}) &&
         Out(run).pieces({"return", value, ";"}).ok();
}

// --- assignments ----------------------------------------------------------------------

bool gen_assign_value(Run& run, const OptType& target_type, const Term& tokens, const Term& target,
                      const std::string& ref, const ExprCtx& ctx, int64_t target_kind) {
  if (tokens.is_nil()) {
    return gen_control_set(run, target_type, target, ref,
                           JavaText{{empty_value(target_type)}, target_type}, target_kind);
  }
  run.facts().asserta(fact("in_assignment_i", {str(ref), type_term(target_type)}));
  auto x = translate_toks(run, tokens.list_items(), ctx);
  run.facts().retract_all(fact("in_assignment_i", {var(), var()}));
  if (!x) {
    emit_flush_comment_block(run, {{"Generation error:"},
                                   {"================"},
                                   {"Fail to assign value to: " + ref},
                                   {"Internal variable type: " + type_text(target_type)}});
    return true;
  }
  if (join_pieces(x->pieces) == ref) return true;
  if (!gen_control_set(run, target_type, target, ref, *x, target_kind)) return false;
  gen_nullvalue_assign(run, target, ref);
  return true;
}

bool assign_var_ref(Run& run, const Term& target, const std::string& ref, const Term& tokens,
                    const ExprCtx& ctx) {
  reset_exp_state(run);
  OptType t = var_type(run, target);
  if (t) t->flag = 1;
  return gen_assign_value(run, t, tokens, target, ref, ctx, kTokVariable);
}

bool assign_var(Run& run, const Term& name, const Term& value) {
  auto ref = typed::var_target_ref(run, name);
  if (!ref) return false;
  Term tokens = value.is_list() ? value : Term::list({fact("t", {value, num(kTokConstant)})});
  return assign_var_ref(run, name, *ref, tokens, {});
}

namespace {

// The alternatives from First on, nested: "if" of a condition, its
// assignment, and the rest in the else-branch, one "}" each.
bool assign_chain(Run& run, const Term& target, const std::vector<Term>& alts, size_t first,
                  const ExprCtx& ctx) {
  const auto alt = alts[first].list_items();
  const Term value = alt.empty() ? Term::nil() : alt[0];
  const Term cond = alt.size() > 1 ? alt[1] : Term::nil();
  if (cond.is_nil()) return assign_var(run, target, value);
  bool ok = emit_if(run, cond, ctx) && assign_var(run, target, value);
  if (first + 1 < alts.size()) {
    ok = ok && emit_else(run) && assign_chain(run, target, alts, first + 1, ctx);
  }
  return ok && emit_close_brace(run);
}

}  // namespace

bool gen_assign_stmt(Run& run, const Term& att, const Term&, const Term& ctx,
                     const Term& formula, const Term& c5, const Term& level, const Term&,
                     const Term&) {
  const std::vector<Term> alts = formula.list_items();
  if (alts.empty()) return true;
  // The holder of a held entry [Attribute, h, Auxiliary]; the auxiliary may
  // come as [t(Name, Type)].
  Term target = att;
  if (auto held = att_hold_entry(run, att, level, {})) {
    const auto e = held->list_items();
    Term aux = e.size() > 2 ? e[2] : Term::nil();
    if (aux.is_cons()) aux = aux.head();
    if (aux.is_compound() && aux.functor() == "t") aux = aux.arg(1);
    // The holder is declared as the attribute's variable, as a read of it
    // would declare it: a result only assigned is declared too.
    if (aux.is_atom() || aux.is_string()) {
      record_var_decl(run, att, aux, "s");
      target = aux;
    }
  }
  return assign_chain(run, target, alts, 0, {ctx, c5});
}

bool assign_unless_mode(Run& run, const Term& v, const Term& value) {
  if (strip_ampersand(text_of(v)) == "Mode") return true;
  return assign_var(run, v, value);
}

// --- null values and plus-minus texts ------------------------------------------------

bool gen_nullvalue_assign(Run&, const Term&, std::string_view) { return false; }
std::string null_indicator_name(Run&, const Term&) { return ""; }

std::string split_plus_minus(Run& run, std::string_view text, const ExprCtx& ctx) {
  // A term as Java: a variable or an attribute translated alone, anything
  // else through the event names.
  const auto term = [&](const std::string& t) -> std::string {
    if (t.empty()) return t;
    std::optional<Term> tok;
    if (t.front() == '&') {
      tok = fact("t", {atom(t), num(kTokVariable)});
    } else if (run.facts().exists(fact("attri_i", {atom(t), var()}))) {
      tok = fact("t", {atom(t), num(kTokAttribute)});
    } else {
      const std::string up = platform::upper_1252(t);
      for (const Term& a : run.facts().clauses("attri_i", 2)) {
        if (platform::upper_1252(text_of(a.arg(1))) == up) {
          tok = fact("t", {a.arg(1), num(kTokAttribute)});
          break;
        }
      }
    }
    if (!tok) return raise_event_ref(run, t);
    auto x = translate_toks(run, {*tok}, ctx);
    return x ? join_pieces(x->pieces) : t;
  };
  std::string out, cur;
  for (char c : text) {
    if (c == '+' || c == '-') {
      out += term(cur) + c;
      cur.clear();
    } else {
      cur += c;
    }
  }
  return out + term(cur);
}

}  // namespace qn::logic
