// The classes of a transaction: one class extending QNTransaction in a
// single-tier application; in a multi-tier one the client class "<name>"
// with the form and the server class "<name>_server" (extending
// QNServerTransaction) with the navigation and updates, exchanging the
// transaction's data through the runtime's parameter packer.
//
// Where the parts go: the common part (both classes) holds the level
// routines (but AFTER_LEVEL), the confirmation's caption routines and the
// routines that start and end a transaction (but CONFIRM_), and the pseudo
// change check; the server part the button routines, CONFIRM_, the moves
// to the next and previous row and AFTER_LEVEL; the client only its own
// btn_Enter, which runs the Enter event and the runtime's round trip. A
// single-tier class holds each part once.
//
// Working facts: trn_server_side_i/0 while the server class is written;
// trn_multi_tier_i/0 while a split transaction is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_transaction_object/2 (ObjectNumber, [Kind, _, Name | _]).
bool gen_transaction_class(Run& run, int64_t model, int64_t number, const engine::Term& spec);
// multi_tier/0: MTIER_OPT is not "No", a remote-calls protocol is set and
// the database location (QNDB_LOCATION) is not empty.
bool multi_tier(Run& run);
// jform_trn_hidden_cs/4 and jform_trn_hidden_sc/4: the hidden values sent
// from client to server (the transaction's hidden variables) and back (the
// same, then Qn_mode, loopOnce, errorMsg, msgMsg, QN_FocusControl and
// msgStatus; loopOnce once).
std::vector<std::string> jform_trn_hidden_cs(Run& run);
std::vector<std::string> jform_trn_hidden_sc(Run& run);
// gen_pack_field/2 ([Name, Type], read | write): "qnp.write<S>(<name>);" or
// "<name> = qnu.read<S>();" (arrays: read<S>Array() of one dimension,
// read<S>Array2() of two).
bool gen_pack_field(Run& run, const std::string& target, const engine::Term& type_desc, bool read,
                    int64_t dims = 0);
// gen_key_prompt_handler/0.
bool gen_key_prompt_handler(Run& run);
// define_subfile_var/1: the server's field of a subfile (QNSubfileServer).
bool define_subfile_var(Run& run, const engine::Term& subfile);
// read_subfile_data/1 and write_subfile_data/1.
bool read_subfile_data(Run& run, const engine::Term& subfile);
bool write_subfile_data(Run& run, const engine::Term& subfile);

}  // namespace qn::logic
