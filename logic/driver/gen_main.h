// The main entry of a generation: model set-up, the loop over the
// specification files and the dispatch of every object to the generator of
// its kind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The specification-file name patterns, in processing order.
const std::vector<std::string>& spec_file_patterns();
// The object kinds the loop hands to a generator.
const std::vector<std::string>& supported_kinds();

// gen_main/2: the whole generation; false when a step before the loop
// failed (nothing was generated then).
bool gen_main(Run& run, int64_t first, int64_t model);

bool setup_model(Run& run, int64_t model, std::string& user_dir);
void load_menu_spec(Run& run, std::string_view dir);
void delete_menu_spec(Run& run, std::string_view dir);
void process_spec_files(Run& run, int64_t model, std::string_view dir);
int64_t count_spec_files(Run& run, std::string_view dir);
void spec_file_loop(Run& run, int64_t model, std::string_view dir);
void set_object_progress(Run& run, const engine::Term& kind);
// process_spec_file/8: generates one object; false when its file is kept.
bool process_spec_file(Run& run, const engine::Term& kind, const std::string& file, int64_t model,
                       int64_t number, const engine::Term& spec);
// The auxiliary names of the object's attributes, made afresh before it is
// generated.
bool object_aux_names(Run& run);
bool dispatch_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                     const engine::Term& spec);
bool gen_by_kind(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                 const engine::Term& spec);
bool before_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                   const engine::Term& spec);
bool after_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                  const engine::Term& spec);

}  // namespace qn::logic
