// The model being generated: its cached model record, the directories
// derived from it, and the walk to the companion model one model-number
// block higher.
#pragma once

#include <string>
#include <string_view>

#include "kb/kb_records.h"

namespace qn::kb {

// The block size model selection sets; model numbers below three blocks
// keep their directory in their model record, higher ones use "QN%03d".
inline constexpr int kModelBlockSize = 1000;

// Model 0 or the cached model: the cache as it is. 65535 (-1): the cache
// emptied (number 0). Any other model: its record read into the cache and
// the directory prefixes moved to it; a missing record ends the generation
// with internal error 3 "mdl_info".
const MdlRecord& mdl_info(int model);

// The model-directory and application-directory prefixes of a model whose
// record names `path`. The first call looks for "model.dat" in the current
// directory: without it, relative paths are taken from the parent folder
// ("..\"); the answer stays for the process.
void set_model_dirs(std::string_view path, int model);

// The prefix followed by the first 35 characters of name.
std::string in_model_dir(std::string_view name);
std::string in_app_dir(std::string_view name);
void make_dir_path(std::string& out, std::string_view name, bool in_model);

// The model's directory: below three blocks (model 0 is the cached one) the
// path of its model record, otherwise "QN%03d".
std::string get_model_dir(int model);
// A file of the model's directory: below three blocks in_model_dir(name),
// otherwise "QN%03d\name".
std::string model_file_path(int model, std::string_view name);

// The model walk. offset is the block size. A current model below one
// block whose companion (one block higher) has a record moves to it: the
// companion becomes the current and the cached model, and the answer is 0
// with its number. Without a companion the answer is 1 with the current
// number; from one block up it is 0 with the current number.
int next_model_entry(int& model, int& offset);
// "%3d %-30.30s" (number, name) of the last companion the walk moved to.
const std::string& model_entry_text();

// The model of this generation, which the walk starts from. Always 0.
int set_current_model(int model);
int current_model();

// Model-number block size: 1 at program start, kModelBlockSize once a model
// is selected.
void set_model_block_size(int size);
int model_block_size();

// The directory path of the model's record (model 0: the cached model).
std::string mdl_info_path(int model);

// Back to the state at program start (tests).
void reset_model_queries();

}  // namespace qn::kb
