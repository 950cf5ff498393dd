#include "office/mail/server_calls.h"

#include "office/shared.h"

namespace qn::office {

using namespace com;

bool Answer::is_nothing() const {
  return v_.vt == VT_EMPTY || v_.vt == VT_NULL || (v_.vt == VT_DISPATCH && !v_.pdispVal);
}

Object Answer::object() {
  if (v_.vt != VT_DISPATCH || !v_.pdispVal) throw ServerFailure{DISP_E_TYPEMISMATCH};
  Object o(v_.pdispVal);
  v_.vt = VT_EMPTY;  // the reference is the holder's now
  return o;
}

VARIANT Answer::take() {
  VARIANT v = v_;
  VariantInit(&v_);
  return v;
}

namespace {

// The answer converted to vt; ServerFailure when it does not convert.
struct Converted {
  Converted(const VARIANT& v, VARTYPE vt) {
    VariantInit(&c);
    // Objects are never converted through their default member here.
    if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN || FAILED(VariantChangeType(&c, &v, 0, vt))) {
      throw ServerFailure{DISP_E_TYPEMISMATCH};
    }
  }
  ~Converted() { VariantClear(&c); }
  VARIANT c;
};

}  // namespace

std::string Answer::text() const { return text_1252_of(Converted(v_, VT_BSTR).c.bstrVal); }
long Answer::number() const { return Converted(v_, VT_I4).c.lVal; }
double Answer::date() const { return Converted(v_, VT_DATE).c.date; }
bool Answer::truth() const { return Converted(v_, VT_BOOL).c.boolVal != 0; }

void invoke(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args, Answer* result) {
  const HRESULT h = late_call(object, id, kind, std::move(args), result ? result->slot() : nullptr);
  if (FAILED(h)) throw ServerFailure{h};
}

Object get_object(IDispatch* object, DISPID id, std::vector<VARIANT> args) {
  Answer a;
  invoke(object, id, DISPATCH_PROPERTYGET, std::move(args), &a);
  return a.object();
}

Object call_object(IDispatch* object, DISPID id, std::vector<VARIANT> args) {
  Answer a;
  invoke(object, id, DISPATCH_METHOD, std::move(args), &a);
  return a.object();
}

std::string get_text(IDispatch* object, DISPID id) {
  Answer a;
  invoke(object, id, DISPATCH_PROPERTYGET, {}, &a);
  return a.text();
}

long get_number(IDispatch* object, DISPID id) {
  Answer a;
  invoke(object, id, DISPATCH_PROPERTYGET, {}, &a);
  return a.number();
}

void put(IDispatch* object, DISPID id, VARIANT value) {
  invoke(object, id, DISPATCH_PROPERTYPUT, {value});
}

void call(IDispatch* object, DISPID id, std::vector<VARIANT> args) {
  invoke(object, id, DISPATCH_METHOD, std::move(args));
}

bool knows_name(IDispatch* object, std::string_view name) {
  if (!object) return false;
  BSTR text = bstr_from_1252(name);
  OLECHAR* names[] = {text};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT h = object->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
  SysFreeString(text);
  return SUCCEEDED(h);
}

namespace {
ServerMaker g_server_maker;  // set by tests only, before any server is made
}

ServerMaker set_server_maker(ServerMaker maker) {
  std::swap(g_server_maker, maker);
  return maker;
}

Object create_server(std::string_view prog_id) {
  if (g_server_maker) return g_server_maker(prog_id);
  Object o;
  if (FAILED(create_automation_object(std::string(prog_id).c_str(), o.put()))) o.reset();
  return o;
}

}  // namespace qn::office
