// The fixture of the navigation tests: an engine over a few facts, its
// output captured, and terms written as text.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"

namespace qn::logic::navtest {

using Lines = std::vector<std::string>;

inline engine::Term t(const std::string& text) {
  auto term = engine::parse_term(text);
  EXPECT_TRUE(term.has_value()) << text;
  return term ? *term : engine::Term::nil();
}

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

}  // namespace qn::logic::navtest
