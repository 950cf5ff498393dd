// The fixture of the toolbox tests: an engine with facts and captured output.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"

namespace qn::logic::webtest {

using Lines = std::vector<std::string>;

inline engine::Term t(const std::string& text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  std::string all(const char* name, uint32_t arity) {
    std::string out;
    for (const engine::Term& f : eng.facts().clauses(name, arity)) out += engine::writeq(f) + " ";
    return out;
  }
  engine::Engine eng;
  Run run;
};

}  // namespace qn::logic::webtest
