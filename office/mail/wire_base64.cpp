#include "office/mail/wire_base64.h"

namespace qn::office {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kGroupsPerLine = 18;  // 72 characters

void append_group(std::string& out, std::string_view bytes, std::size_t i) {
  const std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
  const auto b = [&](std::size_t k) { return k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u; };
  const unsigned v = (b(0) << 16) | (b(1) << 8) | b(2);
  out.push_back(kAlphabet[(v >> 18) & 63]);
  out.push_back(kAlphabet[(v >> 12) & 63]);
  out.push_back(n > 1 ? kAlphabet[(v >> 6) & 63] : '=');
  out.push_back(n > 2 ? kAlphabet[v & 63] : '=');
}

}  // namespace

std::string base64_line(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) append_group(out, bytes, i);
  return out;
}

void append_base64_lines(std::string& out, std::string_view bytes) {
  const std::size_t groups = (bytes.size() + 2) / 3;
  out.reserve(out.size() + groups * 4 + (groups / kGroupsPerLine + 1) * 2);
  std::size_t on_line = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    append_group(out, bytes, i);
    if (++on_line == kGroupsPerLine) {
      out.append("\r\n");
      on_line = 0;
    }
  }
  if (on_line != 0) out.append("\r\n");
}

}  // namespace qn::office
