// Copying, appending and joining files: the support files of a model and
// the generated files the logic joins. Names are the program's own path
// texts ('\' separators), mapped to the file system here.
#pragma once

#include <string_view>

#include "host/term_value.h"

namespace qn::kb {

// copy_file flags.
enum : int {
  kCopyInAppDir = 1,    // both names relative to the application directory
  kCopyAppend = 2,      // append to the target instead of writing it anew
  kCopyInModelDir = 4,  // both names relative to the model directory (unless bit 0)
};

// copy_named_file (host/file_copy.h) of the two names, taken relative to the
// application or model directory as the flags say. 0 on success, 1 when it
// failed.
int copy_file(std::string_view source, std::string_view target, int flags);

// One of the two 1024-byte buffers of the copy (index 0 or 1); null for any
// other index.
char* get_copy_buffer(int index);

// copy_file, then the source (in the model directory) is deleted. 0 when the
// copy succeeded, 1 when it failed (the source stays).
int append_file_to(std::string_view source, std::string_view target, int flags);

// Moves the files of the name list (at most the first 10) into the target of
// the model directory: the first written anew, the others appended, each
// deleted after its copy. 1 when every file was moved; 0 when the target is
// not a text shorter than 30 characters, the list holds a name that is not a
// text or none, or a copy failed (the walk stops there).
int concat_files(const host::TermValue& names, const host::TermValue& target);

}  // namespace qn::kb
