#include "logic/navigation/msg_actions.h"

#include <algorithm>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/commands.h"
#include "logic/navigation/later_rounds.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/expressions.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is_token(const Term& t) { return t.is_compound() && t.functor() == "t" && t.arity() >= 2; }

bool call_message_routine(Run& run, const MsgAction& a, const Term& message) {
  if (!is_token(message) || !message.arg(2).is_int()) return true;
  return gen_pgm_call(run, "udp", message.arg(1), message.arg(2).as_int(), Term::nil(),
                      {a.context, Term::nil()});
}

// The message as Java: a token translated, a text (a message expression
// made already) as it is.
std::optional<std::string> message_java(Run& run, const Term& message) {
  if (message.is_string()) return message.text();
  if (!is_token(message)) return std::nullopt;
  auto java = exp_to_java(run, Term::list({message}), {});
  if (!java) return std::nullopt;
  return join_pieces(java->pieces);
}

}  // namespace

bool gen_msg_action(Run& run, const MsgAction& a) {
  switch (a.kind) {
    case 1:
      return gen_error_msg(run, a.message, a.atts);
    case 4: {
      auto text = message_java(run, a.message);
      return text && gen_msg_call(run, *text);
    }
    case 7:
      return true;
    case 27: {
      const auto items = a.items.list_items();
      if (items.size() < 3) return true;
      return call_message_routine(run, a, items[2]);
    }
    default:
      if (!is_token(a.message)) return true;
      return call_message_routine(run, a, a.message);
  }
}

bool gen_error_msg(Run& run, const Term& message, const Term& atts) {
  auto text = message_java(run, message);
  if (!text || !gen_error_cmd(run, *text)) return false;
  if (spec_kind_in(run, {"trn"}) &&
      !assign_var(run, atom("AnyError"), Term::list({fact("t", {atom("1"), num(kTokConstant)})})))
    return false;
  return focus_first_of(run, atts);
}

bool gen_status_msg(Run& run, const Term& message) {
  return gen_status_cmd(run, message_java(run, message));
}

bool rule_assigns_set(Run& run, const Term& kind, const Term& att, const Term& set) {
  const auto want = set.list_items();
  const auto same = [&](const std::vector<Term>& items) {
    const auto has = [](const std::vector<Term>& l, const Term& x) {
      return std::find(l.begin(), l.end(), x) != l.end();
    };
    return std::all_of(items.begin(), items.end(), [&](const Term& x) { return has(want, x); }) &&
           std::all_of(want.begin(), want.end(), [&](const Term& x) { return has(items, x); });
  };
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& rule = r.arg(2);
    if (!rule.is_compound() || rule.functor() != "rule" || rule.arity() < 1) continue;
    for (const Term& item : rule.arg(1).list_items()) {
      if (!item.is_compound() || item.functor() != "a" || item.arity() != 2 ||
          !(item.arg(1) == kind) || !item.arg(2).is_cons() || !(item.arg(2).head() == att))
        continue;
      if (same(item.arg(2).tail().list_items())) return true;
    }
  }
  return false;
}

std::string tbl_name_text(Run& run, const Term& table) {
  if (auto t = run.facts().first(fact("table_i", {table, var()}))) {
    const auto d = t->arg(2).list_items();
    if (d.size() >= 3 && (d[2].is_atom() || d[2].is_string()) && !text_of(d[2]).empty()) {
      std::string s = text_of(d[2]);
      std::replace(s.begin(), s.end(), '"', '\'');
      return s;
    }
  }
  int64_t model = 0;
  if (auto m = get_model_num(run); m && m->is_int()) model = m->as_int();
  return tbl_short_name(run, table, model).value_or("");
}

std::optional<DeclType> attri_type_len_dec(Run& run, const Term&, const Term& att) {
  auto t = get_attri_type(run, get_model_num(run).value_or(num(0)), att);
  if (!t) return std::nullopt;
  DeclType d{t->type, t->length.is_int() ? t->length.as_int() : 0,
             t->decimals.is_int() ? t->decimals.as_int() : 0, ""};
  if (numeric_type(d.type) && d.length > 15) d.length = 15;
  if (d.type == "bits") d.decimals = 0;
  return d;
}

}  // namespace qn::logic
