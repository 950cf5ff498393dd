// One generation run (the automation method Generate) with its exceptions,
// the engine's error hook and the cancel request of the progress dialog.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "host/source_writer.h"

namespace qn::app {

// An engine error (codes 1-4) raised by the error hook; its text is the
// engine's text for the error number.
class CPrologException : public std::exception {
 public:
  explicit CPrologException(int number);
  int number() const { return number_; }
  virtual const char* GetText() const { return text_.c_str(); }
  const char* what() const noexcept override { return GetText(); }

 private:
  int number_;
  std::string text_;
};

// A run ended by the user's Cancel (the hook reached with code 5).
class CPrologPoisonException : public CPrologException {
 public:
  CPrologPoisonException() : CPrologException(0) {}
  const char* GetText() const override { return "Operation cancelled by user"; }
};

// What a generation run calls outside the engine. standard_services() wires
// the real routines; tests replace single members.
struct GenerationServices {
  // Opens the knowledge base and selects the model (the result is not used).
  std::function<int(int model)> open_knowledge_base;
  // Closes the knowledge base.
  std::function<void()> close_knowledge_base;
  // CopySupportFiles(program directory, model directory, list name, show).
  std::function<int(const std::string&, const std::string&, const std::string&, int)>
      copy_support_files;
  // Registers the entry predicates in a started engine.
  std::function<void(engine::Engine&)> register_entries;
  // The entry predicate called with (first, model).
  std::string entry = "gen_main";
  // The program directory with its trailing separator: the engine's
  // predicate directory and the source of the support files.
  std::string program_dir;
};

GenerationServices standard_services();

// The output writer's host of the program: the dialog and the error box,
// the directory of the cached model record (empty before a model is
// selected, so bare names stay in the current directory) and the
// installation's generator directory.
host::WriterHost program_writer_host();

// The engine's configuration text.
inline constexpr std::string_view kEngineConfig = "DBMODE=never\r\nKBDRIVER=no\r\n";

class Generation {
 public:
  Generation(engine::Engine& engine, GenerationServices services);
  Generation(const Generation&) = delete;
  Generation& operator=(const Generation&) = delete;

  // One whole generation of `model` with the data-store set `first`. False
  // only when the engine cannot be started; every other failure is shown in
  // the error box and answers true.
  bool Generate(int16_t first, int16_t model);

  // The engine's error hook during a run: code 5 raises
  // CPrologPoisonException, codes 1-4 CPrologException; other codes go to
  // the engine's default handling.
  void PrologErrorHook(int code, int number, int extra);

  // The dialog's Cancel: asks the running generation to stop. Answers
  // whether a generation was running. Any thread.
  int RequestCancel();

  bool running() const;
  bool support_files_copied() const { return support_files_copied_; }
  // The last run ended through a cancel.
  bool cancelled() const { return cancelled_; }
  // What the last run generated: its objects and the files it wrote.
  int objects_generated() const { return objects_generated_; }
  int files_written() const { return files_written_; }

 private:
  void set_running(bool on);
  void close_after_failure(bool engine_started);

  engine::Engine& engine_;
  GenerationServices services_;
  mutable std::mutex running_lock_;  // guards running_ and the interrupt request
  bool running_ = false;
  bool support_files_copied_ = false;
  bool cancelled_ = false;
  int objects_generated_ = 0;
  int files_written_ = 0;
};

}  // namespace qn::app
