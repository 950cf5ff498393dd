// The state of one run of the rule program, passed explicitly to every rule:
// the engine (fact base, counters, interrupt flag) and the rule program's
// own working state. A test builds a Run over a small fact base, calls one
// rule and reads what it emitted.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/fact_base.h"
#include "logic/core/output.h"

namespace qn::logic {

// The run's output kept in memory instead of going to the host's writer
// (tests): the files opened, in order, each with its lines as the writer
// would have written them.
struct CapturedFile {
  std::string path;  // the output path given before the open
  std::vector<std::string> lines;
  bool closed = false;
};

struct EmitCapture final : Output {
  std::vector<CapturedFile> files;
  std::string next_path;     // set by set_path (i_defoutfile/1)
  int margin = 0;            // running left margin of the current file
  bool fail_writes = false;  // every write fails (as after a write error)
  bool close_failed = false;  // the last close failed, no file opened since

  // The file lines go to; lines emitted with no file open land in a file
  // with an empty path.
  CapturedFile& current() {
    if (files.empty() || files.back().closed) files.push_back({});
    return files.back();
  }
  // Every line captured, all files together.
  std::vector<std::string> all_lines() const {
    std::vector<std::string> out;
    for (const CapturedFile& f : files) out.insert(out.end(), f.lines.begin(), f.lines.end());
    return out;
  }

  void set_path(std::string_view name) override {
    next_path.assign(name.substr(0, kMaxOutputPath));
  }
  int& running_margin() override { return margin; }
  std::string locate_template(std::string_view file) const override;

 protected:
  bool open_file() override {
    files.push_back({next_path, {}, false});
    close_failed = false;
    return true;
  }
  bool close_file() override {
    const bool open = !files.empty() && !files.back().closed;
    if (!files.empty()) files.back().closed = true;
    const bool ok = !fail_writes && !(close_failed && !open);
    fail_writes = false;
    close_failed = !ok;
    return ok;
  }
  bool write_text(std::string_view finished) override {
    if (fail_writes) return false;
    current().lines.emplace_back(finished);
    return true;
  }
};

class Run {
 public:
  explicit Run(engine::Engine& engine) : engine_(engine) {}
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  engine::Engine& engine() { return engine_; }
  engine::FactBase& facts() { return engine_.facts(); }
  const engine::FactBase& facts() const { return engine_.facts(); }

  // From now on the output files and their lines are kept in memory (the
  // host's writer is not used). Gives the capture.
  EmitCapture& capture_output() {
    if (!capture_) capture_ = std::make_unique<EmitCapture>();
    return *capture_;
  }
  // The capture, or null when output goes to the host's writer.
  EmitCapture* capture() { return capture_.get(); }
  // Where the run's files are written: the capture, else the host's writer.
  Output& output() {
    if (capture_) return *capture_;
    return writer_output();
  }

  // Host-predicate stand-ins (tests): call_host answers name/arity from
  // here before the host-interface table, so a rule can be run against a
  // predicate the host does not have yet or against a counting fake.
  using HostStandIn = std::function<bool(Run& run, std::span<engine::Term> args)>;
  void stand_in_host(std::string_view name, uint32_t arity, HostStandIn fn) {
    stand_ins_.push_back({std::string(name), arity, std::move(fn)});
  }
  const HostStandIn* host_stand_in(std::string_view name, uint32_t arity) const {
    for (const StandIn& s : stand_ins_) {
      if (s.arity == arity && s.name == name) return &s.fn;
    }
    return nullptr;
  }

  // The option rules' index of the current object's rule_i/2 facts
  // (logic/core/options.cpp owns its type).
  std::shared_ptr<void>& option_index() { return option_index_; }
  // The variables whose declaration is known to be recorded already
  // (logic/java/variables.cpp owns its type).
  std::shared_ptr<void>& recorded_vars() { return recorded_vars_; }
  // The dim rules of rule_i/2 by variable (logic/core/attributes.cpp owns
  // its type); a cache, so a const run keeps it too.
  std::shared_ptr<void>& dim_index() const { return dim_index_; }
  // The form items of lit_i/4 by context and item (logic/javaui/form_controls.cpp
  // owns its type); a cache as dim_index is.
  std::shared_ptr<void>& form_item_index() const { return form_item_index_; }

 private:
  struct StandIn {
    std::string name;
    uint32_t arity;
    HostStandIn fn;
  };
  engine::Engine& engine_;
  std::unique_ptr<EmitCapture> capture_;
  std::vector<StandIn> stand_ins_;
  std::shared_ptr<void> option_index_;
  std::shared_ptr<void> recorded_vars_;
  mutable std::shared_ptr<void> dim_index_;
  mutable std::shared_ptr<void> form_item_index_;
};

}  // namespace qn::logic
