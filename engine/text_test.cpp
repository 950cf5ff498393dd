#include "engine/text.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/test_print.h"

namespace qn::engine {
namespace {

Term T(std::string_view text) { return *parse_term(text); }

class EngineText : public ::testing::Test {};

TEST_F(EngineText, Concat) {
  EXPECT_EQ(concat(T("[abc, \"de\", 12, -3, 1.5, 'X y']")), Term::string("abcde12-31.5X y"));
  EXPECT_EQ(concat(T("[]")), Term::string(""));
  EXPECT_FALSE(concat(T("[a, f(x)]")).has_value());
  EXPECT_FALSE(concat(T("[a|_]")).has_value());
  EXPECT_EQ(concat(T("abc"), T("7")), Term::string("abc7"));
  EXPECT_FALSE(concat(T("abc"), T("_")).has_value());
}

TEST_F(EngineText, NumbersAndText) {
  EXPECT_EQ(int_text(-42), "-42");
  EXPECT_EQ(text_int(" 17 "), 17);
  EXPECT_EQ(text_int("-5"), -5);
  EXPECT_FALSE(text_int("12a").has_value());
  EXPECT_FALSE(text_int("").has_value());
  EXPECT_EQ(float_text(2.5, T("general")), "2.5");
  EXPECT_EQ(float_text(2.0, T("general")), "2.0");
  EXPECT_EQ(float_text(2.345, T("fixed(2)")), "2.35");
  EXPECT_EQ(float_text(1234.5, T("scientific(1)")), "1.2e+03");
  EXPECT_EQ(float_text(1234.5, T("general(3)")), "1.23e+03");
  EXPECT_FALSE(float_text(1.0, T("fancy(2)")).has_value());
  EXPECT_EQ(text_float("3.25"), 3.25);
  EXPECT_EQ(text_float("7"), 7.0);
  EXPECT_FALSE(text_float("x").has_value());
}

TEST_F(EngineText, LengthAndCase) {
  EXPECT_EQ(string_length("abc\xE9"), 4);
  EXPECT_EQ(string_upper("abc\xE9\xFF\x9A\xF7z"), "ABC\xC9\x9F\x8A\xF7Z");
  EXPECT_EQ(string_lower("ABC\xC9\x9F\x8A\xD7Z"), "abc\xE9\xFF\x9A\xD7z");
}

TEST_F(EngineText, PositionsAreZeroBased) {
  EXPECT_EQ(substring("hello", 1, 3), "ell");
  EXPECT_EQ(substring("hello", 5, 0), "");
  EXPECT_FALSE(substring("hello", 3, 3).has_value());
  EXPECT_FALSE(substring("hello", -1, 1).has_value());
  EXPECT_EQ(nth_char(0, "abc"), 'a');
  EXPECT_EQ(nth_char(2, "ab\xE9"), 0xE9);
  EXPECT_FALSE(nth_char(3, "abc").has_value());
  EXPECT_EQ(string_search("lo", "hello lo"), 3);
  EXPECT_EQ(string_search("lo", "hello lo", 4), 6);
  EXPECT_FALSE(string_search("x", "hello").has_value());
}

TEST_F(EngineText, AtomsStringsCodesAndTerms) {
  EXPECT_EQ(atom_string(T("abc")), Term::string("abc"));
  EXPECT_EQ(string_atom(Term::string("a b")), Term::atom("a b"));
  EXPECT_EQ(name_codes(T("ab")), T("[97, 98]"));
  EXPECT_EQ(name_codes(T("-12")), T("[45, 49, 50]"));
  EXPECT_EQ(name_from_codes(T("[49, 50]")), Term::integer(12));
  EXPECT_EQ(name_from_codes(T("[97, 49]")), Term::atom("a1"));
  EXPECT_EQ(name_from_codes(T("[]")), Term::atom(""));
  EXPECT_EQ(list_text(T("[104, i, \" there\", 55, x7]")), Term::string("hi there7x7"));
  EXPECT_EQ(text_list("ok"), T("[111, 107]"));
  EXPECT_EQ(string_term("f(X, 'a b')"), T("f(_, 'a b')"));
  EXPECT_FALSE(string_term("f(").has_value());
  EXPECT_EQ(term_string(T("f('a b', \"s\")")), "f(a b,s)");
  EXPECT_EQ(term_stringq(T("f('a b', \"s\")")), "f('a b',\"s\")");
  EXPECT_TRUE(is_string(Term::string("")));
  EXPECT_FALSE(is_string(Term::atom("")));
}

}  // namespace
}  // namespace qn::engine
