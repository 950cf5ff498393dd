// The value comparison and the deciphering of saved values that the property
// model takes from its extension library, kept here as our own.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/variant.h"

namespace qn::config {

// Results of CompareVariants.
enum : int { kCmpLess = 0, kCmpEqual = 1, kCmpGreater = 2, kCmpIncomparable = 3 };

// A value of a number type: the integer and real types, currency and dates
// (a date is a day count). What a property of integer kind accepts.
bool is_number_type(com::VARTYPE vt);
// A value that compares as a number: a number type, or a yes/no value
// (VT_BOOL, true is -1).
bool compares_as_number(com::VARTYPE vt);

// Three-way comparison of a against b:
// - numbers of every type and VT_BOOL (true is -1) by value, across types;
// - texts by their bytes (Windows-1252);
// - a text against a number numerically when the text is one number, else
//   both as texts;
// - VT_EMPTY is 0 against numbers and "" against texts, equal to VT_EMPTY;
// - VT_NULL, VT_ERROR and objects are equal only to the same kind of value
//   (errors by code, objects by identity); against anything else 3.
int CompareVariants(const com::VARIANT& a, const com::VARIANT& b);

// The one key of all saved property values: 16 upper-case letters.
inline constexpr std::string_view kSavedValueKey = "QNPROPERTYVALUES";

// Deciphers text[0..len) in place: the saved form is the upper-case hex of
// the plain bytes, each XOR the key's byte (the key cycled). The plain text
// is written from the start and NUL-terminated inside the buffer. A text of
// odd length or with a character that is no hex digit stays as it is.
void Decrypt(char* text, const char* key, int len, int key_len);
// The same on a std::string, read up to the first NUL.
std::string decrypt_text(std::string_view saved, std::string_view key = kSavedValueKey);
// The saved form of a plain text.
std::string encrypt_text(std::string_view plain, std::string_view key = kSavedValueKey);

}  // namespace qn::config
