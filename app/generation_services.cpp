#include "app/generation.h"
#include "config/settings.h"
#include "host/directories.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/driver/entries.h"

namespace qn::app {

GenerationServices standard_services() {
  GenerationServices s;
  s.open_knowledge_base = [](int model) { return kb::OpenKnowledgeBase(model); };
  s.close_knowledge_base = [] { kb::close_isam(); };
  s.copy_support_files = [](const std::string& from, const std::string& to, const std::string& list,
                            int show) { return host::CopySupportFiles(from, to, list, show); };
  s.register_entries = [](engine::Engine& e) { logic::register_entries(e); };
  s.entry = "gen_main";
  s.program_dir = host::get_program_dir();
  return s;
}

host::WriterHost program_writer_host() {
  host::WriterHost h = host::default_writer_host();
  h.model_dir = [] { return kb::mdl_info_path(0); };
  h.generator_dir = [] {
    std::string dir;
    config::GetGeneratorDir(dir);
    return dir;
  };
  return h;
}

}  // namespace qn::app
