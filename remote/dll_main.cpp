// The entry points of libqndcomj.so, the only names it exports (see
// exports.map).
#include "remote/module.h"

using namespace qn::com;
using namespace qn::remote;

#define QN_EXPORT extern "C" __attribute__((visibility("default")))

QN_EXPORT HRESULT DllCanUnloadNow() { return can_unload_now(); }

QN_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  return get_class_object(clsid, iid, out);
}

QN_EXPORT HRESULT DllRegisterServer() {
  const std::string path = this_module_path();
  if (path.empty()) return SELFREG_E_CLASS;
  return register_module(path);
}

QN_EXPORT HRESULT DllUnregisterServer() { return unregister_module(); }
