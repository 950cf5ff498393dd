#include "logic/javaui/java_functions.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"
#include "logic/program/expressions.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

// Each row names one method for all its keys, or one per key: a key without
// its method would be written with another key's.
TEST(JavaFunctions, EveryKeyHasItsMethod) {
  for (const JavaFunctionRow& r : java_function_rows()) {
    EXPECT_TRUE(r.alias || r.java.size() == 1 || r.java.size() == r.keys.size()) << r.keys[0];
  }
}

const char* kVars =
    "attri_i('&N', ['N', int, 5, 0, '', 0]). attri_i('&S', ['S', char, 20, 0, '', 0]). "
    "attri_i('&D', ['D', date, 8, 0, '', 0]). attri_i('&T', ['T', dtime, 10, 8, '', 0]). ";

TEST(JavaFunctions, Rows) {
  struct Case {
    const char* name;
    std::vector<Tk> tokens;
    const char* java;
    const char* facts = "";
  } cases[] = {
      {"an alias row",
       {{"FormatDouble(", kTokFunction}, {"&N", kTokVariable}, {")", kTokClose}},
       "QNutil.str( (double)(N), 10, 0) : [char,254,0,0]"},
      {"a static web-panel method",
       {{"staticdir(", kTokFunction}, {")", kTokClose}},
       "com.quenora.webpanels.QNWebPanel.getStaticDir( ) : [char,40,0,0]"},
      {"the server clock takes the context",
       {{"servernow(", kTokFunction}, {")", kTokClose}},
       "QNutil.serverNow( context, remoteHandle, \"qedbase\") : [dtime,8,0,0]"},
      {"a result of no type",
       {{"rseed(", kTokFunction}, {"&N", kTokVariable}, {")", kTokClose}},
       "QNutil.rseed( (double)(N)) : []"},
      {"a by-reference parameter",
       {{"dfrgnum(", kTokFunction}, {"&N", kTokVariable}, {")", kTokClose}},
       "DelimitedFiles.dfrgnum( N) : [int,3,0,0]"},
      {"one key of a shared row",
       {{"minute(", kTokFunction}, {"&T", kTokVariable}, {")", kTokClose}},
       "QNutil.minute( T) : [int,9,0,0]"},
      {"xmlendelement( takes no parameter",
       {{"xmlendelement(", kTokFunction}, {")", kTokClose}},
       "xml.xmlEndElement( ) : [int,4,0,0]"},
      {"userid( in a web panel",
       {{"userid(", kTokFunction}, {"'u'", kTokConstant}, {")", kTokClose}},
       "getUserId( \"u\", context, remoteHandle, \"qedbase\") : [char,40,0,0]",
       "pgm_id([1, web, 'H'])."},
      {"userid( elsewhere",
       {{"userid(", kTokFunction}, {"'u'", kTokConstant}, {")", kTokClose}},
       "QNutil.userId( \"u\", context, remoteHandle, \"qedbase\") : [char,40,0,0]",
       "pgm_id([1, proc, 'P'])."},
      {"int( is always the first row",
       {{"int(", kTokFunction}, {"&N", kTokVariable}, {")", kTokClose}},
       "java.lang.Math.floor( (double)(N)) : [int,19,5,1]"},
      {"addmth( of a date",
       {{"addmth(", kTokFunction},
        {"&D", kTokVariable},
        {",", kTokComma},
        {"1", kTokConstant},
        {")", kTokClose}},
       "QNutil.addmth( D, (short)(1)) : [date,10,8,0]"},
      {"addyr( of a date-time",
       {{"addyr(", kTokFunction},
        {"&T", kTokVariable},
        {",", kTokComma},
        {"&N", kTokVariable},
        {")", kTokClose}},
       "QNutil.addyr( T, (short)(N)) : [dtime,10,8,0]"},
      {"eom( of a date",
       {{"eom(", kTokFunction}, {"&D", kTokVariable}, {")", kTokClose}},
       "QNutil.eomdate( D) : [date,8,0,0]"},
      {"eom( of a date-time",
       {{"eom(", kTokFunction}, {"&T", kTokVariable}, {")", kTokClose}},
       "QNutil.eom( T) : [dtime,10,8,0]"},
      {"xmlstart( outside an HTTP main program",
       {{"xmlstart(", kTokFunction}, {"'r'", kTokConstant}, {")", kTokClose}},
       "xml.xmlStart( \"r\") : [int,4,0,0]"},
      {"link( in a work panel",
       {{"link(", kTokFunction},
        {"'abc'", kTokConstant},
        {",", kTokComma},
        {"1", kTokConstant},
        {")", kTokClose}},
       "QNutil.link( \"abc\", 1) : [char,9,0,0]",
       "pgm_id([1, scr, 'W'])."},
      {"link( in a procedure has no row",
       {{"link(", kTokFunction}, {"'abc'", kTokConstant}, {")", kTokClose}},
       "link( 'abc' ) : []",
       "pgm_id([1, proc, 'P'])."},
      {"cursor( of a name with an auxiliary name",
       {{"cursor(", kTokFunction}, {"C1", kTokConstant}, {")", kTokClose}},
       "QNCursor(\"QNcur1\") : [boolean,1,0,0]",
       "p_auxname('C1', 'QNcur1')."},
      {"cursor( of another name",
       {{"cursor(", kTokFunction}, {"'C2'", kTokConstant}, {")", kTokClose}},
       "cursor( \"C2\") : [boolean,1,0,0]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kVars) + c.facts);
    EXPECT_EQ(translated(r, c.tokens), c.java);
  }
  // Rows marked xml declare the program's xml variable first.
  ExprRun r(kVars);
  translated(r, {{"xmlend(", kTokFunction}, {")", kTokClose}});
  EXPECT_NE(r.facts_of("fld_to_dcl_i", 3).find("xml"), std::string::npos);
}

TEST(JavaFunctions, FixedValues) {
  const std::pair<const char*, const char*> rows[] = {
      {"count(", "1 /* Count */ : [int,1,0,0]"},
      {"level(", "true /* Level */ : [boolean,1,0,0]"},
      {"after(", "true /* After */ : [boolean,1,0,0]"},
      {"modified(", "false /* Modif */ : [boolean,1,0,0]"},
      {"confirmed(", "QNutil.Confirmed : [boolean,1,0,1]"},
      {"insmode(", "\"INS\" : [char,3,0,0]"},
      {"updmode(", "\"UPD\" : [char,3,0,0]"},
      {"delmode(", "\"DLT\" : [char,3,0,0]"},
      {"dspmode(", "\"DSP\" : [char,3,0,0]"},
  };
  EXPECT_EQ(fixed_value_rows().size(), 9u);
  for (const auto& [key, java] : rows) {
    ExprRun r;
    // The arguments are read and dropped.
    EXPECT_EQ(translated(r, {{key, 1}, {"1", kTokConstant}, {")", kTokClose}}), java) << key;
  }
}

TEST(JavaFunctions, OperatorsOnDatesTextsPowersAndDivisions) {
  struct Case {
    const char* name;
    std::vector<Tk> tokens;
    const char* java;
  } cases[] = {
      {"date-time minus days",
       {{"&T", kTokVariable}, {"-", kTokAddOp}, {"&N", kTokVariable}},
       "QNutil.dtadd(T,-(N)) : [dtime,10,8,1]"},
      {"date plus days",
       {{"&D", kTokVariable}, {"+", kTokAddOp}, {"3", kTokConstant}},
       "QNutil.dadd(D,+(3)) : [date,8,0,1]"},
      {"date-time difference",
       {{"&T", kTokVariable}, {"-", kTokAddOp}, {"&T", kTokVariable}},
       "QNutil.dtdiff(T,T) : [int,15,0,1]"},
      {"date difference",
       {{"&D", kTokVariable}, {"-", kTokAddOp}, {"&D", kTokVariable}},
       "QNutil.ddiff(D,D) : [int,15,0,1]"},
      {"power",
       {{"&N", kTokVariable}, {"^", kTokMulOp}, {"2", kTokConstant}},
       "java.lang.Math.pow(N,2) : [int,15,5,0]"},
      {"division",
       {{"&N", kTokVariable}, {"/", kTokMulOp}, {"2", kTokConstant}},
       "N / (double) ( 2 ) : [int,15,5,0]"},
      {"texts joined",
       {{"&S", kTokVariable}, {"+", kTokAddOp}, {"'ab'", kTokConstant}},
       "S + \"ab\" : [char,22,0,0]"},
      {"numbers as they are",
       {{"&N", kTokVariable}, {"*", kTokMulOp}, {"2", kTokConstant}},
       "N * 2 : [int,9,0,1]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(kVars);
    EXPECT_EQ(translated(r, c.tokens), c.java);
  }
}

TEST(JavaFunctions, ComparisonsByType) {
  const JavaText l{{"a"}, {}}, r{{"b"}, {}};
  struct Case {
    const char* type;
    const char* op;
    const char* java;
  } cases[] = {
      {"[date,8,0,0]", "==", "a.equals(b)"},
      {"[dtime,10,8,0]", "!=", "!(a.equals(b))"},
      {"[date,8,0,0]", ">", "a.after(b)"},
      {"[date,8,0,0]", "<", "a.before(b)"},
      {"[dtime,10,8,0]", "<=", "((a.before(b)) || (a.equals(b)))"},
      {"[date,8,0,0]", ">=", "((a.after(b)) || (a.equals(b)))"},
      {"[vchar,10,0,0]", "like", "QNutil.like(a,QNutil.padr(b,(short)(0), \"%\"))"},
      {"[char,10,0,0]", ">=", "( QNutil.strcmp(a, b) >= 0 )"},
      {"[int,9,0,0]", "!=", "( a != b )"},
      {"[]", "==", "( a == b )"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + c.op);
    EXPECT_EQ(spaced(java_compare_expr(type_from_term(term(c.type)), l, c.op, r)), c.java);
  }
  // LIKE pads the pattern to the left operand's length.
  const JavaText left{{"a"}, type_desc("char", 12)};
  EXPECT_EQ(spaced(java_compare_expr(left.type, left, "like", r)),
            "QNutil.like(a,QNutil.padr(b,(short)(12), \"%\"))");
}

TEST(JavaFunctions, ConversionsEmptyValuesAndNumbers) {
  struct Conv {
    const char* target;
    const char* source;
    const char* java;
  } convs[] = {
      {"[boolean,1,0,0]", "[int,9,0,0]", "x"},
      {"[char,10,0,0]", "[int,9,0,0]", "x"},
      {"[date,8,0,0]", "[dtime,10,8,0]", "x"},
      {"[int,9,0,0]", "[int,4,0,0]", "x"},  // int holds a short
      {"[int,9,2,0]", "[int,9,0,0]", "x"},  // an integer widens into decimals
      {"[int,9,0,0]", "[int,9,2,0]", "(int)(x)"},
      {"[int,4,0,0]", "[int,9,0,0]", "(short)(x)"},
      {"[int,4,0,0]", "[]", "(short)(x)"},
  };
  for (const Conv& c : convs) {
    SCOPED_TRACE(std::string(c.target) + " " + c.source);
    EXPECT_EQ(conv_to_type(type_from_term(term(c.target)), type_from_term(term(c.source)), "x"),
              c.java);
  }
  const std::pair<const char*, const char*> empties[] = {
      {"[char,1,0,0]", "\"\""},
      {"[svchar,1,0,0]", "\"\""},
      {"[bits,1,0,0]", "\"\""},
      {"[vchar,1,0,0]", "\"\""},
      {"[boolean,1,0,0]", "false"},
      {"[int,9,0,0]", "0"},
      {"[charp,1,0,0]", "0"},
      {"[filep,1,0,0]", "0"},
      {"[date,8,0,0]", "QNutil.nullDate()"},
      {"[dtime,8,0,0]", "QNutil.nullDate()"},
      {"[obj('Statement'),0,0,0]", "Application.con.createStatement()"},
      {"[obj('Vector'),0,0,0]", "null"},
      {"[blob,1,0,0]", "0 /* Unhandled type blob */"},
  };
  for (const auto& [type, java] : empties)
    EXPECT_EQ(empty_value(type_from_term(term(type))), java) << type;
  struct Num {
    const char* text;
    const char* type;
    const char* java;
  } nums[] = {
      {"007", "[int,9,0,0]", "7"},
      {".5", "[int,19,2,0]", "0.5"},
      {"", "[int,9,0,0]", "0"},
      {"1234567890", "[int,10,0,0]", "1234567890L"},
      {"0000000012", "[int,10,0,0]", "12"},
      {"12345678901.5", "[int,19,2,0]", "12345678901.5"},
  };
  for (const Num& n : nums)
    EXPECT_EQ(number_literal_text(n.text, type_from_term(term(n.type))), n.java) << n.text;
}

}  // namespace
}  // namespace qn::logic
