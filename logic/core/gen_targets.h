// The steps of the object loop that belong to the generators of each object
// kind and to the Java frame. Each is one plain function; the ones whose
// generator is not written yet give every object of their kind the
// placeholder class, and the frame pieces are the least the placeholder
// needs. The generators' own modules fill these in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/java_names.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- the Java generation pass ---------------------------------------------
// java_gen_start/1 (the package folders below the model's directory) and
// java_gen_end/1: start and end of the pass.
bool java_gen_start(Run& run, int64_t model);
bool java_gen_end(Run& run, int64_t model);
// java_before_object/4: per-object preparation of the Java pass.
bool java_before_object(Run& run, int64_t model, const engine::Term& kind, int64_t number,
                        const engine::Term& spec);
// reset_odbc_calls/0: the current program's odbc_call_i/3 facts removed.
void reset_odbc_calls(Run& run);
// The make-file step after an object (update_call_tree).
bool after_object_make_step(Run& run, int64_t model, const engine::Term& kind, int64_t number);
// register_object/2: the object's program-file record.
bool register_object(Run& run, int64_t model, int64_t number);
// make_aux_names/4 for one attribute, context 65, type n.
bool make_aux_names(Run& run, const engine::Term& attribute);

// --- the generators, one per kind ------------------------------------------
// Spec is [Kind, Title, Name | Rest] for the web panel, procedure/report,
// work panel, transaction and menu bar generators, and the tail of
// [Title, Name | Rest] for the reorganisation programs.
bool gen_webpanel_object(Run& run, int64_t number, const engine::Term& spec);
bool gen_proc_object(Run& run, int64_t model, int64_t number, const engine::Term& spec);
bool gen_reorg_programs(Run& run, int64_t model, int64_t number, const engine::Term& spec_tail);
bool gen_workpanel_object(Run& run, int64_t number, const engine::Term& spec);
bool gen_transaction_object(Run& run, int64_t number, const engine::Term& spec);
bool gen_menubar_object(Run& run, int64_t number, const engine::Term& spec);

// --- object kinds ---------------------------------------------------------
// (program names: java_names.h)
// obj_classid/2: class id of a kind; nullopt for a kind without one.
std::optional<int64_t> obj_classid(std::string_view kind);

// --- the Java frame the placeholder class uses -------------------------------
// set_pgm_id/3 and set_current_pgm/3: current_pgm_i/1 becomes the
// program's name and the per-program facts are cleared.
void set_pgm_id(Run& run, int64_t number, const engine::Term& kind, const engine::Term& name);
void set_current_pgm(Run& run, int64_t number, const engine::Term& kind, const engine::Term& name);
// gen_execute_int/1: the execute method and the header of execute_int; the
// caller writes its body and ends the method.
bool gen_execute_int(Run& run, std::string_view program_name);
// The variable declarations of the program (record_var_decl/3 facts),
// written by logic/toolbox/declarations.cpp.
bool gen_var_declarations(Run& run);

}  // namespace qn::logic
