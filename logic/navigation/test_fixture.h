// The fixture of the navigation tests: facts, captured output, and
// stand-ins for the callees of other modules. A stand-in writes one comment
// naming itself and its first two arguments ("/* gen_sql_select b 2 */");
// those that answer give fixed values (the cursor of table T is "cT").
#pragma once

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/core/rule_terms.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic::navtest {

using Lines = std::vector<std::string>;
using engine::Term;

inline Term t(const std::string& text) { return *engine::parse_term(text); }

// name/arity of every writing stand-in.
inline const std::vector<std::pair<const char*, uint32_t>>& writing_stand_ins() {
  static const std::vector<std::pair<const char*, uint32_t>> all = {
      {"gen_sql_select", 13},     {"gen_sql_select_one", 8},   {"gen_sql_insert", 4},
      {"gen_sql_update", 4},      {"gen_sql_delete", 1},       {"gen_read_next", 3},
      {"gen_select_lock", 6},     {"gen_level_end", 2},        {"level_sql_end", 2},
      {"push_sql_level", 2},      {"drop_sql_level", 1},       {"gen_exec_immediate", 3},
      {"gen_table_object_new", 5}, {"gen_error_handler_cmd", 1}, {"gen_udp_call", 5},
      {"declare_commit_var", 1},  {"gen_confirm_stmt", 2},     {"gen_block_cmds", 10},
      {"call_pgm_by_generator", 7},
  };
  return all;
}

struct Fixture {
  // Stand-ins named in `quiet` are left out (the call then fails).
  explicit Fixture(const std::string& facts = "", std::set<std::string> quiet = {}) : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
    for (const auto& [name, arity] : writing_stand_ins()) {
      if (quiet.count(name)) continue;
      const std::string n = name;
      run.stand_in_host(name, arity, [n](Run& r, std::span<Term> a) {
        std::vector<Piece> p{n};
        for (size_t i = 0; i < a.size() && i < 2; ++i) p.emplace_back(engine::writeq(a[i]));
        return emit_comment(r, p);
      });
    }
    if (!quiet.count("cursor_info")) {
      run.stand_in_host("cursor_info", 3, [](Run&, std::span<Term> a) {
        a[2] = Term::atom("c" + text_of(a[0]));
        return true;
      });
    }
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

}  // namespace qn::logic::navtest
