#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <thread>

#include "platform/com/activation.h"
#include "platform/com/apartment.h"
#include "platform/com/guid.h"
#include "platform/registry_file.h"

namespace qn::com {
namespace {

namespace fs = std::filesystem;

TEST(Guid, BraceFormReadAndWritten) {
  const GUID excel{0xE40DB714, 0x80AC, 0x11D2, {0x94, 0xF1, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};
  struct Case {
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {"{E40DB714-80AC-11D2-94F1-00105A008D87}", true},
      {"{e40db714-80ac-11d2-94f1-00105a008d87}", true},
      {"E40DB714-80AC-11D2-94F1-00105A008D87", false},     // no braces
      {"{E40DB714-80AC-11D2-94F1-00105A008D8}", false},    // a digit short
      {"{E40DB714-80AC-11D2-94F1-00105A008D870}", false},  // a digit over
      {"{E40DB71-480AC-11D2-94F1-00105A008D87}", false},   // dash misplaced
      {"{E40DB714-80AC-11D2-94F1-00105A008D8G}", false},   // not a hex digit
      {"{E40DB714-80AC-11D2-94F1-00105A008D87} ", false},  // trailing blank
      {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto g = guid_from_string(c.text);
    ASSERT_EQ(g.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(*g, excel);
    }
  }
  EXPECT_EQ(guid_to_string(excel), "{E40DB714-80AC-11D2-94F1-00105A008D87}");
  EXPECT_EQ(guid_to_string(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

TEST(Apartment, CountedPerThreadAndModelFixedByFirstCall) {
  std::thread([] {
    EXPECT_FALSE(co_initialized());
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    std::thread([] {  // another thread has its own count and model
      EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
      CoUninitialize();
    })
        .join();
    CoUninitialize();
    EXPECT_TRUE(co_initialized());  // the changed-mode call was not counted
    CoUninitialize();
    EXPECT_FALSE(co_initialized());
    CoUninitialize();                                                // one too many: ignored
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);  // a fresh start
    CoUninitialize();
  }).join();
}

// Activation of the test module through a registry file of the test's own.
class Activation : public ::testing::Test {
 protected:
  static constexpr const char* kClsid = "{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A01}";
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_activation_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = (dir_ / "registry.ini").string();
    ::setenv("QN_REGISTRY_FILE", file_.c_str(), 1);
    auto t = platform::RegistryTree::load(file_);
    t.set_value("QnTest.Counter\\CLSID", "", kClsid);
    t.set_value("QnTest.NoModule\\CLSID", "", "{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A02}");
    t.set_value("QnTest.BadId\\CLSID", "", "0D1F4C2A");
    t.set_value(std::string("CLSID\\") + kClsid + "\\InprocServer32", "", QN_TEST_MODULE);
    t.set_value("CLSID\\{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A03}\\InprocServer32", "",
                (dir_ / "missing.so").string());
    t.set_value("CLSID\\{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A04}\\InprocServer32", "",
                "libc.so.6");  // loads, but has no class objects
    ASSERT_TRUE(t.save(file_, nullptr));
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  }
  void TearDown() override {
    CoUninitialize();
    ::unsetenv("QN_REGISTRY_FILE");
    fs::remove_all(dir_);
  }
  fs::path dir_;
  std::string file_;
};

TEST_F(Activation, ProgIdToObjectThroughTheModule) {
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID("qntest.counter", &clsid), S_OK);
  EXPECT_EQ(guid_to_string(clsid), kClsid);
  IUnknown* obj = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&obj)),
            S_OK);
  ASSERT_NE(obj, nullptr);
  // The module stays loaded: the object lives on, and the module is the one
  // already in the process.
  void* module = ::dlopen(QN_TEST_MODULE, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(module, nullptr);
  auto live = reinterpret_cast<int (*)()>(::dlsym(module, "qn_test_live_objects"));
  EXPECT_EQ(live(), 1);
  EXPECT_EQ(obj->Release(), 0u);
  EXPECT_EQ(live(), 0);
  ::dlclose(module);  // drops only our own NOLOAD reference
}

TEST_F(Activation, Failures) {
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID("QnOffice.Unregistered", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(clsid, GUID_NULL);
  EXPECT_EQ(CLSIDFromProgID("QnTest.BadId", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(CLSIDFromProgID("", &clsid), CO_E_CLASSSTRING);

  struct Case {
    const char* clsid;
    HRESULT expected;
  };
  const Case cases[] = {
      {"{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A02}", REGDB_E_CLASSNOTREG},
      {"{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A03}", E_MOD_NOT_FOUND},
      {"{0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A04}", CO_E_ERRORINDLL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clsid);
    void* out = &clsid;
    EXPECT_EQ(CoCreateInstance(*guid_from_string(c.clsid), nullptr, CLSCTX_INPROC_SERVER,
                               IID_IUnknown, &out),
              c.expected);
    EXPECT_EQ(out, nullptr);
  }
  // The module refuses an interface it lacks and an outer object.
  void* out = nullptr;
  const CLSID counter = *guid_from_string(kClsid);
  EXPECT_EQ(CoCreateInstance(counter, nullptr, CLSCTX_INPROC_SERVER, IID_IClassFactory, &out),
            E_NOINTERFACE);
  EXPECT_EQ(CoCreateInstance(counter, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr),
            E_POINTER);
  std::thread([&] {  // a thread without initialisation
    void* o = nullptr;
    EXPECT_EQ(CoCreateInstance(counter, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &o),
              CO_E_NOTINITIALIZED);
  })
      .join();
}

}  // namespace
}  // namespace qn::com
