// The pseudo change check of transactions: the value of every checked
// column is kept as it was read (its pseudo variable, seudo(A)); just before
// the update the row is read again, read-only, and compared with those
// values. A row gone or a column changed shows the message waschg and the
// update is not made.
//
// Facts read: a_i/6 (the level's reads, kinds t and r), v_i/4 (their
// outputs), upd_i/4 (Level, Table, u | d | i, ...), level_i/2 (the base
// table), table_i/2, the option PSEUDO_CHECK. Working facts:
// current_st_i/1 and current_aid_i/1 while a comparison is translated.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// seudo_applies/2 (Level, Table): only while a transaction is written, by
// the option PSEUDO_CHECK, whatever its case: beginning with "ALL" every
// table the level reads; beginning with "N" none; otherwise (also unset)
// the tables the level updates or deletes (upd_i/4 of operation u or d).
bool seudo_applies(Run& run, const engine::Term& level, const engine::Term& table);
// The level's reads (a_i/6 of kind t or r) of a checked table, in order.
std::vector<engine::Term> seudo_reads(Run& run, const engine::Term& level);
// seudo_atts/5: the pseudo attributes of a read action: what it outputs and
// the level selects, less those its key-mapping list (third element of its
// Info, pairs [Attribute, Other]) names; the pairs' attributes at the end.
std::vector<engine::Term> seudo_atts(Run& run, const engine::Term& level, const engine::Term& action);
// seudo_all_atts/2: the pseudo attributes of every checked read of the
// level, without duplicates.
std::vector<engine::Term> seudo_all_atts(Run& run, const engine::Term& level);
// seudo_var/6: the auxiliary of code 90 of the attribute.
std::optional<std::string> seudo_var(Run& run, const engine::Term& att, const engine::Term& context);
// The save routine's name of a level: pgm_unique_name("ZM", Level).
std::string seudo_save_routine(Run& run, const engine::Term& level);

// each_seudo_level/2 (Model, Mode noinit | init): every pseudo variable of
// every checked read declared with its attribute's type (noinit) or
// initialised (init, nothing for Mode).
bool each_seudo_level(Run& run, const engine::Term& mode);
// seudo_longc_vars/2: when a table of the level is checked, Qn_longc and
// QN_JID declared and the save routine ZM<L>(QN_JID) written.
bool seudo_longc_vars(Run& run, const engine::Term& level);
// seudo_save_call/3 (Level, ActionNumber, Flag), the first rule that
// applies: 1. number 0 and no checked table at the level: nothing; 2.
// number 0: ZM<L>(0); 3. no flag: nothing; 4. a read action of a checked
// table: ZM<L>(N); 5. nothing.
bool seudo_save_call(Run& run, const engine::Term& level, int64_t action, bool flag);
// seudo_read/9 (Level, Table, Selected, Assigns, Action, Flag), the first
// rule that applies: 1. the table's database has SELECT ... FOR UPDATE and
// the check applies: a read-only single-row read (kind ro), then the save
// call; 2. the check applies: the read of kind n1, then the save call; 3.
// the read of kind n1 alone. seudo_read_y/8 passes the flag y.
std::string seudo_read_kind(Run& run, const engine::Term& level, const engine::Term& table);
bool seudo_read(Run& run, const engine::Term& level, const engine::Term& table,
                const engine::Term& selected, const engine::Term& assigns, int64_t action,
                bool flag);
bool seudo_read_y(Run& run, const engine::Term& level, const engine::Term& table,
                  const engine::Term& selected, const engine::Term& assigns, int64_t action);
// The "if changed" read of a transaction's read action (flag y): the pseudo
// read of its table by the action's keys (seudo_read_y/8), then, when no
// row is found, the error inex with the table's name.
bool seudo_changed_read(Run& run, const engine::Term& level, const engine::Term& action,
                        const engine::Term& loads);
// seudo_check/3: the check before the update: Qn_longc declared; per
// checked read, "if (Mode <> 'INS')" (the level's base table), the
// read-only re-read, "Qn_longc = false" and the comparisons, five a block,
// the first with the end-of-data test; the message waschg inside the last
// block.
bool seudo_check(Run& run, const engine::Term& level);
// seudo_if_change/5: the comparison of each pseudo attribute, as Java: the
// column of the row read (its data object's getter) differs from the
// pseudo variable (QNutil.strcmp for texts, QNutil.datecmp for dates).
std::vector<std::string> seudo_if_change(Run& run, const std::vector<engine::Term>& atts,
                                          const engine::Term& table);
// seudo_end_cursors/2: the read-only cursors (kind n1) of the level's
// checked tables ended.
bool seudo_end_cursors(Run& run, const engine::Term& level);

}  // namespace qn::logic
