#include "logic/program/reorg_programs.h"

#include <string>

#include "logic/core/host_calls.h"
#include "logic/core/messages.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"

namespace qn::logic {

using engine::Term;

bool reorg_add_msg(Run& run, const Term& key, const std::vector<Term>& args) {
  const auto text = run.facts().first(
      Term::compound("lit", {Term::atom(current_idiom(run)), key, Term::fresh_var()}));
  if (!text) {
    show_error_box(run, "Reorganisation log: the message file has no text for the key " + text_of(key) +
                            " in language " + std::string(current_idiom(run).name()));
    return false;
  }
  const std::string line = format_message(text_of(text->arg(3)), args);
  return Out(run).pieces({"QNReorganization.addMsg(" + java_quoted(line) + ");"}).ok();
}

}  // namespace qn::logic
