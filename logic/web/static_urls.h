// The web generation mode (pages written by each request, or written once
// as files) and the file names of static pages, as model-language token
// lists the expression translator turns into Java; and the split of an
// argument token list at its depth-0 separators.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// web_static_generation/0: WEB_GEN_MODE is "Static" (any case); this
// generator is one of those that write static pages.
bool web_static_generation(Run& run);
// target_static_mode/1: a link target's pages are static files: the model's
// WEB_GEN_MODE is "Static" and the target's generator (pgm_gen_i/2; this
// one when it has none) writes static pages.
bool target_static_mode(Run& run, const engine::Term& target);

// One parameter of a page: its expression's tokens and its type.
struct PageParm {
  engine::Term tokens;
  OptType type;
};
// static_parm_expr/3: a parameter encoded for a file name: character types
// encodeStaticParm(rtrim(A)), numbers ltrim(str(A, Length, Decimals)),
// dates QNWebDate2Str(A), date-times QNWebTime2Str(A), others A.
engine::Term static_parm_expr(const engine::Term& tokens, const OptType& type);
// The file name of a page of the program: "<program in lower case>", and
// with parameters "_" and the encoded parameters separated by ","; then
// ".html". The expression is a char(2048).
engine::Term static_file_expr(std::string_view program, const std::vector<PageParm>& parms);
// static_file_name/2 and static_file_path/2: the current program's page
// (its parameters as they stand), the second preceded by staticdir().
engine::Term static_file_name(Run& run);
engine::Term static_file_path(Run& run);

// url_param_tokens/4: the address of a static page: prefixurl(urlencode(
// <its file name expression>)).
engine::Term url_param_tokens(const engine::Term& file);
// static_gen_cond/4: the page of a linked object (Target, a token
// t(o(Kind, Name), 28), called with ArgTokens) is written before the link
// is followed: if staticgeneration() = 1 AND staticexpandlinks() = 1 AND
// ((staticoverwrite() = 1 AND staticgenerated(staticdir() + File) = 0) OR
// fileexist(staticdir() + File) = 0), the object is called.
bool static_gen_cond(Run& run, const engine::Term& target, const engine::Term& arg_tokens,
                     const engine::Term& file);
// The first rule of link( (its arguments split at depth 0): a link to an
// object whose pages are static writes static_gen_cond/4 and gives the
// tokens of url_param_tokens/4; none for any other link.
std::optional<engine::Term> static_link_tokens(Run& run, const std::vector<engine::Term>& args);

// take_arg_tokens/5: the tokens before the first one of the stop kinds at
// depth 0 (the stop token itself is dropped), and those after it. An
// opening token (a "(" or a function, not a keyword such as trn or true)
// or a dimensioned variable followed by its subscripts is one level deeper;
// a ")" one level up. Without a stop token all tokens are taken.
struct TakenArgs {
  std::vector<engine::Term> taken;
  std::vector<engine::Term> rest;
  bool stopped = false;
};
TakenArgs take_arg_tokens(Run& run, const engine::Term& tokens, int depth,
                          std::initializer_list<int64_t> stop_kinds);
// split_arg_tokens/2: the groups of an argument list, split at its depth-0
// separators (","; and the kinds 17 to 19); [] gives no group.
std::vector<engine::Term> split_arg_tokens(Run& run, const engine::Term& tokens);

}  // namespace qn::logic
