// Per-thread initialisation of the component layer. This count is the
// layer's only state: each thread counts its own initialisations, and its
// first one fixes the thread's model.
#pragma once

#include "platform/com/hresult.h"

namespace qn::com {

enum : unsigned {
  COINIT_MULTITHREADED = 0x0,
  COINIT_APARTMENTTHREADED = 0x2,
};

// S_OK for the thread's first call, S_FALSE for each further one with the
// same model (both must be matched by CoUninitialize); RPC_E_CHANGED_MODE,
// not counted, when the model differs from the one the thread chose.
HRESULT CoInitializeEx(void* reserved, unsigned model);
// Ends one initialisation of this thread; more calls than initialisations
// are ignored.
void CoUninitialize();
// True while this thread has at least one initialisation.
bool co_initialized();

}  // namespace qn::com
