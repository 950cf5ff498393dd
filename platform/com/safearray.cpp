#include "platform/com/safearray.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace qn::com {
namespace {

// fFeatures: which element type the array holds.
enum : USHORT { kFeatureVariant = 0x0800, kFeatureBytes = 0x0000 };

bool is_variant_array(const SAFEARRAY* psa) { return psa->fFeatures & kFeatureVariant; }

HRESULT element_at(SAFEARRAY* psa, const LONG* index, void** where) {
  if (!psa || !index || !where) return E_INVALIDARG;
  const SAFEARRAYBOUND& b = psa->rgsabound[0];
  const long long offset = static_cast<long long>(*index) - b.lLbound;
  if (offset < 0 || offset >= static_cast<long long>(b.cElements)) return DISP_E_BADINDEX;
  *where = static_cast<unsigned char*>(psa->pvData) + offset * psa->cbElements;
  return S_OK;
}

}  // namespace

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lbound, ULONG count) {
  if (vt != VT_UI1 && vt != VT_VARIANT) return nullptr;
  const ULONG size = vt == VT_UI1 ? 1 : sizeof(VARIANT);
  if (count > std::numeric_limits<ULONG>::max() / size) return nullptr;
  auto* psa = static_cast<SAFEARRAY*>(std::calloc(1, sizeof(SAFEARRAY)));
  if (!psa) return nullptr;
  psa->pvData = std::calloc(count ? count : 1, size);  // zero bytes are VT_EMPTY values
  if (!psa->pvData) {
    std::free(psa);
    return nullptr;
  }
  psa->cDims = 1;
  psa->fFeatures = vt == VT_VARIANT ? kFeatureVariant : kFeatureBytes;
  psa->cbElements = size;
  psa->rgsabound[0] = {count, lbound};
  return psa;
}

HRESULT SafeArrayDestroy(SAFEARRAY* psa) {
  if (!psa) return S_OK;
  if (psa->cLocks > 0) return DISP_E_ARRAYISLOCKED;
  if (is_variant_array(psa)) {
    auto* v = static_cast<VARIANT*>(psa->pvData);
    for (ULONG i = 0; i < psa->rgsabound[0].cElements; ++i) VariantClear(&v[i]);
  }
  std::free(psa->pvData);
  std::free(psa);
  return S_OK;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* vt) {
  if (!psa || !vt) return E_INVALIDARG;
  *vt = is_variant_array(psa) ? VT_VARIANT : VT_UI1;
  return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* psa) { return psa ? psa->cDims : 0; }

HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT dim, LONG* out) {
  if (!psa || !out) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  *out = psa->rgsabound[0].lLbound;
  return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT dim, LONG* out) {
  if (!psa || !out) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  const SAFEARRAYBOUND& b = psa->rgsabound[0];
  *out = static_cast<LONG>(static_cast<long long>(b.lLbound) + b.cElements - 1);
  return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* psa, const LONG* index, void* out) {
  void* at;
  HRESULT h = element_at(psa, index, &at);
  if (FAILED(h)) return h;
  if (!out) return E_INVALIDARG;
  if (!is_variant_array(psa)) {
    std::memcpy(out, at, 1);
    return S_OK;
  }
  auto* dest = static_cast<VARIANT*>(out);
  VariantInit(dest);
  return VariantCopy(dest, static_cast<VARIANT*>(at));
}

HRESULT SafeArrayPutElement(SAFEARRAY* psa, const LONG* index, void* in) {
  void* at;
  HRESULT h = element_at(psa, index, &at);
  if (FAILED(h)) return h;
  if (!in) return E_INVALIDARG;
  if (!is_variant_array(psa)) {
    std::memcpy(at, in, 1);
    return S_OK;
  }
  return VariantCopy(static_cast<VARIANT*>(at), static_cast<VARIANT*>(in));
}

HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** data) {
  if (!psa || !data) return E_INVALIDARG;
  ++psa->cLocks;
  *data = psa->pvData;
  return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* psa) {
  if (!psa) return E_INVALIDARG;
  if (psa->cLocks == 0) return E_UNEXPECTED;
  --psa->cLocks;
  return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (!psa) return S_OK;
  VARTYPE vt;
  SafeArrayGetVartype(psa, &vt);
  const SAFEARRAYBOUND& b = psa->rgsabound[0];
  SAFEARRAY* copy = SafeArrayCreateVector(vt, b.lLbound, b.cElements);
  if (!copy) return E_OUTOFMEMORY;
  if (vt == VT_UI1) {
    std::memcpy(copy->pvData, psa->pvData, b.cElements);
  } else {
    auto* from = static_cast<VARIANT*>(psa->pvData);
    auto* to = static_cast<VARIANT*>(copy->pvData);
    for (ULONG i = 0; i < b.cElements; ++i) {
      HRESULT h = VariantCopy(&to[i], &from[i]);
      if (FAILED(h)) {
        SafeArrayDestroy(copy);
        return h;
      }
    }
  }
  *out = copy;
  return S_OK;
}

}  // namespace qn::com
