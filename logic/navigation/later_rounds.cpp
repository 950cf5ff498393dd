#include "logic/navigation/later_rounds.h"

#include "logic/core/options.h"

#include <string_view>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/core/tokens.h"
#include "logic/java/commands.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/javaui/work_panel.h"
#include "logic/program/transaction_logic.h"
#include "logic/web/page_html.h"
#include "logic/core/spec_files.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool ask(Run& run, std::string_view name, std::vector<Term>& args) {
  const auto* fn = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return fn && (*fn)(run, args);
}

}  // namespace

bool gen_confirm_stmt(Run& run, const Term& tokens, const Term& level) {
  (void)level;
  // CONFIRM Text [, Default]: the text translated; the default is no when
  // the tokens after the text hold the constant N.
  const Term toks = drop_tok_positions(tokens);
  if (!toks.is_cons()) return false;
  auto parts = split_arguments(run, toks.tail());
  if (parts.empty() || parts[0].empty()) return false;
  auto text = exp_to_java(run, Term::list(parts[0]), {});
  if (!text) return false;
  bool default_yes = true;
  for (size_t i = 1; i < parts.size(); ++i) {
    for (const Term& t : parts[i]) {
      if (!t.is_compound() || t.arity() < 2 || !(t.arg(2) == num(kTokConstant))) continue;
      std::string v = platform::upper_1252(text_of(t.arg(1)));
      if (v.size() >= 2 && (v.front() == '\'' || v.front() == '"')) v = v.substr(1, v.size() - 2);
      if (v == "N") default_yes = false;
    }
  }
  return gen_confirm(run, join_pieces(text->pieces), default_yes);
}
bool gen_control_refresh(Run& run, const Term& atts) {
  std::vector<Term> a{atts};
  return ask(run, "gen_control_refresh", a);
}
bool focus_first_of(Run& run, const Term& atts) {
  // A form without a control showing one of them keeps its focus.
  if (spec_kind_in(run, {"web"}) || http_main_pgm(run)) return web::web_focus_first_of(run, atts);
  if (spec_kind_in(run, {"trn"})) return trn_focus_first_of(run, atts);
  if (spec_kind_in(run, {"scr"})) focus_first_of_form(run, atts);
  return true;
}
bool http_prefix(Run& run, Term& prefix) {
  std::vector<Term> a{prefix};
  if (ask(run, "http_prefix", a)) {
    prefix = a[0];
    return true;
  }
  // The option http_protocol: secure, none, else plain HTTP.
  const std::string protocol = pgm_prop_upper(run, "http_protocol").value_or("");
  prefix = atom(protocol == "SECURE" ? "https:" : protocol == "NONE" ? "" : "http:");
  return true;
}

}  // namespace qn::logic
