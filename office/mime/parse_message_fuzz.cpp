// Fuzz target of the message parser: any received buffer parses without a
// crash, in every address format, and the attachment list stays below its
// 2048 characters. No attachment directory is given, so nothing is written.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "office/mime/mime_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::office;
  std::string_view message(reinterpret_cast<const char*>(data), size);
  for (AddressFormat format :
       {AddressFormat::Name, AddressFormat::Address, AddressFormat::NameAndAddress}) {
    ReceivedMessage m = ParseMessage(message, format, "");
    if (m.attachs.size() >= 2048 || m.error != kMimeOk || m.text.size() > size + 2) std::abort();
  }
  return 0;
}
