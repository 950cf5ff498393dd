#include "logic/java/java_pass.h"

#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/embedded_sql.h"
#include "logic/java/runtime_config.h"
#include "logic/navigation/nav_names.h"
#include "logic/sql/stored_procs.h"
#include "logic/program/make_files.h"
#include "logic/toolbox/dependencies.h"

namespace qn::logic {

using engine::Term;

bool java_gen_start(Run& run, int64_t model) {
  run.facts().abolish("dir_i", 2);
  run.facts().abolish("torename_i", 3);
  prepare_package_dir(run, model);
  return true;
}

bool java_before_object(Run& run, int64_t, const Term&, int64_t, const Term&) {
  garbage_collect(run);
  static const std::pair<const char*, uint32_t> per_object[] = {
      {"level_info_i", 2},       {"parmevents_i", 2},    {"parsed_block_i", 5},
      {"load_cursors", 1},       {"cursor_loaded_i", 1}, {"fn_parm_info_i", 3},
      {"subproc_id", 3},         {"dcl_cursor_i", 4},    {"last_fetchfirst_i", 1},
      {"optimized_delete", 1},   {"load_in_event_noload_i", 1},
      {"event_info_i", 2},       {"lvl2sub_i", 2},       {"notlvl2sub_i", 2}};
  for (const auto& [name, arity] : per_object) run.facts().abolish(name, arity);
  reset_nav_names(run);
  object_dependency_steps(run);
  return true;
}

bool gen_copy_classes_list(Run& run, int64_t model) {
  if (run.facts().count("reorg_pgm_i", 1) == 0) return true;
  if (!open_model_output(run, model, "_COPYCLS.GEN")) return false;
  Out out(run);
  for (const Term& t : run.facts().findall(fact("torename_i", {var(), var(), atom("cpm")}))) {
    out.pieces({t.arg(1), t.arg(2)});
  }
  return out.ok() && close_output(run);
}

bool java_gen_end(Run& run, int64_t model) {
  // The last object's facts are still loaded: the end files take the
  // model's options, not that object's.
  clear_spec_facts(run);
  gen_devmenu_and_cfg(run, model);
  gen_copy_classes_list(run, model);
  step_progress(run);
  gen_crtjdbccalls(run, model);
  gen_reorg_make(run, model);
  return true;
}

}  // namespace qn::logic
