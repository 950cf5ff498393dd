// The standard object reference: "MEOW", the interface, STDOBJREF (public
// references, OXID, OID, IPID) and a dual string array whose one string
// binding (ncacn_ip_tcp, "host[port]") names the exporter itself. All of it
// little-endian, as it travels inside MInterfacePointer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/guid.h"

namespace qn::com {

struct ObjRef {
  GUID iid{};
  std::uint32_t public_refs = 0;  // 0: the exporter keeps the object itself
  std::uint64_t oxid = 0;
  std::uint64_t oid = 0;
  GUID ipid{};
  std::string binding;  // "127.0.0.1[40123]"
};

std::vector<std::uint8_t> encode_objref(const ObjRef& ref);
// Nothing for anything but a well-formed standard reference with a TCP
// binding.
std::optional<ObjRef> decode_objref(const std::uint8_t* p, std::size_t size);

}  // namespace qn::com
