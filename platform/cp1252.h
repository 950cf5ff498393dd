// Upper and lower case of Windows-1252 texts: the code page's own table,
// never the C locale.
#pragma once

#include <string>
#include <string_view>

namespace qn::platform {

unsigned char to_upper_1252(unsigned char c);
unsigned char to_lower_1252(unsigned char c);
std::string upper_1252(std::string_view s);
std::string lower_1252(std::string_view s);
// Case-insensitive equality and three-way comparison under that table.
bool iequals_1252(std::string_view a, std::string_view b);
int icompare_1252(std::string_view a, std::string_view b);

// The code page against UTF-16. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// number, so every byte string survives the round trip; a code point the code
// page cannot show (a surrogate pair too, or a lone surrogate) becomes one
// '?', with no nearest-looking letter put in its place.
char16_t utf16_of_1252(unsigned char c);
unsigned char cp1252_of_utf16(char16_t c);
std::u16string utf16_from_1252(std::string_view s);
std::string cp1252_from_utf16(std::u16string_view s);

}  // namespace qn::platform
