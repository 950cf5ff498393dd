// The members of a main program's class that start it: the Java main
// method (and the applet's init for a program with an applet stub), the
// parsing of its command-line arguments, and refClasses.
#pragma once

#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_main_method/2 (ClassName, Parameters): for a main program or a
// program with an applet stub, never for an HTTP main program.
bool gen_main_method(Run& run, std::string_view cls, const std::vector<engine::Term>& parms);
// gen_parse_parameters/1 (Parameters): "private static void
// parseParameters(String args[], ...)" setting each holder from its
// argument; with `applet`, the applet's variant reading P<i>.
bool gen_parse_parameters(Run& run, const std::vector<engine::Term>& parms, bool applet = false);
// gen_ref_classes/0: "public static Object refClasses()" for main objects.
bool gen_ref_classes(Run& run);

}  // namespace qn::logic
