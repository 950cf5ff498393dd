// List predicates of the rules, on list terms.
#pragma once

#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/term.h"

namespace qn::logic {

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
std::optional<std::pair<engine::Term, engine::Term>> split_at(const engine::Term& list, int64_t n);
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

}  // namespace qn::logic
