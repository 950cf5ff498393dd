// Fuzz target of the quoted-printable decoder: any text decodes without a
// crash, never into more bytes than it has, and never past its end mark.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "office/mime/coders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::office;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::string_view mark : {kBodyEndMark, kWordEndMark}) {
    for (bool underscore : {false, true}) {
      MemorySink out;
      QpDecode(text, mark, out, underscore);
      if (out.bytes.size() > text.substr(0, text.find(mark)).size()) std::abort();
    }
  }
  return 0;
}
