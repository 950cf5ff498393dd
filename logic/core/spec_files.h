// Loading of specification files and of the model's fact files, the list of
// facts cleared between two objects, and the facts that tell every rule what
// kind of generation is running.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/fact_base.h"
#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The predicates removed before any clause file is loaded, in order.
const std::vector<engine::PredKey>& clear_list();

// clear_spec_facts/0: removes the clear list; counters 2 and 1 set to 1.
void clear_spec_facts(Run& run);
// load_spec_file/1: clears the previous object's facts, loads File as a
// clause file (replacing the predicates it defines) with syntax errors off,
// then converts the older literal form. Fails when the file cannot be read.
bool load_spec_file(Run& run, std::string_view file);
// number_form_literals/0: lit_i/3 facts become numbered lit_i/4 facts
// (unless the file already has lit_i/4 ones); lit_i/3 is then removed.
void number_form_literals(Run& run);

// load_model_files/1: M1.ARI, then the model's own fact file, the model
// number, the message language and the generation directories. Always
// succeeds.
void load_model_files(Run& run, int64_t model);
// set_gen_dirs/1: dir_i(u|s|n, Dir) from the host, or '.\' for each.
void set_gen_dirs(Run& run, int64_t model);
// model_num_pair/3(N, P, Q): its solutions in order.
std::vector<std::pair<int64_t, int64_t>> model_num_pair(const Run& run, int64_t n);

// The generation mode.
bool spec_kind_in(const Run& run, std::initializer_list<std::string_view> kinds);
bool generating_reorg(const Run& run);
bool reorg_or_ce_spec(const Run& run);

// The kind of the current object (first element of spec_i/1), or nullopt.
std::optional<engine::Term> spec_kind(const Run& run);
// The spec_i/1 list, or nullopt when the object has none.
std::optional<engine::Term> spec_list(const Run& run);

}  // namespace qn::logic
