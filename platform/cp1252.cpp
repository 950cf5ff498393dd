#include "platform/cp1252.h"

#include <algorithm>
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

namespace {

// 0x80-0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t utf16_of_1252(unsigned char c) {
  return c >= 0x80 && c <= 0x9F ? kHigh[c - 0x80] : static_cast<char16_t>(c);
}

unsigned char cp1252_of_utf16(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  const auto* hit = std::find(std::begin(kHigh), std::end(kHigh), c);
  return hit == std::end(kHigh) ? '?'
                                : static_cast<unsigned char>(0x80 + (hit - std::begin(kHigh)));
}

std::u16string utf16_from_1252(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (char c : s) out.push_back(utf16_of_1252(static_cast<unsigned char>(c)));
  return out;
}

std::string cp1252_from_utf16(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    // A surrogate pair is one code point, so one '?'.
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      ++i;
    }
    out.push_back(static_cast<char>(cp1252_of_utf16(s[i])));
  }
  return out;
}

}  // namespace qn::platform
