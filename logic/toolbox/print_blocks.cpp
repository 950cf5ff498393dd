#include "logic/toolbox/print_blocks.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "logic/core/rule_terms.h"
#include "logic/core/tokens.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kCall = 104;
constexpr int64_t kInsertStart = 117;
constexpr int64_t kForEach = 121;
constexpr int64_t kBlockEnd = 122;
constexpr int64_t kInsertEnd = 127;
constexpr int64_t kEndFor = 128;
constexpr int64_t kSubBegin = 143;
constexpr int64_t kSubFinish = 144;
constexpr int64_t kDo = 145;
constexpr int64_t kEventStart = 146;
constexpr int64_t kEventEnd = 147;
constexpr int64_t kCallPgm = 158;

struct Line {
  int64_t number = 0;
  Term fact;
};

// The name a DO or a block start gives.
std::string block_name(const Term& token) { return print_block_key(token.arg(1)); }

void add_once(std::vector<std::string>& to, std::unordered_set<std::string>& seen,
              const std::string& name) {
  if (seen.insert(name).second) to.push_back(name);
}

Term atoms(const std::vector<std::string>& names) {
  std::vector<Term> items;
  items.reserve(names.size());
  for (const auto& n : names) items.push_back(atom(n));
  return Term::list(items);
}

std::vector<std::string> names_of(const Term& list) {
  std::vector<std::string> out;
  for (const Term& t : list.list_items()) out.push_back(text_of(t));
  return out;
}

// The object's lines in number order and the controls of each print block,
// read once.
class Analyser {
 public:
  explicit Analyser(Run& run) : run_(run) {
    for (const Term& l : run.facts().clauses("b_line_i", 6)) {
      if (!l.arg(1).is_int()) continue;
      lines_.push_back({l.arg(1).as_int(), l});
    }
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const Line& a, const Line& b) { return a.number < b.number; });
    for (const Term& c : run.facts().clauses("lit_i", 4)) {
      controls_[engine::write(c.arg(2))].push_back(c.arg(3));
    }
  }

  const std::vector<Line>& lines() const { return lines_; }

  PrintedNames parse(int64_t start, int64_t end) {
    auto& facts = run_.facts();
    if (auto cached = facts.first(fact("parsed_block_i", {num(start), num(end), var(), var(), var()}))) {
      return {names_of(cached->arg(3)), names_of(cached->arg(4)), names_of(cached->arg(5))};
    }
    PrintedNames out;
    seen_vars_.clear();
    seen_atts_.clear();
    seen_procs_.clear();
    facts.abolish("in_foreach_i", 1);
    int64_t depth = 0;
    facts.assertz(fact("in_foreach_i", {num(0)}));
    auto first = std::lower_bound(lines_.begin(), lines_.end(), start,
                                  [](const Line& l, int64_t n) { return l.number < n; });
    for (auto it = first; it != lines_.end() && it->number <= end; ++it) {
      const Term& l = it->fact;
      const Term tokens = drop_tok_positions(l.arg(6));
      if (l.arg(4) == "line") {
        for (const Term& item : tokens.list_items()) {
          if (item.is_compound() && item.functor().name() == "pb" && item.arity() == 1) {
            for (const Term& control : controls_[engine::write(item.arg(1))]) {
              collect(control, depth, out);
            }
          }
        }
        continue;
      }
      const auto items = tokens.list_items();
      const int64_t code = first_token_type(tokens);
      const int64_t was = depth;
      if (code == kForEach || code == kInsertStart) {
        ++depth;
      } else if ((code == kEndFor || code == kInsertEnd) && depth > 0) {
        --depth;
      }
      if (depth != was) {
        facts.abolish("in_foreach_i", 1);
        facts.assertz(fact("in_foreach_i", {num(depth)}));
      }
      if ((code == kDo || code == kCall || code == kCallPgm) && items.size() > 1) {
        add_once(out.procs, seen_procs_, block_name(items[1]));
      }
      for (size_t i = 1; i < items.size(); ++i) collect(items[i], depth, out);
    }
    facts.abolish("in_foreach_i", 1);
    facts.assertz(fact("parsed_block_i", {num(start), num(end), atoms(out.vars), atoms(out.atts),
                                          atoms(out.procs)}));
    return out;
  }

 private:
  // Every variable and attribute token within T (expressions and nested
  // token lists included).
  void collect(const Term& t, int64_t depth, PrintedNames& out) {
    if (t.is_cons() || t.is_nil()) {
      for (const Term& e : t.list_items()) collect(e, depth, out);
      return;
    }
    if (!t.is_compound()) return;
    if (t.functor().name() == "t" && t.arity() >= 2 && t.arg(2).is_int()) {
      const int64_t type = t.arg(2).as_int();
      if (type == kTokVariable) {
        add_once(out.vars, seen_vars_, text_of(t.arg(1)));
      } else if (type == kTokAttribute) {
        if (depth == 0) {
          add_once(out.atts, seen_atts_, text_of(t.arg(1)));
        } else {
          run_.facts().assertz(fact("attri_parms_i", {Term::list({t.arg(1)})}));
        }
      } else {
        collect(t.arg(1), depth, out);
      }
      return;
    }
    for (size_t i = 1; i <= t.arity(); ++i) collect(t.arg(i), depth, out);
  }

  Run& run_;
  std::vector<Line> lines_;
  std::unordered_map<std::string, std::vector<Term>> controls_;
  std::unordered_set<std::string> seen_vars_, seen_atts_, seen_procs_;
};

std::optional<std::pair<int64_t, int64_t>> block_after(const std::vector<Line>& lines,
                                                       int64_t start) {
  auto it = std::upper_bound(lines.begin(), lines.end(), start,
                             [](int64_t n, const Line& l) { return n < l.number; });
  if (it == lines.end()) return std::nullopt;
  const int64_t first = it->number;
  int64_t last = lines.back().number;
  for (; it != lines.end(); ++it) {
    if (it->fact.arg(4) == "cmd" && first_token_type(drop_tok_positions(it->fact.arg(6))) == kBlockEnd) {
      last = it->number - 1;
      break;
    }
  }
  if (last < first) return std::nullopt;
  return std::pair{first, last};
}

}  // namespace

std::string print_block_key(const Term& name) {
  std::string s = text_of(name);
  if (s.size() >= 2 && (s.front() == '\'' || s.front() == '"') && s.back() == s.front()) {
    s = s.substr(1, s.size() - 2);
  }
  return platform::lower_1252(s);
}

PrintedNames print_block_lines(Run& run, int64_t start, int64_t end) {
  Analyser a(run);
  return a.parse(start, end);
}

std::optional<std::pair<int64_t, int64_t>> parse_headerfooter1(Run& run, int64_t start) {
  Analyser a(run);
  return block_after(a.lines(), start);
}

void analyse_print_blocks(Run& run) {
  auto& facts = run.facts();
  facts.abolish("parmevents_i", 2);
  facts.abolish("attri_parms_i", 1);
  Analyser a(run);
  const auto& lines = a.lines();

  // The blocks: name → (first line, last line).
  std::vector<std::pair<std::string, std::pair<int64_t, int64_t>>> blocks;
  std::set<int64_t> foot_groups;
  for (const Term& g : facts.clauses("b_group_i", 6)) {
    if (g.arg(3) == "foot" && g.arg(2).is_int()) foot_groups.insert(g.arg(2).as_int());
  }
  int64_t foot_first = -1, foot_last = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Term& l = lines[i].fact;
    if (l.arg(3).is_int() && foot_groups.count(l.arg(3).as_int())) {
      if (foot_first < 0) foot_first = lines[i].number;
      foot_last = lines[i].number;
    }
    if (!(l.arg(4) == "cmd")) continue;
    const Term tokens = drop_tok_positions(l.arg(6));
    const int64_t code = first_token_type(tokens);
    if (code != kSubBegin && code != kEventStart) continue;
    const auto items = tokens.list_items();
    if (items.size() < 2) continue;
    const int64_t end_code = code == kSubBegin ? kSubFinish : kEventEnd;
    int64_t last = lines.back().number;
    for (size_t j = i + 1; j < lines.size(); ++j) {
      if (lines[j].fact.arg(4) == "cmd" &&
          first_token_type(drop_tok_positions(lines[j].fact.arg(6))) == end_code) {
        last = lines[j].number;
        break;
      }
    }
    blocks.push_back({block_name(items[1]), {lines[i].number, last}});
  }
  if (foot_first >= 0) blocks.insert(blocks.begin(), {"foot", {foot_first, foot_last}});

  // Names as numbers, each atom made once: the merge below touches every
  // name a block takes in.
  std::unordered_map<std::string, int> ids;
  std::vector<Term> atom_of;
  auto id = [&](const std::string& n) {
    auto [it, fresh] = ids.try_emplace(n, static_cast<int>(atom_of.size()));
    if (fresh) atom_of.push_back(atom(n));
    return it->second;
  };
  struct Own {
    std::vector<int> vars, atts, procs;
  };
  std::unordered_map<std::string, size_t> index;
  std::vector<Own> own;
  for (const auto& [name, range] : blocks) {
    if (index.count(name)) continue;  // a name defined twice: the first block
    const PrintedNames p = a.parse(range.first, range.second);
    Own o;
    for (const auto& v : p.vars) o.vars.push_back(id(v));
    for (const auto& v : p.atts) o.atts.push_back(id(v));
    for (const auto& v : p.procs) o.procs.push_back(id(v));
    index.emplace(name, own.size());
    own.push_back(std::move(o));
  }
  // The block of each name's id, when the name is a block.
  std::vector<int> block_of(atom_of.size(), -1);
  for (const auto& [name, i] : index) {
    if (auto it = ids.find(name); it != ids.end()) block_of[it->second] = static_cast<int>(i);
  }
  auto list = [&](const std::vector<int>& v) {
    std::vector<Term> items;
    items.reserve(v.size());
    for (int i : v) items.push_back(atom_of[i]);
    return Term::list(items);
  };
  // Each block with what the blocks it calls print, through any depth.
  std::vector<char> seen_var(atom_of.size()), seen_att(atom_of.size()), visited(own.size()),
      written(own.size());
  for (const auto& [name, range] : blocks) {
    (void)range;
    const size_t b = index.at(name);
    if (written[b]) continue;  // the second block of a name
    std::vector<int> vars = own[b].vars, atts = own[b].atts;
    for (int v : vars) seen_var[v] = 1;
    for (int v : atts) seen_att[v] = 1;
    std::vector<size_t> done{b};
    visited[b] = 1;
    std::vector<int> todo(own[b].procs.rbegin(), own[b].procs.rend());
    while (!todo.empty()) {
      const int callee = todo.back();
      todo.pop_back();
      if (block_of[callee] < 0) continue;  // a program, or no such block
      const size_t c = static_cast<size_t>(block_of[callee]);
      if (visited[c]) continue;
      visited[c] = 1;
      done.push_back(c);
      for (int v : own[c].vars) {
        if (!seen_var[v]) seen_var[v] = 1, vars.push_back(v);
      }
      for (int v : own[c].atts) {
        if (!seen_att[v]) seen_att[v] = 1, atts.push_back(v);
      }
      for (auto p = own[c].procs.rbegin(); p != own[c].procs.rend(); ++p) todo.push_back(*p);
    }
    for (int v : vars) seen_var[v] = 0;
    for (int v : atts) seen_att[v] = 0;
    for (size_t d : done) visited[d] = 0;
    written[b] = 1;
    facts.assertz(fact("parmevents_i",
                       {atom(name), Term::list({list(vars), list(atts), list(own[b].procs)})}));
  }
}

}  // namespace qn::logic
