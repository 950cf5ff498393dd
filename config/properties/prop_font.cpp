#include "config/properties/prop_font.h"

#include "platform/cp1252.h"

namespace qn::config {

using namespace com;

namespace {

struct Member {
  const char* name;
  DISPID id;
};
constexpr Member kMembers[] = {{"Name", 0},   {"Size", 2},      {"Bold", 3},
                               {"Italic", 4}, {"Underline", 5}, {"Strikethrough", 6},
                               {"Weight", 7}, {"Charset", 8}};

}  // namespace

CPropFont* CPropFont::Create(const FontDesc& desc) { return new CPropFont(desc); }

ULONG CPropFont::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

bool CPropFont::MemberNumber(const std::string& name, DISPID& id) {
  for (const auto& m : kMembers) {
    if (platform::iequals_1252(name, m.name)) {
      id = m.id;
      return true;
    }
  }
  return false;
}

bool CPropFont::Get(DISPID id, VARIANT& out) const {
  VariantClear(&out);
  switch (id) {
    case 0:
      out.bstrVal = bstr_from_1252(desc_.name);
      if (!out.bstrVal) return false;
      out.vt = VT_BSTR;
      return true;
    case 2:
      out.vt = VT_CY;
      out.cyVal = desc_.size;
      return true;
    case 3:
      out.vt = VT_BOOL;
      out.boolVal = desc_.weight >= 700 ? VARIANT_TRUE : VARIANT_FALSE;
      return true;
    case 4:
      out.vt = VT_BOOL;
      out.boolVal = desc_.italic ? VARIANT_TRUE : VARIANT_FALSE;
      return true;
    case 5:
      out.vt = VT_BOOL;
      out.boolVal = desc_.underline ? VARIANT_TRUE : VARIANT_FALSE;
      return true;
    case 6:
      out.vt = VT_BOOL;
      out.boolVal = desc_.strikethrough ? VARIANT_TRUE : VARIANT_FALSE;
      return true;
    case 7:
      out.vt = VT_I2;
      out.iVal = desc_.weight;
      return true;
    case 8:
      out.vt = VT_I2;
      out.iVal = desc_.charset;
      return true;
    default:
      return false;
  }
}

HRESULT CPropFont::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IFontDisp) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT CPropFont::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT CPropFont::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT CPropFont::GetIDsOfNames(REFIID, OLECHAR** names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return MemberNumber(text_1252_of(names[0]), ids[0]) && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CPropFont::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                          EXCEPINFO*, UINT*) {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  VARIANT value;
  VariantInit(&value);
  if (!Get(id, value)) return DISP_E_MEMBERNOTFOUND;
  if (result) {
    VariantClear(result);
    *result = value;
  } else {
    VariantClear(&value);
  }
  return S_OK;
}

}  // namespace qn::config
