// The engine: the fact base, counters, clause-file loading and the services
// the host calls to start, interrupt and stop a run of the rule program.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/fact_base.h"
#include "engine/term.h"

namespace qn::engine {

// Error codes of the engine (answered by initialise and start, and kept by
// errcode/2). 0 is no error.
enum EngineError : int {
  kOk = 0,
  kErrSyntax = 1,      // syntax error in a clause file
  kErrFile = 2,        // file cannot be opened, read or written
  kErrBadInit = 3,     // initialise called with arguments it does not know
  kErrNotStarted = 4,  // a service used before initialise
  kErrAlreadyStarted = 5,
  kErrNoEntry = 6,      // the call gate names no registered predicate
  kErrInterrupted = 7,  // the run was interrupted
};

// Thrown by the default error handling when no hook is installed and an
// interrupt must end the run.
class EngineAbort : public std::runtime_error {
 public:
  EngineAbort(int code, int number);
  int code() const { return code_; }
  int number() const { return number_; }

 private:
  int code_;
  int number_;
};

// Hook reached on engine errors (codes 1-4 with an error number) and with
// code 5 after an interrupt request. It may throw to end the running
// predicate.
using ErrorHook = std::function<void(int code, int number, int extra)>;
// An entry predicate the host can call through the gate.
class Engine;
using EntryPredicate = std::function<bool(Engine&, std::span<const int64_t>)>;

class Engine {
 public:
  Engine();
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // --- host services --------------------------------------------------
  // initialise(12, "DBMODE=never\r\nKBDRIVER=no\r\n", predicate directory):
  // 0, else an error code (another first value, a configuration line
  // without '=', or an engine already initialised). Gives a fresh fact
  // base, counters, error code and switches. The rule program is compiled
  // in, so the predicate directory is only kept.
  int initialise(int mode, std::string_view config, std::string_view predicate_dir);
  // The second start-up step, (1, 0): 0, else an error code.
  int start(int a, int b);
  void set_error_hook(ErrorHook hook);
  // Interrupt request: the hook is reached with code 5 at the next
  // interrupt check (fact-base access, emitted line, host call). Safe to
  // call from another thread.
  void request_interrupt(int how = 1);
  // Called by the rules at their interrupt checks.
  void check_interrupt();
  void shutdown();
  // True between initialise and shut-down.
  bool started() const;
  // Default error handling for codes the hook does not handle: keeps the
  // number as the error code; an interrupt (code 5) throws EngineAbort.
  void default_error(int code, int number, int extra);
  // Error text for an engine error number.
  static std::string error_text(int number);
  // Raises an engine error: the hook is called with (code, number, 0), or
  // the default handling when no hook is installed; when it returns, so
  // does this.
  void raise(int code, int number);

  // The call gate: entry predicates registered by name, run with integer
  // arguments; success or failure. An unknown name fails and sets
  // kErrNoEntry; a call before initialise fails and sets kErrNotStarted.
  // Exceptions of the entry (and of the hook it reaches) pass unchanged.
  // Entries stay registered across shut-down.
  void register_entry(std::string name, EntryPredicate fn);
  bool call(std::string_view name, std::span<const int64_t> args);

  // --- the rule program's built-ins --------------------------------------
  FactBase& facts();
  const FactBase& facts() const;

  // Counters: ctr_set/2, ctr_inc/2 (gives the old value and adds one),
  // ctr_is/2. An unset counter is 0.
  void ctr_set(int counter, int64_t value);
  int64_t ctr_inc(int counter);
  int64_t ctr_is(int counter) const;

  // syntaxerrors/2 and fileerrors/2 switches (both on at start). With
  // syntax errors on, each syntax error of a loaded file reaches the hook
  // as (1, kErrSyntax, line); with file errors on, a file that cannot be
  // read reaches it as (2, kErrFile, 0). Off, only the error code is set.
  void set_syntax_errors(bool on);
  void set_file_errors(bool on);
  bool syntax_errors() const;
  bool file_errors() const;
  // errcode/2: the last error code (0 = none); reading does not clear it.
  int errcode() const;
  void set_errcode(int code);

  // consult/1 adds the clauses of a file; reconsult/1 lets the first clause
  // of each name/arity in the file drop every clause it had (asserted ones
  // included). A syntax error skips to the end of that clause, sets the
  // error code and loading goes on. A missing file fails (quietly when file
  // errors are off). The path goes through the platform path mapping.
  bool consult(std::string_view path);
  bool reconsult(std::string_view path);
  // The line of the first syntax error of the last file or text loaded; 0
  // when it had none.
  int first_syntax_error_line() const;
  // The same from a text already in memory.
  bool consult_text(std::string_view text, bool replace);

 private:
  bool load_file(std::string_view path, bool replace);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qn::engine
