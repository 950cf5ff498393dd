// The type library QNOFFICELib, compiled in: the eight coclasses, each with
// its one dual interface, and every member with its DISPID, kind and
// parameters. It serves late binding (IDispatch) and type descriptions
// (GetTypeInfo); idl_listing() writes it in interface-definition form.
#pragma once

#include <string>
#include <vector>

#include "office/interfaces.h"
#include "platform/com/dispatch_table.h"

namespace qn::office {

struct CoclassDesc {
  const char* name;  // "QnExcel"
  com::CLSID clsid;
  bool hidden;  // the coclass and its interface
  const com::InterfaceDesc* iface;
};

struct TypeLibrary {
  const char* name;  // "QNOFFICELib"
  com::GUID libid;
  unsigned short major, minor;
  unsigned lcid;
  const char* help;
  std::vector<CoclassDesc> coclasses;  // in the library's order
};

const TypeLibrary& type_library();

// The description of an interface of the library, or null.
const com::InterfaceDesc* interface_desc(const com::IID& iid);
// Its type description object (static, not counted), or null.
com::ITypeInfo* type_info(const com::IID& iid);

std::string idl_listing();

}  // namespace qn::office
