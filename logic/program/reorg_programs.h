// The reorganisation programs' log: each step of the database creation and
// reorganisation programs adds a numbered line to the reorganisation log
// of the generated program, its text taken from the message file (lit/3
// facts of the model's language).
#pragma once

#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// reorg_add_msg/2 (Key, Arguments): the line that adds the message of Key,
// its "%1".."%9" filled with Arguments, to the reorganisation log, as a
// string literal. A key the message file does not hold is a message in the
// run's error log, and nothing is written: the log never gets an empty
// line in its place.
bool reorg_add_msg(Run& run, const engine::Term& key, const std::vector<engine::Term>& args);

}  // namespace qn::logic
