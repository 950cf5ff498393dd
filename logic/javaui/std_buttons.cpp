#include "logic/javaui/std_buttons.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/host_calls.h"
#include "logic/core/levels.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/form_controls.h"
#include "logic/javaui/java_functions.h"
#include "logic/navigation/commands.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/rule_utilities.h"
#include "logic/web/web_request.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kActionNoAccept = 3;
constexpr int64_t kActionPromptButton = 31;

constexpr EnterButtonLook kLooks[] = {
    {"add", "captionadd", "ADD_BUTTON", "qnconfirm_add.gif"},
    {"update", "captionupdate", "UPD_BUTTON", "qnconfirm_upd.gif"},
    {"confirm", "captionconfirm", "CNF_BUTTON", "qnconfirm_cnf.gif"},
    {"delete", "captiondelete", "DLT_BUTTON", "qnconfirm_dlt.gif"},
};

// The standard buttons the disable routine turns off (every one but Clear),
// and those whose presence keeps the get button visible.
constexpr std::array<std::string_view, 8> kDisabledButtons = {
    "Enter", "Delete", "_QNGet_", "First", "Previous", "Next", "Last", "Select"};
constexpr std::array<std::string_view, 5> kMoveButtons = {"First", "Previous", "Next", "Last",
                                                          "Select"};

Term tk(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }
Term tk(std::string_view value, int64_t kind) { return tk(atom(value), kind); }

bool is(const Term& t, std::string_view functor, uint32_t arity) {
  return t.is_compound() && t.functor() == functor && t.arity() == arity;
}

// The name a term gives an attribute or variable: a token's value or the
// term's own text, without "&".
std::string name_of(const Term& t) {
  const Term& v = t.is_compound() && t.functor() == "t" && t.arity() >= 1 ? t.arg(1) : t;
  return strip_ampersand(text_of(v));
}
// Names compare in upper case; a variable keeps its "&", so it is never
// taken for the attribute of the same name.
std::string key_of(const Term& t) {
  const Term& v = t.is_compound() && t.functor() == "t" && t.arity() >= 1 ? t.arg(1) : t;
  return platform::upper_1252(text_of(v));
}

int64_t tok_kind(const Term& t) {
  return t.is_compound() && t.functor() == "t" && t.arity() >= 2 && t.arg(2).is_int()
             ? t.arg(2).as_int()
             : -1;
}

std::optional<int64_t> int_of(const Term& t) {
  if (t.is_int()) return t.as_int();
  if (t.is_atom() || t.is_string()) {
    const std::string& s = t.text();
    if (!s.empty() && s.size() < 10 && s.find_first_not_of("0123456789") == std::string::npos)
      return std::stoll(s);
  }
  return std::nullopt;
}

// The smallest numbers not used yet, taken in runs: a run starts at the
// first number from 1 whose whole run is free. A run taken is the smallest
// free one, so no later run can start below its end: the search goes on
// from there and passes each used number once in all.
class FreeNumbers {
 public:
  explicit FreeNumbers(std::vector<int64_t> used) : used_(std::move(used)) {
    std::sort(used_.begin(), used_.end());
  }
  int64_t take(int64_t run) {
    for (;;) {
      while (at_ < used_.size() && used_[at_] < next_) ++at_;
      if (at_ == used_.size() || used_[at_] >= next_ + run) {
        const int64_t n = next_;
        next_ += run;
        return n;
      }
      next_ = used_[at_] + 1;
    }
  }

 private:
  std::vector<int64_t> used_;
  size_t at_ = 0;
  int64_t next_ = 1;
};

// What adding buttons reads once: the first control of each attribute or
// variable, and the free line and literal numbers.
struct ButtonContext {
  std::unordered_map<std::string, Term> controls;  // key_of -> lit_i/4
  FreeNumbers lines;
  FreeNumbers literals;

  static std::vector<int64_t> line_numbers(Run& run) {
    std::vector<int64_t> out;
    for (const Term& l : run.facts().clauses("b_line_i", 6)) {
      if (l.arg(1).is_int()) out.push_back(l.arg(1).as_int());
    }
    return out;
  }
  static std::vector<int64_t> literal_numbers(Run& run) {
    std::vector<int64_t> out;
    for (const Term& l : run.facts().clauses("lit_i", 4)) {
      if (l.arg(1).is_int()) out.push_back(l.arg(1).as_int());
    }
    return out;
  }
  explicit ButtonContext(Run& run) : lines(line_numbers(run)), literals(literal_numbers(run)) {
    for (const Term& l : run.facts().clauses("lit_i", 4)) {
      const Term& item = l.arg(3);
      const int64_t k = tok_kind(item);
      if (is(item, "t", 2) && (k == kTokAttribute || k == kTokVariable))
        controls.try_emplace(key_of(item), l);
    }
  }
};

std::optional<std::array<int64_t, 4>> rect_of(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (!is(p, "rect", 4)) continue;
    std::array<int64_t, 4> r{};
    for (uint32_t i = 0; i < 4; ++i) {
      auto v = int_of(p.arg(i + 1));
      if (!v) return std::nullopt;
      r[i] = *v;
    }
    return r;
  }
  return std::nullopt;
}

bool add_button(Run& run, ButtonContext& ctx, const Term& att, std::string_view bitmap,
                int64_t width, int64_t gap, std::string_view name, std::string_view code) {
  const auto control = ctx.controls.find(key_of(att));
  if (control == ctx.controls.end()) {
    show_error_box(
        run, "Button " + std::string(name) + ": " + name_of(att) + " has no control on the form");
    return false;
  }
  const auto r = rect_of(control->second.arg(4));
  if (!r) {
    show_error_box(
        run, "Button " + std::string(name) + ": the control of " + name_of(att) + " has no rect");
    return false;
  }
  auto& facts = run.facts();
  const int64_t n = ctx.lines.take(3);
  auto line = [&](int64_t number, std::vector<Term> tokens) {
    facts.assertz(fact("b_line_i", {num(number), num(0), num(0), atom("cmd"), num(0),
                                    Term::list(std::move(tokens))}));
  };
  line(n, {tk("", kCmdEventStart), fact("t", {atom(name), num(kTokConstant), num(6), num(n)})});
  line(n + 1,
       {tk("", kCmdUserCode), fact("t", {atom(code), num(kTokConstant), num(9), num(n + 1)})});
  line(n + 2, {tk("", kCmdEventEnd)});
  const int64_t id = ctx.literals.take(1);
  const int64_t left = (*r)[2] + gap;
  facts.assertz(fact(
      "lit_i",
      {num(id), control->second.arg(2), fact("button", {atom(name)}),
       Term::list({fact("id", {num(id)}), fact("title", {Term::list({atom(name)})}),
                   fact("ctlname", {atom(name)}),
                   fact("rect", {num(left), num((*r)[1]), num(left + width - 1), num((*r)[3])}),
                   fact("bitmap", {atom(bitmap)})})}));
  return true;
}

// --- rules -----------------------------------------------------------------

// The no-accept rule of one attribute: rule_i(L, rule([a(3, [t(A, K) | _])],
// Condition, Modes, X)). A rule of several actions also covers other
// controls, so its condition is never changed here.
std::optional<std::string> noaccept_key(const Term& rule_fact);

// The object's rule_i/2 facts, changed in memory and written back once in
// their order (a retracted rule is left out), with the first no-accept rule
// of each attribute.
struct Rules {
  std::vector<std::optional<Term>> items;
  std::unordered_map<std::string, size_t> first_noaccept;

  explicit Rules(Run& run) {
    for (const Term& r : run.facts().clauses("rule_i", 2)) add(r);
  }
  void add(const Term& r) {
    if (auto key = noaccept_key(r)) first_noaccept.try_emplace(*key, items.size());
    items.emplace_back(r);
  }
  void store(Run& run) const {
    run.facts().abolish("rule_i", 2);
    for (const auto& r : items) {
      if (r) run.facts().assertz(*r);
    }
  }
};

std::optional<std::string> noaccept_key(const Term& rule_fact) {
  const Term& r = rule_fact.arg(2);
  if (!is(r, "rule", 4)) return std::nullopt;
  const auto actions = r.arg(1).list_items();
  if (actions.size() != 1 || !is(actions[0], "a", 2) ||
      !(actions[0].arg(1) == num(kActionNoAccept)))
    return std::nullopt;
  const auto args = actions[0].arg(2).list_items();
  if (args.empty() || !is(args[0], "t", 2)) return std::nullopt;
  return key_of(args[0]);
}

Term with_condition(const Term& rule_fact, const Term& condition) {
  const Term& r = rule_fact.arg(2);
  return fact("rule_i",
              {rule_fact.arg(1), fact("rule", {r.arg(1), condition, r.arg(3), r.arg(4)})});
}

Term mode_token(std::string_view mode) { return tk(mode, kTokFunction); }

// The attribute is not accepted in Mode (delete or update): its first
// no-accept rule gets ".OR. <mode>", or a rule of its own is asserted.
void noaccept_in_mode(Rules& rules, const Term& att_token, std::string_view mode) {
  if (auto at = rules.first_noaccept.find(key_of(att_token)); at != rules.first_noaccept.end()) {
    auto& r = rules.items[at->second];
    const Term& cond = r->arg(2).arg(2);
    // An empty condition holds in every mode; ".OR." on it would be no
    // condition at all.
    if (cond.is_nil() || !cond.is_cons()) return;
    std::vector<Term> c = cond.list_items();
    c.push_back(tk(".OR.", kTokLogical));
    c.push_back(mode_token(mode));
    r = with_condition(*r, Term::list(c));
    return;
  }
  rules.add(fact(
      "rule_i",
      {num(1),
       fact("rule", {Term::list({fact("a", {num(kActionNoAccept), Term::list({att_token})})}),
                     Term::list({mode_token(mode)}),
                     Term::list({atom("update"), atom("delete"), atom("insert")}), Term::nil()})}));
}

void noaccept_keys(Run& run, Rules& rules, const Term& level) {
  auto l = run.facts().first(fact("level_i", {level, var()}));
  if (!l) return;
  const auto info = l->arg(2).list_items();
  if (info.size() < 3) return;
  const auto keys = info[2].list_items();
  for (std::string_view mode : {"delete", "update"}) {
    for (const Term& k : keys) {
      noaccept_in_mode(rules, is(k, "t", 2) ? k : tk(k, kTokAttribute), mode);
    }
  }
}

// Each attribute's no-accept rules as one: an unconditional rule drops the
// conditional ones; otherwise the conditions are joined with ".OR." into
// the first rule.
void merge_noaccept(Rules& rules) {
  std::unordered_map<std::string, std::vector<size_t>> by_key;
  std::vector<std::string> order;
  for (size_t i = 0; i < rules.items.size(); ++i) {
    if (!rules.items[i]) continue;
    auto key = noaccept_key(*rules.items[i]);
    if (!key) continue;
    auto [it, fresh] = by_key.try_emplace(*key);
    if (fresh) order.push_back(*key);
    it->second.push_back(i);
  }
  for (const std::string& key : order) {
    const auto& at = by_key[key];
    if (at.size() < 2) continue;
    auto cond = [&](size_t i) { return rules.items[i]->arg(2).arg(2); };
    const bool always =
        std::any_of(at.begin(), at.end(), [&](size_t i) { return cond(i).is_nil(); });
    if (always) {
      for (size_t i : at) {
        if (!cond(i).is_nil()) rules.items[i].reset();
      }
      continue;
    }
    std::vector<Term> joined;
    for (size_t i : at) {
      if (!joined.empty()) joined.push_back(tk(".OR.", kTokLogical));
      for (const Term& t : cond(i).list_items()) joined.push_back(t);
    }
    rules.items[at[0]] = with_condition(*rules.items[at[0]], Term::list(joined));
    for (size_t k = 1; k < at.size(); ++k) rules.items[at[k]].reset();
  }
}

// A prompt rule: rule_i(Level, prompt([_, _, Target, _, [Object | Parameters] | _])).
struct Prompt {
  Term level;
  Term numbers;
  Term target;
  Term object;  // its token
};
std::optional<Prompt> prompt_of(const Term& rule_fact) {
  if (!is(rule_fact.arg(2), "prompt", 1)) return std::nullopt;
  const auto p = rule_fact.arg(2).arg(1).list_items();
  if (p.size() < 5 || !p[4].is_cons()) return std::nullopt;
  return Prompt{rule_fact.arg(1), p[0], p[2], p[4].head()};
}

// Duplicate prompts: one string-object prompt of the first target found that
// has several is dropped; a target that is also prompted by an object
// call (kind 28) keeps no string-object prompt.
void drop_duplicate_prompts(Rules& rules) {
  auto string_prompt = [&](size_t i) -> std::optional<Prompt> {
    if (!rules.items[i]) return std::nullopt;
    auto p = prompt_of(*rules.items[i]);
    if (!p || tok_kind(p->object) != kTokConstant) return std::nullopt;
    return p;
  };
  std::optional<std::string> first;
  std::vector<size_t> of_first;
  std::unordered_set<std::string> called;
  for (size_t i = 0; i < rules.items.size(); ++i) {
    if (!rules.items[i]) continue;
    auto p = prompt_of(*rules.items[i]);
    if (!p) continue;
    if (tok_kind(p->object) == kTokLink) called.insert(key_of(p->target));
    if (tok_kind(p->object) != kTokConstant) continue;
    if (!first) first = key_of(p->target);
    if (key_of(p->target) == *first) of_first.push_back(i);
  }
  if (of_first.size() > 1) rules.items[of_first[0]].reset();
  if (called.empty()) return;
  for (size_t i = 0; i < rules.items.size(); ++i) {
    if (auto p = string_prompt(i); p && called.count(key_of(p->target))) rules.items[i].reset();
  }
}

bool uses_mode_var(Run& run) {
  auto st = run.facts().first(fact("struct_i", {first_level(run), var(), var(), var()}));
  if (!st) return false;
  for (const Term& a : st->arg(3).list_items()) {
    if (name_of(a) == "Mode") return true;
  }
  return false;
}

// The levels whose parent is no level, in fact order.
std::vector<Term> top_levels(Run& run) {
  std::vector<Term> out;
  const auto structs = run.facts().clauses("struct_i", 4);
  std::unordered_set<std::string> levels;
  for (const Term& s : structs) levels.insert(engine::write(s.arg(1)));
  std::unordered_set<std::string> taken;
  for (const Term& s : structs) {
    if (!levels.count(engine::write(s.arg(2))) && taken.insert(engine::write(s.arg(1))).second)
      out.push_back(s.arg(1));
  }
  return out;
}

// A checkbox whose attribute has no default starts unchecked.
void checkbox_defaults(Run& run) {
  auto& facts = run.facts();
  const Term model = get_model_num(run).value_or(num(0));
  std::unordered_set<std::string> defaulted;
  for (const Term& d : facts.clauses("default_i", 1)) {
    if (is(d.arg(1), "e", 4)) defaulted.insert(engine::write(d.arg(1).arg(1)));
  }
  for (const Term& l : facts.clauses("lit_i", 4)) {
    const Term& item = l.arg(3);
    const int64_t k = tok_kind(item);
    if (!is(item, "t", 2) || (k != kTokAttribute && k != kTokVariable)) continue;
    bool checkbox = false;
    for (const Term& p : l.arg(4).list_items()) {
      checkbox = checkbox || (is(p, "ctrltype", 2) && text_of(p.arg(1)) == "checkbox");
    }
    if (!checkbox) continue;
    const Term& att = item.arg(1);
    if (!defaulted.insert(engine::write(att)).second) continue;
    auto info = facts.first(fact("ctrl_info_i", {l.arg(1), var(), var()}));
    if (!info) continue;
    // The values: [[Checked, Unchecked | _] | _], or flat [Checked,
    // Unchecked, Caption]: the unchecked value either way.
    const auto values = info->arg(3).list_items();
    if (values.empty()) continue;
    const auto entry = values[0].is_cons() ? values[0].list_items() : values;
    if (entry.size() < 2) continue;
    std::string value = text_of(entry[1]);
    const auto type = get_attri_type(run, model, att);
    if (!(type && numeric_type(type->type))) {
      const char q = value.find('\'') == std::string::npos ? '\'' : '"';
      value = q + value + q;
    }
    facts.assertz(fact("default_i",
                       {fact("e", {att, num(4), num(3), Term::list({tk(value, kTokConstant)})})}));
  }
}

// The form's Enter button: its lit_i/4 fact.
std::optional<Term> enter_button(Run& run) {
  for (const Term& l : run.facts().clauses("lit_i", 4)) {
    if (is(l.arg(3), "button", 1) && platform::upper_1252(text_of(l.arg(3).arg(1))) == "ENTER")
      return l;
  }
  return std::nullopt;
}

std::optional<std::string> ctlname_of(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (is(p, "ctlname", 1) && !text_of(p.arg(1)).empty()) return text_of(p.arg(1));
  }
  return std::nullopt;
}

// "<button>.<Property> = <value>": the property's setter (a transaction's
// class; the server side of a split one sets its property variable), the
// value translated as any assigned formula.
bool assign_property(Run& run, const Term& lit, std::string_view property, const Term& value) {
  std::optional<JavaText> set;
  const auto name = ctlname_of(lit.arg(4));
  const Term control = tk(name ? atom(*name) : lit.arg(1), kTokConstant);
  if (name) {
    set = gen_ctl_property(run, control, tk(property, kTokAttribute), "set");
  } else if (auto a = control_property_method(property, "button", web_object(run))) {
    // A button not named yet is its field by number.
    set = JavaText{{control_java_name(run, Term(), "button", lit.arg(1)) + "." + a->setter + "("},
                   ctrl_prop_type(property)};
  }
  if (!set) return false;
  const std::string ref = join_pieces(set->pieces);
  const int64_t kind = !ref.empty() && ref.back() == '(' ? kTokNested : kTokVariable;
  reset_exp_state(run);
  return gen_assign_value(run, set->type, value, control, ref, {}, kind);
}

Term qnmsg_tokens(std::string_view key) {
  return Term::list({tk("qnmsg(", kTokFunction), tk(key, kTokConstant), tk(")", kTokClose)});
}

}  // namespace

const EnterButtonLook* enter_button_look(std::string_view mode) {
  for (const EnterButtonLook& l : kLooks) {
    if (l.mode == mode) return &l;
  }
  return nullptr;
}

bool no_user_mode_keys(Run& run) { return !level_atts_mode_check(run, "u"); }

bool add_form_button(Run& run, const Term& att, std::string_view bitmap, int64_t width, int64_t gap,
                     std::string_view name, std::string_view code) {
  ButtonContext ctx(run);
  return add_button(run, ctx, att, bitmap, width, gap, name, code);
}

void add_noaccept_key(Run& run, const Term& level) {
  Rules rules(run);
  noaccept_keys(run, rules, level);
  rules.store(run);
}

bool prepare_trn_buttons(Run& run) {
  Rules rules(run);
  drop_duplicate_prompts(rules);
  ButtonContext ctx(run);
  const Term first = first_level(run);

  // The get button, beside the last key shown on the form.
  if (no_user_mode_keys(run)) {
    if (auto l = run.facts().first(fact("level_i", {first, var()}))) {
      const auto info = l->arg(2).list_items();
      auto keys = info.size() > 2 ? info[2].list_items() : std::vector<Term>{};
      for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
        const auto c = ctx.controls.find(key_of(*k));
        if (c == ctx.controls.end() || tok_kind(c->second.arg(3)) != kTokAttribute) continue;
        add_button(run, ctx, *k, "get.bmp", 16, 4, "_QNGet_", "btn_get();");
        break;
      }
    }
  }

  // The prompt buttons: each attribute of a prompt-button rule that has a
  // prompt on the first level.
  std::unordered_map<std::string, Prompt> prompts;
  for (const auto& r : rules.items) {
    if (!r) continue;
    if (auto p = prompt_of(*r); p && p->level == first) prompts.try_emplace(key_of(p->target), *p);
  }
  for (const auto& r : rules.items) {
    if (!r || !is(r->arg(2), "rule", 4)) continue;
    const Term& body = r->arg(2);
    if (!body.arg(1).is_cons() || !is(body.arg(1).head(), "a", 2) ||
        !(body.arg(1).head().arg(1) == num(kActionPromptButton)))
      continue;
    const auto look = body.arg(1).head().arg(2).list_items();
    const auto width = look.size() > 2 ? int_of(look[0]) : std::nullopt;
    const auto gap = look.size() > 2 ? int_of(look[1]) : std::nullopt;
    if (!width || !gap || *width <= 0) {
      show_error_box(run, "Prompt button rule " + engine::writeq(body.arg(1).head()) +
                              ": a width, a gap and a bitmap are needed");
      continue;
    }
    for (const Term& a : body.arg(4).list_items()) {
      const auto p = prompts.find(key_of(a));
      if (p == prompts.end()) continue;
      add_button(run, ctx, a, text_of(look[2]), *width, *gap, "bmp_prompt" + name_of(a),
                 prompt_routine_name(p->second.numbers, first) + "();");
    }
  }

  // With the variable Mode, nothing shown is accepted in delete mode.
  if (uses_mode_var(run)) {
    std::unordered_set<std::string> seen;
    for (const Term& l : run.facts().clauses("lit_i", 4)) {
      const Term& item = l.arg(3);
      const int64_t k = tok_kind(item);
      if (!is(item, "t", 2) || (k != kTokAttribute && k != kTokVariable)) continue;
      if (seen.insert(key_of(item)).second) noaccept_in_mode(rules, item, "delete");
    }
  }
  for (const Term& level : top_levels(run)) noaccept_keys(run, rules, level);
  web::process_form_literals(run);
  checkbox_defaults(run);
  merge_noaccept(rules);
  rules.store(run);
  return true;
}

bool enter_button_is_bitmap(Run& run) {
  auto b = enter_button(run);
  if (!b) return false;
  for (const Term& p : b->arg(4).list_items()) {
    if (is(p, "bitmap", 1) && !text_of(p.arg(1)).empty()) return true;
  }
  return false;
}

bool set_enter_button_caption(Run& run, std::string_view mode) {
  const EnterButtonLook* look = enter_button_look(mode);
  auto b = enter_button(run);
  if (!look || !b) return true;
  const Term caption = qnmsg_tokens(look->caption_key);
  if (enter_button_is_bitmap(run)) {
    std::string image = pgm_prop_value(run, look->image_property).value_or("");
    if (image.empty()) image = look->default_image;
    const Term bitmap = Term::list({tk("loadbitmap(", kTokFunction),
                                    tk("\"" + image + "\"", kTokConstant), tk(")", kTokClose)});
    return assign_property(run, *b, "Bitmap", bitmap) &&
           assign_property(run, *b, "Tooltiptext", caption);
  }
  return assign_property(run, *b, "Caption", caption) &&
         assign_property(run, *b, "Tooltiptext", caption);
}

bool gen_disable_std_buttons(Run& run) {
  std::unordered_map<std::string, Term> on_form;
  for (const Term& l : run.facts().clauses("lit_i", 4)) {
    if (is(l.arg(3), "button", 1))
      on_form.try_emplace(platform::upper_1252(text_of(l.arg(3).arg(1))), l);
  }
  auto button = [&](std::string_view name) -> const Term* {
    auto it = on_form.find(platform::upper_1252(std::string(name)));
    return it == on_form.end() ? nullptr : &it->second;
  };
  bool ok = begin_local_routine(run, atom("disable_std_buttons"), Term::nil(), {});
  const Term zero = Term::list({tk("0", kTokConstant)});
  for (std::string_view name : kDisabledButtons) {
    if (const Term* b = button(name)) ok = ok && assign_property(run, *b, "Enabled", zero);
  }
  const bool moves = std::any_of(kMoveButtons.begin(), kMoveButtons.end(),
                                 [&](std::string_view n) { return button(n) != nullptr; });
  if (const Term* get = button("_QNGet_"); get && !moves)
    ok = ok && assign_property(run, *get, "Visible", zero);
  if (button("Enter")) {
    ok = ok &&
         emit_if(run,
                 Term::list(
                     {tk("&Mode", kTokVariable), tk("=", kTokCompare), tk("'INS'", kTokConstant)}),
                 {}) &&
         set_enter_button_caption(run, "add") && emit_close_brace(run);
  }
  return end_routine(run, "0") && ok;
}

// The transaction writer's: the class being written is a split
// transaction's server.
bool trn_server_side(const Run& run);

bool focus_enter_button(Run& run) {
  auto b = enter_button(run);
  if (!b) return true;
  const std::string field = control_java_name(run, Term(), "button", b->arg(1));
  // The server of a split transaction has no controls: it names the field.
  if (trn_server_side(run)) return Out(run).pieces({"setNextFocus(\"" + field + "\");"}).ok();
  return Out(run).pieces({"setNextFocus(" + field + ");"}).ok();
}

namespace {

// The prompt whose target is the attribute, when it has one.
std::optional<std::string> prompt_routine_of(Run& run, const Term& att) {
  const std::string key = key_of(att);
  for (const Term& r : run.facts().findall(fact("rule_i", {var(), fact("prompt", {var()})}))) {
    auto p = prompt_of(r);
    if (p && key_of(p->target) == key) return prompt_routine_name(p->numbers, p->level);
  }
  return std::nullopt;
}

}  // namespace

bool has_prompt(Run& run, const Term& att) { return prompt_routine_of(run, att).has_value(); }

bool prompt_call(Run& run, const Term& att) {
  const auto routine = prompt_routine_of(run, att);
  return routine && Out(run).pieces({*routine + "();"}).ok();
}

}  // namespace qn::logic
