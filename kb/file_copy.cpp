#include "kb/file_copy.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "host/error_log.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"
#include "platform/cp1252.h"
#include "platform/file_times.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::kb {
namespace {

constexpr int kCopyBufferSize = 1024;
char g_buffers[2][kCopyBufferSize];

bool copy_stream(std::FILE* in, std::FILE* out) {
  char chunk[kCopyBufferSize];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, in);
    if (n > 0 && std::fwrite(chunk, 1, n, out) != n) return false;
    if (n < sizeof chunk) return !std::ferror(in);
  }
}

}  // namespace

char* get_copy_buffer(int index) { return index == 0 || index == 1 ? g_buffers[index] : nullptr; }

int copy_file(std::string_view source, std::string_view target, int flags) {
  std::string src(source), dst(target);
  if (flags & (kCopyInAppDir | kCopyInModelDir)) {
    const bool in_model = (flags & kCopyInAppDir) == 0;
    make_dir_path(src, source, in_model);
    make_dir_path(dst, target, in_model);
  }
  if (platform::upper_1252(src) == platform::upper_1252(dst)) return 1;
  const std::string from = platform::map_path(src);
  const std::string to = platform::map_path(dst);
  // Another spelling of the same file: writing it would empty the source.
  if (platform::same_file(from, to)) return 1;
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (!in) {
    platform::remember_errno();
    return 1;
  }
  std::FILE* out = std::fopen(to.c_str(), (flags & kCopyAppend) ? "ab" : "wb");
  if (!out) {
    platform::remember_errno();
    std::fclose(in);
    return 1;
  }
  bool ok = std::setvbuf(in, get_copy_buffer(0), _IOFBF, kCopyBufferSize) == 0 &&
            std::setvbuf(out, get_copy_buffer(1), _IOFBF, kCopyBufferSize) == 0 && copy_stream(in, out) &&
            !std::ferror(out);
  if (!ok) platform::remember_errno();
  std::fclose(in);
  if (std::fclose(out) != 0 && ok) {
    platform::remember_errno();
    ok = false;
  }
  if (!ok) return 1;
  int64_t time = 0;
  if (!platform::file_modification_time(from, time)) {
    host::LogError(-1, "copy_file stat()");
  } else if (!platform::set_file_times(to, time, time)) {
    host::LogError(-1, "copy_file utime()");
  }
  return 0;
}

int append_file_to(std::string_view source, std::string_view target, int flags) {
  if (copy_file(source, target, flags) != 0) return 1;
  platform::remove_file(platform::map_path(in_model_dir(source)));
  return 0;
}

int concat_files(const host::TermValue& names, const host::TermValue& target) {
  std::string to;
  if (!host::term_get_text(target, to) || to.size() >= 30) return 0;
  char* list[11];
  int result = list_to_texts(names, list, 10);
  for (int i = 0; result && list[i]; ++i) {
    if (append_file_to(list[i], to, i == 0 ? kCopyInModelDir : kCopyInModelDir | kCopyAppend) != 0) result = 0;
  }
  free_texts(list);
  return result;
}

}  // namespace qn::kb
