#include "logic/toolbox/rule_utilities.h"

#include "logic/core/attributes.h"
#include "logic/core/levels.h"
#include "logic/core/rule_terms.h"
#include "logic/javaui/form_controls.h"
#include "logic/toolbox/pending.h"

namespace qn::logic {

using engine::Term;

int64_t att_len_cap(const Term& type, int64_t length) {
  if (numeric_type(type) && length > 15) return 15;
  if (type == "bits") return ctrl_prop_type("Bitmap").length;
  return length;
}

bool gen_user_event(Run& run, const Term& event, const Term& level) {
  if (text_of(event) == "Rfr") {
    gen_refresh_cmd(run, level, atom("n"));
    return true;
  }
  gen_event_cmd_call(run, event, level);
  return true;
}

bool refresh_cmd(Run& run, const Term& level, const Term& mode) {
  return gen_refresh_cmd(run, level, mode);
}

void assert_attri(Run& run, const Term& att, const Term& name, const Term& type, const Term& length,
                  const Term& decimals, const Term& picture) {
  if (run.facts().exists(fact("attri_i", {att, var()}))) return;
  run.facts().asserta(fact("attri_i", {att, Term::list({name, type, length, decimals, picture,
                                                        num(1), atom(""), atom(""), num(0)})}));
}

void assert_attris(Run& run, const Term& model, const Term& atts) {
  for (const Term& a : atts.list_items()) {
    auto t = get_attri_type(run, model, a);
    auto n = get_attri_name(run, model, a);
    if (!t || !n) continue;
    auto pic = get_attri_pic(run, model, a);
    assert_attri(run, a, *n, t->type, t->length, t->decimals, pic.value_or(atom("")));
  }
}

void retract_attris(Run& run, const Term& atts) {
  for (const Term& a : atts.list_items()) run.facts().retract(fact("attri_i", {a, var()}));
}

namespace {

bool in_list(const Term& list, const Term& x) {
  for (const Term& i : list.list_items()) {
    if (i == x) return true;
  }
  return false;
}

// Some formula action of Level outputs Att; for insert mode only one
// computed on insert.
bool formula_output(Run& run, const Term& level, const Term& att, bool insert_only) {
  for (const Term& a :
       run.facts().findall(fact("a_i", {var(), level, atom("f"), var(), var(), var()}))) {
    if (insert_only) {
      if (!a.arg(5).is_nil()) continue;
      const Term& info = a.arg(6);
      if (!info.is_cons() || !in_list(info.arg(1), atom("insert"))) continue;
    }
    for (const Term& v :
         run.facts().findall(fact("v_i", {atom("f"), atom("o"), a.arg(1), var()}))) {
      if (in_list(v.arg(4), att)) return true;
    }
  }
  return false;
}

}  // namespace

bool level_atts_mode_check(Run& run, std::string_view mode, bool check_mode) {
  const Term level = first_level(run);
  auto lvl = run.facts().first(fact("level_i", {level, var()}));
  auto st = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
  if (!lvl || !st) return false;
  const Term& atts = st->arg(3);
  if (check_mode && !in_list(atts, atom("Mode"))) return false;
  const auto info = lvl->arg(2).list_items();
  const Term keys = info.size() > 2 ? info[2] : Term::list({});
  for (const Term& k : keys.list_items()) {
    if (in_list(atts, k)) continue;
    if (!formula_output(run, level, k, mode == "i")) return false;
  }
  return true;
}

}  // namespace qn::logic
