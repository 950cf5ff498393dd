// The state kept between two generation runs of a model (call tree, stored
// procedure calls, object dependencies) and the external programs the model
// declares in ".\extprog.ini".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// ".\sm11_<model>.ari".
std::string state_file_name(int64_t model);
// The predicates of the state file, in the order they are written.
const std::vector<engine::PredKey>& state_predicates();

// What load_state found of the state file.
enum class StateFound { kLoaded, kMissing, kDamaged };
// load_state/1: external programs, then the state file. A missing file
// starts the run with an empty state; a damaged one keeps the facts read up
// to the damage. The caller tells the user when either loses something.
StateFound load_state(Run& run, int64_t model);
// save_state/1: writes the state facts, replacing the former file whole (a
// kill or a full disk leaves the former file or the new one); false when it
// could not be written.
bool save_state(Run& run, int64_t model);

// Reads ".\extprog.ini" into external_program_i/3 facts.
void read_external_programs(Run& run);

struct ExternalProgram {
  engine::Term type;
  engine::Term data;
};
// get_external_program/3: the entry of the upper-cased name; quotes around
// the name are ignored.
std::optional<ExternalProgram> get_external_program(const Run& run, std::string_view name);

}  // namespace qn::logic
