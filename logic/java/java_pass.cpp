#include "logic/java/java_pass.h"

#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/attributes.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/program_start.h"
#include "logic/program/program_frame.h"
#include "logic/sql/level_join.h"
#include "platform/cp1252.h"
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
      {"event_info_i", 2},       {"lvl2sub_i", 2},       {"notlvl2sub_i", 2},
      // A line loop left open (no end) names no loop of the next object.
      {"sfl_loop_i", 1}};
  for (const auto& [name, arity] : per_object) run.facts().abolish(name, arity);
  reset_nav_names(run);
  object_dependency_steps(run);
  // An applet stub declares the array parameters of the program it stands
  // for with the dimensions recorded after that program.
  if (pgm_stub(run)) {
    auto spec = spec_list(run);
    const auto items = spec ? spec->list_items() : std::vector<Term>{};
    if (items.size() >= 4) {
      const Term program = atom(kind_pgm_name(run, text_of(items[3])));
      for (const Term& f : run.facts().findall(fact("stub_info_array_i", {program, var(), var()}))) {
        if (!f.arg(2).is_int()) continue;
        const Term dim = fact("dim", {atom("P" + std::to_string(f.arg(2).as_int())), f.arg(3)});
        if (!run.facts().exists(fact("rule_i", {num(0), dim})))
          run.facts().assertz(fact("rule_i", {num(0), dim}));
      }
    }
  }
  return true;
}

bool java_after_object(Run& run, int64_t, const Term& kind, int64_t, const Term& spec) {
  if (!is_main_object(run)) return true;
  const auto items = spec.list_items();
  if (items.size() < 2) return true;
  const Term program =
      atom(platform::lower_1252(kind_letter(text_of(kind)) + text_of(items[1])));
  run.facts().retract_all(fact("stub_info_array_i", {program, var(), var()}));
  int64_t n = 0;
  for (const Term& p : get_pgm_parms(run).list_items()) {
    ++n;
    const auto rp = routine_parms(p);
    if (!rp) continue;
    if (auto dims = var_dim(run, rp->name))
      run.facts().assertz(fact("stub_info_array_i", {program, num(n), *dims}));
  }
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
