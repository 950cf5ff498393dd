// Calling a member of an automation object late-bound, by its DISPID, the
// way a client of a server without a compiled-in description does.
//
// Arguments are given in the order of the member's parameter list (first
// first); the call lays them out last-first as DISPPARAMS wants and passes
// a put's value as the one argument named DISPID_PROPERTYPUT. The call takes
// the arguments over and clears them afterwards (a VT_DISPATCH argument gives
// up one reference). Passed by reference, each argument travels as
// VT_BYREF | VT_VARIANT pointing at the value, as servers that take their
// optional arguments as references expect.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/hresult.h"

namespace qn::com {

enum class ArgPassing { kValue, kReference };

// One call of member id with the invoke kind (DISPATCH_METHOD,
// DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT). result, when not null, is
// cleared first and receives what the member returns. E_POINTER for a null
// object; otherwise what Invoke answers.
HRESULT late_call(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args = {},
                  VARIANT* result = nullptr, ArgPassing passing = ArgPassing::kValue);

// A call whose result is an object: *out receives its IDispatch (one
// reference, the caller's). DISP_E_TYPEMISMATCH when the member answers
// something other than a non-null object; *out is null on every failure.
HRESULT late_object(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args,
                    IDispatch** out, ArgPassing passing = ArgPassing::kValue);

// A property read and converted: DISP_E_TYPEMISMATCH (or DISP_E_OVERFLOW)
// when the answer does not convert; *out is left as it was on failure.
HRESULT late_get_long(IDispatch* object, DISPID id, LONG* out);
HRESULT late_get_text(IDispatch* object, DISPID id, std::string* out);

// Whether a property read answers: what it answers is let go (a read made
// only to learn whether the object still lives).
bool late_answers(IDispatch* object, DISPID id);

// One counted reference to an interface, released when the holder goes.
template <class I>
class Ref {
 public:
  Ref() = default;
  // Takes over a reference the caller holds.
  explicit Ref(I* p) : p_(p) {}
  Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  Ref& operator=(Ref&& other) noexcept {
    if (this != &other) reset(std::exchange(other.p_, nullptr));
    return *this;
  }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  ~Ref() { reset(); }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  I& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Releases the held reference and takes over p.
  void reset(I* p = nullptr) {
    if (p_) p_->Release();
    p_ = p;
  }
  // The slot an out parameter fills; what was held is released first.
  I** put() {
    reset();
    return &p_;
  }
  // Hands the reference to the caller.
  I* release() { return std::exchange(p_, nullptr); }
  // A new reference for the caller (null when empty).
  I* copy() const {
    if (p_) p_->AddRef();
    return p_;
  }

 private:
  I* p_ = nullptr;
};

// An object argument: a VT_DISPATCH VARIANT holding a new reference to d.
VARIANT dispatch_variant(IDispatch* d);

}  // namespace qn::com
