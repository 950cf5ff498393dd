// Model-language token lists as the web-panel writers build them: the
// statement writers translate them into Java.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/rule_terms.h"

namespace qn::logic::web {

// t(Text, Kind).
inline engine::Term tok(std::string_view text, int64_t kind) {
  return fact("t", {atom(text), num(kind)});
}
// A program variable, a text constant (between double quotes, taken as it
// stands inside them) and a number constant.
inline engine::Term vtok(std::string_view name) { return tok("&" + std::string(name), kTokVariable); }
inline engine::Term stok(std::string_view text) {
  return tok("\"" + std::string(text) + "\"", kTokConstant);
}
inline engine::Term ntok(int64_t n) { return tok(std::to_string(n), kTokConstant); }
inline engine::Term op(std::string_view o) {
  if (o == "+" || o == "-") return tok(o, kTokAddOp);
  if (o == "AND" || o == "OR") return tok(o, kTokLogical);
  if (o == ".NOT.") return tok(o, kTokNot);
  if (o == "(") return tok(o, kTokOpen);
  if (o == ")") return tok(o, kTokClose);
  if (o == ",") return tok(o, kTokComma);
  return tok(o, kTokCompare);
}
inline engine::Term fn(std::string_view name) { return tok(std::string(name) + "(", kTokFunction); }

// A token list from pieces, each a token or a list of tokens.
inline engine::Term tl(std::initializer_list<engine::Term> parts) {
  std::vector<engine::Term> out;
  for (const engine::Term& p : parts) {
    if (p.is_list()) {
      for (const engine::Term& t : p.list_items()) out.push_back(t);
    } else {
      out.push_back(p);
    }
  }
  return engine::Term::list(out);
}

}  // namespace qn::logic::web
