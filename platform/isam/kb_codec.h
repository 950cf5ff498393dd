// Field codecs of knowledge-base record images, byte by byte (binary words
// are little-endian and read as unsigned bytes, never through structures).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qn::isam {

inline int16_t get_bin16(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }
inline void put_bin16(uint8_t* p, int v) {
  p[0] = static_cast<uint8_t>(v & 0xFF);
  p[1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}
inline uint32_t get_ubin32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t get_bin32(const uint8_t* p) { return static_cast<int32_t>(get_ubin32(p)); }
inline void put_bin32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

// A decimal field of width digits ("%.3d"): false when it holds anything but
// digits (leading blanks and a minus sign are accepted).
bool get_decimal(const uint8_t* p, int width, int16_t& out);
// Writes value with exactly width digits, zero-padded; a longer text is cut
// to its first width characters.
void put_decimal(uint8_t* p, int width, int value);

// Extended decimal of width 3 or 4: below 10^width as digits, otherwise
// 64 + the highest base-256 digit of v - 10^width, then the lower digits.
bool get_ext_decimal(const uint8_t* p, int width, int64_t& out);
// false when the value does not fit (negative, or too large for the form).
bool put_ext_decimal(uint8_t* p, int width, int64_t value);

// The attribute length: a negative n is stored as (9 - n) * 1024 and a stored
// value above 9999 reads back as 9 - ceil(v / 1024), never below -32768.
bool get_ext_length(const uint8_t* p, int16_t& out);
bool put_ext_length(uint8_t* p, int value);

// Length of the text of a field of width bytes: up to the first NUL, and
// without trailing blanks and tabs when trim is set.
int field_text_length(const uint8_t* p, int width, bool trim);

// A name field: width characters copied, trailing blanks and tabs removed
// (and anything behind a NUL dropped).
std::string get_name(const uint8_t* p, int width);
// Blank-padded or cut to width ("%-30.30s").
void put_name(uint8_t* p, int width, std::string_view text);
// NUL-padded text of width bytes: the characters before the first NUL.
std::string get_nul_text(const uint8_t* p, int width);
void put_nul_text(uint8_t* p, int width, std::string_view text);

}  // namespace qn::isam
