#include "logic/core/tokens.h"

#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

std::vector<Term> items(const Term& list) { return list.list_items(); }

bool empty_text(const Term& t) { return (t.is_atom() || t.is_string()) && t.text().empty(); }

// The command lines: b_line_i(LineNo, Level, _, cmd, _, Tokens).
std::vector<Term> cmd_lines(const Run& run) {
  return run.facts().findall(fact("b_line_i", {var(), var(), var(), atom("cmd"), var(), var()}));
}

}  // namespace

int64_t first_token_type(const Term& tokens) {
  if (!tokens.is_cons()) return -1;
  const Term& tok = tokens.head();
  if (!tok.is_compound() || tok.arity() < 2 || !tok.arg(2).is_int()) return -1;
  return tok.arg(2).as_int();
}

// --- tokens and command lines ----------------------------------------------------------------

std::optional<Term> is_as_tok(const Term& token) {
  if (token.is_compound() && token.functor() == "t" && token.arity() == 2 &&
      token.arg(2).is_int() && token.arg(2).as_int() == kTokAttribute) {
    return token.arg(1);
  }
  return std::nullopt;
}

std::optional<Term> is_as_or_var_tok(const Term& token) {
  if (token.is_compound() && token.functor() == "t" && token.arity() == 2 &&
      token.arg(2).is_int() &&
      (token.arg(2).as_int() == kTokAttribute || token.arg(2).as_int() == kTokVariable)) {
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
    if ((type == kTokClose && depth == 0) || (type == kTokComma && depth == 0)) {
      return TokensToClose{depth, Term::list(taken), t->arg(2), tok};
    }
    if (type == kTokClose) {
      --depth;
    } else if (type == kTokOpen || type == kTokFunction ||
               (type == kTokVariable && var_dim(run, tok.arg(1)))) {
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
    if (type.is_int() && (type.as_int() == kTokNested || type.as_int() == kTokCtrlMethod)) {
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
    if (f.arg(1).is_int() && first_token_type(f.arg(6)) == kSubStart && toks.size() >= 2 &&
        toks[1].is_compound() && toks[1].arity() >= 1 && engine::matches(sub, toks[1].arg(1))) {
      start = f.arg(1).as_int();
      break;
    }
  }
  if (!start) return std::nullopt;
  std::optional<int64_t> end;
  for (const Term& f : lines) {
    if (!f.arg(1).is_int() || f.arg(1).as_int() <= *start ||
        first_token_type(f.arg(6)) != kSubEnd) {
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

}  // namespace qn::logic
