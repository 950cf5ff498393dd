#include "platform/com/variant.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace qn::com {
namespace {

// A VARIANT that clears itself.
struct Var : VARIANT {
  Var() { VariantInit(this); }
  ~Var() { VariantClear(this); }
  Var(const Var&) = delete;
  Var& operator=(const Var&) = delete;
};

void set_text(Var& v, std::string_view text) {
  VariantClear(&v);
  v.vt = VT_BSTR;
  v.bstrVal = bstr_from_1252(text);
}

TEST(ComBstr, LengthPrefixAndZero) {
  BSTR s = SysAllocString(u"ab");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(SysStringLen(s), 2u);
  EXPECT_EQ(SysStringByteLen(s), 4u);
  std::uint32_t prefix;
  std::memcpy(&prefix, reinterpret_cast<char*>(s) - 4, 4);
  EXPECT_EQ(prefix, 4u);
  EXPECT_EQ(s[2], 0);
  SysFreeString(s);

  // Embedded zeros count; a null source gives zeros of that length.
  BSTR z = SysAllocStringLen(u"a\0b", 3);
  EXPECT_EQ(SysStringLen(z), 3u);
  EXPECT_EQ(z[2], u'b');
  SysFreeString(z);
  BSTR blank = SysAllocStringLen(nullptr, 2);
  EXPECT_EQ(blank[0], 0);
  EXPECT_EQ(SysStringLen(blank), 2u);
  SysFreeString(blank);

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
  EXPECT_EQ(text_1252_of(nullptr), "");

  BSTR euro = bstr_from_1252("\x80 \xE9");
  EXPECT_EQ(euro[0], 0x20AC);
  EXPECT_EQ(text_1252_of(euro), "\x80 \xE9");
  SysFreeString(euro);

  // A class reads the text up to its first NUL.
  BSTR cut = SysAllocStringLen(u"ab\0cd", 5);
  EXPECT_EQ(text_1252_of(cut), "ab");
  SysFreeString(cut);
}

TEST(ComVariant, CopyAndClear) {
  Var a, b;
  set_text(a, "hello");
  ASSERT_EQ(VariantCopy(&b, &a), S_OK);
  EXPECT_EQ(b.vt, VT_BSTR);
  EXPECT_NE(b.bstrVal, a.bstrVal);
  EXPECT_EQ(text_1252_of(b.bstrVal), "hello");
  // Copying over a text frees the old one (the sanitizer build sees a leak otherwise).
  ASSERT_EQ(VariantCopy(&b, &a), S_OK);
  EXPECT_EQ(VariantClear(&a), S_OK);
  EXPECT_EQ(a.vt, VT_EMPTY);
  EXPECT_EQ(text_1252_of(b.bstrVal), "hello");
}

// Builds a source value.
using Maker = std::function<void(Var&)>;
Maker i2(SHORT n) {
  return [n](Var& v) {
    v.vt = VT_I2;
    v.iVal = n;
  };
}
Maker i4(LONG n) {
  return [n](Var& v) {
    v.vt = VT_I4;
    v.lVal = n;
  };
}
Maker ui1(BYTE n) {
  return [n](Var& v) {
    v.vt = VT_UI1;
    v.bVal = n;
  };
}
Maker r8(double d) {
  return [d](Var& v) {
    v.vt = VT_R8;
    v.dblVal = d;
  };
}
Maker r4(float d) {
  return [d](Var& v) {
    v.vt = VT_R4;
    v.fltVal = d;
  };
}
Maker cy(LONGLONG n) {
  return [n](Var& v) {
    v.vt = VT_CY;
    v.cyVal.int64 = n;
  };
}
Maker boolean(bool b) {
  return [b](Var& v) {
    v.vt = VT_BOOL;
    v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  };
}
Maker text(const char* t) {
  return [t](Var& v) { set_text(v, t); };
}
Maker of_type(VARTYPE vt) {
  return [vt](Var& v) {
    v.vt = vt;
    v.lVal = 0;
  };
}

TEST(ComVariant, ToText) {
  struct Case {
    const char* name;
    Maker make;
    const char* expect;  // null: the conversion fails
  };
  const Case cases[] = {
      {"empty", of_type(VT_EMPTY), ""},
      {"i2 negative", i2(-12), "-12"},
      {"i4", i4(2147483647), "2147483647"},
      {"ui1", ui1(255), "255"},
      {"true", boolean(true), "True"},
      {"false", boolean(false), "False"},
      {"real", r8(1.5), "1.5"},
      {"real whole", r8(3), "3"},
      {"real fifteen digits", r8(0.1 + 0.2), "0.3"},
      {"real negative small", r8(-0.000125), "-0.000125"},
      {"single", r4(0.1f), "0.1"},
      {"currency", cy(-123450), "-12.345"},
      {"currency whole", cy(20000), "2"},
      {"text", text("a b"), "a b"},
      {"null", of_type(VT_NULL), nullptr},
      {"error", of_type(VT_ERROR), nullptr},
      {"decimal", of_type(VT_DECIMAL), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Var v;
    c.make(v);
    Var out;
    HRESULT hr = VariantChangeType(&out, &v, 0, VT_BSTR);
    if (!c.expect) {
      EXPECT_TRUE(FAILED(hr));
      EXPECT_EQ(out.vt, VT_EMPTY);
      continue;
    }
    ASSERT_EQ(hr, S_OK);
    ASSERT_EQ(out.vt, VT_BSTR);
    EXPECT_EQ(text_1252_of(out.bstrVal), c.expect);
  }
}

TEST(ComVariant, ToNumber) {
  struct Case {
    const char* name;
    Maker make;
    VARTYPE vt;
    HRESULT hr;
    double expect;  // read back as a real
  };
  const Case cases[] = {
      {"text i4", text("  -42 "), VT_I4, S_OK, -42},
      {"text plus sign", text("+7"), VT_I2, S_OK, 7},
      {"text real", text("2.5"), VT_R8, S_OK, 2.5},
      {"text exponent", text("1e3"), VT_I4, S_OK, 1000},
      {"text fraction rounds half to even", text("2.5"), VT_I4, S_OK, 2},
      {"text two numbers", text("1 2"), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"text trailing letter", text("12a"), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"text empty", text(""), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"text blanks", text("  "), VT_R8, DISP_E_TYPEMISMATCH, 0},
      {"text sign only", text("-"), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"text comma decimal", text("1,5"), VT_R8, DISP_E_TYPEMISMATCH, 0},
      {"text too big for i2", text("40000"), VT_I2, DISP_E_OVERFLOW, 0},
      {"text negative to ui1", text("-1"), VT_UI1, DISP_E_OVERFLOW, 0},
      {"text True to bool", text("true"), VT_BOOL, S_OK, -1},
      {"text number to bool", text("0"), VT_BOOL, S_OK, 0},
      {"text True to i4", text("True"), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"i4 to i2 overflow", i4(32768), VT_I2, DISP_E_OVERFLOW, 0},
      {"i4 to i2", i4(-32768), VT_I2, S_OK, -32768},
      {"real rounds", r8(-1.5), VT_I4, S_OK, -2},
      {"real too big", r8(3e9), VT_I4, DISP_E_OVERFLOW, 0},
      {"bool to i4", boolean(true), VT_I4, S_OK, -1},
      {"i4 to bool", i4(5), VT_BOOL, S_OK, -1},
      {"empty to i4", of_type(VT_EMPTY), VT_I4, S_OK, 0},
      {"currency to r8", cy(12345), VT_R8, S_OK, 1.2345},
      {"text to currency", text("1.23456"), VT_CY, S_OK, 12346},
      {"null to i4", of_type(VT_NULL), VT_I4, DISP_E_TYPEMISMATCH, 0},
      {"error to i4", of_type(VT_ERROR), VT_I4, DISP_E_TYPEMISMATCH, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Var v;
    c.make(v);
    Var out;
    ASSERT_EQ(VariantChangeType(&out, &v, 0, c.vt), c.hr);
    if (FAILED(c.hr)) {
      EXPECT_EQ(out.vt, VT_EMPTY);
      continue;
    }
    ASSERT_EQ(out.vt, c.vt);
    Var back;
    if (c.vt == VT_CY) {
      EXPECT_EQ(out.cyVal.int64, static_cast<LONGLONG>(c.expect));
    } else {
      ASSERT_EQ(VariantChangeType(&back, &out, 0, VT_R8), S_OK);
      EXPECT_DOUBLE_EQ(back.dblVal, c.expect);
    }
  }
}

TEST(ComVariant, InPlaceConversion) {
  Var v;
  set_text(v, " 17 ");
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I4), S_OK);
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 17);
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
  EXPECT_EQ(text_1252_of(v.bstrVal), "17");
  // A failed conversion leaves the value as it was.
  set_text(v, "abc");
  EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I4), DISP_E_TYPEMISMATCH);
  ASSERT_EQ(v.vt, VT_BSTR);
  EXPECT_EQ(text_1252_of(v.bstrVal), "abc");
}

}  // namespace
}  // namespace qn::com
