#include <memory>

#include "platform/com/rpc/channel.h"

namespace qn::com {

HRESULT ndr_proxy_call(IRpcChannel* channel, std::uint16_t opnum, const Signature& sig,
                       void* const* args) {
  if (HRESULT h = ndr_check_refs(sig, args); FAILED(h)) {
    ndr_clear_out(sig, args);
    return h;
  }
  std::vector<std::uint8_t> data;
  try {
    NdrWriter w;
    ndr_marshal_in(w, sig, args, channel->Marshaller());
    data = std::move(w.data());
  } catch (const NdrError& e) {
    ndr_clear_out(sig, args);
    return e.code;
  }
  bool big_endian = false;
  if (HRESULT h = channel->SendReceive(opnum, &data, &big_endian); FAILED(h)) {
    ndr_clear_out(sig, args);
    return h;
  }
  auto out = std::make_unique<Value[]>(sig.count ? sig.count : 1);
  try {
    NdrReader r(data.data(), data.size(), big_endian);
    HRESULT result = ndr_unmarshal_out(r, sig, out.get(), channel->Marshaller());
    ndr_commit_out(sig, out.get(), args);
    return result;
  } catch (const NdrError&) {
    ndr_clear_out(sig, args);
    return RPC_X_BAD_STUB_DATA;
  }
}

HRESULT ndr_stub_call(IUnknown* server, const Signature& sig, StubCall call,
                      const std::uint8_t* data, std::size_t size, bool big_endian,
                      InterfaceMarshaller& marshaller, std::vector<std::uint8_t>* reply) {
  auto vals = std::make_unique<Value[]>(sig.count ? sig.count : 1);
  try {
    NdrReader r(data, size, big_endian);
    ndr_unmarshal_in(r, sig, vals.get(), marshaller);
  } catch (const NdrError&) {
    return RPC_X_BAD_STUB_DATA;
  }
  HRESULT result;
  try {
    result = call(server, vals.get());
  } catch (...) {
    ndr_free(sig, vals.get());
    return RPC_E_SERVERFAULT;
  }
  HRESULT status = S_OK;
  try {
    NdrWriter w(std::move(*reply));  // the exporter's buffer, reused call after call
    ndr_marshal_out(w, sig, vals.get(), result, marshaller);
    *reply = std::move(w.data());
  } catch (const NdrError&) {
    // A result that cannot travel (a type we do not carry) is the server's
    // fault, not the caller's data.
    status = RPC_E_SERVERFAULT;
  }
  ndr_free(sig, vals.get());
  return status;
}

}  // namespace qn::com
