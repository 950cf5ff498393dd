#include "host/directories.h"

#include <cstdio>
#include <cstring>
#include <mutex>

#include "host/dialog.h"
#include "host/file_copy.h"
#include "host/user_name.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::host {

namespace {

std::mutex g_path_mutex;
std::optional<std::string> g_program_path;
std::optional<std::string> g_program_dir;

void compute_paths_locked() {
  if (!g_program_path) g_program_path = platform::program_file_path();
  if (!g_program_dir) {
    const std::string& path = *g_program_path;
    size_t cut = path.find_last_of("/\\");
    g_program_dir = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
  }
}

std::string two_digits_path(const char* format, int model, int generation) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, model, generation);
  return buf;
}

// Part of `path` up to and including its last separator.
std::string_view dir_part(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

std::string skip_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return std::string(s);
}

}  // namespace

const std::string& get_program_path() {
  std::lock_guard lock(g_path_mutex);
  compute_paths_locked();
  return *g_program_path;
}

const std::string& get_program_dir() {
  std::lock_guard lock(g_path_mutex);
  compute_paths_locked();
  return *g_program_dir;
}

const std::string& get_exe_dir() { return get_program_dir(); }

void set_program_path_for_tests(std::optional<std::string> path) {
  std::lock_guard lock(g_path_mutex);
  g_program_path = std::move(path);
  g_program_dir.reset();
}

GenerationDirs generation_dir_texts(int model, int generation, std::string_view user_name8,
                                    int version_switch) {
  int g = version_switch != 0 ? generation : 0;
  GenerationDirs dirs;
  dirs.s = two_digits_path("QNSPC%03d\\GEN%02d\\", model, g);
  dirs.n = two_digits_path("QNSPC%03d\\GEN%02d\\NVG\\", model, g);
  dirs.u = std::string(user_name8.empty() ? std::string_view(".") : user_name8.substr(0, 8)) +
           "\\" + two_digits_path("MDL%03d\\GEN%02d\\", model, g);
  return dirs;
}

GenerationDirs get_generation_dirs(int model, int generation, int version_switch) {
  GenerationDirs dirs = generation_dir_texts(model, generation, put_user_name8(), version_switch);
  for (const std::string* path : {&dirs.u, &dirs.s, &dirs.n}) {
    if (path->starts_with(".")) continue;
    std::string dir = path->substr(0, path->size() - 1);
    platform::make_directory(platform::map_path(dir));
  }
  return dirs;
}

std::string get_user_dir() {
  std::string user = put_user_name8();
  if (user.empty()) user = ".";
  return user + "\\";
}

namespace {

// A list path must stay inside its folder: an absolute path ("\\x", "/x",
// "C:x") or one whose ".." climbs above the folder would copy or delete
// files elsewhere.
bool leaves_folder(std::string_view rel) {
  if (rel.empty()) return false;
  if (platform::is_separator(rel.front()) || (rel.size() >= 2 && rel[1] == ':')) return true;
  int depth = 0;
  size_t i = 0;
  while (i < rel.size()) {
    size_t end = i;
    while (end < rel.size() && !platform::is_separator(rel[end])) ++end;
    std::string_view comp = rel.substr(i, end - i);
    if (comp == "..") {
      if (--depth < 0) return true;
    } else if (!comp.empty() && comp != ".") {
      ++depth;
    }
    i = end + 1;
  }
  return false;
}

constexpr const char* kOutsideFolder = "the path leaves its folder";

// A path for a status line, with '/' as this platform writes it.
std::string shown(std::string_view path) { return platform::shown_path(path); }

struct SupportWalk {
  std::string program_dir;
  std::string model_dir;
  bool show;

  void line(std::string_view text) {
    bool deletion = text.front() == '-';
    const std::string rel = deletion ? skip_blanks(text.substr(1)) : std::string(text);
    std::string pattern = (deletion ? model_dir : program_dir) + "\\" + rel;
    if (leaves_folder(rel)) {
      show_status_printf("Error copying %s to %s: %s\n", shown(pattern).c_str(),
                         shown(model_dir).c_str(), kOutsideFolder);
      return;
    }
    std::string source_dir(dir_part(pattern));
    std::string name_pattern = pattern.substr(source_dir.size());
    std::vector<std::string> names =
        platform::find_files(platform::map_path(source_dir), name_pattern);
    if (names.empty()) {
      if (!deletion)
        show_status_printf("Error copying %s to %s: %s\n", shown(pattern).c_str(),
                           shown(model_dir).c_str(), platform::last_error_text().c_str());
      return;
    }
    for (const std::string& name : names) {
      std::string source = source_dir + name;
      std::string target = model_dir + "\\" + name;
      if (deletion) {
        // The file that matched is the one removed, also when the pattern
        // names a sub-directory.
        if (show) show_status_printf("Deleting %s...\n", shown(source).c_str());
        platform::remove_file(platform::map_path(source));
      } else {
        if (show)
          show_status_printf("Copying %s to %s...\n", shown(source).c_str(), shown(target).c_str());
        // The copy keeps the source's time; a file never copies onto itself.
        if (copy_named_file(source, target, false) != 0)
          show_status_printf("Error copying to %s: %s\n", shown(target).c_str(),
                             platform::last_error_text().c_str());
      }
    }
  }
};

}  // namespace

int CopySupportFiles(std::string_view program_dir, std::string_view model_dir,
                     std::string_view list_name, int show) {
  std::string list_path =
      platform::map_path(std::string(program_dir) + "\\" + std::string(list_name));
  std::FILE* list = std::fopen(list_path.c_str(), "r");
  if (!list) return 0;
  SupportWalk walk{std::string(program_dir), std::string(model_dir), show == 1};
  std::optional<std::string> marker;
  bool marker_exists = false;
  char buf[200];
  while (std::fgets(buf, sizeof buf, list)) {
    size_t n = std::strlen(buf);
    if (n > 0 && buf[n - 1] == '\n') buf[--n] = '\0';
    if (n > 0 && buf[n - 1] == '\r') buf[--n] = '\0';
    std::string_view text(buf, n);
    if (text.empty()) continue;
    if (text.front() == '=') {
      const std::string name = skip_blanks(text.substr(1));
      if (leaves_folder(name)) {
        show_status_printf("Error copying %s to %s: %s\n",
                           shown(walk.model_dir + "\\" + name).c_str(),
                           shown(walk.model_dir).c_str(), kOutsideFolder);
        continue;
      }
      marker = walk.model_dir + "\\" + name;
      marker_exists = platform::file_exists(platform::map_path(*marker));
      if (marker_exists) break;
      continue;
    }
    walk.line(text);
  }
  std::fclose(list);
  if (marker && !marker_exists) platform::create_empty_file(platform::map_path(*marker));
  return 1;
}

}  // namespace qn::host
