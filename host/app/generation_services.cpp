#include "host/app/generation.h"
#include "host/directories.h"
#include "kb/kb_open.h"
#include "logic/core/entries.h"

namespace qn::host {

GenerationServices standard_services() {
  GenerationServices s;
  s.open_knowledge_base = [](int model) { return kb::OpenKnowledgeBase(model); };
  s.close_knowledge_base = [] { kb::close_isam(); };
  s.copy_support_files = [](const std::string& from, const std::string& to, const std::string& list,
                            int show) { return CopySupportFiles(from, to, list, show); };
  s.register_entries = [](engine::Engine& e) { logic::register_entries(e); };
  s.entry = "gen_main";
  s.program_dir = get_program_dir();
  return s;
}

}  // namespace qn::host
