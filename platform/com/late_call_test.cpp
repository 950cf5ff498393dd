#include "platform/com/late_call.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qn::com {
namespace {

// An object that keeps what one Invoke received and answers with a set
// result.
class Probe final : public IDispatch {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (!(iid == IID_IUnknown || iid == IID_IDispatch)) return E_NOINTERFACE;
    *out = this;
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override { return --refs; }
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO*, UINT*) override {
    seen_id = id;
    seen_flags = flags;
    named = params->cNamedArgs == 1 ? params->rgdispidNamedArgs[0] : 0;
    types.clear();
    values.clear();
    for (UINT i = 0; i < params->cArgs; ++i) {
      const VARIANT& v = params->rgvarg[i];
      types.push_back(v.vt);
      const VARIANT& t = v.vt == (VT_BYREF | VT_VARIANT) ? *static_cast<VARIANT*>(v.byref) : v;
      values.push_back(t.vt == VT_I4 ? t.lVal : t.vt == VT_I2 ? t.iVal : -1);
    }
    if (FAILED(answer)) return answer;
    if (result) VariantCopy(result, &reply);
    return S_OK;
  }

  ULONG refs = 1;
  DISPID seen_id = 0;
  WORD seen_flags = 0;
  DISPID named = 0;
  std::vector<VARTYPE> types;  // as laid out, last argument first
  std::vector<LONG> values;    // likewise
  HRESULT answer = S_OK;
  VARIANT reply{};
};

TEST(LateCall, ArgumentsLaidOutLastFirstAndPutsNamed) {
  Probe p;
  VARIANT r;
  VariantInit(&r);
  ASSERT_EQ(late_call(&p, 0xAA, DISPATCH_PROPERTYGET, {i4_variant(3), i2_variant(7)}, &r), S_OK);
  EXPECT_EQ(p.seen_id, 0xAA);
  EXPECT_EQ(p.seen_flags, DISPATCH_PROPERTYGET);
  EXPECT_EQ(p.values, (std::vector<LONG>{7, 3}));
  EXPECT_EQ(p.named, 0);

  ASSERT_EQ(late_call(&p, 0x6, DISPATCH_PROPERTYPUT, {text_variant("x")}), S_OK);
  EXPECT_EQ(p.named, DISPID_PROPERTYPUT);
  EXPECT_EQ(p.types, (std::vector<VARTYPE>{VT_BSTR}));

  ASSERT_EQ(late_call(&p, 0x451, DISPATCH_METHOD, {i4_variant(1), i4_variant(2)}, nullptr,
                      ArgPassing::kReference),
            S_OK);
  EXPECT_EQ(p.types, (std::vector<VARTYPE>{VT_BYREF | VT_VARIANT, VT_BYREF | VT_VARIANT}));
  EXPECT_EQ(p.values, (std::vector<LONG>{2, 1}));
}

TEST(LateCall, ObjectResultsAndFailures) {
  Probe p, child;
  IDispatch* out = reinterpret_cast<IDispatch*>(&p);  // overwritten on every path
  EXPECT_EQ(late_object(nullptr, 1, DISPATCH_PROPERTYGET, {}, &out), E_POINTER);
  EXPECT_EQ(out, nullptr);

  p.reply = i4_variant(5);  // not an object
  EXPECT_EQ(late_object(&p, 1, DISPATCH_PROPERTYGET, {}, &out), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(out, nullptr);

  p.reply = dispatch_variant(&child);
  ASSERT_EQ(child.refs, 2u);
  ASSERT_EQ(late_object(&p, 1, DISPATCH_PROPERTYGET, {}, &out), S_OK);
  EXPECT_EQ(out, &child);
  EXPECT_EQ(child.refs, 3u);  // the reply's and ours
  out->Release();
  VariantClear(&p.reply);
  EXPECT_EQ(child.refs, 1u);

  p.answer = E_FAIL;
  VARIANT arg = dispatch_variant(&child);  // the failed call still gives it up
  EXPECT_EQ(late_call(&p, 2, DISPATCH_METHOD, {arg}), E_FAIL);
  EXPECT_EQ(child.refs, 1u);
  {
    child.AddRef();
    Ref<IDispatch> held(&child);
    EXPECT_EQ(child.refs, 2u);
  }
  EXPECT_EQ(child.refs, 1u);
}

}  // namespace
}  // namespace qn::com
