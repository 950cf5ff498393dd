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

}  // namespace qn::platform
