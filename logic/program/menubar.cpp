#include "logic/program/menubar.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/levels.h"
#include "logic/core/out.h"
#include "logic/core/output.h"
#include "logic/core/rule_terms.h"
#include "logic/core/tokens.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/ui_seams.h"
#include "logic/toolbox/web_menus.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// One menu_i/6 entry.
struct Entry {
  std::string id, parent, type;
  Term name, caption, props;
};

bool has_prop(const Term& props, std::string_view name) {
  if (!props.is_cons()) return false;
  for (const Term& p : props.list_items()) {
    if (p.is_atom() && p.text() == name) return true;
  }
  return false;
}

// The text of prop(Text) among the properties, when there is one.
std::optional<std::string> prop_text(const Term& props, std::string_view name) {
  if (!props.is_cons()) return std::nullopt;
  for (const Term& p : props.list_items()) {
    if (p.is_compound() && p.functor() == name && p.arity() == 1) return text_of(p.arg(1));
  }
  return std::nullopt;
}

const char* truth(bool b) { return b ? "true" : "false"; }

// The entries of initMenuBar, each written once: the top menus and the
// toolbar buttons in fact order, each menu followed by its entries (in fact
// order, sub-menus with theirs), so a menu is declared before its entries
// name it and every menu keeps its entries' order.
class MenuWriter {
 public:
  MenuWriter(Run& run, std::string bar) : run_(run), bar_(std::move(bar)) {
    const auto facts = run.facts().clauses("menu_i", 6);
    entries_.reserve(facts.size());
    by_id_.reserve(facts.size());
    for (const Term& m : facts) {
      entries_.push_back({text_of(m.arg(1)), text_of(m.arg(2)), text_of(m.arg(3)), m.arg(4),
                          m.arg(5), m.arg(6)});
    }
    done_.assign(entries_.size(), false);
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& e = entries_[i];
      if (!by_id_.emplace(e.id, i).second) {
        left_out(i, "has the Id of an earlier entry");
      } else if (e.id.empty() || e.id.find_first_not_of("0123456789") != std::string::npos) {
        left_out(i, "has an Id that is no number");
      } else if (e.type != "m" && e.type != "t") {
        left_out(i, "has the unknown type " + e.type);
      } else if (e.parent == "0") {
        done_[i] = true;  // the bar's own entry
      }
    }
    // The entries under each entry by index, flat in fact order (one
    // look-up of each parent's Id, none while the tree is walked).
    const size_t n = entries_.size();
    std::vector<size_t> parent(n, n);
    first_child_.assign(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
      if (done_[i] || entries_[i].type != "m") continue;
      if (auto p = by_id_.find(entries_[i].parent); p != by_id_.end()) {
        parent[i] = p->second;
        ++first_child_[p->second + 1];
      }
    }
    for (size_t i = 0; i < n; ++i) first_child_[i + 1] += first_child_[i];
    children_.resize(first_child_[n]);
    std::vector<size_t> fill(first_child_.begin(), first_child_.end() - 1);
    for (size_t i = 0; i < n; ++i) {
      if (parent[i] < n) children_[fill[parent[i]]++] = i;
    }
  }

  bool write_all() {
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (done_[i]) continue;
      if (entries_[i].type == "t") {
        done_[i] = true;
        toolbar_button(entries_[i]);
      } else if (entries_[i].parent == "1") {
        write_tree(i);
      }
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (!done_[i]) left_out(i, why_unreached(entries_[i]));
    }
    return ok_;
  }

 private:
  void left_out(size_t i, const std::string& why) {
    done_[i] = true;
    show_error_box(run_, "Menu bar " + bar_ + ": entry " + entries_[i].id + " " + why +
                             "; it is left out");
  }

  std::string why_unreached(const Entry& e) const {
    auto parent = by_id_.find(e.parent);
    if (parent == by_id_.end()) return "names the unknown parent " + e.parent;
    if (entries_[parent->second].type != "m") return "names the parent " + e.parent + ", which is no menu";
    return "hangs under " + e.parent + ", which the bar does not reach (a cycle or a parent left out)";
  }

  // A menu with everything under it, or an item, depth first without
  // recursion: a deep tree costs no stack.
  void write_tree(size_t root) {
    std::vector<std::pair<size_t, size_t>> stack;  // (next child, end of the children)
    auto enter = [&](size_t i) {
      done_[i] = true;
      const Entry& e = entries_[i];
      const bool kids = first_child_[i] != first_child_[i + 1];
      if (e.parent == "1" || has_prop(e.props, "popup") || kids) {
        menu(e);
        if (kids) stack.emplace_back(first_child_[i], first_child_[i + 1]);
      } else {
        item(e);
      }
    };
    enter(root);
    while (!stack.empty()) {
      auto& [next, end] = stack.back();
      if (next == end) {
        stack.pop_back();
        continue;
      }
      const size_t child = children_[next++];
      if (!done_[child]) enter(child);
    }
  }

  void menu(const Entry& e) {
    Out out(run_);
    out.pieces({"IMenu", "menu" + e.id, "= UIFactory.getMenu(", caption(e), ",", name(e),
                ", \"\", 0, ", truth(!has_prop(e.props, "disabled")), ");"});
    out.pieces({e.parent == "1" ? "add(menu" + e.id + ");"
                                : "add(menu" + e.parent + ", menu" + e.id + ");"});
    ok_ = out.ok() && ok_;
  }

  void item(const Entry& e) {
    Out out(run_);
    out.pieces({"addMenuItem(", "menu" + e.parent, ",", caption(e), ",", name(e), ", \"\", 0, ",
                truth(has_prop(e.props, "checked")), ",", truth(!has_prop(e.props, "disabled")),
                ",", truth(has_prop(e.props, "separator")), ");"});
    ok_ = out.ok() && ok_;
  }

  void toolbar_button(const Entry& e) {
    std::string bitmap = "\"\"";
    if (auto path = prop_text(e.props, "bitmap")) {
      // Without the form writer's normalisation the path goes as given.
      bitmap = java_quoted(norm_path_slashes(run_, *path).value_or(*path));
    }
    const auto tooltip = prop_text(e.props, "tooltip");
    Out out(run_);
    out.pieces({"addToolBarButton(", bitmap, ",", name(e), ",",
                tooltip ? java_quoted(*tooltip) : std::string("\"\""), ",",
                truth(!has_prop(e.props, "disabled")), ",", truth(has_prop(e.props, "separator")),
                ");"});
    ok_ = out.ok() && ok_;
  }

  static std::string caption(const Entry& e) { return java_quoted(text_of(e.caption)); }
  static std::string name(const Entry& e) {
    return java_quoted(platform::lower_1252(text_of(e.name)));
  }

  Run& run_;
  std::string bar_;
  std::vector<Entry> entries_;
  std::vector<bool> done_;
  std::unordered_map<std::string, size_t> by_id_;
  // The entries under entry i: children_[first_child_[i]] up to
  // children_[first_child_[i + 1]], in fact order.
  std::vector<size_t> first_child_, children_;
  bool ok_ = true;
};

// The item token of a menu-bar event header: the header's second token is
// t([t('Menubar', _), Item | _], 29).
std::optional<Term> menubar_event_item(const Term& line) {
  if (line.arg(4) != "cmd") return std::nullopt;
  const Term toks = drop_tok_positions(line.arg(6));
  if (first_token_type(toks) != kCmdEventStart || !toks.tail().is_cons()) return std::nullopt;
  const Term& second = toks.tail().head();
  if (!second.is_compound() || second.arity() < 2 || !(second.arg(2) == num(kTokNested)))
    return std::nullopt;
  const auto inner = second.arg(1).list_items();
  if (inner.size() < 2 || !inner[0].is_compound() || inner[0].arity() < 1 ||
      !platform::iequals_1252(text_of(inner[0].arg(1)), "Menubar") || !inner[1].is_compound() ||
      inner[1].arity() < 1) {
    return std::nullopt;
  }
  return inner[1];
}

}  // namespace

bool gen_menu_entries(Run& run, std::string_view bar) {
  return MenuWriter(run, std::string(bar)).write_all();
}

bool gen_menu_action_performed(Run& run) {
  std::vector<std::pair<int64_t, Term>> events;
  for (const Term& l : run.facts().clauses("b_line_i", 6)) {
    if (auto item = menubar_event_item(l))
      events.emplace_back(l.arg(1).is_int() ? l.arg(1).as_int() : 0, *item);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  Out out(run);
  out.pieces({"public boolean menuActionPerformed(String action)"}).open("{");
  for (const auto& [line, item] : events) {
    const std::string name = platform::lower_1252(text_of(item.arg(1)));
    const std::string method =
        proc_id_name(run, Term::list({fact("t", {atom("Menubar"), num(kTokConstant)}), item}));
    out.open("if (action.equals(" + java_quoted(name) + ")) {");
    out.pieces({method + "();"}).pieces({"return true;"}).close("}");
  }
  out.pieces({"return false;"});
  return out.ok() && emit_method_end(run);
}

bool gen_menubar_object(Run& run, int64_t model, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  clear_pgm_facts(run);
  const std::string cls = kind_pgm_name(run, text_of(name));
  if (!gen_class_header(run, model, "mbr", cls, SourceMode::New)) return false;
  Out out(run, {{"cls", cls}});
  out.emit(R"(
    public $cls$(QNWorkpanel listener)
    {
       super(listener);
    }

    public $cls$(Object wp)
    {
       super(wp);
    }

  )");
  out.pieces({"protected void initMenuBar()"}).open("{");
  bool ok = out.ok() && gen_menu_entries(run, text_of(name)) && emit_method_end(run) &&
            gen_menu_action_performed(run);
  if (!ok) return close_output(run) && false;
  // The events' code. A menu bar has no main routine that a print block
  // would end before the first event.
  run.facts().assertz(atom("endpgm_i"));
  each_break_group(run, first_level(run), Term::nil(), Term::nil(), Term::nil());
  // The link an event sets is the runtime's field, read by getLocation().
  declare_var(run, atom("wjLoc"), Term::list({atom("char"), num(1024), num(0), num(0)}), "h",
              Term::nil());
  ok = Out(run).pieces({"public void initialize()"}).open("{").ok() && gen_vars_init(run) &&
       emit_method_end(run) && gen_var_declarations(run) && emit_class_end(run);
  ok = close_output(run) && ok;
  return ok && write_menubar_file(run, model, platform::lower_1252(text_of(name)));
}

}  // namespace qn::logic
