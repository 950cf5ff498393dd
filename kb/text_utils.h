// Small text routines the logic calls to shape generated names and texts.
#pragma once

#include <string>
#include <string_view>

#include "host/term_value.h"

namespace qn::kb {

// Every character of text found in from becomes the character at the same
// place of to (one that has no counterpart in to stays as it is).
void translate_chars(std::string& text, std::string_view from, std::string_view to);
// The same operation under the name the program-file rebuild uses.
inline void str_translate(std::string& text, std::string_view from, std::string_view to) {
  translate_chars(text, from, to);
}

// n copies of c; empty when n is below 1.
std::string replicate_char(char c, int n);

// The name of an auxiliary variable, at most 10 characters: a name starting
// with "Qn" is kept (its first 10 characters); otherwise, with number 0, the
// letter and the first 9 characters of the name; with another number the
// letter, "V" when with_v is set, the number and the first 8 characters of
// the name, cut to 10. Unifies out; 0 when name is not a text or the
// unification fails.
int make_aux_name(int with_v, const host::TermValue& name, int number, int letter,
                  host::TermValue& out);

// value written zero-padded to width digits; of a longer text only its last
// width characters (none for a width below 1); at most size - 1 characters.
std::string int_to_fixed_digits(int value, int width, std::size_t size);

// Doubles every character of set in text. With keep_enclosing set, a text
// whose first character is in set and equals its last (two characters at
// least) counts as enclosed: those two are kept single around the doubled
// inside. 1 when a character was doubled; 0 when out is a plain copy. out
// holds at most size - 1 characters.
int double_chars(std::string_view text, std::string_view set, bool keep_enclosing, std::string& out,
                 std::size_t size);

}  // namespace qn::kb
