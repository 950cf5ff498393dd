#include "kb/file_copy.h"

#include <string>

#include "host/file_copy.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::kb {

char* get_copy_buffer(int index) { return host::copy_buffer(index); }

int copy_file(std::string_view source, std::string_view target, int flags) {
  std::string src(source), dst(target);
  if (flags & (kCopyInAppDir | kCopyInModelDir)) {
    const bool in_model = (flags & kCopyInAppDir) == 0;
    make_dir_path(src, source, in_model);
    make_dir_path(dst, target, in_model);
  }
  return host::copy_named_file(src, dst, (flags & kCopyAppend) != 0);
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
    if (append_file_to(list[i], to, i == 0 ? kCopyInModelDir : kCopyInModelDir | kCopyAppend) != 0)
      result = 0;
  }
  free_texts(list);
  return result;
}

}  // namespace qn::kb
