// Counted arrays to and from the list terms that the logic reads: a list is
// the compound "." (head, tail) ending in the atom "[]".
#pragma once

#include <cstdint>
#include <span>

#include "host/term_value.h"
#include "kb/counted_array.h"

namespace qn::kb {

// Unify term with [N1, N2, ...] (signed values); an empty array gives "[]".
// 1, or 0 when a unification fails.
int ints_to_list(std::span<const int16_t> values, host::TermValue& term);
template <int C>
int ints_to_list(const CountedArray<int16_t, C>& array, host::TermValue& term) {
  return ints_to_list(std::span<const int16_t>(array.items, array.count < 0 ? 0 : array.count),
                      term);
}

// [[Table1, Atts1], [Table2, Atts2], ...]; Atts is "[]" for an entry with
// no attributes.
int relations_to_list(const RelationTable& entries, host::TermValue& term);
// [[Table, [[F, W, P], ...]], ...] for the entries after the first.
int navigation_to_list(const NavTable& nav, host::TermValue& term);

// Adds the integers of a list with push_att. 1 for a proper list (one that
// ends in "[]"); 0 when an element is not an integer or the term is not a
// proper list (an atom, a tail that is not a list, an unbound tail).
int list_to_ints(const host::TermValue& term, AttList& list);

// Copies the element texts of a list into out, at most n, followed by a null
// pointer (out has room for n + 1). 1 when the list ended normally or n
// texts were taken; 0 when an element is not a text or nothing was taken.
// A failed copy is fatal internal error 201 "ltosp". Free with free_texts.
int list_to_texts(const host::TermValue& term, char** out, int n);
void free_texts(char** texts);

}  // namespace qn::kb
