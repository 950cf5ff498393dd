#include "logic/java/unsupported.h"

#include <string>

#include "engine/clause_io.h"
#include "logic/core/gen_targets.h"
#include "logic/toolbox/declarations.h"
#include "logic/core/host_calls.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/navigation/program_start.h"

namespace qn::logic {

using engine::Term;

namespace {

bool repeats(const Run& run, const Term& level) {
  return run.facts().exists(fact("repeat_i", {level, var()}));
}

}  // namespace

bool object_supported(const Run& run) {
  auto kind = spec_kind(run);
  if (!kind) return true;
  if (*kind == "trn") {
    const Term first = first_level(run);
    if (repeats(run, first)) return false;
    for (const Term& level : run.facts().clauses("level_i", 2)) {
      if (level.arg(1) == first) continue;
      if (!repeats(run, level.arg(1))) return false;
    }
    const Term enter = fact("lit_i", {var(), var(), fact("button", {atom("Enter")}), var()});
    if (!run.facts().exists(enter)) return false;
  }
  if (*kind == "mnu") return false;
  return true;
}

bool gen_unsupported_object(Run& run, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  int64_t model = 0;
  if (auto m = run.facts().first(fact("model_num_i", {var()})); m && m->arg(1).is_int()) {
    model = m->arg(1).as_int();
  }
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  clear_pgm_facts(run);
  const std::string cls = kind_pgm_name(run, text_of(name));
  if (!class_source_file(run, model, cls, cls, "inm") || !gen_imports(run, text_of(kind)) ||
      !gen_class_header(run, model, "dummy", cls, SourceMode::Same)) {
    return false;
  }
  Out out(run, {{"cls", cls}, {"kind", text_of(kind)}, {"name", text_of(name)}});
  out.emit(R"(
    public static void main(String args[])
    {
       PrivateUtilities.msg("Object not currently supported $kind$ - $name$ ");
    }

    public $cls$(int remoteHandle, ModelContext context)
    {
    }

    public $cls$(int remoteHandle)
    {
    }

  )");
  // A failed write latches in the run's output: the close reports it.
  const bool framed = placeholder_execute_int(run);
  out.emit(R"(
         QNutil.msg(this, "Object not currently supported $kind$ - $name$ ");
      }

  )");
  const bool declared = gen_var_declarations(run);
  out.close("}");
  const bool closed = close_output(run);
  return framed && declared && closed;
}

}  // namespace qn::logic
