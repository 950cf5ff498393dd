#include "engine/fact_base.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <deque>
#include <memory>
#include <unordered_map>

namespace qn::engine {

namespace {

// Clauses are kept in order of a sequence number: asserta takes one below
// the first, assertz one above the last, assert/2 one between its
// neighbours (renumbering the predicate when there is no room left).
constexpr int64_t kGap = int64_t{1} << 20;

struct Entry {
  int64_t seq = 0;
  Term clause;
  bool alive = true;
  bool has_vars = false;
};

// Gives the clause's variables ids of their own, so that they cannot meet
// the pattern's.
Term rename_apart(const Term& t, std::vector<std::pair<uint32_t, Term>>& map) {
  if (t.is_var()) {
    for (auto& [id, v] : map) {
      if (id == t.var_id()) return v;
    }
    map.emplace_back(t.var_id(), Term::fresh_var());
    return map.back().second;
  }
  if (!t.is_compound()) return t;
  std::vector<Term> args;
  args.reserve(t.arity());
  for (const Term& a : t.args()) args.push_back(rename_apart(a, map));
  return Term::compound(t.functor(), std::move(args));
}

// Whether a pattern unifies with a clause without variables. The pattern's
// variables can only take parts of the clause, so they are noted by address
// (no term is copied), and a variable met again must meet an equal part:
// between terms without variables, unifying is being equal.
class GroundMatch {
 public:
  bool operator()(const Term& pattern, const Term& clause) {
    const Term* p = &pattern;
    const Term* c = &clause;
    for (;;) {
      if (p->is_var()) return bind(p->var_id(), *c);
      if (!p->has_vars()) return *p == *c;
      // p is a compound holding a variable
      if (!c->is_compound() || p->arity() != c->arity() || !(p->functor() == c->functor()))
        return false;
      const auto pa = p->args();
      const auto ca = c->args();
      for (size_t i = 0; i + 1 < pa.size(); ++i) {
        if (!(*this)(pa[i], ca[i])) return false;
      }
      p = &pa.back();
      c = &ca.back();
    }
  }

 private:
  bool bind(uint32_t var, const Term& value) {
    for (size_t i = 0; i < n_; ++i) {
      if (at(i).first == var) return *at(i).second == value;
    }
    if (n_ < kInline) {
      inline_[n_] = {var, &value};
    } else {
      more_.emplace_back(var, &value);
    }
    ++n_;
    return true;
  }
  std::pair<uint32_t, const Term*>& at(size_t i) {
    return i < kInline ? inline_[i] : more_[i - kInline];
  }

  static constexpr size_t kInline = 8;
  std::pair<uint32_t, const Term*> inline_[kInline];
  std::vector<std::pair<uint32_t, const Term*>> more_;
  size_t n_ = 0;
};

// The clauses of one first-argument value, in order. Most buckets hold one
// clause, kept in place; a bucket that grows moves to a vector with room
// kept at the front, so that asserta and assertz are both cheap.
class Bucket {
 public:
  using iterator = Entry**;
  bool empty() const { return size() == 0; }
  size_t size() const { return v_.empty() ? (one_ ? 1 : 0) : v_.size() - head_; }
  Entry* front() const { return *const_cast<Bucket*>(this)->begin(); }
  Entry* back() const { return v_.empty() ? one_ : v_.back(); }
  iterator begin() { return v_.empty() ? &one_ : v_.data() + head_; }
  iterator end() { return v_.empty() ? &one_ + (one_ ? 1 : 0) : v_.data() + v_.size(); }
  void push_back(Entry* e) {
    if (v_.empty()) {
      if (!one_) {
        one_ = e;
        return;
      }
      spill();
    }
    v_.push_back(e);
  }
  void push_front(Entry* e) {
    if (v_.empty()) {
      if (!one_) {
        one_ = e;
        return;
      }
      spill();
    }
    if (head_ == 0) {
      size_t n = size();
      size_t room = n < 4 ? 4 : n;
      std::vector<Entry*> grown(room + n);
      std::copy(v_.begin(), v_.end(), grown.begin() + static_cast<std::ptrdiff_t>(room));
      v_ = std::move(grown);
      head_ = room;
    }
    v_[--head_] = e;
  }
  void pop_front() {
    if (v_.empty()) {
      one_ = nullptr;
      return;
    }
    if (++head_ == v_.size()) unspill();
  }
  void insert(iterator pos, Entry* e) {
    if (v_.empty()) {
      if (pos == &one_) return push_front(e);
      return push_back(e);
    }
    v_.insert(v_.begin() + (pos - v_.data()), e);
  }
  void erase(iterator pos) {
    if (v_.empty()) {
      one_ = nullptr;
      return;
    }
    v_.erase(v_.begin() + (pos - v_.data()));
    if (head_ == v_.size()) unspill();
  }

 private:
  // One clause in place becomes the vector's first.
  void spill() {
    v_.push_back(one_);
    one_ = nullptr;
    head_ = 0;
  }
  void unspill() {
    v_.clear();
    v_.shrink_to_fit();
    head_ = 0;
  }

  Entry* one_ = nullptr;   // the clause while the vector is empty
  std::vector<Entry*> v_;  // [head_, size) hold the clauses
  size_t head_ = 0;
};

// The first-argument index: each key (the argument itself when it is
// atomic, its name and arity when it is compound) with the bucket of its
// clauses. Open addressing with linear probing; each slot keeps its key's
// hash, so a probe seldom reads a key's term.
class Index {
 public:
  // The bucket of a first argument; nullptr when there is none.
  Bucket* find(const Term& first) {
    if (count_ == 0) return nullptr;
    const size_t h = hash_of(first);
    for (size_t i = home(h);; i = (i + 1) & mask()) {
      Slot& s = slots_[i];
      if (!s.used) return nullptr;
      if (s.hash == h && same_key(s, first)) return &s.bucket;
    }
  }
  // The bucket of a first argument, made when missing. Valid until the
  // next get or erase.
  Bucket& get(const Term& first) {
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    const size_t h = hash_of(first);
    size_t i = home(h);
    for (;; i = (i + 1) & mask()) {
      Slot& s = slots_[i];
      if (!s.used) break;
      if (s.hash == h && same_key(s, first)) return s.bucket;
    }
    Slot& s = slots_[i];
    s.used = true;
    s.hash = h;
    s.arity = first.is_compound() ? static_cast<uint32_t>(first.arity()) : 0;
    s.key = first.is_compound() ? Term::atom(first.functor()) : first;
    ++count_;
    return s.bucket;
  }
  // Drops the (empty) bucket of a first argument.
  void erase(const Term& first) {
    if (count_ == 0) return;
    const size_t h = hash_of(first);
    size_t i = home(h);
    for (;; i = (i + 1) & mask()) {
      Slot& s = slots_[i];
      if (!s.used) return;
      if (s.hash == h && same_key(s, first)) break;
    }
    // Backward shift: a later slot of the run moves into the hole unless
    // its home lies between the hole and itself.
    for (size_t j = i;;) {
      j = (j + 1) & mask();
      if (!slots_[j].used) break;
      const size_t k = home(slots_[j].hash);
      const bool stays = i <= j ? (i < k && k <= j) : (i < k || k <= j);
      if (stays) continue;
      slots_[i] = std::move(slots_[j]);
      i = j;
    }
    slots_[i] = Slot();
    --count_;
  }
  void clear() {
    slots_.clear();
    count_ = 0;
  }
  // Moves every key out to `out` and empties the index.
  void take_keys(std::vector<Term>& out) {
    for (Slot& s : slots_) {
      if (s.used) out.push_back(std::move(s.key));
    }
    clear();
  }

 private:
  struct Slot {
    size_t hash = 0;
    Term key;
    uint32_t arity = 0;
    bool used = false;
    Bucket bucket;
  };

  static size_t hash_of(const Term& first) {
    if (!first.is_compound()) return first.hash();
    return Term::atom(first.functor()).hash() ^ (first.arity() * 0x9e3779b97f4a7c15ull);
  }
  static bool same_key(const Slot& s, const Term& first) {
    if (first.is_compound()) return s.arity == first.arity() && s.key.as_atom() == first.functor();
    return s.arity == 0 && s.key == first;
  }
  size_t mask() const { return slots_.size() - 1; }
  size_t home(size_t h) const {
    return static_cast<size_t>((h * 0x9e3779b97f4a7c15ull) >> shift_) & mask();
  }
  void grow() {
    const size_t n = slots_.empty() ? 8 : slots_.size() * 2;
    std::vector<Slot> old = std::move(slots_);
    slots_.clear();
    slots_.resize(n);
    shift_ = 64 - static_cast<int>(std::countr_zero(n));
    for (Slot& s : old) {
      if (!s.used) continue;
      size_t i = home(s.hash);
      while (slots_[i].used) i = (i + 1) & mask();
      slots_[i] = std::move(s);
    }
  }

  std::vector<Slot> slots_;
  size_t count_ = 0;
  int shift_ = 64;
};

// The entries of one predicate, made in chunks and reused once removed;
// dropping the pool drops every entry at once.
class EntryPool {
 public:
  Entry* get() {
    if (!free_.empty()) {
      Entry* e = free_.back();
      free_.pop_back();
      return e;
    }
    if (left_ == 0) {
      const size_t n = chunks_.empty() ? 4 : std::min<size_t>(size_t{256}, chunk_size_ * 2);
      chunks_.push_back(std::make_unique<Entry[]>(n));
      chunk_size_ = n;
      next_ = chunks_.back().get();
      left_ = n;
    }
    --left_;
    return next_++;
  }
  void put(Entry* e) {
    e->clause = Term();
    free_.push_back(e);
  }
  void reset() {
    free_.clear();
    chunks_.clear();
    next_ = nullptr;
    left_ = chunk_size_ = 0;
  }

 private:
  std::vector<std::unique_ptr<Entry[]>> chunks_;
  std::vector<Entry*> free_;
  Entry* next_ = nullptr;
  size_t left_ = 0;
  size_t chunk_size_ = 0;
};

struct Pred {
  PredKey key;
  uint64_t stamp = 0;        // see FactBase::stamp
  EntryPool pool;            // owns the entries: declared before their users
  std::deque<Entry*> order;  // by seq; may hold removed entries
  size_t live = 0;
  size_t dead = 0;
  size_t var_first = 0;  // live clauses whose first argument is a variable
  Index index;

  Pred() = default;
  Pred(const Pred&) = delete;
  Pred& operator=(const Pred&) = delete;
  ~Pred() { drop_clauses(); }

  // Frees the clauses' terms all at once (see Term::release_all).
  void drop_clauses() {
    std::vector<Term> drop;
    drop.reserve(order.size() * 2);
    index.take_keys(drop);
    var_first = 0;
    for (Entry* e : order) drop.push_back(std::move(e->clause));
    Term::release_all(drop);
  }

  void clear() {
    drop_clauses();
    order.clear();
    index.clear();
    pool.reset();
    live = dead = var_first = 0;
  }

  bool first_is_var(const Entry& e) const { return key.arity > 0 && e.clause.arg(1).is_var(); }

  void index_add(Entry* e) {
    if (key.arity == 0) return;
    if (first_is_var(*e)) {
      ++var_first;
      return;
    }
    auto& bucket = index.get(e->clause.arg(1));
    if (bucket.empty() || bucket.back()->seq < e->seq) {
      bucket.push_back(e);
    } else if (bucket.front()->seq > e->seq) {
      bucket.push_front(e);
    } else {
      auto it = std::lower_bound(bucket.begin(), bucket.end(), e->seq,
                                 [](const Entry* x, int64_t s) { return x->seq < s; });
      bucket.insert(it, e);
    }
  }

  void index_remove(Entry* e) {
    if (key.arity == 0) return;
    if (first_is_var(*e)) {
      --var_first;
      return;
    }
    Bucket* found = index.find(e->clause.arg(1));
    if (!found) return;
    auto& bucket = *found;
    if (!bucket.empty() && bucket.front() == e) {
      bucket.pop_front();
    } else {
      auto pos = std::lower_bound(bucket.begin(), bucket.end(), e->seq,
                                  [](const Entry* x, int64_t s) { return x->seq < s; });
      if (pos != bucket.end() && *pos == e) bucket.erase(pos);
    }
    if (bucket.empty()) index.erase(e->clause.arg(1));
  }

  Entry* make(const Term& clause, int64_t seq) {
    Entry* e = pool.get();
    e->seq = seq;
    e->clause = clause;
    e->alive = true;
    e->has_vars = clause.has_vars();
    order_insert(e);
    ++live;
    index_add(e);
    return e;
  }

  void order_insert(Entry* e) {
    if (order.empty() || order.back()->seq < e->seq) {
      order.push_back(e);
    } else if (order.front()->seq > e->seq) {
      order.push_front(e);
    } else {
      auto it = std::lower_bound(order.begin(), order.end(), e->seq,
                                 [](const Entry* x, int64_t s) { return x->seq < s; });
      // Two live clauses of one sequence number would have no order between
      // them (a retracted one not yet dropped may share it: it is skipped).
      assert(it == order.end() || (*it)->seq != e->seq || !(*it)->alive);
      order.insert(it, e);
    }
  }

  void remove(Entry* e) {
    index_remove(e);
    e->alive = false;
    --live;
    ++dead;
    while (!order.empty() && !order.front()->alive) {
      pool.put(order.front());
      order.pop_front();
      --dead;
    }
    while (!order.empty() && !order.back()->alive) {
      pool.put(order.back());
      order.pop_back();
      --dead;
    }
    if (dead > 64 && dead > live) compact();
  }

  void compact() {
    std::deque<Entry*> kept;
    for (Entry* e : order) {
      if (e->alive) {
        kept.push_back(e);
      } else {
        pool.put(e);
      }
    }
    order = std::move(kept);
    dead = 0;
  }

  void renumber() {
    compact();
    int64_t s = 0;
    for (Entry* e : order) {
      e->seq = s;
      s += kGap;
    }
    assert(std::is_sorted(order.begin(), order.end(),
                          [](const Entry* a, const Entry* b) { return a->seq < b->seq; }));
  }
};

uint64_t pred_id(Atom name, uint32_t arity) { return (uint64_t{name.id()} << 32) | arity; }

}  // namespace

struct FactBase::Impl {
  std::unordered_map<uint64_t, std::unique_ptr<Pred>> preds;
  std::vector<PredKey> seen;
  std::function<void()> hook;
  uint64_t clock = 0;  // never goes back, so a stamp is never reused

  void touch(Pred& p) { p.stamp = ++clock; }

  void access() {
    if (hook) hook();
  }

  Pred* find(Atom name, uint32_t arity) {
    auto it = preds.find(pred_id(name, arity));
    return it == preds.end() ? nullptr : it->second.get();
  }

  Pred& get(Atom name, uint32_t arity) {
    auto& p = preds[pred_id(name, arity)];
    if (!p) {
      p = std::make_unique<Pred>();
      p->key = PredKey{name, arity};
      seen.push_back(p->key);
    }
    return *p;
  }

  static bool key_of(const Term& t, Atom& name, uint32_t& arity) {
    if (t.is_atom()) {
      name = t.as_atom();
      arity = 0;
      return true;
    }
    if (t.is_compound()) {
      name = t.functor();
      arity = static_cast<uint32_t>(t.arity());
      return true;
    }
    return false;
  }

  // Calls fn for each live clause of the pattern's predicate that may match,
  // in order; fn answers false to stop.
  // With `copy` the clauses are listed first, so that fn may change the
  // predicate and go on; without it fn may change it only as it stops.
  template <typename Fn>
  void candidates(const Term& pattern, Fn&& fn, bool copy = false) {
    Atom name;
    uint32_t arity;
    if (!key_of(pattern, name, arity)) return;
    Pred* p = find(name, arity);
    if (!p || p->live == 0) return;
    if (arity > 0 && !pattern.arg(1).is_var() && p->var_first == 0) {
      Bucket* bucket = p->index.find(pattern.arg(1));
      if (!bucket) return;
      if (!copy) {
        for (Entry* e : *bucket) {
          if (!fn(*p, e)) return;
        }
        return;
      }
      std::vector<Entry*> list(bucket->begin(), bucket->end());
      for (Entry* e : list) {
        if (e->alive && !fn(*p, e)) return;
      }
      return;
    }
    if (!copy) {
      for (Entry* e : p->order) {
        if (e->alive && !fn(*p, e)) return;
      }
      return;
    }
    std::vector<Entry*> list;
    list.reserve(p->live);
    for (Entry* e : p->order) {
      if (e->alive) list.push_back(e);
    }
    for (Entry* e : list) {
      if (e->alive && !fn(*p, e)) return;
    }
  }

  // Unifies pattern with the entry's clause; gives the clause instance.
  static bool match(const Term& pattern, const Entry& e, Term* out) {
    if (!e.has_vars) {
      if (!GroundMatch()(pattern, e.clause)) return false;
      if (out) *out = e.clause;
      return true;
    }
    Bindings b;
    std::vector<std::pair<uint32_t, Term>> map;
    Term renamed = rename_apart(e.clause, map);
    if (!unify(pattern, renamed, b)) return false;
    if (out) *out = b.resolve(renamed);
    return true;
  }
};

FactBase::FactBase() : impl_(new Impl) {}
FactBase::~FactBase() { delete impl_; }

void FactBase::set_access_hook(std::function<void()> hook) { impl_->hook = std::move(hook); }

void FactBase::asserta(const Term& clause) {
  impl_->access();
  Atom name;
  uint32_t arity;
  if (!Impl::key_of(clause, name, arity)) return;
  Pred& p = impl_->get(name, arity);
  impl_->touch(p);
  p.make(clause, p.order.empty() ? 0 : p.order.front()->seq - kGap);
}

void FactBase::assertz(const Term& clause) {
  impl_->access();
  Atom name;
  uint32_t arity;
  if (!Impl::key_of(clause, name, arity)) return;
  Pred& p = impl_->get(name, arity);
  impl_->touch(p);
  p.make(clause, p.order.empty() ? 0 : p.order.back()->seq + kGap);
}

void FactBase::assert_at(const Term& clause, size_t position) {
  if (position == 0) return asserta(clause);
  impl_->access();
  Atom name;
  uint32_t arity;
  if (!Impl::key_of(clause, name, arity)) return;
  Pred& p = impl_->get(name, arity);
  impl_->touch(p);
  if (position >= p.live) {
    p.make(clause, p.order.empty() ? 0 : p.order.back()->seq + kGap);
    return;
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    // The live clauses at positions - 1 and position.
    Entry* prev = nullptr;
    Entry* next = nullptr;
    size_t n = 0;
    for (Entry* e : p.order) {
      if (!e->alive) continue;
      if (n + 1 == position) prev = e;
      if (n == position) {
        next = e;
        break;
      }
      ++n;
    }
    assert(prev != nullptr && next != nullptr && prev->seq < next->seq);
    if (next->seq - prev->seq >= 2) {
      p.make(clause, prev->seq + (next->seq - prev->seq) / 2);
      return;
    }
    p.renumber();
  }
}

std::optional<Term> FactBase::retract(const Term& pattern) {
  impl_->access();
  std::optional<Term> removed;
  impl_->candidates(pattern, [&](Pred& p, Entry* e) {
    Term inst;
    if (!Impl::match(pattern, *e, &inst)) return true;
    removed = std::move(inst);
    impl_->touch(p);
    p.remove(e);
    return false;
  });
  return removed;
}

size_t FactBase::retract_all(const Term& pattern) {
  impl_->access();
  size_t n = 0;
  impl_->candidates(
      pattern,
      [&](Pred& p, Entry* e) {
        if (Impl::match(pattern, *e, nullptr)) {
          impl_->touch(p);
          p.remove(e);
          ++n;
        }
        return true;
      },
      true);
  return n;
}

void FactBase::abolish(std::string_view name, uint32_t arity) {
  abolish(PredKey{Atom(name), arity});
}

void FactBase::abolish(PredKey key) {
  impl_->access();
  if (Pred* p = impl_->find(key.name, key.arity)) {
    impl_->touch(*p);
    p->clear();
  }
}

void FactBase::clear() {
  impl_->preds.clear();
  impl_->seen.clear();
}

std::vector<Term> FactBase::clauses(std::string_view name, uint32_t arity) const {
  return clauses(PredKey{Atom(name), arity});
}

std::vector<Term> FactBase::clauses(PredKey key) const {
  impl_->access();
  std::vector<Term> out;
  if (Pred* p = impl_->find(key.name, key.arity)) {
    out.reserve(p->live);
    for (const Entry* e : p->order) {
      if (e->alive) out.push_back(e->clause);
    }
  }
  return out;
}

size_t FactBase::count(std::string_view name, uint32_t arity) const {
  impl_->access();
  Pred* p = impl_->find(Atom(name), arity);
  return p ? p->live : 0;
}

size_t FactBase::count_if(std::string_view name, uint32_t arity,
                          const std::function<bool(const Term&)>& fn) const {
  size_t n = 0;
  for (const Term& t : clauses(name, arity)) {
    if (fn(t)) ++n;
  }
  return n;
}

std::vector<Term> FactBase::findall(const Term& pattern) const {
  impl_->access();
  std::vector<Term> out;
  impl_->candidates(pattern, [&](Pred&, Entry* e) {
    Term inst;
    if (Impl::match(pattern, *e, &inst)) out.push_back(std::move(inst));
    return true;
  });
  return out;
}

std::optional<Term> FactBase::first(const Term& pattern) const {
  impl_->access();
  std::optional<Term> found;
  impl_->candidates(pattern, [&](Pred&, Entry* e) {
    Term inst;
    if (!Impl::match(pattern, *e, &inst)) return true;
    found = std::move(inst);
    return false;
  });
  return found;
}

void FactBase::for_each(const Term& pattern, const std::function<bool(const Term&)>& fn) const {
  for (const Term& t : findall(pattern)) {
    if (!fn(t)) return;
  }
}

std::vector<PredKey> FactBase::predicates() const { return impl_->seen; }

uint64_t FactBase::stamp(std::string_view name, uint32_t arity) const {
  const Pred* p = impl_->find(Atom(name), arity);
  return p ? p->stamp : 0;
}

}  // namespace qn::engine
