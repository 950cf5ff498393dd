// The module object: the class table, its class factories, the count of
// live objects and locks, and self-registration. The exported entry points
// (dll_main.cpp) are thin calls into these.
#pragma once

#include <string>

#include "platform/com/unknown.h"

namespace qn::office {

// The count of live objects and server locks, changed atomically.
void module_lock();
void module_unlock();
long module_lock_count();

// S_OK when no object or lock is alive, else S_FALSE.
com::HRESULT can_unload_now();

// The factory of one of the eight classes, made on the first request under
// the module's lock and kept. E_POINTER for a null out pointer,
// CLASS_E_CLASSNOTAVAILABLE for another class.
com::HRESULT get_class_object(const com::CLSID& clsid, const com::IID& iid, void** out);

// Writes (or removes) the keys of every class, of the type library and of
// its interfaces in the registry file; module_path is the module's full
// path. SELFREG_E_CLASS when the file cannot be written.
com::HRESULT register_module(const std::string& module_path);
com::HRESULT unregister_module();

}  // namespace qn::office
