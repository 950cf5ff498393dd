#include "platform/com/rpc/runtime.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <malloc.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "platform/com/rpc/auth.h"
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

std::uint64_t random_u64() {
  std::uint64_t v;
  random_bytes(&v, sizeof v);
  return v;
}

GUID random_guid() {
  GUID g;
  random_bytes(&g, sizeof g);
  return g;
}

using Clock = std::chrono::steady_clock;

// What an exporter allows, from the environment when it starts.
struct Limits {
  std::size_t max_connections = 256;
  std::chrono::milliseconds timeout{30000};             // idle, and for each fragment
  std::size_t connection_memory = kMaxMessage;          // one unfinished message
  std::size_t process_memory = std::size_t{256} << 20;  // all of them

  static Limits from_environment() {
    auto number = [](const char* name, std::size_t fallback) -> std::size_t {
      const char* text = std::getenv(name);
      if (!text || !*text) return fallback;
      char* end = nullptr;
      const unsigned long long v = std::strtoull(text, &end, 10);
      return *end == '\0' && v > 0 ? static_cast<std::size_t>(v) : fallback;
    };
    Limits l;
    l.max_connections = number("QN_RPC_MAX_CONNECTIONS", l.max_connections);
    l.timeout = std::chrono::milliseconds(number("QN_RPC_TIMEOUT_MS", 30000));
    l.connection_memory =
        std::min(kMaxMessage, number("QN_RPC_CONNECTION_MIB", kMaxMessage >> 20) << 20);
    l.process_memory = number("QN_RPC_PROCESS_MIB", l.process_memory >> 20) << 20;
    return l;
  }
};

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

// The most room a connection keeps in its message buffers between calls.
constexpr std::size_t kKeptBuffer = std::size_t{8} << 20;

// Reads a connection through a buffer of its own, so a small fragment
// takes one system call rather than two. With a time-out, each read waits
// at most that long (SO_RCVTIMEO) and a fragment must be done within it of
// its start, or of its first byte when the reader was told to be patient.
class SocketReader {
 public:
  explicit SocketReader(int fd) : fd_(fd) {}
  void set_timeout(std::chrono::milliseconds t) {
    timeval tv{static_cast<time_t>(t.count() / 1000),
               static_cast<suseconds_t>(t.count() % 1000 * 1000)};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    timeout_ = t;
  }
  // The next fragment begins: patient, it may wait for its first byte as
  // long as it takes.
  void begin(bool patient) {
    patient_ = patient && !buffered();
    deadline_ = Clock::now() + timeout_;
  }

  bool read(std::uint8_t* out, std::size_t n) {
    while (n > 0) {
      if (pos_ == len_) {
        const bool direct = n >= sizeof buf_;
        const ssize_t got = receive(direct ? out : buf_, direct ? n : sizeof buf_);
        if (got <= 0) return false;
        if (direct) {
          out += got;
          n -= static_cast<std::size_t>(got);
          continue;
        }
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
  ssize_t receive(std::uint8_t* out, std::size_t n) {
    for (;;) {
      if (timeout_.count() && !patient_ && Clock::now() > deadline_) return -1;
      const ssize_t got = ::recv(fd_, out, n, 0);
      if (got >= 0) {
        if (patient_) {
          patient_ = false;
          deadline_ = Clock::now() + timeout_;
        }
        return got;
      }
      if (errno == EINTR) continue;
      // Anything but the time-out ending one wait fails; the loop decides
      // whether the wait may go on.
      if (!timeout_.count() || (errno != EAGAIN && errno != EWOULDBLOCK)) return -1;
    }
  }

  int fd_;
  std::chrono::milliseconds timeout_{0};
  Clock::time_point deadline_;
  bool patient_ = false;
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

// The factories found so far. The table lives as long as the process:
// connection threads may still use it while exit() runs.
std::mutex g_factory_mutex;
auto& g_factories = *new std::map<GUID, IPSFactoryBuffer*, GuidLess>;

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

using PeerId = std::array<std::uint8_t, kPeerIdSize>;

// Adds to a count that stops at its greatest value rather than wrapping.
std::uint32_t saturating_add(std::uint32_t a, std::uint32_t b) {
  return a > UINT32_MAX - b ? UINT32_MAX : a + b;
}

// One peer process as this exporter knows it: the public references it
// holds, and those it took to pass on that no one has claimed yet. It lives
// while a connection of either direction links the two processes.
struct Owner {
  PeerId id{};
  std::map<GUID, std::uint32_t, GuidLess> refs;
  std::map<GUID, std::uint32_t, GuidLess> passed;
  int links = 0;
  bool holds_any() const { return !refs.empty() || !passed.empty(); }
};

struct Exported {
  GUID ipid{};
  IID iid{};
  IUnknown* identity = nullptr;  // kept alive by the stub
  IRpcStub* stub = nullptr;
  std::uint32_t refs = 0;  // all public references; at its greatest it stays
  bool pinned = false;     // open to every peer, kept while the process runs
  ~Exported() {
    if (stub) stub->Release();
  }
};

using ExportedPtr = std::shared_ptr<Exported>;

class Exporter;
HRESULT unmarshal_objref(const std::uint8_t* p, std::size_t n, const IID& iid, IUnknown** out);

void put_u64(std::uint8_t* p, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint64_t get_u64(const std::uint8_t* p) {
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= std::uint64_t{p[i]} << (8 * i);
  return v;
}

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
      oids_[reinterpret_cast<std::uintptr_t>(identity)] = random_u64();
    }
    if (pinned) {
      e->pinned = true;
    } else {
      add_refs(*e, 1);
      if (owner) owner->refs[e->ipid] = saturating_add(owner->refs[e->ipid], 1);
    }
    out->iid = iid;
    out->public_refs = pinned ? 0 : 1;
    out->oxid = oxid_;
    out->oid = oids_[reinterpret_cast<std::uintptr_t>(identity)];
    out->ipid = e->ipid;
    out->binding = binding_;
    return S_OK;
  }

  ExportedPtr find(const GUID& ipid) {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    return it == objects_.end() ? nullptr : it->second;
  }

  // The object ipid names, when owner may call it: it is open to all, the
  // owner holds a reference, or one was passed on and not yet claimed
  // (the owner claims it).
  ExportedPtr find_for(const GUID& ipid, Owner* owner) {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    if (it == objects_.end()) return nullptr;
    if (it->second->pinned || owner->refs.count(ipid)) return it->second;
    for (auto& [id, o] : peers_) {
      auto p = o->passed.find(ipid);
      if (p == o->passed.end()) continue;
      if (--p->second == 0) o->passed.erase(p);
      owner->refs[ipid] = saturating_add(owner->refs[ipid], 1);
      return it->second;
    }
    return nullptr;
  }

  // One reference more for owner, of an object exported just before.
  void own(Owner* owner, const GUID& ipid) {
    std::lock_guard lock(mutex_);
    owner->refs[ipid] = saturating_add(owner->refs[ipid], 1);
  }

  // RemRelease from a peer: n of the references it holds, or nothing at all
  // when it holds fewer.
  HRESULT release_held(const GUID& ipid, std::uint32_t n, Owner* from) {
    ExportedPtr gone;  // released after the lock, with its stub and the object
    std::lock_guard lock(mutex_);
    auto r = from->refs.find(ipid);
    if (r == from->refs.end() || r->second < n) return E_INVALIDARG;
    if (r->second != UINT32_MAX) r->second -= n;  // a count at its greatest stays
    if (r->second == 0) from->refs.erase(r);
    if (auto it = objects_.find(ipid); it != objects_.end()) gone = drop_refs(it, n);
    return S_OK;
  }

  // An object of ours came back in an OBJREF carrying n references: they
  // were taken to pass it on, or are held by the peer that sent it.
  void release_returned(const GUID& ipid, std::uint32_t n) {
    ExportedPtr gone;
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    if (it == objects_.end()) return;
    std::uint32_t left = n;
    for (auto which : {&Owner::passed, &Owner::refs}) {
      for (auto& [id, o] : peers_) {
        if (left == 0) break;
        auto& held = (*o).*which;
        auto r = held.find(ipid);
        if (r == held.end()) continue;
        const std::uint32_t k = std::min(left, r->second);
        r->second -= k;
        left -= k;
        if (r->second == 0) held.erase(r);
      }
    }
    gone = drop_refs(it, n - left);
  }

  // RemAddRef: n more references of an object the peer may call, kept as
  // passed on until their receiver claims them. Refused when a count would
  // pass its greatest value.
  HRESULT add_ref(const GUID& ipid, std::uint32_t n, Owner* owner) {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(ipid);
    if (it == objects_.end()) return RPC_E_DISCONNECTED;
    Exported& e = *it->second;
    if (!e.pinned && !owner->refs.count(ipid)) return E_INVALIDARG;
    std::uint32_t& passed = owner->passed[ipid];
    if (n == 0 || e.refs > UINT32_MAX - n || passed > UINT32_MAX - n) {
      if (passed == 0) owner->passed.erase(ipid);
      return E_INVALIDARG;
    }
    e.refs += n;
    passed += n;
    return S_OK;
  }

  // The peer with this id, made when new; one link more.
  Owner* attach(const PeerId& id) {
    std::lock_guard lock(mutex_);
    auto& o = peers_[id];
    if (!o) {
      o = std::make_unique<Owner>();
      o->id = id;
    }
    ++o->links;
    return o.get();
  }

  // One link less; with the last, the peer gives up everything it holds.
  void detach(Owner* o) {
    std::vector<ExportedPtr> gone;
    std::lock_guard lock(mutex_);
    if (--o->links > 0) return;
    for (auto* held : {&o->refs, &o->passed}) {
      for (const auto& [ipid, n] : *held) {
        auto it = objects_.find(ipid);
        if (it != objects_.end()) gone.push_back(drop_refs(it, n));
      }
    }
    peers_.erase(o->id);
  }

  bool holds_any(const Owner* o) {
    std::lock_guard lock(mutex_);
    return o->holds_any();
  }

  bool is_self(std::uint64_t oxid) {
    std::lock_guard lock(mutex_);
    return listen_fd_ >= 0 && oxid == oxid_;
  }

  std::size_t count() {
    std::lock_guard lock(mutex_);
    return objects_.size();
  }

  std::uint64_t oxid() const { return oxid_; }

  // What this process calls itself before the exporter with that OXID:
  // another exporter learns nothing from it about the names used elsewhere.
  PeerId id_for(std::uint64_t peer_oxid) const {
    std::uint8_t b[8];
    put_u64(b, peer_oxid);
    const Digest d = hmac_sha256(process_key_, b, sizeof b);
    PeerId id;
    std::memcpy(id.data(), d.data(), id.size());
    return id;
  }

  HRESULT start() {
    std::lock_guard lock(mutex_);
    if (listen_fd_ >= 0) return S_OK;
    if (stopped_) return RPC_S_SERVER_UNAVAILABLE;
    const auto folder = rpc_folder();
    if (!folder) return E_ACCESSDENIED;
    const char* env = std::getenv("QN_RPC_ADDRESS");
    const std::string host = env && *env ? env : "127.0.0.1";
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    if (::inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1) return E_INVALIDARG;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return E_FAIL;
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, SOMAXCONN) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
      ::close(fd);
      return E_FAIL;
    }
    random_bytes(secret_.data(), secret_.size());
    secret_file_ = secret_path(*folder, oxid_);
    if (!write_private_file(secret_file_, secret_.data(), secret_.size())) {
      ::close(fd);
      secret_file_.clear();
      return E_ACCESSDENIED;
    }
    limits_ = Limits::from_environment();
    // Large message buffers come straight from the system and go straight
    // back, so that memory a hostile peer made us take does not stay.
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(kKeptBuffer));
    budget_ = std::make_unique<ReassemblyBudget>(limits_.process_memory);
    port_ = std::to_string(ntohs(addr.sin_port));
    binding_ = host + "[" + port_ + "]";
    listen_fd_ = fd;
    try {
      acceptor_ = std::thread([this, fd] { accept_loop(fd); });
    } catch (const std::exception&) {
      ::close(fd);
      ::unlink(secret_file_.c_str());
      listen_fd_ = -1;
      return E_OUTOFMEMORY;
    }
    // Before the statics of the process (and the crypto library) go, its
    // connections end and its secret is removed.
    init_crypto();
    std::atexit([] { Exporter::get().stop(); });
    return S_OK;
  }

  // Stops listening, ends every connection, waits for their threads and
  // removes the secret. Calls of the process's proxies still work.
  void stop() {
    std::thread acceptor;
    {
      std::lock_guard lock(mutex_);
      if (listen_fd_ < 0 || stopped_) return;
      stopped_ = true;
      ::shutdown(listen_fd_, SHUT_RDWR);
      acceptor = std::move(acceptor_);
    }
    if (acceptor.joinable()) {
      if (acceptor.get_id() == std::this_thread::get_id()) {
        acceptor.detach();
      } else {
        acceptor.join();
      }
    }
    std::list<Connection> ending;
    {
      std::lock_guard lock(conns_mutex_);
      for (Connection& c : conns_)
        if (c.fd >= 0) ::shutdown(c.fd, SHUT_RDWR);
      ending.splice(ending.end(), conns_);
    }
    for (Connection& c : ending) {
      if (!c.thread.joinable()) continue;
      if (c.thread.get_id() == std::this_thread::get_id()) {
        c.thread.detach();
      } else {
        c.thread.join();
      }
    }
    std::lock_guard lock(mutex_);
    ::close(listen_fd_);
    ::unlink(secret_file_.c_str());
  }

  std::size_t connections() {
    std::lock_guard lock(conns_mutex_);
    return conns_.size();
  }

 private:
  Exporter() : oxid_(random_u64()) { random_bytes(process_key_.data(), process_key_.size()); }

  struct Connection {
    int fd = -1;
    std::thread thread;
    bool done = false;
  };

  // Takes n references off the object; the last one (unless pinned) ends
  // its export. A count at its greatest value stays.
  ExportedPtr drop_refs(std::map<GUID, ExportedPtr, GuidLess>::iterator it, std::uint32_t n) {
    Exported& e = *it->second;
    if (e.refs == UINT32_MAX) return nullptr;
    e.refs -= std::min(n, e.refs);
    if (e.refs > 0 || e.pinned) return nullptr;
    ExportedPtr gone = it->second;
    std::array<std::uint8_t, 16> iid_bytes;
    std::memcpy(iid_bytes.data(), &gone->iid, 16);
    const auto identity = reinterpret_cast<std::uintptr_t>(gone->identity);
    by_object_.erase(std::make_pair(identity, iid_bytes));
    objects_.erase(it);
    if (by_object_.lower_bound({identity, {}}) == by_object_.end() ||
        by_object_.lower_bound({identity, {}})->first.first != identity)
      oids_.erase(identity);
    return gone;
  }

  static void add_refs(Exported& e, std::uint32_t n) { e.refs = saturating_add(e.refs, n); }

  void accept_loop(int listen_fd) {
    for (;;) {
      const int fd = ::accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) {
        if (errno == EINTR || errno == ECONNABORTED || errno == EMFILE || errno == ENFILE ||
            errno == ENOBUFS || errno == ENOMEM) {
          if (errno != EINTR && errno != ECONNABORTED)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          continue;
        }
        return;  // stopped
      }
      std::lock_guard lock(conns_mutex_);
      // Threads of ended connections are joined here.
      for (auto it = conns_.begin(); it != conns_.end();) {
        if (it->done) {
          it->thread.join();
          it = conns_.erase(it);
        } else {
          ++it;
        }
      }
      if (stopped_ || conns_.size() >= limits_.max_connections) {
        ::close(fd);
        continue;
      }
      no_delay(fd);
      // A connection that gets no thread is refused; the server goes on.
      try {
        std::list<Connection> one(1);
        Connection& c = one.back();
        c.fd = fd;
        c.thread = std::thread([this, &c] { run(c); });
        conns_.splice(conns_.end(), one);
      } catch (const std::exception&) {
        ::close(fd);
      }
    }
  }

  void run(Connection& c) {
    try {
      serve(c.fd);
    } catch (const std::bad_alloc&) {
      // Out of memory: this connection ends, the others go on.
    }
    std::lock_guard lock(conns_mutex_);
    ::close(c.fd);
    c.fd = -1;
    c.done = true;
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
  Secret process_key_{};
  Secret secret_{};
  std::string secret_file_;
  Limits limits_;
  std::unique_ptr<ReassemblyBudget> budget_;
  int listen_fd_ = -1;
  std::atomic<bool> stopped_{false};
  std::thread acceptor_;
  std::string port_;
  std::string binding_;
  std::map<GUID, ExportedPtr, GuidLess> objects_;
  std::map<std::pair<std::uintptr_t, std::array<std::uint8_t, 16>>, GUID> by_object_;
  std::map<std::uintptr_t, std::uint64_t> oids_;  // a random OID for each object
  std::map<PeerId, std::unique_ptr<Owner>> peers_;
  std::mutex conns_mutex_;
  std::list<Connection> conns_;
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
// go out with a reference owned by the calling peer.
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
    HRESULT released = S_OK;
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
          if (HRESULT h = release_held(ipid, public_refs, &owner); FAILED(h)) released = h;
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
    reply.u32(static_cast<std::uint32_t>(released));
    return Answer{{}, std::move(reply.data())};
  }
  // An object the peer was not given is, for it, no object at all.
  ExportedPtr e = first.has_object ? find_for(first.object, &owner) : nullptr;
  if (!e || e->iid != ctx->second) return fault(static_cast<std::uint32_t>(RPC_E_DISCONNECTED));
  if (first.opnum < 3) return fault(kNcaOpRangeError);
  ServerMarshaller marshaller(&owner);
  const HRESULT status =
      e->stub->Invoke(first.opnum, data.data() + r.pos(), r.remaining(), big, marshaller, &results);
  if (status != S_OK) return fault(fault_status(status));
  return Answer{{}, std::move(results)};
}

void Exporter::serve(int fd) {
  // The peer proves it can read the secret before anything else: bind
  // (its nonce), bind_ack (ours and our proof), auth3 (its proof).
  Owner* owner = nullptr;
  struct Unlink {
    Owner*& o;
    ~Unlink() {
      if (o) Exporter::get().detach(o);
    }
  } unlink{owner};
  std::map<std::uint16_t, IID> contexts;
  Reassembler reassembler(limits_.connection_memory, budget_.get());
  std::vector<std::uint8_t> buf;
  auto in = std::make_unique<SocketReader>(fd);
  in->set_timeout(limits_.timeout);
  const std::vector<std::uint8_t> orpcthat(kOrpcThatSize, 0);
  std::vector<std::uint8_t> spare;
  std::array<std::uint8_t, kNonceSize> client_nonce{}, server_nonce{};
  bool bound = false;
  std::size_t peak = 0;
  Fragment f;
  for (bool open = true; open;) {
    // An idle peer that holds references may wait as long as it likes;
    // otherwise, and once a fragment has begun, the time-out runs.
    in->begin(owner && !reassembler.active() && holds_any(owner));
    if (read_fragment(*in, &buf, &f) != ReadResult::kOk) break;
    switch (f.header.type) {
      case kPduBind: {
        if (bound || f.auth_size != kBindAuthSize) {
          open = false;
          break;
        }
        bound = true;
        std::memcpy(client_nonce.data(), f.auth, kNonceSize);
        random_bytes(server_nonce.data(), kNonceSize);
        const PeerId mine = id_for(get_u64(f.auth + kNonceSize));
        AuthValue auth(server_nonce.begin(), server_nonce.end());
        auth.insert(auth.end(), mine.begin(), mine.end());
        const Digest d = handshake_proof(secret_, 'S', client_nonce.data(), server_nonce.data());
        auth.insert(auth.end(), d.begin(), d.end());
        std::vector<std::uint16_t> results;
        std::map<std::uint16_t, IID> offered;
        for (const BindContext& c : f.contexts) {
          results.push_back(c.ndr ? 0 : 2);
          if (c.ndr) offered[c.id] = c.iid;
        }
        contexts = std::move(offered);
        const auto ack = encode_bind_ack(kPduBindAck, f.header.call_id, port_, results, auth);
        open = write_all(fd, ack.data(), ack.size());
        break;
      }
      case kPduAuth3: {
        if (!bound || owner || f.auth_size != kAuth3AuthSize) {
          open = false;
          break;
        }
        const Digest want = handshake_proof(secret_, 'C', client_nonce.data(), server_nonce.data(),
                                            f.auth, kPeerIdSize);
        if (!same_bytes(want.data(), f.auth + kPeerIdSize, want.size())) {
          open = false;
          break;
        }
        PeerId id;
        std::memcpy(id.data(), f.auth, id.size());
        owner = attach(id);
        break;
      }
      case kPduAlterContext: {
        if (!owner) {
          open = false;
          break;
        }
        std::vector<std::uint16_t> results;
        for (const BindContext& c : f.contexts) {
          results.push_back(c.ndr ? 0 : 2);
          if (c.ndr) contexts[c.id] = c.iid;
        }
        const auto ack = encode_bind_ack(kPduAlterContextResp, f.header.call_id, port_, results);
        open = write_all(fd, ack.data(), ack.size());
        break;
      }
      case kPduRequest: {
        if (!owner) {
          open = false;
          break;
        }
        const auto result = reassembler.add(f);
        peak = std::max(peak, reassembler.data().capacity());
        if (result == Reassembler::kBad) {
          open = false;
        } else if (result == Reassembler::kDone) {
          const Fragment& first = reassembler.first();
          Answer a = answer(first, reassembler.data(), contexts, *owner, std::move(spare));
          reassembler.give_back();
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
  // Large messages leave free memory behind; it goes back to the system.
  if (peak > kKeptBuffer / 8) {
    reassembler.data() = {};
    spare = {};
    ::malloc_trim(0);
  }
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
  Owner* lent = nullptr;  // the server's process, as our exporter knows it
};

// An exporter to call: its binding and its OXID (which names its secret).
struct Endpoint {
  const std::string& binding;
  std::uint64_t oxid;
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
    return c;
  }

  void give_back(const std::string& binding, std::unique_ptr<ClientConn> c) {
    std::lock_guard lock(mutex_);
    idle_[binding].push_back(std::move(c));
  }

  static void drop(std::unique_ptr<ClientConn> c) {
    ::close(c->fd);
    if (c->lent) Exporter::get().detach(c->lent);
  }

  std::chrono::milliseconds timeout() const { return timeout_; }

 private:
  Connections() : timeout_(Limits::from_environment().timeout) {}
  std::mutex mutex_;
  std::map<std::string, std::vector<std::unique_ptr<ClientConn>>> idle_;
  std::chrono::milliseconds timeout_;
};

// The first bind of a connection, with the proof that we may call the
// exporter and its proof that it is the one we mean. S_OK, or the failure.
HRESULT authenticate(ClientConn& c, const Endpoint& to, std::uint16_t context, const IID& iid,
                     std::vector<std::uint8_t>* buf, Fragment* f) {
  const auto folder = rpc_folder();
  const auto secret = folder ? read_secret(secret_path(*folder, to.oxid)) : std::nullopt;
  if (!secret) return E_ACCESSDENIED;
  Exporter& self = Exporter::get();
  std::uint8_t nonce[kNonceSize];
  random_bytes(nonce, sizeof nonce);
  AuthValue auth(nonce, nonce + kNonceSize);
  auth.resize(kBindAuthSize);
  put_u64(auth.data() + kNonceSize, self.oxid());
  const std::uint32_t call = c.next_call++;
  const auto bind = encode_bind(kPduBind, call, context, iid, false, auth);
  if (!write_all(c.fd, bind.data(), bind.size())) return RPC_S_SERVER_UNAVAILABLE;
  c.in->set_timeout(Connections::get().timeout());
  c.in->begin(false);
  const ReadResult read = read_fragment(*c.in, buf, f);
  c.in->set_timeout(std::chrono::milliseconds(0));  // a call may take its time
  if (read != ReadResult::kOk) return RPC_S_SERVER_UNAVAILABLE;
  if (f->header.type != kPduBindAck || f->header.call_id != call || f->results.size() != 1 ||
      f->auth_size != kBindAckAuthSize)
    return RPC_S_CALL_FAILED;
  const std::uint8_t* server_nonce = f->auth;
  const Digest theirs = handshake_proof(*secret, 'S', nonce, server_nonce);
  if (!same_bytes(theirs.data(), f->auth + kNonceSize + 16, theirs.size())) return E_ACCESSDENIED;
  PeerId server;
  std::memcpy(server.data(), f->auth + kNonceSize, server.size());
  const PeerId mine = self.id_for(to.oxid);
  AuthValue answer(mine.begin(), mine.end());
  const Digest d = handshake_proof(*secret, 'C', nonce, server_nonce, mine.data(), mine.size());
  answer.insert(answer.end(), d.begin(), d.end());
  const auto auth3 = encode_auth3(c.next_call++, answer);
  if (!write_all(c.fd, auth3.data(), auth3.size())) return RPC_S_CALL_FAILED;
  c.lent = self.attach(server);
  return S_OK;
}

// One call to the exporter at `to`: *stub holds the arguments and receives
// the results.
HRESULT rpc_call(const Endpoint& to, const IID& iid, const GUID& ipid, std::uint16_t opnum,
                 std::vector<std::uint8_t>* stub, bool* big_endian) {
  const std::string& binding = to.binding;
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
    t_lent.clear();
    Connections::drop(std::move(c));
    return h;
  };
  if (!c->contexts.count(iid)) {
    const std::uint16_t id = c->next_context++;
    if (fresh) {
      if (HRESULT h = authenticate(*c, to, id, iid, &buf, &f); FAILED(h)) return lost(h);
    } else {
      const std::uint32_t call = c->next_call++;
      const auto alter = encode_bind(kPduAlterContext, call, id, iid);
      if (!write_all(c->fd, alter.data(), alter.size())) return lost(RPC_S_CALL_FAILED);
      if (read_fragment(*c->in, &buf, &f) != ReadResult::kOk) return lost(RPC_S_CALL_FAILED);
      if (f.header.type != kPduAlterContextResp || f.header.call_id != call ||
          f.results.size() != 1)
        return lost(RPC_S_CALL_FAILED);
    }
    if (f.results[0] != 0) {
      t_lent.clear();
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
  for (const GUID& lent : t_lent) Exporter::get().own(c->lent, lent);
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
    return rpc_call({ref_.binding, ref_.oxid}, ref_.iid, ref_.ipid, opnum, data, big_endian);
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
    HRESULT h = rpc_call({ref_.binding, ref_.oxid}, IID_IRemUnknown, ref_.ipid, 4, &w.data(), &big);
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
    rpc_call({ref_.binding, ref_.oxid}, IID_IRemUnknown, ref_.ipid, 5, &w.data(), &big);
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
    if (ref->public_refs) exporter.release_returned(ref->ipid, ref->public_refs);
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
