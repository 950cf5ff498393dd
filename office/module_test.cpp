#include "office/module.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "office/classes.h"
#include "office/shared.h"
#include "platform/com/activation.h"
#include "platform/com/apartment.h"
#include "platform/message_box.h"

namespace qn::office {
namespace {

using namespace com;
namespace fs = std::filesystem;

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void replace_all(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
}

// ---- the shared library as clients load it

class ModuleFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_office_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = dir_ / "registry.ini";
    ::setenv("QN_REGISTRY_FILE", file_.c_str(), 1);
    module_ = ::dlopen(QN_OFFICE_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module_, nullptr) << ::dlerror();
  }
  void TearDown() override {
    ::dlclose(module_);
    ::unsetenv("QN_REGISTRY_FILE");
    fs::remove_all(dir_);
  }
  HRESULT call(const char* name) {
    auto fn = reinterpret_cast<HRESULT (*)()>(::dlsym(module_, name));
    return fn ? fn() : E_FAIL;
  }
  fs::path dir_, file_;
  void* module_ = nullptr;
};

const char kGeneratorEntry[] =
    "[QnJava7.Generator]\n"
    "CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}\n"
    "Interface={39706BC7-11FE-11D2-AD45-0020AFF6BDBB}\n"
    "LocalServer32=/opt/qn/bin/qnjavagen -Automation\n"
    "DisplayName=Quenora Java Generator\n";

TEST_F(ModuleFile, RegistrationIsGoldenRepeatableAndUndone) {
  { std::ofstream(file_, std::ios::binary) << kGeneratorEntry; }
  ASSERT_EQ(call("DllRegisterServer"), S_OK);
  std::string after = read(file_);
  const std::string module = fs::canonical(QN_OFFICE_MODULE).string();
  replace_all(after, module, "$MODULE");
  replace_all(after, fs::path(module).parent_path().string(), "$DIR");
  const std::string golden = read(QN_SOURCE_DIR "/office/testdata/registered.ini");
  if (after != golden) {
    std::ofstream("registered.actual.ini", std::ios::binary) << after;
    ADD_FAILURE() << "registry differs; actual in " << fs::absolute("registered.actual.ini");
  }
  const std::string once = read(file_);
  ASSERT_EQ(call("DllRegisterServer"), S_OK);
  EXPECT_EQ(read(file_), once);
  ASSERT_EQ(call("DllUnregisterServer"), S_OK);
  EXPECT_EQ(read(file_), kGeneratorEntry);
}

TEST_F(ModuleFile, PathTheFileCannotHoldIsRefused) {
  { std::ofstream(file_, std::ios::binary) << kGeneratorEntry; }
  EXPECT_EQ(register_module("/opt/qn\n[CLSID]/libQnOffice.so"), SELFREG_E_CLASS);
  EXPECT_EQ(read(file_), kGeneratorEntry);
}

TEST_F(ModuleFile, ExportsOnlyTheEntryPointsAndJavaNatives) {
  const std::string command = "nm -D --defined-only '" QN_OFFICE_MODULE "'";
  FILE* p = ::popen(command.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string names;
  int natives = 0;  // the Java natives, listed exactly by tests/jni
  char line[512];
  while (std::fgets(line, sizeof line, p)) {
    std::string l(line);
    std::string name = l.substr(l.rfind(' ') + 1);
    if (name.rfind("Java_com_quenora_qnoffice_Qn", 0) == 0) {
      ++natives;
    } else {
      names += name;
    }
  }
  ASSERT_EQ(::pclose(p), 0);
  EXPECT_EQ(names, "DllCanUnloadNow\nDllGetClassObject\nDllRegisterServer\nDllUnregisterServer\n");
  EXPECT_EQ(natives, 58);
}

TEST_F(ModuleFile, ActivatedByProgIdAndLateBound) {
  ASSERT_EQ(call("DllRegisterServer"), S_OK);
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID("QnOffice.QnMail", &clsid), S_OK);
  EXPECT_EQ(clsid, CLSID_QnMail);
  IDispatch* mail = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&mail)),
            S_OK);
  EXPECT_EQ(call("DllCanUnloadNow"), S_FALSE);  // an object is alive
  std::u16string name = u"error";
  OLECHAR* names[] = {name.data()};
  DISPID id = 0;
  ASSERT_EQ(mail->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 5);
  mail->Release();
  EXPECT_EQ(call("DllCanUnloadNow"), S_OK);
  // Gone again after unregistering: the ProgID no longer names a class.
  ASSERT_EQ(call("DllUnregisterServer"), S_OK);
  EXPECT_EQ(CLSIDFromProgID("QnOffice.QnMail", &clsid), CO_E_CLASSSTRING);
  CoUninitialize();
}

// ---- the classes, in-process

struct ClassCase {
  const char* name;
  const CLSID* clsid;
  const IID* iid;
  bool error_info;
};
const ClassCase kClassCases[] = {
    {"QnExcel", &CLSID_QnExcel, &IID_IQnExcel, false},
    {"QnMail", &CLSID_QnMail, &IID_IQnMail, true},
    {"QnWord", &CLSID_QnWord, &IID_IQnWord, true},
    {"QnOutlook", &CLSID_QnOutlook, &IID_IQnOutlook, true},
    {"QnInternet", &CLSID_QnInternet, &IID_IQnInternet, true},
    {"QnMAPI", &CLSID_QnMAPI, &IID_IQnMAPI, true},
    {"QnWord97", &CLSID_QnWord97, &IID_IQnWord97, true},
    {"QnOutlook97", &CLSID_QnOutlook97, &IID_IQnOutlook97, true},
};

IClassFactory* factory_of(const CLSID& clsid) {
  IClassFactory* f = nullptr;
  EXPECT_EQ(get_class_object(clsid, IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
  return f;
}

TEST(Classes, QueryInterfaceAnswersTheClassTable) {
  for (const ClassCase& c : kClassCases) {
    SCOPED_TRACE(c.name);
    IClassFactory* f = factory_of(*c.clsid);
    ASSERT_NE(f, nullptr);
    IUnknown* unk = nullptr;
    ASSERT_EQ(f->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
    struct Ask {
      const IID* iid;
      HRESULT h;
    };
    const Ask asks[] = {
        {&IID_IUnknown, S_OK},
        {&IID_IDispatch, S_OK},
        {c.iid, S_OK},
        {&IID_ISupportErrorInfo, c.error_info ? S_OK : E_NOINTERFACE},
        {&IID_IClassFactory, E_NOINTERFACE},
        {c.iid == &IID_IQnMail ? &IID_IQnExcel : &IID_IQnMail, E_NOINTERFACE},
    };
    for (const Ask& a : asks) {
      SCOPED_TRACE(guid_to_string(*a.iid));
      void* out = &out;
      EXPECT_EQ(unk->QueryInterface(*a.iid, &out), a.h);
      if (a.h == S_OK) {
        ASSERT_NE(out, nullptr);
        static_cast<IUnknown*>(out)->Release();
      } else {
        EXPECT_EQ(out, nullptr);
      }
    }
    EXPECT_EQ(unk->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    if (c.error_info) {
      ISupportErrorInfo* sei = nullptr;
      ASSERT_EQ(unk->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
      EXPECT_EQ(sei->InterfaceSupportsErrorInfo(*c.iid), S_OK);
      EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
      sei->Release();
    }
    // An interface the class lacks destroys the new object again.
    const long live = module_lock_count();
    void* out = nullptr;
    EXPECT_EQ(f->CreateInstance(nullptr, IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(module_lock_count(), live);
    EXPECT_EQ(unk->Release(), 0u);
  }
}

TEST(Classes, FactoriesAreMadeOnceAndUnknownClassesRefused) {
  IClassFactory* a = factory_of(CLSID_QnMail);
  IClassFactory* b = factory_of(CLSID_QnMail);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, factory_of(CLSID_QnWord));
  EXPECT_EQ(get_class_object(CLSID_QnMail, IID_IClassFactory, nullptr), E_POINTER);
  void* out = &out;
  EXPECT_EQ(get_class_object(IID_IQnMail, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
}

TEST(Classes, UnloadWaitsForObjectsAndLocks) {
  ASSERT_EQ(can_unload_now(), S_OK);
  IClassFactory* f = factory_of(CLSID_QnWord);
  IUnknown* obj = nullptr;
  ASSERT_EQ(f->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&obj)), S_OK);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  ASSERT_EQ(f->LockServer(1), S_OK);
  obj->Release();
  EXPECT_EQ(can_unload_now(), S_FALSE);  // still locked
  ASSERT_EQ(f->LockServer(0), S_OK);
  EXPECT_EQ(can_unload_now(), S_OK);
}

// An outer object that aggregates a QnMail and counts its own references.
struct Outer final : IUnknown {
  ULONG refs = 1;
  IUnknown* inner = nullptr;
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (iid == IID_IUnknown) {
      *out = this;
      AddRef();
      return S_OK;
    }
    return inner->QueryInterface(iid, out);  // the inner's own unknown
  }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override { return --refs; }
};

TEST(Classes, Aggregation) {
  IClassFactory* f = factory_of(CLSID_QnMail);
  Outer outer;
  void* out = &out;
  EXPECT_EQ(f->CreateInstance(&outer, IID_IQnMail, &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  ASSERT_EQ(f->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
  EXPECT_EQ(outer.refs, 1u);  // the inner unknown does not count the outer

  // Interfaces of the inner object count on, and ask, the outer object.
  IQnMail* mail = nullptr;
  ASSERT_EQ(outer.QueryInterface(IID_IQnMail, reinterpret_cast<void**>(&mail)), S_OK);
  EXPECT_EQ(outer.refs, 2u);
  IUnknown* back = nullptr;
  ASSERT_EQ(mail->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)), S_OK);
  EXPECT_EQ(back, static_cast<IUnknown*>(&outer));
  EXPECT_EQ(outer.refs, 3u);
  back->Release();
  mail->Release();
  EXPECT_EQ(outer.refs, 1u);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  EXPECT_EQ(outer.inner->Release(), 0u);  // the inner unknown ends the inner object
  EXPECT_EQ(can_unload_now(), S_OK);
}

TEST(Classes, TypeInformationAndLateBoundCalls) {
  IDispatch* d = nullptr;
  ASSERT_EQ(
      CQnOutlook97::create<CQnOutlook97>(nullptr, IID_IDispatch, reinterpret_cast<void**>(&d)),
      S_OK);
  UINT count = 0;
  EXPECT_EQ(d->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ITypeInfo* info = nullptr;
  EXPECT_EQ(d->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);
  ASSERT_EQ(d->GetTypeInfo(0, 0, &info), S_OK);
  BSTR name = nullptr;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(text_1252_of(name), "IQnOutlook97");
  SysFreeString(name);
  info->Release();

  // The misspelt put of this interface works, as does EditWindow beside it.
  VARIANT one = VariantTrue;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS dp{&one, &put, 1, 1};
  EXPECT_EQ(d->Invoke(8, GUID_NULL, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(d->Invoke(9, GUID_NULL, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(d->Invoke(8, IID_IDispatch, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  VARIANT result;
  ASSERT_EQ(d->Invoke(5, GUID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(result.vt, VT_I2);
  EXPECT_EQ(result.iVal, 0);
  d->Release();
}

TEST(Shared, ConstantsAndAnsiText) {
  EXPECT_EQ(VariantTrue.vt, VT_I2);
  EXPECT_EQ(VariantTrue.iVal, 1);
  EXPECT_EQ(VariantFalse.vt, VT_I2);
  EXPECT_EQ(VariantFalse.iVal, 0);
  EXPECT_EQ(VariantMissing.vt, VT_ERROR);
  EXPECT_EQ(VariantMissing.scode, DISP_E_PARAMNOTFOUND);

  struct Case {
    const char* text;
    int length;
    std::u16string expected;
  };
  const Case cases[] = {
      {"caf\xE9 \x80", -1, u"caf\u00e9 \u20ac"},  // Windows-1252, not Latin-1
      {"caf\xE9", 2, u"ca"},
      {"", -1, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    BSTR b = AnsiToBstr(c.text, c.length);
    EXPECT_EQ(std::u16string(b, SysStringLen(b)), c.expected);
    SysFreeString(b);
  }
}

}  // namespace
}  // namespace qn::office
