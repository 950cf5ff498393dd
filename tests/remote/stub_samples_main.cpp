// Prints the stub data (ORPCTHIS or ORPCTHAT first) of calls of every
// distinct signature, one "name request|reply HEX" line each, for the
// independent decoder's check (impacket_judge.py). Interface pointers are
// real OBJREFs of an object this program exports.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/com/rpc/objref.h"
#include "platform/com/rpc/runtime.h"
#include "remote/tables.h"

using namespace qn::com;
using namespace qn::remote;

namespace {

struct Marshaller final : InterfaceMarshaller {
  HRESULT marshal(IUnknown*, const IID& iid, std::vector<std::uint8_t>* objref) override {
    ObjRef ref;
    ref.iid = iid;
    ref.public_refs = 1;
    ref.oxid = 0x0102030405060708ULL;
    ref.oid = 0x1112131415161718ULL;
    ref.ipid = GUID{0x21222324, 0x2526, 0x2728, {0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30}};
    ref.binding = "127.0.0.1[4321]";
    *objref = encode_objref(ref);
    return S_OK;
  }
  HRESULT unmarshal(const std::uint8_t*, std::size_t, const IID&, IUnknown**) override {
    return E_NOTIMPL;
  }
};

struct Dummy final : IUnknown {
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
} g_object;

std::string hex(const std::vector<std::uint8_t>& bytes) {
  std::string s;
  char b[3];
  for (auto x : bytes) {
    std::snprintf(b, sizeof b, "%02X", x);
    s += b;
  }
  return s;
}

VARIANT i4(LONG n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

// The values of every parameter, by type: long 7, byte 9, hyper 2^40 + 3,
// text "ab", VARIANT I4 5 (or the BSTR "cd" for the second VARIANT of a
// method), interface pointer an OBJREF.
void fill(const Signature& sig, std::vector<Value>& v) {
  int variants = 0;
  for (std::uint8_t i = 0; i < sig.count; ++i) {
    switch (sig.params[i].type) {
      case ParamType::Long:
        v[i].l = 7;
        break;
      case ParamType::Byte:
        v[i].b = 9;
        break;
      case ParamType::Hyper:
        v[i].h = (1LL << 40) + 3;
        break;
      case ParamType::Bstr:
        v[i].s = bstr_from_1252("ab");
        break;
      case ParamType::Variant:
        if (variants++ == 1) {
          VariantInit(&v[i].v);
          v[i].v.vt = VT_BSTR;
          v[i].v.bstrVal = bstr_from_1252("cd");
        } else {
          v[i].v = i4(5);
        }
        break;
      case ParamType::Interface:
        v[i].p = &g_object;
        break;
    }
  }
}

}  // namespace

int main() {
  Marshaller m;
  const GUID cid{0x31323334, 0x3536, 0x3738, {0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40}};
  for (const InterfaceEntry& e : kInterfaces) {
    for (std::uint8_t k = 0; k < e.count; ++k) {
      const Signature& sig = *e.methods[k].sig;
      std::vector<Value> vals(sig.count + 1);
      std::vector<void*> ptrs(sig.count + 1);
      fill(sig, vals);
      for (std::uint8_t i = 0; i < sig.count; ++i) ptrs[i] = &vals[i];
      NdrWriter request;
      write_orpcthis(request, cid);
      ndr_marshal_in(request, sig, ptrs.data(), m);
      NdrWriter reply;
      write_orpcthat(reply);
      ndr_marshal_out(reply, sig, vals.data(), S_OK, m);
      std::printf("%s.%s request %s\n", e.name, e.methods[k].name, hex(request.data()).c_str());
      std::printf("%s.%s reply %s\n", e.name, e.methods[k].name, hex(reply.data()).c_str());
      for (std::uint8_t i = 0; i < sig.count; ++i)
        if (sig.params[i].type == ParamType::Interface) vals[i].p = nullptr;
      ndr_free(sig, vals.data());
    }
  }
  return 0;
}
