#include "platform/com/guid.h"

#include <cstdio>

namespace qn::com {

std::string guid_to_string(const GUID& g) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1,
                g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                g.Data4[5], g.Data4[6], g.Data4[7]);
  return buf;
}

std::optional<GUID> guid_from_string(std::string_view text) {
  // {8-4-4-4-12}: 38 characters with the braces.
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
  std::string_view body = text.substr(1, 36);
  uint8_t bytes[16];
  int n = 0;
  for (size_t i = 0; i < body.size();) {
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (body[i] != '-') return std::nullopt;
      ++i;
      continue;
    }
    auto digit = [](char c) -> int {
      if (c >= '0' && c <= '9') return c - '0';
      if (c >= 'A' && c <= 'F') return c - 'A' + 10;
      if (c >= 'a' && c <= 'f') return c - 'a' + 10;
      return -1;
    };
    int hi = digit(body[i]);
    int lo = i + 1 < body.size() ? digit(body[i + 1]) : -1;
    if (hi < 0 || lo < 0 || i + 1 == 8 || i + 1 == 13 || i + 1 == 18 || i + 1 == 23) {
      return std::nullopt;
    }
    bytes[n++] = static_cast<uint8_t>(hi * 16 + lo);
    i += 2;
  }
  if (n != 16) return std::nullopt;
  GUID g;
  g.Data1 = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
            bytes[3];
  g.Data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  g.Data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) g.Data4[i] = bytes[8 + i];
  return g;
}

}  // namespace qn::com
