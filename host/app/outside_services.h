// Routines of the knowledge-base layer that the generation run calls, as far
// as this folder needs them. Their own headers replace these declarations
// as soon as they exist.
#pragma once

namespace qn::kb {
// Opens the knowledge base for the model and selects it; 1 or 0.
int OpenKnowledgeBase(int model);
// Closes the file set; the open flag afterwards (0).
int close_isam();
}  // namespace qn::kb
