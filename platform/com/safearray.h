// One-dimensional arrays of bytes (VT_UI1) and of values (VT_VARIANT), as
// automation passes them. An array owns its elements: destroying it clears
// every value it holds.
#pragma once

#include "platform/com/hresult.h"
#include "platform/com/variant.h"

namespace qn::com {

struct SAFEARRAYBOUND {
  ULONG cElements;
  LONG lLbound;
};

struct SAFEARRAY {
  USHORT cDims;
  USHORT fFeatures;
  ULONG cbElements;  // bytes per element
  ULONG cLocks;
  void* pvData;
  SAFEARRAYBOUND rgsabound[1];
};

// Null for another element type or no memory. Elements start zeroed
// (VT_EMPTY values).
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lbound, ULONG count);
// DISP_E_ARRAYISLOCKED while data access is open. Null is accepted.
HRESULT SafeArrayDestroy(SAFEARRAY* psa);
// The element type: VT_UI1 or VT_VARIANT.
HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* vt);
UINT SafeArrayGetDim(SAFEARRAY* psa);
// dim counts from 1; any other gives DISP_E_BADINDEX. The upper bound of an
// empty array is one below its lower bound.
HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT dim, LONG* out);
HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT dim, LONG* out);
// An index outside the bounds gives DISP_E_BADINDEX. A value element is
// copied in and out (VariantCopy); a byte is copied as it is.
HRESULT SafeArrayGetElement(SAFEARRAY* psa, const LONG* index, void* out);
HRESULT SafeArrayPutElement(SAFEARRAY* psa, const LONG* index, void* in);
// Direct access to the elements, counted; destroy waits for the matching
// unaccess.
HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* psa);
// A deep copy: texts copied, objects counted once more.
HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** out);

}  // namespace qn::com
