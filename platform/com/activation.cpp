#include "platform/com/activation.h"

#include <dlfcn.h>

#include <string>

#include "platform/com/apartment.h"
#include "platform/registry_file.h"

namespace qn::com {

HRESULT CLSIDFromProgID(std::string_view prog_id, CLSID* out) {
  if (!out) return E_INVALIDARG;
  *out = GUID_NULL;
  if (prog_id.empty()) return CO_E_CLASSSTRING;
  auto tree = platform::RegistryTree::load(platform::registry_file_path());
  auto text = tree.value(std::string(prog_id) + "\\CLSID", "");
  if (!text) return CO_E_CLASSSTRING;
  auto id = guid_from_string(*text);
  if (!id) return CO_E_CLASSSTRING;
  *out = *id;
  return S_OK;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, unsigned context, REFIID iid,
                         void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!co_initialized()) return CO_E_NOTINITIALIZED;
  if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  auto tree = platform::RegistryTree::load(platform::registry_file_path());
  auto path = tree.value("CLSID\\" + guid_to_string(clsid) + "\\InprocServer32", "");
  if (!path || path->empty()) return REGDB_E_CLASSNOTREG;
  // Never closed: the module stays loaded for the life of the process, as
  // objects and factories it handed out may outlive any one call.
  void* module = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return E_MOD_NOT_FOUND;
  auto get = reinterpret_cast<DllGetClassObjectFn>(::dlsym(module, "DllGetClassObject"));
  if (!get) return CO_E_ERRORINDLL;
  IClassFactory* factory = nullptr;
  HRESULT h = get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(h)) return h;
  if (!factory) return E_UNEXPECTED;
  h = factory->CreateInstance(outer, iid, out);
  factory->Release();
  return h;
}

}  // namespace qn::com
