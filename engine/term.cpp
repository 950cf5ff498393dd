#include "engine/term.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_map>

namespace qn::engine {

// ---------------------------------------------------------------------------
// Atom table: ids handed out in creation order, names kept in fixed chunks so
// that a name's address never changes and can be read without the lock.

namespace {

constexpr uint32_t kChunkBits = 12;
constexpr uint32_t kChunkSize = 1u << kChunkBits;
constexpr uint32_t kMaxChunks = 1u << 14;  // 64 M atoms

struct TransparentHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

class AtomTable {
 public:
  AtomTable() {
    intern("[]");  // id 0
  }

  uint32_t intern(std::string_view name) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = ids_.find(name);
    if (it != ids_.end()) return it->second;
    uint32_t id = count_;
    uint32_t chunk = id >> kChunkBits;
    if (chunk >= kMaxChunks) throw std::bad_alloc();
    std::string* c = chunks_[chunk].load(std::memory_order_acquire);
    if (!c) {
      c = new std::string[kChunkSize];
      chunks_[chunk].store(c, std::memory_order_release);
    }
    c[id & (kChunkSize - 1)] = std::string(name);
    const std::string& stored = c[id & (kChunkSize - 1)];
    ids_.emplace(std::string_view(stored), id);
    count_ = id + 1;
    return id;
  }

  const std::string& name(uint32_t id) const {
    std::string* c = chunks_[id >> kChunkBits].load(std::memory_order_acquire);
    return c[id & (kChunkSize - 1)];
  }

 private:
  std::mutex mutex_;
  std::unordered_map<std::string_view, uint32_t, TransparentHash, std::equal_to<>> ids_;
  uint32_t count_ = 0;
  std::atomic<std::string*> chunks_[kMaxChunks] = {};
};

AtomTable& atom_table() {
  static AtomTable* table = new AtomTable();  // lives for the whole process
  return *table;
}

const std::string kEmpty;

const Atom& dot_atom() {
  static const Atom a(".");
  return a;
}

}  // namespace

namespace {

// Rules name the same few predicates over and over: each thread keeps the
// atoms it met last in a small table of its own, read without the lock. A
// stored name never moves or changes, so a slot stays valid for good.
struct AtomCacheSlot {
  const std::string* name = nullptr;
  uint32_t id = 0;
};
constexpr size_t kAtomCacheSlots = 1024;
thread_local AtomCacheSlot t_atom_cache[kAtomCacheSlots];

size_t atom_cache_slot(std::string_view name) {
  uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
  for (unsigned char c : name) h = (h ^ c) * 0x100000001b3ull;
  return static_cast<size_t>(h ^ (h >> 29)) & (kAtomCacheSlots - 1);
}

uint32_t intern_cached(std::string_view name) {
  AtomCacheSlot& slot = t_atom_cache[atom_cache_slot(name)];
  if (slot.name && *slot.name == name) return slot.id;
  const uint32_t id = atom_table().intern(name);
  slot.name = &atom_table().name(id);
  slot.id = id;
  return id;
}

}  // namespace

Atom::Atom(std::string_view name) : id_(intern_cached(name)) {}

const std::string& Atom::name() const { return atom_table().name(id_); }

// ---------------------------------------------------------------------------
// Shared nodes

// Node memory comes from per-thread pools of 16-byte size classes: reading
// a large file makes and frees millions of small nodes. The free blocks of a
// class are kept as a stack of addresses, so that the blocks about to be
// reused can be fetched into the cache ahead of time (freed blocks lie
// scattered). A node may be freed on another thread than the one that made
// it; its block simply joins that thread's pool. Blocks are never handed
// back to the system.
namespace {

constexpr size_t kGrain = 16;
constexpr size_t kClasses = 17;  // blocks up to 256 bytes
constexpr size_t kChunkBytes = 256 * 1024;
constexpr size_t kPrefetchAhead = 8;

struct FreeStack {
  void** items = nullptr;
  size_t top = 0;
  size_t cap = 0;
};

struct Pool {
  FreeStack free[kClasses];
  char* chunk = nullptr;
  size_t left = 0;
};

thread_local Pool t_pool;  // trivially destructible: usable until the thread ends

// Every chunk and stack stays listed here, so that leak checkers see them
// reachable after their thread has gone.
std::mutex g_pool_mutex;
std::vector<void*>& all_blocks() {
  static auto* blocks = new std::vector<void*>();
  return *blocks;
}

void keep(void* block, void* replaced) {
  std::lock_guard<std::mutex> lock(g_pool_mutex);
  auto& v = all_blocks();
  if (replaced) {
    for (auto& b : v) {
      if (b == replaced) {
        b = block;
        return;
      }
    }
  }
  v.push_back(block);
}

void* pool_alloc(size_t bytes) {
  size_t c = (bytes + kGrain - 1) / kGrain;
  if (c >= kClasses) return ::operator new(bytes);
  Pool& p = t_pool;
  FreeStack& f = p.free[c];
  if (f.top > 0) {
    void* b = f.items[--f.top];
    if (f.top >= kPrefetchAhead) __builtin_prefetch(f.items[f.top - kPrefetchAhead], 1);
    return b;
  }
  size_t size = c * kGrain;
  if (p.left < size) {
    p.chunk = static_cast<char*>(::operator new(kChunkBytes));
    p.left = kChunkBytes;
    keep(p.chunk, nullptr);
  }
  void* r = p.chunk;
  p.chunk += size;
  p.left -= size;
  return r;
}

void pool_free(void* mem, size_t bytes) {
  size_t c = (bytes + kGrain - 1) / kGrain;
  if (c >= kClasses) {
    ::operator delete(mem);
    return;
  }
  FreeStack& f = t_pool.free[c];
  if (f.top == f.cap) {
    size_t cap = f.cap ? f.cap * 2 : 1024;
    auto** items = static_cast<void**>(::operator new(cap * sizeof(void*)));
    if (f.top) std::memcpy(items, f.items, f.top * sizeof(void*));
    keep(items, f.items);
    ::operator delete(f.items);
    f.items = items;
    f.cap = cap;
  }
  f.items[f.top++] = mem;
}

}  // namespace

// The header of a shared node. A compound's arguments follow it; a string's
// std::string follows it.
struct TermNode {
  mutable std::atomic<uint32_t> refs{1};
  uint32_t arity = 0;     // compounds
  uint32_t functor = 0;   // compounds
  uint32_t has_vars = 0;  // compounds: some argument holds a variable

  Term* args() { return reinterpret_cast<Term*>(this + 1); }
  const Term* args() const { return reinterpret_cast<const Term*>(this + 1); }
  std::string& text() { return *reinterpret_cast<std::string*>(this + 1); }
  const std::string& text() const { return *reinterpret_cast<const std::string*>(this + 1); }

  static size_t compound_bytes(size_t arity) { return sizeof(TermNode) + arity * sizeof(Term); }
  static size_t string_bytes() { return sizeof(TermNode) + sizeof(std::string); }

  static TermNode* make_compound(uint32_t functor, size_t arity) {
    void* mem = pool_alloc(compound_bytes(arity));
    auto* n = new (mem) TermNode();
    n->arity = static_cast<uint32_t>(arity);
    n->functor = functor;
    return n;
  }
  static TermNode* make_string(std::string_view s) {
    void* mem = pool_alloc(string_bytes());
    auto* n = new (mem) TermNode();
    new (&n->text()) std::string(s);
    return n;
  }
};

static_assert(sizeof(Term) == 16, "a term is two words");
static_assert(sizeof(TermNode) == 16);

// Nodes whose count dropped to zero are freed without recursion, so that a
// list of a million elements goes away without exhausting the stack. Dead
// compounds wait in a list linked through their functor and flag words,
// which are no longer needed.
static_assert(offsetof(TermNode, functor) == 8 && offsetof(TermNode, has_vars) == 12);

namespace {

void set_next_dead(TermNode* n, TermNode* next) {
  std::memcpy(reinterpret_cast<char*>(n) + 8, &next, sizeof next);
}

TermNode* next_dead(TermNode* n) {
  TermNode* next;
  std::memcpy(&next, reinterpret_cast<char*>(n) + 8, sizeof next);
  return next;
}

void free_string(TermNode* n) {
  n->text().~basic_string();
  pool_free(n, TermNode::string_bytes());
}

}  // namespace

struct TermAccess {
  static TermNode* node(const Term& t) { return t.u_.node; }
};

void Term::retain() const {
  if (has_node()) u_.node->refs.fetch_add(1, std::memory_order_relaxed);
}

void Term::release() {
  TermNode* n = u_.node;
  if (n->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  if (kind_ == Kind::String) return free_string(n);
  set_next_dead(n, nullptr);
  TermNode* dead = n;
  while (dead) {
    TermNode* cur = dead;
    dead = next_dead(cur);
    Term* a = cur->args();
    // The children's counts lie on lines not yet in the cache: ask for all
    // of them before touching the first.
    for (uint32_t i = 0; i < cur->arity; ++i) {
      if (a[i].has_node()) __builtin_prefetch(a[i].u_.node, 1);
    }
    for (uint32_t i = 0; i < cur->arity; ++i) {
      const Term& arg = a[i];
      if (!arg.has_node()) continue;
      TermNode* child = arg.u_.node;
      if (child->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) continue;
      if (arg.is_string()) {
        free_string(child);
      } else {
        set_next_dead(child, dead);
        dead = child;
      }
    }
    pool_free(cur, TermNode::compound_bytes(cur->arity));
  }
}

void Term::release_all(std::span<Term> terms) {
  // Nodes whose count is to drop, in the order met; a node is fetched
  // kAhead places before its turn.
  constexpr size_t kAhead = 16;
  struct Drop {
    TermNode* node;
    bool string;
  };
  std::vector<Drop> queue;
  queue.reserve(terms.size());
  for (Term& t : terms) {
    if (t.has_node()) queue.push_back({t.u_.node, t.kind_ == Kind::String});
    t.kind_ = Kind::Atom;
    t.u_.atom = 0;
  }
  for (size_t i = 0; i < queue.size(); ++i) {
    if (i + kAhead < queue.size()) __builtin_prefetch(queue[i + kAhead].node, 1);
    const Drop d = queue[i];
    if (d.node->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) continue;
    if (d.string) {
      free_string(d.node);
      continue;
    }
    const Term* a = d.node->args();
    for (uint32_t k = 0; k < d.node->arity; ++k) {
      if (a[k].has_node()) queue.push_back({a[k].u_.node, a[k].kind_ == Kind::String});
    }
    pool_free(d.node, TermNode::compound_bytes(d.node->arity));
  }
}

// ---------------------------------------------------------------------------
// Construction

Term Term::integer(int64_t v) {
  Term t;
  t.kind_ = Kind::Int;
  t.u_.i = v;
  return t;
}

Term Term::real(double v) {
  Term t;
  t.kind_ = Kind::Real;
  t.u_.d = v;
  return t;
}

Term Term::atom(Atom a) {
  Term t;
  t.u_.atom = a.id();
  return t;
}

Term Term::string(std::string_view text) {
  Term t;
  t.kind_ = Kind::String;
  t.u_.node = TermNode::make_string(text);
  return t;
}

Term Term::var(uint32_t id) {
  Term t;
  t.kind_ = Kind::Var;
  t.u_.var = id;
  return t;
}

Term Term::fresh_var() {
  static std::atomic<uint32_t> next{0x40000000u};
  return var(next.fetch_add(1, std::memory_order_relaxed));
}

Term Term::compound_from(Atom functor, Term* args, size_t n) {
  if (n == 0) return atom(functor);
  TermNode* node = TermNode::make_compound(functor.id(), n);
  Term* dst = node->args();
  bool vars = false;
  for (size_t i = 0; i < n; ++i) {
    new (&dst[i]) Term(std::move(args[i]));
    if (dst[i].is_var() || (dst[i].is_compound() && dst[i].u_.node->has_vars)) vars = true;
  }
  node->has_vars = vars ? 1 : 0;
  Term t;
  t.kind_ = Kind::Compound;
  t.u_.node = node;
  return t;
}

Term Term::compound(Atom functor, std::vector<Term> args) {
  return compound_from(functor, args.data(), args.size());
}

Term Term::cons(Term head, Term tail) {
  Term a[2] = {std::move(head), std::move(tail)};
  return compound_from(dot_atom(), a, 2);
}

Term Term::list(std::span<const Term> items, Term tail) {
  Term result = std::move(tail);
  for (size_t i = items.size(); i-- > 0;) result = cons(items[i], std::move(result));
  return result;
}

// ---------------------------------------------------------------------------
// Access

bool Term::is_cons() const {
  return kind_ == Kind::Compound && u_.node->arity == 2 && u_.node->functor == dot_atom().id();
}

bool Term::has_vars() const {
  if (kind_ == Kind::Var) return true;
  return kind_ == Kind::Compound && u_.node->has_vars != 0;
}

bool Term::is_list() const {
  const Term* t = this;
  while (t->is_cons()) t = &t->u_.node->args()[1];
  return t->is_nil();
}

const std::string& Term::text() const {
  if (kind_ == Kind::Atom) return atom_table().name(u_.atom);
  if (kind_ == Kind::String) return u_.node->text();
  return kEmpty;
}

Atom Term::functor() const {
  if (kind_ == Kind::Compound) return Atom::from_id(u_.node->functor);
  if (kind_ == Kind::Atom) return Atom::from_id(u_.atom);
  return Atom();
}

size_t Term::arity() const { return kind_ == Kind::Compound ? u_.node->arity : 0; }

const Term& Term::arg(size_t n) const {
  static const Term kNil;
  if (kind_ != Kind::Compound || n == 0 || n > u_.node->arity) return kNil;
  return u_.node->args()[n - 1];
}

std::span<const Term> Term::args() const {
  if (kind_ != Kind::Compound) return {};
  return {u_.node->args(), u_.node->arity};
}

std::vector<Term> Term::list_items() const {
  std::vector<Term> out;
  const Term* t = this;
  while (t->is_cons()) {
    out.push_back(t->u_.node->args()[0]);
    t = &t->u_.node->args()[1];
  }
  return out;
}

bool operator==(const Term& x, const Term& y) {
  const Term* a = &x;
  const Term* b = &y;
  for (;;) {
    if (a->kind_ != b->kind_) return false;
    switch (a->kind_) {
      case Term::Kind::Var:
        return a->u_.var == b->u_.var;
      case Term::Kind::Int:
        return a->u_.i == b->u_.i;
      case Term::Kind::Real:
        return a->u_.d == b->u_.d || (a->u_.d != a->u_.d && b->u_.d != b->u_.d);
      case Term::Kind::Atom:
        return a->u_.atom == b->u_.atom;
      case Term::Kind::String:
        return a->u_.node == b->u_.node || a->u_.node->text() == b->u_.node->text();
      case Term::Kind::Compound: {
        const TermNode* na = a->u_.node;
        const TermNode* nb = b->u_.node;
        if (na == nb) return true;
        if (na->arity != nb->arity || na->functor != nb->functor) return false;
        for (uint32_t i = 0; i + 1 < na->arity; ++i) {
          if (!(na->args()[i] == nb->args()[i])) return false;
        }
        a = &na->args()[na->arity - 1];
        b = &nb->args()[nb->arity - 1];
        break;
      }
    }
  }
}

size_t Term::hash() const {
  size_t h = 0xcbf29ce484222325ull;
  auto mix = [&h](uint64_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
  const Term* t = this;
  for (;;) {
    mix(static_cast<uint64_t>(t->kind_));
    switch (t->kind_) {
      case Kind::Var:
        mix(t->u_.var);
        return h;
      case Kind::Int:
        mix(static_cast<uint64_t>(t->u_.i));
        return h;
      case Kind::Real: {
        double d = t->u_.d == 0.0 ? 0.0 : t->u_.d;
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        mix(bits);
        return h;
      }
      case Kind::Atom:
        mix(t->u_.atom);
        return h;
      case Kind::String:
        mix(std::hash<std::string>()(t->u_.node->text()));
        return h;
      case Kind::Compound: {
        const TermNode* n = t->u_.node;
        mix(n->functor);
        mix(n->arity);
        for (uint32_t i = 0; i + 1 < n->arity; ++i) mix(n->args()[i].hash());
        t = &n->args()[n->arity - 1];
        break;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Standard order

namespace {

int kind_rank(Term::Kind k) {
  switch (k) {
    case Term::Kind::Var:
      return 0;
    case Term::Kind::Int:
    case Term::Kind::Real:
      return 1;
    case Term::Kind::Atom:
      return 2;
    case Term::Kind::String:
      return 3;
    case Term::Kind::Compound:
      return 4;
  }
  return 5;
}

int compare_bytes(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
  if (c != 0) return c < 0 ? -1 : 1;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int compare_numbers(const Term& a, const Term& b) {
  if (a.is_int() && b.is_int()) {
    return a.as_int() < b.as_int() ? -1 : a.as_int() > b.as_int() ? 1 : 0;
  }
  double x = a.as_number();
  double y = b.as_number();
  if (x < y) return -1;
  if (x > y) return 1;
  // Equal by value: an integer comes before a real.
  if (a.is_int() != b.is_int()) return a.is_int() ? -1 : 1;
  return 0;
}

}  // namespace

int compare(const Term& x, const Term& y) {
  const Term* a = &x;
  const Term* b = &y;
  for (;;) {
    int ra = kind_rank(a->kind());
    int rb = kind_rank(b->kind());
    if (ra != rb) return ra < rb ? -1 : 1;
    switch (a->kind()) {
      case Term::Kind::Var:
        return a->var_id() < b->var_id() ? -1 : a->var_id() > b->var_id() ? 1 : 0;
      case Term::Kind::Int:
      case Term::Kind::Real:
        return compare_numbers(*a, *b);
      case Term::Kind::Atom:
        if (a->as_atom() == b->as_atom()) return 0;
        return compare_bytes(a->text(), b->text());
      case Term::Kind::String:
        return compare_bytes(a->text(), b->text());
      case Term::Kind::Compound: {
        if (a->arity() != b->arity()) return a->arity() < b->arity() ? -1 : 1;
        if (!(a->functor() == b->functor())) {
          return compare_bytes(a->functor().name(), b->functor().name());
        }
        auto aa = a->args();
        auto bb = b->args();
        for (size_t i = 0; i + 1 < aa.size(); ++i) {
          int c = compare(aa[i], bb[i]);
          if (c != 0) return c;
        }
        a = &aa.back();
        b = &bb.back();
        break;
      }
    }
  }
}

std::vector<Term> sort_terms(std::vector<Term> items) {
  std::sort(items.begin(), items.end(),
            [](const Term& a, const Term& b) { return compare(a, b) < 0; });
  items.erase(std::unique(items.begin(), items.end(),
                          [](const Term& a, const Term& b) { return compare(a, b) == 0; }),
              items.end());
  return items;
}

bool keysort_terms(const std::vector<Term>& items, std::vector<Term>& out) {
  static const Atom minus("-");
  for (const Term& t : items) {
    if (!t.is_compound() || t.arity() != 2 || !(t.functor() == minus)) return false;
  }
  std::vector<Term> sorted = items;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Term& a, const Term& b) { return compare(a.arg(1), b.arg(1)) < 0; });
  out = std::move(sorted);
  return true;
}

// ---------------------------------------------------------------------------
// Unification

const Term& Bindings::deref(const Term& t) const {
  const Term* cur = &t;
  while (cur->is_var()) {
    const Term* found = nullptr;
    for (size_t i = size_; i-- > 0;) {
      const Binding& b = at(i);
      if (b.var == cur->var_id()) {
        found = &b.value;
        break;
      }
    }
    if (!found) return *cur;
    cur = found;
  }
  return *cur;
}

void Bindings::bind(uint32_t var_id, Term value) {
  if (size_ < kInline) {
    inline_[size_].var = var_id;
    inline_[size_].value = std::move(value);
  } else {
    more_.push_back(Binding{var_id, std::move(value)});
  }
  ++size_;
}

Term Bindings::resolve(const Term& t) const {
  const Term& d = deref(t);
  if (!d.is_compound() || size_ == 0) return d;
  if (!TermAccess::node(d)->has_vars) return d;
  // Lists are resolved along their spine without recursion.
  if (d.is_cons()) {
    std::vector<Term> items;
    const Term* cur = &d;
    while (cur->is_cons()) {
      items.push_back(resolve(cur->arg(1)));
      cur = &deref(cur->arg(2));
    }
    return Term::list(items, resolve(*cur));
  }
  std::vector<Term> args;
  args.reserve(d.arity());
  for (const Term& a : d.args()) args.push_back(resolve(a));
  return Term::compound(d.functor(), std::move(args));
}

void Bindings::undo(size_t mark) {
  if (mark >= size_) return;
  for (size_t i = mark; i < size_ && i < kInline; ++i) inline_[i].value = Term();
  more_.resize(mark > kInline ? mark - kInline : 0);
  size_ = mark;
}

namespace {

bool unify_rec(const Term& x, const Term& y, Bindings& b) {
  const Term* a = &b.deref(x);
  const Term* c = &b.deref(y);
  for (;;) {
    if (a->is_var()) {
      if (c->is_var() && c->var_id() == a->var_id()) return true;
      b.bind(a->var_id(), *c);
      return true;
    }
    if (c->is_var()) {
      b.bind(c->var_id(), *a);
      return true;
    }
    if (a->kind() != c->kind()) return false;
    if (!a->is_compound()) return *a == *c;
    if (a->arity() != c->arity() || !(a->functor() == c->functor())) return false;
    auto aa = a->args();
    auto cc = c->args();
    for (size_t i = 0; i + 1 < aa.size(); ++i) {
      if (!unify_rec(aa[i], cc[i], b)) return false;
    }
    a = &b.deref(aa.back());
    c = &b.deref(cc.back());
  }
}

}  // namespace

bool unify(const Term& a, const Term& b, Bindings& bindings) {
  size_t m = bindings.mark();
  if (unify_rec(a, b, bindings)) return true;
  bindings.undo(m);
  return false;
}

bool matches(const Term& pattern, const Term& t) {
  Bindings b;
  return unify(pattern, t, b);
}

}  // namespace qn::engine
