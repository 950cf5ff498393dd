// Finding and making registered classes. A ProgID names its class through
// the key "<ProgID>\CLSID" of the registry file; a class names its module
// through "CLSID\{...}\InprocServer32". The module is loaded once and stays
// loaded; its DllGetClassObject hands out the factory that makes the object.
#pragma once

#include <string_view>

#include "platform/com/unknown.h"

namespace qn::com {

enum : unsigned { CLSCTX_INPROC_SERVER = 0x1 };

// The class of a ProgID; CO_E_CLASSSTRING when it is not registered.
HRESULT CLSIDFromProgID(std::string_view prog_id, CLSID* out);

// Makes an object of the class in its in-process module and hands out the
// interface iid. CO_E_NOTINITIALIZED on a thread without initialisation,
// REGDB_E_CLASSNOTREG without a module path, E_MOD_NOT_FOUND when the module
// does not load, CO_E_ERRORINDLL when it lacks DllGetClassObject, else what
// the module answers.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, unsigned context, REFIID iid, void** out);

}  // namespace qn::com
