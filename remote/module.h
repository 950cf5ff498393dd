// The proxy/stub module: its factory, what keeps it loaded, and its
// registration. libqndcomj.so exports these through its four entry points.
#pragma once

#include <string>

#include "platform/com/rpc/channel.h"

namespace qn::remote {

// The factory of the proxy/stub class (its CLSID is the IID of
// IQNDComRemoteProcedure); CLASS_E_CLASSNOTAVAILABLE for any other class.
com::HRESULT get_class_object(const com::CLSID& clsid, const com::IID& iid, void** out);
// S_FALSE while a proxy or stub of the module lives, else S_OK.
com::HRESULT can_unload_now();

// Writes, into the registry file, Interface\{IID} (name, NumMethods,
// ProxyStubClsid32) for each interface and CLSID\{...}\InprocServer32
// (module_path, ThreadingModel Both); unregistering removes them.
com::HRESULT register_module(const std::string& module_path);
com::HRESULT unregister_module();

}  // namespace qn::remote
