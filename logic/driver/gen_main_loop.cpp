// gen_main/2 and the object loop (the file name keeps clear of the build's
// *_main.cpp rule for program entry files).
#include "logic/driver/gen_main.h"

#include "engine/clause_io.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/gen_targets.h"
#include "logic/core/host_calls.h"
#include "logic/core/messages.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/state_file.h"
#include "logic/core/tokens.h"
#include "logic/java/java_naming.h"
#include "logic/java/unsupported.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/program_props.h"
#include "logic/program/menubar.h"
#include "logic/program/proc_class.h"
#include "logic/web/web_class.h"
#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/folder_index.h"
#include "platform/path.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr std::string_view kMenuSpec = "qnmenu.spc";
constexpr std::string_view kMenuSkip = "QNMENU.SPC";

// An empty directory (the current one) stays empty.
std::string with_backslash(std::string dir) {
  if (!dir.empty() && !platform::is_separator(dir.back())) dir += '\\';
  return dir;
}

int64_t count_pred(const Run& run, const char* name, uint32_t arity) {
  return static_cast<int64_t>(run.facts().count(name, arity));
}

std::string state_file_shown(int64_t model) { return state_file_name(model).substr(2); }

// Whether a missing state file loses something: this model's classes were
// generated before (in the model folder or its package folder) and no
// specification file waits to be generated again, so what those objects
// used cannot come back from this run alone.
bool state_expected(Run& run, std::string_view user_dir) {
  const std::string package = package_dir(run);
  if (list_directory(run, "*.java").empty() &&
      (package.empty() || list_directory(run, package + "*.java").empty())) {
    return false;
  }
  for (const std::string& pattern : spec_file_patterns()) {
    for (const std::string& name : list_directory(run, std::string(user_dir) + pattern)) {
      if (name != kMenuSkip) return false;
    }
  }
  return true;
}

// The object of a specification file is generated; the file goes once the
// run's state is on disk (delete_done_spec_files), so a kill in between
// leaves it for the next run instead of losing what the object uses.
void spec_file_done(Run& run, const std::string& file) {
  run.facts().assertz(Term::compound("spec_file_done_i", {Term::string(file)}));
}

// The names of a folder that match a pattern, whatever they are: a folder,
// a named pipe or a link to nothing in place of a specification file is
// listed too, so that the loop reports it instead of passing it over.
std::vector<std::string> spec_names(std::string_view dir, const std::string& pattern) {
  std::vector<std::string> names;
  const std::string fs_dir = dir.empty() ? std::string(".") : platform::map_path(dir);
  platform::for_each_entry(fs_dir, pattern, [&](const platform::FolderEntry& e) {
    if (e.name != kMenuSkip) names.push_back(e.name);
  });
  return names;
}

// A specification file the loop cannot use is reported, named with its
// path below the model folder, and stays where it is.
void report_spec_file(Run& run, const std::string& file, const std::string& what,
                      const std::string& todo) {
  show_error_box(run, "The specification file " + platform::shown_path(file) + " " + what +
                          "\n" + todo);
}

// Why a specification file could not be loaded: only regular files are read.
void report_unreadable(Run& run, const std::string& file) {
  const platform::FileKind kind = platform::file_kind(platform::map_path(file));
  if (kind == platform::FileKind::kMissing) return;  // gone since the listing
  if (kind != platform::FileKind::kRegular) {
    report_spec_file(run, file,
                     std::string("is skipped: it is ") + platform::file_kind_text(kind) + ".",
                     "Only regular files are read: put the object's specification file in its "
                     "place, or remove it.");
    return;
  }
  report_spec_file(run, file, "is skipped: it cannot be read (" + platform::last_error_text() + ").",
                   "Make it readable for the user who runs the generator, and generate again.");
}

// A loaded file that names no object: its first fact must be
// spec_i([Kind, Number, Title, Name | ...]).
void report_no_object(Run& run, const std::string& file) {
  if (const int line = run.engine().first_syntax_error_line(); line > 0) {
    report_spec_file(run, file,
                     "is skipped: syntax error at line " + std::to_string(line) + ".",
                     "Correct the file, or specify the object again, and generate again.");
    return;
  }
  report_spec_file(run, file,
                   "is skipped: it names no object (no fact spec_i([Kind, Number, Title, Name "
                   "| ...])).",
                   "Specify the object again, or remove the file.");
}

// A user name the model folder has no specification folder for (none
// given, or misspelt) would generate nothing without a word.
void report_missing_spec_folder(Run& run, const std::string& user_dir) {
  std::string folder = user_dir;
  while (!folder.empty() && platform::is_separator(folder.back())) folder.pop_back();
  if (folder.empty() || directory_exists(run, folder)) return;
  const std::string user = folder.substr(0, folder.find_first_of("\\/"));
  show_error_box(run, "The specification folder " +
                          platform::shown_path(platform::join_path(platform::current_dir(), folder)) +
                          " does not exist: there is nothing to generate for the user " + user +
                          ".\nGenerate as the user whose folder below the model folder holds "
                          "the specification files (qngen --user NAME).");
}

void delete_done_spec_files(Run& run) {
  for (const Term& done : run.facts().clauses("spec_file_done_i", 1)) {
    delete_file(run, text_of(done.arg(1)));
  }
  run.facts().abolish("spec_file_done_i", 1);
}

}  // namespace

const std::vector<std::string>& spec_file_patterns() {
  static const std::vector<std::string> patterns = {
      "qnr*.spc", "qnu*.spc", "qnl*.spc", "y*.spc", "h*.spc", "a*.spc",
      "p*.spc",   "o*.spc",   "r*.spc",   "m*.spc", "l*.spc", "n*.spc",
      "t*.spc",   "u*.spc",   "w*.spc",   "c*.spc", "b*.spc"};
  return patterns;
}

const std::vector<std::string>& supported_kinds() {
  static const std::vector<std::string> kinds = {"web", "proc", "rpt", "mbr",
                                                 "mnu", "ce",   "trn", "scr"};
  return kinds;
}

bool gen_main(Run& run, int64_t first, int64_t model) {
  auto& facts = run.facts();
  facts.abolish("model_i", 2);
  facts.assertz(Term::compound("model_i", {Term::integer(first), Term::integer(model)}));
  facts.asserta(Term::compound("menu_type_i", {Term::atom("user")}));
  facts.asserta(Term::compound(
      "p_i", {Term::atom("model"), Term::list({Term::atom("generator"), Term::integer(11)})}));
  std::string user_dir;
  if (!setup_model(run, model, user_dir)) return false;
  report_missing_spec_folder(run, user_dir);
  load_menu_spec(run, user_dir);
  const StateFound state = load_state(run, model);
  if (state == StateFound::kDamaged) {
    show_error_box(run, "The state file " + state_file_shown(model) +
                            " is damaged: what can be read of it is kept, and the state of every "
                            "object generated in this run is saved again.");
  } else if (state == StateFound::kMissing && state_expected(run, user_dir)) {
    show_error_box(run, "The state file " + state_file_shown(model) +
                            " is missing although objects of this model were generated before: "
                            "the state of every object generated in this run is saved again.");
  }
  if (!java_gen_start(run, model)) return false;
  process_spec_files(run, model, user_dir);
  if (!java_gen_end(run, model)) return false;
  // The run's summary counts the objects generated.
  run.facts().abolish("objects_generated_i", 1);
  run.facts().assertz(Term::compound(
      "objects_generated_i", {Term::integer(count_pred(run, "spec_file_done_i", 1))}));
  // No specification file goes before its object's state is on disk.
  if (save_state(run, model)) {
    delete_done_spec_files(run);
  } else {
    run.facts().abolish("spec_file_done_i", 1);
    show_error_box(run, "The state file " + state_file_shown(model) +
                            " could not be written: the specification files of this run are "
                            "kept, and the next run generates their objects again.");
  }
  delete_menu_spec(run, user_dir);
  return true;
}

bool setup_model(Run& run, int64_t model, std::string& user_dir) {
  auto& facts = run.facts();
  int64_t selected = 0, status = 0, offset = 0;
  if (!get_model(run, selected, status, offset) || selected != model) return false;
  facts.asserta(Term::compound("offset_i", {Term::integer(offset)}));
  load_model_files(run, model);
  set_gen_dirs(run, model);
  auto dir = facts.first(Term::compound("dir_i", {Term::atom("u"), Term::fresh_var()}));
  if (!dir) return false;
  user_dir = text_of(dir->arg(2));
  set_trn_logging_flag(run);
  return true;
}

void load_menu_spec(Run& run, std::string_view dir) {
  const std::string path = std::string(dir) + std::string(kMenuSpec);
  if (!list_directory(run, path).empty()) load_spec_file(run, path);
}

void delete_menu_spec(Run& run, std::string_view dir) {
  const std::string path = std::string(dir) + std::string(kMenuSpec);
  if (!list_directory(run, path).empty()) delete_file(run, path);
}

void process_spec_files(Run& run, int64_t model, std::string_view dir) {
  auto& eng = run.engine();
  const std::string msg_file = with_backslash(program_directory(run)) + "QNMSGJ.ARI";
  const bool syntax = eng.syntax_errors();
  const bool files = eng.file_errors();
  eng.set_syntax_errors(false);
  eng.set_file_errors(false);
  const bool loaded = load_spec_file(run, msg_file);
  eng.set_file_errors(files);
  eng.set_syntax_errors(syntax);
  if (!loaded) return;
  eng.ctr_set(kCtrFileSeq, 0);
  spec_file_loop(run, model, dir);
}

int64_t count_spec_files(Run& run, std::string_view dir) {
  auto& eng = run.engine();
  eng.ctr_set(kCtrFiles, 0);
  for (const std::string& pattern : spec_file_patterns()) {
    for (size_t i = spec_names(dir, pattern).size(); i > 0; --i) eng.ctr_inc(kCtrFiles);
  }
  const int64_t count = eng.ctr_is(kCtrFiles);
  files_bar_total(run, count + 1);
  return count;
}

void spec_file_loop(Run& run, int64_t model, std::string_view dir) {
  count_spec_files(run, dir);
  for (const std::string& pattern : spec_file_patterns()) {
    for (const std::string& name : spec_names(dir, pattern)) {
      const std::string file = std::string(dir) + name;
      if (!load_spec_file(run, file)) {
        report_unreadable(run, file);
        continue;
      }
      auto spec = spec_list(run);
      const auto items = spec ? spec->list_items() : std::vector<Term>{};
      if (items.size() < 4 || !items[1].is_int()) {
        report_no_object(run, file);
        continue;
      }
      if (const int line = run.engine().first_syntax_error_line(); line > 0) {
        report_spec_file(run, file, "has a syntax error at line " + std::to_string(line) + ".",
                         "The clause there is left out and the object generated from the rest: "
                         "correct the file and generate again.");
      }
      const Term& kind = items[0];
      const int64_t number = items[1].as_int();
      const Term rest = spec->tail().tail();  // [Title, Name | Rest]
      run.engine().ctr_inc(kCtrFileSeq);
      post_object_row(run, kind, items[3], items[2]);
      set_object_progress(run, kind);
      if (!process_spec_file(run, kind, file, model, number, rest)) {
        const std::string shown_kind = message_text_first(text_of(kind)).value_or(text_of(kind));
        show_error_box(run, shown_kind + " " + text_of(items[3]) + " was not generated: its "
                                "specification file " + platform::shown_path(file) +
                                " stays for the next run.\nCorrect what the messages before "
                                "this one name, and generate again.");
      }
    }
  }
}

void set_object_progress(Run& run, const Term& kind) {
  const auto& facts = run.facts();
  int64_t len = 0;
  const int64_t levels = count_pred(run, "level_i", 2);
  if (kind == "trn") {
    len = 16 * levels + 10;
  } else if (kind == "scr" || kind == "web") {
    int64_t data_levels = 0;
    for (const Term& l : facts.clauses("level_i", 2)) {
      const Term& data = l.arg(2);
      if (data.is_cons() && !(data.head().is_int() && data.head().as_int() == 0)) ++data_levels;
    }
    int64_t subs = 0;
    for (const Term& b : facts.clauses("b_line_i", 6)) {
      if (b.arg(4) == "cmd" && first_token_type(b.arg(6)) == kSubStart) ++subs;
    }
    len = 2 * data_levels + 4 + subs;
  } else {
    len = 2 * levels + 2;
  }
  object_bar_range(run, len);
}

bool process_spec_file(Run& run, const Term& kind, const std::string& file, int64_t model,
                       int64_t number, const Term& spec) {
  // 1. A kind this generator does not handle: the file is dropped.
  bool known = false;
  for (const std::string& k : supported_kinds()) {
    if (kind == k) known = true;
  }
  if (!known) {
    if (delete_file(run, file)) return true;
  }
  // 2. Database creation and reorganisation. One that fails keeps its file;
  // it is not tried again as any other object, which would write its
  // programs (and report its errors) a second time.
  if (kind == "ce" && !spec.is_nil()) {
    if (!dispatch_object(run, model, kind, number, spec)) return false;
    spec_file_done(run, file);
    return true;
  }
  // 3. Any other object.
  do {
    const auto items = spec.list_items();
    if (items.size() < 2) break;
    const std::string program = kind_pgm_name(run, text_of(items[1])) + java_source_extension();
    std::string model_dir;
    if (!model_info_dir(run, model, model_dir)) break;
    model_dir = with_backslash(model_dir);
    // No source of an earlier run may remain, beside the model or in its
    // package folder (where sources go when PACKAGE is set).
    std::vector<std::string> dirs{model_dir};
    if (const std::string package = package_dir(run); !package.empty())
      dirs.push_back(model_dir + package);
    for (const std::string& dir : dirs) {
      for (const std::string& old : list_directory(run, dir + program)) delete_file(run, dir + old);
    }
    if (!object_aux_names(run)) break;
    if (!dispatch_object(run, model, kind, number, spec)) break;
    if (!register_object(run, model, kind_pgm_name(run, text_of(items[1])))) break;
    spec_file_done(run, file);
    return true;
  } while (false);
  // 4. The file stays for the next run; what was written stays too.
  return false;
}

bool object_aux_names(Run& run) {
  run.facts().abolish("p_auxname", 2);
  bool ok = true;
  for (const Term& attr : run.facts().clauses("attri_i", 2)) {
    ok = make_aux_names(run, attr.arg(1), Term::integer(0), kAuxA, Term::atom("n")) && ok;
  }
  return ok;
}

bool dispatch_object(Run& run, int64_t model, const Term& kind, int64_t number, const Term& spec) {
  return before_object(run, model, kind, number, spec) &&
         gen_by_kind(run, model, kind, number, spec) &&
         after_object(run, model, kind, number, spec);
}

bool before_object(Run& run, int64_t model, const Term& kind, int64_t number, const Term& spec) {
  auto& facts = run.facts();
  facts.assertz(Term::compound("generated_object_i", {kind, Term::integer(number)}));
  if (auto cls = obj_classid(text_of(kind))) {
    const Term pattern = Term::compound(
        "called_program_i",
        {Term::integer(*cls), Term::integer(number), Term::fresh_var(), Term::fresh_var()});
    for (const Term& c : facts.findall(pattern)) {
      facts.retract(c);
      facts.assertz(
          Term::compound("old_called_program_i", {c.arg(1), c.arg(2), c.arg(3), c.arg(4)}));
    }
  }
  if (!java_before_object(run, model, kind, number, spec)) return false;
  reset_odbc_calls(run);
  return true;
}

bool after_object(Run& run, int64_t model, const Term& kind, int64_t number, const Term& spec) {
  java_after_object(run, model, kind, number, spec);
  if (after_object_make_step(run, model, kind, number) && generating_reorg(run)) {
    const auto items = spec.list_items();
    if (items.size() >= 2) run.facts().assertz(Term::compound("reorg_pgm_i", {items[1]}));
  }
  return true;
}

namespace {

// One generator entry point: Spec is the object's specification without its
// kind, WithKind the same with the kind in front.
struct KindEntry {
  const char* kind;
  bool (*generate)(Run& run, int64_t model, int64_t number, const Term& spec,
                   const Term& with_kind);
};

// Each generator leaves its last class open; the output is closed after it.
bool closed(Run& run, bool generated) { return generated && close_output(run); }

// The generator of each object kind, tried in this order; a kind may have
// more than one row, and the first that succeeds generates the object.
constexpr KindEntry kKindTable[] = {
    {"web",
     [](Run& run, int64_t, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_webpanel_object(run, number, with_kind));
     }},
    {"rpt",
     [](Run& run, int64_t model, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_proc_object(run, model, number, with_kind));
     }},
    {"proc",
     [](Run& run, int64_t model, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_proc_object(run, model, number, with_kind));
     }},
    // A reorganisation of the indexes only has nothing to write.
    {"ce",
     [](Run&, int64_t, int64_t, const Term& spec, const Term&) {
       const auto items = spec.list_items();
       return items.size() >= 4 && items[3] == "ridx";
     }},
    {"ce",
     [](Run& run, int64_t model, int64_t number, const Term& spec, const Term&) {
       return spec.is_cons() && closed(run, gen_reorg_programs(run, model, number, spec.tail()));
     }},
    {"scr",
     [](Run& run, int64_t model, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_workpanel_object(run, model, number, with_kind));
     }},
    {"trn",
     [](Run& run, int64_t, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_transaction_object(run, number, with_kind));
     }},
    {"mbr",
     [](Run& run, int64_t model, int64_t number, const Term&, const Term& with_kind) {
       return closed(run, gen_menubar_object(run, model, number, with_kind));
     }},
    // A menu gets the placeholder class above; this row is reached when that
    // failed, and succeeds only when the output closes cleanly.
    {"mnu", [](Run& run, int64_t, int64_t, const Term&, const Term&) { return close_output(run); }},
};

}  // namespace

bool gen_by_kind(Run& run, int64_t model, const Term& kind, int64_t number, const Term& spec) {
  const Term with_kind = Term::cons(kind, spec);
  if (!object_supported(run) && gen_unsupported_object(run, number, with_kind)) return true;
  for (const KindEntry& entry : kKindTable) {
    if (kind == entry.kind && entry.generate(run, model, number, spec, with_kind)) return true;
  }
  return false;
}

}  // namespace qn::logic
