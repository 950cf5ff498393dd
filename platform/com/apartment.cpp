#include "platform/com/apartment.h"

namespace qn::com {
namespace {

struct Apartment {
  int count = 0;
  unsigned model = 0;
};
thread_local Apartment t_apartment;

}  // namespace

HRESULT CoInitializeEx(void*, unsigned model) {
  model &= COINIT_APARTMENTTHREADED;
  if (t_apartment.count == 0) {
    t_apartment.model = model;
    t_apartment.count = 1;
    return S_OK;
  }
  if (t_apartment.model != model) return RPC_E_CHANGED_MODE;
  ++t_apartment.count;
  return S_FALSE;
}

void CoUninitialize() {
  if (t_apartment.count > 0) --t_apartment.count;
}

bool co_initialized() { return t_apartment.count > 0; }

}  // namespace qn::com
