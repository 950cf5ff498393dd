#include "app/generation.h"

#include <array>
#include <cstdio>

#include "app/generator_descriptor.h"
#include "host/dialog.h"
#include "host/error_log.h"
#include "host/run_state.h"
#include "host/source_writer.h"
#include "platform/folder_index.h"
#include "platform/message_box.h"
#include "platform/path.h"
#include "platform/profile.h"

namespace qn::app {
namespace {

constexpr const char* kGeneralException = "General Exception";

std::string without_trailing_separator(std::string dir) {
  while (dir.size() > 1 && platform::is_separator(dir.back())) dir.pop_back();
  return dir;
}

}  // namespace

CPrologException::CPrologException(int number)
    : number_(number), text_(engine::Engine::error_text(number)) {}

Generation::Generation(engine::Engine& engine, GenerationServices services)
    : engine_(engine), services_(std::move(services)) {}

bool Generation::running() const {
  std::lock_guard lock(running_lock_);
  return running_;
}

void Generation::set_running(bool on) {
  std::lock_guard lock(running_lock_);
  running_ = on;
}

int Generation::RequestCancel() {
  std::lock_guard lock(running_lock_);
  if (running_) engine_.request_interrupt(1);
  return running_ ? 1 : 0;
}

void Generation::PrologErrorHook(int code, int number, int extra) {
  if (code == 5) throw CPrologPoisonException();
  if (code >= 1 && code <= 4) throw CPrologException(number);
  engine_.default_error(code, number, extra);
}

// After a failure outside the main entry: a started engine is shut down and
// the knowledge base closed, so that the next Generate starts afresh
// instead of meeting an engine that is still up or the set of another model.
void Generation::close_after_failure(bool engine_started) {
  set_running(false);
  try {
    if (engine_started) engine_.shutdown();
  } catch (...) {
  }
  try {
    if (services_.close_knowledge_base) services_.close_knowledge_base();
  } catch (...) {
  }
}

bool Generation::Generate(int16_t first, int16_t model) {
  // One index of folder contents for the whole run: no object lists a
  // whole folder again.
  platform::FolderIndexScope folder_index;
  bool engine_started = false;  // the engine needs shutting down
  bool cleaned_up = false;      // the clean-up after the main entry has begun
  cancelled_ = false;
  objects_generated_ = 0;
  files_written_ = 0;
  host::source_writer().reset_files_written();
  try {
    // 1. The knowledge base of the model; the run goes on whatever it answers.
    services_.open_knowledge_base(model);

    // 2-3. The run's numbers and the model's data source.
    host::RunState& rs = host::run_state();
    rs.datastore_set = first;
    rs.current_model = model;
    char section[32];
    std::snprintf(section, sizeof section, "Model %03d", static_cast<int>(model));
    rs.data_source =
        static_cast<int16_t>(platform::profile_int("MODEL.INI", section, "DataSource", 0));

    // 4. The engine.
    int code = engine_.initialise(12, kEngineConfig, services_.program_dir);
    if (code == 0) {
      engine_started = true;
      code = engine_.start(1, 0);
    }
    if (code != 0) {
      close_after_failure(engine_started);
      std::string text =
          "Failed to initialize Prolog Engine\nCause: " + engine::Engine::error_text(code);
      const std::string& caption = current_generator().display_name;
      platform::message_box(text, caption.empty() ? "qnjavagen" : caption,
                            platform::kMbTaskModal | platform::kMbIconExclamation);
      return false;
    }
    if (services_.register_entries) services_.register_entries(engine_);

    // 5. The support files, once per process.
    const int gen_id = current_generator().id;
    if (gen_id != 3 && gen_id != 7 && !support_files_copied_) {
      support_files_copied_ = true;
      std::string from = without_trailing_separator(services_.program_dir);
      host::DebugTrace(0, "copy %s", from.c_str());
      std::string list = current_generator().short_name + ".DAT";
      services_.copy_support_files(from, without_trailing_separator(platform::current_dir()), list,
                                   1);
    }

    // 6-7. The error hook and the running mark.
    engine_.set_error_hook([this](int c, int n, int e) { PrologErrorHook(c, n, e); });
    set_running(true);

    // 8. The main entry.
    try {
      const std::array<int64_t, 2> args{first, model};
      engine_.call(services_.entry, args);
    } catch (const CPrologPoisonException& e) {
      // A cancelled run keeps nothing half-written: the file being written
      // when the cancel arrived goes.
      cancelled_ = true;
      host::source_writer().abandon_output_file();
      host::ShowGenerationError(e.GetText());
    } catch (const CPrologException& e) {
      host::ShowGenerationError(e.GetText());
    } catch (const host::CCTreeException& e) {
      host::ShowGenerationError(e.text());
    } catch (...) {
      host::ShowGenerationError(kGeneralException);
    }
    // The object loop leaves the number of objects it generated.
    for (const engine::Term& n : engine_.facts().clauses("objects_generated_i", 1)) {
      if (n.arg(1).is_int()) objects_generated_ = static_cast<int>(n.arg(1).as_int());
    }
    files_written_ = host::source_writer().files_written();
    cleaned_up = true;
    set_running(false);
    engine_started = false;
    engine_.shutdown();
    services_.close_knowledge_base();
  } catch (const CPrologException& e) {
    host::ShowGenerationError(e.GetText());
    if (!cleaned_up) close_after_failure(engine_started);
  } catch (const host::CCTreeException& e) {
    host::ShowGenerationError(e.text());
    if (!cleaned_up) close_after_failure(engine_started);
  } catch (...) {
    host::ShowGenerationError(kGeneralException);
    if (!cleaned_up) close_after_failure(engine_started);
  }
  // 9.
  set_running(false);
  return true;
}

}  // namespace qn::app
