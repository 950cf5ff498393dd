#include "engine/files.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <system_error>

#include "engine/clause_io.h"
#include "platform/binary_file.h"
#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/folder_index.h"
#include "platform/path.h"
#include "platform/system_services.h"

namespace qn::engine {

namespace fs = std::filesystem;

namespace {

bool report(Engine& engine) {
  engine.set_errcode(kErrFile);
  if (engine.file_errors()) engine.raise(2, kErrFile);
  return false;
}

}  // namespace

std::vector<DirEntry> directory(std::string_view pattern, int mask) {
  size_t cut = pattern.size();
  while (cut > 0 && !platform::is_separator(pattern[cut - 1])) --cut;
  std::string_view folder = pattern.substr(0, cut);
  std::string_view name_pattern = pattern.substr(cut);
  std::string dir = folder.empty() ? std::string(".") : platform::map_path(folder);
  std::vector<DirEntry> out;
  // The run's folder index gives the names (already in listing order); only
  // the entries that match are looked at on disk, one stat each.
  platform::for_each_entry(dir, name_pattern, [&](const platform::FolderEntry& e) {
    const std::string& name = e.name;
    const std::optional<platform::FileInfo> info =
        platform::file_info(platform::join_path(dir, name));
    if (!info) return;
    DirEntry d;
    d.name = name;
    const bool is_dir = info->kind == platform::FileKind::kDirectory;
    if (is_dir) {
      d.attributes |= kAttrDirectory;
    } else {
      d.attributes |= kAttrArchive;
      // A named pipe or a device has no size of its own.
      d.size = info->kind == platform::FileKind::kRegular ? info->size : 0;
    }
    if (name[0] == '.') d.attributes |= kAttrHidden;
    if (!info->owner_writable) d.attributes |= kAttrReadOnly;
    if (is_dir && !(mask & kAttrDirectory)) return;
    if ((d.attributes & kAttrHidden) && !(mask & kAttrHidden)) return;
    d.modified = info->modified_ns / 1000000000;
    out.push_back(std::move(d));
  });
  return out;
}

std::vector<std::string> list_files(std::string_view pattern) {
  std::vector<std::string> names;
  for (auto& e : directory(pattern, 0)) names.push_back(std::move(e.name));
  return names;
}

bool delete_file(Engine& engine, std::string_view path) {
  engine.check_interrupt();
  std::error_code ec;
  std::string p = platform::map_path(path);
  if (fs::is_directory(p, ec) || !fs::remove(p, ec) || ec) return report(engine);
  platform::note_removed(p);
  return true;
}

bool make_dir(Engine& engine, std::string_view path) {
  engine.check_interrupt();
  std::error_code ec;
  const std::string p = platform::map_path(path);
  if (!fs::create_directory(p, ec) || ec) return report(engine);
  platform::note_created(p, true);
  return true;
}

bool replace_file(Engine& engine, std::string_view path, std::string_view text) {
  engine.check_interrupt();
  if (!platform::write_file_atomically(platform::map_path(path), text)) return report(engine);
  return true;
}

bool change_dir(Engine& engine, std::string_view path) {
  engine.check_interrupt();
  if (!platform::change_directory(platform::map_path(path))) return report(engine);
  return true;
}

TextStream::~TextStream() {
  if (file_.is_open()) file_.close();
}

bool TextStream::open(Engine& engine, std::string_view path, Mode mode) {
  engine_ = &engine;
  engine.check_interrupt();
  if (file_.is_open()) file_.close();
  std::ios::openmode m = std::ios::binary;
  switch (mode) {
    case Mode::Read:
      m |= std::ios::in;
      break;
    case Mode::Write:
      m |= std::ios::out | std::ios::trunc;
      break;
    case Mode::Append:
      m |= std::ios::out | std::ios::app;
      break;
  }
  file_.clear();
  const std::string p = platform::map_path(path);
  file_.open(p, m);
  if (!file_.is_open()) return report(engine);
  if (mode != Mode::Read) platform::note_created(p);
  return true;
}

bool TextStream::write(std::string_view text) {
  if (!file_.is_open()) return engine_ ? report(*engine_) : false;
  file_.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!file_) return engine_ ? report(*engine_) : false;
  return true;
}

bool TextStream::write(const Term& t) { return write(engine::write(t)); }

std::optional<std::string> TextStream::read_all() {
  if (!file_.is_open()) return std::nullopt;
  std::ostringstream buf;
  buf << file_.rdbuf();
  return std::move(buf).str();
}

bool TextStream::close() {
  if (!file_.is_open()) return engine_ ? report(*engine_) : false;
  file_.close();
  if (file_.fail()) return engine_ ? report(*engine_) : false;
  return true;
}

}  // namespace qn::engine
