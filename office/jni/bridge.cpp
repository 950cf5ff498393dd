#include "office/jni/bridge.h"

#include <atomic>

#include "office/classes.h"
#include "office/jni/call.h"
#include "office/shared.h"
#include "platform/com/apartment.h"

namespace qn::office {
namespace {

template <class C, class I>
com::HRESULT make(I** out, const com::IID& iid) {
  return C::template create<C>(nullptr, iid, reinterpret_cast<void**>(out));
}

com::HRESULT make_word(IQnWord** out) { return make<CQnWord>(out, IID_IQnWord); }
com::HRESULT make_excel(IQnExcel** out) { return make<CQnExcel>(out, IID_IQnExcel); }
com::HRESULT make_mail(IQnMail** out) { return make<CQnMail>(out, IID_IQnMail); }

std::mutex g_creators_mutex;
BridgeCreators g_creators{&make_word, &make_excel, &make_mail};

BridgeCreators creators() {
  std::lock_guard lock(g_creators_mutex);
  return g_creators;
}

std::atomic<bool> g_com_initialized{false};
std::mutex g_com_mutex;

// The module goes: COM is uninitialised once when the bridge initialised it.
// The objects stay: the JVM ends with the module.
struct Unload {
  ~Unload() {
    if (g_com_initialized.exchange(false)) com::CoUninitialize();
  }
} g_unload;

template <class I>
bool ensure(jni::Shared<I>& s, com::HRESULT (*BridgeCreators::*creator)(I**)) {
  if (!jni::EnsureComInitialized()) return false;
  if (s.object) return true;
  I* object = nullptr;
  const auto create = creators().*creator;
  const com::HRESULT h = create ? create(&object) : com::E_FAIL;
  if (h != com::S_OK || !object) {
    if (object) object->Release();
    return false;
  }
  s.object = object;
  return true;
}

}  // namespace

BridgeCreators default_bridge_creators() { return {&make_word, &make_excel, &make_mail}; }

BridgeCreators set_bridge_creators(BridgeCreators c) {
  std::lock_guard lock(g_creators_mutex);
  std::swap(g_creators, c);
  return c;
}

namespace jni {

Shared<IQnWord>& word() {
  static Shared<IQnWord> s;
  return s;
}
Shared<IQnExcel>& excel() {
  static Shared<IQnExcel> s;
  return s;
}
Shared<IQnMail>& mail() {
  static Shared<IQnMail> s;
  return s;
}

bool EnsureComInitialized() {
  if (g_com_initialized.load(std::memory_order_acquire)) return true;
  {
    std::lock_guard lock(g_com_mutex);
    if (g_com_initialized.load(std::memory_order_relaxed)) return true;
    const com::HRESULT h = com::CoInitializeEx(nullptr, com::COINIT_APARTMENTTHREADED);
    if (h == com::S_OK || h == com::S_FALSE) {
      g_com_initialized.store(true, std::memory_order_release);
      return true;
    }
  }
  show_message("Couldn't CoInitialize.");  // always shown; the lock is not held while it waits
  return false;
}

bool EnsureObject(Shared<IQnWord>& s) { return ensure(s, &BridgeCreators::word); }
bool EnsureObject(Shared<IQnExcel>& s) { return ensure(s, &BridgeCreators::excel); }
bool EnsureObject(Shared<IQnMail>& s) { return ensure(s, &BridgeCreators::mail); }

}  // namespace jni
}  // namespace qn::office
