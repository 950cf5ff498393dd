#include "platform/com/safearray.h"

#include <gtest/gtest.h>

#include "platform/com/unknown.h"

namespace qn::com {
namespace {

TEST(SafeArray, BoundsAndElements) {
  struct Case {
    VARTYPE vt;
    LONG lbound;
    ULONG count;
  };
  const Case cases[] = {{VT_UI1, 0, 3}, {VT_VARIANT, 1, 2}, {VT_UI1, -5, 0}, {VT_VARIANT, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vt << " " << c.lbound << " " << c.count);
    SAFEARRAY* a = SafeArrayCreateVector(c.vt, c.lbound, c.count);
    ASSERT_NE(a, nullptr);
    LONG lo = 0, hi = 0;
    EXPECT_EQ(SafeArrayGetDim(a), 1u);
    EXPECT_EQ(SafeArrayGetLBound(a, 1, &lo), S_OK);
    EXPECT_EQ(SafeArrayGetUBound(a, 1, &hi), S_OK);
    EXPECT_EQ(lo, c.lbound);
    EXPECT_EQ(hi, c.lbound + static_cast<LONG>(c.count) - 1);
    EXPECT_EQ(SafeArrayGetLBound(a, 2, &lo), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayGetUBound(a, 0, &hi), DISP_E_BADINDEX);
    VARTYPE vt = 0;
    EXPECT_EQ(SafeArrayGetVartype(a, &vt), S_OK);
    EXPECT_EQ(vt, c.vt);
    // Just outside on either side.
    VARIANT v;
    VariantInit(&v);
    LONG below = c.lbound - 1, above = c.lbound + static_cast<LONG>(c.count);
    EXPECT_EQ(SafeArrayGetElement(a, &below, &v), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayPutElement(a, &above, &v), DISP_E_BADINDEX);
    if (c.count > 0) {
      LONG last = hi;
      if (c.vt == VT_UI1) {
        BYTE b = 0xA5, back = 0;
        EXPECT_EQ(SafeArrayPutElement(a, &last, &b), S_OK);
        EXPECT_EQ(SafeArrayGetElement(a, &last, &back), S_OK);
        EXPECT_EQ(back, 0xA5);
      } else {
        v.vt = VT_BSTR;
        v.bstrVal = bstr_from_1252("caf\xE9");
        EXPECT_EQ(SafeArrayPutElement(a, &last, &v), S_OK);  // copied in
        VariantClear(&v);
        EXPECT_EQ(SafeArrayGetElement(a, &lo, &v), S_OK);
        EXPECT_EQ(v.vt, VT_EMPTY);
        EXPECT_EQ(SafeArrayGetElement(a, &last, &v), S_OK);  // copied out
        EXPECT_EQ(text_1252_of(v.bstrVal), "caf\xE9");
        VariantClear(&v);
      }
    }
    EXPECT_EQ(SafeArrayDestroy(a), S_OK);  // frees the text still held
  }
  EXPECT_EQ(SafeArrayCreateVector(VT_I4, 0, 1), nullptr);  // only bytes and values
}

TEST(SafeArray, LockedArrayIsNotDestroyed) {
  SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 0, 4);
  void* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(a, &data), S_OK);
  static_cast<BYTE*>(data)[2] = 7;
  EXPECT_EQ(SafeArrayDestroy(a), DISP_E_ARRAYISLOCKED);
  EXPECT_EQ(SafeArrayUnaccessData(a), S_OK);
  EXPECT_EQ(SafeArrayUnaccessData(a), E_UNEXPECTED);
  LONG i = 2;
  BYTE b = 0;
  EXPECT_EQ(SafeArrayGetElement(a, &i, &b), S_OK);
  EXPECT_EQ(b, 7);
  EXPECT_EQ(SafeArrayDestroy(a), S_OK);
}

// Values own their arrays and count their objects.
struct Counted final : IUnknown {
  ULONG refs = 1;
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override { return --refs; }
};

TEST(SafeArray, ValuesCopyAndClearArraysAndObjects) {
  Counted obj;
  VARIANT unk;
  unk.vt = VT_UNKNOWN;
  unk.punkVal = &obj;
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &unk), S_OK);
  EXPECT_EQ(obj.refs, 2u);

  VARIANT arr;
  arr.vt = VT_ARRAY | VT_VARIANT;
  arr.parray = SafeArrayCreateVector(VT_VARIANT, 0, 2);
  LONG i = 1;
  ASSERT_EQ(SafeArrayPutElement(arr.parray, &i, &copy), S_OK);
  EXPECT_EQ(obj.refs, 3u);
  VARIANT arr2;
  VariantInit(&arr2);
  ASSERT_EQ(VariantCopy(&arr2, &arr), S_OK);  // a deep copy
  EXPECT_NE(arr2.parray, arr.parray);
  EXPECT_EQ(obj.refs, 4u);
  VariantClear(&arr2);
  VariantClear(&arr);
  VariantClear(&copy);
  EXPECT_EQ(obj.refs, 1u);
}

}  // namespace
}  // namespace qn::com
