// The network data representation of call arguments: integers aligned to
// their own size, in the byte order the peer announced (little-endian is
// what this side writes), and the automation types in their published wire
// forms. A BSTR travels as a FLAGGED_WORD_BLOB, a VARIANT as a wireVARIANT
// (clSize in 8-byte units over the structure and everything it points to,
// union discriminant vt, or VT_ARRAY for any array), a one-dimensional
// SAFEARRAY of VT_UI1 or VT_VARIANT as a wireSAFEARRAY. These user-marshalled
// forms are always little-endian, whatever the peer announced.
//
// Reading checks every count against the bytes that remain before it
// allocates, stops VARIANT nesting at kMaxNesting and reports bad data as
// NdrError{RPC_X_BAD_STUB_DATA}. Writing refuses a VARIANT type it cannot
// carry with NdrError{DISP_E_BADVARTYPE}.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/com/hresult.h"
#include "platform/com/unknown.h"

namespace qn::com {

// Failures of remote calls, with their published values.
inline constexpr HRESULT RPC_S_SERVER_UNAVAILABLE = hr(0x800706BA);
inline constexpr HRESULT RPC_S_CALL_FAILED = hr(0x800706BE);
inline constexpr HRESULT RPC_S_PROCNUM_OUT_OF_RANGE = hr(0x800706D1);
inline constexpr HRESULT RPC_X_NULL_REF_POINTER = hr(0x800706F4);
inline constexpr HRESULT RPC_X_BAD_STUB_DATA = hr(0x800706F7);
inline constexpr HRESULT RPC_E_SERVERFAULT = hr(0x80010105);
inline constexpr HRESULT RPC_E_DISCONNECTED = hr(0x80010108);

inline constexpr std::size_t kMaxMessage = std::size_t{64} << 20;  // stub data of one call
inline constexpr int kMaxNesting = 32;                             // VARIANT inside VARIANT

struct NdrError {
  HRESULT code;
};

class NdrWriter {
 public:
  explicit NdrWriter(bool big_endian = false) : big_(big_endian) {}
  // Writes into buffer (emptied first), keeping the room it already has.
  explicit NdrWriter(std::vector<std::uint8_t>&& buffer) : out_(std::move(buffer)), big_(false) {
    out_.clear();
  }
  void align(std::size_t n);
  void u8(std::uint8_t v);
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void u64(std::uint64_t v);
  void bytes(const void* p, std::size_t n);
  void guid(const GUID& g);
  void put_u32_at(std::size_t pos, std::uint32_t v);
  std::size_t size() const { return out_.size(); }
  std::vector<std::uint8_t>& data() { return out_; }
  bool big_endian() const { return big_; }
  void set_big_endian(bool big) { big_ = big; }

 private:
  void check(std::size_t more);
  std::vector<std::uint8_t> out_;
  bool big_;
};

class NdrReader {
 public:
  NdrReader(const std::uint8_t* p, std::size_t n, bool big_endian = false)
      : p_(p), n_(n), big_(big_endian) {}
  void align(std::size_t n);
  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  std::uint64_t u64();
  const std::uint8_t* take(std::size_t n);
  void guid(GUID* g);
  std::size_t remaining() const { return n_ - pos_; }
  std::size_t pos() const { return pos_; }
  // Fails unless n elements of elem_size bytes each can still follow.
  void need(std::uint64_t n, std::size_t elem_size) const;
  bool big_endian() const { return big_; }
  void set_big_endian(bool big) { big_ = big; }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
  std::size_t pos_ = 0;
  bool big_;
};

// Referent id of the pointers the user-marshal routines write ("User").
inline constexpr std::uint32_t kUserReferent = 0x72657355;

// A BSTR of exactly `bytes` bytes (the byte count may be odd).
BSTR bstr_from_bytes(const void* data, std::uint32_t bytes);

// S_OK when v and everything inside it can travel, else DISP_E_BADVARTYPE.
HRESULT check_variant(const VARIANT& v, int depth = 0);

void write_bstr(NdrWriter& w, BSTR s);
BSTR read_bstr(NdrReader& r);
void write_variant(NdrWriter& w, const VARIANT& v);
// *out receives a new value; on failure it is VT_EMPTY and nothing leaks.
void read_variant(NdrReader& r, VARIANT* out);

// An interface pointer as a unique pointer to MInterfacePointer holding the
// OBJREF bytes (empty: a null pointer).
void write_interface(NdrWriter& w, const std::vector<std::uint8_t>& objref);
std::vector<std::uint8_t> read_interface(NdrReader& r, bool* is_null);

// ORPCTHIS before the arguments of a request, ORPCTHAT before the results of
// a reply. Extensions are not used; a peer's are refused as bad data.
inline constexpr std::size_t kOrpcThisSize = 32;
inline constexpr std::size_t kOrpcThatSize = 8;
void write_orpcthis(NdrWriter& w, const GUID& causality);
void read_orpcthis(NdrReader& r);
void write_orpcthat(NdrWriter& w);
void read_orpcthat(NdrReader& r);

}  // namespace qn::com
