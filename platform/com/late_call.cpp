#include "platform/com/late_call.h"

#include <iterator>

namespace qn::com {

HRESULT late_call(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args,
                  VARIANT* result, ArgPassing passing) {
  if (result) VariantClear(result);
  if (!object) {
    for (VARIANT& v : args) VariantClear(&v);
    return E_POINTER;
  }
  const size_t n = args.size();
  // DISPPARAMS holds the last argument first; short lists stay on the stack.
  VARIANT small[32];
  std::vector<VARIANT> large(n > std::size(small) ? n : 0);
  VARIANT* laid = n > std::size(small) ? large.data() : small;
  for (size_t i = 0; i < n; ++i) {
    VARIANT& slot = laid[n - 1 - i];
    if (passing == ArgPassing::kReference) {
      VariantInit(&slot);
      slot.vt = VT_BYREF | VT_VARIANT;
      slot.byref = &args[i];
    } else {
      slot = args[i];
    }
  }
  DISPID named = DISPID_PROPERTYPUT;
  const bool put = kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF;
  DISPPARAMS params{laid, put ? &named : nullptr, static_cast<UINT>(n), put ? 1U : 0U};
  EXCEPINFO exception{};
  UINT arg_error = 0;
  VARIANT ignored;
  VariantInit(&ignored);
  const HRESULT h = object->Invoke(id, GUID_NULL, 0, kind, &params, result ? result : &ignored,
                                   &exception, &arg_error);
  VariantClear(&ignored);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  // By value the server may have changed nothing it owns; by reference it
  // may have replaced a value, which is then ours to clear either way.
  for (VARIANT& v : args) VariantClear(&v);
  return h;
}

HRESULT late_object(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args,
                    IDispatch** out, ArgPassing passing) {
  if (!out) {
    for (VARIANT& v : args) VariantClear(&v);
    return E_POINTER;
  }
  *out = nullptr;
  VARIANT result;
  VariantInit(&result);
  HRESULT h = late_call(object, id, kind, std::move(args), &result, passing);
  if (SUCCEEDED(h)) {
    if (result.vt == VT_DISPATCH && result.pdispVal) {
      *out = result.pdispVal;
      result.vt = VT_EMPTY;  // the reference is handed on
    } else {
      h = DISP_E_TYPEMISMATCH;
    }
  }
  VariantClear(&result);
  return h;
}

namespace {

HRESULT get_as(IDispatch* object, DISPID id, VARTYPE vt, VARIANT* value) {
  HRESULT h = late_call(object, id, DISPATCH_PROPERTYGET, {}, value);
  if (SUCCEEDED(h)) h = VariantChangeType(value, value, 0, vt);
  return h;
}

}  // namespace

HRESULT late_get_long(IDispatch* object, DISPID id, LONG* out) {
  VARIANT v;
  VariantInit(&v);
  const HRESULT h = get_as(object, id, VT_I4, &v);
  if (SUCCEEDED(h)) *out = v.lVal;
  VariantClear(&v);
  return h;
}

HRESULT late_get_text(IDispatch* object, DISPID id, std::string* out) {
  VARIANT v;
  VariantInit(&v);
  const HRESULT h = get_as(object, id, VT_BSTR, &v);
  if (SUCCEEDED(h)) *out = text_1252_of(v.bstrVal);
  VariantClear(&v);
  return h;
}

bool late_answers(IDispatch* object, DISPID id) {
  VARIANT v;
  VariantInit(&v);
  const HRESULT h = late_call(object, id, DISPATCH_PROPERTYGET, {}, &v);
  VariantClear(&v);
  return SUCCEEDED(h);
}

VARIANT dispatch_variant(IDispatch* d) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = d;
  if (d) d->AddRef();
  return v;
}

}  // namespace qn::com
