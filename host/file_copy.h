// The copy of one file onto another as the program names them ('\'
// separators, mapped to the file system here): the support files and, with
// the directory flags applied by the knowledge-base side, the files the
// logic joins.
#pragma once

#include <string_view>

namespace qn::host {

// Copies source to target (appending with append set) through the two copy
// buffers. 0 on success, after which the target carries the source's
// modification time as its access and modification times (when the times
// cannot be read or set, the message record "copy_file stat()" or
// "copy_file utime()" goes to the error log and the copy still counts). 1
// when it failed: the names are equal ignoring case or name one file
// (nothing is opened then), a file cannot be opened, or reading or writing
// failed. The source is never changed.
int copy_named_file(std::string_view source, std::string_view target, bool append);

// One of the two 1024-byte buffers of the copy (index 0 or 1); null for any
// other index.
char* copy_buffer(int index);

}  // namespace qn::host
