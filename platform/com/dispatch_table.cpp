#include "platform/com/dispatch_table.h"

#include <array>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#include "platform/cp1252.h"

namespace qn::com {
namespace {

constexpr size_t kMaxParams = 40;

bool is_omitted(const VARIANT* v) {
  return !v || (v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND);
}

bool kind_matches(WORD member, WORD flags) {
  if (member == DISPATCH_PROPERTYPUT)
    return flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  return flags & member;
}

// A by-reference argument read as the value it points at (no copy of what
// it owns).
bool deref(const VARIANT& in, VARIANT* out) {
  VariantInit(out);
  if (!in.byref) return false;
  const VARTYPE base = in.vt & ~VT_BYREF;
  if (base == VT_VARIANT) {
    *out = *static_cast<const VARIANT*>(in.byref);
    return !(out->vt & VT_BYREF);
  }
  size_t size;
  switch (base) {
    case VT_I2:
    case VT_BOOL:
      size = 2;
      break;
    case VT_I4:
    case VT_R4:
    case VT_ERROR:
      size = 4;
      break;
    case VT_R8:
    case VT_DATE:
    case VT_CY:
    case VT_I8:
      size = 8;
      break;
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      size = sizeof(void*);
      break;
    case VT_UI1:
      size = 1;
      break;
    default:
      return false;
  }
  out->vt = base;
  std::memcpy(&out->llVal, in.byref, size);
  return true;
}

}  // namespace

const MemberDesc* find_member(const InterfaceDesc& desc, DISPID id) {
  // DISPIDs run from 1 in declaration order; the scan covers tables that
  // do not.
  if (id >= 1 && static_cast<size_t>(id) <= desc.members.size() &&
      desc.members[static_cast<size_t>(id) - 1].id == id) {
    return &desc.members[static_cast<size_t>(id) - 1];
  }
  for (const MemberDesc& m : desc.members) {
    if (m.id == id) return &m;
  }
  return nullptr;
}

bool signature_matches(const MemberDesc& m) {
  if (m.params.size() != m.call.count) return false;
  for (size_t i = 0; i < m.call.count; ++i) {
    VARTYPE table = m.params[i].type;
    if ((table & ~VT_BYREF) == VT_DATE) table = (table & VT_BYREF) | VT_R8;  // both are double
    if (table != m.call.types[i]) return false;
  }
  return true;
}

HRESULT ids_of_names(const InterfaceDesc& desc, OLECHAR** names, UINT count, DISPID* ids) {
  if (!names || !ids) return E_INVALIDARG;
  if (count == 0) return S_OK;
  HRESULT h = S_OK;
  ids[0] = DISPID_UNKNOWN;
  if (names[0]) {
    const std::string name = platform::cp1252_from_utf16(names[0]);
    for (const MemberDesc& m : desc.members) {
      if (platform::iequals_1252(name, m.name)) {
        ids[0] = m.id;
        break;
      }
    }
  }
  if (ids[0] == DISPID_UNKNOWN) h = DISP_E_UNKNOWNNAME;
  for (UINT i = 1; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    h = DISP_E_UNKNOWNNAME;
  }
  return h;
}

HRESULT invoke_member(const InterfaceDesc& desc, void* instance, DISPID id, WORD flags,
                      DISPPARAMS* params, VARIANT* result, UINT* arg_error) {
  if (result) VariantInit(result);
  const MemberDesc* m = find_member(desc, id);
  if (!m || !kind_matches(m->kind, flags) || !m->call.thunk) return DISP_E_MEMBERNOTFOUND;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (!params) params = &none;
  if (m->kind == DISPATCH_PROPERTYPUT) {
    if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
      return params->cNamedArgs ? DISP_E_NONAMEDARGS : DISP_E_PARAMNOTOPTIONAL;
    }
  } else if (params->cNamedArgs) {
    return DISP_E_NONAMEDARGS;
  }
  const size_t n = m->params.size();
  if (n > kMaxParams) return DISP_E_BADPARAMCOUNT;
  size_t positional = 0;
  for (const ParamDesc& p : m->params) positional += !(p.flags & PARAM_RETVAL);
  if (params->cArgs > positional) return DISP_E_BADPARAMCOUNT;

  std::array<VARIANT, kMaxParams> args;
  std::array<bool, kMaxParams> owned{};  // converted values this call must clear
  VARIANT retval;
  VariantInit(&retval);
  auto cleanup = [&] {
    for (size_t i = 0; i < n; ++i) {
      if (owned[i]) VariantClear(&args[i]);
    }
  };

  size_t pos = 0;  // the positional argument, first to last
  for (size_t i = 0; i < n; ++i) {
    const ParamDesc& p = m->params[i];
    VARIANT& a = args[i];
    VariantInit(&a);
    if (p.flags & PARAM_RETVAL) {
      a.vt = p.type;
      if (p.type == (VT_BYREF | VT_VARIANT)) {
        a.byref = &retval;  // the member writes a whole value
      } else {
        retval.vt = p.type & ~VT_BYREF;
        a.byref = &retval.llVal;  // every member of the value union starts here
      }
      continue;
    }
    const UINT index = static_cast<UINT>(params->cArgs - 1 - pos);
    VARIANT* given = pos < params->cArgs ? &params->rgvarg[index] : nullptr;
    ++pos;
    auto mismatch = [&](HRESULT h) {
      if (arg_error) *arg_error = index;
      cleanup();
      return h;
    };
    if (is_omitted(given)) {
      if (p.type & VT_BYREF) {
        if (!(p.flags & PARAM_OPTIONAL)) return cleanup(), DISP_E_PARAMNOTOPTIONAL;
        a.vt = p.type;
        a.byref = nullptr;  // an omitted out parameter: the member skips it
      } else if (p.flags & PARAM_HASDEFAULT) {
        VARIANT text;
        text.vt = VT_BSTR;
        text.bstrVal = bstr_from_1252(p.default_value ? p.default_value : "");
        HRESULT h =
            p.type == VT_VARIANT ? (a = text, S_OK) : VariantChangeType(&a, &text, 0, p.type);
        if (p.type != VT_VARIANT) VariantClear(&text);
        if (FAILED(h)) return cleanup(), h;
        owned[i] = true;
      } else if (p.flags & PARAM_OPTIONAL) {
        a.vt = VT_ERROR;
        a.scode = DISP_E_PARAMNOTFOUND;
      } else {
        cleanup();
        return DISP_E_PARAMNOTOPTIONAL;
      }
      continue;
    }
    if (p.type & VT_BYREF) {
      if (given->vt != p.type) return mismatch(DISP_E_TYPEMISMATCH);
      a = *given;
      continue;
    }
    VARIANT value = *given;
    if ((given->vt & VT_BYREF) && !deref(*given, &value)) return mismatch(DISP_E_TYPEMISMATCH);
    if (p.type == VT_VARIANT || value.vt == p.type) {
      a = value;  // borrowed: the caller keeps what it owns
      continue;
    }
    HRESULT h = VariantChangeType(&a, &value, 0, p.type);
    if (FAILED(h)) return mismatch(h == DISP_E_OVERFLOW ? h : DISP_E_TYPEMISMATCH);
    owned[i] = true;
  }

  HRESULT h = m->call.thunk(instance, args.data());
  cleanup();
  if (result) {
    *result = retval;
  } else {
    VariantClear(&retval);
  }
  return h;
}

// ---- the type description object

HRESULT TableTypeInfo::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_ITypeInfo) {
    *out = static_cast<ITypeInfo*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT TableTypeInfo::GetNames(MEMBERID id, BSTR* names, UINT max, UINT* count) {
  if (!names || !count) return E_INVALIDARG;
  *count = 0;
  const MemberDesc* m = find_member(desc_, id);
  if (!m) return TYPE_E_ELEMENTNOTFOUND;
  if (max > 0) names[(*count)++] = bstr_from_1252(m->name);
  if (m->kind == DISPATCH_PROPERTYPUT) return S_OK;  // a put's value is unnamed
  for (const ParamDesc& p : m->params) {
    if (*count >= max) break;
    names[(*count)++] = bstr_from_1252(p.name);
  }
  return S_OK;
}

HRESULT TableTypeInfo::GetIDsOfNames(OLECHAR** names, UINT count, MEMBERID* ids) {
  return ids_of_names(desc_, names, count, ids);
}

HRESULT TableTypeInfo::Invoke(void* instance, MEMBERID id, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO*, UINT* arg_error) {
  return invoke_member(desc_, instance, id, flags, params, result, arg_error);
}

HRESULT TableTypeInfo::GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* help_context,
                                        BSTR* help_file) {
  std::string n, d;
  if (id == MEMBERID_NIL) {
    n = desc_.name;
    d = desc_.help ? desc_.help : "";
  } else {
    const MemberDesc* m = find_member(desc_, id);
    if (!m) return TYPE_E_ELEMENTNOTFOUND;
    n = m->name;
    d = std::string(m->kind == DISPATCH_METHOD ? "method " : "property ") + m->name;
  }
  if (name) *name = bstr_from_1252(n);
  if (doc) *doc = bstr_from_1252(d);
  if (help_context) *help_context = 0;
  if (help_file) *help_file = nullptr;
  return S_OK;
}

std::vector<ParamDesc> with_optional_variants(std::vector<ParamDesc> before, const char* prefix,
                                              int count, const std::vector<ParamDesc>& after) {
  // A deque never moves what it holds, so the names handed out stay valid.
  static std::mutex mutex;
  static std::deque<std::string> names;
  std::lock_guard lock(mutex);
  for (int i = 1; i <= count; ++i) {
    names.push_back(prefix + std::to_string(i));
    before.push_back({names.back().c_str(), VT_VARIANT, PARAM_OPTIONAL});
  }
  before.insert(before.end(), after.begin(), after.end());
  return before;
}

}  // namespace qn::com
