#include "logic/core/gen_targets.h"

#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/make_bookkeeping.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/class_frame.h"
#include "logic/java/db_classes.h"
#include "logic/java/unsupported.h"
#include "logic/javaui/transaction_class.h"
#include "logic/javaui/work_panel.h"
#include "logic/reorg/reorg_object.h"
#include "logic/toolbox/dependencies.h"

namespace qn::logic {

using engine::Term;

namespace {

// [Kind | Spec] for the placeholder class of an object whose generator is
// not there yet.
bool placeholder(Run& run, int64_t number, const Term& spec_with_kind) {
  return gen_unsupported_object(run, number, spec_with_kind);
}

}  // namespace

void reset_odbc_calls(Run& run) {
  // The stored-procedure list of CS_RPCPGML is kept for one object: the
  // next one may set the option in its own prop rule.
  run.facts().abolish("cs_rpc_pgms_i", 1);
  auto spec = spec_list(run);
  if (!spec) return;
  auto items = spec->list_items();
  if (items.size() < 4) return;
  const Term& name = items[3];
  const std::string pgm = kind_pgm_name(run, text_of(name));
  run.facts().retract_all(
      Term::compound("odbc_call_i", {Term::atom(pgm), Term::fresh_var(), Term::fresh_var()}));
}

bool after_object_make_step(Run& run, int64_t model, const Term& kind, int64_t number) {
  if (auto cls = obj_classid(text_of(kind))) update_call_tree(run, model, *cls, number);
  return true;
}

bool gen_reorg_programs(Run& run, int64_t model, int64_t number, const Term& spec_tail) {
  // The programs first; the tables' classes last. An object whose programs
  // cannot be written writes no classes either.
  return reorg::gen_reorg_object(run, model, number, spec_tail) && gen_reorg_classes(run, model, model);
}
bool gen_workpanel_object(Run& run, int64_t model, int64_t number, const Term& spec) {
  return gen_workpanel_class(run, model, number, spec);
}
bool gen_transaction_object(Run& run, int64_t number, const Term& spec) {
  int64_t model = 0;
  if (auto m = run.facts().first(Term::compound("model_num_i", {Term::fresh_var()})); m && m->arg(1).is_int()) {
    model = m->arg(1).as_int();
  }
  return gen_transaction_class(run, model, number, spec);
}

std::optional<int64_t> obj_classid(std::string_view kind) {
  static const std::pair<const char*, int64_t> ids[] = {{"trn", 0},  {"proc", 1}, {"rpt", 2},
                                                        {"mnu", 3},  {"scr", 4},  {"web", 13},
                                                        {"ext", 14}, {"mbr", 17}};
  for (const auto& [k, id] : ids) {
    if (kind == k) return id;
  }
  return std::nullopt;
}

}  // namespace qn::logic
