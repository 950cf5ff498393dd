// Objects this generator does not generate, and the placeholder class they
// get instead.
#pragma once

#include <cstdint>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// object_supported/0: fails for a transaction whose first level repeats,
// for a transaction with a later level that does not repeat, for a
// transaction without an Enter button, and for every menu.
bool object_supported(const Run& run);

// gen_unsupported_object/2(Number, [Kind, _, Name | _]): the placeholder
// class, whose main method and execute_int report "Object not currently
// supported".
bool gen_unsupported_object(Run& run, int64_t number, const engine::Term& spec);

}  // namespace qn::logic
