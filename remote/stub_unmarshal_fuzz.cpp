// Fuzz target of the stub unmarshallers of every method: the first byte
// picks the method, the second whether the bytes are a request or a reply
// and their byte order; the rest is the stub data. Interface pointers go
// through the OBJREF reader. Every input decodes (and is freed) or is
// refused.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/com/rpc/objref.h"
#include "remote/tables.h"

namespace {

using namespace qn::com;

struct Dummy final : IUnknown {
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
};

struct Marshaller final : InterfaceMarshaller {
  HRESULT marshal(IUnknown*, const IID&, std::vector<std::uint8_t>*) override { return E_FAIL; }
  HRESULT unmarshal(const std::uint8_t* p, std::size_t n, const IID&, IUnknown** out) override {
    if (!decode_objref(p, n)) return E_INVALIDARG;
    *out = &dummy;
    return S_OK;
  }
  Dummy dummy;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::remote;
  if (size < 2) return 0;
  int pick = data[0];
  int itf = 0;
  while (pick >= kInterfaces[itf].count) {
    pick -= kInterfaces[itf].count;
    itf = (itf + 1) % kInterfaceCount;
  }
  const Signature& sig = signature_of(itf, pick + 3);
  const bool reply = data[1] & 1, big = data[1] & 2;
  Marshaller m;
  std::vector<Value> vals(sig.count + 1);
  NdrReader r(data + 2, size - 2, big);
  try {
    if (reply) {
      ndr_unmarshal_out(r, sig, vals.data(), m);
    } else {
      ndr_unmarshal_in(r, sig, vals.data(), m);
    }
    ndr_free(sig, vals.data());
  } catch (const NdrError&) {
  }
  return 0;
}
