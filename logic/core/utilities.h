// Small predicates that every rule of the generator uses: generation facts,
// attribute descriptions and standard variables, type codes, list, token
// and level helpers, and the hooks that do nothing in this generator.
//
// Outputs come back as return values: std::optional for a predicate that
// may fail, a vector for one with several solutions (in engine order).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- hooks of this generator -------------------------------------------------

// no_op/1: succeeds.
inline bool no_op(const engine::Term&) { return true; }
// loop_start_hook/2, loop_end_hook/1: succeed, nothing written.
inline bool loop_start_hook(Run&, const engine::Term&, const engine::Term&) { return true; }
inline bool loop_end_hook(Run&, const engine::Term&) { return true; }
// trace_msg/1: takes a list of text pieces and writes nothing.
inline void trace_msg(Run&, std::initializer_list<std::string_view>) {}
inline void trace_msg(Run&, const engine::Term&) {}
// garbage_collect/0: engine housekeeping, no visible effect.
inline void garbage_collect(Run&) {}

// --- generation facts ----------------------------------------------------------

// get_model_num/1: from model_num_i/1.
std::optional<engine::Term> get_model_num(const Run& run);
// get_pgm_parms/1: the program's parameter list: the first
// rule_i(_, rule([a(10, P)], _, _, _)), else rule_i(0, parm(P, _)), else [].
engine::Term get_pgm_parms(const Run& run);
// get_parm_rule/1: the same without the [] default.
std::optional<engine::Term> get_parm_rule(const Run& run);

// --- attribute descriptions and types ----------------------------------------------

// attri_type_code/2 in both directions: 4 int, 5 char, 6 date, 7 bits,
// 8 vchar, 9 pac, 10 zon, 11 bin, 12 dtime, 13 svchar, 14 bitstr.
std::optional<engine::Atom> attri_type_code(int64_t code);
std::optional<int64_t> attri_type_code(engine::Atom type);
bool numeric_type(const engine::Term& type);   // int, pac, zon, bin
bool fixchar_type(const engine::Term& type);   // char, svchar, bits
bool vchar_type(const engine::Term& type);     // vchar or a list beginning with vchar

// The standard variable of a key (Err, Errmsg, ...): [Name, Type, Length,
// Decimals, Picture, X6, '', '', 0].
std::optional<engine::Term> standard_variable(const engine::Term& key);
// call_attri/2: the standard-variable table, else attri_i(Att, Desc), else
// the description of Other for is_i(Att, [t(Other, _) | _]) (the first
// such fact only, followed further).
std::optional<engine::Term> call_attri(const Run& run, const engine::Term& att);

struct AttriType {
  engine::Term type;  // a type atom
  engine::Term length;
  engine::Term decimals;
  engine::Term picture;  // attri_type_pic/6 only
};
// get_attri_type/5: from call_attri/2, else the knowledge base
// (i_attri_type/5) with its code mapped by attri_type_code/2.
std::optional<AttriType> get_attri_type(Run& run, const engine::Term& model,
                                        const engine::Term& att);
// attri_type_pic/6: the same with the picture (knowledge base: get_attri_pic/3).
std::optional<AttriType> attri_type_pic(Run& run, const engine::Term& model,
                                        const engine::Term& att);
// get_attri_name/3: from call_attri/2, else the knowledge base (i_attri_name/4).
std::optional<engine::Term> get_attri_name(Run& run, const engine::Term& model,
                                           const engine::Term& att);
// get_attri_pic/3: from call_attri/2, else the knowledge base (i_attri_pic/3).
std::optional<engine::Term> get_attri_pic(Run& run, const engine::Term& model,
                                          const engine::Term& att);
// attri_pic/2: get_attri_pic/3 for the current model.
std::optional<engine::Term> attri_pic(Run& run, const engine::Term& att);
// var_dim/2: the dimensions of a variable from rule_i(_, dim(Var, Dims)).
std::optional<engine::Term> var_dim(const Run& run, const engine::Term& var);
// attri_name_or_self/2: the Name of attri_i(Att, [Name | _]), else Att when
// it is not a number.
std::optional<engine::Term> attri_name_or_self(const Run& run, const engine::Term& att);
// ext_attri_name/3: map_i(Obj, a, Att, [Name | _]), else
// attri_name_or_self/2, else the knowledge-base name of Att in the model
// paired with the current one.
std::optional<engine::Term> ext_attri_name(Run& run, const engine::Term& att,
                                           const engine::Term& obj);
// mapped_i_name/3: map_i(Obj, i, Name, [Out | _]), else Name.
engine::Term mapped_i_name(const Run& run, const engine::Term& name, const engine::Term& obj);

// --- lists -----------------------------------------------------------------------

// on/2: the elements of L that unify with X, in order (every solution).
std::vector<engine::Term> on(const engine::Term& x, const engine::Term& list);
// on_test/2: the first such element.
std::optional<engine::Term> on_test(const engine::Term& x, const engine::Term& list);
// on_position/4: the positions of X in L counting the first as n0.
std::vector<int64_t> on_position(const engine::Term& x, const engine::Term& list, int64_t n0);
// on_or_empty/2: X and L both [], else on/2.
bool on_or_empty(const engine::Term& x, const engine::Term& list);
// append/3 for a given first list.
engine::Term append(const engine::Term& a, const engine::Term& b);
// append_split/3: every split (Front, Back) of a list, shortest front first.
std::vector<std::pair<engine::Term, engine::Term>> append_split(const engine::Term& list);
// append_lists/2: the concatenation of a list of lists.
engine::Term append_lists(const engine::Term& lists);
// reverse_acc/3: L reversed in front of Acc.
engine::Term reverse_acc(const engine::Term& list, const engine::Term& acc);
// insert_separator/3: Sep between consecutive elements.
engine::Term insert_separator(const engine::Term& list, const engine::Term& sep);
// union/3: the elements of A not on B, in order, followed by B.
engine::Term union_(const engine::Term& a, const engine::Term& b);
// subtract/3: the elements of A not on B, in order.
engine::Term subtract(const engine::Term& a, const engine::Term& b);
// remove_duplicates/2: the first occurrence of every element.
engine::Term remove_duplicates(const engine::Term& list);
// subset/2: every element of A is on B.
bool subset(const engine::Term& a, const engine::Term& b);
// same_set/2: same length, each a subset of the other.
bool same_set(const engine::Term& a, const engine::Term& b);
// delete_one/3: L without its first occurrence of X; L when X is absent.
engine::Term delete_one(const engine::Term& x, const engine::Term& list);
// split_at/4: the first N elements and the rest (fails when L is shorter).
std::optional<std::pair<engine::Term, engine::Term>> split_at(const engine::Term& list,
                                                              int64_t n);
// split_last/3: (Init, Last); [] gives [] and [].
std::pair<engine::Term, engine::Term> split_last(const engine::Term& list);
// split_on/4: (Before, After) around the first X.
std::optional<std::pair<engine::Term, engine::Term>> split_on(const engine::Term& list,
                                                              const engine::Term& x);
// nth_member/3: the N-th element, counting from 1.
std::optional<engine::Term> nth_member(const engine::Term& list, int64_t n);
// unzip_pairs/3 and unzip_triples/4: the columns of a list of lists.
std::pair<engine::Term, engine::Term> unzip_pairs(const engine::Term& list);
std::tuple<engine::Term, engine::Term, engine::Term> unzip_triples(const engine::Term& list);
// max_of/3: the larger number (B when equal).
engine::Term max_of(const engine::Term& a, const engine::Term& b);
// drop_first_char/2: T without its first character (a string).
std::optional<engine::Term> drop_first_char(const engine::Term& text);
// neg_to_abs/2: -N for a negative N; fails otherwise.
std::optional<engine::Term> neg_to_abs(const engine::Term& n);
// paren_negative/4: a negative N gives (-N, "(", ")"), anything else (N, '', '').
struct ParenNumber {
  engine::Term value;
  engine::Term open;
  engine::Term close;
};
ParenNumber paren_negative(const engine::Term& n);
// paren_negatives/2: every negative number of L replaced by its absolute value.
engine::Term paren_negatives(const engine::Term& list);

// --- tokens and command lines ------------------------------------------------------

// is_as_tok/2: X of t(X, 2).
std::optional<engine::Term> is_as_tok(const engine::Term& token);
// is_as_or_var_tok/2: X of t(X, 2) or t(X, 23).
std::optional<engine::Term> is_as_or_var_tok(const engine::Term& token);

struct TokensToClose {
  int64_t depth = 0;     // D: the depth where taking stopped (0)
  engine::Term taken;    // the tokens before the closing one
  engine::Term rest;     // what follows it
  engine::Term close;    // the ending token
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

// --- levels --------------------------------------------------------------------------

// first_level/1: the smallest level of struct_i whose parent is not a level; 0 when none.
engine::Term first_level(const Run& run);
// main_lvls/1: every solution in order.
std::vector<engine::Term> main_lvls(const Run& run);
// sfl_or_main_lvl/1: as main_lvls/1 without the parent test for subfile breaks.
std::vector<engine::Term> sfl_or_main_lvl(const Run& run);
// all_main_lvls/1.
inline engine::Term all_main_lvls(const Run& run) { return engine::Term::list(main_lvls(run)); }
// level_t_att/2: every A with a_i(A, L, t, _, _, _), then [].
std::vector<engine::Term> level_t_att(const Run& run, const engine::Term& level);
// add_end_i_conds/3: Conds with c(X, []) added for every item X of the
// level's end condition that is neither in its start condition nor already
// in Conds.
engine::Term add_end_i_conds(const Run& run, const engine::Term& level, const engine::Term& conds);

}  // namespace qn::logic
