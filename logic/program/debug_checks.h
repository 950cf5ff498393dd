// What generated programs write for debugging when the options ask for it:
// the trace statements of the runtime's debug routine QN_dbg
// (GEN_DEBUG_INFO), the run-time check of array subscripts
// (CHECK_ARRAY_INDEXES, or GEN_DEBUG_INFO), and the error exit those checks
// end in. With the options off nothing is written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The option GEN_DEBUG_INFO begins with "Y".
bool gen_debug_info(Run& run);
// dbg_trace_call/2 (Label, Items): with GEN_DEBUG_INFO on, one line per
// item: QN_dbg( Label , "text" ); where the text is the item itself, or a
// list's elements each followed by a blank. Succeeds with the option off.
bool dbg_trace_call(Run& run, const engine::Term& label, const std::vector<engine::Term>& items);
// array_index_check/3 (Dimensions, Name, Subscripts): with
// CHECK_ARRAY_INDEXES or GEN_DEBUG_INFO on, for the first and a second
// dimension other than 0, the block
//   if ( I > D || I < 1)
//   {
//      <the error exit with "Index of Name out of range." and code 2>
//   }
// The braces keep the exit inside the test. Succeeds with the options off.
bool array_index_check(Run& run, const std::vector<std::string>& dims, std::string_view name,
                       const std::vector<std::string>& subscripts);
// gen_error_exit/2 (Message, Code): the message printed, then the program
// ends with the code: System.out.println( "Message" ); System.exit( Code );
bool gen_error_exit(Run& run, std::string_view message, int64_t code);

}  // namespace qn::logic
