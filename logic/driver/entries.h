// The entry predicates the host calls through the engine's gate.
#pragma once

#include "engine/engine.h"

namespace qn::logic {

// Registers gen_main/2 and the other entry predicates in the engine.
void register_entries(engine::Engine& engine);

}  // namespace qn::logic
