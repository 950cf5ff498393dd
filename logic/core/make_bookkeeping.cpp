#include "logic/core/make_bookkeeping.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

#include "logic/core/gen_targets.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/sql/stored_procs.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

using Obj = std::pair<int64_t, int64_t>;  // (class, number)

bool pgm_main(Run& run, int64_t cls, int64_t number, bool* other_generator = nullptr) {
  const std::string kind = class_kind(cls);
  if (kind.empty()) return false;
  bool found = false;
  for (const Term& f :
       run.facts().findall(fact("pgm_main_i", {atom(kind), num(number), var(), var()}))) {
    found = true;
    const Term& info = f.arg(4);
    if (other_generator && info.is_list() && !info.list_items().empty() &&
        !(info.list_items()[0] == num(11)))
      *other_generator = true;
  }
  return found;
}

bool class_in_tree(int64_t cls) {
  static const int64_t classes[] = {0, 1, 2, 3, 4, 13, 14, 17};
  return std::find(std::begin(classes), std::end(classes), cls) != std::end(classes);
}

// A stored procedure is known by its object's name, as the host gives it.
bool stored_proc_object(Run& run, int64_t model, int64_t cls, int64_t number) {
  std::array<Term, 7> a{num(model), num(cls), num(number), var(), var(), var(), var()};
  return call_host(run, "i_obj_info", std::span<Term>(a)) && is_stored_proc(run, a[3]);
}

// The callees of an object that the call tree keeps.
std::vector<Obj> kept_callees(Run& run, int64_t model, int64_t cls, int64_t number) {
  std::array<Term, 4> a{num(model), num(cls), num(number), var()};
  std::vector<Obj> out;
  if (!call_host(run, "i_called_pgms", std::span<Term>(a)) || !a[3].is_list()) return out;
  for (const Term& cell : a[3].list_items()) {
    // [RefType | RefNumber]; [998 | Text] names no object.
    if (!cell.is_compound() || !cell.arg(1).is_int() || !cell.arg(2).is_int()) continue;
    const int64_t c = cell.arg(1).as_int(), n = cell.arg(2).as_int();
    bool other = false;
    pgm_main(run, c, n, &other);
    if (other || stored_proc_object(run, model, c, n)) continue;
    if (!class_in_tree(c) || !make_class_ok(c) || !make_class_kind_ok(class_kind(c))) continue;
    out.emplace_back(c, n);
  }
  return out;
}

std::set<Obj> entries_of(Run& run, std::string_view name, int64_t cls, int64_t number) {
  std::set<Obj> out;
  for (const Term& f : run.facts().findall(fact(name, {num(cls), num(number), var(), var()}))) {
    if (f.arg(3).is_int() && f.arg(4).is_int()) out.emplace(f.arg(3).as_int(), f.arg(4).as_int());
  }
  return out;
}

// The callers of every object, read once per pass.
std::map<Obj, std::vector<Obj>> caller_index(Run& run) {
  std::map<Obj, std::vector<Obj>> callers;
  for (const Term& f : run.facts().clauses("called_program_i", 4)) {
    if (!f.arg(1).is_int() || !f.arg(2).is_int() || !f.arg(3).is_int() || !f.arg(4).is_int())
      continue;
    callers[{f.arg(3).as_int(), f.arg(4).as_int()}].emplace_back(f.arg(1).as_int(),
                                                                 f.arg(2).as_int());
  }
  return callers;
}

// What one make-file pass reads of the fact base, read once: the callers of
// every object, the objects that need a make file, and the make files
// handled so far (kept beside main_make_i/2).
struct PassIndex {
  std::map<Obj, std::vector<Obj>> callers;
  std::set<Obj> need;
  std::set<Obj> made;
};

std::set<Obj> objects_needing_makefile(Run& run) {
  std::set<Obj> need;
  for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
    if (!f.arg(2).is_int()) continue;
    if (auto cls = obj_classid(text_of(f.arg(1)))) need.emplace(*cls, f.arg(2).as_int());
  }
  for (const Term& f : run.facts().clauses("pgm_need_makefile_i", 2)) {
    if (f.arg(1).is_int() && f.arg(2).is_int()) need.emplace(f.arg(1).as_int(), f.arg(2).as_int());
  }
  return need;
}

// The object and its callers upwards, each once, that need a make file and
// have none in this pass yet.
std::vector<Obj> ancestors_to_remake(const PassIndex& index, const Obj& start) {
  std::vector<Obj> out, stack{start};
  std::set<Obj> visited{start};
  while (!stack.empty()) {
    const Obj o = stack.back();
    stack.pop_back();
    if (index.need.count(o) && !index.made.count(o)) out.push_back(o);
    if (auto it = index.callers.find(o); it != index.callers.end()) {
      for (const Obj& c : it->second) {
        if (visited.insert(c).second) stack.push_back(c);
      }
    }
  }
  return out;
}

}  // namespace

void clear_prt_obj_list(Run& run) { run.facts().abolish("prt_obj_list_i", 1); }

bool list_prt_obj(Run& run, const std::string& name) {
  const Term f = fact("prt_obj_list_i", {str(platform::lower_1252(name))});
  if (run.facts().exists(f)) return false;
  run.facts().assertz(f);
  return true;
}

namespace {

// The call tree by caller, read once for a walk (the fact base indexes it by
// class only) and kept up to date with what the walk adds.
using TreeIndex = std::map<Obj, std::vector<Obj>>;

TreeIndex tree_index(Run& run) {
  TreeIndex tree;
  for (const Term& f : run.facts().clauses("called_program_i", 4)) {
    if (f.arg(1).is_int() && f.arg(2).is_int() && f.arg(3).is_int() && f.arg(4).is_int())
      tree[{f.arg(1).as_int(), f.arg(2).as_int()}].emplace_back(f.arg(3).as_int(),
                                                              f.arg(4).as_int());
  }
  return tree;
}

void update_call_tree(Run& run, TreeIndex& tree, int64_t model, int64_t cls, int64_t number) {
  std::vector<Obj> stack{{cls, number}};
  std::set<Obj> visited;
  while (!stack.empty()) {
    const Obj o = stack.back();
    stack.pop_back();
    if (!visited.insert(o).second) continue;
    if (tree.count(o)) continue;  // the object's entries are there already
    const std::vector<Obj> callees = kept_callees(run, model, o.first, o.second);
    std::vector<Obj>& entries = tree[o];
    for (const Obj& c : callees) {
      if (std::find(entries.begin(), entries.end(), c) != entries.end()) continue;
      entries.push_back(c);
      run.facts().assertz(
          fact("called_program_i", {num(o.first), num(o.second), num(c.first), num(c.second)}));
    }
    if (entries.empty()) tree.erase(o);
    // Followed in order: the first callee is taken next.
    for (auto it = callees.rbegin(); it != callees.rend(); ++it) stack.push_back(*it);
  }
}

}  // namespace

void update_call_tree(Run& run, int64_t model, int64_t cls, int64_t number) {
  TreeIndex tree = tree_index(run);
  update_call_tree(run, tree, model, cls, number);
}

std::vector<MakeProgram> make_called_deps(Run& run, int64_t cls, int64_t number) {
  const TreeIndex tree = tree_index(run);
  std::vector<MakeProgram> out;
  std::set<Obj> seen;
  std::vector<Obj> stack{{cls, number}};
  while (!stack.empty()) {
    const Obj o = stack.back();
    stack.pop_back();
    if (!seen.insert(o).second) continue;
    out.push_back({o.first, o.second});
    if (auto it = tree.find(o); it != tree.end()) {
      for (auto c = it->second.rbegin(); c != it->second.rend(); ++c) stack.push_back(*c);
    }
  }
  return out;
}

bool needs_makefile(Run& run, int64_t cls, int64_t number) {
  return pgm_main(run, cls, number) ||
         run.facts().exists(fact("pgm_need_makefile_i", {num(cls), num(number)}));
}

bool object_changed(Run& run, int64_t model, int64_t cls, int64_t number) {
  if (entries_of(run, "called_program_i", cls, number) !=
      entries_of(run, "old_called_program_i", cls, number))
    return true;
  const std::string program = make_program_class(run, model, {cls, number});
  return !program.empty() && class_deps_changed(run, program);
}

std::string make_file_path(Run& run, int64_t model, int64_t cls, int64_t number) {
  const std::string program = make_program_class(run, model, {cls, number});
  return program.empty() ? "" : program + ".mak";
}

namespace {

// The model directory of model_info_i([_, Dir | _]), else the host's.
std::string model_dir(Run& run, int64_t model) {
  std::string dir;
  if (auto f = run.facts().first(fact("model_info_i", {var()}));
      f && f->arg(1).is_list() && f->arg(1).list_items().size() >= 2) {
    dir = text_of(f->arg(1).list_items()[1]);
  } else {
    model_info_dir(run, model, dir);
  }
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  return dir;
}

}  // namespace

void make_files_pass(Run& run, int64_t model, const MakeFileWriter& writer) {
  show_progress_text(run, str("Calculating make files to recreate"));
  if (!run.facts().exists(fact("call_tree_builded_i", {}))) {
    std::vector<Obj> roots;
    for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
      if (!f.arg(2).is_int()) continue;
      if (auto cls = obj_classid(text_of(f.arg(1)))) roots.emplace_back(*cls, f.arg(2).as_int());
    }
    for (const Term& f : run.facts().clauses("pgm_need_makefile_i", 2)) {
      if (f.arg(1).is_int() && f.arg(2).is_int())
        roots.emplace_back(f.arg(1).as_int(), f.arg(2).as_int());
    }
    TreeIndex tree = tree_index(run);
    for (const Obj& o : roots) {
      if (make_kind_ok(class_kind(o.first))) update_call_tree(run, tree, model, o.first, o.second);
    }
    run.facts().assertz(fact("call_tree_builded_i", {}));
  }
  show_progress_text(run, str("Generating make files"));
  PassIndex index{caller_index(run), objects_needing_makefile(run), {}};
  std::vector<Obj> generated;
  std::set<Obj> changed;
  for (const Term& f : run.facts().clauses("generated_object_i", 2)) {
    auto cls = obj_classid(text_of(f.arg(1)));
    if (!cls || !f.arg(2).is_int()) continue;
    const Obj o{*cls, f.arg(2).as_int()};
    generated.push_back(o);
    if (object_changed(run, model, o.first, o.second)) changed.insert(o);
  }
  auto handle = [&](const Obj& a) {
    index.made.insert(a);
    run.facts().assertz(fact("main_make_i", {num(a.first), num(a.second)}));
    clear_prt_obj_list(run);
  };
  // A make file whose writing failed (a full disk, say) lost its former
  // text when it was opened: it is written again in this pass, and kept
  // in the state (make_file_failed_i/2) until it is written whole.
  std::vector<Obj> failed;
  for (const Term& f : run.facts().clauses("make_file_failed_i", 2)) {
    if (f.arg(1).is_int() && f.arg(2).is_int()) failed.emplace_back(f.arg(1).as_int(), f.arg(2).as_int());
  }
  run.facts().abolish("make_file_failed_i", 2);
  auto write = [&](const Obj& a) {
    handle(a);
    if (!writer(run, model, a.first, a.second))
      run.facts().assertz(fact("make_file_failed_i", {num(a.first), num(a.second)}));
  };
  // Each program handled on its own: one that fails does not stop the others.
  for (const Obj& o : generated) {
    if (!changed.count(o) && !index.need.count(o)) continue;
    for (const Obj& a : ancestors_to_remake(index, o)) write(a);
  }
  for (const Obj& a : failed) {
    if (!index.made.count(a) && needs_makefile(run, a.first, a.second)) write(a);
  }
  run.facts().abolish("main_make_i", 2);
  index.made.clear();
  show_progress_text(run, str("Touching make files"));
  const std::string dir = model_dir(run, model);
  for (const Obj& o : generated) {
    if (changed.count(o)) continue;
    for (const Obj& a : ancestors_to_remake(index, o)) {
      handle(a);
      const std::string name = make_file_path(run, model, a.first, a.second);
      if (name.empty() || !append_blank(run, dir + name)) trace_msg(run, {"Failed to touch ", name});
    }
  }
  run.facts().abolish("main_make_i", 2);
}

bool developer_menu_pgms(Run& run, int64_t model, std::string_view section, const MakeDirs& dirs) {
  run.facts().assertz(fact("creating_developer_menu_i", {}));
  bool ok = true;
  for (const char* kind : {"mbr", "trn", "scr", "proc", "rpt"}) {
    auto cls = obj_classid(kind);
    if (!cls) continue;
    std::array<Term, 3> start{num(model), num(*cls), num(11)};
    if (!call_host(run, "i_stqnprgs", std::span<Term>(start))) continue;
    std::vector<int64_t> numbers;
    for (;;) {
      std::array<Term, 7> rec{num(model), num(*cls), num(1), var(), var(), var(), var()};
      if (!call_host(run, "i_nxqnprgs", std::span<Term>(rec))) break;
      // Names in the program files are cut to nine characters: the number
      // names the object.
      if (rec[3].is_int()) numbers.push_back(rec[3].as_int());
    }
    std::array<Term, 2> close{num(0), num(0)};
    call_host(run, "i_clqnprgs", std::span<Term>(close));
    for (int64_t n : numbers) {
      for (const MakeProgram& p : make_called_deps(run, *cls, n))
        ok = gen_make_entry(run, model, section, dirs, p) && ok;
    }
  }
  run.facts().retract_all(fact("creating_developer_menu_i", {}));
  return ok;
}

}  // namespace qn::logic
