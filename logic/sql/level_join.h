// What kind of program is being written (main program, stub, web or HTTP
// program), and which reads and conditions of a navigation level its
// SELECT can take in; the same-table chains of levels and their break
// flag; the update hooks, which do nothing here.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// is_main_pgm/0: rule_i(0, prop('PGMTYPE', main)).
bool is_main_pgm(Run& run);
// pgm_stub/1: the kind of the program's stub rule rule_i(0, stub(Kind)).
std::optional<engine::Term> pgm_stub(Run& run);
// web_or_http_main/0 and web_http_or_mbr/0.
bool web_or_http_main(Run& run);
bool web_http_or_mbr(Run& run);
// is_web_classid/1: the class id of a kind whose letter is "H".
bool is_web_classid(int64_t class_id);

// start_conds/4 (Level, Conditions, WithStart, Cardinality): the level's
// start condition as c(Tokens, []) in front of Conditions.
struct StartConds {
  std::vector<engine::Term> conds;
  engine::Term cardinality;
};
StartConds start_conds(Run& run, const engine::Term& level, const std::vector<engine::Term>& conds);

// join_allowed/2 and join_lock_ok/2.
bool join_allowed(Run& run, const engine::Term& level, const engine::Term& table);
bool join_lock_ok(Run& run, const engine::Term& level, const engine::Term& table);
// The table is updated (upd_i/4 of u or d) at the level or at its first
// sublevel over the same base table, followed down.
bool updated_at_level(Run& run, const engine::Term& level, const engine::Term& table);

bool level_start_one(Run& run, const engine::Term& level, const engine::Term& table);
// gen_brk_flag_set/3 (Level, Table, Value): always succeeds.
bool gen_brk_flag_set(Run& run, const engine::Term& level, const engine::Term& table,
                      const engine::Term& value);

// upd_tbl_hook/2 and upd_att_hook/3.
inline bool upd_tbl_hook(Run&, const engine::Term&, const engine::Term&) { return true; }
inline bool upd_att_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&) {
  return true;
}

}  // namespace qn::logic
