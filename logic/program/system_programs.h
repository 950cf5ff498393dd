// The programs the runtime library implements: a call of one of them is a
// call of its Java method with the arguments its parameters fix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/core/run.h"

namespace qn::logic {

// One parameter: mode i, o or u; type char, int, date, dtime, or any (the
// argument's own type); for dfrgnum( the length comes from the argument
// (length 0, 4 decimals).
struct SystemParm {
  char mode;
  std::string type;
  int64_t length = 0, decimals = 0;
};
struct SystemProgram {
  std::string method;
  std::vector<SystemParm> parms;
};
// system_program/3: Key lower-cased, without its quotes; with the program
// property USE_QNOFFICE Y the office table first (every key but rseed). A
// key without "(" finds the row of the same key with it (dfrgtxt( ...).
std::optional<SystemProgram> system_program(Run& run, std::string_view key);
// The tables themselves, for their tests: the main table's keys in order,
// and the office table's.
std::vector<std::string> system_program_keys(bool office);
std::optional<SystemProgram> system_program_row(std::string_view key, bool office);
// A parameter as "i char(9)", "o int(15,3)", "i any".
std::string system_parm_text(const SystemParm& p);

}  // namespace qn::logic
