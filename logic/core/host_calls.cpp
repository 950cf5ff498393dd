#include "logic/core/host_calls.h"

#include <filesystem>
#include <fstream>

#include "engine/files.h"
#include "engine/system.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "platform/path.h"

namespace qn::logic {

using engine::Term;

std::string program_directory(Run& run) {
  Term dir = Term::fresh_var();
  if (!program_dir(run, dir)) return {};
  return text_of(dir);
}

bool get_model(Run& run, int64_t& model, int64_t& status, int64_t& offset) {
  Term m = Term::fresh_var(), st = Term::fresh_var(), off = Term::fresh_var();
  if (!i_get_model(run, m, st, off)) return false;
  model = m.as_int();
  status = st.as_int();
  offset = off.as_int();
  return true;
}

bool i_get_dirgen(Run& run, int64_t model, int64_t generator, std::string& u, std::string& s,
                  std::string& n) {
  Term tu = Term::fresh_var(), ts = Term::fresh_var(), tn = Term::fresh_var();
  if (!i_get_dirgen(run, Term::integer(model), Term::integer(generator), tu, ts, tn)) return false;
  u = text_of(tu);
  s = text_of(ts);
  n = text_of(tn);
  return true;
}

bool model_info_dir(Run& run, int64_t model, std::string& dir) {
  Term t = Term::fresh_var();
  if (!i_model_info(run, Term::integer(model), t)) return false;
  dir = text_of(t);
  return true;
}

void files_bar_total(Run& run, int64_t n) { setfilelen(run, Term::integer(n)); }
void object_bar_range(Run& run, int64_t n) { set_progress_len(run, Term::integer(n)); }

void post_object_row(Run& run, const Term& kind, const Term& name, const Term& title) {
  post_status_msg(run, Term::integer(0), Term::integer(0),
                  Term::list({Term::integer(0), Term::integer(2), title, kind, name}));
}

void show_error_box(Run&, std::string_view text) {
  if (dialog_senders().show_error) dialog_senders().show_error(text);
}

std::string ini_read(Run& run, std::string_view file, std::string_view section,
                     std::string_view key, std::string_view def) {
  Term value = Term::fresh_var();
  if (!ini_read_entry(run, Term::string(file), Term::string(section), Term::string(key),
                      Term::string(def), value)) {
    return std::string(def);
  }
  return text_of(value);
}

std::vector<std::string> list_directory(Run&, std::string_view pattern) {
  return engine::list_files(pattern);
}

bool delete_file(Run& run, std::string_view path) {
  return engine::delete_file(run.engine(), path);
}
bool replace_file(Run& run, std::string_view path, std::string_view text) {
  return engine::replace_file(run.engine(), path, text);
}
bool append_blank(Run&, std::string_view path) {
  const std::string real = platform::map_path(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(real, ec)) return false;
  std::ofstream out(real, std::ios::binary | std::ios::app);
  out << ' ';
  out.close();
  return !out.fail();
}
bool make_directory(Run& run, std::string_view path) {
  return engine::make_dir(run.engine(), path);
}
bool directory_exists(Run&, std::string_view path) {
  for (const engine::DirEntry& e : engine::directory(path, engine::kAttrDirectory)) {
    if (e.attributes & engine::kAttrDirectory) return true;
  }
  return false;
}

ClockTime host_clock(Run&) {
  const Term date = engine::date_now();
  const Term time = engine::time_now();
  auto at = [](const Term& t, size_t n) { return static_cast<int>(t.arg(n).as_int()); };
  return ClockTime{at(date, 1), at(date, 2), at(date, 3), at(time, 1),
                   at(time, 2), at(time, 3), at(time, 4)};
}

}  // namespace qn::logic
