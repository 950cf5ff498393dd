// The text built-ins of the rule language. Texts are Windows-1252 byte
// strings; positions are 0-based. A built-in that fails answers nullopt (or
// false).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"

namespace qn::engine {

// The characters of an atom or a string, or a number as write/1 shows it
// (integers in decimal, reals with a '.'); nullopt for other kinds.
std::optional<std::string> text_of(const Term& t);

// concat/2: the list's atoms, strings and numbers joined into one string.
// Fails for a partial list or an element of another kind.
std::optional<Term> concat(const Term& list);
// concat/3: the two texts joined into one string.
std::optional<Term> concat(const Term& a, const Term& b);

// int_text/2: an integer's decimal text; a text (blanks around allowed,
// optional sign) read as an integer.
std::string int_text(int64_t value);
std::optional<int64_t> text_int(std::string_view text);

// float_text/3: a number as text under a format: `general` (the shortest
// text that reads back), general(N) (N significant digits), fixed(N) (N
// decimals) or scientific(N) (N decimals, exponent). Fails for other
// formats. text_float reads a number text (integer or real) as a double.
std::optional<std::string> float_text(double value, const Term& format);
std::optional<double> text_float(std::string_view text);

// string_length/2, string_lower/2, string_upper/2 (Windows-1252 table).
int64_t string_length(std::string_view s);
std::string string_lower(std::string_view s);
std::string string_upper(std::string_view s);

// substring/4: Length characters from Start (0-based); fails when the range
// leaves the text.
std::optional<std::string> substring(std::string_view s, int64_t start, int64_t length);
// nth_char/3: the character code at position N (0-based).
std::optional<int> nth_char(int64_t n, std::string_view s);
// string_search/3: the 0-based position of the first occurrence of `sub`
// at or after `from`.
std::optional<int64_t> string_search(std::string_view sub, std::string_view s, int64_t from = 0);

// atom_string/2 in both directions.
Term atom_string(const Term& atom);
std::optional<Term> string_atom(const Term& text);

// name/2: an atom's or number's character codes; codes back to a number
// when they read as one, else to an atom.
std::optional<Term> name_codes(const Term& atomic);
std::optional<Term> name_from_codes(const Term& codes);

// list_text/2: a list of character codes, one-character atoms, atoms,
// strings or numbers joined into a string; a text into its codes.
std::optional<Term> list_text(const Term& list);
Term text_list(std::string_view text);

// string_term/2: a text read as a term; a term as write/1 shows it.
// string_termq/2: the term as writeq/1 shows it (reads back to the same).
std::optional<Term> string_term(std::string_view text);
std::string term_string(const Term& t);
std::string term_stringq(const Term& t);

// string/1.
inline bool is_string(const Term& t) { return t.is_string(); }

}  // namespace qn::engine
