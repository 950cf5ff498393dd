#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace qn::platform {
namespace {

TEST(PlatformCp1252, CaseTable) {
  struct Case {
    unsigned char lower, upper;
  };
  const Case pairs[] = {{'a', 'A'},   {'z', 'Z'},   {0xE0, 0xC0}, {0xE9, 0xC9},
                        {0xF6, 0xD6}, {0xF8, 0xD8}, {0xFE, 0xDE}, {0x9A, 0x8A},
                        {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
  for (const auto& c : pairs) {
    EXPECT_EQ(to_upper_1252(c.lower), c.upper) << int(c.lower);
    EXPECT_EQ(to_lower_1252(c.upper), c.lower) << int(c.upper);
    EXPECT_EQ(to_upper_1252(c.upper), c.upper);
    EXPECT_EQ(to_lower_1252(c.lower), c.lower);
  }
  // Left alone: the division and multiplication signs, sharp s, digits,
  // punctuation and the other high bytes.
  for (int c : {0xF7, 0xD7, 0xDF, int('1'), int('_'), 0x80, 0xA0, 0xB5}) {
    EXPECT_EQ(to_upper_1252(static_cast<unsigned char>(c)), c) << c;
    EXPECT_EQ(to_lower_1252(static_cast<unsigned char>(c)), c) << c;
  }
}

TEST(PlatformCp1252, Texts) {
  EXPECT_EQ(upper_1252("ab\xE9-\xFF"), "AB\xC9-\x9F");
  EXPECT_EQ(lower_1252("AB\xC9-\x9F"), "ab\xE9-\xFF");
  EXPECT_TRUE(
      iequals_1252("Stra\xDF"
                   "e\xE9",
                   "STRA\xDF"
                   "E\xC9"));
  EXPECT_FALSE(iequals_1252("abc", "abcd"));
  EXPECT_LT(icompare_1252("abc", "ABD"), 0);
  EXPECT_GT(icompare_1252("abcd", "ABC"), 0);
  EXPECT_EQ(icompare_1252("\xE9", "\xC9"), 0);
}

TEST(PlatformCp1252, Utf16) {
  struct Case {
    unsigned char byte;
    char16_t unit;
  };
  const Case cases[] = {{'A', u'A'},    {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D},
                        {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D}, {0x9F, 0x0178},
                        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x00, 0x0000}};
  for (const auto& c : cases) {
    EXPECT_EQ(utf16_of_1252(c.byte), c.unit) << int(c.byte);
    EXPECT_EQ(cp1252_of_utf16(c.unit), c.byte) << int(c.unit);
  }
  // Every byte string survives; what the code page cannot show becomes '?'.
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(cp1252_from_utf16(utf16_from_1252(all)), all);
  EXPECT_EQ(cp1252_from_utf16(u"a\u0100\u0085\u4E2Dz"), "a???z");
  // A pair is one code point; a lone half is one too.
  EXPECT_EQ(cp1252_from_utf16(u"\U0001F600|\xD83D|\xDE00|\xDE00\xD83D"), "?|?|?|??");
}

}  // namespace
}  // namespace qn::platform
