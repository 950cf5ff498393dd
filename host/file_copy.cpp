#include "host/file_copy.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "host/error_log.h"
#include "platform/cp1252.h"
#include "platform/file_times.h"
#include "platform/find_files.h"
#include "platform/folder_index.h"
#include "platform/path.h"

namespace qn::host {
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

char* copy_buffer(int index) { return index == 0 || index == 1 ? g_buffers[index] : nullptr; }

int copy_named_file(std::string_view source, std::string_view target, bool append) {
  if (platform::upper_1252(source) == platform::upper_1252(target)) return 1;
  const std::string from = platform::map_path(source);
  const std::string to = platform::map_path(target);
  // Another spelling of the same file: writing it would empty the source.
  if (platform::same_file(from, to)) return 1;
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (!in) {
    platform::remember_errno();
    return 1;
  }
  std::FILE* out = std::fopen(to.c_str(), append ? "ab" : "wb");
  if (!out) {
    platform::remember_errno();
    std::fclose(in);
    return 1;
  }
  platform::note_created(to);  // the run's folder index sees the new file
  bool ok = std::setvbuf(in, copy_buffer(0), _IOFBF, kCopyBufferSize) == 0 &&
            std::setvbuf(out, copy_buffer(1), _IOFBF, kCopyBufferSize) == 0 &&
            copy_stream(in, out) && !std::ferror(out);
  if (!ok) platform::remember_errno();
  std::fclose(in);
  if (std::fclose(out) != 0 && ok) {
    platform::remember_errno();
    ok = false;
  }
  if (!ok) return 1;
  int64_t time = 0;
  if (!platform::file_modification_time(from, time)) {
    LogError(-1, "copy_file stat()");
  } else if (!platform::set_file_times(to, time, time)) {
    LogError(-1, "copy_file utime()");
  }
  return 0;
}

}  // namespace qn::host
