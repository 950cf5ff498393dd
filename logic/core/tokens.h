// Tokens of formulas and command lines (rule_terms.h names their types), and
// the command lines of the object.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The type of the first token of a token list; -1 when there is none.
int64_t first_token_type(const engine::Term& tokens);

// is_as_tok/2: X of t(X, 2).
std::optional<engine::Term> is_as_tok(const engine::Term& token);
// is_as_or_var_tok/2: X of t(X, 2) or t(X, 23).
std::optional<engine::Term> is_as_or_var_tok(const engine::Term& token);

struct TokensToClose {
  int64_t depth = 0;   // D: the depth where taking stopped (0)
  engine::Term taken;  // the tokens before the closing one
  engine::Term rest;   // what follows it
  engine::Term close;  // the ending token
};
// tokens_to_close/6: takes tokens up to the type-4 token that closes the
// current nesting (types 0 and 1, and a type-23 variable that has
// dimensions, open one level; type 4 closes one); a type-7 token at depth 0
// also ends. Fails when the tokens run out first.
std::optional<TokensToClose> tokens_to_close(const Run& run, const engine::Term& tokens,
                                             int64_t depth);
// drop_tok_positions/2: t(V, Type, _, _) becomes t(V, Type), the nested
// lists of types 29 and 31 the same way.
engine::Term drop_tok_positions(const engine::Term& tokens);
// next_cmd_line/3: the first command line (b_line_i of kind cmd) numbered
// above After whose first token has type Type and the empty value.
std::optional<engine::Term> next_cmd_line(const Run& run, int64_t type, int64_t after);
// sub_block_lines/3: the line that starts subroutine Sub (first token type
// 146, second token Sub) and the next line of type 147 after it.
std::optional<std::pair<int64_t, int64_t>> sub_block_lines(const Run& run, const engine::Term& sub);
// cmd_in_sub/4: (Line, Tokens) of every command line of first-token type
// Type strictly inside subroutine Sub.
std::vector<std::pair<int64_t, engine::Term>> cmd_in_sub(const Run& run, int64_t type,
                                                         const engine::Term& sub);

}  // namespace qn::logic
