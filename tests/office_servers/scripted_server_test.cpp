#include "tests/office_servers/scripted_server.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/activation.h"
#include "tests/office_servers/test_registry.h"

namespace qn::office_servers {
namespace {

using namespace com;

// A store of its own: a count property, and a method that hands out an item
// whose name it takes from its argument; a by-reference argument of 0x30 is
// doubled in place.
constexpr CLSID kStoreClsid{
    0x3C5E1F20, 0x7A41, 0x4B8D, {0x92, 0x0E, 0x55, 0x1A, 0x6C, 0x3B, 0x80, 0xF4}};

ScriptedServer g_store("Test.Store", kStoreClsid, [](ScriptedServer& server) {
  auto root = ScriptedObject::make(server, "store", "store");
  root->property(0x10, i4_variant(0));
  root->on(0x20, DISPATCH_METHOD, [](ScriptedObject& self, std::span<VARIANT> args, VARIANT* r) {
    std::string name;
    if (args.size() != 1 || !arg_text(args[0], &name)) return DISP_E_TYPEMISMATCH;
    auto item = ScriptedObject::make(self.server(), "item", name);
    VARIANT text = text_variant(name);
    item->property(0x6, text);
    VariantClear(&text);
    return_object(r, item.get());
    return S_OK;
  });
  root->on(0x30, DISPATCH_METHOD, [](ScriptedObject&, std::span<VARIANT> args, VARIANT*) {
    LONG n = 0;
    if (args.size() != 1 || !arg_long(args[0], &n)) return DISP_E_TYPEMISMATCH;
    args[0].lVal = 2 * n;
    return S_OK;
  });
  return root;
});

class ScriptedStore : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(registry_.registered(), S_OK);
    g_store.reset();
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID("Test.Store", &clsid), S_OK);
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(store_.put())),
              S_OK);
  }
  TestRegistry registry_;
  Ref<IDispatch> store_;
};

TEST_F(ScriptedStore, EveryCallIsRecordedWithItsArguments) {
  VARIANT r;
  VariantInit(&r);
  EXPECT_EQ(late_call(store_.get(), 0x10, DISPATCH_PROPERTYPUT, {i4_variant(4)}), S_OK);
  EXPECT_EQ(late_call(store_.get(), 0x10, DISPATCH_PROPERTYGET, {}, &r), S_OK);
  EXPECT_EQ(r.vt, VT_I4);
  EXPECT_EQ(r.lVal, 4);
  Ref<IDispatch> item;
  ASSERT_EQ(late_object(store_.get(), 0x20, DISPATCH_METHOD, {text_variant("box")}, item.put()),
            S_OK);
  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  EXPECT_EQ(late_call(store_.get(), 0x40, DISPATCH_METHOD,
                      {dispatch_variant(item.get()), missing, i2_variant(-1)}, nullptr,
                      ArgPassing::kReference),
            DISP_E_MEMBERNOTFOUND);
  const std::vector<std::string> expected = {
      "store put 0x10(I4 4)",
      "store get 0x10()",
      "store call 0x20(BSTR \"box\")",
      "store call 0x40(&DISPATCH box, &missing, &I2 -1)",
  };
  EXPECT_EQ(g_store.call_texts(), expected);
}

TEST_F(ScriptedStore, ByReferenceValuesMayBeReplaced) {
  VARIANT n = i4_variant(21);
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_VARIANT;
  ref.byref = &n;
  DISPPARAMS params{&ref, nullptr, 1, 0};
  ASSERT_EQ(store_->Invoke(0x30, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(n.lVal, 42);
}

TEST_F(ScriptedStore, FaultsMatchObjectMemberAndKindAndCount) {
  g_store.inject({"store", 0x10, DISPATCH_PROPERTYGET, E_ACCESSDENIED, 1});
  g_store.inject({"*", 0x20, DISPATCH_METHOD, E_FAIL, -1});
  VARIANT r;
  VariantInit(&r);
  EXPECT_EQ(late_call(store_.get(), 0x10, DISPATCH_PROPERTYPUT, {i4_variant(1)}), S_OK);
  EXPECT_EQ(late_call(store_.get(), 0x10, DISPATCH_PROPERTYGET, {}, &r), E_ACCESSDENIED);
  EXPECT_EQ(late_call(store_.get(), 0x10, DISPATCH_PROPERTYGET, {}, &r), S_OK);
  Ref<IDispatch> item;
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(late_object(store_.get(), 0x20, DISPATCH_METHOD, {text_variant("a")}, item.put()),
              E_FAIL);
  }
  EXPECT_EQ(g_store.calls().size(), 5u);  // failed calls are recorded too
}

TEST_F(ScriptedStore, DisconnectedObjectsFailAndObjectsAreCounted) {
  Ref<IDispatch> item;
  ASSERT_EQ(late_object(store_.get(), 0x20, DISPATCH_METHOD, {text_variant("a")}, item.put()),
            S_OK);
  EXPECT_EQ(g_store.live_objects("item"), 1);
  EXPECT_EQ(g_store.live_objects(), 2);
  ScriptedObject* object = nullptr;
  ASSERT_EQ(item->QueryInterface(ScriptedObject::kIid, reinterpret_cast<void**>(&object)), S_OK);
  object->disconnect();
  object->Release();
  VARIANT r;
  VariantInit(&r);
  EXPECT_EQ(late_call(item.get(), 0x6, DISPATCH_PROPERTYGET, {}, &r),
            ScriptedObject::kDisconnected);
  item.reset();
  store_.reset();
  EXPECT_EQ(g_store.live_objects(), 0);
}

TEST_F(ScriptedStore, CreationFailsOnceWhenTold) {
  g_store.fail_creation(E_OUTOFMEMORY);
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID("Test.Store", &clsid), S_OK);
  Ref<IDispatch> other;
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(other.put())),
            E_OUTOFMEMORY);
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(other.put())),
            S_OK);
}

}  // namespace
}  // namespace qn::office_servers
