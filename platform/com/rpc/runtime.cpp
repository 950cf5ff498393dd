#include "platform/com/rpc/runtime.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "platform/com/rpc/channel.h"
#include "platform/com/rpc/objref.h"
#include "platform/com/rpc/pdu.h"
#include "platform/registry_file.h"

namespace qn::com {
namespace {

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const {
    return std::memcmp(&a, &b, sizeof(GUID)) < 0;
  }
};

std::mutex g_random_mutex;

std::uint64_t random_u64() {
  static std::mt19937_64 engine{std::random_device{}() ^
                                (std::uint64_t{std::random_device{}()} << 32)};
  std::lock_guard lock(g_random_mutex);
  return engine();
}

GUID random_guid() {
  GUID g;
  const std::uint64_t a = random_u64(), b = random_u64();
  g.Data1 = static_cast<std::uint32_t>(a);
  g.Data2 = static_cast<std::uint16_t>(a >> 32);
  g.Data3 = static_cast<std::uint16_t>(a >> 48);
  for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<std::uint8_t>(b >> (8 * i));
  return g;
}

// ---------------------------------------------------------------- sockets

bool write_all(int fd, const std::uint8_t* p, std::size_t n) {
  while (n > 0) {
    const ssize_t done = ::send(fd, p, n, MSG_NOSIGNAL);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    p += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

bool read_exact(int fd, std::uint8_t* p, std::size_t n) {
  while (n > 0) {
    const ssize_t done = ::recv(fd, p, n, 0);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    p += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

// The most room a connection keeps in its message buffers between calls.
constexpr std::size_t kKeptBuffer = std::size_t{8} << 20;

// Reads a connection through a buffer of its own, so a small fragment
// takes one system call rather than two.
class SocketReader {
 public:
  explicit SocketReader(int fd) : fd_(fd) {}
  bool read(std::uint8_t* out, std::size_t n) {
    while (n > 0) {
      if (pos_ == len_) {
        if (n >= sizeof buf_) return read_exact(fd_, out, n);
        const ssize_t got = ::recv(fd_, buf_, sizeof buf_, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        pos_ = 0;
        len_ = static_cast<std::size_t>(got);
      }
      const std::size_t k = std::min(n, len_ - pos_);
      std::memcpy(out, buf_ + pos_, k);
      pos_ += k;
      out += k;
      n -= k;
    }
    return true;
  }
  bool buffered() const { return pos_ < len_; }

 private:
  int fd_;
  std::uint8_t buf_[16384];
  std::size_t pos_ = 0, len_ = 0;
};

enum class ReadResult { kOk, kClosed, kMalformed };

// One fragment: the header is checked before the rest is read.
ReadResult read_fragment(SocketReader& in, std::vector<std::uint8_t>* buf, Fragment* f) {
  buf->resize(kPduHeaderSize);
  if (!in.read(buf->data(), kPduHeaderSize)) return ReadResult::kClosed;
  PduHeader h;
  if (!parse_header(buf->data(), &h)) return ReadResult::kMalformed;
  buf->resize(h.frag_length);
  if (!in.read(buf->data() + kPduHeaderSize, h.frag_length - kPduHeaderSize))
    return ReadResult::kClosed;
  *f = Fragment{};
  return parse_fragment(buf->data(), buf->size(), f) ? ReadResult::kOk : ReadResult::kMalformed;
}

bool writev_all(int fd, iovec* iov, int n) {
  while (n > 0) {
    msghdr m{};
    m.msg_iov = iov;
    m.msg_iovlen = static_cast<std::size_t>(n);
    const ssize_t done = ::sendmsg(fd, &m, MSG_NOSIGNAL);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    auto left = static_cast<std::size_t>(done);
    while (n > 0 && left >= iov->iov_len) {
      left -= iov->iov_len;
      ++iov;
      --n;
    }
    if (n > 0) {
      iov->iov_base = static_cast<char*>(iov->iov_base) + left;
      iov->iov_len -= left;
    }
  }
  return true;
}

// A request (object given) or response whose stub data is prefix then
// body, cut into fragments and written without copying the body.
bool send_message(int fd, std::uint32_t call, std::uint16_t context, std::uint16_t opnum,
                  const GUID* object, const std::vector<std::uint8_t>& prefix,
                  const std::uint8_t* body, std::size_t body_size) {
  const std::size_t total = prefix.size() + body_size;
  const std::size_t chunk = chunk_size(object != nullptr);
  std::size_t done = 0;
  do {
    const std::size_t n = std::min(chunk, total - done);
    std::uint8_t flags = 0;
    if (done == 0) flags |= kPfcFirstFrag;
    if (done + n == total) flags |= kPfcLastFrag;
    std::vector<std::uint8_t> header = fragment_header(flags, call, context, opnum, object,
                                                       static_cast<std::uint32_t>(total - done), n);
    iovec iov[3];
    int k = 0;
    iov[k++] = {header.data(), header.size()};
    if (done < prefix.size()) {
      const std::size_t a = std::min(prefix.size() - done, n);
      iov[k++] = {const_cast<std::uint8_t*>(prefix.data() + done), a};
      if (n > a) iov[k++] = {const_cast<std::uint8_t*>(body), n - a};
    } else if (n > 0) {
      iov[k++] = {const_cast<std::uint8_t*>(body + (done - prefix.size())), n};
    }
    if (!writev_all(fd, iov, k)) return false;
    done += n;
  } while (done < total);
  return true;
}

void no_delay(int fd) {
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

// "host[port]" to a connected socket, or -1.
int connect_to(const std::string& binding) {
  const auto open = binding.find('['), close = binding.find(']');
  if (open == std::string::npos || close != binding.size() - 1 || close <= open + 1) return -1;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  if (::inet_pton(AF_INET, binding.substr(0, open).c_str(), &addr.sin_addr) != 1) return -1;
  const long port = std::strtol(binding.c_str() + open + 1, nullptr, 10);
  if (port <= 0 || port > 65535) return -1;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(fd);
    return -1;
  }
  no_delay(fd);
  return fd;
}

// ---------------------------------------------------------------- proxy/stub modules

std::mutex g_factory_mutex;
std::map<GUID, IPSFactoryBuffer*, GuidLess> g_factories;

HRESULT ps_factory(const IID& iid, IPSFactoryBuffer** out) {
  std::lock_guard lock(g_factory_mutex);
  if (auto it = g_factories.find(iid); it != g_factories.end()) {
    *out = it->second;
    return S_OK;
  }
  auto tree = platform::RegistryTree::load(platform::registry_file_path());
  auto clsid_text = tree.value("Interface\\" + guid_to_string(iid) + "\\ProxyStubClsid32", "");
  if (!clsid_text) return E_NOINTERFACE;
  auto clsid = guid_from_string(*clsid_text);
  if (!clsid) return E_NOINTERFACE;
  auto path = tree.value("CLSID\\" + guid_to_string(*clsid) + "\\InprocServer32", "");
  if (!path || path->empty()) return REGDB_E_CLASSNOTREG;
  // Kept loaded: the proxies and stubs it makes may live as long as the
  // process.
  void* module = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return E_MOD_NOT_FOUND;
  auto get = reinterpret_cast<DllGetClassObjectFn>(::dlsym(module, "DllGetClassObject"));
  if (!get) return CO_E_ERRORINDLL;
  IPSFactoryBuffer* factory = nullptr;
  HRESULT h = get(*clsid, IID_IPSFactoryBuffer, reinterpret_cast<void**>(&factory));
  if (FAILED(h)) return h;
  if (!factory) return E_UNEXPECTED;
  g_factories[iid] = factory;  // one reference kept for the process
  *out = factory;
  return S_OK;
}

// ---------------------------------------------------------------- exporter

// The public references one connection (or one side of it) owns.
struct Owner {
  std::map<GUID, std::uint32_t, GuidLess> refs;
};

struct Exported {
  GUID ipid{};
  IID iid{};
  IUnknown* identity = nullptr;  // kept alive by the stub
  IRpcStub* stub = nullptr;
  std::uint32_t refs = 0;
  bool pinned = false;
  ~Exported() {
    if (stub) stub->Release();
  }
};

using ExportedPtr = std::shared_ptr<Exported>;

class Exporter;
HRESULT unmarshal_objref(const std::uint8_t* p, std::size_t n, const IID& iid, IUnknown** out);

class Exporter {
 public:
  static Exporter& get() {
    static Exporter* exporter = new Exporter;  // lives as long as the process
    return *exporter;
  }

  // Exports object's interface iid and adds one public reference for owner
  // (none when pinned).
  HRESULT export_object(IUnknown* object, const IID& iid, bool pinned, Owner* owner, ObjRef* out) {
    if (HRESULT h = start(); FAILED(h)) return h;
    IUnknown* identity = nullptr;
    if (FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity))))
      return E_NOINTERFACE;
    identity->Release();  // only its address names the object
    std::lock_guard lock(mutex_);
    std::array<std::uint8_t, 16> iid_bytes;
    std::memcpy(iid_bytes.data(), &iid, 16);
    const auto key = std::make_pair(reinterpret_cast<std::uintptr_t>(identity), iid_bytes);
    ExportedPtr e;
    if (auto it = by_object_.find(key); it != by_object_.end()) e = objects_[it->second];
    if (!e) {
      IPSFactoryBuffer* factory = nullptr;
      if (HRESULT h = ps_factory(iid, &factory); FAILED(h)) return h;
      e = std::make_shared<Exported>();
      if (HRESULT h = factory->CreateStub(iid, object, &e->stub); FAILED(h)) {
        e->stub = nullptr;
        return h;
      }
      e->ipid = random_guid();
      e->iid = iid;
      e->identity = identity;
      objects_[e->ipid] = e;
      by_object_[key] = e->ipid;
    }
    if (pinned) {
      e->pinned = true;
    } else {
      ++e->refs;
      if (owner) ++owner->refs[e->ipid];
    }
    out->iid = iid;
    out->public_refs = pinned ? 0 : 1;
    out->oxid = oxid_;
    out->oid = reinterpret_cast<std::uintptr_t>(identity);
    out->ipid = e->ipid;
    out->binding = binding_;
    return S_OK;
  }

  ExportedPtr find(const GUID& ipid) {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    return it == objects_.end() ? nullptr : it->second;
  }

  // One reference more for owner, of an object exported just before.
  void own(Owner* owner, const GUID& ipid) {
    std::lock_guard lock(mutex_);
    ++owner->refs[ipid];
  }

  // Drops n references, taken from `from` first, then from any owner.
  void release(const GUID& ipid, std::uint32_t n, Owner* from) {
    ExportedPtr gone;
    {
      std::lock_guard lock(mutex_);
      auto it = objects_.find(ipid);
      if (it == objects_.end()) return;
      ExportedPtr e = it->second;
      n = std::min(n, e->refs);
      std::uint32_t left = n;
      auto take = [&](Owner* o) {
        auto r = o->refs.find(ipid);
        if (r == o->refs.end()) return;
        const std::uint32_t k = std::min(left, r->second);
        r->second -= k;
        left -= k;
        if (r->second == 0) o->refs.erase(r);
      };
      if (from) take(from);
      for (Owner* o : owners_) {
        if (left == 0) break;
        take(o);
      }
      e->refs -= n;
      if (e->refs == 0 && !e->pinned) gone = drop_locked(it);
    }
    // gone releases its stub (and the object) here, outside the lock.
  }

  // RemAddRef: n more references, owned by the asking connection.
  HRESULT add_ref(const GUID& ipid, std::uint32_t n, Owner* owner) {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    if (it == objects_.end()) return RPC_E_DISCONNECTED;
    it->second->refs += n;
    owner->refs[ipid] += n;
    return S_OK;
  }

  void add_owner(Owner* o) {
    std::lock_guard lock(mutex_);
    owners_.insert(o);
  }

  // A connection that closes gives up everything it owns.
  void remove_owner(Owner* o) {
    std::vector<ExportedPtr> gone;
    {
      std::lock_guard lock(mutex_);
      owners_.erase(o);
      for (const auto& [ipid, n] : o->refs) {
        auto it = objects_.find(ipid);
        if (it == objects_.end()) continue;
        it->second->refs -= std::min(n, it->second->refs);
        if (it->second->refs == 0 && !it->second->pinned) gone.push_back(drop_locked(it));
      }
      o->refs.clear();
    }
  }

  bool is_self(std::uint64_t oxid) {
    std::lock_guard lock(mutex_);
    return listen_fd_ >= 0 && oxid == oxid_;
  }

  std::size_t count() {
    std::lock_guard lock(mutex_);
    return objects_.size();
  }

 private:
  Exporter() : oxid_(random_u64()) {}

  ExportedPtr drop_locked(std::map<GUID, ExportedPtr, GuidLess>::iterator it) {
    ExportedPtr e = it->second;
    std::array<std::uint8_t, 16> iid_bytes;
    std::memcpy(iid_bytes.data(), &e->iid, 16);
    by_object_.erase(std::make_pair(reinterpret_cast<std::uintptr_t>(e->identity), iid_bytes));
    objects_.erase(it);
    return e;
  }

  HRESULT start() {
    std::lock_guard lock(mutex_);
    if (listen_fd_ >= 0) return S_OK;
    const char* env = std::getenv("QN_RPC_ADDRESS");
    const std::string host = env && *env ? env : "127.0.0.1";
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    if (::inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1) return E_INVALIDARG;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return E_FAIL;
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 64) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
      ::close(fd);
      return E_FAIL;
    }
    port_ = std::to_string(ntohs(addr.sin_port));
    binding_ = host + "[" + port_ + "]";
    listen_fd_ = fd;
    std::thread([this, fd] { accept_loop(fd); }).detach();
    return S_OK;
  }

  void accept_loop(int listen_fd) {
    for (;;) {
      const int fd = ::accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) {
        if (errno == EINTR || errno == ECONNABORTED || errno == EMFILE || errno == ENFILE) {
          if (errno == EMFILE || errno == ENFILE)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          continue;
        }
        return;
      }
      no_delay(fd);
      std::thread([this, fd] { serve(fd); }).detach();
    }
  }

  void serve(int fd);
  // The fault to answer with, or (fault empty) the results after ORPCTHAT.
  struct Answer {
    std::vector<std::uint8_t> fault;
    std::vector<std::uint8_t> results;
  };
  Answer answer(const Fragment& first, std::vector<std::uint8_t>& data,
                const std::map<std::uint16_t, IID>& contexts, Owner& owner,
                std::vector<std::uint8_t>&& results);

  std::mutex mutex_;
  std::uint64_t oxid_;
  int listen_fd_ = -1;
  std::string port_;
  std::string binding_;
  std::map<GUID, ExportedPtr, GuidLess> objects_;
  std::map<std::pair<std::uintptr_t, std::array<std::uint8_t, 16>>, GUID> by_object_;
  std::set<Owner*> owners_;
};

// A proxy of ours travels on as the reference it came from.
bool pass_on(IUnknown* object, std::vector<std::uint8_t>* objref, HRESULT* h) {
  IRpcChannel* channel = nullptr;
  if (FAILED(object->QueryInterface(IID_IRpcChannel, reinterpret_cast<void**>(&channel))) ||
      !channel)
    return false;
  *h = channel->PassOn(objref);
  channel->Release();
  return true;
}

// Interface pointers among a served call's arguments and results: results
// go out with a reference owned by the connection.
class ServerMarshaller final : public InterfaceMarshaller {
 public:
  explicit ServerMarshaller(Owner* owner) : owner_(owner) {}
  HRESULT marshal(IUnknown* object, const IID& iid, std::vector<std::uint8_t>* objref) override {
    if (HRESULT h; pass_on(object, objref, &h)) return h;
    ObjRef ref;
    if (HRESULT h = Exporter::get().export_object(object, iid, false, owner_, &ref); FAILED(h))
      return h;
    *objref = encode_objref(ref);
    return S_OK;
  }
  HRESULT unmarshal(const std::uint8_t* p, std::size_t n, const IID& iid, IUnknown** out) override {
    return unmarshal_objref(p, n, iid, out);
  }

 private:
  Owner* owner_;
};

std::uint32_t fault_status(HRESULT h) {
  if (h == RPC_S_PROCNUM_OUT_OF_RANGE) return kNcaOpRangeError;
  if (h == RPC_X_BAD_STUB_DATA) return kStatusBadStubData;
  return static_cast<std::uint32_t>(h);
}

Exporter::Answer Exporter::answer(const Fragment& first, std::vector<std::uint8_t>& data,
                                  const std::map<std::uint16_t, IID>& contexts, Owner& owner,
                                  std::vector<std::uint8_t>&& results) {
  const std::uint32_t call = first.header.call_id;
  const std::uint16_t context = first.context_id;
  auto fault = [&](std::uint32_t status) {
    return Answer{encode_fault(call, context, status), {}};
  };
  if (!first.header.plain_forms()) return fault(kStatusBadStubData);
  auto ctx = contexts.find(context);
  if (ctx == contexts.end()) return fault(kNcaUnknownInterface);
  const bool big = first.header.big_endian();
  NdrReader r(data.data(), data.size(), big);
  try {
    read_orpcthis(r);
  } catch (const NdrError&) {
    return fault(kStatusBadStubData);
  }
  NdrWriter reply;
  if (ctx->second == IID_IRemUnknown) {
    // RemAddRef (4) and RemRelease (5), on an array of REMINTERFACEREF.
    if (first.opnum != 4 && first.opnum != 5) return fault(kNcaOpRangeError);
    std::vector<HRESULT> added;
    try {
      const std::uint16_t n = r.u16();
      if (r.u32() != n) return fault(kStatusBadStubData);
      r.need(n, 24);
      for (std::uint16_t i = 0; i < n; ++i) {
        GUID ipid;
        r.guid(&ipid);
        const std::uint32_t public_refs = r.u32();
        r.u32();
        if (first.opnum == 5) {
          release(ipid, public_refs, &owner);
        } else {
          added.push_back(add_ref(ipid, public_refs, &owner));
        }
      }
    } catch (const NdrError&) {
      return fault(kStatusBadStubData);
    }
    if (first.opnum == 4) {
      reply.u32(static_cast<std::uint32_t>(added.size()));
      for (HRESULT h : added) reply.u32(static_cast<std::uint32_t>(h));
    }
    reply.u32(S_OK);
    return Answer{{}, std::move(reply.data())};
  }
  ExportedPtr e = first.has_object ? find(first.object) : nullptr;
  if (!e || e->iid != ctx->second) return fault(static_cast<std::uint32_t>(RPC_E_DISCONNECTED));
  if (first.opnum < 3) return fault(kNcaOpRangeError);
  ServerMarshaller marshaller(&owner);
  const HRESULT status =
      e->stub->Invoke(first.opnum, data.data() + r.pos(), r.remaining(), big, marshaller, &results);
  if (status != S_OK) return fault(fault_status(status));
  return Answer{{}, std::move(results)};
}

void Exporter::serve(int fd) {
  Owner owner;
  add_owner(&owner);
  std::map<std::uint16_t, IID> contexts;
  Reassembler reassembler;
  std::vector<std::uint8_t> buf;
  auto in = std::make_unique<SocketReader>(fd);
  const std::vector<std::uint8_t> orpcthat(kOrpcThatSize, 0);
  std::vector<std::uint8_t> spare;
  Fragment f;
  for (bool open = true; open;) {
    if (read_fragment(*in, &buf, &f) != ReadResult::kOk) break;
    switch (f.header.type) {
      case kPduBind:
      case kPduAlterContext: {
        std::vector<std::uint16_t> results;
        for (const BindContext& c : f.contexts) {
          results.push_back(c.ndr ? 0 : 2);
          if (c.ndr) contexts[c.id] = c.iid;
        }
        const auto ack = encode_bind_ack(f.header.type + 1, f.header.call_id, port_, results);
        open = write_all(fd, ack.data(), ack.size());
        break;
      }
      case kPduRequest: {
        const auto result = reassembler.add(f);
        if (result == Reassembler::kBad) {
          open = false;
        } else if (result == Reassembler::kDone) {
          const Fragment& first = reassembler.first();
          Answer a = answer(first, reassembler.data(), contexts, owner, std::move(spare));
          open = a.fault.empty()
                     ? send_message(fd, first.header.call_id, first.context_id, 0, nullptr,
                                    orpcthat, a.results.data(), a.results.size())
                     : write_all(fd, a.fault.data(), a.fault.size());
          // The buffers keep their room for the next call, up to a limit.
          spare = std::move(a.results);
          for (auto* b : {&spare, &reassembler.data()}) {
            b->clear();
            if (b->capacity() > kKeptBuffer) b->shrink_to_fit();
          }
        }
        break;
      }
      default:
        open = false;
    }
  }
  ::close(fd);
  remove_owner(&owner);
}

// ---------------------------------------------------------------- client side

// Objects of this process marshalled into the arguments of the call being
// prepared on this thread; their references go to the connection that
// carries the call.
thread_local std::vector<GUID> t_lent;

struct ClientConn {
  int fd = -1;
  std::unique_ptr<SocketReader> in;
  std::vector<std::uint8_t> spare;  // room for the next reply
  std::map<GUID, std::uint16_t, GuidLess> contexts;
  std::uint16_t next_context = 0;
  std::uint32_t next_call = 1;
  Owner lent;
};

class Connections {
 public:
  static Connections& get() {
    static Connections* c = new Connections;
    return *c;
  }

  std::unique_ptr<ClientConn> acquire(const std::string& binding) {
    {
      std::lock_guard lock(mutex_);
      auto& idle = idle_[binding];
      while (!idle.empty()) {
        std::unique_ptr<ClientConn> c = std::move(idle.back());
        idle.pop_back();
        // An idle connection has nothing to read: anything there (or a
        // hang-up) means the peer is gone.
        pollfd p{c->fd, POLLIN, 0};
        if (!c->in->buffered() && ::poll(&p, 1, 0) == 0) return c;
        drop(std::move(c));
      }
    }
    const int fd = connect_to(binding);
    if (fd < 0) return nullptr;
    auto c = std::make_unique<ClientConn>();
    c->fd = fd;
    c->in = std::make_unique<SocketReader>(fd);
    Exporter::get().add_owner(&c->lent);
    return c;
  }

  void give_back(const std::string& binding, std::unique_ptr<ClientConn> c) {
    std::lock_guard lock(mutex_);
    idle_[binding].push_back(std::move(c));
  }

  static void drop(std::unique_ptr<ClientConn> c) {
    ::close(c->fd);
    Exporter::get().remove_owner(&c->lent);
  }

 private:
  std::mutex mutex_;
  std::map<std::string, std::vector<std::unique_ptr<ClientConn>>> idle_;
};

// One call to the exporter at binding: *stub holds the arguments and
// receives the results.
HRESULT rpc_call(const std::string& binding, const IID& iid, const GUID& ipid, std::uint16_t opnum,
                 std::vector<std::uint8_t>* stub, bool* big_endian) {
  Connections& pool = Connections::get();
  std::unique_ptr<ClientConn> c = pool.acquire(binding);
  if (!c) {
    t_lent.clear();
    return RPC_S_SERVER_UNAVAILABLE;
  }
  const bool fresh = c->next_call == 1;
  std::vector<std::uint8_t> buf;
  Fragment f;
  auto lost = [&](HRESULT h) {
    Connections::drop(std::move(c));
    return h;
  };
  if (!c->contexts.count(iid)) {
    const std::uint16_t id = c->next_context++;
    const std::uint32_t call = c->next_call++;
    const auto bind =
        encode_bind(c->contexts.empty() && fresh ? kPduBind : kPduAlterContext, call, id, iid);
    const HRESULT unreachable = fresh ? RPC_S_SERVER_UNAVAILABLE : RPC_S_CALL_FAILED;
    if (!write_all(c->fd, bind.data(), bind.size())) return lost(unreachable);
    if (read_fragment(*c->in, &buf, &f) != ReadResult::kOk) return lost(unreachable);
    if ((f.header.type != kPduBindAck && f.header.type != kPduAlterContextResp) ||
        f.header.call_id != call || f.results.size() != 1)
      return lost(RPC_S_CALL_FAILED);
    if (f.results[0] != 0) {
      pool.give_back(binding, std::move(c));
      return E_NOINTERFACE;
    }
    c->contexts[iid] = id;
  }
  const std::uint16_t context = c->contexts[iid];
  const std::uint32_t call = c->next_call++;
  NdrWriter orpcthis;
  write_orpcthis(orpcthis, random_guid());
  if (orpcthis.size() + stub->size() > kMaxMessage) {
    pool.give_back(binding, std::move(c));
    return RPC_X_BAD_STUB_DATA;
  }
  for (const GUID& lent : t_lent) Exporter::get().own(&c->lent, lent);
  t_lent.clear();
  if (!send_message(c->fd, call, context, opnum, &ipid, orpcthis.data(), stub->data(),
                    stub->size()))
    return lost(RPC_S_CALL_FAILED);
  Reassembler reassembler;
  reassembler.data() = std::move(c->spare);
  reassembler.data().clear();
  for (;;) {
    if (read_fragment(*c->in, &buf, &f) != ReadResult::kOk) return lost(RPC_S_CALL_FAILED);
    if (f.header.call_id != call || (f.header.type != kPduResponse && f.header.type != kPduFault))
      return lost(RPC_S_CALL_FAILED);
    const auto result = reassembler.add(f);
    if (result == Reassembler::kBad) return lost(RPC_S_CALL_FAILED);
    if (result == Reassembler::kDone) break;
  }
  const Fragment& first = reassembler.first();
  if (first.header.type == kPduFault) {
    pool.give_back(binding, std::move(c));
    return hresult_of_fault(first.status);
  }
  if (!first.header.plain_forms()) return lost(RPC_X_BAD_STUB_DATA);
  // The request's buffer is the room for the connection's next reply.
  c->spare = std::move(*stub);
  c->spare.clear();
  if (c->spare.capacity() > kKeptBuffer) c->spare.shrink_to_fit();
  pool.give_back(binding, std::move(c));
  std::vector<std::uint8_t>& data = reassembler.data();
  NdrReader r(data.data(), data.size(), first.header.big_endian());
  try {
    read_orpcthat(r);
  } catch (const NdrError&) {
    return RPC_X_BAD_STUB_DATA;
  }
  data.erase(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(r.pos()));
  *stub = std::move(data);
  *big_endian = first.header.big_endian();
  return S_OK;
}

// The channel of one proxy: one remote interface, one reference.
class ProxyChannel final : public IRpcChannel, public InterfaceMarshaller {
 public:
  ProxyChannel(const ObjRef& ref) : ref_(ref) {}

  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown) return E_NOINTERFACE;
    *out = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++count_; }
  ULONG Release() override {
    const ULONG left = --count_;
    if (left == 0) {
      if (ref_.public_refs) rem_release();
      delete this;
    }
    return left;
  }

  HRESULT SendReceive(std::uint16_t opnum, std::vector<std::uint8_t>* data,
                      bool* big_endian) override {
    return rpc_call(ref_.binding, ref_.iid, ref_.ipid, opnum, data, big_endian);
  }
  InterfaceMarshaller& Marshaller() override { return *this; }

  HRESULT PassOn(std::vector<std::uint8_t>* objref) override {
    // RemAddRef: one more public reference for the new holder.
    NdrWriter w;
    w.u16(1);
    w.u32(1);
    w.guid(ref_.ipid);
    w.u32(1);
    w.u32(0);
    bool big = false;
    HRESULT h = rpc_call(ref_.binding, IID_IRemUnknown, ref_.ipid, 4, &w.data(), &big);
    if (FAILED(h)) return h;
    try {
      NdrReader r(w.data().data(), w.data().size(), big);
      if (r.u32() != 1) return RPC_X_BAD_STUB_DATA;
      if (HRESULT added = static_cast<HRESULT>(r.u32()); FAILED(added)) return added;
      if (HRESULT result = static_cast<HRESULT>(r.u32()); FAILED(result)) return result;
    } catch (const NdrError&) {
      return RPC_X_BAD_STUB_DATA;
    }
    ObjRef ref = ref_;
    ref.public_refs = 1;
    *objref = encode_objref(ref);
    return S_OK;
  }

  HRESULT marshal(IUnknown* object, const IID& iid, std::vector<std::uint8_t>* objref) override {
    if (HRESULT h; pass_on(object, objref, &h)) return h;
    ObjRef ref;
    if (HRESULT h = Exporter::get().export_object(object, iid, false, nullptr, &ref); FAILED(h))
      return h;
    t_lent.push_back(ref.ipid);
    *objref = encode_objref(ref);
    return S_OK;
  }
  HRESULT unmarshal(const std::uint8_t* p, std::size_t n, const IID& iid, IUnknown** out) override {
    return unmarshal_objref(p, n, iid, out);
  }

 private:
  ~ProxyChannel() = default;

  void rem_release() {
    NdrWriter w;
    w.u16(1);
    w.u32(1);
    w.guid(ref_.ipid);
    w.u32(ref_.public_refs);
    w.u32(0);
    bool big = false;
    rpc_call(ref_.binding, IID_IRemUnknown, ref_.ipid, 5, &w.data(), &big);
  }

  ObjRef ref_;
  std::atomic<ULONG> count_{1};
};

HRESULT unmarshal_objref(const std::uint8_t* p, std::size_t n, const IID& iid, IUnknown** out) {
  *out = nullptr;
  auto ref = decode_objref(p, n);
  if (!ref) return E_INVALIDARG;
  if (ref->iid != iid) return E_NOINTERFACE;
  Exporter& exporter = Exporter::get();
  if (exporter.is_self(ref->oxid)) {
    // One of our own objects came back: the object itself, not a proxy.
    ExportedPtr e = exporter.find(ref->ipid);
    if (!e) return RPC_E_DISCONNECTED;
    HRESULT h = e->identity->QueryInterface(iid, reinterpret_cast<void**>(out));
    if (ref->public_refs) exporter.release(ref->ipid, ref->public_refs, nullptr);
    return h;
  }
  auto* channel = new ProxyChannel(*ref);
  IPSFactoryBuffer* factory = nullptr;
  HRESULT h = ps_factory(iid, &factory);
  if (SUCCEEDED(h)) h = factory->CreateProxy(channel, iid, reinterpret_cast<void**>(out));
  channel->Release();  // the proxy keeps its own reference
  return h;
}

}  // namespace

HRESULT CoMarshalInterface(IUnknown* object, REFIID iid, std::vector<std::uint8_t>* objref) {
  if (!object || !objref) return E_POINTER;
  ObjRef ref;
  if (HRESULT h = Exporter::get().export_object(object, iid, true, nullptr, &ref); FAILED(h))
    return h;
  *objref = encode_objref(ref);
  return S_OK;
}

HRESULT CoUnmarshalInterface(const std::uint8_t* objref, std::size_t size, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!objref) return E_INVALIDARG;
  return unmarshal_objref(objref, size, iid, reinterpret_cast<IUnknown**>(out));
}

std::string objref_to_text(const std::vector<std::uint8_t>& objref) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : objref) {
    text.push_back(digits[b >> 4]);
    text.push_back(digits[b & 15]);
  }
  return text;
}

std::vector<std::uint8_t> objref_from_text(const std::string& text) {
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::vector<std::uint8_t> out;
  if (text.size() % 2) return {};
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int hi = nibble(text[i]), lo = nibble(text[i + 1]);
    if (hi < 0 || lo < 0) return {};
    out.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
  }
  return out;
}

std::size_t rpc_exported_objects() { return Exporter::get().count(); }

}  // namespace qn::com
