// A run whose host answers options from maps: i_config/2 from config,
// i_dstorepref/4 from prefs, each counting its calls. The model is 5,
// paired with 1005 (the number the preferences are asked with).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "platform/cp1252.h"

namespace qn::logic {

class OptionsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    run_.stand_in_host("i_config", 2, [this](logic::Run&, std::span<engine::Term> a) {
      ++config_calls_;
      auto it = config_.find(platform::upper_1252(a[0].text()));
      if (it == config_.end()) return false;
      a[1] = engine::Term::string(it->second);
      return true;
    });
    run_.stand_in_host("i_dstorepref", 4, [this](logic::Run&, std::span<engine::Term> a) {
      ++pref_calls_;
      pref_models_.push_back(a[2].as_int());
      auto it = prefs_.find({a[1].as_int(), a[0].text()});
      if (it == prefs_.end()) return false;
      a[3] = engine::Term::string(it->second);
      return true;
    });
    add("model_num_i(5). model_i(1, 1005).");
  }

  // Adds clauses to the fact base.
  void add(std::string_view clauses) {
    ASSERT_TRUE(engine_.consult_text(clauses, false)) << clauses;
  }
  // A new object: its rule_i/2, spec_i/1 and b_line_i/6 facts replaced.
  void object(std::string_view clauses) {
    for (const char* p : {"rule_i/2", "spec_i/1", "b_line_i/6", "datastore_i/1", "gen_reo_i/0"}) {
      std::string name(p);
      const auto slash = name.find('/');
      engine_.facts().abolish(name.substr(0, slash),
                              static_cast<uint32_t>(std::stoi(name.substr(slash + 1))));
    }
    if (!clauses.empty()) add(clauses);
  }
  // A new run over the same model: the run's caches and flag gone.
  void new_run() {
    engine_.facts().abolish("config_i", 2);
    engine_.facts().abolish("dstore_pref_i", 3);
    engine_.facts().abolish("intt_i", 0);
  }
  static engine::Term T(std::string_view text) {
    auto t = engine::parse_term(text);
    EXPECT_TRUE(t.has_value()) << text;
    return t.value_or(engine::Term());
  }

  engine::Engine engine_;
  logic::Run run_{engine_};
  std::map<std::string, std::string> config_;                     // upper-cased key -> value
  std::map<std::pair<int64_t, std::string>, std::string> prefs_;  // (store, key) -> value
  int config_calls_ = 0;
  int pref_calls_ = 0;
  std::vector<int64_t> pref_models_;
};

}  // namespace qn::logic
