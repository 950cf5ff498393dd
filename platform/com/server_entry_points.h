// The four entry points of an in-process server module (DllCanUnloadNow,
// DllGetClassObject, DllRegisterServer, DllUnregisterServer), each a thin
// call into the module object of a namespace that declares
// can_unload_now, get_class_object, register_module(path) and
// unregister_module. One source file of the module's shared library says
// QN_SERVER_ENTRY_POINTS(its namespace); its export map lists the four
// names. Registration records the file the library was loaded from.
#pragma once

#include <string>

#include "platform/com/unknown.h"
#include "platform/loaded_module.h"

#define QN_SERVER_EXPORT extern "C" __attribute__((visibility("default")))

// The address handed to loaded_module_path is a function of internal
// linkage: an exported name may resolve to another module that exports it
// too (a process holding two servers), and register that module's file.
#define QN_SERVER_ENTRY_POINTS(ns)                                                           \
  static void qn_server_module_anchor() {}                                                   \
  QN_SERVER_EXPORT qn::com::HRESULT DllCanUnloadNow() { return ns::can_unload_now(); }       \
  QN_SERVER_EXPORT qn::com::HRESULT DllGetClassObject(const qn::com::CLSID& clsid,           \
                                                      const qn::com::IID& iid, void** out) { \
    return ns::get_class_object(clsid, iid, out);                                            \
  }                                                                                          \
  QN_SERVER_EXPORT qn::com::HRESULT DllRegisterServer() {                                    \
    const std::string path =                                                                 \
        qn::platform::loaded_module_path(reinterpret_cast<const void*>(&qn_server_module_anchor)); \
    if (path.empty()) return qn::com::SELFREG_E_CLASS;                                       \
    return ns::register_module(path);                                                        \
  }                                                                                          \
  QN_SERVER_EXPORT qn::com::HRESULT DllUnregisterServer() { return ns::unregister_module(); }
