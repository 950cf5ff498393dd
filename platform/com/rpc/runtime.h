// The remoting runtime of a process: its exporter, the connections to other
// exporters and the object references between them.
//
// A process that marshals an object runs one exporter: it listens on TCP
// (127.0.0.1, or the address in $QN_RPC_ADDRESS) and serves each connection
// on its own thread, one call after the other, up to a limit of connections
// and with time-outs and memory caps from the environment (docs/remote.md).
// An OBJREF names the exporter directly ("host[port]") and its OXID names
// the exporter's secret in the runtime folder (auth.h): only a client that
// can read it is served. Calls from a proxy go out over a pooled
// connection to the exporter named in its OBJREF; a call that is waiting
// for its reply keeps its connection, so callbacks (a client object passed
// to the server) reach the caller's own exporter and are served there
// meanwhile.
//
// References: every OBJREF handed out in a reply carries one public
// reference, held by the calling peer (the other process, whichever of its
// connections it uses); the proxy made from it holds it, and its last
// Release sends RemRelease. A peer may call, and release, only what it
// holds. When the last connection between the two processes closes, the
// peer gives up all it holds. A proxy passed on travels as the reference it
// came from, with one more reference taken for the receiver (RemAddRef at
// its exporter), which the receiver claims with its first call; an object
// that comes back to the process that exports it is the object itself. An
// object marshalled to bytes (CoMarshalInterface) stays exported, open to
// every peer, while the process runs.
//
// At exit the exporter stops: no new connection, the open ones ended and
// their threads joined, the secret removed.
//
// Proxies and stubs come from the module registered for the interface
// ("Interface\{IID}\ProxyStubClsid32", then that class's InprocServer32),
// loaded with dlopen as in-process classes are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/unknown.h"

namespace qn::com {

// The OBJREF of object's interface iid, for a client in another process.
// E_ACCESSDENIED when the runtime folder is missing or open to others.
HRESULT CoMarshalInterface(IUnknown* object, REFIID iid, std::vector<std::uint8_t>* objref);
// A proxy (or, for an object of this process, the object itself) from an
// OBJREF. E_INVALIDARG for bytes that are no OBJREF, E_NOINTERFACE when no
// proxy is registered for iid.
HRESULT CoUnmarshalInterface(const std::uint8_t* objref, std::size_t size, REFIID iid, void** out);

// OBJREF bytes as hexadecimal text and back (files, command lines).
std::string objref_to_text(const std::vector<std::uint8_t>& objref);
std::vector<std::uint8_t> objref_from_text(const std::string& text);

// How many objects this process's exporter holds.
std::size_t rpc_exported_objects();

}  // namespace qn::com
