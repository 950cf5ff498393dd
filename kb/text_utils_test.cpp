#include "kb/text_utils.h"

#include <gtest/gtest.h>

#include <string>

namespace qn::kb {
namespace {

TEST(TextUtils, TranslateAndReplicate) {
  struct Case {
    const char* text;
    const char* from;
    const char* to;
    const char* out;
  } cases[] = {
      {"a-b c", "- ", "__", "a_b_c"},
      {"abc", "ab", "ba", "bac"},     // each character once, by its first place in from
      {"a.b;c", ".;", "_", "a_b;c"},  // no counterpart in to: kept
      {"", "x", "y", ""},
  };
  for (const Case& c : cases) {
    std::string t = c.text;
    translate_chars(t, c.from, c.to);
    EXPECT_EQ(t, c.out) << c.text;
  }
  EXPECT_EQ(replicate_char('-', 3), "---");
  EXPECT_EQ(replicate_char('-', 0), "");
  EXPECT_EQ(replicate_char('-', -2), "");
}

TEST(TextUtils, AuxiliaryNames) {
  struct Case {
    int with_v;
    const char* name;
    int number;
    char letter;
    const char* out;
  } cases[] = {
      {0, "AMOUNT", 12, 'A', "A12AMOUNT"},
      {0, "AMOUNT", 0, 'A', "AAMOUNT"},
      {1, "AMOUNT", 12, 'A', "AV12AMOUNT"},
      {1, "CUSTOMERNAME", 123, 'W', "WV123CUSTO"},  // cut to 10
      {0, "CUSTOMERNAME", 0, 'W', "WCUSTOMERN"},
      {0, "QnSysVar", 5, 'A', "QnSysVar"},
      {0, "QnVeryLongName", 5, 'A', "QnVeryLong"},
  };
  for (const Case& c : cases) {
    host::TermValue name, out;
    host::term_unify_atom(c.name, name);
    ASSERT_EQ(make_aux_name(c.with_v, name, c.number, c.letter, out), 1) << c.name;
    std::string text;
    ASSERT_TRUE(host::term_get_text(out, text));
    EXPECT_EQ(text, c.out) << c.name;
  }
  host::TermValue number, out, bound;
  host::term_unify_int(7, number);
  EXPECT_EQ(make_aux_name(0, number, 1, 'A', out), 0);  // not a text
  host::TermValue name;
  host::term_unify_atom("AMOUNT", name);
  host::term_unify_atom("OTHER", bound);
  EXPECT_EQ(make_aux_name(0, name, 1, 'A', bound), 0);
}

TEST(TextUtils, FixedDigitsAndDoubledCharacters) {
  struct Digits {
    int value, width;
    const char* out;
  } digits[] = {{12345, 3, "345"}, {7, 3, "007"}, {42, 2, "42"},
                {-5, 4, "-005"},   {5, 0, ""},    {5, -3, ""}};
  for (const Digits& d : digits)
    EXPECT_EQ(int_to_fixed_digits(d.value, d.width, 10240), d.out) << d.value;
  EXPECT_EQ(int_to_fixed_digits(123, 3, 3), "12");
  EXPECT_EQ(int_to_fixed_digits(5, 60, 10240), std::string(59, '0') + "5");

  struct Dup {
    const char* text;
    const char* set;
    bool keep;
    int result;
    const char* out;
  } dups[] = {
      {"O'BRIEN", "'", false, 1, "O''BRIEN"},
      {"O'BRIEN", "'", true, 1, "O''BRIEN"},
      {"'AB'", "'", true, 0, "'AB'"},  // enclosed, nothing inside
      {"'AB'", "'", false, 1, "''AB''"},
      {"'O'B'", "'", true, 1, "'O''B'"},
      {"ABC", "'\"", true, 0, "ABC"},
      {"'", "'", true, 1, "''"},  // one character encloses nothing
      {"a\"b'c", "'\"", false, 1, "a\"\"b''c"},
  };
  for (const Dup& d : dups) {
    std::string out;
    EXPECT_EQ(double_chars(d.text, d.set, d.keep, out, 10240), d.result) << d.text;
    EXPECT_EQ(out, d.out) << d.text;
  }
  std::string out;
  EXPECT_EQ(double_chars("AB''", "'", false, out, 5), 1);
  EXPECT_EQ(out, "AB''");
}

}  // namespace
}  // namespace qn::kb
