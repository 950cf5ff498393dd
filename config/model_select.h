// Model selection, the model directory, the user name and small helpers
// of the configuration layer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qn::config {

// Selects the model of the generation: checks the free disk space, reads
// config.qn from the program directory and then the current directory,
// caches the model record and loads the model's INI settings into the free
// key list. The model, or -1 when too little disk space is left (the error
// box has then shown message 62212).
int select_model(int model);

// Makes the path the current directory ("X:" drive letters are ignored;
// '\' and '/' separate, names resolve case-insensitively). 1 on success.
int chdir_model_path(std::string_view path);

// Keeps the first 30 characters of the name given by the environment.
void set_user_name(std::string_view name);
// QNUSER when set; else the name given by set_user_name; else the system's
// user name; else "UNKNOWN".
std::string get_user_name();
// Back to the state at program start: no name given, none looked up.
void reset_user_name();
// Writes the user name cut to 8 characters, or "." when it is empty, and
// returns the end of the text written (its terminating NUL). out must hold
// 9 bytes.
char* put_user_name8(char* out);
std::string put_user_name8();

// 1 with out = the program directory followed by the "Path" of this
// generator's section of QN.INI; 0 with an empty out when a key is missing.
int GetGeneratorDir(std::string& out);

// "Version" of section "QNW" of QN.INI, 0 when absent; read once per run
// (again by select_model).
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
