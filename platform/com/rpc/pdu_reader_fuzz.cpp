// Fuzz target of the PDU reader and the reassembler: the bytes are what a
// peer sends on one connection. Every fragment is read or refused, and a
// refused one ends the stream, as it closes the connection.
#include <cstddef>
#include <cstdint>

#include "platform/com/rpc/pdu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::com;
  Reassembler reassembler;
  std::size_t pos = 0;
  while (size - pos >= kPduHeaderSize) {
    PduHeader h;
    if (!parse_header(data + pos, &h) || h.frag_length > size - pos) return 0;
    Fragment f;
    if (!parse_fragment(data + pos, h.frag_length, &f)) return 0;
    pos += h.frag_length;
    if (f.header.type == kPduRequest || f.header.type == kPduResponse ||
        f.header.type == kPduFault) {
      if (reassembler.add(f) == Reassembler::kBad) return 0;
    }
  }
  return 0;
}
