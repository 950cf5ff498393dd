// The end of a generated program's main routine and the one form of every
// printer call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logic/core/run.h"

namespace qn::logic {

// gen_printer_cmd/2: one printer call, the arguments joined with ", ".
// QnEndPrinter: "endPrinter();". QnPrintInit and QnPrintTextInit: "try {",
// the printer variables declared, the OUTPUT option's value into Qn_out
// (unless it is ASK or the program has an Output parameter), then
// "if (!initPrinter (" Arguments ") )" (initTextPrinter) and the block that
// cleans up and returns. Any other: "getPrinter()." Command "(" Arguments ")" ";".
bool gen_printer_cmd(Run& run, std::string_view command, const std::vector<std::string>& args);
// gen_pgm_end/1: once per object (endpgm_i/0): outside an event, a program
// with print lines ends its document (unless it prints into its caller's
// report through a Line parameter; no last footer with the nolastfooter
// rule) and closes the "try {" of the printer initialisation; then
// "cleanup();", the debug dump of the output parameters and the routine's
// end.
bool gen_pgm_end(Run& run);
// A parameter of the program (parm_names_i/1, else its parm rule) by its
// name, in any case.
bool is_parameter(Run& run, std::string_view name);

}  // namespace qn::logic
