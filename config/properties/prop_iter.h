// The iterator family: collections of the property model are handed out as
// iterator objects. Positions are opaque, 0 meaning none; GetNext and
// GetPrev answer the element at the position and move it on or back.
#pragma once

#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>

#include "config/properties/prop_interfaces.h"

namespace qn::config {

// An element of an array as the iterator hands it out.
template <typename X>
X* raw_element(const std::unique_ptr<X>& p) {
  return p.get();
}
template <typename X>
X raw_element(const X& x) {
  return x;
}

template <typename T>
class CIter {
 public:
  virtual ~CIter() = default;
  virtual T GetAt(IterPos pos) = 0;
  virtual T GetAt(IterPos pos) const { return const_cast<CIter*>(this)->GetAt(pos); }
  virtual T GetHead() { return GetAt(GetStartPosition()); }
  virtual T GetHead() const { return const_cast<CIter*>(this)->GetHead(); }
  virtual T GetTail() { return GetAt(GetLastPosition()); }
  virtual T GetTail() const { return const_cast<CIter*>(this)->GetTail(); }
  virtual IterPos GetStartPosition() const = 0;
  virtual IterPos GetLastPosition() const = 0;
  virtual T GetNext(IterPos& pos) = 0;
  virtual T GetNext(IterPos& pos) const { return const_cast<CIter*>(this)->GetNext(pos); }
  virtual T GetPrev(IterPos& pos) = 0;
  virtual T GetPrev(IterPos& pos) const { return const_cast<CIter*>(this)->GetPrev(pos); }
};

// Positions 1..size() over the items of a container C (0 is none);
// element(i) answers the item at the 0-based index i.
template <typename T, typename C>
class CIndexIter : public CIter<T> {
 public:
  explicit CIndexIter(const C* items) : items_(items) {}
  T GetAt(IterPos pos) override { return valid(pos) ? element(pos - 1) : T{}; }
  IterPos GetStartPosition() const override { return size() ? 1 : 0; }
  IterPos GetLastPosition() const override { return size(); }
  T GetNext(IterPos& pos) override {
    T t = GetAt(pos);
    pos = valid(pos) && pos < size() ? pos + 1 : 0;
    return t;
  }
  T GetPrev(IterPos& pos) override {
    T t = GetAt(pos);
    pos = valid(pos) && pos > 1 ? pos - 1 : 0;
    return t;
  }

 protected:
  virtual T element(std::size_t i) const = 0;
  const C* items_;

 private:
  std::size_t size() const { return items_ ? items_->size() : 0; }
  bool valid(IterPos pos) const { return pos >= 1 && pos <= size(); }
};

// Over an array (a vector of T); positions are 1-based indexes.
template <typename T, typename Array>
class CArrayIter : public CIndexIter<T, Array> {
 public:
  using CIndexIter<T, Array>::CIndexIter;

 private:
  T element(std::size_t i) const override { return T(raw_element((*this->items_)[i])); }
};

// Another iterator's elements converted to the interface I (none stays none).
template <typename I, typename Base, typename Array>
class CCastIter : public CIter<I*> {
 public:
  explicit CCastIter(const Array* array) : base_(array) {}
  I* GetAt(IterPos pos) override { return cast(base_.GetAt(pos)); }
  IterPos GetStartPosition() const override { return base_.GetStartPosition(); }
  IterPos GetLastPosition() const override { return base_.GetLastPosition(); }
  I* GetNext(IterPos& pos) override { return cast(base_.GetNext(pos)); }
  I* GetPrev(IterPos& pos) override { return cast(base_.GetPrev(pos)); }

 private:
  template <typename P>
  static I* cast(P p) {
    return p ? static_cast<I*>(&*p) : nullptr;
  }
  Base base_;
};

// The values of a map; positions are 1-based places in the map's order.
template <typename T, typename Map, typename Key>
class CMapIter : public CIndexIter<T, Map> {
 public:
  using CIndexIter<T, Map>::CIndexIter;

 private:
  T element(std::size_t i) const override {
    return T(&*std::next(this->items_->begin(), i)->second);
  }
};

// A map iterator that skips the elements the filter refuses, each converted to I.
template <typename I, typename MapIter, typename Map>
class CFilterIter : public CIter<I*> {
 public:
  using Filter = std::function<bool(I*)>;
  CFilterIter(const Map* map, Filter filter) : base_(map), filter_(std::move(filter)) {}
  I* GetAt(IterPos pos) override { return pos ? static_cast<I*>(base_.GetAt(pos)) : nullptr; }
  IterPos GetStartPosition() const override { return skip_forward(base_.GetStartPosition()); }
  IterPos GetLastPosition() const override { return skip_back(base_.GetLastPosition()); }
  I* GetNext(IterPos& pos) override { return step(pos, true); }
  I* GetPrev(IterPos& pos) override { return step(pos, false); }

 private:
  // The element at pos; pos moves to the next accepted one on or back.
  I* step(IterPos& pos, bool forward) {
    I* t = GetAt(pos);
    if (pos) {
      IterPos p = pos;
      if (forward)
        base_.GetNext(p);
      else
        base_.GetPrev(p);
      pos = forward ? skip_forward(p) : skip_back(p);
    }
    return t;
  }
  bool accepted(IterPos p) const {
    I* e = static_cast<I*>(const_cast<MapIter&>(base_).GetAt(p));
    return e && (!filter_ || filter_(e));
  }
  IterPos skip_forward(IterPos p) const {
    while (p && !accepted(p)) const_cast<MapIter&>(base_).GetNext(p);
    return p;
  }
  IterPos skip_back(IterPos p) const {
    while (p && !accepted(p)) const_cast<MapIter&>(base_).GetPrev(p);
    return p;
  }
  MapIter base_;
  Filter filter_;
};

}  // namespace qn::config
