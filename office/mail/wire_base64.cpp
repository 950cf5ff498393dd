#include "office/mail/wire_base64.h"

#include "office/mime/coders.h"

namespace qn::office {
namespace {

// Appends what the coder writes to a text the caller owns.
class AppendSink : public ByteSink {
 public:
  explicit AppendSink(std::string& out) : out_(out) {}
  void put(const char* data, size_t size) override { out_.append(data, size); }

 private:
  std::string& out_;
};

void encode(std::string& out, std::string_view bytes, std::string_view line_end) {
  out.reserve(out.size() + (bytes.size() + 2) / 3 * 4 * 74 / 72 + 2);
  BytesSource source(bytes);
  AppendSink sink(out);
  Base64Encode(source, sink, line_end);
}

}  // namespace

std::string base64_line(std::string_view bytes) {
  std::string out;
  encode(out, bytes, "");
  return out;
}

void append_base64_lines(std::string& out, std::string_view bytes) { encode(out, bytes, "\r\n"); }

}  // namespace qn::office
