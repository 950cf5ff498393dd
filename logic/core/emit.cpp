#include "logic/core/emit.h"

#include "logic/core/host_interface.h"

namespace qn::logic {

using engine::Term;

bool emit_text(Run& run, const Term& lines) {
  if (lines.is_cons() && lines.arg(1).is_nil() && lines.arg(2).is_nil()) return true;  // [[]]
  for (const Term* t = &lines; t->is_cons(); t = &t->args()[1]) run.engine().check_interrupt();
  return print_nocol(run, lines);
}

bool emit_text(Run& run, std::initializer_list<Term> lines) {
  return emit_text(run, Term::list(lines));
}

bool print_nocol(Run& run, const Term& lines) { return i_printfglnocol(run, lines); }

bool open_rpt_file(Run& run, const Term& model, const Term& file) {
  // The model directory is asked for as the rules always did; the output
  // path is File itself.
  Term model_dir = Term::fresh_var();
  if (!i_model_info(run, model, model_dir)) return false;
  if (!i_defoutfile(run, file)) return false;
  if (i_start_rpt(run, Term::integer(0), Term::string(""), Term::string(""))) return true;
  close_rpt_file(run);
  return false;
}

bool close_rpt_file(Run& run, const Term&) { return i_end_rpt(run); }

}  // namespace qn::logic
