#include "platform/com/rpc/pdu.h"

#include <cstring>

#include "platform/com/rpc/ndr.h"

namespace qn::com {
namespace {

void put_header(NdrWriter& w, std::uint8_t type, std::uint8_t flags, std::uint32_t call_id) {
  w.u8(5);
  w.u8(0);
  w.u8(type);
  w.u8(flags);
  w.u8(w.big_endian() ? 0x00 : 0x10);
  w.u8(0);
  w.u8(0);
  w.u8(0);
  w.u16(0);  // frag_length, set by finish()
  w.u16(0);  // auth_length
  w.u32(call_id);
}

void put_u16_at(std::vector<std::uint8_t>& d, std::size_t at, std::uint16_t n, bool big) {
  d[at] = big ? n >> 8 : n & 0xFF;
  d[at + 1] = big ? n & 0xFF : n >> 8;
}

// Sets the lengths; an auth value goes in its trailer first.
std::vector<std::uint8_t> finish(NdrWriter& w, const AuthValue& auth = {}) {
  if (!auth.empty()) {
    const std::size_t pad = (4 - w.size() % 4) % 4;
    for (std::size_t i = 0; i < pad; ++i) w.u8(0);
    w.u8(kAuthType);
    w.u8(kAuthLevelConnect);
    w.u8(static_cast<std::uint8_t>(pad));
    w.u8(0);
    w.u32(0);  // auth_context_id
    w.bytes(auth.data(), auth.size());
  }
  std::vector<std::uint8_t>& d = w.data();
  put_u16_at(d, 8, static_cast<std::uint16_t>(d.size()), w.big_endian());
  put_u16_at(d, 10, static_cast<std::uint16_t>(auth.size()), w.big_endian());
  return std::move(d);
}

}  // namespace

// Stub data per fragment: what fits after the header, in 8s.
std::size_t chunk_size(bool request) { return (kMaxFragment - (request ? 40 : 24)) / 8 * 8; }

std::vector<std::uint8_t> fragment_header(std::uint8_t flags, std::uint32_t call_id,
                                          std::uint16_t context_id, std::uint16_t opnum,
                                          const GUID* object, std::uint32_t alloc_hint,
                                          std::size_t stub_size, bool big_endian) {
  NdrWriter w(big_endian);
  put_header(w, object ? kPduRequest : kPduResponse, flags | (object ? kPfcObjectUuid : 0),
             call_id);
  w.u32(alloc_hint);
  w.u16(context_id);
  if (object) {
    w.u16(opnum);
    w.guid(*object);
  } else {
    w.u8(0);
    w.u8(0);
  }
  const auto n = static_cast<std::uint16_t>(w.size() + stub_size);
  std::vector<std::uint8_t>& d = w.data();
  d[8] = big_endian ? n >> 8 : n & 0xFF;
  d[9] = big_endian ? n & 0xFF : n >> 8;
  return std::move(d);
}

std::int32_t hresult_of_fault(std::uint32_t status) {
  switch (status) {
    case kNcaOpRangeError:
      return RPC_S_PROCNUM_OUT_OF_RANGE;
    case kStatusBadStubData:
      return RPC_X_BAD_STUB_DATA;
    case kNcaUnknownInterface:
      return E_NOINTERFACE;
    default:
      break;
  }
  if (status & 0x80000000u) return static_cast<HRESULT>(status);
  if (status != 0 && status < 0x10000) return static_cast<HRESULT>(0x80070000u | status);
  return RPC_S_CALL_FAILED;
}

bool parse_header(const std::uint8_t* p, PduHeader* h) {
  if (p[0] != 5 || p[1] != 0) return false;
  h->type = p[2];
  h->flags = p[3];
  std::memcpy(h->drep, p + 4, 4);
  const bool big = h->big_endian();
  h->frag_length = big ? (p[8] << 8 | p[9]) : (p[9] << 8 | p[8]);
  const std::uint16_t auth = big ? (p[10] << 8 | p[11]) : (p[11] << 8 | p[10]);
  h->auth_length = auth;
  h->call_id = big ? (std::uint32_t{p[12]} << 24 | p[13] << 16 | p[14] << 8 | p[15])
                   : (std::uint32_t{p[15]} << 24 | p[14] << 16 | p[13] << 8 | p[12]);
  switch (h->type) {
    case kPduRequest:
    case kPduResponse:
    case kPduFault:
    case kPduBind:
    case kPduBindAck:
    case kPduBindNak:
    case kPduAlterContext:
    case kPduAlterContextResp:
    case kPduAuth3:
      break;
    default:
      return false;
  }
  if (h->frag_length < kPduHeaderSize || h->frag_length > kMaxFragment) return false;
  if (auth == 0) return true;
  const bool may = h->type == kPduBind || h->type == kPduBindAck || h->type == kPduAuth3;
  return may && auth <= kMaxAuthValue && h->frag_length >= kPduHeaderSize + kAuthTrailerSize + auth;
}

bool parse_fragment(const std::uint8_t* p, std::size_t size, Fragment* f) {
  if (size < kPduHeaderSize || !parse_header(p, &f->header) || f->header.frag_length != size)
    return false;
  const std::size_t auth = f->header.auth_length;
  const std::size_t body_end = auth ? size - auth - kAuthTrailerSize : size;
  NdrReader r(p, body_end, f->header.big_endian());
  try {
    if (auth) {
      const std::uint8_t* t = p + body_end;
      if (t[0] != kAuthType || t[1] != kAuthLevelConnect) return false;
      f->auth = t + kAuthTrailerSize;
      f->auth_size = auth;
    }
    r.take(kPduHeaderSize);
    switch (f->header.type) {
      case kPduRequest:
        r.u32();  // alloc_hint: a hint only, never trusted for allocation
        f->context_id = r.u16();
        f->opnum = r.u16();
        f->has_object = f->header.flags & kPfcObjectUuid;
        if (f->has_object) r.guid(&f->object);
        break;
      case kPduResponse:
        r.u32();
        f->context_id = r.u16();
        r.u8();
        r.u8();
        break;
      case kPduFault:
        r.u32();
        f->context_id = r.u16();
        r.u8();
        r.u8();
        f->status = r.u32();
        r.u32();
        break;
      case kPduBind:
      case kPduAlterContext: {
        r.u16();
        r.u16();
        f->assoc_group = r.u32();
        const std::uint8_t n = r.u8();
        r.u8();
        r.u16();
        for (std::uint8_t i = 0; i < n; ++i) {
          BindContext c;
          c.id = r.u16();
          const std::uint8_t syntaxes = r.u8();
          r.u8();
          r.guid(&c.iid);
          r.u32();  // interface version
          for (std::uint8_t k = 0; k < syntaxes; ++k) {
            GUID ts;
            r.guid(&ts);
            const std::uint32_t version = r.u32();
            if (ts == kNdrSyntax && version == 2) c.ndr = true;
          }
          f->contexts.push_back(c);
        }
        break;
      }
      case kPduBindAck:
      case kPduAlterContextResp: {
        r.u16();
        r.u16();
        f->assoc_group = r.u32();
        const std::uint16_t addr = r.u16();
        r.take(addr);
        r.align(4);
        const std::uint8_t n = r.u8();
        r.u8();
        r.u16();
        for (std::uint8_t i = 0; i < n; ++i) {
          f->results.push_back(r.u16());
          r.u16();
          GUID ts;
          r.guid(&ts);
          r.u32();
        }
        break;
      }
      case kPduBindNak:
      case kPduAuth3:
        break;
    }
  } catch (const NdrError&) {
    return false;
  }
  f->stub = p + r.pos();
  f->stub_size = r.remaining();
  return true;
}

std::vector<std::uint8_t> encode_bind(std::uint8_t type, std::uint32_t call_id,
                                      std::uint16_t context_id, const IID& iid, bool big_endian,
                                      const AuthValue& auth) {
  NdrWriter w(big_endian);
  put_header(w, type, kPfcFirstFrag | kPfcLastFrag, call_id);
  w.u16(static_cast<std::uint16_t>(kMaxFragment));  // max_xmit_frag
  w.u16(static_cast<std::uint16_t>(kMaxFragment));  // max_recv_frag
  w.u32(0);                                         // new association group
  w.u8(1);
  w.u8(0);
  w.u16(0);
  w.u16(context_id);
  w.u8(1);
  w.u8(0);
  w.guid(iid);
  w.u32(0);  // interface version 0.0
  w.guid(kNdrSyntax);
  w.u32(2);
  return finish(w, auth);
}

std::vector<std::uint8_t> encode_auth3(std::uint32_t call_id, const AuthValue& auth) {
  NdrWriter w;
  put_header(w, kPduAuth3, kPfcFirstFrag | kPfcLastFrag, call_id);
  w.u32(0);  // pad
  return finish(w, auth);
}

std::vector<std::uint8_t> encode_bind_ack(std::uint8_t type, std::uint32_t call_id,
                                          const std::string& port,
                                          const std::vector<std::uint16_t>& results,
                                          const AuthValue& auth) {
  NdrWriter w;
  put_header(w, type, kPfcFirstFrag | kPfcLastFrag, call_id);
  w.u16(static_cast<std::uint16_t>(kMaxFragment));
  w.u16(static_cast<std::uint16_t>(kMaxFragment));
  w.u32(0x1234);  // association group
  if (type == kPduBindAck) {
    w.u16(static_cast<std::uint16_t>(port.size() + 1));
    w.bytes(port.c_str(), port.size() + 1);
  } else {
    w.u16(0);
  }
  w.align(4);
  w.u8(static_cast<std::uint8_t>(results.size()));
  w.u8(0);
  w.u16(0);
  for (std::uint16_t result : results) {
    w.u16(result);
    w.u16(result ? 2 : 0);  // proposed transfer syntaxes not supported
    if (result) {
      w.guid(GUID_NULL);
      w.u32(0);
    } else {
      w.guid(kNdrSyntax);
      w.u32(2);
    }
  }
  return finish(w, auth);
}

namespace {

std::vector<std::vector<std::uint8_t>> encode_message(std::uint32_t call_id,
                                                      std::uint16_t context_id, std::uint16_t opnum,
                                                      const GUID* object,
                                                      const std::vector<std::uint8_t>& stub,
                                                      bool big_endian) {
  std::vector<std::vector<std::uint8_t>> out;
  const std::size_t chunk = chunk_size(object != nullptr);
  std::size_t done = 0;
  do {
    const std::size_t n = std::min(chunk, stub.size() - done);
    std::uint8_t flags = 0;
    if (done == 0) flags |= kPfcFirstFrag;
    if (done + n == stub.size()) flags |= kPfcLastFrag;
    std::vector<std::uint8_t> f =
        fragment_header(flags, call_id, context_id, opnum, object,
                        static_cast<std::uint32_t>(stub.size() - done), n, big_endian);
    f.insert(f.end(), stub.begin() + static_cast<std::ptrdiff_t>(done),
             stub.begin() + static_cast<std::ptrdiff_t>(done + n));
    out.push_back(std::move(f));
    done += n;
  } while (done < stub.size());
  return out;
}

}  // namespace

std::vector<std::vector<std::uint8_t>> encode_request(std::uint32_t call_id,
                                                      std::uint16_t context_id, std::uint16_t opnum,
                                                      const GUID& object,
                                                      const std::vector<std::uint8_t>& stub,
                                                      bool big_endian) {
  return encode_message(call_id, context_id, opnum, &object, stub, big_endian);
}

std::vector<std::vector<std::uint8_t>> encode_response(std::uint32_t call_id,
                                                       std::uint16_t context_id,
                                                       const std::vector<std::uint8_t>& stub) {
  return encode_message(call_id, context_id, 0, nullptr, stub, false);
}

std::vector<std::uint8_t> encode_fault(std::uint32_t call_id, std::uint16_t context_id,
                                       std::uint32_t status) {
  NdrWriter w;
  put_header(w, kPduFault, kPfcFirstFrag | kPfcLastFrag, call_id);
  w.u32(0);
  w.u16(context_id);
  w.u8(0);
  w.u8(0);
  w.u32(status);
  w.u32(0);
  return finish(w);
}

bool ReassemblyBudget::take(std::size_t n) {
  std::size_t used = used_.load();
  do {
    if (n > limit_ || used > limit_ - n) return false;
  } while (!used_.compare_exchange_weak(used, used + n));
  return true;
}

void Reassembler::give_back() {
  if (budget_ && charged_) budget_->give(charged_);
  charged_ = 0;
}

Reassembler::Result Reassembler::add(const Fragment& f) {
  const std::uint8_t flags = f.header.flags;
  if (!active_) {
    if (!(flags & kPfcFirstFrag)) return kBad;
    give_back();
    first_ = f;
    first_.stub = nullptr;
    first_.contexts.clear();
    first_.results.clear();
    data_.clear();
    active_ = true;
  } else if ((flags & kPfcFirstFrag) || f.header.type != first_.header.type ||
             f.header.call_id != first_.header.call_id ||
             std::memcmp(f.header.drep, first_.header.drep, 4) != 0) {
    active_ = false;
    return kBad;
  }
  if (data_.size() + f.stub_size > limit_ || (budget_ && !budget_->take(f.stub_size))) {
    active_ = false;
    give_back();
    return kBad;
  }
  if (budget_) charged_ += f.stub_size;
  data_.insert(data_.end(), f.stub, f.stub + f.stub_size);
  if (f.header.type == kPduFault || (flags & kPfcLastFrag)) {
    active_ = false;
    first_.stub_size = data_.size();
    return kDone;
  }
  return kMore;
}

}  // namespace qn::com
