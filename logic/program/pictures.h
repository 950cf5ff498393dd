// Edit pictures and the display form of values: the wrapping that turns a
// value into text for output, the formatted-string form of an attribute or
// variable, and the default picture of a type. Results are model expression
// tokens or plain texts; the expression translator writes the Java.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// A type triple is [Type, Length, Decimals].

// picture_exp_list/3 (TokenList, TypeTriple, Tokens): the tokens wrapped
// into their display form, first that applies: the number formatting of
// vchar and numeric types (qnvdata(, FormatLong(, FormatInt(,
// FormatDouble( with length and decimals); dtocl( for date; ttocl( for
// dtime; rtrim( for fixed character types; else unwrapped.
engine::Term picture_exp_list(const engine::Term& tokens, const engine::Term& type);
// picture_exp/3 (Token, TypeTriple, Tokens): the same for one token.
engine::Term picture_exp(const engine::Term& token, const engine::Term& type);

// formatted_string_exp/3 (Token, TypeTriple, Tokens): an attribute or
// variable token of a date, date-time, fixed character or numeric type as
// transformDate(, transformDateTime(, transformChar( or transformNumeric(
// of the token and its picture literal; any other token or type (vchar
// among them), or a name without a picture literal, is the token alone.
engine::Term formatted_string_exp(Run& run, const engine::Term& token, const engine::Term& type);

// picture_literal/2 (Attribute, Text): default_picture/5 of the attribute's
// type and own picture in the current model, as a Java string literal.
// Fails for an attribute the model does not describe.
std::optional<std::string> picture_literal(Run& run, const engine::Term& att);

// default_picture/5 (Type, Length, Decimals, OwnPicture, Picture): without
// an own picture, "X" per place of a fixed character type, the numeric
// picture of a numeric type, "99/99/99" for date, and for dtime the date
// part of length 10 or 8 with the time part of 8, 5, 2 or 0 decimals;
// otherwise the own picture (possibly empty).
std::string default_picture(const engine::Term& type, int64_t length, int64_t decimals,
                            std::string_view own_picture);
// numeric_picture/3 (Length, Decimals, Picture): "9" per place; with
// decimals the point takes one place of the length. With as many decimals
// as places or more, no nines stand before the point.
std::string numeric_picture(int64_t length, int64_t decimals);

}  // namespace qn::logic
