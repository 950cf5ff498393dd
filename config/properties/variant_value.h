// An owning VARIANT: copies through VariantCopy, clears on destruction.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/variant.h"

namespace qn::config {

class VariantValue {
 public:
  VariantValue() { com::VariantInit(&v_); }
  VariantValue(const VariantValue& other) : VariantValue() { com::VariantCopy(&v_, &other.v_); }
  VariantValue(VariantValue&& other) noexcept : v_(other.v_) { com::VariantInit(&other.v_); }
  VariantValue& operator=(const VariantValue& other) {
    if (this != &other) com::VariantCopy(&v_, &other.v_);
    return *this;
  }
  VariantValue& operator=(VariantValue&& other) noexcept {
    if (this != &other) {
      com::VariantClear(&v_);
      v_ = other.v_;
      com::VariantInit(&other.v_);
    }
    return *this;
  }
  ~VariantValue() { com::VariantClear(&v_); }

  static VariantValue i2(com::SHORT n) {
    VariantValue v;
    v.v_.vt = com::VT_I2;
    v.v_.iVal = n;
    return v;
  }
  static VariantValue i4(com::LONG n) {
    VariantValue v;
    v.v_.vt = com::VT_I4;
    v.v_.lVal = n;
    return v;
  }
  static VariantValue r8(double d) {
    VariantValue v;
    v.v_.vt = com::VT_R8;
    v.v_.dblVal = d;
    return v;
  }
  static VariantValue boolean(bool b) {
    VariantValue v;
    v.v_.vt = com::VT_BOOL;
    v.v_.boolVal = b ? com::VARIANT_TRUE : com::VARIANT_FALSE;
    return v;
  }
  static VariantValue error(com::SCODE code) {
    VariantValue v;
    v.v_.vt = com::VT_ERROR;
    v.v_.scode = code;
    return v;
  }
  // Null when the text cannot be allocated (then VT_ERROR E_OUTOFMEMORY).
  static VariantValue text(std::string_view s) {
    VariantValue v;
    v.v_.bstrVal = com::bstr_from_1252(s);
    if (v.v_.bstrVal) {
      v.v_.vt = com::VT_BSTR;
    } else {
      v.v_.vt = com::VT_ERROR;
      v.v_.scode = com::E_OUTOFMEMORY;
    }
    return v;
  }

  com::VARIANT* get() { return &v_; }
  const com::VARIANT* get() const { return &v_; }
  com::VARIANT& operator*() { return v_; }
  const com::VARIANT& operator*() const { return v_; }
  com::VARIANT* operator->() { return &v_; }
  const com::VARIANT* operator->() const { return &v_; }
  com::VARTYPE vt() const { return v_.vt; }
  void clear() { com::VariantClear(&v_); }

  // The value as text (VariantChangeType to VT_BSTR); false when it does not convert.
  bool to_text(std::string& out) const {
    VariantValue t;
    if (com::FAILED(com::VariantChangeType(t.get(), &v_, 0, com::VT_BSTR))) return false;
    out = com::text_1252_of(t.v_.bstrVal);
    return true;
  }

 private:
  com::VARIANT v_;
};

}  // namespace qn::config
