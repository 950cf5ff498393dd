#include "logic/java/java_types.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

using engine::Term;

Term t(const char* text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
  }
  std::vector<std::string> lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

TEST(JavaTypes, JavaVariableTypes) {
  struct Case {
    const char* type;
    int64_t length, decimals;
    const char* java;
  } cases[] = {
      {"int", 2, 0, "byte"},
      {"pac", 3, 0, "short"},
      {"zon", 4, 0, "short"},
      {"bin", 9, 0, "int"},
      {"int", 10, 0, "long"},
      {"int", 19, 0, "long"},
      {"int", 20, 0, "double"},
      {"int", 3, 2, "double"},
      {"int", 1, 1, "double"},
      {"char", 20, 0, "String"},
      {"vchar", 500, 0, "String"},
      {"svchar", 5, 0, "String"},
      {"bits", 5, 0, "String"},
      {"date", 8, 0, "java.util.Date"},
      {"dtime", 10, 8, "java.util.Date"},
      {"boolean", 1, 0, "boolean"},
      {"filep", 4, 0, "int"},
      {"obj('QNSubfile')", 0, 0, "QNSubfile"},
      {"blob", 0, 0, "Undefined"},
      {"char", 1000000, 0, "Undefined"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.length) + "." +
                 std::to_string(c.decimals));
    EXPECT_EQ(get_c_type(t(c.type), c.length, c.decimals), c.java);
  }
  EXPECT_EQ(java_type_name(t("date"), 8, 0), "Date");
  EXPECT_EQ(java_type_name(t("dtime"), 8, 0), "Date");
  EXPECT_EQ(java_type_name(t("blob"), 0, 0), "BLOBFile");
  EXPECT_EQ(java_type_name(t("int"), 4, 0), "short");
  EXPECT_EQ(accessor_type_name(t("dtime"), 8, 0), "Timestamp");
  EXPECT_EQ(accessor_type_name(t("char"), 8, 0), "String");
}

TEST(JavaTypes, JdbcTypeEveryRow) {
  // DTASRC 4 is as400 through the db2400 driver, 7 oracle7 (qeoracle7), 12
  // sqlserver (qesqlserver), 5 db2 (db2cae).
  const std::string as400 = "rule_i(0, prop('DTASRC', '4')).";
  struct Case {
    std::string facts;
    const char* type;
    std::optional<std::string> constant;
  } cases[] = {
      {"", "int", "Types.NUMERIC"},
      {"", "pac", "Types.NUMERIC"},  // numeric before the pack row
      {"", "pack", "Types.DECIMAL"},
      {as400, "char", "Types.CHAR"},
      {"", "char", "Types.VARCHAR"},
      {as400, "date", "Types.CHAR"},
      {"rule_i(0, prop('DTASRC', '7')).", "date", "Types.TIMESTAMP"},
      {"rule_i(0, prop('DTASRC', '12')).", "date", "Types.TIMESTAMP"},
      {"rule_i(0, prop('DTASRC', '5')).", "date", "Types.DATE"},
      {"", "dtime", "Types.TIMESTAMP"},
      {"", "boolean", "Types.BIT"},
      {as400, "vchar", "Types.VARCHAR"},
      {"", "vchar", "Types.LONGVARCHAR"},
      {"", "svchar", "Types.VARCHAR"},
      {"", "bits", "Types.VARCHAR"},
      {"", "blob", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.type);
    Fixture f(c.facts);
    EXPECT_EQ(jdbc_type(f.run, t(c.type), 10, 0), c.constant);
  }
}

TEST(JavaTypes, WrappersSmallestValuesAndTypeConstants) {
  struct Case {
    const char* java;
    std::optional<std::string> wrapper, min;
  } cases[] = {
      {"byte", "Byte", "Byte.MIN_VALUE"},
      {"short", "Short", "Short.MIN_VALUE"},
      {"int", "Integer", "Integer.MIN_VALUE"},
      {"long", "Long", "Long.MIN_VALUE"},
      {"double", "Double", "Double.MIN_VALUE"},
      {"String", {}, {}},
      {"java.util.Date", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.java);
    EXPECT_EQ(wrapper_class(c.java), c.wrapper);
    EXPECT_EQ(min_value(c.java), c.min);
  }
  struct Qn {
    const char* type;
    std::optional<std::string> constant;
  } qn[] = {{"zon", "QNTypeConstants.NUMERIC"},
            {"char", "QNTypeConstants.CHAR"},
            {"svchar", "QNTypeConstants.VARCHAR"},
            {"vchar", "QNTypeConstants.LONGVARCHAR"},
            {"dtime", "QNTypeConstants.DATETIME"},
            {"date", "QNTypeConstants.DATE"},
            {"boolean", std::nullopt}};
  for (const Qn& c : qn) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(qn_type_constant(t(c.type)), c.constant);
  }
}

TEST(JavaTypes, HoldersAndHolderExpressions) {
  struct Holder {
    const char* name;
    const char* type;
  } holders[] = {
      {"QNByte", "[int,2,0,0]"},
      {"QNShort", "[int,4,0,0]"},
      {"QNInt", "[int,9,0,0]"},
      {"QNLong", "[int,19,0,0]"},
      {"QNDouble", "[int,999999,999999,0]"},
      {"QNString", "[char,1,0,0]"},
      {"QNDate", "[date,8,0,0]"},
      {"QNFloat", "[]"},
  };
  for (const Holder& h : holders) {
    SCOPED_TRACE(h.name);
    auto c = holder_class(h.name);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->setter, "setValue");
    EXPECT_EQ(c->getter, "getValue");
    EXPECT_EQ(engine::writeq(c->type), h.type);
  }
  EXPECT_FALSE(holder_class("QNBoolean"));

  Fixture f;
  struct Obj {
    const char* type;
    int64_t length, decimals;
    const char* holder;
  } objs[] = {{"int", 2, 0, "QNByte"},  {"int", 4, 0, "QNShort"},    {"int", 9, 0, "QNInt"},
              {"int", 12, 0, "QNLong"}, {"int", 5, 2, "QNDouble"},   {"char", 9, 0, "QNString"},
              {"date", 8, 0, "QNDate"}, {"blob", 0, 0, "QNBlobfile"}};
  for (const Obj& o : objs) {
    SCOPED_TRACE(o.holder);
    EXPECT_EQ(get_qnnum_obj(f.run, t(o.type), o.length, o.decimals), o.holder);
  }
  Fixture in_call("call_type_i(int).");
  EXPECT_EQ(get_qnnum_obj(in_call.run, t("int"), 4, 0), std::nullopt);

  struct Expr {
    const char* type;
    int64_t length, decimals;
    const char* value;
    const char* expr;
  } exprs[] = {
      {"int", 9, 0, "5", "new Integer(5)"},
      {"int", 4, 0, "5", "new Short((short)(5))"},
      {"int", 2, 0, "1", "new Byte((byte)(1))"},
      {"int", 15, 0, "7", "new Long((long)(7))"},
      {"int", 7, 2, "1.5", "new Double((double)(1.5))"},
      {"char", 5, 0, "abc", "\"abc\""},
      {"date", 8, 0, "01/02/03", "localUtil.ctod(\"01/02/03\")"},
      {"dtime", 10, 8, "01/02/03 10:00", "localUtil.ctot(\"01/02/03 10:00\")"},
  };
  for (const Expr& e : exprs) {
    SCOPED_TRACE(e.expr);
    EXPECT_EQ(new_holder_expr(t(e.type), e.length, e.decimals, e.value), e.expr);
  }
}

TEST(JavaTypes, StandardConstants) {
  struct Case {
    const char* name;
    const char* java;
    const char* type;
  } cases[] = {
      {"QNutil.nullDate()", "QNutil.nullDate()", "[date,8,0,0]"},
      {"QNutil.replicate(\" \", 5)", "QNutil.replicate(\" \", 5)", "[char,8,0,0]"},
      {"Qnnewline", "QN_nl", "[char,4,0,0]"},
      {"Qnnullvchar", "QN_null_vchar", "[vchar,1,0,0]"},
      {"Qnnulldtime", "QN_null_dtime", "[dtime,10,8,0]"},
      {"Qnnulldate", "QN_null_date", "[date,8,0,0]"},
      {"Qnnullchar", "QN_null_char", "[char,1,0,0]"},
      {"Qnnullsvchar", "QN_null_svchar", "[svchar,1,0,0]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto v = std_null_var(c.name);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->java, c.java);
    EXPECT_EQ(engine::writeq(v->type), c.type);
  }
  EXPECT_FALSE(std_null_var("Qnnullint"));
}

TEST(JavaTypes, Casts) {
  EXPECT_EQ(cast_expr(t("[int, 4, 0]"), "x"),
            (std::vector<std::string>{"(", "short", ")(", "x", ")"}));
  EXPECT_EQ(cast_expr(t("[char, 4, 0, 1]"), "x"), (std::vector<std::string>{"x"}));
  EXPECT_EQ(cast_expr(t("[vchar, 40, 0, 1]"), "x"),
            (std::vector<std::string>{"(", "String", ")(", "x", ")"}));
}

TEST(JavaTypes, StatementSetters) {
  const std::string as400 = "rule_i(0, prop('DTASRC', '4')). ";
  struct Case {
    std::string facts;
    const char* kind;
    const char* type;
    int64_t length, decimals;
    const char* line;  // nullptr: the setter fails
  } cases[] = {
      {"", "sel", "int", 4, 0, "stmt.setShort(3, v);"},
      {"", "sel", "int", 12, 0, "stmt.setLong(3, v);"},
      {"", "sel", "zon", 7, 2, "stmt.setDouble(3, v);"},
      {as400, "sel", "int", 9, 0, "stmt.setInt(3, v);"},
      {as400, "call", "pac", 9, 0, "stmt.setInt(3, v);"},
      {"", "call", "int", 9, 0, "stmt.setInt(3, v);"},
      {as400, "call", "int", 9, 2,
       "stmt.setBigDecimal(3, new java.math.BigDecimal(v).setScale(2, "
       "java.math.BigDecimal.ROUND_HALF_DOWN));"},
      {"", "sel", "svchar", 5, 0, "stmt.setVarchar(3, v);"},
      {"rule_i(0, prop(truncatecharparm, '0')).", "sel", "svchar", 5, 0,
       "stmt.setString(3, v, 5);"},
      {"", "sel", "char", 20, 0, "stmt.setString(3, v, 20);"},
      {"", "sel", "bits", 8, 0, "stmt.setString(3, v, 8);"},
      {"", "sel", "vchar", 200, 0, "stmt.setLongVarchar(3, v);"},
      {"", "sel", "dtime", 0, 0, "stmt.setDateTime(3, v, true);"},
      {"", "sel", "dtime", 10, 8, "stmt.setDateTime(3, v, false);"},
      {"", "sel", "date", 8, 0, "stmt.setDate(3, v);"},
      {"", "sel", "blob", 0, 0, "stmt.setBLOBFile(3, v);"},
      {"", "sel", "boolean", 1, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.kind + " " + c.type);
    Fixture f(c.facts);
    EXPECT_EQ(stmt_setter_call(f.run, c.kind, t(c.type), c.length, c.decimals, "stmt", "3", "v"),
              c.line != nullptr);
    EXPECT_EQ(f.lines(),
              (std::vector<std::string>{c.line ? c.line : "/* -> undefined parameter type */"}));
  }
}

TEST(JavaTypes, ResultGetters) {
  const std::string as400 = "rule_i(0, prop('DTASRC', '4')). ";
  struct Case {
    std::string facts;
    const char* kind;
    const char* type;
    int64_t length, decimals;
    std::optional<std::string> expr;
  } cases[] = {
      {"", "sel", "int", 9, 0, "rs.getInt(2)"},
      {"", "sel", "int", 3, 1, "rs.getDouble(2)"},
      {as400, "call", "int", 4, 0, "rs.getBigDecimal(2, 0).shortValue()"},
      {as400, "sel", "int", 4, 0, "rs.getShort(2)"},
      {"", "sel", "svchar", 5, 0, "rs.getString(2, 5)"},
      {"", "sel", "char", 20, 0, "rs.getString(2, 20)"},
      {"", "sel", "vchar", 200, 0, "rs.getLongVarchar(2)"},
      {"", "sel", "dtime", 0, 0, "rs.getQNDateTime(2)"},
      {"", "sel", "dtime", 10, 8, std::nullopt},
      {"", "sel", "date", 8, 0, "rs.getQNDate(2)"},
      {"", "sel", "blob", 0, 0, "rs.getBLOBFile(2)"},
      {"", "sel", "boolean", 1, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.kind + " " + c.type);
    Fixture f(c.facts);
    EXPECT_EQ(rslt_getter_call(f.run, c.kind, t(c.type), c.length, c.decimals, "2", "rs"), c.expr);
  }
}

}  // namespace
}  // namespace qn::logic
