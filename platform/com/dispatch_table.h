// Table-driven late binding. An interface is described once (members in
// declaration order, each with its parameters and a thunk that calls the C++
// member); from that description one engine answers GetIDsOfNames and Invoke
// and one ITypeInfo serves the description.
//
// Invoke:
// - finds the member by DISPID and kind (method, property get, property put);
// - takes the arguments last-first, as DISPPARAMS holds them, and converts
//   each to its declared type (VariantChangeType); a value that does not
//   convert gives DISP_E_TYPEMISMATCH (DISP_E_OVERFLOW when out of range) with
//   the argument's index in rgvarg in *arg_error;
// - an omitted argument (missing, or VT_ERROR DISP_E_PARAMNOTFOUND) takes its
//   default; an optional one without a default arrives as VT_ERROR
//   DISP_E_PARAMNOTFOUND; an omitted optional out parameter arrives as a null
//   pointer; a required one missing gives DISP_E_PARAMNOTOPTIONAL;
// - an out parameter must be passed by reference to its own type
//   (VT_BYREF | type);
// - the retval parameter's value becomes the call's result.
#pragma once

#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/hresult.h"

namespace qn::com {

enum ParamFlags : unsigned {
  PARAM_IN = 0x1,
  PARAM_OUT = 0x2,
  PARAM_RETVAL = 0x4,
  PARAM_OPTIONAL = 0x8,
  PARAM_HASDEFAULT = 0x10,
};

struct ParamDesc {
  const char* name;
  VARTYPE type;  // VT_BYREF | t for a pointer (out) parameter
  unsigned flags = 0;
  const char* default_value = nullptr;  // the default as text, with PARAM_HASDEFAULT
};

// Calls the C++ member with the prepared arguments, one per parameter in
// declaration order: values of the declared type, VT_BYREF pointers for out
// parameters (null when omitted).
using Thunk = HRESULT (*)(void* instance, VARIANT* args);

// A member's thunk with the types of its C++ parameters (double stands for
// both VT_R8 and VT_DATE), so a table can be checked against the interface.
struct Binding {
  Thunk thunk;
  const VARTYPE* types;
  size_t count;
};

// `before`, then `count` optional VARIANT parameters named prefix1 ..
// prefix<count>, then `after`: the long optional tails of macro calls. The
// names live as long as the program.
std::vector<ParamDesc> with_optional_variants(std::vector<ParamDesc> before, const char* prefix,
                                              int count, const std::vector<ParamDesc>& after);

struct MemberDesc {
  DISPID id;
  const char* name;
  WORD kind;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT
  std::vector<ParamDesc> params;
  Binding call;
};

enum InterfaceFlags : unsigned {
  IFACE_HIDDEN = 0x1,
  IFACE_DUAL = 0x2,
  IFACE_OLEAUTOMATION = 0x4,
};

struct InterfaceDesc {
  const char* name;
  IID iid;
  const char* help;
  unsigned flags;
  std::vector<MemberDesc> members;
};

// The member of a DISPID, or null.
const MemberDesc* find_member(const InterfaceDesc& desc, DISPID id);

// names[0] looked up ignoring case; see IDispatch::GetIDsOfNames.
HRESULT ids_of_names(const InterfaceDesc& desc, OLECHAR** names, UINT count, DISPID* ids);

HRESULT invoke_member(const InterfaceDesc& desc, void* instance, DISPID id, WORD flags,
                      DISPPARAMS* params, VARIANT* result, UINT* arg_error);

// The type description object of an interface, kept beside its static
// description and living as long as it (so not counted).
class TableTypeInfo final : public ITypeInfo {
 public:
  explicit TableTypeInfo(const InterfaceDesc& desc) : desc_(desc) {}
  const InterfaceDesc& desc() const { return desc_; }

  HRESULT QueryInterface(REFIID iid, void** out) override;
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
  HRESULT GetNames(MEMBERID id, BSTR* names, UINT max, UINT* count) override;
  HRESULT GetIDsOfNames(OLECHAR** names, UINT count, MEMBERID* ids) override;
  HRESULT Invoke(void* instance, MEMBERID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* exception, UINT* arg_error) override;
  HRESULT GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* help_context,
                           BSTR* help_file) override;

 private:
  const InterfaceDesc& desc_;
};

// ---- thunks from member pointers: bind<&IFoo::Bar>

namespace detail {
template <class T>
T arg_as(VARIANT& v) {
  if constexpr (std::is_pointer_v<T>) {
    return static_cast<T>(v.byref);
  } else if constexpr (std::is_same_v<T, SHORT>) {
    return v.iVal;
  } else if constexpr (std::is_same_v<T, LONG>) {
    return v.lVal;
  } else if constexpr (std::is_same_v<T, DOUBLE>) {
    return v.dblVal;
  } else if constexpr (std::is_same_v<T, BSTR>) {
    return v.bstrVal;
  } else {
    static_assert(std::is_same_v<T, VARIANT>, "a parameter type of the table");
    return v;
  }
}

template <class T>
constexpr VARTYPE vartype_of() {
  if constexpr (std::is_same_v<T, BSTR>) {
    return VT_BSTR;
  } else if constexpr (std::is_same_v<T, IDispatch*>) {
    return VT_DISPATCH;
  } else if constexpr (std::is_pointer_v<T>) {
    return VT_BYREF | vartype_of<std::remove_pointer_t<T>>();
  } else if constexpr (std::is_same_v<T, SHORT>) {
    return VT_I2;
  } else if constexpr (std::is_same_v<T, LONG>) {
    return VT_I4;
  } else if constexpr (std::is_same_v<T, DOUBLE>) {
    return VT_R8;
  } else {
    static_assert(std::is_same_v<T, VARIANT>, "a parameter type of the table");
    return VT_VARIANT;
  }
}

template <auto M>
struct ThunkOf;

template <class I, class... A, HRESULT (I::*M)(A...)>
struct ThunkOf<M> {
  template <size_t... N>
  static HRESULT call(I* self, VARIANT* args, std::index_sequence<N...>) {
    return (self->*M)(arg_as<A>(args[N])...);
  }
  static HRESULT run(void* instance, VARIANT* args) {
    return call(static_cast<I*>(instance), args, std::index_sequence_for<A...>{});
  }
  static constexpr VARTYPE types[sizeof...(A) + 1] = {vartype_of<A>()..., VT_EMPTY};
};
}  // namespace detail

template <auto M>
inline constexpr Binding bind{&detail::ThunkOf<M>::run, detail::ThunkOf<M>::types,
                              sizeof(detail::ThunkOf<M>::types) / sizeof(VARTYPE) - 1};

// True when the table's parameters are those of the bound C++ member.
bool signature_matches(const MemberDesc& m);

}  // namespace qn::com
