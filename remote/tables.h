// The format tables of the seven interfaces (one signature per distinct
// parameter list, shared by the methods that have it), their methods in slot
// order with the stub's call of each, and the lookup of an IID.
#pragma once

#include <cstdint>

#include "platform/com/rpc/channel.h"
#include "remote/interfaces.h"

namespace qn::remote {

struct MethodEntry {
  const char* name;
  const com::Signature* sig;
  com::StubCall call;
};

struct InterfaceEntry {
  const IID* iid;
  const char* name;
  const MethodEntry* methods;  // slot 3 on
  std::uint8_t count;
  std::uint8_t num_methods() const { return count + 3; }  // IUnknown's included
};

inline constexpr int kInterfaceCount = 7;
// In the byte order of the IIDs.
extern const InterfaceEntry kInterfaces[kInterfaceCount];
// The ids of the same family beside the IIDs ({5D873B53-…} and so on);
// nothing uses them.
extern const IID kCompanionIds[kInterfaceCount];

// The index of iid in kInterfaces by binary search, or -1.
int find_interface(const IID& iid);

// The signatures, for tests and fuzz targets that drive the engine directly.
const com::Signature& signature_of(int interface_index, int slot);

}  // namespace qn::remote
