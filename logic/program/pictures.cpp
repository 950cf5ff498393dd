#include "logic/program/pictures.h"

#include <algorithm>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/toolbox/formats.h"

namespace qn::logic {

using engine::Term;

namespace {

Term tok(std::string_view text, int64_t kind) { return fact("t", {atom(text), num(kind)}); }

struct Triple {
  Term type;
  int64_t length = 0, decimals = 0;
};

Triple triple(const Term& type) {
  Triple t;
  if (!type.is_list()) return t;
  const auto items = type.list_items();
  if (!items.empty()) t.type = items[0];
  if (items.size() > 1 && items[1].is_int()) t.length = items[1].as_int();
  if (items.size() > 2 && items[2].is_int()) t.decimals = items[2].as_int();
  return t;
}

// The wrapping of the display form, as the tokens before and after.
std::optional<FormatCall> display_wrap(const Term& type) {
  const Triple t = triple(type);
  if (t.type == "vchar" || numeric_type(t.type)) {
    if (auto call = format_number_call(type)) return call;
  }
  const char* fn = t.type == "date"        ? "dtocl("
                   : t.type == "dtime"     ? "ttocl("
                   : fixchar_type(t.type) ? "rtrim("
                                           : nullptr;
  if (!fn) return std::nullopt;
  return FormatCall{Term::list({tok(fn, kTokFunction)}), Term::list({tok(")", kTokClose)})};
}

}  // namespace

Term picture_exp_list(const Term& tokens, const Term& type) {
  auto wrap = display_wrap(type);
  if (!wrap) return tokens;
  std::vector<Term> out = wrap->before.list_items();
  for (const Term& t : tokens.list_items()) out.push_back(t);
  for (const Term& t : wrap->after.list_items()) out.push_back(t);
  return Term::list(out);
}

Term picture_exp(const Term& token, const Term& type) {
  return picture_exp_list(Term::list({token}), type);
}

Term formatted_string_exp(Run& run, const Term& token, const Term& type) {
  const Term alone = Term::list({token});
  if (!token.is_compound() || token.functor() != "t" || token.arity() < 2) return alone;
  if (!(token.arg(2) == num(kTokAttribute) || token.arg(2) == num(kTokVariable))) return alone;
  const Triple t = triple(type);
  const char* fn = t.type == "date"        ? "transformDate("
                   : t.type == "dtime"     ? "transformDateTime("
                   : fixchar_type(t.type) ? "transformChar("
                   : numeric_type(t.type) ? "transformNumeric("
                                           : nullptr;
  if (!fn) return alone;
  auto literal = picture_literal(run, token.arg(1));
  if (!literal) return alone;
  return Term::list({tok(fn, kTokFunction), token, tok(",", kTokComma),
                     fact("t", {str(*literal), num(kTokConstant)}), tok(")", kTokClose)});
}

std::optional<std::string> picture_literal(Run& run, const Term& att) {
  auto t = attri_type_pic(run, get_model_num(run).value_or(num(0)), att);
  if (!t) return std::nullopt;
  const int64_t length = t->length.is_int() ? t->length.as_int() : 0;
  const int64_t decimals = t->decimals.is_int() ? t->decimals.as_int() : 0;
  const std::string own = t->picture.is_atom() || t->picture.is_string() ? t->picture.text() : "";
  return java_quoted(default_picture(t->type, length, decimals, own));
}

std::string default_picture(const Term& type, int64_t length, int64_t decimals,
                            std::string_view own_picture) {
  if (!own_picture.empty()) return std::string(own_picture);
  if (fixchar_type(type)) return std::string(static_cast<size_t>(std::max<int64_t>(length, 0)), 'X');
  if (numeric_type(type)) return numeric_picture(length, decimals);
  if (type == "date") return "99/99/99";
  if (type == "dtime" && (length == 10 || length == 8)) {
    const std::string date = length == 10 ? "99/99/9999" : "99/99/99";
    switch (decimals) {
      case 8: return date + " 99:99:99";
      case 5: return date + " 99:99";
      case 2: return date + " 99";
      case 0: return date;
      default: break;
    }
  }
  return "";
}

std::string numeric_picture(int64_t length, int64_t decimals) {
  const auto nines = [](int64_t n) { return std::string(static_cast<size_t>(std::max<int64_t>(n, 0)), '9'); };
  if (decimals <= 0) return nines(length);
  return nines(length - decimals - 1) + "." + nines(decimals);
}

}  // namespace qn::logic
