#include "logic/navigation/program_props.h"

#include <algorithm>
#include <array>

#include "logic/core/gen_targets.h"
#include "logic/core/host_calls.h"
#include "logic/core/messages.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/later_rounds.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }

void add_unique(std::vector<Term>& list, const Term& item) {
  if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

std::string upper(std::string_view s) { return platform::upper_1252(s); }

// The called program's name of a target token, upper-cased.
std::optional<std::string> target_key(const Term& token) {
  auto name = call_target_name(token);
  if (!name) return std::nullopt;
  return upper(*name);
}

std::optional<Term> main_pgm_of(Run& run, const std::string& name) {
  for (const Term& m : run.facts().clauses("pgm_main_i", 4)) {
    if (upper(text_of(m.arg(3))) == name) return m;
  }
  return std::nullopt;
}

// The second letters of the program-file types (type index: the type, or
// the type less 82 from 100 on), as the program files' rebuild writes them.
char second_letter(int64_t type) {
  static constexpr std::string_view kSecond = "DFFJE________I_Z__KKK";
  const int64_t index = type >= 100 ? type - 82 : type;
  return index >= 0 && index < int64_t(kSecond.size()) ? kSecond[size_t(index)] : '?';
}

}  // namespace

std::vector<Term> lsel1(Run& run, const Term& level) {
  std::vector<Term> out;
  if (auto ta = run.facts().first(fact("ta_i", {level, var()}))) {
    const auto items = ta->arg(2).list_items();
    if (!items.empty()) {
      for (const Term& a : items[0].list_items()) add_unique(out, a);
    }
  }
  return out;
}

Term level_sel_atts(Run& run, const Term& level) {
  std::vector<Term> out = lsel1(run, level);
  for (const Term& a : run.facts().findall(fact("a_i", {var(), level, atom("r"), var(), var(), var()}))) {
    for (const Term& v : run.facts().findall(fact("v_i", {atom("r"), atom("o"), a.arg(1), var()}))) {
      for (const Term& att : v.arg(4).list_items()) add_unique(out, att);
    }
  }
  return Term::list(out);
}

bool sfl_level(Run& run, const Term& level, const Term& subfile) {
  auto& facts = run.facts();
  if (facts.exists(fact("sf_break_i", {level, subfile}))) return true;
  const bool panel = spec_kind_in(run, {"scr", "web"});
  // The attributes the level assigns, less its parent's.
  std::vector<Term> own;
  if (auto las = facts.first(fact("las_i", {level, var()}))) own = las->arg(2).list_items();
  if (auto st = facts.first(fact("struct_i", {level, var(), var(), var()}))) {
    if (auto parent = facts.first(fact("las_i", {st->arg(2), var()}))) {
      const auto theirs = parent->arg(2).list_items();
      std::erase_if(own, [&](const Term& a) {
        return std::find(theirs.begin(), theirs.end(), a) != theirs.end();
      });
    }
  }
  const auto shown = [&](const Term& att) {
    for (const Term& l : facts.findall(fact("lit_i", {var(), var(), fact("s", {var(), subfile}), var()}))) {
      const Term& item = l.arg(3).arg(1);
      if (!item.is_compound() || item.functor() != "t" || item.arity() < 2) continue;
      const Term& kind = item.arg(2);
      if (item.arg(1) == att && (kind == num(kTokAttribute) || (panel && kind == num(kTokVariable))))
        return true;
    }
    return false;
  };
  if (!own.empty() && std::all_of(own.begin(), own.end(), shown)) return true;
  // The first level of a work panel with subfile controls.
  if (spec_kind_in(run, {"scr"}) && facts.exists(fact("lit_i", {var(), var(), fact("s", {subfile}), var()}))) {
    std::optional<int64_t> first;
    for (const Term& l : facts.clauses("level_i", 2)) {
      if (l.arg(1).is_int() && (!first || l.arg(1).as_int() < *first)) first = l.arg(1).as_int();
    }
    return first && level == num(*first);
  }
  return false;
}

Term att_default_expr(Run& run, const Term& att) {
  for (const Term& d : run.facts().findall(fact("default_i", {fact("e", {att, var(), var(), var()})}))) {
    const Term& kind = d.arg(1).arg(3);
    const Term& value = d.arg(1).arg(4);
    if (kind == num(3)) return value;  // an expression stays (previous( of itself among them)
    if (kind != num(2)) continue;
    const std::string v = text_of(value);
    if (v == "'today'" || v == "'Today'" || v == "'Date()'" || v == "'date()'")
      return Term::list({tok(atom("today("), kTokFunction), tok(atom(")"), kTokClose)});
    if (v == "'previous'") break;  // no default
    // A function without arguments, time() among them: its call.
    if (v.size() > 2 && v.ends_with("()") && v.front() != '\'')
      return Term::list({tok(atom(v.substr(0, v.size() - 1)), kTokFunction), tok(atom(")"), kTokClose)});
    return Term::list({tok(value, kTokConstant)});
  }
  return Term::list({tok(atom("nullvalue("), kTokFunction), tok(att, kTokAttribute),
                     tok(atom(")"), kTokClose)});
}

std::optional<std::string> call_target_name(const Term& token) {
  if (!token.is_compound() || token.functor() != "t" || token.arity() < 2) return std::nullopt;
  const Term& v = token.arg(1);
  if (token.arg(2) == num(kTokConstant)) {
    std::string s = text_of(v);
    if (s.size() >= 2 && (s.front() == '\'' || s.front() == '"') && s.back() == s.front())
      s = s.substr(1, s.size() - 2);
    return s;
  }
  if (token.arg(2) == num(kTokLink) && v.is_compound() && v.functor() == "o" && v.arity() == 2)
    return kind_letter(text_of(v.arg(1))) + text_of(v.arg(2));
  return std::nullopt;
}

Term drop_comma_token(const Term& tokens) {
  if (tokens.is_cons()) {
    const Term& h = tokens.head();
    if (h.is_compound() && h.arity() >= 2 && h.arg(2) == num(kTokComma)) return tokens.tail();
  }
  return tokens;
}

int64_t target_generator(Run& run, const Term& token) {
  if (auto key = target_key(token)) {
    if (auto m = main_pgm_of(run, *key)) {
      const auto info = m->arg(4).list_items();
      if (!info.empty() && info[0].is_int()) return info[0].as_int();
    }
  }
  return 11;
}

std::optional<Term> target_pgm_prop(Run& run, const Term& token, const Term& property) {
  auto key = target_key(token);
  if (!key) return std::nullopt;
  for (const Term& p : run.facts().findall(fact("pgm_prop_i", {var(), var(), var(), property, var()}))) {
    if (upper(text_of(p.arg(3))) == *key) return p.arg(5);
  }
  return std::nullopt;
}

std::optional<std::string> target_file_name(Run& run, const Term& token) {
  auto name = call_target_name(token);
  if (!name) return std::nullopt;
  switch (target_generator(run, token)) {
    case 11:
      return java_package_prefix(run) + *name;
    case 8:
      return target_os(run) == "nt" ? *name + ".exe" : *name;
    case 3:
    case 7:
      return *name + ".ASP";
    default:
      return *name;
  }
}

std::optional<std::string> web_target_link(const Term& token) {
  auto name = call_target_name(token);
  if (!name || name->empty() || (name->front() != 'H' && name->front() != 'h')) return std::nullopt;
  return platform::lower_1252(name->substr(0, name->find_first_of("'\"")));
}

std::optional<std::string> call_target_url(Run& run, const Term& token) {
  auto name = call_target_name(token);
  Term prefix = var();
  if (!name || !http_prefix(run, prefix)) return std::nullopt;
  return text_of(prefix) + web_target_link(token).value_or(*name);
}

std::string target_os(Run& run) {
  const std::string os = pgm_prop_upper(run, "TARGET_OS").value_or("");
  if (os == "AIX") return "aix";
  if (os == "NT") return "nt";
  const std::string src = dtasrc(run).value_or("");
  if (src == "12") return "nt";
  if (src == "5") return "aix";
  if (src == "8") return "os2";
  return "Neither specified nor inferred.";
}

Term hidden_vars(Run& run) {
  std::vector<Term> out;
  for (const Term& r : run.facts().findall(fact("rule_i", {var(), fact("hidden", {var(), var()})}))) {
    for (const Term& v : r.arg(2).arg(1).list_items()) add_unique(out, v);
  }
  return Term::list(out);
}

// The highest object number a program file's record holds (four digits).
constexpr int64_t kPrgHighestNumber = 9999;

bool register_object(Run& run, int64_t model, std::string_view object) {
  auto& facts = run.facts();
  auto spec = spec_list(run);
  if (!spec) return true;
  const auto items = spec->list_items();
  if (items.size() < 4 || !items[1].is_int()) return true;
  const std::string kind = text_of(items[0]);
  const int64_t number = items[1].as_int();
  std::string name = upper(object);
  if (name.starts_with('C')) return true;
  // A stub of a main program another generator makes.
  if (facts.exists(fact("rule_i", {var(), fact("stub", {var()})}))) {
    if (auto m = main_pgm_of(run, upper(text_of(items[3])))) {
      const auto info = m->arg(4).list_items();
      static constexpr int64_t kOthers[] = {3, 7, 1, 2, 4, 9, 10};
      if (!info.empty() && info[0].is_int() &&
          std::find(std::begin(kOthers), std::end(kOthers), info[0].as_int()) != std::end(kOthers))
        return true;
    }
  }
  auto type = obj_classid(kind);
  if (!type) return true;
  if (number == 0) {
    const std::string head = upper(text_of(items[3])).substr(0, 3);
    if (head == "QNU") type = 101;
    if (head == "QNR" || head == "QNL") type = 102;
  }
  const bool main_pgm = facts.exists(
      fact("rule_i", {num(0), fact("prop", {atom("PGMTYPE"), atom("main")})}));
  if (main_pgm && !name.empty()) name = upper(kind_letter(kind)) + name.substr(1);
  const int64_t parms = get_parm_rule(run) ? 1 : 0;
  std::string text1 = name.substr(0, 10);
  std::replace(text1.begin(), text1.end(), '_', '0');
  std::string text2 = name.substr(0, 10);
  if (!text2.empty()) text2[0] = second_letter(*type);
  std::array<Term, 3> start{num(model), num(*type), num(11)};
  if (!call_host(run, "i_stqnprgs", start)) return false;
  std::array<Term, 6> rec{num(model),
                          num(*type),
                          num(number),
                          str(name.substr(0, 10)),  // the record holds ten characters
                          str(text_of(items[2]).substr(0, 30)),
                          Term::list({num(parms), num(1), str(text1), str(text2)})};
  if (call_host(run, "i_wqnprgs", rec)) return true;
  // Say why, or the object's failure names no cause.
  const std::string shown = message_text_first(kind).value_or(kind) + " " + text_of(items[3]);
  show_error_box(run, number > kPrgHighestNumber
                          ? shown + ": the program file cannot record object number " +
                                std::to_string(number) + ": it numbers objects 1 to " +
                                std::to_string(kPrgHighestNumber) + ".\nGive the object a " +
                                "lower number, and generate again."
                          : shown + ": its record could not be written to the program file " +
                                "of its kind.\nCheck that the model folder can be written, and "
                                "generate again.");
  return false;
}

}  // namespace qn::logic
