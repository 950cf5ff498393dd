// The user name of a generation: given by the environment, else looked up.
#pragma once

#include <string>
#include <string_view>

namespace qn::host {

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

}  // namespace qn::host
