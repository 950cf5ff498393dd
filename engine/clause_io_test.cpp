#include "engine/clause_io.h"

#include <gtest/gtest.h>

#include "engine/test_print.h"

namespace qn::engine {
namespace {

Term A(std::string_view s) { return Term::atom(s); }
Term I(int64_t v) { return Term::integer(v); }
Term R(double v) { return Term::real(v); }
Term S(std::string_view s) { return Term::string(s); }
Term C(std::string_view f, std::vector<Term> args) { return Term::compound(f, std::move(args)); }

struct ReadCase {
  const char* text;
  Term expected;
};

class EngineReader : public ::testing::Test {};

TEST_F(EngineReader, ReadsTermsOfEveryKind) {
  const ReadCase cases[] = {
      {"foo.", A("foo")},
      {"'it''s'.", A("it's")},
      {"'a\\'b\\\\c\\n'.", A("a'b\\c\n")},
      {"'\\x41\\\\101\\'.", A("AA")},
      {"'C:\\model'.", A("C:\\model")},  // an unknown escape keeps its backslash
      {"[].", A("[]")},
      {"{}.", A("{}")},
      {"'hello world'.", A("hello world")},
      {"\"a \"\"q\"\" \\\"s\\\"\".", S("a \"q\" \"s\"")},
      {"f(\"\").", C("f", {S("")})},
      {"-12.", I(-12)},
      {"- 12.", C("-", {I(12)})},
      {"f(-1, - 1, 2.5, -2.5e3, 1.0e-2).",
       C("f", {I(-1), C("-", {I(1)}), R(2.5), R(-2500.0), R(0.01)})},
      {"0'a.", I(97)},
      {"0x1F.", I(31)},
      {"9223372036854775807.", I(INT64_MAX)},
      {"-9223372036854775808.", I(INT64_MIN)},
      {"[a, [b, [c]], []].",
       Term::list({A("a"), Term::list({A("b"), Term::list({A("c")})}), A("[]")})},
      {"[a|b].", Term::cons(A("a"), A("b"))},
      {"[a,b|[c]].", Term::list({A("a"), A("b"), A("c")})},
      {"a-b-c.", C("-", {C("-", {A("a"), A("b")}), A("c")})},
      {"a:b:c.", C(":", {A("a"), C(":", {A("b"), A("c")})})},
      {"1+2*3.", C("+", {I(1), C("*", {I(2), I(3)})})},
      {"(1+2)*3.", C("*", {C("+", {I(1), I(2)}), I(3)})},
      {"a = b.", C("=", {A("a"), A("b")})},
      {"x(A =< 3, B >= 4, C \\= d).",
       C("x", {C("=<", {Term::var(1), I(3)}), C(">=", {Term::var(2), I(4)}),
               C("\\=", {Term::var(3), A("d")})})},
      {"f(a-1, a - -1, -a, -(-(1))).", C("f", {C("-", {A("a"), I(1)}), C("-", {A("a"), I(-1)}),
                                               C("-", {A("a")}), C("-", {C("-", {I(1)})})})},
      {"f(-, +, a).", C("f", {A("-"), A("+"), A("a")})},
      {"f(x mod y, is).", C("f", {C("mod", {A("x"), A("y")}), A("is")})},
      {"f((a,b)).", C("f", {C(",", {A("a"), A("b")})})},
      {"{a, b}.", C("{}", {C(",", {A("a"), A("b")})})},
      {"f(X, Y, X, _, _).",
       C("f", {Term::var(1), Term::var(2), Term::var(1), Term::var(3), Term::var(4)})},
      {"t('\xE9', '\xD6l\xE7\xFC', \xE9t\xE9).",
       C("t", {A("\xE9"), A("\xD6l\xE7\xFC"), A("\xE9t\xE9")})},
  };
  for (const auto& c : cases) {
    std::vector<SyntaxError> errors;
    auto terms = read_clauses(c.text, &errors);
    EXPECT_TRUE(errors.empty()) << c.text << ": " << (errors.empty() ? "" : errors[0].message);
    ASSERT_EQ(terms.size(), 1u) << c.text;
    EXPECT_EQ(terms[0], c.expected) << c.text << " read as " << writeq(terms[0]);
  }
}

TEST_F(EngineReader, CommentsAndLineEnds) {
  const char* text =
      "% a comment\r\n"
      "a(1). /* block\r\n comment */ b(2).\r\n"
      "c('x\r\ny').%tail\n"
      "d./* after the end */e.\n"
      "f(+/*c*/).";
  std::vector<SyntaxError> errors;
  auto terms = read_clauses(text, &errors);
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(terms.size(), 6u);
  EXPECT_EQ(terms[0], C("a", {I(1)}));
  EXPECT_EQ(terms[1], C("b", {I(2)}));
  EXPECT_EQ(terms[2], C("c", {A("x\r\ny")}));
  EXPECT_EQ(terms[3], A("d"));
  EXPECT_EQ(terms[4], A("e"));
  EXPECT_EQ(terms[5], C("f", {A("+")}));
}

TEST_F(EngineReader, SyntaxErrorSkipsOnlyItsClause) {
  const char* text =
      "a(1).\n"
      "b(2,.\n"
      "c(3) d.\n"
      "e('unclosed).\n"
      "f(4).\n"
      "g(5) ` .\n"
      "h(6).\n";
  std::vector<SyntaxError> errors;
  auto terms = read_clauses(text, &errors);
  std::vector<std::string> got;
  for (const auto& t : terms) got.push_back(writeq(t));
  // The unclosed quote runs to the end of the text; reading resumes after
  // the quote and "unclosed)." ends that clause.
  EXPECT_EQ(got, (std::vector<std::string>{"a(1)", "f(4)", "h(6)"}));
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0].line, 2u);
  EXPECT_EQ(errors[1].line, 3u);
  EXPECT_EQ(errors[2].line, 4u);
  EXPECT_EQ(errors[3].line, 6u);
}

TEST_F(EngineReader, OverlyDeepTermsAreSyntaxErrors) {
  std::string deep = "a(" + std::string(5000, '[') + std::string(5000, ']') + ").\nb.\n";
  std::string chain = "c(1";
  for (int i = 0; i < 5000; ++i) chain += "-1";
  chain += ").\nd.\n";
  for (const std::string& text : {deep, chain}) {
    std::vector<SyntaxError> errors;
    auto terms = read_clauses(text, &errors);
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(errors.size(), 1u);
  }
}

TEST_F(EngineReader, ParseTermTakesOneTerm) {
  EXPECT_EQ(parse_term("foo(X, bar)"), C("foo", {Term::var(1), A("bar")}));
  EXPECT_EQ(parse_term("  1 + 2 . "), C("+", {I(1), I(2)}));
  EXPECT_FALSE(parse_term("foo(").has_value());
  EXPECT_FALSE(parse_term("a. b").has_value());
  EXPECT_FALSE(parse_term("").has_value());
}

class EngineWriter : public ::testing::Test {};

TEST_F(EngineWriter, WritesWhatReadsBack) {
  const Term terms[] = {
      A("foo"),
      A("Foo"),
      A("it's"),
      A(""),
      A("a b"),
      A("[]"),
      A("{}"),
      A(","),
      A("|"),
      A("!"),
      A(";"),
      A("+"),
      A("=.."),
      A("."),
      A("/*"),
      A("+/*"),
      A("\\"),
      A("a\\b\n\t\x01"),
      A("\xE9t\xE9"),
      A("_x"),
      A("1a"),
      I(0),
      I(-5),
      I(INT64_MIN),
      I(INT64_MAX),
      R(1.0),
      R(-0.5),
      R(1e300),
      R(1.5e-7),
      R(123456789.125),
      S("say \"hi\"\\"),
      S(""),
      C("f", {A("a"), I(-1), S("x")}),
      C("-", {A("a"), I(-1)}),
      C("-", {I(1)}),
      C("-", {I(-1)}),
      C("-", {A("a")}),
      C("-", {C("-", {I(1)})}),
      C("-", {C("+", {A("a"), A("b")})}),
      C("-", {A("-")}),
      C("-", {A("-"), A("a")}),
      C("=", {A("="), A("=")}),
      C("*", {C("+", {I(1), I(2)}), I(3)}),
      C("+", {I(1), C("*", {I(2), I(3)})}),
      C("-", {A("a"), C("-", {A("b"), A("c")})}),
      C("^", {I(-1), I(2)}),
      C("^", {C("-", {I(1)}), I(2)}),
      C(",", {A("a"), C(",", {A("b"), A("c")})}),
      C("f", {C(",", {A("a"), A("b")})}),
      C(":-", {A("a"), C(";", {A("b"), A("c")})}),
      C("is", {Term::var(1), C("mod", {A("x"), A("y")})}),
      C("{}", {C(",", {A("a"), A("b")})}),
      C("{}", {A("a"), A("b")}),
      C("[]", {A("a")}),
      C("-", {A("a"), A("b"), A("c")}),
      C(",", {A("a"), A("b"), A("c")}),
      C("|", {A("a"), A("b")}),
      C("f", {A("-"), A("+")}),
      C("\\+", {C("\\+", {A("a")})}),
      C("-", {C("\\+", {A("a")})}),
      Term::list({A("a"), Term::list({}), Term::list({I(1), I(2)})}),
      Term::cons(A("a"), A("b")),
      Term::list({A("-"), A(",")}),
      C("f", {C(":", {A("a"), C("=", {A("b"), A("c")})})}),
      C("-", {C("-", {A("a")}), A("b")}),
      C("-", {A("a"), C("-", {A("b")})}),
      C("+", {C("\\", {A("a")}), C("\\", {I(1)})}),
      C("-", {C(":", {I(0), A("x")})}),
      C(";", {A("+"), C("*", {A(";"), A(";")})}),
      C(":-", {A("+"), A("x")}),
      C(",", {A("-"), A("a")}),
      // Tokens that would fuse without a blank between them.
      C("=..", {A("A"), A("B")}),
      C("=..", {A("a"), A("B")}),
      C("=..", {I(0), A("B")}),
      C("=..", {S("a"), S("b")}),
      C("=..", {R(1.5), A("b")}),
      C("-", {A("=.."), A("B")}),
  };
  for (const Term& t : terms) {
    std::string text = writeq(t);
    auto back = parse_term(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(*back, t) << text << " read back as " << writeq(*back);
    auto clauses = read_clauses(clause_text(t) + "\n");
    ASSERT_EQ(clauses.size(), 1u) << clause_text(t);
    EXPECT_EQ(clauses[0], t) << clause_text(t);
  }
}

TEST_F(EngineWriter, OperatorsAsTheyAreUsuallyWritten) {
  EXPECT_EQ(writeq(C("-", {A("a"), I(1)})), "a-1");
  EXPECT_EQ(writeq(C("=", {A("a"), C(",", {A("b"), A("c")})})), "a=(b,c)");
  EXPECT_EQ(writeq(C("is", {A("x"), I(2)})), "x is 2");
  EXPECT_EQ(writeq(Term::list({A("a"), A("B"), S("s")})), "[a,'B',\"s\"]");
  EXPECT_EQ(write(Term::list({A("a"), A("B"), S("s")})), "[a,B,s]");
  EXPECT_EQ(writeq(A("it's")), "'it\\'s'");
}

}  // namespace
}  // namespace qn::engine
