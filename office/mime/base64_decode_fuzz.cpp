// Fuzz target of the base64 decoder: any text decodes without a crash into
// at most three bytes for every significant character, and any bytes encoded
// without line breaks decode back to themselves.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "office/mime/coders.h"

namespace {

class Bytes : public qn::office::ByteSource {
 public:
  explicit Bytes(std::string_view bytes) : rest_(bytes) {}
  size_t read(uint8_t* data, size_t size) override {
    size = size < rest_.size() ? size : rest_.size();
    std::memcpy(data, rest_.data(), size);
    rest_.remove_prefix(size);
    return size;
  }

 private:
  std::string_view rest_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::office;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::string_view mark : {kBodyEndMark, kWordEndMark}) {
    MemorySink out;
    Base64Decode(text, mark, out);
    if (out.bytes.size() > size / 4 * 3 + 3) std::abort();
  }
  Bytes source(text);
  MemorySink encoded;
  Base64Encode(source, encoded, false);
  MemorySink back;
  Base64Decode(encoded.bytes, kBodyEndMark, back);
  if (back.bytes != text) {
    std::fprintf(stderr, "round trip failed\n");
    std::abort();
  }
  return 0;
}
