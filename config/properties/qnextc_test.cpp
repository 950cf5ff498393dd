#include "config/properties/qnextc.h"

#include <gtest/gtest.h>

#include "config/properties/variant_value.h"

namespace qn::config {
namespace {

using namespace com;

VariantValue of(VARTYPE vt) {
  VariantValue v;
  v->vt = vt;
  v->llVal = 0;
  return v;
}

VariantValue cy(LONGLONG n) {
  VariantValue v;
  v->vt = VT_CY;
  v->cyVal.int64 = n;
  return v;
}

VariantValue ui1(BYTE b) {
  VariantValue v;
  v->vt = VT_UI1;
  v->bVal = b;
  return v;
}

TEST(QnextCompare, MixedTypes) {
  struct Case {
    const char* name;
    VariantValue a, b;
    int expect;
  };
  const Case cases[] = {
      {"i2 -1 = i4 -1", VariantValue::i2(-1), VariantValue::i4(-1), kCmpEqual},
      {"true = i2 -1", VariantValue::boolean(true), VariantValue::i2(-1), kCmpEqual},
      {"false < ui1 1", VariantValue::boolean(false), ui1(1), kCmpLess},
      {"r8 2.5 > i4 2", VariantValue::r8(2.5), VariantValue::i4(2), kCmpGreater},
      {"cy 1.5 = r8 1.5", cy(15000), VariantValue::r8(1.5), kCmpEqual},
      {"texts by bytes", VariantValue::text("B"), VariantValue::text("a"), kCmpLess},
      {"text prefix", VariantValue::text("ab"), VariantValue::text("abc"), kCmpLess},
      {"text number vs number", VariantValue::text(" 10 "), VariantValue::i4(9), kCmpGreater},
      {"number vs text number", VariantValue::i4(9), VariantValue::text("10"), kCmpLess},
      {"text vs number as texts", VariantValue::text("abc"), VariantValue::i4(5), kCmpGreater},
      {"empty vs 0", of(VT_EMPTY), VariantValue::i4(0), kCmpEqual},
      {"empty vs -1", of(VT_EMPTY), VariantValue::i2(-1), kCmpGreater},
      {"empty vs empty text", of(VT_EMPTY), VariantValue::text(""), kCmpEqual},
      {"empty vs text", VariantValue::text("x"), of(VT_EMPTY), kCmpGreater},
      {"empty vs empty", of(VT_EMPTY), of(VT_EMPTY), kCmpEqual},
      {"null vs empty", of(VT_NULL), of(VT_EMPTY), kCmpIncomparable},
      {"null vs null", of(VT_NULL), of(VT_NULL), kCmpEqual},
      {"error vs i4", VariantValue::error(0), VariantValue::i4(0), kCmpIncomparable},
      {"error vs error", VariantValue::error(0), VariantValue::error(0), kCmpEqual},
      {"object vs text", of(VT_DISPATCH), VariantValue::text(""), kCmpIncomparable},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareVariants(*c.a, *c.b), c.expect) << c.name;
}

TEST(QnextDecrypt, Pairs) {
  struct Case {
    const char* saved;
    const char* plain;
  };
  // 'Q' ^ 's' = 0x22, 'N' ^ 'a' = 0x2F; the key cycles after 16 bytes.
  const Case cases[] = {
      {"222F", "sa"},   {"222f", "sa"}, {"", ""}, {"222", "222"},  // odd length: left as it is
      {"22ZF", "22ZF"},                                            // not hex: left as it is
      {"514E", ""},  // the key itself gives NUL, read up to it
  };
  for (const auto& c : cases) EXPECT_EQ(decrypt_text(c.saved), c.plain) << c.saved;
  const std::string longer = "a password longer than the key";
  EXPECT_EQ(encrypt_text("sa"), "222F");
  EXPECT_EQ(decrypt_text(encrypt_text(longer)), longer);
}

}  // namespace
}  // namespace qn::config
