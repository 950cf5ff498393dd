#include "platform/com/rpc/format.h"

#include <cstring>

namespace qn::com {
namespace {

bool sends(const Param& p) { return p.dir & kIn; }
bool returns(const Param& p) { return p.dir & kOut; }

void empty_value(ParamType t, Value* v) {
  std::memset(v, 0, sizeof *v);
  if (t == ParamType::Variant) VariantInit(&v->v);
}

void free_value(ParamType t, Value* v) {
  switch (t) {
    case ParamType::Bstr:
      SysFreeString(v->s);
      break;
    case ParamType::Variant:
      VariantClear(&v->v);
      break;
    case ParamType::Interface:
      if (v->p) v->p->Release();
      break;
    default:
      break;
  }
  empty_value(t, v);
}

void write_one(NdrWriter& w, const Param& p, const void* at, InterfaceMarshaller& m) {
  switch (p.type) {
    case ParamType::Long:
      w.u32(static_cast<std::uint32_t>(*static_cast<const LONG*>(at)));
      break;
    case ParamType::Byte:
      w.u8(*static_cast<const BYTE*>(at));
      break;
    case ParamType::Hyper:
      w.u64(static_cast<std::uint64_t>(*static_cast<const LONGLONG*>(at)));
      break;
    case ParamType::Bstr:
      write_bstr(w, *static_cast<const BSTR*>(at));
      break;
    case ParamType::Variant:
      write_variant(w, *static_cast<const VARIANT*>(at));
      break;
    case ParamType::Interface: {
      IUnknown* object = *static_cast<IUnknown* const*>(at);
      std::vector<std::uint8_t> objref;
      if (object) {
        if (HRESULT h = m.marshal(object, *p.iid, &objref); FAILED(h)) throw NdrError{h};
      }
      write_interface(w, objref);
      break;
    }
  }
}

void read_one(NdrReader& r, const Param& p, Value* v, InterfaceMarshaller& m) {
  switch (p.type) {
    case ParamType::Long:
      v->l = static_cast<LONG>(r.u32());
      break;
    case ParamType::Byte:
      v->b = r.u8();
      break;
    case ParamType::Hyper:
      v->h = static_cast<LONGLONG>(r.u64());
      break;
    case ParamType::Bstr:
      v->s = read_bstr(r);
      break;
    case ParamType::Variant:
      read_variant(r, &v->v);
      break;
    case ParamType::Interface: {
      bool is_null = false;
      std::vector<std::uint8_t> objref = read_interface(r, &is_null);
      v->p = nullptr;
      if (!is_null) {
        if (FAILED(m.unmarshal(objref.data(), objref.size(), *p.iid, &v->p)))
          throw NdrError{RPC_X_BAD_STUB_DATA};
      }
      break;
    }
  }
}

}  // namespace

void ndr_init(const Signature& sig, Value* vals) {
  for (std::uint8_t i = 0; i < sig.count; ++i) empty_value(sig.params[i].type, &vals[i]);
}

void ndr_free(const Signature& sig, Value* vals) {
  for (std::uint8_t i = 0; i < sig.count; ++i) free_value(sig.params[i].type, &vals[i]);
}

HRESULT ndr_check_refs(const Signature& sig, void* const* args) {
  for (std::uint8_t i = 0; i < sig.count; ++i) {
    const Param& p = sig.params[i];
    if ((returns(p) || p.by_ref) && !args[i]) return RPC_X_NULL_REF_POINTER;
  }
  return S_OK;
}

void ndr_marshal_in(NdrWriter& w, const Signature& sig, void* const* args, InterfaceMarshaller& m) {
  for (std::uint8_t i = 0; i < sig.count; ++i)
    if (sends(sig.params[i])) write_one(w, sig.params[i], args[i], m);
}

HRESULT ndr_unmarshal_out(NdrReader& r, const Signature& sig, Value* out, InterfaceMarshaller& m) {
  ndr_init(sig, out);
  try {
    for (std::uint8_t i = 0; i < sig.count; ++i)
      if (returns(sig.params[i])) read_one(r, sig.params[i], &out[i], m);
    return static_cast<HRESULT>(r.u32());
  } catch (...) {
    ndr_free(sig, out);
    throw;
  }
}

void ndr_commit_out(const Signature& sig, Value* out, void* const* args) {
  for (std::uint8_t i = 0; i < sig.count; ++i) {
    const Param& p = sig.params[i];
    if (!returns(p)) continue;
    void* at = args[i];
    switch (p.type) {
      case ParamType::Long:
        *static_cast<LONG*>(at) = out[i].l;
        break;
      case ParamType::Byte:
        *static_cast<BYTE*>(at) = out[i].b;
        break;
      case ParamType::Hyper:
        *static_cast<LONGLONG*>(at) = out[i].h;
        break;
      case ParamType::Bstr:
        if (p.dir == kInOut) SysFreeString(*static_cast<BSTR*>(at));
        *static_cast<BSTR*>(at) = out[i].s;
        break;
      case ParamType::Variant:
        if (p.dir == kInOut) VariantClear(static_cast<VARIANT*>(at));
        *static_cast<VARIANT*>(at) = out[i].v;
        break;
      case ParamType::Interface:
        if (p.dir == kInOut && *static_cast<IUnknown**>(at))
          (*static_cast<IUnknown**>(at))->Release();
        *static_cast<IUnknown**>(at) = out[i].p;
        break;
    }
    empty_value(p.type, &out[i]);  // now the caller's
  }
}

void ndr_clear_out(const Signature& sig, void* const* args) {
  for (std::uint8_t i = 0; i < sig.count; ++i) {
    const Param& p = sig.params[i];
    if (p.dir != kOut || !args[i]) continue;
    switch (p.type) {
      case ParamType::Long:
        *static_cast<LONG*>(args[i]) = 0;
        break;
      case ParamType::Byte:
        *static_cast<BYTE*>(args[i]) = 0;
        break;
      case ParamType::Hyper:
        *static_cast<LONGLONG*>(args[i]) = 0;
        break;
      case ParamType::Bstr:
        *static_cast<BSTR*>(args[i]) = nullptr;
        break;
      case ParamType::Variant:
        VariantInit(static_cast<VARIANT*>(args[i]));
        break;
      case ParamType::Interface:
        *static_cast<IUnknown**>(args[i]) = nullptr;
        break;
    }
  }
}

void ndr_unmarshal_in(NdrReader& r, const Signature& sig, Value* vals, InterfaceMarshaller& m) {
  ndr_init(sig, vals);
  try {
    for (std::uint8_t i = 0; i < sig.count; ++i)
      if (sends(sig.params[i])) read_one(r, sig.params[i], &vals[i], m);
  } catch (...) {
    ndr_free(sig, vals);
    throw;
  }
}

void ndr_marshal_out(NdrWriter& w, const Signature& sig, Value* vals, HRESULT result,
                     InterfaceMarshaller& m) {
  for (std::uint8_t i = 0; i < sig.count; ++i) {
    const Param& p = sig.params[i];
    if (!returns(p)) continue;
    const void* at = nullptr;
    switch (p.type) {
      case ParamType::Long:
        at = &vals[i].l;
        break;
      case ParamType::Byte:
        at = &vals[i].b;
        break;
      case ParamType::Hyper:
        at = &vals[i].h;
        break;
      case ParamType::Bstr:
        at = &vals[i].s;
        break;
      case ParamType::Variant:
        at = &vals[i].v;
        break;
      case ParamType::Interface:
        at = &vals[i].p;
        break;
    }
    write_one(w, p, at, m);
  }
  w.u32(static_cast<std::uint32_t>(result));
}

}  // namespace qn::com
