// Model selection and the model directory.
#pragma once

#include <string>
#include <string_view>

namespace qn::kb {

// Selects the model of the generation: checks the free disk space, reads
// config.qn from the program directory and then the current directory,
// caches the model record and loads the model's INI settings into the free
// key list. The model, or -1 when too little disk space is left (the error
// box has then shown message 62212).
int select_model(int model);

// Makes the path the current directory ("X:" drive letters are ignored;
// '\' and '/' separate, names resolve case-insensitively). 1 on success.
int chdir_model_path(std::string_view path);

}  // namespace qn::kb
