// The scripted word processor, "Word.Application", in either object model:
// the newer one (its probe member answers; documents open with 12 arguments
// and are added with 4, print with 18, find with 15) or the Word 97 one
// (no probe; 10 and 2, 14, 11 arguments). Members of the other model are
// not found. Documents hold one text, paragraphs ended by CR, and are saved
// as real files holding that text (CR LF between paragraphs for the DOS text
// formats); a name without an extension gets the one of its format, and one
// opened without an extension is looked for with ".doc" too.
//
// Objects are named in the record: "app", "documents", "doc1", "doc2" (in
// the order made), "windows", "window1", "content", "find". The macro "Sum"
// answers the sum of its numeric arguments; any other macro fails.
#pragma once

#include <string>

#include "tests/office_servers/scripted_server.h"

namespace qn::office_servers::word {

ScriptedServer& server();

// The object model of applications made from now on: true for Word 97.
void set_word97(bool on);

bool running();
bool app_visible();
int open_documents();
// The text of the open document of that file name (without folder).
std::string text_of(const std::string& document);
// The user closes the document (in opening order).
void close_by_user(int index);
void stop_application();

}  // namespace qn::office_servers::word
