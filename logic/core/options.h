// Program options and data-store preferences: the few reads the Java frame
// needs, until the options module replaces this file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// pgm_prop_value/3: the object's prop(Name, Value) rule, else config_i/2,
// else data store 1's preference, else the host's free key list (i_config/2).
std::optional<std::string> pgm_prop_value(Run& run, std::string_view name);
// pgm_prop_is/3: the value begins with the prefix (case-insensitive).
bool pgm_prop_is(Run& run, std::string_view name, std::string_view prefix);
// dstore_pref/3: dstore_pref_i(Store, Key, Value).
std::optional<std::string> dstore_pref(Run& run, int64_t store, std::string_view key);
// model_driver/1 and model_dbms/1 of the option DTASRC.
std::optional<std::string> model_driver(Run& run);
std::optional<std::string> model_dbms(Run& run);
// dstore_dbms/2: store 1 is the model's database system.
std::optional<std::string> dstore_dbms(Run& run, const engine::Term& store);

}  // namespace qn::logic
