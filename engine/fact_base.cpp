#include "engine/fact_base.h"

#include <algorithm>
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

// First-argument index key: the argument itself when it is atomic, its
// name and arity when it is compound.
struct IdxKey {
  Term t;
  uint32_t arity = 0;
  friend bool operator==(const IdxKey& a, const IdxKey& b) { return a.arity == b.arity && a.t == b.t; }
};

struct IdxHash {
  size_t operator()(const IdxKey& k) const { return k.t.hash() ^ (size_t{k.arity} * 0x9e3779b97f4a7c15ull); }
};

IdxKey index_key(const Term& first) {
  if (first.is_compound()) return IdxKey{Term::atom(first.functor()), static_cast<uint32_t>(first.arity())};
  return IdxKey{first, 0};
}

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

// The clauses of one first-argument value, in order: a vector with room
// kept at the front, so that asserta and assertz are both cheap. Most
// buckets hold one clause.
class Bucket {
 public:
  using iterator = std::vector<Entry*>::iterator;
  bool empty() const { return head_ == v_.size(); }
  size_t size() const { return v_.size() - head_; }
  Entry* front() const { return v_[head_]; }
  Entry* back() const { return v_.back(); }
  iterator begin() { return v_.begin() + static_cast<std::ptrdiff_t>(head_); }
  iterator end() { return v_.end(); }
  void push_back(Entry* e) { v_.push_back(e); }
  void push_front(Entry* e) {
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
  void pop_front() { ++head_; }
  void insert(iterator pos, Entry* e) { v_.insert(pos, e); }
  void erase(iterator pos) { v_.erase(pos); }

 private:
  std::vector<Entry*> v_;
  size_t head_ = 0;
};

struct Pred {
  PredKey key;
  uint64_t stamp = 0;  // see FactBase::stamp
  std::deque<std::unique_ptr<Entry>> order;  // by seq; may hold removed entries
  size_t live = 0;
  size_t dead = 0;
  size_t var_first = 0;  // live clauses whose first argument is a variable
  std::unordered_map<IdxKey, Bucket, IdxHash> index;

  void clear() {
    order.clear();
    index.clear();
    live = dead = var_first = 0;
  }

  bool first_is_var(const Entry& e) const { return key.arity > 0 && e.clause.arg(1).is_var(); }

  void index_add(Entry* e) {
    if (key.arity == 0) return;
    if (first_is_var(*e)) {
      ++var_first;
      return;
    }
    auto& bucket = index[index_key(e->clause.arg(1))];
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
    auto it = index.find(index_key(e->clause.arg(1)));
    if (it == index.end()) return;
    auto& bucket = it->second;
    if (!bucket.empty() && bucket.front() == e) {
      bucket.pop_front();
    } else {
      auto pos = std::lower_bound(bucket.begin(), bucket.end(), e->seq,
                                  [](const Entry* x, int64_t s) { return x->seq < s; });
      if (pos != bucket.end() && *pos == e) bucket.erase(pos);
    }
    if (bucket.empty()) index.erase(it);
  }

  Entry* make(const Term& clause, int64_t seq) {
    auto e = std::make_unique<Entry>();
    e->seq = seq;
    e->clause = clause;
    e->has_vars = clause.has_vars();
    Entry* raw = e.get();
    order_insert(std::move(e));
    ++live;
    index_add(raw);
    return raw;
  }

  void order_insert(std::unique_ptr<Entry> e) {
    if (order.empty() || order.back()->seq < e->seq) {
      order.push_back(std::move(e));
    } else if (order.front()->seq > e->seq) {
      order.push_front(std::move(e));
    } else {
      auto it = std::lower_bound(order.begin(), order.end(), e->seq,
                                 [](const std::unique_ptr<Entry>& x, int64_t s) { return x->seq < s; });
      order.insert(it, std::move(e));
    }
  }

  void remove(Entry* e) {
    index_remove(e);
    e->alive = false;
    --live;
    ++dead;
    while (!order.empty() && !order.front()->alive) {
      order.pop_front();
      --dead;
    }
    while (!order.empty() && !order.back()->alive) {
      order.pop_back();
      --dead;
    }
    if (dead > 64 && dead > live) compact();
  }

  void compact() {
    std::deque<std::unique_ptr<Entry>> kept;
    for (auto& e : order) {
      if (e->alive) kept.push_back(std::move(e));
    }
    order = std::move(kept);
    dead = 0;
  }

  void renumber() {
    compact();
    int64_t s = 0;
    for (auto& e : order) {
      e->seq = s;
      s += kGap;
    }
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
      auto it = p->index.find(index_key(pattern.arg(1)));
      if (it == p->index.end()) return;
      if (!copy) {
        for (Entry* e : it->second) {
          if (!fn(*p, e)) return;
        }
        return;
      }
      std::vector<Entry*> list(it->second.begin(), it->second.end());
      for (Entry* e : list) {
        if (e->alive && !fn(*p, e)) return;
      }
      return;
    }
    if (!copy) {
      for (auto& e : p->order) {
        if (e->alive && !fn(*p, e.get())) return;
      }
      return;
    }
    std::vector<Entry*> list;
    list.reserve(p->live);
    for (auto& e : p->order) {
      if (e->alive) list.push_back(e.get());
    }
    for (Entry* e : list) {
      if (e->alive && !fn(*p, e)) return;
    }
  }

  // Unifies pattern with the entry's clause; gives the clause instance.
  static bool match(const Term& pattern, const Entry& e, Term* out) {
    Bindings b;
    if (!e.has_vars) {
      if (!unify(pattern, e.clause, b)) return false;
      if (out) *out = e.clause;
      return true;
    }
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
    for (auto& e : p.order) {
      if (!e->alive) continue;
      if (n + 1 == position) prev = e.get();
      if (n == position) {
        next = e.get();
        break;
      }
      ++n;
    }
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
  impl_->candidates(pattern, [&](Pred& p, Entry* e) {
    if (Impl::match(pattern, *e, nullptr)) {
      impl_->touch(p);
      p.remove(e);
      ++n;
    }
    return true;
  }, true);
  return n;
}

void FactBase::abolish(std::string_view name, uint32_t arity) { abolish(PredKey{Atom(name), arity}); }

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
    for (auto& e : p->order) {
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
