#include "logic/program/expressions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT

TEST(Expressions, OperatorTable) {
  struct Case {
    int64_t kind;
    const char* op;
    const char* java;
  } cases[] = {
      {kTokNot, ".NOT.", "!"},         {kTokNot, "NOT", "!"},       {kTokLogical, ".AND.", "&&"},
      {kTokLogical, "AND", "&&"},      {kTokLogical, ".OR.", "||"}, {kTokLogical, "OR", "||"},
      {kTokCompare, "=", "=="},        {kTokCompare, "<>", "!="},   {kTokCompare, "<", "<"},
      {kTokCompare, ">", ">"},         {kTokCompare, ">=", ">="},   {kTokCompare, "<=", "<="},
      {kTokCompare, ".LIKE.", "like"}, {kTokAddOp, "+", "+"},       {kTokMulOp, "^", "^"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.op);
    EXPECT_EQ(java_operator(c.kind, c.op), c.java);
  }
}

TEST(Expressions, Constants) {
  struct Case {
    const char* constant;  // a term
    const char* java;
    const char* type;
  } cases[] = {
      {"'0b65'", "'65'", "[byte,1,0,0]"},
      {"'0x1F'", "(int)(0x1F)", "[int,10,0,1]"},
      {"'007'", "7", "[int,9,0,0]"},
      {"'000'", "0", "[int,9,0,0]"},
      {"7", "7", "[int,9,0,0]"},
      {"'1234567890'", "1234567890L", "[int,10,0,0]"},
      {"12345678901", "12345678901L", "[int,11,0,0]"},
      {"'.5'", "0.5", "[int,19,2,0]"},
      {"'0012.50'", "12.50", "[int,19,2,0]"},
      // Model strings become Java literals; what Java must escape is escaped.
      {"'''abc'''", "\"abc\"", "[char,3,0,0]"},
      {"'''say \"hi\"'''", "\"say \\\"hi\\\"\"", "[char,8,0,0]"},
      {"'\"O''Brien\"'", "\"O'Brien\"", "[char,7,0,0]"},
      {"'''C:\\\\dir'''", "\"C:\\\\dir\"", "[char,6,0,0]"},
      {"'Qnnewline'", "QN_nl", "[char,4,0,0]"},
      {"'QNutil.nullDate()'", "QNutil.nullDate()", "[date,8,0,0]"},
      {"'Something'", "Something", "[]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.constant);
    ExprRun r;
    JavaText x = literal_to_java(r.run, term(c.constant));
    EXPECT_EQ(spaced(x.pieces), c.java);
    EXPECT_EQ(type_text(x.type), c.type);
  }
  EXPECT_EQ(escape_quotes("plain"), "plain");
}

TEST(Expressions, ControlTypePrefixes) {
  const std::pair<const char*, const char*> rows[] = {
      {"listbx", "lst"},       {"dynlistbx", "dlt"}, {"rect", "rct"},   {"label", "lbl"},
      {"button", "btt"},       {"radio", "rad"},     {"edit", "edt"},   {"combo", "cmb"},
      {"dyncombo", "dyn"},     {"checkbox", "chk"},  {"bitmap", "img"}, {"subfile", "sub"},
      {"tabcontrol", "tctrl"}, {"tabpage", "tpage"}};
  for (const auto& [type, prefix] : rows) EXPECT_EQ(control_type_prefix(type), prefix) << type;
  EXPECT_EQ(control_type_prefix("window"), std::nullopt);
}

// Variables of the cases: numbers A, B, C; text Name of 10; date D;
// date-time T.
const char* kVars =
    "attri_i('&A', ['A', int, 5, 0, '', 0]). attri_i('&B', ['B', int, 4, 0, '', 0]). "
    "attri_i('&C', ['C', int, 9, 2, '', 0]). attri_i('&Name', ['Name', char, 10, 0, '', 0]). "
    "attri_i('&D', ['D', date, 8, 0, '', 0]). attri_i('&T', ['T', dtime, 10, 8, '', 0]). "
    "attri_i('&Arr', ['Arr', int, 4, 0, '', 0]). attri_i('&Arr0', ['Arr0', int, 4, 0, '', 0]). "
    "rule_i(1, dim('&Arr', [10])). rule_i(1, dim('&Arr0', [3, 4])). rule_i(1, arrbase('&Arr0', "
    "[0])). ";

TEST(Expressions, Grammar) {
  struct Case {
    const char* name;
    std::vector<Tk> tokens;
    const char* java;
  } cases[] = {
      {"one arithmetic level each: * before +",
       {{"&A", kTokVariable},
        {"+", kTokAddOp},
        {"&B", kTokVariable},
        {"*", kTokMulOp},
        {"2", kTokConstant}},
       "A + B * 2 : [int,9,0,1]"},
      {"^ binds closer than + and is right-associative",
       {{"&A", kTokVariable},
        {"+", kTokAddOp},
        {"&B", kTokVariable},
        {"^", kTokMulOp},
        {"2", kTokConstant},
        {"^", kTokMulOp},
        {"3", kTokConstant}},
       "A + java.lang.Math.pow(B,java.lang.Math.pow(2,3)) : [int,15,5,1]"},
      {"parentheses",
       {{"(", kTokOpen},
        {"&A", kTokVariable},
        {"+", kTokAddOp},
        {"1", kTokConstant},
        {")", kTokClose},
        {"*", kTokMulOp},
        {"2", kTokConstant}},
       "( A + 1 ) * 2 : [int,9,0,1]"},
      {"division is done in double",
       {{"&A", kTokVariable}, {"/", kTokMulOp}, {"&B", kTokVariable}},
       "A / (double) ( B ) : [int,15,5,0]"},
      {"a minus sign joins its operand",
       {{"-", kTokAddOp},
        {"&A", kTokVariable},
        {"-", kTokAddOp},
        {"-", kTokAddOp},
        {"2", kTokConstant}},
       "-A - -2 : [int,9,0,1]"},
      {"a sign before a parenthesis",
       {{"-", kTokAddOp},
        {"(", kTokOpen},
        {"&A", kTokVariable},
        {"+", kTokAddOp},
        {"1", kTokConstant},
        {")", kTokClose}},
       "-((A+1)) : [int,9,0,1]"},
      {"a plus sign is dropped", {{"+", kTokAddOp}, {"5", kTokConstant}}, "5 : [int,9,0,0]"},
      {"no sign before a text", {{"-", kTokAddOp}, {"'x'", kTokConstant}}, "FAIL"},
      {"no sign before a date", {{"-", kTokAddOp}, {"&D", kTokVariable}}, "FAIL"},
      {"NOT prefixes the comparison",
       {{"NOT", kTokNot}, {"&A", kTokVariable}, {"=", kTokCompare}, {"1", kTokConstant}},
       "!( ( A == 1 ) ) : [boolean,1,0,0]"},
      {"an int operand of AND and NOT is compared with 0",
       {{"&A", kTokVariable}, {".AND.", kTokLogical}, {".NOT.", kTokNot}, {"&B", kTokVariable}},
       "( A != 0 ) && !( ( B != 0 ) ) : [boolean,1,0,0]"},
      {"texts compare through strcmp",
       {{"&Name", kTokVariable}, {"<>", kTokCompare}, {"'X'", kTokConstant}},
       "( QNutil.strcmp(Name, \"X\") != 0 ) : [boolean,1,0,0]"},
      {"dates compare through their methods",
       {{"&D", kTokVariable}, {"<=", kTokCompare}, {"&D", kTokVariable}},
       "((D.before(D)) || (D.equals(D))) : [boolean,1,0,0]"},
      {"a date plus days",
       {{"&D", kTokVariable}, {"+", kTokAddOp}, {"&C", kTokVariable}},
       "QNutil.dadd(D,+((int)(C))) : [date,8,0,1]"},
      {"a number on the left of LIKE is compared as text",
       {{"&A", kTokVariable}, {".LIKE.", kTokCompare}, {"'1%'", kTokConstant}},
       "QNutil.like(QNutil.str( (double)(A), 5, 0),QNutil.padr(\"1%\",(short)(254), \"%\")) : "
       "[boolean,1,0,0]"},
      {"an array element with base 1",
       {{"&Arr", kTokVariable},
        {"&A", kTokVariable},
        {"+", kTokAddOp},
        {"1", kTokConstant},
        {")", kTokClose}},
       "Arr[A+1-1] : [int,4,0,1]"},
      {"a two-dimensional array with base 0",
       {{"&Arr0", kTokVariable},
        {"1", kTokConstant},
        {",", kTokComma},
        {"&A", kTokVariable},
        {")", kTokClose}},
       "Arr0[1][A] : [int,4,0,1]"},
      {"a whole array", {{"&Arr", kTokVariable}}, "Arr : [int,4,0,1]"},
      {"a whole array as an argument",
       {{"NEW(", kTokFunction},
        {"Vec", kTokAttribute},
        {",", kTokComma},
        {"&Arr", kTokVariable},
        {")", kTokClose}},
       "new Vec(Arr) : [obj(Vec),0,0,0]"},
      {"an element of two dimensions as an argument",
       {{"str(", kTokFunction},
        {"&Arr0", kTokVariable},
        {"1", kTokConstant},
        {",", kTokComma},
        {"2", kTokConstant},
        {")", kTokClose},
        {")", kTokClose}},
       "QNutil.str( (double)(Arr0[1][2]), 10, 0) : [char,254,0,0]"},
      {"an operand missing", {{"&A", kTokVariable}, {"+", kTokAddOp}}, "FAIL"},
      {"a token left over", {{"&A", kTokVariable}, {"1", kTokConstant}}, "FAIL"},
      {"an unclosed parenthesis", {{"(", kTokOpen}, {"&A", kTokVariable}}, "FAIL"},
      {"a link text", {{"Page one", kTokLink}}, "\"Page one\" : [char,128,0,0]"},
      {"any other token is its text", {{"x.y", 42}}, "x.y : []"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(kVars);
    EXPECT_EQ(translated(r, c.tokens), c.java);
  }
}

TEST(Expressions, ComputedTextGoesToATemporaryBeforeAComparison) {
  ExprRun r(kVars);
  auto c = cond_to_java(r.run,
                        toks({{"&Name", kTokVariable},
                              {"+", kTokAddOp},
                              {"'b'", kTokConstant},
                              {"=", kTokCompare},
                              {"'c'", kTokConstant}}),
                        {});
  EXPECT_EQ(spaced(c), "( QNutil.strcmp(QNt_char1, \"c\") == 0 )");
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"QNt_char1 = Name+\"b\" ;"}));
}

TEST(Expressions, FunctionCallRules) {
  struct Case {
    const char* name;
    std::vector<Tk> tokens;
    const char* java;
    const char* facts = "";
  } cases[] = {
      {"2: qnmsg( without arguments",
       {{"qnmsg(", kTokFunction}, {"'M01'", kTokConstant}, {")", kTokClose}},
       "localUtil.getMessages().getMessage(\"M01\") : [char,80,0,0]"},
      {"2: qnmsg( with arguments",
       {{"qnmsg(", kTokFunction},
        {"12", kTokConstant},
        {",", kTokComma},
        {"&A", kTokVariable},
        {",", kTokComma},
        {"'x'", kTokConstant},
        {")", kTokClose}},
       "localUtil.getMessages().getMessage(\"12\", new Object[] {A,\"x\"}) : [char,80,0,0]"},
      {"2: ask( writes nothing",
       {{"ask(", kTokFunction},
        {"'a'", kTokConstant},
        {",", kTokComma},
        {"'b'", kTokConstant},
        {")", kTokClose}},
       " : []"},
      {"2: link( in a web panel",
       {{"link(", kTokFunction},
        {"'hpage'", kTokConstant},
        {",", kTokComma},
        {"&A", kTokVariable},
        {",", kTokComma},
        {"&D", kTokVariable},
        {")", kTokClose}},
       "formatLink(\"hpage\") + \"?\" + java.net.URLEncoder.encode(\"\" +A) + \",\" + "
       "java.net.URLEncoder.encode(formatDateParm(D)) : [char,2048,0,0]",
       "pgm_id([1, web, 'H'])."},
      {"3: toformattedstring( of a number",
       {{"toformattedstring(", kTokFunction}, {"&C", kTokVariable}, {")", kTokClose}},
       "localUtil.format( C, \"999999.99\") : [char,254,0,0]"},
      {"3: toformattedstring( of a date",
       {{"toformattedstring(", kTokFunction}, {"&D", kTokVariable}, {")", kTokClose}},
       "localUtil.format( D, \"99/99/99\") : [char,254,0,0]"},
      {"3: toformattedstring( of a text with its own picture",
       {{"toformattedstring(", kTokFunction}, {"CUSTNAME", kTokAttribute}, {")", kTokClose}},
       "localUtil.format( CUSTNAME, \"!!!\") : [char,254,0,0]",
       "attri_i('CUSTNAME', ['CUSTNAME', char, 20, 0, '!!!', 0])."},
      {"3: toformattedstring( of a vchar is its value",
       {{"toformattedstring(", kTokFunction}, {"CUSTMEMO", kTokAttribute}, {")", kTokClose}},
       "CUSTMEMO : [vchar,400,0,1]",
       "attri_i('CUSTMEMO', ['CUSTMEMO', vchar, 400, 0, '', 0])."},
      {"4: true", {{"true", kTokFunction}}, "true : [boolean,1,0,1]"},
      {"4: trn is a boolean", {{"trn", kTokFunction}}, "true /* trn function */ : [boolean,1,0,1]"},
      {"4: confirm is a boolean",
       {{"confirm", kTokFunction}},
       "true /* confirm function */ : [boolean,1,0,1]"},
      {"4: insert tests Mode",
       {{"insert", kTokFunction}},
       "( QNutil.strcmp(Mode, \"INS\") == 0 ) : [boolean,1,0,1]"},
      {"5: mod(",
       {{"mod(", kTokFunction},
        {"&A", kTokVariable},
        {"+", kTokAddOp},
        {"1", kTokConstant},
        {",", kTokComma},
        {"&B", kTokVariable},
        {")", kTokClose}},
       "((A+1) % (B)) : [int,15,0,0]"},
      {"6: ex( reads the select formula's result auxiliary",
       {{"ex(", kTokFunction}, {"3", kTokConstant}, {")", kTokClose}},
       "XCUSTBAL : [int,9,2,1]",
       "attri_i('CUSTBAL', ['CUSTBAL', int, 9, 2, '', 0]). "
       "function_i(1, 3, yes, select, 'sum(', [], 'Total', 'CUSTBAL', [])."},
      {"6: ex( of a count reads Qncount",
       {{"ex(", kTokFunction}, {"4", kTokConstant}, {")", kTokClose}},
       "Qncount : [int,9,0,0]",
       "function_i(1, 4, yes, select, 'count(', [], 'N', 'CUSTBAL', [])."},
      {"6: ex( of no select formula stays as written",
       {{"ex(", kTokFunction}, {"5", kTokConstant}, {")", kTokClose}},
       "ex( 5 ) : []",
       "function_i(1, 5, no, select, 'sum(', [], 'N', 'CUSTBAL', [])."},
      {"8: old(",
       {{"old(", kTokFunction}, {"CUSTNAME", kTokAttribute}, {")", kTokClose}},
       "OCUSTNAME : [char,20,0,1]",
       "attri_i('CUSTNAME', ['CUSTNAME', char, 20, 0, '', 0])."},
      {"8: seudo(",
       {{"seudo(", kTokFunction}, {"CUSTNAME", kTokAttribute}, {")", kTokClose}},
       "ZCUSTNAME : [char,20,0,1]",
       "attri_i('CUSTNAME', ['CUSTNAME', char, 20, 0, '', 0])."},
      {"8: previous( (names equal after ten characters share one variable)",
       {{"previous(", kTokFunction}, {"CUSTOMERNAME", kTokAttribute}, {")", kTokClose}},
       "ECUSTOMERN : [char,20,0,1]",
       "attri_i('CUSTOMERNAME', ['CUSTOMERNAME', char, 20, 0, '', 0])."},
      {"8: ByRef( is the bare reference",
       {{"ByRef(", kTokFunction}, {"&A", kTokVariable}, {")", kTokClose}},
       "A : [int,5,0,1]"},
      {"9: a transaction function",
       {{"level(", kTokFunction}, {")", kTokClose}},
       "true /* Level */ : [boolean,1,0,0]"},
      {"10: the table with defaults",
       {{"str(", kTokFunction}, {"&A", kTokVariable}, {")", kTokClose}},
       "QNutil.str( (double)(A), 10, 0) : [char,254,0,0]"},
      {"10: no arguments",
       {{"today(", kTokFunction}, {")", kTokClose}},
       "QNutil.today( ) : [date,8,0,0]"},
      {"10: a numeric argument of a text parameter goes through str(",
       {{"trim(", kTokFunction}, {"&C", kTokVariable}, {")", kTokClose}},
       "QNutil.trim( QNutil.str( C, 9, 2)) : [char,254,0,0]"},
      {"10: string functions keep the length of their first argument",
       {{"upper(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}},
       "QNutil.upper( Name) : [char,10,0,0]"},
      {"10: a date-time argument of a date parameter",
       {{"dow(", kTokFunction}, {"&T", kTokVariable}, {")", kTokClose}},
       "QNutil.dow( QNutil.resetTime(T)) : [int,1,0,0]"},
      {"10: a wider number is cast",
       {{"chr(", kTokFunction}, {"&C", kTokVariable}, {")", kTokClose}},
       "QNutil.chr( (short)(C)) : [char,1,0,0]"},
      {"11: len(",
       {{"len(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}},
       "Name.length( ) : [int,9,0,1]"},
      {"12: null( of a text",
       {{"null(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}},
       "((QNutil.strcmp(QNutil.rtrim( Name), \"\")==0)) : [boolean,1,0,0]"},
      {"12: null( of a number",
       {{"null(", kTokFunction}, {"&A", kTokVariable}, {")", kTokClose}},
       "((A==0)) : [boolean,1,0,0]"},
      {"13: NEW(",
       {{"NEW(", kTokFunction},
        {"Vector", kTokConstant},
        {",", kTokComma},
        {"10", kTokConstant},
        {")", kTokClose}},
       "new Vector(10) : [obj(Vector),0,0,0]"},
      {"13: nullvalue(",
       {{"nullvalue(", kTokFunction}, {"&D", kTokVariable}, {")", kTokClose}},
       "QNutil.nullDate() : [date,8,0,1]"},
      {"13: loadbitmap(",
       {{"loadbitmap(", kTokFunction}, {"'a.gif'", kTokConstant}, {")", kTokClose}},
       "\"a.gif\" : [char,5,0,0]"},
      {"15: iif(",
       {{"iif(", kTokFunction},
        {"&A", kTokVariable},
        {">", kTokCompare},
        {"1", kTokConstant},
        {",", kTokComma},
        {"'a'", kTokConstant},
        {",", kTokComma},
        {"'bcd'", kTokConstant},
        {")", kTokClose}},
       "((A>1) ? \"a\" : \"bcd\") : [char,3,0,0]"},
      {"16: usercls(", {{"usercls(", kTokFunction}, {")", kTokClose}}, "\"\" : [char,1,0,0]"},
      {"17: qnvlen(",
       {{"qnvlen(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}},
       "Name : [int,15,0,0]"},
      {"17: qnnullterm( gives its argument",
       {{"qnnullterm(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}},
       "Name : [char,10,0,1]"},
      {"a function no rule knows stays as written",
       {{"myfn(", kTokFunction}, {"&A", kTokVariable}, {")", kTokClose}},
       "myfn( &A ) : []"},
      {"an external program's name is a program call only",
       {{"str(", kTokFunction}, {"&A", kTokVariable}, {")", kTokClose}},
       "str( &A ) : []",
       "external_program_i('STR', dll, ['str.exe'])."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExprRun r(std::string(kVars) + c.facts);
    EXPECT_EQ(translated(r, c.tokens), c.java);
  }
}

TEST(Expressions, DefaultArguments) {
  // Every row of the default table, each key of it once.
  struct Case {
    const char* fn;
    int position;
    const char* first;  // type of the first argument
    const char* java;
  } cases[] = {
      {"shell(", 2, "[]", "0"},
      {"concat(", 3, "[]", "\"\""},
      {"str(", 2, "[]", "10"},
      {"str(", 3, "[]", "0"},
      {"age(", 2, "[]", "QNutil.now( )"},
      {"ctodl(", 2, "[date,8,0,0]", "2"},  // DMY of a Spanish model
      {"testcdate(", 2, "[]", "2"},
      {"testcdt(", 2, "[]", "2"},
      {"ctotl(", 2, "[]", "2"},
      {"ctod(", 2, "[]", "1"},
      {"ctot(", 2, "[]", "1"},
      {"padr(", 3, "[]", "\" \""},
      {"padl(", 3, "[]", "\" \""},
      {"cmonth(", 2, "[]", "\"spa\""},
      {"cdow(", 2, "[]", "\"spa\""},
      {"ttoc(", 2, "[dtime,12,3,0]", "12"},
      {"ttoc(", 3, "[dtime,12,3,0]", "3"},
      {"ttoc(", 2, "[date,8,0,0]", "10"},
      {"ttoc(", 3, "[]", "8"},
      {"ttoc(", 4, "[]", "0"},
      {"ttoc(", 5, "[]", "2"},
      {"ttoc(", 6, "[]", "\"/\""},
      {"ttoc(", 7, "[]", "\":\""},
      {"ttoc(", 8, "[]", "\" \""},
      {"ttocl(", 4, "[]", "0"},  // a Spanish model without time_fmt
      {"ttocl(", 5, "[]", "2"},
      {"ttocl(", 8, "[]", "\" \""},
      {"dtoc(", 3, "[]", "\"/\""},
      {"dtocl(", 3, "[]", "\"/\""},
      {"testcdt(", 3, "[]", "0"},
      {"dfrgtxt(", 2, "[char,30,0,0]", "30"},
      {"dfwptxt(", 2, "[char,12,0,0]", "12"},
      {"dfwpnum(", 2, "[int,9,2,0]", "2"},
      {"dfwpdate(", 2, "[]", "\"ymd\""},
      {"dfrgdate(", 3, "[]", "\"-\""},
      {"dfrpdate(", 2, "[]", "\"ymd\""},
      {"dfropen(", 2, "[]", "1024"},
      {"dfropen(", 3, "[]", "\",\""},
      {"dfropen(", 4, "[]", "\"\\\"\""},
      {"dfwopen(", 2, "[]", "\",\""},
      {"dfwopen(", 3, "[]", "\"\\\"\""},
      {"qnmsend(", 7, "[]", "1"},
      {"qnmloginsmtp(", 5, "[]", "\"\""},
      {"qnmloginsmtp(", 6, "[]", "30"},
      {"qnmloginpop3(", 4, "[]", "1"},
      {"qnmloginpop3(", 6, "[]", "30"},
      {"userid(", 2, "[]", "context"},
      {"userid(", 3, "[]", "remoteHandle"},
      {"servertime(", 1, "[]", "context"},
      {"servernow(", 2, "[]", "remoteHandle"},
      {"serverdate(", 1, "[]", "context"},
      {"str(", 4, "[]", "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fn) + " " + std::to_string(c.position));
    ExprRun r("idiom(spa).");
    auto d = function_default_arg(r.run, c.fn, c.position, type_from_term(term(c.first)));
    EXPECT_EQ(d ? spaced(d->pieces) : "none", c.java);
  }
  EXPECT_EQ(function_default_rows(), 23u);
  // The function table decides how many are written: ttoc( has three.
  ExprRun r(kVars);
  EXPECT_EQ(translated(r, {{"ttoc(", kTokFunction}, {"&T", kTokVariable}, {")", kTokClose}}),
            "localUtil.ttoc( T, (byte)(10), (byte)(8)) : [char,254,0,0]");
  EXPECT_EQ(translated(r, {{"dtoc(", kTokFunction}, {"&D", kTokVariable}, {")", kTokClose}}),
            "localUtil.dtoc( D) : [char,254,0,0]");
  // A parameter without a default takes the empty value of its type.
  EXPECT_EQ(translated(r, {{"padr(", kTokFunction}, {"&Name", kTokVariable}, {")", kTokClose}}),
            "QNutil.padr( Name, 0, \" \") : [char,254,0,0]");
}

TEST(Expressions, ConditionsAndBlocks) {
  ExprRun r(kVars);
  const ExprCtx ctx;
  ASSERT_TRUE(emit_if(r.run, Term::nil(), ctx));
  ASSERT_TRUE(emit_while(
      r.run, toks({{"&A", kTokVariable}, {">", kTokCompare}, {"1", kTokConstant}}), ctx));
  ASSERT_TRUE(emit_else(r.run));
  ASSERT_TRUE(
      emit_if(r.run, toks({{"&A", kTokVariable}}), ctx));  // an int alone is compared with 0
  ASSERT_TRUE(emit_close_blocks(r.run, num(3)));
  ASSERT_TRUE(
      emit_if(r.run, toks({{"&A", kTokVariable}, {"+", kTokAddOp}}), ctx));  // a parse error
  ASSERT_TRUE(emit_close_blocks(r.run, term("[a, b]")));
  // "*/" inside the comment would end it.
  ASSERT_TRUE(emit_if(r.run, toks({{"a*/b", 42}, {"c", 42}}), ctx));
  ASSERT_TRUE(emit_close_brace(r.run));
  ASSERT_TRUE(emit_continue(r.run));
  ASSERT_TRUE(emit_return(r.run, "0"));
  EXPECT_EQ(r.lines(), (std::vector<std::string>{
                           "if ( true )",
                           "{",
                           "   while ( ( A > 1 ) )",
                           "   {",
                           "   }",
                           "   else",
                           "   {",
                           "      if ( ( A != 0 ) )",
                           "      {",
                           "      }",
                           "   }",
                           "}",
                           "/*",
                           "Generation error:",
                           "================",
                           "Fail to edit expression.",
                           "t( &A, 23) t( +, 5)",
                           "*/",
                           "if ( false )",
                           "{",
                           "}",
                           "}",
                           "/*",
                           "Generation error:",
                           "================",
                           "Fail to edit expression.",
                           "t( a* /b, 42) t( c, 42)",
                           "*/",
                           "if ( false )",
                           "{",
                           "}",
                           "continue;",
                           "return 0 ;",
                       }));
}

TEST(Expressions, DoCase) {
  ExprRun r(kVars);
  const ExprCtx ctx;
  do_case_begin(r.run);
  do_case_case(r.run, toks({{"&A", kTokVariable}, {"=", kTokCompare}, {"1", kTokConstant}}), ctx);
  do_case_case(r.run, toks({{"&A", kTokVariable}, {"=", kTokCompare}, {"2", kTokConstant}}), ctx);
  do_case_otherwise(r.run);
  do_case_end(r.run);
  EXPECT_EQ(r.lines(),
            (std::vector<std::string>{"if ( ( A == 1 ) )", "{", "}", "else if ( ( A == 2 ) )", "{",
                                      "}", "else", "{", "}"}));
}

TEST(Expressions, Assignments) {
  ExprRun r(
      kVars +
      std::string("lit_i(1, 1, t('&Name', 23), [ctrltype(edit, 0)]). pgm_id([1, scr, 'W'])."));
  const ExprCtx ctx;
  EXPECT_TRUE(assign_var(r.run, atom("&A"),
                         toks({{"&B", kTokVariable}, {"*", kTokMulOp}, {"2", kTokConstant}})));
  EXPECT_TRUE(
      assign_var(r.run, atom("&B"), toks({{"&C", kTokVariable}})));  // a narrower target: cast
  EXPECT_TRUE(assign_var(r.run, atom("&A"), toks({{"&A", kTokVariable}})));  // itself: nothing
  EXPECT_TRUE(assign_var(r.run, atom("&Name"), Term::nil()));  // no value: the empty value
  EXPECT_TRUE(
      assign_var(r.run, atom("&D"), toks({{"&T", kTokVariable}})));  // the date of a date-time
  EXPECT_TRUE(assign_var(r.run, atom("&A"),
                         toks({{"&A", kTokVariable}, {"+", kTokAddOp}})));  // cannot be translated
  EXPECT_TRUE(assign_unless_mode(r.run, atom("&Mode"), toks({{"'INS'", kTokConstant}})));
  EXPECT_EQ(r.lines(), (std::vector<std::string>{
                           "A = B*2 ;",
                           "B = (short)(C) ;",
                           "Name = \"\" ;",
                           "edtName.setValue(Name);",
                           "D = QNutil.resetDate(T) ;",
                           "/*",
                           "Generation error:",
                           "================",
                           "Fail to assign value to: A",
                           "Internal variable type: [int,5,0,1]",
                           "*/",
                       }));
}

// The options that add run-time checks and traces, on and off.
TEST(Expressions, ArrayIndexChecksAndTraces) {
  const std::vector<std::string> check = {
      "if ( B > 10 || B < 1)", "{", "   System.out.println( \"Index of Arr out of range.\" );",
      "   System.exit( 2 );", "}"};
  const std::string assignment = "A = Arr[B-1]+Arr0[1][A] ;";
  struct Case {
    const char* options;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {assignment, "return A ;"}},
      {"rule_i(1, prop('CHECK_ARRAY_INDEXES', 'Y')). ", {assignment, "return A ;"}},
      {"rule_i(1, prop('GEN_DEBUG_INFO', 'Yes')). ",
       {assignment, "QN_dbg( 1 , \"Returning to caller\" );", "return A ;"}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.options);
    if (*c.options) c.lines.insert(c.lines.begin(), check.begin(), check.end());
    // Arr0 has base 0: no offset, so no check.
    ExprRun r(kVars + std::string(c.options));
    EXPECT_TRUE(assign_var(r.run, atom("&A"),
                           toks({{"&Arr", kTokVariable},
                                 {"&B", kTokVariable},
                                 {")", kTokClose},
                                 {"+", kTokAddOp},
                                 {"&Arr0", kTokVariable},
                                 {"1", kTokConstant},
                                 {",", kTokComma},
                                 {"&A", kTokVariable},
                                 {")", kTokClose}})));
    EXPECT_TRUE(emit_return(r.run, "A"));
    EXPECT_EQ(r.lines(), c.lines);
  }
}

TEST(Expressions, PlusMinusTextsAndNullValues) {
  ExprRun r(kVars + std::string("attri_i(qty, ['Qty', int, 4, 0, '', 1]). "));
  EXPECT_EQ(split_plus_minus(r.run, "&A+QTY-1", {}), "A+Qty-1");
  EXPECT_EQ(split_plus_minus(r.run, "-&B+x", {}), "-B+x");
  EXPECT_EQ(split_plus_minus(r.run, "", {}), "");
  // No null indicators in this generator.
  EXPECT_FALSE(gen_nullvalue_assign(r.run, atom("&A"), "A"));
  EXPECT_EQ(null_indicator_name(r.run, atom("&A")), "");
  EXPECT_TRUE(cs_connect_hook(r.run));
  EXPECT_TRUE(r.lines().empty());
}

}  // namespace
}  // namespace qn::logic

namespace qn::logic {
namespace {

struct NavRun {
  explicit NavRun(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text(facts, false));
    run.capture_output();
    // The cursor that reads customer, and the auxiliary of custid.
    EXPECT_TRUE(eng.consult_text(
        "c_num_i(0, [customer], [ccustomer]). p_auxname(custid, 'ACustId').", false));
  }
  engine::Engine eng;
  Run run;
};

// eof( and noteof( of a table, t_a( and a standard variable's name.
TEST(Expressions, TableFunctions) {
  NavRun r("attri_i(today, ['Today', date, 8, 0, '', 1]). "
           "attri_i(custid, ['CustId', int, 6, 0, '', 1]).");
  const auto text = [&](const char* tokens) {
    auto x = exp_to_java(r.run, *engine::parse_term(tokens), {});
    return x ? join_pieces(x->pieces) : std::string("fail");
  };
  EXPECT_EQ(text("[t('eof(', 1), t(customer, 2), t(')', 4)]"), "ccustomer.eof()");
  EXPECT_EQ(text("[t('noteof(', 1), t(customer, 2), t(')', 4)]"), "!ccustomer.eof()");
  EXPECT_EQ(text("[t('t_a(', 1), t(customer, 2), t(',', 7), t(custid, 2), t(')', 4)]"),
            "ACustId");
  EXPECT_EQ(att_ref_name(r.run, engine::Term::atom("today"), engine::Term::integer(0), "->"),
            "Today");
  EXPECT_EQ(att_ref_name(r.run, engine::Term::atom("nothing"), engine::Term::nil(), "->"),
            std::nullopt);
}

// A formula's alternatives nest as if / else; a holder takes the value.
TEST(Expressions, AssignStatement) {
  const char* x = "attri_i('&X', ['&X', int, 9, 0, '', 1]). attri_i('&H', ['&H', int, 9, 0, '', 1]).";
  const auto alt = [](const char* v, const char* c) {
    return "[[t('" + std::string(v) + "', 3)], " + c + "]";
  };
  const std::string cond = "[t('&X', 23), t('>', 10), t('1', 3)]";
  struct Case {
    std::string formula;
    bool held;
    std::vector<std::string> expected;
  } cases[] = {
      {"[" + alt("5", "[]") + "]", false, {"X = 5 ;"}},
      {"[" + alt("5", "[]") + "]", true, {"H = 5 ;"}},
      {"[" + alt("5", cond.c_str()) + "]", false, {"if ( ( X > 1 ) )", "{", "   X = 5 ;", "}"}},
      {"[" + alt("5", cond.c_str()) + ", " + alt("6", "[]") + "]",
       false,
       {"if ( ( X > 1 ) )", "{", "   X = 5 ;", "}", "else", "{", "   X = 6 ;", "}"}},
      {"[]", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.formula);
    // Held: the attribute is a formula of level 1 with its auxiliary.
    NavRun r(std::string(x) + (c.held ? " a_i(f1, 1, f, '&X', x, []). p_auxname('&X', '&H')." : ""));
    gen_assign_stmt(r.run, engine::Term::atom("&X"), engine::Term::integer(0), engine::Term::nil(),
                    *engine::parse_term(c.formula), engine::Term::nil(), engine::Term::integer(1),
                    engine::Term::nil(), engine::Term::nil());
    EXPECT_EQ(r.run.capture()->all_lines(), c.expected);
  }
}

}  // namespace
}  // namespace qn::logic
