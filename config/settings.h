// Settings of QN.INI the generation reads, and small text helpers of the
// configuration layer.
#pragma once

#include <cstdint>
#include <string>

namespace qn::config {

// 1 with out = the program directory followed by the "Path" of this
// generator's section of QN.INI; 0 with an empty out when a key is missing.
int GetGeneratorDir(std::string& out);

// "Version" of section "QNW" of QN.INI, 0 when absent; read once per run
// (again by model selection).
int get_ide_version_switch();
// The next get_ide_version_switch reads QN.INI again.
void forget_ide_version_switch();

// The value as an unsigned 32-bit number in a base of 2 to 62 (digits 0-9,
// A-Z, a-z), left-padded with '0' to the width. "" for a base outside 2-62.
std::string IntToBaseText(int64_t value, int base, int width);

// Removes trailing blanks and tabs in place.
void rtrim(std::string& text);
char* rtrim(char* text);
// Copies source to target and returns the address of the copy's NUL.
char* strcpy_end(char* target, const char* source);

}  // namespace qn::config
