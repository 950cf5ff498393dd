#include "logic/core/entries.h"

namespace qn::logic {

void register_entries(engine::Engine& engine) {}

}  // namespace qn::logic
