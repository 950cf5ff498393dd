#include "platform/find_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/cp1252.h"
#include "platform/folder_index.h"

namespace qn::platform {

namespace {

thread_local int t_last_error = 0;

bool fail() {
  t_last_error = errno;
  return false;
}

}  // namespace

void remember_errno() { t_last_error = errno; }

bool wildcard_match(std::string_view pattern, std::string_view name) {
  // A final '.' asks for a name without an extension ("*." matches "README",
  // not "a.txt"): the name may hold no more dots than the rest of the
  // pattern, and no star may swallow one.
  if (!pattern.empty() && pattern.back() == '.' &&
      !(pattern.size() >= 2 && pattern[pattern.size() - 2] == '.')) {
    std::string_view stem = pattern.substr(0, pattern.size() - 1);
    auto dots = [](std::string_view s) { return std::count(s.begin(), s.end(), '.'); };
    return dots(name) <= dots(stem) && wildcard_match(stem, name);
  }
  size_t p = 0, n = 0, star_p = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_p = p++;
      star_n = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || to_upper_1252(static_cast<unsigned char>(pattern[p])) ==
                                         to_upper_1252(static_cast<unsigned char>(name[n])))) {
      ++p;
      ++n;
    } else if (star_p != std::string_view::npos) {
      p = star_p + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  // A trailing ".*" also matches a name without an extension, as on
  // Windows ("*.*" matches every name).
  std::string_view rest = pattern.substr(p);
  return rest.empty() || rest == ".*";
}

std::vector<std::string> find_files(std::string_view dir, std::string_view pattern) {
  std::vector<std::string> names;
  std::string d = dir.empty() ? std::string(".") : std::string(dir);
  const bool read = for_each_entry(d, pattern, [&](const FolderEntry& e) {
    if (e.is_dir) return;
    std::string full = d + (d.back() == '/' ? "" : "/") + e.name;
    struct stat st;
    if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(e.name);
  });
  if (!read) {
    t_last_error = errno;
    return names;
  }
  if (names.empty()) t_last_error = ENOENT;
  return names;
}

bool file_exists(std::string_view path) {
  struct stat st;
  return ::stat(std::string(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileKind file_kind(std::string_view path) {
  const std::string p(path);
  struct stat st;
  if (::stat(p.c_str(), &st) != 0) {
    const int error = errno;
    struct stat link;
    if (::lstat(p.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
      return error == ENOENT ? FileKind::kDanglingLink : FileKind::kOther;
    errno = error;
    return error == ENOENT || error == ENOTDIR ? FileKind::kMissing : FileKind::kOther;
  }
  if (S_ISREG(st.st_mode)) return FileKind::kRegular;
  if (S_ISDIR(st.st_mode)) return FileKind::kDirectory;
  if (S_ISFIFO(st.st_mode)) return FileKind::kFifo;
  return FileKind::kOther;
}

std::optional<FileInfo> file_info(std::string_view path) {
  struct stat st;
  if (::stat(std::string(path).c_str(), &st) != 0) return std::nullopt;
  FileInfo info;
  info.kind = S_ISREG(st.st_mode)    ? FileKind::kRegular
              : S_ISDIR(st.st_mode)  ? FileKind::kDirectory
              : S_ISFIFO(st.st_mode) ? FileKind::kFifo
                                     : FileKind::kOther;
  info.size = static_cast<int64_t>(st.st_size);
  info.modified_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  info.owner_writable = (st.st_mode & S_IWUSR) != 0;
  return info;
}

const char* file_kind_text(FileKind kind) {
  switch (kind) {
    case FileKind::kMissing:
      return "missing";
    case FileKind::kRegular:
      return "a regular file";
    case FileKind::kDirectory:
      return "a folder";
    case FileKind::kFifo:
      return "a named pipe (FIFO)";
    case FileKind::kDanglingLink:
      return "a symbolic link to a file that does not exist";
    case FileKind::kOther:
      break;
  }
  return "not a regular file";
}

bool create_empty_file(std::string_view path) {
  int fd = ::open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return fail();
  ::close(fd);
  note_created(path);
  return true;
}

bool remove_file(std::string_view path) {
  if (::unlink(std::string(path).c_str()) != 0) return fail();
  note_removed(path);
  return true;
}

bool make_directory(std::string_view path) {
  if (::mkdir(std::string(path).c_str(), 0755) != 0) return fail();
  note_created(path, true);
  return true;
}

bool read_whole_file(std::string_view path, std::string& text) {
  // Opened without waiting (a named pipe would wait for a writer), then
  // refused unless it is a regular file.
  int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return fail();
  struct stat st {};
  const bool stated = ::fstat(fd, &st) == 0;
  if (!stated || !S_ISREG(st.st_mode)) {
    const int error = !stated ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = error;
    return fail();
  }
  std::string out;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      fail();
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  text = std::move(out);
  return true;
}

bool copy_whole_file(std::string_view from, std::string_view to) {
  int in = ::open(std::string(from).c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail();
  int out = ::open(std::string(to).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) {
    fail();
    ::close(in);
    return false;
  }
  note_created(to);
  char buf[65536];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ok = fail();
      break;
    }
    if (n == 0) break;
    for (ssize_t off = 0; off < n;) {
      ssize_t w = ::write(out, buf + off, static_cast<size_t>(n - off));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) {
        ok = fail();
        break;
      }
      off += w;
    }
    if (!ok) break;
  }
  ::close(in);
  if (::close(out) != 0 && ok) ok = fail();
  return ok;
}

std::string last_error_text() { return std::strerror(t_last_error); }

std::string program_file_path() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, static_cast<size_t>(n));
}

}  // namespace qn::platform
