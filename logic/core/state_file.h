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

// load_state/1: external programs, then the state file (a missing or bad
// file is no error).
void load_state(Run& run, int64_t model);
// save_state/1: writes the state facts; false when the file could not be
// written (the run still ends normally).
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
