// What proxies and stubs see of the remoting runtime. A proxy is given a
// channel bound to one remote interface and sends each call through it; a
// stub is given the server object and runs the calls the exporter hands it.
// Neither keeps any state of the runtime.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/com/rpc/format.h"
#include "platform/com/unknown.h"

namespace qn::com {

// {D5F569D0-593B-101A-B569-08002B2DBF7A}
inline constexpr IID IID_IPSFactoryBuffer{
    0xD5F569D0, 0x593B, 0x101A, {0xB5, 0x69, 0x08, 0x00, 0x2B, 0x2D, 0xBF, 0x7A}};
// {00000131-0000-0000-C000-000000000046}
inline constexpr IID IID_IRemUnknown{
    0x00000131, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// {7A1C3E52-5B0D-4C8E-9F21-3D6B8A40C915}: a proxy hands out its channel
// for this, so a proxy passed on travels as the reference it came from.
inline constexpr IID IID_IRpcChannel{
    0x7A1C3E52, 0x5B0D, 0x4C8E, {0x9F, 0x21, 0x3D, 0x6B, 0x8A, 0x40, 0xC9, 0x15}};

struct IRpcChannel : IUnknown {
 public:
  // Sends the stub data of one call (the arguments, as ndr_marshal_in wrote
  // them) as method `opnum` and replaces *data with the reply's stub data
  // (after ORPCTHAT); *big_endian tells its integer order. The HRESULT is
  // the call's failure (RPC_S_..., RPC_E_...), S_OK when a reply came.
  virtual HRESULT SendReceive(std::uint16_t opnum, std::vector<std::uint8_t>* data,
                              bool* big_endian) = 0;
  // Interface pointers among the arguments.
  virtual InterfaceMarshaller& Marshaller() = 0;
  // The remote object's reference for one more holder (a reference taken
  // for it from the exporter).
  virtual HRESULT PassOn(std::vector<std::uint8_t>* objref) = 0;

 protected:
  ~IRpcChannel() = default;
};

struct IRpcStub : IUnknown {
 public:
  // Runs method `opnum` of the server object on the request's stub data and
  // writes the reply's (results, then the HRESULT) into *reply, whose room
  // it may reuse. Anything
  // but S_OK is the fault to answer with: RPC_S_PROCNUM_OUT_OF_RANGE,
  // RPC_X_BAD_STUB_DATA or RPC_E_SERVERFAULT.
  virtual HRESULT Invoke(std::uint16_t opnum, const std::uint8_t* data, std::size_t size,
                         bool big_endian, InterfaceMarshaller& marshaller,
                         std::vector<std::uint8_t>* reply) = 0;

 protected:
  ~IRpcStub() = default;
};

struct IPSFactoryBuffer : IUnknown {
 public:
  // A proxy of interface iid that calls through channel (which it keeps).
  virtual HRESULT CreateProxy(IRpcChannel* channel, REFIID iid, void** proxy) = 0;
  // A stub of interface iid over server (which it keeps).
  virtual HRESULT CreateStub(REFIID iid, IUnknown* server, IRpcStub** stub) = 0;

 protected:
  ~IPSFactoryBuffer() = default;
};

// The whole proxy side of one call: reference pointers checked (nothing is
// sent when one is null), [in] parameters marshalled, the call sent, the
// results unmarshalled and handed over. On failure the [out]-only
// parameters are cleared, the [in,out] ones kept, and the failure returned.
HRESULT ndr_proxy_call(IRpcChannel* channel, std::uint16_t opnum, const Signature& sig,
                       void* const* args);

// The stub side of one call; `call` runs the server method on the values.
using StubCall = HRESULT (*)(IUnknown* server, Value* vals);
HRESULT ndr_stub_call(IUnknown* server, const Signature& sig, StubCall call,
                      const std::uint8_t* data, std::size_t size, bool big_endian,
                      InterfaceMarshaller& marshaller, std::vector<std::uint8_t>* reply);

}  // namespace qn::com
