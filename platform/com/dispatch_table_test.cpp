#include "platform/com/dispatch_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qn::com {
namespace {

// A small interface served by the table engine.
struct ITest : IDispatch {
  virtual HRESULT Echo(BSTR text, SHORT times, VARIANT extra, BSTR* copy, SHORT* error) = 0;
  virtual HRESULT get_Value(LONG* value) = 0;
  virtual HRESULT put_Level(SHORT level) = 0;
  virtual HRESULT get_Last(VARIANT* value) = 0;
};

struct Probe final : WithoutLateBinding<ITest> {
  // Calls seen, as the member received them.
  std::string text;
  SHORT times = 0;
  VARTYPE extra_vt = 0;
  SCODE extra_scode = 0;
  bool copy_given = false;
  SHORT level = 0;

  HRESULT QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT Echo(BSTR t, SHORT n, VARIANT extra, BSTR* copy, SHORT* error) override {
    text = text_1252_of(t);
    times = n;
    extra_vt = extra.vt;
    extra_scode = extra.vt == VT_ERROR ? extra.scode : 0;
    copy_given = copy != nullptr;
    if (copy) *copy = bstr_from_1252(text + text);
    *error = n;
    return S_OK;
  }
  HRESULT get_Value(LONG* value) override {
    *value = 42;
    return S_OK;
  }
  HRESULT put_Level(SHORT l) override {
    level = l;
    return S_OK;
  }
  HRESULT get_Last(VARIANT* value) override {
    value->vt = VT_BSTR;
    value->bstrVal = bstr_from_1252(text);
    return S_OK;
  }
};

const InterfaceDesc kTest{
    "ITest",
    GUID_NULL,
    "ITest Interface",
    IFACE_DUAL,
    {
        {1,
         "Echo",
         DISPATCH_METHOD,
         {{"Text", VT_BSTR},
          {"Times", VT_I2, PARAM_OPTIONAL | PARAM_HASDEFAULT, "2"},
          {"Extra", VT_VARIANT, PARAM_OPTIONAL},
          {"Copy", VT_BYREF | VT_BSTR, PARAM_OUT | PARAM_OPTIONAL},
          {"nError", VT_BYREF | VT_I2, PARAM_OUT | PARAM_RETVAL}},
         bind<&ITest::Echo>},
        {2,
         "Value",
         DISPATCH_PROPERTYGET,
         {{"pVal", VT_BYREF | VT_I4, PARAM_OUT | PARAM_RETVAL}},
         bind<&ITest::get_Value>},
        {3, "Level", DISPATCH_PROPERTYPUT, {{"Level", VT_I2}}, bind<&ITest::put_Level>},
        {4,
         "Last",
         DISPATCH_PROPERTYGET,
         {{"pVal", VT_BYREF | VT_VARIANT, PARAM_OUT | PARAM_RETVAL}},
         bind<&ITest::get_Last>},
    }};

// Short names for the tables below.
constexpr auto text = text_variant;
constexpr auto i2 = i2_variant;
constexpr auto i4 = i4_variant;
VARIANT missing() {
  VARIANT v;
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

TEST(DispatchTable, NamesIgnoreCase) {
  struct Case {
    std::u16string name;
    DISPID id;
    HRESULT h;
  };
  const Case cases[] = {{u"Echo", 1, S_OK},
                        {u"eCHO", 1, S_OK},
                        {u"VALUE", 2, S_OK},
                        {u"Echoes", DISPID_UNKNOWN, DISP_E_UNKNOWNNAME},
                        {u"", DISPID_UNKNOWN, DISP_E_UNKNOWNNAME}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
    std::u16string name = c.name;
    OLECHAR* names[] = {name.data()};
    DISPID id = 0;
    EXPECT_EQ(ids_of_names(kTest, names, 1, &id), c.h);
    EXPECT_EQ(id, c.id);
  }
}

TEST(DispatchTable, InvokeConvertsDefaultsAndReportsTheArgument) {
  struct Case {
    const char* name;
    std::vector<VARIANT> args;  // in call order; reversed into DISPPARAMS
    HRESULT h;
    UINT arg_error;  // index in rgvarg, checked when h is a mismatch
    std::string text;
    SHORT times;
    VARTYPE extra_vt;
  };
  const Case cases[] = {
      {"defaults", {text("hi")}, S_OK, 0, "hi", 2, VT_ERROR},
      {"explicitly omitted", {text("hi"), missing(), missing()}, S_OK, 0, "hi", 2, VT_ERROR},
      {"converted", {i4(123), text(" 7 ")}, S_OK, 0, "123", 7, VT_ERROR},
      {"variant passes as is", {text("a"), i2(1), i4(5)}, S_OK, 0, "a", 1, VT_I4},
      {"mismatch", {text("a"), text("x"), i4(5)}, DISP_E_TYPEMISMATCH, 1, "", 0, 0},
      {"overflow", {text("a"), i4(70000)}, DISP_E_OVERFLOW, 0, "", 0, 0},
      {"required missing", {}, DISP_E_PARAMNOTOPTIONAL, 0, "", 0, 0},
      {"required omitted", {missing()}, DISP_E_PARAMNOTOPTIONAL, 0, "", 0, 0},
      {"too many", {text("a"), i2(1), i2(1), i2(1), i2(1)}, DISP_E_BADPARAMCOUNT, 0, "", 0, 0},
      {"out not by reference", {text("a"), i2(1), i2(1), i2(1)}, DISP_E_TYPEMISMATCH, 0, "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Probe t;
    std::vector<VARIANT> rev(c.args.rbegin(), c.args.rend());
    DISPPARAMS dp{rev.data(), nullptr, static_cast<UINT>(rev.size()), 0};
    VARIANT result;
    UINT arg_error = 99;
    EXPECT_EQ(
        invoke_member(kTest, static_cast<ITest*>(&t), 1, DISPATCH_METHOD, &dp, &result, &arg_error),
        c.h);
    if (c.h == S_OK) {
      EXPECT_EQ(t.text, c.text);
      EXPECT_EQ(t.times, c.times);
      EXPECT_EQ(t.extra_vt, c.extra_vt);
      if (c.extra_vt == VT_ERROR) {
        EXPECT_EQ(t.extra_scode, DISP_E_PARAMNOTFOUND);
      }
      EXPECT_FALSE(t.copy_given);  // the omitted out parameter arrived null
      EXPECT_EQ(result.vt, VT_I2);
      EXPECT_EQ(result.iVal, c.times);
    } else {
      EXPECT_EQ(t.text, "");  // the member was not called
      EXPECT_EQ(result.vt, VT_EMPTY);
      if (c.h == DISP_E_TYPEMISMATCH || c.h == DISP_E_OVERFLOW) {
        EXPECT_EQ(arg_error, c.arg_error);
      }
    }
    for (VARIANT& v : rev) VariantClear(&v);
  }
}

TEST(DispatchTable, OutParameterByReferenceIsWritten) {
  Probe t;
  BSTR copy = nullptr;
  VARIANT args[4];
  args[3] = text("ab");
  args[2] = missing();
  args[1] = missing();
  args[0].vt = VT_BYREF | VT_BSTR;
  args[0].byref = &copy;
  DISPPARAMS dp{args, nullptr, 4, 0};
  EXPECT_EQ(
      invoke_member(kTest, static_cast<ITest*>(&t), 1, DISPATCH_METHOD, &dp, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(text_1252_of(copy), "abab");
  SysFreeString(copy);
  VariantClear(&args[3]);
}

TEST(DispatchTable, KindsAndPuts) {
  Probe t;
  void* self = static_cast<ITest*>(&t);
  VARIANT result;
  EXPECT_EQ(invoke_member(kTest, self, 2, DISPATCH_PROPERTYGET, nullptr, &result, nullptr), S_OK);
  EXPECT_EQ(result.vt, VT_I4);
  EXPECT_EQ(result.lVal, 42);
  // A client that cannot tell a method from a property asks for both.
  EXPECT_EQ(invoke_member(kTest, self, 2, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, &result,
                          nullptr),
            S_OK);
  EXPECT_EQ(invoke_member(kTest, self, 2, DISPATCH_METHOD, nullptr, &result, nullptr),
            DISP_E_MEMBERNOTFOUND);
  t.text = "last";  // a value returned whole
  ASSERT_EQ(invoke_member(kTest, self, 4, DISPATCH_PROPERTYGET, nullptr, &result, nullptr), S_OK);
  ASSERT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(text_1252_of(result.bstrVal), "last");
  VariantClear(&result);
  EXPECT_EQ(invoke_member(kTest, self, 99, DISPATCH_METHOD, nullptr, &result, nullptr),
            DISP_E_MEMBERNOTFOUND);

  VARIANT value = text("12");
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS named{&value, &put, 1, 1};
  DISPPARAMS unnamed{&value, nullptr, 1, 0};
  EXPECT_EQ(invoke_member(kTest, self, 3, DISPATCH_PROPERTYPUT, &unnamed, nullptr, nullptr),
            DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(invoke_member(kTest, self, 3, DISPATCH_PROPERTYPUT, &named, nullptr, nullptr), S_OK);
  EXPECT_EQ(t.level, 12);
  EXPECT_EQ(invoke_member(kTest, self, 1, DISPATCH_METHOD, &named, nullptr, nullptr),
            DISP_E_NONAMEDARGS);
  VariantClear(&value);
}

TEST(DispatchTable, TablesAreCheckedAgainstTheMembers) {
  for (const MemberDesc& m : kTest.members) EXPECT_TRUE(signature_matches(m)) << m.name;
  const MemberDesc wrong_type{
      9, "Level", DISPATCH_PROPERTYPUT, {{"", VT_I4}}, bind<&ITest::put_Level>};
  const MemberDesc too_few{9, "Echo", DISPATCH_METHOD, {{"Text", VT_BSTR}}, bind<&ITest::Echo>};
  EXPECT_FALSE(signature_matches(wrong_type));
  EXPECT_FALSE(signature_matches(too_few));
}

TEST(DispatchTable, TypeInfoNamesAndDocumentation) {
  TableTypeInfo info(kTest);
  BSTR names[8];
  UINT count = 0;
  ASSERT_EQ(info.GetNames(1, names, 8, &count), S_OK);
  ASSERT_EQ(count, 6u);
  EXPECT_EQ(text_1252_of(names[0]), "Echo");
  EXPECT_EQ(text_1252_of(names[5]), "nError");
  for (UINT i = 0; i < count; ++i) SysFreeString(names[i]);
  BSTR name = nullptr, doc = nullptr;
  ASSERT_EQ(info.GetDocumentation(3, &name, &doc, nullptr, nullptr), S_OK);
  EXPECT_EQ(text_1252_of(name), "Level");
  EXPECT_EQ(text_1252_of(doc), "property Level");
  SysFreeString(name);
  SysFreeString(doc);
  EXPECT_EQ(info.GetDocumentation(7, &name, &doc, nullptr, nullptr), TYPE_E_ELEMENTNOTFOUND);
}

}  // namespace
}  // namespace qn::com
