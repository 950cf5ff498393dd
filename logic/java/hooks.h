// The hooks through which rule code shared with other targets asks this
// generator what to do. Their fixed answers switch off the branches written
// for other targets: a hook that fails skips its branch, one that succeeds
// without effect lets the shared text stand alone.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// xbase_text_hook/0 succeeds: the text after it is chosen by the other
// tests of that code.
inline bool xbase_text_hook(Run&) { return true; }
// No FoxPro client/server, NTX, DBFCDX, NDX, DTOS or unlock text.
inline bool xbase_cs_hook(Run&) { return false; }
inline bool xbase_ntx_hook(Run&) { return false; }
inline bool xbase_ndx_hook(Run&) { return false; }
inline bool xbase_dtos_hook(Run&) { return false; }
// direct_sql_hook/4 fails: the qndata, qnfetchf and qnexecimm commands are
// written by the Java command code instead.
inline bool direct_sql_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                            const engine::Term&) {
  return false;
}
// default_value_hook/5, att_type_hook/6, aux_exp_hook/4, index_exp_hook/8
// fail: the shared lookups and builders answer.
inline bool default_value_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                               const engine::Term&, const engine::Term&) {
  return false;
}
inline bool att_type_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                          const engine::Term&, const engine::Term&, const engine::Term&) {
  return false;
}
inline bool aux_exp_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                         const engine::Term&) {
  return false;
}
inline bool index_exp_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                           const engine::Term&, const engine::Term&, const engine::Term&,
                           const engine::Term&, const engine::Term&) {
  return false;
}
// vdata_conversion_hook/4: the expression unchanged.
inline engine::Term vdata_conversion_hook(Run&, const engine::Term& expr) { return expr; }
// aux_value_hook/2: its argument.
inline engine::Term aux_value_hook(Run&, const engine::Term& value) { return value; }
// aux_name_suffix/2: the empty text.
inline engine::Term aux_name_suffix(Run&, const engine::Term&) { return engine::Term::string(""); }
// Hooks after shared text that succeed without effect.
inline bool null_fn_hook(Run&, const engine::Term&) { return true; }
inline bool trn_confirm_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&,
                             const engine::Term&) {
  return true;
}
inline bool user_cancel_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&) {
  return true;
}
inline bool index_type_hook(Run&) { return true; }
inline bool aux_decl_hook(Run&, const engine::Term&) { return true; }
inline bool cs_error_handler_hook(Run&, const engine::Term&, const engine::Term&,
                                  const engine::Term&) {
  return true;
}
inline bool aux_name_hook(Run&, const engine::Term&, const engine::Term&, const engine::Term&) {
  return true;
}

}  // namespace qn::logic
