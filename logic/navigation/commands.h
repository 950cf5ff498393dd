// Command lines to Java: cmd_to_code/5 dispatches on the code of the first
// token, one function per statement; a code it does not know writes
// nothing. The command's arguments are the tokens after the first.
//
// Working facts: in_usr_proc_i/1 (Name) between the start and the end of a
// user subroutine or event; event_cmd_i/1 (assign, reload) what its lines
// do. Forms (work panels, transactions) start an event by moving the
// controls and current subfile lines into the variables and end it by
// moving them back (eventLevelContext ... eventLevelResetContext).
#pragma once

#include <cstdint>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// Command codes (the first token's type).
enum Cmd : int64_t {
  kCmdCall = 104,
  kCmdAssign = 107,
  kCmdIf = 109,
  kCmdElse = 110,
  kCmdEndIf = 111,
  kCmdWhile = 114,
  kCmdEndDo = 115,
  kCmdReturn = 118,
  kCmdCommit = 132,
  kCmdExitFor = 139,
  kCmdExitLoop = 140,
  kCmdMsg = 141,
  kCmdSubStart = 143,
  kCmdSubEnd = 144,
  kCmdDoSub = 145,
  kCmdEventStart = 146,
  kCmdEventEnd = 147,
  kCmdConfirm = 151,
  kCmdDoCase = 152,
  kCmdCase = 153,
  kCmdEndCase = 154,
  kCmdRollback = 157,
  kCmdCallPgm = 158,
  kCmdErrorHandler = 160,
  kCmdCallOther = 163,
  kCmdOtherwise = 164,
  kCmdUserCode = 166,
  kCmdUserSql = 167,
  kCmdLink = 171,
};

// cmd_to_code/5 (Tokens, C2, C3, Level, C5).
bool cmd_to_code(Run& run, const engine::Term& tokens, const engine::Term& c2,
                 const engine::Term& c3, const engine::Term& level, const engine::Term& c5);
// Notes what an event's command line (tokens without positions) does, for
// the context moves at the event's end: a reload of its subfile (refresh,
// for each line, sort() or an assignment. cmd_to_code/5 calls it; a
// writer that takes a line before it does too.
void note_event_command(Run& run, const engine::Term& tokens);
// gen_call/6: a user-defined procedure through gen_udp_call/5, else (and
// for every other program) gen_pgm_call/6.
bool gen_call(Run& run, const engine::Term& tokens, const engine::Term& level,
              const engine::Term& c3, const engine::Term& c4, const engine::Term& c5,
              const engine::Term& c6);
// gen_load_event/2 (Event, Level) with the event's method name: the
// header of an event's method. Load at a work panel's subfile level: its
// loadToBuffer<NN> method (the body a later generator writes) and the event
// method that fills the subfile element; Load in a web panel: a private
// method; any other Load: an empty nextLoad() first. Any other event: the
// runtime's QN method for Start, Exit and Enter, then the event method.
bool gen_load_event(Run& run, const engine::Term& event, const engine::Term& level,
                    const std::string& method);
// gen_event_end/1: the event's routine closed; after a work panel's subfile
// Load, closeCursors<NN> (the subfile's number) closing the cursors of load_cursors/1, which is
// cleared with cursor_loaded_i/1.
bool gen_event_end(Run& run, const engine::Term& level);
// "protected void closeCursors<NN>()" closing every cursor of load_cursors/1,
// which is cleared with cursor_loaded_i/1 unless keep is set (a Load event
// still to come closes them again). NN the digits given, else
// load_digits/2 of the level.
bool gen_close_cursors_method(Run& run, const engine::Term& level, const std::string& digits = "",
                              bool keep = false);
// The load producer of a work panel's subfile level: the inner class
// <class>_load<NN> (kind load) running the level's load; NN the digits
// given, else load_digits/2 of the level (two subfiles of one level have
// a producer each).
bool gen_load_producer(Run& run, int64_t model, const engine::Term& level,
                       const std::string& digits = "");
// A level as two digits (1 gives 01).
std::string level_digits(const engine::Term& level);
// The two digits of the subfile a level loads (its own when it shows none):
// the load producer, loadToBuffer and closeCursors are numbered by them.
std::string load_digits(Run& run, const engine::Term& level);

}  // namespace qn::logic
