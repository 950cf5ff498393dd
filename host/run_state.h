// Process-wide values of the generation run that several host routines read.
#pragma once

#include <cstdint>
#include <string>

namespace qn::host {

struct RunState {
  int16_t datastore_set = 0;     // first Generate argument ("DataStores%04d", "DSs%04d")
  int16_t current_model = 0;     // second Generate argument
  int16_t data_source = 0;       // "DataSource" of section "Model %03d" of MODEL.INI
  int generator_id = 11;         // this generator's row of the generator table
  int current_model_record = 0;  // model number of the current model record (error log)
};

RunState& run_state();

}  // namespace qn::host
