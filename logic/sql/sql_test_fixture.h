// The fixture of the SQL rule tests: an engine with facts, options from a
// map (i_config/2), captured output, and the demo knowledge base on demand.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "platform/cp1252.h"

namespace qn::logic::sqltest {

using Lines = std::vector<std::string>;

inline engine::Term T(std::string_view text) {
  auto t = engine::parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t.value_or(engine::Term());
}

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    add("model_num_i(5). model_i(1, 1005).");
    if (!facts.empty()) add(facts);
    run.stand_in_host("i_config", 2, [this](Run&, std::span<engine::Term> a) {
      auto it = config.find(platform::upper_1252(a[0].text()));
      if (it == config.end()) return false;
      a[1] = engine::Term::string(it->second);
      return true;
    });
    run.stand_in_host("i_dstorepref", 4, [](Run&, std::span<engine::Term>) { return false; });
    run.capture_output();
  }
  void add(std::string_view clauses) { EXPECT_TRUE(eng.consult_text(clauses, false)) << clauses; }
  Lines lines() { return run.capture()->all_lines(); }
  std::string all(const char* name, uint32_t arity) {
    std::string out;
    for (const engine::Term& f : eng.facts().clauses(name, arity)) out += engine::writeq(f) + " ";
    return out;
  }
  engine::Engine eng;
  Run run;
  std::map<std::string, std::string> config;  // upper-cased key -> value
};

}  // namespace qn::logic::sqltest
