// The state of one run of the rule program, passed explicitly to every rule:
// the engine (fact base, counters, interrupt flag) and the rule program's
// own working state. A test builds a Run over a small fact base, calls one
// rule and reads what it emitted.
#pragma once

#include "engine/engine.h"
#include "engine/fact_base.h"

namespace qn::logic {

class Run {
 public:
  explicit Run(engine::Engine& engine) : engine_(engine) {}
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  engine::Engine& engine() { return engine_; }
  engine::FactBase& facts() { return engine_.facts(); }
  const engine::FactBase& facts() const { return engine_.facts(); }

 private:
  engine::Engine& engine_;
};

}  // namespace qn::logic
