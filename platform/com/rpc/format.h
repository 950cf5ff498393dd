// Format tables of remote methods and the one interpreter that reads them.
//
// A method's signature lists its parameters in declaration order with type
// and direction; methods of identical signature share one table. The proxy
// side hands the interpreter one pointer per parameter (to the [in] value,
// or the caller's [out]/[in,out] pointer), the stub side a Value per
// parameter. Requests carry the [in] and [in,out] parameters, replies the
// [out] and [in,out] parameters and then the HRESULT.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/com/rpc/ndr.h"

namespace qn::com {

enum class ParamType : std::uint8_t { Long, Byte, Hyper, Bstr, Variant, Interface };
enum : std::uint8_t { kIn = 1, kOut = 2, kInOut = 3 };

struct Param {
  ParamType type;
  std::uint8_t dir;
  const IID* iid = nullptr;  // interfaces: which one travels
  // [in] interface parameters passed as a reference pointer to the interface
  // pointer (IX**): the reference pointer itself must not be null.
  bool by_ref = false;
};

struct Signature {
  const Param* params;
  std::uint8_t count;
};

// One parameter's storage on the stub side.
union Value {
  LONG l;
  BYTE b;
  LONGLONG h;
  BSTR s;
  VARIANT v;
  IUnknown* p;
};

// Turns interface pointers into OBJREF bytes and back (the channel does).
struct InterfaceMarshaller {
  virtual HRESULT marshal(IUnknown* object, const IID& iid, std::vector<std::uint8_t>* objref) = 0;
  virtual HRESULT unmarshal(const std::uint8_t* objref, std::size_t size, const IID& iid,
                            IUnknown** out) = 0;

 protected:
  ~InterfaceMarshaller() = default;
};

// Proxy side. RPC_X_NULL_REF_POINTER when a reference pointer is null.
HRESULT ndr_check_refs(const Signature& sig, void* const* args);
void ndr_marshal_in(NdrWriter& w, const Signature& sig, void* const* args, InterfaceMarshaller& m);
// Reads the [out] and [in,out] parameters into out[] and returns the HRESULT
// that follows them; on NdrError nothing is left allocated in out[].
HRESULT ndr_unmarshal_out(NdrReader& r, const Signature& sig, Value* out, InterfaceMarshaller& m);
// Hands the values read over to the caller's pointers ([in,out] values are
// cleared first).
void ndr_commit_out(const Signature& sig, Value* out, void* const* args);
// After a failure: every [out]-only parameter gets its empty value; [in,out]
// ones stay as they were.
void ndr_clear_out(const Signature& sig, void* const* args);

// Stub side. vals[] start empty; on NdrError nothing is left allocated.
void ndr_unmarshal_in(NdrReader& r, const Signature& sig, Value* vals, InterfaceMarshaller& m);
void ndr_marshal_out(NdrWriter& w, const Signature& sig, Value* vals, HRESULT result,
                     InterfaceMarshaller& m);
// Frees every value (texts, VARIANTs, interface references).
void ndr_free(const Signature& sig, Value* vals);
void ndr_init(const Signature& sig, Value* vals);

}  // namespace qn::com
