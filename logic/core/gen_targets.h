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
#include "logic/java/java_naming.h"
#include "logic/java/java_pass.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- the Java generation pass (logic/java/java_pass.h) --------------------
// reset_odbc_calls/0: the current program's odbc_call_i/3 facts removed, and
// the stored-procedure list cs_rpc_pgms_i/1 of the object before.
void reset_odbc_calls(Run& run);
// The make-file step after an object (update_call_tree).
bool after_object_make_step(Run& run, int64_t model, const engine::Term& kind, int64_t number);
// register_object/2 and make_aux_names/4: logic/navigation.

// --- the generators, one per kind ------------------------------------------
// Spec is [Kind, Title, Name | Rest] for the web panel, procedure/report,
// work panel, transaction and menu bar generators, and the tail of
// [Title, Name | Rest] for the reorganisation programs.
// gen_webpanel_object/2: logic/web/web_class.h; gen_proc_object/3:
// logic/program/proc_class.h.
bool gen_reorg_programs(Run& run, int64_t model, int64_t number, const engine::Term& spec_tail);
bool gen_workpanel_object(Run& run, int64_t model, int64_t number, const engine::Term& spec);
bool gen_transaction_object(Run& run, int64_t number, const engine::Term& spec);
// gen_menubar_object/2: logic/program/menubar.h.

// --- object kinds ---------------------------------------------------------
// (program names: logic/java/java_naming.h)
// obj_classid/2: class id of a kind; nullopt for a kind without one.
std::optional<int64_t> obj_classid(std::string_view kind);

}  // namespace qn::logic
