#include "logic/program/make_files.h"

#include <array>

#include "logic/core/emit.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/make_bookkeeping.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/sql/stored_procs.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

const char kTab[] = "\t";

// A folder as make sees it: '/' between levels and at the end.
std::string make_dir(std::string dir) {
  for (char& c : dir) {
    if (c == '\\') c = '/';
  }
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

// A path as a target or prerequisite: blanks escaped.
std::string target(std::string_view path) {
  std::string out;
  for (char c : path) {
    if (c == ' ') out += '\\';
    out += c;
  }
  return out;
}

// A path in a recipe: quoted when it holds a blank (an empty one as "").
std::string quoted(std::string_view path) {
  if (path.empty() || path.find(' ') != std::string_view::npos) return "\"" + std::string(path) + "\"";
  return std::string(path);
}

// The destination of servlet copies: S + P without its last character.
std::string destination(const MakeDirs& dirs) {
  std::string d = dirs.s + dirs.p;
  if (!d.empty()) d.pop_back();
  return quoted(d);
}

// The lines of one class in a section.
bool class_lines(Run& run, std::string_view section, const MakeDirs& dirs, const std::string& cls,
                 const std::vector<std::string>& deps = {}) {
  Out out(run);
  const std::string p = dirs.p + cls;
  if (section == "dep") {
    out.pieces({(dirs.mode == 13 ? target(dirs.s + p + ".class") : target(p + ".class")) + " \\"});
  } else if (section == "mak") {
    out.pieces({p + ".class", ":", p + ".java"});
    out.pieces({std::string(kTab) + "@echo Compiling", p + ".java"});
    out.pieces({std::string(kTab) + "@$(JAVAC) $(CFLAGS)", p + ".java"});
  } else {
    out.pieces({target(dirs.s + p + ".class"), ":", p + ".class"});
    out.pieces({std::string(kTab) + "@cp", p + ".class", destination(dirs)});
    for (const std::string& d : deps)
      out.pieces({std::string(kTab) + "@cp", dirs.p + d + ".class", destination(dirs)});
  }
  return out.ok();
}

// A class of the section written once per file.
bool class_once(Run& run, std::string_view section, const MakeDirs& dirs, const std::string& cls,
                const std::vector<std::string>& deps = {}) {
  if (!list_prt_obj(run, std::string(section) + ":" + platform::lower_1252(cls))) return true;
  return class_lines(run, section, dirs, cls, deps);
}

std::vector<std::string> texts_of(const Term& list) {
  std::vector<std::string> out;
  if (list.is_list()) {
    for (const Term& t : list.list_items()) out.push_back(text_of(t));
  }
  return out;
}

// The data and supplier classes of a table, then of its other tables, each
// table once per section and file.
bool table_lines(Run& run, std::string_view section, const MakeDirs& dirs, const Term& table) {
  const Term printed = fact("i_table_printed", {str(section), table});
  if (run.facts().exists(printed)) return true;
  run.facts().assertz(printed);
  auto def = run.facts().first(fact("ij_table_def", {table, var(), var(), var()}));
  if (!def) return true;
  bool ok = class_once(run, section, dirs, text_of(def->arg(2))) &&
            class_once(run, section, dirs, text_of(def->arg(3)));
  if (def->arg(4).is_list()) {
    for (const Term& t : def->arg(4).list_items()) ok = table_lines(run, section, dirs, t) && ok;
  }
  return ok;
}

bool other_generator_main(Run& run, std::string_view kind, int64_t number) {
  for (const Term& f : run.facts().findall(fact("pgm_main_i", {atom(kind), num(number), var(), var()}))) {
    const Term& info = f.arg(4);
    if (info.is_list() && !info.list_items().empty() && !(info.list_items()[0] == num(11)))
      return true;
  }
  return false;
}

bool generator11_main(Run& run, std::string_view kind, int64_t number) {
  for (const Term& f : run.facts().findall(fact("pgm_main_i", {atom(kind), num(number), var(), var()}))) {
    const Term& info = f.arg(4);
    if (info.is_list() && !info.list_items().empty() && info.list_items()[0] == num(11)) return true;
  }
  return false;
}

bool remote_protocol(Run& run) { return remote_calls_protocol(run); }


std::vector<std::string> base_classes(Run& run) {
  std::vector<std::string> classes{"QNcfg"};
  if (uses_stored_procs(run)) classes.push_back("crtjdbccalls");
  return classes;
}

// The class list: the file opened, "CLS = \" and the entries of Classes.
bool make_cls_list(Run& run, const std::string& path, const MakeDirs& dirs,
                   const std::vector<std::string>& classes) {
  run.facts().abolish("i_table_printed", 2);
  clear_prt_obj_list(run);
  if (!open_output(run, path)) return false;
  set_progress_len(run, num(2));
  // The entries stand 7 in, to the end of the file's class list: a margin
  // line, as the writers of the entries are other calls.
  if (!emit_text(run, Term::list({Term::list({num(0), num(7), Term::list({str("CLS = \\")})})})))
    return false;
  Out out(run);
  if (dirs.mode == 13) {
    out.pieces({target(dirs.s + dirs.p + "client.cfg") + " \\"});
    out.pieces({target(dirs.s + dirs.p + "server.cfg") + " \\"});
    if (!dirs.d.empty()) {
      for (const char* js : {"tree.js", "mb.js", "qnvdate.js"}) out.pieces({target(dirs.d + js) + " \\"});
    }
  }
  bool ok = out.ok();
  for (const std::string& c : classes) ok = class_once(run, "dep", dirs, c) && ok;
  return ok;
}

bool all_target(Run& run) {
  Out out(run);
  out.pieces(std::vector<Piece>{});
  out.shift(-7).pieces({"all  :$(CLS)"});
  out.pieces(std::vector<Piece>{});
  return out.ok();
}

bool servlet_copy_rules(Run& run, int64_t model, const MakeDirs& dirs,
                        const std::vector<MakeProgram>& programs) {
  bool ok = true;
  for (const std::string& c : base_classes(run)) ok = class_once(run, "copy", dirs, c) && ok;
  Out out(run);
  if (!dirs.d.empty()) {
    for (const char* js : {"tree.js", "mb.js", "qnvdate.js"}) {
      out.pieces({target(dirs.d + js), ":", js});
      out.pieces({std::string(kTab) + "@cp", js, quoted(dirs.d + js)});
    }
  }
  out.pieces({target(dirs.s + dirs.p + "client.cfg"), ":", dirs.p + "client.cfg"});
  out.pieces({std::string(kTab) + "@cp", dirs.p + "client.cfg", destination(dirs)});
  out.pieces({target(dirs.s + dirs.p + "server.cfg"), ":", "server.cfg"});
  out.pieces({std::string(kTab) + "@cp", "server.cfg", destination(dirs)});
  ok = out.ok() && ok;
  for (const MakeProgram& p : programs) ok = gen_make_entry(run, model, "copy", dirs, p) && ok;
  return Out(run).pieces(std::vector<Piece>{}).ok() && ok;
}

bool is_webproc(Run& run, const std::string& program) {
  return run.facts().exists(fact("is_webproc_i", {atom(program)})) ||
         run.facts().exists(fact("is_webproc_i", {str(program)}));
}

std::optional<std::string> object_name(Run& run, int64_t model, int64_t cls, int64_t number) {
  std::array<Term, 7> a{num(model), num(cls), num(number), var(), var(), var(), var()};
  if (!call_host(run, "i_obj_info", std::span<Term>(a))) return std::nullopt;
  return text_of(a[3]);
}

}  // namespace

MakeDirs make_dirs(Run& run, int mode) {
  MakeDirs d;
  d.mode = mode;
  d.p = make_dir(package_dir(run));
  auto s = pgm_prop_value(run, "SERVLET_DIR");
  d.s = make_dir(s ? *s : "");
  auto c = pgm_prop_value(run, "CLIENT_STATIC_DIR");
  d.d = make_dir(c ? *c : "");
  return d;
}

std::string class_kind(int64_t cls) {
  static const std::pair<int64_t, const char*> kinds[] = {{0, "trn"},  {1, "proc"}, {2, "rpt"},
                                                          {3, "mnu"},  {4, "scr"},  {13, "web"},
                                                          {14, "ext"}, {17, "mbr"}};
  for (const auto& [c, k] : kinds) {
    if (c == cls) return k;
  }
  return "";
}

bool make_kind_ok(std::string_view kind) { return kind != "web"; }
bool make_class_kind_ok(std::string_view kind) { return kind != "mnu"; }
bool make_class_ok(int64_t cls) { return cls != 14; }

bool class_deps_changed(Run& run, std::string_view program) {
  auto now = run.facts().first(fact("ij_object_dependency", {atom(program), var(), var()}));
  auto old = run.facts().first(fact("old_ij_object_dependency", {atom(program), var(), var()}));
  if (!old) return true;
  return !now || !(now->arg(2) == old->arg(2)) || !(now->arg(3) == old->arg(3));
}

std::string make_program_class(Run& run, int64_t model, const MakeProgram& program) {
  const std::string kind = class_kind(program.cls);
  auto name = object_name(run, model, program.cls, program.number);
  if (kind.empty() || !name) return "";
  std::string letter = kind_letter(kind);
  if (generator11_main(run, kind, program.number)) {
    if (auto m = main_letter(kind)) letter = *m;
  }
  return platform::lower_1252(letter + *name);
}

bool gen_make_entry(Run& run, int64_t model, std::string_view section, const MakeDirs& dirs,
                    const MakeProgram& program) {
  const std::string kind = class_kind(program.cls);
  const auto object = object_name(run, model, program.cls, program.number);
  if ((object && is_stored_proc(run, atom(*object))) ||
      other_generator_main(run, kind, program.number))
    return true;
  const std::string n = make_program_class(run, model, program);
  if (n.empty()) return true;
  auto deps = run.facts().first(fact("ij_object_dependency", {atom(n), var(), var()}));
  bool ok = true;
  if (section == "copy" && dirs.mode == 13 && kind == "mbr") {
    if (list_prt_obj(run, "copy:" + n)) {
      ok = class_lines(run, section, dirs, n);
      if (!dirs.d.empty())
        ok = Out(run).pieces({std::string(kTab) + "@cp", n + ".js", quoted(dirs.d + n + ".js")}).ok() && ok;
    }
  } else {
    ok = class_once(run, section, dirs, n, deps ? texts_of(deps->arg(2)) : std::vector<std::string>{});
  }
  if (!deps) return ok;
  if (deps->arg(3).is_list()) {
    for (const Term& t : deps->arg(3).list_items()) ok = table_lines(run, section, dirs, t) && ok;
  }
  if (remote_protocol(run)) {
    for (const std::string& c : texts_of(deps->arg(2))) ok = class_once(run, section, dirs, c) && ok;
  }
  return ok;
}

bool gen_make_file(Run& run, int64_t model, int64_t cls, int64_t number) {
  const std::string path = make_file_path(run, model, cls, number);
  if (path.empty()) return false;
  const std::string program = make_program_class(run, model, {cls, number});
  const int mode = cls == 13 || is_webproc(run, program) ? 13 : 0;
  const MakeDirs dirs = make_dirs(run, mode);
  const std::vector<std::string> classes = base_classes(run);
  const std::vector<MakeProgram> programs = make_called_deps(run, cls, number);
  bool ok = make_cls_list(run, path, dirs, classes);
  for (const MakeProgram& p : programs) ok = gen_make_entry(run, model, "dep", dirs, p) && ok;
  ok = all_target(run) && ok;
  if (mode == 13) ok = servlet_copy_rules(run, model, dirs, programs) && ok;
  for (const std::string& c : classes) ok = class_once(run, "mak", dirs, c) && ok;
  for (const MakeProgram& p : programs) ok = gen_make_entry(run, model, "mak", dirs, p) && ok;
  step_progress(run);
  return close_output(run) && ok;
}

namespace {

// The developer menu's make file and those of the main programs.
bool gen_program_makes(Run& run, int64_t model, const MakeDirs& dirs) {
  bool ok = true;
  if (platform::upper_1252(pgm_prop_dft(run, "DMENU_MAK", "YES")) == "YES") {
    const std::vector<std::string> classes = base_classes(run);
    ok = make_cls_list(run, "developermenu.mak", dirs, classes);
    ok = developer_menu_pgms(run, model, "dep", dirs) && ok;
    ok = Out(run).pieces({"developermenu.class \\"}).ok() && ok;
    ok = all_target(run) && ok;
    for (const std::string& c : classes) ok = class_once(run, "mak", dirs, c) && ok;
    ok = developer_menu_pgms(run, model, "mak", dirs) && ok;
    MakeDirs plain = dirs;
    plain.p.clear();  // developermenu.java lies in the model directory
    ok = class_lines(run, "mak", plain, "developermenu") && ok;
    ok = close_output(run) && ok;
  }
  if (platform::upper_1252(pgm_prop_dft(run, "MENU_MAK", "YES")) == "YES") make_files_pass(run, model);
  return ok;
}

}  // namespace

bool gen_reorg_make(Run& run, int64_t model) {
  const MakeDirs dirs = make_dirs(run, 0);
  if (run.facts().count("reorg_pgm_i", 1) > 0) {
    std::vector<std::string> classes{"QNcfg", "qncrtdb"};
    if (platform::upper_1252(pgm_prop_dft(run, "RED_MAK", "NO")) == "YES")
      classes.push_back("qnlred");
    for (const char* c : {"qnrgza", "qnrgzb", "qnrgzc", "Reorganization"}) classes.push_back(c);
    bool ok = make_cls_list(run, "Reorganization.mak", dirs, classes);
    ok = all_target(run) && ok;
    for (const std::string& c : classes) ok = class_once(run, "mak", dirs, c) && ok;
    ok = close_output(run) && ok;
    run.facts().abolish("reorg_pgm_i", 1);
    // The run's programs keep their make files: a run that also generated
    // a reorganisation would otherwise leave its main programs without one,
    // and no later run writes it unless the program is generated again.
    return gen_program_makes(run, model, dirs) && ok;
  }
  return gen_program_makes(run, model, dirs);
}

}  // namespace qn::logic
