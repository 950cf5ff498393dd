#include "platform/cp1252.h"

#include <array>

namespace qn::platform {

namespace {

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};

  CaseTables() {
    for (int c = 0; c < 256; ++c) {
      upper[c] = static_cast<unsigned char>(c);
      lower[c] = static_cast<unsigned char>(c);
    }
    auto pair = [this](int lo, int up) {
      upper[lo] = static_cast<unsigned char>(up);
      lower[up] = static_cast<unsigned char>(lo);
    };
    for (int c = 'a'; c <= 'z'; ++c) pair(c, c - 0x20);
    // Accented letters: 0xE0-0xFE map to 0xC0-0xDE, except the division sign.
    for (int c = 0xE0; c <= 0xFE; ++c) {
      if (c != 0xF7) pair(c, c - 0x20);
    }
    pair(0x9A, 0x8A);  // s caron
    pair(0x9C, 0x8C);  // oe
    pair(0x9E, 0x8E);  // z caron
    pair(0xFF, 0x9F);  // y diaeresis
  }
};

const CaseTables& tables() {
  static const CaseTables t;
  return t;
}

}  // namespace

unsigned char to_upper_1252(unsigned char c) { return tables().upper[c]; }
unsigned char to_lower_1252(unsigned char c) { return tables().lower[c]; }

std::string upper_1252(std::string_view s) {
  const auto& t = tables().upper;
  std::string out(s);
  for (char& c : out) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return out;
}

std::string lower_1252(std::string_view s) {
  const auto& t = tables().lower;
  std::string out(s);
  for (char& c : out) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return out;
}

bool iequals_1252(std::string_view a, std::string_view b) {
  return a.size() == b.size() && icompare_1252(a, b) == 0;
}

int icompare_1252(std::string_view a, std::string_view b) {
  const auto& t = tables().upper;
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = t[static_cast<unsigned char>(a[i])];
    unsigned char y = t[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace qn::platform
