#include "logic/driver/entries.h"

#include "logic/driver/gen_main.h"
#include "logic/core/run.h"

namespace qn::logic {

void register_entries(engine::Engine& engine) {
  engine.register_entry("gen_main", [](engine::Engine& eng, std::span<const int64_t> args) {
    if (args.size() != 2) return false;
    Run run(eng);
    return gen_main(run, args[0], args[1]);
  });
}

}  // namespace qn::logic
