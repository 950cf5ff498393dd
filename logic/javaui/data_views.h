// The webExecute method of a main procedure called over HTTP.
#pragma once

#include "logic/core/run.h"

namespace qn::logic {

// gen_http_web_execute/0: the initContext method, then "public void
// webExecute()": when the program declares the XML writer xml, the writer is
// pointed at the HTTP response first; then "execute_int();".
bool gen_http_web_execute(Run& run);

}  // namespace qn::logic
