#include "platform/com/rpc/ndr.h"

#include <cstring>
#include <limits>

#include "platform/com/safearray.h"

namespace qn::com {
namespace {

[[noreturn]] void bad_data() { throw NdrError{RPC_X_BAD_STUB_DATA}; }
[[noreturn]] void bad_type() { throw NdrError{DISP_E_BADVARTYPE}; }

// The user-marshalled forms are little-endian whatever the call uses.
class LittleEndian {
 public:
  explicit LittleEndian(NdrWriter& w) : w_(&w), was_(w.big_endian()) { w.set_big_endian(false); }
  explicit LittleEndian(NdrReader& r) : r_(&r), was_(r.big_endian()) { r.set_big_endian(false); }
  ~LittleEndian() {
    if (w_) w_->set_big_endian(was_);
    if (r_) r_->set_big_endian(was_);
  }

 private:
  NdrWriter* w_ = nullptr;
  NdrReader* r_ = nullptr;
  bool was_;
};

// SAFEARRAY wire constants.
enum : std::uint32_t { kSfI1 = 0x10, kSfVariant = 0x0C };
enum : std::uint16_t { kFadfHaveVartype = 0x0080, kFadfVariant = 0x0800 };

bool is_array_type(VARTYPE vt) { return (vt & VT_ARRAY) != 0; }

}  // namespace

// ---------------------------------------------------------------- writer

void NdrWriter::check(std::size_t more) {
  if (out_.size() + more > kMaxMessage + 64) throw NdrError{RPC_X_BAD_STUB_DATA};
}

void NdrWriter::align(std::size_t n) {
  const std::size_t pad = (n - out_.size() % n) % n;
  check(pad);
  out_.insert(out_.end(), pad, 0);
}

void NdrWriter::u8(std::uint8_t v) {
  check(1);
  out_.push_back(v);
}

void NdrWriter::u16(std::uint16_t v) {
  align(2);
  check(2);
  if (big_) {
    out_.push_back(v >> 8);
    out_.push_back(v & 0xFF);
  } else {
    out_.push_back(v & 0xFF);
    out_.push_back(v >> 8);
  }
}

void NdrWriter::u32(std::uint32_t v) {
  align(4);
  check(4);
  for (int i = 0; i < 4; ++i) out_.push_back(v >> (big_ ? 24 - 8 * i : 8 * i));
}

void NdrWriter::u64(std::uint64_t v) {
  align(8);
  check(8);
  for (int i = 0; i < 8; ++i) out_.push_back(v >> (big_ ? 56 - 8 * i : 8 * i));
}

void NdrWriter::bytes(const void* p, std::size_t n) {
  check(n);
  // A large block (a byte array) is not copied twice by the vector's growth.
  if (n > 4096 && out_.capacity() - out_.size() < n) out_.reserve(out_.size() + n + 4096);
  auto* b = static_cast<const std::uint8_t*>(p);
  out_.insert(out_.end(), b, b + n);
}

void NdrWriter::guid(const GUID& g) {
  u32(g.Data1);
  u16(g.Data2);
  u16(g.Data3);
  bytes(g.Data4, 8);
}

void NdrWriter::put_u32_at(std::size_t pos, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out_[pos + i] = v >> (big_ ? 24 - 8 * i : 8 * i);
}

// ---------------------------------------------------------------- reader

void NdrReader::align(std::size_t n) {
  const std::size_t pad = (n - pos_ % n) % n;
  if (pad > remaining()) bad_data();
  pos_ += pad;
}

const std::uint8_t* NdrReader::take(std::size_t n) {
  if (n > remaining()) bad_data();
  const std::uint8_t* p = p_ + pos_;
  pos_ += n;
  return p;
}

void NdrReader::need(std::uint64_t n, std::size_t elem_size) const {
  if (elem_size && n > remaining() / elem_size) bad_data();
}

std::uint8_t NdrReader::u8() { return *take(1); }

std::uint16_t NdrReader::u16() {
  align(2);
  const std::uint8_t* b = take(2);
  return big_ ? (b[0] << 8 | b[1]) : (b[1] << 8 | b[0]);
}

std::uint32_t NdrReader::u32() {
  align(4);
  const std::uint8_t* b = take(4);
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= std::uint32_t{b[i]} << (big_ ? 24 - 8 * i : 8 * i);
  return v;
}

std::uint64_t NdrReader::u64() {
  align(8);
  const std::uint8_t* b = take(8);
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= std::uint64_t{b[i]} << (big_ ? 56 - 8 * i : 8 * i);
  return v;
}

void NdrReader::guid(GUID* g) {
  g->Data1 = u32();
  g->Data2 = u16();
  g->Data3 = u16();
  std::memcpy(g->Data4, take(8), 8);
}

// ---------------------------------------------------------------- BSTR

BSTR bstr_from_bytes(const void* data, std::uint32_t bytes) {
  BSTR s = SysAllocStringLen(nullptr, (bytes + 1) / 2);
  if (!s) throw NdrError{E_OUTOFMEMORY};
  if (bytes) std::memcpy(s, data, bytes);
  reinterpret_cast<unsigned char*>(s)[bytes] = 0;  // the odd last byte's partner
  std::memcpy(reinterpret_cast<unsigned char*>(s) - 4, &bytes, 4);
  return s;
}

// The unique pointer (never null: a null BSTR has cBytes 0xFFFFFFFF), then
// the conformant FLAGGED_WORD_BLOB: max count, cBytes, clSize, the units.
void write_bstr(NdrWriter& w, BSTR s) {
  LittleEndian le(w);
  w.u32(kUserReferent);
  const std::uint32_t bytes = s ? SysStringByteLen(s) : 0xFFFFFFFFu;
  const std::uint32_t units = s ? (bytes + 1) / 2 : 0;
  w.u32(units);
  w.u32(bytes);
  w.u32(units);
  if (units) {
    // The odd byte of an odd length travels with a zero partner.
    w.bytes(s, bytes);
    if (bytes % 2) w.u8(0);
  }
}

BSTR read_bstr(NdrReader& r) {
  LittleEndian le(r);
  if (r.u32() == 0) bad_data();  // the blob pointer is never null
  const std::uint32_t max_count = r.u32();
  const std::uint32_t bytes = r.u32();
  const std::uint32_t units = r.u32();
  if (max_count != units) bad_data();
  if (bytes == 0xFFFFFFFFu) {
    if (units != 0) bad_data();
    return nullptr;
  }
  if (units != bytes / 2 + bytes % 2) bad_data();
  r.need(units, 2);
  const std::uint8_t* data = r.take(std::size_t{units} * 2);
  return bstr_from_bytes(data, bytes);
}

// ---------------------------------------------------------------- VARIANT

HRESULT check_variant(const VARIANT& v, int depth) {
  if (depth >= kMaxNesting) return DISP_E_BADVARTYPE;
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BOOL:
    case VT_ERROR:
    case VT_BSTR:
      return S_OK;
    case VT_ARRAY | VT_UI1:
    case VT_ARRAY | VT_VARIANT: {
      SAFEARRAY* psa = v.parray;
      if (!psa) return S_OK;
      VARTYPE element = VT_EMPTY;
      if (psa->cDims != 1 || FAILED(SafeArrayGetVartype(psa, &element)) ||
          element != (v.vt & ~VT_ARRAY))
        return DISP_E_BADVARTYPE;
      if (element == VT_VARIANT) {
        auto* items = static_cast<const VARIANT*>(psa->pvData);
        for (ULONG i = 0; i < psa->rgsabound[0].cElements; ++i)
          if (HRESULT h = check_variant(items[i], depth + 1); FAILED(h)) return h;
      }
      return S_OK;
    }
    default:
      return DISP_E_BADVARTYPE;
  }
}

namespace {

void write_variant_body(NdrWriter& w, const VARIANT& v, int depth);

// wirePSAFEARRAY's pointee: the inner unique pointer, then the conformant
// wireSAFEARRAY and what its union points to.
void write_safearray(NdrWriter& w, SAFEARRAY* psa, int depth) {
  VARTYPE element = VT_EMPTY;
  SafeArrayGetVartype(psa, &element);
  const bool values = element == VT_VARIANT;
  const ULONG count = psa->rgsabound[0].cElements;
  w.u32(kUserReferent);
  w.u32(1);  // conformance: cDims
  w.u16(1);
  w.u16(values ? kFadfHaveVartype | kFadfVariant : kFadfHaveVartype);
  w.u32(values ? 16 : 1);
  w.u32(0);  // cLocks
  w.u32(values ? kSfVariant : kSfI1);
  w.u32(count);
  w.u32(kUserReferent);
  w.u32(count);
  w.u32(static_cast<std::uint32_t>(psa->rgsabound[0].lLbound));
  w.u32(count);  // the array's max count
  if (!values) {
    w.bytes(psa->pvData, count);
    return;
  }
  auto* items = static_cast<const VARIANT*>(psa->pvData);
  for (ULONG i = 0; i < count; ++i) w.u32(kUserReferent);
  for (ULONG i = 0; i < count; ++i) write_variant_body(w, items[i], depth + 1);
}

void write_variant_body(NdrWriter& w, const VARIANT& v, int depth) {
  if (depth >= kMaxNesting) bad_type();
  w.align(8);
  const std::size_t start = w.size();
  w.u32(0);  // clSize, filled in below
  w.u32(0);  // rpcReserved
  w.u16(v.vt);
  w.u16(0);
  w.u16(0);
  w.u16(0);
  w.u32(is_array_type(v.vt) ? VARTYPE{VT_ARRAY} : v.vt);
  // Each arm aligned to its own size, as every integer is.
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
      break;
    case VT_I1:
    case VT_UI1:
      w.u8(v.bVal);
      break;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      w.u16(v.uiVal);
      break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
    case VT_R4:
      w.u32(v.ulVal);
      break;
    case VT_I8:
    case VT_UI8:
    case VT_CY:
    case VT_R8:
    case VT_DATE:
      w.u64(v.ullVal);
      break;
    case VT_BSTR:
      write_bstr(w, v.bstrVal);  // the arm's pointer, then its blob right after the structure
      break;
    case VT_ARRAY | VT_UI1:
    case VT_ARRAY | VT_VARIANT:
      w.u32(v.parray ? kUserReferent : 0);
      if (v.parray) write_safearray(w, v.parray, depth);
      break;
    default:
      bad_type();
  }
  w.put_u32_at(start, static_cast<std::uint32_t>((w.size() - start + 7) / 8));
}

void read_variant_body(NdrReader& r, VARIANT* out, int depth);

SAFEARRAY* read_safearray(NdrReader& r, VARTYPE vt, int depth) {
  if (r.u32() == 0) bad_data();
  if (r.u32() != 1) bad_data();  // one dimension
  if (r.u16() != 1) bad_data();
  r.u16();  // fFeatures
  const std::uint32_t element_size = r.u32();
  r.u32();  // cLocks
  const std::uint32_t sf_type = r.u32();
  const bool values = vt == VT_VARIANT;
  if (sf_type != (values ? kSfVariant : kSfI1) || element_size != (values ? 16u : 1u)) bad_data();
  const std::uint32_t count = r.u32();
  if (r.u32() == 0) bad_data();
  const std::uint32_t elements = r.u32();
  const auto lbound = static_cast<LONG>(r.u32());
  const std::uint32_t max_count = r.u32();
  if (elements != count || max_count != count) bad_data();
  // Each value takes at least its referent and 24 bytes, each byte one.
  r.need(count, values ? 28 : 1);
  SAFEARRAY* psa = SafeArrayCreateVector(vt, lbound, count);
  if (!psa) throw NdrError{E_OUTOFMEMORY};
  try {
    if (!values) {
      if (count) std::memcpy(psa->pvData, r.take(count), count);
      return psa;
    }
    for (std::uint32_t i = 0; i < count; ++i)
      if (r.u32() == 0) bad_data();
    auto* items = static_cast<VARIANT*>(psa->pvData);
    for (std::uint32_t i = 0; i < count; ++i) read_variant_body(r, &items[i], depth + 1);
  } catch (...) {
    SafeArrayDestroy(psa);
    throw;
  }
  return psa;
}

void read_variant_body(NdrReader& r, VARIANT* out, int depth) {
  VariantInit(out);
  if (depth >= kMaxNesting) bad_data();
  r.align(8);
  const std::size_t start = r.pos();
  const std::uint32_t size = r.u32();
  r.u32();
  const VARTYPE vt = r.u16();
  r.u16();
  r.u16();
  r.u16();
  if (r.u32() != (is_array_type(vt) ? VARTYPE{VT_ARRAY} : vt)) bad_data();
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
      break;
    case VT_I1:
    case VT_UI1:
      v.bVal = r.u8();
      break;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      v.uiVal = r.u16();
      break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
    case VT_R4:
      v.ulVal = r.u32();
      break;
    case VT_I8:
    case VT_UI8:
    case VT_CY:
    case VT_R8:
    case VT_DATE:
      v.ullVal = r.u64();
      break;
    case VT_BSTR:
      v.bstrVal = read_bstr(r);
      break;
    case VT_ARRAY | VT_UI1:
    case VT_ARRAY | VT_VARIANT:
      v.parray = r.u32() ? read_safearray(r, vt & ~VT_ARRAY, depth) : nullptr;
      break;
    default:
      bad_data();
  }
  *out = v;
  // The size field must cover what was read.
  if (size != (r.pos() - start + 7) / 8) {
    VariantClear(out);
    bad_data();
  }
}

}  // namespace

void write_variant(NdrWriter& w, const VARIANT& v) {
  if (HRESULT h = check_variant(v); FAILED(h)) throw NdrError{h};
  LittleEndian le(w);
  w.u32(kUserReferent);
  write_variant_body(w, v, 0);
}

void read_variant(NdrReader& r, VARIANT* out) {
  LittleEndian le(r);
  VariantInit(out);
  if (r.u32() == 0) bad_data();
  read_variant_body(r, out, 0);
}

// ---------------------------------------------------------------- interfaces

void write_interface(NdrWriter& w, const std::vector<std::uint8_t>& objref) {
  if (objref.empty()) {
    w.u32(0);
    return;
  }
  w.u32(0x00020000);  // referent id
  w.u32(static_cast<std::uint32_t>(objref.size()));
  w.u32(static_cast<std::uint32_t>(objref.size()));
  w.bytes(objref.data(), objref.size());
}

std::vector<std::uint8_t> read_interface(NdrReader& r, bool* is_null) {
  *is_null = r.u32() == 0;
  if (*is_null) return {};
  const std::uint32_t max_count = r.u32();
  const std::uint32_t count = r.u32();
  if (max_count != count || count == 0) bad_data();
  r.need(count, 1);
  const std::uint8_t* p = r.take(count);
  return {p, p + count};
}

// ---------------------------------------------------------------- ORPC

void write_orpcthis(NdrWriter& w, const GUID& causality) {
  w.u16(5);  // COMVERSION 5.7
  w.u16(7);
  w.u32(0);  // flags
  w.u32(0);  // reserved1
  w.guid(causality);
  w.u32(0);  // no extensions
}

void read_orpcthis(NdrReader& r) {
  if (r.u16() != 5) bad_data();
  r.u16();
  r.u32();
  r.u32();
  GUID cid;
  r.guid(&cid);
  if (r.u32() != 0) bad_data();
}

void write_orpcthat(NdrWriter& w) {
  w.u32(0);
  w.u32(0);
}

void read_orpcthat(NdrReader& r) {
  r.u32();
  if (r.u32() != 0) bad_data();
}

}  // namespace qn::com
