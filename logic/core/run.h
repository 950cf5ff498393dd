// The state of one run of the rule program, passed explicitly to every rule:
// the engine (fact base, counters, interrupt flag) and the rule program's
// own working state. A test builds a Run over a small fact base, calls one
// rule and reads what it emitted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/fact_base.h"

namespace qn::logic {

// Output kept in memory instead of going to the host's writer (tests): the
// files opened, in order, each with its lines as the writer would have
// written them.
struct CapturedFile {
  std::string path;  // the output path given before the open
  std::vector<std::string> lines;
  bool closed = false;
};

struct EmitCapture {
  std::vector<CapturedFile> files;
  std::string next_path;  // set by i_defoutfile/1
  int margin = 0;         // running left margin of the current file
  bool fail_writes = false;  // every write fails (as after a write error)

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

 private:
  engine::Engine& engine_;
  std::unique_ptr<EmitCapture> capture_;
};

}  // namespace qn::logic
