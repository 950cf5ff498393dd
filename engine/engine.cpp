#include "engine/engine.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "engine/clause_io.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::engine {

EngineAbort::EngineAbort(int code, int number)
    : std::runtime_error(Engine::error_text(number)), code_(code), number_(number) {}

struct Engine::Impl {
  FactBase facts;
  std::unordered_map<int, int64_t> counters;
  std::unordered_map<std::string, EntryPredicate> entries;
  ErrorHook hook;
  std::atomic<bool> interrupt{false};
  bool initialised = false;
  bool started = false;
  bool syntax_errors = true;
  bool file_errors = true;
  int errcode = 0;
  int first_syntax_error_line = 0;
  std::string config;
  std::string predicate_dir;

  void reset() {
    facts.clear();
    counters.clear();
    interrupt.store(false);
    syntax_errors = true;
    file_errors = true;
    errcode = 0;
  }
};

Engine::Engine() : impl_(std::make_unique<Impl>()) {
  impl_->facts.set_access_hook([this] { check_interrupt(); });
}

Engine::~Engine() = default;

int Engine::initialise(int mode, std::string_view config, std::string_view predicate_dir) {
  if (impl_->initialised) return kErrAlreadyStarted;
  if (mode != 12) return kErrBadInit;
  // The configuration text: KEY=value lines.
  size_t pos = 0;
  while (pos < config.size()) {
    size_t end = config.find('\n', pos);
    if (end == std::string_view::npos) end = config.size();
    std::string_view line = config.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.find('=') == std::string_view::npos) return kErrBadInit;
    pos = end + 1;
  }
  impl_->reset();
  impl_->config = std::string(config);
  impl_->predicate_dir = std::string(predicate_dir);
  impl_->initialised = true;
  impl_->started = false;
  return kOk;
}

int Engine::start(int a, int b) {
  if (!impl_->initialised) return kErrNotStarted;
  if (a != 1 || b != 0) return kErrBadInit;
  impl_->started = true;
  return kOk;
}

void Engine::set_error_hook(ErrorHook hook) { impl_->hook = std::move(hook); }

void Engine::request_interrupt(int how) {
  if (how != 0) impl_->interrupt.store(true, std::memory_order_release);
}

void Engine::check_interrupt() {
  if (!impl_->interrupt.load(std::memory_order_relaxed)) return;
  if (!impl_->interrupt.exchange(false, std::memory_order_acq_rel)) return;
  impl_->errcode = kErrInterrupted;
  raise(5, 0);
}

void Engine::shutdown() {
  impl_->reset();
  impl_->hook = nullptr;
  impl_->initialised = false;
  impl_->started = false;
}

bool Engine::started() const { return impl_->initialised; }

void Engine::default_error(int code, int number, int extra) {
  if (number != 0) impl_->errcode = number;
  // Without a hook an interrupt still has to end the run.
  if (code == 5) throw EngineAbort(code, kErrInterrupted);
}

std::string Engine::error_text(int number) {
  switch (number) {
    case kOk:
      return "No error";
    case kErrSyntax:
      return "Syntax error in a clause file";
    case kErrFile:
      return "File cannot be opened, read or written";
    case kErrBadInit:
      return "Engine initialisation arguments not accepted";
    case kErrNotStarted:
      return "Engine not initialised";
    case kErrAlreadyStarted:
      return "Engine already initialised";
    case kErrNoEntry:
      return "No such entry predicate";
    case kErrInterrupted:
      return "Run interrupted";
    default:
      return "Engine error " + std::to_string(number);
  }
}

void Engine::raise(int code, int number) {
  if (impl_->hook) {
    impl_->hook(code, number, 0);
    return;
  }
  default_error(code, number, 0);
}

void Engine::register_entry(std::string name, EntryPredicate fn) {
  impl_->entries[std::move(name)] = std::move(fn);
}

bool Engine::call(std::string_view name, std::span<const int64_t> args) {
  if (!impl_->initialised) {
    impl_->errcode = kErrNotStarted;
    return false;
  }
  auto it = impl_->entries.find(std::string(name));
  if (it == impl_->entries.end()) {
    impl_->errcode = kErrNoEntry;
    return false;
  }
  // Copy: the entry may register others while it runs.
  EntryPredicate fn = it->second;
  return fn(*this, args);
}

FactBase& Engine::facts() { return impl_->facts; }
const FactBase& Engine::facts() const { return impl_->facts; }

void Engine::ctr_set(int counter, int64_t value) { impl_->counters[counter] = value; }

int64_t Engine::ctr_inc(int counter) { return impl_->counters[counter]++; }

int64_t Engine::ctr_is(int counter) const {
  auto it = impl_->counters.find(counter);
  return it == impl_->counters.end() ? 0 : it->second;
}

void Engine::set_syntax_errors(bool on) { impl_->syntax_errors = on; }
void Engine::set_file_errors(bool on) { impl_->file_errors = on; }
bool Engine::syntax_errors() const { return impl_->syntax_errors; }
bool Engine::file_errors() const { return impl_->file_errors; }
int Engine::errcode() const { return impl_->errcode; }
void Engine::set_errcode(int code) { impl_->errcode = code; }

int Engine::first_syntax_error_line() const { return impl_->first_syntax_error_line; }

bool Engine::consult(std::string_view path) { return load_file(path, false); }
bool Engine::reconsult(std::string_view path) { return load_file(path, true); }

bool Engine::load_file(std::string_view path, bool replace) {
  check_interrupt();
  impl_->first_syntax_error_line = 0;
  std::string text;
  // A folder or a file that fails while being read counts as unreadable.
  const bool read = platform::read_whole_file(platform::map_path(path), text);
  if (!read) {
    impl_->errcode = kErrFile;
    if (impl_->file_errors) raise(2, kErrFile);
    return false;
  }
  return consult_text(text, replace);
}

bool Engine::consult_text(std::string_view text, bool replace) {
  ClauseReader reader(text);
  std::unordered_set<uint64_t> seen;  // name/arity met in this text
  static const Atom neck(":-");
  size_t reported = 0;
  impl_->first_syntax_error_line = 0;
  for (;;) {
    std::optional<Term> t = reader.next();
    // Each syntax error met on the way to this clause.
    for (; reported < reader.errors().size(); ++reported) {
      impl_->errcode = kErrSyntax;
      const int line = static_cast<int>(reader.errors()[reported].line);
      if (impl_->first_syntax_error_line == 0) impl_->first_syntax_error_line = line;
      if (!impl_->syntax_errors) continue;
      if (impl_->hook) {
        impl_->hook(1, kErrSyntax, line);
      } else {
        default_error(1, kErrSyntax, line);
      }
    }
    if (!t) break;
    // Directives are not run.
    if (t->is_compound() && t->arity() == 1 && t->functor() == neck) continue;
    if (!t->is_atom() && !t->is_compound()) {
      impl_->errcode = kErrSyntax;
      continue;
    }
    if (replace) {
      uint64_t key = (uint64_t{t->functor().id()} << 32) | t->arity();
      if (seen.insert(key).second)
        impl_->facts.abolish(PredKey{t->functor(), static_cast<uint32_t>(t->arity())});
    }
    impl_->facts.assertz(*t);
  }
  return true;
}

}  // namespace qn::engine
