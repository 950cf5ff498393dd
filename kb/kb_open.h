// Opening and closing the knowledge base of a generation.
#pragma once

#include <string>

namespace qn::kb {

// Opens the file set (finding PEFILES in the current directory, else along
// FILEPATH) and selects the model. 1 when open and selected; 0 when the model
// selection failed. Failures to open end through LogError (which throws).
int OpenKnowledgeBase(int model);

// Opens the file set unless it is open already. Called by every record
// family before it reads, so that a family used after close_isam reopens it.
void getisam();

// Closes the file set when it is open; the open flag after the call (0).
int close_isam();

// The parameter-file name: "PEFILES", or the path under which the FILEPATH
// search found it.
const std::string& param_file_name();

// Model selection that OpenKnowledgeBase calls (the configuration layer's
// select_model unless a test puts another in). Answers the model or -1.
using ModelSelector = int (*)(int model);
void set_model_selector(ModelSelector selector);

}  // namespace qn::kb
