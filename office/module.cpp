#include "office/module.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>

#include "office/classes.h"
#include "office/typelib.h"
#include "platform/registry_file.h"

namespace qn::office {
namespace {

using namespace com;

std::atomic<long> g_lock_count{0};

using Creator = HRESULT (*)(IUnknown* outer, const IID& iid, void** out);

struct ClassEntry {
  const CLSID* clsid;
  const char* description;  // "QnExcel Class"
  const char* prog_id;      // versioned
  const char* vi_prog_id;   // version-independent
  const char* threading;
  bool excel;  // CurVer, Programmable and TypeLib
  Creator create;
};

template <class C>
HRESULT create(IUnknown* outer, const IID& iid, void** out) {
  return C::template create<C>(outer, iid, out);
}

const ClassEntry kClasses[] = {
    {&CLSID_QnExcel, "QnExcel Class", "QnOffice.QnExcel.1", "QnOffice.QnExcel", "Apartment", true,
     &create<CQnExcel>},
    {&CLSID_QnMail, "QnMail Class", "QnOffice.QnMail.1", "QnOffice.QnMail", "both", false,
     &create<CQnMail>},
    {&CLSID_QnWord, "QnWord Class", "QnOffice.QnWord.1", "QnOffice.QnWord", "both", false,
     &create<CQnWord>},
    {&CLSID_QnOutlook, "QnOutlook Class", "QnOffice.QnOutlook.1", "QnOffice.QnOutlook", "both",
     false, &create<CQnOutlook>},
    {&CLSID_QnInternet, "QnInternet Class", "QnOffice.QnInternet.1", "QnOffice.QnInternet", "both",
     false, &create<CQnInternet>},
    {&CLSID_QnMAPI, "QnMAPI Class", "QnOffice.QnMAPI.1", "QnOffice.QnMAPI", "both", false,
     &create<CQnMAPI>},
    {&CLSID_QnWord97, "QnWord97 Class", "QnOffice.QnWord97.1", "QnOffice.QnWord97", "both", false,
     &create<CQnWord97>},
    {&CLSID_QnOutlook97, "QnOutlook97 Class", "QnOffice.QnOutlook97.1", "QnOffice.QnOutlook97",
     "both", false, &create<CQnOutlook97>},
};
constexpr size_t kClassCount = sizeof kClasses / sizeof kClasses[0];

// {00020424-0000-0000-C000-000000000046}: interfaces marshalled from their
// type library.
constexpr const char* kTypeLibMarshaler = "{00020424-0000-0000-C000-000000000046}";

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(Creator create) : create_(create) {}
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // Factories are kept by the module for its whole life.
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override {
    return create_(outer, iid, out);
  }
  HRESULT LockServer(int lock) override {
    if (lock) {
      module_lock();
    } else {
      module_unlock();
    }
    return S_OK;
  }

 private:
  Creator create_;
};

std::mutex g_factory_mutex;
std::unique_ptr<ClassFactory> g_factories[kClassCount];

}  // namespace

void module_lock() { ++g_lock_count; }
void module_unlock() { --g_lock_count; }
long module_lock_count() { return g_lock_count; }

HRESULT can_unload_now() { return g_lock_count == 0 ? S_OK : S_FALSE; }

HRESULT get_class_object(const CLSID& clsid, const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (size_t i = 0; i < kClassCount; ++i) {
    if (!(*kClasses[i].clsid == clsid)) continue;
    ClassFactory* factory;
    {
      std::lock_guard lock(g_factory_mutex);
      if (!g_factories[i]) {
        g_factories[i].reset(new (std::nothrow) ClassFactory(kClasses[i].create));
        if (!g_factories[i]) return E_OUTOFMEMORY;
      }
      factory = g_factories[i].get();
    }
    return factory->QueryInterface(iid, out);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT register_module(const std::string& module_path) {
  const std::string file = platform::registry_file_path();
  auto tree = platform::RegistryTree::load(file);
  bool ok = true;
  auto set = [&](const std::string& key, const char* name, const std::string& value) {
    ok = tree.set_value(key, name, value) && ok;
  };
  const std::string libid = guid_to_string(LIBID_QNOFFICELib);
  for (const ClassEntry& c : kClasses) {
    const std::string clsid = guid_to_string(*c.clsid);
    const std::string vi = c.vi_prog_id;
    set(c.prog_id, "", c.description);
    set(std::string(c.prog_id) + "\\CLSID", "", clsid);
    set(vi, "", c.description);
    set(vi + "\\CLSID", "", clsid);
    if (c.excel) set(vi + "\\CurVer", "", c.prog_id);
    const std::string key = "CLSID\\" + clsid;
    set(key, "", c.description);
    set(key + "\\ProgID", "", c.prog_id);
    set(key + "\\VersionIndependentProgID", "", vi);
    set(key + "\\InprocServer32", "", module_path);
    set(key + "\\InprocServer32", "ThreadingModel", c.threading);
    if (c.excel) {
      ok = tree.create_key(key + "\\Programmable") && ok;
      set(key + "\\TypeLib", "", libid);
    }
  }
  // The type library lives in the module itself.
  const TypeLibrary& lib = type_library();
  const std::string version = std::to_string(lib.major) + "." + std::to_string(lib.minor);
  const std::string tl = "TypeLib\\" + libid + "\\" + version;
  set(tl, "", lib.help);
  set(tl + "\\0\\linux", "", module_path);
  set(tl + "\\FLAGS", "", "0");
  set(tl + "\\HELPDIR", "", std::filesystem::path(module_path).parent_path().string());
  for (const CoclassDesc& c : lib.coclasses) {
    const std::string key = "Interface\\" + guid_to_string(c.iface->iid);
    set(key, "", c.iface->name);
    set(key + "\\ProxyStubClsid32", "", kTypeLibMarshaler);
    set(key + "\\TypeLib", "", libid);
    set(key + "\\TypeLib", "Version", version);
  }
  // A module path the file cannot hold leaves the file as it was.
  if (!ok) return SELFREG_E_CLASS;
  return tree.save(file, nullptr) ? S_OK : SELFREG_E_CLASS;
}

HRESULT unregister_module() {
  const std::string file = platform::registry_file_path();
  auto tree = platform::RegistryTree::load(file);
  for (const ClassEntry& c : kClasses) {
    tree.remove_key(c.prog_id);
    tree.remove_key(c.vi_prog_id);
    tree.remove_key("CLSID\\" + guid_to_string(*c.clsid));  // the key CLSID itself stays
  }
  const TypeLibrary& lib = type_library();
  tree.remove_key("TypeLib\\" + guid_to_string(lib.libid) + "\\" + std::to_string(lib.major) + "." +
                  std::to_string(lib.minor));
  for (const CoclassDesc& c : lib.coclasses) {
    tree.remove_key("Interface\\" + guid_to_string(c.iface->iid));
  }
  return tree.save(file, nullptr) ? S_OK : SELFREG_E_CLASS;
}

}  // namespace qn::office
