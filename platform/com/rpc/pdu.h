// Connection-oriented PDUs of the remote procedure call protocol, version
// 5.0: the 16-byte common header, bind and alter_context with one
// presentation context each (the NDR 2.0 transfer syntax), their
// acknowledgements, requests (with the object UUID naming the IPID),
// responses and faults. Stub data is cut into fragments of at most
// kMaxFragment bytes with first and last flags, and put together again by
// the Reassembler, which refuses a message over kMaxMessage.
//
// Every field is read in the byte order of the PDU's data representation
// label. A header that is malformed (version, type, length, an
// authentication trailer anywhere but on bind, bind_ack and auth3, or of
// another kind than ours) is refused; the caller closes the connection.
//
// Authentication is at the "connect" level: the bind carries the client's
// nonce, the bind_ack the server's nonce and proof, auth3 the client's
// proof; requests and responses carry none.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/guid.h"
#include "platform/com/rpc/ndr.h"

namespace qn::com {

enum PduType : std::uint8_t {
  kPduRequest = 0,
  kPduResponse = 2,
  kPduFault = 3,
  kPduBind = 11,
  kPduBindAck = 12,
  kPduBindNak = 13,
  kPduAlterContext = 14,
  kPduAlterContextResp = 15,
  kPduAuth3 = 16,
};

// The authentication trailer: our own service, at the "connect" level.
inline constexpr std::uint8_t kAuthType = 0x71;
inline constexpr std::uint8_t kAuthLevelConnect = 2;
inline constexpr std::size_t kAuthTrailerSize = 8;
inline constexpr std::size_t kMaxAuthValue = 256;

enum : std::uint8_t { kPfcFirstFrag = 0x01, kPfcLastFrag = 0x02, kPfcObjectUuid = 0x80 };

inline constexpr std::size_t kPduHeaderSize = 16;
inline constexpr std::size_t kMaxFragment = 65528;  // the most bytes of one fragment

// Fault statuses of the protocol beside the HRESULTs a server answers.
inline constexpr std::uint32_t kNcaOpRangeError = 0x1C010002;
inline constexpr std::uint32_t kNcaUnknownInterface = 0x1C010003;
inline constexpr std::uint32_t kStatusBadStubData = 0x000006F7;

// What a caller sees of a fault's status: the protocol's own statuses as
// their HRESULTs, a failure HRESULT as it is, a small code as a Win32 error.
std::int32_t hresult_of_fault(std::uint32_t status);

// {8A885D04-1CEB-11C9-9FE8-08002B104860} version 2: NDR.
inline constexpr GUID kNdrSyntax{
    0x8A885D04, 0x1CEB, 0x11C9, {0x9F, 0xE8, 0x08, 0x00, 0x2B, 0x10, 0x48, 0x60}};

struct PduHeader {
  std::uint8_t type = 0;
  std::uint8_t flags = 0;
  std::uint8_t drep[4] = {0x10, 0, 0, 0};
  std::uint16_t frag_length = 0;
  std::uint16_t auth_length = 0;
  std::uint32_t call_id = 0;
  bool big_endian() const { return (drep[0] & 0xF0) == 0; }
  // ASCII characters and IEEE floats: the only forms we take.
  bool plain_forms() const { return (drep[0] & 0x0F) == 0 && drep[1] == 0; }
};

// Reads the common header from 16 bytes; false when it is malformed.
bool parse_header(const std::uint8_t* p, PduHeader* h);

struct BindContext {
  std::uint16_t id = 0;
  IID iid{};
  bool ndr = false;  // NDR 2.0 among the proposed transfer syntaxes
};

struct Fragment {
  PduHeader header;
  // request, response, fault
  std::uint16_t context_id = 0;
  std::uint16_t opnum = 0;
  bool has_object = false;
  GUID object{};
  std::uint32_t status = 0;
  const std::uint8_t* stub = nullptr;
  std::size_t stub_size = 0;
  // bind, alter_context
  std::vector<BindContext> contexts;
  // bind, bind_ack: the association group (0 in a bind: a new one)
  std::uint32_t assoc_group = 0;
  // bind, bind_ack, auth3: the authentication value (after the trailer)
  const std::uint8_t* auth = nullptr;
  std::size_t auth_size = 0;
  // bind_ack, alter_context_resp: 0 accepted, else rejected
  std::vector<std::uint16_t> results;
};

// Parses one whole fragment (size == its frag_length); false when malformed.
bool parse_fragment(const std::uint8_t* p, std::size_t size, Fragment* f);

// Encoders. big_endian writes the data representation of such a peer.
// An auth value is added as the trailer when not empty.
using AuthValue = std::vector<std::uint8_t>;
std::vector<std::uint8_t> encode_bind(std::uint8_t type, std::uint32_t call_id,
                                      std::uint16_t context_id, const IID& iid,
                                      bool big_endian = false, const AuthValue& auth = {});
std::vector<std::uint8_t> encode_bind_ack(std::uint8_t type, std::uint32_t call_id,
                                          const std::string& port,
                                          const std::vector<std::uint16_t>& results,
                                          const AuthValue& auth = {});
std::vector<std::uint8_t> encode_auth3(std::uint32_t call_id, const AuthValue& auth);
std::vector<std::vector<std::uint8_t>> encode_request(std::uint32_t call_id,
                                                      std::uint16_t context_id, std::uint16_t opnum,
                                                      const GUID& object,
                                                      const std::vector<std::uint8_t>& stub,
                                                      bool big_endian = false);
std::vector<std::vector<std::uint8_t>> encode_response(std::uint32_t call_id,
                                                       std::uint16_t context_id,
                                                       const std::vector<std::uint8_t>& stub);
std::vector<std::uint8_t> encode_fault(std::uint32_t call_id, std::uint16_t context_id,
                                       std::uint32_t status);

// The header of one request (object given) or response fragment that
// carries stub_size bytes of stub data; alloc_hint is what is left of the
// message from this fragment on. chunk_size is the most stub data one
// fragment of that kind carries.
std::vector<std::uint8_t> fragment_header(std::uint8_t flags, std::uint32_t call_id,
                                          std::uint16_t context_id, std::uint16_t opnum,
                                          const GUID* object, std::uint32_t alloc_hint,
                                          std::size_t stub_size, bool big_endian = false);
std::size_t chunk_size(bool request);

// The memory the unfinished messages of all connections of a process may
// hold together.
class ReassemblyBudget {
 public:
  explicit ReassemblyBudget(std::size_t limit) : limit_(limit) {}
  // False, taking nothing, when n more would pass the limit.
  bool take(std::size_t n);
  void give(std::size_t n) { used_.fetch_sub(n); }
  std::size_t used() const { return used_.load(); }

 private:
  std::atomic<std::size_t> used_{0};
  std::size_t limit_;
};

// One message (request or response) from its fragments, refused when it
// would pass `limit` bytes or what the budget (when given) has left.
class Reassembler {
 public:
  enum Result { kMore, kDone, kBad };
  explicit Reassembler(std::size_t limit = kMaxMessage, ReassemblyBudget* budget = nullptr)
      : limit_(limit), budget_(budget) {}
  ~Reassembler() { give_back(); }
  Reassembler(const Reassembler&) = delete;
  Reassembler& operator=(const Reassembler&) = delete;
  // Gives what the last message took back to the budget.
  void give_back();
  // A message has begun and is not done.
  bool active() const { return active_; }
  // A fragment of a request, response or fault. A fault is always whole.
  Result add(const Fragment& f);
  // The message done last: its first fragment's fields and all stub data.
  const Fragment& first() const { return first_; }
  std::vector<std::uint8_t>& data() { return data_; }

 private:
  bool active_ = false;
  std::size_t limit_;
  ReassemblyBudget* budget_;
  std::size_t charged_ = 0;
  Fragment first_;
  std::vector<std::uint8_t> data_;
};

}  // namespace qn::com
