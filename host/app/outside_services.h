// Routines of other parts of the host that the generation run calls, as far
// as this folder needs them. Their own headers replace these declarations
// as soon as they exist.
#pragma once

#include <string>
#include <string_view>

namespace qn::kb {
// Opens the knowledge base for the model and selects it; 1 or 0.
int OpenKnowledgeBase(int model);
// Closes the file set; the open flag afterwards (0).
int close_isam();
}  // namespace qn::kb

namespace qn::host {
// Copies the support files named in the list from the program directory to
// the model directory; 0 when the list cannot be opened.
int CopySupportFiles(std::string_view program_dir, std::string_view model_dir,
                     std::string_view list_name, int show);
}  // namespace qn::host
